#include "link/radio_count.h"

#include <charconv>

#include "link/link_engine.h"

namespace zb {

int FilterRadioCountKey(int ch) {
    constexpr int kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;
    if (ch == kCtrlC || ch == kCtrlV || ch == kCtrlX) return 0;
    if (ch < 0 || ch > 127) return 0;
    if (ch < 32 || ch == 127) return ch;  // Backspace and the other control keys
    if ((ch >= '0' && ch <= '9') || ch == '#' || ch == '*' || (ch >= 'A' && ch <= 'D')) return ch;
    if (ch >= 'a' && ch <= 'd') return ch - 'a' + 'A';
    return 0;
}

std::optional<int> RadioCountOf(std::string_view text) {
    if (text.empty() || text.size() > kRadioCountMaxLength) return std::nullopt;
    int n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 1) return std::nullopt;
    return n;
}

bool ConfirmRadioCount(AppContext& ctx, std::string_view text) {
    const auto count = RadioCountOf(text);
    if (!count) return false;
    SetGroupRadioCount(ctx, *count);
    return true;
}

}  // namespace zb
