#pragma once
// The bar graph of a roger-beep sequence: one box per sounding tone, widths in proportion to
// the tone lengths, heights to the frequencies.

#include <vector>

#include "codeplug/records.h"

namespace zb {

inline constexpr int kGraphMargin = 50;  // units left free on each side and below the boxes

struct GraphBox {
    int x;       // left edge
    int top;     // y grows downwards
    int width;
    int height;  // the box stands on the line kGraphMargin above the bottom edge
    bool red;    // odd-numbered tones red, even-numbered tones blue

    bool operator==(const GraphBox&) const = default;
};

// Boxes for a picture of innerWidth x innerHeight units, in tone order. Empty when the
// lengths add up to nothing.
std::vector<GraphBox> ToneGraphBoxes(const RogerBeepRecord& beep, int innerWidth, int innerHeight);

}  // namespace zb
