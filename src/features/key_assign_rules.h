#pragma once
// The function codes of the two programmable keys and where they stand in the key lists.
//
// Texts: entry 0 "None" (code 255), entry 1 "Reserved1" (codes 0 and 1), entry c for the
// codes c = 2..11 ("Reserved2" is code 8). The pick list offers ten of them.

#include <array>
#include <cstdint>
#include <optional>

namespace zb {

inline constexpr int16_t kKeyFunctionNone = 255;
inline constexpr int kKeyPickCount = 10;
// The code of each pick-list position.
inline constexpr std::array<int16_t, kKeyPickCount> kKeyPickCodes{255, 2, 3, 4, 5, 6, 7, 9, 10, 11};

// The entry of the function text table for a code; nothing for a code without text.
std::optional<int> KeyFunctionTextEntry(int code);
// The pick-list position of a code; nothing when the code is not offered (0, 1, 8, unknown).
std::optional<int> KeyPickPosition(int code);
// The code of a pick-list position; nothing for a position outside the list.
std::optional<int16_t> KeyCodeOfPosition(int position);

}  // namespace zb
