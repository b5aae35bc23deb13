#pragma once
// Starts another version of this program (a sibling folder under the base folder) and ends
// this one.

#include "files/version_table.h"

namespace zb {

class QtProgramLauncher : public ProgramLauncher {
public:
    bool StartAndQuit(const std::string& path) override;
};

}  // namespace zb
