#pragma once
// Texts of the radio link: its questions, messages and windows.

#include "base/messages.h"

namespace zb::msg {

inline constexpr TextTable PortError{"Cannot Open Communication Port.", "无法打开通信端口。"};
inline constexpr TextTable ReadQuestion{"Read data from radio.\r\nDo you wish continue?",
                                        "从对讲机读取数据。\r\n是否继续？"};
inline constexpr TextTable WriteQuestion{"Write data to radio.\r\nDo you wish continue?",
                                         "向对讲机写入数据。\r\n是否继续？"};
inline constexpr TextTable RetryQuestion{"Check Connection. Retry or Cancel?",
                                         "检测连接。重试或取消？"};
inline constexpr TextTable ReadCompleted{"Read Data Completed.", "读取数据完成。"};
inline constexpr TextTable WriteCompleted{"Write Data Completed.", "写入数据完成。"};
inline constexpr TextTable ModelError{"Model type is wrong.", "机型类型错误。"};
inline constexpr TextTable ReadCaption{"Read data from radio", "从对讲机读取数据"};
inline constexpr TextTable WriteCaption{"Write data to radio", "向对讲机写入数据"};
inline constexpr TextTable PercentLabel{"Completion percentage:", "完成进度:"};
inline constexpr TextTable BatchSetCaption{"Batch Set", "批处理设置"};
inline constexpr TextTable RadioCountLabel{"Radio Count", "对讲机数量"};
inline constexpr TextTable RadioNumberLabel{"WritingRadio's ID is:", "当前在写的台数："};
inline constexpr TextTable PortDialogCaption{"Communication Port", "通信端口"};
inline constexpr TextTable PortLabel{"COM", "通信口"};
inline constexpr TextTable SearchCaption{
    "Search for communication setting,please wait for a few minutes...",
    "正在匹配串口配置，可能需要几分钟，请等待。。。"};

}  // namespace zb::msg
