#include "platform/exit_routine.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace marevisk {
namespace {

void (*g_routine)() = nullptr;
bool g_ran = false;

void OutOfMemory() {
    FailFatally("out of memory");
}

}  // namespace

void RegisterExitRoutine(void (*routine)()) {
    g_routine = routine;
    g_ran = false;
    std::set_new_handler(OutOfMemory);
}

void RunExitRoutine() {
    if (g_ran || !g_routine) return;
    g_ran = true;
    g_routine();
}

void FailFatally(const char* what) {
    std::fprintf(stderr, "marevisk: fatal error: %s\n", what);
    RunExitRoutine();
    std::_Exit(1);
}

}  // namespace marevisk
