#include "platform/pixels/line_raster.h"

#include <gtest/gtest.h>

namespace marevisk {
namespace {

constexpr Argb kWhite = 0xffffffffu;
const Argb kRed = ArgbFromColour(0x0000ff);

int CountRed(const Image& img) {
    int n = 0;
    for (Argb p : img.pixels) n += p == kRed;
    return n;
}

struct ThinCase {
    int x1, y1, x2, y2, painted;
};

TEST(LineRasterTest, OnePixelLinesLeaveTheirEndPointUnpainted) {
    const ThinCase cases[] = {{2, 2, 8, 2, 6}, {2, 2, 2, 9, 7}, {1, 1, 6, 6, 5},
                              {8, 3, 1, 5, 7}, {4, 4, 4, 4, 0}, {0, 0, 1, 0, 1}};
    for (const ThinCase& c : cases) {
        Image img(12, 12, kWhite);
        DrawLine(img, Pen{0, kModeCopyPen, 0x0000ff}, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(CountRed(img), c.painted) << c.x1 << "," << c.y1 << "->" << c.x2 << "," << c.y2;
        if (c.painted) {
            EXPECT_EQ(img.at(c.x1, c.y1), kRed);
            EXPECT_EQ(img.at(c.x2, c.y2), kWhite);
        }
    }
}

TEST(LineRasterTest, WidthOneDrawsLikeWidthZero) {
    Image a(10, 10, kWhite), b(10, 10, kWhite);
    DrawLine(a, Pen{0, kModeCopyPen, 0x0000ff}, 1, 2, 8, 7);
    DrawLine(b, Pen{1, kModeCopyPen, 0x0000ff}, 1, 2, 8, 7);
    EXPECT_EQ(a.pixels, b.pixels);
}

TEST(LineRasterTest, FarAwayEndsAreClippedNotWrapped) {
    Image img(20, 20, kWhite);
    const Rect changed =
        DrawLine(img, Pen{0, kModeCopyPen, 0x0000ff}, -5'000'000, 10, 5'000'000, 10);
    EXPECT_EQ(changed, (Rect{0, 10, 20, 1}));
    for (int x = 0; x < 20; ++x) EXPECT_EQ(img.at(x, 10), kRed);
    EXPECT_EQ(CountRed(img), 20);
    // Entirely outside: nothing.
    EXPECT_TRUE(DrawLine(img, Pen{5, kModeCopyPen, 0}, -100, -100, -50, -60).empty());
    // A line from inside to a point far below wraps nowhere.
    Image tall(5, 5, kWhite);
    DrawLine(tall, Pen{0, kModeCopyPen, 0x0000ff}, 2, 2, 2, 70000);
    EXPECT_EQ(CountRed(tall), 3);
}

TEST(LineRasterTest, WideLinesHaveRoundEndsAndTouchEveryPixelOnce) {
    Image img(30, 30, kWhite);
    // XOR applied once per pixel: the band shows; drawn a second time it is gone again.
    const Pen xor_pen{5, 6, 0xffffff};
    DrawLine(img, xor_pen, 10, 15, 20, 15);
    EXPECT_EQ(img.at(15, 15), 0xff000000u);
    EXPECT_EQ(img.at(15, 13), 0xff000000u);  // within 2.5 of the axis
    EXPECT_EQ(img.at(15, 12), kWhite);
    EXPECT_EQ(img.at(7, 15), kWhite);       // beyond the round end
    EXPECT_EQ(img.at(8, 15), 0xff000000u);  // the end cap reaches 2 further
    EXPECT_EQ(img.at(8, 13), kWhite);       // a round cap, not a square one
    DrawLine(img, xor_pen, 10, 15, 20, 15);
    for (Argb p : img.pixels) ASSERT_EQ(p, kWhite);
}

TEST(LineRasterTest, PenSettingsAreClamped) {
    Image img(8, 8, kWhite);
    DrawLine(img, Pen{-4, 99, 0x0000ff}, 0, 0, 4, 0);  // width 0, mode 15 (white)
    EXPECT_EQ(CountRed(img), 0);
    DrawLine(img, Pen{0, -1, 0x0000ff}, 0, 1, 4, 1);  // mode 0: black
    EXPECT_EQ(img.at(0, 1), 0xff000000u);
}

}  // namespace
}  // namespace marevisk
