#include "features/option_features_rules.h"

#include <algorithm>
#include <charconv>

#include "codeplug/text_util.h"

namespace zb {
namespace {

constexpr TextTable kOff{"Off", "关"};
constexpr TextTable kOffUpper{"OFF", "关"};
constexpr TextTable kOnUpper{"ON", "开"};

struct ListDef {
    TextTable caption;
    std::string_view unit;  // appended to the caption in both languages
    int offset;
    bool visible;
};

// Indexed by list number.
constexpr ListDef kLists[kOptionListCount] = {
    /* 0 */ {{"Time Out Timer(TOT)[s]", "超时定时器(TOT)[秒]"}, "", 0, true},
    /* 1 */ {{"Fine-Tune Frequency Range[Hz]", "FIN频率细调范围[Hz]"}, "", 0, false},
    /* 2 */ {{"Fine-Tune Mode", "FIN模式选择"}, "", 0, false},
    /* 3 */ {{"(COA)Frequency Of Coarse[Hz]", "COA频率粗调[Hz]"}, "", 0, false},
    /* 4 */ {{"VFO Frequency Step[Hz]", "VFO频率步进[Hz]"}, "", 0, true},
    /* 5 */ {{"CW Side Tone", "CW 侧音[Hz]"}, "", 30, false},
    /* 6 */ {{"Scan Mode", "扫描模式"}, "", 0, true},
    /* 7 */ {{"Scan Resume Time", "扫描恢复时间"}, "[s]", 0, true},
    /* 8 */ {{"LCD Display", "LCD显示"}, "", 0, true},
    /* 9 */ {{"SWR Protect value", "驻波保护值"}, "", 12, true},
    /* 10 */ {{"Battery Voltage Protect Value 1 -- Min", "电池电压保护值1--最低"}, "[V]", 90, true},
    /* 11 */ {{"Battery Voltage Protect Value 2 -- Max", "电池电压保护值2--最高"}, "[V]", 90, true},
    /* 12 */ {{"FM SQ Close Delay Time", "FM SQ关闭延时时间"}, "[ms]", 0, false},
    /* 13 */ {{"AM SQ Close Delay Time", "AM SQ关闭延时时间"}, "[ms]", 0, false},
    /* 14 */ {{"CW/USB/LSB SQ Close Delay Time", "CW/USB/LSB SQ关闭延时时间"}, "[ms]", 0, false},
    /* 15 */ {{"Single Tone", "单音"}, "[Hz]", 30, false},
    /* 16 */ {{"DIM", "DIM"}, "", 0, true},
    /* 17 */ {{"BackLight Color", "背光灯颜色"}, "", 0, true},
    /* 18 */ {{"BackLight Loop Time[s]", "背光灯循环时间[s]"}, "", 0, true},
    /* 19 */ {{"Group Change", "Group Change"}, "", 0, true},
    /* 20 */ {{"MicType", "MIC类型"}, "", 0, true},
    /* 21 */ {{"Tx Gate", "发射NG"}, "", 0, true},
    /* 22 */ {{"Rx NC", "接收NC"}, "", 0, true},
    /* 23 */ {{"NrBypass", "降噪NR"}, "", 0, true},
    /* 24 */ {{"Idle Time", "菜单停留时间"}, "", 0, true},
    /* 25 */ {{"TX TONE", "TX TONE"}, "", 0, true},
    /* 26 */ {{"RX TONE", "RX TONE"}, "", 0, false},
    /* 27 */ {{"VOX Level", "声控等级"}, "", 0, true},
    /* 28 */ {{"VOX Delay", "声控延时"}, "", 0, true},
};

struct CheckDef {
    TextTable caption;
    bool visible;
    bool otherValueShowsChecked;  // how a stored value other than 0 and 1 is shown
};

// Indexed by check box number (control number less 100).
constexpr CheckDef kChecks[kOptionCheckCount] = {
    /* 100 */ {{"Single Change Data", "允许独立改变信道数据"}, false, false},
    /* 101 */ {{"ASQ", "ASQ"}, true, false},
    /* 102 */ {{"+10KHz", "+10KHz"}, false, false},
    /* 103 */ {{"TSQ", "TSQ"}, false, false},
    /* 104 */ {{"BUSY", "BUSY"}, false, false},
    /* 105 */ {{"Single Change RX/TX Frequency", "允许独立改变收发频率"}, false, false},
    /* 106 */ {{"SWR Protect Enabled", "驻波保护使能"}, true, true},
    /* 107 */ {{"DC Protect Enabled", "低电压保护使能"}, true, true},
    /* 108 */ {{"Beep", "Beep"}, true, true},
};

std::string Integer(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// A non-negative number of tenths with one decimal: 5 -> "0.5", 200 -> "20.0".
std::string Tenths(int tenths) { return Integer(tenths / 10) + "." + Integer(tenths % 10); }

void AddIntegers(std::vector<std::string>& items, int first, int last, int step) {
    for (int v = first; v <= last; v += step) items.push_back(Integer(v));
}

void AddTenths(std::vector<std::string>& items, int first, int last, int step) {
    for (int v = first; v <= last; v += step) items.push_back(Tenths(v));
}

void AddTexts(std::vector<std::string>& items, std::initializer_list<std::string_view> texts) {
    for (std::string_view t : texts) items.emplace_back(t);
}

void AddTables(std::vector<std::string>& items, std::initializer_list<TextTable> tables,
               int languageIndex) {
    for (const TextTable& t : tables) items.emplace_back(t[languageIndex]);
}

int16_t* ListField(CodeplugData& data, int list) {
    OptionFeaturesRecord& f = data.OptionSettings.OptionFeatures;
    OptionFeaturesExtRecord& x = data.OptionFeaturesExt;
    int16_t* const fields[kOptionListCount] = {
        &f.Tot,          &f.FineTuneRange,     &f.FineTuneMode, &f.CoarseStep,  &f.VfoStep,
        &f.CwSideTone,   &f.ScanMode,          &f.ScanResume,   &f.LcdDisplay,  &f.SwrProtect,
        &f.BatteryMin,   &f.BatteryMax,        &f.FmSqDelay,    &f.AmSqDelay,   &f.CwSsbSqDelay,
        &f.SingleTone,   &f.Dim,               &f.BacklightColor, &f.BacklightLoopTime,
        &f.GroupChange,  &x.MicType,           &x.TxGate,       &x.RxNc,        &x.NrBypass,
        &x.IdleTime,     &x.TxTone,            &x.RxTone,       &x.VoxLevel,    &x.VoxDelay,
    };
    return fields[list];
}

int16_t* CheckField(CodeplugData& data, int box) {
    OptionFeaturesRecord& f = data.OptionSettings.OptionFeatures;
    int16_t* const fields[kOptionCheckCount] = {
        &f.SingleChangeData, &f.Asq,      &f.Plus10kHz,        &f.Tsq,             &f.Busy,
        &f.SingleChangeRxTx, &f.SwrProtectEnable, &f.DcProtectEnable, &f.Beep,
    };
    return fields[box];
}

// Controls the rules refer to.
constexpr int kListRxNc = 22;
constexpr int kListNrBypass = 23;
constexpr int kListFineTuneRange = 1;
constexpr int kListFineTuneMode = 2;
constexpr int kListVoxLevel = 27;
constexpr int kListVoxDelay = 28;
constexpr int kListBatteryMin = 10;
constexpr int kListBatteryMax = 11;
constexpr int kCheckSingleChangeData = 100;

}  // namespace

std::string OptionCaption(int control, int languageIndex) {
    if (IsOptionList(control)) {
        const ListDef& def = kLists[control];
        return std::string(def.caption[languageIndex]) + std::string(def.unit);
    }
    if (IsOptionCheck(control)) {
        return std::string(kChecks[control - kOptionCheckBase].caption[languageIndex]);
    }
    return {};
}

bool IsOptionControlVisible(int control) {
    if (IsOptionList(control)) return kLists[control].visible;
    if (IsOptionCheck(control)) return kChecks[control - kOptionCheckBase].visible;
    return false;
}

const std::vector<int>& VisibleListOrder() {
    static const std::vector<int> order = {19, 4,  0,  6,  7,  8,  9,  10, 11, 16,
                                           17, 18, 24, 25, 27, 28, 20, 22, 21, 23};
    return order;
}

const std::vector<int>& VisibleCheckOrder() {
    static const std::vector<int> order = {101, 106, 107, 108};
    return order;
}

std::vector<std::string> OptionListItems(int list, int languageIndex) {
    std::vector<std::string> items;
    switch (list) {
        case 0:
            AddTables(items, {kOff}, languageIndex);
            AddIntegers(items, 30, 600, 30);
            break;
        case 1:
            AddTables(items, {kOff}, languageIndex);
            AddTexts(items, {"0.5K", "1.5K", "2.5K"});
            break;
        case 2: AddTexts(items, {"R", "T", "R&T"}); break;
        case 3:
            AddTables(items, {kOff}, languageIndex);
            AddTexts(items, {"100", "1K", "5K", "10K"});
            break;
        case 4: AddTexts(items, {"1K", "5K", "10K", "100K", "1M"}); break;
        case 5:
        case 15: AddIntegers(items, 300, 3000, 10); break;
        case 6:
            AddTables(items, {{"Squelch Scan", "静噪扫描"}, {"Time Scan", "时间扫描"}},
                      languageIndex);
            break;
        case 7: AddTexts(items, {"5", "10", "15"}); break;
        case 8:
            AddTables(items,
                      {{"Model Name", "机型名称"},
                       {"Battery Voltage", "电池电压"},
                       {"Model Name & Battery Voltage", "机型名称&电池电压"}},
                      languageIndex);
            break;
        case 9: AddTenths(items, 12, 200, 1); break;
        case 10:
        case 11: AddTenths(items, 90, 170, 1); break;
        case 12:
        case 13: AddIntegers(items, 5, 300, 5); break;
        case 14: AddIntegers(items, 5, 1000, 5); break;
        case 16:
            AddTables(items, {kOff}, languageIndex);
            AddIntegers(items, 1, 31, 1);
            break;
        case 17:
            // "0range" (with a zero) is the radio's own spelling of the English item.
            AddTables(items,
                      {{"Blue", "蓝色"},
                       {"Green", "绿色"},
                       {"Cyan", "青色"},
                       {"Red", "红色"},
                       {"Purple", "紫色"},
                       {"Yellow", "黄色"},
                       {"0range", "橙色"},
                       {"White", "白色"},
                       {"Loop", "循环"}},
                      languageIndex);
            break;
        case 18: AddTenths(items, 5, 100, 5); break;
        case 19: AddTexts(items, {"1-5", "6-10"}); break;
        case 20: AddTexts(items, {"EL", "DY"}); break;
        case 21:
        case 22:
        case 23: AddTables(items, {kOffUpper, kOnUpper}, languageIndex); break;
        case 24: AddTexts(items, {"5s", "10s", "20s", "30s", "60s"}); break;
        case 25:
        case 26: AddTexts(items, {"2.0K", "2.5K", "3.0K", "3.5K", "4.0K"}); break;
        case 27:
            AddTables(items, {kOffUpper}, languageIndex);
            AddIntegers(items, 1, 9, 1);
            break;
        case 28: AddTenths(items, 5, 45, 5); break;
        default: break;
    }
    return items;
}

int OptionListItemCount(int list) {
    // Every change redraws all lists; count their items once.
    static const std::array<int, kOptionListCount> counts = [] {
        std::array<int, kOptionListCount> c{};
        for (int n = 0; n < kOptionListCount; ++n)
            c[n] = static_cast<int>(OptionListItems(n, kEnglish).size());
        return c;
    }();
    return IsOptionList(list) ? counts[list] : 0;
}

int OptionListOffset(int list) { return IsOptionList(list) ? kLists[list].offset : 0; }

int16_t* OptionControlField(CodeplugData& data, int control) {
    if (IsOptionList(control)) return ListField(data, control);
    if (IsOptionCheck(control)) return CheckField(data, control - kOptionCheckBase);
    return nullptr;
}

const int16_t* OptionControlField(const CodeplugData& data, int control) {
    return OptionControlField(const_cast<CodeplugData&>(data), control);
}

int ShownListPosition(const CodeplugData& data, int list) {
    const int16_t* field = OptionControlField(data, list);
    if (field == nullptr || !IsOptionList(list)) return 0;
    const int position = *field - OptionListOffset(list);
    return position >= 0 && position < OptionListItemCount(list) ? position : 0;
}

bool ShownCheckState(const CodeplugData& data, int check) {
    const int16_t* field = OptionControlField(data, check);
    if (field == nullptr || !IsOptionCheck(check)) return false;
    if (*field == 0 || *field == 1) return *field == 1;
    return kChecks[check - kOptionCheckBase].otherValueShowsChecked;
}

bool IsOptionControlEnabled(const CodeplugData& data, int control) {
    switch (control) {
        case kListFineTuneMode: return ShownListPosition(data, kListFineTuneRange) != 0;
        case kListVoxDelay: return ShownListPosition(data, kListVoxLevel) != 0;
        case 102:
        case 103:
        case 104: return !ShownCheckState(data, kCheckSingleChangeData);
        default: return IsOptionList(control) || IsOptionCheck(control);
    }
}

void ApplyBatteryMinChosen(int16_t& minimum, int16_t& maximum) {
    if (minimum > maximum) minimum = maximum;
    if (maximum - minimum < kBatteryGap) {
        minimum = static_cast<int16_t>(maximum - kBatteryGap);
        // Only a stored maximum below the lists' range gets here; keep both inside the lists.
        if (minimum < kBatteryLowest) {
            minimum = kBatteryLowest;
            maximum = kBatteryLowest + kBatteryGap;
        }
    }
}

void ApplyBatteryMaxChosen(int16_t& minimum, int16_t& maximum) {
    if (maximum < kBatteryMaxFloor) maximum = kBatteryMaxFloor;
    if (minimum > maximum) minimum = maximum;
    if (maximum - minimum < kBatteryGap) {
        maximum = static_cast<int16_t>(minimum + kBatteryGap);
        // Only a stored minimum near the top of the range gets here; keep both inside the lists.
        if (maximum > kBatteryHighest) {
            maximum = kBatteryHighest;
            minimum = kBatteryHighest - kBatteryGap;
        }
    }
}

void SaveOptFeat(CodeplugData& data, int control, int state) {
    int16_t* field = OptionControlField(data, control);
    if (field == nullptr) return;
    OptionFeaturesRecord& f = data.OptionSettings.OptionFeatures;
    OptionFeaturesExtRecord& x = data.OptionFeaturesExt;

    if (IsOptionCheck(control)) {
        *field = state != 0 ? 1 : 0;
        if (control == kCheckSingleChangeData && *field == 1) {
            f.Plus10kHz = 0;
            f.Tsq = 0;
            f.Busy = 0;
        }
        return;
    }

    if (state < 0 || state >= OptionListItemCount(control)) return;
    *field = static_cast<int16_t>(state + OptionListOffset(control));
    switch (control) {
        case kListBatteryMin: ApplyBatteryMinChosen(f.BatteryMin, f.BatteryMax); break;
        case kListBatteryMax: ApplyBatteryMaxChosen(f.BatteryMin, f.BatteryMax); break;
        case kListRxNc:
            if (state == 1) x.NrBypass = 0;
            break;
        case kListNrBypass:
            if (state == 1) x.RxNc = 0;
            break;
        default: break;
    }
}

std::array<std::string, kPowerOnTextLength> PowerOnTextBoxes(const FixedText<8>& text) {
    std::string clean = CleanText(text);
    clean.resize(kPowerOnTextLength, ' ');
    std::array<std::string, kPowerOnTextLength> boxes;
    for (int k = 0; k < kPowerOnTextLength; ++k) {
        if (clean[k] != ' ') boxes[k] = std::string(1, clean[k]);
    }
    return boxes;
}

void StorePowerOnText(FixedText<8>& text, const std::array<std::string, kPowerOnTextLength>& boxes) {
    std::string value;
    for (const std::string& box : boxes) value.push_back(box.empty() ? ' ' : box[0]);
    text.Set(value);
}

PowerOnKey ClassifyPowerOnKey(char32_t code) {
    switch (code) {
        case 3:    // Ctrl+C
        case 22:   // Ctrl+V
        case 24:   // Ctrl+X
        case '\\':
        case '~': return PowerOnKey::Discard;
        case '\r':
        case '\n': return PowerOnKey::DiscardAndMoveFocus;
        default: break;
    }
    if (code >= 32 && code <= 126) return PowerOnKey::AcceptAndMoveFocus;
    // The stored text has one byte per box.
    if (code > 0xFF) return PowerOnKey::Discard;
    return PowerOnKey::Pass;
}

}  // namespace zb
