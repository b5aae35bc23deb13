// Look-back texts, the revert choices of each priority mode and the enable rule.
#include <gtest/gtest.h>

#include <vector>

#include "channels/scan_info_rules.h"

using namespace zb;

namespace {

TEST(ScanInfoRules, LookBackItemsRunFromHalfASecondToFiveInExactSteps) {
    EXPECT_EQ(LookBackTimeText(0), "0.50");
    EXPECT_EQ(LookBackTimeText(1), "0.55");
    EXPECT_EQ(LookBackTimeText(10), "1.00");
    EXPECT_EQ(LookBackTimeText(30), "2.00");
    EXPECT_EQ(LookBackTimeText(51), "3.05");
    EXPECT_EQ(LookBackTimeText(90), "5.00");
}

TEST(ScanInfoRules, PriorityModeChoosesRevertTextsAndKeepsTheTalkBackPart) {
    EXPECT_EQ(RevertChoices(kScanPriorityNone), (std::vector<int>{0, 1}));
    EXPECT_EQ(RevertChoices(kScanPriorityFixed), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(RevertChoices(kScanPrioritySelected), (std::vector<int>{2, 3}));
    EXPECT_TRUE(RevertChoices(7).empty());

    struct Case {
        int priority, revert, expected;
    };
    const Case cases[] = {
        {kScanPriorityNone, 2, 0},     {kScanPriorityNone, 3, 1},
        {kScanPriorityNone, 1, 1},     {kScanPrioritySelected, 0, 2},
        {kScanPrioritySelected, 1, 3}, {kScanPrioritySelected, 3, 3},
        {kScanPriorityFixed, 2, 2},    {kScanPriorityFixed, 1, 1},
        {kScanPriorityFixed, 9, 0},    {kScanPriorityFixed, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RevertAfterPriority(c.priority, c.revert), c.expected)
            << c.priority << " " << c.revert;
    }
}

TEST(ScanInfoRules, EnableRule) {
    EXPECT_FALSE(ScanEnableRule(kScanPriorityNone).priorityChannel);
    EXPECT_FALSE(ScanEnableRule(kScanPriorityNone).lookBackTimes);
    EXPECT_TRUE(ScanEnableRule(kScanPriorityFixed).priorityChannel);
    EXPECT_TRUE(ScanEnableRule(kScanPriorityFixed).lookBackTimes);
    EXPECT_FALSE(ScanEnableRule(kScanPrioritySelected).priorityChannel);
    EXPECT_TRUE(ScanEnableRule(kScanPrioritySelected).lookBackTimes);
}

}  // namespace
