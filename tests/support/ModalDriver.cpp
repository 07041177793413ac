#include "tests/support/ModalDriver.h"

namespace {
std::function<void(CDialog&)> g_action;
CDialog* g_dialog = nullptr;
bool g_timedOut = false;
CMessageBoxCatcher* g_catcher = nullptr;

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!g_dialog->GetSafeHwnd())
        return;
    KillTimer(nullptr, id);
    if (g_action)
        g_action(*g_dialog);
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (g_dialog && g_dialog->GetSafeHwnd()) {
        g_timedOut = true;
        g_dialog->EndDialog(IDABORT);
    }
}

BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) && GetDlgItem(window, 0xFFFF)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box || !g_catcher)
        return;
    char buffer[512] = {};
    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    g_catcher->text = buffer;
    GetWindowTextA(box, buffer, sizeof buffer);
    g_catcher->caption = buffer;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}
}

ModalRun RunModal(CDialog& dialog, std::function<void(CDialog&)> action, UINT limitMs)
{
    g_dialog = &dialog;
    g_action = std::move(action);
    g_timedOut = false;
    UINT_PTR drive = SetTimer(nullptr, 0, 10, &DriveDialog);
    UINT_PTR limit = SetTimer(nullptr, 0, limitMs, &GiveUp);
    ModalRun run;
    run.result = dialog.DoModal();
    run.timedOut = g_timedOut;
    KillTimer(nullptr, drive);
    KillTimer(nullptr, limit);
    g_dialog = nullptr;
    g_action = nullptr;
    return run;
}

CMessageBoxCatcher::CMessageBoxCatcher() : text(), caption(), m_timer(0)
{
    g_catcher = this;
    m_timer = SetTimer(nullptr, 0, 20, &AnswerBox);
}

CMessageBoxCatcher::~CMessageBoxCatcher()
{
    KillTimer(nullptr, m_timer);
    g_catcher = nullptr;
}

namespace {
UINT g_pressButton = IDCANCEL;
bool g_dialogSeen = false;
CString g_dialogTitle;

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK PressDialogButton(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    KillTimer(nullptr, id);
    g_dialogSeen = true;
    char buffer[256] = {};
    GetWindowTextA(dialog, buffer, sizeof buffer);
    g_dialogTitle = buffer;
    PostMessageA(dialog, WM_COMMAND, g_pressButton, reinterpret_cast<LPARAM>(GetDlgItem(dialog, g_pressButton)));
}
} // namespace

bool RunPressingDialogButton(UINT button, const std::function<void()>& open, CString* title)
{
    g_pressButton = button;
    g_dialogSeen = false;
    g_dialogTitle.Empty();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &PressDialogButton);
    open();
    KillTimer(nullptr, timer);
    if (title)
        *title = g_dialogTitle;
    return g_dialogSeen;
}
