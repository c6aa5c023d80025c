// Any bytes into the tracer's bitmap object, then the chip-font trace over what it loaded.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/program_state.h"
#include "drawing/chip_trace.h"

namespace {

// Counts segments and checks they stay within twice the bitmap.
class Bounds : public marevisk::TraceTarget {
  public:
    void setPenColour(marevisk::Colour) override {}
    void drawLine(int x1, int y1, int x2, int y2) override {
        const int w = 2 * marevisk::TraceWidth, h = 2 * marevisk::TraceHeight;
        if (x1 < 2 || y1 < 2 || x2 < 2 || y2 < 2 || x1 >= w || x2 >= w || y1 >= h || y2 >= h)
            __builtin_trap();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marevisk;
    if (!SourceBitmap) CreateProgramState();
    SourceBitmap->loadFromBmp(std::string_view(reinterpret_cast<const char*>(data), size));
    // The tracer is quadratic in the worst case; keep each input quick.
    if (SourceBitmap->width() > 0 &&
        std::int64_t(SourceBitmap->width()) * SourceBitmap->height() > 40000)
        return 0;
    Bounds target;
    TraceChipText(target);
    return 0;
}
