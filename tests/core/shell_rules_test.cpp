// Command routing of the main window and the rules of the shell's small dialogs.
#include <gtest/gtest.h>

#include <set>

#include "app/context.h"
#include "app/ini_file.h"
#include "app/local_info_rules.h"
#include "app/main_commands.h"
#include "app/main_menu.h"
#include "app/messages.h"
#include "app/model_choice.h"
#include "app/radio_info_rules.h"
#include "link/port_choice.h"
#include "app/reset_mode_rules.h"
#include "codeplug/text_util.h"
#include "support/temp_dir.h"

using namespace zb;

TEST(CommandRouting, ToolbarAndTreeKeys) {
    struct Case {
        const char* key;
        std::optional<Command> toolbar;
        std::optional<Command> tree;
    };
    const Case cases[] = {
        {"新建", Command::NewWithoutWarning, std::nullopt},
        {"打开", Command::FileOpen, std::nullopt},
        {"保存", Command::FileSave, std::nullopt},
        {"ReadRadio", Command::ReadFromRadio, std::nullopt},
        {"CommSet", Command::Comm, std::nullopt},
        {"WriteRadio", Command::WriteToRadio, std::nullopt},
        {"MWriteRadio", Command::MWriteToRadio, std::nullopt},
        {"About", Command::About, std::nullopt},
        {"N1", std::nullopt, Command::ChannelInfo},
        {"N3", std::nullopt, Command::KeyAssignm},
        {"N7", std::nullopt, Command::TestFre},
        {"N9", std::nullopt, Command::Emg},
        {"N12", std::nullopt, Command::ToneTips},
        {"N13", std::nullopt, Command::Reset},
        // Keys nobody listed do nothing.
        {"N0", std::nullopt, std::nullopt},
        {"N10", std::nullopt, std::nullopt},
        {"N11", std::nullopt, std::nullopt},
        {"删除", std::nullopt, std::nullopt},
        {"readradio", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToolbarCommandOf(c.key), c.toolbar) << c.key;
        EXPECT_EQ(TreeCommandOf(c.key), c.tree) << c.key;
    }
    EXPECT_EQ(ChildKeyOf(Command::Reset), "FrmResetMode");
    EXPECT_EQ(ChildKeyOf(Command::EmbeddedMsg), "FrmEmbMsg");
    EXPECT_EQ(ChildKeyOf(Command::Emg), "");  // a radio read, not a child window
}

TEST(CommandRouting, MenuTableIsWellFormed) {
    std::set<std::string_view> menus, names;
    int separators = 0;
    for (const MenuEntry& e : MainMenuEntries()) {
        EXPECT_TRUE(names.insert(e.name).second) << "duplicate " << e.name;
        if (e.parent.empty()) {
            menus.insert(e.name);
            EXPECT_FALSE(e.command.has_value()) << e.name;
        } else {
            EXPECT_TRUE(menus.count(e.parent)) << e.name << " before its menu " << e.parent;
            EXPECT_TRUE(e.command.has_value()) << e.name;
        }
        EXPECT_FALSE(e.caption[kEnglish].empty()) << e.name;
        EXPECT_FALSE(e.caption[kChinese].empty()) << e.name;
        separators += e.separatorAfter;
    }
    EXPECT_EQ(separators, 9);
    EXPECT_EQ(names.size(), 48u);
    // Items hidden in the design.
    for (const char* hidden : {"mnuFilePrint", "mnuModel", "mnuKeyAssignm", "mnuScanInfo", "mnuHelpTopic"})
        EXPECT_FALSE(FindMenuEntry(hidden)->shown) << hidden;
    EXPECT_EQ(FindMenuEntry("mnuEdit")->caption[kChinese], "编辑(E)");
    EXPECT_EQ(FindMenuEntry("mnuToneTips")->caption[kChinese], TextById(kChinese, kToneTipsMenuTextId));
    EXPECT_EQ(FindMenuEntry("mnuToneTips")->caption[kEnglish], TextById(kEnglish, kToneTipsMenuTextId));
    EXPECT_EQ(FindMenuEntry("mnuFileNew")->shortcut, "Ctrl+N");
    EXPECT_EQ(FindMenuEntry("nothing"), nullptr);
}

TEST(CommandRouting, StatusBarAndFilterTexts) {
    AppContext ctx;
    ctx.settings.ComPort = 7;
    EXPECT_EQ(ModelPanelText(ctx), "ZB-347RX[28.000000 - 29.700000 MHz]");
    EXPECT_EQ(PortPanelText(ctx), "COM7");
    EXPECT_EQ(DataFileFilter(ctx), "Data File (*.dat)");
    ctx.settings.LanguageIndex = kChinese;
    ctx.identity.ModelName = "ZB347 ";
    ctx.identity.BandText = kWideBandText;
    EXPECT_EQ(ModelPanelText(ctx), "ZB347 [24.000000 - 30.105000 MHz]");
    EXPECT_EQ(PortPanelText(ctx), "通信口7");
    EXPECT_EQ(DataFileFilter(ctx), "数据文件 (*.dat)");
}

TEST(CommandRouting, SplitterLimitsAndTwips) {
    // Panel 100 wide in a client area 500 wide, minimum 20.
    EXPECT_TRUE(SplitterMoveAccepted(100, 100, -80, 500, 20));   // exactly the minimum
    EXPECT_FALSE(SplitterMoveAccepted(100, 100, -81, 500, 20));
    EXPECT_TRUE(SplitterMoveAccepted(100, 100, 400, 500, 20));   // exactly the client width
    EXPECT_FALSE(SplitterMoveAccepted(100, 100, 401, 500, 20));
    EXPECT_EQ(TwipsToPixels(kMinPanelTwips, 96), 20);
    EXPECT_EQ(TwipsToPixels(14500, 96), 967);
    EXPECT_EQ(PixelsToTwips(967, 96), 14505);
    EXPECT_EQ(PixelsToTwips(10, 0), 150);
}

namespace {

struct ResetRules : ::testing::Test {
    AppContext ctx;
    void AddChannels(int g, std::initializer_list<int> numbers) {
        int j = 0;
        for (int n : numbers) ctx.Doc.Channels[j++][g].ChNo = static_cast<int16_t>(n);
        ctx.Doc.Data.Groups[g].ChannelCount = static_cast<int16_t>(numbers.size());
    }
};

}  // namespace

TEST_F(ResetRules, GroupItemsOfEachBandAndSortedChannels) {
    for (int g : {1, 4, 10, 19}) ctx.Doc.Data.Groups[g].Valid = 1;
    ctx.Doc.Data.Groups[7].Valid = 0;
    EXPECT_EQ(ResetGroupItems(ctx, 0), (std::vector<int>{2, 5}));
    EXPECT_EQ(ResetGroupItems(ctx, 1), (std::vector<int>{1, 10}));

    AddChannels(12, {7, 2, 30});
    EXPECT_EQ(SortedChannelNumbers(ctx, 13), (std::vector<int>{2, 7, 30}));
    // A damaged count is limited to the table; group numbers outside 1..20 list nothing.
    ctx.Doc.Data.Groups[12].ChannelCount = 99;
    EXPECT_EQ(SortedChannelNumbers(ctx, 13).size(), 40u);
    EXPECT_TRUE(SortedChannelNumbers(ctx, 0).empty());
    EXPECT_TRUE(SortedChannelNumbers(ctx, 21).empty());
}

TEST(LocalInfoRules, MessageLinesAndRecordTexts) {
    FixedText<32> line;
    StoreMessageLine(line, "HELLO");
    EXPECT_EQ(line.Raw(), std::string("HELLO") + '\0' + std::string(26, ' '));
    EXPECT_EQ(ShownMessageLine(line), "HELLO");

    const std::string full(32, 'A');
    StoreMessageLine(line, full);
    EXPECT_EQ(line.Raw(), full);  // no NUL
    EXPECT_EQ(ShownMessageLine(line), full);
    StoreMessageLine(line, full + "BCD");
    EXPECT_EQ(line.Raw(), full);
    StoreMessageLine(line, "");
    EXPECT_EQ(ShownMessageLine(line), "");

    EXPECT_TRUE(IsRadioTextCharAccepted('A'));
    EXPECT_TRUE(IsRadioTextCharAccepted(127));
    EXPECT_FALSE(IsRadioTextCharAccepted(128));
    EXPECT_FALSE(IsRadioTextCharAccepted(U'中'));
    for (char32_t ctrl : {U'\x18', U'\x16', U'\x03'}) EXPECT_FALSE(IsRadioTextCharAccepted(ctrl));

    EXPECT_EQ(ShownRecordText("1234567890ABCDEF"), "1234567890ABCDEF");
    EXPECT_EQ(ShownRecordText("SN01            "), "SN01");
    EXPECT_EQ(ShownRecordText(std::string("AB  ") + '\0' + "junk"), "AB");
    EXPECT_EQ(ShownRecordText("    "), "");
}

TEST(RadioInfoRules, VersionBoxDateStampAndWrite) {
    const std::pair<const char*, const char*> versions[] = {
        {"201", "V201"}, {"200AB", "V200A"}, {"", "V"}, {"V12", "V12"}, {"v200", "Vv200"}};
    for (const auto& [typed, fixed] : versions) EXPECT_EQ(FixVersionText(typed), fixed) << typed;
    EXPECT_EQ(TimeSyncText({2025, 1, 1}), "20250101");

    AppContext ctx;
    ctx.Doc.Data.ModelInfo.ModelType.Set(std::string(" ZB347") );
    EXPECT_EQ(ShownModelType(ctx), "ZB3");
    StoreRadioInfo(ctx, "ZB3", "30 - 31 MHz", "20250101", "V201");
    const ModelInfoRecord& m = ctx.Doc.Data.ModelInfo;
    EXPECT_EQ(m.ModelType.Raw(), std::string("ZB3") + '\0' + "  ");
    EXPECT_EQ(m.RadioBandCode, 1);  // an unknown band text counts as the wide band
    EXPECT_EQ(m.ModelLetter, 67);
    EXPECT_EQ(m.SerialNumber.Raw(), "20250101");  // 8 characters leave no room for the NUL
    EXPECT_EQ(m.VersionText.Raw(), std::string("V201") + '\0');
    StoreRadioInfo(ctx, "ZB3", kStandardBandText, "1234567890", "V2");
    EXPECT_EQ(ctx.Doc.Data.ModelInfo.RadioBandCode, 0);
    EXPECT_EQ(ctx.Doc.Data.ModelInfo.SerialNumber.Raw(), "12345678");
}

TEST(ModelChoice, ChangeAsksThenStartsNewDocument) {
    struct CountingShell : ShellViews {
        int closes = 0;
        void CloseAllChildren() override { ++closes; }
    } shell;
    AppContext ctx;
    ctx.shellViews = &shell;
    ctx.Doc.Data.Groups[0].Valid = 9;

    EXPECT_FALSE(ApplyModelChoice(ctx, "ZB347", kStandardBandText));  // no change, no question
    EXPECT_TRUE(ctx.defaultPrompter.messages.empty());

    ctx.defaultPrompter.answers = {Answer::Cancel};
    EXPECT_FALSE(ApplyModelChoice(ctx, "ZB347", kWideBandText));
    EXPECT_EQ(ctx.identity.BandText, kStandardBandText);
    EXPECT_EQ(ctx.Doc.Data.Groups[0].Valid, 9);

    EXPECT_TRUE(ApplyModelChoice(ctx, "ZB347", kWideBandText));
    ASSERT_EQ(ctx.defaultPrompter.messages.size(), 2u);
    EXPECT_EQ(ctx.defaultPrompter.messages[1].text, "Frequency data will be cleared.");
    EXPECT_EQ(ctx.defaultPrompter.messages[1].title, "Warning");
    EXPECT_EQ(ctx.identity.BandText, kWideBandText);
    EXPECT_EQ(shell.closes, 1);  // a new document was started
}
