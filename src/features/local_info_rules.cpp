#include "features/local_info_rules.h"

namespace zb {

std::string ShownMessageLine(const FixedText<32>& line) {
    const std::string raw = line.Raw();
    return raw.substr(0, raw.find('\0'));
}

void StoreMessageLine(FixedText<32>& line, std::string_view text) {
    if (text.size() >= kMessageLineWidth) {
        line.Set(text.substr(0, kMessageLineWidth));
    } else {
        line.Set(std::string(text) + '\0');
    }
}

bool IsRadioTextCharAccepted(char32_t code) {
    return code <= 127 && code != 24 && code != 22 && code != 3;
}

}  // namespace zb

namespace zb {

std::string ShownRecordText(std::string_view text) {
    std::string shown(text.substr(0, text.find('\0')));
    shown.erase(shown.find_last_not_of(' ') + 1);
    return shown;
}

}  // namespace zb
