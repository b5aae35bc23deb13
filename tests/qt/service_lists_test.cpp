// The read-only service windows: the test frequencies and the print list show what the
// document holds, and nothing beyond its used entries.
#include <QTableWidget>

#include "channels/ui/frm_print_list.h"
#include "qt/service_windows_fixture.h"
#include "testmode/ui/frm_test_fre.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct ServiceLists : test::ServiceWindowFixture {
    std::vector<std::string> Row(QTableWidget* grid, int row) const {
        std::vector<std::string> cells;
        for (int c = 0; c < grid->columnCount(); ++c) cells.push_back(grid->item(row, c)->text().toStdString());
        return cells;
    }
};
using Cells = std::vector<std::string>;

}  // namespace

TEST_F(ServiceLists, TestFrequenciesShowTheUsedEntriesReadOnly) {
    settings.TestFreqCount = 2;
    settings.TestFreqList[0] = {7, {}, {}, 0, 0};
    settings.TestFreqList[0].RxFreq.Set("28015000");
    settings.TestFreqList[0].TxFreq.Set("FFFFFFFF");
    settings.TestFreqList[1].ChNo = 40;
    settings.TestFreqList[1].RxFreq.Set("29695000");
    settings.TestFreqList[1].TxFreq.Set("29695000");
    settings.TestFreqList[2].ChNo = 9;  // beyond the count
    auto* window = Open<FrmTestFre>();
    QTableWidget* grid = window->Grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(Row(grid, 0), (Cells{"1", "7", "28.015000", ""}));
    EXPECT_EQ(Row(grid, 1), (Cells{"2", "40", "29.695000", "29.695000"}));
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    settings.TestFreqCount = 300;  // a damaged count shows the sixteen there are
    EXPECT_EQ(Open<FrmTestFre>()->Grid()->rowCount(), 16);
}

TEST_F(ServiceLists, PrintListShowsTheUsedChannelsOfEveryGroup) {
    for (auto& group : ctx.Doc.Data.Groups) group.ChannelCount = 0;
    ctx.Doc.Data.Groups[0].ChannelCount = 1;
    ctx.Doc.Data.Groups[12].ChannelCount = 2;
    ctx.Doc.Data.Groups[12].Name.Set("DX");
    ctx.Doc.Channels[0][12].ChNo = 3;
    ctx.Doc.Channels[0][12].RxFreq.Set("24500000");
    ctx.Doc.Channels[0][12].TxFreq.Set("24600000");
    ctx.Doc.Channels[1][12].ChNo = 4;
    const CodeplugData before = ctx.Doc.Data;
    ctx.settings.LanguageIndex = kChinese;
    auto* dialog = Open<FrmPrintList>();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("打印"));
    QTableWidget* grid = dialog->Grid();
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(Row(grid, 1), (Cells{"DX", "3", "24.500000", "24.600000"}));
    EXPECT_EQ(Row(grid, 2)[1], "4");
    EXPECT_TRUE(ctx.Doc.Data == before);
}
