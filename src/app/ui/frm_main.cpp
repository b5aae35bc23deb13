#include "app/ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "app/main_menu.h"
#include "app/messages.h"
#include "app/radio_commands.h"
#include "app/trapped.h"
#include "app/ui/frm_about.h"
#include "app/ui/frm_com_set.h"
#include "app/ui/frm_emb_msg.h"
#include "app/ui/frm_emg.h"
#include "app/ui/frm_model_info.h"
#include "app/ui/frm_radio_info_set.h"
#include "app/ui/frm_reset_mode.h"
#include "app/ui/frm_set_language.h"
#include "app/ui/ui_text.h"
#include "channels/channel_views.h"
#include "codeplug/defaults.h"

namespace zb::ui {
namespace {

constexpr TextTable kNotAvailable{"This command needs the radio link, which is not available.",
                                  "此功能需要通信模块，当前不可用。"};
constexpr const char* kPlacementApp = "ZB_347RX";
constexpr int kKeyRole = Qt::UserRole;
constexpr int kMinWindowPixels = 100;

// A menu caption without its access key: "新建(&N)" -> "新建", "&New" -> "New".
QString Plain(QString caption) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&[^)]\\)$"));
    return caption.remove(accessKey).remove('&');
}

// Toolbar buttons by number; 0 marks a separator. Print follows its hidden menu item.
struct ToolButton {
    int number;
    const char* key;
    const char* menuItem;
    QStyle::StandardPixmap icon;
};
constexpr ToolButton kToolButtons[] = {
    {1, "新建", "mnuFileNew", QStyle::SP_FileIcon},
    {2, "打开", "mnuFileOpen", QStyle::SP_DialogOpenButton},
    {3, "保存", "mnuFileSave", QStyle::SP_DialogSaveButton},
    {4, nullptr, nullptr, QStyle::SP_CustomBase},
    {5, "打印", "mnuFilePrint", QStyle::SP_FileDialogDetailedView},
    {6, nullptr, nullptr, QStyle::SP_CustomBase},
    {7, "ReadRadio", "mnuReadFromRadio", QStyle::SP_ArrowDown},
    {8, "CommSet", "mnuComm", QStyle::SP_ComputerIcon},
    {9, "WriteRadio", "mnuWriteToRadio", QStyle::SP_ArrowUp},
    {10, nullptr, nullptr, QStyle::SP_CustomBase},
    {11, "MWriteRadio", "mnuMWriteToRadio", QStyle::SP_ArrowForward},
    {12, nullptr, nullptr, QStyle::SP_CustomBase},
    {13, "About", "mnuHelpAbout", QStyle::SP_MessageBoxInformation},
};

}  // namespace

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
    : QMainWindow(parent), ctx_(ctx), childViews_(std::make_unique<OpenChildViews>(*this)) {
    setObjectName("frmMain");
    children_.Register(kResetModeKey, [](AppContext& c) { return new FrmResetMode(c); });
    children_.Register(kEmbMsgKey, [](AppContext& c) { return new FrmEmbMsg(c); });

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
}

frmMain::~frmMain() {
    // Editors may still talk to the context while they go.
    for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
    if (ctx_.shellViews == this) ctx_.shellViews = &ctx_.defaultShellViews;
    if (ctx_.channelViews == childViews_.get()) ctx_.channelViews = &ctx_.defaultChannelViews;
}

void frmMain::BuildMenus() {
    for (const MenuEntry& e : MainMenuEntries()) {
        const QString name = Qs(e.name);
        if (e.parent.empty()) {
            QMenu* menu = menuBar()->addMenu(QString());
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menu->menuAction()->setVisible(e.shown);
            menus_[name] = menu;
            menuActions_[name] = menu->menuAction();
            continue;
        }
        QMenu* menu = menus_.at(Qs(e.parent));
        QAction* action = menu->addAction(QString());
        action->setObjectName(name);
        action->setVisible(e.shown);
        if (!e.shortcut.empty()) action->setShortcut(QKeySequence(Qs(e.shortcut)));
        if (e.checkable) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        const Command command = *e.command;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        menuActions_[name] = action;
        if (e.separatorAfter) menu->addSeparator()->setVisible(e.shown);
    }
    // The Window menu lists the open children after its last separator.
    connect(menus_.at("mnuWindow"), &QMenu::aboutToShow, this, &frmMain::RefreshWindowList);
}

void frmMain::BuildToolbar() {
    tbToolBar_ = addToolBar(QString());
    tbToolBar_->setObjectName("tbToolBar");
    tbToolBar_->setMovable(false);
    for (const ToolButton& b : kToolButtons) {
        if (b.key == nullptr) {
            toolButtons_[b.number] = tbToolBar_->addSeparator();
            continue;
        }
        QAction* a = tbToolBar_->addAction(style()->standardIcon(b.icon), QString());
        a->setObjectName(QStringLiteral("tbToolBar_Button%1").arg(b.number));
        a->setData(QString::fromUtf8(b.key));
        connect(a, &QAction::triggered, this, [this, a] { ToolbarClick(a->data().toString()); });
        toolButtons_[b.number] = a;
    }
    toolButtons_[5]->setVisible(false);  // Print, like its menu item
}

void frmMain::BuildLeftPanel() {
    leftPanel_ = new QWidget;
    leftPanel_->setObjectName("FrameLeft");
    leftPanel_->setFixedWidth(180);
    auto* column = new QVBoxLayout(leftPanel_);
    column->setContentsMargins(2, 2, 2, 2);
    auto* top = new QHBoxLayout;
    panelLabel_ = new QLabel(Tr(ctx_, kTreeRootCaption));
    panelLabel_->setObjectName("Label1");
    panelToolbar_ = new QToolBar;
    panelToolbar_->setObjectName("Toolbar1");
    QAction* close = panelToolbar_->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    close->setObjectName("Toolbar1_Button1");
    close->setData(QStringLiteral("删除"));
    connect(close, &QAction::triggered, this, [this, close] {
        if (close->data().toString() == QStringLiteral("删除")) HidePanel();
    });
    top->addWidget(panelLabel_, 1);
    top->addWidget(panelToolbar_);
    column->addLayout(top);
    tree_ = new QTreeWidget;
    tree_->setObjectName("TreeView1");
    tree_->setHeaderHidden(true);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { TreeNodeClick(item->data(0, kKeyRole).toString()); });
    column->addWidget(tree_, 1);

    splitter_ = new QPushButton;
    splitter_->setObjectName("CommandMove");
    splitter_->setFixedWidth(4);
    splitter_->setFocusPolicy(Qt::NoFocus);
    splitter_->setCursor(Qt::SizeHorCursor);
    splitter_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    splitter_->setMouseTracking(true);
    splitter_->installEventFilter(this);
}

void frmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("sbStatusBar");
    auto* first = new QLabel;
    first->setObjectName("sbStatusBar_Panel1");
    modelPanel_ = new QLabel;
    modelPanel_->setObjectName("sbStatusBar_Panel2");
    portPanel_ = new QLabel;
    portPanel_->setObjectName("sbStatusBar_Panel3");
    bar->addWidget(first, 1);
    bar->addPermanentWidget(modelPanel_);
    bar->addPermanentWidget(portPanel_);
}

void frmMain::Form_Load() {
    RunTrapped(ctx_, "frmMain_Form_Load", [&] {
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

void frmMain::BuildTree() {
    tree_->clear();
    auto node = [this](QTreeWidgetItem* parent, const char* key, const QString& caption) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, caption);
        item->setData(0, kKeyRole, QString::fromUtf8(key));
        return item;
    };
    auto menuCaption = [this](const char* item) { return Plain(menuActions_.at(item)->text()); };
    QTreeWidgetItem* root = node(nullptr, "N0", panelLabel_->text());
    node(root, "N1", menuCaption("mnuChannelInfo"));
    node(root, "N2", menuCaption("mnuOptFeature"));
    node(root, "N12", Qs(TextById(ctx_.settings.LanguageIndex, kTreeToneTipsTextId)));
    node(root, "N13", Tr(ctx_, kTreeResetCaption));
    node(root, "N8", menuCaption("mnuEmbeddedMsg"));
    node(root, "N9", menuCaption("mnuEMG"));
    root->setExpanded(true);
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
    RunTrapped(ctx_, "frmMain_ShowChild", [&] {
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
    const QString filter = Qs(DataFileFilter(ctx_));
    const QString chosen = save ? QFileDialog::getSaveFileName(this, QString(), Qs(preset), filter)
                                : QFileDialog::getOpenFileName(this, QString(), QString(), filter);
    if (chosen.isEmpty()) return std::nullopt;
    return Std(chosen);
}

void frmMain::CheckLanguage() {
    if (ctx_.settings.LanguageIndex == lastLanguage_) return;
    lastLanguage_ = ctx_.settings.LanguageIndex;
    RunTrapped(ctx_, "frmMain_Form_Activate", [&] {
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

void frmMain::ShowModal(const char* traceName, const std::function<void()>& dialog) {
    RunTrapped(ctx_, traceName, dialog);
}

void frmMain::ReadRMGDataFromRadio() {
    if (!RadioAvailable()) {
        ctx_.prompter->Show(Text(ctx_, kNotAvailable), Icon::Information);
        return;
    }
    RunTrapped(ctx_, "frmMain_ReadRMGDataFromRadio", [&] { radio_->ReadRmgData(true); });
}

void frmMain::CommitPendingEdits() {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (auto* editor = dynamic_cast<PendingEditCommitter*>(sub->widget()))
            editor->CommitPendingEdits();
}

void frmMain::ShowEmbeddedMessage() {
    ShowModal("frmMain_ShowEmbeddedMessage", [&] {
        FrmEMG dialog(ctx_, this);
        dialog.exec();
    });
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
        case Command::FileNew: RunTrapped(ctx_, "frmMain_mnuFileNew", [&] { NewDocument(ctx_); }); break;
        case Command::NewWithoutWarning:
            RunTrapped(ctx_, "frmMain_LoadNewDoc", [&] { LoadNewDoc(ctx_); });
            break;
        case Command::FileOpen: RunTrapped(ctx_, "frmMain_mnuFileOpen", [&] { OpenDocument(ctx_); }); break;
        case Command::FileSave: RunTrapped(ctx_, "frmMain_mnuFileSave", [&] { SaveDocument(ctx_); }); break;
        case Command::FileSaveAs:
            RunTrapped(ctx_, "frmMain_mnuFileSaveAs", [&] { SaveDocumentAs(ctx_); });
            break;
        case Command::FilePrint: break;  // the print list window has no actions
        case Command::FileExit: close(); break;
        case Command::ModelInfo:
            ShowModal("frmMain_mnuModelInfo", [&] {
                FrmModelInfo dialog(ctx_, this);
                dialog.exec();
            });
            break;
        case Command::Emg: ReadRMGDataFromRadio(); break;
        case Command::ReadFromRadio:
            RunTrapped(ctx_, "frmMain_mnuReadFromRadio", [&] { radio_->ReadFromRadio(); });
            break;
        case Command::WriteToRadio:
            RunTrapped(ctx_, "frmMain_mnuWriteToRadio", [&] {
                CommitPendingEdits();
                radio_->WriteToRadio();
            });
            break;
        case Command::MWriteToRadio:
            RunTrapped(ctx_, "frmMain_mnuMWriteToRadio", [&] { radio_->WriteToGroup(); });
            break;
        case Command::TestMode: RunTrapped(ctx_, "frmMain_mnuTest", [&] { radio_->TestMode(); }); break;
        case Command::RadioInfo:
            RunTrapped(ctx_, "frmMain_mnuRadioInfo", [&] { radio_->ReadRmgData(false); });
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
                dialog.SetPortDirectory(ports_);
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
            RunTrapped(ctx_, "frmMain_MnuInitial", [&] {
                CloseAllChildren();
                LoadTemplate(ctx_, kFactoryTemplate);
                OpenChannelWindow();
                ArrangeCascade();
            });
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
        case Command::WindowTileHorizontal:
        case Command::WindowTileVertical: mdi_->tileSubWindows(); break;
        case Command::WindowArrangeIcons: break;  // children are never minimised to icons here
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
