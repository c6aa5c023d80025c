// A fresh main window per test, and the helpers tests use to drive it as a person would.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
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

// Runs `act` on the next modal dialog (or popup menu) as soon as it is open. Call before the
// action that opens it.
inline void WhenModalOpens(std::function<void(QWidget*)> act, int tries = 200) {
    QTimer::singleShot(10, [act = std::move(act), tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) modal = QApplication::activePopupWidget();
        if (modal && modal->isVisible()) return act(modal);
        if (tries > 0) WhenModalOpens(act, tries - 1);
    });
}

// Types `text` into `w` key by key. Characters without a key of their own arrive as a key event
// carrying the character, as an input method delivers them.
inline void Type(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) QTest::keyClick(w, char(ch.unicode()));
        else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Keeps the event loop turning for `ms` milliseconds.
inline void Pump(int ms) { QTest::qWait(ms); }

}  // namespace marevisk::testing
