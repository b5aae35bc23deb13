#pragma once
// Rules of the scan information editor: how the seven ScanInfo values appear in their lists
// and how the priority mode limits the revert choices and the other lists.

#include <string>
#include <vector>

namespace zb {

inline constexpr int kScanPriorityNone = 0;
inline constexpr int kScanPriorityFixed = 1;
inline constexpr int kScanPrioritySelected = 2;
inline constexpr int kNoPriorityChannel = 255;
inline constexpr int kPriorityChannelItems = 41;  // "None", 1..40
inline constexpr int kLookBackItems = 91;         // 0.50 .. 5.00 s
inline constexpr int kDelayItems = 301;           // 0 .. 300 s
inline constexpr int kRevertTextCount = 4;

// Look-back list item i (0..90): i x 0.05 + 0.5 seconds, two decimals ("0.50", "2.00").
std::string LookBackTimeText(int item);

// The revert values (0 Selected, 1 Selected+Talk Back, 2 Priority, 3 Priority+Talk Back) the
// revert list offers for a priority mode, in list order; an unknown mode offers none.
std::vector<int> RevertChoices(int priority);

// The revert value after the priority mode changed: kept with a fixed priority, otherwise the
// choice of the new list at the position (value AND 1), so that the talk-back part stays.
int RevertAfterPriority(int priority, int revert);

// Which lists the priority mode enables.
struct ScanListsEnabled {
    bool priorityChannel = false;
    bool lookBackTimes = false;  // both look-back lists
};
ScanListsEnabled ScanEnableRule(int priority);

}  // namespace zb
