// Local Information (the two embedded message lines) and Embedded Message (the radio's record).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/context.h"
#include "app/ui/frm_emb_msg.h"
#include "app/ui/frm_emg.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct LocalInfo : ::testing::Test {
    AppContext ctx;
    std::unique_ptr<FrmEmbMsg> window;
    QLineEdit* box[2] = {};
    FixedText<32>& line1 = ctx.Doc.Data.OptionSettings.EmbeddedMessage.MessageLine1;
    FixedText<32>& line2 = ctx.Doc.Data.OptionSettings.EmbeddedMessage.MessageLine2;

    void SetUp() override {
        // A new document's lines: empty, stored as a NUL and blanks.
        line1.Set(std::string(1, '\0'));
        line2.Set(std::string(1, '\0'));
    }
    void Open() {
        window = std::make_unique<FrmEmbMsg>(ctx);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        box[0] = window->findChild<QLineEdit*>("Text1_0");
        box[1] = window->findChild<QLineEdit*>("Text1_1");
        box[0]->setFocus();
    }
};

}  // namespace

TEST_F(LocalInfo, TypedLineIsStoredWhenTheBoxLosesFocusAndShownAgain) {
    line2.Set(std::string(32, 'Z'));
    Open();
    EXPECT_EQ(box[0]->text(), "");
    EXPECT_EQ(box[1]->text(), QString(32, 'Z'));  // a full line has no NUL and shows whole
    QTest::keyClicks(box[0], "HELLO");
    EXPECT_EQ(line1.Raw()[0], '\0');  // not stored while typing
    QTest::keyClick(box[0], Qt::Key_Return);  // Enter moves on, and leaving stores
    EXPECT_TRUE(box[1]->hasFocus());
    EXPECT_EQ(line1.Raw(), std::string("HELLO") + '\0' + std::string(26, ' '));
    EXPECT_EQ(box[0]->text(), "HELLO");  // Enter itself typed nothing

    window.reset();
    Open();
    EXPECT_EQ(box[0]->text(), "HELLO");
    EXPECT_EQ(box[0]->maxLength(), 32);
    EXPECT_EQ(window->windowTitle(), "Local Information");
    EXPECT_TRUE(window->findChild<QWidget*>("CommandHelp")->isHidden());
}

TEST_F(LocalInfo, NothingCanBePastedOrTypedBeyondSevenBits) {
    Open();
    QApplication::clipboard()->setText("PASTED");
    QTest::keyClicks(box[0], "AB");
    QTest::keyClick(box[0], Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box[0], Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box[0], Qt::Key_X, Qt::ControlModifier);  // no cut
    QTest::keyClick(box[0], Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box[0]->text(), "AB");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)));
    QApplication::sendEvent(box[0], &accented);  // above 127
    QInputMethodEvent chinese;
    chinese.setCommitString(QString::fromUtf8("中"));
    QApplication::sendEvent(box[0], &chinese);
    EXPECT_EQ(box[0]->text(), "AB");
    EXPECT_EQ(box[0]->contextMenuPolicy(), Qt::NoContextMenu);
    window->CommitPendingEdits();
    EXPECT_EQ(line1.Raw().substr(0, 3), std::string("AB") + '\0');
}

TEST_F(LocalInfo, ClosingStoresTheBoxBeingEdited) {
    Open();
    QTest::keyClicks(box[0], "73 DE");
    window->close();
    EXPECT_EQ(line1.Raw().substr(0, 6), std::string("73 DE") + '\0');
}

// A line in the Chinese code page shows as its characters and keeps its bytes through focus
// changes and the commit before Write to Radio; only an edited line is stored again.
TEST_F(LocalInfo, AGbkLineKeepsItsBytesUntilTheUserEditsIt) {
    const std::string gbk = std::string("\xB2\xE2\xCA\xD4") + '\0' + std::string(27, ' ');
    line1.Set(gbk);
    line2.Set(gbk);
    Open();
    EXPECT_EQ(box[0]->text(), QString::fromUtf8("测试"));
    box[1]->setFocus();
    box[0]->setFocus();
    window->CommitPendingEdits();
    EXPECT_EQ(line1.Raw(), gbk);
    EXPECT_EQ(line2.Raw(), gbk);

    box[0]->end(false);
    QTest::keyClicks(box[0], "X");
    box[1]->setFocus();
    EXPECT_EQ(line1.Raw(), std::string("\xB2\xE2\xCA\xD4X") + '\0' + std::string(26, ' '));
    EXPECT_EQ(line2.Raw(), gbk);
    // Sixteen Chinese characters fill the 32 bytes: nothing more goes in.
    box[1]->setText(QString(16, QChar(0x6D4B)));
    box[1]->end(false);
    QTest::keyClicks(box[1], "X");
    EXPECT_EQ(box[1]->text(), QString(16, QChar(0x6D4B)));
}

// Switching to another program stores nothing; the next focus change inside it does.
TEST_F(LocalInfo, SwitchingToAnotherProgramStoresNothing) {
    Open();
    QTest::keyClicks(box[0], "AB");
    QApplication::setActiveWindow(nullptr);
    QTest::qWait(30);
    EXPECT_EQ(line1.Raw()[0], '\0');
    QApplication::setActiveWindow(window.get());  // back in the program
    EXPECT_TRUE(box[0]->hasFocus());
    box[1]->setFocus();
    EXPECT_EQ(line1.Raw().substr(0, 3), std::string("AB") + '\0');
}

TEST_F(LocalInfo, MiddleClickPastesNothing) {
    if (!QApplication::clipboard()->supportsSelection()) GTEST_SKIP() << "no X11 selection here";
    Open();
    QApplication::clipboard()->setText("PASTED", QClipboard::Selection);
    QTest::keyClicks(box[0], "AB");
    QTest::mouseClick(box[0], Qt::MiddleButton);
    EXPECT_EQ(box[0]->text(), "AB");
}

TEST(EmbeddedMessage, ShowsTheRecordCleanedAndDisabled) {
    AppContext ctx;
    ctx.Rmg.AreaCode = "086123";
    ctx.Rmg.SerialNo = "1234567890ABCDEF";
    ctx.Rmg.ProducedDate = "2026/12/10      ";
    ctx.Rmg.Seller = std::string("WANG  ") + '\0' + "xx";
    ctx.Rmg.MaintainedReason = "none";
    ctx.link.BandFlagB = 1;
    FrmEMG window(ctx);
    auto text = [&](int i) { return window.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i)); };
    EXPECT_EQ(text(0)->text(), "0861");
    EXPECT_EQ(text(1)->text(), "1234567890ABCDEF");
    EXPECT_EQ(text(2)->text(), "2026/12/10");
    EXPECT_EQ(text(11)->text(), "WANG");
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("Text1_4")->toPlainText(), "none");
    auto* model = window.findChild<QComboBox*>("Combo1_0");
    auto* band = window.findChild<QComboBox*>("Combo1_1");
    EXPECT_EQ(model->count(), 1);
    EXPECT_EQ(model->currentText(), "ZB_347RX");
    EXPECT_EQ(band->currentText(), "24.000000 - 30.105000 MHz");
    for (QWidget* w : {static_cast<QWidget*>(text(0)), static_cast<QWidget*>(model),
                       static_cast<QWidget*>(band)})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(window.windowTitle(), "Embedded Message");

    ctx.link.BandFlagB = 0;
    ctx.Rmg.Seller = "LI";
    window.ShowByData();
    EXPECT_EQ(band->currentText(), "28.000000 - 29.700000 MHz");
    EXPECT_EQ(text(11)->text(), "LI");
}

TEST(EmbeddedMessage, ChineseForEveryLanguageButEnglish) {
    AppContext ctx;
    ctx.settings.LanguageIndex = 0;  // possible only through the language dialog
    FrmEMG window(ctx);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("嵌入信息"));
    EXPECT_EQ(window.findChild<QLabel*>("Label1_0")->text(), QString::fromUtf8("销售区号"));
}
