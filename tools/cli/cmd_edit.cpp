// edit: channel changes through the same rules as the channel table.
#include <charconv>
#include <iostream>

#include "channels/channel_edit.h"
#include "channels/freq_rules.h"
#include "codeplug/text_util.h"
#include "cli_session.h"
#include "codeplug/tone_tables.h"
#include "command.h"
#include "files/data_files.h"

namespace zb::cli {
namespace {

struct FieldName {
    const char* name;
    int code;
    int16_t ChannelRecord::*member;  // nullptr for the frequencies
    int max;                         // the largest value the rules accept (smallest 0)
};

constexpr FieldName kFields[] = {
    {"RxFreq", kFieldRxFreq, nullptr, 0},
    {"TxFreq", kFieldTxFreq, nullptr, 0},
    {"DecTone", kFieldDecTone, &ChannelRecord::DecTone, kToneIndexCount - 1},
    {"EncTone", kFieldEncTone, &ChannelRecord::EncTone, kToneIndexCount - 1},
    {"Plus10k", kFieldPlus10k, &ChannelRecord::Plus10k, 1},
    {"TsqFlag", kFieldTsqFlag, &ChannelRecord::TsqFlag, 1},
    {"BusyFlag", kFieldBusyFlag, &ChannelRecord::BusyFlag, 1},
    {"Scan", kFieldScan, &ChannelRecord::Scan, 1},
    {"RbLock", kFieldRbLock, &ChannelRecord::RbLock, 1},
    {"RbTone", kFieldRbTone, &ChannelRecord::RbTone, kRogerBeepCount - 1},
    {"RepEnable", kFieldRepEnable, &ChannelRecord::RepEnable, 1},
    {"RepShift", kFieldRepShift, &ChannelRecord::RepShift, 2},
};

const FieldName& FieldOf(int code) {
    for (const FieldName& f : kFields)
        if (f.code == code) return f;
    return kFields[0];
}

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

std::string Describe(const Edit& e) {
    const std::string group = e.group == kVfoAGroup   ? "VFO0"
                              : e.group == kVfoBGroup ? "VFO1"
                                                      : std::to_string(e.group + 1);
    return "group " + group + ", channel " + std::to_string(e.channel) + ", " +
           FieldOf(e.field).name + " \"" + e.value + "\"";
}

// A value the rules would ignore, or a VFO channel other than 1: the reason, else empty.
std::string RefusedValue(const Edit& e) {
    if ((e.group == kVfoAGroup || e.group == kVfoBGroup) && e.channel != 1)
        return "--channel " + Say(txt::TakesRange) + " 1 for a VFO";
    const FieldName& f = FieldOf(e.field);
    if (!f.member) return {};
    auto v = ParseInt(FieldValue(e.field, e.value));
    if (v && *v >= 0 && *v <= f.max) return {};
    return std::string(f.name) + " " + Say(txt::TakesRange) + " 0.." + std::to_string(f.max) +
           (e.field == kFieldDecTone || e.field == kFieldEncTone ? " (or a tone such as 67.0)" : "");
}

// The channel the edit is about, after it: nothing when the group no longer holds it.
const ChannelRecord* EditedChannel(const AppContext& ctx, const Edit& e) {
    const CodeplugData& d = ctx.Doc.Data;
    if (e.group == kVfoAGroup) return &d.VfoA;
    if (e.group == kVfoBGroup) return &d.VfoB;
    for (int j = 0; j < UsedChannels(d, e.group); ++j)
        if (ctx.Doc.Channels[j][e.group].ChNo == e.channel) return &ctx.Doc.Channels[j][e.group];
    return nullptr;
}

// Empty when the channel now holds what the edit asked for; else what it holds instead.
std::string NotAsAsked(AppContext& ctx, const Edit& e) {
    const ChannelRecord* c = EditedChannel(ctx, e);
    const bool deleting = e.field == kFieldRxFreq && e.value.empty();
    if (deleting) return c && e.group < kGroupCount ? "the channel is still there" : "";
    if (!c) return Say(txt::ChannelDeleted);
    const FieldName& f = FieldOf(e.field);
    if (f.member) {
        const int now = c->*f.member;
        return now == *ParseInt(FieldValue(e.field, e.value)) ? "" : "it holds " + std::to_string(now);
    }
    // Compared in whole Hz; a cleared transmit frequency takes the receive frequency.
    const std::string held = StoredToFreqText(ctx, CleanText(e.field == kFieldRxFreq ? c->RxFreq : c->TxFreq));
    const std::string asked = e.value.empty() ? StoredToFreqText(ctx, CleanText(c->RxFreq)) : e.value;
    const auto heldHz = ParseFreq(held), askedHz = ParseFreq(asked);
    if (heldHz && askedHz && heldHz->wholeHz == askedHz->wholeHz && askedHz->rest == FreqValue::Rest::None)
        return "";
    return "it holds " + (held.empty() ? std::string("no frequency") : held);
}

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
    "                or a number; an empty RxFreq deletes the channel\n"
    "When an edit is refused or does not take place as asked (a value out of range, a\n"
    "frequency outside the band, a channel the rules delete), the command says so, saves\n"
    "nothing and exits with 1.\n") + kCommonUsage;

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
    if (!CheckDataFileName(args.positional()[0])) return 2;
    for (const Edit& e : edits) {
        if (auto why = RefusedValue(e); !why.empty()) {
            PrintError(Describe(e) + ": " + why + "; " + Say(txt::NothingSaved));
            return 1;
        }
    }

    auto s = StartSession(args);
    if (!s) return 2;
    AppContext& ctx = s->ctx;
    const std::string path = args.positional()[0];
    if (!GuardedLoad(ctx, path)) return 1;
    const int16_t currentGroup = ctx.Doc.Data.CurrentGroup;
    bool allAsAsked = true;
    for (const Edit& e : edits) {
        ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(e.group);
        EditChannelField(ctx, e.channel, e.field, FieldValue(e.field, e.value));
        if (auto what = NotAsAsked(ctx, e); !what.empty()) {
            PrintError(Describe(e) + ": " + Say(txt::NotAsAsked) + " (" + what + ")");
            allAsAsked = false;
        }
    }
    ctx.Doc.Data.CurrentGroup = currentGroup;
    // A script must be able to trust the file: it changes only when every edit took place.
    if (!allAsAsked) {
        PrintError(Say(txt::NothingSaved));
        return 1;
    }
    return SaveFiles(ctx, path) ? 0 : 1;
}

}  // namespace

ZB_CLI_COMMAND("edit", "change channels of a data file", kEditUsage, RunEdit);

}  // namespace zb::cli
