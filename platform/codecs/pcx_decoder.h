// PCX pictures: 8 bits per pixel (a 256-colour table at the end, or three planes of red, green
// and blue) and 1 bit per pixel (black and white, or four planes of a 16-colour table).
#pragma once
#include <string>

#include "platform/codecs/byte_reader.h"
#include "platform/codecs/picture_sink.h"

namespace marevisk {

bool DecodePcx(Bytes data, PictureSink& sink, std::string& reason);

}  // namespace marevisk
