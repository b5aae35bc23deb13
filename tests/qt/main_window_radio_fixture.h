#pragma once
// The main window with the radio link on a simulated radio and a virtual clock: the link's
// commands are real, the radio answers on port 1.

#include <memory>

#include "core/link_fixture.h"
#include "link/link_radio_commands.h"
#include "main_window_fixture.h"

namespace zb::test {

struct MainWindowRadioFixture : MainWindowFixture {
    VirtualClock clock;
    VirtualTimers timers{clock};
    sim::RadioSim radio;
    SimLine line{clock};
    SimPorts ports{line};
    std::unique_ptr<LinkRadioCommands> commands;

    void SetUp() override {
        MainWindowFixture::SetUp();
        BeforeOpen();
        line.stations.push_back({LineSettings{1, 0, 1}, &radio});
        ctx.line = &line;
        ctx.timers = &timers;
        ctx.ports = &ports;
        ctx.settings.ComPort = 1;
        commands = std::make_unique<LinkRadioCommands>(ctx);
        Open();
        main->SetRadioCommands(commands.get());
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        ctx.line = nullptr;
    }
    // The document and the radio as a test wants them before the window opens.
    virtual void BeforeOpen() {}
};

}  // namespace zb::test
