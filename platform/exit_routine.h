// One routine the program runs exactly once at its end: after the message loop, or when a fatal
// error ends the process.
#pragma once

namespace marevisk {

void RegisterExitRoutine(void (*routine)());
// Runs the registered routine unless it has run already.
void RunExitRoutine();
// Reports a fatal error, runs the exit routine and ends the process with status 1.
[[noreturn]] void FailFatally(const char* what);

}  // namespace marevisk
