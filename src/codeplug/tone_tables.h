#pragma once
// QT/DQT tones. A ToneIndex is 0 = off, 1..50 = CTCSS, 51..157 = DCS normal,
// 158..264 = DCS inverted.

#include <array>
#include <cstdint>
#include <string>

namespace zb {

inline constexpr int kCtcssCount = 50;
inline constexpr int kDcsCount = 107;
inline constexpr int kToneIndexCount = 1 + kCtcssCount + 2 * kDcsCount;  // 265
inline constexpr int kFirstDcsNormal = 51;
inline constexpr int kFirstDcsInverted = 158;

// CTCSS tones in tenths of Hz.
extern const std::array<uint16_t, kCtcssCount> CtcssTable;
// DCS codes, each held as the value of its octal code (code 017 is 15).
extern const std::array<uint16_t, kDcsCount> DcsTable;

enum class ToneKind { Off, Ctcss, DcsNormal, DcsInverted };

ToneKind ToneKindOf(int toneIndex);  // an index outside 0..264 is Off
bool IsValidToneIndex(int toneIndex);
// The tone's item in the QT/DQT list: "OFF", "67.0", "D017N", "D754I" (same in every language).
std::string ToneListText(int toneIndex);

}  // namespace zb
