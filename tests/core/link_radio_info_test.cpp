// The radio-information values as the Set Radio Information window takes them, down to the
// bytes of the radio-information and version writes.

#include <gtest/gtest.h>

#include "codeplug/identity.h"
#include "codeplug/records.h"
#include "link/packets.h"
#include "link/radio_info.h"

namespace zb {
namespace {

TEST(LinkRadioInfoRules, VersionBoxGetsItsLeadingV) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"", "V"},           {"201", "V201"},     {"200AB", "V200A"},
        {"V201", "V201"},    {"V2001", "V2001"},  {"v201", "Vv201"},  // only a capital V counts
    };
    for (const auto& c : cases) EXPECT_EQ(NormalizeVersionText(c.typed), c.kept) << c.typed;
}

TEST(LinkRadioInfoRules, BoxesTakeSevenBitCharactersOnly) {
    EXPECT_FALSE(RadioInfoCharAllowed(0));
    EXPECT_TRUE(RadioInfoCharAllowed('A'));
    EXPECT_TRUE(RadioInfoCharAllowed(127));
    EXPECT_FALSE(RadioInfoCharAllowed(128));
    EXPECT_FALSE(RadioInfoCharAllowed(0xE4));  // first byte of a Chinese character in UTF-8
}

TEST(LinkRadioInfoRules, StoredValuesMakeTheWritePackets) {
    ModelInfoRecord m;
    StoreRadioInfo(m, "ZB3", kStandardBandText, "2025", "V201");
    EXPECT_EQ(m.ModelType.Raw(), std::string("ZB3\0  ", 6));
    EXPECT_EQ(m.SerialNumber.Raw(), std::string("2025\0   ", 8));
    EXPECT_EQ(m.VersionText.Raw(), std::string("V201\0", 5));
    EXPECT_EQ(m.ModelLetter, 'C');
    EXPECT_EQ(m.RadioBandCode, 0);

    const Bytes info = RadioInfoWrite(m);
    const Bytes expectedHead{'N', 'T', 'K', 'K', 'Z', 'B', '3', 0x00, 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    EXPECT_EQ(Bytes(info.begin(), info.begin() + 14), expectedHead);
    // The serial number ends at its NUL: the rest of its 8 places stay 0xFF.
    EXPECT_EQ(Bytes(info.begin() + 17, info.begin() + 25), (Bytes{'2', '0', '2', '5', 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(ChecksumPasses(info));
    EXPECT_EQ(VersionWrite(m), (Bytes{'V', '2', '0', '1', 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));

    // Full-width values fill their fields without a NUL; any band text but the standard one is 1.
    StoreRadioInfo(m, "ZB34XY", kWideBandText, "20250101", "V2001");
    EXPECT_EQ(m.ModelType.Raw(), "ZB34XY");
    EXPECT_EQ(m.SerialNumber.Raw(), "20250101");
    EXPECT_EQ(m.VersionText.Raw(), "V2001");
    EXPECT_EQ(m.RadioBandCode, 1);
    StoreRadioInfo(m, "ZB3", "28-29.7 MHz", "", "V");
    EXPECT_EQ(m.RadioBandCode, 1);
    EXPECT_EQ(RadioInfoWrite(m)[17], 0xFF);  // an empty serial number sends nothing but 0xFF
}

}  // namespace
}  // namespace zb
