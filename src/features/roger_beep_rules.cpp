#include "features/roger_beep_rules.h"

#include "app/context.h"
#include "channels/channel_edit.h"

namespace zb {
namespace {

void KeepUsable(const CodeplugData& data, ChannelRecord& channel) {
    // RbTone is the sequence number minus 1; any stored value is tolerated here.
    const int sequence = UsableSequenceOr(data, channel.RbTone + 1);
    channel.RbTone = static_cast<int16_t>(sequence - 1);
}

}  // namespace

bool IsSequenceUsable(const CodeplugData& data, int sequence) {
    if (sequence < 1 || sequence > kRogerBeepCount) return false;
    const RogerBeepRecord& beep = data.RogerBeepTones[sequence - 1];
    if (beep.RecycleTimes < 1) return false;
    for (const ToneEntry& tone : beep.Tone) {
        if (tone.ToneLength > 0) return true;
    }
    return false;
}

int CountUsableSequences(const CodeplugData& data) {
    int count = 0;
    for (int n = 1; n <= kRogerBeepCount; ++n) count += IsSequenceUsable(data, n) ? 1 : 0;
    return count;
}

int FirstUsableSequence(const CodeplugData& data) {
    for (int n = 1; n <= kRogerBeepCount; ++n) {
        if (IsSequenceUsable(data, n)) return n;
    }
    return 1;
}

int UsableSequenceOr(const CodeplugData& data, int sequence) {
    return IsSequenceUsable(data, sequence) ? sequence : FirstUsableSequence(data);
}

void UpdateRogerBeepSelections(AppContext& ctx) {
    CodeplugData& data = ctx.Doc.Data;
    for (int g = 0; g < kGroupCount; ++g) {
        const int count = UsedChannels(data, g);
        for (int i = 0; i < count; ++i) KeepUsable(data, ctx.Doc.Channels[i][g]);
    }
    KeepUsable(data, data.VfoA);
    KeepUsable(data, data.VfoB);
    if (ctx.channelViews->IsChannelTableOpen()) ctx.channelViews->ShowRB();
}

}  // namespace zb
