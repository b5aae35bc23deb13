#pragma once
// The communication port dialog's list and its OK.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zb {

struct AppContext;

// "COM" + number for every port, in the system's order.
std::vector<std::string> PortItems(const std::vector<int>& ports);
// The item to show for a port number: "COM" + number when listed, else the first item;
// nothing when the list is empty.
std::optional<std::string> PortItemToShow(const std::vector<std::string>& items, int port);
// The number after "COM"; 0 for nothing selected or a text whose rest is not a number.
int PortIdOf(const std::optional<std::string>& item);
// OK: a selected item with a number after "COM" becomes the configured port and is written to
// "comPort"; no selection sets the port to 0 and writes nothing. False when a write failed.
bool ApplyPortChoice(AppContext& ctx, const std::optional<std::string>& selected);

}  // namespace zb
