#include "platform/qt/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/codecs/bmp_writer.h"
#include "platform/codecs/picture_decoder.h"

namespace marevisk {
namespace {

// A view of an image's pixels for the toolkit's painter; no copy.
QImage View(Image& image) {
    return QImage(reinterpret_cast<uchar*>(image.pixels.data()), image.width, image.height,
                  image.width * 4, QImage::Format_RGB32);
}

int KeyState(Qt::KeyboardModifiers m) {
    return (m & Qt::ControlModifier ? 1 : 0) | (m & Qt::ShiftModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

Canvas::Canvas(QWidget* parent, int client_w, int client_h, bool border, Argb background)
    : QWidget(parent),
      border_(border),
      background_(background),
      image_(client_w, client_h, background) {
    setFixedSize(client_w + 2 * frame(), client_h + 2 * frame());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

std::string Canvas::setBackgroundPicture(std::string_view bytes) {
    if (bytes.empty()) {
        picture_ = Image();
        picture_place_ = {};
    } else {
        FittedPicture fitted = DecodeFitted(bytes, image_.width, image_.height, background_);
        if (!fitted.ok()) return fitted.reason;
        picture_ = std::move(fitted.image);
        picture_place_ = fitted.place;
    }
    restoreBackground(image_.rect());
    return {};
}

void Canvas::restoreBackground(const Rect& area) {
    const Rect r = area.intersected(image_.rect());
    if (r.empty()) return;
    image_.fill(r, background_);
    image_.blit(picture_, picture_place_.x, picture_place_.y, r);
    repaintClient(r);
}

void Canvas::drawLine(long long x1, long long y1, long long x2, long long y2) {
    repaintClient(DrawLine(image_, pen_, x1, y1, x2, y2));
}

void Canvas::clear() {
    text_x_ = 0;
    restoreBackground(image_.rect());
}

void Canvas::writeText(const QString& text) {
    if (text.isEmpty()) return;
    QImage view = View(image_);
    QPainter p(&view);
    p.setFont(text_font_);
    p.setPen(Qt::black);
    const QFontMetrics metrics(text_font_);
    // The form's face puts the baseline about 1.06 em below the top of the cell; CJK stand-ins
    // often have a taller ascent, which would push the characters out of the 21-pixel canvas.
    const int em = text_font_.pixelSize() > 0 ? text_font_.pixelSize() : metrics.height();
    const int baseline = std::min(metrics.ascent(), int(std::lround(1.06 * em)));
    p.drawText(text_x_, baseline, text);
    p.end();
    text_x_ += metrics.horizontalAdvance(text);
    repaintClient(image_.rect());
}

std::string Canvas::takePicture() const {
    return EncodeBmp24(image_);
}

// A long stroke draws thousands of lines per move: collect their rectangles and ask the toolkit
// for one repaint once control is back in the event loop.
void Canvas::repaintClient(const Rect& area) {
    if (area.empty()) return;
    const bool scheduled = !dirty_.empty();
    dirty_ = dirty_.united(area);
    if (!scheduled) QMetaObject::invokeMethod(this, &Canvas::flushRepaint, Qt::QueuedConnection);
}

void Canvas::flushRepaint() {
    if (dirty_.empty()) return;
    update(dirty_.x + frame(), dirty_.y + frame(), dirty_.width, dirty_.height);
    dirty_ = {};
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (border_) {
        p.setPen(Qt::black);
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
    const QImage view = View(image_);
    const QRect target =
        event->rect().intersected(QRect(frame(), frame(), image_.width, image_.height));
    p.drawImage(target, view, target.translated(-frame(), -frame()));
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint() - QPoint(frame(), frame());
    emit rightPressed(at.x(), at.y(), KeyState(event->modifiers()));
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return QWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint() - QPoint(frame(), frame());
    emit rightReleased(at.x(), at.y(), KeyState(event->modifiers()));
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - QPoint(frame(), frame());
    emit pointerMoved(at.x(), at.y(), KeyState(event->modifiers()));
}

}  // namespace marevisk
