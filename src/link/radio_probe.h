#pragma once
// Asks the radio on one port who it is, without reading or writing its memory: opens the port,
// sends the program request and the identify request, acknowledges the identification and ends
// the exchange with the end request. Tells a radio that answers from a silent line, from a line
// that delivers bytes that are no reply (wrong line settings, another device) and from a radio of
// another model, and measures the round trips.

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "link/serial_line.h"

namespace zb {

struct AppContext;
struct Finding;
class OneShotTimer;

enum class ProbeOutcome { Answered, OtherModel, CannotOpen, NoAnswer, Garbage, NoIdentification };

struct ProbeResult {
    ProbeOutcome outcome = ProbeOutcome::NoAnswer;
    std::string openFailure;  // why the port did not open
    std::string model, firmware;
    Bytes garbage;            // what came back instead of a reply
    double programRoundTripMs = -1;
    double identifyRoundTripMs = -1;
};

class RadioProbe : public SerialListener {
public:
    // Uses the context's serial line and timers; the radio's model is compared with the
    // program's model name.
    explicit RadioProbe(AppContext& ctx);
    ~RadioProbe() override;
    RadioProbe(const RadioProbe&) = delete;
    RadioProbe& operator=(const RadioProbe&) = delete;

    // Starts the exchange; `done` runs once when it has ended (at once when the port does not
    // open). The line is closed again before `done` runs.
    void Start(const LineSettings& settings, std::function<void(const ProbeResult&)> done);
    bool Running() const { return step_ != Step::Idle; }

    void OnReceive() override;

private:
    enum class Step { Idle, Program, Identify, Acknowledge, End };
    void Send(Step step, const Bytes& packet, int replyLength);
    void OnTimeout();
    void Finish(ProbeOutcome outcome);
    double MsSinceSend() const;

    AppContext& ctx_;
    std::unique_ptr<OneShotTimer> timer_;
    Step step_ = Step::Idle;
    int attempts_ = 0;
    ProbeResult result_;
    std::function<void(const ProbeResult&)> done_;
    std::chrono::steady_clock::time_point sentAt_;
};

// The result as a finding of the doctor's report, in the language given; `port` names the port.
Finding ProbeFinding(const ProbeResult& result, const std::string& programModel, int language);
// The line settings as the report shows them.
std::string ProbeSettingsText(const std::string& port, const LineSettings& settings, int language);

}  // namespace zb
