// Writes the seed corpora for the fuzz targets: `make_seeds DIR` fills DIR/picture and
// DIR/bitmap with small valid files of every kind.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/fixtures/bmp_maker.h"
#include "tests/fixtures/picture_maker.h"

using namespace marevisk;
using namespace marevisk::fixtures;

namespace {

void Put(const std::filesystem::path& dir, const char* name, const std::string& bytes) {
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

Image Sample(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.row(y)[x] = MakeArgb(x * 255 / w, y * 255 / h, (x ^ y) & 255);
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return std::fprintf(stderr, "usage: make_seeds DIR\n"), 2;
    const std::filesystem::path root = argv[1];
    const auto pictures = root / "picture", bitmaps = root / "bitmap";
    const Image img = Sample(9, 7);
    std::vector<std::uint32_t> colours, indices;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < img.pixels.size(); ++i) {
        colours.push_back(ColourFromArgb(img.pixels[i]));
        indices.push_back(std::uint32_t(i % 4));
        bytes.push_back(std::uint8_t(i % 4));
    }
    const std::vector<Colour> palette = {0x000000, 0xffffff, 0x0000ff, 0x00ff00};
    struct Bmp {
        const char* name;
        BmpSpec spec;
    };
    const Bmp bmps[] = {
        {"1bit.bmp", {9, 7, 1, false, false, false, BmpSpec::None, {0, 0xffffff}}},
        {"4bit.bmp", {9, 7, 4, false, false, false, BmpSpec::None, palette}},
        {"8bit.bmp", {9, 7, 8, false, false, false, BmpSpec::None, palette}},
        {"core.bmp", {9, 7, 8, false, true, false, BmpSpec::None, palette}},
        {"16bit.bmp", {9, 7, 16}},
        {"565.bmp", {9, 7, 16, false, false, true}},
        {"24bit.bmp", {9, 7, 24}},
        {"topdown.bmp", {9, 7, 24, true}},
        {"32bit.bmp", {9, 7, 32}},
        {"rle8.bmp", {9, 7, 8, false, false, false, BmpSpec::Rle8, palette}},
        {"rle4.bmp", {9, 7, 4, false, false, false, BmpSpec::Rle4, palette}},
    };
    for (const Bmp& b : bmps) {
        std::vector<std::uint32_t> px = b.spec.bpp <= 8 ? indices : colours;
        if (b.spec.bpp == 1)
            for (auto& p : px) p &= 1;
        const std::string file = MakeBmp(b.spec, px);
        Put(pictures, b.name, file);
        if (b.spec.rle == BmpSpec::None) Put(bitmaps, b.name, file);
    }
    Put(pictures, "baseline.jpg", MakeJpeg(img));
    Put(pictures, "progressive.jpg", MakeJpeg(img, {true}));
    Put(pictures, "grey.jpg", MakeJpeg(img, {false, true}));
    Put(pictures, "cmyk.jpg", MakeJpeg(img, {false, false, true}));
    Put(pictures, "rotated.jpg", MakeJpeg(img, {false, false, false, 6}));
    Put(pictures, "plain.gif", MakeGif({9, 7, 0, 0, 9, 7, false, -1, palette}, bytes));
    Put(pictures, "interlaced.gif", MakeGif({12, 9, 1, 1, 9, 7, true, 2, palette}, bytes));
    Put(pictures, "palette.pcx", MakePcx8(img, palette, bytes));
    Put(pictures, "rgb.pcx", MakePcx8(img, {}, {}));
    Put(pictures, "mono.pcx", MakePcx1(9, 7, bytes));
    std::vector<bool> clear(img.pixels.size());
    for (std::size_t i = 0; i < clear.size(); i += 3) clear[i] = true;
    Put(pictures, "dib.ico", MakeIcon({{MakeIconDib(img, clear), 9, 7, 24}}));
    Put(pictures, "png.ico", MakeIcon({{MakePng(img), 9, 7, 32}}));
    Put(pictures, "two.cur",
        MakeIcon({{MakeIconDib(img, clear), 9, 7, 24}, {MakePng(Sample(4, 4)), 4, 4, 32}}, true));
    // A text canvas like the one the tracer sees: black strokes on white.
    Image text(40, 12, 0xffffffffu);
    for (int x = 3; x < 30; ++x) text.row(5)[x] = text.row(6)[x] = MakeArgb(20, 20, 20);
    for (int y = 2; y < 10; ++y) text.row(y)[10] = text.row(y)[25] = MakeArgb(90, 90, 90);
    std::vector<std::uint32_t> text_px;
    for (Argb p : text.pixels) text_px.push_back(ColourFromArgb(p));
    Put(bitmaps, "text.bmp", MakeBmp({40, 12, 24}, text_px));
    return 0;
}
