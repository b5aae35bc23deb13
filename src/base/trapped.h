#pragma once
// Run-time failures inside a window operation end that operation only: the user sees its
// trace name in a plain message and the program goes on. The failure's own text goes to stderr
// so that it can be diagnosed.

#include <cstdio>
#include <exception>
#include <string>
#include <utility>

#include "base/prompter.h"

namespace zb {

template <typename Operation>
bool RunTrapped(Prompter& prompter, const std::string& traceName, Operation&& operation) {
    try {
        std::forward<Operation>(operation)();
        return true;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", traceName.c_str(), e.what());
    } catch (...) {
        std::fprintf(stderr, "%s: unknown failure\n", traceName.c_str());
    }
    try {
        prompter.Show(traceName);
    } catch (...) {
        // The message itself failed; the operation still ends and the program goes on.
    }
    return false;
}

}  // namespace zb
