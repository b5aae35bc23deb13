#include "base/ui/radio_text_codec.h"

#include <QLineEdit>
#include <QValidator>
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

namespace {

class ByteLengthValidator : public QValidator {
public:
    ByteLengthValidator(std::size_t maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}
    State validate(QString& input, int& /*pos*/) const override {
        return ToRadioText(input).size() <= maxBytes_ ? Acceptable : Invalid;
    }

private:
    std::size_t maxBytes_;
};

}  // namespace

void LimitRadioTextBytes(QLineEdit* box, std::size_t maxBytes) {
    box->setValidator(new ByteLengthValidator(maxBytes, box));
}

}  // namespace zb::ui
