#pragma once
// Radio texts in the Chinese code page (GBK / CP936) to UTF-8, without iconv or a toolkit.
// Anything that is no character gives U+FFFD; no input can make these fail.

#include <cstdint>
#include <span>
#include <string>

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

}  // namespace zb
