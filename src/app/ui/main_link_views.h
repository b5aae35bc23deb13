#pragma once
// What the radio link asks of the main window: the progress windows, the port panel and the
// embedded-message window.

#include "app/ui/frm_main.h"
#include "link/link_views.h"

namespace zb::ui {

class frmMain::MainLinkViews : public LinkViews {
public:
    explicit MainLinkViews(frmMain& main) : main_(main) {}
    // A group write shows frmMProgress, every other read or write FrmProgress.
    void OpenProgress(ProgressKind kind, const std::string& caption) override;
    void CloseProgress() override;
    bool IsProgressVisible() const override;
    std::string ProgressCaption() const override;
    void SetProgressCaption(const std::string& caption) override;
    void SetProgress(int percent) override;
    void SetRadioNumber(int number) override;
    void ShowPort(int port) override;
    void OpenEmbeddedMessage() override;
    void ReadDecoded() override;

private:
    QWidget* Shown() const;  // whichever progress window is up
    frmMain& main_;
};

}  // namespace zb::ui
