#include "codeplug/channel_slots.h"

#include <algorithm>

namespace zb {

int UsedChannels(const CodeplugData& data, int group) {
    if (group < 0 || group >= kGroupCount) return 0;
    return std::clamp<int>(data.Groups[group].ChannelCount, 0, kChannelsPerGroup);
}

void MakeNewChannel(ChannelRecord& slot, int chNo, std::string_view storedFreq) {
    slot.ChNo = static_cast<int16_t>(chNo);
    slot.Valid = 1;
    slot.RxFreq.Set(storedFreq);
    slot.TxFreq.Set(storedFreq);
    slot.Scan = 1;
    slot.DecTone = slot.EncTone = 0;
    slot.Plus10k = slot.TsqFlag = slot.BusyFlag = slot.RbTone = 0;
    slot.RbLock = slot.RepEnable = slot.RepShift = 0;
}

void AppendChannel(Codeplug& doc, int group, int chNo, std::string_view storedFreq) {
    ChannelRecord* slot = nullptr;
    if (group >= 0 && group < kGroupCount) {
        const int count = UsedChannels(doc.Data, group);
        if (count == kChannelsPerGroup) return;
        doc.Data.Groups[group].ChannelCount = static_cast<int16_t>(count + 1);
        slot = &doc.Channels[count][group];
    } else if (group == kVfoAGroup) {
        slot = &doc.Data.VfoA;
    } else if (group > kVfoAGroup) {
        slot = &doc.Data.VfoB;
    } else {
        return;
    }
    MakeNewChannel(*slot, chNo, storedFreq);
}

}  // namespace zb
