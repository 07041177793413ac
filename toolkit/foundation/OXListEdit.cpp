#include "toolkit/foundation/OXListEdit.h"

#include "afx/Exception.h"
#include "toolkit/foundation/OXPopupLoop.h"

IMPLEMENT_DYNCREATE(COXListEdit, COXEdit)

int COXListPopup::Pick(CRect rect)
{
    CRect owner(rect.left, rect.top, rect.right, rect.top);
    if (CWnd* edit = GetOwner())
        edit->GetWindowRect(&owner);
    OXFitPopupRect(rect, owner.top);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNA);
    SetCapture();

    int result = -1;
    for (;;) {
        MSG msg;
        if (!OXGetPopupMessage(msg))
            break;
        // Keys arrive as system keys while no window has the focus.
        const UINT message = msg.message == WM_SYSKEYDOWN ? WM_KEYDOWN : msg.message;
        if (message == WM_MOUSEMOVE || message == WM_LBUTTONUP) {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            if (msg.hwnd != m_hWnd)
                ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
            CRect client;
            GetClientRect(&client);
            BOOL outside = TRUE;
            const int item = client.PtInRect(pt) ? static_cast<int>(ItemFromPoint(pt, outside)) : -1;
            const bool inside = item >= 0 && !outside;
            if (message == WM_LBUTTONUP) {
                result = inside ? item : -1;
                break;
            }
            if (inside)
                SetCurSel(item);
        } else if (message == WM_LBUTTONDOWN) {
        } else if (message == WM_KEYDOWN) {
            const int count = GetCount();
            const int current = GetCurSel();
            if (msg.wParam == VK_ESCAPE)
                break;
            if (msg.wParam == VK_RETURN) {
                result = current;
                break;
            }
            if (msg.wParam == VK_UP && count > 0)
                SetCurSel(current <= 0 ? 0 : current - 1);
            else if (msg.wParam == VK_DOWN && count > 0 && current < count - 1)
                SetCurSel(current < 0 ? 0 : current + 1);
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        // Whoever took the mouse away has ended the pick.
        if (::GetCapture() != m_hWnd)
            break;
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ShowWindow(SW_HIDE);
    return result;
}

COXListEdit::COXListEdit() = default;

COXListEdit::~COXListEdit() = default;

void COXListEdit::SetListItems(const CStringArray& items, CWnd* pParentWnd)
{
    if (!GetSafeHwnd() && !Create(WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, CreatedId))
        return;
    // The list exists once the first message after creation has run.
    SendMessage(WM_NULL);
    m_listPopup.SendMessage(LB_RESETCONTENT);
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        m_listPopup.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(items[i])));
}

BOOL COXListEdit::InitializeDropEdit()
{
    // The list keeps the height it is given: shrunk to whole rows it would
    // leave a gap over the edit when it opens above it.
    if (!m_listPopup.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ListBox", "",
                              WS_POPUP | WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 0, 0), this, 0))
        AfxThrowResourceException();
    m_listPopup.SetOwner(this);
    m_fontList.DeleteObject();
    m_fontList.CreatePointFont(80, "MS Sans Serif");
    m_listPopup.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontList.GetSafeHandle()), TRUE);
    return TRUE;
}

void COXListEdit::OnDropButton()
{
    if (!m_listPopup.GetSafeHwnd())
        return;
    CRect rect;
    GetClientRect(&rect);
    ClientToScreen(&rect);
    rect.right += m_nButtonWidth;
    CRect window;
    GetWindowRect(&window);
    rect.top = window.bottom;
    const int count = m_listPopup.GetCount();
    const int rows = count < COXListPopup::MaxVisibleRows ? count : static_cast<int>(COXListPopup::MaxVisibleRows);
    const int rowHeight = static_cast<int>(m_listPopup.SendMessage(LB_GETITEMHEIGHT)) + 1;
    rect.bottom = rect.top + rows * rowHeight + (rows == 1 ? 1 : 0);
    ::SetFocus(nullptr);
    const int picked = m_listPopup.Pick(rect);
    if (picked != -1) {
        CString text;
        m_listPopup.GetText(picked, text);
        SetWindowText(text);
    }
}
