#include "platform/qt/file_dialog_control.h"

#include <QFileDialog>

namespace marevisk {

QStringList FileDialogControl::NameFilters(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return out;
}

bool FileDialogControl::open(QWidget* owner) {
    QFileDialog dialog(owner, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const bool save = mode == Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = NameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    if (!defaultExtension.isEmpty()) dialog.setDefaultSuffix(defaultExtension.mid(1));
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    fileName = chosen.first();
    return true;
}

}  // namespace marevisk
