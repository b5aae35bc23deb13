#pragma once
// Run-time failures inside a window operation end that operation only: the user sees its
// trace name in a plain message and the program goes on.

#include <exception>
#include <string>
#include <utility>

#include "app/context.h"

namespace zb {

template <typename Operation>
bool RunTrapped(AppContext& ctx, const std::string& traceName, Operation&& operation) {
    try {
        std::forward<Operation>(operation)();
        return true;
    } catch (const std::exception&) {
    } catch (...) {
    }
    try {
        ctx.prompter->Show(traceName);
    } catch (...) {
        // The message itself failed; the operation still ends and the program goes on.
    }
    return false;
}

}  // namespace zb
