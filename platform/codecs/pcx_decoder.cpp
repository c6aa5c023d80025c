#include "platform/codecs/pcx_decoder.h"

#include <vector>

namespace marevisk {
namespace {

constexpr std::size_t kHeader = 128;

// Run-length decoding of one scan line (all planes); runs may continue into the next line.
class RunReader {
  public:
    explicit RunReader(Bytes data) : data_(data), at_(kHeader) {}
    bool line(std::vector<std::uint8_t>& out) {
        for (std::uint8_t& b : out) {
            if (left_ == 0) {
                if (at_ >= data_.size()) return false;
                const std::uint8_t c = std::uint8_t(data_[at_++]);
                if ((c & 0xc0) == 0xc0) {
                    if (at_ >= data_.size()) return false;
                    left_ = c & 0x3f;
                    value_ = std::uint8_t(data_[at_++]);
                    if (left_ == 0) return false;
                } else {
                    left_ = 1;
                    value_ = c;
                }
            }
            b = value_;
            --left_;
        }
        return true;
    }

  private:
    Bytes data_;
    std::size_t at_;
    int left_ = 0;
    std::uint8_t value_ = 0;
};

}  // namespace

bool DecodePcx(Bytes data, PictureSink& sink, std::string& reason) {
    if (!HasBytes(data, 0, kHeader)) return reason = why::kDamaged, false;
    const int bpp = int(U8(data, 3)), planes = int(U8(data, 65));
    const long long w = (long long)U16LE(data, 8) - U16LE(data, 4) + 1;
    const long long h = (long long)U16LE(data, 10) - U16LE(data, 6) + 1;
    const long long per_plane = U16LE(data, 66);
    if (!SizeAllowed(w, h, reason)) return false;
    const bool eight = bpp == 8 && (planes == 1 || planes == 3);
    const bool one = bpp == 1 && (planes == 1 || planes == 4);
    if (!eight && !one) return reason = why::kNotAPicture, false;
    if (per_plane < (w * bpp + 7) / 8) return reason = why::kDamaged, false;

    std::vector<Argb> palette(256, 0xff000000u);
    if (bpp == 8 && planes == 1) {
        // The 256-colour table follows a 0x0C byte at the very end; without it: grey levels.
        const bool table = data.size() >= kHeader + 769 && U8(data, data.size() - 769) == 0x0c;
        for (int i = 0; i < 256; ++i) {
            const std::size_t at = data.size() - 768 + std::size_t(3 * i);
            palette[std::size_t(i)] =
                table ? MakeArgb(int(U8(data, at)), int(U8(data, at + 1)), int(U8(data, at + 2)))
                      : MakeArgb(i, i, i);
        }
    } else if (one && planes == 4) {
        for (int i = 0; i < 16; ++i)
            palette[std::size_t(i)] = MakeArgb(int(U8(data, 16 + 3 * i)), int(U8(data, 17 + 3 * i)),
                                               int(U8(data, 18 + 3 * i)));
    } else if (one) {
        palette[0] = MakeArgb(0, 0, 0), palette[1] = MakeArgb(255, 255, 255);
    }

    if (!sink.declare(int(w), int(h), Orientation{})) return reason = why::kTooLarge, false;
    sink.begin(int(w), int(h));
    RunReader runs(data);
    std::vector<std::uint8_t> line(std::size_t(per_plane * planes));
    std::vector<Argb> row(static_cast<std::size_t>(w));
    long long y = 0;
    for (; y < h && runs.line(line); ++y) {
        for (long long x = 0; x < w; ++x) {
            const std::size_t ux = std::size_t(x), pp = std::size_t(per_plane);
            if (eight && planes == 3) {
                row[ux] = MakeArgb(line[ux], line[pp + ux], line[2 * pp + ux]);
            } else if (eight) {
                row[ux] = palette[line[ux]];
            } else {
                int index = 0;
                for (int p = 0; p < planes; ++p)
                    index |= ((line[std::size_t(p) * pp + ux / 8] >> (7 - ux % 8)) & 1) << p;
                row[ux] = palette[std::size_t(index)];
            }
        }
        sink.row(int(y), row.data());
    }
    return y > 0 || (reason = why::kDamaged, false);
}

}  // namespace marevisk
