#include "app/folders.h"

namespace zb {

std::string BaseFolderOf(const std::string& programFolder) {
    std::size_t cut = programFolder.find_last_of("\\/");
    if (cut == std::string::npos || cut == 0) return programFolder;
    return programFolder.substr(0, cut);
}

}  // namespace zb
