#include "codeplug/calendar.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace zb {

CalendarDate Today(const std::optional<CalendarDate>& fixed) {
    if (fixed) return *fixed;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

namespace {

std::string Format(const CalendarDate& d, const char* pattern) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, d.year % 10000, d.month % 100, d.day % 100);
    return buffer;
}

}  // namespace

std::string CompactDate(const CalendarDate& d) { return Format(d, "%04d%02d%02d"); }
std::string ShortDate(const CalendarDate& d) { return Format(d, "%04d/%02d/%02d"); }

std::optional<CalendarDate> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    CalendarDate d;
    auto part = [&](std::size_t pos, std::size_t len, int& out) {
        auto [end, ec] = std::from_chars(text.data() + pos, text.data() + pos + len, out);
        return ec == std::errc() && end == text.data() + pos + len;
    };
    if (!part(0, 4, d.year) || !part(5, 2, d.month) || !part(8, 2, d.day)) return std::nullopt;
    if (d.month < 1 || d.month > 12 || d.day < 1) return std::nullopt;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (d.day > kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0)) return std::nullopt;
    return d;
}

}  // namespace zb
