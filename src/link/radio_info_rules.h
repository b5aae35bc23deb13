#pragma once
// The Set Radio Information window's rules: what it shows of the model record, the version
// box correction, the date stamp and what Write stores.

#include <string>
#include <string_view>

#include "codeplug/calendar.h"

namespace zb {

struct AppContext;

// ModelType trimmed and cut to its first 3 characters.
std::string ShownModelType(const AppContext& ctx);
// Leaving the version box: empty becomes "V"; a text not starting with "V" gets one in front
// and is cut to 5 characters.
std::string FixVersionText(std::string_view text);
// "20240315" for 15 March 2024.
std::string TimeSyncText(const CalendarDate& today);
// Stores the boxes into the model record (each text followed by a NUL, cut or padded).
void StoreRadioInfo(AppContext& ctx, std::string_view modelType, std::string_view bandText,
                    std::string_view serialNumber, std::string_view versionText);

}  // namespace zb
