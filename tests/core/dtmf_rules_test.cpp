// DTMF editor rules: key filters, the ID and stun codes, the lists and the autodial memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codeplug/records.h"
#include "features/dtmf_rules.h"

using namespace zb;

namespace {

std::string Typed(char32_t (*filter)(char32_t), std::u32string keys) {
    std::string out;
    for (char32_t k : keys)
        if (char32_t c = filter(k)) out += static_cast<char>(c);
    return out;
}

void SetMemory(OptionSettingsRecord& s, std::vector<std::pair<int, std::string>> rows) {
    s.DtmfMemoryCount = 0;
    for (const auto& [row, text] : rows) StoreMemoryRow(s, row, text);
}

std::vector<int> Rows(const OptionSettingsRecord& s) {
    std::vector<int> rows;
    for (int i = 0; i < s.DtmfMemoryCount; ++i) rows.push_back(s.DtmfMemory[static_cast<std::size_t>(i)].Row);
    return rows;
}

}  // namespace

TEST(DtmfRules, KeyFiltersKeepOnlyTheirSymbols) {
    EXPECT_EQ(Typed(DtmfSymbolKey, U"a1#"), "A1#");
    EXPECT_EQ(Typed(DtmfSymbolKey, U"0123456789ABCDabcd*#eEfx -+é中\x7f"), "0123456789ABCDABCD*#");
    EXPECT_EQ(Typed(IdCodeKey, U"12a#*x9 é"), "129");
}

TEST(DtmfRules, IdCodeNeedsThreeDigitsAndKeepsItsValueOtherwise) {
    FixedText<kIdCodeWidth> code;
    code.Set("456");
    EXPECT_FALSE(StoreIdCode(code, "12"));
    EXPECT_FALSE(StoreIdCode(code, ""));
    EXPECT_EQ(code.Raw(), "456       ");
    EXPECT_TRUE(StoreIdCode(code, "123"));
    EXPECT_EQ(code.Raw(), "123       ");
    EXPECT_TRUE(StoreIdCode(code, "12345678901"));
    EXPECT_EQ(code.Raw(), "1234567890");
    code.Set("  789");
    EXPECT_EQ(ShownIdCode(code), "789");
    code.Set(std::string("12\0xx", 5));
    EXPECT_EQ(ShownIdCode(code), "12");
}

TEST(DtmfRules, StoredValuesFindTheirListItems) {
    EXPECT_EQ(FirstDigitDelayItems().size(), 19u);
    EXPECT_EQ(FirstDigitDelayItems().front(), "100");
    EXPECT_EQ(FirstDigitDelayItems().back(), "1000");
    const std::pair<int, int> delays[] = {{10, 0}, {15, 1}, {100, 18}, {12, 0}, {0, 0}, {105, 0}, {-5, 0}};
    for (const auto& [stored, position] : delays) EXPECT_EQ(FirstDigitDelayPosition(stored), position) << stored;
    EXPECT_EQ(FirstDigitDelayValue(0), 10);
    EXPECT_EQ(FirstDigitDelayValue(18), 100);

    const std::pair<int, int> groups[] = {{0, 0}, {'A', 1}, {'D', 4}, {'#', 5}, {'*', 6}, {'E', 0}, {7, 0}};
    for (const auto& [stored, position] : groups) EXPECT_EQ(GroupCodePosition(stored), position) << stored;
    for (int p = 0; p < kGroupCodeItems; ++p) EXPECT_EQ(GroupCodePosition(GroupCodeOfPosition(p)), p);

    EXPECT_EQ(ShownListPosition(3, 4), 3);
    EXPECT_EQ(ShownListPosition(4, 4), 0);
    EXPECT_EQ(ShownListPosition(-1, 4), 0);
}

TEST(DtmfRules, ClearingAMemoryRowMovesTheLaterEntriesUp) {
    OptionSettingsRecord s;
    SetMemory(s, {{1, "111"}, {3, "333"}, {5, "555"}});
    StoreMemoryRow(s, 3, "");
    EXPECT_EQ(Rows(s), (std::vector<int>{1, 5}));
    EXPECT_EQ(ShownMemoryRow(s, 5), "555");
    EXPECT_EQ(ShownMemoryRow(s, 3), "");
    EXPECT_EQ(s.DtmfMemory[2], DtmfMemoryEntry{});  // the freed place holds nothing stale
}

TEST(DtmfRules, MemoryTextsAreCutOrEndedByNulAndEmptyRowsStayWithoutEntry) {
    OptionSettingsRecord s;
    StoreMemoryRow(s, 4, "");
    EXPECT_EQ(s.DtmfMemoryCount, 0);
    StoreMemoryRow(s, 4, "12#");
    EXPECT_EQ(s.DtmfMemory[0].Row, 4);
    EXPECT_EQ(s.DtmfMemory[0].Digits.Raw(), std::string("12#\0            ", 16));
    StoreMemoryRow(s, 4, "0123456789ABCD*#99");  // the same entry, cut to 16
    EXPECT_EQ(Rows(s), std::vector<int>{4});
    EXPECT_EQ(s.DtmfMemory[0].Digits.Raw(), "0123456789ABCD*#");
    EXPECT_EQ(ShownMemoryRow(s, 4), "0123456789ABCD*#");
}

TEST(DtmfRules, DamagedMemoryCountsStayInsideTheList) {
    OptionSettingsRecord s;
    for (int i = 0; i < 8; ++i) s.DtmfMemory[static_cast<std::size_t>(i)].Row = 1;  // all row 1
    s.DtmfMemoryCount = 40;
    StoreMemoryRow(s, 2, "9");  // no room: nothing written past the list
    EXPECT_EQ(s.DtmfMemoryCount, 40);
    StoreMemoryRow(s, 1, "");
    EXPECT_EQ(s.DtmfMemoryCount, 7);
    s.DtmfMemoryCount = -3;
    EXPECT_EQ(ShownMemoryRow(s, 1), "");
    StoreMemoryRow(s, 6, "6");
    EXPECT_EQ(Rows(s), std::vector<int>{6});
}
