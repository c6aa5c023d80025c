#include "files/background_import.h"

#include <QFileInfo>

#include "platform/io/whole_file.h"
#include "platform/qt/canvas.h"
#include "platform/qt/file_dialog_control.h"
#include "platform/qt/message_box.h"
#include "platform/qt/window.h"

namespace marevisk {

void ImportBackgroundPicture() {
    FileDialogControl& dialog = Control<FileDialogControl>("通用对话框1");
    dialog.filter = QStringLiteral("JPG图片|*.jpg|JPEG图片|*.jpeg|GIF图片|*.gif|BMP位图|*.bmp");
    dialog.title = QStringLiteral("选择自己喜欢的图片~");
    if (!dialog.open(TheWindow().widget())) return;

    std::string reason;
    const std::string bytes = ReadWholeFile(dialog.fileName.toStdString(), &reason);
    if (!bytes.empty()) reason = Control<Canvas>("画板1").setBackgroundPicture(bytes);
    if (reason.empty()) return;
    ShowWarning(QStringLiteral("无法使用图片“%1”：\n%2")
                    .arg(QFileInfo(dialog.fileName).fileName(), QString::fromStdString(reason)));
}

}  // namespace marevisk
