#include "platform/codecs/picture_decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/codecs/gif_decoder.h"
#include "platform/codecs/icon_decoder.h"
#include "platform/codecs/image_sink.h"
#include "platform/codecs/jpeg_decoder.h"
#include "platform/codecs/pcx_decoder.h"
#include "platform/codecs/picture_format.h"
#include "tests/fixtures/bmp_maker.h"
#include "tests/fixtures/picture_maker.h"

namespace marevisk {
namespace {

using namespace fixtures;

const Argb kFace = MakeArgb(240, 240, 240);

// A 16 x 12 picture: red left half, blue right half, a green band of four rows at the bottom.
Image Sample(int w = 16, int h = 12) {
    Image img(w, h, MakeArgb(255, 0, 0));
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x) img.row(y)[x] = MakeArgb(0, 0, 255);
    for (int y = h - 4; y < h; ++y)
        for (int x = 0; x < w; ++x) img.row(y)[x] = MakeArgb(0, 255, 0);
    return img;
}

bool Near(Argb a, Argb b, int tolerance) {
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
           std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

TEST(PictureFormatTest, RecognisesByTheFirstSixBytesOnly) {
    const std::pair<std::string, PictureFormat> cases[] = {
        {std::string("BM\0\0\0\0", 6), PictureFormat::Bmp},
        {std::string("\xff\xd8\xff\xe0\0\0", 6), PictureFormat::Jpeg},
        {std::string("\0\0\1\0\1\0", 6), PictureFormat::Icon},
        {std::string("\0\0\2\0\3\0", 6), PictureFormat::Cursor},
        {std::string("\0\0\1\0\0\0", 6), PictureFormat::None},  // an icon with no entries
        {"GIF89a", PictureFormat::Gif},
        {"GIF87a", PictureFormat::Gif},
        {"GIF88a", PictureFormat::None},
        {std::string("\x0a\x05\x01\x08\0\0", 6), PictureFormat::Pcx8},
        {std::string("\x0a\x06\x01\x08\0\0", 6), PictureFormat::None},
        {std::string("\x0a\x03\x01\x01\0\0", 6), PictureFormat::Pcx1},
        {"BM", PictureFormat::None},  // shorter than six bytes
        {"hello, world", PictureFormat::None},
    };
    for (const auto& [bytes, format] : cases) EXPECT_EQ(RecognisePicture(bytes), format) << bytes;
}

struct FormatCase {
    const char* name;
    std::string bytes;
    int tolerance;  // JPEG is lossy
};

TEST(PictureDecoderTest, DecodesEveryFormatFromSmallFixtures) {
    const Image sample = Sample();
    std::vector<std::uint8_t> indices;
    for (Argb p : sample.pixels)
        indices.push_back(p == MakeArgb(255, 0, 0) ? 0 : p == MakeArgb(0, 0, 255) ? 1 : 2);
    const std::vector<Colour> palette = {0x0000ff, 0xff0000, 0x00ff00};
    GifSpec gif{16, 12, 0, 0, 16, 12, false, -1, palette};
    GifSpec interlaced = gif;
    interlaced.interlaced = true;
    const FormatCase cases[] = {
        {"GIF", MakeGif(gif, indices), 0},
        {"interlaced GIF", MakeGif(interlaced, indices), 0},
        {"PCX 8-bit palette", MakePcx8(sample, palette, indices), 0},
        {"PCX 24-bit planes", MakePcx8(sample, {}, {}), 0},
        {"baseline JPEG", MakeJpeg(sample), 40},
        {"progressive JPEG", MakeJpeg(sample, {true}), 40},
        {"CMYK JPEG", MakeJpeg(sample, {false, false, true}), 40},
        {"icon with PNG", MakeIcon({{MakePng(sample), 16, 12, 32}}), 0},
        {"cursor with DIB",
         MakeIcon({{MakeIconDib(sample, std::vector<bool>(192, false)), 16, 12, 24}}, true), 0},
    };
    for (const FormatCase& c : cases) {
        ImageSink sink;
        std::string reason;
        const PictureFormat f = RecognisePicture(c.bytes);
        const bool ok = f == PictureFormat::Gif    ? DecodeGif(c.bytes, sink, reason)
                        : f == PictureFormat::Jpeg ? DecodeJpeg(c.bytes, sink, reason)
                        : f == PictureFormat::Pcx8 ? DecodePcx(c.bytes, sink, reason)
                                                   : DecodeIcon(c.bytes, sink, reason);
        ASSERT_TRUE(ok) << c.name << ": " << reason;
        ASSERT_EQ(sink.image.width, 16) << c.name;
        ASSERT_EQ(sink.image.height, 12) << c.name;
        // Away from the edges between colours, where JPEG's colour subsampling blurs.
        for (auto [x, y] : {std::pair{1, 1}, {14, 2}, {3, 10}, {12, 10}, {5, 4}, {10, 4}})
            EXPECT_TRUE(Near(sink.image.at(x, y), sample.at(x, y), c.tolerance))
                << c.name << " at " << x << "," << y << ": " << std::hex << sink.image.at(x, y);
    }
}

TEST(PictureDecoderTest, GreyJpegAndOneBitPcx) {
    Image white(8, 8, 0xffffffffu);
    ImageSink sink;
    std::string reason;
    ASSERT_TRUE(DecodeJpeg(MakeJpeg(white, {false, true}), sink, reason));
    EXPECT_TRUE(Near(sink.image.at(4, 4), 0xffffffffu, 2));
    std::vector<std::uint8_t> bits(10 * 3, 0);
    bits[1] = bits[29] = 1;
    ASSERT_TRUE(DecodePcx(MakePcx1(10, 3, bits), sink, reason));
    EXPECT_EQ(sink.image.at(1, 0), 0xffffffffu);
    EXPECT_EQ(sink.image.at(0, 0), 0xff000000u);
    EXPECT_EQ(sink.image.at(9, 2), 0xffffffffu);
}

TEST(PictureDecoderTest, TransparencyShowsTheCanvasColour) {
    // A GIF whose index 1 is transparent, a GIF frame smaller than its screen, an icon mask.
    const std::vector<Colour> palette = {0x0000ff, 0x00ff00};
    const FittedPicture gif =
        DecodeFitted(MakeGif({2, 1, 0, 0, 2, 1, false, 1, palette}, {0, 1}), 288, 416, kFace);
    ASSERT_TRUE(gif.ok()) << gif.reason;
    EXPECT_EQ(gif.image.at(0, 0), MakeArgb(255, 0, 0));
    EXPECT_EQ(gif.image.at(1, 0), kFace);
    const FittedPicture framed =
        DecodeFitted(MakeGif({4, 2, 2, 1, 2, 1, false, -1, palette}, {0, 0}), 288, 416, kFace);
    ASSERT_TRUE(framed.ok());
    EXPECT_EQ(framed.image.at(0, 0), kFace);
    EXPECT_EQ(framed.image.at(2, 1), MakeArgb(255, 0, 0));
    const Image sample(4, 4, MakeArgb(255, 0, 0));
    std::vector<bool> clear(16, false);
    clear[0] = true;  // top-left
    const FittedPicture icon =
        DecodeFitted(MakeIcon({{MakeIconDib(sample, clear), 4, 4, 24}}), 288, 416, kFace);
    ASSERT_TRUE(icon.ok()) << icon.reason;
    EXPECT_EQ(icon.image.at(0, 0), kFace);
    EXPECT_EQ(icon.image.at(1, 0), MakeArgb(255, 0, 0));
}

TEST(PictureDecoderTest, TheBestIconEntryIsChosen) {
    const Image small(4, 4, MakeArgb(255, 0, 0)), big(8, 8, MakeArgb(0, 0, 255));
    const std::string icon = MakeIcon(
        {{MakeIconDib(small, std::vector<bool>(16, false)), 4, 4, 24}, {MakePng(big), 8, 8, 32}});
    const FittedPicture fitted = DecodeFitted(icon, 288, 416, kFace);
    ASSERT_TRUE(fitted.ok());
    EXPECT_EQ(fitted.image.width, 8);
    EXPECT_EQ(fitted.image.at(3, 3), MakeArgb(0, 0, 255));
}

TEST(PictureDecoderTest, PhotosAreTurnedUprightByTheirOrientationTag) {
    // Stored 16 x 12 with red on the left; tag 6 (turned right) shows 12 x 16 with red on top.
    const FittedPicture p =
        DecodeFitted(MakeJpeg(Sample(), {false, false, false, 6}), 288, 416, kFace);
    ASSERT_TRUE(p.ok()) << p.reason;
    EXPECT_EQ(p.image.width, 12);
    EXPECT_EQ(p.image.height, 16);
    EXPECT_EQ(p.place, (Rect{138, 200, 12, 16}));
    EXPECT_TRUE(Near(p.image.at(6, 2), MakeArgb(255, 0, 0), 40));
    EXPECT_TRUE(Near(p.image.at(6, 13), MakeArgb(0, 0, 255), 40));
}

TEST(PictureDecoderTest, BigPicturesAreShrunkToFitWhileDecoding) {
    const Image big(640, 480, MakeArgb(10, 200, 30));
    for (const std::string& bytes :
         {MakeJpeg(big),
          MakeBmp({640, 480, 24}, std::vector<std::uint32_t>(640 * 480, 0x1ec80a))}) {
        const FittedPicture p = DecodeFitted(bytes, 288, 416, kFace);
        ASSERT_TRUE(p.ok());
        EXPECT_EQ(p.place, (Rect{0, 100, 288, 216}));
        EXPECT_TRUE(Near(p.image.at(100, 100), MakeArgb(10, 200, 30), 6));
    }
}

struct BadInput {
    const char* name;
    std::string bytes;
};

TEST(PictureDecoderTest, BadInputsAreRefusedWithAReason) {
    const std::string jpeg = MakeJpeg(Sample(64, 64));
    std::string huge_jpeg = jpeg;
    for (std::size_t i = 0; i + 8 < huge_jpeg.size(); ++i)
        if (std::uint8_t(huge_jpeg[i]) == 0xff && std::uint8_t(huge_jpeg[i + 1]) == 0xc0) {
            huge_jpeg[i + 5] = char(0xff), huge_jpeg[i + 6] = char(0xdc);  // height 65500
            huge_jpeg[i + 7] = char(0xff), huge_jpeg[i + 8] = char(0xdc);  // width 65500
            break;
        }
    std::string huge_bmp = MakeBmp({2, 2, 24}, std::vector<std::uint32_t>(4, 0));
    PutLE(huge_bmp, 18, 65500, 4), PutLE(huge_bmp, 22, 65500, 4);
    std::string huge_gif = MakeGif({2, 2, 0, 0, 2, 2, false, -1, {0}}, {0, 0, 0, 0});
    PutLE(huge_gif, 6, 65500, 2), PutLE(huge_gif, 8, 65500, 2);
    const BadInput cases[] = {
        {"empty", ""},
        {"shorter than six bytes", "BM\x10"},
        {"wrong magic", "PK\x03\x04 not a picture"},
        {"text named .jpg", "This is just a text file.\nNothing to see.\n"},
        {"JPEG header only", jpeg.substr(0, 20)},
        {"JPEG cut before any row", jpeg.substr(0, jpeg.size() / 8)},
        {"forged huge JPEG", huge_jpeg},
        {"forged huge BMP", huge_bmp},
        {"forged huge GIF", huge_gif},
        {"GIF with no frame", std::string("GIF89a\x02\0\x02\0\0\0\0;", 14)},
        {"icon pointing past its end",
         std::string("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0\x28\0\0\0\xff\xff\0\0", 22)},
        {"PCX header only", MakePcx1(8, 8, std::vector<std::uint8_t>(64, 0)).substr(0, 128)},
    };
    for (const BadInput& c : cases) {
        const FittedPicture p = DecodeFitted(c.bytes, 288, 416, kFace);
        EXPECT_FALSE(p.ok()) << c.name;
        EXPECT_TRUE(p.image.empty()) << c.name;
    }
}

TEST(PictureDecoderTest, ATruncatedPictureShowsWhatDecoded) {
    const std::string jpeg = MakeJpeg(Sample(64, 64));
    EXPECT_TRUE(DecodeFitted(jpeg.substr(0, jpeg.size() * 3 / 4), 288, 416, kFace).ok());
    // Cut inside the compressed rows (they come after 781 bytes of header and colour table, in
    // blocks of 255 bytes).
    std::vector<std::uint8_t> noise(200 * 200);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = std::uint8_t((i * 7919) % 13);
    const std::string gif = MakeGif({200, 200, 0, 0, 200, 200, false, -1, {0x0000ff}}, noise);
    EXPECT_TRUE(DecodeFitted(gif.substr(0, gif.size() - 300), 288, 416, kFace).ok());
}

}  // namespace
}  // namespace marevisk
