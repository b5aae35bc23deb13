#pragma once
// Conversion between the 16384-byte radio image and the records of a document. The codec keeps
// no state and works on the records and the image it is given.

#include <cstdint>
#include <string>
#include <string_view>

#include "codeplug/codeplug_image.h"
#include "codeplug/records.h"

namespace zb {

// Every byte 0xFF, bitmaps and group bits 0x00.
void ClearImage(CodeplugImage& image);
// The document into the image (cleared first).
void EncodeImage(const Codeplug& doc, CodeplugImage& image);
// The image into the document, after a normal read.
void DecodeImage(const CodeplugImage& image, Codeplug& doc);
// Image 0x3F08..0x3FEF into the production and sales record.
void DecodeRmgData(const CodeplugImage& image, RmgDataRecord& rmg);

std::string HexByte(uint8_t b);
std::string PadFreq(std::string_view text);
uint16_t ToneWordOf(int toneIndex);
int ToneIndexOf(uint8_t high, uint8_t low);

}  // namespace zb
