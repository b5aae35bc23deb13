// Model and band identity, and the texts asked for by number.
#include <gtest/gtest.h>

#include "app/context.h"
#include "codeplug/identity.h"
#include "features/text_by_id.h"

using namespace zb;

TEST(Identity, BandCodesAndTexts) {
    EXPECT_EQ(BandCodeOf("28.000000 - 29.700000 MHz"), 0);
    EXPECT_EQ(BandCodeOf("24.000000 - 30.105000 MHz"), 1);
    EXPECT_EQ(BandCodeOf(""), 1);
    EXPECT_EQ(BandTextOf(0), "28.000000 - 29.700000 MHz");
    EXPECT_EQ(BandTextOf(1), "24.000000 - 30.105000 MHz");
    EXPECT_EQ(BandTextOf(7), "24.000000 - 30.105000 MHz");
}

TEST(Identity, DisplayModelNameOnlyForTheExactName) {
    EXPECT_EQ(DisplayModelName("ZB347"), "ZB-347RX");
    EXPECT_EQ(DisplayModelName("ZB347 "), "ZB347 ");
    EXPECT_EQ(DisplayModelName("X"), "X");
}

TEST(Identity, BandLimitsFromTheBandTexts) {
    AppContext ctx;
    ctx.identity.BandLow = {0, 0};
    ctx.identity.BandHigh = {0, 0};
    SetBandLimits(ctx.identity);
    EXPECT_DOUBLE_EQ(ctx.identity.BandLow[0], 28.0);
    EXPECT_DOUBLE_EQ(ctx.identity.BandHigh[0], 29.7);
    EXPECT_DOUBLE_EQ(ctx.identity.BandLow[1], 24.0);
    EXPECT_DOUBLE_EQ(ctx.identity.BandHigh[1], 30.105);
}

TEST(Identity, BandFollowsTheRadioFlags) {
    const struct { int a, b; const char* text; } cases[] = {
        {0, 0, "28.000000 - 29.700000 MHz"},
        {0, 1, "24.000000 - 30.105000 MHz"},
        {1, 0, "24.000000 - 30.105000 MHz"},
        {1, 1, "24.000000 - 30.105000 MHz"},
    };
    for (const auto& c : cases) {
        AppContext ctx;
        ApplyBandFlags(ctx.identity, c.a, c.b);
        EXPECT_EQ(ctx.identity.BandText, c.text) << c.a << "," << c.b;
    }
}

TEST(Identity, ModelMatchesTrimmedTexts) {
    AppContext ctx;
    EXPECT_TRUE(ModelMatches(ctx.identity, "ZB347 "));
    EXPECT_TRUE(ModelMatches(ctx.identity, std::string("ZB347\0", 6)));
    EXPECT_FALSE(ModelMatches(ctx.identity, "ZB348"));
}

TEST(TextById, LanguageAndUnknownIds) {
    EXPECT_EQ(TextById(2, 12014), "RB音");
    EXPECT_EQ(TextById(1, 12014), "Roger Beep");
    EXPECT_EQ(TextById(0, 29006), "&Play");  // anything but Chinese is English
    EXPECT_EQ(TextById(2, 29113), "第十四个音");
    EXPECT_EQ(TextById(1, 99999), "");
}
