// The view module's routine that lets waiting messages through.
#include "collector/LexifernView.h"

#include "afx/WinApp.h"

#include <gtest/gtest.h>

namespace {
int g_delivered = 0;
LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 7)
        ++g_delivered;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}
} // namespace

TEST(PumpWaitingMessages, DeliversWhatWaitsAndKeepsAQuitForTheMainLoop)
{
    CWinApp app("Pump Test");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "PumpTestWindow";
    ::RegisterClassA(&wc);
    HWND window = ::CreateWindowA("PumpTestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                                  nullptr);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageA(&msg);
    }
    g_delivered = 0;
    for (int i = 0; i < 3; ++i)
        ::PostMessageA(window, WM_APP + 7, 0, 0);
    EXPECT_TRUE(PumpWaitingMessages());
    EXPECT_EQ(3, g_delivered);
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));

    ::PostMessageA(window, WM_APP + 7, 0, 0);
    ::PostQuitMessage(0);
    EXPECT_FALSE(PumpWaitingMessages());
    EXPECT_EQ(4, g_delivered);
    // The quit is still there for the main loop.
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    ::DestroyWindow(window);
}
