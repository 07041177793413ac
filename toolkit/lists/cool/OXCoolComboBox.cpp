#include "toolkit/lists/cool/OXCoolComboBox.h"

#include "afx/DC.h"

namespace {
const UINT ListId = 1000;
const UINT EditId = 1001;

// Shared by every cool combo; made on first use with the colours of then.
struct ComboPens
{
    CPen highlight;
    CPen shadow;
    CPen face;
    CPen darkShadow;
};

ComboPens& Pens()
{
    static ComboPens pens;
    if (!pens.highlight.GetSafeHandle()) {
        pens.highlight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        pens.shadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        pens.face.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
        pens.darkShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    }
    return pens;
}

CString ItemText(const CComboBox& combo, int nIndex)
{
    CString text;
    if (nIndex >= 0 && combo.GetLBTextLen(nIndex) >= 0)
        combo.GetLBText(nIndex, text);
    return text;
}
} // namespace

COXCoolComboEdit::~COXCoolComboEdit() = default;

void COXCoolComboEdit::OnFocusChange(CWnd* pWndGainFocus, CWnd* pWndLoseFocus)
{
    COXCoolCtrl<CEdit>::OnFocusChange(pWndGainFocus, pWndLoseFocus);
    if (m_pCombo && ::IsWindow(m_pCombo->GetSafeHwnd()))
        m_pCombo->SetHot(pWndGainFocus && pWndGainFocus->GetSafeHwnd() == m_hWnd);
}

BEGIN_MESSAGE_MAP(COXCoolComboBox, COXCoolCtrl<CComboBox>)
    ON_WM_PAINT()
    ON_CONTROL_REFLECT(CBN_CLOSEUP, &COXCoolComboBox::OnCloseUp)
END_MESSAGE_MAP()

COXCoolComboBox::COXCoolComboBox() : m_nSelFieldHeight(0), m_nItemHeight(0)
{
}

COXCoolComboBox::~COXCoolComboBox() = default;

BOOL COXCoolComboBox::IsOwnerDraw() const
{
    return (GetStyle() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

void COXCoolComboBox::UpdateSizes()
{
    CClientDC dc(nullptr);
    CFont* font = GetFont();
    CFont* old = font ? dc.SelectObject(font) : nullptr;
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    m_nSelFieldHeight = tm.tmHeight;
    m_nItemHeight = dc.GetTextExtent("ygaQ!|", 6).cy;
    if (old)
        dc.SelectObject(old);
    if (GetItemHeight(-1) != m_nSelFieldHeight + 1)
        SetItemHeight(-1, m_nSelFieldHeight + 1);
}

void COXCoolComboBox::PreSubclassWindow()
{
    COXCoolCtrl<CComboBox>::PreSubclassWindow();
    if (IsOwnerDraw())
        UpdateSizes();
}

void COXCoolComboBox::AttachEdit(HWND hEdit)
{
    if (!hEdit || m_edit.GetSafeHwnd())
        return;
    m_edit.SetCombo(this);
    if (m_edit.SubclassWindow(hEdit) && !m_sTooltip.IsEmpty())
        m_edit.SetTooltipText(m_sTooltip);
}

void COXCoolComboBox::AttachList(HWND hList)
{
    if (!hList || m_wndList.GetSafeHwnd() || IsOwnerDraw())
        return;
    if (m_wndList.SubclassWindow(hList) && !m_sTooltip.IsEmpty())
        m_wndList.SetTooltipText(m_sTooltip);
}

BOOL COXCoolComboBox::InitializeControl()
{
    const BOOL result = COXCoolCtrl<CComboBox>::InitializeControl();
    UpdateSizes();
    AttachEdit(::GetDlgItem(m_hWnd, EditId));
    AttachList(::GetDlgItem(m_hWnd, ListId));
    return result;
}

BOOL COXCoolComboBox::SetTooltipText(const CString& sText)
{
    m_sTooltip = sText;
    BOOL result = TRUE;
    if (::IsWindow(m_edit.GetSafeHwnd()))
        result = m_edit.SetTooltipText(sText) && result;
    if (::IsWindow(m_wndList.GetSafeHwnd()))
        result = m_wndList.SetTooltipText(sText) && result;
    return result;
}

void COXCoolComboBox::SetHot(BOOL bHot)
{
    const HWND focus = ::GetFocus();
    if (!bHot && focus && focus == m_edit.GetSafeHwnd())
        return;
    if (GetDroppedState()) {
        // No redraw while the list is down: the close-up repaints.
        if (bHot || !IsAncestorOf(this, CWnd::FromHandle(focus)))
            m_bHot = bHot;
        return;
    }
    COXCoolCtrl<CComboBox>::SetHot(bHot);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void COXCoolComboBox::OnCloseUp()
{
    CheckMousePosition(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

LRESULT COXCoolComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCPAINT:
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_SETFONT: {
        const LRESULT result = COXCoolCtrl<CComboBox>::WindowProc(message, wParam, lParam);
        UpdateSizes();
        return result;
    }
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE) {
            const UINT id = HIWORD(wParam);
            if (id == EditId)
                AttachEdit(reinterpret_cast<HWND>(lParam));
            else if (id == ListId)
                AttachList(reinterpret_cast<HWND>(lParam));
        }
        break;
    case WM_CTLCOLORLISTBOX:
        if (!m_wndList.GetSafeHwnd() && !IsOwnerDraw()) {
            AttachList(reinterpret_cast<HWND>(lParam));
            if (m_wndList.GetSafeHwnd())
                m_wndList.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        }
        break;
    default:
        break;
    }
    return COXCoolCtrl<CComboBox>::WindowProc(message, wParam, lParam);
}

void COXCoolComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = m_nItemHeight + 1;
}

int COXCoolComboBox::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    const CString first = ItemText(*this, static_cast<int>(lpCompareItemStruct->itemID1));
    const CString second = ItemText(*this, static_cast<int>(lpCompareItemStruct->itemID2));
    return first.CompareNoCase(second);
}

void COXCoolComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int item = static_cast<int>(lpDrawItemStruct->itemID);
    const CString text = ItemText(*this, item == -1 ? GetCurSel() : item);
    const BOOL enabled = IsWindowEnabled();
    const BOOL selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const BOOL focused = (lpDrawItemStruct->itemState & ODS_FOCUS) != 0;
    CRect rect(lpDrawItemStruct->rcItem);
    int background = selected || focused ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    int foreground = selected || focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    if (!enabled) {
        background = COLOR_BTNFACE;
        foreground = COLOR_BTNSHADOW;
    }
    pDC->FillSolidRect(&rect, ::GetSysColor(background));
    if (focused)
        pDC->DrawFocusRect(&rect);
    CFont* font = GetFont();
    CFont* oldFont = font ? pDC->SelectObject(font) : nullptr;
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = pDC->SetTextColor(::GetSysColor(foreground));
    rect.DeflateRect(1, 1);
    pDC->DrawText(text, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(oldMode);
    if (oldFont)
        pDC->SelectObject(oldFont);
}

void COXCoolComboBox::DrawDropButton(CDC& dc, const CRect& button, BOOL bDropped)
{
    ComboPens& pens = Pens();
    dc.FillSolidRect(&button, ::GetSysColor(COLOR_BTNFACE));
    if (bDropped) {
        dc.Draw3dRect(&button, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
    } else if (m_bHot && IsCool()) {
        dc.Draw3dRect(&button, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    } else if (IsWindowEnabled()) {
        CPen* oldPen = dc.SelectObject(&pens.highlight);
        CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
        dc.Rectangle(&button);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }
    int x1 = button.left + button.Width() / 3;
    int x2 = button.left + 2 * button.Width() / 3 + 1;
    if ((x2 - x1) % 2)
        --x2;
    const int shift = bDropped ? 1 : 0;
    const int top = (button.top + button.bottom) / 2 - (x2 - x1) / 4 - 1 + shift;
    POINT points[3] = {{x1 + shift, top}, {x2 + shift, top}, {(x1 + x2) / 2 + shift, top + (x2 - x1) / 2}};
    CBrush brush(::GetSysColor(COLOR_3DDKSHADOW));
    CBrush* oldBrush = dc.SelectObject(&brush);
    CPen* oldPen = dc.SelectObject(&pens.darkShadow);
    dc.Polygon(points, 3);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void COXCoolComboBox::OnPaint()
{
    if (!IsCool()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    ComboPens& pens = Pens();
    const DWORD style = GetStyle();
    const BOOL simple = (style & 0x3) == CBS_SIMPLE;
    const BOOL enabled = IsWindowEnabled();
    const BOOL dropped = GetDroppedState();
    CRect client;
    GetClientRect(&client);
    if (simple && m_edit.GetSafeHwnd()) {
        CRect edit;
        m_edit.GetWindowRect(&edit);
        client.bottom = client.top + edit.Height() + 5;
    }
    CRect button(0, 0, 0, 0);
    if (!simple) {
        button.SetRect(client.right - 2 - ::GetSystemMetrics(SM_CXVSCROLL), client.top + 2, client.right - 2,
                       client.bottom - 2);
        if (button.left < 0)
            button.left = 0;
    }
    CRect text = client;
    text.DeflateRect(2, 2);
    if (!simple)
        text.right = button.left;
    const COLORREF textColor = ::GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    dc.FillSolidRect(&text, textColor);
    if (!m_edit.GetSafeHwnd() && !::GetDlgItem(m_hWnd, EditId)) {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = GetDlgCtrlID();
        dis.itemID = static_cast<UINT>(GetCurSel());
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (::GetFocus() == m_hWnd && !dropped) ? ODS_FOCUS : 0;
        dis.hwndItem = m_hWnd;
        dis.hDC = dc.GetSafeHdc();
        dis.rcItem = text;
        dis.itemData = static_cast<ULONG_PTR>(GetItemData(GetCurSel()));
        DrawItem(&dis);
    }
    dc.ExcludeClipRect(&text);
    if (!(m_bHot && enabled)) {
        dc.FillSolidRect(&client, ::GetSysColor(simple ? COLOR_WINDOW : COLOR_BTNFACE));
        dc.FillSolidRect(text.left - 1, text.top, 1, text.Height(), textColor);
    } else {
        CRect inner = client;
        inner.DeflateRect(1, 1);
        dc.FillSolidRect(&inner, ::GetSysColor(COLOR_BTNFACE));
        CPen* oldPen = dc.SelectObject(&pens.shadow);
        dc.MoveTo(client.left, client.bottom - 1);
        dc.LineTo(client.left, client.top);
        dc.LineTo(client.right - 1, client.top);
        dc.SelectObject(&pens.highlight);
        dc.LineTo(client.right - 1, client.bottom - 1);
        dc.LineTo(client.left, client.bottom - 1);
        dc.SelectObject(oldPen);
    }
    if (!enabled) {
        CRect outline = text;
        outline.InflateRect(1, 1);
        CPen* oldPen = dc.SelectObject(&pens.highlight);
        CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
        dc.Rectangle(&outline);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }
    if (!simple)
        DrawDropButton(dc, button, dropped);
}
