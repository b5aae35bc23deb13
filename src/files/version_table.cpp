#include "files/version_table.h"

#include <charconv>
#include <filesystem>

#include "app/context.h"
#include "base/ini_file.h"
#include "codeplug/text_util.h"
#include "files/file_texts.h"

namespace zb {
namespace {

std::string ReadClean(const IniFile& ini, std::string_view section, const std::string& key) {
    return CleanText(ini.Get(section, key).value_or(""));
}

int ReadCount(const IniFile& ini, std::string_view key) {
    auto value = ParseInt16(ReadClean(ini, "Version", std::string(key)));
    return value && *value > 0 ? *value : 0;
}

}  // namespace

void LoadVersionTable(AppContext& ctx) {
    const std::string path = (std::filesystem::path(ctx.folders.baseFolder) / "Version.ini").string();
    const IniFile ini = IniFile::Load(path);
    VersionTable& t = ctx.versions;
    t = VersionTable{};
    t.CurrentVersion = ReadClean(ini, "Version", "CurrentVersion");
    const int softCount = ReadCount(ini, "SoftVersionCount");
    for (int i = 0; i < softCount; ++i)
        t.SoftVersions.push_back(ReadClean(ini, "Soft", "Version" + std::to_string(i)));
    const int firmCount = ReadCount(ini, "FirmVersionCount");
    for (int i = 0; i < firmCount; ++i) {
        const std::string entry = ReadClean(ini, "Firm", "Firm" + std::to_string(i));
        t.Firm.emplace_back(entry.substr(0, 4), entry.size() > 4 ? entry.substr(4, 4) : "");
    }
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
