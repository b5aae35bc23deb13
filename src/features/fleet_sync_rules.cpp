#include "features/fleet_sync_rules.h"

#include <algorithm>
#include <charconv>

#include "codeplug/records.h"
#include "features/row_entry_list.h"

namespace zb {
namespace {

int ColumnFirst(FleetColumn column) { return column == FleetColumn::Fleet ? kFleetFirst : kIdFirst; }
int ColumnLast(FleetColumn column) { return column == FleetColumn::Fleet ? kFleetLast : kIdLast; }
// Stored value = number - offset.
int ColumnOffset(FleetColumn column) { return ColumnFirst(column) - 1; }

}  // namespace

OwnPairView ShowOwnPair(const FleetSyncSettingsRecord& settings) {
    if (settings.OwnFleet == kNoOwnFleet) return {true, 0, 0};
    OwnPairView view;
    if (settings.OwnFleet >= 1 && settings.OwnFleet <= kFleetNumbers) view.fleetIndex = settings.OwnFleet - 1;
    if (settings.OwnId >= 1 && settings.OwnId <= kIdNumbers) view.idIndex = settings.OwnId - 1;
    return view;
}

OwnPairView ChooseOwnFleet(FleetSyncSettingsRecord& settings, const OwnPairView& view, int index) {
    OwnPairView next = view;
    const int blank = view.blankItems ? 1 : 0;
    if (view.blankItems && index == 0) {
        settings.OwnFleet = kNoOwnFleet;
        settings.OwnId = kNoOwnId;
        next.fleetIndex = 0;
        next.idIndex = 0;
        return next;
    }
    const int number = index - blank;  // 0-based fleet number
    if (number < 0 || number >= kFleetNumbers) return view;
    settings.OwnFleet = static_cast<int16_t>(number + 1);
    next.fleetIndex = index;
    if (view.blankItems && view.idIndex == 0) {
        next.blankItems = false;
        next.fleetIndex = number;
        next.idIndex = 0;
        settings.OwnId = 1;
    }
    return next;
}

OwnPairView ChooseOwnId(FleetSyncSettingsRecord& settings, const OwnPairView& view, int index) {
    OwnPairView next = view;
    const int blank = view.blankItems ? 1 : 0;
    if (view.blankItems && index == 0) {
        settings.OwnId = kNoOwnId;
        next.idIndex = 0;
        return next;
    }
    const int number = index - blank;
    if (number < 0 || number >= kIdNumbers) return view;
    settings.OwnId = number + 1;
    next.idIndex = index;
    if (view.blankItems && view.fleetIndex == 0) {
        next.blankItems = false;
        next.idIndex = number;
        next.fleetIndex = 0;
        settings.OwnFleet = 1;
    }
    return next;
}

char32_t FleetListKey(char32_t typed) {
    if (typed == 'a') return 'A';
    return (typed >= '0' && typed <= '9') || typed == 'A' ? typed : 0;
}

std::string FleetCellText(FleetColumn column, int32_t stored, std::string_view allText) {
    if (stored == kFleetListEmpty) return {};
    if (stored == kFleetListAll) return std::string(allText);
    return std::to_string(static_cast<int64_t>(stored) + ColumnOffset(column));
}

std::string FleetBoxText(FleetColumn column, int32_t stored) {
    return stored == kFleetListAll ? std::string("A") : FleetCellText(column, stored, {});
}

std::optional<int32_t> FleetBoxValue(FleetColumn column, std::string_view text) {
    if (text.empty()) return kFleetListEmpty;
    if (text.find('A') != std::string_view::npos) return kFleetListAll;
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    number = std::clamp(number, ColumnFirst(column), ColumnLast(column));
    const int32_t stored = number - ColumnOffset(column);
    if (stored == kFleetListEmpty) return std::nullopt;
    return stored;
}

int32_t FleetListValue(const OptionSettingsRecord& settings, int row, FleetColumn column) {
    const int index = FindRowEntry(settings.FleetSyncStatus, settings.FleetSyncStatusCount, row);
    if (index < 0) return kFleetListEmpty;
    const FleetSyncStatusEntry& entry = settings.FleetSyncStatus[static_cast<std::size_t>(index)];
    return column == FleetColumn::Fleet ? entry.Fleet : entry.Id;
}

void StoreFleetListCell(OptionSettingsRecord& settings, int row, FleetColumn column, int32_t value) {
    auto& entries = settings.FleetSyncStatus;
    int16_t& count = settings.FleetSyncStatusCount;
    const int index = FindRowEntry(entries, count, row);
    if (index < 0) {
        if (value == kFleetListEmpty) return;
        FleetSyncStatusEntry entry{static_cast<int16_t>(row), static_cast<int16_t>(kFleetListEmpty),
                                   kFleetListEmpty};
        if (column == FleetColumn::Fleet) {
            entry.Fleet = static_cast<int16_t>(value);
        } else {
            entry.Id = value;
        }
        AppendRowEntry(entries, count, entry);
        return;
    }
    FleetSyncStatusEntry& entry = entries[static_cast<std::size_t>(index)];
    if (column == FleetColumn::Fleet) {
        entry.Fleet = static_cast<int16_t>(value);
    } else {
        entry.Id = value;
    }
    if (entry.Fleet == kFleetListEmpty && entry.Id == kFleetListEmpty) RemoveRowEntry(entries, count, index);
}

}  // namespace zb
