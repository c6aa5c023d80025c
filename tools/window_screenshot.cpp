// Saves a picture of the main window as it looks at start: `window_screenshot out.png`.
// Runs on the offscreen platform, so no display is needed.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/toolkit_setup.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_screenshot OUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    marevisk::PrepareToolkit();
    marevisk::CreateProgramState();
    int status = 0;
    {
        auto window = marevisk::BuildMainWindow();
        window->show();
        QApplication::processEvents();
        status = window->widget()->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    marevisk::ReleaseProgramState();
    return status;
}
