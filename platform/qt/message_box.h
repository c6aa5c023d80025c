// Message boxes: one OK button, modal to the whole program.
#pragma once
#include <QString>

namespace marevisk {

inline const QString kDefaultMessageCaption = QStringLiteral("信息：");

// A box without an icon, as the usage text is shown.
void ShowMessage(const QString& text, const QString& caption = kDefaultMessageCaption);
// A box with the warning icon, for a failure the user must hear of.
void ShowWarning(const QString& text, const QString& caption = kDefaultMessageCaption);
// Asks a yes/no question; true for yes.
bool AskYesNo(const QString& text, const QString& caption = kDefaultMessageCaption);

}  // namespace marevisk
