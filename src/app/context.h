#pragma once
// The program's whole state, owned by main and passed by reference. Every test starts from a
// fresh one.

#include <array>
#include <cstdint>
#include <optional>

#include "app/document_state.h"
#include "app/shell_views.h"
#include "base/prompter.h"
#include "base/settings.h"
#include "base/text_table.h"
#include "channels/channel_views.h"
#include "codeplug/calendar.h"
#include "codeplug/codeplug_image.h"
#include "codeplug/identity.h"
#include "codeplug/records.h"
#include "files/version_table.h"
#include "link/group_write_state.h"
#include "link/link_state.h"
#include "link/link_views.h"
#include "testmode/testmode_state.h"

namespace zb {

class SerialLine;
class PortDirectory;
class TimerFactory;

struct AppContext {
    AppContext() = default;
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Codeplug Doc;    // the open document
    Codeplug Stage;  // the FileStage: staging copy for data files and the unsaved-changes test
    CodeplugImage Image{};
    RmgDataRecord Rmg;

    Settings settings;
    Folders folders;
    Identity identity;
    DocumentState document;
    VersionTable versions;
    LinkState link;
    std::optional<CalendarDate> fixedToday;  // "today" for dated defaults; empty: the clock
    GroupWriteState groupWrite;
    TestModeState testMode;

    // Outside world. The defaults answer every question with its first button and report
    // every window as closed; the GUI, the command line and tests replace them.
    ScriptedPrompter defaultPrompter;
    ChannelViews defaultChannelViews;
    ShellViews defaultShellViews;
    ProgramLauncher defaultLauncher;
    Prompter* prompter = &defaultPrompter;
    ChannelViews* channelViews = &defaultChannelViews;
    ShellViews* shellViews = &defaultShellViews;
    ProgramLauncher* launcher = &defaultLauncher;

    // The radio link's outside world: serial line, port list and timers are given by the
    // GUI, the command line or a test; without them no conversation starts.
    LinkViews defaultLinkViews;
    LinkViews* linkViews = &defaultLinkViews;
    SerialLine* line = nullptr;
    PortDirectory* ports = nullptr;
    TimerFactory* timers = nullptr;

    // The factory test mode's windows.
    TestModeViews defaultTestModeViews;
    TestModeViews* testModeViews = &defaultTestModeViews;
};

// The text of a table in the current language.
inline std::string Text(const AppContext& ctx, const TextTable& table) {
    return std::string(table[ctx.settings.LanguageIndex]);
}

}  // namespace zb
