#pragma once
// One-shot timers on a virtual clock: time passes only when the test runs the clock.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/timer.h"

namespace zb::test {

class VirtualClockTimers : public TimerFactory {
public:
    int64_t now = 0;  // ms

    std::unique_ptr<OneShotTimer> CreateTimer() override {
        return std::make_unique<Timer>(*this);
    }

    // Moves the clock to the earliest due timer and fires it; false when no timer runs.
    bool RunNext() {
        Timer* next = nullptr;
        for (Timer* t : timers_) {
            if (t->active && (next == nullptr || t->due < next->due)) next = t;
        }
        if (next == nullptr) return false;
        now = std::max(now, next->due);
        next->active = false;
        if (next->onTimeout) next->onTimeout();
        return true;
    }

    // Fires every timer due up to now + ms, then leaves the clock there.
    void Advance(int64_t ms) {
        const int64_t until = now + ms;
        while (NextDue() <= until && RunNext()) {}
        now = until;
    }

    void RunUntilIdle() {
        for (int guard = 0; guard < 100000 && RunNext(); ++guard) {}
    }

    bool AnyActive() const {
        return std::any_of(timers_.begin(), timers_.end(), [](Timer* t) { return t->active; });
    }

private:
    struct Timer : OneShotTimer {
        explicit Timer(VirtualClockTimers& c) : clock(c) { clock.timers_.push_back(this); }
        ~Timer() override { std::erase(clock.timers_, this); }
        void Start(int milliseconds) override {
            due = clock.now + milliseconds;
            active = true;
        }
        void Stop() override { active = false; }
        bool IsActive() const override { return active; }

        VirtualClockTimers& clock;
        int64_t due = 0;
        bool active = false;
    };

    int64_t NextDue() const {
        int64_t best = INT64_MAX;
        for (Timer* t : timers_)
            if (t->active) best = std::min(best, t->due);
        return best;
    }

    std::vector<Timer*> timers_;
};

}  // namespace zb::test
