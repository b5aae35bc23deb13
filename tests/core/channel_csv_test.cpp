// Channel lists in CSV: the reader, export and import through the channel rules, and files
// as other programs write them.
#include <gtest/gtest.h>

#include <map>

#include "app/context.h"
#include "channels/channel_csv.h"
#include "channels/channel_edit.h"
#include "channels/csv_reader.h"
#include "channels/freq_rules.h"
#include "codeplug/text_util.h"

using namespace zb;

namespace {

// Rows as (line, fields...), damaged rows marked with a leading "!".
std::vector<std::string> Flat(const std::vector<CsvRow>& rows) {
    std::vector<std::string> out;
    for (const CsvRow& r : rows) {
        std::string s = (r.damaged ? "!" : "") + std::to_string(r.line);
        for (const std::string& f : r.fields) s += "|" + f;
        out.push_back(s);
    }
    return out;
}

struct Channel {
    int chNo;
    std::string rx, tx;
    int dec, enc, scan = 1;
    bool operator==(const Channel&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Channel& c) {
    return os << "{" << c.chNo << " " << c.rx << " " << c.tx << " dec " << c.dec << " enc " << c.enc
              << " scan " << c.scan << "}";
}

struct CsvFixture {
    AppContext ctx;

    // Group g holds exactly these channels (chNo, rx MHz) made as the grid makes them.
    void Fill(int g, const std::vector<std::pair<int, std::string>>& channels) {
        ctx.Doc.Data.Groups[g].ChannelCount = 0;
        for (const auto& [ch, rx] : channels) AddChannel(ctx, ch, g, FormatFreqHz(ParseFreq(rx)->wholeHz));
    }
    std::vector<Channel> Channels(int g) {
        std::vector<Channel> out;
        for (int j = 0; j < UsedChannels(ctx.Doc.Data, g); ++j) {
            const ChannelRecord& c = ctx.Doc.Channels[j][g];
            out.push_back({c.ChNo, CleanText(c.RxFreq), CleanText(c.TxFreq), c.DecTone, c.EncTone, c.Scan});
        }
        std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.chNo < b.chNo; });
        return out;
    }
    // Imports and applies; returns the plan.
    CsvImportPlan Import(const std::string& text, int g, bool replace = false) {
        CsvImportPlan plan = PlanCsvImport(ctx, text, g, replace);
        if (plan.refused.empty()) ApplyCsvImport(ctx, plan);
        return plan;
    }
};

}  // namespace

TEST(CsvReader, FormsOfTheSameTable) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"LF", "a,b\n1,2\n", {"1|a|b", "2|1|2"}},
        {"CRLF and BOM", "\xEF\xBB\xBF" "a,b\r\n1,2\r\n", {"1|a|b", "2|1|2"}},
        {"no final line end, blank lines", "a,b\n\n\r\n1,2", {"1|a|b", "4|1|2"}},
        {"quotes hold commas, quotes and line breaks", "\"x,y\",\"say \"\"hi\"\"\"\n\"two\nlines\",z\n3,4\n",
         {"1|x,y|say \"hi\"", "2|two\nlines|z", "4|3|4"}},
        {"missing fields; a row of empty fields counts as blank", ",,\n1\n", {"2|1"}},
        {"a quote never closed", "a,\"b\n1,2\n", {"!1|a|b\n1,2\n"}},
        {"text after a closing quote", "\"a\"b,c\n", {"!1|ab|c"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Flat(ReadCsv(c.text)), c.rows) << c.name;
}

TEST(CsvReader, WriterQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvLine({"a", "b,c", "say \"x\"", ""}), "a,\"b,c\",\"say \"\"x\"\"\",\r\n");
    const std::string line = CsvLine({"x\ny", "p"});
    EXPECT_EQ(Flat(ReadCsv(line)), std::vector<std::string>{"1|x\ny|p"});
}

// Every tone kind and duplex kind, every flag, in a band-0 and a band-1 group: exported and
// imported with replace into a document whose groups held other channels, field for field.
TEST(ChannelCsv, ExportThenReplaceImportGivesBackEveryField) {
    for (int g : {2, 14}) {
        SCOPED_TRACE(g);
        CsvFixture a;
        const bool band1 = g >= 10;
        const std::string base = band1 ? "24.5" : "28.5";
        struct Made {
            int ch;
            std::string rx, tx;
            int dec, enc;
        };
        const std::vector<Made> made = {
            {1, base, base, 0, 0},             // no tone, simplex
            {2, "28.6", "28.7", 0, 9},         // Tone (encode only), duplex +
            {3, "28.7", "28.6", 12, 12},       // TSQL, duplex -
            {9, "29.0", "29.0", 51, 51},       // DTCS NN
            {10, "29.1", "29.1", 158, 264},    // DTCS->DTCS, both inverted
            {11, "29.2", "29.2", 160, 53},     // DTCS same code, tx N rx R
            {12, "29.3", "29.3", 5, 7},        // Tone->Tone
            {13, "29.4", "29.4", 60, 7},       // Tone->DTCS
            {19, "29.5", "29.5", 7, 60},       // DTCS->Tone
            {20, "29.6", "29.6", 7, 0},        // ->Tone
            {21, "29.65", "29.65", 200, 0},    // ->DTCS
            {40, "29.7", "28.0", 0, 170},      // DTCS->, far split
        };
        a.ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(g);
        int k = 0;
        for (const Made& s : made) {
            EditChannelField(a.ctx, s.ch, kFieldRxFreq, s.rx);
            EditChannelField(a.ctx, s.ch, kFieldTxFreq, s.tx);
            EditChannelField(a.ctx, s.ch, kFieldDecTone, s.dec);
            EditChannelField(a.ctx, s.ch, kFieldEncTone, s.enc);
            EditChannelField(a.ctx, s.ch, kFieldPlus10k, k % 2);
            EditChannelField(a.ctx, s.ch, kFieldTsqFlag, (k / 2) % 2);
            EditChannelField(a.ctx, s.ch, kFieldBusyFlag, (k / 4) % 2);
            EditChannelField(a.ctx, s.ch, kFieldScan, (k + 1) % 2);
            EditChannelField(a.ctx, s.ch, kFieldRbLock, (k / 3) % 2);
            EditChannelField(a.ctx, s.ch, kFieldRbTone, k % 8);
            EditChannelField(a.ctx, s.ch, kFieldRepEnable, (k / 5) % 2);
            EditChannelField(a.ctx, s.ch, kFieldRepShift, k % 3);
            ++k;
        }
        ASSERT_TRUE(a.ctx.defaultPrompter.messages.empty());
        const CsvExport out = ExportChannelsCsv(a.ctx, g);
        EXPECT_EQ(out.rows, static_cast<int>(made.size()));

        CsvFixture b;
        b.Fill(g, {{5, "28.1"}, {9, "28.2"}, {19, "28.3"}, {40, "28.4"}});
        const CsvImportPlan plan = b.Import(out.text, g, true);
        EXPECT_TRUE(plan.refused.empty()) << CsvImportReport(b.ctx, plan, false);
        EXPECT_TRUE(plan.notes.empty()) << CsvImportReport(b.ctx, plan, false);

        std::map<int, ChannelRecord> want, got;
        for (int j = 0; j < UsedChannels(a.ctx.Doc.Data, g); ++j) want[a.ctx.Doc.Channels[j][g].ChNo] = a.ctx.Doc.Channels[j][g];
        for (int j = 0; j < UsedChannels(b.ctx.Doc.Data, g); ++j) got[b.ctx.Doc.Channels[j][g].ChNo] = b.ctx.Doc.Channels[j][g];
        EXPECT_EQ(got.size(), want.size());
        for (const auto& [ch, record] : want) {
            SCOPED_TRACE(ch);
            ASSERT_TRUE(got.count(ch));
            EXPECT_EQ(got[ch], record);
        }
        EXPECT_TRUE(b.ctx.defaultPrompter.messages.empty());
    }
}

TEST(ChannelCsv, WholeDocumentExportNumbersLocationsByGroupAndNamesTheGroup) {
    CsvFixture f;
    f.Fill(0, {{3, "28.1"}});
    f.Fill(1, {{40, "28.2"}, {1, "28.3"}});
    f.ctx.Doc.Data.Groups[1].Name.Set("HOME");
    const std::vector<CsvRow> rows = ReadCsv(ExportChannelsCsv(f.ctx, kCsvAllGroups).text);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].fields[0], "Location");
    EXPECT_EQ(rows[0].fields[20], "DVCODE");
    std::vector<std::string> locations;
    for (std::size_t r = 1; r < rows.size(); ++r) locations.push_back(rows[r].fields[0] + " " + rows[r].fields[16]);
    EXPECT_EQ(locations, (std::vector<std::string>{"3 ", "41 HOME", "80 HOME"}));
}

// Files as other programs write them: any subset of columns in any order, placeholders in tone
// columns that the Tone column does not use.
TEST(ChannelCsv, FilesOfOtherPrograms) {
    const std::string h17 =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n";
    const std::string h21 = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                            "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                            "RPT1CALL,RPT2CALL,DVCODE\n";
    struct Case {
        const char* name;
        std::string text;
        std::vector<Channel> channels;
    };
    const std::vector<Case> cases = {
        {"17 columns, CRLF",
         h17 + "1,\"Net, Sunday\",28.405000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,\r\n" +
             "2,Rpt,29.620000,-,0.100000,Tone,103.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,50W,\"say \"\"hi\"\"\"\r\n",
         {{1, "28405000", "28405000", 0, 0}, {2, "29620000", "29520000", 0, 14, 0}}},
        {"21 columns, BOM, split and DTCS",
         "\xEF\xBB\xBF" + h21 + "7,A,28.500000,split,29.500000,DTCS,88.5,88.5,023,RN,023,Tone->Tone,FM,5.00,,,,,,,\n" +
             "8,B,28.600000,+,0.100000,Cross,88.5,67.0,754,NN,017,DTCS->DTCS,FM,5.00,,,,,,,\n",
         {{7, "28500000", "29500000", 52, 159}, {8, "28600000", "28700000", 51, 157}}},
        {"reordered and cut down, tone columns read only when used",
         "Frequency,Tone,cToneFreq,Location,rToneFreq\n28.1,TSQL,67.0,4,999\n28.2,,999,5,999\n",
         {{4, "28100000", "28100000", 1, 1}, {5, "28200000", "28200000", 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CsvFixture f;
        f.Fill(3, {{1, "28.9"}, {30, "28.95"}});
        const CsvImportPlan plan = f.Import(c.text, 3);
        EXPECT_TRUE(plan.refused.empty()) << CsvImportReport(f.ctx, plan, false);
        std::vector<Channel> want = c.channels;
        if (want.front().chNo != 1) want.insert(want.begin(), {1, "28900000", "28900000", 0, 0});
        want.push_back({30, "28950000", "28950000", 0, 0});
        EXPECT_EQ(f.Channels(3), want);
    }
}

TEST(ChannelCsv, IgnoredColumnsAreNamedOnce) {
    CsvFixture f;
    const CsvImportPlan plan = PlanCsvImport(
        f.ctx, "Location,Name,Frequency,Mode,TStep,Power,URCALL,Mystery\n1,x,28.1,FM,5,5W,,\n2,y,28.2,AM,5,5W,,\n", 0, false);
    EXPECT_EQ(plan.ignoredColumns, (std::vector<std::string>{"Name", "Mode", "TStep", "Power", "URCALL", "Mystery"}));
    const std::string report = CsvImportReport(f.ctx, plan, true);
    EXPECT_NE(report.find("ignored: Name, Mode, TStep, Power, URCALL, Mystery\n"), std::string::npos) << report;
}

// Every reason a row is refused; one bad row keeps the whole file out until accepted.
TEST(ChannelCsv, RefusedRowsGiveLineAndReason) {
    const std::string text =
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,CrossMode,Skip\n"
        "1,28.100000,,,,,,,,,\n"                 // 2: fine
        "2,27.500000,,,,,,,,,\n"                 // 3: below the band
        "3,29.650000,+,0.100000,,,,,,,\n"        // 4: transmit above the band
        "4,28.300000,off,,,,,,,,\n"              // 5: receive only
        "5,28.400000,,,Tone,69.0,,,,,\n"         // 6: no such tone
        "6,28.500000,,,DTCS,,,024,NN,,\n"        // 7: no such code
        "7,abc,,,,,,,,,\n"                       // 8: damaged frequency
        "8,28.600000,sideways,,,,,,,,\n"         // 9: damaged duplex
        "9,28.700000,,,Cross,67.0,,,,Tone->Nothing,\n"  // 10: damaged cross mode
        "1,28.800000,,,,,,,,,\n"                 // 11: channel already given
        "10,28.123456,,,,,,,,,\n"                // 12: fine, snapped
        "11,,,,,,,,,,\n";                        // 13: no frequency
    CsvFixture f;
    f.Fill(0, {{1, "28.9"}});
    const std::vector<Channel> before = f.Channels(0);
    const CsvImportPlan plan = f.Import(text, 0);
    EXPECT_EQ(f.Channels(0), before) << "a refused row leaves the document untouched";
    const std::vector<std::string> want = {
        "line 3: receive frequency 27.500000 MHz is outside the band 28.000000 - 29.700000 MHz",
        "line 4: transmit frequency 29.750000 MHz is outside the band 28.000000 - 29.700000 MHz",
        "line 5: Duplex \"off\" (receive only): this radio has no receive-only channel, and a channel "
        "without a transmit frequency transmits on its receive frequency",
        "line 6: the radio has no CTCSS tone 69.0 Hz",
        "line 7: the radio has no DTCS code 024",
        "line 8: damaged row: Frequency \"abc\" is not understood",
        "line 9: damaged row: Duplex \"sideways\" is not understood",
        "line 10: damaged row: CrossMode \"Tone->Nothing\" is not understood",
        "line 11: channel 1 is already given by line 2",
        "line 13: damaged row: no Frequency",
    };
    EXPECT_EQ(plan.refused, want);
    EXPECT_EQ(plan.notes, std::vector<std::string>{
        "line 12: receive frequency 28.123456 MHz is taken as 28.120000 MHz (the 5 kHz channel grid)"});
    ASSERT_EQ(plan.accepted.size(), 2u);

    ApplyCsvImport(f.ctx, plan);  // the user accepts the partial import
    EXPECT_EQ(f.Channels(0), (std::vector<Channel>{{1, "28100000", "28100000", 0, 0},
                                                   {10, "28120000", "28120000", 0, 0}}));
}

TEST(ChannelCsv, RowsOutsideTheBandImportNothingAndSaySoForEach) {
    CsvFixture f;
    f.Fill(12, {{4, "24.5"}});
    const Codeplug before = f.ctx.Doc;
    const CsvImportPlan plan =
        f.Import("Location,Frequency\n1,146.520000\n2,446.000000\n3,30.200000\n", 12, true);
    EXPECT_FALSE(plan.CanApply());
    ASSERT_EQ(plan.refused.size(), 3u);
    for (const std::string& r : plan.refused) EXPECT_NE(r.find("outside the band 24.000000 - 30.105000"), std::string::npos) << r;
    ApplyCsvImport(f.ctx, plan);
    EXPECT_TRUE(f.ctx.Doc.Data == before.Data && f.ctx.Doc.Channels == before.Channels);
    EXPECT_NE(CsvImportReport(f.ctx, plan, false).find("Nothing was changed."), std::string::npos);
}

TEST(ChannelCsv, PlacementByLocationOrOnFreeNumbers) {
    struct Case {
        const char* name;
        std::string rows;  // Location,Frequency rows
        bool replace;
        std::vector<int> chNos;  // the group's channel numbers afterwards
        std::size_t refused;
    };
    // The group holds channels 1, 2 and 9 before.
    const std::vector<Case> cases = {
        {"locations replace their channels, the others stay", "2,28.2\n5,28.5\n", false, {1, 2, 5, 9}, 0},
        {"with replace only the file's channels stay, 9 too goes", "2,28.2\n5,28.5\n", true, {2, 5}, 0},
        {"a location outside 1..40 puts every row on free numbers", "41,28.2\n5,28.5\n", false, {1, 2, 3, 4, 9}, 0},
        {"no location at all", ",28.2\n,28.5\n", true, {1, 2}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CsvFixture f;
        f.Fill(0, {{1, "28.1"}, {2, "28.15"}, {9, "28.9"}});
        const CsvImportPlan plan = f.Import("Location,Frequency\n" + c.rows, 0, c.replace);
        EXPECT_EQ(plan.refused.size(), c.refused);
        std::vector<int> chNos;
        for (const Channel& ch : f.Channels(0)) chNos.push_back(ch.chNo);
        EXPECT_EQ(chNos, c.chNos);
    }

    // Out of free numbers: 38 free ones, 40 rows.
    CsvFixture f;
    f.Fill(0, {{1, "28.1"}, {2, "28.15"}});
    std::string text = "Location,Frequency\n";
    for (int i = 0; i < 40; ++i) text += std::to_string(100 + i) + ",28.5\n";
    const CsvImportPlan plan = PlanCsvImport(f.ctx, text, 0, false);
    EXPECT_EQ(plan.accepted.size(), 38u);
    EXPECT_EQ(plan.refused, (std::vector<std::string>{"line 40: no free channel number left in the group",
                                                       "line 41: no free channel number left in the group"}));
}

TEST(ChannelCsv, FilesThatAreNoChannelList) {
    CsvFixture f;
    for (const std::string& text : {std::string("Name,Frequency\nx,28.1\n"), std::string("Location,Freq\n1,28.1\n"),
                                    std::string(""), std::string("Location,Frequency\n")}) {
        const CsvImportPlan plan = PlanCsvImport(f.ctx, text, 0, false);
        EXPECT_FALSE(plan.fatal.empty()) << text;
        EXPECT_FALSE(plan.CanApply());
    }
    f.ctx.settings.LanguageIndex = kChinese;
    EXPECT_EQ(PlanCsvImport(f.ctx, "Name\n", 0, false).fatal, "文件没有 Location 列：不是本程序能读取的信道表。");
}
