#pragma once
// Where channels live in the records and how a new one starts. The channel edit operations,
// the defaults and the image codec all make channels this way.

#include <string_view>

#include "codeplug/records.h"

namespace zb {

// The start frequency of a VFO that has none (stored form of 28.015000 MHz).
inline constexpr std::string_view kVfoStartFreq = "28015000";

// ChannelCount of group g limited to 0..40; 0 for a g outside 0..19.
int UsedChannels(const CodeplugData& data, int group);

// A new channel chNo: valid, both frequencies set to the stored form given, in the scan list,
// every tone and flag off.
void MakeNewChannel(ChannelRecord& slot, int chNo, std::string_view storedFreq);

// Appends a new channel to group g (0..19); g 20 makes VfoA new, any g above 20 VfoB. A full
// group, and a g below 0, are left as they are.
void AppendChannel(Codeplug& doc, int group, int chNo, std::string_view storedFreq);

}  // namespace zb
