#pragma once
// Whole-file reads and writes that never leave a half-written file in place.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zb {

std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes bytes to path + ".tmp", then replaces path with it. On failure the old file is left
// whole and false is returned.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Writes every (path, bytes) pair completely to its temporary file first, and only then replaces
// the files, so a failure while writing leaves every old file whole.
bool WriteFilesAtomically(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace zb
