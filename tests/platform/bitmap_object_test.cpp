#include "platform/pixels/bitmap_object.h"

#include <gtest/gtest.h>

#include "tests/fixtures/bmp_maker.h"

namespace marevisk {
namespace {

using fixtures::BmpSpec;

TEST(BitmapObjectTest, EmptyUntilLoadedAndReadsZeroOutside) {
    BitmapObject b;
    EXPECT_EQ(b.width(), -1);
    EXPECT_EQ(b.height(), -1);
    EXPECT_EQ(b.depth(), -1);
    EXPECT_EQ(b.pixel(0, 0), 0u);
    b.setPixel(0, 0, 0xffffff);  // ignored
    EXPECT_EQ(b.width(), -1);
}

TEST(BitmapObjectTest, LoadsUncompressedPicturesOfEveryDepth) {
    const std::vector<Colour> palette = {0x112233, 0x0000ff};
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        BmpSpec spec{3, 2, bpp};
        if (bpp <= 8) spec.palette = palette;
        std::vector<std::uint32_t> px =
            bpp <= 8 ? std::vector<std::uint32_t>{0, 1, 0, 1, 1, 0}
                     : std::vector<std::uint32_t>{0, 0x0000ff, 0, 0x0000ff, 0x0000ff, 0};
        BitmapObject b;
        b.loadFromBmp(fixtures::MakeBmp(spec, px));
        ASSERT_EQ(b.width(), 3) << bpp;
        ASSERT_EQ(b.height(), 2) << bpp;
        EXPECT_EQ(b.depth(), bpp);
        EXPECT_EQ(b.pixel(1, 0), 0x0000ffu) << bpp;
        EXPECT_EQ(b.pixel(0, 1), 0x0000ffu) << bpp;
        EXPECT_EQ(b.pixel(3, 0), 0u) << bpp << ": outside";
        EXPECT_EQ(b.pixel(-1, 0), 0u) << bpp;
    }
}

TEST(BitmapObjectTest, AnythingElseLeavesItEmpty) {
    BitmapObject b;
    b.createBlank(4, 4, 24, 0xffffff);
    const std::string good = fixtures::MakeBmp({2, 2, 24}, std::vector<std::uint32_t>(4, 0));
    const std::string rle =
        fixtures::MakeBmp({2, 2, 8, false, false, false, BmpSpec::Rle8, {0}}, {0, 0, 0, 0});
    for (const std::string& bad :
         {std::string(), std::string("BM"), std::string("not a bitmap at all"), rle,
          good.substr(0, good.size() - 1)}) {
        b.createBlank(4, 4, 24, 0xffffff);
        b.loadFromBmp(bad);
        EXPECT_EQ(b.width(), -1);
        EXPECT_EQ(b.depth(), -1);
    }
}

TEST(BitmapObjectTest, CreateBlankFillsAndChecksItsArguments) {
    BitmapObject b;
    b.createBlank(3, 2, 24, 0xabcdef);
    EXPECT_EQ(b.pixel(2, 1), 0xabcdefu);
    b.setPixel(2, 1, 0x0000ff);
    EXPECT_EQ(b.pixel(2, 1), 0x0000ffu);
    b.setPixel(3, 1, 0x123456);  // outside: nothing
    for (auto [w, h, depth] :
         {std::array{3, 2, 7}, {0, 2, 24}, {3, -1, 24}, {3, 2, -1}, {100000, 1, 24}}) {
        b.createBlank(w, h, depth, 0);
        EXPECT_EQ(b.width(), -1) << w << "x" << h << "x" << depth;
    }
}

}  // namespace
}  // namespace marevisk
