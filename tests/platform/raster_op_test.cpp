#include "platform/pixels/raster_op.h"

#include <gtest/gtest.h>

namespace marevisk {
namespace {

// Destination bits 1100 and pen bits 1010 in every nibble show each operation's truth table.
TEST(RasterOpTest, AllSixteenModesFollowTheirTruthTables) {
    constexpr Argb d = 0xffcccccc, p = 0xffaaaaaa;
    const std::uint32_t expected[16] = {
        0x000000, 0x111111, 0x444444, 0x555555, 0x222222, 0x333333, 0x666666, 0x777777,
        0x888888, 0x999999, 0xcccccc, 0xdddddd, 0xaaaaaa, 0xbbbbbb, 0xeeeeee, 0xffffff,
    };
    for (int m = 0; m < 16; ++m)
        EXPECT_EQ(ApplyRasterOp(m, d, p), 0xff000000u | expected[m]) << "mode " << m;
}

TEST(RasterOpTest, GlowMaskKeepsOnlyRed) {
    // Pen 0xffff00 (blue and green) in mode 2 clears green and blue.
    const Argb under = MakeArgb(0x12, 0x34, 0x56);
    EXPECT_EQ(ApplyRasterOp(kModeMaskNotPen, under, ArgbFromColour(0xffff00)),
              MakeArgb(0x12, 0, 0));
}

}  // namespace
}  // namespace marevisk
