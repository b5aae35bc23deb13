#pragma once
// What the radio link asks of its windows: the progress windows, the status bar, the
// embedded-message window and pending edits. The GUI implements it; the command line
// and tests use the defaults (no windows).

#include <string>

namespace zb {

enum class ProgressKind { Single, Group };

class LinkViews {
public:
    virtual ~LinkViews() = default;
    // Shows the progress window (not blocking); the link starts the conversation after it.
    virtual void OpenProgress(ProgressKind /*kind*/, const std::string& /*caption*/) {}
    virtual void CloseProgress() {}
    virtual bool IsProgressVisible() const { return true; }
    virtual std::string ProgressCaption() const { return caption_; }
    virtual void SetProgressCaption(const std::string& caption) { caption_ = caption; }
    // Bar and "N%" label of the block progress.
    virtual void SetProgress(int /*percent*/) {}
    // Radio number bar and label of the group window.
    virtual void SetRadioNumber(int /*number*/) {}
    // Status bar port panel after a port search changed the settings.
    virtual void ShowPort(int /*port*/) {}
    // The embedded-message window, modal; returns when it closes.
    virtual void OpenEmbeddedMessage() {}
    // A normal read has been decoded into the document (the GUI keeps its backup copy then).
    virtual void ReadDecoded() {}

private:
    std::string caption_;
};

}  // namespace zb
