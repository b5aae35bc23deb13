#pragma once
// One-shot timers on QTimer, delivered by the Qt event loop of the thread that creates them.

#include <memory>

#include "link/timer.h"

namespace zb {

class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<OneShotTimer> CreateTimer() override;
};

}  // namespace zb
