#include "channels/channel_edit.h"

#include <algorithm>

#include "app/context.h"
#include "channels/freq_rules.h"

namespace zb {

void AddChannel(AppContext& ctx, int chNo, int group, std::string_view freqText) {
    ChannelRecord* slot = nullptr;
    if (group >= 0 && group < kGroupCount) {
        GroupRecord& g = ctx.Doc.Data.Groups[group];
        int count = std::clamp<int>(g.ChannelCount, 0, kChannelsPerGroup);
        if (count == kChannelsPerGroup) return;
        g.ChannelCount = static_cast<int16_t>(count + 1);
        slot = &ctx.Doc.Channels[count][group];
    } else if (group == kVfoAGroup) {
        slot = &ctx.Doc.Data.VfoA;
    } else if (group > kVfoAGroup) {
        slot = &ctx.Doc.Data.VfoB;
    } else {
        return;
    }
    const std::string stored = FreqTextToStored(ctx, freqText);
    slot->ChNo = static_cast<int16_t>(chNo);
    slot->Valid = 1;
    slot->RxFreq.Set(stored);
    slot->TxFreq.Set(stored);
    slot->Scan = 1;
    slot->DecTone = slot->EncTone = 0;
    slot->Plus10k = slot->TsqFlag = slot->BusyFlag = slot->RbTone = 0;
    slot->RbLock = slot->RepEnable = slot->RepShift = 0;
}

}  // namespace zb
