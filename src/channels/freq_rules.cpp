#include "channels/freq_rules.h"

#include <cctype>
#include <charconv>

#include "app/context.h"

namespace zb {

bool IsNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int digits = 0, points = 0;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) ++digits;
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

std::string FreqTextToStored(const AppContext& ctx, std::string_view text) {
    if (text.empty()) return {};
    std::string s = IsNumber(text) ? std::string(text) : ShortestDecimal(ctx.identity.BandLow[0]);
    std::size_t point = s.find('.');
    if (point == std::string::npos) return s;
    std::string afterPoint = s.substr(point + 1);
    std::size_t i = point + 1;  // 1-based position of the point
    while (i < 3) {
        s.insert(s.begin(), '0');
        ++i;
    }
    return s.substr(0, 2) + afterPoint;
}

}  // namespace zb
