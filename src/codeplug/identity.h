#pragma once
// The identity of the radio the program works with: model name, band text and band limits.

#include <array>
#include <string>

namespace zb {

inline constexpr const char* kStandardBandText = "28.000000 - 29.700000 MHz";
inline constexpr const char* kWideBandText = "24.000000 - 30.105000 MHz";

struct Identity {
    std::string ModelName = "ZB347";                // current model name
    std::string BandText = kStandardBandText;       // current band text
    std::array<double, 2> BandLow{28.0, 24.0};      // MHz, band 0 and band 1
    std::array<double, 2> BandHigh{29.7, 30.105};
};

}  // namespace zb

namespace zb {

// 0 for exactly the standard band text, 1 for anything else.
int BandCodeOf(const std::string& bandText);
// The standard band text for 0, the wide band text for any other code.
std::string BandTextOf(int code);
// "ZB-347RX" for exactly "ZB347", else the name itself (status bar).
std::string DisplayModelName(const std::string& name);
// Band limits of both bands from the two band texts; a text that is not "LOW - HIGH MHz" with
// numeric limits gives 100 and 500.
void SetBandLimits(Identity& identity);
// Whether the model text a radio reported is the program's model.
bool ModelMatches(const Identity& identity, const std::string& radioModel);
// The current band follows the radio's band flags.
void ApplyBandFlags(Identity& identity, int flagA, int flagB);

}  // namespace zb
