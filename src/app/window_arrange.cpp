#include "app/window_arrange.h"

#include <algorithm>

namespace zb {

std::vector<ChildRect> TileRects(int count, int areaWidth, int areaHeight, bool horizontal) {
    std::vector<ChildRect> rects;
    if (count <= 0 || areaWidth <= 0 || areaHeight <= 0) return rects;
    const int length = horizontal ? areaHeight : areaWidth;
    const int share = std::max(1, length / count);
    for (int i = 0; i < count; ++i) {
        const int start = std::min(i * share, length - 1);
        const int size = i == count - 1 ? std::max(1, length - start) : share;
        if (horizontal)
            rects.push_back({0, start, areaWidth, size});
        else
            rects.push_back({start, 0, size, areaHeight});
    }
    return rects;
}

std::vector<ChildRect> IconRects(int count, int iconWidth, int iconHeight, int areaWidth, int areaHeight) {
    std::vector<ChildRect> rects;
    if (count <= 0 || iconWidth <= 0 || iconHeight <= 0) return rects;
    const int perRow = std::max(1, areaWidth / iconWidth);
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        rects.push_back({column * iconWidth, areaHeight - (row + 1) * iconHeight, iconWidth, iconHeight});
    }
    return rects;
}

}  // namespace zb
