// The communication-port dialog's list and choice, and the status bar's port text.

#include <gtest/gtest.h>

#include "app/context.h"
#include "base/ini_file.h"
#include "link/port_choice.h"
#include "support/temp_dir.h"

namespace zb {
namespace {

TEST(LinkPortChoice, ListKeepsSystemOrderAndShowsTheWantedPort) {
    struct Case {
        std::vector<int> ports;
        int show;
        int selected;
        int portId;
    } cases[] = {
        {{10, 2, 5}, 2, 1, 2},    // COM10 may come before COM2
        {{10, 2, 5}, 7, 0, 10},   // missing: the first item
        {{}, 3, -1, 0},           // nothing to choose
    };
    for (const auto& c : cases) {
        const PortChoice choice = BuildPortChoice(c.ports, c.show);
        ASSERT_EQ(choice.items.size(), c.ports.size());
        for (size_t i = 0; i < c.ports.size(); ++i) EXPECT_EQ(choice.items[i], "COM" + std::to_string(c.ports[i]));
        EXPECT_EQ(choice.selected, c.selected);
        EXPECT_EQ(choice.portId, c.portId);
    }
    EXPECT_EQ(PortIdOfItem("COM12"), 12);
    EXPECT_EQ(PortIdOfItem("COM"), 0);
    EXPECT_EQ(PortIdOfItem("COMx"), 0);
    EXPECT_EQ(PortIdOfItem("ttyS0"), 0);
}

TEST(LinkPortChoice, OkStoresTheChosenPortAndNothingChosenGivesZero) {
    test::TempDir dir;
    AppContext ctx;
    ctx.settings.settingsPath = dir / "mysetup.ini";
    ctx.settings.ComPort = 1;
    PortChoice choice = BuildPortChoice({1, 4}, 1);
    SelectPort(choice, 1);
    EXPECT_EQ(choice.portId, 4);
    ConfirmPortChoice(ctx, choice);
    EXPECT_EQ(ctx.settings.ComPort, 4);
    EXPECT_EQ(ReadProfileString(ctx.settings.settingsPath, "language", "comPort"), "4");
    EXPECT_EQ(PortPanelText(ctx), "COM4");
    ctx.settings.LanguageIndex = 2;
    EXPECT_EQ(PortPanelText(ctx), "通信口4");

    SelectPort(choice, -1);
    ConfirmPortChoice(ctx, choice);
    EXPECT_EQ(ctx.settings.ComPort, 0);
    EXPECT_EQ(ReadProfileString(ctx.settings.settingsPath, "language", "comPort"), "4");  // not written
}

}  // namespace
}  // namespace zb
