// A drawing surface that keeps the pixels it shows in an image of its own. Drawing writes into
// the image; painting only copies it out. Only restoring the background (the picture by the
// centred shrink-to-fit rule, the background colour elsewhere) wipes what was drawn.
#pragma once
#include <QFont>
#include <QWidget>
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/pixels/image.h"
#include "platform/pixels/line_raster.h"

namespace marevisk {

class Canvas : public QWidget {
    Q_OBJECT
  public:
    // `client_w` x `client_h` pixels of drawing area, inside a one-pixel frame when `border`.
    Canvas(QWidget* parent, int client_w, int client_h, bool border, Argb background);

    // New background picture from file bytes; empty bytes remove it. The whole canvas shows the
    // new background afterwards. Bytes that do not decode leave everything as it was and come
    // back as the reason; success gives an empty string.
    std::string setBackgroundPicture(std::string_view bytes);
    // Paints the background again in `area` (client pixels): whatever was drawn there is gone.
    void restoreBackground(const Rect& area);

    void setPenWidth(int width) { pen_.width = std::clamp(width, 0, 32767); }
    void setDrawingMode(int mode) { pen_.mode = std::clamp(mode, 0, 15); }
    void setPenColour(Colour colour) { pen_.colour = colour & 0xffffffu; }
    const Pen& pen() const { return pen_; }
    // A line with the current pen; the end point of a one-pixel line stays unpainted.
    void drawLine(long long x1, long long y1, long long x2, long long y2);

    // Text canvas operations.
    void clear();
    void setTextFont(const QFont& font) { text_font_ = font; }
    void writeText(const QString& text);  // black, transparent background, at the text position
    std::string takePicture() const;      // the client area as BMP file bytes

    const Image& image() const { return image_; }
    Argb backgroundColour() const { return background_; }

  signals:
    void rightPressed(int x, int y, int keys);
    void rightReleased(int x, int y, int keys);
    void pointerMoved(int x, int y, int keys);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void repaintClient(const Rect& area);
    void flushRepaint();
    int frame() const { return border_ ? 1 : 0; }

    bool border_;
    Argb background_;
    Image image_;         // what the client area shows under the child labels
    Image picture_;       // the background picture at its drawn size
    Rect picture_place_;  // where it lies
    Pen pen_;
    QFont text_font_;
    int text_x_ = 0;
    Rect dirty_;  // changed since the last repaint request
};

}  // namespace marevisk
