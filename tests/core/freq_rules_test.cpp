// Frequency texts: exact parsing and rounding, snapping to the 5 kHz grid, band checks with
// their warnings, and the stored form.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/context.h"
#include "base/messages.h"
#include "channels/freq_rules.h"

using namespace zb;

namespace {

// Messages shown so far, as texts.
std::vector<std::string> Shown(const AppContext& ctx) {
    std::vector<std::string> texts;
    for (const auto& m : ctx.defaultPrompter.messages) texts.push_back(m.text);
    return texts;
}

}  // namespace

TEST(ParseFreq, ExactDecimalToWholeHzTiesToEven) {
    const struct { const char* text; std::optional<int64_t> hz; } cases[] = {
        {"28.0049", 28004900},
        {"29.7", 29700000},
        {"30.105", 30105000},
        {"28", 28000000},
        {" 28.1 ", 28100000},
        {".5", 500000},
        {"5.", 5000000},
        {"0028.000001", 28000001},
        {"28.0000004999", 28000000},
        {"28.0000005", 28000000},    // tie, even stays
        {"28.0000015", 28000002},    // tie, odd goes up
        {"28.00000050001", 28000001},
        {"28.0000009", 28000001},
        {"", std::nullopt},
        {".", std::nullopt},
        {"28.1.2", std::nullopt},
        {"-28", std::nullopt},
        {"+28", std::nullopt},
        {"2e1", std::nullopt},
        {"28,1", std::nullopt},
    };
    for (const auto& c : cases) {
        auto v = ParseFreq(c.text);
        ASSERT_EQ(v.has_value(), c.hz.has_value()) << c.text;
        if (v) {
            EXPECT_EQ(v->RoundedHz(), *c.hz) << c.text;
        }
    }
}

TEST(ParseFreq, HugeValuesSaturateAboveEveryBand) {
    auto v = ParseFreq("123456789012345678901234567890");
    ASSERT_TRUE(v.has_value());
    EXPECT_GT(v->wholeHz, 1'000'000'000'000);
    AppContext ctx;
    EXPECT_EQ(ValidateFreqText(ctx, "123456789012345678901234567890", true, 0), "29.700000");
}

TEST(FreqFormat, SixDecimalsAndAtLeastOneIntegerDigit) {
    const struct { int64_t hz; const char* text; } cases[] = {
        {0, "0.000000"},
        {500000, "0.500000"},
        {28120000, "28.120000"},
        {30105000, "30.105000"},
        {28000001, "28.000001"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFreqHz(c.hz), c.text) << c.hz;
}

TEST(FreqFormat, BandLimitsConvertWithoutDrift) {
    EXPECT_EQ(MHzToHz(29.7), 29700000);
    EXPECT_EQ(MHzToHz(30.105), 30105000);
    EXPECT_EQ(MHzToHz(28.0049), 28004900);
    EXPECT_EQ(MHzToHz(0.1 + 0.2), 300000);  // 0.30000000000000004
    AppContext ctx;
    EXPECT_EQ(BandLowHz(ctx, 0), 28000000);
    EXPECT_EQ(BandHighHz(ctx, 0), 29700000);
    EXPECT_EQ(BandLowHz(ctx, 1), 24000000);
    EXPECT_EQ(BandHighHz(ctx, 1), 30105000);
    EXPECT_EQ(BandHighHz(ctx, 7), 30105000);  // any band number but 0 is band 1
}

TEST(SnapToStep, TruncatesDownToTheGridOfTheBand) {
    AppContext ctx;
    const struct { int64_t hz; int band; int64_t snapped; } cases[] = {
        {28123456, 0, 28120000},
        {28124999, 0, 28120000},  // never up to 28.125
        {28125000, 0, 28125000},
        {28000000, 0, 28000000},
        {29699999, 0, 29695000},
        {29700000, 0, 29700000},
        {24004900, 1, 24000000},
        {30105000, 1, 30105000},
        {30104999, 1, 30100000},
    };
    for (const auto& c : cases) EXPECT_EQ(SnapToStep(ctx, c.hz, c.band), c.snapped) << c.hz;
}

TEST(SnapToStep, GridStartsAtTheBandLowLimit) {
    AppContext ctx;
    ctx.identity.BandLow[0] = 28.0025;
    EXPECT_EQ(SnapToStep(ctx, 28010000, 0), 28007500);
    EXPECT_EQ(SnapToStep(ctx, 28007500, 0), 28007500);
}

TEST(ValidateFreqText, BandLimitsClampAndSnapping) {
    const struct {
        const char* value;
        bool clamp;
        int group;
        const char* result;
        bool warned;
    } cases[] = {
        {"29.7", false, 0, "29.700000", false},       // upper limit included
        {"29.700001", false, 0, "", true},            // 1 Hz above
        {"29.7000001", false, 0, "", true},           // even below 1 Hz above
        {"28", false, 0, "28.000000", false},         // lower limit included
        {"27.999999", false, 0, "", true},
        {"28.0049", false, 3, "28.000000", false},
        {"28.123456", false, 9, "28.120000", false},
        {"29.699999", false, 0, "29.695000", false},
        {"29.6999999", false, 0, "29.700000", false},  // rounds to the Hz first
        {"24.0049", false, 12, "24.000000", false},   // band 1
        {"24.0049", false, 0, "", true},              // below band 0
        {"30.1", false, 19, "30.100000", false},
        {"30.105", false, 21, "30.105000", false},    // VfoB is band 1
        {"29.8", false, 20, "", true},                // VfoA is band 0
        {"30", true, 0, "29.700000", true},           // transmit: nearer limit
        {"27", true, 0, "28.000000", true},
        {"31", true, 15, "30.105000", true},
        {"23", true, 15, "24.000000", true},
        {"abc", true, 0, "28.000000", true},          // not a number: low limit
        {"abc", true, 12, "24.000000", true},
        {"abc", false, 0, "", true},
        {"28.1.1", false, 0, "", true},
    };
    for (const auto& c : cases) {
        AppContext ctx;
        EXPECT_EQ(ValidateFreqText(ctx, c.value, c.clamp, c.group), c.result)
            << c.value << " group " << c.group;
        EXPECT_EQ(ctx.defaultPrompter.messages.size(), c.warned ? 1u : 0u) << c.value;
    }
}

TEST(ValidateFreqText, EveryGridFrequencyOfBothBandsStaysAsItIs) {
    for (int band = 0; band < 2; ++band) {
        AppContext ctx;
        const int group = band == 0 ? 0 : 10;
        for (int64_t hz = BandLowHz(ctx, band); hz <= BandHighHz(ctx, band); hz += 5000) {
            const std::string text = FormatFreqHz(hz);
            ASSERT_EQ(ValidateFreqText(ctx, text, false, group), text);
            ASSERT_EQ(StoredToFreqText(ctx, FreqTextToStored(ctx, text)), text);
        }
        EXPECT_TRUE(ctx.defaultPrompter.messages.empty());
    }
}

TEST(ValidateFreqText, WarningInTheCurrentLanguage) {
    const struct { int language; const char* text; } cases[] = {
        {kEnglish, "Frequency is out of range."},
        {kChinese, "频率超出范围。"},
    };
    for (const auto& c : cases) {
        for (const char* value : {"31", "x"}) {
            AppContext ctx;
            ctx.settings.LanguageIndex = c.language;
            ValidateFreqText(ctx, value, false, 0);
            ASSERT_EQ(ctx.defaultPrompter.messages.size(), 1u);
            const Message& m = ctx.defaultPrompter.messages[0];
            EXPECT_EQ(m.text, c.text) << value;
            EXPECT_EQ(m.icon, Icon::Warning);
            EXPECT_EQ(m.buttons, Buttons::Ok);
        }
    }
}

TEST(FreqTextToStored, TwoIntegerDigitsThenTheDecimals) {
    AppContext ctx;
    const struct { const char* text; const char* stored; } cases[] = {
        {"", ""},
        {"28.120000", "28120000"},
        {"28.12", "2812"},
        {"8.5", "085"},
        {"28", "28"},
        {" 28.1 ", "281"},
        {"028.5", "285"},
        {"abc", "28"},  // not a number: the band-0 low limit
    };
    for (const auto& c : cases) EXPECT_EQ(FreqTextToStored(ctx, c.text), c.stored) << c.text;
}

TEST(StoredToFreqText, DisplayTextOrNoneOrNotNumeric) {
    const struct { std::string stored; const char* text; bool notNumeric; } cases[] = {
        {"", "", false},
        {"        ", "", false},
        {"FFFFFFFF", "", false},
        {"28120000", "28.120000", false},
        {"2812    ", "28.120000", false},
        {"085", "8.500000", false},
        {"30105000", "30.105000", false},
        {"2", "2.000000", false},
        {std::string("2812\0\0\0\0", 8), "28.120000", false},
        {"2812x000", "28", true},
        {"28.1", "28", true},
        {"ffffffff", "28", true},
    };
    for (int language : {kEnglish, kChinese}) {
        for (const auto& c : cases) {
            AppContext ctx;
            ctx.settings.LanguageIndex = language;
            EXPECT_EQ(StoredToFreqText(ctx, c.stored), c.text) << c.stored;
            if (c.notNumeric) {
                EXPECT_EQ(Shown(ctx), std::vector<std::string>{"Not IsNumeric"}) << c.stored;
            } else {
                EXPECT_TRUE(Shown(ctx).empty()) << c.stored;
            }
        }
    }
}
