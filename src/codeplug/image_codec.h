#pragma once
// Conversion between the 16384-byte radio image and the records of the open document.
// The codec keeps no state: it works on ctx.Doc, ctx.Image and ctx.Rmg.

#include <cstdint>
#include <string>
#include <string_view>

namespace zb {

struct AppContext;

void ClearImage(AppContext& ctx);      // every byte 0xFF, bitmaps and group bits 0x00
void EncodeImage(AppContext& ctx);     // ctx.Doc into ctx.Image (cleared first)
void DecodeImage(AppContext& ctx);     // ctx.Image into ctx.Doc, after a normal read
void DecodeRmgData(AppContext& ctx);   // image 0x3F08..0x3FEF into ctx.Rmg

std::string HexByte(uint8_t b);
std::string PadFreq(std::string_view text);
uint16_t ToneWordOf(int toneIndex);
int ToneIndexOf(uint8_t high, uint8_t low);

}  // namespace zb
