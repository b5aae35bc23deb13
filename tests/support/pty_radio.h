#pragma once
// A simulated radio on the master side of a pseudo-terminal, served by the Qt event loop of the
// test: the code under test opens the device by its path as it would open a serial port.

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <memory>

#include "sim/radio_sim.h"

namespace zb::test {

// The radio end of a pseudo-terminal. Replies are written in two pieces 2 ms apart, as a
// slow line delivers them.
class PtyRadio {
public:
    PtyRadio() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        device = QString::fromLocal8Bit(ptsname(master_));
        keepSlave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        termios tio{};
        tcgetattr(keepSlave_, &tio);
        cfmakeraw(&tio);
        tcsetattr(keepSlave_, TCSANOW, &tio);
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
    }
    ~PtyRadio() {
        notifier_.reset();
        if (keepSlave_ >= 0) ::close(keepSlave_);
        if (master_ >= 0) ::close(master_);
    }
    bool Ok() const { return master_ >= 0 && keepSlave_ >= 0; }

    sim::RadioSim radio;
    QString device;

private:
    void OnReadable() {
        uint8_t buf[256];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0) return;
        const sim::Bytes reply = radio.Feed(sim::Bytes(buf, buf + n));
        if (reply.empty()) return;
        const size_t half = reply.size() / 2;
        Send(sim::Bytes(reply.begin(), reply.begin() + half));
        sim::Bytes rest(reply.begin() + half, reply.end());
        QTimer::singleShot(2, notifier_.get(), [this, rest] { Send(rest); });  // dropped with the pty
    }
    void Send(const sim::Bytes& b) {
        if (!b.empty() && ::write(master_, b.data(), b.size()) < 0) return;
    }

    int master_ = -1;
    int keepSlave_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zb::test
