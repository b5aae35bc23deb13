#include "link/qt/qt_serial_line.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace zb {

namespace {

QSerialPort::FlowControl FlowOf(int handshaking) {
    switch (handshaking) {
    case 1: return QSerialPort::SoftwareControl;
    case 2:
    case 3: return QSerialPort::HardwareControl;  // QSerialPort offers no combined mode
    default: return QSerialPort::NoFlowControl;
    }
}

}  // namespace

QString QtPortNames::DeviceFor(int port) const {
    if (auto it = assigned_.find(port); it != assigned_.end()) return it->second;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    const auto ports = QSerialPortInfo::availablePorts();
    if (port >= 1 && port <= ports.size()) return ports[port - 1].systemLocation();
    return {};
#endif
}

std::vector<int> QtPortNames::ListPorts() {
    std::vector<int> list;
    const auto ports = QSerialPortInfo::availablePorts();
    for (qsizetype i = 0; i < ports.size(); ++i) {
#ifdef Q_OS_WIN
        bool ok = false;
        const int n = ports[i].portName().mid(3, 3).trimmed().toInt(&ok);
        if (ok) list.push_back(n);
#else
        list.push_back(static_cast<int>(i + 1));
#endif
    }
    for (const auto& [number, device] : assigned_)
        if (std::find(list.begin(), list.end(), number) == list.end()) list.push_back(number);
    return list;
}

QtSerialLine::QtSerialLine(const QtPortNames& names) : names_(names) {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { OnReadyRead(); });
    QObject::connect(&port_, &QSerialPort::bytesWritten, [this](qint64) {
        if (port_.bytesToWrite() == 0 && listener_) listener_->OnSendDone();
    });
}

QtSerialLine::~QtSerialLine() { Close(); }

bool QtSerialLine::Open(const LineSettings& s, std::string* reason) {
    Close();
    const QString device = names_.DeviceFor(s.port);
    if (device.isEmpty()) {
        if (reason) *reason = "COM" + std::to_string(s.port) + ": no such port";
        return false;
    }
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(FlowOf(s.handshaking));
    input_.clear();
    if (!port_.open(QIODevice::ReadWrite)) {
        if (reason) *reason = port_.errorString().toStdString();
        return false;
    }
    return true;
}

void QtSerialLine::Close() {
    if (port_.isOpen()) port_.close();
    input_.clear();
}

bool QtSerialLine::IsOpen() const { return port_.isOpen(); }

void QtSerialLine::ClearBuffers() {
    if (port_.isOpen()) {
        port_.clear(QSerialPort::Output);
        port_.clear(QSerialPort::Input);
        port_.readAll();  // bytes already taken from the driver
    }
    input_.clear();
}

void QtSerialLine::Write(const Bytes& bytes) {
    if (!port_.isOpen()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

Bytes QtSerialLine::ReadAll() {
    input_.append(port_.readAll());
    Bytes out(input_.begin(), input_.end());
    input_.clear();
    return out;
}

// Bytes arrive in pieces: the receive event fires only once the threshold is reached.
void QtSerialLine::OnReadyRead() {
    input_.append(port_.readAll());
    if (input_.size() >= threshold_ && listener_) listener_->OnReceive();
}

QtOneShotTimer::QtOneShotTimer() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimeout) onTimeout();
    });
}

}  // namespace zb
