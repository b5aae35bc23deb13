#pragma once
// The command line's own messages in both languages. Commands print them through Say(), which
// picks the language of the run: "--lang" when given, else the settings file's.

#include <string>

#include "base/text_table.h"

namespace zb::cli {

void SetLanguage(int languageIndex);
int Language();
std::string Say(const TextTable& text);

namespace txt {
inline constexpr TextTable UnknownCommand{"unknown command", "未知命令"};
inline constexpr TextTable UnknownOption{"unknown option", "未知选项"};
inline constexpr TextTable NeedsValue{"needs a value", "需要一个值"};
inline constexpr TextTable TakesNoValue{"takes no value", "不带值"};
inline constexpr TextTable WrongCount{"wrong number of arguments", "参数个数错误"};
inline constexpr TextTable SeeHelp{"see: zb347rx-cli COMMAND --help", "参见：zb347rx-cli 命令 --help"};
inline constexpr TextTable NoExtension{
    "has no three-letter extension such as \".dat\"; its channel file would be",
    "没有三个字母的扩展名（如“.dat”）；其信道文件将是"};
inline constexpr TextTable NameAdded{"the data file is named", "数据文件名为"};
inline constexpr TextTable WriteRefused{
    "not written to the radio: channels of this document could not be read from its channel "
    "file, and writing would erase them in the radio (--force writes anyway)",
    "未写入电台：此文档的部分信道未能从信道文件读取，写入会清除电台中的这些信道（使用 --force 仍然写入）"};
inline constexpr TextTable PartlyWritten{
    "the write was interrupted: the radio now holds a partly written memory; writing again "
    "repairs it",
    "写入被中断：电台中现为部分写入的数据；再次写入即可修复"};
inline constexpr TextTable NotAsAsked{"the change did not take place as asked", "修改未按要求生效"};
inline constexpr TextTable NothingSaved{"nothing was saved", "未保存任何内容"};
inline constexpr TextTable ChannelDeleted{"the channel no longer exists", "该信道已不存在"};
inline constexpr TextTable TakesRange{"takes", "取值范围为"};
inline constexpr TextTable NoSuchDate{"is not a date (YYYY-MM-DD)", "不是有效日期（YYYY-MM-DD）"};
inline constexpr TextTable CannotWrite{"cannot write", "无法写入"};
}  // namespace txt

}  // namespace zb::cli
