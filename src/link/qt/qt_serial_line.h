#pragma once
// The serial line on QSerialPort: 9600 baud, 8 data bits, no parity; a receive event once the
// threshold's bytes are buffered; low latency asked of USB adapters while the port is open.

#include <QSerialPort>

#include "link/port_numbers.h"
#include "link/serial_line.h"

namespace zb {

class QtSerialLine : public SerialLine {
public:
    explicit QtSerialLine(PortNumbers& numbers);
    ~QtSerialLine() override;

    bool Open(const LineSettings& settings, std::string* reason) override;
    void Close() override;
    bool IsOpen() const override;
    void SetReceiveThreshold(int n) override;
    void ClearBuffers() override;
    void Write(const Bytes& bytes) override;
    Bytes ReadAll() override;

    // The device a port number opens: "COMn" on Windows, else the remembered device.
    QString DeviceOf(int port) const;

private:
    void OnReadyRead();
    void OnBytesWritten();

    PortNumbers& numbers_;
    QSerialPort port_;
    int threshold_ = 1;
    bool lowLatencySet_ = false;
};

// The reason an open failed, for the user: permission (and, on Linux, the dialout group),
// a missing device, a port in use.
std::string OpenFailureReason(QSerialPort::SerialPortError error, const QString& device);

// What a device's ownership says about a refused open.
struct DeviceAccess {
    std::string owner;       // user name (or number) of the device's owner
    std::string group;       // group name (or number)
    unsigned mode = 0;       // permission bits, e.g. 0660
    bool mayReadWrite = false;  // the permission bits let this user read and write it
    bool inGroup = false;       // the user is a member of the device's group
};

// The message for a permission failure. Joining the device's group is suggested only for a
// serial-port group (dialout, uucp) whose members may read and write the device; any other
// refusal is said to come from the device's permissions, never with advice to join a group
// such as root.
std::string PermissionRefusal(const std::string& device, const DeviceAccess& access);

}  // namespace zb
