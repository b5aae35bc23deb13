// The language dialog's rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "app/context.h"
#include "app/language_choice.h"
#include "base/ini_file.h"

using namespace zb;
namespace fs = std::filesystem;

namespace {

struct LanguageChoice : ::testing::Test {
    fs::path file = fs::temp_directory_path() / ("zb_lang_" + std::to_string(::getpid()) + ".ini");
    AppContext ctx;
    void SetUp() override { ctx.settings.settingsPath = file.string(); }
    void TearDown() override { fs::remove(file); }
    std::string Stored() {
        return IniFile::Load(file.string()).Get("language", "CurrentLanguage").value_or("?");
    }
    void Start(int system, int current) {
        ctx.settings.SystemLanguage = system;
        ctx.settings.LanguageIndex = ctx.settings.PreviousLanguage = current;
    }
};

}  // namespace

TEST_F(LanguageChoice, OffersNamesInTheCurrentLanguage) {
    struct Case { int system, current; std::vector<std::string> names; std::string shown; };
    const Case cases[] = {
        {1, 1, {"English"}, "English"},
        {2, 1, {"English", "Chinese"}, "English"},
        {2, 2, {"英语", "中文"}, "中文"},
        {1, 2, {"英语"}, "中文"},  // a Chinese choice carried over to an English system
    };
    for (const Case& c : cases) {
        Start(c.system, c.current);
        EXPECT_EQ(OfferedLanguageNames(ctx), c.names) << c.system << c.current;
        EXPECT_EQ(CurrentLanguageName(ctx), c.shown) << c.system << c.current;
    }
}

TEST_F(LanguageChoice, OkChangesLanguageAndRemembersThePreviousOne) {
    Start(2, 1);
    ASSERT_TRUE(ApplyLanguageChoice(ctx, "Chinese"));
    EXPECT_EQ(ctx.settings.LanguageIndex, 2);
    EXPECT_EQ(ctx.settings.PreviousLanguage, 1);
    EXPECT_EQ(Stored(), "2");

    ASSERT_TRUE(ApplyLanguageChoice(ctx, "英语"));
    EXPECT_EQ(ctx.settings.LanguageIndex, 1);
    EXPECT_EQ(ctx.settings.PreviousLanguage, 2);
    EXPECT_EQ(Stored(), "1");
}

TEST_F(LanguageChoice, SameLanguageKeepsPreviousButStillWrites) {
    Start(2, 2);
    ctx.settings.PreviousLanguage = 1;
    ASSERT_TRUE(ApplyLanguageChoice(ctx, "中文"));
    EXPECT_EQ(ctx.settings.LanguageIndex, 2);
    EXPECT_EQ(ctx.settings.PreviousLanguage, 1);
    EXPECT_EQ(Stored(), "2");
}

TEST_F(LanguageChoice, UnknownNameSelectsEmptyTextsAndEmptyNameRecoversEnglish) {
    Start(2, 1);
    ASSERT_TRUE(ApplyLanguageChoice(ctx, "Klingon"));
    EXPECT_EQ(ctx.settings.LanguageIndex, 0);
    EXPECT_EQ(Stored(), "0");
    // In language 0 every name is empty; the one entry left leads back to English.
    EXPECT_EQ(OfferedLanguageNames(ctx), (std::vector<std::string>{"", ""}));
    ASSERT_TRUE(ApplyLanguageChoice(ctx, ""));
    EXPECT_EQ(ctx.settings.LanguageIndex, 1);
}
