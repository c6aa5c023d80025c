#include "platform/qt/transparent_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qt/canvas.h"
#include "platform/qt/font_dialog.h"

namespace marevisk {

TransparentLabel::TransparentLabel(QWidget* parent, const QString& text, bool centred)
    : QWidget(parent), text_(text), font_(font()), centred_(centred) {
    setFocusPolicy(Qt::NoFocus);
}

void TransparentLabel::restoreUnder(const QRect& r) {
    if (auto* canvas = qobject_cast<Canvas*>(parentWidget()))
        canvas->restoreBackground({r.x(), r.y(), r.width(), r.height()});
}

void TransparentLabel::setText(const QString& text) {
    text_ = text;
    if (isVisible()) restoreUnder(geometry());
    update();
}

void TransparentLabel::setTextColour(Colour colour) {
    colour_ = colour & 0xffffffu;
    if (isVisible()) restoreUnder(geometry());
    update();
}

void TransparentLabel::setLabelFont(const QFont& font) {
    font_ = font;
    if (isVisible()) restoreUnder(geometry());
    update();
}

void TransparentLabel::setLogFont(const LogFont& lf) {
    escapement_ = lf.escapement;
    setLabelFont(FontFromLogFont(lf));
}

void TransparentLabel::setLeft(int left) {
    move(std::clamp(left, -32627, 32627), y());
}
void TransparentLabel::setTop(int top) {
    move(x(), std::clamp(top, -32627, 32627));
}

void TransparentLabel::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) return;
    QPainter p(this);
    p.setFont(font_);
    p.setPen(QColor::fromRgb(ArgbFromColour(colour_)));
    const int align =
        Qt::AlignLeft | Qt::TextSingleLine | (centred_ ? Qt::AlignVCenter : Qt::AlignTop);
    if (escapement_ != 0) {
        // Turned text starts at the top-left corner and is cut at the label's edges.
        p.rotate(-escapement_ / 10.0);
        p.drawText(QRect(0, 0, 4 * width() + 4 * height(), height()), align, text_);
        return;
    }
    p.drawText(rect(), align, text_);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit leftPressed();
    else
        event->ignore();
}

void TransparentLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit leftReleased();
    else
        event->ignore();
}

void TransparentLabel::moveEvent(QMoveEvent* event) {
    if (isVisible()) {
        restoreUnder(QRect(event->oldPos(), size()));
        restoreUnder(geometry());
    }
    QWidget::moveEvent(event);
}

// The window being minimised and restored is not a change of the label: drawings stay.
void TransparentLabel::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) restoreUnder(geometry());
    QWidget::showEvent(event);
}

void TransparentLabel::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) restoreUnder(geometry());
    QWidget::hideEvent(event);
}

}  // namespace marevisk
