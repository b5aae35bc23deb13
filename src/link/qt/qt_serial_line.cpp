#include "link/qt/qt_serial_line.h"

#include <cstdio>
#include <optional>

#if defined(__linux__)
#include <grp.h>
#include <pwd.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zb {
namespace {

// USB serial adapters hold short replies up to their latency timer (16 ms) before passing them
// on; ASYNC_LOW_LATENCY brings that to about 1 ms. A pty or an adapter without the control
// refuses, which is fine.
bool SetLowLatency(QSerialPort& port, bool on) {
#if defined(__linux__)
    const int fd = static_cast<int>(port.handle());
    serial_struct ss{};
    if (fd < 0 || ioctl(fd, TIOCGSERIAL, &ss) != 0) return false;
    if (on) {
        ss.flags |= ASYNC_LOW_LATENCY;
    } else {
        ss.flags &= ~ASYNC_LOW_LATENCY;
    }
    return ioctl(fd, TIOCSSERIAL, &ss) == 0;
#else
    (void)port;
    (void)on;
    return false;
#endif
}

#if defined(__linux__)
std::optional<DeviceAccess> AccessOf(const QString& device) {
    const QByteArray path = device.toLocal8Bit();
    struct stat st {};
    if (stat(path.constData(), &st) != 0) return std::nullopt;
    DeviceAccess access;
    const passwd* owner = getpwuid(st.st_uid);
    access.owner = owner ? owner->pw_name : std::to_string(st.st_uid);
    const group* g = getgrgid(st.st_gid);
    access.group = g ? g->gr_name : std::to_string(st.st_gid);
    access.mode = st.st_mode & 07777;
    access.mayReadWrite = ::access(path.constData(), R_OK | W_OK) == 0;
    access.inGroup = getegid() == st.st_gid;
    gid_t groups[256];
    const int n = getgroups(256, groups);
    for (int i = 0; i < n; ++i)
        if (groups[i] == st.st_gid) access.inGroup = true;
    return access;
}
#endif

std::string OctalMode(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode & 07777);
    return text;
}

}  // namespace

std::string PermissionRefusal(const std::string& device, const DeviceAccess& access) {
    if (access.mayReadWrite) return "You may not open " + device + ", or another program is using it.";
    constexpr unsigned kGroupReadWrite = 0060;
    const bool serialGroup = access.group == "dialout" || access.group == "uucp";
    if (serialGroup && !access.inGroup && (access.mode & kGroupReadWrite) == kGroupReadWrite) {
        return "You may not open " + device + ": it belongs to the group '" + access.group +
               "'. Add yourself with 'sudo usermod -aG " + access.group + " $USER' and log in again.";
    }
    return "You may not open " + device + ": the device's permissions refuse your user (owner '" +
           access.owner + "', group '" + access.group + "', mode " + OctalMode(access.mode) + ").";
}

std::string OpenFailureReason(QSerialPort::SerialPortError error, const QString& device) {
    const std::string name = device.toStdString();
    switch (error) {
        case QSerialPort::PermissionError: {
#if defined(__linux__)
            if (const auto access = AccessOf(device)) return PermissionRefusal(name, *access);
#endif
            return "You may not open " + name + ", or another program is using it.";
        }
        case QSerialPort::DeviceNotFoundError: return "There is no serial port " + name + ".";
        default: return name + ": the port could not be opened.";
    }
}

QtSerialLine::QtSerialLine(PortNumbers& numbers) : numbers_(numbers) {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { OnReadyRead(); });
    QObject::connect(&port_, &QSerialPort::bytesWritten, [this](qint64) { OnBytesWritten(); });
}

QtSerialLine::~QtSerialLine() { Close(); }

QString QtSerialLine::DeviceOf(int port) const {
    if (auto device = numbers_.DeviceFor(port)) return QString::fromStdString(*device);
    return QStringLiteral("COM%1").arg(port);
}

bool QtSerialLine::Open(const LineSettings& settings, std::string* reason) {
    Close();
    const QString device = DeviceOf(settings.port);
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    // Qt offers one flow control at a time: "both" (3) uses RTS/CTS.
    switch (settings.handshaking) {
        case 1: port_.setFlowControl(QSerialPort::SoftwareControl); break;
        case 2:
        case 3: port_.setFlowControl(QSerialPort::HardwareControl); break;
        default: port_.setFlowControl(QSerialPort::NoFlowControl); break;
    }
    if (!port_.open(QIODevice::ReadWrite)) {
        if (reason) *reason = OpenFailureReason(port_.error(), device);
        return false;
    }
    lowLatencySet_ = SetLowLatency(port_, true);
    return true;
}

void QtSerialLine::Close() {
    if (!port_.isOpen()) return;
    if (lowLatencySet_) SetLowLatency(port_, false);
    lowLatencySet_ = false;
    port_.close();
}

bool QtSerialLine::IsOpen() const { return port_.isOpen(); }

void QtSerialLine::SetReceiveThreshold(int n) { threshold_ = n < 1 ? 1 : n; }

void QtSerialLine::ClearBuffers() {
    if (port_.isOpen()) port_.clear(QSerialPort::AllDirections);
}

void QtSerialLine::Write(const Bytes& bytes) {
    if (!port_.isOpen()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the device now rather than on the next turn of the event loop: every
    // exchange waits for them.
    port_.flush();
}

Bytes QtSerialLine::ReadAll() {
    const QByteArray data = port_.readAll();
    return Bytes(data.begin(), data.end());
}

void QtSerialLine::OnReadyRead() {
    // Paced bytes arrive one event at a time: wait until the whole reply is there.
    if (listener_ && port_.bytesAvailable() >= threshold_) listener_->OnReceive();
}

void QtSerialLine::OnBytesWritten() {
    if (listener_ && port_.bytesToWrite() == 0) listener_->OnSendDone();
}

}  // namespace zb
