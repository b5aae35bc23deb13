#include "files/version_table.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <map>

#include "app/context.h"
#include "base/file_util.h"
#include "base/ini_file.h"
#include "base/messages.h"
#include "codeplug/text_util.h"
#include "files/file_texts.h"

namespace zb {
namespace {

const TextTable kTableProblem{
    "The version table Version.ini is missing, unreadable or lists no versions, so every data "
    "file and every radio counts as incompatible.",
    "版本表 Version.ini 缺失、无法读取或未列出任何版本，所有数据文件和电台都将被视为不兼容。"};
const TextTable kLookedFor{"Looked for:", "查找位置："};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// One section's values by key (keys ignore case; the first of a repeated key counts, as a
// profile look-up finds it), each cleaned as the table's values are.
std::map<std::string, std::string> SectionValues(const IniFile& ini, std::string_view section) {
    std::map<std::string, std::string> values;
    for (auto& [key, value] : ini.Entries(section)) {
        std::string_view v = value;
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        values.emplace(Lower(key), CleanText(v));
    }
    return values;
}

std::string ValueOf(const std::map<std::string, std::string>& values, const std::string& key) {
    auto it = values.find(Lower(key));
    return it == values.end() ? std::string() : it->second;
}

int ReadCount(const std::map<std::string, std::string>& values, const std::string& key) {
    auto value = ParseInt16(ValueOf(values, key));
    return value && *value > 0 ? *value : 0;
}

}  // namespace

void LoadVersionTable(AppContext& ctx) {
    const std::string path = (std::filesystem::path(ctx.folders.baseFolder) / "Version.ini").string();
    VersionTable& t = ctx.versions;
    t = VersionTable{};
    t.path = path;
    std::string text = ReadFileBytes(path).value_or("");
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a UTF-8 byte-order mark
    const IniFile ini = IniFile::Parse(text);
    // Each section is read once; the counts only say how many keys to look up, and only keys
    // the file holds become entries.
    const auto version = SectionValues(ini, "Version");
    const auto soft = SectionValues(ini, "Soft");
    const auto firm = SectionValues(ini, "Firm");
    t.CurrentVersion = ValueOf(version, "CurrentVersion");
    const int softCount = ReadCount(version, "SoftVersionCount");
    for (int i = 0; i < softCount; ++i) {
        auto it = soft.find("version" + std::to_string(i));
        if (it != soft.end()) t.SoftVersions.push_back(it->second);
    }
    const int firmCount = ReadCount(version, "FirmVersionCount");
    for (int i = 0; i < firmCount; ++i) {
        auto it = firm.find("firm" + std::to_string(i));
        if (it == firm.end()) continue;
        const std::string& entry = it->second;
        t.Firm.emplace_back(entry.substr(0, 4), entry.size() > 4 ? entry.substr(4, 4) : "");
    }
}

bool ReportVersionTableProblem(AppContext& ctx) {
    VersionTable& t = ctx.versions;
    if (!t.Firm.empty() || t.problemReported) return false;
    t.problemReported = true;
    Message m;
    m.text = Text(ctx, kTableProblem);
    m.icon = Icon::Warning;
    m.detail = Text(ctx, kLookedFor) + " " + (t.path.empty() ? std::string("Version.ini") : t.path);
    ctx.prompter->Ask(m);
    return true;
}

bool IsVersionText(std::string_view text) {
    const std::string t = CleanText(text);
    if (t.size() != 4 || t[0] != 'V') return false;
    // The last three characters must read as a number as a whole ("200", "2.0").
    double value = 0;
    const char* first = t.data() + 1;
    const char* last = t.data() + t.size();
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    return ec == std::errc() && end == last;
}

bool IsCompatible(const AppContext& ctx, std::string_view software, std::string_view partner) {
    for (const auto& [soft, other] : ctx.versions.Firm)
        if (soft == software && other == partner) return true;
    return false;
}

std::string FolderFor(const AppContext& ctx, std::string_view partner) {
    for (const auto& [soft, other] : ctx.versions.Firm)
        if (other == partner) return soft;
    return {};
}

std::string ShownVersion(std::string_view version) {
    if (version.size() < 4) return std::string(version);
    return std::string(version.substr(0, 2)) + "." + std::string(version.substr(2, 2));
}

std::string VersionQuestion(const AppContext& ctx, std::string_view software,
                            std::string_view partner, int kind) {
    const TextTable& label = kind == 0 ? msg::FirmwareLabel : msg::DataFileLabel;
    return Text(ctx, msg::VersionQuestionText) + "\r\n" + Text(ctx, label) + " " +
           ShownVersion(partner) + "\r\n" + Text(ctx, msg::SoftwareLabel) + " " +
           ShownVersion(software);
}

bool StartVersion(AppContext& ctx, std::string_view partner) {
    const std::string folder = FolderFor(ctx, partner);
    if (!folder.empty()) {
        const std::string path = (std::filesystem::path(ctx.folders.baseFolder) / folder /
                                  ctx.folders.executableName).string();
        if (ctx.launcher->StartAndQuit(path)) return true;
    }
    ctx.prompter->Show(Text(ctx, msg::MissingVersion), Icon::Critical);
    return false;
}

}  // namespace zb
