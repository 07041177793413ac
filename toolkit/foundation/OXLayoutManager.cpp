#include "toolkit/foundation/OXLayoutManager.h"

#include "afx/Map.h"

IMPLEMENT_DYNAMIC(COXLayoutManager, CObject)

namespace {
const int ProportionalBase = 100;
const int NoLowerBound = -1;
const int NoUpperBound = 32767;
const UINT RedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// Which container window belongs to which manager, for the shared procedure.
CMapPtrToPtr& Managers()
{
    static CMapPtrToPtr managers;
    return managers;
}

// The record index of a single side mask, -1 for anything else.
int SideIndex(int nSide)
{
    switch (nSide) {
    case OX_LMS_TOP:
        return COXWndConstraint::Top;
    case OX_LMS_BOTTOM:
        return COXWndConstraint::Bottom;
    case OX_LMS_LEFT:
        return COXWndConstraint::Left;
    case OX_LMS_RIGHT:
        return COXWndConstraint::Right;
    default:
        return -1;
    }
}

bool IsNearSide(int nSide)
{
    return nSide == COXWndConstraint::Top || nSide == COXWndConstraint::Left;
}

bool IsVertical(int nSide)
{
    return nSide == COXWndConstraint::Top || nSide == COXWndConstraint::Bottom;
}

int Coordinate(const CRect& rect, int nSide)
{
    switch (nSide) {
    case COXWndConstraint::Top:
        return rect.top;
    case COXWndConstraint::Bottom:
        return rect.bottom;
    case COXWndConstraint::Left:
        return rect.left;
    default:
        return rect.right;
    }
}

int Opposite(int nSide)
{
    return nSide ^ 1;
}

bool IsFree(const COXWndConstraint::Side& side)
{
    return side.nOffset1 == OX_LMPOS_NULL && side.nOffset2 == OX_LMPOS_NULL;
}

// -1, 0 or 1: which way the size should move for one extent and its limits.
int Request(int nExtent, int nMin, int nMax)
{
    if (nMin > 0 && nExtent < nMin)
        return 1;
    if (nMax > 0 && nExtent > nMax)
        return -1;
    return 0;
}

// Folds one child's request into the axis's; FALSE when they disagree.
bool Merge(int& nAxis, int nRequest)
{
    if (!nRequest)
        return true;
    if (nAxis && nAxis != nRequest)
        return false;
    nAxis = nRequest;
    return true;
}
} // namespace

// ---- COXWndConstraint ---------------------------------------------------------

COXWndConstraint::COXWndConstraint(UINT nChildID)
    : nID(nChildID), bHasMinMax(FALSE), sizeMin(0, 0), sizeMax(0, 0)
{
    for (int i = 0; i < SideCount; ++i)
        ResetSide(i);
}

void COXWndConstraint::ResetSide(int nSide)
{
    Side& side = sides[nSide];
    side.nBaseWnd = 0;
    side.nOffset1 = OX_LMPOS_NULL;
    side.nOffset2 = OX_LMPOS_NULL;
    side.nPos = OX_LMPOS_NULL;
    side.nBaseIndex = -1;
}

void COXWndConstraint::ResetPositions()
{
    for (Side& side : sides)
        side.nPos = OX_LMPOS_NULL;
}

// ---- COXLayoutManager ---------------------------------------------------------

COXLayoutManager::COXLayoutManager(CWnd* pContainerWnd)
    : m_pContainerWnd(nullptr), m_nBase(ProportionalBase), m_nMinMaxCount(0), m_cx(0), m_cy(0),
      m_nMinCx(NoLowerBound), m_nMaxCx(NoUpperBound), m_nMinCy(NoLowerBound), m_nMaxCy(NoUpperBound),
      m_hWnd(nullptr), m_pfnOldWndProc(nullptr)
{
    if (pContainerWnd)
        Attach(pContainerWnd);
}

COXLayoutManager::~COXLayoutManager()
{
    RemoveAllChildren();
    Unhook();
}

BOOL COXLayoutManager::Attach(CWnd* pContainerWnd)
{
    Detach();
    HWND hWnd = pContainerWnd ? pContainerWnd->GetSafeHwnd() : nullptr;
    if (!hWnd || !::IsWindow(hWnd))
        return FALSE;
    void* other = nullptr;
    if (Managers().Lookup(hWnd, other))
        return FALSE;
    m_pContainerWnd = pContainerWnd;
    m_hWnd = hWnd;
    Managers().SetAt(hWnd, this);
    m_pfnOldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&COXLayoutManager::LayoutWndProc)));
    CRect client;
    ::GetClientRect(hWnd, &client);
    m_cx = client.Width();
    m_cy = client.Height();
    return TRUE;
}

void COXLayoutManager::Detach()
{
    RemoveAllChildren();
    Unhook();
}

void COXLayoutManager::Unhook()
{
    if (!m_hWnd)
        return;
    if (::IsWindow(m_hWnd) && m_pfnOldWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnOldWndProc));
    Managers().RemoveKey(m_hWnd);
    m_hWnd = nullptr;
    m_pfnOldWndProc = nullptr;
    m_pContainerWnd = nullptr;
}

LRESULT CALLBACK COXLayoutManager::LayoutWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    void* found = nullptr;
    if (!Managers().Lookup(hWnd, found))
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    COXLayoutManager* manager = static_cast<COXLayoutManager*>(found);
    WNDPROC oldWndProc = manager->m_pfnOldWndProc;
    if (message == WM_SIZE)
        manager->ApplyLayout(LOWORD(lParam), HIWORD(lParam));
    else if (message == WM_NCDESTROY)
        manager->Unhook();   // the procedures below see themselves restored
    return ::CallWindowProcA(oldWndProc, hWnd, message, wParam, lParam);
}

int COXLayoutManager::FindChild(UINT nChildID) const
{
    for (INT_PTR i = 0; i < m_wcTable.GetSize(); ++i)
        if (m_wcTable[i]->nID == nChildID)
            return static_cast<int>(i);
    return -1;
}

BOOL COXLayoutManager::GetChildRect(UINT nChildID, CRect& rect) const
{
    if (!m_hWnd)
        return FALSE;
    HWND hChild = ::GetDlgItem(m_hWnd, static_cast<int>(nChildID));
    if (!hChild)
        return FALSE;
    ::GetWindowRect(hChild, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rect), 2);
    return TRUE;
}

int COXLayoutManager::AddChild(UINT nChildID, BOOL bSetDefaultConstraints)
{
    if (nChildID == 0)
        return -1;
    int index = FindChild(nChildID);
    if (index >= 0)
        return index;
    index = static_cast<int>(m_wcTable.Add(new COXWndConstraint(nChildID)));
    if (bSetDefaultConstraints)
        AnchorChildTopLeft(nChildID);
    ResetBounds();
    return index;
}

int COXLayoutManager::AddChild(CWnd* pChildWnd, BOOL bSetDefaultConstraints)
{
    if (!pChildWnd || !pChildWnd->GetSafeHwnd())
        return -1;
    return AddChild(static_cast<UINT>(pChildWnd->GetDlgCtrlID()), bSetDefaultConstraints);
}

void COXLayoutManager::AddAllChildren(BOOL bSetDefaultConstraints)
{
    if (!m_hWnd)
        return;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        UINT id = static_cast<UINT>(::GetDlgCtrlID(hChild));
        if (id)
            AddChild(id, bSetDefaultConstraints);
    }
}

void COXLayoutManager::RemoveAllChildren()
{
    for (INT_PTR i = 0; i < m_wcTable.GetSize(); ++i)
        delete m_wcTable[i];
    m_wcTable.RemoveAll();
    m_nMinMaxCount = 0;
    ResetBounds();
}

void COXLayoutManager::ResetBounds()
{
    m_nMinCx = NoLowerBound;
    m_nMaxCx = NoUpperBound;
    m_nMinCy = NoLowerBound;
    m_nMaxCy = NoUpperBound;
}

void COXLayoutManager::CountMinMax()
{
    m_nMinMaxCount = 0;
    for (INT_PTR i = 0; i < m_wcTable.GetSize(); ++i)
        if (m_wcTable[i]->bHasMinMax)
            ++m_nMinMaxCount;
}

BOOL COXLayoutManager::SetConstraint(UINT nChildID, int nSideMask, int nType, int nOffset, UINT nBaseWnd)
{
    if (nChildID == 0 || !(nSideMask & OX_LMS_ANY) || nType < OX_LMT_SAME || nType > OX_LMT_POSITION)
        return FALSE;
    int baseIndex = nBaseWnd ? AddChild(nBaseWnd, FALSE) : -1;
    COXWndConstraint* pwc = m_wcTable[AddChild(nChildID, FALSE)];
    for (int mask = OX_LMS_TOP; mask <= OX_LMS_RIGHT; mask <<= 1) {
        if (!(nSideMask & mask))
            continue;
        int index = SideIndex(mask);
        COXWndConstraint::Side& side = pwc->sides[index];
        side.nBaseWnd = nBaseWnd;
        side.nBaseIndex = baseIndex;
        if (nType == OX_LMT_POSITION) {
            side.nOffset1 = nOffset;
            side.nOffset2 = m_nBase;
        } else if ((nType == OX_LMT_SAME) == IsNearSide(index)) {
            side.nOffset1 = nOffset;
            side.nOffset2 = OX_LMPOS_NULL;
        } else {
            side.nOffset1 = OX_LMPOS_NULL;
            side.nOffset2 = nOffset;
        }
    }
    ResetBounds();
    return TRUE;
}

BOOL COXLayoutManager::RemoveConstraint(UINT nChildID, int nSideMask)
{
    int index = FindChild(nChildID);
    if (index < 0)
        return FALSE;
    for (int mask = OX_LMS_TOP; mask <= OX_LMS_RIGHT; mask <<= 1)
        if (nSideMask & mask)
            m_wcTable[index]->ResetSide(SideIndex(mask));
    ResetBounds();
    return TRUE;
}

BOOL COXLayoutManager::GetConstraint(UINT nChildID, int nSide, int& nType, int& nOffset, UINT& nBaseWnd) const
{
    int index = FindChild(nChildID);
    int sideIndex = SideIndex(nSide);
    if (index < 0 || sideIndex < 0)
        return FALSE;
    const COXWndConstraint::Side& side = m_wcTable[index]->sides[sideIndex];
    nBaseWnd = side.nBaseWnd;
    bool first = side.nOffset1 != OX_LMPOS_NULL;
    bool second = side.nOffset2 != OX_LMPOS_NULL;
    if (first && second) {
        nType = OX_LMT_POSITION;
        nOffset = m_nBase * side.nOffset1 / side.nOffset2;
    } else if (first || second) {
        nType = first == IsNearSide(sideIndex) ? OX_LMT_SAME : OX_LMT_OPPOSITE;
        nOffset = first ? side.nOffset1 : side.nOffset2;
    } else {
        nType = 0;
        nOffset = OX_LMPOS_NULL;
    }
    return TRUE;
}

BOOL COXLayoutManager::SetMinMax(UINT nChildID, int minCx, int minCy, int maxCx, int maxCy)
{
    int index = AddChild(nChildID, FALSE);
    if (index < 0)
        return FALSE;
    COXWndConstraint* pwc = m_wcTable[index];
    pwc->sizeMin = CSize(minCx, minCy);
    pwc->sizeMax = CSize(maxCx, maxCy);
    pwc->bHasMinMax = minCx > 0 || minCy > 0 || maxCx > 0 || maxCy > 0;
    CountMinMax();
    ResetBounds();
    return TRUE;
}

BOOL COXLayoutManager::GetMinMax(UINT nChildID, CSize& sizeMin, CSize& sizeMax) const
{
    int index = FindChild(nChildID);
    if (index < 0)
        return FALSE;
    sizeMin = m_wcTable[index]->sizeMin;
    sizeMax = m_wcTable[index]->sizeMax;
    return TRUE;
}

BOOL COXLayoutManager::TieChildAtCurrentOffsets(UINT nChildID, int nSideMask, int nType, UINT nBaseWnd)
{
    if (nType != OX_LMT_SAME && nType != OX_LMT_OPPOSITE)
        return FALSE;
    CRect child, base;
    if (!GetChildRect(nChildID, child))
        return FALSE;
    if (nBaseWnd == 0)
        ::GetClientRect(m_hWnd, &base);
    else if (!GetChildRect(nBaseWnd, base))
        return FALSE;
    for (int mask = OX_LMS_TOP; mask <= OX_LMS_RIGHT; mask <<= 1) {
        if (!(nSideMask & mask))
            continue;
        int index = SideIndex(mask);
        int baseSide = nType == OX_LMT_SAME ? index : Opposite(index);
        SetConstraint(nChildID, mask, nType, Coordinate(child, index) - Coordinate(base, baseSide), nBaseWnd);
    }
    return TRUE;
}

BOOL COXLayoutManager::AnchorChildTopLeft(UINT nChildID)
{
    if (!TieChildAtCurrentOffsets(nChildID, OX_LMS_TOP | OX_LMS_LEFT, OX_LMT_SAME, 0))
        return FALSE;
    return RemoveConstraint(nChildID, OX_LMS_BOTTOM | OX_LMS_RIGHT);
}

BOOL COXLayoutManager::RecalcLayout()
{
    if (!m_hWnd || !::IsWindow(m_hWnd))
        return TRUE;
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    return ApplyLayout(client.Width(), client.Height());
}

int COXLayoutManager::Resolve(int nIndex, int nSide)
{
    COXWndConstraint* pwc = m_wcTable[nIndex];
    COXWndConstraint::Side& side = pwc->sides[nSide];
    if (side.nPos == OX_LMPOS_TRACING)
        return OX_LMPOS_NULL;   // a cycle
    if (side.nPos != OX_LMPOS_NULL)
        return side.nPos;
    side.nPos = OX_LMPOS_TRACING;

    int result = OX_LMPOS_NULL;
    const bool vertical = IsVertical(nSide);
    if (IsFree(side)) {
        // Where it is now, or its present height or width from the other side.
        CRect rect;
        if (GetChildRect(pwc->nID, rect)) {
            int opposite = Opposite(nSide);
            if (IsFree(pwc->sides[opposite])) {
                result = Coordinate(rect, nSide);
            } else {
                int other = Resolve(nIndex, opposite);
                int extent = vertical ? rect.Height() : rect.Width();
                if (other != OX_LMPOS_NULL)
                    result = IsNearSide(nSide) ? other - extent : other + extent;
            }
        }
    } else {
        int nearPos = 0;
        int farPos = vertical ? m_cy : m_cx;
        bool known = true;
        if (side.nBaseWnd) {
            int base = side.nBaseIndex >= 0 ? side.nBaseIndex : FindChild(side.nBaseWnd);
            int nearSide = vertical ? COXWndConstraint::Top : COXWndConstraint::Left;
            known = base >= 0;
            if (known) {
                nearPos = Resolve(base, nearSide);
                farPos = Resolve(base, Opposite(nearSide));
                known = nearPos != OX_LMPOS_NULL && farPos != OX_LMPOS_NULL;
            }
        }
        if (known) {
            if (side.nOffset2 == OX_LMPOS_NULL)
                result = nearPos + side.nOffset1;
            else if (side.nOffset1 == OX_LMPOS_NULL)
                result = farPos + side.nOffset2;
            else if (side.nOffset2 != 0)
                result = nearPos + (farPos - nearPos) * side.nOffset1 / side.nOffset2;
        }
    }
    side.nPos = result;
    return result;
}

BOOL COXLayoutManager::ApplyLayout(int cx, int cy)
{
    if (!m_hWnd || !::IsWindow(m_hWnd) || cx == 0 || cy == 0 || m_wcTable.GetSize() == 0)
        return TRUE;
    cx = cx < m_nMinCx ? m_nMinCx : (cx > m_nMaxCx ? m_nMaxCx : cx);
    cy = cy < m_nMinCy ? m_nMinCy : (cy > m_nMaxCy ? m_nMaxCy : cy);

    // The direction each axis has moved in to meet the limits: a request the
    // other way would swing back and forth, so it ends the layout.
    int movedX = 0;
    int movedY = 0;
    for (;;) {
        m_cx = cx;
        m_cy = cy;
        for (INT_PTR i = 0; i < m_wcTable.GetSize(); ++i)
            m_wcTable[i]->ResetPositions();
        for (int i = 0; i < GetChildCount(); ++i)
            for (int side = 0; side < COXWndConstraint::SideCount; ++side)
                if (Resolve(i, side) == OX_LMPOS_NULL)
                    return FALSE;
        if (m_nMinMaxCount == 0)
            break;

        int requestX = 0;
        int requestY = 0;
        for (INT_PTR i = 0; i < m_wcTable.GetSize(); ++i) {
            const COXWndConstraint* pwc = m_wcTable[i];
            if (!pwc->bHasMinMax)
                continue;
            const COXWndConstraint::Side* s = pwc->sides;
            int width = s[COXWndConstraint::Right].nPos - s[COXWndConstraint::Left].nPos;
            int height = s[COXWndConstraint::Bottom].nPos - s[COXWndConstraint::Top].nPos;
            if (!Merge(requestX, Request(width, pwc->sizeMin.cx, pwc->sizeMax.cx)) ||
                !Merge(requestY, Request(height, pwc->sizeMin.cy, pwc->sizeMax.cy)))
                return FALSE;
        }
        if (!requestX && !requestY)
            break;
        if (!Merge(movedX, requestX) || !Merge(movedY, requestY))
            return FALSE;
        cx += requestX;
        cy += requestY;
        if (cx < 1 || cx > NoUpperBound || cy < 1 || cy > NoUpperBound)
            return FALSE;
    }
    // Where the limits stopped the size is a bound for the next layouts.
    if (movedX > 0)
        m_nMinCx = cx;
    else if (movedX < 0)
        m_nMaxCx = cx;
    if (movedY > 0)
        m_nMinCy = cy;
    else if (movedY < 0)
        m_nMaxCy = cy;

    HDWP hdwp = ::BeginDeferWindowPos(GetChildCount());
    for (INT_PTR i = 0; i < m_wcTable.GetSize() && hdwp; ++i) {
        const COXWndConstraint* pwc = m_wcTable[i];
        const COXWndConstraint::Side* s = pwc->sides;
        HWND hChild = ::GetDlgItem(m_hWnd, static_cast<int>(pwc->nID));
        hdwp = ::DeferWindowPos(hdwp, hChild, nullptr, s[COXWndConstraint::Left].nPos, s[COXWndConstraint::Top].nPos,
                                s[COXWndConstraint::Right].nPos - s[COXWndConstraint::Left].nPos,
                                s[COXWndConstraint::Bottom].nPos - s[COXWndConstraint::Top].nPos, SWP_NOZORDER);
    }
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
    for (INT_PTR i = 0; i < m_wcTable.GetSize(); ++i) {
        HWND hChild = ::GetDlgItem(m_hWnd, static_cast<int>(m_wcTable[i]->nID));
        ::RedrawWindow(hChild, nullptr, nullptr, RedrawFlags);
    }
    return TRUE;
}
