#include "link/radio_info.h"

#include "codeplug/identity.h"
#include "codeplug/records.h"

namespace zb {

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
