#include "app/ui/main_link_views.h"

#include "app/ui/frm_progress.h"
#include "app/ui/ui_text.h"
#include "link/ui/frm_m_progress.h"

namespace zb::ui {

QWidget* frmMain::MainLinkViews::Shown() const {
    if (main_.GroupProgress()) return main_.GroupProgress();
    return main_.Progress();
}

void frmMain::MainLinkViews::OpenProgress(ProgressKind kind, const std::string& caption) {
    if (kind == ProgressKind::Group)
        main_.OpenGroupProgress(caption);
    else
        main_.OpenProgress(caption);
}

void frmMain::MainLinkViews::CloseProgress() { main_.CloseProgress(); }

bool frmMain::MainLinkViews::IsProgressVisible() const { return Shown() && Shown()->isVisible(); }

std::string frmMain::MainLinkViews::ProgressCaption() const {
    return Shown() ? Std(Shown()->windowTitle()) : std::string();
}

void frmMain::MainLinkViews::SetProgressCaption(const std::string& caption) {
    if (Shown()) Shown()->setWindowTitle(Qs(caption));
}

void frmMain::MainLinkViews::SetProgress(int percent) {
    if (auto* group = main_.GroupProgress())
        group->ShowPercent(percent);
    else if (main_.Progress())
        main_.Progress()->ShowPercent(percent);
}

void frmMain::MainLinkViews::SetRadioNumber(int number) {
    if (auto* group = main_.GroupProgress()) group->SetRadioNumber(number);
}

void frmMain::MainLinkViews::ShowPort(int) { main_.RefreshStatusBar(); }

void frmMain::MainLinkViews::OpenEmbeddedMessage() { main_.ShowEmbeddedMessage(); }

void frmMain::MainLinkViews::CommitPendingEdits() { main_.CommitPendingEdits(); }

}  // namespace zb::ui
