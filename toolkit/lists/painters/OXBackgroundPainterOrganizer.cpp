#include "toolkit/lists/painters/OXBackgroundPainterOrganizer.h"

#include "afx/ControlBar.h"
#include "afx/MDIFrameWnd.h"
#include "afx/TabCtrl.h"
#include "afx/ToolBar.h"
#include "toolkit/lists/cool/OXThreadOrganizers.h"

using Organizers = COXThreadOrganizers<COXBackgroundPainterOrganizer>;

HHOOK COXBackgroundPainterOrganizer::GetFirstCBTHook()
{
    return Organizers::FirstCBT();
}

HHOOK COXBackgroundPainterOrganizer::GetFirstGetMessageHook()
{
    return Organizers::FirstGetMessage();
}

COXBackgroundPainterOrganizer::COXBackgroundPainterOrganizer()
    : m_nPaintTypeDefault(Tile), m_clrBkDefault(OXBACKGROUND_DEFAULT_COLOR), m_pOriginWndDefault(nullptr),
      m_pFrameWnd(nullptr), m_dwThreadID(0), m_hCBTHook(nullptr), m_hGetMessageHook(nullptr)
{
    m_mapPainters.InitHashTable(17);
}

COXBackgroundPainterOrganizer::~COXBackgroundPainterOrganizer()
{
    if (IsAttached())
        DetachOrganizer(TRUE);
    else
        Detach(nullptr, TRUE);
    OXDeletePool(m_arrPool);
}

BOOL COXBackgroundPainterOrganizer::IsQualified(CWnd* pWnd)
{
    if (!pWnd)
        return FALSE;
    if (auto* toolbar = dynamic_cast<CToolBar*>(pWnd)) {
        auto* parent = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(::GetParent(toolbar->m_hWnd)));
        if (parent && parent->IsDockBar())
            return TRUE;
    }
    if (auto* bar = dynamic_cast<CControlBar*>(pWnd))
        if (bar->IsDockBar())
            return TRUE;
    if (auto* frame = dynamic_cast<CMDIFrameWnd*>(m_pFrameWnd)) {
        if (pWnd->m_hWnd == frame->m_hWndMDIClient)
            return TRUE;
        if (dynamic_cast<CTabCtrl*>(pWnd) && ::GetParent(pWnd->m_hWnd) == frame->m_hWnd)
            return TRUE;
    }
    return FALSE;
}

BOOL COXBackgroundPainterOrganizer::AttachFrame(CWnd* pFrameWnd, LPCTSTR lpszFileName, int nPaintType,
                                                COLORREF clrBk)
{
    COXDIB dib;
    if (lpszFileName && *lpszFileName && !dib.ReadFromFile(lpszFileName))
        return FALSE;
    if (!AttachFrame(pFrameWnd, &dib, nPaintType, clrBk))
        return FALSE;
    if (lpszFileName && *lpszFileName)
        SetWallpaperFile(nullptr, lpszFileName, TRUE);
    return TRUE;
}

BOOL COXBackgroundPainterOrganizer::AttachFrame(CWnd* pFrameWnd, const COXDIB* pDIB, int nPaintType, COLORREF clrBk)
{
    if (!pFrameWnd || m_pFrameWnd)
        return FALSE;
    const DWORD thread = ::GetWindowThreadProcessId(pFrameWnd->GetSafeHwnd(), nullptr);
    if (!Organizers::Register(thread, this))
        return FALSE;
    m_pFrameWnd = pFrameWnd;
    m_dwThreadID = thread;
    if (pDIB)
        m_dibDefault = *pDIB;
    else
        m_dibDefault.Clear();
    m_nPaintTypeDefault = nPaintType;
    m_clrBkDefault = clrBk;
    m_pOriginWndDefault = pFrameWnd;
    Organizers::WalkThread(thread, [this](HWND hWnd) { AttachAllWindows(hWnd); });
    Organizers::InstallHooks(thread, &CBTHookProc, &GetMessageHookProc, m_hCBTHook, m_hGetMessageHook);
    SetBkColor(nullptr, clrBk, FALSE);
    SetOriginWnd(nullptr, pFrameWnd, FALSE);
    SetPaintType(nullptr, nPaintType, FALSE);
    SetWallpaper(nullptr, pDIB, TRUE);
    return TRUE;
}

BOOL COXBackgroundPainterOrganizer::DetachOrganizer(BOOL bRedraw)
{
    if (!m_pFrameWnd)
        return FALSE;
    Organizers::RemoveHooks(m_hCBTHook, m_hGetMessageHook);
    Organizers::Unregister(m_dwThreadID);
    m_pFrameWnd = nullptr;
    m_dwThreadID = 0;
    return Detach(nullptr, bRedraw);
}

BOOL COXBackgroundPainterOrganizer::Attach(CWnd* pWnd, const COXDIB* pDIB, int nPaintType, COLORREF clrBk,
                                           CWnd* pOriginWnd)
{
    COXBackgroundPainter* painter = nullptr;
    if (!pWnd || m_mapPainters.Lookup(pWnd->GetSafeHwnd(), painter))
        return FALSE;
    painter = OXTakePainter(m_arrPool);
    if (!painter->Attach(pWnd, pDIB, nPaintType, clrBk, pOriginWnd)) {
        m_arrPool.Add(painter);
        return FALSE;
    }
    m_mapPainters.SetAt(pWnd->GetSafeHwnd(), painter);
    return TRUE;
}

BOOL COXBackgroundPainterOrganizer::Detach(CWnd* pWnd, BOOL bRedraw)
{
    if (pWnd) {
        COXBackgroundPainter* painter = nullptr;
        if (!m_mapPainters.Lookup(pWnd->GetSafeHwnd(), painter))
            return FALSE;
        m_mapPainters.RemoveKey(pWnd->GetSafeHwnd());
        if (painter->IsHooked())
            painter->Detach(bRedraw);
        m_arrPool.Add(painter);
        return TRUE;
    }
    OXForEachPainter(m_mapPainters, [&](HWND, COXBackgroundPainter* painter) {
        if (painter->IsHooked())
            painter->Detach(bRedraw);
        m_arrPool.Add(painter);
    });
    m_mapPainters.RemoveAll();
    return TRUE;
}

BOOL COXBackgroundPainterOrganizer::IsAttached(CWnd* pWnd) const
{
    COXBackgroundPainter* painter = GetPainter(pWnd);
    return painter && painter->IsHooked();
}

COXBackgroundPainter* COXBackgroundPainterOrganizer::GetPainter(CWnd* pWnd) const
{
    return pWnd ? OXFindPainter(m_mapPainters, pWnd->GetSafeHwnd()) : nullptr;
}

COXBackgroundPainter* COXBackgroundPainterOrganizer::GetFirstPainter(POSITION& pos) const
{
    return OXFirstLivePainter(m_mapPainters, pos);
}

template <class Op>
BOOL COXBackgroundPainterOrganizer::ForPainters(CWnd* pWnd, Op op)
{
    if (pWnd) {
        COXBackgroundPainter* painter = GetPainter(pWnd);
        if (!painter)
            return FALSE;
        if (painter->IsHooked())
            op(*painter);
        return TRUE;
    }
    OXForEachPainter(m_mapPainters, [&](HWND, COXBackgroundPainter* painter) {
        if (painter->IsHooked())
            op(*painter);
    });
    return TRUE;
}

BOOL COXBackgroundPainterOrganizer::SetWallpaper(CWnd* pWnd, const COXDIB* pDIB, BOOL bRedraw)
{
    if (!pWnd && IsAttached()) {
        if (pDIB)
            m_dibDefault = *pDIB;
        else
            m_dibDefault.Clear();
    }
    return ForPainters(pWnd, [&](COXBackgroundPainter& p) { p.SetWallpaper(pDIB, bRedraw); });
}

BOOL COXBackgroundPainterOrganizer::SetWallpaperFile(CWnd* pWnd, const CString& sFileName, BOOL bRedraw)
{
    return ForPainters(pWnd, [&](COXBackgroundPainter& p) { p.SetWallpaperFile(sFileName, bRedraw); });
}

BOOL COXBackgroundPainterOrganizer::SetPaintType(CWnd* pWnd, int nPaintType, BOOL bRedraw)
{
    if (!pWnd && IsAttached())
        m_nPaintTypeDefault = nPaintType;
    return ForPainters(pWnd, [&](COXBackgroundPainter& p) { p.SetPaintType(nPaintType, bRedraw); });
}

BOOL COXBackgroundPainterOrganizer::SetBkColor(CWnd* pWnd, COLORREF clrBk, BOOL bRedraw)
{
    if (!pWnd && IsAttached())
        m_clrBkDefault = clrBk;
    return ForPainters(pWnd, [&](COXBackgroundPainter& p) { p.SetBkColor(clrBk, bRedraw); });
}

BOOL COXBackgroundPainterOrganizer::SetOriginWnd(CWnd* pWnd, CWnd* pOriginWnd, BOOL bRedraw)
{
    if (!pWnd && IsAttached())
        m_pOriginWndDefault = pOriginWnd;
    return ForPainters(pWnd, [&](COXBackgroundPainter& p) { p.SetOriginWnd(pOriginWnd, bRedraw); });
}

BOOL COXBackgroundPainterOrganizer::LoadState(CWnd* pWnd, LPCTSTR lpszSection, BOOL bRedraw)
{
    if (pWnd) {
        COXBackgroundPainter* painter = GetPainter(pWnd);
        if (!painter || !painter->IsHooked())
            return FALSE;
        return painter->LoadState(lpszSection, bRedraw);
    }
    return ForPainters(pWnd, [&](COXBackgroundPainter& p) { p.LoadState(lpszSection, bRedraw); });
}

void COXBackgroundPainterOrganizer::AttachAllWindows(HWND hWnd)
{
    for (HWND h = hWnd; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (pWnd && !IsAttached(pWnd) && IsQualified(pWnd))
            Attach(pWnd, nullptr, Tile, OXBACKGROUND_DEFAULT_COLOR, nullptr);
        if (const HWND child = ::GetWindow(h, GW_CHILD))
            AttachAllWindows(child);
    }
}

void COXBackgroundPainterOrganizer::AttachNew(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || IsAttached(pWnd) || !IsQualified(pWnd))
        return;
    POSITION pos = nullptr;
    if (COXBackgroundPainter* first = GetFirstPainter(pos))
        Attach(pWnd, &first->GetWallpaper(), first->GetPaintType(), first->GetBkColor(), first->GetOriginWnd());
    else
        Attach(pWnd, &m_dibDefault, m_nPaintTypeDefault, m_clrBkDefault, m_pOriginWndDefault);
}

LRESULT CALLBACK COXBackgroundPainterOrganizer::CBTHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    COXBackgroundPainterOrganizer* organizer = nCode >= 0 ? Organizers::Find(hWnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(Organizers::FirstCBT(), nCode, wParam, lParam);
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd)) {
        if (nCode == HCBT_DESTROYWND) {
            if (organizer->IsAttached(pWnd))
                organizer->Detach(pWnd, TRUE);
        } else {
            organizer->AttachNew(hWnd);
        }
    }
    return ::CallNextHookEx(organizer->m_hCBTHook, nCode, wParam, lParam);
}

LRESULT CALLBACK COXBackgroundPainterOrganizer::GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    COXBackgroundPainterOrganizer* organizer = nCode >= 0 && msg ? Organizers::Find(msg->hwnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(Organizers::FirstGetMessage(), nCode, wParam, lParam);
    organizer->AttachNew(msg->hwnd);
    return ::CallNextHookEx(organizer->m_hGetMessageHook, nCode, wParam, lParam);
}
