#pragma once
// Helpers for the fixed-width texts of the records.

#include <string>
#include <string_view>

#include "codeplug/fixed_text.h"

namespace zb {

// Strip trailing spaces, then cut at the first NUL character.
std::string CleanText(std::string_view text);

// Digits with at most one decimal point and at least one digit (blanks around allowed).
bool IsNumber(std::string_view text);

// The part of a path after its last separator ("\" or "/").
std::string FileNamePart(std::string_view path);

template <std::size_t N>
std::string CleanText(const FixedText<N>& field) {
    return CleanText(std::string_view(field.bytes.data(), N));
}

}  // namespace zb
