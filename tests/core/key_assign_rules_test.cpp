// Key assignment: codes and list positions both ways.
#include <gtest/gtest.h>

#include <string_view>

#include "features/key_assign_rules.h"
#include "features/key_assign_texts.h"

using namespace zb;

namespace {

std::string_view FunctionText(int code) {
    return keytext::Functions[static_cast<std::size_t>(KeyFunctionTextEntry(code).value())][kEnglish];
}

}  // namespace

TEST(KeyAssignRules, EveryPickPositionRoundTripsThroughItsCode) {
    struct Case {
        int16_t code;
        const char* text;
    };
    const Case items[] = {{255, "None"},  {2, "Key Lock"}, {3, "Key Lock with Backup"},
                          {4, "Monitor"}, {5, "Monitor Momentary"}, {6, "Scan"},
                          {7, "Scan+Temporary Delete"}, {9, "Squelch Off"},
                          {10, "Squelch Off Momentary"}, {11, "Temporary Delete"}};
    for (int p = 0; p < kKeyPickCount; ++p) {
        EXPECT_EQ(KeyCodeOfPosition(p), items[p].code) << p;
        EXPECT_EQ(KeyPickPosition(items[p].code), p) << p;
        EXPECT_EQ(FunctionText(items[p].code), items[p].text) << p;
    }
    EXPECT_EQ(KeyCodeOfPosition(-1), std::nullopt);
    EXPECT_EQ(KeyCodeOfPosition(kKeyPickCount), std::nullopt);
}

TEST(KeyAssignRules, CodesOutsideThePickListHaveNoPosition) {
    struct Case {
        int code;
        std::optional<int> textEntry;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {8, 8}, {12, std::nullopt}, {254, std::nullopt},
                          {-1, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(KeyPickPosition(c.code), std::nullopt) << c.code;
        EXPECT_EQ(KeyFunctionTextEntry(c.code), c.textEntry) << c.code;
    }
    EXPECT_EQ(FunctionText(0), "Reserved1");
    EXPECT_EQ(FunctionText(8), "Reserved2");
}
