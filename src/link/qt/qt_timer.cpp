#include "link/qt/qt_timer.h"

namespace zb {

QtOneShotTimer::QtOneShotTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);  // the link's 20 ms and 300 ms steps matter
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimeout) onTimeout();
    });
}

void QtOneShotTimer::Start(int milliseconds) { timer_.start(milliseconds); }
void QtOneShotTimer::Stop() { timer_.stop(); }
bool QtOneShotTimer::IsActive() const { return timer_.isActive(); }

std::unique_ptr<OneShotTimer> QtTimerFactory::CreateTimer() {
    return std::make_unique<QtOneShotTimer>();
}

}  // namespace zb
