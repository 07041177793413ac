#include "framework/util/ControlFunctions.h"

#include "afx/ColorDialog.h"
#include "afx/FontDialog.h"
#include "afx/GdiObject.h"
#include "afx/ImageList.h"
#include "afx/ListCtrl.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"

#include <algorithm>

namespace {
// Frees the report records when the program ends.
class CTableOfHTMLList
{
public:
    ~CTableOfHTMLList()
    {
        for (INT_PTR i = 0; i < m_tables.GetSize(); ++i)
            delete static_cast<CTableOfHTML*>(m_tables[i]);
        m_tables.RemoveAll();
    }
    CPtrArray m_tables;
};

CTableOfHTMLList& Tables()
{
    static CTableOfHTMLList list;
    return list;
}
} // namespace

BOOL ReplaceBitmapColor(CBitmap* pBitmap, DWORD /*dwUnused*/, COLORREF clrNew)
{
    if (!pBitmap || !pBitmap->GetSafeHandle())
        return FALSE;
    // Only a 24-bit DIB section has bits we may walk as 3-byte pixels; a
    // device bitmap or another depth would be read out of bounds.
    DIBSECTION ds = {};
    if (::GetObjectA(pBitmap->GetSafeHandle(), sizeof ds, &ds) != static_cast<int>(sizeof ds))
        return FALSE;
    if (ds.dsBm.bmBitsPixel != 24 || !ds.dsBm.bmBits || ds.dsBm.bmWidth <= 0 || ds.dsBm.bmHeight <= 0)
        return FALSE;
    ::GdiFlush();
    BYTE* bits = static_cast<BYTE*>(ds.dsBm.bmBits);
    const LONG width = ds.dsBm.bmWidth;
    const LONG height = ds.dsBm.bmHeight;
    const LONG stride = (width * 3 + 3) & ~3L;
    const BYTE keyBlue = bits[0], keyGreen = bits[1], keyRed = bits[2];
    const BYTE newBlue = static_cast<BYTE>((clrNew >> 16) & 0xFF);
    const BYTE newGreen = static_cast<BYTE>((clrNew >> 8) & 0xFF);
    const BYTE newRed = static_cast<BYTE>(clrNew & 0xFF);
    for (LONG y = 0; y < height; ++y) {
        BYTE* pixel = bits + y * stride;
        for (LONG x = 0; x < width; ++x, pixel += 3) {
            if (pixel[0] == keyBlue && pixel[1] == keyGreen && pixel[2] == keyRed) {
                pixel[0] = newBlue;
                pixel[1] = newGreen;
                pixel[2] = newRed;
            }
        }
    }
    return TRUE;
}

BOOL LoadImageListReplacingColor(UINT nBitmapId, CImageList* pImageList, int cx, int cy, UINT nFlags, int nInitial,
                                 DWORD dwUnused, COLORREF clrNew)
{
    if (!pImageList)
        return FALSE;
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapId), RT_BITMAP);
    HANDLE loaded = ::LoadImageA(module, MAKEINTRESOURCE(nBitmapId), IMAGE_BITMAP, 0, 0,
                                 LR_CREATEDIBSECTION | LR_DEFAULTSIZE);
    if (!loaded)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(loaded);
    ReplaceBitmapColor(&bitmap, dwUnused, clrNew);
    if (pImageList->GetSafeHandle())
        pImageList->DeleteImageList();
    if (!pImageList->Create(cx, cy, nFlags, nInitial, 0))
        return FALSE;
    pImageList->Add(&bitmap, static_cast<CBitmap*>(nullptr));
    pImageList->SetBkColor(clrNew);
    return TRUE;
}

void SelectListRow(int nRow, CListCtrl* pList)
{
    if (!pList)
        return;
    int count = pList->GetItemCount();
    if (count <= 0)
        return;
    nRow = std::max(0, std::min(nRow, count - 1));
    pList->SetFocus();
    pList->EnsureVisible(nRow, FALSE);
    pList->SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, 0xFFFFFFFF);
    pList->SetSelectionMark(nRow);
    pList->EnsureVisible(nRow, FALSE);
}

void SyncMenuWithDialog(CMenu* pMenu, CWnd* pDialog)
{
    if (!pMenu || !pMenu->GetSafeHmenu() || !pDialog || !pDialog->GetSafeHwnd())
        return;
    int count = static_cast<int>(pMenu->GetMenuItemCount());
    for (int i = 0; i < count; ++i) {
        UINT id = pMenu->GetMenuItemID(i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        HWND control = ::GetDlgItem(pDialog->GetSafeHwnd(), static_cast<int>(id));
        if (!control)
            continue;
        BOOL checked = ::SendMessageA(control, BM_GETCHECK, 0, 0) != 0;
        ::CheckMenuItem(pMenu->GetSafeHmenu(), i, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
        BOOL enabled = ::IsWindowEnabled(control);
        ::EnableMenuItem(pMenu->GetSafeHmenu(), i, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

BOOL PickColor(COLORREF& clrColor)
{
    CColorDialog dialog(clrColor);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    clrColor = dialog.GetColor();
    return TRUE;
}

BOOL PickFont(COLORREF& clrColor, LOGFONT& lf)
{
    CFontDialog dialog(&lf, CF_EFFECTS | CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT);
    dialog.m_cf.rgbColors = clrColor;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    dialog.GetCurrentFont(&lf);
    clrColor = dialog.GetColor();
    return TRUE;
}

CTableOfHTML* CreateTableOfHTML()
{
    CTableOfHTML* table = new CTableOfHTML;
    Tables().m_tables.Add(table);
    return table;
}

const CPtrArray& GetTablesOfHTML()
{
    return Tables().m_tables;
}
