#pragma once
// The rules of the radio-information windows: what they show of the model record, the version
// box correction, the date stamp and what the write stores (model type, band, serial number,
// version), as Set Radio Information and the command line take them.

#include <string>
#include <string_view>

#include "codeplug/calendar.h"

namespace zb {

struct AppContext;
struct ModelInfoRecord;

inline constexpr std::size_t kSerialBoxLength = 10;   // characters the serial box takes
inline constexpr std::size_t kVersionBoxLength = 5;   // characters the version box takes
inline constexpr char kRadioInfoModelLetter = 'C';

// The boxes take 7-bit characters only: codes 0 and above 127 are discarded.
bool RadioInfoCharAllowed(unsigned char c);

// The document's ModelType trimmed and cut to its first 3 characters.
std::string ShownModelType(const AppContext& ctx);

// The date stamp of the serial box: "20240315" for 15 March 2024.
std::string TimeSyncText(const CalendarDate& today);

// Leaving the version box: an empty text becomes "V"; a text not starting with "V" gets one
// in front and is cut to 5 characters ("201" -> "V201", "200AB" -> "V200A").
std::string NormalizeVersionText(std::string_view text);

// Write: the boxes' values into the model record. Each text is followed by a NUL and cut or
// padded to its field; the band code is 0 only for the standard band text.
void StoreRadioInfo(ModelInfoRecord& m, std::string_view modelType, std::string_view bandText,
                    std::string_view serialNumber, std::string_view versionText);

}  // namespace zb
