// Recovery of the link on the Qt serial line and timers, with pseudo-terminals standing in for
// the system's serial ports: the resend and the port search over real devices, a radio of
// another model passed over, and the fallback to it when no other radio answers.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <memory>

#include "app/context.h"
#include "link/link_engine.h"
#include "link/link_texts.h"
#include "link/packets.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "support/pty_radio.h"

namespace zb {
namespace {

using test::PtyRadio;

// The link on the Qt line, with a port list of the devices added (none of the system's).
struct QtLink {
    QtLink() {
        ports.SetOnlyAddedDevices(true);
        ctx.line = &line;
        ctx.ports = &ports;
        ctx.timers = &timers;
        ctx.versions.Firm = {{"V200", "V200"}};
    }
    ~QtLink() {
        ctx.link.waitTimer.reset();
        ctx.link.writeTimer.reset();
    }
    int Add(const QString& device) { return ports.AddDevice(device.toStdString()); }
    bool RunUntilIdle(int ms) {
        QElapsedTimer elapsed;
        elapsed.start();
        auto busy = [&] {
            return ctx.link.CommMode != 0 || (ctx.link.writeTimer && ctx.link.writeTimer->IsActive());
        };
        while (busy() && elapsed.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return !busy();
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : ctx.defaultPrompter.messages) texts.push_back(m.text);
        return texts;
    }

    PortNumbers numbers;
    QtPortDirectory ports{numbers};
    QtSerialLine line{numbers};
    QtTimerFactory timers;
    AppContext ctx;
};

void Fill(sim::RadioSim& radio) {
    for (int i = 0; i < 0x3DC0; ++i) radio.memory[i] = static_cast<uint8_t>(i * 11 + i / 256);
}

// The configured device stays silent twice: the program request is sent once more, then the
// search walks the list, skips a device that does not open, keeps a radio of another model as
// the fallback, and finds the right radio on the last device.
TEST(LinkPtyRecovery, ResendThenSearchPassesAnotherModelAndFindsTheRadio) {
    PtyRadio other, right;
    ASSERT_TRUE(other.Ok() && right.Ok());
    other.radio.model = "ZB999";
    Fill(right.radio);
    right.radio.faults.ignoreProgramRequests = 2;
    QtLink link;
    link.Add("/dev/zb-no-such-port");
    const int otherPort = link.Add(other.device);
    const int rightPort = link.Add(right.device);
    link.ctx.settings.ComPort = rightPort;
    link.ctx.settings.Handshaking = 1;  // found again with the settings it answers on
    link.ctx.settings.StopBit = 2;

    ReadFromRadio(link.ctx);
    ASSERT_TRUE(link.RunUntilIdle(30000));

    EXPECT_EQ(link.Messages(), (std::vector<std::string>{Text(link.ctx, msg::ReadQuestion),
                                                         Text(link.ctx, msg::ReadCompleted)}));
    EXPECT_EQ(right.radio.counters.programRequests, 3);  // twice unanswered, then the probe
    EXPECT_EQ(other.radio.counters.identifyRequests, 8);  // every combination of its port
    EXPECT_EQ(other.radio.counters.readRequests, 0);
    EXPECT_NE(otherPort, rightPort);
    EXPECT_EQ(link.ctx.settings.ComPort, rightPort);
    EXPECT_EQ(link.ctx.settings.Handshaking, 0);
    EXPECT_EQ(link.ctx.settings.StopBit, 1);
    EXPECT_TRUE(std::equal(link.ctx.Image.begin(), link.ctx.Image.begin() + 0x3DC0, right.radio.memory.begin()));
    EXPECT_FALSE(link.line.IsOpen());
}

// Only a radio of another model answers anywhere: the search ends on the fallback, the
// conversation starts again there and ends with the model message, the document untouched.
TEST(LinkPtyRecovery, OnlyAnotherModelAnsweringEndsWithTheModelMessage) {
    PtyRadio other;
    ASSERT_TRUE(other.Ok());
    other.radio.model = "ZB999";
    other.radio.faults.ignoreProgramRequests = 2;
    Fill(other.radio);
    QtLink link;
    link.Add("/dev/zb-no-such-port");
    const int otherPort = link.Add(other.device);
    link.ctx.settings.ComPort = otherPort;
    const Codeplug before = link.ctx.Doc;

    ReadFromRadio(link.ctx);
    ASSERT_TRUE(link.RunUntilIdle(30000));

    EXPECT_EQ(link.Messages(), (std::vector<std::string>{Text(link.ctx, msg::ReadQuestion),
                                                         Text(link.ctx, msg::ModelError)}));
    EXPECT_EQ(link.ctx.settings.ComPort, otherPort);
    EXPECT_EQ(other.radio.counters.readRequests, 1);  // the status block of the restart only
    EXPECT_EQ(other.radio.counters.endRequests, 1);
    EXPECT_TRUE(link.ctx.Doc.Data == before.Data && link.ctx.Doc.Channels == before.Channels);
    EXPECT_FALSE(link.line.IsOpen());
    EXPECT_EQ(link.ctx.link.CommMode, 0);
}

}  // namespace
}  // namespace zb
