#pragma once
// Program settings set at start-up (language, serial settings, folders).

#include <string>

namespace zb {

inline constexpr const char* kSettingsSection = "language";  // the section of mysetup.ini

struct Folders {
    std::string programFolder;  // the executable's folder
    std::string baseFolder;     // its parent: "language", "Version.ini" live here
    std::string executableName; // the program's own file name (other versions share it)
};

struct Settings {
    int LanguageIndex = 1;     // 1 English, 2 Chinese (0 only through the language dialog)
    int SystemLanguage = 1;    // from the system locale
    int PreviousLanguage = 1;  // before the last change in the language dialog
    int ComPort = 1;           // serial port number ("COM" + number)
    int Handshaking = 0;       // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both
    int StopBit = 1;           // 1 or 2
    int MultiWriteEnabled = 0; // shows "Write to Group of Radios" when 1
    std::string settingsPath;  // the mysetup.ini in use
    bool readOnly = false;     // read the settings file, never write it (read-only commands)
};

// Writes one key of section "language" of the settings file as decimal text; false when it
// cannot be written.
bool WriteSettingKey(const Settings& settings, const std::string& key, int value);

}  // namespace zb
