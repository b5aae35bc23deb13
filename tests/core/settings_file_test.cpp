// The settings file at start-up and the folder rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "app/context.h"
#include "app/folders.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "app/system_locale.h"
#include "base/file_util.h"
#include "base/ini_file.h"
#include "base/platform_paths.h"

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

TEST_F(SettingsFixture, ReadOnlyBaseFolderMovesTheFileToTheUserFolder) {
    // A base folder that is a plain file can hold no "language" folder, even for root.
    ASSERT_TRUE(WriteFileAtomically(path, "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n"));
    const fs::path blocked = dir / "blocked";
    ASSERT_TRUE(WriteFileAtomically(blocked.string(), "x"));
    const fs::path user = dir / "user";
    EXPECT_EQ(ChooseSettingsPath(blocked.string(), user.string()),
              (user / "mysetup.ini").string());

    // Seeded from the installed file, which is then left alone.
    const auto readOnly = [&](const std::string& p) { return p != path; };
    EXPECT_EQ(ChooseSettingsPath(dir.string(), user.string(), readOnly),
              (user / "mysetup.ini").string());
    EXPECT_EQ(IniFile::Load((user / "mysetup.ini").string()).Get("language", "CurrentLanguage"), "2");
    ctx.settings.settingsPath = (user / "mysetup.ini").string();
    LoadSettings(ctx, 1);
    EXPECT_EQ(ctx.settings.LanguageIndex, 2);
    EXPECT_EQ(IniFile::Load((user / "mysetup.ini").string()).Get("language", "comPort"), "1");
    EXPECT_FALSE(IniFile::Load(path).Get("language", "comPort"));
    // A later start keeps the user's own copy rather than seeding it again.
    ASSERT_TRUE(WriteFileAtomically(path, "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=1\r\n"));
    ChooseSettingsPath(dir.string(), user.string(), readOnly);
    EXPECT_EQ(IniFile::Load((user / "mysetup.ini").string()).Get("language", "CurrentLanguage"), "2");
}

TEST_F(SettingsFixture, StartupFindsTheSettingsBesideTheProgramFolder) {
    ASSERT_TRUE(WriteFileAtomically(path, "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n"
                                          "comPort=4\r\nHandshaking=2\r\nStopBit=2\r\n"));
    ctx.groupWrite.GroupFlag = ctx.groupWrite.FirstRadioFlag = true;
    StartupOptions options;
    options.programFolder = (dir / "V200").string();
    options.userConfigFolder = (dir / "user").string();
    options.systemLanguage = 1;
    RunStartup(ctx, options);
    EXPECT_EQ(ctx.folders.baseFolder, dir.string());
    EXPECT_EQ(ctx.settings.settingsPath, path);
    EXPECT_EQ(ctx.settings.LanguageIndex, 2);
    EXPECT_EQ(ctx.settings.SystemLanguage, 1);
    EXPECT_EQ(ctx.settings.ComPort, 4);
    EXPECT_EQ(ctx.settings.Handshaking, 2);
    EXPECT_EQ(ctx.settings.StopBit, 2);
    EXPECT_FALSE(ctx.groupWrite.GroupFlag);
    EXPECT_FALSE(ctx.groupWrite.FirstRadioFlag);
    EXPECT_FALSE(fs::exists(dir / "user"));
}

TEST(SystemLanguage, WindowsLocaleIdentifier) {
    EXPECT_EQ(SystemLanguageFromLcid(0x0804), 2);
    EXPECT_EQ(SystemLanguageFromLcid(0x0404), 1);  // Chinese (Taiwan)
    EXPECT_EQ(SystemLanguageFromLcid(0x0409), 1);
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

TEST(Folders, ProgramFolderIsTheExecutablesFolder) {
    const fs::path folder = ExecutableFolder();
    EXPECT_TRUE(fs::exists(folder / "core_tests")) << folder;
}
