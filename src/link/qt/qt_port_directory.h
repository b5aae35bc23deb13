#pragma once
// The serial ports present on the system, by port number, plus devices named on the command
// line (pseudo-terminals, which the system list never shows).

#include <string>
#include <vector>

#include "link/port_numbers.h"
#include "link/serial_line.h"

namespace zb {

class QtPortDirectory : public PortDirectory {
public:
    explicit QtPortDirectory(PortNumbers& numbers) : numbers_(numbers) {}
    std::vector<int> ListPorts() override;

    // A device to list as well (not remembered from run to run); returns its number.
    int AddDevice(const std::string& device);
    // List only the devices added, not the system's ports (tests, a chosen device).
    void SetOnlyAddedDevices(bool only) { onlyAdded_ = only; }

private:
    PortNumbers& numbers_;
    std::vector<int> added_;
    bool onlyAdded_ = false;
};

}  // namespace zb
