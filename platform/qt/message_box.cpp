#include "platform/qt/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace marevisk {
namespace {

int Run(QMessageBox::Icon icon, const QString& text, const QString& caption,
        QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

}  // namespace

void ShowMessage(const QString& text, const QString& caption) {
    Run(QMessageBox::NoIcon, text, caption, QMessageBox::Ok);
}

void ShowWarning(const QString& text, const QString& caption) {
    Run(QMessageBox::Warning, text, caption, QMessageBox::Ok);
}

bool AskYesNo(const QString& text, const QString& caption) {
    return Run(QMessageBox::Question, text, caption, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace marevisk
