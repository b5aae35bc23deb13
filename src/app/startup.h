#pragma once
// The start-up sequence shared by the GUI and the command-line program.

#include <optional>
#include <string>

namespace zb {

struct AppContext;

struct StartupOptions {
    std::string programFolder;     // empty: the executable's folder
    std::string baseFolder;        // empty: the program folder's parent
    std::string userConfigFolder;  // empty: the platform's; used when the base folder is read-only
    std::optional<int> systemLanguage;  // empty: from the system locale
};

// Folders, version table, settings step and start-up document (defaults, the new-document
// template, the stage copy), in that order. The text tables are constant and need no filling.
void RunStartup(AppContext& ctx, const StartupOptions& options);

}  // namespace zb
