// Starts the program as RunProgram does and stops once the window is shown and painted; prints
// the milliseconds from entering main. Time whole runs from outside for the full figure:
//   for i in 1 2 3 4 5 6 7; do /usr/bin/time -f %e build/bin/startup_time; done
#include <QApplication>
#include <chrono>
#include <cstdio>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/toolkit_setup.h"

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    marevisk::PrepareToolkit();
    marevisk::CreateProgramState();
    {
        auto window = marevisk::BuildMainWindow();
        window->show();
        QApplication::processEvents();  // the first paint
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        std::printf("%.1f\n", ms);
    }
    marevisk::ReleaseProgramState();
    return 0;
}
