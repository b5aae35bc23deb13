// The radio link on the Qt serial line and timers, against the simulated radio on a real
// pseudo-terminal: in this process, and as the simulator program.

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/context.h"
#include "app/messages.h"
#include "link/link_engine.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "sim/radio_sim.h"

namespace zb {
namespace {

// The radio end of a pseudo-terminal. Replies are written in two pieces 2 ms apart, as a
// slow line delivers them.
class PtyRadio {
public:
    PtyRadio() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        device = QString::fromLocal8Bit(ptsname(master_));
        keepSlave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        termios tio{};
        tcgetattr(keepSlave_, &tio);
        cfmakeraw(&tio);
        tcsetattr(keepSlave_, TCSANOW, &tio);
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
    }
    ~PtyRadio() {
        notifier_.reset();
        if (keepSlave_ >= 0) ::close(keepSlave_);
        if (master_ >= 0) ::close(master_);
    }
    bool Ok() const { return master_ >= 0 && keepSlave_ >= 0; }

    sim::RadioSim radio;
    QString device;

private:
    void OnReadable() {
        uint8_t buf[256];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0) return;
        const sim::Bytes reply = radio.Feed(sim::Bytes(buf, buf + n));
        if (reply.empty()) return;
        const size_t half = reply.size() / 2;
        Send(sim::Bytes(reply.begin(), reply.begin() + half));
        sim::Bytes rest(reply.begin() + half, reply.end());
        QTimer::singleShot(2, [this, rest] { Send(rest); });
    }
    void Send(const sim::Bytes& b) {
        if (!b.empty() && ::write(master_, b.data(), b.size()) < 0) return;
    }

    int master_ = -1;
    int keepSlave_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

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

// The simulator program: prints its device first, answers paced at 9600 baud, and keeps
// what was written when it is stopped.
TEST(LinkOverPty, WriteIntoTheSimulatorProgram) {
    const QString program = QStringLiteral(ZB_BINARY_DIR "/tools/zb347rx-sim");
    if (!QFile::exists(program)) GTEST_SKIP() << "zb347rx-sim not built";
    const QString saved = QStringLiteral(ZB_BINARY_DIR "/link_qt_sim_memory.bin");
    QFile::remove(saved);
    QProcess sim;
    sim.start(program, {"--pace", "--band-b", "--save", saved});
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
}

}  // namespace
}  // namespace zb
