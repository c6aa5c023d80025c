// Where decoders deliver pixels: the size first, then rows in any order.
#pragma once
#include <string>

#include "platform/pixels/colour.h"
#include "platform/pixels/orientation.h"

namespace marevisk {

// Limits checked from a picture's header, before any pixel memory is taken.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPictureFileBytes = 256LL * 1024 * 1024;

// Reasons shown to the user when a picture is refused.
namespace why {
inline const std::string kNotAPicture = "不是可识别的图片（支持 JPEG、GIF、BMP、图标、光标和 PCX）";
inline const std::string kTooLarge = "图片尺寸过大（每边最多 16384 像素）";
inline const std::string kFileTooLarge = "文件过大（最多 256 MB）";
inline const std::string kDamaged = "图片数据已损坏，无法解码";
inline const std::string kEmpty = "文件是空的，或无法读取";
}  // namespace why

class PictureSink {
  public:
    virtual ~PictureSink() = default;
    // The picture's stored size and how it should be turned upright. False refuses the picture.
    virtual bool declare(int width, int height, Orientation orientation) = 0;
    // After declare: the stored size below which delivering fewer pixels would lose detail.
    // Decoders that can reduce while decoding (JPEG) stay at or above it.
    virtual void wantedSize(int& width, int& height) const = 0;
    // The rows that follow are `width` pixels wide and there are `height` of them; these may be
    // smaller than the declared size when the decoder reduced while decoding.
    virtual void begin(int width, int height) = 0;
    // One stored row, top row 0, each row at most once, in any order.
    virtual void row(int y, const Argb* pixels) = 0;
};

// Checks a declared size against the limits; fills `reason` when refused.
inline bool SizeAllowed(long long w, long long h, std::string& reason) {
    if (w <= 0 || h <= 0) return reason = why::kDamaged, false;
    if (w > kMaxPictureSide || h > kMaxPictureSide) return reason = why::kTooLarge, false;
    return true;
}

}  // namespace marevisk
