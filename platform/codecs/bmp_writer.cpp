#include "platform/codecs/bmp_writer.h"

#include <cstdint>

namespace marevisk {
namespace {

void Put16(std::string& out, std::size_t at, std::uint32_t v) {
    out[at] = char(v & 0xff), out[at + 1] = char((v >> 8) & 0xff);
}
void Put32(std::string& out, std::size_t at, std::uint32_t v) {
    Put16(out, at, v & 0xffff), Put16(out, at + 2, v >> 16);
}

}  // namespace

std::string EncodeBmp24(const Image& image) {
    if (image.empty()) return {};
    const std::size_t stride = (std::size_t(image.width) * 3 + 3) & ~std::size_t(3);
    const std::size_t pixels = stride * std::size_t(image.height);
    std::string out(54 + pixels, '\0');
    out[0] = 'B', out[1] = 'M';
    Put32(out, 2, std::uint32_t(out.size()));
    Put32(out, 10, 54);
    Put32(out, 14, 40);
    Put32(out, 18, std::uint32_t(image.width));
    Put32(out, 22, std::uint32_t(image.height));
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, std::uint32_t(pixels));
    for (int y = 0; y < image.height; ++y) {
        char* dst = out.data() + 54 + stride * std::size_t(image.height - 1 - y);
        const Argb* src = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            dst[3 * x] = char(BlueOf(src[x]));
            dst[3 * x + 1] = char(GreenOf(src[x]));
            dst[3 * x + 2] = char(RedOf(src[x]));
        }
    }
    return out;
}

}  // namespace marevisk
