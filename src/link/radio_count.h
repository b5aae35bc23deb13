#pragma once
// The number-of-radios dialog of the group write: its key filter and the count it accepts.

#include <optional>
#include <string_view>

namespace zb {

struct AppContext;

inline constexpr int kRadioCountMaxLength = 3;
inline constexpr const char* kRadioCountInitialText = "10";

// The character a typed key leaves in the text box, or 0 when it is discarded: digits, "#",
// "*" and A to D (a to d become capitals) pass, as do Backspace and other control keys except
// Ctrl+X, Ctrl+C and Ctrl+V; everything else, and anything above 127, is discarded. Enter is
// left to the dialog, which moves the focus on.
int FilterRadioCountKey(int ch);

// The count a text stands for: a whole number of 1 to 999. The filter lets "#", "*" and A to
// D through, so a text that is not a plain number is refused rather than read as 0.
std::optional<int> RadioCountOf(std::string_view text);

// OK in the dialog: the next group write covers this many radios. False (nothing changed)
// when the text is not a count.
bool ConfirmRadioCount(AppContext& ctx, std::string_view text);

}  // namespace zb
