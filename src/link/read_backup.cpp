#include "link/read_backup.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/context.h"
#include "base/file_util.h"
#include "base/platform_paths.h"
#include "files/data_files.h"

namespace zb {

namespace fs = std::filesystem;

std::string BackupStamp(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d-%02d%02d%02d", (local.tm_year + 1900) % 10000,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return buffer;
}

std::optional<BackupFiles> WriteReadBackup(const AppContext& ctx, const std::string& folder,
                                           const std::string& stamp, std::string* error) {
    auto fail = [&](const std::string& why) -> std::optional<BackupFiles> {
        if (error) *error = why;
        return std::nullopt;
    };
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) return fail("cannot create the folder " + folder);

    BackupFiles files;
    for (int n = 1;; ++n) {
        if (n > 999) return fail("no free backup name in " + folder);
        const std::string base =
            (fs::path(folder) / (n == 1 ? stamp : stamp + "-" + std::to_string(n))).string();
        files = {base + ".img", base + ".dat", base + ".fre"};
        if (!fs::exists(files.image, ec) && !fs::exists(files.data, ec) && !fs::exists(files.channels, ec))
            break;
    }
    const auto [data, channels] = DocumentFileBytes(ctx);
    const std::string image(ctx.Image.begin(), ctx.Image.end());
    if (!WriteFilesAtomically({{files.image, image}, {files.data, data}, {files.channels, channels}}))
        return fail("cannot write " + files.image + " and its document");
    return files;
}

std::string BackupFolder() {
    const std::string data = UserDataFolder();
    return data.empty() ? std::string() : (fs::path(data) / "backups").string();
}

std::optional<BackupFiles> KeepReadBackup(const AppContext& ctx, std::string* error) {
    const std::string folder = BackupFolder();
    if (folder.empty()) {
        if (error) *error = "there is no user data folder";
        return std::nullopt;
    }
    return WriteReadBackup(ctx, folder, BackupStamp(std::chrono::system_clock::now()), error);
}

}  // namespace zb
