// The main window: menus, toolbar and tree routing, child windows, language change, splitter,
// document commands and failures inside operations.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QImage>
#include <filesystem>
#include <stdexcept>

#include "app/document_lifecycle.h"
#include "app/ini_file.h"
#include "files/data_files.h"
#include "app/ui/frm_progress.h"
#include "link/serial_line.h"
#include "main_window_fixture.h"
#include "support/qt_wait.h"

using namespace zb;
using namespace zb::test;
using zb::ui::Qs;

namespace {

using MainWindow = MainWindowFixture;

// Visible item names of a menu, in order.
QStringList VisibleItems(QWidget* root, const char* menuName) {
    QStringList names;
    auto* menu = root->findChild<QMenu*>(menuName);
    for (QAction* a : menu->actions())
        if (a->isVisible() && !a->isSeparator()) names << a->objectName();
    return names;
}

QStringList TreeNodes(QTreeWidget* tree, int column = 0, bool keys = true) {
    QStringList out;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    out << (keys ? root->data(column, Qt::UserRole).toString() : root->text(column));
    for (int i = 0; i < root->childCount(); ++i)
        out << (keys ? root->child(i)->data(column, Qt::UserRole).toString() : root->child(i)->text(column));
    return out;
}

void SendMouse(QWidget* w, QEvent::Type type, int x, Qt::MouseButtons buttons) {
    const QPointF pos(x, 2);
    QMouseEvent e(type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace

TEST_F(MainWindow, LoadShowsNewDocumentWithChannelTableStatusAndTree) {
    ctx.settings.ComPort = 4;
    Open();
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(Title(), "ZB_347RX[Data File:new.dat]");
    EXPECT_EQ(main->findChild<QLabel*>("sbStatusBar_Panel2")->text(), "ZB-347RX[28.000000 - 29.700000 MHz]");
    EXPECT_EQ(main->findChild<QLabel*>("sbStatusBar_Panel3")->text(), "COM4");
    auto* tree = main->findChild<QTreeWidget*>("TreeView1");
    EXPECT_EQ(TreeNodes(tree), (QStringList{"N0", "N1", "N2", "N12", "N13", "N8", "N9"}));
    EXPECT_EQ(TreeNodes(tree, 0, false),
              (QStringList{"ZB-347RX", "Channel Information", "Option Features", "Roger Beep",
                           "Reset Initialize", "Local Information", "Embedded Message"}));
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
}

TEST_F(MainWindow, MenusOfferTheBuildsItemsInBothLanguages) {
    Open();
    QStringList bar;
    for (QAction* a : main->findChild<QMenuBar*>()->actions())
        if (a->isVisible()) bar << a->objectName();
    EXPECT_EQ(bar, (QStringList{"mnuFile", "mnuEdit", "mnuProgram", "mnuSet", "mnuView", "mnuWindow", "mnuHelp"}));
    EXPECT_EQ(VisibleItems(main.get(), "mnuFile"),
              (QStringList{"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuImportCsv",
                           "mnuExportCsv", "mnuFileExit"}));
    EXPECT_EQ(VisibleItems(main.get(), "mnuEdit"),
              (QStringList{"mnuChannelInfo", "mnuOptFeature", "mnuToneTips", "mnuReset", "mnuEmbeddedMsg", "mnuEMG"}));
    EXPECT_EQ(VisibleItems(main.get(), "mnuProgram"), (QStringList{"mnuReadFromRadio", "mnuWriteToRadio"}));
    EXPECT_EQ(VisibleItems(main.get(), "mnuSet"), (QStringList{"mnuComm", "mnuLanguage", "MnuInitial"}));
    EXPECT_EQ(VisibleItems(main.get(), "mnuView"), (QStringList{"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"}));
    EXPECT_EQ(VisibleItems(main.get(), "mnuWindow"), (QStringList{"mnuWindowCascade", "mnuCloseAll"}));
    EXPECT_EQ(VisibleItems(main.get(), "mnuHelp"), (QStringList{"mnuHelpAbout"}));
    for (const char* toggle : {"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"}) EXPECT_TRUE(Action(toggle)->isChecked());
    EXPECT_FALSE(Action("tbToolBar_Button11")->isVisible());

    const std::pair<const char*, std::pair<const char*, const char*>> captions[] = {
        {"mnuFile", {"&File", "文件&F"}},
        {"mnuFileSaveAs", {"Save &As", "另存为(&A)"}},
        {"mnuImportCsv", {"Import Channels (CSV)...", "导入信道 (CSV)..."}},
        {"mnuExportCsv", {"Export Channels (CSV)...", "导出信道 (CSV)..."}},
        {"mnuToneTips", {"&Roger Beep", "RB音(&R)"}},
        {"mnuEMG", {"Embedded &Message", "嵌入信息(&M)"}},
        {"mnuReadFromRadio", {"&Read from Radio", "从对讲机读取数据(&R)"}},
        {"MnuInitial", {"&Initial Setting", "初始化设置(&I)"}},
        {"mnuCloseAll", {"Close All &Windows", "关闭所有窗口(&W)"}},
        {"mnuHelpAbout", {"&About ZB_347RX", "关于 ZB_347RX(&A)"}},
    };
    for (const auto& [name, texts] : captions) EXPECT_EQ(Action(name)->text(), Qs(texts.first)) << name;
    EXPECT_EQ(Action("tbToolBar_Button7")->toolTip(), "Read from Radio");

    ctx.settings.LanguageIndex = kChinese;
    main->CheckLanguage();
    for (const auto& [name, texts] : captions) EXPECT_EQ(Action(name)->text(), Qs(texts.second)) << name;
    EXPECT_EQ(Action("tbToolBar_Button1")->toolTip(), Qs("新建"));
    EXPECT_EQ(TreeNodes(main->findChild<QTreeWidget*>("TreeView1"), 0, false)[1], Qs("信道信息"));
    EXPECT_EQ(TreeNodes(main->findChild<QTreeWidget*>("TreeView1"), 0, false)[3], Qs("RB音"));
    EXPECT_EQ(main->findChild<QLabel*>("sbStatusBar_Panel3")->text(), Qs("通信口1"));
    EXPECT_EQ(Title(), "ZB_347RX[数据文件:new.dat]");
}

TEST_F(MainWindow, MultiWriteSwitchShowsItsItemAndButton) {
    ctx.settings.MultiWriteEnabled = 1;
    Open();
    EXPECT_TRUE(Action("mnuMWriteToRadio")->isVisible());
    EXPECT_TRUE(Action("tbToolBar_Button11")->isVisible());
}

TEST_F(MainWindow, KeysNotListedDoNothing) {
    Open();
    const CodeplugData before = ctx.Doc.Data;
    for (const char* key : {"Nope", "删除", "readradio", ""}) main->ToolbarClick(Qs(key));
    for (const char* key : {"N0", "N10", "N11", "n1", ""}) main->TreeNodeClick(Qs(key));
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(tableMade, 1);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(chooserCalls.empty());
    EXPECT_TRUE(ctx.Doc.Data == before);
    // Listed keys do act.
    main->TreeNodeClick("N2");
    main->ToolbarClick(Qs("打开"));
    EXPECT_EQ(featuresMade, 1);
    EXPECT_EQ(chooserCalls, std::vector<std::string>{"open"});
}

TEST_F(MainWindow, ShowChildOfAnOpenChildOnlyFocusesIt) {
    Open();
    main->ShowChild(kOptFeaturesKey);
    auto* area = main->findChild<QMdiArea*>("mdiArea");
    auto* tableFrame = main->findChild<QMdiSubWindow*>("frmCommChInfo_Frame");
    auto* featuresFrame = main->findChild<QMdiSubWindow*>("FrmOptFeatures_Frame");
    ASSERT_TRUE(tableFrame && featuresFrame);
    tableFrame->move(120, 90);
    featuresFrame->move(30, 10);
    main->TreeNodeClick("N1");
    EXPECT_EQ(tableMade, 1);
    EXPECT_EQ(area->activeSubWindow(), tableFrame);
    EXPECT_EQ(tableFrame->pos(), QPoint(120, 90));  // not cascaded again
    EXPECT_EQ(featuresFrame->pos(), QPoint(30, 10));
    // A child that is not registered opens nothing.
    main->ShowChild(kDtmfKey);
    EXPECT_EQ(Keys().size(), 2);
}

TEST_F(MainWindow, LanguageChangeClosesChildrenAndReopensOnlyTheChannelTable) {
    Open();
    main->ShowChild(kOptFeaturesKey);
    main->ShowChild(kResetModeKey);
    main->ShowChild(kEmbMsgKey);
    ASSERT_EQ(Keys().size(), 4);
    main->CheckLanguage();  // same language: nothing happens
    EXPECT_EQ(Keys().size(), 4);

    ctx.settings.LanguageIndex = kChinese;
    main->CheckLanguage();
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(tableMade, 2);
    EXPECT_EQ(Action("mnuFile")->text(), Qs("文件&F"));
}

TEST_F(MainWindow, LanguageDialogThroughTheMenu) {
    ctx.settings.SystemLanguage = kChinese;
    Open();
    main->ShowChild(kOptFeaturesKey);
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->objectName(), "FrmSetLanguage");
        dialog->findChild<QComboBox*>("Combo1")->setCurrentText("Chinese");
        dialog->findChild<QPushButton*>("Command1")->click();
    });
    Action("mnuLanguage")->trigger();
    EXPECT_EQ(ctx.settings.LanguageIndex, kChinese);
    EXPECT_EQ(IniFile::Load(ctx.settings.settingsPath).Get("language", "CurrentLanguage"), "2");
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(Action("mnuLanguage")->text(), Qs("语言设置(&L)"));
}

TEST_F(MainWindow, CloseAllLeavesTheFrameAndViewTogglesWork) {
    Open();
    main->ShowChild(kOptFeaturesKey);
    Action("mnuCloseAll")->trigger();
    EXPECT_TRUE(Keys().isEmpty());
    auto* panel = main->findChild<QWidget*>("FrameLeft");
    auto* toolbar = main->findChild<QToolBar*>("tbToolBar");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(toolbar->isVisible());
    EXPECT_TRUE(main->statusBar()->isVisible());
    EXPECT_EQ(Title(), "ZB_347RX[Data File:new.dat]");

    Action("Toolbar1_Button1")->trigger();  // the panel's own close button
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(Action("mnuTreeView")->isChecked());
    Action("mnuTreeView")->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(Action("mnuTreeView")->isChecked());
    Action("mnuViewToolbar")->trigger();
    EXPECT_FALSE(toolbar->isVisible());
    EXPECT_FALSE(Action("mnuViewToolbar")->isChecked());
    Action("mnuViewStatusBar")->trigger();
    EXPECT_FALSE(main->statusBar()->isVisible());
}

TEST_F(MainWindow, SplitterKeepsThePanelWithinItsLimits) {
    Open();
    auto* panel = main->findChild<QWidget*>("FrameLeft");
    auto* splitter = main->findChild<QPushButton*>("CommandMove");
    const int start = panel->width();
    const int client = main->centralWidget()->width();
    const int minimum = TwipsToPixels(kMinPanelTwips, main->logicalDpiX());

    SendMouse(splitter, QEvent::MouseMove, 30, Qt::NoButton);  // no button held: no move
    EXPECT_EQ(panel->width(), start);
    SendMouse(splitter, QEvent::MouseButtonPress, 0, Qt::LeftButton);
    SendMouse(splitter, QEvent::MouseMove, minimum - start - 1, Qt::LeftButton);  // too narrow
    EXPECT_EQ(panel->width(), start);
    SendMouse(splitter, QEvent::MouseMove, client - start + 1, Qt::LeftButton);  // wider than the client
    EXPECT_EQ(panel->width(), start);
    SendMouse(splitter, QEvent::MouseMove, 30, Qt::LeftButton);
    EXPECT_EQ(panel->width(), start + 30);
    SendMouse(splitter, QEvent::MouseMove, minimum - (start + 30), Qt::LeftButton);  // exactly the minimum
    EXPECT_EQ(panel->width(), minimum);
    SendMouse(splitter, QEvent::MouseButtonRelease, 0, Qt::NoButton);
    SendMouse(splitter, QEvent::MouseMove, 40, Qt::NoButton);
    EXPECT_EQ(panel->width(), minimum);
}

TEST_F(MainWindow, DocumentCommandsThroughTheMenus) {
    Open();
    const std::string path = dir / "radio.dat";

    nextFile.reset();
    Action("mnuFileSaveAs")->trigger();  // cancelled dialog: nothing
    EXPECT_EQ(chooserCalls, std::vector<std::string>{"save:new.dat"});
    EXPECT_FALSE(std::filesystem::exists(path));

    nextFile = path;
    Action("mnuFileSaveAs")->trigger();
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(Title(), "ZB_347RX[Data File:radio.dat]");

    ctx.Doc.Data.OptionSettings.ResetSelect[1] = 17;  // an unsaved change
    prompts.answers = {Answer::Cancel};
    Action("mnuFileSave")->trigger();
    EXPECT_EQ(Shown().back(), "\"radio.dat\"file will be Overwrite,Continue?");
    EXPECT_FALSE(IsSaved(ctx));
    Action("mnuFileSave")->trigger();  // OK this time
    EXPECT_TRUE(IsSaved(ctx));

    ctx.Doc.Data.OptionSettings.ResetSelect[1] = 18;
    prompts.answers = {Answer::Cancel};
    chooserCalls.clear();
    Action("mnuFileOpen")->trigger();  // asks to save first; Cancel stops before the dialog
    EXPECT_EQ(Shown().back(), "File has been modify,save it now?");
    EXPECT_TRUE(chooserCalls.empty());

    prompts.answers = {Answer::No};
    main->ShowChild(kOptFeaturesKey);
    Action("mnuFileOpen")->trigger();
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.ResetSelect[1], 17);  // the saved file again
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});

    prompts.answers = {Answer::Cancel};
    ctx.Doc.Data.OptionSettings.ResetSelect[1] = 19;
    Action("mnuFileNew")->trigger();
    EXPECT_EQ(Shown().back(), "All data will be cleared.");
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.ResetSelect[1], 19);

    const size_t asked = prompts.messages.size();
    const int tables = tableMade;
    main->ToolbarClick(Qs("新建"));  // the toolbar's New does not ask
    EXPECT_EQ(prompts.messages.size(), asked);
    EXPECT_EQ(tableMade, tables + 1);
    EXPECT_EQ(Title(), "ZB_347RX[Data File:radio.dat]");  // New keeps the path
}

TEST_F(MainWindow, FailureInsideAnOperationShowsItsTraceNameAndGoesOn) {
    Open();
    main->Children().Register(kOptFeaturesKey, [](AppContext&) -> QWidget* {
        throw std::runtime_error("broken editor");
    });
    main->TreeNodeClick("N2");
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().text, "frmMain_ShowChild");
    EXPECT_EQ(prompts.messages.back().icon, Icon::None);
    main->TreeNodeClick("N13");
    EXPECT_TRUE(main->IsChildOpen(kResetModeKey));
}

TEST_F(MainWindow, RadioCommandsAreOfferedOnlyWithTheLink) {
    Open();
    for (const char* name : {"mnuReadFromRadio", "mnuWriteToRadio", "mnuEMG", "tbToolBar_Button7", "tbToolBar_Button9"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    main->TreeNodeClick("N9");  // the tree has no disabled state: it says so
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("not available"), std::string::npos);

    FakeRadio radio;
    main->SetRadioCommands(&radio);
    for (const char* name : {"mnuReadFromRadio", "mnuWriteToRadio", "mnuEMG", "tbToolBar_Button7", "tbToolBar_Button9"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    main->ShowChild(kEmbMsgKey);
    main->Child(kEmbMsgKey)->findChild<QLineEdit*>("Text1_0")->setText("CQ DX");  // not yet stored
    Action("mnuReadFromRadio")->trigger();
    Action("mnuWriteToRadio")->trigger();
    main->TreeNodeClick("N9");
    Action("mnuRadioInfo")->trigger();
    EXPECT_EQ(radio.calls, (std::vector<std::string>{"read", "write", "rmg+clear", "rmg"}));
    // The write made the open editor commit its edit first.
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.EmbeddedMessage.MessageLine1.Raw().substr(0, 6),
              std::string("CQ DX") + '\0');
}

TEST_F(MainWindow, InitialSettingAsksThenLoadsTheFactoryTemplateAndReopensTheTable) {
    std::filesystem::create_directories(dir.path / "prog" / "Init");
    ASSERT_TRUE(SaveFiles(ctx, dir / "prog/Init/ZB347.dat"));  // the factory setting
    Open();
    main->ShowChild(kOptFeaturesKey);
    ctx.Doc.Data.OptionSettings.ResetSelect[0] = 7;
    prompts.messages.clear();
    prompts.answers = {Answer::Cancel};
    Action("MnuInitial")->trigger();
    EXPECT_EQ(Shown(), std::vector<std::string>{"All data will be cleared."});
    EXPECT_EQ(Keys(), (QStringList{"frmCommChInfo", "FrmOptFeatures"}));
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.ResetSelect[0], 7);

    Action("MnuInitial")->trigger();  // OK
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(tableMade, 2);
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.ResetSelect[0], 1);
}

// Exit, the close button and Alt+F4 all reach the same question as Open.
TEST_F(MainWindow, ClosingWithUnsavedChangesAsksAndCancelStays) {
    Open();
    nextFile = dir / "radio.dat";
    Action("mnuFileSaveAs")->trigger();
    ctx.Doc.Data.OptionSettings.ResetSelect[1] = 17;
    prompts.messages.clear();
    prompts.answers = {Answer::Cancel, Answer::Cancel};
    Action("mnuFileExit")->trigger();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(Shown(), std::vector<std::string>(2, "File has been modify,save it now?"));

    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(main->isVisible());
    AppContext check;
    check.versions = ctx.versions;
    ASSERT_TRUE(GuardedLoad(check, dir / "radio.dat"));
    EXPECT_EQ(check.Doc.Data.OptionSettings.ResetSelect[1], 17) << "Yes saved before closing";
}

TEST_F(MainWindow, PlacementIsStoredInTwipsAndRestored) {
    Open();
    main->setGeometry(60, 45, 600, 450);
    main->ShowChild(kOptFeaturesKey);
    Action("mnuFileExit")->trigger();  // nothing unsaved: no question
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(Keys().isEmpty());
    EXPECT_TRUE(prompts.messages.empty());
    QSettings store("ZB_347RX", "ZB_347RX");
    const double dpi = main->logicalDpiX();
    EXPECT_EQ(store.value("Settings/MainLeft").toInt(), PixelsToTwips(60, dpi));
    EXPECT_EQ(store.value("Settings/MainWidth").toInt(), PixelsToTwips(600, dpi));
    main.reset();
    Open();
    EXPECT_EQ(main->geometry(), QRect(60, 45, 600, 450));

    main.reset();
    store.setValue("Settings/MainWidth", 0);  // damaged: the default size instead
    store.setValue("Settings/MainHeight", "x");
    store.sync();
    Open();
    EXPECT_EQ(main->size(), QSize(TwipsToPixels(14500, dpi), TwipsToPixels(10500, dpi)));
}

namespace {

// A channel table stand-in that records what the channel rules tell it.
class RecordingTable : public StandInEditor, public ChannelViews {
public:
    RecordingTable() : StandInEditor(kChannelTableKey) {}
    std::vector<int> rows;
    int rb = 0;
    void reShowGrid(int rRow) override { rows.push_back(rRow); }
    void ShowRB() override { ++rb; }
};

}  // namespace

TEST_F(MainWindow, ChannelNotificationsReachTheOpenEditors) {
    Open();
    RecordingTable* table = nullptr;
    main->Children().Register(kChannelTableKey, [&](AppContext&) { return table = new RecordingTable; });
    main->CloseAllChildren();
    EXPECT_FALSE(ctx.channelViews->IsChannelTableOpen());
    EXPECT_FALSE(ctx.channelViews->IsResetModeOpen());
    ctx.channelViews->reShowGrid(3);  // nobody open: nothing to tell, nothing breaks
    ctx.channelViews->ReshowByCh(true);

    main->OpenChannelWindow();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(ctx.channelViews->IsChannelTableOpen());
    ctx.channelViews->reShowGrid(5);
    ctx.channelViews->ShowRB();
    EXPECT_EQ(table->rows, std::vector<int>{5});
    EXPECT_EQ(table->rb, 1);

    for (auto& g : ctx.Doc.Data.Groups) g.Valid = 0;
    ctx.Doc.Data.Groups[0].Valid = 1;
    ctx.Doc.Data.Groups[3].Valid = 1;
    main->ShowChild(kResetModeKey);
    ASSERT_EQ(main->Child(kResetModeKey)->findChild<QComboBox*>("Combo1_23")->count(), 2);
    EXPECT_TRUE(ctx.channelViews->IsResetModeOpen());
    ctx.Doc.Data.Groups[3].Valid = 0;
    ctx.channelViews->ReshowByCh(true);
    EXPECT_EQ(main->Child(kResetModeKey)->findChild<QComboBox*>("Combo1_23")->count(), 1);

    main.reset();  // the context forgets the closed window
    EXPECT_EQ(ctx.channelViews, &ctx.defaultChannelViews);
    EXPECT_EQ(ctx.shellViews, &ctx.defaultShellViews);
}

TEST_F(MainWindow, ActivationAfterALanguageChangeReopensTheTable) {
    Open();
    main->ShowChild(kOptFeaturesKey);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ctx.settings.LanguageIndex = kChinese;
    EXPECT_EQ(Keys().size(), 2);  // nothing happens before the main window is active again
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ZB_WAIT_COMPARE(Keys(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(Title(), "ZB_347RX[数据文件:new.dat]");
}

TEST_F(MainWindow, WindowMenuListsTheOpenChildren) {
    Open();
    main->ShowChild(kOptFeaturesKey);
    auto* menu = main->findChild<QMenu*>("mnuWindow");
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* a : menu->actions())
        if (a->isCheckable()) listed << a->text();
    EXPECT_EQ(listed, (QStringList{"frmCommChInfo", "FrmOptFeatures"}));
    main->CloseAllChildren();
    emit menu->aboutToShow();
    int checkable = 0;
    for (QAction* a : menu->actions()) checkable += a->isCheckable();
    EXPECT_EQ(checkable, 0);
}

TEST_F(MainWindow, BackgroundPictureOfTheLanguageOrPlain) {
    std::filesystem::create_directories(dir.path / "prog" / "PIC");
    QImage picture(12, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(Qs(dir / "prog/PIC/BK_1.jpg"), "JPG"));
    Open();
    auto* area = main->findChild<QMdiArea*>("mdiArea");
    EXPECT_EQ(area->background().texture().size(), QSize(10, 8));  // less its one-pixel border
    ctx.settings.LanguageIndex = kChinese;  // no BK_2.jpg: a plain background, no message
    main->CheckLanguage();
    EXPECT_TRUE(area->background().texture().isNull());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindow, AnEditorClosedFromInsideCanBeOpenedAgain) {
    Open();
    main->ShowChild(kResetModeKey);
    main->Child(kResetModeKey)->findChild<QPushButton*>("CommandClose")->click();
    ZB_WAIT_VERIFY(!main->IsChildOpen(kResetModeKey));
    main->ShowChild(kResetModeKey);
    EXPECT_TRUE(main->IsChildOpen(kResetModeKey));

    // An editor that simply closes itself takes its frame with it.
    main->Child(kChannelTableKey)->close();
    ZB_WAIT_VERIFY(main->findChild<QMdiSubWindow*>("frmCommChInfo_Frame") == nullptr);
    EXPECT_FALSE(main->IsChildOpen(kChannelTableKey));
    main->TreeNodeClick("N1");
    EXPECT_EQ(tableMade, 2);
    EXPECT_EQ(Keys().size(), 2);
}

namespace {

struct TwoPorts : PortDirectory {
    std::vector<int> ListPorts() override { return {2, 6}; }
};

// Runs `act` on the modal dialog that opens next.
void OnNextDialog(const char* name, std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [name, act] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), name);
        act(dialog);
    });
}

}  // namespace

TEST_F(MainWindow, ModalDialogsFromTheToolbar) {
    Open();
    TwoPorts ports;
    ctx.ports = &ports;
    OnNextDialog("FrmComSet", [](QWidget* d) {
        d->findChild<QComboBox*>("Combo1")->setCurrentText("COM6");
        d->findChild<QPushButton*>("CommandOK")->click();
    });
    main->ToolbarClick("CommSet");
    EXPECT_EQ(ctx.settings.ComPort, 6);
    EXPECT_EQ(main->findChild<QLabel*>("sbStatusBar_Panel3")->text(), "COM6");

    OnNextDialog("FrmAbout2", [](QWidget* d) { d->findChild<QPushButton*>("cmdOK")->click(); });
    main->ToolbarClick("About");
    EXPECT_EQ(Keys(), QStringList{"frmCommChInfo"});  // the children are left as they were

    ctx.Rmg.Seller = "ZHANG";  // what an RMG read ends with
    OnNextDialog("FrmEMG", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QLineEdit*>("Text1_11")->text(), "ZHANG");
        d->findChild<QPushButton*>("CommandClose")->click();
    });
    main->ShowEmbeddedMessage();
}

TEST_F(MainWindow, SaveDialogAddsTheDataFileSuffix) {
    Open();
    main->SetFileChooser(nullptr);  // the real dialog
    const QString typed = Qs(dir / "radio");
    OnNextDialog("dlgCommonDialog", [typed](QWidget* d) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Data File (*.dat)"});
        dialog->selectFile(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Action("mnuFileSaveAs")->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir / "radio.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir / "radio.fre"));
    EXPECT_EQ(Title(), "ZB_347RX[Data File:radio.dat]");
}

TEST_F(MainWindow, ProgressWindowOpensWithoutBlockingAndCloses) {
    Open();
    ctx.link.CommMode = 1;
    ui::FrmProgress* progress = main->OpenProgress();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(progress->isModal());
    EXPECT_EQ(progress->windowTitle(), "Read data from radio");
    progress->ShowPercent(12);
    EXPECT_EQ(progress->findChild<QLabel*>("Label2")->text(), "12%");
    main->OpenProgress("Search for communication setting,please wait for a few minutes...");
    EXPECT_EQ(main->findChildren<ui::FrmProgress*>().size(), 1);  // never two at once
    EXPECT_EQ(main->Progress()->windowTitle(), "Search for communication setting,please wait for a few minutes...");
    main->CloseProgress();
    EXPECT_EQ(main->Progress(), nullptr);
    EXPECT_TRUE(main->findChildren<ui::FrmProgress*>().isEmpty());
    main->CloseProgress();  // nothing open: nothing happens
}
