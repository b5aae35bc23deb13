#pragma once
// The communication-port dialog's rules and the status bar's port text.

#include <string>
#include <string_view>
#include <vector>

namespace zb {

struct AppContext;

inline constexpr int kPortListRefreshMs = 1000;

struct PortChoice {
    std::vector<std::string> items;  // "COM" + number, in the system's order
    int selected = -1;               // index into items; -1: nothing selected
    int portId = 0;                  // the number of the selected item, 0 when none
};

// The list for the ports present, showing the item of port `show` (the configured port when
// the dialog opens, the chosen one on each refresh), or the first item when it is missing.
PortChoice BuildPortChoice(const std::vector<int>& ports, int show);
// The number after "COM", 0 when the item is not "COM" followed by digits.
int PortIdOfItem(std::string_view item);
// Choosing an item in the list.
void SelectPort(PortChoice& choice, int index);
// OK: the chosen port becomes the configured one and is written to the settings file; with
// nothing chosen the configured port becomes 0 and nothing is written.
void ConfirmPortChoice(AppContext& ctx, const PortChoice& choice);

// Status bar: "COM3" (Chinese "通信口3").
std::string PortPanelText(const AppContext& ctx);

}  // namespace zb
