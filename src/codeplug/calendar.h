#pragma once
// Today's date for the defaults that carry it (serial numbers, RMG dates). A fixed date can be
// set so templates and tests come out the same on every run.

#include <optional>
#include <string>

namespace zb {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// The fixed date when given, else the local date of the system clock.
CalendarDate Today(const std::optional<CalendarDate>& fixed);

// "20261210"
std::string CompactDate(const CalendarDate& d);
// The short date form used in the RMG record: "2026/12/10".
std::string ShortDate(const CalendarDate& d);
// "YYYY-MM-DD" into a date; nothing when the text is not such a date.
std::optional<CalendarDate> ParseIsoDate(const std::string& text);

}  // namespace zb
