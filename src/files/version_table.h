#pragma once
// The version table read from "Version.ini".

#include <string>
#include <utility>
#include <vector>

namespace zb {

struct VersionTable {
    std::string CurrentVersion;
    std::vector<std::string> SoftVersions;
    // (software version, firmware or data-file version) pairs from section "Firm"
    std::vector<std::pair<std::string, std::string>> Firm;
};

}  // namespace zb
