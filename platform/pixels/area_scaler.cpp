#include "platform/pixels/area_scaler.h"

#include <algorithm>
#include <cmath>

namespace marevisk {

std::vector<std::vector<AreaScaler::Tap>> AreaScaler::Taps(int src, int dst) {
    std::vector<std::vector<Tap>> taps(std::size_t(std::max(src, 0)));
    const double s = double(src) / dst;  // source pixels per target pixel, at least 1
    for (int i = 0; i < src; ++i) {
        const double lo = i, hi = i + 1.0;
        int j = std::min(dst - 1, int(lo / s));
        for (; j < dst; ++j) {
            const double overlap = std::min(hi, (j + 1) * s) - std::max(lo, j * s);
            if (overlap <= 1e-12) break;
            taps[std::size_t(i)].push_back({j, float(overlap)});
        }
    }
    return taps;
}

AreaScaler::AreaScaler(int src_w, int src_h, Orientation orientation, int dst_w, int dst_h)
    : src_w_(src_w), src_h_(src_h), orientation_(orientation) {
    const bool t = orientation_.transposed();
    const int upright_w = t ? src_h : src_w, upright_h = t ? src_w : src_h;
    dst_w_ = std::clamp(dst_w, 1, std::max(1, upright_w));
    dst_h_ = std::clamp(dst_h, 1, std::max(1, upright_h));
    taps_along_row_ = Taps(src_w, t ? dst_h_ : dst_w_);
    taps_across_rows_ = Taps(src_h, t ? dst_w_ : dst_h_);
    sums_.assign(std::size_t(dst_w_) * std::size_t(dst_h_) * 4, 0.0f);
    line_.assign(std::size_t(t ? dst_h_ : dst_w_) * 4, 0.0f);
    area_ = float((double(upright_w) / dst_w_) * (double(upright_h) / dst_h_));
}

void AreaScaler::addRow(int y, const Argb* argb) {
    if (y < 0 || y >= src_h_) return;
    ++rows_added_;
    std::fill(line_.begin(), line_.end(), 0.0f);
    int u0 = 0, v0 = 0, u1 = 0, v1 = 0;
    orientation_.map(0, y, src_w_, src_h_, u0, v0);
    orientation_.map(src_w_ - 1, y, src_w_, src_h_, u1, v1);
    const bool t = orientation_.transposed();
    // Position along the row in upright terms runs forwards or backwards.
    const bool reversed = t ? (v1 < v0) : (u1 < u0);
    for (int x = 0; x < src_w_; ++x) {
        const Argb p = argb[x];
        const float a = float(AlphaOf(p)) / 255.0f;
        const float r = RedOf(p) * a, g = GreenOf(p) * a, b = BlueOf(p) * a;
        const int along = reversed ? src_w_ - 1 - x : x;
        for (const Tap& tap : taps_along_row_[std::size_t(along)]) {
            float* l = &line_[std::size_t(tap.index) * 4];
            l[0] += r * tap.weight, l[1] += g * tap.weight, l[2] += b * tap.weight,
                l[3] += a * tap.weight;
        }
    }
    const int across = t ? u0 : v0;
    const int n = int(line_.size() / 4);
    for (const Tap& tap : taps_across_rows_[std::size_t(across)]) {
        for (int i = 0; i < n; ++i) {
            const int u = t ? tap.index : i, v = t ? i : tap.index;
            float* s = &sums_[(std::size_t(v) * std::size_t(dst_w_) + std::size_t(u)) * 4];
            const float* l = &line_[std::size_t(i) * 4];
            for (int c = 0; c < 4; ++c) s[c] += l[c] * tap.weight;
        }
    }
}

Image AreaScaler::finish(Argb background) const {
    Image out(dst_w_, dst_h_);
    const float bg[3] = {float(RedOf(background)), float(GreenOf(background)),
                         float(BlueOf(background))};
    for (std::size_t i = 0; i < out.pixels.size(); ++i) {
        const float* s = &sums_[i * 4];
        const float cover = std::clamp(s[3] / area_, 0.0f, 1.0f);
        int c[3];
        for (int k = 0; k < 3; ++k)
            c[k] = std::clamp(int(std::lround(s[k] / area_ + (1.0f - cover) * bg[k])), 0, 255);
        out.pixels[i] = MakeArgb(c[0], c[1], c[2]);
    }
    return out;
}

Image ScaleArea(const Image& src, int dst_w, int dst_h) {
    if (src.empty() || dst_w <= 0 || dst_h <= 0) return {};
    if (dst_w == src.width && dst_h == src.height) return src;
    if (dst_w > src.width || dst_h > src.height) {
        // Enlarging: each target pixel takes the source pixel under its centre.
        Image out(dst_w, dst_h);
        for (int y = 0; y < dst_h; ++y) {
            const int sy = int((y + 0.5) * src.height / dst_h);
            for (int x = 0; x < dst_w; ++x)
                out.row(y)[x] = src.at(int((x + 0.5) * src.width / dst_w), sy);
        }
        return out;
    }
    AreaScaler scaler(src.width, src.height, Orientation{}, dst_w, dst_h);
    for (int y = 0; y < src.height; ++y) scaler.addRow(y, src.row(y));
    return scaler.finish(0xff000000u);
}

}  // namespace marevisk
