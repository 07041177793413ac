#include "HostFrame.h"

#include "HostLook.h"
#include "HostResource.h"

#include <cstdio>

namespace {
const int HostWidth = 1000;
const int HostHeight = 740;
const int StateBoxWidth = 300;
// The state box is rewritten by this timer too, so that changes made inside
// popup loops (which dispatch other messages) reach it.
const UINT_PTR StateTimerId = 1;
const UINT StateTimerPeriod = 250;
} // namespace

CString HostNumber(unsigned long long value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%llu", value);
    return text;
}

CString HostHex(unsigned int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

void CHostState::Add(const char* key, const CString& value)
{
    CString line(key);
    CString one = value;
    one.Replace("\r", " ");
    one.Replace("\n", " ");
    line += "=" + one;
    m_lines.push_back(line);
}

void CHostState::AddInt(const char* key, long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld", value);
    Add(key, text);
}

void CHostState::AddColor(const char* key, COLORREF color)
{
    if (color == 0xFFFFFFFF) {
        Add(key, "none");
    } else if (color == 0xFF000000) {
        Add(key, "default");
    } else {
        char text[8];
        std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
        Add(key, text);
    }
}

void CHostState::AddRect(const char* key, const RECT& rect)
{
    char text[64];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", rect.left, rect.top, rect.right, rect.bottom);
    Add(key, text);
}

CString CHostState::Text() const
{
    CString text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += m_lines[i];
    }
    return text;
}

BOOL CHostStateBar::Create(CFrameWnd* pFrame, int width)
{
    m_width = width;
    m_dwStyle = CBRS_ALIGN_RIGHT;
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    if (!CWnd::Create(cls, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pFrame, IDC_HOST_STATE_BAR))
        return FALSE;
    AttachToFrame(pFrame);
    m_hStateBox = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                    0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_HOST_STATE)),
                                    AfxGetInstanceHandle(), nullptr);
    return m_hStateBox != nullptr;
}

CSize CHostStateBar::CalcFixedLayout(BOOL, BOOL)
{
    // The whole height of what is left, the box's width across.
    return CSize(m_width, 32767);
}

LRESULT CHostStateBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && m_hStateBox)
        ::MoveWindow(m_hStateBox, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    if (message == WM_DESTROY)
        m_hStateBox = nullptr;
    return CControlBar::WindowProc(message, wParam, lParam);
}

CHostFrame::CHostFrame(const CString& sceneName, std::unique_ptr<CHostScene> scene)
    : m_sceneName(sceneName), m_scene(std::move(scene)), m_hStateBox(nullptr)
{
    // The menus' commands are the scene's and the host's, not the frame's handlers.
    m_bAutoMenuEnable = FALSE;
}

BOOL CHostFrame::CreateHost()
{
    HMENU menu = ::CreateMenu();
    AppendHostMenus(menu);
    HMENU scene = ::CreatePopupMenu();
    for (const auto& command : m_scene->Commands())
        ::AppendMenuA(scene, MF_STRING, command.first, command.second);
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(scene), "&Scene");

    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    CString caption = "Toolkit Host - " + m_sceneName;
    SetTitle(caption);
    if (!CreateEx(0, cls, caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, HostWidth, HostHeight, nullptr, menu)) {
        ::DestroyMenu(menu);
        return FALSE;
    }
    // The state bar comes first, so it keeps the whole right edge.
    if (!m_stateBar.Create(this, StateBoxWidth))
        return FALSE;
    m_hStateBox = m_stateBar.StateBox();
    if (!m_scene->Create(this))
        return FALSE;
    RecalcLayout();
    SetTimer(StateTimerId, StateTimerPeriod, nullptr);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    RefreshState();
    return TRUE;
}

CString CHostFrame::StateText()
{
    CHostState state;
    state.Add("scene", m_sceneName);
    state.Add("look", CurrentLookName());
    m_scene->AppendState(state);
    for (UINT id : m_scene->NamedControls()) {
        CRect rect;
        if (HWND control = m_scene->ControlWindow(this, id))
            ::GetWindowRect(control, &rect);
        char key[32];
        std::snprintf(key, sizeof key, "rect.%u", id);
        state.AddRect(key, rect);
    }
    return state.Text();
}

void CHostFrame::RefreshState()
{
    if (!m_hStateBox)
        return;
    CString text = StateText();
    char current[8192] = "";
    ::GetWindowTextA(m_hStateBox, current, sizeof current);
    if (text != current)
        ::SetWindowTextA(m_hStateBox, text);
}

BOOL CHostFrame::IsSceneMessage(UINT message)
{
    // WM_COMMAND, WM_NOTIFY, the toolkit's private messages (0x8000-0xBFFF)
    // and registered messages.
    return message == WM_COMMAND || message == WM_NOTIFY || message >= WM_APP;
}

LRESULT CHostFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == StateTimerId) {
        RefreshState();
        return 0;
    }
    if (message == WM_COMMAND && lParam == 0) {
        if (LOWORD(wParam) == ID_HOST_REFRESH) {
            RefreshState();
            return 0;
        }
        if (DoLookCommand(LOWORD(wParam))) {
            RefreshState();
            return 0;
        }
        if (LOWORD(wParam) == ID_HOST_EXIT) {
            DestroyWindow();
            return 0;
        }
    }
    if (IsSceneMessage(message) && m_scene) {
        LRESULT result = 0;
        if (!m_scene->OnHostMessage(message, wParam, lParam, &result))
            result = CFrameWnd::WindowProc(message, wParam, lParam);
        RefreshState();
        return result;
    }
    if (message == WM_CLOSE && m_scene)
        m_scene->OnHostClose();
    if (message == WM_DESTROY) {
        KillTimer(StateTimerId);
        m_hStateBox = nullptr;
        ::PostQuitMessage(0);
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
