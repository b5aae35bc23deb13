// Fixed-width texts, CleanText, FileNamePart and the tone tables.
#include <gtest/gtest.h>

#include "codeplug/fixed_text.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"

using namespace zb;

TEST(FixedText, PadsWithBlanksAndCutsAtWidth) {
    FixedText<8> t;
    EXPECT_EQ(t.Raw(), "        ");
    t.Set("BAND1");
    EXPECT_EQ(t.Raw(), "BAND1   ");
    t.Set("ABCDEFGHIJ");
    EXPECT_EQ(t.Raw(), "ABCDEFGH");
    t.Set(std::string("\0  ", 3));
    EXPECT_EQ(t.Raw(), std::string("\0       ", 8));
}

TEST(CleanText, StripsTrailingBlanksThenCutsAtNul) {
    const struct { std::string in, out; } cases[] = {
        {"BAND1   ", "BAND1"},
        {std::string("ZB347\0", 6), "ZB347"},
        {std::string("AB\0CD   ", 8), "AB"},
        {"  lead", "  lead"},
        {"", ""},
        {std::string("\0       ", 8), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CleanText(c.in), c.out) << c.in;
}

TEST(FileNamePart, TakesTextAfterLastSeparator) {
    EXPECT_EQ(FileNamePart("C:\\data\\my.dat"), "my.dat");
    EXPECT_EQ(FileNamePart("/home/ham/my.dat"), "my.dat");
    EXPECT_EQ(FileNamePart("new.dat"), "new.dat");
}

TEST(ToneTables, IndexRangesAndListTexts) {
    EXPECT_EQ(ToneListText(0), "OFF");
    EXPECT_EQ(ToneListText(1), "67.0");
    EXPECT_EQ(ToneListText(50), "254.1");
    EXPECT_EQ(ToneListText(51), "D017N");
    EXPECT_EQ(ToneListText(158), "D017I");
    EXPECT_EQ(ToneListText(264), "D754I");
    EXPECT_EQ(ToneListText(265), "OFF");
    EXPECT_EQ(DcsTable[0], 15);
}

TEST(StoredFreqDisplay, ShowsEightDigitsAsMegahertzAndAnythingElseAsItStands) {
    const std::pair<const char*, const char*> cases[] = {
        {"28015000", "28.015000"}, {"09000000", "9.000000"}, {"FFFFFFFF", ""}, {"        ", ""},
        {" 29700000", "29.700000"}, {"2801", "2801"}, {"28A15000", "28A15000"},
    };
    for (const auto& [stored, shown] : cases) EXPECT_EQ(StoredFreqDisplay(stored), shown) << stored;
}

TEST(StoreTextWithNul, CutsAtTheWidthOrEndsWithNul) {
    FixedText<4> field;
    StoreTextWithNul(field, "12");
    EXPECT_EQ(field.Raw(), std::string("12\0 ", 4));
    StoreTextWithNul(field, "");
    EXPECT_EQ(field.Raw(), std::string("\0   ", 4));
    StoreTextWithNul(field, "12345");
    EXPECT_EQ(field.Raw(), "1234");
    StoreTextWithNul(field, "123");
    EXPECT_EQ(field.Raw(), std::string("123\0", 4));
}
