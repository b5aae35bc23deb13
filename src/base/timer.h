#pragma once
// One-shot timers. The Qt adapter uses QTimer; tests use a virtual clock so a 300 ms time-out
// costs no real time.

#include <functional>
#include <memory>

namespace zb {

class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    virtual void Start(int milliseconds) = 0;  // restarts when already running
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;

    std::function<void()> onTimeout;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<OneShotTimer> CreateTimer() = 0;
};

}  // namespace zb
