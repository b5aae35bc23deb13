#pragma once
// The serial line, the port list and the link timers on Qt (QSerialPort, QSerialPortInfo,
// QTimer).

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

#include "link/serial_line.h"
#include "link/timer.h"

namespace zb {

// Port numbers and device names. On Windows port n is "COMn". Elsewhere the serial devices
// present are numbered 1, 2, ... in the system's order; a device can also be given a number
// explicitly (a pseudo-terminal is never listed by the system).
class QtPortNames : public PortDirectory {
public:
    void Assign(int port, const QString& device) { assigned_[port] = device; }
    QString DeviceFor(int port) const;
    std::vector<int> ListPorts() override;

private:
    std::map<int, QString> assigned_;
};

class QtSerialLine : public SerialLine {
public:
    explicit QtSerialLine(const QtPortNames& names);
    ~QtSerialLine() override;

    bool Open(const LineSettings& settings, std::string* reason) override;
    void Close() override;
    bool IsOpen() const override;
    void SetReceiveThreshold(int n) override { threshold_ = n; }
    void ClearBuffers() override;
    void Write(const Bytes& bytes) override;
    Bytes ReadAll() override;

private:
    void OnReadyRead();

    const QtPortNames& names_;
    QSerialPort port_;
    QByteArray input_;  // accumulated until the threshold is reached
    int threshold_ = 1;
};

class QtOneShotTimer : public OneShotTimer {
public:
    QtOneShotTimer();
    void Start(int milliseconds) override { timer_.start(milliseconds); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<OneShotTimer> CreateTimer() override { return std::make_unique<QtOneShotTimer>(); }
};

}  // namespace zb
