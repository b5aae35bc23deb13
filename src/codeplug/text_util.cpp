#include "codeplug/text_util.h"

namespace zb {

std::string CleanText(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    std::string_view kept = text.substr(0, end);
    std::size_t nul = kept.find('\0');
    if (nul != std::string_view::npos) kept = kept.substr(0, nul);
    return std::string(kept);
}

std::string StoredFreqDisplay(std::string_view stored) {
    std::string text = CleanText(stored);
    const std::size_t first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    if (text == "FFFFFFFF") return {};
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return text;
    const std::string micro = text.substr(text.size() - 6);
    const std::string whole = std::to_string(std::stoi(text.substr(0, 2)));
    return whole + "." + micro;
}

std::string FileNamePart(std::string_view path) {
    std::size_t cut = path.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace zb
