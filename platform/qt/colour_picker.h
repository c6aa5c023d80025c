// A small button showing its colour; clicking opens a palette of named colours with a way to the
// full colour dialog. Every confirmed choice raises colourChosen, also for the current colour.
#pragma once
#include <QAbstractButton>

#include "platform/pixels/colour.h"

class QMenu;

namespace marevisk {

class ColourPicker : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ColourPicker(QWidget* parent);
    Colour colour() const { return colour_; }
    void setColour(Colour colour);

  signals:
    void colourChosen();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void choose(Colour colour);
    void chooseOther();

    Colour colour_ = 0;
    QMenu* menu_;
};

}  // namespace marevisk
