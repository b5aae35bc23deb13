// Defaults of a new document and the template files.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/context.h"
#include "codeplug/text_util.h"
#include "files/data_files.h"
#include "files/templates.h"
#include "support/temp_dir.h"

using namespace zb;

namespace {

struct Defaults : ::testing::Test {
    test::TempDir dir;
    AppContext ctx;
    void SetUp() override {
        ctx.folders.programFolder = dir.path.string();
        ctx.fixedToday = CalendarDate{2026, 3, 7};
    }
};

}  // namespace

TEST_F(Defaults, WithoutTemplatesTheBuiltInDocument) {
    StartupInit(ctx);
    const CodeplugData& d = ctx.Doc.Data;
    const char* group0to5[] = {"28015000", "28145000", "28115000", "28085000", "28055000", "28025000"};
    for (int g = 0; g < kGroupCount; ++g) {
        EXPECT_EQ(CleanText(d.Groups[g].Name), "BAND" + std::to_string(g + 1));
        EXPECT_EQ(d.Groups[g].Valid, 1);
        ASSERT_EQ(d.Groups[g].ChannelCount, 1);
        const ChannelRecord& c = ctx.Doc.Channels[0][g];
        // Groups 10..19 mirror groups 0..9 once the (missing) template has been applied.
        const int source = g % 10;
        EXPECT_EQ(CleanText(c.RxFreq), source < 6 ? group0to5[source] : "28015000") << g;
        EXPECT_EQ(c.RxFreq, c.TxFreq);
        EXPECT_EQ(c.ChNo, 1);
        EXPECT_EQ(c.Scan, 1);
    }
    EXPECT_EQ(CleanText(d.VfoA.RxFreq), "28015000");
    EXPECT_EQ(CleanText(d.VfoB.TxFreq), "28015000");
    EXPECT_EQ(d.VfoAValid + d.VfoBValid, 2);
    EXPECT_EQ(d.OptionSettings.ResetSelect, (std::array<int16_t, 4>{1, 1, 11, 1}));
    EXPECT_EQ(d.OptionSettings.OptionFeatures.CwSideTone, 105);
    EXPECT_EQ(d.OptionSettings.FleetSyncSettings.ModulationDelay, 400);
    EXPECT_EQ(CleanText(d.OptionSettings.DtmfSettings.IdCode), "000");
    EXPECT_EQ(CleanText(d.ModelInfo.SerialNumber), "20260307");
    EXPECT_EQ(CleanText(d.ModelInfo.ModelType), "ZB347");
    EXPECT_EQ(d.ModelInfo.ModelLetter, 'C');
    EXPECT_EQ(ctx.Rmg.SerialNo, "2026030700000001");
    EXPECT_EQ(ctx.Rmg.ManufactureCode, "03-1-E-1");
    EXPECT_EQ(ctx.Rmg.SellDate, "2026/03/07");

    const RogerBeepRecord& rb2 = d.RogerBeepTones[1];
    for (int k = 0; k < kTonesPerBeep; ++k) {
        EXPECT_EQ(rb2.Tone[k].ToneFreq, k % 2 == 0 ? 80 : 0);
        EXPECT_EQ(rb2.Tone[k].ToneLength, 4);
    }
    EXPECT_EQ(d.RogerBeepTones[3].Tone[4].ToneFreq, 192);
    EXPECT_EQ(d.RogerBeepTones[3].Tone[5].ToneLength, 0);
    EXPECT_EQ(d.RogerBeepTones[4].RecycleTimes, 1);
    EXPECT_EQ(d.RogerBeepTones[5], RogerBeepRecord{});
    EXPECT_EQ(ctx.Stage.Data, d);
}

TEST_F(Defaults, TemplateOverridesAndGroupsTenToNineteenMirrorTheFirstTen) {
    StartupInit(ctx);
    // A template whose groups 10..19 differ from 0..9 and whose VFO B differs from VFO A.
    ctx.Doc.Data.Groups[2].ChannelCount = 2;
    ctx.Doc.Channels[1][2] = ctx.Doc.Channels[0][2];
    ctx.Doc.Channels[1][2].ChNo = 7;
    ctx.Doc.Channels[1][2].RxFreq.Set("29000000");
    ctx.Doc.Data.Groups[15].ChannelCount = 5;
    ctx.Doc.Data.Groups[15].Name.Set("FIFTEEN");
    ctx.Doc.Data.VfoA.RxFreq.Set("28500000");
    ctx.Doc.Data.VfoB.RxFreq.Set("24900000");
    std::filesystem::create_directories(dir.path / "Init");
    ASSERT_TRUE(SaveFiles(ctx, dir / "Init/ZB347_New.dat"));

    AppContext fresh;
    fresh.folders.programFolder = dir.path.string();
    StartupInit(fresh);
    const CodeplugData& d = fresh.Doc.Data;
    EXPECT_EQ(d.Groups[12].ChannelCount, 2);
    EXPECT_EQ(fresh.Doc.Channels[1][12], fresh.Doc.Channels[1][2]);
    EXPECT_EQ(d.Groups[15].ChannelCount, 1);
    EXPECT_EQ(CleanText(d.Groups[15].Name), "FIFTEEN");  // names and flags stay
    EXPECT_EQ(CleanText(d.VfoB.RxFreq), "28500000");
    EXPECT_EQ(fresh.Stage.Data, d);
}

// Every built-in option setting, written out as a whole record each, so a value that lands in
// the neighbouring field shows.
TEST_F(Defaults, BuiltInOptionSettings) {
    StartupInit(ctx);
    const OptionSettingsRecord& o = ctx.Doc.Data.OptionSettings;

    OptionFeaturesRecord f;
    f.Tot = 2;
    f.FineTuneRange = 1;
    f.Beep = 1;
    f.CwSideTone = 105;
    f.BacklightLoopTime = 3;
    f.SwrProtect = 200;
    f.BatteryMin = 110;
    f.BatteryMax = 160;
    f.FmSqDelay = f.AmSqDelay = f.CwSsbSqDelay = 9;
    f.BacklightColor = 1;
    f.PowerOnText.Set(std::string(1, '\0'));  // a NUL, then blanks
    EXPECT_EQ(o.OptionFeatures, f);

    EXPECT_EQ(o.KeyAssignment, (KeyAssignmentRecord{255, 10}));
    EXPECT_EQ(o.ScanInfo, (ScanInfoRecord{0, 255, 31, 51, 1, 3, 3}));

    DtmfSettingsRecord t;
    t.FirstDigitDelay = 10;
    t.DtmfSideTone = 1;
    t.IdCode.Set("000");
    t.AutoResetTimer = 10;
    EXPECT_EQ(o.DtmfSettings, t);
    EXPECT_EQ(o.DtmfMemoryCount, 0);

    EXPECT_EQ(o.FleetSyncSettings, (FleetSyncSettingsRecord{255, 0, 0, 400, 10, 1}));
    EXPECT_EQ(o.FleetSyncStatusCount, 0);

    EmbeddedMessageRecord empty;
    empty.MessageLine1.Set(std::string(1, '\0'));
    empty.MessageLine2.Set(std::string(1, '\0'));
    EXPECT_EQ(o.EmbeddedMessage, empty);
    EXPECT_EQ(ctx.Doc.Data.OptionFeaturesExt, OptionFeaturesExtRecord{});
}
