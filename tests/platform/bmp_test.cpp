#include <gtest/gtest.h>

#include "platform/codecs/bmp_reader.h"
#include "platform/codecs/bmp_writer.h"
#include "platform/codecs/byte_reader.h"
#include "platform/codecs/image_sink.h"
#include "tests/fixtures/bmp_maker.h"

namespace marevisk {
namespace {

using fixtures::BmpSpec;
using fixtures::MakeBmp;

TEST(BmpWriterTest, WritesTheClassicHeaderAndBottomRowFirst) {
    Image img(3, 2, MakeArgb(1, 2, 3));
    img.row(1)[0] = MakeArgb(200, 100, 50);  // bottom-left
    const std::string bmp = EncodeBmp24(img);
    const Bytes b = bmp;
    const std::size_t stride = 12;  // 9 bytes brought up to a multiple of 4
    EXPECT_EQ(bmp.size(), 54 + 2 * stride);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {2, 54 + 24}, {10, 54}, {14, 40}, {18, 3}, {22, 2}, {34, 24}, {38, 0}, {46, 0}};
    for (auto [at, value] : fields) EXPECT_EQ(U32LE(b, at), value) << "offset " << at;
    EXPECT_EQ(U16LE(b, 26), 1u);
    EXPECT_EQ(U16LE(b, 28), 24u);
    EXPECT_EQ(U32LE(b, 30), 0u);
    // First stored pixel: the bottom-left one, as blue, green, red.
    EXPECT_EQ(U8(b, 54), 50u);
    EXPECT_EQ(U8(b, 55), 100u);
    EXPECT_EQ(U8(b, 56), 200u);
}

struct RoundTrip {
    const char* name;
    BmpSpec spec;
};

// A 5 x 3 picture in four colours, stored every way the reader takes.
TEST(BmpReaderTest, ReadsEveryDepthAndLayout) {
    const std::vector<Colour> palette = {0x000000, 0xffffff, 0x0000ff, 0x00ff00};
    const std::vector<std::uint32_t> indices = {0, 1, 2, 3, 0, 3, 3, 3, 1, 1, 2, 0, 1, 0, 2};
    std::vector<std::uint32_t> colours;
    for (std::uint32_t i : indices) colours.push_back(palette[i]);
    const RoundTrip cases[] = {
        {"1 bit", {5, 3, 1, false, false, false, BmpSpec::None, {0x000000, 0xffffff}}},
        {"4 bit", {5, 3, 4, false, false, false, BmpSpec::None, palette}},
        {"8 bit", {5, 3, 8, false, false, false, BmpSpec::None, palette}},
        {"8 bit core", {5, 3, 8, false, true, false, BmpSpec::None, palette}},
        {"16 bit 555", {5, 3, 16}},
        {"16 bit 565 masks", {5, 3, 16, false, false, true}},
        {"24 bit", {5, 3, 24}},
        {"24 bit top-down", {5, 3, 24, true}},
        {"24 bit core", {5, 3, 24, false, true}},
        {"32 bit", {5, 3, 32}},
        {"RLE8", {5, 3, 8, false, false, false, BmpSpec::Rle8, palette}},
        {"RLE4", {5, 3, 4, false, false, false, BmpSpec::Rle4, palette}},
    };
    for (const RoundTrip& c : cases) {
        const bool mono = c.spec.bpp == 1;
        std::vector<std::uint32_t> in;
        for (std::uint32_t i : indices)
            in.push_back(c.spec.bpp <= 8 ? (mono ? i & 1 : i) : palette[i]);
        ImageSink sink;
        std::string reason;
        int depth = 0;
        ASSERT_TRUE(DecodeBmp(MakeBmp(c.spec, in), sink, reason, {}, &depth))
            << c.name << ": " << reason;
        EXPECT_EQ(depth, c.spec.bpp) << c.name;
        ASSERT_EQ(sink.image.width, 5) << c.name;
        ASSERT_EQ(sink.image.height, 3) << c.name;
        for (int i = 0; i < 15; ++i) {
            const Colour want =
                mono ? (indices[std::size_t(i)] & 1 ? 0xffffff : 0) : colours[std::size_t(i)];
            EXPECT_EQ(ColourFromArgb(sink.image.pixels[std::size_t(i)]), want)
                << c.name << " pixel " << i;
        }
    }
}

TEST(BmpReaderTest, RoundTripsTheWriter) {
    Image img(7, 4);
    for (std::size_t i = 0; i < img.pixels.size(); ++i)
        img.pixels[i] = MakeArgb(int(i * 9), int(255 - i), 77);
    ImageSink sink;
    std::string reason;
    ASSERT_TRUE(DecodeBmp(EncodeBmp24(img), sink, reason));
    EXPECT_EQ(sink.image.pixels, img.pixels);
}

TEST(BmpReaderTest, ATruncatedPictureShowsItsCompleteRowsOrIsRefused) {
    std::vector<std::uint32_t> px(4 * 4, 0x0000ff);
    const std::string whole = MakeBmp({4, 4, 24}, px);
    const std::size_t header = 54, stride = 12;
    ImageSink sink;
    std::string reason;
    // Two stored rows survive: the bottom two rows of the picture.
    ASSERT_TRUE(DecodeBmp(whole.substr(0, header + 2 * stride + 5), sink, reason));
    EXPECT_EQ(sink.image.at(0, 3), ArgbFromColour(0x0000ff));
    EXPECT_EQ(sink.image.at(0, 2), ArgbFromColour(0x0000ff));
    EXPECT_EQ(sink.image.at(0, 0), 0u) << "never arrived: transparent";
    EXPECT_FALSE(DecodeBmp(whole.substr(0, header + 5), sink, reason));
    EXPECT_FALSE(reason.empty());
    // The strict reading refuses anything short.
    EXPECT_FALSE(DecodeBmp(whole.substr(0, whole.size() - 1), sink, reason, {true, true}));
}

TEST(BmpReaderTest, RefusesForgedSizesBeforeTakingMemory) {
    std::string bmp = MakeBmp({2, 2, 24}, std::vector<std::uint32_t>(4, 0));
    struct Forgery {
        const char* name;
        std::uint32_t width, height;
    };
    for (const Forgery f : {Forgery{"huge", 65500, 65500},
                            {"zero width", 0, 2},
                            {"INT_MIN height", 2, 0x80000000u},
                            {"negative width", 0xfffffffeu, 2},
                            {"just over the side limit", 16385, 1}}) {
        fixtures::PutLE(bmp, 18, f.width, 4);
        fixtures::PutLE(bmp, 22, f.height, 4);
        ImageSink sink;
        std::string reason;
        EXPECT_FALSE(DecodeBmp(bmp, sink, reason)) << f.name;
        EXPECT_TRUE(sink.image.empty()) << f.name;
    }
}

TEST(BmpReaderTest, PaletteIndicesAndRunsPastTheirLimitsStayInBounds) {
    // Two colours in the table, index 9 used: shows black.
    const std::string bmp =
        MakeBmp({2, 1, 8, false, false, false, BmpSpec::None, {0xffffff, 0x0000ff}}, {9, 1});
    ImageSink sink;
    std::string reason;
    ASSERT_TRUE(DecodeBmp(bmp, sink, reason));
    EXPECT_EQ(sink.image.at(0, 0), 0xff000000u);
    EXPECT_EQ(sink.image.at(1, 0), ArgbFromColour(0x0000ff));
    // An RLE8 run of 255 pixels in a 3-pixel row, then a delta far beyond the picture.
    std::string rle =
        MakeBmp({3, 2, 8, false, false, false, BmpSpec::Rle8, {0x00ff00}}, {0, 0, 0, 0, 0, 0});
    const std::size_t pixels = rle.size() - 10;  // the encoded rows start here
    rle.replace(pixels, std::string::npos, std::string("\xff\x00\x00\x02\xff\xff\x00\x01", 8));
    ASSERT_TRUE(DecodeBmp(rle, sink, reason));
    EXPECT_EQ(sink.image.at(2, 1), ArgbFromColour(0x00ff00));
}

}  // namespace
}  // namespace marevisk
