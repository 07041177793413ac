#include "tests/afx/mdi/TestApp.h"

namespace {
CMdiTestApp theApp;
}

CMdiTestApp::CMdiTestApp() : CWinApp("LexifernTestMdi")
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_SHOWNORMAL);
}

int CMdiTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_prompts.push_back(lpszPrompt ? lpszPrompt : "");
    return m_nAnswer;
}

CMdiTestApp& TestApp()
{
    return theApp;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;   // a main window closed by a test ends no loop here
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
