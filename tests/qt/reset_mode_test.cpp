// The reset selection window and the drop-down list operations it shares with other editors.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalSpy>

#include "app/context.h"
#include "base/ui/list_ops.h"
#include "channels/ui/frm_reset_mode.h"

using namespace zb;
using namespace zb::ui;

TEST(ListOps, EmptyAndFilledLists) {
    QComboBox list;
    int16_t target = 9;
    EXPECT_EQ(ListItemByText(&list, "1"), "");
    EXPECT_EQ(ListItemByIndex(&list, 0), "");
    SelectListText(&list, "1");
    EXPECT_EQ(list.currentIndex(), -1);
    SelectListIndex(&list, 0);
    EXPECT_EQ(list.currentIndex(), -1);
    ListNumberOr(&list, target, 4);
    EXPECT_EQ(target, 4);

    list.addItems({"1", "5", "x"});
    const std::pair<int, const char*> byIndex[] = {{-1, "1"}, {0, "1"}, {2, "x"}, {3, "1"}, {99, "1"}};
    for (const auto& [index, item] : byIndex) EXPECT_EQ(ListItemByIndex(&list, index), item) << index;
    EXPECT_EQ(ListItemByText(&list, "5"), "5");
    EXPECT_EQ(ListItemByText(&list, "7"), "1");
    EXPECT_EQ(ListItemByText(&list, "5 "), "1");  // exact match only

    SelectListText(&list, "5");
    ListNumberOr(&list, target, 0);
    EXPECT_EQ(target, 5);
    SelectListIndex(&list, 2);
    ListNumberOr(&list, target, 3);
    EXPECT_EQ(target, 3);  // "x" is not a number
}

TEST(ListOps, SelectingRunsTheClickHandlingEvenForTheSameItem) {
    QComboBox list;
    list.addItems({"1", "2"});
    list.setCurrentIndex(1);
    QSignalSpy clicks(&list, &QComboBox::currentIndexChanged);
    SelectListText(&list, "2");
    SelectListIndex(&list, 0);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[0][0].toInt(), 1);
    EXPECT_EQ(clicks[1][0].toInt(), 0);
}

namespace {

struct ResetMode : ::testing::Test {
    AppContext ctx;
    std::array<int16_t, 4>& reset = ctx.Doc.Data.OptionSettings.ResetSelect;

    void Group(int g, std::initializer_list<int> channels) {
        ctx.Doc.Data.Groups[g].Valid = 1;
        int j = 0;
        for (int n : channels) ctx.Doc.Channels[j++][g].ChNo = static_cast<int16_t>(n);
        ctx.Doc.Data.Groups[g].ChannelCount = static_cast<int16_t>(channels.size());
    }
    static QComboBox* List(QWidget& w, int k) {
        return w.findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(k));
    }
    static QStringList Items(QComboBox* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        return items;
    }
};

}  // namespace

TEST_F(ResetMode, OpeningTakesTheFirstValidGroupAndSortedChannels) {
    Group(1, {3, 1});
    Group(4, {8});
    Group(12, {7, 2, 30});
    reset = {3, 1, 13, 30};
    FrmResetMode window(ctx);
    EXPECT_EQ(Items(List(window, 23)), (QStringList{"2", "5"}));
    EXPECT_EQ(List(window, 23)->currentText(), "2");
    EXPECT_EQ(Items(List(window, 24)), (QStringList{"1", "3"}));
    EXPECT_EQ(Items(List(window, 25)), (QStringList{"3"}));
    EXPECT_EQ(Items(List(window, 26)), (QStringList{"2", "7", "30"}));
    EXPECT_EQ(List(window, 26)->currentText(), "30");
    EXPECT_EQ(reset, (std::array<int16_t, 4>{2, 1, 13, 30}));
    EXPECT_TRUE(window.findChild<QWidget*>("CommandHelp")->isHidden());
    EXPECT_EQ(window.windowTitle(), "Reset Initialize");
}

TEST_F(ResetMode, ChangingTheGroupKeepsTheChannelOrTakesTheLowest) {
    Group(0, {1});
    Group(12, {7, 2, 30});
    Group(13, {9, 5});
    reset = {1, 1, 13, 5};
    FrmResetMode window(ctx);
    EXPECT_EQ(reset[3], 2);  // channel 5 is not in group 13
    List(window, 26)->setCurrentText("30");
    EXPECT_EQ(reset[3], 30);
    List(window, 25)->setCurrentText("4");  // band-1 group 4 is group 14
    EXPECT_EQ(reset[2], 14);
    EXPECT_EQ(Items(List(window, 26)), (QStringList{"5", "9"}));
    EXPECT_EQ(reset[3], 5);
}

TEST_F(ResetMode, ReshowAfterGroupsChanged) {
    Group(0, {1});
    Group(2, {4, 6});
    Group(10, {1});
    reset = {3, 6, 11, 1};
    FrmResetMode window(ctx);
    ASSERT_EQ(reset[0], 3);

    ctx.Doc.Data.Groups[2].Valid = 0;
    window.ReshowByCh(false);  // group lists kept
    EXPECT_EQ(Items(List(window, 23)), (QStringList{"1", "3"}));
    window.ReshowByCh(true);   // group 3 is dropped, the first valid group is taken
    EXPECT_EQ(Items(List(window, 23)), (QStringList{"1"}));
    EXPECT_EQ(reset[0], 1);
    EXPECT_EQ(reset[1], 1);

    Group(0, {1, 12});
    window.ReshowByCh(false);  // an added channel shows up
    EXPECT_EQ(Items(List(window, 24)), (QStringList{"1", "12"}));
}

TEST_F(ResetMode, BandWithoutValidGroupStoresNothingOutsideTheBand) {
    Group(0, {1});
    reset = {1, 1, 15, 3};
    FrmResetMode window(ctx);
    EXPECT_EQ(List(window, 25)->count(), 0);
    EXPECT_EQ(List(window, 26)->count(), 0);
    EXPECT_EQ(reset[2], 15);
    EXPECT_EQ(reset[3], 3);
}

TEST_F(ResetMode, ChineseTexts) {
    Group(0, {1});
    ctx.settings.LanguageIndex = kChinese;
    FrmResetMode window(ctx);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("复位初始化"));
    EXPECT_EQ(window.findChild<QWidget*>("Label1_26")->property("text").toString(),
              QString::fromUtf8("24.000000 - 30.105000 MHz 信道选择"));
}
