// Data files: byte layout, save and load through the stage, the load checks, damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <string>
#include <vector>

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "base/file_util.h"
#include "codeplug/text_util.h"
#include "files/data_file_format.h"
#include "files/data_files.h"
#include "files/templates.h"
#include "support/temp_dir.h"

using namespace zb;
namespace fs = std::filesystem;

namespace {

struct DataFiles : ::testing::Test {
    test::TempDir dir;
    AppContext ctx;
    void SetUp() override {
        ctx.folders.programFolder = dir / "V200";  // no Init folder: defaults only
        ctx.folders.baseFolder = dir.path.string();
        ctx.versions.Firm = {{"V200", "V200"}};
        ctx.fixedToday = CalendarDate{2026, 12, 10};
        StartupInit(ctx);
    }
    std::string Bytes(const std::string& path) { return ReadFileBytes(path).value_or(""); }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (auto& m : ctx.defaultPrompter.messages) texts.push_back(m.text);
        return texts;
    }
};

ChannelRecord Channel(int chNo, const char* rx) {
    ChannelRecord c;
    c.ChNo = static_cast<int16_t>(chNo);
    c.Valid = 1;
    c.RxFreq.Set(rx);
    c.TxFreq.Set(rx);
    c.Scan = 1;
    c.DecTone = 7;
    return c;
}

}  // namespace

TEST(DataFileFormat, FieldsSitAtTheirOffsets) {
    CodeplugData d;
    d.Version.Set("V200");
    d.CurrentGroup = 0x0102;
    d.Groups[19].Valid = 0x0304;
    d.VfoA.ChNo = 0x0506;
    d.VfoBValid = 0x0708;
    d.ModelInfo.ModelName.Set("ZB347");
    d.ModelInfo.ModelLetter = 'C';
    d.RogerBeepTones[0].Tone[0].ToneFreq = 0x090A;
    d.RogerBeepTones[7].InterTime = 0x0B0C;
    d.OptionSettings.OptionFeatures.Tot = 0x0D0E;
    d.OptionSettings.OptionFeatures.GroupChange = 0x0F10;
    d.OptionSettings.KeyAssignment.Pf1Function = 0x1112;
    d.OptionSettings.ScanInfo.Priority = 0x1314;
    d.OptionSettings.DtmfSettings.DtmfSpeed = 0x1516;
    d.OptionSettings.FleetSyncSettings.OwnId = 0x1718191A;
    d.OptionSettings.ResetSelect[0] = 0x1B1C;
    d.OptionSettings.DtmfMemoryCount = 0x1D1E;
    d.OptionSettings.TestFreqCount = 0x1F20;
    d.OptionSettings.EmbeddedMessage.MessageLine1.Set("HELLO");
    d.OptionSettings.FleetSyncStatusCount = 0x2122;
    d.OptionSettings.FleetSyncStatus[7].Id = -2;
    d.OptionFeaturesExt.TxGate = 0x2324;
    d.OptionFeaturesExt.VoxDelay = 0x2526;

    const std::string b = EncodeCodeplugData(d);
    ASSERT_EQ(b.size(), kDataFileSize);
    struct Case { std::size_t offset; std::string bytes; };
    const Case cases[] = {
        {0, "V200"},          {4, "\x02\x01"},          {244, "\x04\x03"},
        {246, "\x06\x05"},    {336, "\x08\x07"},        {338, "ZB347 "},
        {369, "C\0"},         {371, "\x0A\x09"},        {849, "\x0C\x0B"},
        {851, "\x0E\x0D"},    {915, "\x10\x0F"},        {917, "\x12\x11"},
        {921, "\x14\x13"},    {935, "\x16\x15"},        {981, "\x1A\x19\x18\x17"},
        {997, "\x1C\x1B"},    {1005, "\x1E\x1D"},       {1151, "\x20\x1F"},
        {1505, "HELLO   "},   {1569, "\x22\x21"},       {1631, "\xFE\xFF\xFF\xFF"},
        {1635, "\x24\x23"},   {1651, "\x26\x25"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(b.substr(c.offset, c.bytes.size()), c.bytes) << "offset " << c.offset;

    CodeplugData back;
    ASSERT_TRUE(DecodeCodeplugData(b, back));
    EXPECT_EQ(back, d);
    EXPECT_FALSE(DecodeCodeplugData(b.substr(1), back));
}

// The order of the fields inside the records, which a round trip cannot see: each int16 gets
// its own value and is looked for at its offset.
TEST(DataFileFormat, FieldOrderInsideTheRecords) {
    CodeplugData d;
    OptionFeaturesRecord& f = d.OptionSettings.OptionFeatures;
    ScanInfoRecord& s = d.OptionSettings.ScanInfo;
    DtmfSettingsRecord& t = d.OptionSettings.DtmfSettings;
    FleetSyncSettingsRecord& y = d.OptionSettings.FleetSyncSettings;
    OptionFeaturesExtRecord& x = d.OptionFeaturesExt;
    ModelInfoRecord& m = d.ModelInfo;
    ChannelRecord& c = d.VfoA;
    struct Run {
        std::size_t offset;
        std::vector<int16_t*> fields;  // consecutive int16 from offset on
    };
    const Run runs[] = {
        {851, {&f.Tot, &f.FineTuneRange, &f.FineTuneMode, &f.CoarseStep, &f.VfoStep, &f.Beep,
               &f.CwSideTone, &f.ScanResume, &f.LcdDisplay, &f.BacklightLoopTime, &f.SwrProtect,
               &f.BatteryMin, &f.BatteryMax, &f.SingleChangeData, &f.SingleChangeRxTx,
               &f.Plus10kHz, &f.Tsq, &f.Busy, &f.Asq, &f.ScanMode, &f.FmSqDelay, &f.AmSqDelay,
               &f.CwSsbSqDelay, &f.SwrProtectEnable, &f.DcProtectEnable, &f.SingleTone, &f.Dim,
               &f.BacklightColor}},
        {915, {&f.GroupChange}},
        {921,
         {&s.Priority, &s.PriorityChannel, &s.LookBackTimeA, &s.LookBackTimeB, &s.RevertChannel,
          &s.DropoutDelayTime, &s.TxDwellTime}},
        {935,
         {&t.DtmfSpeed, &t.FirstDigitTime, &t.FirstDigitDelay, &t.StarHashTone, &t.DCodeAssignment,
          &t.DtmfSideTone}},
        {957, {&t.GroupCode, &t.AutoResetTimer, &t.CallAlert, &t.Transpond, &t.ClearToTranspond}},
        {977, {&t.StunType}},
        {979, {&y.OwnFleet}},
        {985, {&y.BaudRate}},
        {995, {&y.PttIdSideTone}},
        {1635,
         {&x.TxGate, &x.RxNc, &x.NrBypass, &x.MicType, &x.IdleTime, &x.TxTone, &x.RxTone,
          &x.VoxLevel, &x.VoxDelay}},
        {344, {&m.Flag, &m.BandCode}},
        {367, {&m.RadioBandCode, &m.ModelLetter}},
        {246 + 20,
         {&c.Scan, &c.DecTone, &c.EncTone, &c.Plus10k, &c.TsqFlag, &c.BusyFlag, &c.RbTone,
          &c.RbLock, &c.RepEnable, &c.RepShift, &c.Spare1, &c.Spare2}},
    };
    int16_t next = 0x0101;
    for (const Run& r : runs)
        for (int16_t* field : r.fields) *field = next++;
    f.PowerOnText.Set("POWERON!");
    t.IdCode.Set("IDCODE");
    t.StunCode.Set("STUN");
    y.ModulationDelay = 0x0A0B0C0D;
    y.MessageModeTimer = 0x01020304;
    m.SerialNumber.Set("SERIAL");
    m.VersionText.Set("V1.00");
    m.ModelType.Set("TYPE");

    const std::string b = EncodeCodeplugData(d);
    ASSERT_EQ(b.size(), kDataFileSize);
    int16_t expected = 0x0101;
    for (const Run& r : runs) {
        for (std::size_t k = 0; k < r.fields.size(); ++k, ++expected) {
            const std::size_t at = r.offset + 2 * k;
            const auto u = static_cast<uint16_t>(expected);
            EXPECT_EQ(b.substr(at, 2), std::string({static_cast<char>(u & 0xFF),
                                                    static_cast<char>(u >> 8)}))
                << "offset " << at;
        }
    }
    const struct {
        std::size_t offset;
        std::string bytes;
    } texts[] = {
        {907, "POWERON!"}, {947, "IDCODE    "}, {967, "STUN      "}, {987, "\x0D\x0C\x0B\x0A"},
        {991, "\x04\x03\x02\x01"}, {348, "SERIAL  "}, {356, "V1.00"}, {361, "TYPE  "},
    };
    for (const auto& e : texts)
        EXPECT_EQ(b.substr(e.offset, e.bytes.size()), e.bytes) << "offset " << e.offset;
}

TEST(DataFileFormat, ChannelRecordLayoutAndChannelFileName) {
    ChannelRecord c = Channel(3, "28015000");
    c.RepShift = 2;
    const std::string b = EncodeChannelRecord(c);
    ASSERT_EQ(b.size(), kChannelRecordSize);
    EXPECT_EQ(b.substr(0, 4), std::string("\x03\x00\x01\x00", 4));
    EXPECT_EQ(b.substr(4, 16), "2801500028015000");
    EXPECT_EQ(b.substr(38, 6), std::string("\x02\x00\x00\x00\x00\x00", 6));
    EXPECT_EQ(ChannelFilePath("X.dat"), "X.fre");
    EXPECT_EQ(ChannelFilePath("dir/X.bin"), "dir/X.fre");
}

TEST_F(DataFiles, SavedDocumentReadsBackEqual) {
    auto& d = ctx.Doc.Data;
    d.Groups[0].ChannelCount = 3;
    ctx.Doc.Channels[0][0] = Channel(5, "28100000");
    ctx.Doc.Channels[1][0] = Channel(1, "28200000");
    ctx.Doc.Channels[2][0] = Channel(9, "29700000");
    for (int g = 1; g < kGroupCount; ++g) d.Groups[g].ChannelCount = 0;
    d.Groups[4].Name.Set("DX");
    d.OptionSettings.EmbeddedMessage.MessageLine1.Set("CQ CQ");
    d.OptionFeaturesExt.VoxLevel = 4;
    const std::string path = dir / "mine.dat";
    ASSERT_TRUE(SaveFiles(ctx, path));
    EXPECT_FALSE(ctx.document.untitled);
    EXPECT_EQ(Bytes(path).size(), kDataFileSize);
    EXPECT_EQ(Bytes(dir / "mine.fre").size(), 132u);

    AppContext other;
    other.versions = ctx.versions;
    ASSERT_TRUE(GuardedLoad(other, path));
    EXPECT_EQ(other.Doc.Data, ctx.Doc.Data);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(other.Doc.Channels[j][0], ctx.Doc.Channels[j][0]);
    EXPECT_TRUE(IsSaved(other));
    EXPECT_EQ(other.identity.ModelName, "ZB347");
    EXPECT_TRUE(other.defaultPrompter.messages.empty());
}

TEST_F(DataFiles, OptionFeaturesExtEditChangesOnlyItsBytes) {
    const std::string path = dir / "a.dat";
    ASSERT_TRUE(SaveFiles(ctx, path));
    const std::string before = Bytes(path);
    ctx.Doc.Data.OptionFeaturesExt.MicType = 1;
    ctx.Doc.Data.OptionFeaturesExt.VoxDelay = 3;
    ASSERT_TRUE(SaveFiles(ctx, path));
    const std::string after = Bytes(path);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i]) {
            EXPECT_GE(i, 1635u) << i;
        }
    EXPECT_NE(after, before);
}

TEST_F(DataFiles, LoadChecksRejectAndLeaveTheDocument) {
    const std::string good = dir / "good.dat";
    ASSERT_TRUE(SaveFiles(ctx, good));
    const std::string bytes = Bytes(good);
    ctx.Doc.Data.Groups[0].Name.Set("KEEP");
    const CodeplugData before = ctx.Doc.Data;

    struct Case { std::string content; std::string message; };
    const Case cases[] = {
        {"V2A0" + bytes.substr(4), "Unknown version Of DataFile!"},
        {"V20", "Unknown version Of DataFile!"},
        {"V201" + bytes.substr(4),
         "incompatible version. It may cause unknown error.To start the corresponding software "
         "version, or not?\r\nDataFile version is V2.01\r\nprogramming software is V2.00"},
        {bytes.substr(0, kDataFileSize - 1), "Fail to start the software. This version does not exist."},
        {bytes + "x", "Fail to start the software. This version does not exist."},
    };
    for (const Case& c : cases) {
        ctx.defaultPrompter.messages.clear();
        const std::string path = dir / "bad.dat";
        ASSERT_TRUE(WriteFileAtomically(path, c.content));
        ctx.defaultPrompter.answers = {Answer::No};
        EXPECT_FALSE(GuardedLoad(ctx, path));
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0], c.message);
        EXPECT_EQ(ctx.Doc.Data, before);
    }

    ctx.defaultPrompter.messages.clear();
    EXPECT_FALSE(GuardedLoad(ctx, dir / "missing.dat"));
    EXPECT_EQ(Shown(), std::vector<std::string>{"file error."});

    // "V2.0" reads as a number: it passes the version-text check and meets the compatibility one.
    ctx.defaultPrompter.messages.clear();
    ASSERT_TRUE(WriteFileAtomically(dir / "dot.dat", "V2.0" + bytes.substr(4)));
    fs::copy_file(dir / "good.fre", dir / "dot.fre");
    ctx.versions.Firm.push_back({"V200", "V2.0"});
    EXPECT_TRUE(GuardedLoad(ctx, dir / "dot.dat"));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(DataFiles, DamagedCountsAndShortChannelFileStayInsideTheTables) {
    const std::string path = dir / "d.dat";
    ASSERT_TRUE(SaveFiles(ctx, path));
    std::string bytes = Bytes(path);
    bytes[4] = 30;  // CurrentGroup
    bytes[6] = 99;  // Groups[0].ChannelCount
    bytes[18] = static_cast<char>(0xFB);  // Groups[1].ChannelCount = -5
    bytes[19] = static_cast<char>(0xFF);
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    ASSERT_TRUE(WriteFileAtomically(dir / "d.fre", EncodeChannelRecord(Channel(2, "28300000"))));

    ASSERT_TRUE(GuardedLoad(ctx, path));
    const auto& d = ctx.Doc.Data;
    EXPECT_EQ(d.CurrentGroup, 0);
    EXPECT_EQ(d.Groups[0].ChannelCount, 40);
    EXPECT_EQ(d.Groups[1].ChannelCount, 0);
    EXPECT_EQ(ctx.Doc.Channels[0][0].ChNo, 2);
    EXPECT_EQ(ctx.Doc.Channels[1][0], ChannelRecord{});
}

TEST_F(DataFiles, RandomGarbageLoadsWithoutHarm) {
    std::mt19937 rng(347);
    const std::string path = dir / "g.dat";
    for (int round = 0; round < 200; ++round) {
        std::string data(kDataFileSize, '\0');
        for (char& c : data) c = static_cast<char>(rng());
        data.replace(0, 4, "V200");
        std::string fre(rng() % 3000, '\0');
        for (char& c : fre) c = static_cast<char>(rng());
        ASSERT_TRUE(WriteFileAtomically(path, data));
        ASSERT_TRUE(WriteFileAtomically(dir / "g.fre", fre));
        ASSERT_TRUE(GuardedLoad(ctx, path));
        for (const auto& g : ctx.Doc.Data.Groups) {
            EXPECT_GE(g.ChannelCount, 0);
            EXPECT_LE(g.ChannelCount, 40);
        }
        EXPECT_TRUE(IsSaved(ctx));
        (void)CaptionText(ctx);
    }
}

TEST_F(DataFiles, FailedSaveKeepsTheOldFilesAndTheUntitledFlag) {
    const std::string path = dir / "keep.dat";
    ASSERT_TRUE(SaveFiles(ctx, path));
    const std::string oldData = Bytes(path);
    ctx.document.untitled = true;
    ctx.Doc.Data.Groups[0].Name.Set("NEW");
    // The channel file cannot be replaced (a folder holds its name): the data file, replaced
    // first, gets its old contents back.
    fs::remove(dir / "keep.fre");
    fs::create_directories(dir.path / "keep.fre" / "inside");

    EXPECT_FALSE(SaveFiles(ctx, path));
    ASSERT_EQ(Shown(), std::vector<std::string>{"file error."});
    EXPECT_NE(ctx.defaultPrompter.messages[0].detail.find(path), std::string::npos);
    EXPECT_TRUE(ctx.document.untitled);
    EXPECT_EQ(Bytes(path), oldData);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2)
        << "no temporary file left behind";
}

TEST_F(DataFiles, ANameWhoseChannelFileIsItselfIsRefusedBeforeWriting) {
    for (const char* name : {"x.fre", "X.FRE", "x.Fre"}) {
        ctx.defaultPrompter.messages.clear();
        const std::string path = dir / name;
        ASSERT_TRUE(WriteFileAtomically(path, "the user's file"));
        EXPECT_FALSE(SaveFiles(ctx, path)) << name;
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_NE(Shown()[0].find("the data file and its channel file would be one file"), std::string::npos);
        EXPECT_EQ(Bytes(path), "the user's file");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
        fs::remove(path);
    }
}

TEST_F(DataFiles, WhatIsNotADataFileIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo((dir / "pipe.dat").c_str(), 0600), 0);  // opening it would block
    fs::create_directory(dir / "folder.dat");
    const std::string good = dir / "good.dat";
    ASSERT_TRUE(SaveFiles(ctx, good));
    // A huge file is judged by its size, never read whole (sparse: takes no disk space).
    const std::string huge = dir / "huge.dat";
    fs::copy_file(good, huge);
    fs::resize_file(huge, std::uintmax_t{3} << 30);
    struct Case { std::string path; const char* message; };
    const Case cases[] = {
        {"/dev/zero", "file error."},
        {dir / "pipe.dat", "file error."},
        {dir / "folder.dat", "file error."},
        {huge, "Fail to start the software. This version does not exist."},
    };
    for (const Case& c : cases) {
        ctx.defaultPrompter.messages.clear();
        EXPECT_FALSE(GuardedLoad(ctx, c.path)) << c.path;
        ASSERT_EQ(Shown().size(), 1u) << c.path;
        EXPECT_EQ(Shown()[0], c.message) << c.path;
        if (Shown()[0] == "file error.") {
            EXPECT_NE(ctx.defaultPrompter.messages[0].detail.find(c.path), std::string::npos);
        }
    }
}

TEST_F(DataFiles, AMissingOrShortChannelFileLoadsWithAWarning) {
    auto& d = ctx.Doc.Data;
    for (auto& g : d.Groups) g.ChannelCount = 0;
    d.Groups[0].ChannelCount = 2;
    d.Groups[5].ChannelCount = 1;
    ctx.Doc.Channels[0][0] = Channel(1, "28100000");
    ctx.Doc.Channels[1][0] = Channel(2, "28200000");
    ctx.Doc.Channels[0][5] = Channel(1, "24500000");
    const std::string path = dir / "w.dat";
    ASSERT_TRUE(SaveFiles(ctx, path));
    const std::string channels = Bytes(dir / "w.fre");

    struct Case { std::string fre; bool present; int unread; };
    const Case cases[] = {
        {channels, true, 0},
        {channels.substr(0, kChannelRecordSize), true, 2},
        {channels.substr(0, 2 * kChannelRecordSize + 10), true, 1},
        {"", false, 3},
    };
    for (const Case& c : cases) {
        fs::remove(dir / "w.fre");
        if (c.present) {
            ASSERT_TRUE(WriteFileAtomically(dir / "w.fre", c.fre));
        }
        AppContext other;
        other.versions = ctx.versions;
        int unread = -1;
        ASSERT_TRUE(GuardedLoad(other, path, &unread));
        EXPECT_EQ(unread, c.unread);
        if (c.present) {
            EXPECT_EQ(other.Doc.Channels[0][0], ctx.Doc.Channels[0][0]) << "what could be read is kept";
        }
        if (c.unread == 0) {
            EXPECT_TRUE(other.defaultPrompter.messages.empty());
            continue;
        }
        ASSERT_EQ(other.defaultPrompter.messages.size(), 1u);
        const Message& m = other.defaultPrompter.messages[0];
        EXPECT_EQ(m.icon, Icon::Warning);
        EXPECT_NE(m.text.find("missing or too short"), std::string::npos);
        EXPECT_NE(m.detail.find(dir / "w.fre"), std::string::npos);
        EXPECT_NE(m.detail.find("Channels not read: " + std::to_string(c.unread)), std::string::npos);
    }
}

TEST_F(DataFiles, PlainLoadOfAMissingFileKeepsTheDocument) {
    ctx.Doc.Data.Groups[3].Name.Set("MINE");
    EXPECT_FALSE(PlainLoad(ctx, dir / "none.dat"));
    EXPECT_EQ(CleanText(ctx.Doc.Data.Groups[3].Name), "MINE");
    EXPECT_EQ(CleanText(ctx.Stage.Data.Groups[3].Name), "MINE");
}
