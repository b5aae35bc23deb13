#pragma once
// Texts of the data files and of the version management.

#include "base/messages.h"

namespace zb::msg {

inline constexpr TextTable DataFileWord{"Data File", "数据文件"};
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
