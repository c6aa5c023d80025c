#include "platform/exit_routine.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace marevisk {
namespace {

int g_calls = 0;
void Count() {
    ++g_calls;
}
void Say() {
    std::fputs("released\n", stderr);
}

TEST(ExitRoutineTest, RunsExactlyOnce) {
    g_calls = 0;
    RegisterExitRoutine(Count);
    RunExitRoutine();
    RunExitRoutine();
    EXPECT_EQ(g_calls, 1);
}

TEST(ExitRoutineDeathTest, AFatalErrorStillRunsItAndEndsWithFailure) {
    EXPECT_EXIT(
        {
            RegisterExitRoutine(Say);
            FailFatally("the window cannot be built");
        },
        ::testing::ExitedWithCode(1), "fatal error: the window cannot be built\nreleased");
}

}  // namespace
}  // namespace marevisk
