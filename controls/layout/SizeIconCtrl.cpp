#include "controls/layout/SizeIconCtrl.h"

#include "afx/Rect.h"

IMPLEMENT_DYNAMIC(cdxCSizeIconCtrl, CScrollBar)

namespace {
// The system's size-box bitmap (OBM_SIZE, known only with OEMRESOURCE).
const WORD kSizeBoxBitmap = 32766;
} // namespace

BEGIN_MESSAGE_MAP(cdxCSizeIconCtrl, CScrollBar)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

cdxCSizeIconCtrl::AutoOEMImageList::AutoOEMImageList() : m_szImage()
{
    HBITMAP grip = static_cast<HBITMAP>(::LoadImageA(nullptr, MAKEINTRESOURCEA(kSizeBoxBitmap), IMAGE_BITMAP, 0, 0, LR_SHARED));
    BITMAP bm = {};
    if (!grip || !::GetObjectA(grip, sizeof(bm), &bm))
        return;
    m_szImage = CSize(bm.bmWidth, bm.bmHeight);
    if (Create(bm.bmWidth, bm.bmHeight, ILC_COLOR16 | ILC_MASK, 0, 1))
        ImageList_AddMasked(m_hImageList, grip, ::GetSysColor(COLOR_3DFACE));
}

cdxCSizeIconCtrl::AutoOEMImageList& cdxCSizeIconCtrl::SharedImages()
{
    static AutoOEMImageList images;
    return images;
}

HCURSOR cdxCSizeIconCtrl::SharedCursor()
{
    static HCURSOR cursor = ::LoadCursor(nullptr, IDC_SIZENWSE);
    return cursor;
}

BOOL cdxCSizeIconCtrl::Create(CWnd* pParent, UINT nID)
{
    HWND hParent = pParent ? pParent->GetSafeHwnd() : nullptr;
    if (!::IsWindow(hParent))
        return FALSE;
    CRect rc;
    ::GetClientRect(hParent, &rc);
    if (!CScrollBar::Create(WS_CHILD | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN, rc, pParent, nID))
        return FALSE;
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    return TRUE;
}

bool cdxCSizeIconCtrl::IsHiddenNow() const
{
    HWND hParent = ::GetParent(m_hWnd);
    return m_bHideIfMaximized && hParent && ::IsZoomed(hParent);
}

void cdxCSizeIconCtrl::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    AutoOEMImageList& images = SharedImages();
    if (!IsHiddenNow() && images.GetSafeHandle()) {
        CRect rc;
        ::GetClientRect(m_hWnd, &rc);
        const CSize size = images.GetImageSize();
        ImageList_Draw(images, 0, hdc, rc.right - size.cx, rc.bottom - size.cy, ILD_TRANSPARENT);
    }
    ::EndPaint(m_hWnd, &ps);
}

BOOL cdxCSizeIconCtrl::OnSetCursor(CWnd*, UINT nHitTest, UINT)
{
    if (IsHiddenNow())
        return TRUE;
    ::SetCursor(nHitTest == HTCLIENT ? SharedCursor() : nullptr);
    return TRUE;
}

void cdxCSizeIconCtrl::OnLButtonDblClk(UINT, CPoint)
{
    // Swallowed: the size box would otherwise maximise or restore the parent.
}
