#include "platform/qt/edit_box.h"

#include <QValidator>

#include "platform/text/gb18030_count.h"

namespace marevisk {
namespace {

class ByteLimit : public QValidator {
  public:
    ByteLimit(QObject* parent, int limit) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return Gb18030ByteCount(input.toStdString()) <= std::size_t(limit_) ? Acceptable : Invalid;
    }

  private:
    int limit_;
};

}  // namespace

EditBox::EditBox(QWidget* parent, int byte_limit) : QLineEdit(parent), byte_limit_(byte_limit) {
    if (byte_limit > 0) setValidator(new ByteLimit(this, byte_limit));
}

}  // namespace marevisk
