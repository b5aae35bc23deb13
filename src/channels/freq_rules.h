#pragma once
// Frequency texts: typed text ("28.12"), display text ("28.120000") and stored form
// ("28120000", Hz as 8 decimal digits; empty or "FFFFFFFF" = none), and the band rules.

#include <string>
#include <string_view>

namespace zb {

struct AppContext;

// Digits with at most one decimal point and at least one digit (blanks around allowed).
bool IsNumber(std::string_view text);

// Shortest decimal text of a number ("28", "30.105").
std::string ShortestDecimal(double value);

// Band of a group index: 1 for groups 10..19 and VfoB (21), 0 for groups 0..9 and VfoA (20).
int BandOfGroup(int group);

std::string FreqTextToStored(const AppContext& ctx, std::string_view text);
std::string StoredToFreqText(AppContext& ctx, std::string_view stored);
double SnapToStep(const AppContext& ctx, double freqMHz, int band);
double CheckFreqInBand(AppContext& ctx, double freqMHz, bool clamp, int band);
std::string ValidateFreqText(AppContext& ctx, std::string_view value, bool clamp, int group);

}  // namespace zb
