// Channel lists in and out: export-csv, import-csv.
#include <charconv>
#include <iostream>

#include "app/file_util.h"
#include "channels/channel_csv.h"
#include "cli_session.h"
#include "command.h"
#include "files/data_files.h"

namespace zb::cli {
namespace {

std::set<std::string> With(std::set<std::string> extra) {
    extra.insert(kCommonValueOptions.begin(), kCommonValueOptions.end());
    return extra;
}

// "1".."20": the group as the user sees it, as its index 0..19.
std::optional<int> GroupIndex(const std::string& text) {
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 1 || v > kGroupCount)
        return std::nullopt;
    return v - 1;
}

const std::string kExportUsage = std::string(
    "Usage: zb347rx-cli export-csv FILE.dat OUT.csv [--group G]\n"
    "Writes the channels as a CSV channel list that other radio programs read (columns\n"
    "Location, Name, Frequency, Duplex, Offset, Tone, ... DVCODE, then ZB347RX_* columns with\n"
    "this radio's own flags). The group's name goes into Comment.\n"
    "  --group G   only group G (1..20), Location = channel number; without it every group,\n"
    "              Location = (group - 1) x 40 + channel number\n") + kCommonUsage;

const std::string kImportUsage = std::string(
    "Usage: zb347rx-cli import-csv FILE.dat IN.csv --group G [--replace] [--skip-bad] [--dry-run]\n"
    "Puts the channels of a CSV channel list into group G (1..20) and saves FILE.dat. Rows go to\n"
    "their Location when every Location is 1..40, otherwise in file order onto the free channel\n"
    "numbers; a row replaces the channel of its number. Every row is checked by the same rules\n"
    "as the channel table; refused rows are listed with their line and reason.\n"
    "  --replace   the group holds exactly the file's channels afterwards\n"
    "  --skip-bad  import the other rows when some are refused (otherwise nothing changes)\n"
    "  --dry-run   only report what would be done\n"
    "Exit status: 0 imported (or would be), 1 nothing changed, 2 usage error.\n") + kCommonUsage;

int RunExport(const std::vector<std::string>& words) {
    Args args(words, With({"--group"}), {});
    if (!CheckArgs(args, 2, kExportUsage.c_str())) return 2;
    int group = kCsvAllGroups;
    if (auto text = args.Value("--group")) {
        auto g = GroupIndex(*text);
        if (!g) return UsageError("--group takes 1..20, not " + *text);
        group = *g;
    }
    auto s = StartSession(args);
    if (!s) return 2;
    if (!GuardedLoad(s->ctx, args.positional()[0])) return 1;
    const CsvExport out = ExportChannelsCsv(s->ctx, group);
    if (!WriteFileAtomically(args.positional()[1], out.text)) {
        PrintError("cannot write " + args.positional()[1]);
        return 1;
    }
    std::cerr << "Channels exported to " << args.positional()[1] << ": " << out.rows << ".\n";
    return 0;
}

int RunImport(const std::vector<std::string>& words) {
    Args args(words, With({"--group"}), {"--replace", "--skip-bad", "--dry-run"});
    if (!CheckArgs(args, 2, kImportUsage.c_str())) return 2;
    auto groupText = args.Value("--group");
    if (!groupText) return UsageError("import-csv needs --group G (1..20)");
    auto group = GroupIndex(*groupText);
    if (!group) return UsageError("--group takes 1..20, not " + *groupText);
    const std::string& path = args.positional()[0];
    const std::string& csvPath = args.positional()[1];
    auto text = ReadFileBytes(csvPath);
    if (!text) {
        PrintError("cannot read " + csvPath);
        return 1;
    }
    auto s = StartSession(args);
    if (!s) return 2;
    if (!GuardedLoad(s->ctx, path)) return 1;
    const CsvImportPlan plan = PlanCsvImport(s->ctx, *text, *group, args.Flag("--replace"));
    const bool accepted = plan.CanApply() && (plan.refused.empty() || args.Flag("--skip-bad"));
    const bool dryRun = args.Flag("--dry-run");
    if (!accepted || dryRun) {
        std::cout << CsvImportReport(s->ctx, plan, false, dryRun && accepted);
        if (plan.CanApply() && !accepted) std::cerr << "(--skip-bad imports the other rows)\n";
        return accepted ? 0 : 1;
    }
    ApplyCsvImport(s->ctx, plan);
    if (!SaveFiles(s->ctx, path)) {
        std::cout << CsvImportReport(s->ctx, plan, false);
        return 1;
    }
    std::cout << CsvImportReport(s->ctx, plan, true);
    return 0;
}

}  // namespace

ZB_CLI_COMMAND("export-csv", "write channels as a CSV list for other radio programs", kExportUsage,
               RunExport);
ZB_CLI_COMMAND("import-csv", "put the channels of a CSV list into a group", kImportUsage, RunImport);

}  // namespace zb::cli
