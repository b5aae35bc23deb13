// What the main window's menus, toolbar and tree do.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "app/ui/frm_about.h"
#include "app/ui/frm_main.h"
#include "app/ui/frm_model_info.h"
#include "app/ui/frm_set_language.h"
#include "app/ui/ui_text.h"
#include "base/trapped.h"
#include "channels/ui/csv_import_dialog.h"
#include "channels/ui/frm_print_list.h"
#include "files/templates.h"
#include "link/link_engine.h"
#include "link/radio_commands.h"
#include "link/ui/frm_com_set.h"
#include "link/ui/frm_emg.h"
#include "link/ui/frm_m_progress.h"
#include "link/ui/frm_mul_set.h"
#include "link/ui/frm_progress.h"
#include "link/ui/frm_radio_info_set.h"
#include "testmode/testmode_engine.h"

namespace zb::ui {
namespace {

constexpr TextTable kNotAvailable{"This command needs the radio link, which is not available.",
                                  "此功能需要通信模块，当前不可用。"};

}  // namespace

void frmMain::ShowModal(const char* traceName, const std::function<void()>& dialog) {
    RunTrapped(*ctx_.prompter, traceName, dialog);
}

void frmMain::ReadRMGDataFromRadio() {
    if (!RadioAvailable()) {
        ctx_.prompter->Show(Text(ctx_, kNotAvailable), Icon::Information);
        return;
    }
    RunTrapped(*ctx_.prompter, "frmMain_ReadRMGDataFromRadio", [&] { radio_->ReadRmgData(true); });
}

void frmMain::CommitPendingEdits() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        QWidget* window = sub->widget();
        if (window == nullptr) continue;
        children_.Commit(sub->property("zbChildKey").toString(), window);
        if (auto* editor = dynamic_cast<PendingEditCommitter*>(window)) editor->CommitPendingEdits();
    }
}

void frmMain::ShowEmbeddedMessage() {
    ShowModal("frmMain_ShowEmbeddedMessage", [&] {
        FrmEMG dialog(ctx_, this);
        dialog.exec();
    });
}

FrmProgress* frmMain::OpenProgress(const std::string& caption) {
    CloseProgress();
    progress_ = new FrmProgress(ctx_, this);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    progress_->setWindowModality(Qt::ApplicationModal);
    // The conversation ends the window; the user cannot close it under it.
    progress_->setWindowFlag(Qt::WindowCloseButtonHint, false);
    if (!caption.empty()) progress_->setWindowTitle(Qs(caption));
    progress_->show();
    return progress_;
}

FrmProgress* frmMain::Progress() const { return progress_.data(); }

frmMProgress* frmMain::OpenGroupProgress(const std::string& caption) {
    CloseProgress();
    groupProgress_ = new frmMProgress(ctx_, this);
    groupProgress_->setAttribute(Qt::WA_DeleteOnClose);
    groupProgress_->setWindowModality(Qt::ApplicationModal);
    if (!caption.empty()) groupProgress_->setWindowTitle(Qs(caption));
    groupProgress_->onUserClose = [this] {
        RunTrapped(*ctx_.prompter, "frmMProgress_Form_Unload", [&] { CloseGroupWindow(ctx_); });
        CloseProgress();  // in case no conversation was left to end
    };
    groupProgress_->show();
    return groupProgress_;
}

frmMProgress* frmMain::GroupProgress() const { return groupProgress_.data(); }

void frmMain::CloseProgress() {
    // Deleted, not closed: a close event would be taken for the user's.
    delete progress_.data();
    delete groupProgress_.data();
}

// Batch Set first; on OK the write of the group starts with the count just confirmed.
void frmMain::MWriteToRadio() {
    bool confirmed = false;
    ShowModal("frmMain_mnuMWriteToRadio", [&] {
        FrmMulSet dialog(ctx_, this);
        confirmed = dialog.exec() == QDialog::Accepted;
    });
    if (confirmed) RunTrapped(*ctx_.prompter, "frmMain_mnuMWriteToRadio", [&] { radio_->WriteToGroup(); });
}

void frmMain::ToolbarClick(const QString& key) {
    if (const auto command = ToolbarCommandOf(Std(key))) RunCommand(*command);
}

void frmMain::TreeNodeClick(const QString& key) {
    if (const auto command = TreeCommandOf(Std(key))) RunCommand(*command);
}

void frmMain::RunCommand(Command command) {
    if (NeedsRadioLink(command) && !RadioAvailable()) {
        ctx_.prompter->Show(Text(ctx_, kNotAvailable), Icon::Information);
        return;
    }
    const std::string child = ChildKeyOf(command);
    if (!child.empty()) {
        ShowChild(Qs(child));
        return;
    }
    switch (command) {
        case Command::FileNew: RunTrapped(*ctx_.prompter, "frmMain_mnuFileNew", [&] { NewDocument(ctx_); }); break;
        case Command::NewWithoutWarning:
            RunTrapped(*ctx_.prompter, "frmMain_LoadNewDoc", [&] { LoadNewDoc(ctx_); });
            break;
        case Command::FileOpen: RunTrapped(*ctx_.prompter, "frmMain_mnuFileOpen", [&] { OpenDocument(ctx_); }); break;
        case Command::FileSave: RunTrapped(*ctx_.prompter, "frmMain_mnuFileSave", [&] { SaveDocument(ctx_); }); break;
        case Command::FileSaveAs:
            RunTrapped(*ctx_.prompter, "frmMain_mnuFileSaveAs", [&] { SaveDocumentAs(ctx_); });
            break;
        case Command::ImportChannelsCsv:
            RunTrapped(*ctx_.prompter, "frmMain_mnuImportCsv", [&] {
                CommitPendingEdits();
                ImportChannelsCsv(ctx_, this);
            });
            break;
        case Command::ExportChannelsCsv:
            RunTrapped(*ctx_.prompter, "frmMain_mnuExportCsv", [&] {
                CommitPendingEdits();
                ExportChannelsCsv(ctx_, this);
            });
            break;
        case Command::FilePrint:
            ShowModal("frmMain_mnuFilePrint", [&] {
                FrmPrintList dialog(ctx_, this);
                dialog.exec();
            });
            break;
        case Command::FileExit: close(); break;
        case Command::ModelInfo:
            ShowModal("frmMain_mnuModelInfo", [&] {
                FrmModelInfo dialog(ctx_, this);
                dialog.exec();
            });
            break;
        case Command::Emg: ReadRMGDataFromRadio(); break;
        case Command::ReadFromRadio:
            RunTrapped(*ctx_.prompter, "frmMain_mnuReadFromRadio", [&] { radio_->ReadFromRadio(); });
            break;
        case Command::WriteToRadio:
            RunTrapped(*ctx_.prompter, "frmMain_mnuWriteToRadio", [&] {
                CommitPendingEdits();
                radio_->WriteToRadio();
            });
            break;
        case Command::MWriteToRadio: MWriteToRadio(); break;
        case Command::TestMode:
            RunTrapped(*ctx_.prompter, "frmMain_mnuTest", [&] {
                if (radio_->Available()) EnterTestMode(ctx_);
            });
            break;
        case Command::RadioInfo:
            RunTrapped(*ctx_.prompter, "frmMain_mnuRadioInfo", [&] { radio_->ReadRmgData(false); });
            break;
        case Command::SetRadioInfo:
            ShowModal("frmMain_mnuSetRadioInfo", [&] {
                FrmRadioInfoSet dialog(ctx_, this);
                dialog.SetRadioCommands(radio_);
                dialog.exec();
            });
            break;
        case Command::Comm:
            ShowModal("frmMain_mnuComm", [&] {
                FrmComSet dialog(ctx_, this);
                dialog.exec();
            });
            RefreshStatusBar();
            break;
        case Command::Language:
            ShowModal("frmMain_mnuLanguage", [&] {
                FrmSetLanguage dialog(ctx_, this);
                dialog.exec();
            });
            CheckLanguage();
            break;
        case Command::Initial:
            RunTrapped(*ctx_.prompter, "frmMain_MnuInitial", [&] { InitialSetting(ctx_); });
            break;
        case Command::TreeView: {
            const bool on = !leftPanel_->isVisibleTo(this);
            leftPanel_->setVisible(on);
            splitter_->setVisible(on);
            menuActions_.at("mnuTreeView")->setChecked(on);
            break;
        }
        case Command::ViewToolbar: {
            const bool on = !tbToolBar_->isVisibleTo(this);
            tbToolBar_->setVisible(on);
            menuActions_.at("mnuViewToolbar")->setChecked(on);
            break;
        }
        case Command::ViewStatusBar: {
            const bool on = !statusBar()->isVisibleTo(this);
            statusBar()->setVisible(on);
            menuActions_.at("mnuViewStatusBar")->setChecked(on);
            break;
        }
        case Command::WindowCascade: ArrangeCascade(); break;
        case Command::WindowTileHorizontal: ArrangeTiles(true); break;
        case Command::WindowTileVertical: ArrangeTiles(false); break;
        case Command::WindowArrangeIcons: ArrangeIcons(); break;
        case Command::CloseAll: CloseAllChildren(); break;
        case Command::HelpTopic: break;
        case Command::About:
            ShowModal("frmMain_mnuHelpAbout", [&] {
                FrmAbout dialog(ctx_, this);
                dialog.exec();
            });
            break;
        default: break;
    }
}

}  // namespace zb::ui
