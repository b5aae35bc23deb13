#pragma once
// Helpers for the fixed-width texts of the records.

#include <string>
#include <string_view>

#include "codeplug/fixed_text.h"

namespace zb {

// Strip trailing spaces, then cut at the first NUL character.
std::string CleanText(std::string_view text);

// A stored frequency (8 decimal digits in Hz) as "#0.000000" for display only; empty for none
// (empty or "FFFFFFFF"); a form that is not 8 digits is shown as it stands.
std::string StoredFreqDisplay(std::string_view stored);

// The part of a path after its last separator ("\" or "/").
std::string FileNamePart(std::string_view path);

template <std::size_t N>
std::string CleanText(const FixedText<N>& field) {
    return CleanText(std::string_view(field.bytes.data(), N));
}

// A text of the field's width or longer is stored cut to the width; a shorter one is stored
// followed by a NUL and blanks, so a reader can tell where it ends.
template <std::size_t N>
void StoreTextWithNul(FixedText<N>& field, std::string_view text) {
    if (text.size() >= N) {
        field.Set(text.substr(0, N));
    } else {
        field.Set(std::string(text) + '\0');
    }
}

}  // namespace zb
