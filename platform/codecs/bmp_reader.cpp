#include "platform/codecs/bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace marevisk {
namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

struct Mask {
    std::uint32_t mask = 0;
    int shift = 0, bits = 0;
    explicit Mask(std::uint32_t m = 0) : mask(m) {
        if (m) shift = std::countr_zero(m), bits = std::popcount(m >> shift);
        bits = std::min(bits, 8);  // wider fields keep their top eight bits
        if (m) shift += std::popcount(m >> shift) - bits;
    }
    int scale(std::uint32_t v) const {
        if (!mask || bits == 0) return 0;
        const std::uint32_t x = ((v & mask) >> shift) & ((1u << bits) - 1);
        return int((x * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1));
    }
};

struct Header {
    long long width = 0, height = 0;  // height as stored: negative means top-down
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::size_t header_size = 0;  // bytes of the info header
    std::size_t palette_at = 0;   // offset of the colour table in the data
    int palette_entry = 4;        // 3 for core headers
    long long colours_used = 0;
    Mask r, g, b, a;
};

bool ReadHeader(Bytes dib, Header& h, std::string& reason) {
    h.header_size = U32LE(dib, 0);
    if (h.header_size == 12 && HasBytes(dib, 0, 12)) {
        h.width = U16LE(dib, 4), h.height = U16LE(dib, 6), h.bpp = int(U16LE(dib, 10));
        h.palette_entry = 3;
    } else if (h.header_size >= 40 && h.header_size <= 4096 && HasBytes(dib, 0, h.header_size)) {
        h.width = I32LE(dib, 4), h.height = I32LE(dib, 8), h.bpp = int(U16LE(dib, 14));
        h.compression = U32LE(dib, 16);
        h.colours_used = U32LE(dib, 32);
    } else {
        return reason = why::kDamaged, false;
    }
    h.palette_at = h.header_size;
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
        const bool in_header = h.header_size >= 52;
        const std::size_t at = 40;
        if (!in_header && !HasBytes(dib, at, 12)) return reason = why::kDamaged, false;
        h.r = Mask(U32LE(dib, at)), h.g = Mask(U32LE(dib, at + 4)), h.b = Mask(U32LE(dib, at + 8));
        const bool has_alpha = h.header_size >= 56 || h.compression == kAlphaBitFields;
        if (has_alpha) h.a = Mask(U32LE(dib, at + 12));
        if (!in_header) h.palette_at += h.compression == kAlphaBitFields ? 16 : 12;
    } else if (h.bpp == 16) {
        h.r = Mask(0x7c00), h.g = Mask(0x03e0), h.b = Mask(0x001f);
    } else if (h.bpp == 32) {
        h.r = Mask(0xff0000), h.g = Mask(0xff00), h.b = Mask(0xff);
    }
    const long long height = h.height < 0 ? -h.height : h.height;
    if (!SizeAllowed(h.width, height, reason)) return false;
    if (!IsBmpDepth(h.bpp)) return reason = why::kDamaged, false;
    const bool compressed = h.compression == kRle8 || h.compression == kRle4;
    if ((h.compression == kRle8 && h.bpp != 8) || (h.compression == kRle4 && h.bpp != 4))
        return reason = why::kDamaged, false;
    if (!compressed && h.compression != kRgb && h.compression != kBitFields &&
        h.compression != kAlphaBitFields)
        return reason = why::kNotAPicture, false;
    return true;
}

std::vector<Argb> ReadPalette(Bytes dib, const Header& h) {
    if (h.bpp > 8) return {};
    const long long max = 1LL << h.bpp;
    long long n = h.colours_used > 0 && h.colours_used < max ? h.colours_used : max;
    std::vector<Argb> palette(std::size_t(max), 0xff000000u);  // indices past the table: black
    for (long long i = 0; i < n; ++i) {
        const std::size_t at = h.palette_at + std::size_t(i) * std::size_t(h.palette_entry);
        if (!HasBytes(dib, at, 3)) break;
        palette[std::size_t(i)] =
            MakeArgb(int(U8(dib, at + 2)), int(U8(dib, at + 1)), int(U8(dib, at)));
    }
    return palette;
}

// Uncompressed rows; returns how many complete rows were delivered.
long long ReadRows(Bytes pixels, const Header& h, const std::vector<Argb>& palette,
                   PictureSink& sink, long long rows, bool alpha32) {
    const int w = int(h.width);
    const bool top_down = h.height < 0;
    const std::size_t stride = std::size_t(((long long)w * h.bpp + 31) / 32 * 4);
    std::vector<Argb> line(static_cast<std::size_t>(w));
    long long done = 0;
    for (long long i = 0; i < rows; ++i) {
        const std::size_t at = std::size_t(i) * stride;
        if (!HasBytes(pixels, at, (std::size_t((long long)w * h.bpp) + 7) / 8)) break;
        const auto* p = reinterpret_cast<const std::uint8_t*>(pixels.data() + at);
        for (int x = 0; x < w; ++x) {
            Argb c = 0;
            switch (h.bpp) {
                case 1:
                    c = palette[(p[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    c = palette[(p[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
                    break;
                case 8:
                    c = palette[p[x]];
                    break;
                case 24:
                    c = MakeArgb(p[3 * x + 2], p[3 * x + 1], p[3 * x]);
                    break;
                case 16: {
                    const std::uint32_t v = p[2 * x] | (p[2 * x + 1] << 8);
                    c = MakeArgb(h.r.scale(v), h.g.scale(v), h.b.scale(v));
                    break;
                }
                default: {
                    const std::uint32_t v = p[4 * x] | (p[4 * x + 1] << 8) | (p[4 * x + 2] << 16) |
                                            (std::uint32_t(p[4 * x + 3]) << 24);
                    c = MakeArgb(h.r.scale(v), h.g.scale(v), h.b.scale(v),
                                 alpha32 ? int(p[4 * x + 3]) : 255);
                }
            }
            line[std::size_t(x)] = c;
        }
        sink.row(int(top_down ? i : rows - 1 - i), line.data());
        ++done;
    }
    return done;
}

// RLE4 and RLE8. Pixels a delta or an early end skips stay transparent.
long long ReadRle(Bytes pixels, const Header& h, const std::vector<Argb>& palette,
                  PictureSink& sink, long long rows) {
    const int w = int(h.width);
    const bool four = h.compression == kRle4;
    std::vector<Argb> line(static_cast<std::size_t>(w), 0u);
    std::size_t at = 0;
    long long row = 0;
    int x = 0;
    auto emit = [&] {
        sink.row(int(rows - 1 - row), line.data());
        std::fill(line.begin(), line.end(), 0);
        ++row;
        x = 0;
    };
    auto put = [&](std::uint32_t index) {
        if (x < w) line[std::size_t(x)] = palette[index];
        ++x;
    };
    while (row < rows && HasBytes(pixels, at, 2)) {
        const std::uint32_t count = U8(pixels, at), value = U8(pixels, at + 1);
        at += 2;
        if (count > 0) {
            for (std::uint32_t i = 0; i < count && x < w; ++i)
                put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            emit();
        } else if (value == 1) {  // end of picture
            break;
        } else if (value == 2) {  // delta
            if (!HasBytes(pixels, at, 2)) break;
            const std::uint32_t dx = U8(pixels, at), dy = U8(pixels, at + 1);
            at += 2;
            for (std::uint32_t i = 0; i < dy && row < rows; ++i) {
                const int keep = x;
                emit();
                x = keep;
            }
            x = int(std::min<long long>(w, (long long)x + dx));
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (!HasBytes(pixels, at, bytes)) break;
            for (std::uint32_t i = 0; i < value; ++i) {
                const std::uint32_t b = U8(pixels, at + (four ? i / 2 : i));
                put(four ? ((i & 1) ? b & 15 : b >> 4) : b);
            }
            at += (bytes + 1) & ~std::size_t(1);
        }
    }
    const long long complete = row;
    if (row < rows && x > 0) emit();  // the line in progress shows as far as it got
    return complete > 0 ? complete : (x > 0 ? 1 : 0);
}

bool DecodeDibAt(Bytes dib, std::size_t pixel_at, PictureSink& sink, std::string& reason,
                 const BmpOptions& options, int* depth, bool icon_mask) {
    Header h;
    if (!ReadHeader(dib, h, reason)) return false;
    const bool compressed = h.compression == kRle8 || h.compression == kRle4;
    if (compressed && (!options.allow_compressed || h.height < 0 || icon_mask))
        return reason = options.allow_compressed ? why::kDamaged : why::kNotAPicture, false;
    long long rows = h.height < 0 ? -h.height : h.height;
    if (icon_mask) {
        rows /= 2;  // colour rows, then as many rows of the AND mask
        if (rows <= 0) return reason = why::kDamaged, false;
    }
    if (depth) *depth = h.bpp;
    const std::vector<Argb> palette = ReadPalette(dib, h);
    if (pixel_at == 0) pixel_at = h.palette_at + palette.size() * std::size_t(h.palette_entry);
    if (pixel_at > dib.size()) return reason = why::kDamaged, false;
    if (options.strict && !compressed) {
        // Everything must be there: check before the sink takes memory for it.
        const unsigned long long stride = ((unsigned long long)h.width * h.bpp + 31) / 32 * 4;
        if (stride * (unsigned long long)rows > dib.size() - pixel_at)
            return reason = why::kDamaged, false;
    }
    if (!sink.declare(int(h.width), int(rows), Orientation{}))
        return reason = why::kTooLarge, false;
    sink.begin(int(h.width), int(rows));
    const Bytes pixels = dib.substr(pixel_at);
    const long long done = compressed ? ReadRle(pixels, h, palette, sink, rows)
                                      : ReadRows(pixels, h, palette, sink, rows, options.alpha32);
    if (done == 0 || (options.strict && done < rows)) return reason = why::kDamaged, false;
    return true;
}

}  // namespace

bool DecodeBmp(Bytes data, PictureSink& sink, std::string& reason, const BmpOptions& options,
               int* depth) {
    if (!HasBytes(data, 0, 18) || data[0] != 'B' || data[1] != 'M')
        return reason = why::kNotAPicture, false;
    const Bytes dib = data.substr(14);
    std::size_t off = U32LE(data, 10);
    // A broken offset falls back to "right after the colour table".
    const std::size_t pixel_at = off >= 14 + 12 && off <= data.size() ? off - 14 : 0;
    return DecodeDibAt(dib, pixel_at, sink, reason, options, depth, false);
}

bool DecodeIconDib(Bytes dib, PictureSink& sink, std::string& reason) {
    return DecodeDibAt(dib, 0, sink, reason, BmpOptions{false, false, true}, nullptr, true);
}

bool ReadDibLayout(Bytes dib, DibLayout& layout) {
    Header h;
    std::string reason;
    if (!ReadHeader(dib, h, reason)) return false;
    layout.width = int(h.width);
    layout.height = int(h.height);
    layout.bpp = h.bpp;
    layout.pixel_offset = h.palette_at + ReadPalette(dib, h).size() * std::size_t(h.palette_entry);
    layout.stride = std::size_t(((long long)h.width * h.bpp + 31) / 32 * 4);
    return true;
}

}  // namespace marevisk
