#include "base/settings.h"

#include "base/ini_file.h"

namespace zb {

bool WriteSettingKey(const Settings& settings, const std::string& key, int value) {
    if (settings.readOnly) return true;
    return WriteProfileString(settings.settingsPath, kSettingsSection, key, std::to_string(value));
}

}  // namespace zb
