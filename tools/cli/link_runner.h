#pragma once
// What the radio commands share: the link options, the Qt serial line and timers, and one
// conversation at a time run on the Qt event loop.
#ifdef ZB_CLI_WITH_QT

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "base/platform_paths.h"
#include "cli_session.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "link/qt/virtual_radio.h"

namespace zb::cli {

inline constexpr int kDefaultRetries = 2;

// A constant expression, so the commands' usage texts can use it during static initialisation.
inline constexpr const char* kLinkOptionsUsage =
    "  --port DEV|N       the serial device (or pseudo-terminal) the radio is on, or the port\n"
    "                     number COM<N> (default: the settings file); --device DEV is the same\n"
    "  --retries N        how often \"Check Connection. Retry or Cancel?\" is answered with\n"
    "                     retry before the command gives up (default 2)\n"
    "  --timeout S        give up after S seconds, 1 to 86400 (default 600)\n"
    "  --virtual-radio    talk to a simulated radio inside the program (a fresh radio)\n"
    "  --virtual-radio-image FILE\n"
    "                     the same, its memory loaded from a 16384-byte image file\n";
// The value options of a radio command: the link's and the common ones.
std::set<std::string> LinkValueOptions(std::set<std::string> more = {});
// The flag options of a radio command: the link's and `more`.
std::set<std::string> LinkFlagOptions(std::set<std::string> more = {});

// Percentages on stderr while a conversation runs, only when stderr is a terminal: a log file
// gets the messages, not a line of progress per block.
class TerminalProgress : public LinkViews {
public:
    TerminalProgress();
    void OpenProgress(ProgressKind, const std::string& caption) override;
    void CloseProgress() override { EndLine(); }
    void SetProgress(int percent) override;
    void SetRadioNumber(int number) override;
    // Ends the progress line, so a message starts on a line of its own.
    void EndLine();

private:
    bool terminal_ = false;
    bool pending_ = false;
    std::string caption_;
    int radio_ = 0;
    int shown_ = -1;
};

class LinkRunner {
public:
    // Parses the link options; ok() is false (after printing why) on a bad value.
    LinkRunner(Session& session, const Args& args);
    ~LinkRunner();
    LinkRunner(const LinkRunner&) = delete;
    LinkRunner& operator=(const LinkRunner&) = delete;

    bool ok() const { return ok_; }
    // Runs one conversation to its end; true when it ended with success. A `blockCaption`
    // reports the block cursor of an RMG-data read as progress (the engine shows none for it).
    bool Run(void (*start)(AppContext&), const std::string& blockCaption = {});
    // Runs the event loop until `finished` holds or the time-out passes; true when it held.
    bool RunUntil(const std::function<bool()>& finished);
    TerminalProgress& progress() { return *progress_; }
    // True once a write conversation has sent data blocks into the radio.
    bool sentWriteBlocks() const { return sentWriteBlocks_; }

private:
    class Prompts;

    Session& session_;
    bool ok_ = false;
    int timeoutSeconds_ = 600;
    bool sentWriteBlocks_ = false;
    int argc_ = 1;
    char name_[12] = "zb347rx-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
    PortNumbers numbers_{PortNumbersFile()};  // the same numbers as the GUI
    std::unique_ptr<QtPortDirectory> ports_;
    std::unique_ptr<QtSerialLine> line_;
    std::unique_ptr<VirtualRadio> virtualRadio_;  // on --virtual-radio, in front of line_
    QtTimerFactory timers_;
    std::unique_ptr<TerminalProgress> progress_;
    std::unique_ptr<Prompts> prompts_;
};

}  // namespace zb::cli

#endif  // ZB_CLI_WITH_QT
