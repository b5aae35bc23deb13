#include "codeplug/identity.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "codeplug/text_util.h"

namespace zb {
namespace {

// A limit as a number, read with "." whatever the user's locale.
std::optional<double> ParseLimit(std::string_view text) {
    if (!IsNumber(text)) return std::nullopt;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void LimitsOf(std::string_view bandText, double& low, double& high) {
    low = 100;
    high = 500;
    std::size_t dash = bandText.find(" - ");
    if (dash == std::string_view::npos) return;
    std::size_t mhz = bandText.find(" MHz", dash + 3);
    auto lo = ParseLimit(bandText.substr(0, dash));
    auto hi = ParseLimit(bandText.substr(dash + 3, mhz == std::string_view::npos
                                                       ? std::string_view::npos
                                                       : mhz - dash - 3));
    if (!lo || !hi) return;
    low = *lo;
    high = *hi;
}

}  // namespace

int BandCodeOf(const std::string& bandText) { return bandText == kStandardBandText ? 0 : 1; }

std::string BandTextOf(int code) { return code == 0 ? kStandardBandText : kWideBandText; }

std::string DisplayModelName(const std::string& name) {
    return name == "ZB347" ? "ZB-347RX" : name;
}

void SetBandLimits(Identity& identity) {
    LimitsOf(kWideBandText, identity.BandLow[1], identity.BandHigh[1]);
    LimitsOf(kStandardBandText, identity.BandLow[0], identity.BandHigh[0]);
}

bool ModelMatches(const Identity& identity, const std::string& radioModel) {
    return CleanText(identity.ModelName) == CleanText(radioModel);
}

void ApplyBandFlags(Identity& identity, int flagA, int flagB) {
    identity.BandText = flagA != 0 ? BandTextOf(1) : BandTextOf(flagB);
}

}  // namespace zb
