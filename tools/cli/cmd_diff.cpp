// diff: what differs between two data files or radio images, by record and field.
#include <iostream>

#include "base/file_util.h"
#include "cli_session.h"
#include "command.h"
#include "files/codeplug_diff.h"
#include "files/data_files.h"

namespace zb::cli {
namespace {

const std::string kDiffUsage = std::string(
    "Usage: zb347rx-cli diff A B\n"
    "Prints what differs between A and B, each a data file (.dat with its .fre) or a 16384-byte\n"
    "radio image, by group, channel number and field (old -> new). When one side is an image,\n"
    "only what an image holds is compared.\n"
    "Exit status: 0 when they agree, 1 when they differ, 2 on trouble.\n") + kCommonUsage;

struct Side {
    bool isImage = false;
    CodeplugImage image{};
    Codeplug doc;
};

// A 16384-byte file is an image; anything else is opened as a data file, with Open's checks.
bool LoadSide(AppContext& ctx, const std::string& path, Side& side) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        PrintError("cannot read " + path);
        return false;
    }
    if (bytes->size() == kImageSize) {
        side.isImage = true;
        std::copy(bytes->begin(), bytes->end(), side.image.begin());
        return true;
    }
    if (!GuardedLoad(ctx, path)) return false;
    side.doc = ctx.Doc;
    return true;
}

int RunDiff(const std::vector<std::string>& words) {
    Args args(words, kCommonValueOptions, {});
    if (!CheckArgs(args, 2, kDiffUsage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    AppContext& ctx = s->ctx;
    const Codeplug startDoc = ctx.Doc;
    Side a, b;
    if (!LoadSide(ctx, args.positional()[0], a) || !LoadSide(ctx, args.positional()[1], b)) return 2;
    // Images are decoded over the other side's document (or the start-up document when both
    // are images), so what an image cannot hold is equal on both sides.
    Codeplug first = a.doc, second = b.doc;
    if (a.isImage && b.isImage) {
        first = DecodedOver(startDoc, a.image);
        second = DecodedOver(startDoc, b.image);
    } else if (a.isImage) {
        first = DecodedOver(b.doc, a.image);
        second = ThroughImage(b.doc);
    } else if (b.isImage) {
        first = ThroughImage(a.doc);
        second = DecodedOver(a.doc, b.image);
    }
    const auto lines = DiffCodeplugs(ctx, first, second);
    for (const std::string& line : lines) std::cout << line << "\n";
    return lines.empty() ? 0 : 1;
}

}  // namespace

ZB_CLI_COMMAND("diff", "show what differs between two data files or images", kDiffUsage, RunDiff, true);

}  // namespace zb::cli
