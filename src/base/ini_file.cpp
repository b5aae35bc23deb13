#include "base/ini_file.h"

#include "base/file_util.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace zb {
namespace {

std::string_view Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// "[name]" gives name; anything else gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// "key = value" gives key and value; comments and other lines give nothing.
bool SplitEntry(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return false;
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

}  // namespace

IniFile IniFile::Parse(std::string_view content) {
    IniFile ini;
    ini.eol_ = content.find("\r\n") != std::string_view::npos || content.empty() ? "\r\n" : "\n";
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t nl = content.find('\n', pos);
        std::string_view line = content.substr(pos, nl == std::string_view::npos ? nl : nl - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ini.lines_.emplace_back(line);
        if (nl == std::string_view::npos) break;
        pos = nl + 1;
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return IniFile{};
    std::ostringstream buf;
    buf << in.rdbuf();
    return Parse(buf.str());
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        std::string_view k, v;
        if (inSection && SplitEntry(line, k, v) && SameName(k, key)) {
            if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
            return std::string(v);
        }
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string entry = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::optional<std::size_t> lastOfSection;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = SectionName(lines_[i])) {
            inSection = SameName(*name, section);
            if (inSection) lastOfSection = i;
            continue;
        }
        if (!inSection) continue;
        std::string_view k, v;
        if (SplitEntry(lines_[i], k, v)) {
            if (SameName(k, key)) {
                lines_[i] = entry;
                return;
            }
            lastOfSection = i;
        }
    }
    if (lastOfSection) {
        lines_.insert(lines_.begin() + static_cast<long>(*lastOfSection) + 1, entry);
        return;
    }
    while (!lines_.empty() && Trim(lines_.back()).empty()) lines_.pop_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(entry);
}

std::vector<std::pair<std::string, std::string>> IniFile::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        std::string_view k, v;
        if (inSection && SplitEntry(line, k, v)) entries.emplace_back(k, v);
    }
    return entries;
}

std::string IniFile::Text() const {
    std::string out;
    for (const std::string& line : lines_) out += line + eol_;
    return out;
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
    auto v = IniFile::Load(path).Get(section, key);
    return v ? *v : std::string(fallback);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    IniFile ini = IniFile::Load(path);
    ini.Set(section, key, value);
    return WriteFileAtomically(path, ini.Text());
}

std::optional<int> ParseInt16(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < -32768 || value > 32767) return std::nullopt;
    return value;
}

}  // namespace zb
