// The settings file at start-up and the folder rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "app/context.h"
#include "app/file_util.h"
#include "app/folders.h"
#include "app/ini_file.h"
#include "app/settings_file.h"

using namespace zb;
namespace fs = std::filesystem;

namespace {

struct SettingsFixture : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("zb_settings_" + std::to_string(::getpid()));
    std::string path;
    AppContext ctx;
    void SetUp() override {
        fs::create_directories(dir / "language");
        path = (dir / "language" / "mysetup.ini").string();
        ctx.folders.baseFolder = dir.string();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Get(const char* key) { return IniFile::Load(path).Get("language", key).value_or("?"); }
};

}  // namespace

TEST_F(SettingsFixture, FirstRunOnChineseSystemStartsInChinese) {
    ASSERT_TRUE(WriteFileAtomically(path, "[language]\r\nIsFirstRun=1\r\ncomPort=3\r\nCurrentLanguage=1\r\n"));
    LoadSettings(ctx, 2);
    EXPECT_EQ(ctx.settings.LanguageIndex, 2);
    EXPECT_EQ(ctx.settings.ComPort, 3);
    EXPECT_EQ(Get("IsFirstRun"), "0");
    EXPECT_EQ(Get("CurrentLanguage"), "2");
}

TEST_F(SettingsFixture, LaterRunsUseTheStoredLanguage) {
    ASSERT_TRUE(WriteFileAtomically(path, "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=1\r\n"));
    LoadSettings(ctx, 2);
    EXPECT_EQ(ctx.settings.LanguageIndex, 1);
    EXPECT_EQ(ctx.settings.PreviousLanguage, 2);
}

TEST_F(SettingsFixture, DamagedOrMissingValuesGiveDefaults) {
    ASSERT_TRUE(WriteFileAtomically(path, "[language]\r\nIsFirstRun=x\r\ncomPort=abc\r\n"
                                          "StopBit=\r\nCurrentLanguage=7\r\n[keep]\r\na=b\r\n"));
    LoadSettings(ctx, 1);
    EXPECT_EQ(ctx.settings.ComPort, 1);
    EXPECT_EQ(ctx.settings.Handshaking, 0);
    EXPECT_EQ(ctx.settings.StopBit, 1);
    EXPECT_EQ(ctx.settings.LanguageIndex, 1);
    EXPECT_EQ(Get("comPort"), "1");
    EXPECT_EQ(IniFile::Load(path).Get("keep", "a"), "b");

    fs::remove(path);
    AppContext fresh;
    fresh.folders.baseFolder = dir.string();
    LoadSettings(fresh, 2);
    EXPECT_EQ(fresh.settings.LanguageIndex, 2);
    EXPECT_EQ(Get("CurrentLanguage"), "2");
}

TEST(SystemLanguage, FirstSetLocaleVariableDecides) {
    EXPECT_EQ(SystemLanguageFromLocale("zh_CN.UTF-8", "en_US", "en_US"), 2);
    EXPECT_EQ(SystemLanguageFromLocale("", "", "zh_CN"), 2);
    EXPECT_EQ(SystemLanguageFromLocale("en_US", nullptr, "zh_CN"), 1);
    EXPECT_EQ(SystemLanguageFromLocale(nullptr, nullptr, "zh_TW"), 1);
    EXPECT_EQ(SystemLanguageFromLocale(nullptr, nullptr, nullptr), 1);
}

TEST(Folders, BaseFolderIsTheParent) {
    EXPECT_EQ(BaseFolderOf("/opt/zb/V200"), "/opt/zb");
    EXPECT_EQ(BaseFolderOf("C:\\ZB\\V200"), "C:\\ZB");
    EXPECT_EQ(BaseFolderOf("X"), "X");
    EXPECT_EQ(BaseFolderOf("/X"), "/X");
}
