// Full read and full write against zb347rx-sim on a pseudo-terminal, through the real Qt
// serial line, Qt timers and the link engine. Unpaced, the figure is the program's own cost;
// with --baud the simulator keeps the line time of that speed in both directions, and the
// figure is compared with the time the bytes themselves take on such a line.
//
//   link_bench [--baud N] [--runs N] [--realtime]
//
// --realtime runs the simulator at real-time priority, so that its own wake-ups (which a real
// radio does not have) weigh less in the figure when the machine is busy.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "app/context.h"
#include "link/link_engine.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"

namespace {

using namespace zb;

using Clock = std::chrono::steady_clock;

// Passes everything to the real line, counts the bytes in both directions and splits the time
// of each exchange into the program's turn (reply received to next request written) and the
// line's turn (request written to reply received).
class CountingLine : public SerialLine, public SerialListener {
public:
    explicit CountingLine(SerialLine& inner) : inner_(inner) { inner_.SetListener(this); }
    bool Open(const LineSettings& s, std::string* reason) override { return inner_.Open(s, reason); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    void SetReceiveThreshold(int n) override { inner_.SetReceiveThreshold(n); }
    void ClearBuffers() override { inner_.ClearBuffers(); }
    void Write(const Bytes& bytes) override {
        const auto now = Clock::now();
        if (replied_) programTurn += now - lastReply_;
        replied_ = false;
        lastWrite_ = now;
        lastWriteSize_ = bytes.size();
        sent += bytes.size();
        inner_.Write(bytes);
    }
    Bytes ReadAll() override {
        Bytes b = inner_.ReadAll();
        received += b.size();
        return b;
    }
    void OnReceive() override {
        const auto now = Clock::now();
        lineTurn += now - lastWrite_;
        lineTurnBytes += lastWriteSize_;
        lastReply_ = now;
        replied_ = true;
        ++exchanges;
        if (listener_) listener_->OnReceive();
        lineTurnBytes += received - countedReceived_;
        countedReceived_ = received;
    }
    void OnSendDone() override {
        if (listener_) listener_->OnSendDone();
    }

    std::size_t sent = 0, received = 0, exchanges = 0, lineTurnBytes = 0;
    Clock::duration programTurn{}, lineTurn{};

private:
    SerialLine& inner_;
    Clock::time_point lastWrite_{}, lastReply_{};
    std::size_t lastWriteSize_ = 0, countedReceived_ = 0;
    bool replied_ = false;
};

struct Figure {
    double seconds = 0;
    std::size_t bytes = 0;
    bool ok = false;
    std::size_t exchanges = 0, lineTurnBytes = 0;
    double programTurn = 0, lineTurn = 0;  // seconds
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

Figure RunOnce(const std::string& device, bool write) {
    PortNumbers numbers;
    QtPortDirectory ports(numbers);
    ports.SetOnlyAddedDevices(true);
    QtSerialLine qtLine(numbers);
    CountingLine line(qtLine);
    QtTimerFactory timers;
    AppContext ctx;
    ctx.line = &line;
    ctx.ports = &ports;
    ctx.timers = &timers;
    ctx.versions.Firm = {{"V200", "V200"}};
    ctx.settings.ComPort = ports.AddDevice(device);

    QElapsedTimer clock;
    clock.start();
    if (write) {
        WriteToRadio(ctx);
    } else {
        ReadFromRadio(ctx);
    }
    auto busy = [&] {
        return ctx.link.CommMode != 0 || (ctx.link.writeTimer && ctx.link.writeTimer->IsActive());
    };
    while (busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Figure f;
    f.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    f.bytes = line.sent + line.received;
    f.ok = ctx.link.lastSucceeded;
    f.exchanges = line.exchanges;
    f.lineTurnBytes = line.lineTurnBytes;
    f.programTurn = Seconds(line.programTurn);
    f.lineTurn = Seconds(line.lineTurn);
    ctx.link.waitTimer.reset();
    ctx.link.writeTimer.reset();
    return f;
}

int Number(const char* text) {
    int v = 0;
    const std::string s = text;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size() && v > 0 ? v : -1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int baud = 0;
    int runs = 3;
    bool realtime = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--baud" && i + 1 < argc) {
            baud = Number(argv[++i]);
        } else if (a == "--realtime") {
            realtime = true;
        } else if (a == "--runs" && i + 1 < argc) {
            runs = Number(argv[++i]);
        } else {
            baud = runs = -1;
        }
        if (baud < 0 || runs < 0) {
            std::fprintf(stderr, "usage: link_bench [--baud N] [--runs N] [--realtime]\n");
            return 2;
        }
    }

    QProcess sim;
    QStringList simArgs;
    if (baud > 0) simArgs << "--baud" << QString::number(baud);
    if (realtime) simArgs << "--realtime";
    sim.start(QStringLiteral(ZB_SIM_PATH), simArgs);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "link_bench: cannot start %s\n", ZB_SIM_PATH);
        return 1;
    }
    const std::string device = QString::fromLocal8Bit(sim.readLine()).trimmed().toStdString();

    std::printf("link_bench: %s, %d runs each, simulator on %s\n",
                baud > 0 ? ("paced at " + std::to_string(baud) + " baud").c_str() : "unpaced", runs,
                device.c_str());
    int failures = 0;
    for (const bool write : {false, true}) {
        std::vector<double> times;
        std::size_t bytes = 0;
        Figure last;
        for (int r = 0; r < runs; ++r) {
            const Figure f = RunOnce(device, write);
            if (!f.ok) ++failures;
            times.push_back(f.seconds);
            bytes = f.bytes;
            last = f;
        }
        std::sort(times.begin(), times.end());
        const char* name = write ? "full write" : "full read ";
        std::printf("%s  best %8.3f s  median %8.3f s  worst %8.3f s  (%zu bytes on the line)", name,
                    times.front(), times[times.size() / 2], times.back(), bytes);
        if (baud > 0) {
            const double lineTime = static_cast<double>(bytes) * 10.0 / baud;
            std::printf("  line time %.3f s, median %+.2f %%", lineTime,
                        (times[times.size() / 2] / lineTime - 1.0) * 100.0);
        }
        std::printf("\n");
        // Where the time of the last run went, per exchange.
        if (last.exchanges > 0) {
            const double n = static_cast<double>(last.exchanges);
            std::printf("            %zu exchanges: program %.1f us each; request to reply %.1f us each",
                        last.exchanges, last.programTurn / n * 1e6, last.lineTurn / n * 1e6);
            if (baud > 0)
                std::printf(" (%.1f us over the bytes' line time)",
                            (last.lineTurn - static_cast<double>(last.lineTurnBytes) * 10.0 / baud) / n * 1e6);
            std::printf("\n");
        }
    }
    sim.terminate();
    sim.waitForFinished(5000);
    if (failures) std::fprintf(stderr, "link_bench: %d conversations failed\n", failures);
    return failures ? 1 : 0;
}
