// A one-line text without a background of its own: whatever lies under it shows through.
// On a canvas, every change of text, font, colour, place or visibility has the canvas restore
// its background under the old and the new rectangle first.
#pragma once
#include <QFont>
#include <QString>
#include <QWidget>

#include "platform/pixels/colour.h"
#include "platform/text/font_record.h"

namespace marevisk {

class Canvas;

class TransparentLabel : public QWidget {
    Q_OBJECT
  public:
    TransparentLabel(QWidget* parent, const QString& text, bool centred);

    QString text() const { return text_; }
    void setText(const QString& text);
    Colour textColour() const { return colour_; }
    void setTextColour(Colour colour);
    QFont labelFont() const { return font_; }
    void setLabelFont(const QFont& font);
    // A font from a logical-font record; a non-zero escapement draws the text turned.
    void setLogFont(const LogFont& lf);
    int escapement() const { return escapement_; }

    // Positions are limited to -32627..32627, as the classic window system does.
    void setLeft(int left);
    void setTop(int top);

  signals:
    void leftPressed();
    void leftReleased();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void restoreUnder(const QRect& rect);

    QString text_;
    Colour colour_ = 0;
    QFont font_;
    int escapement_ = 0;  // tenths of a degree, counter-clockwise
    bool centred_;
};

}  // namespace marevisk
