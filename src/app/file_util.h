#pragma once
// Whole-file reads and writes that never leave a half-written file in place.

#include <optional>
#include <string>

namespace zb {

std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes bytes to path + ".tmp", then replaces path with it. On failure the old file is left
// whole and false is returned.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace zb
