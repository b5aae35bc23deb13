#include "link/radio_info.h"

#include "app/context.h"
#include "codeplug/identity.h"
#include "codeplug/records.h"
#include "codeplug/text_util.h"

namespace zb {
namespace {

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

std::string TimeSyncText(const CalendarDate& today) { return CompactDate(today); }

bool RadioInfoCharAllowed(unsigned char c) { return c != 0 && c <= 127; }

std::string NormalizeVersionText(std::string_view text) {
    if (text.empty()) return "V";
    if (text.front() == 'V') return std::string(text);
    return ("V" + std::string(text)).substr(0, kVersionBoxLength);
}

void StoreRadioInfo(ModelInfoRecord& m, std::string_view modelType, std::string_view bandText,
                    std::string_view serialNumber, std::string_view versionText) {
    auto terminated = [](std::string_view t) { return std::string(t) + '\0'; };
    m.ModelType.Set(terminated(modelType));
    m.RadioBandCode = static_cast<int16_t>(BandCodeOf(std::string(bandText)));
    m.ModelLetter = kRadioInfoModelLetter;
    m.SerialNumber.Set(terminated(serialNumber));
    m.VersionText.Set(terminated(versionText));
}

}  // namespace zb
