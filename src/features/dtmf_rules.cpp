#include "features/dtmf_rules.h"

#include <algorithm>

#include "codeplug/records.h"
#include "codeplug/text_util.h"
#include "features/row_entry_list.h"

namespace zb {

char32_t IdCodeKey(char32_t typed) { return typed >= '0' && typed <= '9' ? typed : 0; }

char32_t DtmfSymbolKey(char32_t typed) {
    if (typed >= 'a' && typed <= 'd') return typed - 'a' + 'A';
    if ((typed >= '0' && typed <= '9') || (typed >= 'A' && typed <= 'D') || typed == '#' ||
        typed == '*')
        return typed;
    return 0;
}

std::string ShownIdCode(const FixedText<kIdCodeWidth>& code) {
    const std::string text = CleanText(code);
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

bool StoreIdCode(FixedText<kIdCodeWidth>& code, std::string_view text) {
    if (text.size() < static_cast<std::size_t>(kIdCodeMinDigits)) return false;
    code.Set(text);
    return true;
}

int ShownListPosition(int stored, int itemCount) {
    return stored >= 0 && stored < itemCount ? stored : 0;
}

namespace {
constexpr int kDelayFirstMs = 100;
constexpr int kDelayStepMs = 50;
constexpr int kDelayItems = 19;
}  // namespace

std::vector<std::string> FirstDigitDelayItems() {
    std::vector<std::string> items;
    for (int i = 0; i < kDelayItems; ++i) items.push_back(std::to_string(kDelayFirstMs + i * kDelayStepMs));
    return items;
}

int FirstDigitDelayPosition(int stored) {
    const int ms = stored * 10;
    if (ms < kDelayFirstMs || (ms - kDelayFirstMs) % kDelayStepMs != 0) return 0;
    return ShownListPosition((ms - kDelayFirstMs) / kDelayStepMs, kDelayItems);
}

int16_t FirstDigitDelayValue(int position) {
    return static_cast<int16_t>((kDelayFirstMs + ShownListPosition(position, kDelayItems) * kDelayStepMs) / 10);
}

int GroupCodePosition(int stored) {
    const auto* end = std::end(kGroupCodeChars);
    const auto* it = std::find(std::begin(kGroupCodeChars), end, stored);
    return it == end ? 0 : static_cast<int>(it - std::begin(kGroupCodeChars)) + 1;
}

int16_t GroupCodeOfPosition(int position) {
    if (position < 1 || position >= kGroupCodeItems) return 0;
    return static_cast<int16_t>(kGroupCodeChars[position - 1]);
}

std::string ShownMemoryRow(const OptionSettingsRecord& settings, int row) {
    const int index = FindRowEntry(settings.DtmfMemory, settings.DtmfMemoryCount, row);
    return index < 0 ? std::string() : CleanText(settings.DtmfMemory[static_cast<std::size_t>(index)].Digits);
}

void StoreMemoryRow(OptionSettingsRecord& settings, int row, std::string_view text) {
    const int index = FindRowEntry(settings.DtmfMemory, settings.DtmfMemoryCount, row);
    if (index >= 0) {
        if (text.empty()) {
            RemoveRowEntry(settings.DtmfMemory, settings.DtmfMemoryCount, index);
        } else {
            StoreTextWithNul(settings.DtmfMemory[static_cast<std::size_t>(index)].Digits, text);
        }
        return;
    }
    // An empty row stays without entry: an empty entry would only grow the count.
    if (text.empty()) return;
    DtmfMemoryEntry entry;
    entry.Row = static_cast<int16_t>(row);
    StoreTextWithNul(entry.Digits, text);
    AppendRowEntry(settings.DtmfMemory, settings.DtmfMemoryCount, entry);
}

}  // namespace zb
