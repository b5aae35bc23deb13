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
    std::string FirmwareVersion = "V200";           // replaced by the radio's on identification
    std::array<double, 2> BandLow{28.0, 24.0};      // MHz, band 0 and band 1
    std::array<double, 2> BandHigh{29.7, 30.105};
};

}  // namespace zb
