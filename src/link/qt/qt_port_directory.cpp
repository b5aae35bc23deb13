#include "link/qt/qt_port_directory.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace zb {

int QtPortDirectory::AddDevice(const std::string& device) {
    const int number = numbers_.NumberFor(device, false);
    if (std::find(added_.begin(), added_.end(), number) == added_.end()) added_.push_back(number);
    return number;
}

std::vector<int> QtPortDirectory::ListPorts() {
    std::vector<int> ports = added_;
    if (onlyAdded_) return ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#if defined(_WIN32)
        const std::string device = info.portName().toStdString();
#else
        const std::string device = info.systemLocation().toStdString();
#endif
        const int number = numbers_.NumberFor(device);
        if (std::find(ports.begin(), ports.end(), number) == ports.end()) ports.push_back(number);
    }
    return ports;
}

}  // namespace zb
