#include "platform/codecs/picture_format.h"

namespace marevisk {

PictureFormat RecognisePicture(Bytes d) {
    if (d.size() < 6) return PictureFormat::None;
    const auto b = [&](std::size_t i) { return U8(d, i); };
    if (b(0) == 0x42 && b(1) == 0x4d) return PictureFormat::Bmp;
    if (b(0) == 0xff && b(1) == 0xd8) return PictureFormat::Jpeg;
    if (U16LE(d, 0) == 0 && U16LE(d, 2) == 1 && U16LE(d, 4) > 0) return PictureFormat::Icon;
    if (U16LE(d, 0) == 0 && U16LE(d, 2) == 2 && U16LE(d, 4) > 0) return PictureFormat::Cursor;
    if (d.substr(0, 4) == "GIF8" && (b(4) == '7' || b(4) == '9') && b(5) == 'a')
        return PictureFormat::Gif;
    if (b(0) == 0x0a && b(1) <= 5 && b(2) == 0x01 && b(3) == 0x08) return PictureFormat::Pcx8;
    if (b(0) == 0x0a && b(1) == 0x03 && b(2) == 0x01 && b(3) == 0x01) return PictureFormat::Pcx1;
    return PictureFormat::None;
}

}  // namespace marevisk
