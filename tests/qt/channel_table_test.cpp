// The channel table window driven by real key and mouse events: creating, editing and
// deleting channels in the cells, the Enter walk, the cursor rules, VFO rows, the group
// valid flag, the name box and the commit paths of a pending edit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest/QTest>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/qt_wait.h"
#include "app/context.h"
#include "channels/channel_edit.h"
#include "channels/ui/channel_table_window.h"
#include "codeplug/text_util.h"
#include "features/roger_beep_rules.h"
#include "support/qt_find.h"

using namespace zb;

namespace {

// A document with groups 1 and 11 valid, roger-beep sequences 2 and 3 usable (1 is not),
// and VfoA on 28.5 MHz.
class ChannelTable : public ::testing::Test {
protected:
    AppContext ctx;
    std::unique_ptr<frmCommChInfo> window;

    ChannelTable() {
        CodeplugData& data = ctx.Doc.Data;
        for (int g = 0; g < kGroupCount; ++g) data.Groups[g].Name.Set("BAND" + std::to_string(g + 1));
        data.Groups[0].Valid = 1;
        data.Groups[10].Valid = 1;
        data.OptionSettings.ResetSelect = {1, 1, 11, 1};
        for (int n : {2, 3}) {
            data.RogerBeepTones[n - 1].RecycleTimes = 1;
            data.RogerBeepTones[n - 1].Tone[0] = {100, 10};
        }
        data.VfoA.ChNo = 1;
        data.VfoA.RxFreq.Set("28500000");
        data.VfoA.TxFreq.Set("28500000");
        data.VfoA.Scan = 1;
        data.VfoAValid = 1;
    }
    ~ChannelTable() override {
        window.reset();
        EXPECT_EQ(ctx.channelViews, &ctx.defaultChannelViews);  // the window unregisters
    }

    void AddChannels(int g, const std::vector<int>& chNos, const char* freq = "28.500000") {
        for (int ch : chNos) AddChannel(ctx, ch, g, freq);
    }

    void Open() {
        window = std::make_unique<frmCommChInfo>(ctx);
        ctx.channelViews = window.get();
        window->show();
        window->activateWindow();  // no window manager under Xvfb
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ZB_WAIT_VERIFY(Text1()->hasFocus());  // the first activation opens row 1, column 1
    }

    template <class T>
    T* Find(const char* name) const {
        return test::FindControl<T>(window.get(), name);
    }
    QTableWidget* Grid() const { return Find<QTableWidget>("MSFlexGrid1"); }
    QLineEdit* Text1() const { return Find<QLineEdit>("Text1"); }
    QComboBox* List(int k) const {
        return Find<QComboBox>(("Combo8_" + std::to_string(k)).c_str());
    }
    QComboBox* Selector(int t) const {
        return Find<QComboBox>(("ComboGroup_" + std::to_string(t)).c_str());
    }

    void ClickCell(int row, int col) {
        const QModelIndex index = Grid()->model()->index(row - 1, col);
        Grid()->scrollTo(index);
        // Click what the user would hit there: an editor floating over the cell, or the cell.
        QWidget* page = Text1()->parentWidget();
        const QPoint center = Grid()->visualRect(index).center();
        const QPoint onPage = Grid()->viewport()->mapTo(page, center);
        QWidget* target = page->childAt(onPage);
        if (target == Text1() || (target && target->objectName().startsWith("Combo8_"))) {
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(page, onPage));
        } else {
            QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, center);
        }
    }
    // The editor that the focus tick gives the focus to.
    static bool IsEditor(const QWidget* w) {
        return w && (w->objectName() == "Text1" || w->objectName().startsWith("Combo8_"));
    }
    void PressEnter() {
        ZB_WAIT_VERIFY(IsEditor(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // Clicks a receive or transmit cell, replaces its text and presses Enter.
    void TypeInto(int row, int col, const char* text) {
        ClickCell(row, col);
        ZB_WAIT_VERIFY(Text1()->hasFocus());
        Text1()->selectAll();
        QTest::keyClick(Text1(), Qt::Key_Backspace);
        QTest::keyClicks(Text1(), text);
        QTest::keyClick(Text1(), Qt::Key_Return);
    }

    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells;
        for (int col = 1; col <= 13; ++col) cells.push_back(window->CellText(row, col).toStdString());
        return cells;
    }
    const ChannelRecord* Channel(int g, int chNo) const {
        for (int i = 0; i < ctx.Doc.Data.Groups[g].ChannelCount; ++i) {
            if (ctx.Doc.Channels[i][g].ChNo == chNo) return &ctx.Doc.Channels[i][g];
        }
        return nullptr;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const Message& m : ctx.defaultPrompter.messages) out.push_back(m.text);
        return out;
    }
};

using Cells = std::vector<std::string>;
const Cells kEmptyRow(13, "");

TEST_F(ChannelTable, TypingAReceiveFrequencyInAnEmptyRowCreatesTheChannel) {
    Open();
    TypeInto(12, 1, "28.5");
    ZB_WAIT_COMPARE(window->CurrentCol(), 2);
    const ChannelRecord* ch = Channel(0, 12);
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(ctx.Doc.Data.Groups[0].ChannelCount, 1);
    EXPECT_EQ(ch->RxFreq.Raw(), "28500000");
    EXPECT_EQ(ch->TxFreq.Raw(), "28500000");
    // RB shows the first usable sequence because sequence 1 is not usable; the hidden
    // columns 6, 10, 12 and 13 are filled too.
    EXPECT_EQ(Row(12), (Cells{"28.500000", "28.500000", "OFF", "OFF", "", "No", "No", "No", "Add",
                              "No", "2", "No", "Off"}));
    EXPECT_EQ(window->CurrentRow(), 12);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    EXPECT_EQ(Text1()->text(), "28.500000");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ChannelTable, EnterWalksTheEditableColumnsCommitsListsAndWrapsToTheNextRow) {
    AddChannels(0, {5, 40});
    Open();
    ClickCell(5, 1);
    std::vector<int> walk{window->CurrentCol()};
    for (int i = 0; i < 7; ++i) {
        PressEnter();
        ZB_WAIT_VERIFY(window->CurrentCol() != walk.back());
        walk.push_back(window->CurrentCol());
        if (walk.back() == 3) QTest::keyClick(List(0), Qt::Key_Down);  // "67.0"
        if (walk.back() == 9) QTest::keyClick(List(6), Qt::Key_Up);    // "Del"
        if (walk.back() == 11) QTest::keyClick(List(8), Qt::Key_Down);  // "3"
    }
    EXPECT_EQ(walk, (std::vector<int>{1, 2, 3, 4, 7, 8, 9, 11}));
    PressEnter();
    ZB_WAIT_COMPARE(window->CurrentRow(), 6);
    EXPECT_EQ(window->CurrentCol(), 1);
    const ChannelRecord* ch = Channel(0, 5);
    EXPECT_EQ(ch->DecTone, 1);
    EXPECT_EQ(ch->Scan, 0);
    EXPECT_EQ(ch->RbTone, 2);
    EXPECT_EQ(Row(5)[2], "67.0");
    EXPECT_EQ(Row(5)[10], "3");

    // From the last column of row 40 the cursor wraps to row 1.
    ClickCell(40, 11);
    PressEnter();
    ZB_WAIT_COMPARE(window->CurrentRow(), 1);
    EXPECT_EQ(window->CurrentCol(), 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
}

TEST_F(ChannelTable, ClickingAnOptionCellOfAnEmptyRowOpensItsReceiveCell) {
    AddChannels(0, {2});
    Open();
    ClickCell(7, 7);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    EXPECT_EQ(window->CurrentRow(), 7);
    EXPECT_EQ(window->CurrentCol(), 1);
    EXPECT_EQ(window->EditState().EditRow, 7);
    EXPECT_EQ(window->EditState().EditCol, 1);
    EXPECT_TRUE(List(4)->isHidden());
    const QRect cell = Grid()->visualRect(Grid()->model()->index(6, 1));
    EXPECT_EQ(Text1()->geometry().topLeft(),
              Grid()->viewport()->mapTo(Text1()->parentWidget(), cell.topLeft()));
    EXPECT_EQ(ctx.Doc.Data.Groups[0].ChannelCount, 1);
    EXPECT_EQ(window->windowTitle(), "Channel Information[Channel - 7]---1");
}

TEST_F(ChannelTable, AnEmptyReceiveBoxDeletesTheChannelExceptTheProtectedOnes) {
    struct Case {
        std::vector<int> channels;
        int row;
        bool deleted;
    };
    const Case cases[] = {
        {{5, 9, 19}, 5, true},   // an ordinary channel goes, the gap closes
        {{5, 9, 19}, 9, false},  // channels 9 and 19 stay
        {{5, 9, 19}, 19, false},
        {{7}, 7, false},         // the last channel of a group stays
        {{7}, 8, false},         // an empty row: nothing is created
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        ctx.Doc.Data.Groups[0].ChannelCount = 0;
        AddChannels(0, c.channels);
        Open();
        const Cells before = Row(c.row);
        TypeInto(c.row, 1, "");
        ZB_WAIT_COMPARE(window->CurrentRow(), c.row + 1);  // Enter on an empty box: next row
        EXPECT_EQ(window->CurrentCol(), 1);
        const int expected = static_cast<int>(c.channels.size()) - (c.deleted ? 1 : 0);
        EXPECT_EQ(ctx.Doc.Data.Groups[0].ChannelCount, expected);
        EXPECT_EQ(Channel(0, c.row) != nullptr, !c.deleted && c.row != 8);
        EXPECT_EQ(Row(c.row), c.deleted ? kEmptyRow : before);
        if (c.deleted) {
            EXPECT_EQ(ctx.Doc.Channels[0][0].ChNo, 9);
        }
        window.reset();
    }
}

TEST_F(ChannelTable, OutOfBandFrequenciesWarnAndGiveTheEditRulesResult) {
    AddChannels(0, {4});
    Open();
    // Receive frequency on an empty row: refused, no channel.
    TypeInto(3, 1, "30");
    ZB_WAIT_COMPARE(Messages(), (std::vector<std::string>{"Frequency is out of range."}));
    EXPECT_EQ(ctx.defaultPrompter.messages[0].icon, Icon::Warning);
    EXPECT_EQ(Channel(0, 3), nullptr);
    EXPECT_EQ(Row(3), kEmptyRow);
    ZB_WAIT_COMPARE(window->CurrentCol(), 1);  // the row has no channel: back to its receive cell
    EXPECT_EQ(window->CurrentRow(), 3);

    // Transmit frequency of a channel: pulled to the nearer band limit.
    TypeInto(4, 2, "30");
    ZB_WAIT_COMPARE(Messages().size(), 2u);
    EXPECT_EQ(Channel(0, 4)->TxFreq.Raw(), "29700000");
    EXPECT_EQ(Row(4)[1], "29.700000");

    // Receive frequency of a channel: cleared, which deletes nothing on the last channel.
    TypeInto(4, 1, "27.5");
    ZB_WAIT_COMPARE(Messages().size(), 3u);
    EXPECT_EQ(Channel(0, 4)->RxFreq.Raw(), "28500000");
    EXPECT_EQ(Row(4)[0], "28.500000");
}

TEST_F(ChannelTable, TheLastValidGroupOfABandCannotBeUnticked) {
    Open();
    auto* valid = Find<QCheckBox>("CheckValid");
    QTest::mouseClick(valid, Qt::LeftButton);
    EXPECT_TRUE(valid->isChecked());
    EXPECT_EQ(ctx.Doc.Data.Groups[0].Valid, 1);

    // Band 1 through the second tab: group 11 is its only valid group.
    auto* tabs = Find<QTabBar>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    ZB_WAIT_COMPARE(ctx.Doc.Data.CurrentGroup, 10);
    EXPECT_FALSE(Selector(1)->isHidden());
    EXPECT_TRUE(Selector(0)->isHidden());
    QTest::mouseClick(valid, Qt::LeftButton);
    EXPECT_TRUE(valid->isChecked());
    EXPECT_EQ(ctx.Doc.Data.Groups[10].Valid, 1);

    // With a second valid group the box clears, and the reset selection moves on.
    ctx.Doc.Data.Groups[12].Valid = 1;
    QTest::mouseClick(valid, Qt::LeftButton);
    EXPECT_FALSE(valid->isChecked());
    EXPECT_EQ(ctx.Doc.Data.Groups[10].Valid, 0);
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.ResetSelect[2], 13);
}

TEST_F(ChannelTable, OpensOnTheBand0TabWithTheCurrentGroupOrGroup1) {
    struct Case {
        int currentGroup;
        int shownGroup;
        const char* selectorText;
    };
    const Case cases[] = {{14, 0, "1"}, {3, 3, "4"}, {21, 0, "1"}, {20, 20, "VFO"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.currentGroup);
        ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(c.currentGroup);
        Open();
        EXPECT_EQ(Find<QTabBar>("TabStrip1")->currentIndex(), 0);
        EXPECT_FALSE(Selector(0)->isHidden());
        EXPECT_TRUE(Selector(1)->isHidden());
        EXPECT_EQ(Selector(0)->currentText().toStdString(), c.selectorText);
        EXPECT_EQ(ctx.Doc.Data.CurrentGroup, c.shownGroup);
        window.reset();
    }
}

TEST_F(ChannelTable, Vfo0EditsRow1OnlyAndNeverItsScanCell) {
    ctx.Doc.Data.CurrentGroup = 20;
    Open();
    EXPECT_EQ(Row(1)[0], "28.500000");
    EXPECT_TRUE(Find<QLineEdit>("TextName")->isHidden());
    EXPECT_TRUE(window->windowTitle().endsWith("---VFO0"));

    ClickCell(1, 9);
    QTest::qWait(30);
    EXPECT_TRUE(List(6)->isHidden());
    EXPECT_TRUE(Text1()->isHidden());

    QTest::keyClick(Grid(), Qt::Key_Return);  // Enter in the table opens nothing there either
    QTest::qWait(30);
    EXPECT_TRUE(Text1()->isHidden());

    // Enter skips the scan column and wraps to row 1.
    ClickCell(1, 8);
    ZB_WAIT_VERIFY(List(5)->hasFocus());
    QTest::keyClick(List(5), Qt::Key_Down);  // BUSY "Yes"
    PressEnter();
    ZB_WAIT_COMPARE(window->CurrentCol(), 11);
    EXPECT_EQ(ctx.Doc.Data.VfoA.BusyFlag, 1);
    PressEnter();
    ZB_WAIT_COMPARE(window->CurrentCol(), 1);
    EXPECT_EQ(window->CurrentRow(), 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());

    // Clearing the VFO's receive frequency changes nothing.
    TypeInto(1, 1, "");
    QTest::qWait(30);
    EXPECT_EQ(ctx.Doc.Data.VfoA.RxFreq.Raw(), "28500000");
    EXPECT_EQ(Row(1)[0], "28.500000");
}

TEST_F(ChannelTable, NameAndFrequencyBoxesFilterKeysAndLimitTheirLength) {
    Open();
    auto* name = Find<QLineEdit>("TextName");
    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, "Ab 1-x.9yzQW");
    EXPECT_EQ(name->text(), "Ab1x9yzQ");
    EXPECT_EQ(ctx.Doc.Data.Groups[0].Name.Raw(), "Ab1x9yzQ");
    QApplication::clipboard()->setText("ZZ");
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "Ab1x9yz");
    EXPECT_EQ(ctx.Doc.Data.Groups[0].Name.Raw(), "Ab1x9yz ");

    ClickCell(2, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    QTest::keyClicks(Text1(), "2a8.-5 1234567");
    EXPECT_EQ(Text1()->text(), "28.512345");
    QTest::keyClick(Text1(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text1()->text(), "28.512345");

    // Showing another group's name is not an edit of it.
    ctx.Doc.Data.Groups[1].Name.Set(std::string("B2\0\0\0\0\0\0", 8));
    QTest::keyClick(Selector(0), Qt::Key_Down);
    ZB_WAIT_COMPARE(name->text(), "B2");
    EXPECT_EQ(ctx.Doc.Data.Groups[1].Name.Raw(), std::string("B2\0\0\0\0\0\0", 8));
}

TEST_F(ChannelTable, APendingEditIsCommittedByAGroupChangeByTheCommitMethodAndByClosing) {
    Open();
    ClickCell(3, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    QTest::keyClicks(Text1(), "28.6");
    QTest::keyClick(Selector(0), Qt::Key_Down);  // group "2"; the box keeps the focus
    ZB_WAIT_COMPARE(ctx.Doc.Data.CurrentGroup, 1);
    ASSERT_NE(Channel(0, 3), nullptr);
    EXPECT_EQ(Channel(0, 3)->RxFreq.Raw(), "28600000");
    EXPECT_EQ(ctx.Doc.Data.Groups[1].ChannelCount, 0);
    EXPECT_EQ(Row(3), kEmptyRow);
    EXPECT_TRUE(window->windowTitle().endsWith("---2"));

    ClickCell(4, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    QTest::keyClicks(Text1(), "28.7");
    window->CommitPendingEdit();
    ASSERT_NE(Channel(1, 4), nullptr);
    EXPECT_EQ(Channel(1, 4)->RxFreq.Raw(), "28700000");
    EXPECT_TRUE(Text1()->isHidden());
    QTest::keyClick(Grid(), Qt::Key_Return);  // Enter in the table opens the cell's editor
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    EXPECT_EQ(Text1()->text(), "28.700000");
    window->CommitPendingEdit();
    ClickCell(4, 1);  // so does a click on the same cell
    ZB_WAIT_VERIFY(Text1()->hasFocus());

    ClickCell(4, 2);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    QTest::keyClicks(Text1(), "28.8");
    window->close();
    EXPECT_EQ(Channel(1, 4)->TxFreq.Raw(), "28800000");
    EXPECT_FALSE(window->IsChannelTableOpen());
}

TEST_F(ChannelTable, ShowRbFollowsTheUsableSequences) {
    AddChannels(0, {1, 2});
    ctx.Doc.Channels[1][0].RbTone = 2;  // sequence 3
    Open();
    EXPECT_EQ(Row(2)[10], "3");
    ctx.Doc.Data.RogerBeepTones[2].RecycleTimes = 0;  // sequence 3 no longer usable
    UpdateRogerBeepSelections(ctx);
    EXPECT_EQ(Row(2)[10], "2");
    EXPECT_EQ(ctx.Doc.Channels[1][0].RbTone, 1);
    EXPECT_EQ(List(8)->count(), 1);
}

TEST_F(ChannelTable, ChineseCaptionsHeadersAndListItems) {
    ctx.settings.LanguageIndex = kChinese;
    AddChannels(0, {1});
    Open();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("信道信息[信道 - 1]---1"));
    EXPECT_EQ(Grid()->horizontalHeaderItem(1)->text(), QString::fromUtf8("接收频率"));
    EXPECT_EQ(Grid()->horizontalHeaderItem(9)->text(), QString::fromUtf8("扫描"));
    EXPECT_EQ(window->CellText(1, 9), QString::fromUtf8("添加"));
    EXPECT_EQ(window->CellText(1, 7), QString::fromUtf8("否"));
    EXPECT_EQ(window->CellText(1, 13), QString::fromUtf8("关"));
    EXPECT_EQ(Find<QCheckBox>("CheckValid")->text(), QString::fromUtf8("组有效"));
    EXPECT_EQ(Find<QPushButton>("CommandClose")->text(), QString::fromUtf8("关闭(&C)"));
    EXPECT_TRUE(Find<QPushButton>("CommandHelp")->isHidden());
    EXPECT_EQ(Find<QTabBar>("TabStrip1")->tabText(1), "10 meter");
    // Hidden columns are filled but take no room.
    EXPECT_TRUE(Grid()->isColumnHidden(6));
    EXPECT_TRUE(Grid()->isColumnHidden(13));
    EXPECT_FALSE(Grid()->isColumnHidden(11));
}

// Fails the range warning, as a broken message box would.
class FailingWarningPrompter : public ScriptedPrompter {
public:
    using Prompter::Ask;
    Answer Ask(const Message& message) override {
        if (message.icon == Icon::Warning) throw std::runtime_error("message box failed");
        return ScriptedPrompter::Ask(message);
    }
};

TEST_F(ChannelTable, AFailingStepShowsItsTraceNameAndTheWindowGoesOn) {
    FailingWarningPrompter prompter;
    ctx.prompter = &prompter;
    Open();
    TypeInto(3, 1, "30");
    ZB_WAIT_COMPARE(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "frmCommChInfo_SaveShowGridData");
    EXPECT_EQ(Channel(0, 3), nullptr);
    TypeInto(3, 1, "28.5");
    ZB_WAIT_VERIFY(Channel(0, 3) != nullptr);
    EXPECT_EQ(prompter.messages.size(), 1u);
    window.reset();
    ctx.prompter = &ctx.defaultPrompter;
}

TEST_F(ChannelTable, ScrollingKeepsTheCursorInItsPlaceOnTheScreenAtMostOncePer500Ms) {
    Open();
    ClickCell(3, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    auto wheelDown = [this] {
        QWidget* viewport = Grid()->viewport();
        const QPoint at = viewport->rect().center();
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    };
    wheelDown();
    const int top = Grid()->rowAt(0) + 1;
    ASSERT_GT(top, 1);
    ZB_WAIT_COMPARE(window->CurrentRow(), 3 - 1 + top);
    ZB_WAIT_COMPARE(window->EditState().EditRow, 3 - 1 + top);
    EXPECT_TRUE(Text1()->isVisible());
    const int row = window->CurrentRow();
    wheelDown();  // within the guard: the cursor stays
    QTest::qWait(50);
    EXPECT_GT(Grid()->rowAt(0) + 1, top);
    EXPECT_EQ(window->CurrentRow(), row);
}

TEST_F(ChannelTable, ShownAgainAfterClosingItIsToldAboutChangesAgain) {
    AddChannels(0, {2});
    Open();
    window->close();
    EXPECT_FALSE(window->IsChannelTableOpen());
    ctx.Doc.Data.CurrentGroup = 0;
    window->show();
    ZB_WAIT_VERIFY(window->IsChannelTableOpen());
    EXPECT_EQ(window->CellText(2, 1), "28.500000");
    EditChannelField(ctx, 2, kFieldRxFreq, "28.6");
    EXPECT_EQ(window->CellText(2, 1), "28.600000");
    EXPECT_EQ(Find<QComboBox>("Combo8_0")->count(), 265);
}

// With the table focused and no editor open (here after the commit Write to Radio runs), typed
// characters, Tab and the keyboard search move no cell and change no channel; Enter opens the
// current cell, and what is typed while its box is open reaches that box.
TEST_F(ChannelTable, TheTableItselfActsOnEnterAndRowKeysOnly) {
    AddChannels(0, {1, 2});
    Open();
    ClickCell(3, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    window->CommitPendingEdit();
    ASSERT_TRUE(Grid()->hasFocus());
    QTest::keyClicks(Grid(), "28.6");
    QTest::keyClick(Grid(), Qt::Key_Tab);
    QTest::keyClick(Grid(), Qt::Key_Right);
    QTest::qWait(30);
    EXPECT_EQ(window->CurrentRow(), 3);
    EXPECT_EQ(window->CurrentCol(), 1);
    EXPECT_TRUE(Text1()->isHidden());

    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Return);
    EXPECT_FALSE(Text1()->isHidden());
    QTest::keyClicks(Grid(), "28.7");  // before the focus tick has moved the focus
    EXPECT_EQ(Text1()->text(), "28.7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ZB_WAIT_VERIFY(Channel(0, 3) != nullptr);
    ASSERT_NE(Channel(0, 3), nullptr);
    EXPECT_EQ(Channel(0, 3)->RxFreq.Raw(), "28700000");
    EXPECT_EQ(Channel(0, 1)->RxFreq.Raw(), "28500000");
    EXPECT_EQ(Channel(0, 2)->RxFreq.Raw(), "28500000");
    EXPECT_TRUE(Messages().empty());
}

// VFO0 edits row 1 only: a click on another row takes the cursor there, and every key typed
// right after the click reaches row 1's box.
TEST_F(ChannelTable, InVfoViewTypingAfterAClickOnAnEmptyRowArrivesWhole) {
    ctx.Doc.Data.CurrentGroup = 20;
    Open();
    for (int col : {1, 7}) {
        ClickCell(3, col);
        EXPECT_EQ(window->CurrentRow(), 1);
        EXPECT_EQ(window->CurrentCol(), 1);
        QTest::keyClicks(QApplication::focusWidget(), col == 1 ? "28.6" : "28.65");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ZB_WAIT_COMPARE(ctx.Doc.Data.VfoA.RxFreq.Raw(), std::string(col == 1 ? "28600000" : "28650000"));
    }
    EXPECT_TRUE(Messages().empty());
}

// Up, Down, Page Up and Page Down move between rows through the cell-entry rule, committing
// the open box first; Left and Right stay inside the box.
TEST_F(ChannelTable, RowKeysMoveTheCursorAndCommitTheBox) {
    Open();
    ClickCell(3, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    QTest::keyClicks(Text1(), "28.6");
    QTest::keyClick(Text1(), Qt::Key_Left);
    EXPECT_EQ(window->CurrentCol(), 1);
    EXPECT_EQ(Text1()->cursorPosition(), 3);
    QTest::keyClick(Text1(), Qt::Key_Down);
    EXPECT_EQ(window->CurrentRow(), 4);
    ASSERT_NE(Channel(0, 3), nullptr);
    EXPECT_EQ(Channel(0, 3)->RxFreq.Raw(), "28600000");
    ZB_WAIT_VERIFY(Text1()->hasFocus());  // row 4's box is open
    EXPECT_EQ(Text1()->text(), "");

    QTest::keyClick(Text1(), Qt::Key_Up);
    EXPECT_EQ(window->CurrentRow(), 3);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    EXPECT_EQ(Text1()->text(), "28.600000");
    QTest::keyClick(Text1(), Qt::Key_PageDown);
    EXPECT_GT(window->CurrentRow(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(window->CurrentRow(), 1);  // stops at the first row
    window->CommitPendingEdit();
    QTest::keyClick(Grid(), Qt::Key_Down);  // from the table itself too
    EXPECT_EQ(window->CurrentRow(), 2);
    EXPECT_EQ(ctx.Doc.Data.Groups[0].ChannelCount, 1);
}

// Switching to another program validates nothing: a half-typed frequency stays in its box
// (committed, "2" would be refused as out of range) and the edit goes on on return.
TEST_F(ChannelTable, SwitchingToAnotherProgramCommitsNothing) {
    AddChannels(0, {3});
    Open();
    ClickCell(3, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    Text1()->selectAll();
    QTest::keyClick(Text1(), Qt::Key_Backspace);
    QTest::keyClicks(Text1(), "2");
    QApplication::setActiveWindow(nullptr);  // Alt+Tab
    QTest::qWait(30);
    EXPECT_TRUE(Messages().empty());
    ASSERT_NE(Channel(0, 3), nullptr);
    EXPECT_EQ(Channel(0, 3)->RxFreq.Raw(), "28500000");
    EXPECT_FALSE(Text1()->isHidden());
    EXPECT_EQ(Text1()->text(), "2");

    QApplication::setActiveWindow(window.get());  // back in the program
    EXPECT_TRUE(Text1()->hasFocus());
    QTest::keyClicks(Text1(), "9.1");
    QTest::keyClick(Text1(), Qt::Key_Return);
    ZB_WAIT_COMPARE(Channel(0, 3)->RxFreq.Raw(), std::string("29100000"));
    EXPECT_TRUE(Messages().empty());
}

// The middle button pastes the X11 selection into a plain box; the frequency and name boxes
// take nothing that way. Needs a display server with a selection (the Xvfb run of the tests).
TEST_F(ChannelTable, MiddleClickPastesNothing) {
    if (!QApplication::clipboard()->supportsSelection()) GTEST_SKIP() << "no X11 selection here";
    Open();
    ClickCell(3, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    QApplication::clipboard()->setText("29", QClipboard::Selection);
    for (QLineEdit* box : {Text1(), Find<QLineEdit>("TextName")}) {
        const QString before = box->text();
        QTest::mouseClick(box, Qt::MiddleButton);
        EXPECT_EQ(box->text(), before) << box->objectName().toStdString();
    }
}

// A group name in the Chinese code page shows as its characters and keeps its bytes when the
// box gains and loses the focus and when Write to Radio commits; typing adds to the bytes.
TEST_F(ChannelTable, AGbkGroupNameKeepsItsBytes) {
    const std::string gbk = "\xB2\xE2\xCA\xD4    ";  // "测试" and blank padding
    ctx.Doc.Data.Groups[0].Name.Set(gbk);
    Open();
    auto* name = Find<QLineEdit>("TextName");
    EXPECT_EQ(name->text(), QString::fromUtf8("测试"));
    name->setFocus();
    ZB_WAIT_VERIFY(name->hasFocus());
    ClickCell(2, 1);
    ZB_WAIT_VERIFY(Text1()->hasFocus());
    window->CommitPendingEdit();
    EXPECT_EQ(ctx.Doc.Data.Groups[0].Name.Raw(), gbk);

    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, "A");
    EXPECT_EQ(ctx.Doc.Data.Groups[0].Name.Raw(), "\xB2\xE2\xCA\xD4" "A   ");
    // The field holds 8 bytes, and each Chinese character takes two of them.
    QTest::keyClicks(name, "BCDE");
    EXPECT_EQ(name->text(), QString::fromUtf8("测试ABCD"));
    EXPECT_EQ(ctx.Doc.Data.Groups[0].Name.Raw(), "\xB2\xE2\xCA\xD4" "ABCD");
}

}  // namespace
