#pragma once
// The settings file "language/mysetup.ini" of the base folder, section "language".

#include <functional>
#include <string>

namespace zb {

struct AppContext;

// The settings file to use: "language/mysetup.ini" of the base folder when it can be written
// there; otherwise (an installed program) "mysetup.ini" in the user's configuration folder,
// seeded from the installed file the first time.
// canWrite tells whether a file can be written at a path (tests stand in for the file system).
bool CanWriteAt(const std::string& path);
std::string ChooseSettingsPath(const std::string& baseFolder, const std::string& userConfigFolder,
                               const std::function<bool(const std::string&)>& canWrite = CanWriteAt);

// The settings step of start-up. systemLanguage is 2 on a Chinese (PRC) system, else 1.
void LoadSettings(AppContext& ctx, int systemLanguage);

}  // namespace zb
