#include "toolkit/lists/painters/OXCaptionPainterOrganizer.h"

#include "toolkit/lists/cool/OXThreadOrganizers.h"


using Organizers = COXThreadOrganizers<COXCaptionPainterOrganizer>;

HHOOK COXCaptionPainterOrganizer::GetFirstCBTHook()
{
    return Organizers::FirstCBT();
}

HHOOK COXCaptionPainterOrganizer::GetFirstGetMessageHook()
{
    return Organizers::FirstGetMessage();
}

COXCaptionPainterOrganizer::COXCaptionPainterOrganizer()
    : m_dwThreadId(0), m_hCBTHook(nullptr), m_hGetMessageHook(nullptr)
{
    m_mapPainters.InitHashTable(17);
}

COXCaptionPainterOrganizer::~COXCaptionPainterOrganizer()
{
    if (m_dwThreadId)
        DetachOrganizer(TRUE);
    else
        Detach(nullptr, TRUE);
    OXDeletePool(m_arrPool);
}

BOOL COXCaptionPainterOrganizer::AttachOrganizer(DWORD dwThreadId)
{
    if (m_dwThreadId || !Organizers::Register(dwThreadId, this))
        return FALSE;
    m_dwThreadId = dwThreadId;
    Organizers::WalkThread(dwThreadId, [this](HWND hWnd) { AttachAllWindows(hWnd); });
    Organizers::InstallHooks(dwThreadId, &CBTHookProc, &GetMessageHookProc, m_hCBTHook, m_hGetMessageHook);
    return TRUE;
}

BOOL COXCaptionPainterOrganizer::DetachOrganizer(BOOL bRedraw)
{
    if (!m_dwThreadId)
        return FALSE;
    Organizers::RemoveHooks(m_hCBTHook, m_hGetMessageHook);
    Organizers::Unregister(m_dwThreadId);
    m_dwThreadId = 0;
    return Detach(nullptr, bRedraw);
}

COXCaptionPainter* COXCaptionPainterOrganizer::Attach(CWnd* pWnd)
{
    if (!pWnd)
        return nullptr;
    if (COXCaptionPainter* present = GetPainter(pWnd))
        return present;
    COXCaptionPainter* painter = nullptr;
    painter = OXTakePainter(m_arrPool);
    if (!painter->Attach(pWnd)) {
        m_arrPool.Add(painter);
        return nullptr;
    }
    m_mapPainters.SetAt(pWnd->GetSafeHwnd(), painter);
    return painter;
}

BOOL COXCaptionPainterOrganizer::Detach(CWnd* pWnd, BOOL bRedraw)
{
    if (pWnd) {
        COXCaptionPainter* painter = GetPainter(pWnd);
        if (!painter)
            return FALSE;
        m_mapPainters.RemoveKey(pWnd->GetSafeHwnd());
        if (bRedraw && ::IsWindow(pWnd->GetSafeHwnd())) {
            painter->ResetCaption();
            pWnd->SendMessage(WM_NCPAINT, 1);
        }
        if (painter->IsHooked())
            painter->Detach();
        m_arrPool.Add(painter);
        return TRUE;
    }
    OXForEachPainter(m_mapPainters, [&](HWND hWnd, COXCaptionPainter* painter) {
        if (bRedraw && ::IsWindow(hWnd)) {
            CRect rect;
            ::GetWindowRect(hWnd, &rect);
            WINDOWPOS wp = {hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_FRAMECHANGED};
            ::SendMessage(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
            HDC dc = ::GetWindowDC(hWnd);
            ::SendMessage(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            ::ReleaseDC(hWnd, dc);
            painter->ResetCaption();
        }
        if (painter->IsHooked())
            painter->Detach();
        m_arrPool.Add(painter);
    });
    m_mapPainters.RemoveAll();
    return TRUE;
}

COXCaptionPainter* COXCaptionPainterOrganizer::GetPainter(CWnd* pWnd) const
{
    return pWnd ? OXFindPainter(m_mapPainters, pWnd->GetSafeHwnd()) : nullptr;
}

COXCaptionPainter* COXCaptionPainterOrganizer::GetFirstPainter(POSITION& pos) const
{
    return OXFirstLivePainter(m_mapPainters, pos);
}

template <class Op>
BOOL COXCaptionPainterOrganizer::ForPainters(CWnd* pWnd, Op op)
{
    if (pWnd) {
        COXCaptionPainter* painter = GetPainter(pWnd);
        if (!painter)
            return FALSE;
        op(*painter);
        return TRUE;
    }
    OXForEachPainter(m_mapPainters, [&](HWND, COXCaptionPainter* painter) { op(*painter); });
    return TRUE;
}

BOOL COXCaptionPainterOrganizer::SetCaptionInfo(CWnd* pWnd, const COXCaptionInfo* pInfo, BOOL bActive,
                                                BOOL bRedraw)
{
    return ForPainters(pWnd, [&](COXCaptionPainter& p) {
        p.SetCaptionInfo(pInfo, bActive);
        if (bRedraw && p.IsHooked()) {
            p.ResetCaption();
            ::SendMessage(p.GetHookedWnd(), WM_NCPAINT, 1, 0);
        }
    });
}

BOOL COXCaptionPainterOrganizer::UpdateCaption(CWnd* pWnd, BOOL bRedraw)
{
    return ForPainters(pWnd, [&](COXCaptionPainter& p) {
        p.ResetCaption();
        if (bRedraw && p.IsHooked())
            ::SendMessage(p.GetHookedWnd(), WM_NCPAINT, 1, 0);
    });
}

BOOL COXCaptionPainterOrganizer::LoadState(CWnd* pWnd, LPCTSTR lpszProfileName, BOOL bRedraw)
{
    return ForPainters(pWnd, [&](COXCaptionPainter& p) { p.LoadState(lpszProfileName, bRedraw); });
}

void COXCaptionPainterOrganizer::AttachAllWindows(HWND hWnd)
{
    for (HWND h = hWnd; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (pWnd && !IsAttached(pWnd))
            Attach(pWnd);
        if (const HWND child = ::GetWindow(h, GW_CHILD))
            AttachAllWindows(child);
    }
}

void COXCaptionPainterOrganizer::AttachNew(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || IsAttached(pWnd))
        return;
    POSITION pos = nullptr;
    COXCaptionPainter* first = GetFirstPainter(pos);
    if (Attach(pWnd) && first)
        ::SendMessage(hWnd, OXCaptionSetPainterMessage(), 0, reinterpret_cast<LPARAM>(first));
}

LRESULT CALLBACK COXCaptionPainterOrganizer::CBTHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    COXCaptionPainterOrganizer* organizer = nCode >= 0 ? Organizers::Find(hWnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(Organizers::FirstCBT(), nCode, wParam, lParam);
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd)) {
        if (nCode == HCBT_DESTROYWND) {
            if (organizer->IsAttached(pWnd))
                organizer->Detach(pWnd, FALSE);
        } else {
            organizer->AttachNew(hWnd);
        }
    }
    return ::CallNextHookEx(organizer->m_hCBTHook, nCode, wParam, lParam);
}

LRESULT CALLBACK COXCaptionPainterOrganizer::GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    COXCaptionPainterOrganizer* organizer = nCode >= 0 && msg ? Organizers::Find(msg->hwnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(Organizers::FirstGetMessage(), nCode, wParam, lParam);
    organizer->AttachNew(msg->hwnd);
    return ::CallNextHookEx(organizer->m_hGetMessageHook, nCode, wParam, lParam);
}
