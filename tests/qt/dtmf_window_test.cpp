// The DTMF window: its lists, the ID and stun code boxes and the autodial memory grid.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QTabWidget>
#include <QTest>

#include "codeplug/text_util.h"
#include "features/dtmf_rules.h"
#include "features/ui/frm_dtmf.h"
#include "qt/service_windows_fixture.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct DtmfWindow : test::ServiceWindowFixture {
    DtmfSettingsRecord& dtmf = settings.DtmfSettings;

    void SetMemory(std::vector<std::pair<int, std::string>> rows) {
        settings.DtmfMemoryCount = 0;
        for (const auto& [row, text] : rows) StoreMemoryRow(settings, row, text);
    }
    std::vector<int> MemoryRows() const {
        std::vector<int> rows;
        for (int i = 0; i < settings.DtmfMemoryCount; ++i) rows.push_back(settings.DtmfMemory[static_cast<std::size_t>(i)].Row);
        return rows;
    }
    void ShowTab(int tab) { test::FindControl<QTabWidget>(window.get(), "TabStrip1")->setCurrentIndex(tab); }
};

}  // namespace

TEST_F(DtmfWindow, ShowsEveryListAndBoxOfTheNewDocumentWithoutChangingIt) {
    const OptionSettingsRecord before = settings;
    Open<FrmDTMF>();
    EXPECT_EQ(window->windowTitle(), "DTMF");
    const char* shown[] = {"6", "0", "100", "0", "D Code", "Off", "10", "Off", "Off", "TX Inhibit"};
    const int counts[] = {4, 4, 19, 4, 17, 7, 16, 3, 3, 2};
    for (int k = 0; k < FrmDTMF::kListCount; ++k) {
        EXPECT_EQ(List(k)->currentText().toStdString(), shown[k]) << k;
        EXPECT_EQ(List(k)->count(), counts[k]) << k;
    }
    EXPECT_EQ(List(4)->itemText(16), "16s");
    EXPECT_TRUE(test::FindControl<QCheckBox>(window.get(), "Check1_0")->isChecked());
    EXPECT_EQ(Box("Text1_0")->text(), "000");
    EXPECT_EQ(Box("Text1_1")->text(), "");
    window->close();
    EXPECT_EQ(settings, before);
}

TEST_F(DtmfWindow, ListsAndCheckBoxesStoreTheirFields) {
    dtmf.DtmfSpeed = 9;  // out of range: the first item shows, the value stays until a pick
    dtmf.GroupCode = '#';
    Open<FrmDTMF>();
    EXPECT_EQ(List(0)->currentText(), "6");
    EXPECT_EQ(dtmf.DtmfSpeed, 9);
    EXPECT_EQ(List(5)->currentText(), "#");

    struct Pick {
        int list;
        const char* text;
        int16_t DtmfSettingsRecord::*field;
        int16_t stored;
    };
    const Pick picks[] = {
        {0, "15", &DtmfSettingsRecord::DtmfSpeed, 3},
        {1, "500", &DtmfSettingsRecord::FirstDigitTime, 2},
        {2, "150", &DtmfSettingsRecord::FirstDigitDelay, 15},
        {2, "1000", &DtmfSettingsRecord::FirstDigitDelay, 100},
        {3, "1000", &DtmfSettingsRecord::StarHashTone, 3},
        {4, "16s", &DtmfSettingsRecord::DCodeAssignment, 16},
        {5, "*", &DtmfSettingsRecord::GroupCode, '*'},
        {5, "Off", &DtmfSettingsRecord::GroupCode, 0},
        {6, "15", &DtmfSettingsRecord::AutoResetTimer, 15},
        {7, "Continuous", &DtmfSettingsRecord::CallAlert, 2},
        {8, "ID Code", &DtmfSettingsRecord::Transpond, 2},
        {9, "TX/RX Inhibit", &DtmfSettingsRecord::StunType, 1},
    };
    for (const Pick& p : picks) {
        List(p.list)->setCurrentIndex(List(p.list)->findText(p.text));
        EXPECT_EQ(dtmf.*p.field, p.stored) << p.list << " " << p.text;
    }
    ShowTab(0);
    QTest::keyClick(test::FindControl<QCheckBox>(window.get(), "Check1_0"), Qt::Key_Space);
    EXPECT_EQ(dtmf.DtmfSideTone, 0);
    ShowTab(1);
    QTest::keyClick(test::FindControl<QCheckBox>(window.get(), "Check1_1"), Qt::Key_Space);
    EXPECT_EQ(dtmf.ClearToTranspond, 1);
}

TEST_F(DtmfWindow, IdCodeOfTwoDigitsIsRefusedAndTheBoxResetTo000) {
    dtmf.IdCode.Set("456");
    Open<FrmDTMF>();
    ShowTab(1);
    QLineEdit* id = Box("Text1_0");
    TypeAndLeave(id, "12", Box("Text1_1"));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid Data"});
    EXPECT_EQ(id->text(), "000");
    EXPECT_EQ(dtmf.IdCode.Raw(), "456       ");

    TypeAndLeave(id, "9a#8 7", Box("Text1_1"));  // only the digits get in
    EXPECT_EQ(id->text(), "987");
    EXPECT_EQ(dtmf.IdCode.Raw(), "987       ");
    EXPECT_EQ(Messages().size(), 1u);
    // Leaving the box unchanged stores nothing and says nothing.
    id->setFocus();
    Box("Text1_1")->setFocus();
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(DtmfWindow, StunCodeTakesDtmfSymbolsInCapitalsAndNoPaste) {
    Open<FrmDTMF>();
    ShowTab(1);
    QLineEdit* stun = Box("Text1_1");
    TypeAndLeave(stun, "a1#x*e", Box("Text1_0"));
    EXPECT_EQ(stun->text(), "A1#*");
    EXPECT_EQ(dtmf.StunCode.Raw(), std::string("A1#*\0     ", 10));

    QApplication::clipboard()->setText("999");
    stun->setFocus();
    QTest::keyClick(stun, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(stun, Qt::MiddleButton);
    EXPECT_EQ(stun->text(), "A1#*");
    EXPECT_EQ(stun->contextMenuPolicy(), Qt::NoContextMenu);

    TypeAndLeave(stun, "0123456789", Box("Text1_0"));
    EXPECT_EQ(dtmf.StunCode.Raw(), "0123456789");
}

TEST_F(DtmfWindow, ClearingMemoryRow3OfRows135LeavesRows1And5InOrder) {
    SetMemory({{1, "111"}, {3, "333"}, {5, "555"}});
    Open<FrmDTMF>();
    ShowTab(2);
    EXPECT_EQ(Cell(3, 1), "333");
    EXPECT_EQ(Cell(5, 1), "555");
    ClickCell(3, 1);
    QLineEdit* box = Box("Text1_2");
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "333");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    ClickCell(6, 1);  // leaving row 3 for row 6
    EXPECT_EQ(MemoryRows(), (std::vector<int>{1, 5}));
    EXPECT_EQ(Cell(3, 1), "");

    // Row 6 was entered but left empty: no entry for it.
    ClickCell(2, 1);
    EXPECT_EQ(MemoryRows(), (std::vector<int>{1, 5}));
    QTest::keyClicks(Box("Text1_2"), "d*0");
    ClickCell(1, 1);
    EXPECT_EQ(MemoryRows(), (std::vector<int>{1, 5, 2}));
    EXPECT_EQ(Cell(2, 1), "D*0");
    EXPECT_EQ(settings.DtmfMemory[2].Digits.Raw(), std::string("D*0\0            ", 16));
}

TEST_F(DtmfWindow, AMemoryEditIsStoredWhenTheWindowCloses) {
    Open<FrmDTMF>();
    ShowTab(2);
    ClickCell(1, 1);
    QTest::keyClicks(Box("Text1_2"), "12345678901234567");  // the box holds 16
    window->close();
    ASSERT_EQ(settings.DtmfMemoryCount, 1);
    EXPECT_EQ(settings.DtmfMemory[0].Digits.Raw(), "1234567890123456");
}

TEST_F(DtmfWindow, AnotherProgramTakingTheFocusStoresNothing) {
    Open<FrmDTMF>();
    ShowTab(1);
    QLineEdit* id = Box("Text1_0");
    id->setFocus();
    QTest::keyClicks(id, "12");  // too short, but not left inside the program
    QApplication::setActiveWindow(nullptr);
    QTest::qWait(30);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(id->text(), "00012");
    QApplication::setActiveWindow(window.get());

    ShowTab(2);
    ClickCell(1, 1);
    QTest::keyClicks(Box("Text1_2"), "7");
    QApplication::setActiveWindow(nullptr);
    QTest::qWait(30);
    EXPECT_EQ(settings.DtmfMemoryCount, 0);
    QApplication::setActiveWindow(window.get());
    ClickCell(2, 1);  // leaving the row inside the program stores it
    EXPECT_EQ(ShownMemoryRow(settings, 1), "7");
}
