#include "app/program_state.h"

namespace marevisk {

QWidget* PreviewCanvasHandle = nullptr;
std::int32_t StrokeActive = 0;
StrokePoint LastStrokePoint;
std::int32_t StrokeWidth = 0;
std::unique_ptr<std::vector<StrokePoint>> StrokePointList;
DragAnchor DragAnchor1, DragAnchor2, DragAnchor3, DragAnchor45;
std::unique_ptr<BitmapObject> SourceBitmap;
std::unique_ptr<BitmapObject> VisitedBitmap;
std::int32_t TraceWidth = 0;
std::int32_t TraceHeight = 0;
Colour TraceBackground = 0;

void CreateProgramState() {
    PreviewCanvasHandle = nullptr;
    StrokeActive = 0, LastStrokePoint = {}, StrokeWidth = 0;
    DragAnchor1 = DragAnchor2 = DragAnchor3 = DragAnchor45 = {};
    TraceWidth = TraceHeight = 0, TraceBackground = 0;
    StrokePointList = std::make_unique<std::vector<StrokePoint>>();
    SourceBitmap = std::make_unique<BitmapObject>();
    VisitedBitmap = std::make_unique<BitmapObject>();
}

void ReleaseProgramState() {
    StrokePointList.reset();
    SourceBitmap.reset();
    VisitedBitmap.reset();
    PreviewCanvasHandle = nullptr;
}

}  // namespace marevisk
