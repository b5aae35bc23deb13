#pragma once
// The only operations that change channels. Field codes equal the channel table's columns:
// 1 RxFreq, 2 TxFreq, 3 DecTone, 4 EncTone, 5 none, 6 Plus10k, 7 TsqFlag, 8 BusyFlag, 9 Scan,
// 10 RbLock, 11 RbTone, 12 RepEnable, 13 RepShift.
//
// Positions are 1-based (1..ChannelCount), groups 0-based (0..19, 20 VfoA, 21 VfoB), group
// numbers 1-based (1..20). Whatever the records hold, nothing outside the tables is read or
// written: a ChannelCount outside 0..40 counts as the nearer bound.

#include <string>
#include <string_view>

#include "codeplug/channel_slots.h"
#include "codeplug/records.h"

namespace zb {

struct AppContext;

enum FieldCode : int {
    kFieldRxFreq = 1,
    kFieldTxFreq = 2,
    kFieldDecTone = 3,
    kFieldEncTone = 4,
    kFieldPlus10k = 6,
    kFieldTsqFlag = 7,
    kFieldBusyFlag = 8,
    kFieldScan = 9,
    kFieldRbLock = 10,
    kFieldRbTone = 11,
    kFieldRepEnable = 12,
    kFieldRepShift = 13,
};

// Appends channel chNo to group g (0..19) with both frequencies set from freqText, Scan 1 and
// every other flag 0; g 20 fills VfoA, any g above 20 VfoB. A full group is left as it is.
void AddChannel(AppContext& ctx, int chNo, int group, std::string_view freqText);

// Removes the channel at position (1-based) of group g and closes the gap; the slot that
// falls out of use keeps its contents. A position that is not in use changes nothing.
void DeleteChannel(AppContext& ctx, int position, int group);

// Sets one field of a record: codes 1 and 2 from a frequency text, the others from an integer
// text. A value that is not an integer or lies outside the field's range (tones 0..264, flags
// 0..1, RbTone 0..7, RepShift 0..2) changes nothing, as do codes 0, 5 and above 13.
void SetChannelField(AppContext& ctx, ChannelRecord& record, int fieldCode, std::string_view value);

// Applies one user change to channel chNo of CurrentGroup: validates frequencies against the
// group's band, creates a channel on a receive frequency for an empty row, deletes it when the
// receive frequency is cleared (never the last channel of a group, nor channels 9 and 19),
// lets a cleared transmit frequency take the receive frequency, and tells open windows.
void EditChannelField(AppContext& ctx, int chNo, int fieldCode, std::string_view value);
void EditChannelField(AppContext& ctx, int chNo, int fieldCode, int value);

// Groups with Valid >= 1 in the band of group g (0..9 when g < 10, else 10..19).
int CountValidGroups(const AppContext& ctx, int group);
// groupNumber itself when it is a valid group of the band, else the first valid group number
// of the band, else 0.
int FirstValidGroup(const AppContext& ctx, int groupNumber, int band);
// chNo when group groupNumber holds it, else the ChNo at its position 1; 1 for a group
// without channels and for a groupNumber outside 1..20.
int ChannelInGroupOrFirst(const AppContext& ctx, int chNo, int groupNumber);
// Keeps ResetSelect pointing at existing groups and channels, or lets the open reset window
// show itself again instead.
void RefreshResetSelection(AppContext& ctx, bool reselectGroups);

}  // namespace zb
