// The hidden service items: shown only on request, each opening its window in both languages,
// and the tree keys of the service windows.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/main_menu.h"
#include "qt/main_window_fixture.h"

using namespace zb;
using namespace zb::ui;

namespace {

struct ServiceMenus : test::MainWindowFixture {
    test::FakeRadio radio;

    // Visible, and so is the menu it sits in.
    bool Reachable(std::string_view item) const {
        const MenuEntry* entry = FindMenuEntry(item);
        const bool menuShown = entry->parent.empty() || Action(std::string(entry->parent).c_str())->isVisible();
        return menuShown && Action(std::string(item).c_str())->isVisible();
    }

    // Triggers an item whose window is modal and closes that window; its name, or "" if none.
    QString TriggerModal(const char* item) {
        QString seen;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen = modal->objectName();
                modal->close();
            }
        });
        closer.start(10);
        Action(item)->trigger();
        return seen;
    }
};

// Child windows by the item that opens them, with their captions in both languages.
struct ChildItem {
    const char* item;
    const char* window;
    const char* english;
    const char* chinese;
};
constexpr ChildItem kChildItems[] = {
    {"mnuKeyAssignm", "FrmKeyAssignm", "Key Assignment", "键设定"},
    {"mnuScanInfo", "FrmScanInfo", "Scan Information", "扫描信息"},
    {"mnuDTMF", "FrmDTMF", "DTMF", "DTMF(双音多频)"},
    {"mnuFleetSync", "FrmFleetSync", "FleetSync", "FleetSync(队列同步)"},
    {"mnuTestFre", "FrmTestFre", "Test FreQuence", "测试频率"},
};

}  // namespace

TEST_F(ServiceMenus, HiddenUntilAskedThenEveryItemOpensItsWindowInBothLanguages) {
    for (const int language : {kEnglish, kChinese}) {
        SCOPED_TRACE(language);
        ctx.settings.LanguageIndex = language;
        Open();
        main->SetRadioCommands(&radio);
        for (std::string_view item : kServiceMenuItems) EXPECT_FALSE(Reachable(item)) << item;
        EXPECT_FALSE(Action("tbToolBar_Button5")->isVisible());

        main->ShowServiceMenus();
        for (std::string_view item : kServiceMenuItems) EXPECT_TRUE(Reachable(item)) << item;
        EXPECT_TRUE(Action("tbToolBar_Button5")->isVisible());
        EXPECT_TRUE(Action("tbToolBar_Button11")->isVisible());
        // Window arrangement and help topics are no service items.
        EXPECT_FALSE(Action("mnuWindowTileVertical")->isVisible());
        EXPECT_FALSE(Action("mnuHelpTopic")->isVisible());

        for (const ChildItem& c : kChildItems) {
            Action(c.item)->trigger();
            ASSERT_TRUE(main->IsChildOpen(c.window)) << c.item;
            EXPECT_EQ(main->Child(c.window)->windowTitle(),
                      QString::fromUtf8(language == kEnglish ? c.english : c.chinese));
        }
        EXPECT_EQ(TriggerModal("mnuFilePrint"), "FrmPrintList");
        EXPECT_EQ(TriggerModal("mnuModelInfo"), "FrmModelInfo");
        EXPECT_EQ(TriggerModal("mnuSetRadioInfo"), "FrmRadioInfoSet");
        EXPECT_EQ(TriggerModal("mnuMWriteToRadio"), "FrmMulSet");
        Action("mnuRadioInfo")->trigger();
        EXPECT_EQ(radio.calls, std::vector<std::string>{"rmg"});
        EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front().text;  // no trapped failure

        main.reset();
        radio.calls.clear();
    }
}

TEST_F(ServiceMenus, TreeKeysOfTheServiceWindowsOpenThem) {
    Open();
    const std::pair<const char*, const char*> keys[] = {
        {"N3", "FrmKeyAssignm"}, {"N5", "FrmDTMF"}, {"N6", "FrmFleetSync"}, {"N7", "FrmTestFre"}};
    for (const auto& [key, window] : keys) {
        main->TreeNodeClick(key);
        EXPECT_TRUE(main->IsChildOpen(window)) << key;
    }
    // Opening one again only brings it to the front.
    const int open = static_cast<int>(Keys().size());
    main->TreeNodeClick("N6");
    EXPECT_EQ(Keys().size(), open);
    EXPECT_TRUE(prompts.messages.empty());
}
