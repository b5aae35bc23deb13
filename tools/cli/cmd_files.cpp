// File commands: new, show, encode, decode.
#include <iostream>

#include "base/file_util.h"
#include "channels/freq_rules.h"
#include "cli_session.h"
#include "codeplug/calendar.h"
#include "codeplug/identity.h"
#include "codeplug/image_codec.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"
#include "command.h"
#include "files/data_files.h"
#include "files/templates.h"
#include "json_dump.h"

namespace zb::cli {
namespace {

std::string Usage(const std::string& head) { return head + kCommonUsage; }

std::set<std::string> With(std::set<std::string> extra) {
    extra.insert(kCommonValueOptions.begin(), kCommonValueOptions.end());
    return extra;
}

const std::string kNewUsage = Usage(
        "Usage: zb347rx-cli new OUT.dat [--defaults-only] [--date YYYY-MM-DD]\n"
        "Writes a new document (the defaults and the new-document template) as OUT.dat and its\n"
        "channel file OUT.fre. A name without a three-letter extension gets \".dat\" added.\n"
        "  --defaults-only    ignore the template: the built-in defaults alone\n"
        "  --date YYYY-MM-DD  the date for the dated values (serial number), default today\n");

const std::string kShowUsage = Usage(
        "Usage: zb347rx-cli show FILE.dat [--json]\n"
        "Prints the document readably, or with --json as one JSON object whose keys are the\n"
        "record and field names. Writes nothing, not even the settings file.\n");

const std::string kEncodeUsage = Usage(
        "Usage: zb347rx-cli encode FILE.dat OUT.img\n"
        "Writes the 16384-byte radio image that a write to the radio would send.\n");

const std::string kDecodeUsage = Usage(
        "Usage: zb347rx-cli decode IN.img OUT.dat\n"
        "Decodes a 16384-byte radio image over a new document, as a read from the radio does,\n"
        "and saves it.\n");

bool Save(Session& s, const std::string& path) {
    return SaveFiles(s.ctx, path);  // "file error." is printed by the prompter
}

int RunNew(const std::vector<std::string>& words) {
    const std::string& usage = kNewUsage;
    Args args(words, With({"--date"}), {"--defaults-only"});
    if (!CheckArgs(args, 1, usage.c_str())) return 2;
    std::optional<CalendarDate> date;
    if (auto text = args.Value("--date")) {
        date = ParseIsoDate(*text);
        if (!date) return UsageError("--date: " + *text + " " + Say(txt::NoSuchDate));
    }
    auto s = StartSession(args);
    if (!s) return 2;
    if (date) s->ctx.fixedToday = date;
    ApplyDefaults(s->ctx);
    if (args.Flag("--defaults-only")) {
        MirrorTemplate(s->ctx);
    } else {
        LoadTemplate(s->ctx, kNewDocTemplate);
        // The template brings the serial number of the day it was made: the date asked for
        // replaces it, as it does in the defaults.
        if (date) s->ctx.Doc.Data.ModelInfo.SerialNumber.Set(CompactDate(*date));
    }
    return Save(*s, NewDataFileName(args.positional()[0])) ? 0 : 1;
}

std::string YesNo(int v) { return v ? "yes" : "no"; }

void PrintChannel(AppContext& ctx, const std::string& label, const ChannelRecord& c) {
    std::cout << "  " << label << "  RX " << StoredToFreqText(ctx, CleanText(c.RxFreq))
              << "  TX " << StoredToFreqText(ctx, CleanText(c.TxFreq))
              << "  DEC " << ToneListText(c.DecTone) << "  ENC " << ToneListText(c.EncTone)
              << "  TSQ " << YesNo(c.TsqFlag) << "  BUSY " << YesNo(c.BusyFlag)
              << "  SCAN " << YesNo(c.Scan) << "  RB " << c.RbTone + 1 << "  RB-LOCK "
              << YesNo(c.RbLock) << "  REP " << YesNo(c.RepEnable) << "  SHIFT "
              << (c.RepShift == 1 ? "+100K" : c.RepShift == 2 ? "-100K" : "off") << "\n";
}

void PrintReadable(AppContext& ctx, const std::string& path) {
    const CodeplugData& d = ctx.Doc.Data;
    std::cout << Printable(FileNamePart(path)) << ": version " << Printable(CleanText(d.Version))
              << ", model " << Printable(DisplayModelName(ctx.identity.ModelName)) << ", band "
              << ctx.identity.BandText << "\n";
    for (int g = 0; g < kGroupCount; ++g) {
        const GroupRecord& group = d.Groups[g];
        const int used = std::clamp<int>(group.ChannelCount, 0, kChannelsPerGroup);
        std::cout << "Group " << g + 1 << " \"" << Printable(CleanText(group.Name)) << "\" "
                  << (group.Valid > 0 ? "valid" : "not valid") << ", " << used
                  << (used == 1 ? " channel" : " channels") << "\n";
        for (int j = 0; j < used; ++j) {
            const ChannelRecord& c = ctx.Doc.Channels[j][g];
            PrintChannel(ctx, "CH " + std::to_string(c.ChNo), c);
        }
    }
    std::cout << "VFO0 " << (d.VfoAValid ? "valid" : "not valid") << "\n";
    PrintChannel(ctx, "VFO0", d.VfoA);
    std::cout << "VFO1 " << (d.VfoBValid ? "valid" : "not valid") << "\n";
    PrintChannel(ctx, "VFO1", d.VfoB);
    const auto& reset = d.OptionSettings.ResetSelect;
    std::cout << "Reset: band 0 group " << reset[0] << " channel " << reset[1] << ", band 1 group "
              << reset[2] << " channel " << reset[3] << "\n";
    for (int t = 0; t < kRogerBeepCount; ++t) {
        const RogerBeepRecord& rb = d.RogerBeepTones[t];
        std::cout << "Roger beep " << t + 1 << ": repeat " << rb.RecycleTimes << ", pause "
                  << rb.InterTime * 10 << " ms, tones";
        for (const ToneEntry& e : rb.Tone)
            if (e.ToneLength > 0) std::cout << " " << e.ToneFreq * 10 << "/" << e.ToneLength * 10;
        std::cout << "\n";
    }
    const auto& message = d.OptionSettings.EmbeddedMessage;
    std::cout << "Message: \"" << Printable(CleanText(message.MessageLine1)) << "\" \""
              << Printable(CleanText(message.MessageLine2)) << "\"  Power-on text: \""
              << Printable(CleanText(d.OptionSettings.OptionFeatures.PowerOnText)) << "\"\n";
}

int RunShow(const std::vector<std::string>& words) {
    const std::string& usage = kShowUsage;
    Args args(words, With({}), {"--json"});
    if (!CheckArgs(args, 1, usage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    const std::string path = args.positional()[0];
    if (!CheckDataFileName(path)) return 2;
    if (!GuardedLoad(s->ctx, path)) return 1;
    if (args.Flag("--json")) {
        std::cout << DocumentJson(s->ctx.Doc);
    } else {
        PrintReadable(s->ctx, path);
    }
    return 0;
}

int RunEncode(const std::vector<std::string>& words) {
    const std::string& usage = kEncodeUsage;
    Args args(words, With({}), {});
    if (!CheckArgs(args, 2, usage.c_str())) return 2;
    if (!CheckDataFileName(args.positional()[0])) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    if (!GuardedLoad(s->ctx, args.positional()[0])) return 1;
    ClearImage(s->ctx.Image);
    EncodeImage(s->ctx.Doc, s->ctx.Image);
    const std::string bytes(s->ctx.Image.begin(), s->ctx.Image.end());
    std::string reason;
    if (!WriteFileAtomically(args.positional()[1], bytes, &reason)) {
        PrintError(Say(txt::CannotWrite) + " " + args.positional()[1] + ": " + reason);
        return 1;
    }
    return 0;
}

int RunDecode(const std::vector<std::string>& words) {
    const std::string& usage = kDecodeUsage;
    Args args(words, With({}), {});
    if (!CheckArgs(args, 2, usage.c_str())) return 2;
    std::string reason = "has another size";
    const auto bytes = ReadFileBytes(args.positional()[0], kImageSize, &reason);
    if (!bytes || bytes->size() != kImageSize) {
        PrintError(args.positional()[0] + " is not a " + std::to_string(kImageSize) +
                   "-byte image: " + reason);
        return 1;
    }
    auto s = StartSession(args);
    if (!s) return 2;
    std::copy(bytes->begin(), bytes->end(), s->ctx.Image.begin());
    DecodeImage(s->ctx.Image, s->ctx.Doc);
    DecodeRmgData(s->ctx.Image, s->ctx.Rmg);
    return Save(*s, NewDataFileName(args.positional()[1])) ? 0 : 1;
}

}  // namespace

ZB_CLI_COMMAND("new", "write a new document", kNewUsage, RunNew);
ZB_CLI_COMMAND("show", "print a data file (readably or as JSON)", kShowUsage, RunShow, true);
ZB_CLI_COMMAND("encode", "turn a data file into a radio image", kEncodeUsage, RunEncode);
ZB_CLI_COMMAND("decode", "turn a radio image into a data file", kDecodeUsage, RunDecode);

}  // namespace zb::cli
