#include "app/main_commands.h"

#include <cmath>
#include <utility>

#include "app/context.h"
#include "app/messages.h"
#include "files/file_texts.h"

namespace zb {
namespace {

struct KeyCommand {
    std::string_view key;
    Command command;
};

constexpr KeyCommand kToolbarKeys[] = {
    {"新建", Command::NewWithoutWarning}, {"打开", Command::FileOpen},
    {"保存", Command::FileSave},          {"打印", Command::FilePrint},
    {"ReadRadio", Command::ReadFromRadio}, {"CommSet", Command::Comm},
    {"WriteRadio", Command::WriteToRadio}, {"MWriteRadio", Command::MWriteToRadio},
    {"About", Command::About},
};

// The click handler knows N3..N7 although no node carries them.
constexpr KeyCommand kTreeKeys[] = {
    {"N1", Command::ChannelInfo}, {"N2", Command::OptFeature}, {"N3", Command::KeyAssignm},
    {"N4", Command::ScanInfo},    {"N5", Command::Dtmf},       {"N6", Command::FleetSync},
    {"N7", Command::TestFre},     {"N8", Command::EmbeddedMsg}, {"N9", Command::Emg},
    {"N12", Command::ToneTips},   {"N13", Command::Reset},
};

template <std::size_t N>
std::optional<Command> Find(const KeyCommand (&table)[N], std::string_view key) {
    for (const auto& entry : table)
        if (entry.key == key) return entry.command;
    return std::nullopt;
}

}  // namespace

std::optional<Command> ToolbarCommandOf(std::string_view key) { return Find(kToolbarKeys, key); }
std::optional<Command> TreeCommandOf(std::string_view key) { return Find(kTreeKeys, key); }

std::string ChildKeyOf(Command command) {
    switch (command) {
        case Command::ChannelInfo: return kChannelTableKey;
        case Command::OptFeature: return kOptFeaturesKey;
        case Command::KeyAssignm: return kKeyAssignmKey;
        case Command::ScanInfo: return kScanInfoKey;
        case Command::ToneTips: return kToneTipsKey;
        case Command::Reset: return kResetModeKey;
        case Command::Dtmf: return kDtmfKey;
        case Command::FleetSync: return kFleetSyncKey;
        case Command::TestFre: return kTestFreKey;
        case Command::EmbeddedMsg: return kEmbMsgKey;
        default: return {};
    }
}

bool NeedsRadioLink(Command command) {
    switch (command) {
        case Command::ReadFromRadio:
        case Command::WriteToRadio:
        case Command::MWriteToRadio:
        case Command::TestMode:
        case Command::Emg:
        case Command::RadioInfo: return true;
        default: return false;
    }
}

std::string ModelPanelText(const AppContext& ctx) {
    return DisplayModelName(ctx.identity.ModelName) + "[" + ctx.identity.BandText + "]";
}

std::string DataFileFilter(const AppContext& ctx) {
    return Text(ctx, msg::DataFileWord) + " (*.dat)";
}

bool SplitterMoveAccepted(int panelWidth, int frameWidth, int dx, int clientWidth, int minWidth) {
    return panelWidth + dx >= minWidth && frameWidth + dx <= clientWidth;
}

int TwipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

int PixelsToTwips(int pixels, double dpi) {
    return dpi > 0 ? static_cast<int>(std::lround(pixels * 1440.0 / dpi)) : pixels * 15;
}

}  // namespace zb
