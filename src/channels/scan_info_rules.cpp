#include "channels/scan_info_rules.h"

#include <cstddef>

namespace zb {

std::string LookBackTimeText(int item) {
    // Hundredths of a second, so the text is exact: item 30 is 2.00.
    const int hundredths = 50 + 5 * item;
    std::string text = std::to_string(hundredths / 100) + ".";
    const int rest = hundredths % 100;
    if (rest < 10) text += '0';
    return text + std::to_string(rest);
}

std::vector<int> RevertChoices(int priority) {
    switch (priority) {
        case kScanPriorityNone: return {0, 1};
        case kScanPriorityFixed: return {0, 1, 2, 3};
        case kScanPrioritySelected: return {2, 3};
        default: return {};
    }
}

int RevertAfterPriority(int priority, int revert) {
    const std::vector<int> choices = RevertChoices(priority);
    if (choices.empty()) return revert;
    if (priority == kScanPriorityFixed) {
        return revert >= 0 && revert < kRevertTextCount ? revert : choices.front();
    }
    return choices[static_cast<std::size_t>(revert & 1)];
}

ScanListsEnabled ScanEnableRule(int priority) {
    switch (priority) {
        case kScanPriorityFixed: return {true, true};
        case kScanPrioritySelected: return {false, true};
        default: return {false, false};
    }
}

}  // namespace zb
