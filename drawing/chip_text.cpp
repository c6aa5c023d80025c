#include "drawing/chip_text.h"

#include "app/program_state.h"
#include "drawing/chip_trace.h"
#include "platform/qt/canvas.h"
#include "platform/qt/edit_box.h"
#include "platform/qt/window.h"

namespace marevisk {
namespace {

// The preview with its current pen, as the tracer draws on it.
class PreviewTarget : public TraceTarget {
  public:
    explicit PreviewTarget(Canvas& canvas) : canvas_(canvas) {}
    void setPenColour(Colour colour) override { canvas_.setPenColour(colour); }
    void drawLine(int x1, int y1, int x2, int y2) override { canvas_.drawLine(x1, y1, x2, y2); }

  private:
    Canvas& canvas_;
};

}  // namespace

void RenderChipText() {
    Canvas& text_canvas = Control<Canvas>("画板2");
    text_canvas.clear();
    text_canvas.writeText(Control<EditBox>("编辑框6").text());
    SourceBitmap->loadFromBmp(text_canvas.takePicture());
    PreviewTarget preview(Control<Canvas>("画板1"));
    TraceChipText(preview);
}

}  // namespace marevisk
