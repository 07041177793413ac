#include "grid/InPlaceEdit.h"

#include "afx/DC.h"
#include "grid/CellRange.h"

BEGIN_MESSAGE_MAP(CInPlaceEdit, CEdit)
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CInPlaceEdit::CInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                           CString sInitText, UINT nFirstChar)
    : m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText), m_nLastChar(0),
      m_bExitOnArrows(nFirstChar != VK_LBUTTON), m_Rect(rect)
{
    DWORD dwEditStyle = WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | dwStyle;
    if (!CreateEx(0, _T("EDIT"), nullptr, dwEditStyle, rect, pParent, nID))
        return;
    SetFont(CFont::FromHandle((HFONT)pParent->SendMessage(WM_GETFONT, 0, 0)), TRUE);
    SetWindowText(sInitText);
    SetFocus();

    switch (nFirstChar) {
    case VK_LBUTTON:
    case VK_RETURN:
        SetSel((int)_tcslen(m_sInitText), -1);
        return;
    case VK_BACK:
        SetSel((int)_tcslen(m_sInitText), -1);
        break;
    case VK_TAB:
    case VK_SPACE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        SetSel(0, -1);
        return;
    default:
        SetSel(0, -1);
        break;
    }
    // The first key replaces the selected text or deletes before the caret.
    if (nFirstChar < 0x80)
        PostMessage(WM_CHAR, nFirstChar, 0);
    else
        PostMessage(WM_IME_CHAR, nFirstChar, 0);
}

CInPlaceEdit::~CInPlaceEdit() = default;

BOOL CInPlaceEdit::PreTranslateMessage(MSG* pMsg)
{
    // Alt+key would reach the dialog's mnemonics while the cell is being typed into.
    if (pMsg->message == WM_SYSCHAR)
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

void CInPlaceEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    EndEdit();
}

void CInPlaceEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if ((nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_DOWN || nChar == VK_UP || nChar == VK_RIGHT ||
         nChar == VK_LEFT) &&
        (m_bExitOnArrows || (::GetKeyState(VK_CONTROL) & 0x8000))) {
        m_nLastChar = nChar;
        GetParent()->SetFocus();
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CInPlaceEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_TAB || nChar == VK_RETURN) {
        m_nLastChar = nChar;
        ::Sleep(100);
        GetParent()->SetFocus();
        return;
    }
    if (nChar == VK_ESCAPE) {
        SetWindowText(m_sInitText);
        m_nLastChar = nChar;
        GetParent()->SetFocus();
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);

    // Widen to the text typed so far, up to the parent's right edge.
    CString str;
    GetWindowText(str);
    str += _T("  ");
    CWindowDC dc(this);
    CSize size;
    {
        CSelectGuard fontGuard(dc, GetFont()->GetSafeHandle());
        size = dc.GetTextExtent(str);
    }
    if (size.cx > m_Rect.Width()) {
        CRect parentRect;
        GetParent()->GetClientRect(&parentRect);
        m_Rect.right = std::min<LONG>(m_Rect.left + size.cx, parentRect.right);
        MoveWindow(&m_Rect);
    }
}

UINT CInPlaceEdit::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void CInPlaceEdit::EndEdit()
{
    // Closing the window moves the focus, which would end the edit a second time.
    static BOOL s_bAlreadyEnding = FALSE;
    if (s_bAlreadyEnding)
        return;
    s_bAlreadyEnding = TRUE;

    CString str;
    GetWindowText(str);

    GV_DISPINFO dispinfo{};
    dispinfo.hdr.hwndFrom = GetSafeHwnd();
    dispinfo.hdr.idFrom = GetDlgCtrlID();
    dispinfo.hdr.code = GVN_ENDLABELEDIT;
    dispinfo.item.mask = LVIF_TEXT | LVIF_PARAM;
    dispinfo.item.row = m_nRow;
    dispinfo.item.col = m_nColumn;
    dispinfo.item.strText = str;
    dispinfo.item.lParam = (LPARAM)m_nLastChar;

    CWnd* pOwner = GetOwner();
    if (!pOwner)
        pOwner = GetParent();
    if (pOwner)
        pOwner->SendMessage(WM_NOTIFY, GetDlgCtrlID(), (LPARAM)&dispinfo);

    if (::IsWindow(GetSafeHwnd()))
        SendMessage(WM_CLOSE, 0, 0);
    s_bAlreadyEnding = FALSE;
}

void CInPlaceEdit::PostNcDestroy()
{
    CEdit::PostNcDestroy();
    delete this;
}
