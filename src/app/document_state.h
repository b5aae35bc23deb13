#pragma once
// The open document's path and untitled flag.

#include <string>

namespace zb {

struct DocumentState {
    std::string path = "new.dat";
    bool untitled = true;
};

}  // namespace zb
