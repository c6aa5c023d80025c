// Pictures of any size and content written as BMP and read back must come back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/codecs/bmp_reader.h"
#include "platform/codecs/bmp_writer.h"
#include "platform/codecs/image_sink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marevisk;
    if (size < 2) return 0;
    const int w = 1 + data[0] % 64, h = 1 + data[1] % 64;
    Image image(w, h);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::size_t at = 2 + (i * 3) % (size - 2 ? size - 2 : 1);
        image.pixels[i] = MakeArgb(data[at % size], data[(at + 1) % size], data[(at + 2) % size]);
    }
    const std::string bmp = EncodeBmp24(image);
    if (bmp.size() != 54 + std::size_t((w * 3 + 3) & ~3) * std::size_t(h)) __builtin_trap();
    ImageSink sink;
    std::string reason;
    if (!DecodeBmp(bmp, sink, reason, BmpOptions{false, true}) || sink.image.pixels != image.pixels)
        __builtin_trap();
    return 0;
}
