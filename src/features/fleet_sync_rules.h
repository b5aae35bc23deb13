#pragma once
// Rules of the FleetSync editor: the own fleet/ID pair with its blank items, the lists of the
// signalling options, and the fleet list with its cells.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zb {

struct FleetSyncSettingsRecord;
struct OptionSettingsRecord;

inline constexpr int kFleetFirst = 100;  // fleet numbers 100..349, stored as number - 99
inline constexpr int kFleetLast = 349;
inline constexpr int kIdFirst = 1000;    // ID numbers 1000..4999, stored as number - 999
inline constexpr int kIdLast = 4999;
inline constexpr int kFleetNumbers = kFleetLast - kFleetFirst + 1;  // 250
inline constexpr int kIdNumbers = kIdLast - kIdFirst + 1;           // 4000
inline constexpr int16_t kNoOwnFleet = 255;
inline constexpr int32_t kNoOwnId = 0;
inline constexpr int kBaudRateItems = 2;            // "1200", "2400"
inline constexpr int kModulationDelayItems = 6001;  // 0 .. 6000 ms
inline constexpr int kMessageTimerItems = 301;      // "Off", 1 .. 300 s
inline constexpr int kFleetListRows = 8;
inline constexpr int kFleetBoxWidth = 4;
inline constexpr int32_t kFleetListEmpty = 255;
inline constexpr int32_t kFleetListAll = 0;

// How the two own lists stand: whether both carry the blank first item, and the item each
// shows (-1: none).
struct OwnPairView {
    bool blankItems = false;
    int fleetIndex = -1;
    int idIndex = -1;

    bool operator==(const OwnPairView&) const = default;
};

// The lists for the stored pair: both with a blank item showing it while no fleet is set,
// otherwise without blanks, showing the stored numbers (none for a number out of range).
OwnPairView ShowOwnPair(const FleetSyncSettingsRecord& settings);
// The user chose item index of the fleet list (as the lists stand in view): the blank clears
// the pair; a fleet is stored, and while the ID list shows its blank item the blanks go and
// the ID becomes the first one (1000).
OwnPairView ChooseOwnFleet(FleetSyncSettingsRecord& settings, const OwnPairView& view, int index);
// The same for the ID list; its blank item stores 0.
OwnPairView ChooseOwnId(FleetSyncSettingsRecord& settings, const OwnPairView& view, int index);

// Fleet list cells.
enum class FleetColumn { Fleet, Id };

// The box accepts digits and "A" (a lowercase a becomes A); 0 discards the key.
char32_t FleetListKey(char32_t typed);
// A stored value as its cell shows it: empty for 255, allText for 0, otherwise the number.
std::string FleetCellText(FleetColumn column, int32_t stored, std::string_view allText);
// The text a cell's box starts with: "A" for all, otherwise the cell's own text.
std::string FleetBoxText(FleetColumn column, int32_t stored);
// The stored value of a box text: empty gives 255, a text with "A" all (0), a number is
// brought into the column's range first. Nothing when the number cannot be stored because its
// stored form would read as empty (ID 1254).
std::optional<int32_t> FleetBoxValue(FleetColumn column, std::string_view text);

// The value of a row's cell, kFleetListEmpty when the row has no entry.
int32_t FleetListValue(const OptionSettingsRecord& settings, int row, FleetColumn column);
// Stores a cell's value into the row's entry: an entry whose fleet and ID are both empty is
// removed (the later ones move up); a row without entry gets one appended, but not for an
// empty value.
void StoreFleetListCell(OptionSettingsRecord& settings, int row, FleetColumn column, int32_t value);

}  // namespace zb
