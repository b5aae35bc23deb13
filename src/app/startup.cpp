#include "app/startup.h"

#include <filesystem>

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "app/folders.h"
#include "app/settings_file.h"
#include "app/system_locale.h"
#include "base/platform_paths.h"
#include "files/templates.h"
#include "files/version_table.h"
#include "testmode/testmode_engine.h"

namespace zb {

void RunStartup(AppContext& ctx, const StartupOptions& options) {
    Folders& f = ctx.folders;
    f.programFolder = options.programFolder.empty() ? ExecutableFolder() : options.programFolder;
    f.baseFolder = options.baseFolder.empty() ? BaseFolderOf(f.programFolder) : options.baseFolder;

    f.executableName = ExecutableFileName();

    LoadVersionTable(ctx);
    ctx.settings.MultiWriteEnabled = 0;

    const std::string userConfig =
        options.userConfigFolder.empty() ? UserConfigFolder() : options.userConfigFolder;
    if (ctx.settings.readOnly) {
        // Nothing is probed, created or copied: the user's own copy when there is one, else the
        // installed file (read only, never written).
        const auto own = std::filesystem::path(userConfig) / "mysetup.ini";
        std::error_code ec;
        ctx.settings.settingsPath = !userConfig.empty() && std::filesystem::exists(own, ec)
                                        ? own.string()
                                        : (std::filesystem::path(f.baseFolder) / "language" / "mysetup.ini").string();
    } else {
        ctx.settings.settingsPath = ChooseSettingsPath(f.baseFolder, userConfig);
    }
    LoadSettings(ctx, options.systemLanguage.value_or(DetectSystemLanguage()));
    ResetDocumentState(ctx);
    StartupInit(ctx);
    ApplyTestModeStartValues(ctx.testMode);
}

}  // namespace zb
