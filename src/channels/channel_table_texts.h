#pragma once
// Captions and list items of the channel table window, in both languages.

#include <array>
#include <string_view>

#include "base/text_table.h"

namespace zb::chtext {

inline constexpr TextTable Caption{"Channel Information[Channel -", "信道信息[信道 -"};
inline constexpr TextTable BandLabel{"Band", "组"};
inline constexpr TextTable NameLabel{"Name", "名称"};
inline constexpr TextTable ValidGroup{"Valid Group", "组有效"};
inline constexpr TextTable ChannelButton{"Channel", "信道编辑"};

// Column headers 0..13; column 5 has none.
inline constexpr std::array<TextTable, 14> ColumnHeaders{{
    {"CH No.", "信道"},
    {"RX Frequency", "接收频率"},
    {"TX FreQuency", "发射频率"},
    {"QT/DQT Dec", "解码"},
    {"QT/DQT Enc", "编码"},
    {"", ""},
    {"+10KHz", "+10KHz"},
    {"TSQ", "TSQ"},
    {"BUSY", "BUSY"},
    {"Scan", "扫描"},
    {"RB Lock", "RB Lock"},
    {"RB", "RB"},
    {"Rep Enable", "Rep Enable"},
    {"Rep", "Rep"},
}};

// Column widths in twips; 0 hides the column (it is still filled).
inline constexpr std::array<int, 14> ColumnWidthTwips{500,  1200, 1200, 1000, 1000, 0, 0,
                                                      1000, 1000, 1000, 0,    1000, 0, 0};

inline constexpr std::array<TextTable, 2> NoYes{{{"No", "否"}, {"Yes", "是"}}};
inline constexpr std::array<TextTable, 2> DelAdd{{{"Del", "删除"}, {"Add", "添加"}}};
inline constexpr std::array<TextTable, 3> RepShift{{{"Off", "关"}, {"+100K", "+100K"},
                                                    {"-100K", "-100K"}}};

// Tab texts, the same in every language.
inline constexpr std::array<std::string_view, 2> TabTexts{"28.000000 - 29.700000 MHz", "10 meter"};

// Trace names shown when a step fails.
namespace trace {
inline constexpr const char* InitShowGrid = "frmCommChInfo_InitShowGridError";
inline constexpr const char* ChangShowByLanguage = "frmCommChInfo_ChangShowByLanguage";
inline constexpr const char* ShowChIfoData = "ShowChIfoData";
inline constexpr const char* SetGridData = "frmCommChInfo_SetGridData";
inline constexpr const char* ReShowGrid = "frmCommChInfo_reShowGrid";
inline constexpr const char* ListKeyPress = "Combo8_KeyPress";
inline constexpr const char* ListValidate = "Combo8_Validate";
inline constexpr const char* FormLoad = "frmCommChInfo_Form_Load";
inline constexpr const char* FlexConcludeRx = "frmCommChInfo_FlexConcludeRx";
inline constexpr const char* EnterGridEdit = "frmCommChInfo_EnterGridEdit";
inline constexpr const char* FormUnload = "frmCommChInfo_Form_Unload";
inline constexpr const char* SaveShowGridData = "frmCommChInfo_SaveShowGridData";
inline constexpr const char* EnterCell = "frmCommChInfo_MSFlexGrid1_EnterCell";
inline constexpr const char* GridNextLine = "frmCommChInfo_GridNextLine";
inline constexpr const char* GridNextCol = "rmCommChInfo_GridNextCol";
inline constexpr const char* Scroll = "MSFlexGrid1_Scroll Error";
inline constexpr const char* TextKeyPress = "FrmCommChInfo_Text1_KeyPress_Error";
inline constexpr const char* FocusTimer = "FrmCommChInfo_TimerFocus_Timer_Error";
inline constexpr const char* ValidClick = "frmCommChInfo_CheckValid_Click";
inline constexpr const char* NameChange = "frmCommChInfo_TextName_Change";
}  // namespace trace

}  // namespace zb::chtext
