#pragma once
// The one conversion between the bytes of a radio text (group names, message lines, the
// radio's record texts: 8-bit, in the Chinese code page GBK) and what a window shows.
// Radio bytes never go through UTF-8 decoding: that turns every double-byte character into
// U+FFFD and, written back, destroys the text.

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace zb::ui {

QString FromRadioText(std::string_view bytes);

// A character without a code becomes "?"; at most maxBytes bytes, never half a character.
std::string ToRadioText(const QString& text, std::size_t maxBytes = std::string::npos);

// Keeps a box's text within the bytes its field holds: a Chinese character takes two, so a
// length in characters alone would let the stored text be cut.
void LimitRadioTextBytes(QLineEdit* box, std::size_t maxBytes);

}  // namespace zb::ui
