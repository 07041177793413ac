#include "toolkit/lists/listboxes/OXImageListBox.h"

#include "afx/DC.h"
#include "afx/WinApp.h"

#include <shellapi.h>


BEGIN_MESSAGE_MAP(COXImageListBox, CListBox)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(LB_DELETESTRING, &COXImageListBox::OnDeleteString)
    ON_MESSAGE(LB_RESETCONTENT, &COXImageListBox::OnResetContent)
END_MESSAGE_MAP()

COXImageListBox::COXImageListBox(int cx, int cy, UINT nFlags)
    : m_nImageWidth(cx), m_nImageHeight(cy), m_clrBackground(::GetSysColor(COLOR_WINDOW)),
      m_clrHighlight(::GetSysColor(COLOR_HIGHLIGHT))
{
    m_imageList.Create(cx, cy, nFlags, 0, 0);
}

COXImageListBox::~COXImageListBox() = default;

BOOL COXImageListBox::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~(LBS_MULTIPLESEL | LBS_OWNERDRAWVARIABLE);
    cs.style |= LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN;
    return CListBox::PreCreateWindow(cs);
}

void COXImageListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    if (AfxGetWndInit() != this)
        AdjustItemSize();
}

int COXImageListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    return AdjustItemSize() ? 0 : -1;
}

void COXImageListBox::OnDestroy()
{
    ResetContent();
    CListBox::OnDestroy();
}

BOOL COXImageListBox::AdjustItemSize()
{
    CSize image(m_nImageWidth, m_nImageHeight);
    IMAGEINFO info = {};
    if (m_imageList.GetSafeHandle() && m_imageList.GetImageCount() > 0 && m_imageList.GetImageInfo(0, &info))
        image = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    const CSize cell = CellSize(image);
    if (::IsWindow(m_hWnd)) {
        SetItemHeight(0, static_cast<UINT>(cell.cy));
        SetColumnWidth(cell.cx);
    }
    return TRUE;
}

int COXImageListBox::AddItems(int nFirst)
{
    int nFirstItem = -1;
    const int nCount = m_imageList.GetImageCount();
    for (int i = nFirst; i < nCount; ++i) {
        const int nItem = static_cast<int>(SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(i)));
        if (nFirstItem < 0)
            nFirstItem = nItem;
    }
    return nFirstItem;
}

int COXImageListBox::SetImageList(CImageList* pImageList)
{
    ResetContent();
    if (!pImageList || !pImageList->GetSafeHandle() || pImageList->GetImageCount() == 0)
        return 0;
    CImageList copy;
    if (!copy.Create(pImageList))
        return 0;
    m_imageList.DeleteImageList();
    m_imageList.Attach(copy.Detach());
    AdjustItemSize();
    AddItems(0);
    return m_imageList.GetImageCount();
}

int COXImageListBox::AddImageList(CImageList* pImageList)
{
    if (!pImageList || !pImageList->GetSafeHandle() || pImageList->GetImageCount() == 0 ||
        m_imageList.GetImageCount() == 0)
        return -1;
    IMAGEINFO own = {}, other = {};
    m_imageList.GetImageInfo(0, &own);
    pImageList->GetImageInfo(0, &other);
    const CRect ownRect(own.rcImage), otherRect(other.rcImage);
    if (ownRect.Size() != otherRect.Size())
        return -1;
    const int nFirst = m_imageList.GetImageCount();
    for (int i = 0; i < pImageList->GetImageCount(); ++i) {
        HICON hIcon = pImageList->ExtractIcon(i);
        if (hIcon) {
            m_imageList.Add(hIcon);
            ::DestroyIcon(hIcon);
        }
    }
    return AddItems(nFirst);
}

int COXImageListBox::AddImage(CBitmap* pImage, CBitmap* pMask)
{
    if (m_imageList.Add(pImage, pMask) < 0)
        return -1;
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(GetCount())));
}

int COXImageListBox::AddImage(CBitmap* pImage, COLORREF clrMask)
{
    if (m_imageList.Add(pImage, clrMask) < 0)
        return -1;
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(GetCount())));
}

int COXImageListBox::AddIcon(HICON hIcon)
{
    if (m_imageList.Add(hIcon) < 0)
        return -1;
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(GetCount())));
}

BOOL COXImageListBox::ReplaceImage(int nIndex, CBitmap* pImage, CBitmap* pMask)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    return m_imageList.Replace(nIndex, pImage, pMask);
}

BOOL COXImageListBox::ReplaceIcon(int nIndex, HICON hIcon)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    return m_imageList.Replace(nIndex, hIcon) >= 0;
}

BOOL COXImageListBox::GetImageInfo(int nIndex, IMAGEINFO* pImageInfo) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    return m_imageList.GetImageInfo(nIndex, pImageInfo);
}

HICON COXImageListBox::GetIcon(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return m_imageList.ExtractIcon(nIndex);
}

HICON COXImageListBox::GetSelectedIcon()
{
    const int nSel = GetCurSel();
    return nSel < 0 ? nullptr : GetIcon(nSel);
}

BOOL COXImageListBox::LoadImagesFromFile(LPCTSTR lpszFileName, BOOL bSmallIcons)
{
    HCURSOR oldCursor = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    char own[MAX_PATH] = "";
    CString file = lpszFileName ? lpszFileName : "";
    if (!file.IsEmpty()) {
        if (::GetFileAttributesA(file) == INVALID_FILE_ATTRIBUTES) {
            ::SetCursor(oldCursor);
            return FALSE;
        }
    } else {
        ::GetModuleFileNameA(nullptr, own, MAX_PATH);
        file = own;
    }
    const int cx = ::GetSystemMetrics(bSmallIcons ? SM_CXSMICON : SM_CXICON);
    const int cy = ::GetSystemMetrics(bSmallIcons ? SM_CYSMICON : SM_CYICON);
    const UINT nIcons = ::ExtractIconExA(file, -1, nullptr, nullptr, 0);
    if (nIcons == 0 || nIcons == UINT_MAX) {
        ::SetCursor(oldCursor);
        return TRUE;
    }
    CImageList images;
    images.Create(cx, cy, ILC_COLOR24 | ILC_MASK, static_cast<int>(nIcons), 1);
    // One at a time: asked for all at once, some systems fill only the first.
    int nAdded = 0;
    for (UINT i = 0; i < nIcons; ++i) {
        HICON hIcon = nullptr;
        const UINT nGot = bSmallIcons ? ::ExtractIconExA(file, static_cast<int>(i), nullptr, &hIcon, 1)
                                      : ::ExtractIconExA(file, static_cast<int>(i), &hIcon, nullptr, 1);
        if (nGot && hIcon) {
            if (images.Add(hIcon) >= 0)
                ++nAdded;
            ::DestroyIcon(hIcon);
        }
    }
    SetImageList(&images);
    ::SetCursor(oldCursor);
    return m_imageList.GetImageCount() == static_cast<int>(nIcons) && nAdded == static_cast<int>(nIcons);
}

void COXImageListBox::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    const int nImage = static_cast<int>(lpDis->itemData);
    if (m_imageList.GetImageCount() == 0 || static_cast<INT_PTR>(lpDis->itemData) < 0 || nImage >= GetCount())
        return;
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    CRect cell(lpDis->rcItem);
    CRect image = cell;
    image.DeflateRect(cell.Width() / 10, cell.Height() / 10);
    const BOOL bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    const BOOL bDraw = (lpDis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0;
    const COLORREF clr = bSelected ? GetHighlightColor() : GetBkColor();
    if (bDraw) {
        pDC->FillSolidRect(&cell, clr);
    } else if ((lpDis->itemAction & ODA_FOCUS) && !(lpDis->itemState & ODS_FOCUS)) {
        CBrush brush(clr);
        pDC->FrameRect(&cell, &brush);
    }
    if (!bSelected && (lpDis->itemAction & ODA_SELECT)) {
        const int saved = ::SaveDC(lpDis->hDC);
        ::IntersectClipRect(lpDis->hDC, cell.left, cell.top, cell.right, cell.bottom);
        SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(lpDis->hDC));
        ::RestoreDC(lpDis->hDC, saved);
    }
    if (bDraw)
        m_imageList.Draw(pDC, nImage, image.TopLeft(), ILD_TRANSPARENT);
}

BOOL COXImageListBox::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    const int nCount = GetCount();
    if (nCount == 0) {
        pDC->FillSolidRect(&client, GetBkColor());
        return TRUE;
    }
    CRect last;
    GetItemRect(nCount - 1, &last);
    if (last.bottom < client.bottom)
        pDC->FillSolidRect(CRect(client.left, last.bottom, client.right, client.bottom), GetBkColor());
    if (last.right < client.right)
        pDC->FillSolidRect(CRect(last.right, client.top, client.right, client.bottom), GetBkColor());
    return TRUE;
}

LRESULT COXImageListBox::OnDeleteString(WPARAM wParam, LPARAM)
{
    const int nIndex = static_cast<int>(wParam);
    const int nImage = nIndex >= 0 && nIndex < GetCount() ? static_cast<int>(GetItemData(nIndex)) : -1;
    const LRESULT result = Default();
    if (result == LB_ERR)
        return result;
    if (nImage >= 0)
        m_imageList.Remove(nImage);
    const int nCount = GetCount();
    for (int i = nIndex; i < nCount; ++i)
        SetItemData(i, GetItemData(i) - 1);
    return result;
}

LRESULT COXImageListBox::OnResetContent(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    m_imageList.SetImageCount(0);
    return result;
}
