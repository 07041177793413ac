#include "TestApp.h"

namespace {
CTestApp theApp;
}

CTestApp::CTestApp() : CWinApp("LexifernTestWnd")
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE);
}

int CTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_messages.push_back(lpszPrompt ? lpszPrompt : "");
    return IDOK;
}

CTestApp& TestApp()
{
    return theApp;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

HWND CreateHiddenTopLevel()
{
    return ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}
