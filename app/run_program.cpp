#include "app/run_program.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/toolkit_setup.h"
#include "platform/exit_routine.h"

namespace marevisk {
namespace {

void OnToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) FailFatally(message.toLocal8Bit().constData());
    if (type == QtCriticalMsg)
        std::fprintf(stderr, "marevisk: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

int RunProgram() {
    // The toolkit wants a command line; the program itself takes none.
    static int argc = 1;
    static char name[] = "marevisk";
    static char* argv[] = {name, nullptr};
    qInstallMessageHandler(OnToolkitMessage);
    std::unique_ptr<QApplication> own;
    if (!QApplication::instance()) own = std::make_unique<QApplication>(argc, argv);
    PrepareToolkit();

    CreateProgramState();
    RegisterExitRoutine(ReleaseProgramState);
    {
        std::unique_ptr<Window> window = BuildMainWindow();
        window->show();
        QApplication::exec();
    }  // closing destroyed the window with its controls and timers
    RunExitRoutine();
    qInstallMessageHandler(nullptr);
    return 0;
}

}  // namespace marevisk
