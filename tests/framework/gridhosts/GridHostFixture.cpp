#include "GridHostFixture.h"

namespace gridhosts {
namespace {
CString g_caption;
std::function<void(CWnd&)> g_action;
bool g_ran = false;

HWND FindThreadWindow(LPCSTR caption)
{
    struct Search
    {
        LPCSTR caption;
        HWND found;
    } search = { caption, nullptr };
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            char text[128] = {};
            ::GetWindowTextA(hwnd, text, sizeof(text));
            if (::IsWindowVisible(hwnd) && lstrcmpA(text, s->caption) == 0) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_ran)
        return;
    HWND window = FindThreadWindow(g_caption);
    if (!window)
        return;
    CWnd* wnd = CWnd::FromHandlePermanent(window);
    if (!wnd)
        return;
    g_ran = true;
    g_action(*wnd);
}
} // namespace

void GridHostTest::SetUp()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
    app = new TestApp;
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    app->SetRegistryKey(TestRegistryKey);
}

void GridHostTest::TearDown()
{
    app->m_pMainWnd = nullptr;
    delete app;
    RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
}

ModalDriver::ModalDriver(LPCSTR caption, std::function<void(CWnd&)> action) : m_timer(0)
{
    g_caption = caption;
    g_action = std::move(action);
    g_ran = false;
    m_timer = ::SetTimer(nullptr, 0, 20, &Drive);
}

ModalDriver::~ModalDriver()
{
    ::KillTimer(nullptr, m_timer);
}

bool ModalDriver::Ran() const
{
    return g_ran;
}

void Press(CWnd& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog.GetSafeHwnd(), id)));
}

} // namespace gridhosts
