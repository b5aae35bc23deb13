#pragma once
// Captions and list items of the scan information window, in both languages.

#include <array>

#include "base/text_table.h"

namespace zb::scantext {

inline constexpr TextTable Caption{"Scan Information", "扫描信息"};

inline constexpr std::array<TextTable, 7> Labels{{
    {"Priority", "优先"},
    {"Priority Channel", "优先信道"},
    {"Look Back Time A[s]", "回扫时间A[秒]"},
    {"Look Back Time B[s]", "回扫时间B[秒]"},
    {"Revert Channel", "返回信道"},
    {"Dropout Delay Time[s]", "扫描接收恢复延迟时间[秒]"},
    {"TX Dwell Time[s]", "扫描发射恢复延迟时间[秒]"},
}};

inline constexpr std::array<TextTable, 3> PriorityItems{{
    {"None", "无"}, {"Fixd", "固定"}, {"Selected", "选定"}}};

// The revert texts by value 0..3.
inline constexpr std::array<TextTable, 4> RevertTexts{{
    {"Selected", "选定"},
    {"Selected+Talk Back", "选定+当前通话"},
    {"Priority", "优先"},
    {"Priority+Talk Back", "优先+当前通话"},
}};

// First item of the priority-channel list.
inline constexpr TextTable NoChannel{"None", "无"};

}  // namespace zb::scantext
