#pragma once
// Byte layout of the data file (one CodeplugData, 1653 bytes) and of its channel file (44-byte
// channel records): fields back to back, integers little-endian, texts blank-padded.

#include <string>
#include <string_view>

#include "codeplug/records.h"

namespace zb {

inline constexpr std::size_t kDataFileSize = 1653;
inline constexpr std::size_t kChannelRecordSize = 44;

std::string EncodeCodeplugData(const CodeplugData& data);
// Reads the first kDataFileSize bytes; false (data untouched) when there are fewer.
bool DecodeCodeplugData(std::string_view bytes, CodeplugData& data);

std::string EncodeChannelRecord(const ChannelRecord& channel);
// Reads the first kChannelRecordSize bytes; false (channel untouched) when there are fewer.
bool DecodeChannelRecord(std::string_view bytes, ChannelRecord& channel);

// The channel file of a data file: its path with the last three characters replaced by "fre".
std::string ChannelFilePath(const std::string& dataFilePath);

}  // namespace zb
