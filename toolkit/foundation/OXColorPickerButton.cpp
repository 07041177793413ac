#include "toolkit/foundation/OXColorPickerButton.h"

#include "afx/DC.h"

namespace {
const int DefaultBandHeight = 5;
// The band stands this far above the content's bottom and this far in from
// its sides when the button shows a text or an image.
const int BandBottomGap = 4;
const int BandInset = 5;
// Without text and image the band is a swatch this far around the content's centre.
const int SwatchHalf = 5;
const DWORD PickerBarStyle = POPUPBAR_NOTEAROFF;
const UINT AlignBelow = 3;
const UINT AlignRight = 1;
} // namespace

IMPLEMENT_DYNAMIC(COXColorPickerButton, COXBitmapButton)

BEGIN_MESSAGE_MAP(COXColorPickerButton, COXBitmapButton)
    ON_WM_CREATE()
    ON_MESSAGE(WM_POPUPBAR_PICKED, &COXColorPickerButton::OnColorPicked)
END_MESSAGE_MAP()

COXColorPickerButton::COXColorPickerButton(UINT nColors, UINT nRows, COLORREF clrDefault, UINT nButtonCx,
                                           UINT nButtonCy, UINT nIDDefaultCaption, UINT nIDCustomCaption)
    : m_nColorBandHeight(DefaultBandHeight),
      m_clr(OXCOLOR_NONE),
      m_colorPicker(nColors, nRows, clrDefault, CSize(static_cast<int>(nButtonCx), static_cast<int>(nButtonCy)),
                    nIDDefaultCaption, nIDCustomCaption),
      m_bCreating(FALSE)
{
    m_dwStyleFlags = OXBB_DROPDOWN;
}

COXColorPickerButton::~COXColorPickerButton()
{
    if (m_colorPicker.GetSafeHwnd())
        m_colorPicker.DestroyWindow();
}

BOOL COXColorPickerButton::PreCreateWindow(CREATESTRUCT& cs)
{
    m_bCreating = TRUE;
    return COXBitmapButton::PreCreateWindow(cs);
}

void COXColorPickerButton::PreSubclassWindow()
{
    COXBitmapButton::PreSubclassWindow();
    // A button being created gets its picker from WM_CREATE: no window may be
    // made while the creation hook still binds this one.
    if (!m_bCreating && !m_colorPicker.GetSafeHwnd())
        m_colorPicker.Create(this, PickerBarStyle, nullptr);
}

int COXColorPickerButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_bCreating = FALSE;
    if (COXBitmapButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_colorPicker.GetSafeHwnd() && !m_colorPicker.Create(this, PickerBarStyle, nullptr))
        return -1;
    return 0;
}

void COXColorPickerButton::SetColor(COLORREF clr, BOOL bRedraw)
{
    m_clr = clr == OXCOLOR_DEFAULT ? m_colorPicker.GetDefaultValue() : clr;
    if (bRedraw && m_hWnd)
        Invalidate();
}

CSize COXColorPickerButton::GetDropDownSize() const
{
    CSize size = COXBitmapButton::GetDropDownSize();
    if (m_nColorBandHeight != 0)
        size.cy += m_nColorBandHeight + 2;
    return size;
}

CRect COXColorPickerButton::BandRect(const CRect& content, const CRect& image, const CRect& text) const
{
    if (image.IsRectEmpty() && text.IsRectEmpty()) {
        // Nothing else to show: a swatch in the middle of the content.
        CPoint centre = content.CenterPoint();
        return CRect(centre.x - SwatchHalf, centre.y - SwatchHalf, centre.x + SwatchHalf, centre.y + SwatchHalf);
    }
    int top = content.bottom - BandBottomGap;
    return CRect(content.left + BandInset, top, content.right - BandInset, top + m_nColorBandHeight);
}

CRect COXColorPickerButton::GetColorBandRect(const CRect& item)
{
    if (m_nColorBandHeight == 0)
        return CRect();
    CSize dropDown = GetDropDownSize();
    CRect content(0, 0, item.Width() - dropDown.cx, item.Height() - dropDown.cy);
    CRect image, text;
    CClientDC dc(this);
    CFont* font = GetFont();
    CFont* old = font ? dc.SelectObject(font) : nullptr;
    CalcLayout(&dc, content, 0, image, text);
    if (old)
        dc.SelectObject(old);
    return BandRect(content, image, text);
}

void COXColorPickerButton::DrawContent(CDC* pDC, const CRect& item, UINT nState, CRect& content, CRect& image, CRect& text)
{
    COXBitmapButton::DrawContent(pDC, item, nState, content, image, text);
    if (m_nColorBandHeight != 0)
        DrawColorBand(pDC, nState, BandRect(content, image, text));
}

void COXColorPickerButton::DrawColorBand(CDC* pDC, UINT nState, CRect rect)
{
    if ((m_dwStateFlags & OXBB_STATE_PUSHED) || (nState & ODS_SELECTED))
        rect.OffsetRect(m_pressedOffset);
    ::FrameRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    if (m_clr != OXCOLOR_NONE && !(nState & ODS_DISABLED))
        pDC->FillSolidRect(&rect, m_clr);
}

void COXColorPickerButton::OnDropDown()
{
    m_colorPicker.SetSelectedValue(m_clr == OXCOLOR_DEFAULT ? m_colorPicker.GetDefaultValue() : m_clr);
    UINT alignment = (m_dwStyleFlags & OXBB_DROPDOWNRIGHT) ? AlignRight : AlignBelow;
    if (m_colorPicker.Pick(alignment, nullptr, CSize(0, 0))) {
        m_clr = m_colorPicker.GetSelectedValue();
        Invalidate();
    }
}

LRESULT COXColorPickerButton::OnColorPicked(WPARAM /*wParam*/, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != m_colorPicker.GetSafeHwnd())
        return 0;
    SetColor(m_colorPicker.GetSelectedValue());
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_POPUPBAR_PICKED, 0, reinterpret_cast<LPARAM>(m_hWnd));
    return 0;
}

void AFXAPI DDX_ColorPickerButtonColor(CDataExchange* pDX, int nIDC, COLORREF& clr)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    COXColorPickerButton* button = dynamic_cast<COXColorPickerButton*>(CWnd::FromHandlePermanent(control));
    ASSERT(button);
    if (!button)
        return;
    if (pDX->m_bSaveAndValidate)
        clr = button->GetColor();
    else
        button->SetColor(clr, TRUE);
}
