#include "controls/tabs/DialogTabCtrl.h"

#include "afx/GdiObject.h"

IMPLEMENT_DYNAMIC(CDialogTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CDialogTabCtrl, CTabCtrl)
    ON_WM_LBUTTONDOWN()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// A tab row whose first tab starts this low lies at the bottom (TCS_BOTTOM).
const int kTopRowLimit = 8;
const UINT kRedrawPage = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
const int kImageSize = 16;
const int kInitialImages = 26;

// Turns every pixel of the first pixel's colour (in memory order) of a 24-bit
// DIB section into clrNew; other bitmaps are left alone, since walking their
// bits as 3-byte pixels would read past them.
void ReplaceFirstPixelColour(HBITMAP hBitmap, COLORREF clrNew)
{
    DIBSECTION ds = {};
    if (::GetObjectA(hBitmap, sizeof ds, &ds) != static_cast<int>(sizeof ds))
        return;
    if (ds.dsBm.bmBitsPixel != 24 || !ds.dsBm.bmBits || ds.dsBm.bmWidth <= 0 || ds.dsBm.bmHeight <= 0)
        return;
    ::GdiFlush();
    BYTE* bits = static_cast<BYTE*>(ds.dsBm.bmBits);
    const LONG stride = (ds.dsBm.bmWidth * 3 + 3) & ~3L;
    const BYTE key[3] = {bits[0], bits[1], bits[2]};
    for (LONG y = 0; y < ds.dsBm.bmHeight; ++y) {
        BYTE* pixel = bits + y * stride;
        for (LONG x = 0; x < ds.dsBm.bmWidth; ++x, pixel += 3) {
            if (pixel[0] == key[0] && pixel[1] == key[1] && pixel[2] == key[2]) {
                pixel[0] = GetBValue(clrNew);
                pixel[1] = GetGValue(clrNew);
                pixel[2] = GetRValue(clrNew);
            }
        }
    }
}

} // namespace

CDialogTabCtrl::CDialogTabCtrl() : imageList(), pages(), currentPage(-1)
{
}

CDialogTabCtrl::~CDialogTabCtrl()
{
    for (INT_PTR i = 0; i < pages.GetSize(); ++i)
        delete pages[i];
    pages.RemoveAll();
}

BOOL CDialogTabCtrl::AddTab(int nPosition, LPCTSTR lpszText, int nImage, CDialog* pPage)
{
    ASSERT(pPage != nullptr);
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<LPTSTR>(lpszText);
    item.iImage = nImage;
    const LONG inserted = InsertItem(nPosition, &item);
    pages.Add(pPage);
    return inserted != -1;
}

CRect CDialogTabCtrl::PageRect(const CRect& client, const CRect& firstTab, bool tabsAtBottom)
{
    if (tabsAtBottom) {
        return CRect(0, 0, client.right - firstTab.left - 1,
                     client.bottom - firstTab.bottom + firstTab.top - 1);
    }
    const int top = firstTab.bottom + 1;
    return CRect(firstTab.left, top, client.right - 1, client.bottom - 1);
}

void CDialogTabCtrl::LayOutPages(const CRect& rect)
{
    for (INT_PTR i = 0; i < pages.GetSize(); ++i) {
        CDialog* page = pages[i];
        if (!page || !::IsWindow(page->GetSafeHwnd()))
            continue;
        // The rectangle is in this control's coordinates; a page made as a
        // child of the control's parent needs it in the parent's.
        CRect placed = rect;
        HWND pageParent = ::GetParent(page->m_hWnd);
        if (pageParent != m_hWnd)
            ::MapWindowPoints(m_hWnd, pageParent, reinterpret_cast<LPPOINT>(&placed), 2);
        const UINT show = (i == currentPage) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        page->SetWindowPos(&CWnd::wndTop, placed.left, placed.top, placed.Width(), placed.Height(), show);
    }
}

void CDialogTabCtrl::InitDialogs()
{
    currentPage = 0;
    CRect client, tab;
    GetClientRect(&client);
    GetItemRect(0, &tab);
    LayOutPages(PageRect(client, tab, false));
}

void CDialogTabCtrl::ShowCurrentPage()
{
    CDialog* page = pages[currentPage];
    page->ShowWindow(SW_SHOW);
    page->SetFocus();
    page->RedrawWindow(nullptr, nullptr, kRedrawPage);
}

void CDialogTabCtrl::SelectTab(int nIndex)
{
    if (pages.IsEmpty())
        return;
    if (currentPage >= 0 && currentPage < pages.GetSize())
        pages[currentPage]->ShowWindow(SW_HIDE);
    SetCurSel(nIndex);
    currentPage = nIndex;
    if (nIndex >= 0 && nIndex < pages.GetSize())
        ShowCurrentPage();
}

BOOL CDialogTabCtrl::SetImageListFromBitmap(UINT nBitmapId)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapId), RT_BITMAP);
    HANDLE loaded = ::LoadImageA(module, MAKEINTRESOURCE(nBitmapId), IMAGE_BITMAP, 0, 0,
                                 LR_CREATEDIBSECTION | LR_DEFAULTSIZE);
    if (!loaded)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(loaded);
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    ReplaceFirstPixelColour(static_cast<HBITMAP>(loaded), face);
    imageList.DeleteImageList();
    if (!imageList.Create(kImageSize, kImageSize, ILC_COLOR24, kInitialImages, 0))
        return FALSE;
    imageList.Add(&bitmap, face);
    imageList.SetBkColor(face);
    SetImageList(&imageList);
    return TRUE;
}

void CDialogTabCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
    const int selected = GetCurSel();
    if (selected == currentPage)
        return;
    if (currentPage >= 0 && currentPage < pages.GetSize())
        pages[currentPage]->ShowWindow(SW_HIDE);
    // More tabs than pages: the click selects a tab that has nothing to show.
    if (selected < 0 || selected >= pages.GetSize()) {
        currentPage = selected;
        return;
    }
    currentPage = selected;
    ShowCurrentPage();
}

void CDialogTabCtrl::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    if (pages.IsEmpty() || GetItemCount() == 0)
        return;
    CRect client, tab;
    GetClientRect(&client);
    GetItemRect(0, &tab);
    LayOutPages(PageRect(client, tab, tab.top >= kTopRowLimit));
}
