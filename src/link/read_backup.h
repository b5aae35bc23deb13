#pragma once
// A copy of every successful read: the image as the radio sent it and the document decoded
// from it, kept in the user's data folder under backups/, named by the time of the read
// (20261210-145000.img, .dat, .fre). A read is never undone by a backup that fails.

#include <chrono>
#include <optional>
#include <string>

namespace zb {

struct AppContext;

struct BackupFiles {
    std::string image;     // the 16384-byte image
    std::string data;      // the data file
    std::string channels;  // its channel file
};

// "YYYYMMDD-HHMMSS" in local time.
std::string BackupStamp(std::chrono::system_clock::time_point when);

// Writes the image and the document under `folder` (created when missing) as STAMP.img,
// STAMP.dat and STAMP.fre; when a file of that stamp exists already, "-2", "-3", ... is added,
// so an earlier backup is never overwritten. Leaves the context untouched. On failure returns
// nothing and says why in `error`.
std::optional<BackupFiles> WriteReadBackup(const AppContext& ctx, const std::string& folder,
                                           const std::string& stamp, std::string* error);

// The folder backups go to: <user data folder>/backups.
std::string BackupFolder();

// After a successful read: the backup in BackupFolder(), stamped now. The window that ran the
// read calls it once the conversation has ended with ctx.link.lastSucceeded set; a failure is
// for the user to be told about, the read itself stands.
std::optional<BackupFiles> KeepReadBackup(const AppContext& ctx, std::string* error);

}  // namespace zb
