#pragma once
// Captions and list items of the DTMF window, in both languages.

#include <array>

#include "app/text_table.h"

namespace zb::dtmftext {

inline constexpr TextTable Caption{"DTMF", "DTMF(双音多频)"};
inline constexpr std::array<TextTable, 3> Tabs{{
    {"Encode", "编码"}, {"Decode", "解码"}, {"Autodial Memory", "自动拨号存储器"}}};

// The lists in control order: Combo1_0 .. Combo1_4 on the Encode tab, Combo1_5 .. Combo1_8 and
// the stun type Combo1_9 on the Decode tab.
inline constexpr std::array<TextTable, 10> ListCaptions{{
    {"DTMF Speed[digit/s]", "DTMF 速率[数字/秒]"},
    {"First Digit Time[ms]", "首位数码时间[毫秒]"},
    {"First Digit Delay[ms]", "首位数码延迟[毫秒]"},
    {"* and # Tone[ms]", "*和#音[毫秒]"},
    {"D Code Assignment", "D键设定"},
    {"Group Code", "组呼码"},
    {"Auto Reset Timer[s]", "自动复位定时器[秒]"},
    {"Call Alert", "呼叫告警"},
    {"Transpond", "自动应答"},
    {"Stun Type", "遥毙类型"},
}};
inline constexpr TextTable SideTone{"DTMF Side Tone", "DTMF 侧音"};
inline constexpr TextTable ClearToTranspond{"Clear to Transpond", "清除自动应答"};
inline constexpr TextTable IdCode{"ID Code", "ID 码"};
inline constexpr TextTable StunFrame{"Stun", "Stun"};
inline constexpr TextTable StunCode{"Stun Code", "遥毙码"};

inline constexpr std::array<const char*, 4> SpeedItems{"6", "8", "10", "15"};
inline constexpr std::array<const char*, 4> ToneTimeItems{"0", "100", "500", "1000"};
inline constexpr TextTable DCode{"D Code", "D 码"};
inline constexpr TextTable Seconds{"s", "秒"};  // after the numbers 1 .. 16
inline constexpr TextTable Off{"Off", "关"};
inline constexpr std::array<TextTable, 2> CallAlertItems{{{"Normal", "常规"}, {"Continuous", "连续"}}};
inline constexpr std::array<TextTable, 2> TranspondItems{{{"Alert", "告警"}, {"ID Code", "ID 码"}}};
inline constexpr std::array<TextTable, 2> StunTypeItems{{
    {"TX Inhibit", "发射抑制"}, {"TX/RX Inhibit", "发射/接收 抑制"}}};

inline constexpr std::array<TextTable, 2> MemoryHeadings{{
    {"No.", "编号"}, {"Autodial Memory", "自动拨号存储器"}}};

}  // namespace zb::dtmftext
