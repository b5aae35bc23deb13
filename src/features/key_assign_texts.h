#pragma once
// Captions and function texts of the key assignment window, in both languages.

#include <array>

#include "app/text_table.h"

namespace zb::keytext {

inline constexpr TextTable Caption{"Key Assignment", "键设定"};
inline constexpr std::array<TextTable, 2> KeyLabels{{{"PF1", "PF1"}, {"PF2", "PF2"}}};

// By text entry (see KeyFunctionTextEntry).
inline constexpr std::array<TextTable, 12> Functions{{
    {"None", "无"},
    {"Reserved1", "保留1"},
    {"Key Lock", "按键锁定"},
    {"Key Lock with Backup", "按键锁定及备份"},
    {"Monitor", "监听"},
    {"Monitor Momentary", "监听瞬时"},
    {"Scan", "扫描"},
    {"Scan+Temporary Delete", "扫描+暂时删除"},
    {"Reserved2", "保留2"},
    {"Squelch Off", "取消静噪"},
    {"Squelch Off Momentary", "瞬时取消静噪"},
    {"Temporary Delete", "暂时删除"},
}};

}  // namespace zb::keytext
