#pragma once
// Texts of the frequency rules.

#include "base/text_table.h"

namespace zb::msg {

inline constexpr TextTable RangeError{"Frequency is out of range.", "频率超出范围。"};

// Shown in every language as it stands.
inline constexpr const char* NotNumeric = "Not IsNumeric";

}  // namespace zb::msg
