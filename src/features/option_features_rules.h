#pragma once
// The option features editor without its widgets: which field each control edits, the items
// of every list, what a control shows for a stored value, and the rules applied when the user
// changes a control.
//
// Controls are numbered: n for list n (0..28), 100 + n for check box n (0..8).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_table.h"
#include "codeplug/records.h"

namespace zb {

inline constexpr int kOptionListCount = 29;   // lists 0..28
inline constexpr int kOptionCheckBase = 100;  // check boxes 100..108
inline constexpr int kOptionCheckCount = 9;
inline constexpr int kPowerOnTextLength = 8;

// Battery protection lists, in tenths of a volt.
inline constexpr int kBatteryLowest = 90;
inline constexpr int kBatteryHighest = 170;
inline constexpr int kBatteryGap = 5;
inline constexpr int kBatteryMaxFloor = 95;

inline bool IsOptionList(int control) { return control >= 0 && control < kOptionListCount; }
inline bool IsOptionCheck(int control) {
    return control >= kOptionCheckBase && control < kOptionCheckBase + kOptionCheckCount;
}

// The caption of a control in a language, its unit appended.
std::string OptionCaption(int control, int languageIndex);
// Whether the control is shown to the user; the others stay hidden and are never changed.
bool IsOptionControlVisible(int control);
// The visible lists in screen order: the left column top to bottom, then the right column.
const std::vector<int>& VisibleListOrder();
// The visible check boxes in screen order.
const std::vector<int>& VisibleCheckOrder();

// The items of list n in a language; item i stores i plus the list's offset.
std::vector<std::string> OptionListItems(int list, int languageIndex);
int OptionListItemCount(int list);
int OptionListOffset(int list);

// The stored field a control edits; nullptr for a number that is no control.
int16_t* OptionControlField(CodeplugData& data, int control);
const int16_t* OptionControlField(const CodeplugData& data, int control);

// The item a list shows: the stored value less the offset, or the first item when that lies
// outside the list.
int ShownListPosition(const CodeplugData& data, int list);
// A check box shows a stored 0 or 1 as it is; another value shows unchecked for boxes
// 100..105 and checked for 106..108.
bool ShownCheckState(const CodeplugData& data, int check);
// Enable rules from what the controls show: list 2 needs list 1 on, list 28 needs a VOX
// level, boxes 102..104 are locked while box 100 is checked.
bool IsOptionControlEnabled(const CodeplugData& data, int control);

// Stores one control's state (list position or check state 0/1) and applies its rule:
// battery limits for lists 10 and 11, Rx NC and NrBypass exclude each other, checking box
// 100 clears boxes 102..104. Other numbers, and positions outside the list, change nothing.
void SaveOptFeat(CodeplugData& data, int control, int state);

// Battery rules on tenths of a volt: the maximum stays at least 0.5 V above the minimum.
void ApplyBatteryMinChosen(int16_t& minimum, int16_t& maximum);
void ApplyBatteryMaxChosen(int16_t& minimum, int16_t& maximum);

// Power-on text: the stored text cut at NUL, stripped and padded to 8; one character per box,
// an empty box for a blank.
std::array<std::string, kPowerOnTextLength> PowerOnTextBoxes(const FixedText<8>& text);
// Rebuilds the stored text from the eight boxes in order; an empty box gives a blank, a box
// holds one byte.
void StorePowerOnText(FixedText<8>& text, const std::array<std::string, kPowerOnTextLength>& boxes);

enum class PowerOnKey {
    Discard,              // Ctrl+X, Ctrl+C, Ctrl+V, "\", "~", and characters wider than a byte
    DiscardAndMoveFocus,  // Enter
    AcceptAndMoveFocus,   // printable ASCII
    Pass,                 // Backspace and the other keys, unchanged
};
// What a key typed into a power-on box does, by its character code.
PowerOnKey ClassifyPowerOnKey(char32_t code);

}  // namespace zb
