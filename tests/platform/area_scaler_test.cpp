#include "platform/pixels/area_scaler.h"

#include <gtest/gtest.h>

namespace marevisk {
namespace {

TEST(AreaScalerTest, AveragesTheAreaBehindEachPixel) {
    Image src(4, 2);
    const Argb row0[4] = {MakeArgb(0, 0, 0), MakeArgb(200, 0, 0), MakeArgb(10, 10, 10),
                          MakeArgb(10, 10, 10)};
    const Argb row1[4] = {MakeArgb(0, 0, 0), MakeArgb(200, 0, 0), MakeArgb(30, 30, 30),
                          MakeArgb(30, 30, 30)};
    std::copy_n(row0, 4, src.row(0));
    std::copy_n(row1, 4, src.row(1));
    const Image out = ScaleArea(src, 2, 1);
    EXPECT_EQ(out.at(0, 0), MakeArgb(100, 0, 0));
    EXPECT_EQ(out.at(1, 0), MakeArgb(20, 20, 20));
}

TEST(AreaScalerTest, UnevenRatiosKeepAFlatColourFlat) {
    Image src(288, 416, MakeArgb(12, 200, 99));
    const Image out = ScaleArea(src, 222, 389);
    ASSERT_EQ(out.width, 222);
    ASSERT_EQ(out.height, 389);
    for (Argb p : out.pixels) ASSERT_EQ(p, MakeArgb(12, 200, 99));
}

TEST(AreaScalerTest, TurnsPicturesUprightWhileReducing) {
    // 2 x 1 stored, left pixel red; orientation 6 (turned right) shows it 1 x 2 with red on top.
    const Argb row[2] = {MakeArgb(255, 0, 0), MakeArgb(0, 0, 255)};
    struct Case {
        int code, w, h;
        int red_x, red_y;
    };
    for (const Case c : {Case{1, 2, 1, 0, 0}, Case{2, 2, 1, 1, 0}, Case{6, 1, 2, 0, 0},
                         Case{8, 1, 2, 0, 1}, Case{3, 2, 1, 1, 0}, Case{5, 1, 2, 0, 0}}) {
        AreaScaler s(2, 1, Orientation{c.code}, c.w, c.h);
        s.addRow(0, row);
        const Image out = s.finish(0xff000000u);
        ASSERT_EQ(out.width, c.w) << c.code;
        ASSERT_EQ(out.height, c.h) << c.code;
        EXPECT_EQ(out.at(c.red_x, c.red_y), MakeArgb(255, 0, 0)) << "orientation " << c.code;
    }
}

TEST(AreaScalerTest, MissingRowsAndTransparencyShowTheBackground) {
    AreaScaler s(2, 2, Orientation{}, 2, 2);
    const Argb half[2] = {MakeArgb(255, 255, 255, 0), MakeArgb(0, 0, 0, 255)};
    s.addRow(0, half);  // row 1 never arrives
    const Image out = s.finish(MakeArgb(10, 20, 30));
    EXPECT_EQ(out.at(0, 0), MakeArgb(10, 20, 30));
    EXPECT_EQ(out.at(1, 0), MakeArgb(0, 0, 0));
    EXPECT_EQ(out.at(0, 1), MakeArgb(10, 20, 30));
}

}  // namespace
}  // namespace marevisk
