#include "base/ui/radio_text_codec.h"

#include <cstdint>
#include <span>

#include "codeplug/gbk_text.h"

namespace zb::ui {

QString FromRadioText(std::string_view bytes) {
    const std::span<const uint8_t> raw(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    const std::string utf8 = GbkToUtf8(raw);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToRadioText(const QString& text, std::size_t maxBytes) {
    const std::u32string codes = text.toStdU32String();
    return UnicodeToGbk(codes, maxBytes);
}

}  // namespace zb::ui
