#pragma once
// Lists of a few entries that each name the grid row they belong to (the DTMF autodial memory,
// the FleetSync fleet list). The entries in use come first, in the order they were created;
// the count says how many are in use.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace zb {

// The count as far as the array can hold it: a damaged file may store anything.
template <class Entry, std::size_t N>
int UsedEntryCount(const std::array<Entry, N>&, int16_t count) {
    return std::clamp<int>(count, 0, static_cast<int>(N));
}

// The index of the entry in use that names the row, or -1.
template <class Entry, std::size_t N>
int FindRowEntry(const std::array<Entry, N>& entries, int16_t count, int row) {
    const int used = UsedEntryCount(entries, count);
    for (int i = 0; i < used; ++i)
        if (entries[static_cast<std::size_t>(i)].Row == row) return i;
    return -1;
}

// Removes an entry in use: the later ones move up by one, the freed place is cleared.
template <class Entry, std::size_t N>
void RemoveRowEntry(std::array<Entry, N>& entries, int16_t& count, int index) {
    const int used = UsedEntryCount(entries, count);
    if (index < 0 || index >= used) return;
    for (int i = index; i + 1 < used; ++i)
        entries[static_cast<std::size_t>(i)] = entries[static_cast<std::size_t>(i) + 1];
    entries[static_cast<std::size_t>(used) - 1] = Entry{};
    count = static_cast<int16_t>(used - 1);
}

// Appends an entry after those in use; false (and nothing changed) when all are in use.
template <class Entry, std::size_t N>
bool AppendRowEntry(std::array<Entry, N>& entries, int16_t& count, const Entry& entry) {
    const int used = UsedEntryCount(entries, count);
    if (used >= static_cast<int>(N)) return false;
    entries[static_cast<std::size_t>(used)] = entry;
    count = static_cast<int16_t>(used + 1);
    return true;
}

}  // namespace zb
