#include "app/ui/main_link_views.h"

#include "app/context.h"
#include "link/read_backup.h"

#include "app/ui/ui_text.h"
#include "link/ui/frm_m_progress.h"
#include "link/ui/frm_progress.h"

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

// Every successful read leaves a copy of the image and the document in the user's data folder;
// when that fails the read still stands, and the user is told.
void frmMain::MainLinkViews::ReadDecoded() {
    static constexpr TextTable kNoBackup{"No backup copy of this read could be kept.",
                                         "未能保存本次读取的备份。"};
    std::string error;
    if (KeepReadBackup(main_.ctx_, &error)) return;
    Message message;
    message.text = Text(main_.ctx_, kNoBackup);
    message.icon = Icon::Warning;
    message.detail = error;
    main_.ctx_.prompter->Ask(message);
}

}  // namespace zb::ui
