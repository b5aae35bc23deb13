#pragma once
// What the document operations ask of the main window. The GUI implements it; the command
// line and tests use the defaults (no windows, no dialogs).

#include <optional>
#include <string>

namespace zb {

class ShellViews {
public:
    virtual ~ShellViews() = default;
    virtual void SetCaption(const std::string& /*caption*/) {}
    virtual void CloseAllChildren() {}
    virtual void OpenChannelWindow() {}
    virtual void ApplyLanguage() {}
    virtual void ArrangeCascade() {}
    // File dialogs; nothing = cancelled.
    virtual std::optional<std::string> ChooseFileToOpen() { return std::nullopt; }
    virtual std::optional<std::string> ChooseFileToSave(const std::string& /*preset*/) {
        return std::nullopt;
    }
};

}  // namespace zb
