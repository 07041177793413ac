#include "toolkit/foundation/OXColorPickerCtrl.h"

#include "afx/ColorDialog.h"
#include "afx/DC.h"

#include <algorithm>
#include <vector>

namespace {
struct NamedColor
{
    COLORREF color;
    UINT nameId;
};

// In grid order, ten to a row; two grey names sit out of sequence.
const NamedColor DefaultColors[ColorPickerDefaultColorCount] = {
    { RGB(0, 0, 0), 26540 },       { RGB(165, 42, 42), 26541 },   { RGB(0, 64, 64), 26542 },
    { RGB(0, 85, 0), 26543 },      { RGB(0, 0, 94), 26544 },      { RGB(0, 0, 139), 26545 },
    { RGB(75, 0, 130), 26546 },    { RGB(40, 40, 40), 26547 },    { RGB(139, 0, 0), 26548 },
    { RGB(255, 104, 32), 26549 },  { RGB(139, 139, 0), 26550 },   { RGB(0, 147, 0), 26551 },
    { RGB(56, 142, 142), 26552 },  { RGB(0, 0, 255), 26553 },     { RGB(123, 123, 192), 26554 },
    { RGB(102, 102, 102), 26563 }, { RGB(255, 0, 0), 26556 },     { RGB(255, 173, 91), 26557 },
    { RGB(50, 205, 50), 26558 },   { RGB(60, 179, 113), 26559 },  { RGB(127, 255, 212), 26560 },
    { RGB(125, 158, 192), 26561 }, { RGB(128, 0, 128), 26562 },   { RGB(127, 127, 127), 26555 },
    { RGB(255, 192, 203), 26564 }, { RGB(255, 215, 0), 26565 },   { RGB(255, 255, 0), 26566 },
    { RGB(0, 255, 0), 26567 },     { RGB(64, 224, 208), 26568 },  { RGB(192, 255, 255), 26569 },
    { RGB(72, 0, 72), 26570 },     { RGB(192, 192, 192), 26571 }, { RGB(255, 228, 225), 26572 },
    { RGB(210, 180, 140), 26573 }, { RGB(255, 255, 224), 26574 }, { RGB(152, 251, 152), 26575 },
    { RGB(175, 238, 238), 26576 }, { RGB(104, 131, 139), 26577 }, { RGB(230, 230, 250), 26578 },
    { RGB(255, 255, 255), 26579 },
};

const COLORREF NoColor = 0xFFFFFFFF;
const int MaxPaletteEntries = 256;
const WORD PaletteVersion = 0x300;

// A brush of the colour as a palette-relative value, so a realized palette
// gives the exact swatch on palette displays.
void FillWithColor(CDC* pDC, const CRect& rect, COLORREF color)
{
    HBRUSH brush = ::CreateSolidBrush(0x02000000 | (color & 0x00FFFFFF));
    ::FillRect(pDC->GetSafeHdc(), &rect, brush);
    ::DeleteObject(brush);
}
} // namespace

IMPLEMENT_DYNAMIC(COXColorPickerCtrl, COXPopupBarCtrl)

COXColorPickerCtrl::COXColorPickerCtrl(UINT nColors, UINT nRows, COLORREF clrDefault, CSize buttonSize,
                                       UINT nIDDefaultCaption, UINT nIDCustomCaption)
    : COXPopupBarCtrl(nColors, nRows, clrDefault, buttonSize, nIDDefaultCaption, nIDCustomCaption)
{
}

COLORREF COXColorPickerCtrl::DefaultColor(int i)
{
    return DefaultColors[i].color;
}

UINT COXColorPickerCtrl::DefaultColorNameId(int i)
{
    return DefaultColors[i].nameId;
}

void COXColorPickerCtrl::SetDefaultColors()
{
    DWORD colors[ColorPickerDefaultColorCount];
    for (int i = 0; i < ColorPickerDefaultColorCount; ++i)
        colors[i] = DefaultColors[i].color;
    SetButtonData(colors, ColorPickerDefaultColorCount);
}

int COXColorPickerCtrl::AddColors(const COLORREF* pColors, int nCount)
{
    if (!pColors || nCount <= 0)
        return 0;
    for (int i = 0; i < nCount; ++i)
        m_arrData.Add(pColors[i]);
    return nCount;
}

int COXColorPickerCtrl::SetColorsFromPalette(UINT nFirst, BOOL bSystem)
{
    HDC screen = ::GetDC(nullptr);
    if (!screen)
        return 0;
    HPALETTE palette = nullptr;
    HPALETTE systemPalette = nullptr;
    if (bSystem) {
        // NUMCOLORS stands in when SIZEPALETTE is 0, but it is -1 on many
        // palette displays: a count below 1 takes no colours.
        int entries = 0;
        if (::GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) {
            entries = ::GetDeviceCaps(screen, SIZEPALETTE);
            if (entries == 0)
                entries = ::GetDeviceCaps(screen, NUMCOLORS);
        }
        if (entries >= 1) {
            entries = std::min(entries, 0xFFFF);
            std::vector<BYTE> buffer(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY));
            LOGPALETTE* logical = reinterpret_cast<LOGPALETTE*>(buffer.data());
            logical->palVersion = PaletteVersion;
            logical->palNumEntries = static_cast<WORD>(entries);
            if (::GetSystemPaletteEntries(screen, 0, static_cast<UINT>(entries), logical->palPalEntry) > 0)
                systemPalette = ::CreatePalette(logical);
        }
        palette = systemPalette;
    } else {
        palette = static_cast<HPALETTE>(::GetCurrentObject(screen, OBJ_PAL));
    }
    int taken = 0;
    if (palette) {
        m_arrData.RemoveAll();
        for (UINT i = nFirst; i < nFirst + static_cast<UINT>(m_nButtons); ++i) {
            PALETTEENTRY entry = {};
            if (::GetPaletteEntries(palette, i, 1, &entry) == 1) {
                m_arrData.Add(RGB(entry.peRed, entry.peGreen, entry.peBlue));
                ++taken;
            }
        }
    }
    if (systemPalette)
        ::DeleteObject(systemPalette);
    ::ReleaseDC(nullptr, screen);
    return taken;
}

void COXColorPickerCtrl::PrepareColors()
{
    if (m_arrData.GetSize() == 0)
        SetDefaultColors();
    while (m_arrData.GetSize() < m_nButtons)
        m_arrData.Add(RGB(0, 0, 0));
    if (GetToolTipCount() == 0) {
        DWORD values[ColorPickerDefaultColorCount];
        UINT ids[ColorPickerDefaultColorCount];
        for (int i = 0; i < ColorPickerDefaultColorCount; ++i) {
            values[i] = DefaultColors[i].color;
            ids[i] = DefaultColors[i].nameId;
        }
        SetToolTipTexts(values, ids, ColorPickerDefaultColorCount);
    }

    const int entries = static_cast<int>(std::min<INT_PTR>(m_arrData.GetSize(), MaxPaletteEntries));
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY));
    LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    palette->palVersion = PaletteVersion;
    palette->palNumEntries = static_cast<WORD>(entries);
    for (int i = 0; i < entries; ++i) {
        COLORREF color = m_arrData[i];
        palette->palPalEntry[i].peRed = GetRValue(color);
        palette->palPalEntry[i].peGreen = GetGValue(color);
        palette->palPalEntry[i].peBlue = GetBValue(color);
        palette->palPalEntry[i].peFlags = 0;
    }
    m_palette.DeleteObject();
    if (entries > 0)
        m_palette.CreatePalette(palette);
}

BOOL COXColorPickerCtrl::Pick(UINT nAlignment, CRect* pAnchorRect, CSize szOffset)
{
    PrepareColors();
    return COXPopupBarCtrl::Pick(nAlignment, pAnchorRect, szOffset);
}

void COXColorPickerCtrl::DrawButtonAt(CDC* pDC, int nButton)
{
    CRect rect = m_layout.buttonRects[nButton];
    DrawButtonFrame(pDC, rect, nButton + 1);
    rect.DeflateRect(2, 2);
    ::FrameRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    FillWithColor(pDC, rect, m_arrData[nButton]);
}

void COXColorPickerCtrl::DrawDefaultButton(CDC* pDC)
{
    CRect rect = m_layout.defaultRect;
    DrawButtonFrame(pDC, rect, 0);
    rect.DeflateRect(2, 2);
    ::FrameRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    CRect text = rect;
    if (m_dwDefault != NoColor) {
        CRect sample(rect.left, rect.top, rect.left + rect.Height(), rect.bottom);
        sample.DeflateRect(1, 1);
        ::FrameRect(pDC->GetSafeHdc(), &sample, ::GetSysColorBrush(COLOR_BTNSHADOW));
        sample.DeflateRect(1, 1);
        FillWithColor(pDC, sample, m_dwDefault);
        text.left += sample.Width();
    }
    CFont* old = pDC->SelectObject(&m_font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(m_strDefaultCaption, &text, DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_SINGLELINE);
    pDC->SelectObject(old);
}

BOOL COXColorPickerCtrl::OnCustomButton()
{
    ::ReleaseCapture();
    CColorDialog dialog(m_dwSelected, CC_ANYCOLOR | CC_FULLOPEN, m_pParent);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    m_nCheckedIndex = m_nButtons + 1;
    m_dwSelected = dialog.GetColor();
    return TRUE;
}
