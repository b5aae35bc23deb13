#include "features/tone_graph.h"

#include <algorithm>
#include <cstdint>

namespace zb {
namespace {

// a * b / c rounded to the nearest whole number, halves up; a, b >= 0, c > 0.
int MulDivRound(int64_t a, int64_t b, int64_t c) {
    return static_cast<int>((2 * a * b + c) / (2 * c));
}

}  // namespace

std::vector<GraphBox> ToneGraphBoxes(const RogerBeepRecord& beep, int innerWidth, int innerHeight) {
    std::vector<GraphBox> boxes;
    const int w = std::max(0, innerWidth - 2 * kGraphMargin);
    const int h = std::max(0, innerHeight - 2 * kGraphMargin);
    int total = 0;
    for (const ToneEntry& tone : beep.Tone) total += std::max<int>(0, tone.ToneLength);
    if (total < 1) return boxes;

    const int baseline = innerHeight - kGraphMargin;
    int x = kGraphMargin;
    for (int k = 0; k < kTonesPerBeep; ++k) {
        const ToneEntry& tone = beep.Tone[k];
        if (tone.ToneLength <= 0) continue;
        const int width = MulDivRound(tone.ToneLength, w, total);
        // Codes outside 0..255 come only from damaged data; keep the box inside the picture.
        const int height = std::clamp(MulDivRound(std::max<int>(0, tone.ToneFreq), h, 256), 0, h);
        boxes.push_back({x, baseline - height, width, height, k % 2 == 0});
        x += width;
    }
    return boxes;
}

}  // namespace zb
