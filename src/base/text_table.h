#pragma once
// A text in every language: slot 1 English, slot 2 Chinese, slot 0 empty.

#include <string>
#include <string_view>

namespace zb {

inline constexpr int kEnglish = 1;
inline constexpr int kChinese = 2;

struct TextTable {
    std::string_view slot[3];

    constexpr TextTable(std::string_view english, std::string_view chinese)
        : slot{"", english, chinese} {}

    // The text of a language index; an index outside 0..2 gives the empty text.
    constexpr std::string_view operator[](int languageIndex) const {
        return languageIndex >= 0 && languageIndex <= 2 ? slot[languageIndex] : std::string_view{};
    }
};

}  // namespace zb
