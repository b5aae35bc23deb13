#pragma once
// Rules of the DTMF editor: what its text boxes accept, how the ID code, the stun code and the
// autodial memory are stored, and how the stored values stand in its lists.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/fixed_text.h"

namespace zb {

struct OptionSettingsRecord;

inline constexpr int kIdCodeWidth = 10;
inline constexpr int kIdCodeMinDigits = 3;
inline constexpr int kStunCodeWidth = 10;
inline constexpr int kDtmfMemoryWidth = 16;
inline constexpr int kDtmfMemoryRows = 8;
inline constexpr const char* kIdCodeReset = "000";

// Key filters: the character a typed one puts into the box, or 0 when it is discarded.
// ID code: the digits only. Stun code and memory: digits, "#", "*", A..D (a..d become capitals).
char32_t IdCodeKey(char32_t typed);
char32_t DtmfSymbolKey(char32_t typed);

// The ID code as its box shows it: up to the first NUL, blanks removed on both sides.
std::string ShownIdCode(const FixedText<kIdCodeWidth>& code);
// A text of at least three characters is stored (cut to the width); a shorter one is refused
// and the field keeps its value.
bool StoreIdCode(FixedText<kIdCodeWidth>& code, std::string_view text);

// Position of a stored value in a list of itemCount items: the value itself, or the first
// item when it is out of range.
int ShownListPosition(int stored, int itemCount);

// First digit delay: 19 items "100" .. "1000" in steps of 50 ms; the stored value is in 10 ms.
std::vector<std::string> FirstDigitDelayItems();
int FirstDigitDelayPosition(int stored);  // the item of stored x 10, else the first
int16_t FirstDigitDelayValue(int position);

// Group code list: "Off", then A, B, C, D, #, * stored as their character codes.
inline constexpr char kGroupCodeChars[] = {'A', 'B', 'C', 'D', '#', '*'};
inline constexpr int kGroupCodeItems = 7;
int GroupCodePosition(int stored);  // 0 ("Off") for 0 and for a code not in the list
int16_t GroupCodeOfPosition(int position);

// Autodial memory: the text of the row's entry (rows 1..8), empty when the row has none.
std::string ShownMemoryRow(const OptionSettingsRecord& settings, int row);
// Updates the row's entry with the text left in its cell: an empty text removes the entry (the
// later ones move up), any other text is stored (cut to 16, or followed by a NUL and blanks);
// a row without entry gets one appended, but not for an empty text.
void StoreMemoryRow(OptionSettingsRecord& settings, int row, std::string_view text);

}  // namespace zb
