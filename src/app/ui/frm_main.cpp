#include "app/ui/frm_main.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "app/main_menu.h"
#include "app/messages.h"
#include "app/ui/editor_windows.h"
#include "app/ui/frm_main_parts.h"
#include "app/ui/main_link_views.h"
#include "app/ui/ui_text.h"
#include "app/window_arrange.h"
#include "base/trapped.h"
#include "channels/channel_views.h"
#include "files/templates.h"
#include "link/link_engine.h"
#include "link/port_choice.h"
#include "link/radio_commands.h"
#include "testmode/testmode_engine.h"
#include "testmode/ui/frm_test_mode.h"

namespace zb::ui {
namespace {

constexpr const char* kPlacementApp = "ZB_347RX";
constexpr int kMinWindowPixels = 100;

}  // namespace

using namespace main_window;

// Tells the open editors about channel changes.
class frmMain::OpenChildViews : public ChannelViews {
public:
    explicit OpenChildViews(frmMain& main) : main_(main) {}
    bool IsChannelTableOpen() const override { return main_.IsChildOpen(kChannelTableKey); }
    void reShowGrid(int rRow) override {
        if (auto* v = ViewsOf(kChannelTableKey)) v->reShowGrid(rRow);
    }
    bool IsResetModeOpen() const override { return main_.IsChildOpen(kResetModeKey); }
    void ReshowByCh(bool rIsGroupValid) override {
        if (auto* v = ViewsOf(kResetModeKey)) v->ReshowByCh(rIsGroupValid);
    }
    void ShowRB() override {
        if (auto* v = ViewsOf(kChannelTableKey)) v->ShowRB();
    }

private:
    ChannelViews* ViewsOf(const char* key) const {
        return dynamic_cast<ChannelViews*>(main_.Child(key));
    }
    frmMain& main_;
};

frmMain::frmMain(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), childViews_(std::make_unique<OpenChildViews>(*this)),
      linkViews_(std::make_unique<MainLinkViews>(*this)),
      testModeWindows_(std::make_unique<TestModeWindows>(ctx, this)) {
    setObjectName("frmMain");
    RegisterEditorWindows(children_);

    mdi_ = new QMdiArea;
    mdi_->setObjectName("mdiArea");
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    BuildMenus();
    BuildToolbar();
    BuildLeftPanel();
    BuildStatusBar();

    auto* central = new QWidget;
    central->setObjectName("ClientArea");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(leftPanel_);
    row->addWidget(splitter_);
    row->addWidget(mdi_, 1);
    setCentralWidget(central);

    ctx_.shellViews = this;
    ctx_.channelViews = childViews_.get();
    ctx_.linkViews = linkViews_.get();
    ctx_.testModeViews = testModeWindows_.get();
}

frmMain::~frmMain() {
    // Editors may still talk to the context while they go.
    for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
    if (ctx_.shellViews == this) ctx_.shellViews = &ctx_.defaultShellViews;
    if (ctx_.channelViews == childViews_.get()) ctx_.channelViews = &ctx_.defaultChannelViews;
    if (ctx_.linkViews == linkViews_.get()) ctx_.linkViews = &ctx_.defaultLinkViews;
    if (ctx_.testModeViews == testModeWindows_.get()) ctx_.testModeViews = &ctx_.defaultTestModeViews;
}

void frmMain::Form_Load() {
    RunTrapped(*ctx_.prompter, "frmMain_Form_Load", [&] {
        RestorePlacement();
        for (const char* hidden : {"mnuWindowTileHorizontal", "mnuWindowTileVertical",
                                   "mnuWindowArrangeIcons", "mnuTools", "mnuFleetSync",
                                   "mnuTestFre", "mnuTest", "mnuDTMF"})
            menuActions_.at(hidden)->setVisible(false);
        const bool multiWrite = ctx_.settings.MultiWriteEnabled == 1;
        menuActions_.at("mnuMWriteToRadio")->setVisible(multiWrite);
        toolButtons_.at(11)->setVisible(multiWrite);
        Change_Language();
        LoadBKPic();
        LoadNewDoc(ctx_);
        lastLanguage_ = ctx_.settings.LanguageIndex;
    });
}

void frmMain::ShowServiceMenus() {
    for (std::string_view item : kServiceMenuItems) {
        menuActions_.at(Qs(item))->setVisible(true);
        if (auto* separator = findChild<QAction*>(Qs(item) + QStringLiteral("_Separator")))
            separator->setVisible(true);
    }
    toolButtons_.at(5)->setVisible(true);   // Print, like its menu item
    toolButtons_.at(11)->setVisible(true);  // group write, like its menu item
}

void frmMain::Change_Language() {
    for (const MenuEntry& e : MainMenuEntries()) {
        QAction* a = menuActions_.at(Qs(e.name));
        a->setText(Tr(ctx_, e.caption));
        if (e.parent.empty()) menus_.at(Qs(e.name))->setTitle(Tr(ctx_, e.caption));
    }
    for (const ToolButton& b : kToolButtons) {
        if (b.key == nullptr) continue;
        toolButtons_.at(b.number)->setToolTip(Plain(menuActions_.at(b.menuItem)->text()));
    }
    panelLabel_->setText(Tr(ctx_, kTreeRootCaption));
    RefreshStatusBar();
    RefreshRadioActions();
    BuildTree();
}

void frmMain::RefreshStatusBar() {
    modelPanel_->setText(Qs(ModelPanelText(ctx_)));
    portPanel_->setText(Qs(PortPanelText(ctx_)));
}

bool frmMain::RadioAvailable() const { return radio_ != nullptr && radio_->Available(); }

void frmMain::SetRadioCommands(RadioCommands* radio) {
    radio_ = radio;
    RefreshRadioActions();
}

void frmMain::RefreshRadioActions() {
    const bool on = RadioAvailable();
    for (const char* item : {"mnuReadFromRadio", "mnuWriteToRadio", "mnuTest", "mnuMWriteToRadio",
                             "mnuRadioInfo", "mnuEMG"})
        menuActions_.at(item)->setEnabled(on);
    for (int n : {7, 9, 11}) toolButtons_.at(n)->setEnabled(on);
}

void frmMain::RefreshWindowList() {
    QMenu* menu = menus_.at("mnuWindow");
    for (QAction* a : windowListActions_) {
        menu->removeAction(a);
        a->deleteLater();
    }
    windowListActions_.clear();
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        QAction* a = menu->addAction(sub->windowTitle());
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        QPointer<QMdiSubWindow> target = sub;
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) mdi_->setActiveSubWindow(target);
        });
        windowListActions_.push_back(a);
    }
}

void frmMain::LoadBKPic() {
    const QString path = Qs(ctx_.folders.programFolder) +
                         QStringLiteral("/PIC/BK_%1.jpg").arg(ctx_.settings.LanguageIndex);
    const QPixmap picture(path);
    if (picture.width() <= 2 || picture.height() <= 2) {
        mdi_->setBackground(palette().brush(QPalette::Dark));
        return;
    }
    // The picture less its one-pixel border, tiled across the child area.
    mdi_->setBackground(QBrush(picture.copy(1, 1, picture.width() - 2, picture.height() - 2)));
}

QMdiSubWindow* frmMain::SubWindowOf(const QString& key) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->property("zbChildKey").toString() == key && sub->widget() != nullptr) return sub;
    return nullptr;
}

bool frmMain::IsChildOpen(const QString& key) const { return SubWindowOf(key) != nullptr; }

QWidget* frmMain::Child(const QString& key) const {
    QMdiSubWindow* sub = SubWindowOf(key);
    return sub ? sub->widget() : nullptr;
}

QStringList frmMain::OpenChildKeys() const {
    QStringList keys;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() != nullptr) keys << sub->property("zbChildKey").toString();
    return keys;
}

void frmMain::ShowChild(const QString& key) {
    RunTrapped(*ctx_.prompter, "frmMain_ShowChild", [&] {
        if (QMdiSubWindow* open = SubWindowOf(key)) {
            mdi_->setActiveSubWindow(open);
            open->widget()->setFocus();
            return;
        }
        QWidget* window = children_.Make(key, ctx_);
        if (window == nullptr) return;
        if (window->objectName().isEmpty()) window->setObjectName(key);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QMdiSubWindow* sub = mdi_->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setProperty("zbChildKey", key);
        sub->setObjectName(key + QStringLiteral("_Frame"));
        // An editor that closes itself takes its frame with it.
        connect(window, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
        sub->show();
        ArrangeCascade();
    });
}

void CloseChildWindow(QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        sub->close();
    } else {
        window->close();
    }
}

void frmMain::CloseAllChildren() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        QPointer<QMdiSubWindow> guard = sub;
        sub->close();  // editors commit what they hold
        delete guard.data();
    }
}

void frmMain::OpenChannelWindow() { ShowChild(kChannelTableKey); }

void frmMain::ArrangeCascade() { mdi_->cascadeSubWindows(); }

void frmMain::ArrangeTiles(bool horizontal) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->isVisible() && !sub->isMinimized()) windows << sub;
    const QSize area = mdi_->viewport()->size();
    const auto rects = TileRects(static_cast<int>(windows.size()), area.width(), area.height(), horizontal);
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) windows[i]->showNormal();
        const ChildRect& r = rects[static_cast<size_t>(i)];
        windows[i]->setGeometry(r.x, r.y, r.width, r.height);
    }
}

void frmMain::ArrangeIcons() {
    QList<QMdiSubWindow*> icons;
    QSize icon;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isVisible() || !sub->isMinimized()) continue;
        icons << sub;
        icon = icon.expandedTo(sub->size());
    }
    const QSize area = mdi_->viewport()->size();
    const auto rects = IconRects(static_cast<int>(icons.size()), icon.width(), icon.height(),
                                 area.width(), area.height());
    for (int i = 0; i < icons.size(); ++i) {
        const ChildRect& r = rects[static_cast<size_t>(i)];
        icons[i]->move(r.x, r.y);
    }
}

void frmMain::SetCaption(const std::string& caption) {
    setWindowTitle(Qs(caption));
    RefreshStatusBar();
}

std::optional<std::string> frmMain::ChooseFileToOpen() {
    return fileChooser_ ? fileChooser_(false, {}) : DefaultChooser(false, {});
}

std::optional<std::string> frmMain::ChooseFileToSave(const std::string& preset) {
    return fileChooser_ ? fileChooser_(true, preset) : DefaultChooser(true, preset);
}

std::optional<std::string> frmMain::DefaultChooser(bool save, const std::string& preset) {
    QFileDialog dialog(this, QString(), QString(), Qs(DataFileFilter(ctx_)));
    dialog.setObjectName("dlgCommonDialog");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without ".dat" gets it, so the channel file beside it is named right.
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (save && !preset.empty()) dialog.selectFile(Qs(preset));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Std(dialog.selectedFiles().front());
}

void frmMain::CheckLanguage() {
    if (ctx_.settings.LanguageIndex == lastLanguage_) return;
    lastLanguage_ = ctx_.settings.LanguageIndex;
    RunTrapped(*ctx_.prompter, "frmMain_Form_Activate", [&] {
        Change_Language();
        LoadBKPic();
        SetDocumentCaption(ctx_);
        CloseAllChildren();
        OpenChannelWindow();
        ArrangeCascade();
    });
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && lastLanguage_ != 0)
        CheckLanguage();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Test mode is no conversation to wait for: the radio is released and leaves it first.
    LeaveTestModeNow(ctx_);
    // Exit, the close button and Alt+F4 all come here. An edit still open in an editor counts
    // as a change; the program stays while a conversation runs or the user keeps the changes.
    bool mayClose = false;
    RunTrapped(*ctx_.prompter, "frmMain_Form_QueryUnload", [&] {
        if (!ConversationRunning(ctx_)) CommitPendingEdits();
        mayClose = QueryExit(ctx_);
    });
    if (!mayClose) {
        event->ignore();
        return;
    }
    SavePlacement();
    CloseAllChildren();
    event->accept();
}

void frmMain::RestorePlacement() {
    QSettings store(kPlacementApp, kPlacementApp);
    store.beginGroup("Settings");
    const Placement d;
    const double dpi = logicalDpiX();
    auto read = [&](const char* key, int fallback) {
        bool ok = false;
        const int twips = store.value(key, fallback).toInt(&ok);
        return TwipsToPixels(ok ? twips : fallback, dpi);
    };
    int width = read("MainWidth", d.width);
    int height = read("MainHeight", d.height);
    // A damaged store must not leave a window too small to see.
    if (width < kMinWindowPixels || height < kMinWindowPixels) {
        width = TwipsToPixels(d.width, dpi);
        height = TwipsToPixels(d.height, dpi);
    }
    setGeometry(read("MainLeft", d.left), read("MainTop", d.top), width, height);
}

void frmMain::SavePlacement() {
    QSettings store(kPlacementApp, kPlacementApp);
    store.beginGroup("Settings");
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    const double dpi = logicalDpiX();
    store.setValue("MainLeft", PixelsToTwips(g.x(), dpi));
    store.setValue("MainTop", PixelsToTwips(g.y(), dpi));
    store.setValue("MainWidth", PixelsToTwips(g.width(), dpi));
    store.setValue("MainHeight", PixelsToTwips(g.height(), dpi));
}

void frmMain::HidePanel() {
    leftPanel_->hide();
    splitter_->hide();
    menuActions_.at("mnuTreeView")->setChecked(false);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != splitter_) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) moveTree_ = true;
            return true;
        case QEvent::MouseButtonRelease:
            moveTree_ = false;
            return true;
        case QEvent::MouseMove: {
            splitter_->setCursor(Qt::SizeHorCursor);
            if (!moveTree_) return true;
            const int dx = static_cast<int>(static_cast<QMouseEvent*>(event)->position().x());
            const int width = leftPanel_->width();
            const int minWidth = TwipsToPixels(kMinPanelTwips, logicalDpiX());
            if (SplitterMoveAccepted(width, width, dx, centralWidget()->width(), minWidth))
                leftPanel_->setFixedWidth(width + dx);
            return true;
        }
        default: return QMainWindow::eventFilter(watched, event);
    }
}

}  // namespace zb::ui
