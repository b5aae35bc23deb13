// The radio link on the Qt serial line and timers, against the simulated radio on a real
// pseudo-terminal: in this process, and as the simulator program.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "app/context.h"
#include "link/link_engine.h"
#include "link/link_texts.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "sim/radio_sim.h"
#include "support/pty_radio.h"

namespace zb {
namespace {

using test::PtyRadio;

bool RunUntilIdle(AppContext& ctx, int ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    auto busy = [&] {
        return ctx.link.CommMode != 0 || (ctx.link.writeTimer && ctx.link.writeTimer->IsActive());
    };
    while (busy() && elapsed.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !busy();
}

TEST(LinkOverPty, FullReadOverAPseudoTerminal) {
    PtyRadio pty;
    ASSERT_TRUE(pty.Ok());
    for (int i = 0; i < 0x3DC0; ++i) pty.radio.memory[i] = static_cast<uint8_t>(i * 3);
    PortNumbers numbers;
    QtPortDirectory ports(numbers);
    ports.SetOnlyAddedDevices(true);
    QtSerialLine line(numbers);
    QtTimerFactory timers;
    AppContext ctx;
    ctx.line = &line;
    ctx.ports = &ports;
    ctx.timers = &timers;
    ctx.settings.ComPort = ports.AddDevice(pty.device.toStdString());
    ctx.versions.Firm = {{"V200", "V200"}};

    ReadFromRadio(ctx);
    EXPECT_TRUE(RunUntilIdle(ctx, 30000));

    ASSERT_FALSE(ctx.defaultPrompter.messages.empty());
    EXPECT_EQ(ctx.defaultPrompter.messages.back().text, Text(ctx, msg::ReadCompleted));
    EXPECT_TRUE(std::equal(ctx.Image.begin(), ctx.Image.begin() + 0x3DC0, pty.radio.memory.begin()));
    EXPECT_EQ(pty.radio.counters.readRequests, 1 + 247);
    EXPECT_FALSE(line.IsOpen());
}

// The simulator program: prints its device first, keeps the line time of 57600 baud (replies
// arrive a byte at a time), and keeps what was written when it is stopped.
TEST(LinkOverPty, WriteIntoTheSimulatorProgram) {
#ifndef ZB_SIM_PATH
    GTEST_SKIP() << "zb347rx-sim not built";
#else
    const QString program = QStringLiteral(ZB_SIM_PATH);
    const QString saved = QStringLiteral(ZB_BINARY_DIR "/link_qt_sim_memory.bin");
    QFile::remove(saved);
    QProcess sim;
    sim.start(program, {"--baud", "57600", "--band-b", "--save", saved});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(sim.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_TRUE(device.startsWith("/dev/"));

    PortNumbers numbers;
    QtPortDirectory ports(numbers);
    ports.SetOnlyAddedDevices(true);
    QtSerialLine line(numbers);
    QtTimerFactory timers;
    AppContext ctx;
    ctx.line = &line;
    ctx.ports = &ports;
    ctx.timers = &timers;
    ctx.settings.ComPort = ports.AddDevice(device.toStdString());
    ctx.versions.Firm = {{"V200", "V200"}};
    WriteToRadio(ctx);
    EXPECT_TRUE(RunUntilIdle(ctx, 60000));
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));

    ASSERT_FALSE(ctx.defaultPrompter.messages.empty());
    EXPECT_EQ(ctx.defaultPrompter.messages.back().text, Text(ctx, msg::WriteCompleted));
    EXPECT_EQ(ctx.identity.BandText, kWideBandText);
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray memory = f.readAll();
    ASSERT_EQ(memory.size(), 16384);
    EXPECT_TRUE(std::equal(ctx.Image.begin() + 0x10, ctx.Image.begin() + 0x3D90,
                           reinterpret_cast<const uint8_t*>(memory.constData()) + 0x10));
#endif
}

}  // namespace
}  // namespace zb
