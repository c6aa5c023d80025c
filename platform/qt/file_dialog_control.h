// The settings of an open or save file dialog, kept between uses, and the dialog run on demand.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace marevisk {

class FileDialogControl : public QObject {
    Q_OBJECT
  public:
    enum class Mode { Open, Save };

    explicit FileDialogControl(QObject* parent) : QObject(parent) {}

    Mode mode = Mode::Open;
    QString title;             // empty: the toolkit's default title
    QString filter;            // "name|pattern|name|pattern", may end in "||"
    QString fileName;          // the last confirmed full path; offered on the next opening
    QString defaultExtension;  // ".jpg" or empty

    // Runs the dialog modally over `owner`. True when the user confirmed; the chosen full path is
    // then in fileName. False on cancel, fileName unchanged.
    bool open(QWidget* owner);

    // "JPG图片|*.jpg|GIF图片|*.gif" as the toolkit's name filters.
    static QStringList NameFilters(const QString& filter);
};

}  // namespace marevisk
