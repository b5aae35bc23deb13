#pragma once
// Whole-file reads that refuse what is not a plain file of a sane size, and writes that never
// leave a half-written file in place.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zb {

// The largest file ReadFileBytes reads whole: far above any file of this program.
inline constexpr std::size_t kWholeFileLimit = 16u << 20;

// The first `limit` bytes of a regular file, and the file's whole size on disk.
struct FileHead {
    std::string bytes;
    std::uintmax_t size = 0;
};

// Reads at most `limit` bytes of a regular file. A missing file, a folder, a device or a pipe
// gives nothing at once (nothing but a regular file is opened, so a pipe cannot block), with
// the system's reason in *error.
std::optional<FileHead> ReadFileHead(const std::string& path, std::size_t limit,
                                     std::string* error = nullptr);

// A whole regular file of at most `limit` bytes; nothing (and the reason) otherwise.
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t limit = kWholeFileLimit,
                                         std::string* error = nullptr);

// Replaces `to` with `from` in one step; false with the reason in error. Tests put a failing
// one in place of the system's.
using RenameFunction =
    std::function<bool(const std::string& from, const std::string& to, std::string& error)>;
bool SystemRename(const std::string& from, const std::string& to, std::string& error);

// Writes bytes to a temporary file beside path, then replaces path with it. On failure the old
// file is left whole and false is returned.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         std::string* error = nullptr);

// Replaces several files as one step. Every (path, bytes) pair is first written completely to a
// temporary file of its own (a short name in the target's folder, so the longest names still
// work); then the files are replaced one after the other. When a replacement fails, the files
// already replaced get their old contents back (or are removed when they did not exist), so
// after a false return every old file is as it was. The same path twice is refused.
bool WriteFilesAtomically(const std::vector<std::pair<std::string, std::string>>& files,
                          std::string* error = nullptr,
                          const RenameFunction& rename = SystemRename);

}  // namespace zb
