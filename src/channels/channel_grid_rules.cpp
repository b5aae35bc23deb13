#include "channels/channel_grid_rules.h"

#include <charconv>

#include "channels/freq_rules.h"
#include "codeplug/records.h"

namespace zb {

bool IsVfoGroup(int group) { return group == kVfoAGroup || group == kVfoBGroup; }

bool HasCellEditor(int col) {
    switch (col) {
        case 1: case 2: case 3: case 4: case 7: case 8: case 9: case 11: return true;
        default: return false;
    }
}

bool MayEditCell(int group, int row, int col) {
    if (!IsVfoGroup(group)) return true;
    return row == 1 && col != 9;
}

NextColStep GridNextCol(int col, int group) {
    int c = col + 1;
    if (c == 5 || c == 6) c = 7;
    if (IsVfoGroup(group) && c == 9) c = 10;  // a VFO has no scan flag
    if (c == 10) c = 11;
    if (c > 11) c = 14;
    if (c > kLastGridCol) return {1, true};
    return {c, false};
}

int GridNextLine(int row, int group) {
    if (IsVfoGroup(group)) return 1;
    const int next = row + 1;
    return next > kLastGridRow || next < 1 ? 1 : next;
}

void RunCellEntry(GridEditState& state, int row, int col, int group, CellEntryHooks& hooks) {
    if (col < 1 || row < 1) return;
    if (state.SkipEnterCell) {
        state.SkipEnterCell = false;
        return;
    }
    state.CurrentChannel = row;
    hooks.UpdateCaption();

    if (col == 1 && state.RxRedirect) {
        // Arrived here by the redirect below: the pending edit was already taken care of.
        state.RxRedirect = false;
    } else {
        const bool pending = state.EditRow > 0 && state.EditCol > 0;
        if (pending && MayEditCell(group, state.EditRow, state.EditCol)) {
            hooks.CommitPendingEdit();
        }
        // A row without a channel can only be started in the receive column.
        if (col >= 2 && col <= kLastGridCol && !hooks.ReceiveCellHasText(row)) {
            state.EditCol = 1;
            state.EditRow = row;
            state.RxRedirect = true;
            hooks.MoveCursor(row, 1);
            return;
        }
    }
    if (MayEditCell(group, row, col)) hooks.EnterGridEdit();
}

std::optional<int> ScrolledCursorRow(int currentRow, int savedTopRow, int firstVisibleRow) {
    const int row = currentRow - savedTopRow + firstVisibleRow;
    if (row < 1 || row > kLastGridRow) return std::nullopt;
    return row;
}

bool ScrollMovesCursor(int group) { return group != kVfoBGroup; }

int ListCommitValue(int col, int selectedIndex, std::string_view text) {
    if (col != 11) return selectedIndex;
    if (text.empty()) return 0;
    int number = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc{} || end != text.data() + text.size()) return 0;
    return number - 1;
}

std::string TypedFreqDisplay(std::string_view typed) {
    const auto value = ParseFreq(typed);
    if (!value) return std::string(typed);
    return FormatFreqHz(value->RoundedHz());
}

namespace {

constexpr char32_t kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

// nullopt: the code is printable and the box decides; otherwise the verdict.
std::optional<bool> CommonFilter(char32_t code) {
    if (code == kCtrlC || code == kCtrlV || code == kCtrlX || code > 127) return false;
    if (code < 32 || code == 127) return true;  // Backspace and other control codes
    return std::nullopt;
}

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

bool FreqBoxAccepts(char32_t code) {
    if (auto verdict = CommonFilter(code)) return *verdict;
    return IsDigit(code) || code == U'.';
}

bool NameBoxAccepts(char32_t code) {
    if (auto verdict = CommonFilter(code)) return *verdict;
    return IsDigit(code) || (code >= U'a' && code <= U'z') || (code >= U'A' && code <= U'Z');
}

int RbCellNumber(std::string_view cellText) {
    int number = 0;
    auto [end, ec] = std::from_chars(cellText.data(), cellText.data() + cellText.size(), number);
    if (cellText.empty() || ec != std::errc{} || end != cellText.data() + cellText.size()) return 1;
    return number;
}

std::string ChannelTableCaption(std::string_view captionText, int currentChannel,
                                std::string_view groupText) {
    std::string caption(captionText);
    caption += ' ';
    caption += std::to_string(currentChannel);
    caption += "]---";
    caption += groupText;
    return caption;
}

}  // namespace zb
