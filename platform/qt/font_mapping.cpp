#include "platform/qt/font_mapping.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace marevisk {
namespace {

QString FirstInstalled(const QStringList& candidates) {
    const QStringList families = QFontDatabase::families();
    for (const QString& c : candidates)
        if (families.contains(c, Qt::CaseInsensitive)) return c;
    return {};
}

const QStringList kCjkSans = {"Microsoft YaHei", "Noto Sans CJK SC", "WenQuanYi Micro Hei",
                              "WenQuanYi Zen Hei", "Droid Sans Fallback"};
const QStringList kCjkSerif = {"SimSun", "Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC",
                               "WenQuanYi Micro Hei"};

void Substitute(const QString& face, QStringList candidates) {
    if (QFontDatabase::families().contains(face)) return;  // the real one is installed
    const QString found = FirstInstalled(candidates);
    if (!found.isEmpty()) QFont::insertSubstitution(face, found);
}

}  // namespace

void MapFormFonts() {
    Substitute(QStringLiteral("Comic Sans MS"),
               {"Comic Neue", "Comic Relief", "Comic Neue Angular"});
    Substitute(QStringLiteral("微软雅黑"), kCjkSans);
    Substitute(QStringLiteral("宋体"), kCjkSerif);
    // The default GUI font: a small sans that also has Chinese characters.
    const QString sans = FirstInstalled(kCjkSans);
    QFont gui = sans.isEmpty() ? QApplication::font() : QFont(sans);
    gui.setPixelSize(12);
    QApplication::setFont(gui);
}

}  // namespace marevisk
