#include "link/radio_probe.h"

#include <algorithm>
#include <charconv>

#include "app/context.h"
#include "codeplug/identity.h"
#include "link/cable_doctor.h"
#include "link/doctor_texts.h"
#include "link/link_state.h"
#include "link/packets.h"
#include "link/timer.h"

namespace zb {
namespace {

namespace dm = msg::doctor;

// Each request is sent this often before the line counts as silent, as a conversation does.
constexpr int kAttempts = 2;
// Bytes of an unexpected answer shown in the report.
constexpr std::size_t kGarbageShown = 16;

std::string Milliseconds(double ms) {
    char buffer[32];
    auto [p, ec] = std::to_chars(buffer, buffer + sizeof buffer, ms, std::chars_format::fixed, 1);
    return ec == std::errc() ? std::string(buffer, p) : "?";
}

std::string HexBytes(const Bytes& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && i < kGarbageShown; ++i) {
        if (!text.empty()) text += ' ';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    if (bytes.size() > kGarbageShown) text += " ...";
    return text;
}

}  // namespace

RadioProbe::RadioProbe(AppContext& ctx) : ctx_(ctx) {}

RadioProbe::~RadioProbe() {
    if (step_ != Step::Idle && ctx_.line) {
        ctx_.line->Close();
        ctx_.line->SetListener(nullptr);
    }
}

void RadioProbe::Start(const LineSettings& settings, std::function<void(const ProbeResult&)> done) {
    result_ = ProbeResult{};
    done_ = std::move(done);
    attempts_ = 0;
    if (!ctx_.line || !ctx_.timers) {
        result_.openFailure = "no serial line";
        Finish(ProbeOutcome::CannotOpen);
        return;
    }
    if (!timer_) {
        timer_ = ctx_.timers->CreateTimer();
        timer_->onTimeout = [this] { OnTimeout(); };
    }
    SerialLine& line = *ctx_.line;
    line.SetListener(this);
    if (line.IsOpen()) line.Close();
    if (!line.Open(settings, &result_.openFailure)) {
        Finish(ProbeOutcome::CannotOpen);
        return;
    }
    Send(Step::Program, ProgramRequest(), kAckReplyLength);
}

void RadioProbe::Send(Step step, const Bytes& packet, int replyLength) {
    step_ = step;
    ctx_.line->SetReceiveThreshold(replyLength);
    ctx_.line->ClearBuffers();
    sentAt_ = std::chrono::steady_clock::now();
    timer_->Start(kReplyTimeoutMs);
    ctx_.line->Write(packet);
}

double RadioProbe::MsSinceSend() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sentAt_).count();
}

void RadioProbe::OnReceive() {
    if (step_ == Step::Idle || !ctx_.line) return;
    const Bytes bytes = ctx_.line->ReadAll();
    if (step_ == Step::Program && (!result_.garbage.empty() || !IsAcknowledge(bytes))) {
        // Whatever else comes until the reply timer expires belongs to the same answer: an echo
        // of the request arrives a byte at a time.
        result_.garbage.insert(result_.garbage.end(), bytes.begin(), bytes.end());
        return;
    }
    timer_->Stop();
    switch (step_) {
        case Step::Program:
            result_.programRoundTripMs = MsSinceSend();
            attempts_ = 0;
            Send(Step::Identify, IdentifyRequest(), kIdentificationLength);
            return;
        case Step::Identify:
            if (auto id = ParseIdentification(bytes)) {
                result_.identifyRoundTripMs = MsSinceSend();
                result_.model = id->model;
                result_.firmware = id->firmware;
                result_.outcome = ModelMatches(ctx_, id->model) ? ProbeOutcome::Answered : ProbeOutcome::OtherModel;
                Send(Step::Acknowledge, Acknowledge(), kAckReplyLength);
            } else {
                result_.garbage = bytes;
                result_.outcome = ProbeOutcome::Garbage;
                Send(Step::End, EndRequest(), kAckReplyLength);
            }
            return;
        case Step::Acknowledge: Send(Step::End, EndRequest(), kAckReplyLength); return;
        case Step::End: Finish(result_.outcome); return;
        case Step::Idle: return;
    }
}

void RadioProbe::OnTimeout() {
    if (step_ == Step::Idle || !ctx_.line) return;
    // Bytes short of the reply length raise no receive event: they are no reply either.
    const Bytes leftover = ctx_.line->ReadAll();
    switch (step_) {
        case Step::Program:
            result_.garbage.insert(result_.garbage.end(), leftover.begin(), leftover.end());
            if (!result_.garbage.empty()) {
                Finish(ProbeOutcome::Garbage);
            } else if (++attempts_ < kAttempts) {
                Send(Step::Program, ProgramRequest(), kAckReplyLength);
            } else {
                Finish(ProbeOutcome::NoAnswer);
            }
            return;
        case Step::Identify:
            if (!leftover.empty()) {
                result_.garbage = leftover;
                result_.outcome = ProbeOutcome::Garbage;
            } else if (++attempts_ < kAttempts) {
                Send(Step::Identify, IdentifyRequest(), kIdentificationLength);
                return;
            } else {
                result_.outcome = ProbeOutcome::NoIdentification;
            }
            Send(Step::End, EndRequest(), kAckReplyLength);
            return;
        // The acknowledge of the acknowledge and of the end request are not required.
        case Step::Acknowledge: Send(Step::End, EndRequest(), kAckReplyLength); return;
        case Step::End: Finish(result_.outcome); return;
        case Step::Idle: return;
    }
}

void RadioProbe::Finish(ProbeOutcome outcome) {
    result_.outcome = outcome;
    step_ = Step::Idle;
    if (timer_) timer_->Stop();
    if (ctx_.line) {
        ctx_.line->Close();
        ctx_.line->SetListener(nullptr);  // the next conversation wires the link again
    }
    auto done = std::move(done_);
    done_ = nullptr;
    if (done) done(result_);
}

std::string ProbeSettingsText(const std::string& port, const LineSettings& settings, int language) {
    std::string handshaking;
    switch (settings.handshaking) {
        case 1: handshaking = "XON/XOFF"; break;
        case 2: handshaking = "RTS/CTS"; break;
        case 3: handshaking = std::string(dm::HandshakingBoth[language]); break;
        default: handshaking = std::string(dm::HandshakingNone[language]); break;
    }
    return FillText(dm::ProbeSettings[language], {port, std::to_string(settings.stopBits), handshaking});
}

Finding ProbeFinding(const ProbeResult& r, const std::string& programModel, int language) {
    Finding f;
    f.subject = std::string(dm::RadioSubject[language]);
    f.kind = FindingKind::Problem;
    switch (r.outcome) {
        case ProbeOutcome::Answered:
            f.kind = FindingKind::Ok;
            f.text = FillText(dm::ProbeAnswered[language], {r.model, r.firmware, Milliseconds(r.programRoundTripMs),
                                                             Milliseconds(r.identifyRoundTripMs)});
            break;
        case ProbeOutcome::OtherModel:
            f.text = FillText(dm::ProbeOtherModel[language], {r.model, r.firmware, programModel});
            break;
        case ProbeOutcome::CannotOpen: f.text = FillText(dm::ProbeCannotOpen[language], {r.openFailure}); break;
        case ProbeOutcome::NoAnswer: f.text = std::string(dm::ProbeNoAnswer[language]); break;
        case ProbeOutcome::Garbage: {
            // A line that returns the request itself (TX joined to RX) is not another device.
            const Bytes program = ProgramRequest();
            const bool echo = r.garbage.size() >= program.size() &&
                              std::equal(program.begin(), program.end(), r.garbage.begin());
            f.text = FillText((echo ? dm::ProbeEcho : dm::ProbeGarbage)[language], {HexBytes(r.garbage)});
            break;
        }
        case ProbeOutcome::NoIdentification: f.text = std::string(dm::ProbeNoIdentification[language]); break;
    }
    return f;
}

}  // namespace zb
