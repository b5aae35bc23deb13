#pragma once
// The program's one top-level window: menus, toolbar, tree, status bar, splitter and the
// child editor windows inside it.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/main_commands.h"
#include "app/shell_views.h"
#include "app/ui/child_window_factory.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QToolBar;
class QTreeWidget;

namespace zb {
class RadioCommands;
}

namespace zb::ui {

class FrmProgress;
class frmMProgress;
class TestModeWindows;

class frmMain : public QMainWindow, public ShellViews {
    Q_OBJECT
public:
    explicit frmMain(AppContext& ctx, QWidget* parent = nullptr);
    ~frmMain() override;

    // Editors register their makers here before Form_Load.
    ChildWindowFactory& Children() { return children_; }
    void SetRadioCommands(RadioCommands* radio);
    // File dialogs; tests put a script in their place. save = false for Open.
    using FileChooser = std::function<std::optional<std::string>(bool save, const std::string& preset)>;
    void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

    // Placement, hidden items, texts, tree, then a new document.
    void Form_Load();
    // Shows the hidden items that open a window or run a command (after Form_Load).
    void ShowServiceMenus();

    void ShowChild(const QString& key);
    bool IsChildOpen(const QString& key) const;
    QWidget* Child(const QString& key) const;
    QStringList OpenChildKeys() const;
    void Change_Language();
    void LoadBKPic();
    // A changed language re-captions the window and reopens only the channel table.
    void CheckLanguage();
    void RunCommand(Command command);
    void ToolbarClick(const QString& key);
    void TreeNodeClick(const QString& key);
    void ReadRMGDataFromRadio();
    // Open editors commit an edit in progress (before a write to the radio).
    void CommitPendingEdits();
    // The radio's production record, modal.
    void ShowEmbeddedMessage();
    // Model and port panels (after a port search stored new settings).
    void RefreshStatusBar();
    // The progress window of a whole-radio read or write: modal for the user, but the call
    // returns at once so the link can start its conversation. An empty caption takes the
    // read or write caption of the link's mode.
    FrmProgress* OpenProgress(const std::string& caption = {});
    void CloseProgress();
    FrmProgress* Progress() const;
    // The group write's window, modal as well; the user may close it, which ends the group.
    frmMProgress* OpenGroupProgress(const std::string& caption = {});
    frmMProgress* GroupProgress() const;

    // ShellViews
    void SetCaption(const std::string& caption) override;
    void CloseAllChildren() override;
    void OpenChannelWindow() override;
    void ApplyLanguage() override { Change_Language(); }
    void ArrangeCascade() override;
    std::optional<std::string> ChooseFileToOpen() override;
    std::optional<std::string> ChooseFileToSave(const std::string& preset) override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class OpenChildViews;
    class MainLinkViews;

    void BuildMenus();
    void BuildToolbar();
    void BuildLeftPanel();
    void BuildStatusBar();
    void BuildTree();
    void RefreshRadioActions();
    void RefreshWindowList();
    void ArrangeTiles(bool horizontal);
    void ArrangeIcons();
    void MWriteToRadio();
    void RestorePlacement();
    void SavePlacement();
    void HidePanel();
    void ShowModal(const char* traceName, const std::function<void()>& dialog);
    QMdiSubWindow* SubWindowOf(const QString& key) const;
    bool RadioAvailable() const;
    std::optional<std::string> DefaultChooser(bool save, const std::string& preset);

    AppContext& ctx_;
    ChildWindowFactory children_;
    std::unique_ptr<OpenChildViews> childViews_;
    std::unique_ptr<MainLinkViews> linkViews_;
    std::unique_ptr<TestModeWindows> testModeWindows_;
    RadioCommands* radio_ = nullptr;
    FileChooser fileChooser_;
    int lastLanguage_ = 0;
    bool moveTree_ = false;

    std::map<QString, QAction*> menuActions_;  // by menu item name
    std::map<QString, QMenu*> menus_;
    QToolBar* tbToolBar_ = nullptr;
    std::map<int, QAction*> toolButtons_;  // by button number 1..13
    QWidget* leftPanel_ = nullptr;
    QLabel* panelLabel_ = nullptr;
    QToolBar* panelToolbar_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPushButton* splitter_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    QLabel* modelPanel_ = nullptr;
    QLabel* portPanel_ = nullptr;
    QList<QAction*> windowListActions_;
    QPointer<FrmProgress> progress_;
    QPointer<frmMProgress> groupProgress_;
};

// Closes an editor window from inside: its frame in the main window, or the window itself.
void CloseChildWindow(QWidget* window);

}  // namespace zb::ui
