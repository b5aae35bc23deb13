#include "link/port_choice.h"

#include <charconv>

#include "app/context.h"
#include "base/settings.h"
#include "link/link_texts.h"

namespace zb {

namespace {

std::string ItemOf(int port) { return "COM" + std::to_string(port); }

}  // namespace

PortChoice BuildPortChoice(const std::vector<int>& ports, int show) {
    PortChoice c;
    for (int p : ports) c.items.push_back(ItemOf(p));
    if (c.items.empty()) return c;
    c.selected = 0;
    const std::string wanted = ItemOf(show);
    for (size_t i = 0; i < c.items.size(); ++i)
        if (c.items[i] == wanted) c.selected = static_cast<int>(i);
    c.portId = PortIdOfItem(c.items[c.selected]);
    return c;
}

int PortIdOfItem(std::string_view item) {
    if (item.size() <= 3 || item.substr(0, 3) != "COM") return 0;
    const std::string_view digits = item.substr(3);
    int n = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n < 0) return 0;
    return n;
}

void SelectPort(PortChoice& choice, int index) {
    if (index < 0 || index >= static_cast<int>(choice.items.size())) {
        choice.selected = -1;
        choice.portId = 0;
        return;
    }
    choice.selected = index;
    choice.portId = PortIdOfItem(choice.items[index]);
}

void ConfirmPortChoice(AppContext& ctx, const PortChoice& choice) {
    if (choice.selected < 0 || choice.selected >= static_cast<int>(choice.items.size())) {
        ctx.settings.ComPort = 0;
        return;
    }
    const int port = PortIdOfItem(choice.items[choice.selected]);
    if (port == 0) return;  // not "COM" and a number: nothing to take
    ctx.settings.ComPort = port;
    WriteSettingKey(ctx.settings, "comPort", port);
}

std::string PortPanelText(const AppContext& ctx) {
    return Text(ctx, msg::PortLabel) + std::to_string(ctx.settings.ComPort);
}

}  // namespace zb
