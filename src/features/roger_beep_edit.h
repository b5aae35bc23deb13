#pragma once
// The roger-beep editor without its widgets: the items of its lists, which item shows a stored
// value, and the user's changes with their refusals.

#include <string>
#include <vector>

#include "codeplug/records.h"

namespace zb {

struct AppContext;

inline constexpr int kRepeatItems = 11;      // "Off", 1..10
inline constexpr int kTimeItems = 256;       // 0, 10 .. 2550 ms (pause and tone lengths)
inline constexpr int kFrequencyItems = 217;  // "None", 400 .. 2550 Hz
inline constexpr int kLowestFrequencyCode = 40;
inline constexpr int kHighestFrequencyCode = 255;

std::vector<std::string> RepeatListItems(int languageIndex);
std::vector<std::string> TimeListItems();
std::vector<std::string> FrequencyListItems(int languageIndex);
// The translation list: "None", then 10, 20 .. 2550 (item index = frequency code).
std::vector<std::string> FrequencyCodeItems(int languageIndex);

// The item a repeat, pause or length list shows for a stored value: the value itself, or the
// first item when there is no such item.
int ShownTimeOrRepeatItem(int value, int itemCount);
// The frequency item of a code; "None" (0) for 0 and for codes that no item offers.
int FrequencyItemOfCode(int code);
// The code an item of a frequency list stores: 0 for "None", else 40..255.
int FrequencyCodeOfItem(int item);

// The user's changes to sequence 1..8. A refused change leaves everything as it was and
// returns false; the list then shows the stored value again. An accepted change of a repeat
// count or a length brings every channel's roger-beep selection up to date.
//
// Refused while exactly one sequence is usable: a repeat count of "Off", and a length that
// leaves all fourteen lengths of the sequence at 0.
bool ChooseRecycleTimes(AppContext& ctx, int sequence, int item);
bool ChooseToneLength(AppContext& ctx, int sequence, int tone, int item);
void ChooseInterTime(AppContext& ctx, int sequence, int item);
void ChooseToneFrequency(AppContext& ctx, int sequence, int tone, int item);

}  // namespace zb
