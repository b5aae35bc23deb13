#include "channels/channel_edit.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "app/context.h"
#include "channels/freq_rules.h"
#include "codeplug/text_util.h"

namespace zb {
namespace {

constexpr int kBandGroups = 10;  // groups per band

struct FieldRange {
    int low, high;
};

// Allowed values of the integer fields; an empty range for codes without a field.
FieldRange RangeOf(int code) {
    switch (code) {
        case kFieldDecTone:
        case kFieldEncTone: return {0, 264};
        case kFieldPlus10k:
        case kFieldTsqFlag:
        case kFieldBusyFlag:
        case kFieldScan:
        case kFieldRbLock:
        case kFieldRepEnable: return {0, 1};
        case kFieldRbTone: return {0, kRogerBeepCount - 1};
        case kFieldRepShift: return {0, 2};
        default: return {1, 0};
    }
}

int16_t* IntegerField(ChannelRecord& r, int code) {
    switch (code) {
        case kFieldDecTone: return &r.DecTone;
        case kFieldEncTone: return &r.EncTone;
        case kFieldPlus10k: return &r.Plus10k;
        case kFieldTsqFlag: return &r.TsqFlag;
        case kFieldBusyFlag: return &r.BusyFlag;
        case kFieldScan: return &r.Scan;
        case kFieldRbLock: return &r.RbLock;
        case kFieldRbTone: return &r.RbTone;
        case kFieldRepEnable: return &r.RepEnable;
        case kFieldRepShift: return &r.RepShift;
        default: return nullptr;
    }
}

bool IsGroupIndex(int group) { return group >= 0 && group < kGroupCount; }
bool IsGroupNumber(int n) { return n >= 1 && n <= kGroupCount; }
bool IsValidGroup(const AppContext& ctx, int group) {
    return IsGroupIndex(group) && ctx.Doc.Data.Groups[group].Valid >= 1;
}

// 1-based position of channel chNo among the used channels of group g, or 0.
int PositionOf(const AppContext& ctx, int group, int chNo) {
    const int count = UsedChannels(ctx.Doc.Data, group);
    for (int i = 0; i < count; ++i) {
        if (ctx.Doc.Channels[i][group].ChNo == chNo) return i + 1;
    }
    return 0;
}

// Display text of the receive frequency, which an emptied transmit frequency takes.
std::string ReceiveText(AppContext& ctx, const ChannelRecord& r) {
    return StoredToFreqText(ctx, CleanText(r.RxFreq));
}

void ReshowRow(AppContext& ctx, int chNo) {
    if (ctx.channelViews->IsChannelTableOpen()) ctx.channelViews->reShowGrid(chNo);
}

}  // namespace

void AddChannel(AppContext& ctx, int chNo, int group, std::string_view freqText) {
    AppendChannel(ctx.Doc, group, chNo, FreqTextToStored(ctx, freqText));
}

void DeleteChannel(AppContext& ctx, int position, int group) {
    const int count = UsedChannels(ctx.Doc.Data, group);
    if (position < 1 || position > count) return;
    const int newCount = count - 1;
    ctx.Doc.Data.Groups[group].ChannelCount = static_cast<int16_t>(newCount);
    for (int k = position; k <= newCount; ++k) {
        ctx.Doc.Channels[k - 1][group] = ctx.Doc.Channels[k][group];
    }
}

void SetChannelField(AppContext& ctx, ChannelRecord& record, int fieldCode,
                     std::string_view value) {
    if (fieldCode == kFieldRxFreq) {
        record.RxFreq.Set(FreqTextToStored(ctx, value));
        return;
    }
    if (fieldCode == kFieldTxFreq) {
        record.TxFreq.Set(FreqTextToStored(ctx, value));
        return;
    }
    int16_t* field = IntegerField(record, fieldCode);
    if (field == nullptr) return;
    int number = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc{} || end != value.data() + value.size()) return;
    const FieldRange range = RangeOf(fieldCode);
    if (number < range.low || number > range.high) return;
    *field = static_cast<int16_t>(number);
}

void EditChannelField(AppContext& ctx, int chNo, int fieldCode, std::string_view value) {
    const int g = ctx.Doc.Data.CurrentGroup;
    if (g < 0 || g > kVfoBGroup) return;

    std::string v(value);
    const bool isFreq = fieldCode == kFieldRxFreq || fieldCode == kFieldTxFreq;
    if (isFreq && !v.empty()) v = ValidateFreqText(ctx, v, fieldCode == kFieldTxFreq, g);
    const bool clearsRx = fieldCode == kFieldRxFreq && v.empty();

    if (IsGroupIndex(g)) {
        if (const int i = PositionOf(ctx, g, chNo); i > 0) {
            ChannelRecord& channel = ctx.Doc.Channels[i - 1][g];
            if (clearsRx) {
                // The last channel of a group, and channels 9 and 19, are never deleted.
                if (UsedChannels(ctx.Doc.Data, g) > 1 && chNo != 9 && chNo != 19) {
                    DeleteChannel(ctx, i, g);
                }
            } else {
                if (fieldCode == kFieldTxFreq && v.empty()) v = ReceiveText(ctx, channel);
                SetChannelField(ctx, channel, fieldCode, v);
            }
            ReshowRow(ctx, chNo);
            return;
        }
        const bool isChannelNumber = chNo >= 1 && chNo <= kChannelsPerGroup;
        if (fieldCode == kFieldRxFreq && !v.empty() && isChannelNumber) {
            AddChannel(ctx, chNo, g, v);
        }
    } else if (chNo == 1 && !clearsRx) {
        // A VFO has only channel 1, and its receive frequency is never cleared.
        ChannelRecord& vfo = g == kVfoAGroup ? ctx.Doc.Data.VfoA : ctx.Doc.Data.VfoB;
        if (fieldCode == kFieldTxFreq && v.empty()) v = ReceiveText(ctx, vfo);
        SetChannelField(ctx, vfo, fieldCode, v);
    }
    ReshowRow(ctx, chNo);
    RefreshResetSelection(ctx, false);
}

void EditChannelField(AppContext& ctx, int chNo, int fieldCode, int value) {
    EditChannelField(ctx, chNo, fieldCode, std::to_string(value));
}

int CountValidGroups(const AppContext& ctx, int group) {
    const int first = group < kBandGroups ? 0 : kBandGroups;
    int count = 0;
    for (int g = first; g < first + kBandGroups; ++g) count += IsValidGroup(ctx, g) ? 1 : 0;
    return count;
}

int FirstValidGroup(const AppContext& ctx, int groupNumber, int band) {
    const int first = band > 0 ? kBandGroups : 0;
    // A valid group of the other band (only in damaged reset data) would reset the radio into
    // the wrong band, so only a group of the band asked for is kept.
    const bool inBand = groupNumber - 1 >= first && groupNumber - 1 < first + kBandGroups;
    if (inBand && IsValidGroup(ctx, groupNumber - 1)) return groupNumber;
    for (int g = first; g < first + kBandGroups; ++g) {
        if (IsValidGroup(ctx, g)) return g + 1;
    }
    return 0;
}

int ChannelInGroupOrFirst(const AppContext& ctx, int chNo, int groupNumber) {
    if (!IsGroupNumber(groupNumber)) return 1;
    const int group = groupNumber - 1;
    if (UsedChannels(ctx.Doc.Data, group) == 0) return 1;
    if (PositionOf(ctx, group, chNo) > 0) return chNo;
    return ctx.Doc.Channels[0][group].ChNo;
}

void RefreshResetSelection(AppContext& ctx, bool reselectGroups) {
    if (ctx.channelViews->IsResetModeOpen()) {
        ctx.channelViews->ReshowByCh(reselectGroups);
        return;
    }
    auto& reset = ctx.Doc.Data.OptionSettings.ResetSelect;
    if (reselectGroups) {
        reset[0] = static_cast<int16_t>(FirstValidGroup(ctx, reset[0], 0));
        reset[2] = static_cast<int16_t>(FirstValidGroup(ctx, reset[2], 1));
    }
    reset[1] = static_cast<int16_t>(ChannelInGroupOrFirst(ctx, reset[1], reset[0]));
    reset[3] = static_cast<int16_t>(ChannelInGroupOrFirst(ctx, reset[3], reset[2]));
}

}  // namespace zb
