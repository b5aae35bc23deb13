#pragma once
// A radio link in a test: the engine talks to the simulated radio through a fake serial
// line, and timers run on a virtual clock, so a 300 ms time-out costs no real time.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/context.h"
#include "base/timer.h"
#include "codeplug/image_codec.h"
#include "link/serial_line.h"
#include "sim/radio_sim.h"

namespace zb::test {

class VirtualClock {
public:
    using Task = std::function<void()>;
    void At(int64_t time, Task task) { tasks_.emplace(std::make_pair(time, seq_++), std::move(task)); }
    void After(int64_t delay, Task task) { At(now + delay, std::move(task)); }
    // Runs due tasks in time order until none is left or the time limit is passed.
    void Run(int64_t limit = 3'600'000) {
        while (!tasks_.empty() && tasks_.begin()->first.first <= limit) {
            auto it = tasks_.begin();
            now = it->first.first;
            Task task = std::move(it->second);
            tasks_.erase(it);
            task();
        }
    }
    int64_t now = 0;

private:
    std::map<std::pair<int64_t, uint64_t>, Task> tasks_;
    uint64_t seq_ = 0;
};

class VirtualTimer : public OneShotTimer {
public:
    explicit VirtualTimer(VirtualClock& clock) : clock_(clock) {}
    void Start(int ms) override {
        const uint64_t generation = ++generation_;
        active_ = true;
        auto alive = alive_;
        clock_.After(ms, [this, generation, alive] {
            if (!*alive || generation != generation_ || !active_) return;
            active_ = false;
            if (onTimeout) onTimeout();
        });
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    ~VirtualTimer() override { *alive_ = false; }

private:
    VirtualClock& clock_;
    uint64_t generation_ = 0;
    bool active_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class VirtualTimers : public TimerFactory {
public:
    explicit VirtualTimers(VirtualClock& clock) : clock_(clock) {}
    std::unique_ptr<OneShotTimer> CreateTimer() override { return std::make_unique<VirtualTimer>(clock_); }

private:
    VirtualClock& clock_;
};

// A serial line to simulated radios. Each radio answers only on its own port with its own
// handshaking and stop bits; replies arrive 1 ms after the request.
class SimLine : public SerialLine {
public:
    struct Station {
        LineSettings settings;
        sim::RadioSim* radio;
    };
    explicit SimLine(VirtualClock& clock) : clock_(clock) {}

    bool Open(const LineSettings& s, std::string* reason) override {
        opens.push_back(s);
        if (std::find(present.begin(), present.end(), s.port) == present.end()) {
            if (reason) *reason = "no such port";
            return false;
        }
        open_ = true;
        current_ = s;
        input_.clear();
        ++epoch_;
        if (auto* r = Radio()) r->ResetInput();
        return true;
    }
    void Close() override {
        open_ = false;
        ++epoch_;
    }
    bool IsOpen() const override { return open_; }
    int Threshold() const { return threshold_; }
    void SetReceiveThreshold(int n) override { threshold_ = n; }
    void ClearBuffers() override { input_.clear(); }
    void Write(const Bytes& bytes) override {
        written.push_back(bytes);
        if (onWrite) onWrite(bytes);
        if (auto* r = Radio()) Deliver(r->Feed(bytes), 1);
    }
    Bytes ReadAll() override { return std::exchange(input_, {}); }

    // Bytes arriving on the line `delay` ms from now, as if the radio had sent them.
    void Deliver(Bytes bytes, int64_t delay) {
        if (bytes.empty()) return;
        const uint64_t epoch = epoch_;
        clock_.After(delay, [this, epoch, bytes = std::move(bytes)] {
            if (!open_ || epoch != epoch_) return;
            input_.insert(input_.end(), bytes.begin(), bytes.end());
            if (static_cast<int>(input_.size()) >= threshold_ && listener_) listener_->OnReceive();
        });
    }

    std::vector<int> present{1};
    std::vector<Station> stations;
    std::vector<Bytes> written;
    std::vector<LineSettings> opens;
    std::function<void(const Bytes&)> onWrite;  // sees every packet before the radio does

private:
    sim::RadioSim* Radio() {
        for (auto& st : stations)
            if (st.settings.port == current_.port && st.settings.handshaking == current_.handshaking &&
                st.settings.stopBits == current_.stopBits)
                return st.radio;
        return nullptr;
    }

    VirtualClock& clock_;
    bool open_ = false;
    LineSettings current_;
    int threshold_ = 1;
    Bytes input_;
    uint64_t epoch_ = 0;
};

class SimPorts : public PortDirectory {
public:
    explicit SimPorts(SimLine& line) : line_(line) {}
    std::vector<int> ListPorts() override { return line_.present; }

private:
    SimLine& line_;
};

// Records what the link shows in its windows.
class RecordingViews : public LinkViews {
public:
    void OpenProgress(ProgressKind kind, const std::string& caption) override {
        ++opened;
        lastKind = kind;
        SetProgressCaption(caption);
    }
    void CloseProgress() override { ++closed; }
    void SetProgress(int percent) override { percents.push_back(percent); }
    void SetRadioNumber(int number) override { radioNumbers.push_back(number); }
    void ShowPort(int port) override { shownPorts.push_back(port); }
    void OpenEmbeddedMessage() override { ++embeddedMessages; }

    int opened = 0;
    int closed = 0;
    ProgressKind lastKind = ProgressKind::Single;
    std::vector<int> percents;
    std::vector<int> radioNumbers;
    std::vector<int> shownPorts;
    int embeddedMessages = 0;
};

// The whole setting: one radio on COM1 at the default line settings.
struct LinkHarness {
    LinkHarness() {
        line.stations.push_back({LineSettings{1, 0, 1}, &radio});
        ctx.line = &line;
        ctx.timers = &timers;
        ctx.ports = &ports;
        ctx.linkViews = &views;
        ctx.versions.Firm = {{"V200", "V200"}};
        ctx.settings.ComPort = 1;
        ctx.settings.Handshaking = 0;
        ctx.settings.StopBit = 1;
    }
    void Run() { clock.Run(); }
    ScriptedPrompter& prompter() { return ctx.defaultPrompter; }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : prompter().messages) texts.push_back(m.text);
        return texts;
    }

    VirtualClock clock;
    VirtualTimers timers{clock};
    sim::RadioSim radio;
    SimLine line{clock};
    SimPorts ports{line};
    RecordingViews views;
    AppContext ctx;  // last: destroyed first
};

// The end of the range a normal read covers.
inline constexpr int kReadRangeEnd = 0x3DC0;

// The document a complete read of the radio gives.
inline Codeplug DocumentOf(const sim::RadioSim& radio) {
    AppContext expected;
    ClearImage(expected.Image);
    std::copy(radio.memory.begin(), radio.memory.begin() + kReadRangeEnd, expected.Image.begin());
    DecodeImage(expected.Image, expected.Doc);
    return expected.Doc;
}

inline bool SameDocument(const Codeplug& a, const Codeplug& b) {
    return a.Data == b.Data && a.Channels == b.Channels;
}

// Distinct bytes in every read block (the step varies by test), so a lost or misplaced block shows.
inline void FillRadio(sim::RadioSim& radio, int step) {
    for (int i = 0; i < kReadRangeEnd; ++i) radio.memory[i] = static_cast<uint8_t>(i * step + i / 256);
}

}  // namespace zb::test
