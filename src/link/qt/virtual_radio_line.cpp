#include "link/qt/virtual_radio_line.h"

#include <QTimer>
#include <utility>

namespace zb {

VirtualRadioLine::VirtualRadioLine(VirtualDevice& device, int replyDelayMs) : device_(device) {
    SetReplyDelay(replyDelayMs);
}

VirtualRadioLine::~VirtualRadioLine() = default;

bool VirtualRadioLine::Open(const LineSettings& settings, std::string*) {
    Close();
    open_ = true;
    settings_ = settings;
    input_.clear();
    ++epoch_;
    device_.Reset();
    return true;
}

void VirtualRadioLine::Close() {
    if (!open_) return;
    open_ = false;
    input_.clear();
    ++epoch_;
}

void VirtualRadioLine::Write(const Bytes& bytes) {
    if (!open_ || bytes.empty()) return;
    const uint64_t epoch = epoch_;
    QTimer::singleShot(0, &events_, [this, epoch] { Drained(epoch); });
    Bytes answer = device_.Feed(bytes);
    if (answer.empty()) return;
    QTimer::singleShot(delayMs_, Qt::PreciseTimer, &events_,
                       [this, epoch, answer = std::move(answer)] { Arrive(epoch, answer); });
}

Bytes VirtualRadioLine::ReadAll() { return std::exchange(input_, {}); }

void VirtualRadioLine::Arrive(uint64_t epoch, const Bytes& bytes) {
    if (!open_ || epoch != epoch_) return;
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    if (listener_ && static_cast<int>(input_.size()) >= threshold_) listener_->OnReceive();
}

void VirtualRadioLine::Drained(uint64_t epoch) {
    if (open_ && epoch == epoch_ && listener_) listener_->OnSendDone();
}

}  // namespace zb
