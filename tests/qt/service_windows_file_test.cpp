// A document edited in the key assignment, DTMF and FleetSync windows keeps every value through
// a save and a reopen, and showing it again changes no byte.
#include <QTabWidget>
#include <QTest>

#include "app/file_util.h"
#include "codeplug/defaults.h"
#include "features/ui/frm_dtmf.h"
#include "features/ui/frm_fleet_sync.h"
#include "features/ui/frm_key_assignm.h"
#include "files/data_files.h"
#include "qt/service_windows_fixture.h"
#include "testmode/ui/frm_test_fre.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct ServiceWindowFiles : test::ServiceWindowFixture {};

}  // namespace

TEST_F(ServiceWindowFiles, EditsSurviveSaveAndReopenByteForByte) {
    Open<FrmKeyAssignm>();
    List(0)->setCurrentIndex(List(0)->findText("Monitor"));
    List(1)->setCurrentIndex(List(1)->findText("Scan+Temporary Delete"));

    Open<FrmDTMF>();
    List(2)->setCurrentIndex(List(2)->findText("450"));
    List(5)->setCurrentIndex(List(5)->findText("B"));
    List(9)->setCurrentIndex(1);
    test::FindControl<QTabWidget>(window.get(), "TabStrip1")->setCurrentIndex(1);
    TypeAndLeave(Box("Text1_0"), "0123456789", Box("Text1_1"));
    TypeAndLeave(Box("Text1_1"), "c#", Box("Text1_0"));
    test::FindControl<QTabWidget>(window.get(), "TabStrip1")->setCurrentIndex(2);
    ClickCell(4, 1);
    QTest::keyClicks(Box("Text1_2"), "0123456789abcd*#");
    ClickCell(7, 1);
    QTest::keyClicks(Box("Text1_2"), "5");
    window->close();

    Open<FrmFleetSync>();
    List(0)->setCurrentIndex(List(0)->findText("349"));
    List(1)->setCurrentIndex(List(1)->findText("2500"));
    List(3)->setCurrentIndex(List(3)->findText("5999"));
    test::FindControl<QTabWidget>(window.get(), "TabStrip1")->setCurrentIndex(1);
    ClickCell(3, 2);
    QTest::keyClicks(Box("Text1"), "A");
    ClickCell(1, 1);
    QTest::keyClicks(Box("Text1"), "222");
    window->close();
    window.reset();

    const OptionSettingsRecord edited = settings;
    EXPECT_EQ(edited.KeyAssignment, (KeyAssignmentRecord{4, 7}));
    EXPECT_EQ(edited.DtmfMemoryCount, 2);
    EXPECT_EQ(edited.FleetSyncStatusCount, 2);
    const std::string path = dir / "service.dat";
    ASSERT_TRUE(SaveFiles(ctx, path));
    const std::string dataBytes = ReadFileBytes(path).value_or("");
    const std::string channelBytes = ReadFileBytes(dir / "service.fre").value_or("");
    ASSERT_FALSE(dataBytes.empty());

    ApplyDefaults(ctx);
    ASSERT_NE(settings, edited);
    ASSERT_TRUE(GuardedLoad(ctx, path));
    EXPECT_EQ(settings, edited);

    // Showing the reopened document in every window and closing them changes nothing.
    Open<FrmKeyAssignm>();
    EXPECT_EQ(List(1)->currentText(), "Scan+Temporary Delete");
    Open<FrmDTMF>();
    EXPECT_EQ(Box("Text1_0")->text(), "0123456789");
    EXPECT_EQ(Box("Text1_1")->text(), "C#");
    EXPECT_EQ(Cell(4, 1), "0123456789ABCD*#");
    EXPECT_EQ(Cell(7, 1), "5");
    window->close();
    Open<FrmFleetSync>();
    EXPECT_EQ(List(1)->currentText(), "2500");
    EXPECT_EQ(Cell(3, 2), "All");
    EXPECT_EQ(Cell(1, 1), "222");
    window->close();
    Open<FrmTestFre>();
    window->close();
    window.reset();
    EXPECT_TRUE(Messages().empty());
    const auto [data, channels] = DocumentFileBytes(ctx);
    EXPECT_EQ(data, dataBytes);
    EXPECT_EQ(channels, channelBytes);
}
