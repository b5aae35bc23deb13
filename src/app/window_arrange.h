#pragma once
// Where the main window's Window menu puts its children: tiled one above the other or side by
// side, and minimised children lined up along the bottom edge.

#include <vector>

namespace zb {

struct ChildRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ChildRect&) const = default;
};

// Tile horizontally: each child as wide as the area, stacked from the top. Tile vertically:
// each as high as the area, side by side from the left. The last child takes the pixels
// left over by the division.
std::vector<ChildRect> TileRects(int count, int areaWidth, int areaHeight, bool horizontal);

// Arrange Icons: minimised children of the given size in a row along the bottom edge from the
// left; a child that would pass the right edge starts a new row above.
std::vector<ChildRect> IconRects(int count, int iconWidth, int iconHeight, int areaWidth, int areaHeight);

}  // namespace zb
