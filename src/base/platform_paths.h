#pragma once
// Where the program runs from and where a user's own files go, on each platform.

#include <string>

namespace zb {

// The folder of the running executable, with '/' (or '\' on Windows) as separator; empty when
// the platform cannot tell.
std::string ExecutableFolder();
// The file name of the running executable ("zb347rx", "zb347rx.exe"); empty when unknown.
std::string ExecutableFileName();

// The user's configuration folder for this program ($XDG_CONFIG_HOME/zb347rx or
// ~/.config/zb347rx; %APPDATA%\zb347rx on Windows; ~/Library/Application Support/zb347rx on
// macOS). Not created here.
std::string UserConfigFolder();

// The file that remembers which serial device has which "COM" number (ports.ini in the user's
// configuration folder, which is created); empty when there is none.
std::string PortNumbersFile();

// The user's data folder for this program ($XDG_DATA_HOME/zb347rx or ~/.local/share/zb347rx;
// %LOCALAPPDATA%\zb347rx on Windows; the configuration folder on macOS).
std::string UserDataFolder();

}  // namespace zb
