#pragma once
// The only operations that change channels. Field codes equal the channel table's columns:
// 1 RxFreq, 2 TxFreq, 3 DecTone, 4 EncTone, 5 none, 6 Plus10k, 7 TsqFlag, 8 BusyFlag, 9 Scan,
// 10 RbLock, 11 RbTone, 12 RepEnable, 13 RepShift.

#include <string>
#include <string_view>

#include "codeplug/records.h"

namespace zb {

struct AppContext;

// Appends channel chNo to group g (0..19) with both frequencies set from freqText, Scan 1 and
// every other flag 0; g 20 fills VfoA, any g above 20 VfoB. A full group is left as it is.
void AddChannel(AppContext& ctx, int chNo, int group, std::string_view freqText);

void DeleteChannel(AppContext& ctx, int position, int group);
void SetChannelField(AppContext& ctx, ChannelRecord& record, int fieldCode, std::string_view value);
void EditChannelField(AppContext& ctx, int chNo, int fieldCode, std::string_view value);

int CountValidGroups(const AppContext& ctx, int group);
int FirstValidGroup(const AppContext& ctx, int groupNumber, int band);
int ChannelInGroupOrFirst(const AppContext& ctx, int chNo, int groupNumber);
void RefreshResetSelection(AppContext& ctx, bool reselectGroups);

}  // namespace zb
