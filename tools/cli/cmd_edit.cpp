// edit: channel changes through the same rules as the channel table.
#include <charconv>
#include <iostream>

#include "channels/channel_edit.h"
#include "cli_session.h"
#include "codeplug/tone_tables.h"
#include "command.h"
#include "files/data_files.h"

namespace zb::cli {
namespace {

struct FieldName {
    const char* name;
    int code;
};

constexpr FieldName kFields[] = {
    {"RxFreq", kFieldRxFreq},       {"TxFreq", kFieldTxFreq},   {"DecTone", kFieldDecTone},
    {"EncTone", kFieldEncTone},     {"Plus10k", kFieldPlus10k}, {"TsqFlag", kFieldTsqFlag},
    {"BusyFlag", kFieldBusyFlag},   {"Scan", kFieldScan},       {"RbLock", kFieldRbLock},
    {"RbTone", kFieldRbTone},       {"RepEnable", kFieldRepEnable}, {"RepShift", kFieldRepShift},
};

std::optional<int> ParseInt(const std::string& text) {
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// "1".."20" are the groups as the user sees them, "VFO0" and "VFO1" the VFOs.
std::optional<int> GroupIndex(const std::string& text) {
    if (text == "VFO0") return kVfoAGroup;
    if (text == "VFO1") return kVfoBGroup;
    auto n = ParseInt(text);
    if (n && *n >= 1 && *n <= kGroupCount) return *n - 1;
    return std::nullopt;
}

std::optional<int> FieldCodeOf(const std::string& name) {
    for (const FieldName& f : kFields)
        if (name == f.name) return f.code;
    return std::nullopt;
}

// Tone fields also take the list text ("67.0", "D023N"); every other non-frequency field an
// integer.
std::string FieldValue(int code, const std::string& value) {
    if (code == kFieldDecTone || code == kFieldEncTone) {
        for (int i = 0; i < kToneIndexCount; ++i)
            if (ToneListText(i) == value) return std::to_string(i);
    }
    return value;
}

struct Edit {
    int group = -1, channel = 0, field = 0;
    std::string value;
};

const std::string kEditUsage = std::string(
    "Usage: zb347rx-cli edit FILE.dat --group G --channel N --field NAME --value V [...]\n"
    "Changes channels the way the channel table does, prints any warning of the rules, and\n"
    "saves the file. Several edits may follow one another; --group, --channel and --field carry\n"
    "over to the next edit when not repeated.\n"
    "  --group G     1..20, VFO0 or VFO1\n"
    "  --channel N   1..40 (1 for a VFO)\n"
    "  --field NAME  RxFreq TxFreq DecTone EncTone Plus10k TsqFlag BusyFlag Scan RbLock RbTone\n"
    "                RepEnable RepShift\n"
    "  --value V     a frequency in MHz, a tone (index or list text such as 67.0 or D023N),\n"
    "                or a number; an empty RxFreq deletes the channel\n") + kCommonUsage;

int RunEdit(const std::vector<std::string>& words) {
    std::set<std::string> valueOptions = {"--group", "--channel", "--field", "--value"};
    valueOptions.insert(kCommonValueOptions.begin(), kCommonValueOptions.end());
    Args args(words, valueOptions, {});
    if (!CheckArgs(args, 1, kEditUsage.c_str())) return 2;

    std::vector<Edit> edits;
    Edit next;
    for (const auto& [name, value] : args.options()) {
        if (name == "--group") {
            auto g = GroupIndex(value);
            if (!g) return UsageError("--group takes 1..20, VFO0 or VFO1, not " + value);
            next.group = *g;
        } else if (name == "--channel") {
            auto n = ParseInt(value);
            if (!n || *n < 1 || *n > kChannelsPerGroup)
                return UsageError("--channel takes 1..40, not " + value);
            next.channel = *n;
        } else if (name == "--field") {
            auto code = FieldCodeOf(value);
            if (!code) return UsageError("unknown field " + value + " (see edit --help)");
            next.field = *code;
        } else if (name == "--value") {
            if (next.group < 0 || next.channel == 0 || next.field == 0)
                return UsageError("--value needs --group, --channel and --field before it");
            next.value = value;
            edits.push_back(next);
        }
    }
    if (edits.empty()) return UsageError("no edit given (see edit --help)");

    auto s = StartSession(args);
    if (!s) return 2;
    AppContext& ctx = s->ctx;
    const std::string path = args.positional()[0];
    if (!GuardedLoad(ctx, path)) return 1;
    const int16_t currentGroup = ctx.Doc.Data.CurrentGroup;
    for (const Edit& e : edits) {
        ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(e.group);
        EditChannelField(ctx, e.channel, e.field, FieldValue(e.field, e.value));
    }
    ctx.Doc.Data.CurrentGroup = currentGroup;
    return SaveFiles(ctx, path) ? 0 : 1;
}

}  // namespace

ZB_CLI_COMMAND("edit", "change channels of a data file", kEditUsage, RunEdit);

}  // namespace zb::cli
