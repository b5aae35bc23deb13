#pragma once
// Texts of the channel import and export, in both languages. "{1}", "{2}", ... stand for the
// values filled in (see FillText).

#include <string>
#include <string_view>
#include <vector>

#include "app/text_table.h"

namespace zb::csvtext {

inline constexpr TextTable ImportMenu{"Import Channels (CSV)...", "导入信道 (CSV)..."};
inline constexpr TextTable ExportMenu{"Export Channels (CSV)...", "导出信道 (CSV)..."};
inline constexpr TextTable FileFilter{"CSV files (*.csv);;All files (*)",
                                      "CSV 文件 (*.csv);;所有文件 (*)"};
inline constexpr TextTable ChooseGroup{"Choose a channel group (1..20) in the channel table first.",
                                       "请先在信道表中选择一个信道组 (1..20)。"};
inline constexpr TextTable ReadFailed{"The file {1} cannot be read.", "无法读取文件 {1}。"};
inline constexpr TextTable WriteFailed{"The file {1} cannot be written.", "无法写入文件 {1}。"};
inline constexpr TextTable Exported{"Channels exported to {2}: {1}.", "已导出到 {2} 的信道：{1} 个。"};

inline constexpr TextTable NoLocationColumn{
    "The file has no Location column: it is not a channel list this program can read.",
    "文件没有 Location 列：不是本程序能读取的信道表。"};
inline constexpr TextTable NoFrequencyColumn{
    "The file has no Frequency column: it is not a channel list this program can read.",
    "文件没有 Frequency 列：不是本程序能读取的信道表。"};
inline constexpr TextTable NoRows{"The file holds no channel rows.", "文件中没有信道行。"};

inline constexpr TextTable LinePrefix{"line {1}: ", "第 {1} 行："};
inline constexpr TextTable RxOutOfBand{
    "receive frequency {1} MHz is outside the band {2} - {3} MHz",
    "接收频率 {1} MHz 超出波段范围 {2} - {3} MHz"};
inline constexpr TextTable TxOutOfBand{
    "transmit frequency {1} MHz is outside the band {2} - {3} MHz",
    "发射频率 {1} MHz 超出波段范围 {2} - {3} MHz"};
inline constexpr TextTable NoSuchTone{"the radio has no {1} tone {2} Hz",
                                      "本机没有 {1} 亚音 {2} Hz"};
inline constexpr TextTable NoSuchCode{"the radio has no {1} code {2}", "本机没有 {1} 数字亚音 {2}"};
inline constexpr TextTable DuplexOff{
    "Duplex \"off\" (receive only): this radio has no receive-only channel, and a channel without "
    "a transmit frequency transmits on its receive frequency",
    "Duplex 为 \"off\"（仅接收）：本机没有仅接收信道，没有发射频率的信道会在接收频率上发射"};
inline constexpr TextTable NoFreeChannel{"no free channel number left in the group",
                                         "本组已没有空闲的信道号"};
inline constexpr TextTable LocationTaken{"channel {1} is already given by line {2}",
                                         "信道 {1} 已由第 {2} 行给出"};
inline constexpr TextTable Damaged{"damaged row: {1}", "损坏的行：{1}"};
inline constexpr TextTable BadQuotes{"a quoted field is not closed properly",
                                     "带引号的字段没有正确结束"};
inline constexpr TextTable BadValue{"{1} \"{2}\" is not understood", "无法识别 {1} 列的值 \"{2}\""};
inline constexpr TextTable NoFrequency{"no Frequency", "没有 Frequency"};
inline constexpr TextTable Snapped{"{1} {2} MHz is taken as {3} MHz (the 5 kHz channel grid)",
                                   "{1} {2} MHz 按 5 kHz 信道间隔取为 {3} MHz"};
inline constexpr TextTable RxWord{"receive frequency", "接收频率"};
inline constexpr TextTable TxWord{"transmit frequency", "发射频率"};

inline constexpr TextTable Imported{"Channels imported into group {2}: {1}.",
                                    "已导入第 {2} 组的信道：{1} 个。"};
inline constexpr TextTable WouldImport{"Channels that would be imported into group {2}: {1}.",
                                       "将导入第 {2} 组的信道：{1} 个。"};
inline constexpr TextTable Refused{"Refused rows ({1}):", "被拒绝的行（{1} 行）："};
inline constexpr TextTable Notes{"Notes:", "说明："};
inline constexpr TextTable Ignored{"Columns this radio has no place for, ignored: {1}",
                                   "本机信道没有对应项的列，已忽略：{1}"};
inline constexpr TextTable NothingChanged{"Nothing was changed.", "未做任何更改。"};
inline constexpr TextTable ReplaceBox{"Replace the whole group (it holds exactly the file's channels afterwards)",
                                      "替换整个组（导入后组内只有文件中的信道）"};
inline constexpr TextTable ImportRefusedRows{"Import the other rows", "导入其余的行"};
inline constexpr TextTable ImportTitle{"Import Channels", "导入信道"};
inline constexpr TextTable ImportButton{"&Import", "导入(&I)"};
inline constexpr TextTable CancelButton{"Cancel", "取消"};

// The text with "{1}", "{2}", ... replaced by the values in order.
inline std::string FillText(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' && text[i + 1] >= '1' &&
            text[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < values.size()) {
                out += values[k];
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace zb::csvtext
