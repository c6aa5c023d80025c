// A single-line edit box. An optional limit counts bytes of the Chinese code page (a Chinese
// character 2 bytes, ASCII 1); typing or pasting past it is refused.
#pragma once
#include <QLineEdit>

namespace marevisk {

class EditBox : public QLineEdit {
    Q_OBJECT
  public:
    EditBox(QWidget* parent, int byte_limit);
    int byteLimit() const { return byte_limit_; }

  private:
    int byte_limit_;
};

}  // namespace marevisk
