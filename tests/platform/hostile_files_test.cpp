// Files made to hurt: every one must either show a picture that fits the preview or be refused
// with a reason, quickly, whatever it claims.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/codecs/picture_decoder.h"
#include "tests/fixtures/bmp_maker.h"
#include "tests/fixtures/picture_maker.h"

namespace marevisk {
namespace {

using namespace fixtures;

constexpr Argb kFace = 0xfff0f0f0u;

struct Hostile {
    std::string name;
    std::string bytes;
    bool may_show;  // a picture may come out of it; otherwise it must be refused
};

// Decodes as the preview does and checks the outcome is sound.
void Check(const Hostile& h) {
    const auto start = std::chrono::steady_clock::now();
    const FittedPicture p = DecodeFitted(h.bytes, 288, 416, kFace);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(ms, 2000) << h.name;
    if (p.ok()) {
        EXPECT_TRUE(h.may_show) << h.name << " should have been refused";
        EXPECT_GE(p.place.x, 0) << h.name;
        EXPECT_GE(p.place.y, 0) << h.name;
        EXPECT_LE(p.place.right(), 288) << h.name;
        EXPECT_LE(p.place.bottom(), 416) << h.name;
        EXPECT_EQ(p.image.width, p.place.width) << h.name;
    } else {
        EXPECT_TRUE(p.image.empty()) << h.name;
        EXPECT_FALSE(p.reason.empty()) << h.name;
    }
}

std::string PatchJpegSize(std::string jpeg, std::uint32_t w, std::uint32_t h) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (std::uint8_t(jpeg[i]) == 0xff && (std::uint8_t(jpeg[i + 1]) & 0xf0) == 0xc0 &&
            std::uint8_t(jpeg[i + 1]) != 0xc4 && std::uint8_t(jpeg[i + 1]) != 0xcc) {
            jpeg[i + 5] = char(h >> 8), jpeg[i + 6] = char(h & 0xff);
            jpeg[i + 7] = char(w >> 8), jpeg[i + 8] = char(w & 0xff);
            break;
        }
    return jpeg;
}

std::string PatchBmp(std::string bmp, std::uint32_t w, std::uint32_t h) {
    PutLE(bmp, 18, w, 4), PutLE(bmp, 22, h, 4);
    return bmp;
}

Image Sample() {
    Image img(24, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) img.row(y)[x] = MakeArgb(x * 10, y * 12, (x * y) & 255);
    return img;
}

std::vector<std::string> ValidFiles() {
    const Image img = Sample();
    std::vector<std::uint32_t> colours, indices;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < img.pixels.size(); ++i) {
        colours.push_back(ColourFromArgb(img.pixels[i]));
        indices.push_back(std::uint32_t(i % 4)), bytes.push_back(std::uint8_t(i % 4));
    }
    const std::vector<Colour> pal = {0, 0xffffff, 0x0000ff, 0x00ff00};
    return {
        MakeBmp({24, 20, 24}, colours),
        MakeBmp({24, 20, 8, false, false, false, BmpSpec::Rle8, pal}, indices),
        MakeBmp({24, 20, 4, false, false, false, BmpSpec::Rle4, pal}, indices),
        MakeJpeg(img),
        MakeJpeg(img, {true}),
        MakeGif({24, 20, 0, 0, 24, 20, true, 1, pal}, bytes),
        MakePcx8(img, pal, bytes),
        MakePcx1(24, 20, bytes),
        MakeIcon({{MakeIconDib(img, std::vector<bool>(img.pixels.size())), 24, 20, 24}}),
        MakeIcon({{MakePng(img), 24, 20, 32}}, true),
    };
}

TEST(HostileFilesTest, ForgedSizesInEveryFormatAreRefused) {
    const Image img = Sample();
    const std::string bmp = MakeBmp({2, 2, 24}, std::vector<std::uint32_t>(4, 0));
    const std::string jpeg = MakeJpeg(img), progressive = MakeJpeg(img, {true});
    std::string gif_screen = MakeGif({2, 2, 0, 0, 2, 2, false, -1, {0}}, {0, 0, 0, 0});
    PutLE(gif_screen, 6, 65500, 2), PutLE(gif_screen, 8, 65500, 2);
    std::string gif_frame = MakeGif({2, 2, 0, 0, 2, 2, false, -1, {0}}, {0, 0, 0, 0});
    const std::size_t desc = gif_frame.find(',');  // the image descriptor
    PutLE(gif_frame, desc + 5, 60000, 2), PutLE(gif_frame, desc + 7, 60000, 2);
    std::string pcx = MakePcx1(8, 8, std::vector<std::uint8_t>(64, 0));
    PutLE(pcx, 8, 65000, 2), PutLE(pcx, 10, 65000, 2);
    std::string icon_dib =
        MakeIcon({{MakeIconDib(img, std::vector<bool>(img.pixels.size())), 24, 20, 24}});
    PutLE(icon_dib, 22 + 4, 60000, 4), PutLE(icon_dib, 22 + 8, 120000, 4);
    std::string icon_png = MakeIcon({{MakePng(img), 24, 20, 32}});
    icon_png[22 + 16] = char(0x7f);  // width in IHDR: 2 billion
    const Hostile cases[] = {
        {"BMP 65500 x 65500", PatchBmp(bmp, 65500, 65500), false},
        {"BMP height INT_MIN", PatchBmp(bmp, 2, 0x80000000u), false},
        {"BMP negative width", PatchBmp(bmp, 0xfffffff0u, 2), false},
        {"BMP zero height", PatchBmp(bmp, 2, 0), false},
        {"JPEG 65500 x 65500", PatchJpegSize(jpeg, 65500, 65500), false},
        {"JPEG zero width", PatchJpegSize(jpeg, 0, 20), false},
        {"progressive JPEG 16000 x 16000", PatchJpegSize(progressive, 16000, 16000), false},
        {"GIF screen 65500 x 65500", gif_screen, false},
        {"GIF frame 60000 x 60000", gif_frame, false},
        {"PCX 65000 x 65000", pcx, false},
        {"icon DIB 60000 x 60000", icon_dib, false},
        {"icon PNG 2 billion wide", icon_png, false},
    };
    for (const Hostile& h : cases) Check(h);
}

TEST(HostileFilesTest, IndicesRunsAndFramesOutOfBoundsStayInBounds) {
    const std::vector<Colour> two = {0x0000ff, 0x00ff00};
    // RLE8 data: a run of 255 into a 3-pixel row, an absolute run of 200 pixels, a delta far away.
    std::string rle8 = MakeBmp({3, 3, 8, false, false, false, BmpSpec::Rle8, two},
                               std::vector<std::uint32_t>(9, 9));
    rle8.replace(rle8.size() - 14, std::string::npos,
                 std::string("\xff\x01\x00\x00\x00\xc8", 6) + std::string(200, '\x07') +
                     std::string("\x00\x02\xff\xff\x00\x01", 6));
    std::string rle4 = MakeBmp({3, 3, 4, false, false, false, BmpSpec::Rle4, two},
                               std::vector<std::uint32_t>(9, 1));
    rle4.replace(rle4.size() - 14, std::string::npos,
                 std::string("\xff\x17\x00\x00\x00\xfe", 6) + std::string(127, '\x99'));
    std::string colours_used =
        MakeBmp({2, 1, 8, false, false, false, BmpSpec::None, two}, {200, 1});
    PutLE(colours_used, 14 + 32, 0x7fffffff, 4);  // a colour table "that long"
    const Hostile cases[] = {
        {"palette index past the table",
         MakeBmp({2, 1, 8, false, false, false, BmpSpec::None, two}, {255, 1}), true},
        {"colour count of two billion", colours_used, true},
        {"RLE8 runs past the row", rle8, true},
        {"RLE4 runs past the row", rle4, true},
        {"GIF frame beside the screen",
         MakeGif({10, 10, 2000, 2000, 4, 4, false, -1, two}, std::vector<std::uint8_t>(16, 1)),
         false},
        {"GIF frame half outside",
         MakeGif({10, 10, 8, 8, 4, 4, false, -1, two}, std::vector<std::uint8_t>(16, 1)), true},
        {"GIF index past its colours",
         MakeGif({4, 1, 0, 0, 4, 1, false, -1, two}, {0, 1, 200, 255}), true},
        {"JPEG with 190 scans", MakeJpeg(Sample(), {true, false, false, 0, 90, true}), false},
    };
    for (const Hostile& h : cases) Check(h);
}

TEST(HostileFilesTest, TruncationAtEveryOffsetShowsWhatDecodedOrIsRefused) {
    for (const std::string& file : ValidFiles())
        for (std::size_t cut = 0; cut < file.size(); cut += 1 + file.size() / 400)
            Check({"format " + std::to_string(int(std::uint8_t(file[0]))) + " cut at " +
                       std::to_string(cut),
                   file.substr(0, cut), true});
}

TEST(HostileFilesTest, FlippedBytesNeverBreakTheDecoders) {
    unsigned seed = 12345;
    for (const std::string& file : ValidFiles())
        for (int round = 0; round < 150; ++round) {
            std::string bad = file;
            for (int k = 0; k < 4; ++k) {
                seed = seed * 1103515245u + 12345u;
                bad[(seed >> 8) % bad.size()] ^= char(1u << ((seed >> 4) & 7));
            }
            Check({"flipped bytes, round " + std::to_string(round), bad, true});
        }
}

}  // namespace
}  // namespace marevisk
