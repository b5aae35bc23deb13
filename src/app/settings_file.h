#pragma once
// The settings file "language/mysetup.ini" of the base folder, section "language".

#include <string>

namespace zb {

struct AppContext;

// The settings step of start-up. systemLanguage is 2 on a Chinese (PRC) system, else 1.
void LoadSettings(AppContext& ctx, int systemLanguage);

// Writes one key of section "language" as decimal text; false when it cannot be written.
bool WriteSettingKey(AppContext& ctx, const std::string& key, int value);

// 2 when the locale variables (LC_ALL, then LC_MESSAGES, then LANG) name zh_CN, else 1.
int SystemLanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace zb
