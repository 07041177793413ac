#include "toolkit/foundation/OXBitmapButton.h"

#include "afx/DC.h"

#include <algorithm>

namespace {
// The drop-down arrow glyphs of the "Marlett" font: down and right.
const char ArrowDown[] = "6";
const char ArrowRight[] = "8";
const int ArrowSeparatorGap = 3;

HFONT CreateArrowFont()
{
    LOGFONTA font = {};
    font.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SYMBOL_CHARSET;
    lstrcpynA(font.lfFaceName, "Marlett", LF_FACESIZE);
    return ::CreateFontIndirectA(&font);
}
} // namespace

IMPLEMENT_DYNAMIC(COXBitmapButton, CButton)

BEGIN_MESSAGE_MAP(COXBitmapButton, CButton)
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &COXBitmapButton::OnClicked)
END_MESSAGE_MAP()

COXBitmapButton::COXBitmapButton()
    : m_textColor(RGB(0, 0, 0)),
      m_imageMargins(-5, -5),
      m_textMargins(-7, -6),
      m_focusMargins(-4, -4),
      m_pressedOffset(2, 2),
      m_pushedOffset(1, 1),
      m_arrowMargins(-2, -5),
      m_dwStyleFlags(0),
      m_dwStateFlags(0)
{
}

COXBitmapButton::~COXBitmapButton() = default;

BOOL COXBitmapButton::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = (cs.style & ~0xFUL) | BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

CString COXBitmapButton::GetText() const
{
    CString all;
    GetWindowText(all);
    int split = all.Find('\n');
    return split < 0 ? all : all.Left(split);
}

CString COXBitmapButton::GetToolTipText() const
{
    CString all;
    GetWindowText(all);
    int split = all.Find('\n');
    return split < 0 ? CString() : all.Mid(split + 1);
}

void COXBitmapButton::SetText(LPCTSTR lpszText)
{
    CString tip = GetToolTipText();
    CString all(lpszText);
    if (!tip.IsEmpty())
        all += "\n" + tip;
    SetWindowText(all);
}

void COXBitmapButton::SetToolTipText(LPCTSTR lpszTip)
{
    CString all = GetText();
    if (lpszTip && *lpszTip)
        all += CString("\n") + lpszTip;
    SetWindowText(all);
}

void COXBitmapButton::SetTextColor(COLORREF color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    if (m_hWnd)
        Invalidate();
}

void COXBitmapButton::SetStyleFlags(DWORD dwFlags, BOOL bRedraw)
{
    m_dwStyleFlags = dwFlags;
    if (bRedraw && m_hWnd)
        Invalidate();
}

void COXBitmapButton::SetStateFlags(DWORD dwFlags, BOOL bRedraw)
{
    m_dwStateFlags = dwFlags;
    if (bRedraw && m_hWnd)
        Invalidate();
}

int COXBitmapButton::GetDropDownArrowWidth() const
{
    HDC screen = ::GetDC(nullptr);
    HFONT font = CreateArrowFont();
    HGDIOBJ old = ::SelectObject(screen, font);
    SIZE size = {};
    ::GetTextExtentPoint32A(screen, ArrowDown, 1, &size);
    ::SelectObject(screen, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);
    return size.cx;
}

CSize COXBitmapButton::GetDropDownSize() const
{
    if ((m_dwStyleFlags & OXBB_DROPDOWN) && !(m_dwStyleFlags & OXBB_NOARROW))
        return CSize(GetDropDownArrowWidth() - 2 * m_arrowMargins.cx, 0);
    return CSize(0, 0);
}

UINT COXBitmapButton::DrawState(UINT nItemState) const
{
    if (m_hWnd && !IsWindowEnabled())
        return nItemState | ODS_DISABLED;
    return nItemState & ~ODS_DISABLED;
}

void COXBitmapButton::CalcLayout(CDC* pDC, const CRect& content, UINT nState, CRect& image, CRect& text)
{
    // The button carries no image: the text alone is centred.
    image.SetRectEmpty();
    text.SetRectEmpty();
    CString caption = GetText();
    const int W = content.Width();
    const int H = content.Height();
    if (!caption.IsEmpty()) {
        CRect measure(0, 0, W, H);
        pDC->DrawText(caption, &measure, DT_CALCRECT | DT_SINGLELINE);
        int blockW = std::min(static_cast<int>(measure.Width()) + 14, W);
        int blockH = std::min(static_cast<int>(measure.Height()) + 12, H);
        int x = (W - blockW) / 2 - m_textMargins.cx;
        int y = (H - blockH) / 2 - m_textMargins.cy;
        text = CRect(x, y, x + blockW - 14, y + blockH - 12);
        if (text.Width() <= 0 || text.Height() <= 0)
            text.SetRectEmpty();
    }
    CSize shift(0, 0);
    if (nState & ODS_SELECTED)
        shift = m_pressedOffset;
    else if (m_dwStateFlags & OXBB_STATE_PUSHED)
        shift = m_pushedOffset;
    if (!text.IsRectEmpty())
        text.OffsetRect(shift);
}

void COXBitmapButton::DrawButtonFrame(CDC* pDC, CRect rect, UINT nState)
{
    UINT flags = DFCS_BUTTONPUSH;
    if (m_dwStateFlags & OXBB_STATE_THIRD)
        flags |= DFCS_PUSHED;
    else if (m_dwStateFlags & OXBB_STATE_PUSHED)
        flags |= (m_dwStyleFlags & OXBB_DROPDOWN) ? DFCS_PUSHED : DFCS_CHECKED;
    else if (nState & ODS_SELECTED)
        flags |= DFCS_PUSHED;
    else if (nState & ODS_DISABLED)
        flags |= DFCS_INACTIVE;
    else if (nState & ODS_FOCUS)
        rect.DeflateRect(1, 1);
    pDC->DrawFrameControl(&rect, DFC_BUTTON, flags);
}

void COXBitmapButton::DrawButtonText(CDC* pDC, const CRect& rect, UINT nState, const CString& text)
{
    if (text.IsEmpty() || rect.IsRectEmpty())
        return;
    DWORD style = GetStyle();
    UINT format = DT_CENTER;
    if ((style & BS_CENTER) == BS_LEFT)
        format = DT_LEFT;
    else if ((style & BS_CENTER) == BS_RIGHT)
        format = DT_RIGHT;
    format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    format |= DT_VCENTER;
    pDC->SetBkMode(TRANSPARENT);
    COLORREF color = m_textColor;
    if (nState & ODS_DISABLED)
        color = ::GetSysColor(COLOR_GRAYTEXT);
    else if (m_dwStateFlags & OXBB_STATE_THIRD)
        color = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF old = pDC->SetTextColor(color);
    CRect r = rect;
    pDC->DrawText(text, &r, format);
    pDC->SetTextColor(old);
}

void COXBitmapButton::DrawDropDownArrow(CDC* pDC, CRect rect, UINT nState)
{
    rect.InflateRect(m_arrowMargins.cx, 0);
    pDC->Draw3dRect(rect.left - ArrowSeparatorGap, rect.top - m_arrowMargins.cy, 2,
                    rect.Height() + 2 * m_arrowMargins.cy, ::GetSysColor(COLOR_BTNSHADOW),
                    ::GetSysColor(COLOR_BTNHIGHLIGHT));
    if (nState & ODS_SELECTED)
        rect.OffsetRect(m_pressedOffset);
    else if (m_dwStateFlags & OXBB_STATE_PUSHED)
        rect.OffsetRect(m_pushedOffset);
    HFONT font = CreateArrowFont();
    HGDIOBJ old = ::SelectObject(pDC->GetSafeHdc(), font);
    pDC->SetBkMode(TRANSPARENT);
    COLORREF oldColor = pDC->SetTextColor(::GetSysColor((nState & ODS_DISABLED) ? COLOR_BTNSHADOW : COLOR_BTNTEXT));
    pDC->DrawText((m_dwStyleFlags & OXBB_DROPDOWNRIGHT) ? ArrowRight : ArrowDown, 1, &rect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(oldColor);
    ::SelectObject(pDC->GetSafeHdc(), old);
    ::DeleteObject(font);
}

void COXBitmapButton::DrawButtonFocus(CDC* pDC, CRect rect, UINT /*nState*/)
{
    CRect focus = rect;
    focus.InflateRect(m_focusMargins);
    pDC->DrawFocusRect(&focus);
    if (!(m_dwStateFlags & (OXBB_STATE_PUSHED | OXBB_STATE_THIRD)))
        ::FrameRect(pDC->GetSafeHdc(), &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

void COXBitmapButton::DrawContent(CDC* pDC, const CRect& item, UINT nState, CRect& content, CRect& image, CRect& text)
{
    CSize dropDown = GetDropDownSize();
    content = CRect(0, 0, item.Width() - dropDown.cx, item.Height() - dropDown.cy);
    CFont* font = GetFont();
    CFont* oldFont = font ? pDC->SelectObject(font) : nullptr;
    CalcLayout(pDC, content, nState, image, text);
    DrawButtonFrame(pDC, CRect(0, 0, item.Width(), item.Height()), nState);
    DrawButtonText(pDC, text, nState, GetText());
    if ((m_dwStyleFlags & OXBB_DROPDOWN) && !(m_dwStyleFlags & OXBB_NOARROW))
        DrawDropDownArrow(pDC, CRect(content.right, 0, item.Width(), item.Height()), nState);
    if (oldFont)
        pDC->SelectObject(oldFont);
}

void COXBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CRect item(lpDIS->rcItem);
    UINT state = DrawState(lpDIS->itemState);
    CDC* screen = CDC::FromHandle(lpDIS->hDC);
    CDC memory;
    memory.CreateCompatibleDC(screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, item.Width(), item.Height());
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    CRect content, image, text;
    DrawContent(&memory, item, state, content, image, text);
    if (state & ODS_FOCUS)
        DrawButtonFocus(&memory, CRect(0, 0, item.Width(), item.Height()), state);
    screen->BitBlt(item.left, item.top, item.Width(), item.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}

void COXBitmapButton::Toggle()
{
    if (!(m_dwStyleFlags & (OXBB_DROPDOWN | OXBB_TOGGLE)))
        return;
    if (m_dwStateFlags & OXBB_STATE_PUSHED) {
        if ((m_dwStyleFlags & OXBB_TOGGLE) && (m_dwStyleFlags & OXBB_THREESTATE) && !(m_dwStateFlags & OXBB_STATE_THIRD))
            m_dwStateFlags |= OXBB_STATE_THIRD;
        else
            m_dwStateFlags &= ~(OXBB_STATE_PUSHED | OXBB_STATE_THIRD);
    } else {
        m_dwStateFlags |= OXBB_STATE_PUSHED;
    }
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void COXBitmapButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (IsWindowEnabled() && client.PtInRect(point) && (GetState() & BST_PUSHED))
        Toggle();
    CButton::OnLButtonUp(nFlags, point);
}

void COXBitmapButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double click acts as a second press.
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void COXBitmapButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsWindowEnabled())
        return;
    if (nChar == VK_RETURN)
        Toggle();
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void COXBitmapButton::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsWindowEnabled())
        return;
    if (nChar == VK_SPACE)
        Toggle();
    CButton::OnKeyUp(nChar, nRepCnt, nFlags);
}

BOOL COXBitmapButton::OnClicked()
{
    NotifyParentOfState();
    // The parent sees the click as well.
    return FALSE;
}

void COXBitmapButton::NotifyParentOfState()
{
    CWnd* parent = GetParent();
    NMHDR header = {};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    if (m_dwStyleFlags & OXBB_DROPDOWN) {
        header.code = OXBBN_DROPDOWN;
        LRESULT answer = parent ? parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
        if (answer == 0)
            OnDropDown();
        Toggle();
    } else if (m_dwStyleFlags & OXBB_TOGGLE) {
        header.code = OXBBN_TOGGLE;
        LRESULT answer = parent ? parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
        if (answer == 0)
            OnToggle();
    }
}

void COXBitmapButton::OnDropDown()
{
}

void COXBitmapButton::OnToggle()
{
}
