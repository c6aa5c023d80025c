#include "platform/qt/super_button.h"

#include <QPainter>

namespace marevisk {

SuperButton::SuperButton(QWidget* parent, const QString& caption) : QAbstractButton(parent) {
    setText(caption);
}

void SuperButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SuperButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void SuperButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    QColor face = pal.color(QPalette::Button);
    if (isDown())
        face = face.darker(115);
    else if (hovered_)
        face = face.lighter(108);
    p.fillRect(rect(), face);
    p.setPen(hasFocus() || hovered_ ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.setPen(pal.color(QPalette::ButtonText));
    p.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, text());
}

}  // namespace marevisk
