// The program-wide variables: the little state that outlives one event. Each is owned by the
// handlers that give it meaning; this file only creates and releases them.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/pixels/bitmap_object.h"
#include "platform/pixels/colour.h"

class QWidget;

namespace marevisk {

struct StrokePoint {
    std::int32_t x = 0, y = 0;
};

// Where the pointer and a title label were when the title was pressed.
struct DragAnchor {
    std::int32_t pointer_x = 0, pointer_y = 0;   // screen pixels
    std::int32_t label_left = 0, label_top = 0;  // client pixels of the preview
};

extern QWidget* PreviewCanvasHandle;  // the preview canvas, set once the window exists

extern std::int32_t StrokeActive;
extern StrokePoint LastStrokePoint;
extern std::int32_t StrokeWidth;
extern std::unique_ptr<std::vector<StrokePoint>> StrokePointList;

extern DragAnchor DragAnchor1;
extern DragAnchor DragAnchor2;
extern DragAnchor DragAnchor3;
extern DragAnchor DragAnchor45;  // titles 4 and 5 share one anchor

extern std::unique_ptr<BitmapObject> SourceBitmap;
extern std::unique_ptr<BitmapObject> VisitedBitmap;
extern std::int32_t TraceWidth;
extern std::int32_t TraceHeight;
extern Colour TraceBackground;

// Creates the stroke point list and both bitmap objects, empty; every other variable back to 0.
void CreateProgramState();
// Releases the point list with its points, then SourceBitmap, then VisitedBitmap.
void ReleaseProgramState();

}  // namespace marevisk
