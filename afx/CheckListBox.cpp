#include "afx/CheckListBox.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

namespace {

// The check box is a classic 13-pixel square, two pixels from the line's
// left edge; the text starts two pixels after it.
const int kCheckSize = 13;
const int kCheckMargin = 2;

} // namespace

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_SETFONT, &CCheckListBox::OnSetFont)
    ON_MESSAGE(LB_ADDSTRING, &CCheckListBox::OnAddString)
    ON_MESSAGE(LB_INSERTSTRING, &CCheckListBox::OnInsertString)
    ON_MESSAGE(LB_DELETESTRING, &CCheckListBox::OnDeleteString)
    ON_MESSAGE(LB_RESETCONTENT, &CCheckListBox::OnResetContent)
END_MESSAGE_MAP()

CCheckListBox::CCheckListBox() : m_nStyle(BS_AUTOCHECKBOX), m_lines()
{
}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // Without owner drawing there are no check boxes to draw; without the
    // strings LB_ADDSTRING would keep the caller's pointer.
    ASSERT(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
    ASSERT(dwStyle & LBS_HASSTRINGS);
    return CListBox::Create(dwStyle, rect, pParentWnd, nID);
}

void CCheckListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    ASSERT(GetStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
    // A list from a template may already hold lines; they start unchecked.
    const int count = GetCount();
    m_lines.assign(count > 0 ? count : 0, LineState{0, true});
    if (GetStyle() & LBS_OWNERDRAWFIXED)
        SetItemHeight(0, LineHeight());
}

void CCheckListBox::SetCheckStyle(UINT nStyle)
{
    ASSERT(nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || nStyle == BS_3STATE || nStyle == BS_AUTO3STATE);
    m_nStyle = nStyle;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    if (static_cast<size_t>(nIndex) >= m_lines.size())
        m_lines.resize(nIndex + 1, LineState{0, true});
    m_lines[nIndex].check = static_cast<BYTE>(std::clamp(nCheck, 0, 2));
    InvalidateCheck(nIndex);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_lines.size())
        return 0;
    return m_lines[nIndex].check;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    if (static_cast<size_t>(nIndex) >= m_lines.size())
        m_lines.resize(nIndex + 1, LineState{0, true});
    m_lines[nIndex].enabled = bEnabled != FALSE;
    CRect rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_lines.size())
        return nIndex >= 0 && nIndex < GetCount();
    return m_lines[nIndex].enabled;
}

CRect CCheckListBox::OnGetCheckPosition(CRect, CRect rectCheckBox)
{
    return rectCheckBox;
}

CRect CCheckListBox::CheckBoxRect(const CRect& rectItem)
{
    const int top = rectItem.top + (rectItem.Height() - kCheckSize) / 2;
    return CRect(rectItem.left + kCheckMargin, top, rectItem.left + kCheckMargin + kCheckSize, top + kCheckSize);
}

int CCheckListBox::LineHeight() const
{
    HDC dc = ::GetDC(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(AfxCtrlSend(this, WM_GETFONT));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    if (old)
        ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return std::max<int>(metrics.tmHeight, kCheckSize + 2);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(LineHeight());
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    HDC dc = lpDrawItemStruct->hDC;
    const CRect rectItem(lpDrawItemStruct->rcItem);
    const int index = static_cast<int>(lpDrawItemStruct->itemID);
    const CRect rectCheck = OnGetCheckPosition(rectItem, CheckBoxRect(rectItem));
    CRect rectText(rectItem);
    rectText.left = std::max<LONG>(rectText.left, rectCheck.right + kCheckMargin);

    // An empty list still shows where the focus is.
    if (index < 0) {
        if (lpDrawItemStruct->itemState & ODS_FOCUS)
            ::DrawFocusRect(dc, &rectText);
        return;
    }
    // Only the focus changed: the focus rectangle is drawn by XOR, so drawing
    // it again takes it away.
    if (lpDrawItemStruct->itemAction == ODA_FOCUS) {
        ::DrawFocusRect(dc, &rectText);
        return;
    }

    const bool enabled = IsEnabled(index) && IsWindowEnabled();
    const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &rectItem, ::GetSysColorBrush(COLOR_WINDOW));

    UINT checkState = DFCS_BUTTONCHECK;
    const int check = GetCheck(index);
    if (check == 1)
        checkState |= DFCS_CHECKED;
    else if (check == 2)
        checkState = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (!enabled)
        checkState |= DFCS_INACTIVE;
    CRect box(rectCheck);
    ::DrawFrameControl(dc, &box, DFC_BUTTON, checkState | DFCS_FLAT);

    if (selected && enabled)
        ::FillRect(dc, &rectText, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    const COLORREF textColour = !enabled ? ::GetSysColor(COLOR_GRAYTEXT)
                                : selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                                           : ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF oldText = ::SetTextColor(dc, textColour);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    CString text;
    if (GetStyle() & LBS_HASSTRINGS)
        GetText(index, text);
    CRect rectLabel(rectText);
    rectLabel.left += kCheckMargin;
    ::DrawTextA(dc, text, text.GetLength(), &rectLabel, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetBkMode(dc, oldMode);
    ::SetTextColor(dc, oldText);

    if (lpDrawItemStruct->itemState & ODS_FOCUS)
        ::DrawFocusRect(dc, &rectText);
}

int CCheckListBox::CheckBoxHit(CPoint point)
{
    const DWORD hit = static_cast<DWORD>(AfxCtrlSend(this, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    if (HIWORD(hit) != 0)
        return -1;   // below the last line
    const int index = LOWORD(hit);
    CRect rectItem;
    if (GetItemRect(index, &rectItem) == LB_ERR)
        return -1;
    const CRect rectCheck = OnGetCheckPosition(rectItem, CheckBoxRect(rectItem));
    return rectCheck.PtInRect(point) ? index : -1;
}

void CCheckListBox::InvalidateCheck(int nIndex)
{
    CRect rectItem;
    if (m_hWnd && GetItemRect(nIndex, &rectItem) != LB_ERR)
        InvalidateRect(&rectItem, FALSE);
}

void CCheckListBox::NotifyCheckChange()
{
    // Sent the way the list box sends its own notifications, so it is
    // reflected here first and then reaches the parent's map.
    HWND parent = ::GetParent(m_hWnd);
    if (parent)
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::ToggleByUser(int nIndex)
{
    if (!IsEnabled(nIndex))
        return;
    if (m_nStyle == BS_AUTOCHECKBOX)
        SetCheck(nIndex, GetCheck(nIndex) == 1 ? 0 : 1);
    else if (m_nStyle == BS_AUTO3STATE)
        SetCheck(nIndex, (GetCheck(nIndex) + 1) % 3);
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int index = CheckBoxHit(point);
    if (index >= 0 && IsEnabled(index)) {
        ToggleByUser(index);
        // The line under the click becomes the current one as well.
        CListBox::OnLButtonDown(nFlags, point);
        NotifyCheckChange();
        return;
    }
    CListBox::OnLButtonDown(nFlags, point);
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The second click of a quick pair comes as a double click; on the box it
    // toggles again, as two single clicks would.
    const int index = CheckBoxHit(point);
    if (index >= 0 && IsEnabled(index)) {
        ToggleByUser(index);
        NotifyCheckChange();
        return;
    }
    CListBox::OnLButtonDblClk(nFlags, point);
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_SPACE) {
        CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const int caret = static_cast<int>(AfxCtrlSend(this, LB_GETCARETINDEX));
    if (caret < 0 || caret >= GetCount() || !IsEnabled(caret))
        return;
    ToggleByUser(caret);
    // In a multiple-selection list the selected lines follow the caret line.
    if (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        const int check = GetCheck(caret);
        const int count = GetCount();
        for (int i = 0; i < count; i++) {
            if (i != caret && GetSel(i) > 0 && IsEnabled(i))
                SetCheck(i, check);
        }
    }
    NotifyCheckChange();
}

LRESULT CCheckListBox::OnSetFont(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    // A fixed-height list measured its lines with the font it had at creation.
    if (GetStyle() & LBS_OWNERDRAWFIXED)
        SetItemHeight(0, LineHeight());
    return result;
}

LRESULT CCheckListBox::OnAddString(WPARAM, LPARAM)
{
    const LRESULT index = Default();
    if (index >= 0) {
        if (static_cast<size_t>(index) > m_lines.size())
            m_lines.resize(static_cast<size_t>(index), LineState{0, true});
        m_lines.insert(m_lines.begin() + index, LineState{0, true});
    }
    return index;
}

LRESULT CCheckListBox::OnInsertString(WPARAM, LPARAM)
{
    return OnAddString(0, 0);
}

LRESULT CCheckListBox::OnDeleteString(WPARAM wParam, LPARAM)
{
    const LRESULT result = Default();
    if (result != LB_ERR && wParam < m_lines.size())
        m_lines.erase(m_lines.begin() + static_cast<ptrdiff_t>(wParam));
    return result;
}

LRESULT CCheckListBox::OnResetContent(WPARAM, LPARAM)
{
    m_lines.clear();
    return Default();
}
