#pragma once
// One-shot timers on QTimer, for the event loop of the GUI and the command line.

#include <QTimer>

#include "base/timer.h"

namespace zb {

class QtOneShotTimer : public OneShotTimer {
public:
    QtOneShotTimer();
    void Start(int milliseconds) override;
    void Stop() override;
    bool IsActive() const override;

private:
    QTimer timer_;
};

class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<OneShotTimer> CreateTimer() override;
};

}  // namespace zb
