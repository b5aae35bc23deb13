#include "channels/csv_reader.h"

namespace zb {

std::vector<CsvRow> ReadCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<CsvRow> rows;
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        CsvRow row;
        row.line = line;
        std::string field;
        bool rowEnded = false;
        while (!rowEnded) {
            field.clear();
            if (i < text.size() && text[i] == '"') {
                ++i;
                bool closed = false;
                while (i < text.size()) {
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                        } else {
                            closed = true;
                            break;
                        }
                    } else {
                        if (c == '\n') ++line;
                        field += c;
                    }
                }
                if (!closed) row.damaged = true;
                // Anything between the closing quote and the next separator damages the row.
                while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
                    row.damaged = true;
                    field += text[i++];
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r')
                    field += text[i++];
            }
            row.fields.push_back(field);
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r') ++i;
            if (i < text.size() && text[i] == '\n') ++i;
            ++line;
            rowEnded = true;
        }
        bool blank = !row.damaged;
        for (const std::string& f : row.fields) blank = blank && f.empty();
        if (!blank) rows.push_back(std::move(row));
    }
    return rows;
}

std::string CsvField(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0) out += ',';
        out += CsvField(fields[k]);
    }
    return out + "\r\n";
}

}  // namespace zb
