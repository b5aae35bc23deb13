#pragma once
// Program folder and base folder.

#include <string>

namespace zb {

// The base folder: the program folder up to, not including, its last separator; a path with
// no separator after its first character is its own base folder.
std::string BaseFolderOf(const std::string& programFolder);

}  // namespace zb
