#include "link/port_numbers.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "base/ini_file.h"

namespace zb {
namespace {
constexpr const char* kSection = "ports";
}

std::optional<int> ComNumberOf(const std::string& device) {
    if (device.size() < 4) return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(device[i])) != "COM"[i]) return std::nullopt;
    auto n = ParseInt16(device.substr(3));
    if (!n || *n < 1 || !std::isdigit(static_cast<unsigned char>(device[3]))) return std::nullopt;
    return *n;
}

PortNumbers::PortNumbers(std::string path) : path_(std::move(path)) {
    if (path_.empty()) return;
    const IniFile ini = IniFile::Load(path_);
    for (const auto& [device, value] : ini.Entries(kSection)) {
        auto n = ParseInt16(value);
        if (n && *n >= 1) numbers_[device] = *n;
    }
}

int PortNumbers::NumberFor(const std::string& device, bool remember) {
    if (auto com = ComNumberOf(device)) return *com;
    if (auto it = numbers_.find(device); it != numbers_.end()) return it->second;
    std::set<int> used;
    for (const auto& [d, n] : numbers_) used.insert(n);
    int number = 1;
    while (used.count(number)) ++number;
    numbers_[device] = number;
    if (remember && !path_.empty()) WriteProfileString(path_, kSection, device, std::to_string(number));
    return number;
}

int PortNumbers::ReserveFree(const std::string& name, int atLeast) {
    std::set<int> used;
    for (const auto& [d, n] : numbers_)
        if (d != name) used.insert(n);
    int number = std::max(1, atLeast);
    while (used.count(number)) ++number;
    numbers_[name] = number;
    return number;
}

std::optional<std::string> PortNumbers::DeviceFor(int number) const {
    for (const auto& [device, n] : numbers_)
        if (n == number) return device;
    return std::nullopt;
}

}  // namespace zb
