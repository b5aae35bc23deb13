#pragma once
// The guard of a text box that holds a radio text: nothing gets in but what the user types and
// the box's character rule lets through. No cut, copy or paste by key, no paste of the
// selection by the middle mouse button, no drag and drop, no context menu.

class QFocusEvent;
class QLineEdit;
class QTextEdit;

namespace zb::ui {

// Asked for every character a key or the input method would put into the box (control codes
// such as Backspace included); a key with a refused character is dropped whole.
using CharRule = bool (*)(char32_t code);

// What Enter does in the box: move the focus to the next control, or reach the window's own
// handling untouched.
enum class EnterKey { MovesFocus, ToWindow };

// Installs the guard; it belongs to the box and lives as long as it. Install it after the
// window's own event filter on the box, so that the guard sees every event first.
void GuardRadioText(QLineEdit* box, CharRule accepts, EnterKey enter = EnterKey::MovesFocus);
void GuardRadioText(QTextEdit* box, CharRule accepts, EnterKey enter = EnterKey::MovesFocus);

// Whether a box lost the focus because the user switched to another program (the focus
// comes back to it on return); only a focus change inside the program commits an edit.
bool FocusLeftTheProgram(const QFocusEvent* event);

// A rule for boxes whose window sorts the characters itself.
bool AnyChar(char32_t code);

}  // namespace zb::ui
