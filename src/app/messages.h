#pragma once
// The message table: texts shared by several parts of the program, in both languages.

#include <string>

#include "app/text_table.h"

namespace zb::msg {

inline constexpr TextTable NewDocumentWarning{"All data will be cleared.", "所有数据将被清空。"};
inline constexpr TextTable DataFileWord{"Data File", "数据文件"};
inline constexpr TextTable FileError{"file error.", "文件错误。"};
inline constexpr TextTable PortError{"Cannot Open Communication Port.", "无法打开通信端口。"};
inline constexpr TextTable ReadQuestion{"Read data from radio.\r\nDo you wish continue?",
                                        "从对讲机读取数据。\r\n是否继续？"};
inline constexpr TextTable WriteQuestion{"Write data to radio.\r\nDo you wish continue?",
                                         "向对讲机写入数据。\r\n是否继续？"};
inline constexpr TextTable SaveQuestion{"File has been modify,save it now?",
                                        "当前文件已被修改，是否现在保存？"};
inline constexpr TextTable OverwriteQuestion{"file will be Overwrite,Continue?",
                                             "文件将被覆盖，是否继续？"};
inline constexpr TextTable RetryQuestion{"Check Connection. Retry or Cancel?",
                                         "检测连接。重试或取消？"};
inline constexpr TextTable ReadCompleted{"Read Data Completed.", "读取数据完成。"};
inline constexpr TextTable WriteCompleted{"Write Data Completed.", "写入数据完成。"};
inline constexpr TextTable ModelError{"Model type is wrong.", "机型类型错误。"};
inline constexpr TextTable TestFrequencyMismatch{
    "Test Frequency nismatch.\r\nExecute read data from radio\r\nor write to radio.",
    "测试频率不匹配\r\n执行“从对讲机读取数据”\r\n或“向对讲机写入数据”。"};
inline constexpr TextTable ModelChangeWarning{"Frequency data will be cleared.",
                                              "频率数据将被清除。"};
inline constexpr TextTable OkButton{"&OK", "确定(&O)"};
inline constexpr TextTable CancelButton{"&Cancel", "取消(&C)"};
inline constexpr TextTable YesButton{"&Yes", "是(&Y)"};
inline constexpr TextTable NoButton{"&No", "否(&N)"};
inline constexpr TextTable RetryButton{"&Retry", "重试(&R)"};
inline constexpr TextTable WarningTitle{"Warning", "警告"};
inline constexpr TextTable InvalidData{"Invalid Data", "无效数据"};
inline constexpr TextTable RangeError{"Frequency is out of range.", "频率超出范围。"};
inline constexpr TextTable CloseButton{"&Close", "关闭(&C)"};
inline constexpr TextTable HelpButton{"&Help", "帮助(&H)"};

// Shown in every language as it stands.
inline constexpr const char* NotNumeric = "Not IsNumeric";

// Version management.
inline constexpr TextTable FirmwareLabel{"Firmware version is", "固件版本为"};
inline constexpr TextTable SoftwareLabel{"programming software is", "写频软件版本为"};
inline constexpr TextTable VersionQuestionText{
    "incompatible version. It may cause unknown error.To start the corresponding software "
    "version, or not?",
    "版本不兼容，有可能引起未知错误，是否启动对应版本软件？"};
inline constexpr TextTable MissingVersion{"Fail to start the software. This version does not exist.",
                                          "未能启动，不存在此版本软件！"};
inline constexpr TextTable DataFileLabel{"DataFile version is", "数据文件版本为"};
inline constexpr TextTable UnknownDataVersion{"Unknown version Of DataFile!", "未能识别的数据版本!"};

}  // namespace zb::msg

namespace zb {

// Texts asked for by number (roger-beep window): Chinese when languageIndex is 2, English
// otherwise; an unknown id gives the empty text.
std::string TextById(int languageIndex, int id);

}  // namespace zb
