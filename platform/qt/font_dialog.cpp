#include "platform/qt/font_dialog.h"

#include <QFontDialog>
#include <QGuiApplication>
#include <QListView>
#include <QScreen>
#include <QStringListModel>
#include <QWidget>
#include <cmath>

#include "platform/qt/message_box.h"

namespace marevisk {
namespace {

// The toolkit's dialog, held to a size range: sizes outside it are not listed and not accepted.
class RangedFontDialog : public QFontDialog {
  public:
    RangedFontDialog(const QFont& initial, QWidget* owner, int min, int max)
        : QFontDialog(initial, owner), min_(min), max_(max) {
        setOption(QFontDialog::DontUseNativeDialog);
        setWindowTitle(QStringLiteral("字体"));
        for (QListView* list : findChildren<QListView*>()) {
            auto* model = qobject_cast<QStringListModel*>(list->model());
            if (!model) continue;
            connect(model, &QAbstractItemModel::modelReset, list,
                    [this, list, model] { hideOutOfRange(list, model); });
            hideOutOfRange(list, model);
        }
    }

    void done(int result) override {
        const double size = currentFont().pointSizeF();
        if (result == Accepted && (size < min_ - 1e-9 || size > max_ + 1e-9)) {
            ShowWarning(QStringLiteral("字号必须在 %1 到 %2 磅之间。").arg(min_).arg(max_),
                        QStringLiteral("字体"));
            return;
        }
        QFontDialog::done(result);
    }

  private:
    // Only the list of sizes holds nothing but numbers.
    void hideOutOfRange(QListView* list, QStringListModel* model) {
        const QStringList items = model->stringList();
        bool numbers = !items.isEmpty();
        for (const QString& s : items) numbers = numbers && s.toInt() > 0;
        if (!numbers) return;
        for (int i = 0; i < items.size(); ++i) {
            const int size = items[i].toInt();
            list->setRowHidden(i, size < min_ || size > max_);
        }
    }

    int min_, max_;
};

}  // namespace

int ScreenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

QFont FontFromLogFont(const LogFont& lf) {
    QFont f(QString::fromStdString(lf.face_name));
    // Height 0 asks for the system's default height.
    f.setPixelSize(lf.height < 0 ? -lf.height : (lf.height > 0 ? lf.height : 16));
    f.setWeight(lf.weight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(lf.italic != 0);
    f.setUnderline(lf.underline != 0);
    f.setStrikeOut(lf.strike_out != 0);
    return f;
}

bool RunFontDialog(ChooseFontRequest& request) {
    LogFont& lf = *request.log_font;
    QFont initial = lf.face_name.empty() ? QFont() : FontFromLogFont(lf);
    initial.setPointSizeF(request.point_size_tenths / 10.0);
    RangedFontDialog dialog(initial, static_cast<QWidget*>(request.owner), request.size_min,
                            request.size_max);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont chosen = dialog.selectedFont();
    lf.face_name = chosen.family().toStdString();
    lf.height = -int(std::lround(chosen.pointSizeF() * ScreenPixelsPerInch() / 72.0));
    lf.weight = chosen.weight();
    lf.italic = chosen.italic() ? 1 : 0;
    lf.underline = chosen.underline() ? 1 : 0;
    lf.strike_out = chosen.strikeOut() ? 1 : 0;
    request.point_size_tenths = int(std::lround(chosen.pointSizeF() * 10));
    return true;
}

}  // namespace marevisk
