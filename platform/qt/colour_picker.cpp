#include "platform/qt/colour_picker.h"

#include <QColorDialog>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace marevisk {
namespace {

struct NamedColour {
    const char* name;
    Colour colour;  // 0x00BBGGRR
};

constexpr NamedColour kPalette[] = {
    {"黑色", 0x000000}, {"白色", 0xffffff}, {"红色", 0x0000ff}, {"绿色", 0x008000},
    {"蓝色", 0xff0000}, {"黄色", 0x00ffff}, {"青色", 0xffff00}, {"品红", 0xff00ff},
    {"橙色", 0x00a5ff}, {"紫色", 0x800080}, {"粉红", 0xcbc0ff}, {"棕色", 0x2a2aa5},
    {"深红", 0x000080}, {"深绿", 0x006400}, {"深蓝", 0x800000}, {"灰色", 0x808080},
};

QIcon Swatch(Colour c) {
    QPixmap pixmap(14, 14);
    pixmap.fill(QColor::fromRgb(ArgbFromColour(c)));
    QPainter p(&pixmap);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

}  // namespace

ColourPicker::ColourPicker(QWidget* parent) : QAbstractButton(parent), menu_(new QMenu(this)) {
    for (const NamedColour& entry : kPalette) {
        const Colour c = entry.colour;
        menu_->addAction(Swatch(c), QString::fromUtf8(entry.name), this, [this, c] { choose(c); });
    }
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("其他颜色…"), this, [this] { chooseOther(); });
    connect(this, &QAbstractButton::clicked, this,
            [this] { menu_->exec(mapToGlobal(QPoint(0, height()))); });
}

void ColourPicker::setColour(Colour colour) {
    colour_ = colour & 0xffffffu;
    update();
}

void ColourPicker::choose(Colour colour) {
    setColour(colour);
    emit colourChosen();
}

void ColourPicker::chooseOther() {
    QColorDialog dialog(QColor::fromRgb(ArgbFromColour(colour_)), window());
    dialog.setWindowTitle(QStringLiteral("选择颜色"));
    if (dialog.exec() != QDialog::Accepted) return;
    const QColor c = dialog.selectedColor();
    choose(ColourFromArgb(c.rgb()));
}

void ColourPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(),
               isDown() ? pal.color(QPalette::Button).darker(115) : pal.color(QPalette::Button));
    p.setPen(hasFocus() ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect swatch(3, 3, width() - 13, height() - 6);
    p.fillRect(swatch, QColor::fromRgb(ArgbFromColour(colour_)));
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    // The drop-down arrow.
    const int ax = width() - 8, ay = height() / 2 - 1;
    p.setBrush(pal.color(QPalette::ButtonText));
    p.setPen(Qt::NoPen);
    const QPoint arrow[3] = {{ax - 2, ay}, {ax + 3, ay}, {ax, ay + 3}};
    p.drawPolygon(arrow, 3);
}

}  // namespace marevisk
