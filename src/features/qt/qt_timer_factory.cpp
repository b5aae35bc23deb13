#include "features/qt/qt_timer_factory.h"

#include <QTimer>

namespace zb {
namespace {

class QtOneShotTimer : public OneShotTimer {
public:
    QtOneShotTimer() {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);  // tone lengths are heard, keep them close
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTimeout) onTimeout();
        });
    }

    void Start(int milliseconds) override { timer_.start(milliseconds); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<OneShotTimer> QtTimerFactory::CreateTimer() {
    return std::make_unique<QtOneShotTimer>();
}

}  // namespace zb
