// Cursor walking, the cell-entry rule, editor filters and small display rules of the channel
// table.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "channels/channel_grid_rules.h"
#include "codeplug/records.h"

using namespace zb;

namespace {

// The columns Enter visits from column 1 until it wraps to the next line.
std::vector<int> EnterWalk(int group) {
    std::vector<int> cols{1};
    for (int guard = 0; guard < 20; ++guard) {
        const NextColStep step = GridNextCol(cols.back(), group);
        if (step.wrapsLine) {
            EXPECT_EQ(step.col, 1);
            return cols;
        }
        cols.push_back(step.col);
    }
    ADD_FAILURE() << "Enter never wraps";
    return cols;
}

TEST(GridCursor, EnterWalksTheEditableColumnsAndWraps) {
    EXPECT_EQ(EnterWalk(0), (std::vector<int>{1, 2, 3, 4, 7, 8, 9, 11}));
    EXPECT_EQ(EnterWalk(19), (std::vector<int>{1, 2, 3, 4, 7, 8, 9, 11}));
    // A VFO has no scan flag.
    EXPECT_EQ(EnterWalk(kVfoAGroup), (std::vector<int>{1, 2, 3, 4, 7, 8, 11}));
    EXPECT_EQ(EnterWalk(kVfoBGroup), (std::vector<int>{1, 2, 3, 4, 7, 8, 11}));
    // From a hidden or odd column the walk still lands on an editable one or wraps.
    EXPECT_EQ(GridNextCol(5, 0).col, 7);
    EXPECT_EQ(GridNextCol(10, 0).col, 11);
    EXPECT_TRUE(GridNextCol(12, 0).wrapsLine);
    EXPECT_TRUE(GridNextCol(13, 0).wrapsLine);
}

TEST(GridCursor, NextLineWrapsAfterRow40AndStaysOnRow1InAVfo) {
    EXPECT_EQ(GridNextLine(1, 3), 2);
    EXPECT_EQ(GridNextLine(39, 3), 40);
    EXPECT_EQ(GridNextLine(40, 3), 1);
    EXPECT_EQ(GridNextLine(0, 3), 1);
    EXPECT_EQ(GridNextLine(1, kVfoAGroup), 1);
    EXPECT_EQ(GridNextLine(17, kVfoBGroup), 1);
}

// Records what the rule asks of the window; a move runs the rule again as the grid does.
struct FakeWindow : CellEntryHooks {
    GridEditState state;
    int group = 0;
    int row = 0, col = 0;
    std::set<int> rowsWithRx;
    std::vector<std::string> calls;
    bool commitFillsRx = false;  // the commit creates the channel of the current row

    void Enter(int r, int c) {
        row = r;
        col = c;
        RunCellEntry(state, r, c, group, *this);
    }
    void UpdateCaption() override { calls.push_back("caption"); }
    void CommitPendingEdit() override {
        calls.push_back("commit " + std::to_string(state.EditRow) + "," +
                        std::to_string(state.EditCol));
        if (commitFillsRx) rowsWithRx.insert(state.EditRow);
    }
    bool ReceiveCellHasText(int r) override { return rowsWithRx.count(r) > 0; }
    void MoveCursor(int r, int c) override {
        calls.push_back("move " + std::to_string(r) + "," + std::to_string(c));
        Enter(r, c);
    }
    void EnterGridEdit() override {
        calls.push_back("edit " + std::to_string(row) + "," + std::to_string(col));
        state.EditRow = row;
        state.EditCol = col;
    }
};

using Calls = std::vector<std::string>;

TEST(CellEntry, HeaderAndRowNumberCellsAndASkippedEntryDoNothing) {
    FakeWindow w;
    w.state.EditRow = 4;
    w.state.EditCol = 2;
    w.Enter(0, 3);
    w.Enter(5, 0);
    EXPECT_TRUE(w.calls.empty());

    w.state.SkipEnterCell = true;
    w.Enter(5, 1);
    EXPECT_TRUE(w.calls.empty());
    EXPECT_FALSE(w.state.SkipEnterCell);
    EXPECT_EQ(w.state.CurrentChannel, 0);
    w.Enter(5, 1);  // the next entry runs again
    EXPECT_EQ(w.calls, (Calls{"caption", "commit 4,2", "edit 5,1"}));
}

TEST(CellEntry, AnEmptyRowSendsTheCursorToTheReceiveColumnWithoutASecondCommit) {
    FakeWindow w;
    w.state.EditRow = 3;
    w.state.EditCol = 8;
    w.rowsWithRx = {3};
    w.Enter(12, 7);
    EXPECT_EQ(w.calls,
              (Calls{"caption", "commit 3,8", "move 12,1", "caption", "edit 12,1"}));
    EXPECT_FALSE(w.state.RxRedirect);
    EXPECT_EQ(w.state.CurrentChannel, 12);
    EXPECT_EQ(w.state.EditRow, 12);
    EXPECT_EQ(w.state.EditCol, 1);
}

TEST(CellEntry, TheCommitRunsBeforeTheReceiveCellIsLookedAt) {
    // Typing a frequency in column 1 and pressing Enter: the commit creates the channel, so
    // column 2 of the same row opens its editor instead of sending the cursor back.
    FakeWindow w;
    w.state.EditRow = 12;
    w.state.EditCol = 1;
    w.commitFillsRx = true;
    w.Enter(12, 2);
    EXPECT_EQ(w.calls, (Calls{"caption", "commit 12,1", "edit 12,2"}));
}

TEST(CellEntry, AChannelRowOpensTheEditorOfAnyColumn) {
    FakeWindow w;
    w.rowsWithRx = {7};
    w.Enter(7, 11);
    EXPECT_EQ(w.calls, (Calls{"caption", "edit 7,11"}));  // nothing pending yet
}

TEST(CellEntry, AVfoEditsRow1OnlyAndNeverItsScanCell) {
    FakeWindow w;
    w.group = kVfoAGroup;
    w.rowsWithRx = {1};
    w.Enter(1, 9);
    EXPECT_EQ(w.calls, (Calls{"caption"}));
    w.calls.clear();
    w.Enter(1, 8);
    EXPECT_EQ(w.calls, (Calls{"caption", "edit 1,8"}));
    w.calls.clear();
    // Rows below 1 of a VFO have no channel: back to column 1, and no editor there.
    w.Enter(5, 3);
    EXPECT_EQ(w.calls, (Calls{"caption", "commit 1,8", "move 5,1", "caption"}));
    w.calls.clear();
    // A pending edit outside row 1 of a VFO is never committed.
    w.state.EditRow = 5;
    w.state.EditCol = 1;
    w.Enter(1, 2);
    EXPECT_EQ(w.calls, (Calls{"caption", "edit 1,2"}));
}

TEST(GridEditors, FilterOfTheFrequencyAndNameBoxes) {
    struct Case {
        char32_t code;
        bool freq, name;
    };
    const Case cases[] = {
        {U'0', true, true},  {U'9', true, true},   {U'.', true, false}, {U'a', false, true},
        {U'Z', false, true}, {U' ', false, false}, {U'-', false, false}, {U'_', false, false},
        {8, true, true},     {13, true, true},     {3, false, false},   {22, false, false},
        {24, false, false},  {1, true, true},      {127, true, true},   {128, false, false},
        {U'é', false, false}, {U'频', false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreqBoxAccepts(c.code), c.freq) << static_cast<int>(c.code);
        EXPECT_EQ(NameBoxAccepts(c.code), c.name) << static_cast<int>(c.code);
    }
}

TEST(GridEditors, CommitValuesAndDisplayTexts) {
    EXPECT_EQ(ListCommitValue(11, 0, "3"), 2);   // RB: sequence number minus 1
    EXPECT_EQ(ListCommitValue(11, -1, ""), 0);
    EXPECT_EQ(ListCommitValue(3, 57, "D023N"), 57);
    EXPECT_EQ(ListCommitValue(9, -1, ""), -1);  // nothing selected: refused by the edit rules

    EXPECT_EQ(TypedFreqDisplay("28.12"), "28.120000");
    EXPECT_EQ(TypedFreqDisplay("28"), "28.000000");
    EXPECT_EQ(TypedFreqDisplay(""), "");
    EXPECT_EQ(TypedFreqDisplay("2.8.1"), "2.8.1");

    EXPECT_EQ(RbCellNumber("4"), 4);
    EXPECT_EQ(RbCellNumber(""), 1);
    EXPECT_EQ(RbCellNumber("x"), 1);

    EXPECT_EQ(ChannelTableCaption("Channel Information[Channel -", 5, "3"),
              "Channel Information[Channel - 5]---3");
}

TEST(GridScroll, CursorKeepsItsPlaceOnTheScreenWithinTheTable) {
    EXPECT_EQ(ScrolledCursorRow(10, 1, 4), 13);
    EXPECT_EQ(ScrolledCursorRow(10, 5, 1), 6);
    EXPECT_EQ(ScrolledCursorRow(3, 10, 1), std::nullopt);
    EXPECT_EQ(ScrolledCursorRow(38, 20, 23), std::nullopt);
    EXPECT_EQ(ScrolledCursorRow(38, 20, 22), 40);
    EXPECT_TRUE(ScrollMovesCursor(0));
    EXPECT_TRUE(ScrollMovesCursor(kVfoAGroup));
    EXPECT_FALSE(ScrollMovesCursor(kVfoBGroup));
}

}  // namespace
