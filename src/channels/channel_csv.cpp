#include "channels/channel_csv.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "channels/csv_reader.h"
#include "channels/csv_texts.h"
#include "channels/freq_rules.h"
#include "codeplug/gbk_text.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"

namespace zb {
namespace {

// The columns other programs know, in the order they write them.
const std::vector<std::string> kCommonColumns = {
    "Location", "Name",       "Frequency",  "Duplex",    "Offset",   "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",   "TStep",
    "Skip",      "Power",     "Comment",    "URCALL",    "RPT1CALL", "RPT2CALL", "DVCODE"};
// Columns read on import. The others of the file are named in the report as ignored.
const std::set<std::string> kReadColumns = {
    "location", "frequency", "duplex",       "offset",     "tone",     "rtonefreq",
    "ctonefreq", "dtcscode", "dtcspolarity", "rxdtcscode", "crossmode", "skip"};

// This program's own flags, which have no common column; other programs ignore them.
struct OwnColumn {
    const char* name;
    int CsvChannel::*field;
    int low, high;  // values in the file
    int offset;     // file value minus field value
};
const OwnColumn kOwnColumns[] = {
    {"ZB347RX_Plus10k", &CsvChannel::plus10k, 0, 1, 0},
    {"ZB347RX_TSQ", &CsvChannel::tsq, 0, 1, 0},
    {"ZB347RX_BUSY", &CsvChannel::busy, 0, 1, 0},
    {"ZB347RX_RB", &CsvChannel::rbTone, 1, 8, 1},
    {"ZB347RX_RBLock", &CsvChannel::rbLock, 0, 1, 0},
    {"ZB347RX_RepEnable", &CsvChannel::repEnable, 0, 1, 0},
    {"ZB347RX_Rep", &CsvChannel::repShift, 0, 2, 0},
};

// Neutral values for the common columns this radio's channels have no place for, and the
// placeholders other programs expect in tone columns that are not in use.
constexpr const char* kNeutralMode = "FM";
constexpr const char* kNeutralStep = "5.00";
constexpr const char* kPlaceholderTone = "88.5";
constexpr const char* kPlaceholderCode = "023";
constexpr const char* kPlaceholderPolarity = "NN";

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return std::string(s);
}

std::optional<int> ParseInt(std::string_view text) {
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::string Txt(const AppContext& ctx, const TextTable& t, const std::vector<std::string>& v = {}) {
    return csvtext::FillText(Text(ctx, t), v);
}

// ---- tones -------------------------------------------------------------------------------

// CTCSS list text of an index ("88.5"); DCS code of an index as three octal digits ("023").
std::string CtcssText(int index) { return ToneListText(index); }
std::string DcsCodeText(int index) { return ToneListText(index).substr(1, 3); }
bool IsInverted(int index) { return ToneKindOf(index) == ToneKind::DcsInverted; }

enum class ToneResult { Ok, NotANumber, NotInRadio };

// "88.5" -> ToneIndex of that CTCSS tone.
ToneResult CtcssIndex(std::string_view text, int& index) {
    auto f = ParseFreq(text);  // MHz reading: 88.5 gives 88'500'000 "Hz", i.e. 885 tenths x 1e5
    if (!f) return ToneResult::NotANumber;
    if (f->rest != FreqValue::Rest::None || f->wholeHz % 100'000 != 0) return ToneResult::NotInRadio;
    const int64_t tenths = f->wholeHz / 100'000;
    for (int k = 0; k < kCtcssCount; ++k) {
        if (CtcssTable[k] == tenths) {
            index = 1 + k;
            return ToneResult::Ok;
        }
    }
    return ToneResult::NotInRadio;
}

// "023" with polarity 'N' or 'R' -> ToneIndex of that DCS code.
ToneResult DcsIndex(std::string_view text, char polarity, int& index) {
    if (text.empty() || text.size() > 3) return ToneResult::NotANumber;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return ToneResult::NotANumber;
        if (c > '7') return ToneResult::NotInRadio;
        value = value * 8 + (c - '0');
    }
    for (int k = 0; k < kDcsCount; ++k) {
        if (DcsTable[k] == value) {
            index = (polarity == 'R' ? kFirstDcsInverted : kFirstDcsNormal) + k;
            return ToneResult::Ok;
        }
    }
    return ToneResult::NotInRadio;
}

// The Tone / CrossMode columns of a channel's encode and decode tones.
struct ToneColumns {
    std::string tone, rTone = kPlaceholderTone, cTone = kPlaceholderTone, code = kPlaceholderCode,
                polarity = kPlaceholderPolarity, rxCode = kPlaceholderCode, crossMode = "Tone->Tone";
};

ToneColumns ToneColumnsOf(int enc, int dec) {
    ToneColumns t;
    const ToneKind e = ToneKindOf(enc), d = ToneKindOf(dec);
    const bool eCtcss = e == ToneKind::Ctcss, dCtcss = d == ToneKind::Ctcss;
    const bool eDcs = e == ToneKind::DcsNormal || e == ToneKind::DcsInverted;
    const bool dDcs = d == ToneKind::DcsNormal || d == ToneKind::DcsInverted;
    std::string polarity = "NN";
    if (eDcs) polarity[0] = IsInverted(enc) ? 'R' : 'N';
    if (dDcs) polarity[1] = IsInverted(dec) ? 'R' : 'N';
    if (e == ToneKind::Off && d == ToneKind::Off) return t;
    if (eCtcss && d == ToneKind::Off) {
        t.tone = "Tone";
        t.rTone = CtcssText(enc);
        return t;
    }
    if (eCtcss && dCtcss && enc == dec) {
        t.tone = "TSQL";
        t.rTone = t.cTone = CtcssText(enc);
        return t;
    }
    if (eDcs && dDcs && DcsCodeText(enc) == DcsCodeText(dec)) {
        t.tone = "DTCS";
        t.code = t.rxCode = DcsCodeText(enc);
        t.polarity = polarity;
        return t;
    }
    t.tone = "Cross";
    const std::string txSide = eCtcss ? "Tone" : eDcs ? "DTCS" : "";
    const std::string rxSide = dCtcss ? "Tone" : dDcs ? "DTCS" : "";
    t.crossMode = txSide + "->" + rxSide;
    if (eCtcss) t.rTone = CtcssText(enc);
    if (dCtcss) t.cTone = CtcssText(dec);
    if (eDcs) t.code = DcsCodeText(enc);
    if (dDcs) t.rxCode = DcsCodeText(dec);
    if (eDcs || dDcs) t.polarity = polarity;
    return t;
}

int64_t StoredHz(AppContext& ctx, const FixedText<8>& stored) {
    auto f = ParseFreq(StoredToFreqText(ctx, CleanText(stored)));
    return f ? f->RoundedHz() : 0;
}

std::vector<std::string> ExportRow(AppContext& ctx, const ChannelRecord& c, int location,
                                   const std::string& comment) {
    const int64_t rx = StoredHz(ctx, c.RxFreq);
    int64_t tx = StoredHz(ctx, c.TxFreq);
    if (tx == 0) tx = rx;  // no transmit frequency transmits on the receive one
    const ToneColumns t = ToneColumnsOf(c.EncTone, c.DecTone);
    std::map<std::string, std::string> v = {
        {"Location", std::to_string(location)},
        {"Frequency", FormatFreqHz(rx)},
        {"Duplex", tx == rx ? "" : tx > rx ? "+" : "-"},
        {"Offset", FormatFreqHz(tx > rx ? tx - rx : rx - tx)},
        {"Tone", t.tone},
        {"rToneFreq", t.rTone},
        {"cToneFreq", t.cTone},
        {"DtcsCode", t.code},
        {"DtcsPolarity", t.polarity},
        {"RxDtcsCode", t.rxCode},
        {"CrossMode", t.crossMode},
        {"Mode", kNeutralMode},
        {"TStep", kNeutralStep},
        {"Skip", c.Scan == 0 ? "S" : ""},
        {"Comment", comment},
    };
    std::vector<std::string> row;
    for (const std::string& name : kCommonColumns) row.push_back(v[name]);
    CsvChannel own{.plus10k = c.Plus10k, .tsq = c.TsqFlag, .busy = c.BusyFlag, .rbTone = c.RbTone,
                   .rbLock = c.RbLock, .repEnable = c.RepEnable, .repShift = c.RepShift};
    for (const OwnColumn& col : kOwnColumns) row.push_back(std::to_string(own.*col.field + col.offset));
    return row;
}

// ---- import ------------------------------------------------------------------------------

class Header {
public:
    explicit Header(const std::vector<std::string>& names) {
        for (std::size_t k = 0; k < names.size(); ++k) {
            const std::string key = Lower(Trim(names[k]));
            if (!key.empty() && !index_.count(key)) index_[key] = k;
        }
    }
    bool Has(const std::string& name) const { return index_.count(Lower(name)) > 0; }
    // The trimmed cell of a column; empty when the column or the cell is missing.
    std::string Cell(const CsvRow& row, const std::string& name) const {
        auto it = index_.find(Lower(name));
        if (it == index_.end() || it->second >= row.fields.size()) return {};
        return Trim(row.fields[it->second]);
    }

private:
    std::map<std::string, std::size_t> index_;
};

// Why a row is refused, or nothing.
struct RowCheck {
    std::string reason;
    std::vector<std::string> notes;
};

class RowReader {
public:
    RowReader(const AppContext& ctx, const Header& header, int band)
        : ctx_(ctx), header_(header), band_(band) {}

    // Fills c from the row; returns the reason of a refusal (empty when taken).
    std::string Read(const CsvRow& row, CsvChannel& c, std::vector<std::string>& notes) const {
        if (row.damaged) return Damaged(Txt(ctx_, csvtext::BadQuotes));
        const std::string freqText = header_.Cell(row, "Frequency");
        if (freqText.empty()) return Damaged(Txt(ctx_, csvtext::NoFrequency));
        auto rx = ParseFreq(freqText);
        if (!rx) return BadValue("Frequency", freqText);

        const std::string duplex = Lower(header_.Cell(row, "Duplex"));
        const std::string offsetText = header_.Cell(row, "Offset");
        if (duplex == "off") return Txt(ctx_, csvtext::DuplexOff);
        if (duplex != "" && duplex != "+" && duplex != "-" && duplex != "split")
            return BadValue("Duplex", header_.Cell(row, "Duplex"));
        std::optional<FreqValue> tx = rx;
        if (duplex != "") {
            if (offsetText.empty() && duplex == "split") return BadValue("Offset", offsetText);
            auto offset = offsetText.empty() ? FreqValue{} : ParseFreq(offsetText);
            if (!offset) return BadValue("Offset", offsetText);
            if (duplex == "split") {
                tx = *offset;
            } else {
                // Whole Hz are exact; below 1 Hz only the receive side's rest is kept.
                const int64_t shift = offset->RoundedHz();
                tx = FreqValue{rx->wholeHz + (duplex == "+" ? shift : -shift), rx->rest};
            }
        }
        auto rxHz = FreqInBand(ctx_, *rx, band_);
        if (!rxHz) return OutOfBand(csvtext::RxOutOfBand, freqText);
        auto txHz = FreqInBand(ctx_, *tx, band_);
        if (!txHz) return OutOfBand(csvtext::TxOutOfBand, FormatFreqHz(tx->wholeHz));
        NoteSnap(csvtext::RxWord, *rx, *rxHz, notes);
        if (duplex != "") NoteSnap(csvtext::TxWord, *tx, *txHz, notes);  // else it is rx again
        c.rxHz = *rxHz;
        c.txHz = *txHz;

        if (std::string why = ReadTones(row, c); !why.empty()) return why;

        const std::string skip = header_.Cell(row, "Skip");
        if (skip != "" && skip != "S" && skip != "s" && skip != "P" && skip != "p")
            return BadValue("Skip", skip);
        c.scan = (skip == "S" || skip == "s") ? 0 : 1;

        for (const OwnColumn& col : kOwnColumns) {
            const std::string text = header_.Cell(row, col.name);
            if (text.empty()) continue;
            auto v = ParseInt(text);
            if (!v || *v < col.low || *v > col.high) return BadValue(col.name, text);
            c.*col.field = *v - col.offset;
        }
        return {};
    }

private:
    const AppContext& ctx_;
    const Header& header_;
    int band_;

    std::string Damaged(const std::string& detail) const {
        return Txt(ctx_, csvtext::Damaged, {detail});
    }
    std::string BadValue(const std::string& column, const std::string& value) const {
        return Damaged(Txt(ctx_, csvtext::BadValue, {column, value}));
    }
    std::string OutOfBand(const TextTable& t, const std::string& freq) const {
        return Txt(ctx_, t, {freq, FormatFreqHz(BandLowHz(ctx_, band_)),
                             FormatFreqHz(BandHighHz(ctx_, band_))});
    }
    void NoteSnap(const TextTable& word, const FreqValue& given, int64_t taken,
                  std::vector<std::string>& notes) const {
        if (given.rest == FreqValue::Rest::None && given.wholeHz == taken) return;
        std::string text = FormatFreqHz(given.wholeHz);
        if (given.rest != FreqValue::Rest::None) text += "...";
        notes.push_back(Txt(ctx_, csvtext::Snapped, {Text(ctx_, word), text, FormatFreqHz(taken)}));
    }

    // One side's tone: CTCSS from a tone column, or DCS from a code column and polarity letter.
    std::string Ctcss(const CsvRow& row, const char* column, int& index) const {
        const std::string text = header_.Cell(row, column);
        switch (CtcssIndex(text, index)) {
            case ToneResult::Ok: return {};
            case ToneResult::NotANumber: return BadValue(column, text);
            case ToneResult::NotInRadio: return Txt(ctx_, csvtext::NoSuchTone, {"CTCSS", text});
        }
        return {};
    }
    std::string Dcs(const CsvRow& row, const char* column, char polarity, int& index) const {
        std::string text = header_.Cell(row, column);
        if (text.empty() && std::string(column) == "RxDtcsCode") text = header_.Cell(row, "DtcsCode");
        switch (DcsIndex(text, polarity, index)) {
            case ToneResult::Ok: return {};
            case ToneResult::NotANumber: return BadValue(column, text);
            case ToneResult::NotInRadio: return Txt(ctx_, csvtext::NoSuchCode, {"DTCS", text});
        }
        return {};
    }

    std::string ReadTones(const CsvRow& row, CsvChannel& c) const {
        const std::string toneText = header_.Cell(row, "Tone");
        const std::string tone = Lower(toneText);
        c.encTone = c.decTone = 0;
        if (tone.empty()) return {};
        if (tone == "tone") return Ctcss(row, "rToneFreq", c.encTone);
        if (tone == "tsql") {
            std::string why = Ctcss(row, "cToneFreq", c.encTone);
            c.decTone = c.encTone;
            return why;
        }
        std::string polarity = header_.Cell(row, "DtcsPolarity");
        if (polarity.empty()) polarity = "NN";
        for (char& p : polarity)
            if (p == 'n' || p == 'r') p = static_cast<char>(p - 'a' + 'A');
        const bool polarityOk = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                                (polarity[1] == 'N' || polarity[1] == 'R');
        if (tone == "dtcs") {
            if (!polarityOk) return BadValue("DtcsPolarity", polarity);
            std::string why = Dcs(row, "DtcsCode", polarity[0], c.encTone);
            if (why.empty()) why = Dcs(row, "DtcsCode", polarity[1], c.decTone);
            return why;
        }
        if (tone != "cross") return BadValue("Tone", toneText);
        const std::string cross = header_.Cell(row, "CrossMode");
        const auto arrow = cross.find("->");
        if (arrow == std::string::npos) return BadValue("CrossMode", cross);
        const std::string txSide = Lower(cross.substr(0, arrow)), rxSide = Lower(cross.substr(arrow + 2));
        auto sideOk = [](const std::string& s) { return s.empty() || s == "tone" || s == "dtcs"; };
        if (!sideOk(txSide) || !sideOk(rxSide) || (txSide.empty() && rxSide.empty()))
            return BadValue("CrossMode", cross);
        if ((txSide == "dtcs" || rxSide == "dtcs") && !polarityOk)
            return BadValue("DtcsPolarity", polarity);
        std::string why;
        if (txSide == "tone") why = Ctcss(row, "rToneFreq", c.encTone);
        if (txSide == "dtcs") why = Dcs(row, "DtcsCode", polarity[0], c.encTone);
        if (!why.empty()) return why;
        if (rxSide == "tone") why = Ctcss(row, "cToneFreq", c.decTone);
        if (rxSide == "dtcs") why = Dcs(row, "RxDtcsCode", polarity[1], c.decTone);
        return why;
    }
};

std::string LinePrefix(const AppContext& ctx, int line) {
    return Txt(ctx, csvtext::LinePrefix, {std::to_string(line)});
}

}  // namespace

CsvExport ExportChannelsCsv(AppContext& ctx, int group) {
    std::vector<std::string> header = kCommonColumns;
    for (const OwnColumn& col : kOwnColumns) header.push_back(col.name);
    CsvExport out;
    out.text = CsvLine(header);
    const int first = group == kCsvAllGroups ? 0 : group;
    const int last = group == kCsvAllGroups ? kGroupCount - 1 : group;
    for (int g = first; g <= last; ++g) {
        const std::string name = CleanText(ctx.Doc.Data.Groups[g].Name);
        const std::string comment = GbkToUtf8(std::span(
            reinterpret_cast<const uint8_t*>(name.data()), name.size()));
        std::vector<const ChannelRecord*> channels;
        for (int j = 0; j < UsedChannels(ctx.Doc.Data, g); ++j) channels.push_back(&ctx.Doc.Channels[j][g]);
        std::sort(channels.begin(), channels.end(),
                  [](const ChannelRecord* a, const ChannelRecord* b) { return a->ChNo < b->ChNo; });
        for (const ChannelRecord* c : channels) {
            const int location = (group == kCsvAllGroups ? g * kChannelsPerGroup : 0) + c->ChNo;
            out.text += CsvLine(ExportRow(ctx, *c, location, comment));
            ++out.rows;
        }
    }
    return out;
}

CsvImportPlan PlanCsvImport(const AppContext& ctx, std::string_view text, int group, bool replace) {
    CsvImportPlan plan;
    plan.group = group;
    plan.replace = replace;
    std::vector<CsvRow> rows = ReadCsv(text);
    if (rows.empty()) {
        plan.fatal = Txt(ctx, csvtext::NoRows);
        return plan;
    }
    const Header header(rows.front().fields);
    if (!header.Has("Location")) {
        plan.fatal = Txt(ctx, csvtext::NoLocationColumn);
        return plan;
    }
    if (!header.Has("Frequency")) {
        plan.fatal = Txt(ctx, csvtext::NoFrequencyColumn);
        return plan;
    }
    for (const std::string& name : rows.front().fields) {
        const std::string key = Lower(Trim(name));
        bool own = false;
        for (const OwnColumn& col : kOwnColumns) own = own || key == Lower(col.name);
        if (!key.empty() && !own && !kReadColumns.count(key)) plan.ignoredColumns.push_back(Trim(name));
    }
    rows.erase(rows.begin());
    if (rows.empty()) {
        plan.fatal = Txt(ctx, csvtext::NoRows);
        return plan;
    }

    // Rows go to their Location when every Location is a channel number; otherwise in file
    // order onto the channel numbers that are free.
    bool byLocation = true;
    for (const CsvRow& row : rows) {
        auto n = ParseInt(header.Cell(row, "Location"));
        byLocation = byLocation && n && *n >= 1 && *n <= kChannelsPerGroup;
    }
    std::set<int> taken;
    if (!replace) {
        for (int j = 0; j < UsedChannels(ctx.Doc.Data, group); ++j) taken.insert(ctx.Doc.Channels[j][group].ChNo);
    }
    std::map<int, int> lineOfChannel;
    int nextFree = 1;

    const RowReader reader(ctx, header, BandOfGroup(group));
    for (const CsvRow& row : rows) {
        CsvChannel c;
        c.line = row.line;
        std::vector<std::string> notes;
        std::string why = reader.Read(row, c, notes);
        if (why.empty()) {
            if (byLocation) {
                c.chNo = *ParseInt(header.Cell(row, "Location"));
                if (auto it = lineOfChannel.find(c.chNo); it != lineOfChannel.end())
                    why = Txt(ctx, csvtext::LocationTaken, {std::to_string(c.chNo), std::to_string(it->second)});
            } else {
                while (nextFree <= kChannelsPerGroup && taken.count(nextFree)) ++nextFree;
                if (nextFree > kChannelsPerGroup) {
                    why = Txt(ctx, csvtext::NoFreeChannel);
                } else {
                    c.chNo = nextFree++;
                }
            }
        }
        if (!why.empty()) {
            plan.refused.push_back(LinePrefix(ctx, row.line) + why);
            continue;
        }
        lineOfChannel[c.chNo] = row.line;
        for (const std::string& note : notes) plan.notes.push_back(LinePrefix(ctx, row.line) + note);
        plan.accepted.push_back(c);
    }
    return plan;
}

void ApplyCsvImport(AppContext& ctx, const CsvImportPlan& plan) {
    if (!plan.CanApply() || plan.group < 0 || plan.group >= kGroupCount) return;
    const int g = plan.group;
    const int16_t currentGroup = ctx.Doc.Data.CurrentGroup;
    ctx.Doc.Data.CurrentGroup = static_cast<int16_t>(g);
    std::set<int> given;
    for (const CsvChannel& c : plan.accepted) {
        given.insert(c.chNo);
        EditChannelField(ctx, c.chNo, kFieldRxFreq, FormatFreqHz(c.rxHz));
        EditChannelField(ctx, c.chNo, kFieldTxFreq, FormatFreqHz(c.txHz));
        EditChannelField(ctx, c.chNo, kFieldDecTone, c.decTone);
        EditChannelField(ctx, c.chNo, kFieldEncTone, c.encTone);
        EditChannelField(ctx, c.chNo, kFieldPlus10k, c.plus10k);
        EditChannelField(ctx, c.chNo, kFieldTsqFlag, c.tsq);
        EditChannelField(ctx, c.chNo, kFieldBusyFlag, c.busy);
        EditChannelField(ctx, c.chNo, kFieldScan, c.scan);
        EditChannelField(ctx, c.chNo, kFieldRbLock, c.rbLock);
        EditChannelField(ctx, c.chNo, kFieldRbTone, c.rbTone);
        EditChannelField(ctx, c.chNo, kFieldRepEnable, c.repEnable);
        EditChannelField(ctx, c.chNo, kFieldRepShift, c.repShift);
    }
    if (plan.replace) {
        // The group holds exactly the file's channels: the others go, channels 9 and 19 too
        // (the grid keeps those against a slip of the hand; here the user asked for it).
        for (int pos = UsedChannels(ctx.Doc.Data, g); pos >= 1; --pos) {
            const int chNo = ctx.Doc.Channels[pos - 1][g].ChNo;
            if (given.count(chNo)) continue;
            DeleteChannel(ctx, pos, g);
            if (ctx.channelViews->IsChannelTableOpen() && currentGroup == g) ctx.channelViews->reShowGrid(chNo);
        }
        RefreshResetSelection(ctx, false);
    }
    ctx.Doc.Data.CurrentGroup = currentGroup;
}

std::string CsvImportReport(const AppContext& ctx, const CsvImportPlan& plan, bool applied, bool dryRun) {
    if (!plan.fatal.empty()) return plan.fatal + "\n" + Txt(ctx, csvtext::NothingChanged) + "\n";
    std::string out;
    const std::vector<std::string> count = {std::to_string(plan.accepted.size()), std::to_string(plan.group + 1)};
    if (applied) out += Txt(ctx, csvtext::Imported, count) + "\n";
    if (dryRun) out += Txt(ctx, csvtext::WouldImport, count) + "\n";
    if (!plan.refused.empty()) {
        out += Txt(ctx, csvtext::Refused, {std::to_string(plan.refused.size())}) + "\n";
        for (const std::string& r : plan.refused) out += "  " + r + "\n";
    }
    if (!plan.notes.empty()) {
        out += Txt(ctx, csvtext::Notes) + "\n";
        for (const std::string& n : plan.notes) out += "  " + n + "\n";
    }
    if (!plan.ignoredColumns.empty()) {
        std::string names;
        for (const std::string& n : plan.ignoredColumns) names += (names.empty() ? "" : ", ") + n;
        out += Txt(ctx, csvtext::Ignored, {names}) + "\n";
    }
    if (!applied) out += Txt(ctx, csvtext::NothingChanged) + "\n";
    return out;
}

}  // namespace zb
