#pragma once
// Texts that several parts of the program share: the buttons every window has, "file error."
// and the messages of the radio's test frequencies.

#include "base/text_table.h"

namespace zb::msg {

inline constexpr TextTable FileError{"file error.", "文件错误。"};
inline constexpr TextTable OkButton{"&OK", "确定(&O)"};
inline constexpr TextTable CancelButton{"&Cancel", "取消(&C)"};
inline constexpr TextTable YesButton{"&Yes", "是(&Y)"};
inline constexpr TextTable NoButton{"&No", "否(&N)"};
inline constexpr TextTable RetryButton{"&Retry", "重试(&R)"};
inline constexpr TextTable CloseButton{"&Close", "关闭(&C)"};
inline constexpr TextTable HelpButton{"&Help", "帮助(&H)"};
inline constexpr TextTable InvalidData{"Invalid Data", "无效数据"};
inline constexpr TextTable TestFrequencyMismatch{
    "Test Frequency nismatch.\r\nExecute read data from radio\r\nor write to radio.",
    "测试频率不匹配\r\n执行“从对讲机读取数据”\r\n或“向对讲机写入数据”。"};

}  // namespace zb::msg
