#pragma once
// Comma-separated text as spreadsheets and other radio programs write it: an optional UTF-8
// byte-order mark, LF or CRLF line ends, fields in double quotes that may hold commas, line
// breaks and doubled quotes. Rows may have more or fewer fields than the header.

#include <string>
#include <string_view>
#include <vector>

namespace zb {

struct CsvRow {
    int line = 0;  // line of the file (1-based) on which the row starts
    std::vector<std::string> fields;
    bool damaged = false;  // a quote that is never closed, or text glued to a closing quote
};

// Every row of the text, blank lines left out.
std::vector<CsvRow> ReadCsv(std::string_view text);

// One field as a writer puts it: quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view value);
// Fields joined by commas, ended by CRLF (what spreadsheets expect).
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace zb
