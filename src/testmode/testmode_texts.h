#pragma once
// Texts of the factory test mode: its messages and its two windows.

#include <array>

#include "base/text_table.h"

namespace zb::tm {

inline constexpr TextTable SendListError{"SendList Error!", "SendList Error!"};

// The test window.
inline constexpr TextTable TestCaption{"Test Mode", "测试模式"};
inline constexpr TextTable ChannelFrame{"Test Channel", "测试信道"};
inline constexpr TextTable SignallingFrame{"Test Signalling", "测试信令"};
inline constexpr TextTable ChannelLabel{"Channel No.", "信道编号"};
inline constexpr TextTable RxLabel{"RX", "接收"};
inline constexpr TextTable TxLabel{"TX", "发射"};
inline constexpr TextTable SignallingLabel{"Signalling", "信令"};
inline constexpr TextTable WideButton{"&Wide", "宽带(&W)"};
inline constexpr TextTable NarrowButton{"&Narrow", "窄带(&N)"};
inline constexpr TextTable TuneButton{"&Tuning", "调协模式(&T)"};
inline constexpr TextTable CloseButton{"&Close", "关闭(&C)"};
inline constexpr TextTable PrintButton{"p&Rint", "打印(&R)"};
inline constexpr TextTable PttButton{"PTT", "PTT"};

// The item window.
inline constexpr TextTable StartButton{"&Start", "开始(&S)"};
inline constexpr TextTable OkButton{"&OK", "确定(&O)"};
inline constexpr TextTable CancelButton{"&Cancel", "取消(&C)"};

// Levels, by level index 0 to 5.
inline constexpr std::array<TextTable, 6> Levels{{
    {"Test", "测试"},
    {"Low", "低"},
    {"Low'", "较低"},
    {"Center", "中心"},
    {"High'", "较高"},
    {"High", "高"},
}};

// The alignment items, item 1 first.
inline constexpr std::array<TextTable, 15> Items{{
    {"RF High Power", "RF高功率"},
    {"RF Low Power", "RF低功率"},
    {"DQT Balance", "DQT平衡"},
    {"Max Deviation", "最大偏差"},
    {"QT Fine Deviation", "QT细偏差"},
    {"DQT Fine Deviation", "DQT细偏差"},
    {"DTMF Fine Deviation", "DTMF细偏差"},
    {"Sensitivity", "灵敏度"},
    {"Squelch(Tight)", "最紧静噪"},
    {"Squelch(Open)", "静噪打开"},
    {"MSK Fine Deviation", "MSK频偏差"},
    {"Battery Warning Level", "电池告警电平"},
    {"VOX1", "VOX1"},
    {"VOX10", "VOX10"},
    {"RSSI", "RSSI"},
}};

// Signalling texts the item window shows for the selected signalling 1 to 8.
inline constexpr std::array<TextTable, 8> SignallingTexts{{
    {"100Hz SW", "100Hz SW"},
    {"QT 67.0Hz", "QT 67.0Hz"},
    {"QT 151.4Hz", "QT 151.4Hz"},
    {"QT 250.3Hz", "QT 250.3Hz"},
    {"DQT D023N", "DQT D023N"},
    {"DQT D754I", "DQT D754I"},
    {"DTMF DEC(159D)", "DTMF DEC(159D)"},
    {"DTMF TONE 9", "DTMF 音调 9"},
}};

}  // namespace zb::tm
