// A fresh main window per test, and the helpers tests use to drive it as a person would.
#pragma once
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "app/program_state.h"
#include "platform/qt/canvas.h"
#include "platform/qt/window.h"

namespace marevisk::testing {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateProgramState();
        window_ = BuildMainWindow();
        window_->show();
        QApplication::setActiveWindow(window_->widget());
        QApplication::processEvents();
    }
    void TearDown() override {
        window_.reset();
        ReleaseProgramState();
        QApplication::processEvents();
    }

    template <class T = QWidget>
    T& control(const char* name) {
        return Control<T>(name);
    }
    Canvas& preview() { return Control<Canvas>("画板1"); }
    Argb previewPixel(int x, int y) { return preview().image().at(x, y); }

    std::unique_ptr<Window> window_;
};

// Runs `act` on the next modal dialog (or popup menu) of kind T as soon as it is open. Call
// before the action that opens it.
template <class T = QWidget>
void WhenOpens(std::function<void(T*)> act, int tries = 300) {
    QTimer::singleShot(10, [act = std::move(act), tries] {
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal) modal = QApplication::activeModalWidget();
        if (auto* t = qobject_cast<T*>(modal); t && modal->isVisible()) return act(t);
        if (tries > 0)
            WhenOpens<T>(act, tries - 1);
        else
            ADD_FAILURE() << "no " << T::staticMetaObject.className() << " opened";
    });
}

inline void WhenModalOpens(std::function<void(QWidget*)> act) {
    WhenOpens<QWidget>(std::move(act));
}

// Types `text` into `w` key by key. Characters without a key of their own arrive as a key event
// carrying the character, as an input method delivers them.
inline void Type(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(w, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// What a file dialog showed when it opened.
struct FileDialogSeen {
    QString title;
    QStringList filters;
    QString selected_filter;
    QString offered;  // the file name it offered
    bool save = false;
};

// Answers the next file dialog: types `path` into its file name box and presses Return, or
// cancels when `path` is empty.
inline void AnswerFileDialog(const QString& path, FileDialogSeen* seen = nullptr) {
    WhenOpens<QFileDialog>([path, seen](QFileDialog* dialog) {
        if (seen) {
            seen->title = dialog->windowTitle();
            seen->filters = dialog->nameFilters();
            seen->selected_filter = dialog->selectedNameFilter();
            seen->offered = dialog->selectedFiles().value(0);
            seen->save = dialog->acceptMode() == QFileDialog::AcceptSave;
        }
        if (path.isEmpty()) return dialog->reject();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        // As a person does: into the focused name box, replacing what the dialog offered.
        QApplication::setActiveWindow(dialog);
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

// Answers the next message box with `button` and gives back its text.
inline void AnswerMessageBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    WhenOpens<QMessageBox>([button, text](QMessageBox* box) {
        if (text) *text = box->text();
        QAbstractButton* b = box->button(button);
        ASSERT_NE(b, nullptr);
        b->click();
    });
}

// Keeps the event loop turning for `ms` milliseconds.
inline void Pump(int ms) {
    QTest::qWait(ms);
}

}  // namespace marevisk::testing
