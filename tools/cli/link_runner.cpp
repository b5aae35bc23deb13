#ifdef ZB_CLI_WITH_QT

#include "link_runner.h"

#if defined(_WIN32)
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

#include <QTimer>
#include <charconv>
#include <chrono>
#include <iostream>

#include "codeplug/image_layout.h"
#include "link/link_engine.h"
#include "link/link_texts.h"

namespace zb::cli {
namespace {

constexpr int kMaxTimeoutSeconds = 86400;  // a day

std::optional<int> WholeNumber(const std::string& text) {
    int v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size() || v < 0) return std::nullopt;
    return v;
}

}  // namespace

std::set<std::string> LinkValueOptions(std::set<std::string> more) {
    more.insert({"--port", "--device", "--retries", "--timeout", "--virtual-radio-image"});
    more.insert(kCommonValueOptions.begin(), kCommonValueOptions.end());
    return more;
}

std::set<std::string> LinkFlagOptions(std::set<std::string> more) {
    more.insert("--virtual-radio");
    return more;
}

TerminalProgress::TerminalProgress() : terminal_(isatty(STDERR_FILENO) == 1) {}

void TerminalProgress::OpenProgress(ProgressKind, const std::string& caption) {
    caption_ = caption;
    radio_ = 0;
    SetProgress(0);
}

void TerminalProgress::SetProgress(int percent) {
    if (!terminal_ || (pending_ && percent == shown_)) return;
    shown_ = percent;
    std::cerr << "\r" << caption_;
    if (radio_ > 0) std::cerr << " (radio " << radio_ << ")";
    std::cerr << ": " << percent << "%   " << std::flush;
    pending_ = true;
}

void TerminalProgress::SetRadioNumber(int number) {
    radio_ = number;
    shown_ = -1;  // the same percentage of another radio is news
}

void TerminalProgress::EndLine() {
    if (!pending_) return;
    std::cerr << "\n";
    pending_ = false;
}

// The command's answers: "Check Connection" is answered with retry --retries times, then with
// cancel; everything else as the command line's prompter answers it.
class LinkRunner::Prompts : public Prompter {
public:
    using Prompter::Ask;
    Prompts(AppContext& ctx, CliPrompter& inner, TerminalProgress& progress, int retries)
        : ctx_(ctx), inner_(inner), progress_(progress), retries_(retries) {
        inner_.retries = retries;
    }
    Answer Ask(const Message& m) override {
        progress_.EndLine();
        const Answer a = inner_.Ask(m);
        if (m.text != Text(ctx_, msg::RetryQuestion)) return a;
        if (retries_-- > 0) return m.buttons == Buttons::RetryCancel ? Answer::Retry : Answer::Ok;
        return Answer::Cancel;
    }

private:
    AppContext& ctx_;
    CliPrompter& inner_;
    TerminalProgress& progress_;
    int retries_;
};

LinkRunner::LinkRunner(Session& session, const Args& args) : session_(session) {
    int retries = kDefaultRetries;
    if (auto text = args.Value("--retries")) {
        auto n = WholeNumber(*text);
        if (!n) {
            PrintError("--retries takes a whole number, not " + *text);
            return;
        }
        retries = *n;
    }
    if (auto text = args.Value("--timeout")) {
        // Seconds become milliseconds: a bound far below what an int holds keeps them exact.
        auto n = WholeNumber(*text);
        if (!n || *n < 1 || *n > kMaxTimeoutSeconds) {
            PrintError("--timeout " + Say(txt::TakesRange) + " 1.." + std::to_string(kMaxTimeoutSeconds) +
                       " (seconds), not " + *text);
            return;
        }
        timeoutSeconds_ = *n;
    }
    auto port = args.Value("--port");
    if (auto device = args.Value("--device")) port = device;
    if (port && port->empty()) {
        PrintError("--port and --device take a device or a port number, not an empty text");
        return;
    }
    const auto image = args.Value("--virtual-radio-image");
    const bool simulated = args.Flag("--virtual-radio") || image;
    if (simulated && port) {
        PrintError("--virtual-radio goes without --port and --device");
        return;
    }

    app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    ports_ = std::make_unique<QtPortDirectory>(numbers_);
    line_ = std::make_unique<QtSerialLine>(numbers_);
    progress_ = std::make_unique<TerminalProgress>();
    AppContext& ctx = session_.ctx;
    prompts_ = std::make_unique<Prompts>(ctx, session_.prompter, *progress_, retries);
    if (port) {
        if (auto number = WholeNumber(*port)) {
            ctx.settings.ComPort = *number;
        } else {
            ports_->SetOnlyAddedDevices(true);  // a port search stays on the device given
            ctx.settings.ComPort = ports_->AddDevice(*port);
        }
    }
    ctx.line = line_.get();
    ctx.ports = ports_.get();
    ctx.timers = &timers_;
    ctx.prompter = prompts_.get();
    ctx.linkViews = progress_.get();
    if (simulated) {
        ports_->SetOnlyAddedDevices(true);  // a port search stays on the simulated radio
        virtualRadio_ = std::make_unique<VirtualRadio>(ctx, *line_, ports_.get(), &numbers_, 0);
        std::string error;
        if (image && !virtualRadio_->LoadImage(*image, &error)) {
            PrintError(error);
            return;
        }
    }
    ok_ = true;
}

LinkRunner::~LinkRunner() {
    AppContext& ctx = session_.ctx;
    ctx.link.waitTimer.reset();
    ctx.link.writeTimer.reset();
    ctx.line = nullptr;
    ctx.ports = nullptr;
    ctx.timers = nullptr;
    ctx.prompter = &session_.prompter;
    ctx.linkViews = &ctx.defaultLinkViews;
}

bool LinkRunner::RunUntil(const std::function<bool()>& finished) {
    bool late = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&late] { late = true; });
    deadline.start(std::chrono::seconds(timeoutSeconds_));
    while (!finished() && !late) app_->processEvents(QEventLoop::WaitForMoreEvents);
    return finished();
}

bool LinkRunner::Run(void (*start)(AppContext&), const std::string& blockCaption) {
    const bool showBlocks = !blockCaption.empty();
    AppContext& ctx = session_.ctx;
    bool late = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&late] { late = true; });
    deadline.start(std::chrono::seconds(timeoutSeconds_));

    ctx.link.lastSucceeded = false;  // a start that fails leaves no earlier success behind
    auto noteWrite = [&] {
        if (ctx.link.CommMode == kModeWrite && ctx.link.BlockAddress >= layout::kWriteStart)
            sentWriteBlocks_ = true;
    };
    start(ctx);
    noteWrite();
    auto busy = [&] { return ConversationRunning(ctx); };
    int shown = -1;
    if (showBlocks && busy()) progress_->OpenProgress(ProgressKind::Single, blockCaption);
    // A running conversation always has a timer pending, so waiting for events never hangs.
    while (busy() && !late) {
        app_->processEvents(QEventLoop::WaitForMoreEvents);
        noteWrite();
        const int address = ctx.link.BlockAddress;
        if (showBlocks && ctx.link.CommMode != 0 && address >= layout::kRmgAreaStart) {
            const int percent = (address - layout::kRmgAreaStart) * 100 /
                                (layout::kRmgAreaEnd - layout::kRmgAreaStart);
            if (percent != shown) progress_->SetProgress(shown = percent);
        }
    }
    const bool done = !busy();
    if (!done) {
        progress_->EndLine();
        PrintError("no end of the conversation within the time-out");
        EndSequence(ctx, false);
    }
    if (showBlocks && done && ctx.link.lastSucceeded) progress_->SetProgress(100);
    progress_->EndLine();
    return done && ctx.link.lastSucceeded;
}

}  // namespace zb::cli

#endif  // ZB_CLI_WITH_QT
