// The look of BCMenu: item sizes, and the XP and 3D drawings of one item.
#include "controls/menu/BCMenu.h"

#include "afx/DC.h"
#include "afx/MemDC.h"

#include <algorithm>

namespace {
const char kThemeKey[] = "Software\\Microsoft\\Plus!\\Themes\\Current";
const char kClassicTheme[] = "Windows Classic.theme";
const int kThemeValueSize = 260;
// Gap between the XP image column and the text.
const int kXpTextGap = 8;
// Gap between the 3D image button and the text.
const int k3dTextGap = 9;

// The menu font of the system, created for one measurement or drawing.
HFONT CreateMenuFont()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return nullptr;
    return ::CreateFontIndirectA(&metrics.lfMenuFont);
}

// The label (before the first tab) and the accelerator (after the last tab).
void SplitText(const std::wstring& text, std::wstring& label, std::wstring& accelerator)
{
    size_t first = text.find(L'\t');
    if (first == std::wstring::npos) {
        label = text;
        accelerator.clear();
        return;
    }
    label = text.substr(0, first);
    accelerator = text.substr(text.rfind(L'\t') + 1);
}

void DrawLabel(CDC* pDC, const std::wstring& text, CRect rect, UINT format)
{
    ::DrawTextW(pDC->m_hDC, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void FrameSolid(CDC* pDC, const CRect& rect, COLORREF colour)
{
    pDC->Draw3dRect(&rect, colour, colour);
}

// Which image an item shows, and the cases the two looks tell apart.
struct ItemImage
{
    CImageList* list = nullptr;
    int index = -1;
    bool imageSet = false;   // faded, shadow and greyed variants follow the image
};

ItemImage ResolveImage(const BCMenuData* record, bool allowImageSet)
{
    ItemImage image;
    if (record->imageIndex >= 0 && record->ownImages && record->ownImageOffset >= 0) {
        image.list = record->ownImages.get();
        image.index = record->ownImageOffset;
        image.imageSet = allowImageSet && record->ownImageOffset == 0 && BCMenu::xpImageSet
                         && image.list->GetImageCount() > 2;
    } else if (record->ownImageOffset < 0 && record->globalImageOffset >= 0
               && record->globalImageOffset < BCMenu::GlobalImages().GetImageCount()) {
        image.list = &BCMenu::GlobalImages();
        image.index = record->globalImageOffset;
        image.imageSet = allowImageSet && BCMenu::xpImageSet && BCMenu::HasGlobalImageSet(record->globalImageOffset)
                         && record->globalImageOffset + 3 < image.list->GetImageCount();
    }
    return image;
}

bool HasCheckBitmap(HMENU hMenu, UINT itemID)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_CHECKMARKS | MIIM_FTYPE;
    if (hMenu == nullptr || !::GetMenuItemInfoA(hMenu, itemID, FALSE, &info))
        return false;
    return info.hbmpChecked != nullptr || (info.fType & MFT_RADIOCHECK) != 0;
}

int HalfUp(int value)
{
    return std::max(0, (value + 1) / 2);
}
}

// ---------------------------------------------------------------------------
// Looks and colours

COLORREF BCMenu::LightenColor(COLORREF color, double factor)
{
    if (factor <= 0.0 || factor > 1.0)
        return color;
    auto lighten = [factor](int component) { return static_cast<int>(component + (255 - component) * factor); };
    return RGB(lighten(GetRValue(color)), lighten(GetGValue(color)), lighten(GetBValue(color)));
}

COLORREF BCMenu::DarkenColor(COLORREF color, double factor)
{
    if (factor <= 0.0 || factor > 1.0)
        return color;
    auto darken = [factor](int component) { return static_cast<int>(component - component * factor); };
    return RGB(darken(GetRValue(color)), darken(GetGValue(color)), darken(GetBValue(color)));
}

bool BCMenu::IsClassicTheme()
{
    if (classicTheme >= 0)
        return classicTheme != 0;
    classicTheme = 0;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char value[kThemeValueSize + 1] = {};
    DWORD size = kThemeValueSize;
    DWORD type = 0;
    if (::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS) {
        // The stored text need not end in a terminator: the buffer has one more.
        value[std::min<DWORD>(size, kThemeValueSize)] = '\0';
        size_t length = ::lstrlenA(value);
        size_t wanted = sizeof(kClassicTheme) - 1;
        if (length >= wanted && ::lstrcmpiA(value + length - wanted, kClassicTheme) == 0)
            classicTheme = 1;
    }
    ::RegCloseKey(key);
    return classicTheme != 0;
}

bool BCMenu::IsThemedXp()
{
    return windowsClass == 7 && !IsClassicTheme();
}

bool BCMenu::IsXpLook()
{
    return IsThemedXp() ? xpLookOnThemedXp == 1 : xpLookElsewhere == 1;
}

bool BCMenu::SelectDisabledInForce()
{
    return IsXpLook() ? selectDisabledXp != 0 : selectDisabled3d != 0;
}

int BCMenu::ItemSpacing()
{
    return IsXpLook() && xpImageSet ? 7 : 4;
}

// ---------------------------------------------------------------------------
// Measuring

void BCMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS == nullptr)
        return;
    const BCMenuData* record = reinterpret_cast<const BCMenuData*>(lpMIS->itemData);
    bool xp = IsXpLook();
    int space = ItemSpacing();
    if (record == nullptr)
        return;
    if (record->flags & MF_SEPARATOR) {
        lpMIS->itemWidth = 0;
        lpMIS->itemHeight = xp ? 3 : std::max((iconHeight + space) / 2, ::GetSystemMetrics(SM_CYMENU) / 2);
        return;
    }
    HFONT font = CreateMenuFont();
    HWND owner = OwnerWindow();
    HDC hdc = ::GetDC(owner);
    HGDIOBJ previous = windowsClass >= 1 ? ::SelectObject(hdc, font) : nullptr;
    SIZE size = {};
    const std::wstring& text = record->text;
    if (windowsClass == 0) {
        RECT rect = {0, 0, 0, 0};
        ::DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
        size.cx = rect.right + 3;
        if (!text.empty())
            size.cx += 3 * (size.cx / static_cast<int>(text.size()));
    } else {
        ::GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    if (previous != nullptr)
        ::SelectObject(hdc, previous);
    ::ReleaseDC(owner, hdc);
    if (font != nullptr)
        ::DeleteObject(font);

    lpMIS->itemWidth = xp ? iconWidth + size.cx + space + kXpTextGap : size.cx + 2 * iconWidth + 1;
    lpMIS->itemHeight = std::max(::GetSystemMetrics(SM_CYMENU), iconHeight + space);
}

// ---------------------------------------------------------------------------
// Drawing

void BCMenu::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == nullptr || lpDIS->itemData == 0)
        return;
    bool palette = (::GetDeviceCaps(lpDIS->hDC, RASTERCAPS) & RC_PALETTE) != 0;
    if (!palette && IsXpLook())
        DrawItemXp(lpDIS);
    else
        DrawItem3d(lpDIS);
}

void BCMenu::DrawRadioDot(CDC* pDC, int x, int y, COLORREF color)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, color);
    CBrush brush;
    brush.CreateSolidBrush(color);
    CSelectGuard penGuard(*pDC, pen);
    CSelectGuard brushGuard(*pDC, brush);
    pDC->Ellipse(x, y, x + 6, y + 6);
}

// Seven vertical strokes: 3 pixels long in the 3D look, 2 in the XP look.
void BCMenu::DrawCheckMark(CDC* pDC, int x, int y, COLORREF color, bool narrow)
{
    static const int starts[7] = {2, 3, 4, 3, 2, 1, 0};
    int length = narrow ? 2 : 3;
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < length; ++j)
            pDC->SetPixelV(x + i, y + starts[i] + j, color);
}

void BCMenu::DrawItemXp(LPDRAWITEMSTRUCT lpDIS)
{
    const BCMenuData* record = reinterpret_cast<const BCMenuData*>(lpDIS->itemData);
    CDC target;
    target.m_hDC = target.m_hAttribDC = lpDIS->hDC;   // borrowed: detached below
    CRect rect(lpDIS->rcItem);
    UINT state = lpDIS->itemState;

    bool themed = IsThemedXp();
    COLORREF menuBack = DarkenColor(::GetSysColor(COLOR_WINDOW), 0.02);
    COLORREF columnColour = themed ? ::GetSysColor(COLOR_3DFACE) : LightenColor(::GetSysColor(COLOR_3DFACE), 0.25);
    COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    COLORREF selectFill = LightenColor(highlight, themed ? 0.7 : 0.85);
    int space = xpImageSet ? 7 : 4;
    int columnWidth = iconWidth + space;

    std::unique_ptr<CMemDC> memDC;
    HFONT font = nullptr;
    HGDIOBJ previousFont = nullptr;
    CDC* pDC = &target;
    if ((state & ODS_GRAYED) && !selectDisabledXp) {
        state &= ~ODS_SELECTED;
        memDC.reset(new CMemDC(&target, &rect, CMemDC::startBlank));
        pDC = memDC.get();
        font = CreateMenuFont();
        previousFont = ::SelectObject(pDC->m_hDC, font);
    }

    CRect column(rect.left, rect.top, rect.left + columnWidth, rect.bottom);
    if (record->flags & MF_SEPARATOR) {
        pDC->FillSolidRect(&rect, menuBack);
        CRect line(column.right + space, rect.top + rect.Height() / 2, rect.right, rect.bottom);
        pDC->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        pDC->FillSolidRect(&column, columnColour);
        FrameSolid(pDC, column, columnColour);
    } else {
        bool selected = (state & ODS_SELECTED) != 0;
        bool checked = (state & ODS_CHECKED) != 0;
        bool greyed = (state & ODS_GRAYED) != 0;
        ItemImage image = ResolveImage(record, true);
        bool hasImage = image.list != nullptr;
        bool checkImageCase = checked && !hasImage && ((selected && checkedBitmapId > 0) || uncheckedBitmapId > 0);
        bool selectedWithImage = hasImage && selected && !greyed;
        bool disabledWithImage = hasImage && greyed;

        if (selected) {
            pDC->FillSolidRect(&rect, selectFill);
            FrameSolid(pDC, rect, highlight);
        } else {
            pDC->FillSolidRect(&rect, menuBack);
            pDC->FillSolidRect(&column, columnColour);
            FrameSolid(pDC, rect, menuBack);
            FrameSolid(pDC, column, columnColour);
        }

        int dx = HalfUp(columnWidth - iconWidth);
        int dy = HalfUp(rect.Height() - iconHeight);
        CPoint at(rect.left + dx, rect.top + dy);
        CRect cell(rect.left + 1, rect.top + 1, rect.left + columnWidth - 2, rect.bottom - 1);

        if (checkImageCase) {
            if (checkImages != nullptr) {
                pDC->FillSolidRect(&cell, columnColour);
                checkImages->Draw(pDC, selected ? 1 : 0, at, ILD_TRANSPARENT);
            }
        } else if (disabledWithImage && !selectedWithImage) {
            if (image.imageSet) {
                image.list->Draw(pDC, image.index + 3, at, ILD_TRANSPARENT);
            } else {
                CBitmap bitmap;
                if (ImageToBitmap(pDC, image.list, image.index, bitmap)) {
                    if (disabledDibEmboss)
                        DrawEmbossedDib(pDC, at.x, at.y, iconWidth, iconHeight, bitmap, 0, 0);
                    else
                        DrawEmbossedMask(pDC, at.x, at.y, iconWidth, iconHeight, bitmap, 0, 0,
                                         selected ? selectFill : columnColour);
                }
                if (selected)
                    FrameSolid(pDC, rect, highlight);
            }
        } else if (selectedWithImage) {
            if (checked) {
                pDC->FillSolidRect(&cell, LightenColor(highlight, 0.55));
                FrameSolid(pDC, cell, highlight);
                image.list->Draw(pDC, image.index, CPoint(at.x - 1, at.y - 1), ILD_TRANSPARENT);
            } else {
                pDC->FillSolidRect(&cell, selectFill);
                if (image.imageSet) {
                    image.list->Draw(pDC, image.index + 2, CPoint(at.x + 1, at.y + 1), ILD_TRANSPARENT);
                    image.list->Draw(pDC, image.index, CPoint(at.x - 1, at.y - 1), ILD_TRANSPARENT);
                } else {
                    image.list->Draw(pDC, image.index, at, ILD_TRANSPARENT);
                }
            }
        } else if (hasImage) {
            if (checked) {
                pDC->FillSolidRect(&cell, LightenColor(highlight, 0.85));
                FrameSolid(pDC, cell, highlight);
                image.list->Draw(pDC, image.index, CPoint(at.x - 1, at.y - 1), ILD_TRANSPARENT);
            } else {
                pDC->FillSolidRect(&cell, columnColour);
                FrameSolid(pDC, cell, columnColour);
                image.list->Draw(pDC, image.imageSet ? image.index + 1 : image.index, at, ILD_TRANSPARENT);
            }
        } else if (checked) {
            bool dot = HasCheckBitmap(reinterpret_cast<HMENU>(lpDIS->hwndItem), lpDIS->itemID);
            pDC->FillSolidRect(&cell, LightenColor(highlight, selected ? 0.55 : 0.85));
            FrameSolid(pDC, cell, highlight);
            int x = cell.left + std::max(0, cell.Width() / 2 - 3);
            int y = cell.top + std::max(0, cell.Height() / 2 - 3);
            if (dot)
                DrawRadioDot(pDC, x, y, ::GetSysColor(COLOR_MENUTEXT));
            else
                DrawCheckMark(pDC, x, y, ::GetSysColor(COLOR_MENUTEXT), true);
        }

        CRect textRect(rect.left + columnWidth + kXpTextGap, rect.top - 1, rect.right, rect.bottom - 1);
        std::wstring label, accelerator;
        SplitText(record->text, label, accelerator);
        if (record->text.find(L'\t') != std::wstring::npos)
            textRect.right -= iconWidth;
        int oldMode = pDC->SetBkMode(TRANSPARENT);
        COLORREF colour = ::GetSysColor(COLOR_MENUTEXT);
        if (greyed) {
            colour = ::GetSysColor(COLOR_GRAYTEXT);
            if (!themed && !selected)
                colour = LightenColor(colour, 0.4);
        }
        COLORREF oldColour = pDC->SetTextColor(colour);
        DrawLabel(pDC, label, textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!accelerator.empty())
            DrawLabel(pDC, accelerator, textRect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        pDC->SetTextColor(oldColour);
        pDC->SetBkMode(oldMode);
    }

    if (previousFont != nullptr)
        ::SelectObject(pDC->m_hDC, previousFont);
    memDC.reset();
    if (font != nullptr)
        ::DeleteObject(font);
    target.m_hDC = target.m_hAttribDC = nullptr;
}

void BCMenu::DrawItem3d(LPDRAWITEMSTRUCT lpDIS)
{
    const BCMenuData* record = reinterpret_cast<const BCMenuData*>(lpDIS->itemData);
    CDC target;
    target.m_hDC = target.m_hAttribDC = lpDIS->hDC;   // borrowed: detached below
    CDC* pDC = &target;
    CRect rect(lpDIS->rcItem);
    UINT state = lpDIS->itemState;

    bool themed = IsThemedXp();
    COLORREF background = ::GetSysColor(themed ? COLOR_3DFACE : COLOR_MENU);
    COLORREF selection = ::GetSysColor(COLOR_HIGHLIGHT);
    if ((state & ODS_GRAYED) && !selectDisabled3d)
        state &= ~ODS_SELECTED;
    bool selected = (state & ODS_SELECTED) != 0;

    if (record->flags & MF_SEPARATOR) {
        pDC->FillSolidRect(&rect, background);
        CRect line(rect.left, rect.top + rect.Height() / 2, rect.right, rect.bottom);
        pDC->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        target.m_hDC = target.m_hAttribDC = nullptr;
        return;
    }

    bool checked = (state & ODS_CHECKED) != 0;
    bool greyed = (state & ODS_GRAYED) != 0;
    ItemImage image = ResolveImage(record, false);
    bool hasImage = image.list != nullptr;
    bool checkImageCase = checked && !hasImage && ((selected && checkedBitmapId > 0) || uncheckedBitmapId > 0);
    bool selectedWithImage = hasImage && selected && !greyed;
    bool disabledWithImage = hasImage && greyed;

    if (selected) {
        CRect fill = rect;
        if (hasImage || checkImageCase)
            fill.left = rect.left + iconWidth + 5;
        pDC->FillSolidRect(&fill, selection);
    } else {
        pDC->FillSolidRect(&rect, background);
        FrameSolid(pDC, rect, background);
    }

    int dy = std::max(0, (rect.Height() - iconHeight - 4) / 2);
    CRect button(rect.left + 1, rect.top + dy + 1, rect.left + iconWidth + 3, rect.top + dy + iconHeight + 3);
    CRect frame(rect.left, rect.top + dy, rect.left + iconWidth + 4, rect.top + dy + iconHeight + 4);
    CPoint at(rect.left + 2, rect.top + dy + 2);
    COLORREF hilite = ::GetSysColor(COLOR_3DHILIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);
    if (hasImage || checkImageCase)
        FrameSolid(pDC, button, background);

    if (checkImageCase) {
        if (checkImages != nullptr) {
            pDC->FillSolidRect(&button, background);
            FrameSolid(pDC, frame, background);
            checkImages->Draw(pDC, selected ? 1 : 0, at, ILD_TRANSPARENT);
        }
    } else if (disabledWithImage && !selectedWithImage) {
        CBitmap bitmap;
        if (ImageToBitmap(pDC, image.list, image.index, bitmap)) {
            FrameSolid(pDC, frame, background);
            if (disabledDibEmboss)
                DrawEmbossedDib(pDC, at.x, at.y, iconWidth, iconHeight, bitmap, 0, 0);
            else if (plainBitmapAdded)
                DrawGreyed(pDC, at.x, at.y, iconWidth, iconHeight, bitmap, background);
            else
                DrawEmbossedMask(pDC, at.x, at.y, iconWidth, iconHeight, bitmap, 0, 0, background);
        }
    } else if (selectedWithImage) {
        pDC->FillSolidRect(&button, background);
        if (windowsClass == 2)
            pDC->Draw3dRect(&frame, hilite, shadow);
        else if (windowsClass > 2)
            pDC->Draw3dRect(&frame, shadow, hilite);
        image.list->Draw(pDC, image.index, at, ILD_TRANSPARENT);
    } else if (hasImage) {
        if (checked) {
            pDC->FillSolidRect(&button, LightenColor(background, 0.6));
            if (windowsClass >= 2)
                pDC->Draw3dRect(&frame, shadow, hilite);
        } else {
            pDC->FillSolidRect(&button, background);
            FrameSolid(pDC, frame, background);
        }
        image.list->Draw(pDC, image.index, at, ILD_TRANSPARENT);
    } else if (checked) {
        CRect check(rect.left + 1, rect.top + dy + 2, rect.left + iconWidth + 1, rect.top + dy + iconHeight + 2);
        pDC->FillSolidRect(&check, selected ? background : LightenColor(background, 0.6));
        if (windowsClass >= 2)
            pDC->DrawEdge(&check, BDR_SUNKENOUTER, BF_RECT);
        if (HasCheckBitmap(reinterpret_cast<HMENU>(lpDIS->hwndItem), lpDIS->itemID))
            DrawRadioDot(pDC, check.left + 5, check.top + 4, ::GetSysColor(COLOR_MENUTEXT));
        else
            DrawCheckMark(pDC, check.left + 4, check.top + 4, ::GetSysColor(COLOR_MENUTEXT), false);
    }

    CRect textRect(rect.left + iconWidth + k3dTextGap, rect.top - 1, rect.right, rect.bottom - 1);
    std::wstring label, accelerator;
    SplitText(record->text, label, accelerator);
    if (!accelerator.empty() || record->text.find(L'\t') != std::wstring::npos)
        textRect.right -= iconWidth;
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF oldColour = pDC->GetTextColor();
    auto drawBoth = [&](const CRect& where, COLORREF colour) {
        pDC->SetTextColor(colour);
        DrawLabel(pDC, label, where, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!accelerator.empty())
            DrawLabel(pDC, accelerator, where, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    };
    if (!greyed) {
        drawBoth(textRect, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    } else if (!selected) {
        CRect raised = textRect;
        raised.OffsetRect(1, 1);
        drawBoth(raised, hilite);
        drawBoth(textRect, ::GetSysColor(COLOR_GRAYTEXT));
    } else {
        drawBoth(textRect, background);
    }
    pDC->SetTextColor(oldColour);
    pDC->SetBkMode(oldMode);
    target.m_hDC = target.m_hAttribDC = nullptr;
}
