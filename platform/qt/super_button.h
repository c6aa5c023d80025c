// A flat button that paints itself: a border, the button colours, no focus rectangle.
#pragma once
#include <QAbstractButton>

namespace marevisk {

class SuperButton : public QAbstractButton {
    Q_OBJECT
  public:
    SuperButton(QWidget* parent, const QString& caption);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    bool hovered_ = false;
};

}  // namespace marevisk
