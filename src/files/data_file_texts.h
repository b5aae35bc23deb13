#pragma once
// The data files' own messages beyond the shared message table.

#include "base/text_table.h"

namespace zb::msg {

inline constexpr TextTable SameFileName{
    "This file name cannot be used: the channel file takes the name with its last three "
    "characters replaced by \"fre\", so the data file and its channel file would be one file. "
    "Please choose a name ending in \".dat\".",
    "不能使用此文件名：信道文件的名称是把文件名最后三个字符换成“fre”，数据文件与信道文件将是同一个文件。"
    "请使用以“.dat”结尾的文件名。"};

// Followed by the channel file's name and the number of channels that could not be read.
inline constexpr TextTable ChannelFileShort{
    "The channel file is missing or too short; channels that could not be read are left empty. "
    "Writing this document to the radio would erase them there.",
    "信道文件缺失或不完整，未能读取的信道已留空。将此文档写入电台会清除电台中的这些信道。"};
inline constexpr TextTable ChannelFileLabel{"Channel file:", "信道文件："};
inline constexpr TextTable UnreadChannelsLabel{"Channels not read:", "未能读取的信道数："};

}  // namespace zb::msg
