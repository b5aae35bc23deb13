#pragma once
// The language dialog's rules, without the window: which names it offers and what OK does.

#include <string>
#include <string_view>
#include <vector>

#include "base/text_table.h"

namespace zb {

struct AppContext;

inline constexpr TextTable kLanguageDialogCaption{"Language Setup", "语言设置"};
inline constexpr TextTable kLanguageModeLabel{"Language Mode", "语言模式"};

// The name of language `item` (1 English, 2 Chinese) written in language `languageIndex`;
// empty for a language index other than 1 or 2.
std::string LanguageName(int languageIndex, int item);

// The names the dialog's list offers: only English on an English system, else both.
std::vector<std::string> OfferedLanguageNames(const AppContext& ctx);

// The name the list shows when the dialog opens.
std::string CurrentLanguageName(const AppContext& ctx);

// OK: the chosen name becomes the language (English name 1, Chinese name 2, anything else 0);
// a change remembers the old language as the previous one. "CurrentLanguage" is written in
// every case. Returns false when the settings file could not be written.
bool ApplyLanguageChoice(AppContext& ctx, std::string_view chosenName);

}  // namespace zb
