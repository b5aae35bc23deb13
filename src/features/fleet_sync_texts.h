#pragma once
// Captions and list items of the FleetSync window, in both languages.

#include <array>

#include "app/text_table.h"

namespace zb::fleettext {

inline constexpr TextTable Caption{"FleetSync", "FleetSync(队列同步)"};
inline constexpr std::array<TextTable, 2> Tabs{{{"FleetSync", "队列同步"}, {"Fleet List", "队列表"}}};

// The lists in control order Combo1_0 .. Combo1_4.
inline constexpr std::array<TextTable, 5> ListCaptions{{
    {"Fleet(Own)", "队列（自身）"},
    {"ID(Own)", "ID（自身）"},
    {"FleetSync Baud Rate[bps]", "队列同步波特率[bps]"},
    {"Data TX Modulation Delay Time[ms]", "数据发射调制延迟时间[毫秒]"},
    {"Message Mode Timer[s]", "信息模式定时器[秒]"},
}};
inline constexpr TextTable PttIdSideTone{"PTT ID Side Tone", "PTT ID 侧音"};
inline constexpr std::array<const char*, 2> BaudItems{"1200", "2400"};
inline constexpr TextTable Off{"Off", "关"};

inline constexpr std::array<TextTable, 3> ListHeadings{{{"No.", "编号"}, {"Fleet", "队列"}, {"ID", "ID"}}};
inline constexpr TextTable All{"All", "所有"};

}  // namespace zb::fleettext
