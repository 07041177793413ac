// Entry point of every test program.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A test that destroys its application's main window leaves the quit that
// ends the message loop behind; the next test's loops must not meet it.
class DropPendingQuit : public testing::EmptyTestEventListener
{
    void OnTestEnd(const testing::TestInfo&) override
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    // A failing test must never stop on a system error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new DropPendingQuit);
    return RUN_ALL_TESTS();
}
