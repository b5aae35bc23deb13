// The cable check from the Communication Port dialog: the report of the host and of the radio on
// the chosen port (a simulated radio on a pseudo-terminal), read-only, copied whole, and a window
// that stays while the radio is being asked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/context.h"
#include "app/ui/frm_com_set.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "link/ui/frm_cable_check.h"
#include "support/pty_radio.h"
#include "support/qt_find.h"
#include "support/qt_wait.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct CableCheck : ::testing::Test {
    test::PtyRadio radio;
    PortNumbers numbers;
    QtSerialLine line{numbers};
    QtPortDirectory ports{numbers};
    QtTimerFactory timers;
    AppContext ctx;
    int port = 0;
    void SetUp() override {
        ASSERT_TRUE(radio.Ok());
        port = ports.AddDevice(radio.device.toStdString());
        ports.SetOnlyAddedDevices(true);
        ctx.line = &line;
        ctx.ports = &ports;
        ctx.timers = &timers;
        ctx.settings.ComPort = port;
    }
    void TearDown() override {
        ctx.line = nullptr;
        ctx.ports = nullptr;
        ctx.timers = nullptr;
    }
};

}  // namespace

TEST_F(CableCheck, ButtonOfThePortDialogShowsTheReportOfTheChosenPort) {
    FrmComSet dialog(ctx);
    auto* button = test::FindControl<QPushButton>(&dialog, "CommandCheckCable");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Check Cable...");

    QString report;
    bool escapeRefused = false;
    QTimer::singleShot(0, [&] {
        auto* check = qobject_cast<FrmCableCheck*>(QApplication::activeModalWidget());
        if (!check) {
            ADD_FAILURE() << "no cable check window";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        // While the radio is asked, neither Escape nor Close ends the window.
        QTest::keyClick(check, Qt::Key_Escape);
        escapeRefused = check->isVisible() && check->Probing();
        EXPECT_FALSE(test::FindControl<QPushButton>(check, "CommandClose")->isEnabled());
        ZB_WAIT_VERIFY(!check->Probing());
        report = check->ReportText();
        test::FindControl<QPushButton>(check, "CommandCopy")->click();
        test::FindControl<QPushButton>(check, "CommandClose")->click();
    });
    button->click();
    EXPECT_TRUE(escapeRefused);
    const QString com = QString("COM%1").arg(port);
    EXPECT_TRUE(report.contains("note: radio: " + com + " at 9600 baud")) << report.toStdString();
    EXPECT_TRUE(report.contains("ok: radio: the radio answered: model ZB347, firmware V200")) << report.toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), report);
    EXPECT_EQ(radio.radio.counters.endRequests, 1);
    EXPECT_FALSE(line.IsOpen());

    ctx.settings.LanguageIndex = kChinese;
    dialog.ApplyLanguage();
    EXPECT_EQ(button->text(), QString::fromUtf8("检查数据线..."));
}

TEST_F(CableCheck, SilentRadioIsReportedAndTheTextIsReadOnly) {
    radio.radio.faults.silent = true;
    ctx.settings.LanguageIndex = kChinese;
    FrmCableCheck check(ctx, port);
    auto* text = test::FindControl<QPlainTextEdit>(&check, "Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(check.windowTitle(), QString::fromUtf8("数据线检查"));
    ZB_WAIT_VERIFY(!check.Probing());
    EXPECT_TRUE(check.ReportText().contains(QString::fromUtf8("问题: 对讲机: 编程请求无应答")))
        << check.ReportText().toStdString();

    FrmCableCheck noPort(ctx, 0);  // nothing chosen: the host report alone
    EXPECT_FALSE(noPort.Probing());
    EXPECT_FALSE(noPort.ReportText().contains(QString::fromUtf8("对讲机:")));
}
