// The version table of "Version.ini" and the checks built on it.
#include <gtest/gtest.h>

#include "app/context.h"
#include "base/file_util.h"
#include "files/version_table.h"
#include "support/temp_dir.h"

using namespace zb;

namespace {

struct RecordingLauncher : ProgramLauncher {
    std::vector<std::string> started;
    bool StartAndQuit(const std::string& path) override {
        started.push_back(path);
        return true;
    }
};

}  // namespace

TEST(VersionText, NeedsVAndANumber) {
    struct Case { std::string_view text; bool ok; };
    const Case cases[] = {{"V200", true}, {"V2.0", true}, {"V200  ", true}, {"V2A0", false},
                          {"V20A", false}, {"V20", false}, {"X200", false}, {"V2000", false},
                          {std::string_view("V200\0zz", 7), true}};
    for (const Case& c : cases) EXPECT_EQ(IsVersionText(c.text), c.ok) << c.text;
    EXPECT_EQ(ShownVersion("V201"), "V2.01");
}

TEST(VersionTable, LoadsFromTheBaseFolderAndAnswersTheChecks) {
    test::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "Version.ini",
                                    "[Version]\r\nCurrentVersion=V200\r\nSoftVersionCount=2\r\n"
                                    "FirmVersionCount=2\r\n[Soft]\r\nVersion0=V200\r\nVersion1=V201\r\n"
                                    "[Firm]\r\nFirm0= V200V200 \r\nFirm1=V201V210\r\n"));
    AppContext ctx;
    ctx.folders.baseFolder = dir.path.string();
    ctx.folders.executableName = "zb347rx";
    LoadVersionTable(ctx);
    EXPECT_EQ(ctx.versions.CurrentVersion, "V200");
    EXPECT_EQ(ctx.versions.SoftVersions, (std::vector<std::string>{"V200", "V201"}));
    EXPECT_TRUE(IsCompatible(ctx, "V200", "V200"));
    EXPECT_FALSE(IsCompatible(ctx, "V200", "V210"));
    EXPECT_EQ(FolderFor(ctx, "V210"), "V201");
    EXPECT_EQ(FolderFor(ctx, "V999"), "");

    EXPECT_EQ(VersionQuestion(ctx, "V200", "V210", 0),
              "incompatible version. It may cause unknown error.To start the corresponding "
              "software version, or not?\r\nFirmware version is V2.10\r\nprogramming software is V2.00");
    ctx.settings.LanguageIndex = 2;
    EXPECT_EQ(VersionQuestion(ctx, "V200", "V201", 1),
              "版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n数据文件版本为 V2.01\r\n"
              "写频软件版本为 V2.00");

    RecordingLauncher launcher;
    ctx.launcher = &launcher;
    EXPECT_TRUE(StartVersion(ctx, "V210"));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], (dir.path / "V201" / "zb347rx").string());

    EXPECT_FALSE(StartVersion(ctx, "V999"));
    ASSERT_EQ(ctx.defaultPrompter.messages.size(), 1u);
    EXPECT_EQ(ctx.defaultPrompter.messages[0].text, "未能启动，不存在此版本软件！");
}

TEST(VersionTable, MissingOrDamagedFileGivesAnEmptyTable) {
    test::TempDir dir;
    AppContext ctx;
    ctx.folders.baseFolder = dir.path.string();
    LoadVersionTable(ctx);
    EXPECT_TRUE(ctx.versions.Firm.empty());
    EXPECT_FALSE(IsCompatible(ctx, "V200", "V200"));

    ASSERT_TRUE(WriteFileAtomically(dir / "Version.ini",
                                    "[Version]\r\nFirmVersionCount=-3\r\nSoftVersionCount=x\r\n"));
    LoadVersionTable(ctx);
    EXPECT_TRUE(ctx.versions.Firm.empty());
    EXPECT_TRUE(ctx.versions.SoftVersions.empty());
}

TEST(VersionTable, AByteOrderMarkIsSkippedAndCountsMakeNoEntriesTheFileLacks) {
    test::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "Version.ini",
                                    "\xEF\xBB\xBF[Version]\r\nSoftVersionCount=32767\r\n"
                                    "FirmVersionCount=32767\r\n[Soft]\r\nversion0=V200\r\n"
                                    "[Firm]\r\nFirm0=V200V200\r\nFIRM7=V201V210\r\n"));
    AppContext ctx;
    ctx.folders.baseFolder = dir.path.string();
    LoadVersionTable(ctx);
    EXPECT_EQ(ctx.versions.SoftVersions, std::vector<std::string>{"V200"});
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(ctx.versions.Firm, (std::vector<Pair>{{"V200", "V200"}, {"V201", "V210"}}));
    EXPECT_TRUE(IsCompatible(ctx, "V200", "V200"));
    EXPECT_FALSE(ReportVersionTableProblem(ctx));
    EXPECT_TRUE(ctx.defaultPrompter.messages.empty());
}

TEST(VersionTable, AnEmptyTableIsReportedOnceNamingWhereItWasLookedFor) {
    test::TempDir dir;
    AppContext ctx;
    ctx.folders.baseFolder = dir.path.string();
    ctx.versions.Firm = {{"V200", "V200"}};
    const char* const contents[] = {"", "[Version]\r\nFirmVersionCount=1\r\n", nullptr};
    for (const char* content : contents) {
        if (content) {
            ASSERT_TRUE(WriteFileAtomically(dir / "Version.ini", content));
        } else {
            std::filesystem::remove(dir / "Version.ini");
        }
        LoadVersionTable(ctx);
        ctx.defaultPrompter.messages.clear();
        EXPECT_TRUE(ReportVersionTableProblem(ctx));
        EXPECT_FALSE(ReportVersionTableProblem(ctx)) << "once";
        ASSERT_EQ(ctx.defaultPrompter.messages.size(), 1u);
        EXPECT_NE(ctx.defaultPrompter.messages[0].text.find("Version.ini"), std::string::npos);
        EXPECT_NE(ctx.defaultPrompter.messages[0].detail.find((dir.path / "Version.ini").string()),
                  std::string::npos);
    }
}
