// Radio commands: read, write. They talk to the radio over a serial device (or a
// pseudo-terminal such as the one zb347rx-sim offers) and need the Qt serial line.
#ifdef ZB_CLI_WITH_QT

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <charconv>
#include <iostream>
#include <memory>

#include "app/messages.h"
#include "cli_session.h"
#include "command.h"
#include "files/data_files.h"
#include "link/link_engine.h"
#include "link/link_texts.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "link/qt/virtual_radio.h"

namespace zb::cli {
namespace {

const std::string kLinkOptions =
    "  --device PATH      the serial device (or pseudo-terminal) the radio is on\n"
    "  --port N           the port number COM<N> instead (default: the settings file)\n"
    "  --retries N        how often \"Check Connection\" is answered with retry (default 1)\n"
    "  --timeout S        give up after S seconds (default 600)\n"
    "  --virtual-radio    talk to a simulated radio inside the program (a fresh radio)\n"
    "  --virtual-radio-image FILE\n"
    "                     the same, its memory loaded from a 16384-byte image file\n";

const std::string kReadUsage = "Usage: zb347rx-cli read OUT.dat [options]\n"
                               "Reads the radio and saves its document as OUT.dat and OUT.fre.\n" +
                               kLinkOptions + kCommonUsage;
const std::string kWriteUsage = "Usage: zb347rx-cli write FILE.dat [options]\n"
                                "Writes the document FILE.dat into the radio.\n" +
                                kLinkOptions + kCommonUsage;

std::set<std::string> LinkValueOptions() {
    std::set<std::string> o{"--device", "--port", "--retries", "--timeout", "--virtual-radio-image"};
    o.insert(kCommonValueOptions.begin(), kCommonValueOptions.end());
    return o;
}

std::optional<int> Number(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    int v = 0;
    auto [p, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc() || p != text->data() + text->size() || v < 0) return std::nullopt;
    return v;
}

// Answers "Check Connection" with retry a limited number of times, then cancels; everything
// else as the command line's prompter does.
class LinkPrompter : public Prompter {
public:
    using Prompter::Ask;
    LinkPrompter(AppContext& ctx, Prompter& inner, int retries) : ctx_(ctx), inner_(inner), retries_(retries) {}
    Answer Ask(const Message& m) override {
        const Answer a = inner_.Ask(m);
        if (m.text != Text(ctx_, msg::RetryQuestion)) return a;
        if (retries_-- > 0) return m.buttons == Buttons::RetryCancel ? Answer::Retry : Answer::Ok;
        return Answer::Cancel;
    }

private:
    AppContext& ctx_;
    Prompter& inner_;
    int retries_;
};

// Percentages on stderr, every 10 %.
class LinkProgress : public LinkViews {
public:
    void OpenProgress(ProgressKind, const std::string& caption) override { std::cerr << caption << "\n"; }
    void SetProgress(int percent) override {
        if (percent == 0 || percent / 10 == shown_ / 10) return;
        shown_ = percent;
        std::cerr << "  " << percent << "%\n";
    }

private:
    int shown_ = 0;
};

// Runs one conversation on the Qt event loop; true when it ended with success.
bool Converse(Session& s, const Args& args, void (*start)(AppContext&)) {
    AppContext& ctx = s.ctx;
    const auto retries = args.Value("--retries") ? Number(args.Value("--retries")) : std::optional<int>(1);
    const auto timeout = args.Value("--timeout") ? Number(args.Value("--timeout")) : std::optional<int>(600);
    const auto port = Number(args.Value("--port"));
    if (!retries || !timeout || (args.Value("--port") && !port)) {
        PrintError("--port, --retries and --timeout take a whole number");
        return false;
    }
    int argc = 1;
    char name[] = "zb347rx-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    PortNumbers numbers;
    QtPortDirectory ports(numbers);
    QtSerialLine line(numbers);
    QtTimerFactory timers;
    LinkPrompter prompter(ctx, *ctx.prompter, *retries);
    LinkProgress progress;
    ctx.line = &line;
    ctx.ports = &ports;
    ctx.timers = &timers;
    ctx.prompter = &prompter;
    ctx.linkViews = &progress;
    // The context lets go of everything here before it goes.
    auto detach = [&] {
        ctx.line = nullptr;
        ctx.ports = nullptr;
        ctx.timers = nullptr;
        ctx.prompter = &s.prompter;
        ctx.linkViews = &ctx.defaultLinkViews;
        ctx.link.waitTimer.reset();
        ctx.link.writeTimer.reset();
    };
    const bool virtualRadio = args.Flag("--virtual-radio") || args.Value("--virtual-radio-image");
    if (virtualRadio && (args.Value("--device") || args.Value("--port"))) {
        PrintError("--virtual-radio goes without --device and --port");
        detach();
        return false;
    }
    std::unique_ptr<VirtualRadio> simulated;
    if (virtualRadio) {
        ports.SetOnlyAddedDevices(true);  // a port search stays on the simulated radio
        simulated = std::make_unique<VirtualRadio>(ctx, line, &ports, &numbers, 0);
        std::string error;
        if (auto image = args.Value("--virtual-radio-image"); image && !simulated->LoadImage(*image, &error)) {
            PrintError(error);
            detach();
            return false;
        }
    } else if (auto device = args.Value("--device")) {
        ports.SetOnlyAddedDevices(true);  // a port search stays on the device given
        ctx.settings.ComPort = ports.AddDevice(*device);
    } else if (port) {
        ctx.settings.ComPort = *port;
    }

    bool late = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&late] { late = true; });
    deadline.start(std::chrono::seconds(*timeout));
    start(ctx);
    auto busy = [&] {
        return ctx.link.CommMode != 0 || (ctx.link.writeTimer && ctx.link.writeTimer->IsActive());
    };
    // A running conversation always has a timer pending, so waiting for events never hangs.
    while (busy() && !late) app.processEvents(QEventLoop::WaitForMoreEvents);
    const bool done = !busy();
    if (!done) {
        PrintError("no end of the conversation within the time-out");
        EndSequence(ctx, false);
    }
    detach();
    return done && ctx.link.lastSucceeded;
}

int RunRead(const std::vector<std::string>& words) {
    Args args(words, LinkValueOptions(), {"--virtual-radio"});
    if (!CheckArgs(args, 1, kReadUsage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    if (!Converse(*s, args, ReadFromRadio)) return 1;
    return SaveFiles(s->ctx, args.positional()[0]) ? 0 : 1;
}

int RunWrite(const std::vector<std::string>& words) {
    Args args(words, LinkValueOptions(), {"--virtual-radio"});
    if (!CheckArgs(args, 1, kWriteUsage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    if (!GuardedLoad(s->ctx, args.positional()[0])) return 1;
    return Converse(*s, args, WriteToRadio) ? 0 : 1;
}

}  // namespace

ZB_CLI_COMMAND("read", "read the radio into a data file", kReadUsage, RunRead);
ZB_CLI_COMMAND("write", "write a data file into the radio", kWriteUsage, RunWrite);

}  // namespace zb::cli

#endif  // ZB_CLI_WITH_QT
