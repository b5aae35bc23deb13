#include "app/language_choice.h"

#include "app/context.h"
#include "app/settings_file.h"

namespace zb {
namespace {

// Index (language - 1) x 2 + item - 1: the names as written in English, then in Chinese.
constexpr std::string_view kLanguageNames[4] = {"English", "Chinese", "英语", "中文"};

}  // namespace

std::string LanguageName(int languageIndex, int item) {
    if (languageIndex < 1 || languageIndex > 2 || item < 1 || item > 2) return {};
    return std::string(kLanguageNames[(languageIndex - 1) * 2 + item - 1]);
}

std::vector<std::string> OfferedLanguageNames(const AppContext& ctx) {
    const int lang = ctx.settings.LanguageIndex;
    std::vector<std::string> names{LanguageName(lang, kEnglish)};
    if (ctx.settings.SystemLanguage != kEnglish) names.push_back(LanguageName(lang, kChinese));
    return names;
}

std::string CurrentLanguageName(const AppContext& ctx) {
    const int lang = ctx.settings.LanguageIndex;
    return LanguageName(lang, lang);
}

bool ApplyLanguageChoice(AppContext& ctx, std::string_view chosenName) {
    Settings& s = ctx.settings;
    int chosen = 0;
    if (chosenName == LanguageName(s.LanguageIndex, kEnglish)) {
        chosen = kEnglish;
    } else if (chosenName == LanguageName(s.LanguageIndex, kChinese)) {
        chosen = kChinese;
    }
    if (chosen != s.LanguageIndex) {
        s.PreviousLanguage = s.LanguageIndex;
        s.LanguageIndex = chosen;
    }
    return WriteSettingKey(ctx.settings, "CurrentLanguage", s.LanguageIndex);
}

}  // namespace zb
