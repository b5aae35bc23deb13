#pragma once
// Frequency texts: typed text ("28.12"), display text ("28.120000") and stored form
// ("28120000", Hz as 8 decimal digits; empty or "FFFFFFFF" = none), and the band rules.
//
// All arithmetic is done on whole Hz read exactly from the decimal text, so no value drifts
// through binary floating point (29.7 stays 29.700000, 28.0049 snaps to 28.000000).

#include <cstdint>
#include <optional>
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

// A frequency read exactly from a decimal MHz text: the whole Hz and what follows below 1 Hz.
struct FreqValue {
    enum class Rest { None, BelowHalf, Half, AboveHalf };
    int64_t wholeHz = 0;  // truncated to the Hz
    Rest rest = Rest::None;

    // Nearest whole Hz, ties to even.
    int64_t RoundedHz() const;
};

// The value of a number text (see IsNumber) in MHz; nullopt when it is not a number. Values of
// ten million MHz and more saturate there (they are outside every band anyway).
std::optional<FreqValue> ParseFreq(std::string_view text);

// A band limit (MHz, as the identity holds it) in whole Hz, read from its shortest decimal text.
int64_t MHzToHz(double mhz);

// "#0.000000": at least one integer digit, "." and exactly six decimals.
std::string FormatFreqHz(int64_t hz);

// Limits of band 0, or of band 1 for any other band number, in Hz.
int64_t BandLowHz(const AppContext& ctx, int band);
int64_t BandHighHz(const AppContext& ctx, int band);

// Stored form of a display or typed text (empty for empty; not a number gives the form of the
// band-0 low limit). The caller stores it into the 8-character field, which pads or cuts it.
std::string FreqTextToStored(const AppContext& ctx, std::string_view text);

// Display text of a stored form; blanks around it and anything from a NUL on are ignored.
// Empty or "FFFFFFFF" gives the empty text; a form that is not all digits shows "Not IsNumeric"
// and gives the shortest text of the band-0 low limit ("28").
std::string StoredToFreqText(AppContext& ctx, std::string_view stored);

// The frequency truncated down to the 5 kHz grid that starts at the band's low limit.
int64_t SnapToStep(const AppContext& ctx, int64_t hz, int band);

// Inside the band (both limits included): the snapped frequency; outside: nothing. No message.
std::optional<int64_t> FreqInBand(const AppContext& ctx, const FreqValue& freq, int band);

// Inside the band (both limits included): the snapped frequency, silently. Outside: the
// "out of range" warning, then the nearer limit when clamp, else 0.
int64_t CheckFreqInBand(AppContext& ctx, const FreqValue& freq, bool clamp, int band);
int64_t CheckFreqInBand(AppContext& ctx, int64_t hz, bool clamp, int band);

// A typed frequency checked against the band of a group: its display text, or the empty text
// when it is refused without clamp. A text that is not a number gets the warning and becomes
// the band's low limit when clamp, else empty.
std::string ValidateFreqText(AppContext& ctx, std::string_view value, bool clamp, int group);

}  // namespace zb
