// Tiling the main window's children and lining up the minimised ones.
#include <gtest/gtest.h>

#include "app/window_arrange.h"

namespace zb {
namespace {

TEST(WindowArrange, TilesCoverTheAreaAndIconsLineUpFromTheBottomLeft) {
    using R = ChildRect;
    struct Case {
        int count, width, height;
        bool horizontal;
        std::vector<ChildRect> rects;
    } cases[] = {
        {1, 300, 200, true, {R{0, 0, 300, 200}}},
        {3, 300, 200, true, {R{0, 0, 300, 66}, R{0, 66, 300, 66}, R{0, 132, 300, 68}}},
        {2, 301, 200, false, {R{0, 0, 150, 200}, R{150, 0, 151, 200}}},
        {0, 300, 200, true, {}},
        {2, 0, 200, false, {}},
        // More children than pixels: each keeps at least one.
        {3, 2, 10, false, {R{0, 0, 1, 10}, R{1, 0, 1, 10}, R{1, 0, 1, 10}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TileRects(c.count, c.width, c.height, c.horizontal), c.rects)
            << c.count << " in " << c.width << "x" << c.height;

    // Two icons fit in a row of 250: the third starts a row above.
    EXPECT_EQ(IconRects(3, 100, 20, 250, 200),
              (std::vector<ChildRect>{R{0, 180, 100, 20}, R{100, 180, 100, 20}, R{0, 160, 100, 20}}));
    EXPECT_EQ(IconRects(2, 100, 20, 50, 200),  // narrower than one icon: one per row
              (std::vector<ChildRect>{R{0, 180, 100, 20}, R{0, 160, 100, 20}}));
    EXPECT_TRUE(IconRects(0, 100, 20, 250, 200).empty());
}

}  // namespace
}  // namespace zb
