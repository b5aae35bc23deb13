#include "app/main_menu.h"

#include <array>

#include "channels/csv_texts.h"

namespace zb {
namespace {

using C = Command;

// Items hidden in the window design or when the window loads are marked not shown; their
// commands stay wired.
constexpr MenuEntry M(std::string_view name, TextTable caption) {
    return MenuEntry{name, {}, caption, std::nullopt};
}
constexpr MenuEntry I(std::string_view name, std::string_view parent, TextTable caption, C cmd,
                      bool shown = true, bool sepAfter = false, std::string_view shortcut = {}) {
    return MenuEntry{name, parent, caption, cmd, shown, sepAfter, false, shortcut};
}
constexpr MenuEntry Check(std::string_view name, std::string_view parent, TextTable caption, C cmd,
                          bool sepAfter = false) {
    return MenuEntry{name, parent, caption, cmd, true, sepAfter, true};
}

constexpr auto kEntries = std::to_array<MenuEntry>({
    M("mnuFile", {"&File", "文件&F"}),
    I("mnuFileNew", "mnuFile", {"&New", "新建(&N)"}, C::FileNew, true, false, "Ctrl+N"),
    I("mnuFileOpen", "mnuFile", {"&Open", "打开(&O)"}, C::FileOpen, true, false, "Ctrl+O"),
    I("mnuFileSave", "mnuFile", {"&Save", "保存(&S)"}, C::FileSave),
    I("mnuFileSaveAs", "mnuFile", {"Save &As", "另存为(&A)"}, C::FileSaveAs),
    I("mnuImportCsv", "mnuFile", csvtext::ImportMenu, C::ImportChannelsCsv),
    I("mnuExportCsv", "mnuFile", csvtext::ExportMenu, C::ExportChannelsCsv,
      true, true),
    I("mnuFilePrint", "mnuFile", {"&Print", "打印(&P)"}, C::FilePrint, false, true),
    I("mnuFileExit", "mnuFile", {"E&xit", "退出(&X)"}, C::FileExit),

    MenuEntry{"mnuModel", {}, {"&Model", "机型(&M)"}, std::nullopt, false},
    I("mnuModelInfo", "mnuModel", {"&Model Information", "机型信息(&M)"}, C::ModelInfo),

    M("mnuEdit", {"&Edit", "编辑(E)"}),
    I("mnuChannelInfo", "mnuEdit", {"&Channel Information", "信道信息(&C)"}, C::ChannelInfo, true,
      true),
    I("mnuOptFeature", "mnuEdit", {"&Option Features", "可选功能(&O)"}, C::OptFeature),
    I("mnuKeyAssignm", "mnuEdit", {"&Key Assignment", "键设置(&K)"}, C::KeyAssignm, false),
    I("mnuScanInfo", "mnuEdit", {"&Scan Information", "扫描信息(&S)"}, C::ScanInfo, false),
    I("mnuToneTips", "mnuEdit", {"&Roger Beep", "RB音(&R)"}, C::ToneTips),
    I("mnuReset", "mnuEdit", {"&Reset Initialize", "复位初始化(&R)"}, C::Reset, true, true),
    I("mnuDTMF", "mnuEdit", {"&DTMF", "DTMF(双音多频)(&D)"}, C::Dtmf, false),
    I("mnuFleetSync", "mnuEdit", {"&Fleet Sync", "Fleet Sync(队列同步)(&F)"}, C::FleetSync, false,
      true),
    I("mnuTestFre", "mnuEdit", {"&Test FreQuence", "测试频率(&T)"}, C::TestFre, false),
    I("mnuEmbeddedMsg", "mnuEdit", {"Local &Information", "本机信息(&I)"}, C::EmbeddedMsg),
    I("mnuEMG", "mnuEdit", {"Embedded &Message", "嵌入信息(&M)"}, C::Emg),

    M("mnuProgram", {"&Program", "编程(&P)"}),
    I("mnuReadFromRadio", "mnuProgram", {"&Read from Radio", "从对讲机读取数据(&R)"},
      C::ReadFromRadio),
    I("mnuWriteToRadio", "mnuProgram", {"&Write to Radio", "向对讲机写入数据(&W)"}, C::WriteToRadio),
    I("mnuTest", "mnuProgram", {"&Test Mode", "测试模式(&T)"}, C::TestMode, false),
    I("mnuMWriteToRadio", "mnuProgram", {"Write to &Group of Radios", "成批向对讲机写入数据(&G)"},
      C::MWriteToRadio, false),

    MenuEntry{"mnuTools", {}, {"&Tools", "工具(&T)"}, std::nullopt, false},
    I("mnuRadioInfo", "mnuTools", {"&Radio Information", "对讲机信息(&R)"}, C::RadioInfo),
    I("mnuSetRadioInfo", "mnuTools", {"&Set Radio Information", "设置对讲机信息(&S)"},
      C::SetRadioInfo),

    M("mnuSet", {"&Setup", "设置(&S)"}),
    I("mnuComm", "mnuSet", {"&Communication Port", "通讯端口(&C)"}, C::Comm),
    I("mnuLanguage", "mnuSet", {"&Language Setup", "语言设置(&L)"}, C::Language),
    I("MnuInitial", "mnuSet", {"&Initial Setting", "初始化设置(&I)"}, C::Initial),

    M("mnuView", {"&View", "视图(&V)"}),
    Check("mnuTreeView", "mnuView", {"Tree &View", "树视图(&V)"}, C::TreeView, true),
    Check("mnuViewToolbar", "mnuView", {"&Toolbar", "工具栏(&T)"}, C::ViewToolbar),
    Check("mnuViewStatusBar", "mnuView", {"&Status Bar", "状态栏(&S)"}, C::ViewStatusBar),

    M("mnuWindow", {"&Window", "窗口(&W)"}),
    I("mnuWindowCascade", "mnuWindow", {"&Cascade", "层叠(&C)"}, C::WindowCascade),
    I("mnuWindowTileHorizontal", "mnuWindow", {"Tile Windows &Horizontally", "横向平铺窗口(&H)"},
      C::WindowTileHorizontal, false),
    I("mnuWindowTileVertical", "mnuWindow", {"Tile Windows &Vertically", "纵向平铺窗口(&V)"},
      C::WindowTileVertical, false),
    I("mnuWindowArrangeIcons", "mnuWindow", {"&Arrange Icons", "排列图标(&A)"},
      C::WindowArrangeIcons, false, true),
    I("mnuCloseAll", "mnuWindow", {"Close All &Windows", "关闭所有窗口(&W)"}, C::CloseAll, true,
      true),

    M("mnuHelp", {"&Help", "帮助(&H)"}),
    I("mnuHelpTopic", "mnuHelp", {"&Help topics", "帮助主题(&H)"}, C::HelpTopic, false, true),
    I("mnuHelpAbout", "mnuHelp", {"&About ZB_347RX", "关于 ZB_347RX(&A)"}, C::About),
});

}  // namespace

std::span<const MenuEntry> MainMenuEntries() { return kEntries; }

const MenuEntry* FindMenuEntry(std::string_view name) {
    for (const MenuEntry& e : kEntries)
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace zb
