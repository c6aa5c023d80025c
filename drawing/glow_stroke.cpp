#include "drawing/glow_stroke.h"

#include "app/program_state.h"
#include "platform/pixels/raster_op.h"
#include "platform/qt/canvas.h"
#include "platform/qt/window.h"

namespace marevisk {
namespace {

constexpr Colour kGlowColour = 0xffff00;  // masked out: the band keeps red only
constexpr Colour kCoreColour = 0xffffff;
constexpr int kGlowExtraWidth = 5;

}  // namespace

void BeginStroke(int x, int y, int) {
    StrokeActive = 1;
    LastStrokePoint = {x, y};
    StrokePointList->push_back({x, y});
}

void ExtendStroke(int x, int y, int) {
    if (StrokeActive != 1) return;
    Canvas& preview = Control<Canvas>("画板1");
    preview.setPenWidth(int(double(StrokeWidth) + kGlowExtraWidth));
    preview.setDrawingMode(kModeMaskNotPen);
    preview.setPenColour(kGlowColour);
    preview.drawLine(LastStrokePoint.x, LastStrokePoint.y, x, y);

    preview.setPenWidth(StrokeWidth);
    preview.setDrawingMode(kModeCopyPen);
    preview.setPenColour(kCoreColour);
    preview.drawLine(LastStrokePoint.x, LastStrokePoint.y, x, y);

    std::vector<StrokePoint>& points = *StrokePointList;
    points.push_back({x, y});
    for (std::size_t k = 1; k < points.size(); ++k)
        preview.drawLine(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
    LastStrokePoint = {x, y};
}

void EndStroke(int, int, int) {
    StrokeActive = 0;
    StrokePointList->clear();
}

}  // namespace marevisk
