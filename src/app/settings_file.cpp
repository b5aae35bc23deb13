#include "app/settings_file.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "app/context.h"
#include "app/ini_file.h"
#include "codeplug/identity.h"

namespace zb {
namespace {

constexpr const char* kSection = "language";

int ReadInt(const IniFile& ini, const char* key, int fallback) {
    auto text = ini.Get(kSection, key);
    if (!text) return fallback;
    auto value = ParseInt16(*text);
    return value ? *value : fallback;
}

}  // namespace

// True when a file can be written at path: an existing file opens for appending (nothing is
// added), a missing one can be created in its folder (the probe is removed again).
bool CanWriteAt(const std::string& pathText) {
    const std::filesystem::path path(pathText);
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        std::ofstream probe(path, std::ios::binary | std::ios::app);
        return probe.is_open();
    }
    std::filesystem::create_directories(path.parent_path(), ec);
    std::filesystem::path probePath = path;
    probePath += ".probe";
    bool ok = std::ofstream(probePath, std::ios::binary).is_open();
    std::filesystem::remove(probePath, ec);
    return ok;
}

std::string ChooseSettingsPath(const std::string& baseFolder, const std::string& userConfigFolder,
                               const std::function<bool(const std::string&)>& canWrite) {
    namespace fs = std::filesystem;
    const fs::path installed = fs::path(baseFolder) / "language" / "mysetup.ini";
    if (userConfigFolder.empty() || canWrite(installed.string())) return installed.string();
    const fs::path own = fs::path(userConfigFolder) / "mysetup.ini";
    std::error_code ec;
    if (!fs::exists(own, ec) && fs::exists(installed, ec)) {
        fs::create_directories(own.parent_path(), ec);
        fs::copy_file(installed, own, ec);
    }
    return own.string();
}

void LoadSettings(AppContext& ctx, int systemLanguage) {
    Settings& s = ctx.settings;
    if (s.settingsPath.empty()) s.settingsPath = ctx.folders.baseFolder + "/language/mysetup.ini";
    s.LanguageIndex = s.SystemLanguage = s.PreviousLanguage = systemLanguage;

    const IniFile ini = IniFile::Load(s.settingsPath);
    const bool firstRun = ReadInt(ini, "IsFirstRun", 0) != 0;
    ctx.identity = Identity{};
    s.ComPort = ReadInt(ini, "comPort", 1);
    s.Handshaking = ReadInt(ini, "Handshaking", 0);
    s.StopBit = ReadInt(ini, "StopBit", 1);
    if (firstRun) {
        WriteSettingKey(ctx, "IsFirstRun", 0);
    } else {
        int language = ReadInt(ini, "CurrentLanguage", systemLanguage);
        // Only 1 and 2 select a text; anything else would index outside the text tables.
        s.LanguageIndex = (language == 1 || language == 2) ? language : systemLanguage;
    }
    WriteSettingKey(ctx, "comPort", s.ComPort);
    WriteSettingKey(ctx, "CurrentLanguage", s.LanguageIndex);
    SetBandLimits(ctx);
    ctx.groupWrite = GroupWriteState{};
}

bool WriteSettingKey(AppContext& ctx, const std::string& key, int value) {
    if (ctx.settings.readOnly) return true;
    return WriteProfileString(ctx.settings.settingsPath, kSection, key, std::to_string(value));
}

}  // namespace zb
