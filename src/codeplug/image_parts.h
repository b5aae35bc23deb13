#pragma once
// Pieces of the image codec shared by its source files (not for use elsewhere).

#include <cstdint>
#include <optional>
#include <string_view>

#include "codeplug/codeplug_image.h"
#include "codeplug/image_layout.h"
#include "codeplug/records.h"

namespace zb::codec {

inline constexpr std::string_view kNoFreqText = "FFFFFFFF";

// CleanText without a copy: the text up to its trailing blanks, cut at the first NUL.
std::string_view CleanView(std::string_view text);

// Every byte field of the image takes the value's low 8 bits.
constexpr uint8_t Low8(int value) { return static_cast<uint8_t>(value & 0xFF); }

inline void SetBit(CodeplugImage& image, int start, int bit) {
    image[start + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
}
inline bool TestBit(const CodeplugImage& image, int start, int bit) {
    return (image[start + bit / 8] >> (bit % 8)) & 1u;
}

// Channel and VFO slots (image_channels.cpp).
void EncodeChannels(const Codeplug& doc, CodeplugImage& image);
void EncodeVfos(const CodeplugData& data, CodeplugImage& image);
void DecodeChannels(const CodeplugImage& image, Codeplug& doc);
void DecodeVfos(const CodeplugImage& image, CodeplugData& data);

// Groups, roger-beep sequences, option bytes and texts (image_options.cpp).
void EncodeGroups(const CodeplugData& data, CodeplugImage& image);
void EncodeRogerBeeps(const CodeplugData& data, CodeplugImage& image);
void EncodeOptions(const CodeplugData& data, CodeplugImage& image);
void DecodeGroups(const CodeplugImage& image, CodeplugData& data);
void DecodeRogerBeeps(const CodeplugImage& image, CodeplugData& data);
void DecodeOptions(const CodeplugImage& image, CodeplugData& data);

}  // namespace zb::codec
