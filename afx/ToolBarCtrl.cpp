#include "afx/ToolBarCtrl.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBarCtrl::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rect, UINT nID)
{
    if (!Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetExtendedStyle(dwCtrlStyle);
    return TRUE;
}

void CToolBarCtrl::SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, static_cast<WPARAM>(nSize)); }

BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
{
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(nNumButtons),
                                   reinterpret_cast<LPARAM>(lpButtons)));
}

BOOL CToolBarCtrl::InsertButton(int nIndex, LPTBBUTTON lpButton)
{
    return static_cast<BOOL>(SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex),
                                   reinterpret_cast<LPARAM>(lpButton)));
}

BOOL CToolBarCtrl::DeleteButton(int nIndex)
{
    return static_cast<BOOL>(SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex)));
}

BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const
{
    return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex),
                                   reinterpret_cast<LPARAM>(lpButton)));
}

int CToolBarCtrl::GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }

UINT CToolBarCtrl::CommandToIndex(UINT nID) const { return static_cast<UINT>(SendMessage(TB_COMMANDTOINDEX, nID)); }

BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                                   reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CToolBarCtrl::GetRect(int nID, LPRECT lpRect) const
{
    return static_cast<BOOL>(SendMessage(TB_GETRECT, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(lpRect)));
}

int CToolBarCtrl::GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const
{
    return static_cast<int>(SendMessage(TB_GETBUTTONINFOA, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(ptbbi)));
}

BOOL CToolBarCtrl::SetButtonInfo(int nID, TBBUTTONINFO* ptbbi)
{
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(ptbbi)));
}

BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable)
{
    return static_cast<BOOL>(SendMessage(TB_ENABLEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bEnable, 0)));
}

BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck)
{
    return static_cast<BOOL>(SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bCheck, 0)));
}

BOOL CToolBarCtrl::PressButton(int nID, BOOL bPress)
{
    return static_cast<BOOL>(SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bPress, 0)));
}

BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide)
{
    return static_cast<BOOL>(SendMessage(TB_HIDEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bHide, 0)));
}

BOOL CToolBarCtrl::IsButtonEnabled(int nID) const { return SendMessage(TB_ISBUTTONENABLED, static_cast<WPARAM>(nID)) != 0; }
BOOL CToolBarCtrl::IsButtonChecked(int nID) const { return SendMessage(TB_ISBUTTONCHECKED, static_cast<WPARAM>(nID)) != 0; }
BOOL CToolBarCtrl::IsButtonPressed(int nID) const { return SendMessage(TB_ISBUTTONPRESSED, static_cast<WPARAM>(nID)) != 0; }
BOOL CToolBarCtrl::IsButtonHidden(int nID) const { return SendMessage(TB_ISBUTTONHIDDEN, static_cast<WPARAM>(nID)) != 0; }
int CToolBarCtrl::GetState(int nID) const { return static_cast<int>(SendMessage(TB_GETSTATE, static_cast<WPARAM>(nID))); }

BOOL CToolBarCtrl::SetState(int nID, UINT nState)
{
    return static_cast<BOOL>(SendMessage(TB_SETSTATE, static_cast<WPARAM>(nID), MAKELPARAM(nState, 0)));
}

BOOL CToolBarCtrl::SetButtonSize(CSize size)
{
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)));
}

CSize CToolBarCtrl::GetButtonSize() const
{
    const DWORD size = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    return CSize(LOWORD(size), HIWORD(size));
}

BOOL CToolBarCtrl::SetBitmapSize(CSize size)
{
    return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT_PTR nBitmapID, HINSTANCE hInst)
{
    TBADDBITMAP add = { hInst, nBitmapID };
    return static_cast<int>(SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(&add)));
}

HIMAGELIST CToolBarCtrl::SetImageList(HIMAGELIST hImageList)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList)));
}

HIMAGELIST CToolBarCtrl::GetImageList() const { return reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST)); }

HIMAGELIST CToolBarCtrl::SetDisabledImageList(HIMAGELIST hImageList)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList)));
}

HIMAGELIST CToolBarCtrl::SetHotImageList(HIMAGELIST hImageList)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList)));
}

int CToolBarCtrl::AddStrings(LPCTSTR lpszStrings)
{
    return static_cast<int>(SendMessage(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(lpszStrings)));
}

DWORD CToolBarCtrl::SetExtendedStyle(DWORD dwExStyle)
{
    return static_cast<DWORD>(SendMessage(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(dwExStyle)));
}

DWORD CToolBarCtrl::GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(TB_GETEXTENDEDSTYLE)); }
void CToolBarCtrl::SetStyle(DWORD dwStyle) { SendMessage(TB_SETSTYLE, 0, static_cast<LPARAM>(dwStyle)); }
DWORD CToolBarCtrl::GetStyle() const { return static_cast<DWORD>(SendMessage(TB_GETSTYLE)); }

BOOL CToolBarCtrl::GetMaxSize(LPSIZE pSize) const
{
    return static_cast<BOOL>(SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(pSize)));
}

void CToolBarCtrl::AutoSize() { SendMessage(TB_AUTOSIZE); }
int CToolBarCtrl::GetRows() const { return static_cast<int>(SendMessage(TB_GETROWS)); }
int CToolBarCtrl::HitTest(LPPOINT ppt) const { return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(ppt))); }
HWND CToolBarCtrl::GetToolTips() const { return reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS)); }
void CToolBarCtrl::SetToolTips(HWND hWndToolTip) { SendMessage(TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(hWndToolTip)); }
void CToolBarCtrl::SetOwner(CWnd* pWnd) { SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd())); }
