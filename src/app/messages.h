#pragma once
// Texts of the application shell: the document's questions and the model change.

#include "base/messages.h"

namespace zb::msg {

inline constexpr TextTable NewDocumentWarning{"All data will be cleared.", "所有数据将被清空。"};
inline constexpr TextTable SaveQuestion{"File has been modify,save it now?",
                                        "当前文件已被修改，是否现在保存？"};
inline constexpr TextTable OverwriteQuestion{"file will be Overwrite,Continue?",
                                             "文件将被覆盖，是否继续？"};
inline constexpr TextTable ModelChangeWarning{"Frequency data will be cleared.",
                                              "频率数据将被清除。"};
inline constexpr TextTable WarningTitle{"Warning", "警告"};

}  // namespace zb::msg
