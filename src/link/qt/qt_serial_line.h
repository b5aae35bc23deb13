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

}  // namespace zb
