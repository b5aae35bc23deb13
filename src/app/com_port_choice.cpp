#include "app/com_port_choice.h"

#include <algorithm>
#include <charconv>

#include "app/context.h"
#include "app/settings_file.h"

namespace zb {
namespace {

std::optional<int> NumberAfterCom(std::string_view item) {
    if (item.size() <= 3) return std::nullopt;
    const std::string_view rest = item.substr(3);
    int value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc{} || end != rest.data() + rest.size()) return std::nullopt;
    return value;
}

}  // namespace

std::vector<std::string> PortItems(const std::vector<int>& ports) {
    std::vector<std::string> items;
    for (int p : ports) items.push_back("COM" + std::to_string(p));
    return items;
}

std::optional<std::string> PortItemToShow(const std::vector<std::string>& items, int port) {
    if (items.empty()) return std::nullopt;
    const std::string wanted = "COM" + std::to_string(port);
    return std::find(items.begin(), items.end(), wanted) != items.end() ? wanted : items.front();
}

int PortIdOf(const std::optional<std::string>& item) {
    return item ? NumberAfterCom(*item).value_or(0) : 0;
}

bool ApplyPortChoice(AppContext& ctx, const std::optional<std::string>& selected) {
    if (!selected) {
        ctx.settings.ComPort = 0;
        return true;
    }
    const auto number = NumberAfterCom(*selected);
    if (!number) return true;
    ctx.settings.ComPort = *number;
    return WriteSettingKey(ctx, "comPort", *number);
}

}  // namespace zb
