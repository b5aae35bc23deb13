// The virtual radio: its line delivers the device's answers through the event loop, and the
// main window reads and writes it through its menus as it would a radio on the cable.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <fstream>

#include "link/link_radio_commands.h"
#include "link/link_texts.h"
#include "link/packets.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "link/qt/virtual_radio.h"
#include "main_window_fixture.h"
#include "support/qt_wait.h"

using namespace zb;
using namespace zb::test;

namespace {

// Answers every write with the bytes queued for it.
struct ScriptedDevice : VirtualDevice {
    std::vector<Bytes> answers;
    std::vector<Bytes> fed;
    int resets = 0;
    Bytes Feed(const Bytes& in) override {
        fed.push_back(in);
        if (answers.empty()) return {};
        Bytes a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    void Reset() override { ++resets; }
};

struct Listener : SerialListener {
    SerialLine* line = nullptr;
    std::vector<Bytes> received;
    int sendDone = 0;
    void OnReceive() override { received.push_back(line->ReadAll()); }
    void OnSendDone() override { ++sendDone; }
};

}  // namespace

TEST(VirtualRadioLine, AnswersArriveThroughTheEventLoopOnceTheThresholdIsReached) {
    ScriptedDevice device;
    device.answers = {{0x57, 0x00}, {0x10, 0x20}};
    VirtualRadioLine line(device);
    Listener listener;
    listener.line = &line;
    line.SetListener(&listener);
    ASSERT_TRUE(line.Open({5, 0, 1}, nullptr));
    EXPECT_EQ(device.resets, 1);

    line.SetReceiveThreshold(3);
    line.Write({'R', 0, 0, 1});
    EXPECT_EQ(device.fed.size(), 1u);  // the device has it at once...
    EXPECT_TRUE(listener.received.empty());  // ...but nothing comes back inside Write
    ZB_WAIT_VERIFY(listener.sendDone == 1);
    EXPECT_TRUE(listener.received.empty());  // 2 bytes, threshold 3: still waiting
    line.Write({0x06});
    ZB_WAIT_VERIFY(!listener.received.empty());
    EXPECT_EQ(listener.received, (std::vector<Bytes>{{0x57, 0x00, 0x10, 0x20}}));
}

TEST(VirtualRadioLine, AnAnswerInFlightIsDroppedWhenTheLineCloses) {
    ScriptedDevice device;
    device.answers = {{0x06}, {0x06}};
    VirtualRadioLine line(device, 1);
    Listener listener;
    listener.line = &line;
    line.SetListener(&listener);
    ASSERT_TRUE(line.Open({5, 0, 1}, nullptr));
    line.Write({'P'});
    line.Close();
    line.Write({'P'});  // closed: not sent
    EXPECT_EQ(device.fed.size(), 1u);
    ASSERT_TRUE(line.Open({5, 0, 1}, nullptr));  // reopened before the old answer was due
    EXPECT_EQ(device.resets, 2);
    QTest::qWait(20);
    EXPECT_TRUE(listener.received.empty());
    EXPECT_EQ(line.ReadAll(), Bytes{});
}

namespace {

// The main window on the virtual radio with the program's own timers and event loop.
struct VirtualRadioWindow : MainWindowFixture {
    PortNumbers numbers;
    QtPortDirectory systemPorts{numbers};
    QtSerialLine systemLine{numbers};
    QtTimerFactory timers;
    std::unique_ptr<VirtualRadio> virtualRadio;
    std::unique_ptr<LinkRadioCommands> commands;

    void SetUp() override {
        MainWindowFixture::SetUp();
        systemPorts.SetOnlyAddedDevices(true);  // no real ports in a test
        ctx.timers = &timers;
        ctx.settings.ComPort = 1;
        virtualRadio = std::make_unique<VirtualRadio>(ctx, systemLine, &systemPorts, &numbers, 0);
        commands = std::make_unique<LinkRadioCommands>(ctx);
        Open();
        main->SetRadioCommands(commands.get());
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        ctx.line = nullptr;
        ctx.ports = nullptr;
        ctx.link.waitTimer.reset();
        ctx.link.writeTimer.reset();
    }
    // Runs a menu command to the end of its conversation.
    void Run(const char* item) {
        prompts.messages.clear();
        Action(item)->trigger();
        // Spins the loop without qWaitFor's 10 ms naps, which would cost one per reply.
        auto done = [&] { return ctx.link.CommMode == 0 && !(ctx.link.writeTimer && ctx.link.writeTimer->IsActive()); };
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 30'000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_TRUE(done());
    }
    ChannelRecord* FirstValidChannel() {
        for (auto& entry : ctx.Doc.Channels)
            for (auto& ch : entry)
                if (ch.Valid != 0) return &ch;
        return nullptr;
    }
};

}  // namespace

TEST_F(VirtualRadioWindow, IsTheConfiguredPortAndReadsAsAFreshRadio) {
    EXPECT_EQ(ctx.ports->ListPorts(), std::vector<int>{virtualRadio->Port()});
    EXPECT_EQ(ctx.settings.ComPort, virtualRadio->Port());
    const Codeplug fresh = ctx.Doc;
    ctx.Doc.Channels = {};  // the read must bring the channels back
    Run("mnuReadFromRadio");
    EXPECT_EQ(Shown().back(), Text(ctx, msg::ReadCompleted));
    EXPECT_EQ(virtualRadio->Radio().counters.readRequests, 1 + 247);
    EXPECT_TRUE(ctx.Doc.Channels == fresh.Channels);
    EXPECT_EQ(main->Progress(), nullptr);
}

TEST_F(VirtualRadioWindow, WhatTheMenuWritesTheMenuReadsBack) {
    ChannelRecord* ch = FirstValidChannel();
    ASSERT_NE(ch, nullptr);
    ch->RxFreq.Set("28765000");
    Run("mnuWriteToRadio");
    EXPECT_EQ(Shown().back(), Text(ctx, msg::WriteCompleted));
    EXPECT_EQ(virtualRadio->Radio().counters.blocksReceived, 984);

    ch = FirstValidChannel();
    ch->RxFreq.Set("28000000");
    Run("mnuReadFromRadio");
    EXPECT_EQ(Shown().back(), Text(ctx, msg::ReadCompleted));
    ch = FirstValidChannel();
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(ch->RxFreq.Raw(), "28765000");
}

TEST(VirtualRadio, ImageFileReplacesTheMemoryOnlyWhenItIsARadioImage) {
    TempDir dir;
    AppContext ctx;
    ScriptedDevice unused;
    VirtualRadioLine system(unused);
    VirtualRadio radio(ctx, system, nullptr, nullptr, 0);
    EXPECT_EQ(radio.Port(), 1);
    const auto before = radio.Radio().memory;

    std::string error;
    {
        std::ofstream(dir / "short.img", std::ios::binary) << std::string(100, 'x');
    }
    EXPECT_FALSE(radio.LoadImage(dir / "short.img", &error));
    EXPECT_NE(error.find("100 bytes"), std::string::npos) << error;
    EXPECT_FALSE(radio.LoadImage(dir / "missing.img", &error));
    EXPECT_TRUE(radio.Radio().memory == before);

    std::string image(16384, '\x11');
    {
        std::ofstream(dir / "radio.img", std::ios::binary) << image;
    }
    ASSERT_TRUE(radio.LoadImage(dir / "radio.img", &error)) << error;
    EXPECT_EQ(radio.Radio().memory[0x1234], 0x11);
    ctx.line = nullptr;
    ctx.ports = nullptr;
}
