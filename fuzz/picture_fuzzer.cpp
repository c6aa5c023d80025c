// Any bytes, as the preview takes a picture file: recognised, decoded and shrunk to fit.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/codecs/picture_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const marevisk::FittedPicture p = marevisk::DecodeFitted(
        std::string_view(reinterpret_cast<const char*>(data), size), 288, 416, 0xfff0f0f0u);
    if (p.ok() && (p.image.width > 288 || p.image.height > 416 || p.place.right() > 288 ||
                   p.place.bottom() > 416 || p.place.x < 0 || p.place.y < 0))
        __builtin_trap();  // a picture must always fit the preview
    return 0;
}
