#pragma once
// Radio texts in the Chinese code page (GBK / CP936) to UTF-8, without iconv or a toolkit.
// Anything that is no character gives U+FFFD; no input can make these fail.

#include <cstdint>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zb {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// The character of a double-byte pair, or U+FFFD.
char32_t GbkPairToUnicode(uint8_t lead, uint8_t trail);
// The character of a single byte: ASCII, 0x80 (euro sign), otherwise U+FFFD.
char32_t GbkSingleToUnicode(uint8_t byte);

// Bytes above 127 start a double-byte character; a lead byte without a valid trail byte
// gives U+FFFD and the next byte is read on its own.
std::string GbkToUtf8(std::span<const uint8_t> bytes);
// Every byte read on its own.
std::string GbkSingleBytesToUtf8(std::span<const uint8_t> bytes);

void AppendUtf8(std::string& out, char32_t cp);

// The other way: the code-page bytes of a character (one byte for ASCII and the single-byte
// characters, two for a pair), or nothing when the code page has no such character.
std::string UnicodeToGbk(char32_t cp);

// Characters to code-page bytes; a character without a code becomes "?". The result holds
// at most maxBytes bytes and never half of a double-byte character.
std::string UnicodeToGbk(std::u32string_view text, std::size_t maxBytes = std::string::npos);

}  // namespace zb
