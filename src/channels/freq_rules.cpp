#include "channels/freq_rules.h"

#include <cctype>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/context.h"
#include "app/messages.h"
#include "codeplug/text_util.h"

namespace zb {
namespace {

constexpr int64_t kHzPerMHz = 1'000'000;
constexpr int64_t kStepHz = 5'000;
// Integer parts with more digits than this saturate (ten million MHz).
constexpr std::size_t kMaxIntegerDigits = 7;
constexpr int64_t kSaturatedHz = 10'000'000 * kHzPerMHz;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) return false;
    }
    return !text.empty();
}

int BandIndex(int band) { return band > 0 ? 1 : 0; }

void WarnOutOfRange(AppContext& ctx) {
    ctx.prompter->Show(Text(ctx, msg::RangeError), Icon::Warning);
}

}  // namespace

bool IsNumber(std::string_view text) {
    text = TrimBlanks(text);
    int digits = 0, points = 0;
    for (char c : text) {
        if (IsDigit(c)) ++digits;
        else if (c == '.') ++points;
        else return false;
    }
    return digits > 0 && points <= 1;
}

std::string ShortestDecimal(double value) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc{} ? std::string(buf, end) : std::string("0");
}

int BandOfGroup(int group) { return group >= 10 && group != kVfoAGroup ? 1 : 0; }

int64_t FreqValue::RoundedHz() const {
    switch (rest) {
        case Rest::None:
        case Rest::BelowHalf: return wholeHz;
        case Rest::Half: return wholeHz % 2 == 0 ? wholeHz : wholeHz + 1;
        case Rest::AboveHalf: return wholeHz + 1;
    }
    return wholeHz;
}

std::optional<FreqValue> ParseFreq(std::string_view text) {
    if (!IsNumber(text)) return std::nullopt;
    text = TrimBlanks(text);
    std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    if (whole.size() > kMaxIntegerDigits) return FreqValue{kSaturatedHz, FreqValue::Rest::None};

    FreqValue v;
    for (char c : whole) v.wholeHz = v.wholeHz * 10 + (c - '0');
    int64_t micro = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        micro = micro * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
    v.wholeHz = v.wholeHz * kHzPerMHz + micro;

    // Digits below the Hz decide the rounding: compare them with exactly one half.
    std::string_view below = fraction.size() > 6 ? fraction.substr(6) : std::string_view{};
    while (!below.empty() && below.back() == '0') below.remove_suffix(1);
    if (below.empty()) v.rest = FreqValue::Rest::None;
    else if (below.front() < '5') v.rest = FreqValue::Rest::BelowHalf;
    else if (below.front() > '5' || below.size() > 1) v.rest = FreqValue::Rest::AboveHalf;
    else v.rest = FreqValue::Rest::Half;
    return v;
}

int64_t MHzToHz(double mhz) {
    if (auto v = ParseFreq(ShortestDecimal(mhz))) return v->RoundedHz();
    // Negative or exponent forms: only damaged limits give these.
    if (!std::isfinite(mhz)) return 0;
    double hz = std::nearbyint(mhz * static_cast<double>(kHzPerMHz));
    if (hz >= static_cast<double>(kSaturatedHz)) return kSaturatedHz;
    if (hz <= -static_cast<double>(kSaturatedHz)) return -kSaturatedHz;
    return static_cast<int64_t>(hz);
}

std::string FormatFreqHz(int64_t hz) {
    std::string sign = hz < 0 ? "-" : "";
    uint64_t magnitude = hz < 0 ? 0 - static_cast<uint64_t>(hz) : static_cast<uint64_t>(hz);
    std::string micro = std::to_string(magnitude % kHzPerMHz);
    micro.insert(0, 6 - micro.size(), '0');
    return sign + std::to_string(magnitude / kHzPerMHz) + "." + micro;
}

int64_t BandLowHz(const AppContext& ctx, int band) {
    return MHzToHz(ctx.identity.BandLow[BandIndex(band)]);
}

int64_t BandHighHz(const AppContext& ctx, int band) {
    return MHzToHz(ctx.identity.BandHigh[BandIndex(band)]);
}

std::string FreqTextToStored(const AppContext& ctx, std::string_view text) {
    if (text.empty()) return {};
    std::string s = IsNumber(text) ? std::string(TrimBlanks(text))
                                   : ShortestDecimal(ctx.identity.BandLow[0]);
    std::size_t point = s.find('.');
    if (point == std::string::npos) return s;
    std::string afterPoint = s.substr(point + 1);
    // The stored form keeps exactly two integer digits: "8.5" becomes "08" + "5"; surplus
    // leading zeros ("028.5") are dropped rather than shifting the digits.
    std::string whole = s.substr(0, point);
    while (whole.size() > 2 && whole.front() == '0') whole.erase(whole.begin());
    while (whole.size() < 2) whole.insert(whole.begin(), '0');
    return whole.substr(0, 2) + afterPoint;
}

std::string StoredToFreqText(AppContext& ctx, std::string_view stored) {
    std::string s(TrimBlanks(CleanText(stored)));
    if (s.empty() || s == "FFFFFFFF") return {};
    if (!AllDigits(s)) {
        ctx.prompter->Show(msg::NotNumeric);
        return ShortestDecimal(ctx.identity.BandLow[0]);
    }
    std::string text = s.substr(0, 2) + "." + s.substr(std::min<std::size_t>(2, s.size()));
    auto value = ParseFreq(text);  // always a number: digits around one point
    return FormatFreqHz(value ? value->RoundedHz() : 0);
}

int64_t SnapToStep(const AppContext& ctx, int64_t hz, int band) {
    const int64_t base = BandLowHz(ctx, band);
    return hz - (hz - base) % kStepHz;  // truncating remainder: towards the base
}

std::optional<int64_t> FreqInBand(const AppContext& ctx, const FreqValue& freq, int band) {
    const int64_t low = BandLowHz(ctx, band);
    const int64_t high = BandHighHz(ctx, band);
    if (freq.wholeHz < low) return std::nullopt;
    if (freq.wholeHz > high || (freq.wholeHz == high && freq.rest != FreqValue::Rest::None))
        return std::nullopt;
    return SnapToStep(ctx, freq.RoundedHz(), band);
}

int64_t CheckFreqInBand(AppContext& ctx, const FreqValue& freq, bool clamp, int band) {
    if (auto hz = FreqInBand(ctx, freq, band)) return *hz;
    WarnOutOfRange(ctx);
    const bool below = freq.wholeHz < BandLowHz(ctx, band);
    if (!clamp) return 0;
    return below ? BandLowHz(ctx, band) : BandHighHz(ctx, band);
}

int64_t CheckFreqInBand(AppContext& ctx, int64_t hz, bool clamp, int band) {
    return CheckFreqInBand(ctx, FreqValue{hz, FreqValue::Rest::None}, clamp, band);
}

std::string ValidateFreqText(AppContext& ctx, std::string_view value, bool clamp, int group) {
    const int band = BandOfGroup(group);
    int64_t hz = 0;
    if (auto freq = ParseFreq(value)) {
        hz = CheckFreqInBand(ctx, *freq, clamp, band);
    } else {
        WarnOutOfRange(ctx);
        hz = clamp ? BandLowHz(ctx, band) : 0;
    }
    return hz == 0 ? std::string{} : FormatFreqHz(hz);
}

}  // namespace zb
