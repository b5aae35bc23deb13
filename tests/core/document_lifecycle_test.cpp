// New, Open, Save and the unsaved-changes test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "app/file_util.h"
#include "codeplug/defaults.h"
#include "codeplug/text_util.h"
#include "files/data_files.h"
#include "support/temp_dir.h"

using namespace zb;
namespace fs = std::filesystem;

namespace {

struct FakeShell : ShellViews {
    std::string caption;
    std::optional<std::string> openChoice, saveChoice;
    std::string savePreset;
    int closes = 0;
    void SetCaption(const std::string& c) override { caption = c; }
    void CloseAllChildren() override { ++closes; }
    std::optional<std::string> ChooseFileToOpen() override { return openChoice; }
    std::optional<std::string> ChooseFileToSave(const std::string& preset) override {
        savePreset = preset;
        return saveChoice;
    }
};

struct Lifecycle : ::testing::Test {
    test::TempDir dir;
    AppContext ctx;
    FakeShell shell;
    ScriptedPrompter& prompts = ctx.defaultPrompter;
    void SetUp() override {
        ctx.folders.programFolder = dir / "V200";
        ctx.versions.Firm = {{"V200", "V200"}};
        ctx.shellViews = &shell;
        StartupInit(ctx);
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (auto& m : prompts.messages) texts.push_back(m.text);
        return texts;
    }
};

}  // namespace

TEST_F(Lifecycle, IsSavedComparesChannelsByNumberAndIgnoresUncomparedFields) {
    auto& d = ctx.Doc.Data;
    d.Groups[0].ChannelCount = 2;
    ctx.Doc.Channels[1][0] = ctx.Doc.Channels[0][0];
    ctx.Doc.Channels[1][0].ChNo = 4;
    ctx.Doc.Channels[1][0].RxFreq.Set("28400000");
    CopyToStage(ctx);
    ASSERT_TRUE(IsSaved(ctx));

    std::swap(ctx.Doc.Channels[0][0], ctx.Doc.Channels[1][0]);
    EXPECT_TRUE(IsSaved(ctx)) << "another order of the same channels";

    d.CurrentGroup = 5;
    d.OptionFeaturesExt.VoxLevel = 9;
    d.OptionSettings.DtmfMemoryCount = 3;
    d.Groups[1].Name.Set(std::string("BAND2\0xx", 8));  // same after CleanText
    EXPECT_TRUE(IsSaved(ctx));

    struct Change { const char* what; std::function<void(CodeplugData&, ChannelTable&)> apply; };
    const Change changes[] = {
        {"channel field", [](CodeplugData&, ChannelTable& t) { t[0][0].RbLock = 1; }},
        {"channel number", [](CodeplugData&, ChannelTable& t) { t[0][0].ChNo = 9; }},
        {"group name", [](CodeplugData& x, ChannelTable&) { x.Groups[3].Name.Set("X"); }},
        {"vfo", [](CodeplugData& x, ChannelTable&) { x.VfoB.RepShift = 1; }},
        {"model info", [](CodeplugData& x, ChannelTable&) { x.ModelInfo.SerialNumber.Set("1"); }},
        {"message", [](CodeplugData& x, ChannelTable&) {
             x.OptionSettings.EmbeddedMessage.MessageLine1.Set("HI"); }},
        {"power-on text", [](CodeplugData& x, ChannelTable&) {
             x.OptionSettings.OptionFeatures.PowerOnText.Set("ON"); }},
        {"option", [](CodeplugData& x, ChannelTable&) { x.OptionSettings.OptionFeatures.Dim = 1; }},
        {"roger beep", [](CodeplugData& x, ChannelTable&) { x.RogerBeepTones[7].InterTime = 1; }},
        {"reset select", [](CodeplugData& x, ChannelTable&) { x.OptionSettings.ResetSelect[3] = 2; }},
    };
    const Codeplug saved = ctx.Doc;
    for (const Change& c : changes) {
        ctx.Doc = saved;
        c.apply(ctx.Doc.Data, ctx.Doc.Channels);
        EXPECT_FALSE(IsSaved(ctx)) << c.what;
    }
}

TEST_F(Lifecycle, SaveAsThenNewKeepsThePathAndSaveAsksBeforeOverwriting) {
    EXPECT_EQ(CaptionText(ctx), "ZB_347RX[Data File:new.dat]");
    shell.saveChoice = dir / "radio.dat";
    ASSERT_TRUE(SaveDocument(ctx));  // untitled: goes through Save As
    EXPECT_EQ(shell.savePreset, "new.dat");
    EXPECT_FALSE(ctx.document.untitled);
    EXPECT_EQ(shell.caption, "ZB_347RX[Data File:radio.dat]");
    EXPECT_TRUE(Shown().empty());

    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(NewDocument(ctx));
    ASSERT_TRUE(NewDocument(ctx));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"All data will be cleared.", "All data will be cleared."}));
    EXPECT_EQ(ctx.document.path, dir / "radio.dat");

    prompts.messages.clear();
    prompts.answers = {Answer::Cancel};
    const auto before = fs::last_write_time(dir / "radio.dat");
    EXPECT_FALSE(SaveDocument(ctx));
    EXPECT_EQ(Shown(), std::vector<std::string>{"\"radio.dat\"file will be Overwrite,Continue?"});
    EXPECT_EQ(fs::last_write_time(dir / "radio.dat"), before);
    ASSERT_TRUE(SaveDocument(ctx));
}

TEST_F(Lifecycle, OpenAsksOnlyWhenModifiedAndCancelChangesNothing) {
    shell.saveChoice = dir / "a.dat";
    ASSERT_TRUE(SaveDocumentAs(ctx));
    ctx.Doc.Data.Groups[0].Name.Set("OTHER");
    ASSERT_TRUE(SaveFiles(ctx, dir / "b.dat"));
    ctx.document.path = dir / "a.dat";

    shell.openChoice = dir / "a.dat";
    ASSERT_TRUE(OpenDocument(ctx));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[0].Name), "BAND1");

    ctx.Doc.Data.Groups[0].Name.Set("EDITED");
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(OpenDocument(ctx));
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[0].Name), "EDITED");

    prompts.answers = {Answer::No};
    shell.openChoice.reset();  // dialog cancelled
    EXPECT_FALSE(OpenDocument(ctx));
    EXPECT_EQ(ctx.document.path, dir / "a.dat");

    prompts.answers = {Answer::Yes};
    shell.openChoice = dir / "b.dat";
    ASSERT_TRUE(OpenDocument(ctx));
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[0].Name), "OTHER");
    AppContext check;
    check.versions = ctx.versions;
    ASSERT_TRUE(GuardedLoad(check, dir / "a.dat"));
    EXPECT_EQ(CleanText(check.Doc.Data.Groups[0].Name), "EDITED") << "Yes saved the edit first";
}

TEST_F(Lifecycle, YesWhileUntitledWritesNewDatInTheCurrentFolder) {
    const fs::path old = fs::current_path();
    fs::current_path(dir.path);
    ctx.Doc.Data.Groups[0].Name.Set("EDITED");
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(OpenDocument(ctx));  // the dialog is then cancelled
    EXPECT_TRUE(fs::exists(dir.path / "new.dat"));
    EXPECT_TRUE(fs::exists(dir.path / "new.fre"));
    fs::current_path(old);
}

TEST_F(Lifecycle, FailedSaveBeforeOpenKeepsTheEdits) {
    ctx.document.path = (dir.path / "no" / "such" / "dir.dat").string();
    ctx.Doc.Data.Groups[0].Name.Set("EDITED");
    prompts.answers = {Answer::Yes};
    shell.openChoice = dir / "whatever.dat";
    EXPECT_FALSE(OpenDocument(ctx));
    EXPECT_EQ(Shown().back(), "file error.");
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[0].Name), "EDITED");
    EXPECT_EQ(shell.closes, 0);

    // The failed save left the edits unsaved: the next Open asks again instead of dropping them.
    EXPECT_FALSE(IsSaved(ctx));
    prompts.messages.clear();
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(OpenDocument(ctx));
    EXPECT_EQ(Shown(), std::vector<std::string>{"File has been modify,save it now?"});
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[0].Name), "EDITED");
}

TEST_F(Lifecycle, FailedOpenOrSaveAsKeepsTheDocumentPath) {
    shell.saveChoice = dir / "mine.dat";
    ASSERT_TRUE(SaveDocumentAs(ctx));
    const auto mineBefore = ReadFileBytes(dir / "mine.dat");
    ASSERT_TRUE(WriteFileAtomically(dir / "notes.dat", "shopping list: milk, eggs\n"));

    ctx.Doc.Data.Groups[0].Name.Set("EDITED");
    prompts.answers = {Answer::No};
    shell.openChoice = dir / "notes.dat";
    EXPECT_FALSE(OpenDocument(ctx));
    EXPECT_EQ(Shown().back(), "Unknown version Of DataFile!");
    EXPECT_EQ(ctx.document.path, dir / "mine.dat");
    EXPECT_EQ(shell.caption, "ZB_347RX[Data File:mine.dat]");

    shell.saveChoice = (dir.path / "no" / "such" / "folder.dat").string();
    EXPECT_FALSE(SaveDocumentAs(ctx));
    EXPECT_EQ(Shown().back(), "file error.");
    EXPECT_EQ(ctx.document.path, dir / "mine.dat");

    // The next Save goes to the file the document came from, never to the one that failed.
    ASSERT_TRUE(SaveDocument(ctx));
    EXPECT_EQ(ReadFileBytes(dir / "notes.dat"), "shopping list: milk, eggs\n");
    EXPECT_NE(ReadFileBytes(dir / "mine.dat"), mineBefore);
    AppContext check;
    check.versions = ctx.versions;
    ASSERT_TRUE(GuardedLoad(check, dir / "mine.dat"));
    EXPECT_EQ(CleanText(check.Doc.Data.Groups[0].Name), "EDITED");
}

TEST_F(Lifecycle, InitialSettingAsksFirstAndCancelChangesNothing) {
    fs::create_directories(dir.path / "V200" / "Init");
    ASSERT_TRUE(SaveFiles(ctx, dir / "V200/Init/ZB347.dat"));  // the factory setting
    ctx.Doc.Data.OptionSettings.ResetSelect[0] = 7;
    const Codeplug before = ctx.Doc;
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(InitialSetting(ctx));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "All data will be cleared.");
    EXPECT_EQ(prompts.messages[0].icon, Icon::Warning);
    EXPECT_EQ(prompts.messages[0].buttons, Buttons::OkCancel);
    EXPECT_TRUE(ctx.Doc.Data == before.Data && ctx.Doc.Channels == before.Channels);
    EXPECT_EQ(shell.closes, 0);

    ASSERT_TRUE(InitialSetting(ctx));  // OK: the factory setting replaces the document
    EXPECT_EQ(ctx.Doc.Data.OptionSettings.ResetSelect[0], 1);
    EXPECT_EQ(shell.closes, 1);
}

TEST_F(Lifecycle, ExitAsksAboutUnsavedChangesAndRefusesDuringAConversation) {
    EXPECT_TRUE(QueryExit(ctx)) << "nothing to lose";
    EXPECT_TRUE(Shown().empty());

    ctx.Doc.Data.Groups[0].Name.Set("EDITED");
    ctx.document.path = dir / "mine.dat";
    ctx.document.untitled = false;
    struct Case { Answer answer; bool exits; bool written; };
    for (const Case& c : {Case{Answer::Cancel, false, false}, Case{Answer::No, true, false},
                          Case{Answer::Yes, true, true}}) {
        prompts.messages.clear();
        prompts.answers = {c.answer};
        EXPECT_EQ(QueryExit(ctx), c.exits);
        ASSERT_EQ(Shown(), std::vector<std::string>{"File has been modify,save it now?"});
        EXPECT_EQ(prompts.messages[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(fs::exists(dir / "mine.dat"), c.written);
    }
    EXPECT_TRUE(IsSaved(ctx));

    // Yes with a save that fails keeps the program open with the edits.
    ctx.Doc.Data.Groups[0].Name.Set("AGAIN");
    ctx.document.path = (dir.path / "no" / "such" / "dir.dat").string();
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(QueryExit(ctx));
    EXPECT_EQ(Shown().back(), "file error.");
    EXPECT_FALSE(IsSaved(ctx));

    // While a conversation runs the program stays, without a question.
    for (int16_t mode : {kModeRead, kModeWrite, kModeRmgRead, kModePortSearch}) {
        prompts.messages.clear();
        ctx.link.CommMode = mode;
        EXPECT_FALSE(QueryExit(ctx)) << mode;
        EXPECT_TRUE(Shown().empty()) << mode;
    }
}

// A file named on the program's command line: Open's load with its checks, no file dialog.
TEST_F(Lifecycle, OpenDocumentFileLoadsWithOpensChecks) {
    ctx.Doc.Data.Groups[0].Name.Set("GIVEN");
    ASSERT_TRUE(SaveFiles(ctx, dir / "a.dat"));
    ctx.Doc.Data.Groups[0].Name.Set("OTHER");
    ASSERT_TRUE(OpenDocumentFile(ctx, dir / "a.dat"));
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[0].Name), "GIVEN");
    EXPECT_EQ(ctx.document.path, dir / "a.dat");
    EXPECT_TRUE(Shown().empty());

    std::ofstream(dir / "bad.dat") << "not a data file";
    EXPECT_FALSE(OpenDocumentFile(ctx, dir / "bad.dat"));
    EXPECT_FALSE(Shown().empty()) << "the same message as Open";
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[0].Name), "GIVEN");
    EXPECT_EQ(ctx.document.path, dir / "a.dat");
}
