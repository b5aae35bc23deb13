#pragma once
// Cursor and editor rules of the channel table, free of any toolkit so they can be tested
// alone. Rows are channel numbers (1..40, row 0 is the header), columns are field codes
// (1..13, column 0 shows the row number).

#include <optional>
#include <string>
#include <string_view>

namespace zb {

inline constexpr int kGridRowCount = 41;  // header row + 40 channel rows
inline constexpr int kGridColCount = 14;  // row-number column + 13 field columns
inline constexpr int kLastGridRow = 40;
inline constexpr int kLastGridCol = 13;
inline constexpr int kGridListCount = 11;  // one drop-down list per column 3..13

bool IsVfoGroup(int group);

// Columns with an editor: 1 and 2 (the shared text box) and 3, 4, 7, 8, 9, 11 (their lists).
bool HasCellEditor(int col);
// A real group edits every row; VFO0/VFO1 only row 1, never its Scan cell.
bool MayEditCell(int group, int row, int col);

// Where Enter in an editor moves the cursor. When wrapsLine is set the caller skips the
// cell entry of the move to column 1 and then goes to the next line.
struct NextColStep {
    int col = 1;
    bool wrapsLine = false;
};
NextColStep GridNextCol(int col, int group);
// The next row: row + 1, wrapping from 40 to 1; always row 1 in a VFO.
int GridNextLine(int row, int group);

// The pending edit and the cursor flags shared by the cell-entry rule and the window.
struct GridEditState {
    int EditCol = 0;  // field code of the editor opened last
    int EditRow = 0;  // its channel number; 0 = no pending edit
    int CurrentChannel = 0;
    bool RxRedirect = false;
    bool SkipEnterCell = false;
};

// What the cell-entry rule asks of the window.
class CellEntryHooks {
public:
    virtual ~CellEntryHooks() = default;
    virtual void UpdateCaption() = 0;
    virtual void CommitPendingEdit() = 0;
    virtual bool ReceiveCellHasText(int row) = 0;  // FlexConcludeRx
    virtual void MoveCursor(int row, int col) = 0;  // runs the cell entry again
    virtual void EnterGridEdit() = 0;
};

// The rule that runs whenever the cursor enters a cell: commits the pending edit, sends the
// cursor back to the receive column of a row without a channel, and opens the cell's editor.
void RunCellEntry(GridEditState& state, int row, int col, int group, CellEntryHooks& hooks);

// Row the cursor takes after the table scrolled so that it keeps its place on the screen;
// nothing when that row lies outside 1..40.
std::optional<int> ScrolledCursorRow(int currentRow, int savedTopRow, int firstVisibleRow);
// Scrolling moves the cursor for every group except VFO1.
bool ScrollMovesCursor(int group);

// The value a list commits: for the RB column the sequence number minus 1 (0 for an empty
// text), for the others the selected item index.
int ListCommitValue(int col, int selectedIndex, std::string_view text);

// The typed frequency as the cell shows it until the edit is validated: "#0.000000" for a
// number, the text itself otherwise.
std::string TypedFreqDisplay(std::string_view typed);

// Character filters of the frequency box (digits and ".") and the group name box (letters
// and digits). Control codes pass except Ctrl+X, Ctrl+V and Ctrl+C; codes above 127 never do.
bool FreqBoxAccepts(char32_t code);
bool NameBoxAccepts(char32_t code);
inline constexpr int kFreqBoxMaxLength = 9;
inline constexpr int kNameBoxMaxLength = 8;

// The number of an RB cell: the cell's number, or 1 when it is not a number.
int RbCellNumber(std::string_view cellText);

// Window caption: "Channel Information[Channel - 5]---3".
std::string ChannelTableCaption(std::string_view captionText, int currentChannel,
                                std::string_view groupText);

}  // namespace zb
