#pragma once
// The two lines of the embedded message as the Local Information window shows and stores
// them, and the characters its boxes accept.

#include <string>
#include <string_view>

#include "codeplug/fixed_text.h"

namespace zb {

inline constexpr int kMessageLineWidth = 32;

// The stored line up to its first NUL.
std::string ShownMessageLine(const FixedText<32>& line);
// 32 characters or more are cut to 32; a shorter text is followed by a NUL and blanks.
void StoreMessageLine(FixedText<32>& line, std::string_view text);
// Only 7-bit characters can be typed; Ctrl+X, Ctrl+V and Ctrl+C are not characters here.
bool IsRadioTextCharAccepted(char32_t code);

}  // namespace zb

namespace zb {

// A text of the radio's production record as the Embedded Message window shows it: up to its
// first NUL, trailing blanks removed.
std::string ShownRecordText(std::string_view text);

}  // namespace zb
