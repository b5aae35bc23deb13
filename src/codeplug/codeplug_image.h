#pragma once
// The radio image: 16384 bytes mirroring the radio's memory, addresses 0x0000..0x3FFF. A read
// fills it block by block, a write sends it; image_layout.h tells where everything lies.

#include <array>
#include <cstdint>

#include "codeplug/image_layout.h"

namespace zb {

inline constexpr int kImageSize = layout::kImageSize;
using CodeplugImage = std::array<uint8_t, kImageSize>;

}  // namespace zb
