// The program's start and end.
#pragma once

namespace marevisk {

// Prepares the toolkit, creates the program-wide state, registers its release as the exit
// routine, shows the main window and runs the message loop until the window is closed.
// Reads no command line; returns 0.
int RunProgram();

}  // namespace marevisk
