#pragma once
// The main window's menu bar as data: every item's name, captions, place and command.

#include <optional>
#include <span>
#include <string_view>

#include "app/main_commands.h"
#include "app/text_table.h"

namespace zb {

struct MenuEntry {
    std::string_view name;    // mnu... object name
    std::string_view parent;  // empty: a menu of the menu bar
    TextTable caption;
    std::optional<Command> command;  // nothing: a menu
    bool shown = true;               // false: never visible in this build
    bool separatorAfter = false;
    bool checkable = false;          // the three View toggles, checked at start
    std::string_view shortcut = {};
};

// In menu-bar order, every item right after its menu.
std::span<const MenuEntry> MainMenuEntries();
const MenuEntry* FindMenuEntry(std::string_view name);

// The hidden items that open a window or run a command, shown for service work (with their
// menus); the window arrangements and the help topics stay hidden.
inline constexpr std::string_view kServiceMenuItems[] = {
    "mnuFilePrint", "mnuModel",     "mnuModelInfo", "mnuKeyAssignm",   "mnuScanInfo",
    "mnuDTMF",      "mnuFleetSync", "mnuTestFre",   "mnuTest",         "mnuMWriteToRadio",
    "mnuTools",     "mnuRadioInfo", "mnuSetRadioInfo",
};

// Tree node captions that are not menu captions.
inline constexpr TextTable kTreeRootCaption{"ZB-347RX", "ZB-347RX"};
inline constexpr TextTable kTreeResetCaption{"Reset Initialize", "复位初始化"};
inline constexpr int kTreeToneTipsTextId = 12014;
inline constexpr int kToneTipsMenuTextId = 10221;

}  // namespace zb
