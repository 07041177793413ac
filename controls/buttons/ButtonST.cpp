#include "controls/buttons/ButtonST.h"

#include "afx/DC.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CButtonST, CButton)

BEGIN_MESSAGE_MAP(CButtonST, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_SETCURSOR()
    ON_WM_GETDLGCODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CButtonST::OnClicked)
    ON_MESSAGE(BM_SETSTYLE, &CButtonST::OnSetStyle)
    ON_MESSAGE(BM_GETCHECK, &CButtonST::OnGetCheck)
    ON_MESSAGE(BM_SETCHECK, &CButtonST::OnSetCheck)
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
END_MESSAGE_MAP()

namespace
{
BCMenu* FindMenuIn(BCMenu* pMenu, HMENU hMenu, ULONG_PTR itemData)
{
    if (!pMenu || !pMenu->GetSafeHmenu())
        return nullptr;
    if (hMenu && pMenu->GetSafeHmenu() == hMenu)
        return pMenu;
    if (itemData)
        for (int i = 0; i < pMenu->GetItemRecordCount(); i++)
            if (reinterpret_cast<ULONG_PTR>(pMenu->GetItemRecord(i)) == itemData)
                return pMenu;
    int count = ::GetMenuItemCount(pMenu->GetSafeHmenu());
    for (int i = 0; i < count; i++) {
        HMENU hSub = ::GetSubMenu(pMenu->GetSafeHmenu(), i);
        BCMenu* pSub = hSub ? DYNAMIC_DOWNCAST(BCMenu, CMenu::FromHandlePermanent(hSub)) : nullptr;
        if (BCMenu* pFound = FindMenuIn(pSub, hMenu, itemData))
            return pFound;
    }
    return nullptr;
}
}  // namespace

BCMenu* CButtonST::FindDropDownMenu(HMENU hMenu, ULONG_PTR itemData)
{
    return FindMenuIn(&m_menuPopup, hMenu, itemData);
}

void CButtonST::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
{
    BCMenu* pMenu = lpMIS && lpMIS->CtlType == ODT_MENU ? FindDropDownMenu(nullptr, lpMIS->itemData) : nullptr;
    if (pMenu)
        pMenu->MeasureItem(lpMIS);
    else
        CButton::OnMeasureItem(nIDCtl, lpMIS);
}

void CButtonST::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    // A menu item's hwndItem is the handle of the menu that holds it.
    BCMenu* pMenu = lpDIS && lpDIS->CtlType == ODT_MENU
                        ? FindDropDownMenu(reinterpret_cast<HMENU>(lpDIS->hwndItem), 0)
                        : nullptr;
    if (pMenu)
        pMenu->DrawItem(lpDIS);
    else
        CButton::OnDrawItem(nIDCtl, lpDIS);
}

LRESULT CButtonST::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    BCMenu* pOwn = pMenu ? FindDropDownMenu(pMenu->GetSafeHmenu(), 0) : nullptr;
    if (pOwn)
        return BCMenu::FindKeyboardShortcut(nChar, nFlags, pOwn);
    return CButton::OnMenuChar(nChar, nFlags, pMenu);
}

namespace {
const int kTooltipMaxWidth = 400;
}

// ---------------------------------------------------------------------------
// Plain rules

bool CButtonST::UseInImage(bool bPressed, bool bMouseOver, bool bCheckBox, bool bHasOutImage)
{
    if (!bHasOutImage)
        return true;
    return bPressed || (!bCheckBox && bMouseOver);
}

int CButtonST::BackgroundIndex(bool bPressed, bool bMouseOver, bool bFocused)
{
    if (bPressed || bMouseOver)
        return BTNST_COLOR_BK_IN;
    return bFocused ? BTNST_COLOR_BK_FOCUS : BTNST_COLOR_BK_OUT;
}

COLORREF CButtonST::OffsetColorValue(COLORREF cr, short shOffset)
{
    int r = GetRValue(cr), g = GetGValue(cr), b = GetBValue(cr);
    // All three move by the same shade, reduced so that none leaves 0..255.
    int offset = shOffset;
    if (offset > 0)
        offset = std::min(offset, 255 - std::max({r, g, b}));
    else if (offset < 0)
        offset = std::max(offset, -std::min({r, g, b}));
    return RGB(r + offset, g + offset, b + offset);
}

void CButtonST::CopyBounded(char* pDest, size_t size, LPCTSTR lpszSource)
{
    if (!pDest || size == 0)
        return;
    lstrcpynA(pDest, lpszSource ? lpszSource : "", static_cast<int>(size));
}

// ---------------------------------------------------------------------------

CButtonST::CButtonST()
    : m_nImageMarginX(3), m_nImageMarginY(3), m_nPressedOffsetX(1), m_nPressedOffsetY(1),
      m_bIsFlat(TRUE), m_bMouseOnButton(FALSE), m_bDrawTransparent(FALSE), m_bIsDefault(FALSE),
      m_bIsCheckBox(FALSE), m_byAlign(ST_ALIGN_HORIZ), m_bDrawBorder(TRUE), m_bDrawFlatFocus(FALSE),
      m_crColors(), m_hParentWndMenu(nullptr), m_bMenuDisplayed(FALSE), m_menuPopup(), m_hCursor(nullptr),
      m_hToolTip(nullptr), m_bAlwaysTrack(TRUE), m_nCheck(0), m_dwToolTipStyle(0), m_szURL(), m_dcBk(), m_bmpBk(), m_pbmpOldBk(nullptr),
      m_csIcons(), m_csBitmaps(), m_csCallbacks(), m_csSounds(), m_bDrawPressed(FALSE), m_bDrawFocused(FALSE)
{
    SetDefaultColors(FALSE);
}

CButtonST::~CButtonST()
{
    FreeBackground();
    FreeResources();
    if (m_hCursor)
        ::DestroyCursor(m_hCursor);
    if (m_menuPopup.GetSafeHmenu())
        m_menuPopup.DestroyMenu();
    if (m_hToolTip)
        ::DestroyWindow(m_hToolTip);
}

void CButtonST::FreeResources(BOOL bCheckForNULL)
{
    if (bCheckForNULL) {
        for (auto& icon : m_csIcons)
            if (icon.hIcon)
                ::DestroyIcon(icon.hIcon);
        for (auto& bmp : m_csBitmaps) {
            if (bmp.hBitmap)
                ::DeleteObject(bmp.hBitmap);
            if (bmp.hMask)
                ::DeleteObject(bmp.hMask);
        }
    }
    for (auto& icon : m_csIcons)
        icon = STRUCT_ICONS();
    for (auto& bmp : m_csBitmaps)
        bmp = STRUCT_BITMAPS();
}

void CButtonST::PreSubclassWindow()
{
    UINT type = GetButtonStyle() & 0x0F;
    if (type & BS_CHECKBOX)   // BS_CHECKBOX and BS_AUTOCHECKBOX
        m_bIsCheckBox = TRUE;
    if (type == BS_DEFPUSHBUTTON)
        m_bIsDefault = TRUE;
    DWORD style = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
    ::SetWindowLongA(m_hWnd, GWL_STYLE, (style & ~0x0FUL) | BS_OWNERDRAW);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

LRESULT CButtonST::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    UINT type = static_cast<UINT>(wParam) & 0x0F;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        m_bIsDefault = type == BS_DEFPUSHBUTTON;
    return DefWindowProc(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(4)) | BS_OWNERDRAW, lParam);
}

LRESULT CButtonST::OnGetCheck(WPARAM, LPARAM)
{
    return m_nCheck;
}

LRESULT CButtonST::OnSetCheck(WPARAM wParam, LPARAM)
{
    if (m_bIsCheckBox) {
        m_nCheck = (wParam == BST_CHECKED || wParam == BST_INDETERMINATE) ? 1 : 0;
        Invalidate();
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Images

HICON CButtonST::CreateDerivedIcon(HICON hIcon, bool bGray)
{
    ICONINFO info = {};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return nullptr;
    HBITMAP colour = CreateDerivedBitmap(info.hbmColor, RGB(0, 0, 0), bGray);
    ICONINFO made = info;
    made.hbmColor = colour;
    HICON result = colour ? ::CreateIconIndirect(&made) : nullptr;
    if (colour)
        ::DeleteObject(colour);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return result;
}

HBITMAP CButtonST::CreateDerivedBitmap(HBITMAP hBitmap, COLORREF crTrans, bool bGray)
{
    BITMAP bm = {};
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof(bm), &bm))
        return nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC src = ::CreateCompatibleDC(screen);
    HDC dst = ::CreateCompatibleDC(screen);
    HBITMAP result = ::CreateCompatibleBitmap(screen, bm.bmWidth, bm.bmHeight);
    HGDIOBJ oldSrc = ::SelectObject(src, hBitmap);
    HGDIOBJ oldDst = ::SelectObject(dst, result);
    ::BitBlt(dst, 0, 0, bm.bmWidth, bm.bmHeight, src, 0, 0, SRCCOPY);
    for (int y = 0; y < bm.bmHeight; ++y) {
        for (int x = 0; x < bm.bmWidth; ++x) {
            COLORREF c = ::GetPixel(dst, x, y);
            if (c == crTrans)
                continue;   // transparent pixels (black in an icon) stay as they are
            int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (bGray) {
                int grey = static_cast<int>(0.299 * r + 0.587 * g + 0.114 * b);
                ::SetPixel(dst, x, y, RGB(grey, grey, grey));
            } else {
                ::SetPixel(dst, x, y, RGB(r - static_cast<int>(r * 0.25), g - static_cast<int>(g * 0.25), b - static_cast<int>(b * 0.25)));
            }
        }
    }
    ::SelectObject(src, oldSrc);
    ::SelectObject(dst, oldDst);
    ::DeleteDC(src);
    ::DeleteDC(dst);
    ::ReleaseDC(nullptr, screen);
    return result;
}

HBITMAP CButtonST::CreateMask(HBITMAP hSource, DWORD dwWidth, DWORD dwHeight, COLORREF crTransColor)
{
    HBITMAP mask = ::CreateBitmap(static_cast<int>(dwWidth), static_cast<int>(dwHeight), 1, 1, nullptr);
    if (!mask)
        return nullptr;
    HDC src = ::CreateCompatibleDC(nullptr);
    HDC dst = ::CreateCompatibleDC(nullptr);
    HGDIOBJ oldSrc = ::SelectObject(src, hSource);
    HGDIOBJ oldDst = ::SelectObject(dst, mask);
    COLORREF oldBk = ::SetBkColor(src, crTransColor);
    // Transparent pixels become white in the mask, the rest black...
    ::BitBlt(dst, 0, 0, static_cast<int>(dwWidth), static_cast<int>(dwHeight), src, 0, 0, SRCCOPY);
    // ...and black in the source, so SRCAND then SRCPAINT draws them through.
    ::BitBlt(src, 0, 0, static_cast<int>(dwWidth), static_cast<int>(dwHeight), dst, 0, 0, 0x00220326 /* DSna */);
    ::SetBkColor(src, oldBk);
    ::SelectObject(src, oldSrc);
    ::SelectObject(dst, oldDst);
    ::DeleteDC(src);
    ::DeleteDC(dst);
    return mask;
}

DWORD CButtonST::SetIcon(HICON hIconIn, HICON hIconOut, DWORD dwCx, DWORD dwCy)
{
    FreeResources();
    auto sizeOf = [&](HICON hIcon, STRUCT_ICONS& slot) {
        ICONINFO info = {};
        if (::GetIconInfo(hIcon, &info)) {
            slot.dwWidth = info.xHotspot * 2;
            slot.dwHeight = info.yHotspot * 2;
            if (info.hbmMask) ::DeleteObject(info.hbmMask);
            if (info.hbmColor) ::DeleteObject(info.hbmColor);
        }
        if (dwCx != 0xFFFFFFFF) slot.dwWidth = dwCx;
        if (dwCy != 0xFFFFFFFF) slot.dwHeight = dwCy;
    };
    if (hIconIn) {
        m_csIcons[0].hIcon = hIconIn;
        sizeOf(hIconIn, m_csIcons[0]);
        INT_PTR out = reinterpret_cast<INT_PTR>(hIconOut);
        if (out == BTNST_AUTO_GRAY || out == BTNST_AUTO_DARKER)
            hIconOut = CreateDerivedIcon(hIconIn, out == BTNST_AUTO_GRAY);
        if (hIconOut) {
            m_csIcons[1].hIcon = hIconOut;
            sizeOf(hIconOut, m_csIcons[1]);
        }
    }
    if (GetSafeHwnd())
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetIconFromResource(int nIconIn, int nCxIn, int nCyIn, int nIconOut, int nCxOut, int nCyOut)
{
    auto load = [](int id, int cx, int cy) -> HICON {
        LPCTSTR name = MAKEINTRESOURCE(id);
        return static_cast<HICON>(::LoadImageA(AfxFindResourceHandle(name, RT_GROUP_ICON), name, IMAGE_ICON, cx, cy, 0));
    };
    HICON in = nIconIn ? load(nIconIn, nCxIn, nCyIn) : nullptr;
    HICON out = nullptr;
    if (nIconOut == BTNST_AUTO_GRAY || nIconOut == BTNST_AUTO_DARKER)
        out = reinterpret_cast<HICON>(static_cast<INT_PTR>(nIconOut));
    else if (nIconOut)
        out = load(nIconOut, nCxOut, nCyOut);
    return SetIcon(in, out);
}

DWORD CButtonST::SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransColorIn, HBITMAP hBitmapOut, COLORREF crTransColorOut)
{
    FreeResources();
    if (!hBitmapIn)
        return BTNST_OK;
    BITMAP bm = {};
    if (!::GetObjectA(hBitmapIn, sizeof(bm), &bm)) {
        FreeResources();
        return BTNST_INVALIDRESOURCE;
    }
    m_csBitmaps[0] = {hBitmapIn, static_cast<DWORD>(bm.bmWidth), static_cast<DWORD>(bm.bmHeight), nullptr, crTransColorIn};
    m_csBitmaps[0].hMask = CreateMask(hBitmapIn, bm.bmWidth, bm.bmHeight, crTransColorIn);
    if (!m_csBitmaps[0].hMask) {
        FreeResources();
        return BTNST_FAILEDMASK;
    }
    INT_PTR out = reinterpret_cast<INT_PTR>(hBitmapOut);
    if (out == BTNST_AUTO_GRAY || out == BTNST_AUTO_DARKER) {
        hBitmapOut = CreateDerivedBitmap(hBitmapIn, crTransColorIn, out == BTNST_AUTO_GRAY);
        crTransColorOut = crTransColorIn;
    }
    if (hBitmapOut) {
        if (!::GetObjectA(hBitmapOut, sizeof(bm), &bm)) {
            FreeResources();
            return BTNST_INVALIDRESOURCE;
        }
        m_csBitmaps[1] = {hBitmapOut, static_cast<DWORD>(bm.bmWidth), static_cast<DWORD>(bm.bmHeight), nullptr, crTransColorOut};
        m_csBitmaps[1].hMask = CreateMask(hBitmapOut, bm.bmWidth, bm.bmHeight, crTransColorOut);
        if (!m_csBitmaps[1].hMask) {
            FreeResources();
            return BTNST_FAILEDMASK;
        }
    }
    if (GetSafeHwnd())
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetBitmapsFromResource(int nBitmapIn, COLORREF crTransColorIn, int nBitmapOut, COLORREF crTransColorOut)
{
    auto load = [](int id) -> HBITMAP {
        LPCTSTR name = MAKEINTRESOURCE(id);
        return static_cast<HBITMAP>(::LoadImageA(AfxFindResourceHandle(name, RT_BITMAP), name, IMAGE_BITMAP, 0, 0, 0));
    };
    HBITMAP in = nBitmapIn ? load(nBitmapIn) : nullptr;
    HBITMAP out = nullptr;
    if (nBitmapOut == BTNST_AUTO_GRAY || nBitmapOut == BTNST_AUTO_DARKER)
        out = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(nBitmapOut));
    else if (nBitmapOut)
        out = load(nBitmapOut);
    return SetBitmaps(in, crTransColorIn, out, crTransColorOut);
}

// ---------------------------------------------------------------------------
// Settings

DWORD CButtonST::SetFlat(BOOL bFlat, BOOL bRepaint)
{
    m_bIsFlat = bFlat;
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetAlign(BYTE byAlign, BOOL bRepaint)
{
    if (byAlign > ST_ALIGN_OVERLAP)
        return BTNST_INVALIDALIGN;
    m_byAlign = byAlign;
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetCheck(int nCheck, BOOL bRepaint)
{
    if (m_bIsCheckBox) {
        m_nCheck = nCheck ? 1 : 0;
        if (bRepaint && GetSafeHwnd()) Invalidate();
    }
    return BTNST_OK;
}

DWORD CButtonST::SetDrawBorder(BOOL bDrawBorder, BOOL bRepaint)
{
    m_bDrawBorder = bDrawBorder;
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetDrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint)
{
    m_bDrawFlatFocus = bDrawFlatFocus;
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetAlwaysTrack(BOOL bAlwaysTrack)
{
    m_bAlwaysTrack = bAlwaysTrack;
    return BTNST_OK;
}

DWORD CButtonST::SetDefaultColors(BOOL bRepaint)
{
    for (int i = 0; i < BTNST_MAX_COLORS; ++i)
        m_crColors[i] = ::GetSysColor((i % 2) ? COLOR_BTNTEXT : COLOR_BTNFACE);
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint)
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    m_crColors[byColorIndex] = crColor;
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::GetColor(BYTE byColorIndex, COLORREF* crpColor) const
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    if (crpColor)
        *crpColor = m_crColors[byColorIndex];
    return BTNST_OK;
}

DWORD CButtonST::OffsetColor(BYTE byColorIndex, short shOffset, BOOL bRepaint)
{
    if (byColorIndex >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    if (shOffset < -255 || shOffset > 255)
        return BTNST_BADPARAM;
    m_crColors[byColorIndex] = OffsetColorValue(m_crColors[byColorIndex], shOffset);
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetBtnCursor(int nCursorId, BOOL bRepaint)
{
    if (m_hCursor) {
        ::DestroyCursor(m_hCursor);
        m_hCursor = nullptr;
    }
    DWORD result = BTNST_OK;
    if (nCursorId) {
        LPCTSTR name = MAKEINTRESOURCE(nCursorId);
        m_hCursor = static_cast<HCURSOR>(::LoadImageA(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name, IMAGE_CURSOR, 0, 0, 0));
        if (!m_hCursor)
            result = BTNST_INVALIDRESOURCE;
    }
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return result;
}

DWORD CButtonST::SetURL(LPCTSTR lpszURL)
{
    // At most 259 bytes and the terminator: a longer address is cut, never overruns.
    CopyBounded(m_szURL, sizeof(m_szURL), lpszURL);
    return BTNST_OK;
}

DWORD CButtonST::SetMenu(UINT nMenu, HWND hParentWnd, BOOL bWinXPStyle, UINT nToolbarID, CSize sizeToolbarIcon,
                         COLORREF crToolbarBk, BOOL bRepaint)
{
    if (m_menuPopup.GetSafeHmenu()) {
        m_menuPopup.DestroyMenu();
        m_hParentWndMenu = nullptr;
        m_bMenuDisplayed = FALSE;
    }
    if (nMenu) {
        BCMenu::xpLookOnThemedXp = bWinXPStyle ? 1 : 0;
        BCMenu::xpLookElsewhere = bWinXPStyle ? 1 : 0;
        if (!m_menuPopup.LoadMenu(nMenu))
            return BTNST_INVALIDRESOURCE;
        if (nToolbarID) {
            m_menuPopup.SetBitmapBackground(crToolbarBk);
            BCMenu::SetIconSize(sizeToolbarIcon.cx, sizeToolbarIcon.cy);
            if (!m_menuPopup.LoadToolbar(nToolbarID)) {
                m_menuPopup.DestroyMenu();
                return BTNST_INVALIDRESOURCE;
            }
        }
        m_hParentWndMenu = hParentWnd;
    }
    if (bRepaint && GetSafeHwnd()) Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam)
{
    m_csCallbacks = {hWnd, nMessage, lParam};
    return BTNST_OK;
}

DWORD CButtonST::SetSound(LPCTSTR lpszSound, HMODULE hMod, BOOL bPlayOnClick, BOOL bPlayAsync)
{
    STRUCT_SOUND& slot = m_csSounds[bPlayOnClick ? 1 : 0];
    slot = STRUCT_SOUND();
    if (!lpszSound)
        return BTNST_OK;
    if (IS_INTRESOURCE(lpszSound)) {
        slot.lpszSound = lpszSound;
    } else {
        // At most 259 bytes and the terminator, like the address.
        CopyBounded(slot.szSound, sizeof(slot.szSound), lpszSound);
        slot.lpszSound = slot.szSound;
    }
    slot.hMod = hMod;
    slot.dwFlags = (hMod ? SND_RESOURCE : SND_FILENAME) | SND_NODEFAULT | SND_NOWAIT;
    if (bPlayAsync)
        slot.dwFlags |= SND_ASYNC;
    return BTNST_OK;
}

void CButtonST::PlaySlot(int nSlot)
{
    const STRUCT_SOUND& slot = m_csSounds[nSlot];
    if (slot.lpszSound)
        ::PlaySoundA(slot.lpszSound, slot.hMod, slot.dwFlags);
}

DWORD CButtonST::EnableBalloonTooltip()
{
    m_dwToolTipStyle |= TTS_BALLOON;
    return BTNST_OK;
}

void CButtonST::SetTooltipText(LPCTSTR lpszText, BOOL bActivate)
{
    if (!lpszText || !GetSafeHwnd())
        return;
    if (!m_hToolTip) {
        m_hToolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | m_dwToolTipStyle,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                       AfxGetInstanceHandle(), nullptr);
        if (!m_hToolTip)
            return;
        ::SendMessageA(m_hToolTip, TTM_ACTIVATE, FALSE, 0);
        ::SendMessageA(m_hToolTip, TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth);
    }
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hWnd;
    ti.uId = 1;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    if (::SendMessageA(m_hToolTip, TTM_GETTOOLCOUNT, 0, 0) == 0) {
        GetClientRect(&ti.rect);
        ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    ::SendMessageA(m_hToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    ActivateTooltip(bActivate);
}

void CButtonST::SetTooltipText(int nText, BOOL bActivate)
{
    CString text;
    if (text.LoadString(static_cast<UINT>(nText)))
        SetTooltipText(text, bActivate);
}

void CButtonST::ActivateTooltip(BOOL bEnable)
{
    if (m_hToolTip)
        ::SendMessageA(m_hToolTip, TTM_ACTIVATE, bEnable, 0);
}

DWORD CButtonST::SizeToContent()
{
    DWORD cx = 0, cy = 0;
    if (m_csIcons[0].hIcon) {
        cx = m_csIcons[0].dwWidth;
        cy = m_csIcons[0].dwHeight;
    } else if (m_csBitmaps[0].hBitmap) {
        cx = m_csBitmaps[0].dwWidth;
        cy = m_csBitmaps[0].dwHeight;
    }
    if (cx && GetSafeHwnd()) {
        m_nImageMarginX = m_nImageMarginY = 0;
        SetWindowPos(nullptr, 0, 0, static_cast<int>(cx), static_cast<int>(cy), SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    }
    return BTNST_OK;
}

// ---------------------------------------------------------------------------
// Mouse, focus, click

void CButtonST::CancelHover()
{
    if (m_bMouseOnButton) {
        m_bMouseOnButton = FALSE;
        Invalidate();
    }
}

void CButtonST::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    if (!m_bIsFlat)
        return;
    if (!m_bAlwaysTrack && !CWnd::GetActiveWindow())
        return;
    POINT screen = point;
    ClientToScreen(&screen);
    if (::WindowFromPoint(screen) == m_hWnd) {
        if (!m_bMouseOnButton && !(nFlags & MK_LBUTTON)) {
            m_bMouseOnButton = TRUE;
            Invalidate();
            PlaySlot(0);
            TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&tme);
        }
    } else {
        CancelHover();
    }
}

void CButtonST::OnMouseLeave()
{
    CancelHover();
}

void CButtonST::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    CancelHover();
}

void CButtonST::OnCancelMode()
{
    CButton::OnCancelMode();
    CancelHover();
}

void CButtonST::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CButton::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE)
        CancelHover();
}

void CButtonST::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    if (!bEnable) {
        if (CWnd* parent = GetParent()) {
            if (CWnd* next = parent->GetNextDlgTabItem(this))
                next->SetFocus();
            else
                parent->SetFocus();
        }
        CancelHover();
    }
}

BOOL CButtonST::OnClicked()
{
    SetFocus();
    PlaySlot(1);
    if (m_bIsCheckBox) {
        m_nCheck = !m_nCheck;
        Invalidate();
    } else if (m_menuPopup.GetSafeHmenu()) {
        m_bMenuDisplayed = TRUE;
        Invalidate();
        HMENU sub = ::GetSubMenu(m_menuPopup.GetSafeHmenu(), 0);
        if (m_csCallbacks.hWnd)
            ::SendMessageA(m_csCallbacks.hWnd, m_csCallbacks.nMessage, reinterpret_cast<WPARAM>(sub), m_csCallbacks.lParam);
        CRect rc;
        GetWindowRect(&rc);
        UINT cmd = sub ? ::TrackPopupMenu(sub, TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, rc.left, rc.bottom, 0, m_hWnd, nullptr) : 0;
        m_bMenuDisplayed = FALSE;
        Invalidate();
        if (cmd && m_hParentWndMenu)
            ::PostMessageA(m_hParentWndMenu, WM_COMMAND, cmd, 0);
    } else if (m_szURL[0]) {
        SHELLEXECUTEINFOA sei = {};
        sei.cbSize = sizeof(sei);
        sei.fMask = SEE_MASK_FLAG_NO_UI;
        sei.lpVerb = "open";
        sei.lpFile = m_szURL;
        sei.nShow = SW_SHOWMAXIMIZED;
        ::ShellExecuteExA(&sei);
    }
    return FALSE;   // the parent still gets BN_CLICKED
}

BOOL CButtonST::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hCursor) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

UINT CButtonST::OnGetDlgCode()
{
    UINT code = CButton::OnGetDlgCode() & ~static_cast<UINT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    return code | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void CButtonST::OnSysColorChange()
{
    CButton::OnSysColorChange();
    FreeBackground();
    SetDefaultColors(TRUE);
}

BOOL CButtonST::PreTranslateMessage(MSG* pMsg)
{
    if (m_hToolTip) {
        MSG copy = *pMsg;
        ::SendMessageA(m_hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    }
    // A double click acts as two clicks.
    if (pMsg->message == WM_LBUTTONDBLCLK && pMsg->hwnd == m_hWnd)
        pMsg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------
// Drawing

DWORD CButtonST::OnDrawBackground(CDC* pDC, CRect* pRect)
{
    int bk = BackgroundIndex(m_bDrawPressed != FALSE, m_bMouseOnButton != FALSE, m_bDrawFocused != FALSE);
    pDC->FillSolidRect(pRect, m_crColors[bk]);
    return BTNST_OK;
}

DWORD CButtonST::OnDrawBorder(CDC* pDC, CRect* pRect)
{
    if (!m_bIsFlat) {
        if (!m_bDrawPressed) {
            // Raised: outer highlight and dark shadow, inner light and shadow.
            pDC->Draw3dRect(pRect, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
            CRect inner = *pRect;
            inner.DeflateRect(1, 1);
            pDC->Draw3dRect(&inner, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        } else {
            pDC->Draw3dRect(pRect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
        }
    } else if (m_bDrawBorder) {
        if (m_bDrawPressed)
            pDC->Draw3dRect(pRect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
        else if (m_bMouseOnButton)
            pDC->Draw3dRect(pRect, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
    return BTNST_OK;
}

void CButtonST::PrepareImageRect(BOOL bHasTitle, RECT* rpItem, CRect* rpTitle, BOOL bIsPressed, DWORD dwWidth, DWORD dwHeight, CRect* rpImage)
{
    CRect item(rpItem);
    int w = static_cast<int>(dwWidth), h = static_cast<int>(dwHeight);
    switch (m_byAlign) {
    case ST_ALIGN_HORIZ:
        if (!bHasTitle) {
            rpImage->left = item.left + (item.Width() - w) / 2;
        } else {
            rpImage->left = item.left + m_nImageMarginX;
            rpTitle->left += w + m_nImageMarginX;
        }
        rpImage->top = item.top + (item.Height() - h) / 2;
        break;
    case ST_ALIGN_HORIZ_RIGHT:
        if (!bHasTitle) {
            rpImage->left = item.left + (item.Width() - w) / 2;
        } else {
            rpTitle->right = rpTitle->Width() - w - m_nImageMarginX;
            rpTitle->left = m_nImageMarginX;
            rpImage->left = item.right - w - m_nImageMarginX;
        }
        rpImage->top = item.top + (item.Height() - h) / 2;
        break;
    case ST_ALIGN_VERT:
        rpImage->left = item.left + (item.Width() - w) / 2;
        if (!bHasTitle) {
            rpImage->top = item.top + (item.Height() - h) / 2;
        } else {
            rpImage->top = m_nImageMarginY;
            rpTitle->top += h;
        }
        break;
    default:   // image at the top-left corner, text placed as without image
        rpImage->left = item.left + m_nImageMarginX;
        rpImage->top = item.top + m_nImageMarginY;
        break;
    }
    if (bIsPressed && !m_bIsCheckBox)
        rpImage->OffsetRect(m_nPressedOffsetX, m_nPressedOffsetY);
    rpImage->right = rpImage->left + w;
    rpImage->bottom = rpImage->top + h;
}

void CButtonST::DrawTheIcon(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled)
{
    bool in = UseInImage(bIsPressed != FALSE, m_bMouseOnButton != FALSE, m_bIsCheckBox != FALSE, m_csIcons[1].hIcon != nullptr);
    const STRUCT_ICONS& icon = m_csIcons[in ? 0 : 1];
    CRect rcImage;
    PrepareImageRect(bHasTitle, rpItem, rpCaption, bIsPressed, icon.dwWidth, icon.dwHeight, &rcImage);
    ::DrawStateA(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(icon.hIcon), 0, rcImage.left, rcImage.top,
                 rcImage.Width(), rcImage.Height(), DST_ICON | (bIsDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CButtonST::DrawTheBitmap(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled)
{
    (void)bIsDisabled;
    bool in = UseInImage(bIsPressed != FALSE, m_bMouseOnButton != FALSE, m_bIsCheckBox != FALSE, m_csBitmaps[1].hBitmap != nullptr);
    const STRUCT_BITMAPS& bmp = m_csBitmaps[in ? 0 : 1];
    CRect rcImage;
    PrepareImageRect(bHasTitle, rpItem, rpCaption, bIsPressed, bmp.dwWidth, bmp.dwHeight, &rcImage);
    HDC hdc = pDC->GetSafeHdc();
    HDC mem = ::CreateCompatibleDC(hdc);
    HGDIOBJ old = ::SelectObject(mem, bmp.hMask);
    ::BitBlt(hdc, rcImage.left, rcImage.top, rcImage.Width(), rcImage.Height(), mem, 0, 0, SRCAND);
    ::SelectObject(mem, bmp.hBitmap);
    ::BitBlt(hdc, rcImage.left, rcImage.top, rcImage.Width(), rcImage.Height(), mem, 0, 0, SRCPAINT);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
}

void CButtonST::DrawTheText(CDC* pDC, LPCTSTR lpszText, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled)
{
    HDC hdc = pDC->GetSafeHdc();
    CRect centre = *rpCaption;
    ::DrawTextA(hdc, lpszText, -1, &centre, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    CRect rc = *rpCaption;
    rc.OffsetRect((rpCaption->Width() - centre.Width()) / 2, (rpCaption->Height() - centre.Height()) / 2);
    (void)rpItem;
    ::SetBkMode(hdc, TRANSPARENT);
    if (bIsDisabled) {
        rc.OffsetRect(1, 1);
        ::SetTextColor(hdc, ::GetSysColor(COLOR_3DHILIGHT));
        ::DrawTextA(hdc, lpszText, -1, &rc, DT_WORDBREAK | DT_CENTER);
        rc.OffsetRect(-1, -1);
        ::SetTextColor(hdc, ::GetSysColor(COLOR_BTNSHADOW));
    } else {
        ::SetTextColor(hdc, m_crColors[BackgroundIndex(bIsPressed != FALSE, m_bMouseOnButton != FALSE, m_bDrawFocused != FALSE) + 1]);
    }
    ::DrawTextA(hdc, lpszText, -1, &rc, DT_WORDBREAK | DT_CENTER);
}

void CButtonST::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    HDC hdc = lpDIS->hDC;
    bool pressed = (lpDIS->itemState & ODS_SELECTED) || m_bMenuDisplayed;
    if (m_bIsCheckBox)
        pressed = (lpDIS->itemState & ODS_SELECTED) || m_nCheck;
    bool focused = (lpDIS->itemState & ODS_FOCUS) != 0;
    bool disabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    CRect item = lpDIS->rcItem;

    m_bDrawPressed = pressed;
    m_bDrawFocused = focused;
    ::SetBkMode(hdc, TRANSPARENT);
    if (m_bDrawTransparent)
        PaintBk(pDC);
    else
        OnDrawBackground(pDC, &item);
    OnDrawBorder(pDC, &item);

    CString title;
    GetWindowText(title);
    CRect caption = item;
    if (pressed && !m_bIsCheckBox)
        caption.OffsetRect(m_nPressedOffsetX, m_nPressedOffsetY);
    if (m_csIcons[0].hIcon)
        DrawTheIcon(pDC, !title.IsEmpty(), &lpDIS->rcItem, &caption, pressed, disabled);
    else if (m_csBitmaps[0].hBitmap)
        DrawTheBitmap(pDC, !title.IsEmpty(), &lpDIS->rcItem, &caption, pressed, disabled);
    if (!title.IsEmpty())
        DrawTheText(pDC, title, &lpDIS->rcItem, &caption, pressed, disabled);

    if (focused && (!m_bIsFlat || m_bDrawFlatFocus)) {
        CRect focus = item;
        focus.DeflateRect(3, 3);
        ::DrawFocusRect(hdc, &focus);
    }
}

// ---------------------------------------------------------------------------
// Transparent mode

HBRUSH CButtonST::CtlColor(CDC*, UINT)
{
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

DWORD CButtonST::DrawTransparent(BOOL bRepaint)
{
    m_bDrawTransparent = TRUE;
    // The copy is taken again at the next drawing, from where the button is now.
    FreeBackground();
    if (bRepaint && m_hWnd)
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetBk(CDC* pDC)
{
    if (!m_bDrawTransparent || !pDC || !pDC->GetSafeHdc())
        return BTNST_BADPARAM;
    FreeBackground();
    CopyParentBackground(pDC);
    return BTNST_OK;
}

void CButtonST::FreeBackground()
{
    if (m_dcBk.GetSafeHdc() && m_pbmpOldBk)
        ::SelectObject(m_dcBk, m_pbmpOldBk);
    m_pbmpOldBk = nullptr;
    m_bmpBk.DeleteObject();
    m_dcBk.DeleteDC();
}

void CButtonST::CopyParentBackground(CDC* pDC)
{
    HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!parent)
        return;
    CRect rc;
    ::GetClientRect(m_hWnd, &rc);
    CRect place;
    ::GetWindowRect(m_hWnd, &place);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&place), 2);

    HDC source = pDC ? pDC->GetSafeHdc() : ::GetDC(parent);
    if (!source)
        return;
    HDC copy = ::CreateCompatibleDC(source);
    HBITMAP bitmap = ::CreateCompatibleBitmap(source, rc.Width(), rc.Height());
    if (copy && bitmap) {
        m_dcBk.Attach(copy);
        m_bmpBk.Attach(bitmap);
        m_pbmpOldBk = static_cast<HBITMAP>(::SelectObject(copy, bitmap));
        ::BitBlt(copy, 0, 0, rc.Width(), rc.Height(), source, place.left, place.top, SRCCOPY);
    } else {
        if (bitmap)
            ::DeleteObject(bitmap);
        if (copy)
            ::DeleteDC(copy);
    }
    if (!pDC)
        ::ReleaseDC(parent, source);
}

void CButtonST::PaintBk(CDC* pDC)
{
    if (!m_dcBk.GetSafeHdc())
        CopyParentBackground(nullptr);
    if (!m_dcBk.GetSafeHdc())
        return;
    CRect rc;
    ::GetClientRect(m_hWnd, &rc);
    ::BitBlt(pDC->GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), m_dcBk, 0, 0, SRCCOPY);
}
