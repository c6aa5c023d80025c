// Which kind of picture a byte string holds, judged by its first six bytes only.
#pragma once
#include "platform/codecs/byte_reader.h"

namespace marevisk {

enum class PictureFormat { None, Bmp, Jpeg, Icon, Cursor, Gif, Pcx8, Pcx1 };

PictureFormat RecognisePicture(Bytes data);

}  // namespace marevisk
