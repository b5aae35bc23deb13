// Radio commands: read, write. They talk to the radio over a serial device (or a
// pseudo-terminal such as the one zb347rx-sim offers) and need the Qt serial line.
#ifdef ZB_CLI_WITH_QT

#include <cstdio>
#include <iostream>

#include "cli_session.h"
#include "codeplug/image_layout.h"
#include "command.h"
#include "files/codeplug_diff.h"
#include "files/data_files.h"
#include "link/link_engine.h"
#include "link/read_backup.h"
#include "link_runner.h"

namespace zb::cli {
namespace {

const std::string kReadUsage = "Usage: zb347rx-cli read OUT.dat [options]\n"
                               "Reads the radio and saves its document as OUT.dat and OUT.fre\n"
                               "(\".dat\" is added to a name without a three-letter extension).\n"
                               "A copy of the image read and of the document is kept in\n"
                               "<user data folder>/backups (YYYYMMDD-HHMMSS.img, .dat, .fre).\n" +
                               std::string(kLinkOptionsUsage) + kCommonUsage;
const std::string kWriteUsage = "Usage: zb347rx-cli write FILE.dat [options]\n"
                                "Writes the document FILE.dat into the radio. A document whose channel\n"
                                "file is missing or too short is refused: writing it would erase those\n"
                                "channels in the radio.\n"
                                "  --verify           read the radio back and compare what was written\n"
                                "  --force            write such a document all the same\n" +
                                std::string(kLinkOptionsUsage) + kCommonUsage;

std::string Hex(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, static_cast<unsigned>(value));
    return buffer;
}

// The backup never decides the command's outcome.
void KeepBackup(const AppContext& ctx) {
    std::string error;
    if (auto files = KeepReadBackup(ctx, &error)) {
        std::cerr << "backup: " << files->image << "\n";
    } else {
        PrintError("warning: no backup of this read was kept: " + error);
    }
}

int RunRead(const std::vector<std::string>& words) {
    Args args(words, LinkValueOptions(), LinkFlagOptions());
    if (!CheckArgs(args, 1, kReadUsage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    LinkRunner link(*s, args);
    if (!link.ok()) return 2;
    const std::string out = NewDataFileName(args.positional()[0]);
    if (!link.Run(ReadFromRadio)) return 1;
    KeepBackup(s->ctx);
    return SaveFiles(s->ctx, out) ? 0 : 1;
}

// The write range read back must hold what was sent.
int Verify(Session& s, LinkRunner& link) {
    const CodeplugImage written = s.ctx.Image;
    const Codeplug document = s.ctx.Doc;
    std::cerr << "Verifying: reading the radio back\n";
    if (!link.Run(ReadFromRadio)) {
        PrintError("verify: the radio could not be read back");
        return 1;
    }
    for (int a = layout::kWriteStart; a < layout::kWriteEnd; ++a) {
        if (s.ctx.Image[a] == written[a]) continue;
        // What the differing bytes mean, in the words of a diff from the written document to

        // what the radio holds in the range that was written.
        CodeplugImage readBack = written;
        std::copy(s.ctx.Image.begin() + layout::kWriteStart, s.ctx.Image.begin() + layout::kWriteEnd,
                  readBack.begin() + layout::kWriteStart);
        for (const std::string& line : DiffCodeplugs(s.ctx, DecodedOver(document, written),
                                                     DecodedOver(document, readBack)))
            std::cerr << "verify: " << line << "\n";
        PrintError("verify: the radio differs from what was written at " + Hex(a, 4) + " (written " +
                   Hex(written[a], 2) + ", read " + Hex(s.ctx.Image[a], 2) + ")");
        return 1;
    }
    std::cerr << "Verified: " << Hex(layout::kWriteStart, 4) << " to " << Hex(layout::kWriteEnd - 1, 4)
              << " match.\n";
    return 0;
}

int RunWrite(const std::vector<std::string>& words) {
    Args args(words, LinkValueOptions(), LinkFlagOptions({"--verify", "--force"}));
    if (!CheckArgs(args, 1, kWriteUsage.c_str())) return 2;
    if (!CheckDataFileName(args.positional()[0])) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    LinkRunner link(*s, args);
    if (!link.ok()) return 2;
    int unread = 0;
    if (!GuardedLoad(s->ctx, args.positional()[0], &unread)) return 1;
    if (unread > 0 && !args.Flag("--force")) {
        PrintError(Say(txt::WriteRefused));
        return 1;
    }
    if (!link.Run(WriteToRadio)) {
        if (link.sentWriteBlocks()) PrintError(Say(txt::PartlyWritten));
        return 1;
    }
    return args.Flag("--verify") ? Verify(*s, link) : 0;
}

}  // namespace

ZB_CLI_COMMAND("read", "read the radio into a data file", kReadUsage, RunRead);
ZB_CLI_COMMAND("write", "write a data file into the radio", kWriteUsage, RunWrite);

}  // namespace zb::cli

#endif  // ZB_CLI_WITH_QT
