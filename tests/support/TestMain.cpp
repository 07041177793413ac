// Entry point of every test program.
#include <gtest/gtest.h>

#include <windows.h>

int main(int argc, char** argv)
{
    // A failing test must never stop on a system error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
