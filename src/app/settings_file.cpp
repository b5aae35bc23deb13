#include "app/settings_file.h"

#include <string_view>

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

int SystemLanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* v : {lcAll, lcMessages, lang}) {
        if (v == nullptr || *v == '\0') continue;
        return std::string_view(v).substr(0, 5) == "zh_CN" ? 2 : 1;
    }
    return 1;
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
}

bool WriteSettingKey(AppContext& ctx, const std::string& key, int value) {
    return WriteProfileString(ctx.settings.settingsPath, kSection, key, std::to_string(value));
}

}  // namespace zb
