// Turns picture bytes into what a canvas shows: recognised by content, decoded, turned upright
// and reduced straight to its drawn size by the centred shrink-to-fit rule.
#pragma once
#include <string>

#include "platform/codecs/byte_reader.h"
#include "platform/pixels/image.h"

namespace marevisk {

struct FittedPicture {
    Image image;         // at its drawn size, opaque (transparent parts over `background`)
    Rect place;          // where it lies on the canvas
    std::string reason;  // why it was refused; empty on success
    bool ok() const { return reason.empty(); }
};

FittedPicture DecodeFitted(Bytes data, int canvas_w, int canvas_h, Argb background);

}  // namespace marevisk
