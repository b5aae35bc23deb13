// The factory test mode through its two windows, offscreen, against the simulated radio on a
// virtual clock: from mnuTest to leaving test mode.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "base/messages.h"
#include "link/link_texts.h"
#include "core/testmode_fixture.h"
#include "main_window_radio_fixture.h"
#include "testmode/testmode_tables.h"
#include "testmode/ui/frm_test_mode.h"
#include "testmode/ui/frm_test_mode_para.h"

using namespace zb;
using namespace zb::test;

namespace {

struct TestModeWindowsTest : MainWindowRadioFixture {
    void BeforeOpen() override {
        SetDocumentTestFreqs(ctx.Doc, kTestFreqs);
        SetRadioTestChannels(radio, kTestFreqs);
    }
    // The windows still there (a closed window is deleted on the next turn of the event loop).
    ui::FrmTestMode* TestWindow() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return main->findChild<ui::FrmTestMode*>("FrmTestMode");
    }
    ui::FrmTestModePara* ItemWindow() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return main->findChild<ui::FrmTestModePara*>("FrmTestModePara");
    }
    template <class T>
    T* In(QWidget* w, const char* name) const {
        T* found = w->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Click(QWidget* w, const char* name) {
        QTest::mouseClick(In<QPushButton>(w, name), Qt::LeftButton);
        clock.Run();
    }
    void Choose(QWidget* w, const char* name, int index) {
        auto* combo = In<QComboBox>(w, name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        clock.Run();
    }
    // Test mode entered from the menu, up to the test window.
    ui::FrmTestMode* Enter() {
        Action("mnuTest")->trigger();
        clock.Run();
        return TestWindow();
    }
};

}  // namespace

TEST_F(TestModeWindowsTest, WholeSessionEndsWithTheValueStoredAndTheRadioReleased) {
    ui::FrmTestMode* w = Enter();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(In<QComboBox>(w, "Combo1_0")->count(), 3);
    EXPECT_EQ(In<QComboBox>(w, "Combo1_1")->count(), 9);
    EXPECT_EQ(In<QLabel>(w, "LabelRx")->text(), "28.015000");
    EXPECT_FALSE(In<QPushButton>(w, "CommandTune")->isEnabled());

    Choose(w, "Combo1_0", 2);  // test channel 5
    EXPECT_EQ(radio.test.channel, 5);
    EXPECT_EQ(In<QLabel>(w, "LabelTx")->text(), "29.690000");
    Choose(w, "Combo1_1", 4);  // signalling 5
    EXPECT_EQ(radio.test.signalling, 5);

    Click(w, "CommandPTT");
    EXPECT_TRUE(radio.test.keyed);
    auto* list = In<QListWidget>(w, "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(In<QPushButton>(w, "CommandTune")->isEnabled());
    Click(w, "CommandTune");  // releases the transmitter first
    EXPECT_FALSE(radio.test.keyed);

    ui::FrmTestModePara* para = ItemWindow();
    ASSERT_NE(para, nullptr);
    EXPECT_EQ(In<QTabWidget>(para, "SSTab1")->count(), 6);
    EXPECT_EQ(In<QSlider>(para, "Slider1_0")->value(), radio.StoredValue(18));
    In<QSlider>(para, "Slider1_0")->setValue(37);
    clock.Run();
    EXPECT_EQ(radio.test.working.at(18), 37);
    Click(para, "Command3");  // OK: store
    EXPECT_EQ(radio.StoredValue(18), 37);

    Click(para, "Command2");  // the item window keys the radio
    EXPECT_TRUE(radio.test.keyed);
    Click(w, "CommandClose");

    EXPECT_EQ(radio.StoredValue(18), 37);
    EXPECT_FALSE(radio.test.keyed);
    EXPECT_FALSE(radio.test.active);
    EXPECT_EQ(radio.counters.testModeLeaves, 1);
    EXPECT_EQ(ctx.link.CommMode, kModeIdle);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(TestWindow(), nullptr);
    EXPECT_EQ(ItemWindow(), nullptr);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(TestModeWindowsTest, LevelTabShowsTheValueTheRadioReports) {
    ui::FrmTestMode* w = Enter();
    ASSERT_NE(w, nullptr);
    radio.test.stored[97] = 123;  // RF Low Power at Center
    auto* list = In<QListWidget>(w, "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    Click(w, "CommandTune");
    ui::FrmTestModePara* para = ItemWindow();
    ASSERT_NE(para, nullptr);
    In<QTabWidget>(para, "SSTab1")->setCurrentIndex(3);
    clock.Run();
    EXPECT_EQ(radio.test.selected, 97);
    EXPECT_EQ(In<QSlider>(para, "Slider1_3")->value(), 123);
    EXPECT_EQ(radio.counters.valueSets, 0);  // showing a value does not set it
}

// A radio that stops answering: Cancel ends test mode, closes the port and the windows.
TEST_F(TestModeWindowsTest, CancelAfterTimeOutClosesTheWindowsAndThePort) {
    ui::FrmTestMode* w = Enter();
    ASSERT_NE(w, nullptr);
    radio.faults.silentInTestMode = true;
    prompts.answers = {Answer::Cancel};
    Click(w, "CommandNarrow");
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(ctx, msg::RetryQuestion)});
    EXPECT_EQ(ctx.link.CommMode, kModeIdle);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(TestWindow(), nullptr);
}

// The program closes while the radio transmits: it is released and leaves test mode at once.
TEST_F(TestModeWindowsTest, ClosingTheProgramReleasesTheTransmitter) {
    ui::FrmTestMode* w = Enter();
    ASSERT_NE(w, nullptr);
    Click(w, "CommandPTT");
    ASSERT_TRUE(radio.test.keyed);
    main->close();
    EXPECT_FALSE(radio.test.keyed);
    EXPECT_FALSE(radio.test.active);
    EXPECT_EQ(ctx.link.CommMode, kModeIdle);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(TestWindow(), nullptr);
}

// Closing the item window with the transmitter keyed releases it and leaves the item.
TEST_F(TestModeWindowsTest, ClosingTheItemWindowReleasesTheTransmitter) {
    ui::FrmTestMode* w = Enter();
    ASSERT_NE(w, nullptr);
    auto* list = In<QListWidget>(w, "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(11)).center());
    Click(w, "CommandTune");
    ui::FrmTestModePara* para = ItemWindow();
    ASSERT_NE(para, nullptr);
    EXPECT_EQ(para->findChild<QTabWidget*>("SSTab1"), nullptr);  // battery warning: a read-out
    Click(para, "Command2");
    EXPECT_TRUE(radio.test.keyed);
    Click(para, "Command4");  // Cancel
    EXPECT_FALSE(radio.test.keyed);
    EXPECT_EQ(radio.test.selected, 0);
    EXPECT_EQ(ItemWindow(), nullptr);
    EXPECT_TRUE(radio.test.active);  // the test window stays, and so does test mode
    EXPECT_TRUE(Shown().empty());
}
