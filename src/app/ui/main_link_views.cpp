#include "app/ui/main_link_views.h"

#include "app/ui/frm_progress.h"
#include "app/ui/ui_text.h"

namespace zb::ui {

void frmMain::MainLinkViews::OpenProgress(ProgressKind, const std::string& caption) {
    main_.OpenProgress(caption);
}

void frmMain::MainLinkViews::CloseProgress() { main_.CloseProgress(); }

bool frmMain::MainLinkViews::IsProgressVisible() const {
    return main_.Progress() != nullptr && main_.Progress()->isVisible();
}

std::string frmMain::MainLinkViews::ProgressCaption() const {
    return main_.Progress() ? Std(main_.Progress()->windowTitle()) : std::string();
}

void frmMain::MainLinkViews::SetProgressCaption(const std::string& caption) {
    if (main_.Progress()) main_.Progress()->setWindowTitle(Qs(caption));
}

void frmMain::MainLinkViews::SetProgress(int percent) {
    if (main_.Progress()) main_.Progress()->ShowPercent(percent);
}

void frmMain::MainLinkViews::ShowPort(int) { main_.RefreshStatusBar(); }

void frmMain::MainLinkViews::OpenEmbeddedMessage() { main_.ShowEmbeddedMessage(); }

void frmMain::MainLinkViews::CommitPendingEdits() { main_.CommitPendingEdits(); }

}  // namespace zb::ui
