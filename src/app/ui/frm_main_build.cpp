// The main window's menus, toolbar, left panel, status bar and tree.
#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "app/context.h"
#include "app/main_menu.h"
#include "app/messages.h"
#include "app/ui/frm_main.h"
#include "app/ui/frm_main_parts.h"
#include "app/ui/ui_text.h"

namespace zb::ui {

using namespace main_window;

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
        if (e.separatorAfter) {
            QAction* separator = menu->addSeparator();
            separator->setObjectName(name + QStringLiteral("_Separator"));
            separator->setVisible(e.shown);
        }
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

}  // namespace zb::ui
