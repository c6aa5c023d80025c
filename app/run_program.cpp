#include "app/run_program.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/main_window.h"
#include "app/program_state.h"
#include "platform/exit_routine.h"
#include "platform/qt/font_mapping.h"

// The photo and the icon live in a static library: bring its resources in by hand.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

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
    InitResources();
    MapFormFonts();

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
