#pragma once
// Serial ports are shown and stored as "COM" + number. On Windows the number is the COM number
// itself; elsewhere each device path gets a number when first seen, and keeps it from run to run
// through a small file in the user's configuration folder.

#include <map>
#include <optional>
#include <string>

namespace zb {

class PortNumbers {
public:
    // path: the file that remembers the numbers (section "ports": device=number); empty keeps
    // them for this run only.
    explicit PortNumbers(std::string path = {});

    // The number of a device ("COM7" -> 7 on every system; any other name: the remembered
    // number, or the lowest free one, remembered from now on unless `remember` is false).
    int NumberFor(const std::string& device, bool remember = true);
    // A number of at least `atLeast` that no remembered device has, given to `name` for this
    // run only (a port inside the program, such as the virtual radio).
    int ReserveFree(const std::string& name, int atLeast);
    // The device of a number, when known.
    std::optional<std::string> DeviceFor(int number) const;

private:
    std::string path_;
    std::map<std::string, int> numbers_;
};

// 7 for "COM7" (any case), nothing for other names.
std::optional<int> ComNumberOf(const std::string& device);

}  // namespace zb
