#include "features/roger_beep_edit.h"

#include <charconv>

#include "app/context.h"
#include "features/roger_beep_rules.h"
#include "features/text_by_id.h"

namespace zb {
namespace {

constexpr int kTextOff = 29200;
constexpr int kTextNone = 29201;

std::string Integer(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

RogerBeepRecord* Sequence(AppContext& ctx, int sequence) {
    if (sequence < 1 || sequence > kRogerBeepCount) return nullptr;
    return &ctx.Doc.Data.RogerBeepTones[sequence - 1];
}

// Whether every length list shows "0" (a stored value outside the list shows it too).
bool AllLengthListsShowZero(const RogerBeepRecord& beep) {
    for (const ToneEntry& tone : beep.Tone)
        if (ShownTimeOrRepeatItem(tone.ToneLength, kTimeItems) != 0) return false;
    return true;
}

bool ValidTone(int tone) { return tone >= 1 && tone <= kTonesPerBeep; }

}  // namespace

std::vector<std::string> RepeatListItems(int languageIndex) {
    std::vector<std::string> items{TextById(languageIndex, kTextOff)};
    for (int n = 1; n < kRepeatItems; ++n) items.push_back(Integer(n));
    return items;
}

std::vector<std::string> TimeListItems() {
    std::vector<std::string> items;
    for (int n = 0; n < kTimeItems; ++n) items.push_back(Integer(n * 10));
    return items;
}

std::vector<std::string> FrequencyListItems(int languageIndex) {
    std::vector<std::string> items{TextById(languageIndex, kTextNone)};
    for (int code = kLowestFrequencyCode; code <= kHighestFrequencyCode; ++code)
        items.push_back(Integer(code * 10));
    return items;
}

std::vector<std::string> FrequencyCodeItems(int languageIndex) {
    std::vector<std::string> items{TextById(languageIndex, kTextNone)};
    for (int code = 1; code <= kHighestFrequencyCode; ++code) items.push_back(Integer(code * 10));
    return items;
}

int ShownTimeOrRepeatItem(int value, int itemCount) {
    return value >= 0 && value < itemCount ? value : 0;
}

int FrequencyItemOfCode(int code) {
    if (code < kLowestFrequencyCode || code > kHighestFrequencyCode) return 0;
    return code - kLowestFrequencyCode + 1;
}

int FrequencyCodeOfItem(int item) {
    if (item < 1 || item >= kFrequencyItems) return 0;
    return item - 1 + kLowestFrequencyCode;
}

bool ChooseRecycleTimes(AppContext& ctx, int sequence, int item) {
    RogerBeepRecord* beep = Sequence(ctx, sequence);
    if (beep == nullptr || item < 0 || item >= kRepeatItems) return false;
    if (item == beep->RecycleTimes) return true;
    if (CountUsableSequences(ctx.Doc.Data) == 1 && item == 0) return false;
    beep->RecycleTimes = static_cast<int16_t>(item);
    UpdateRogerBeepSelections(ctx);
    return true;
}

bool ChooseToneLength(AppContext& ctx, int sequence, int tone, int item) {
    RogerBeepRecord* beep = Sequence(ctx, sequence);
    if (beep == nullptr || !ValidTone(tone) || item < 0 || item >= kTimeItems) return false;
    int16_t& length = beep->Tone[tone - 1].ToneLength;
    if (item == length) return true;
    RogerBeepRecord after = *beep;
    after.Tone[tone - 1].ToneLength = static_cast<int16_t>(item);
    if (CountUsableSequences(ctx.Doc.Data) == 1 && AllLengthListsShowZero(after)) return false;
    length = static_cast<int16_t>(item);
    UpdateRogerBeepSelections(ctx);
    return true;
}

void ChooseInterTime(AppContext& ctx, int sequence, int item) {
    RogerBeepRecord* beep = Sequence(ctx, sequence);
    if (beep == nullptr || item < 0 || item >= kTimeItems) return;
    beep->InterTime = static_cast<int16_t>(item);
}

void ChooseToneFrequency(AppContext& ctx, int sequence, int tone, int item) {
    RogerBeepRecord* beep = Sequence(ctx, sequence);
    if (beep == nullptr || !ValidTone(tone) || item < 0 || item >= kFrequencyItems) return;
    beep->Tone[tone - 1].ToneFreq = static_cast<int16_t>(FrequencyCodeOfItem(item));
}

}  // namespace zb
