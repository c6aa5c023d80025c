#include "files/save_placard.h"

#include <QFileInfo>

#include "app/program_state.h"
#include "platform/io/whole_file.h"
#include "platform/qt/capture.h"
#include "platform/qt/file_dialog_control.h"
#include "platform/qt/message_box.h"
#include "platform/qt/window.h"

namespace marevisk {

QString SaveTarget(const QString& chosen) {
    return chosen.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".jpg");
}

void SavePlacardPicture() {
    FileDialogControl& dialog = Control<FileDialogControl>("通用对话框2");
    dialog.mode = FileDialogControl::Mode::Save;
    dialog.title = QStringLiteral("保存举牌图");
    if (!dialog.open(TheWindow().widget())) return;

    const QString target = SaveTarget(dialog.fileName);
    // The dialog asked about the name it was given; a different final name is asked about here.
    if (target != dialog.fileName && QFileInfo::exists(target) &&
        !AskYesNo(QStringLiteral("“%1”已存在。\n要替换它吗？").arg(QFileInfo(target).fileName()),
                  QStringLiteral("保存举牌图")))
        return;

    const std::string bytes = CaptureWindow(PreviewCanvasHandle, kPlacardWidth, kPlacardHeight);
    std::string reason;
    if (!WriteWholeFile(target.toStdString(), bytes, &reason))
        ShowWarning(
            QStringLiteral("无法保存“%1”：\n%2").arg(target, QString::fromStdString(reason)));
}

}  // namespace marevisk
