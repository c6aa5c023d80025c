// Area-averaging (halftone) reduction fed one source row at a time, in any row order.
// Decoders hand their rows straight to it, so a big photo never exists at full size in memory.
#pragma once
#include <vector>

#include "platform/pixels/image.h"
#include "platform/pixels/orientation.h"

namespace marevisk {

class AreaScaler {
  public:
    // Rows of a src_w x src_h picture stored with `orientation`, reduced to dst_w x dst_h of the
    // upright picture. A target larger than the upright source is taken pixel by pixel instead.
    AreaScaler(int src_w, int src_h, Orientation orientation, int dst_w, int dst_h);

    // `argb` holds src_w pixels of stored row y. Alpha is honoured.
    void addRow(int y, const Argb* argb);
    int rowsAdded() const { return rows_added_; }

    // The reduced picture laid over `background`; parts that no row reached show the background.
    Image finish(Argb background) const;

  private:
    struct Tap {
        int index;
        float weight;
    };
    // For every source position along an axis, the target positions it covers and by how much.
    static std::vector<std::vector<Tap>> Taps(int src, int dst);
    void accumulate(int u, int v, Argb p, float w);

    int src_w_, src_h_, dst_w_, dst_h_;
    Orientation orientation_;
    std::vector<std::vector<Tap>> taps_along_row_, taps_across_rows_;
    std::vector<float> sums_;  // premultiplied r, g, b and alpha per target pixel
    std::vector<float> line_;  // one source row reduced along its own axis
    float area_ = 1.0f;        // source area behind one target pixel
    int rows_added_ = 0;
};

// Reduces a whole image (used for the saved capture).
Image ScaleArea(const Image& src, int dst_w, int dst_h);

}  // namespace marevisk
