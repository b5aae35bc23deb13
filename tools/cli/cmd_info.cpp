// Radio commands: info (the radio's production and sales record) and radio-info (the
// radio-information write).
#ifdef ZB_CLI_WITH_QT

#include <iostream>
#include <string_view>

#include "base/text_table.h"
#include "cli_session.h"
#include "codeplug/calendar.h"
#include "codeplug/identity.h"
#include "command.h"
#include "link/link_engine.h"
#include "link/radio_info.h"
#include "link_runner.h"

namespace zb::cli {
namespace {

const std::string kInfoUsage = "Usage: zb347rx-cli info [options]\n"
                               "Reads the radio's production and sales record and prints it.\n" +
                               std::string(kLinkOptionsUsage) + kCommonUsage;
const std::string kRadioInfoUsage =
    "Usage: zb347rx-cli radio-info --model M --band B --serial S --version V [options]\n"
    "Writes the radio information: model type, band, serial number and version.\n"
    "  --model M          model type, 1 to 4 characters\n"
    "  --band B           0 or \"28.000000 - 29.700000 MHz\"; 1 or \"24.000000 - 30.105000 MHz\"\n"
    "  --serial S         serial number, at most 8 characters; \"today\" gives today's date\n"
    "                     as YYYYMMDD\n"
    "  --version V        version, at most 5 characters; a \"V\" is put in front when missing\n" +
    std::string(kLinkOptionsUsage) + kCommonUsage;

// The record's rows, top to bottom, as the Embedded Message window shows them.
enum class Shows { Field, RadioType, Band };
struct Row {
    TextTable label;
    std::string RmgDataRecord::*field;
    Shows shows = Shows::Field;
};

const TextTable kDealerFrame{"Dealer Information", "销售商信息"};
constexpr std::string_view kRadioTypeText = "ZB_347RX";

const Row kUpperRows[] = {
    {{"Area Code", "销售区号"}, &RmgDataRecord::AreaCode},
    {{"Manufacture Code", "生产批号"}, &RmgDataRecord::ManufactureCode},
    {{"User Code", "客户代码"}, &RmgDataRecord::UserCode},
    {{"Radio Type", "机型"}, nullptr, Shows::RadioType},
    {{"Frequency", "频段"}, nullptr, Shows::Band},
    {{"Serial Number", "序列号"}, &RmgDataRecord::SerialNo},
    {{"Producted Date", "出厂日期"}, &RmgDataRecord::ProducedDate},
    {{"Maintained Date", "维修日期"}, &RmgDataRecord::MaintainedDate},
    {{"Version", "固件版本"}, &RmgDataRecord::FirmwareVersion},
    {{"Maintained Description", "维修原因"}, &RmgDataRecord::MaintainedReason},
};
const Row kDealerRows[] = {
    {{"Dealer Code", "经销商代码"}, &RmgDataRecord::DealerCode},
    {{"Stock Date", "入库时间"}, &RmgDataRecord::StockDate},
    {{"Sell Date", "销售时间"}, &RmgDataRecord::SellDate},
    {{"Seller", "经手人"}, &RmgDataRecord::Seller},
};

// Terminal columns of a UTF-8 text: Chinese characters take two.
std::size_t Columns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        columns += n >= 3 ? 2 : 1;
        i += n;
    }
    return columns;
}

void PrintRecord(const AppContext& ctx) {
    const int lang = ctx.settings.LanguageIndex == kChinese ? kChinese : kEnglish;
    std::size_t width = 0;
    for (const Row& r : kUpperRows) width = std::max(width, Columns(r.label[lang]));
    for (const Row& r : kDealerRows) width = std::max(width, Columns(r.label[lang]) + 2);
    auto line = [&](std::string_view indent, const TextTable& label, std::string_view value) {
        const std::string_view text = label[lang];
        std::cout << indent << text << ":";
        if (!value.empty()) std::cout << std::string(width + 1 - indent.size() - Columns(text), ' ') << value;
        std::cout << "\n";
    };
    for (const Row& r : kUpperRows) {
        switch (r.shows) {
            case Shows::Field: line("", r.label, Printable(ctx.Rmg.*r.field)); break;
            case Shows::RadioType: line("", r.label, kRadioTypeText); break;
            // Band flag B of the status block just read.
            case Shows::Band: line("", r.label, BandTextOf(ctx.link.BandFlagB)); break;
        }
    }
    std::cout << kDealerFrame[lang] << "\n";
    for (const Row& r : kDealerRows) line("  ", r.label, Printable(ctx.Rmg.*r.field));
}

int RunInfo(const std::vector<std::string>& words) {
    Args args(words, LinkValueOptions(), LinkFlagOptions());
    if (!CheckArgs(args, 0, kInfoUsage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    LinkRunner link(*s, args);
    if (!link.ok()) return 2;
    static constexpr TextTable kCaption{"Embedded Message", "嵌入信息"};
    if (!link.Run([](AppContext& ctx) { ReadRmgData(ctx, true); }, Text(s->ctx, kCaption))) return 1;
    PrintRecord(s->ctx);
    return 0;
}

bool SevenBit(std::string_view text) {
    for (char c : text)
        if (!RadioInfoCharAllowed(static_cast<unsigned char>(c)) || c < 0x20 || c == 0x7F) return false;
    return true;
}

// --band as one of the two band texts: 0 or 1, or the text itself.
std::optional<std::string> BandTextOption(const std::string& band) {
    if (band == "0" || band == kStandardBandText) return std::string(kStandardBandText);
    if (band == "1" || band == kWideBandText) return std::string(kWideBandText);
    return std::nullopt;
}

int RunRadioInfo(const std::vector<std::string>& words) {
    Args args(words, LinkValueOptions({"--model", "--band", "--serial", "--version"}), LinkFlagOptions());
    if (!CheckArgs(args, 0, kRadioInfoUsage.c_str())) return 2;
    for (const char* o : {"--model", "--band", "--serial", "--version"})
        if (!args.Value(o)) return UsageError(std::string("radio-info needs ") + o + "\n" + kRadioInfoUsage);
    const std::string model = *args.Value("--model");
    std::string serial = *args.Value("--serial");
    const std::string version = NormalizeVersionText(*args.Value("--version"));
    const auto band = BandTextOption(*args.Value("--band"));
    if (model.empty() || model.size() > 4 || !SevenBit(model))
        return UsageError("--model takes 1 to 4 plain (ASCII) characters, not \"" + model + "\"");
    if (!band)
        return UsageError("--band takes 0, 1, \"" + std::string(kStandardBandText) + "\" or \"" +
                          kWideBandText + "\", not \"" + *args.Value("--band") + "\"");
    if (serial.size() > 8 || !SevenBit(serial))
        return UsageError("--serial takes at most 8 plain (ASCII) characters, not \"" + serial + "\"");
    if (version.size() > kVersionBoxLength || !SevenBit(version))
        return UsageError("--version takes at most 5 plain (ASCII) characters, not \"" +
                          *args.Value("--version") + "\"");
    auto s = StartSession(args);
    if (!s) return 2;
    if (serial == "today") serial = CompactDate(Today(s->ctx.fixedToday));
    LinkRunner link(*s, args);
    if (!link.ok()) return 2;
    StoreRadioInfo(s->ctx.Doc.Data.ModelInfo, model, *band, serial, version);
    if (!link.Run(WriteRadioInfo)) return 1;
    std::cout << "Radio information written: model " << model << ", " << *band << ", serial number "
              << serial << ", version " << version << "\n";
    return 0;
}

}  // namespace

ZB_CLI_COMMAND("info", "print the radio's production and sales record", kInfoUsage, RunInfo, true);
ZB_CLI_COMMAND("radio-info", "write model type, band, serial number and version into the radio",
               kRadioInfoUsage, RunRadioInfo);

}  // namespace zb::cli

#endif  // ZB_CLI_WITH_QT
