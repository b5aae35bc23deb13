// The FleetSync window: the own fleet/ID pair, the option lists and the fleet list grid.
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>

#include "features/fleet_sync_rules.h"
#include "features/ui/frm_fleet_sync.h"
#include "qt/service_windows_fixture.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct FleetSyncWindow : test::ServiceWindowFixture {
    FleetSyncSettingsRecord& fleet = settings.FleetSyncSettings;
    void ShowTab(int tab) { test::FindControl<QTabWidget>(window.get(), "TabStrip1")->setCurrentIndex(tab); }
    // Types into the cell's box and leaves it for another cell.
    void EnterCell(int row, int col, const char* keys, int nextRow = 8) {
        ClickCell(row, col);
        QLineEdit* box = Box("Text1");
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, keys);
        ClickCell(nextRow, col);
    }
};

}  // namespace

TEST_F(FleetSyncWindow, BlankOwnItemsGoWhenAFleetIsChosen) {
    Open<FrmFleetSync>();
    EXPECT_EQ(window->windowTitle(), "FleetSync");
    EXPECT_EQ(List(0)->count(), 1 + kFleetNumbers);
    EXPECT_EQ(List(1)->count(), 1 + kIdNumbers);
    EXPECT_EQ(List(0)->currentText(), "");
    EXPECT_EQ(List(1)->currentText(), "");
    EXPECT_EQ(List(3)->count(), kModulationDelayItems);
    EXPECT_EQ(List(3)->currentText(), "400");
    EXPECT_EQ(List(4)->currentText(), "10");
    EXPECT_EQ(List(4)->itemText(0), "Off");

    List(0)->setCurrentIndex(List(0)->findText("120"));
    EXPECT_EQ(fleet.OwnFleet, 21);
    EXPECT_EQ(fleet.OwnId, 1);
    EXPECT_EQ(List(0)->count(), kFleetNumbers);
    EXPECT_EQ(List(1)->count(), kIdNumbers);
    EXPECT_EQ(List(0)->currentText(), "120");
    EXPECT_EQ(List(1)->currentText(), "1000");
    List(1)->setCurrentIndex(List(1)->findText("4999"));
    EXPECT_EQ(fleet.OwnId, 4000);

    List(2)->setCurrentIndex(1);
    List(3)->setCurrentIndex(List(3)->findText("6000"));
    List(4)->setCurrentIndex(0);
    QTest::keyClick(test::FindControl<QCheckBox>(window.get(), "Check1_0"), Qt::Key_Space);
    EXPECT_EQ(fleet, (FleetSyncSettingsRecord{21, 4000, 1, 6000, 0, 0}));
}

TEST_F(FleetSyncWindow, ChoosingAnIdFirstSetsTheFleetToItsFirstNumber) {
    ctx.settings.LanguageIndex = kChinese;
    Open<FrmFleetSync>();
    EXPECT_EQ(List(4)->itemText(0), QString::fromUtf8("关"));
    List(1)->setCurrentIndex(List(1)->findText("1234"));
    EXPECT_EQ(fleet.OwnId, 235);
    EXPECT_EQ(fleet.OwnFleet, 1);
    EXPECT_EQ(List(0)->currentText(), "100");
    EXPECT_EQ(List(0)->findText(""), -1);
}

TEST_F(FleetSyncWindow, AStoredPairShowsWithoutBlankItems) {
    fleet.OwnFleet = 250;
    fleet.OwnId = 17;
    Open<FrmFleetSync>();
    EXPECT_EQ(List(0)->currentText(), "349");
    EXPECT_EQ(List(1)->currentText(), "1016");
    EXPECT_EQ(List(1)->findText(""), -1);
}

TEST_F(FleetSyncWindow, FleetListCellsAreClampedAndAStandsForAll) {
    Open<FrmFleetSync>();
    ShowTab(1);
    EnterCell(2, 1, "50");
    EXPECT_EQ(Cell(2, 1), "100");
    EnterCell(2, 2, "6000");
    EXPECT_EQ(Cell(2, 2), "4999");
    EnterCell(5, 1, "a");
    EXPECT_EQ(Cell(5, 1), "All");
    EnterCell(5, 2, "x9999");  // the box holds 4 characters of digits and A
    EXPECT_EQ(Cell(5, 2), "4999");
    ASSERT_EQ(settings.FleetSyncStatusCount, 2);
    EXPECT_EQ(settings.FleetSyncStatus[0], (FleetSyncStatusEntry{2, 1, 4000}));
    EXPECT_EQ(settings.FleetSyncStatus[1], (FleetSyncStatusEntry{5, 0, 4000}));

    ClickCell(5, 1);
    EXPECT_EQ(Box("Text1")->text(), "A");  // "All" is edited as A
    EnterCell(2, 1, "");
    EnterCell(2, 2, "");
    ASSERT_EQ(settings.FleetSyncStatusCount, 1);
    EXPECT_EQ(settings.FleetSyncStatus[0].Row, 5);
    EXPECT_TRUE(Messages().empty());

    // ID 1254 would be stored as the empty mark: refused, the cell keeps its value.
    EnterCell(5, 2, "1254");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid Data"});
    EXPECT_EQ(Cell(5, 2), "4999");
    EXPECT_EQ(settings.FleetSyncStatus[0].Id, 4000);
}
