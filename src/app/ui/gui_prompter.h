#pragma once
// Messages and questions as modal message boxes over the active window.

#include "base/prompter.h"

namespace zb {
struct AppContext;
}

namespace zb::ui {

class GuiPrompter : public Prompter {
public:
    explicit GuiPrompter(const AppContext& ctx) : ctx_(ctx) {}
    using Prompter::Ask;
    Answer Ask(const Message& message) override;

private:
    const AppContext& ctx_;
};

}  // namespace zb::ui
