#include "afx/DockBar.h"

#include "afx/DC.h"
#include "afx/DockContext.h"
#include "afx/DockState.h"
#include "afx/FrameWnd.h"

IMPLEMENT_DYNCREATE(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
// Room in a new deferral batch beyond the bars.
const int kDeferSpare = 4;
} // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_bLayoutQuery(FALSE), m_rectLayout(0, 0, 0, 0)
{
    // The array starts with the first row's start.
    m_arrBars.Add(nullptr);
}

CDockBar::~CDockBar()
{
    // Bars still listed outlive their dock bar only as records.
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = GetDockedControlBar(static_cast<int>(i)))
            if (bar->m_pDockBar == this)
                bar->m_pDockBar = nullptr;
    if (m_hWnd)
        DestroyWindow();
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    const DWORD windowStyle = SplitBarStyle(dwStyle) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    LPCTSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CWnd::Create(className, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    AttachToFrame(pParentWnd);
    return TRUE;
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    if (nPos < 0 || nPos >= m_arrBars.GetSize())
        return nullptr;
    void* entry = m_arrBars[nPos];
    if (!entry || IsPlaceHolder(entry))
        return nullptr;
    return static_cast<CControlBar*>(entry);
}

int CDockBar::GetDockedCount() const
{
    int count = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (GetDockedControlBar(static_cast<int>(i)))
            ++count;
    return count;
}

int CDockBar::GetDockedVisibleCount() const
{
    int count = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = GetDockedControlBar(static_cast<int>(i)))
            if (bar->IsVisible())
                ++count;
    return count;
}

void CDockBar::ShowAll(BOOL bShow)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = GetDockedControlBar(static_cast<int>(i)))
            if (CFrameWnd* frame = bar->GetDockingFrame())
                frame->ShowControlBar(bar, bShow, TRUE);
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return static_cast<int>(i);
    return -1;
}

namespace {
void DropDoubleRowEnd(CPtrArray& bars, INT_PTR pos)
{
    // Taking an entry out may leave two row ends in a row: one goes.
    if (pos > 0 && pos < bars.GetSize() && bars[pos - 1] == nullptr && bars[pos] == nullptr)
        bars.RemoveAt(pos);
}
} // namespace

void CDockBar::ForgetBar(CControlBar* pBar)
{
    for (int pos = FindBar(pBar); pos >= 0; pos = FindBar(pBar)) {
        m_arrBars.RemoveAt(pos);
        DropDoubleRowEnd(m_arrBars, pos);
    }
    if (m_arrBars.GetSize() == 0)
        m_arrBars.Add(nullptr);
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    if (!pBar->m_hWnd)
        return;
    void* id = reinterpret_cast<void*>(static_cast<UINT_PTR>(static_cast<WORD>(::GetDlgCtrlID(pBar->m_hWnd))));
    const int pos = FindBar(static_cast<CControlBar*>(id));
    if (pos > 0) {
        m_arrBars.RemoveAt(pos);
        DropDoubleRowEnd(m_arrBars, pos);
    }
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    const int pos = FindBar(pBar, nPosExclude);
    if (pos <= 0)
        return FALSE;
    if (nAddPlaceHolder == 1) {
        void* id = reinterpret_cast<void*>(static_cast<UINT_PTR>(static_cast<WORD>(::GetDlgCtrlID(pBar->m_hWnd))));
        m_arrBars[pos] = id;
        // One placeholder per bar: an older one goes.
        const int older = FindBar(static_cast<CControlBar*>(id), pos);
        if (older > 0) {
            m_arrBars.RemoveAt(older);
            DropDoubleRowEnd(m_arrBars, older);
        }
    } else {
        m_arrBars.RemoveAt(pos);
        DropDoubleRowEnd(m_arrBars, pos);
        if (nAddPlaceHolder != -1)
            RemovePlaceHolder(pBar);
    }
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    // A bar going down with its frame changes nothing more.
    if (!pBar->m_pDockContext)
        return FALSE;
    CFrameWnd* frame = m_bFloating ? GetParentFrame() : GetDockingFrame();
    if (!frame)
        return FALSE;
    if (m_bFloating && GetDockedVisibleCount() == 0) {
        if (GetDockedCount() == 0) {
            frame->DestroyWindow();
            return TRUE;
        }
        frame->ShowWindow(SW_HIDE);
    } else {
        frame->DelayRecalcLayout();
    }
    return FALSE;
}

int CDockBar::Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid)
{
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int insertAfter = 0;
    int thickness = 0;
    int total = 0;
    for (int pos = 0; pos < m_arrBars.GetSize(); ++pos) {
        CControlBar* bar = GetDockedControlBar(pos);
        if (bar && bar->IsVisible() && bar != pBarIns) {
            CRect barRect;
            bar->GetWindowRect(&barRect);
            ScreenToClient(&barRect);
            const int across = horz ? barRect.Height() : barRect.Width();
            if (across > thickness)
                thickness = across;
            if (horz ? rect.left > barRect.left : rect.top > barRect.top)
                insertAfter = pos;
        } else if (m_arrBars[pos] == nullptr) {
            // A row ends: is the middle of the new place above its far edge?
            total += thickness;
            thickness = 0;
            if ((horz ? ptMid.y : ptMid.x) < total) {
                if (pos == 0)
                    m_arrBars.InsertAt(insertAfter + 1, static_cast<void*>(nullptr));   // a new first row
                m_arrBars.InsertAt(insertAfter + 1, pBarIns);
                return insertAfter + 1;
            }
            insertAfter = pos;
        }
    }
    // Below every row: a new last row.
    m_arrBars.InsertAt(insertAfter + 1, static_cast<void*>(nullptr));
    m_arrBars.InsertAt(insertAfter + 1, pBarIns);
    return insertAfter + 1;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    ASSERT(pBar != nullptr && pBar->m_hWnd != nullptr);
    CRect barRect;
    pBar->GetWindowRect(&barRect);
    if (pBar->m_pDockBar == this && (!lpRect || barRect == *lpRect))
        return;   // already there

    int pos = -1;
    if (lpRect) {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        const CPoint mid(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
        pos = Insert(pBar, rect, mid);
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    } else {
        // A new last row.
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOCOPYBITS);
    }

    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pBar->m_pDockBar == this)
        RemoveControlBar(pBar, pos);   // the old entry
    else if (pBar->m_pDockBar)
        pBar->m_pDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pBar->m_pDockBar->m_bFloating);
    pBar->m_pDockBar = this;
    if (pos != -1)
        RemovePlaceHolder(pBar);

    // The bar takes this side's alignment; floating is marked in its style.
    DWORD style = pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    style |= m_dwStyle & CBRS_ALIGN_ANY;
    if (m_bFloating)
        style |= CBRS_FLOATING;
    pBar->SetBarStyle(style);
    // The edges changed with the parent: re-frame.
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    CFrameWnd* frame = m_bFloating ? GetParentFrame() : GetDockingFrame();
    if (frame)
        frame->DelayRecalcLayout();
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    void* id = reinterpret_cast<void*>(static_cast<UINT_PTR>(static_cast<WORD>(::GetDlgCtrlID(pBar->m_hWnd))));
    const int pos = FindBar(static_cast<CControlBar*>(id));
    if (pos <= 0) {
        DockControlBar(pBar, lpRect);
        return;
    }
    // The bar comes back into its old place in its old row.
    m_arrBars[pos] = pBar;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pBar->m_pDockBar && pBar->m_pDockBar != this)
        pBar->m_pDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pBar->m_pDockBar->m_bFloating);
    pBar->m_pDockBar = this;
    DWORD style = (pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY);
    pBar->SetBarStyle(style);
    if (lpRect) {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_FRAMECHANGED);
    } else {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if (CFrameWnd* frame = GetDockingFrame())
        frame->DelayRecalcLayout();
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize fixed = CControlBar::CalcFixedLayout(bStretch, bHorz);
    // The length the side offers (a floating dock bar has no limit).
    int lengthMax = 32767;
    if (!m_bFloating) {
        CRect room = m_rectLayout;
        if (room.IsRectEmpty() && GetParent())
            GetParent()->GetClientRect(&room);
        lengthMax = bHorz ? room.Width() : room.Height();
    }
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()) + kDeferSpare);

    CPoint pt(0, 0);
    int thickness = 0;
    BOOL wrapped = FALSE;
    for (int pos = 0; pos < m_arrBars.GetSize(); ++pos) {
        CControlBar* bar = GetDockedControlBar(pos);
        void* entry = m_arrBars[pos];
        if (bar) {
            if (bar->IsVisible()) {
                DWORD mode = 0;
                if ((bar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (bar->m_dwStyle & CBRS_FLOATING))
                    mode = LM_HORZ | LM_MRUWIDTH;
                else if (bar->m_dwStyle & CBRS_ORIENT_HORZ)
                    mode = LM_HORZ | LM_HORZDOCK;
                else
                    mode = LM_VERTDOCK;
                const CSize size = bar->CalcDynamicLayout(-1, mode);
                CRect rect(pt, size);
                CRect current;
                bar->GetWindowRect(&current);
                ScreenToClient(&current);
                LONG& start = bHorz ? rect.left : rect.top;
                const int currentStart = bHorz ? current.left : current.top;
                const int extent = bHorz ? rect.Width() : rect.Height();
                const int along = bHorz ? pt.x : pt.y;
                // A bar placed further along its row keeps its place.
                if (currentStart > start && !m_bFloating)
                    bHorz ? rect.OffsetRect(currentStart - start, 0) : rect.OffsetRect(0, currentStart - start);
                // One that runs off the end is pushed back, but not over the bar before it.
                if (start + extent > lengthMax && !m_bFloating) {
                    int newStart = lengthMax - extent;
                    if (newStart < along)
                        newStart = along;
                    bHorz ? rect.OffsetRect(newStart - start, 0) : rect.OffsetRect(0, newStart - start);
                }
                if (wrapped) {
                    // The first bar of a row made by wrapping starts at the row's start.
                    wrapped = FALSE;
                    bHorz ? rect.OffsetRect(-start, 0) : rect.OffsetRect(0, -start);
                } else if (start >= lengthMax && pos > 0 && m_arrBars[pos - 1] != nullptr) {
                    // It begins beyond the side: it starts a new row.
                    m_arrBars.InsertAt(pos, static_cast<void*>(nullptr));
                    bar = nullptr;
                    entry = nullptr;
                    wrapped = TRUE;
                }
                if (!wrapped) {
                    if (rect != current) {
                        AfxRepositionWindow(&layout, bar->m_hWnd, &rect);
                    }
                    // Where a docked bar was put is where docking it back puts it.
                    if (!m_bFloating && !m_bLayoutQuery && bar->m_pDockContext) {
                        bar->m_pDockContext->m_rectMRUDockPos = rect;
                        bar->m_pDockContext->m_uMRUDockID = static_cast<UINT>(GetDlgCtrlID());
                    }
                    if (bHorz) {
                        pt.x = rect.right;
                        if (size.cy > thickness)
                            thickness = size.cy;
                    } else {
                        pt.y = rect.bottom;
                        if (size.cx > thickness)
                            thickness = size.cx;
                    }
                }
            }
            if (bar)
                bar->RecalcDelayShow(&layout);
        }
        if (!bar && !entry && thickness != 0) {
            // The end of a row.
            if (bHorz) {
                pt.y += thickness;
                fixed.cx = fixed.cx > pt.x ? fixed.cx : pt.x;
                fixed.cy = fixed.cy > pt.y ? fixed.cy : pt.y;
                pt.x = 0;
            } else {
                pt.x += thickness;
                fixed.cx = fixed.cx > pt.x ? fixed.cx : pt.x;
                fixed.cy = fixed.cy > pt.y ? fixed.cy : pt.y;
                pt.y = 0;
            }
            thickness = 0;
        }
    }
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
    return fixed;
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const BOOL oldQuery = m_bLayoutQuery;
    const CRect oldRect = m_rectLayout;
    m_bLayoutQuery = layout->hDWP == nullptr;
    m_rectLayout = layout->rect;
    const LRESULT result = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = oldQuery;
    m_rectLayout = oldRect;
    return result;
}

BOOL CDockBar::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
    pInfo->m_pBar = this;
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bVisible = IsVisible();
    pInfo->m_nMRUWidth = m_nMRUWidth;
    pInfo->m_pointPos = CPoint(0, 0);
    if (m_bFloating) {
        // A floating dock bar is remembered by where its frame stands.
        if (CWnd* frame = GetParentFrame()) {
            CRect rect;
            frame->GetWindowRect(&rect);
            pInfo->m_pointPos = rect.TopLeft();
            pInfo->m_bVisible = frame->IsWindowVisible();
        }
    }
    pInfo->m_arrBarID.RemoveAll();
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i) {
        void* entry = m_arrBars[i];
        if (!entry)
            pInfo->m_arrBarID.Add(0);
        else if (IsPlaceHolder(entry))
            pInfo->m_arrBarID.Add(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(entry)) | CControlBarInfo::placeHolderFlag);
        else
            pInfo->m_arrBarID.Add(static_cast<DWORD>(static_cast<CControlBar*>(entry)->GetDlgCtrlID()));
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    CPtrArray rows;
    rows.Add(nullptr);
    for (INT_PTR i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) {
        const DWORD value = pInfo->m_arrBarID[i];
        const UINT id = value & 0xFFFF;
        if (id == 0) {
            if (rows[rows.GetUpperBound()] != nullptr)
                rows.Add(nullptr);
            continue;
        }
        if (value & CControlBarInfo::placeHolderFlag) {
            rows.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(id)));
            continue;
        }
        CControlBar* bar = pFrameWnd->GetControlBar(id);
        // An id no bar answers to any more is left out; a dock bar is never a row entry.
        if (!bar || bar->IsDockBar() || bar == this)
            continue;
        if (bar->m_pDockBar && bar->m_pDockBar != this)
            bar->m_pDockBar->ForgetBar(bar);
        ForgetBar(bar);
        if (bar->GetParent() != this)
            bar->SetParent(this);
        bar->m_pDockBar = this;
        DWORD style = (bar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY);
        if (m_bFloating)
            style |= CBRS_FLOATING;
        bar->SetBarStyle(style);
        rows.Add(bar);
    }
    // Bars still docked here that the record does not name keep a row of their own.
    BOOL extraRow = FALSE;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* bar = GetDockedControlBar(static_cast<int>(i));
        if (!bar || bar->m_pDockBar != this)
            continue;
        BOOL named = FALSE;
        for (INT_PTR j = 0; j < rows.GetSize(); ++j)
            named = named || rows[j] == bar;
        if (named)
            continue;
        if (!extraRow && rows[rows.GetUpperBound()] != nullptr)
            rows.Add(nullptr);
        extraRow = TRUE;
        rows.Add(bar);
    }
    if (rows[rows.GetUpperBound()] != nullptr)
        rows.Add(nullptr);
    m_arrBars.RemoveAll();
    for (INT_PTR i = 0; i < rows.GetSize(); ++i)
        m_arrBars.Add(rows[i]);
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = GetDockedControlBar(static_cast<int>(i)))
            bar->SetWindowPos(nullptr, 0, 0, 0, 0,
                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
