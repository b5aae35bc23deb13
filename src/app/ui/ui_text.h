#pragma once
// Texts of the tables as Qt strings, in the current language.

#include <QString>
#include <string_view>

#include "app/context.h"
#include "base/text_table.h"

namespace zb::ui {

inline QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString Tr(const AppContext& ctx, const TextTable& table) {
    return Qs(table[ctx.settings.LanguageIndex]);
}

inline std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace zb::ui
