// The option features window driven through its widgets, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/context.h"
#include "features/option_features_rules.h"
#include "features/ui/frm_opt_features.h"
#include "features/ui/option_features_window.h"
#include "support/qt_find.h"

using namespace zb;

namespace {

class OptionFeaturesWindowTest : public ::testing::Test {
protected:
    void Open(int language = kEnglish) {
        ctx.settings.LanguageIndex = static_cast<int16_t>(language);
        window = std::make_unique<FrmOptFeatures>(ctx);
        window->resize(900, 600);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T>
    T* Find(const QString& name) {
        return test::FindControl<T>(window.get(), name);
    }
    QComboBox* List(int n) { return Find<QComboBox>(QString("Combo1_%1").arg(n)); }
    QCheckBox* Check(int control) { return Find<QCheckBox>(QString("Check1_%1").arg(control - 100)); }
    QLineEdit* Box(int k) { return Find<QLineEdit>(QString("Text1_%1").arg(k)); }

    // Picks an item as the user does: the list changes and reports the choice.
    void Choose(int list, const QString& item) {
        QComboBox* combo = List(list);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << list << " " << item.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // Types each character into whichever box has the focus at that moment.
    static void Type(const QString& text) {
        for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }

    OptionFeaturesRecord& Features() { return ctx.Doc.Data.OptionSettings.OptionFeatures; }
    OptionFeaturesExtRecord& Ext() { return ctx.Doc.Data.OptionFeaturesExt; }

    AppContext ctx;
    std::unique_ptr<FrmOptFeatures> window;
};

}  // namespace

TEST_F(OptionFeaturesWindowTest, EveryControlExistsVisibleOrHiddenWithCaptionsBeforeLists) {
    Open(kChinese);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("可选功能"));
    for (int n = 0; n < kOptionListCount; ++n) {
        QComboBox* list = List(n);
        QLabel* caption = Find<QLabel>(QString("Label1_%1").arg(n));
        ASSERT_TRUE(list && caption);
        EXPECT_EQ(list->isVisible(), IsOptionControlVisible(n)) << n;
        EXPECT_FALSE(list->isEditable()) << n;
        EXPECT_EQ(list->count(), OptionListItemCount(n)) << n;
        EXPECT_EQ(caption->text().toStdString(), OptionCaption(n, kChinese)) << n;
        if (list->isVisible()) {
            // The caption ends just before its list, on the same line.
            const QRect c = caption->geometry();
            const QRect l = list->geometry();
            EXPECT_LE(c.right(), l.left()) << n;
            EXPECT_GT(c.right(), l.left() - 40) << n;
            EXPECT_NEAR(c.center().y(), l.center().y(), 4) << n;
        }
    }
    for (int control = 100; control <= 108; ++control)
        EXPECT_EQ(Check(control)->isVisible(), IsOptionControlVisible(control)) << control;
    EXPECT_EQ(List(0)->itemText(0), QString::fromUtf8("关"));
    EXPECT_EQ(List(17)->itemText(6), QString::fromUtf8("橙色"));
    EXPECT_EQ(List(9)->itemText(188), "20.0");
    EXPECT_EQ(Find<QLabel>("Label2")->text(), QString::fromUtf8("开机显示字符"));
    EXPECT_EQ(Find<QPushButton>("CommandClose")->text(), QString::fromUtf8("关闭(&C)"));
    EXPECT_FALSE(Find<QPushButton>("CommandHelp")->isVisible());
}

TEST_F(OptionFeaturesWindowTest, BatteryListsFollowTheBatteryRule) {
    const struct {
        int list;
        const char* item;
        int min, max;
        int newMin, newMax;
        const char* minShown;
        const char* maxShown;
    } cases[] = {
        {10, "17.0", 120, 170, 165, 170, "16.5", "17.0"},
        {11, "9.0", 110, 120, 95, 100, "9.5", "10.0"},
        {11, "12.0", 118, 150, 118, 123, "11.8", "12.3"},
    };
    Open();
    for (const auto& c : cases) {
        Features().BatteryMin = static_cast<int16_t>(c.min);
        Features().BatteryMax = static_cast<int16_t>(c.max);
        window->ReShowData();
        Choose(c.list, c.item);
        EXPECT_EQ(Features().BatteryMin, c.newMin) << c.item;
        EXPECT_EQ(Features().BatteryMax, c.newMax) << c.item;
        EXPECT_EQ(List(10)->currentText(), c.minShown) << c.item;
        EXPECT_EQ(List(11)->currentText(), c.maxShown) << c.item;
    }
}

TEST_F(OptionFeaturesWindowTest, RxNcAndNrBypassSwitchEachOtherOff) {
    Ext().NrBypass = 1;
    Open();
    EXPECT_EQ(List(23)->currentText(), "ON");
    Choose(22, "ON");
    EXPECT_EQ(Ext().RxNc, 1);
    EXPECT_EQ(Ext().NrBypass, 0);
    EXPECT_EQ(List(22)->currentText(), "ON");
    EXPECT_EQ(List(23)->currentText(), "OFF");
    Choose(23, "ON");
    EXPECT_EQ(Ext().RxNc, 0);
    EXPECT_EQ(Ext().NrBypass, 1);
    EXPECT_EQ(List(22)->currentText(), "OFF");
}

TEST_F(OptionFeaturesWindowTest, VoxLevelOffDisablesVoxDelayAndKeepsItsValue) {
    Ext().VoxLevel = 3;
    Ext().VoxDelay = 4;
    Open();
    EXPECT_TRUE(List(28)->isEnabled());
    EXPECT_EQ(List(28)->currentText(), "2.5");
    Choose(27, "OFF");
    EXPECT_FALSE(List(28)->isEnabled());
    EXPECT_EQ(Ext().VoxLevel, 0);
    EXPECT_EQ(Ext().VoxDelay, 4);
    Choose(27, "5");
    EXPECT_TRUE(List(28)->isEnabled());
    Choose(28, "4.5");
    EXPECT_EQ(Ext().VoxDelay, 8);
}

TEST_F(OptionFeaturesWindowTest, ListsAndBoxesStoreIntoTheDocument) {
    Open();
    // A list changed from the keyboard stores at once.
    List(4)->setFocus();
    QTest::keyClick(List(4), Qt::Key_Down);
    EXPECT_EQ(List(4)->currentText(), "5K");
    EXPECT_EQ(Features().VfoStep, 1);

    Choose(9, "2.5");
    EXPECT_EQ(Features().SwrProtect, 25);
    Choose(18, "10.0");
    EXPECT_EQ(Features().BacklightLoopTime, 19);
    Choose(19, "6-10");
    EXPECT_EQ(Features().GroupChange, 1);

    QCheckBox* beep = Check(108);
    QTest::mouseClick(beep, Qt::LeftButton, {}, QPoint(8, beep->height() / 2));
    EXPECT_EQ(Features().Beep, 1);
    QTest::mouseClick(beep, Qt::LeftButton, {}, QPoint(8, beep->height() / 2));
    EXPECT_EQ(Features().Beep, 0);

    // The hidden single-change box clears and locks +10KHz, TSQ and BUSY.
    Features().Plus10kHz = Features().Tsq = Features().Busy = 1;
    window->ReShowData();
    Check(100)->setChecked(true);
    window->SaveOptFeat(100);
    EXPECT_EQ(Features().SingleChangeData, 1);
    for (int box : {102, 103, 104}) {
        EXPECT_FALSE(Check(box)->isChecked()) << box;
        EXPECT_FALSE(Check(box)->isEnabled()) << box;
    }
    EXPECT_EQ(Features().Plus10kHz + Features().Tsq + Features().Busy, 0);
}

TEST_F(OptionFeaturesWindowTest, OutOfRangeValuesAndReShowData) {
    Features().Tot = 25;
    Features().Beep = 5;
    Features().Asq = 5;
    Features().SwrProtect = 250;
    Features().CwSideTone = 12;
    Open();
    EXPECT_EQ(List(0)->currentText(), "Off");
    EXPECT_EQ(List(9)->currentText(), "1.2");
    EXPECT_EQ(List(5)->currentText(), "300");
    EXPECT_TRUE(Check(108)->isChecked());
    EXPECT_FALSE(Check(101)->isChecked());
    EXPECT_EQ(Features().Tot, 25);  // showing stores nothing

    Features().Tot = 20;
    Features().SwrProtect = 200;
    window->ReShowData();
    window->ReShowData();
    EXPECT_EQ(List(0)->count(), 21);
    EXPECT_EQ(List(0)->currentText(), "600");
    EXPECT_EQ(List(9)->currentText(), "20.0");
}

TEST_F(OptionFeaturesWindowTest, PowerOnTextIsTypedOneBoxAfterAnother) {
    Open();
    Box(0)->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Box(0)->hasFocus(); }));
    Type("A");
    EXPECT_TRUE(Box(1)->hasFocus());
    Box(3)->setFocus();
    Type("B");
    EXPECT_EQ(Features().PowerOnText.Raw(), "A  B    ");

    // Straight through from box 0; "\" and "~" are discarded and keep the focus.
    Box(0)->setFocus();
    Type("HI\\~");
    EXPECT_EQ(QApplication::focusWidget(), Box(2));
    EXPECT_EQ(Box(2)->text(), "");
    Type("7 ");
    EXPECT_EQ(QApplication::focusWidget(), Box(4));
    EXPECT_EQ(Features().PowerOnText.Raw(), "HI7     ");

    // Clicking into a box selects its character, so typing replaces it.
    QTest::mouseClick(Box(1), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Box(1)->selectedText() == "I"; }));

    // Enter moves on without typing; Backspace empties a box.
    Box(5)->setFocus();
    QTest::keyClick(Box(5), Qt::Key_Return);
    EXPECT_TRUE(Box(6)->hasFocus());
    Box(1)->setFocus();
    Box(1)->end(false);
    QTest::keyClick(Box(1), Qt::Key_Backspace);
    EXPECT_EQ(Features().PowerOnText.Raw(), "H 7     ");
}

TEST_F(OptionFeaturesWindowTest, PowerOnBoxesRefuseTheClipboard) {
    Open();
    QApplication::clipboard()->setText("XYZ");
    Box(0)->setFocus();
    QTest::keyClick(Box(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(0)->text(), "");
    Type("Q");
    Box(0)->setFocus();
    Box(0)->selectAll();
    QTest::keyClick(Box(0), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Box(0)->text(), "Q");
    EXPECT_EQ(Features().PowerOnText.Raw(), "Q       ");
}

// The X11 selection paste of the middle button (the Xvfb run of the tests) reaches no box.
TEST_F(OptionFeaturesWindowTest, MiddleClickPastesNothing) {
    if (!QApplication::clipboard()->supportsSelection()) GTEST_SKIP() << "no X11 selection here";
    Open();
    QApplication::clipboard()->setText("Z", QClipboard::Selection);
    QTest::mouseClick(Box(2), Qt::MiddleButton);
    EXPECT_EQ(Box(2)->text(), "");
    EXPECT_EQ(Features().PowerOnText.Raw(), OptionFeaturesRecord{}.PowerOnText.Raw());
}

TEST_F(OptionFeaturesWindowTest, StoredPowerOnTextIsShownCutAtNul) {
    const char stored[8] = {'A', 'B', '\0', ' ', ' ', ' ', ' ', ' '};
    std::copy(stored, stored + 8, Features().PowerOnText.bytes.begin());
    Open();
    EXPECT_EQ(Box(0)->text(), "A");
    EXPECT_EQ(Box(1)->text(), "B");
    for (int k = 2; k < 8; ++k) EXPECT_EQ(Box(k)->text(), "") << k;
}

TEST_F(OptionFeaturesWindowTest, FactoryWindowClosesItsSubWindow) {
    QMdiArea area;
    QWidget* editor = CreateOptionFeaturesWindow(ctx);
    ASSERT_NE(qobject_cast<FrmOptFeatures*>(editor), nullptr);
    QMdiSubWindow* sub = area.addSubWindow(editor);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    sub->show();
    QPointer<QMdiSubWindow> guard(sub);
    QTest::mouseClick(editor->findChild<QPushButton*>("CommandClose"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }));
}
