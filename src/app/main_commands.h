#pragma once
// What the main window's menus, toolbar and tree ask for, and the texts of its status bar.
// The window maps its widgets onto these; the rules need no toolkit.

#include <optional>
#include <string>
#include <string_view>

namespace zb {

struct AppContext;

enum class Command {
    FileNew, FileOpen, FileSave, FileSaveAs, FilePrint, FileExit,
    ModelInfo,
    ChannelInfo, OptFeature, KeyAssignm, ScanInfo, ToneTips, Reset, Dtmf, FleetSync, TestFre,
    EmbeddedMsg, Emg,
    ReadFromRadio, WriteToRadio, TestMode, MWriteToRadio,
    RadioInfo, SetRadioInfo,
    Comm, Language, Initial,
    TreeView, ViewToolbar, ViewStatusBar,
    WindowCascade, WindowTileHorizontal, WindowTileVertical, WindowArrangeIcons, CloseAll,
    HelpTopic, About,
    NewWithoutWarning,  // the toolbar's New button: a new document at once
    ImportChannelsCsv, ExportChannelsCsv,
};

// Keys of the child windows (also their object names).
inline constexpr const char* kChannelTableKey = "frmCommChInfo";
inline constexpr const char* kOptFeaturesKey = "FrmOptFeatures";
inline constexpr const char* kKeyAssignmKey = "FrmKeyAssignm";
inline constexpr const char* kScanInfoKey = "FrmScanInfo";
inline constexpr const char* kToneTipsKey = "FrmToneTips";
inline constexpr const char* kResetModeKey = "FrmResetMode";
inline constexpr const char* kDtmfKey = "FrmDTMF";
inline constexpr const char* kFleetSyncKey = "FrmFleetSync";
inline constexpr const char* kTestFreKey = "FrmTestFre";
inline constexpr const char* kEmbMsgKey = "FrmEmbMsg";

// The command of a main toolbar button key; nothing for a key that has none.
std::optional<Command> ToolbarCommandOf(std::string_view key);
// The command of a tree node key; nothing for the root and for unknown keys.
std::optional<Command> TreeCommandOf(std::string_view key);
// The child window a command shows; empty for commands that show none.
std::string ChildKeyOf(Command command);
// Commands that need the radio link.
bool NeedsRadioLink(Command command);

// Status bar: "ZB-347RX[28.000000 - 29.700000 MHz]".
std::string ModelPanelText(const AppContext& ctx);
// "Data File (*.dat)" in the current language, as a file dialog filter.
std::string DataFileFilter(const AppContext& ctx);

// Splitter drag: the panel may grow or shrink by dx only while it stays at least minWidth
// wide and its frame fits into the client area.
bool SplitterMoveAccepted(int panelWidth, int frameWidth, int dx, int clientWidth, int minWidth);

// Window placement in twips (1/1440 inch), as the settings store keeps it.
struct Placement {
    int left = 100;
    int top = 100;
    int width = 14500;
    int height = 10500;
};
inline constexpr int kMinPanelTwips = 300;
int TwipsToPixels(int twips, double dpi);
int PixelsToTwips(int pixels, double dpi);

}  // namespace zb
