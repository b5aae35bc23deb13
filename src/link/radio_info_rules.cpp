#include "link/radio_info_rules.h"

#include "app/context.h"
#include "codeplug/text_util.h"

namespace zb {
namespace {

std::string WithNul(std::string_view text) { return std::string(text) + '\0'; }

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string ShownModelType(const AppContext& ctx) {
    return Trimmed(CleanText(ctx.Doc.Data.ModelInfo.ModelType)).substr(0, 3);
}

std::string FixVersionText(std::string_view text) {
    if (text.empty()) return "V";
    if (text.front() == 'V') return std::string(text);
    return ("V" + std::string(text)).substr(0, 5);
}

std::string TimeSyncText(const CalendarDate& today) { return CompactDate(today); }

void StoreRadioInfo(AppContext& ctx, std::string_view modelType, std::string_view bandText,
                    std::string_view serialNumber, std::string_view versionText) {
    ModelInfoRecord& m = ctx.Doc.Data.ModelInfo;
    m.ModelType.Set(WithNul(modelType));
    m.RadioBandCode = static_cast<int16_t>(BandCodeOf(std::string(bandText)));
    m.ModelLetter = 'C';
    m.SerialNumber.Set(WithNul(serialNumber));
    m.VersionText.Set(WithNul(versionText));
}

}  // namespace zb
