// The shell's dialogs: language, communication port, radio information, model information,
// progress, splash, About, and the message boxes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/context.h"
#include "app/ini_file.h"
#include "app/ui/frm_about.h"
#include "app/ui/frm_com_set.h"
#include "app/ui/frm_model_info.h"
#include "app/ui/frm_progress.h"
#include "app/ui/frm_radio_info_set.h"
#include "app/ui/frm_set_language.h"
#include "app/ui/frm_splash.h"
#include "app/ui/gui_prompter.h"
#include "link/serial_line.h"
#include "link/ui/frm_mul_set.h"
#include "main_window_fixture.h"
#include "support/temp_dir.h"
#include "support/qt_find.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct Dialogs : ::testing::Test {
    test::TempDir dir;
    AppContext ctx;
    void SetUp() override { ctx.settings.settingsPath = dir / "mysetup.ini"; }
    std::optional<std::string> Written(const char* key) {
        return IniFile::Load(ctx.settings.settingsPath).Get("language", key);
    }
    template <typename T = QWidget>
    static T* Find(QWidget& w, const char* name) {
        return test::FindControl<T>(&w, name);
    }
};

QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

struct FakePorts : PortDirectory {
    std::vector<int> ports;
    std::vector<int> ListPorts() override { return ports; }
};

}  // namespace

TEST_F(Dialogs, LanguageDialogOffersOnlyEnglishOnAnEnglishSystem) {
    FrmSetLanguage english(ctx);
    EXPECT_EQ(Items(Find<QComboBox>(english, "Combo1")), QStringList{"English"});
    EXPECT_EQ(english.windowTitle(), "Language Setup");
    EXPECT_EQ(Find<QPushButton>(english, "Command1")->text(), "&OK");

    ctx.settings.SystemLanguage = kChinese;
    ctx.settings.LanguageIndex = kChinese;
    FrmSetLanguage chinese(ctx);
    auto* list = Find<QComboBox>(chinese, "Combo1");
    EXPECT_EQ(Items(list), (QStringList{QString::fromUtf8("英语"), QString::fromUtf8("中文")}));
    EXPECT_EQ(list->currentText(), QString::fromUtf8("中文"));
    EXPECT_EQ(Find<QLabel>(chinese, "Label1")->text(), QString::fromUtf8("语言模式"));

    chinese.show();
    chinese.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chinese));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);  // Enter moves on instead of closing the dialog
    EXPECT_FALSE(list->hasFocus());
    EXPECT_TRUE(chinese.isVisible());
}

TEST_F(Dialogs, LanguageDialogOkAndCancel) {
    ctx.settings.SystemLanguage = kChinese;
    {
        FrmSetLanguage dialog(ctx);
        Find<QComboBox>(dialog, "Combo1")->setCurrentText("Chinese");
        Find<QPushButton>(dialog, "Command2")->click();
    }
    EXPECT_EQ(ctx.settings.LanguageIndex, kEnglish);
    EXPECT_EQ(Written("CurrentLanguage"), std::nullopt);
    {
        FrmSetLanguage dialog(ctx);  // the same language: written, previous language kept
        ctx.settings.PreviousLanguage = 7;
        Find<QPushButton>(dialog, "Command1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(ctx.settings.PreviousLanguage, 7);
    EXPECT_EQ(Written("CurrentLanguage"), "1");
    {
        FrmSetLanguage dialog(ctx);
        Find<QComboBox>(dialog, "Combo1")->setCurrentText("Chinese");
        Find<QPushButton>(dialog, "Command1")->click();
    }
    EXPECT_EQ(ctx.settings.LanguageIndex, kChinese);
    EXPECT_EQ(ctx.settings.PreviousLanguage, kEnglish);
    EXPECT_EQ(Written("CurrentLanguage"), "2");
}

TEST_F(Dialogs, PortDialogListsPortsFollowsChangesAndStoresOk) {
    FakePorts ports;
    ports.ports = {10, 2, 3};
    ctx.settings.ComPort = 3;
    ctx.ports = &ports;
    FrmComSet dialog(ctx);
    auto* list = Find<QComboBox>(dialog, "Combo1");
    EXPECT_EQ(Items(list), (QStringList{"COM10", "COM2", "COM3"}));
    EXPECT_EQ(list->currentText(), "COM3");
    EXPECT_EQ(dialog.PortID, 3);

    list->setCurrentText("COM2");
    EXPECT_EQ(dialog.PortID, 2);
    ports.ports = {10, 2, 5};
    dialog.ReShowComPort();  // keeps the chosen port, not the configured one
    EXPECT_EQ(Items(list), (QStringList{"COM10", "COM2", "COM5"}));
    EXPECT_EQ(list->currentText(), "COM2");
    ports.ports = {10, 5};
    dialog.ReShowComPort();
    EXPECT_EQ(list->currentText(), "COM10");
    EXPECT_EQ(dialog.PortID, 10);
    EXPECT_TRUE(dialog.findChild<QTimer*>("ReShowComPortTimer")->isActive());

    Find<QPushButton>(dialog, "CommandOK")->click();
    EXPECT_EQ(ctx.settings.ComPort, 10);
    EXPECT_EQ(Written("comPort"), "10");
    EXPECT_FALSE(dialog.findChild<QTimer*>("ReShowComPortTimer")->isActive());
}

TEST_F(Dialogs, PortDialogWithoutPortsAndCancel) {
    ctx.settings.ComPort = 3;
    {
        FrmComSet dialog(ctx);  // no port list at all
        EXPECT_EQ(Find<QComboBox>(dialog, "Combo1")->count(), 0);
        EXPECT_EQ(dialog.PortID, 0);
        Find<QPushButton>(dialog, "CommandCancel")->click();
    }
    EXPECT_EQ(ctx.settings.ComPort, 3);
    ctx.settings.LanguageIndex = kChinese;
    FrmComSet dialog(ctx);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("通信端口"));
    Find<QPushButton>(dialog, "CommandOK")->click();
    EXPECT_EQ(ctx.settings.ComPort, 0);
    EXPECT_EQ(Written("comPort"), std::nullopt);
}

TEST_F(Dialogs, RadioInformationShowsEditsStampsAndWrites) {
    ModelInfoRecord& m = ctx.Doc.Data.ModelInfo;
    m.ModelType.Set(std::string("ZB347") + '\0');
    m.RadioBandCode = 1;
    m.SerialNumber.Set("20240315");
    m.VersionText.Set(std::string("V1.00"));
    ctx.fixedToday = CalendarDate{2025, 1, 1};
    FrmRadioInfoSet dialog(ctx);
    auto* type = Find<QComboBox>(dialog, "Combo1_0");
    auto* band = Find<QComboBox>(dialog, "Combo1_1");
    auto* serial = Find<QLineEdit>(dialog, "Text1_0");
    auto* version = Find<QLineEdit>(dialog, "Text1_1");
    EXPECT_EQ(type->currentText(), "ZB3");
    EXPECT_EQ(band->currentText(), "24.000000 - 30.105000 MHz");
    EXPECT_EQ(serial->text(), "20240315");
    EXPECT_EQ(version->text(), "V1.00");
    EXPECT_EQ(serial->maxLength(), 10);
    EXPECT_EQ(version->maxLength(), 5);
    EXPECT_FALSE(Find<QPushButton>(dialog, "CommandWrite")->isEnabled());  // no radio link
    EXPECT_FALSE(Find<QPushButton>(dialog, "CommandRead")->isEnabled());

    for (const auto& [typed, fixed] : {std::pair{"201", "V201"}, std::pair{"200AB", "V200A"}}) {
        version->setText(typed);
        emit version->editingFinished();
        EXPECT_EQ(version->text(), fixed);
    }
    Find<QPushButton>(dialog, "CommandTimeSync")->click();
    EXPECT_EQ(serial->text(), "20250101");
    EXPECT_EQ(m.SerialNumber.Raw(), "20240315");  // only Write stores it

    test::FakeRadio radio;
    dialog.SetRadioCommands(&radio);
    band->setCurrentText("28.000000 - 29.700000 MHz");
    Find<QPushButton>(dialog, "CommandWrite")->click();
    EXPECT_EQ(m.SerialNumber.Raw(), "20250101");
    EXPECT_EQ(m.VersionText.Raw(), std::string("V200A"));
    EXPECT_EQ(m.RadioBandCode, 0);
    EXPECT_EQ(m.ModelLetter, 67);
    Find<QPushButton>(dialog, "CommandRead")->click();
    EXPECT_EQ(radio.calls, (std::vector<std::string>{"radioinfo", "rmg"}));
}

TEST_F(Dialogs, ProgressWindowCaptionPercentAndStart) {
    int started = 0;
    ctx.link.CommMode = 2;
    FrmProgress write(ctx);
    write.onLoaded = [&] { ++started; };
    EXPECT_EQ(write.windowTitle(), "Write data to radio");
    EXPECT_EQ(Find<QLabel>(write, "Label2")->text(), "0%");
    write.show();
    write.hide();
    write.show();
    EXPECT_EQ(started, 1);  // once, when the window first comes up
    write.ShowPercent(37);
    EXPECT_EQ(Find<QProgressBar>(write, "ProgressBar1")->value(), 37);
    EXPECT_EQ(Find<QLabel>(write, "Label2")->text(), "37%");

    ctx.link.CommMode = 3;  // not a whole-radio read or write: nothing started
    ctx.settings.LanguageIndex = kChinese;
    FrmProgress other(ctx);
    other.onLoaded = [&] { ++started; };
    other.show();
    EXPECT_EQ(started, 1);
    EXPECT_EQ(Find<QLabel>(other, "Label1")->text(), QString::fromUtf8("完成进度:"));

    ctx.link.CommMode = 1;  // a failure while starting is reported by its trace name
    FrmProgress failing(ctx);
    failing.onLoaded = [] { throw std::runtime_error("port gone"); };
    failing.show();
    ASSERT_FALSE(ctx.defaultPrompter.messages.empty());
    EXPECT_EQ(ctx.defaultPrompter.messages.back().text, "ProgressForm_LoadError");
}

TEST_F(Dialogs, SplashFinishesOnceOnClickOrTimer) {
    ctx.folders.programFolder = dir / "none";  // no picture: a plain window
    frmSplash splash(ctx);
    QSignalSpy finished(&splash, &frmSplash::Finished);
    splash.show();
    EXPECT_TRUE(splash.findChild<QTimer*>("Timer1")->isActive());
    QTest::mouseClick(Find<QLabel>(splash, "picLogo"), Qt::LeftButton);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.findChild<QTimer*>("Timer1")->isActive());
    splash.Finish();
    EXPECT_EQ(finished.count(), 1);

    frmSplash timed(ctx);
    QSignalSpy timedOut(&timed, &frmSplash::Finished);
    EXPECT_EQ(timed.findChild<QTimer*>("Timer1")->interval(), 2000);
    EXPECT_TRUE(timedOut.wait(3000));
}

TEST_F(Dialogs, AboutWindowPerLanguage) {
    FrmAbout english(ctx);
    EXPECT_EQ(english.objectName(), "FrmAbout2");
    EXPECT_EQ(english.findChild<QPushButton*>("cmdSysInfo"), nullptr);
    EXPECT_EQ(Find<QLabel>(english, "lblVersion")->text().left(8), "Version ");
    ctx.settings.LanguageIndex = kChinese;
    FrmAbout chinese(ctx);
    EXPECT_EQ(chinese.objectName(), "frmAbout");
    Find<QPushButton>(chinese, "cmdSysInfo")->click();
    EXPECT_EQ(ctx.defaultPrompter.messages.back().text, "此时系统信息不可用");
}

TEST(GuiPrompter, ButtonsMapToAnswers) {
    AppContext ctx;
    GuiPrompter prompter(ctx);
    auto press = [](QMessageBox::StandardButton which) {
        QTimer::singleShot(0, [which] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (which == QMessageBox::NoButton) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->button(which)->click();
            }
        });
    };
    press(QMessageBox::No);
    EXPECT_EQ(prompter.Ask("save?", Icon::Warning, Buttons::YesNoCancel), Answer::No);
    press(QMessageBox::Retry);
    EXPECT_EQ(prompter.Ask("again?", Icon::Question, Buttons::RetryCancel), Answer::Retry);
    press(QMessageBox::NoButton);
    EXPECT_EQ(prompter.Ask("go on?", Icon::Question, Buttons::OkCancel), Answer::Cancel);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QString::fromUtf8("确定(&O)"));
        EXPECT_EQ(box->windowTitle(), "ZB_347RX");
        box->button(QMessageBox::Ok)->click();
    });
    ctx.settings.LanguageIndex = kChinese;
    EXPECT_EQ(prompter.Ask("x", Icon::None, Buttons::OkCancel), Answer::Ok);
}

// The serial number is a radio text: shown and written back in the code page, and no paste.
TEST_F(Dialogs, RadioInformationKeepsCodePageBytesAndRefusesPaste) {
    ModelInfoRecord& m = ctx.Doc.Data.ModelInfo;
    m.SerialNumber.Set("\xB2\xE2\xCA\xD4" "01");
    FrmRadioInfoSet dialog(ctx);
    auto* serial = Find<QLineEdit>(dialog, "Text1_0");
    EXPECT_EQ(serial->text(), QString::fromUtf8("测试01"));
    QApplication::clipboard()->setText("99");
    serial->end(false);
    QTest::keyClick(serial, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(serial, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(serial->text(), QString::fromUtf8("测试01"));
    test::FakeRadio radio;
    dialog.SetRadioCommands(&radio);
    Find<QPushButton>(dialog, "CommandWrite")->click();
    EXPECT_EQ(m.SerialNumber.Raw().substr(0, 6), "\xB2\xE2\xCA\xD4" "01");
}

// Every button of a message box and of the number-of-radios dialog speaks the interface's
// language; Qt's own captions are English only.
TEST(GuiPrompter, ButtonsInTheCurrentLanguage) {
    AppContext ctx;
    ctx.settings.LanguageIndex = kChinese;
    GuiPrompter prompter(ctx);
    struct Case {
        Buttons buttons;
        std::vector<std::pair<QMessageBox::StandardButton, const char*>> captions;
    };
    const Case cases[] = {
        {Buttons::YesNoCancel,
         {{QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"}, {QMessageBox::Cancel, "取消(&C)"}}},
        {Buttons::RetryCancel, {{QMessageBox::Retry, "重试(&R)"}, {QMessageBox::Cancel, "取消(&C)"}}},
        {Buttons::Ok, {{QMessageBox::Ok, "确定(&O)"}}},
    };
    for (const Case& c : cases) {
        QTimer::singleShot(0, [&c] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (const auto& [which, caption] : c.captions) {
                ASSERT_NE(box->button(which), nullptr);
                EXPECT_EQ(box->button(which)->text(), QString::fromUtf8(caption));
            }
            box->button(c.captions.back().first)->click();
        });
        prompter.Ask("x", Icon::Question, c.buttons);
    }

    FrmMulSet dialog(ctx);
    EXPECT_EQ(test::FindControl<QPushButton>(&dialog, "Command1")->text(), QString::fromUtf8("确定(&O)"));
    EXPECT_EQ(test::FindControl<QPushButton>(&dialog, "Command2")->text(), QString::fromUtf8("取消(&C)"));
}

TEST_F(Dialogs, ModelInformationAsksBeforeANewBand) {
    FrmModelInfo dialog(ctx);
    auto* band = Find<QComboBox>(dialog, "Combo1_1");
    EXPECT_EQ(Find<QComboBox>(dialog, "Combo1_0")->currentText(), "ZB347");
    EXPECT_EQ(band->currentText(), "28.000000 - 29.700000 MHz");
    band->setCurrentText("24.000000 - 30.105000 MHz");
    ctx.defaultPrompter.answers = {Answer::Cancel};
    Find<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(ctx.identity.BandText, kStandardBandText);
    ASSERT_EQ(ctx.defaultPrompter.messages.size(), 1u);
    EXPECT_EQ(ctx.defaultPrompter.messages[0].title, "Warning");

    FrmModelInfo again(ctx);
    Find<QComboBox>(again, "Combo1_1")->setCurrentText("24.000000 - 30.105000 MHz");
    Find<QPushButton>(again, "Command1")->click();
    EXPECT_EQ(ctx.identity.BandText, kWideBandText);
    EXPECT_DOUBLE_EQ(ctx.identity.BandHigh[0], 29.7);  // limits recomputed from the band texts
}
