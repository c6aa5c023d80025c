// A scratch folder per test for the picture files tests.
#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../window_fixture.h"
#include "platform/io/whole_file.h"

namespace marevisk::testing {

class FilesTest : public WindowTest {
  protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile(path(name).toStdString(), bytes));
    }
    std::string read(const QString& name) const { return ReadWholeFile(path(name).toStdString()); }
    QStringList files() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
};

}  // namespace marevisk::testing
