#pragma once
// Showing a stored value in a drop-down list and reading it back. Selecting an item runs the
// list's click handling (its currentIndexChanged), as a click by the user would, even when the
// item was already selected.

#include <QString>
#include <cstdint>

class QComboBox;

namespace zb::ui {

// The item whose text equals text exactly; item 0 when none matches; empty for an empty list.
QString ListItemByText(const QComboBox* list, const QString& text);
// The item at index when it exists, else item 0; empty for an empty list.
QString ListItemByIndex(const QComboBox* list, int index);
// Select ListItemByText(list, text), or nothing when that is empty.
void SelectListText(QComboBox* list, const QString& text);
// Select ListItemByIndex(list, index), or nothing when that is empty.
void SelectListIndex(QComboBox* list, int index);
// target = the selected text as a 16-bit number, or fallback when nothing is selected or the
// text is not a number.
void ListNumberOr(const QComboBox* list, int16_t& target, int16_t fallback);

}  // namespace zb::ui
