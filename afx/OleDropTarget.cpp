#include "afx/OleDropTarget.h"

#include "afx/View.h"
#include "afx/Wnd.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace {
const UINT kOutsideBand = 0xFFFF;
}

// The COM face of the drop target; it lives as long as its owner.
class COleDropTarget::DropTarget : public IDropTarget
{
public:
    explicit DropTarget(COleDropTarget* owner) : m_owner(owner) {}
    virtual ~DropTarget() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropTarget) {
            *object = static_cast<IDropTarget*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override
    {
        data->AddRef();   // held for the length of the drag
        m_owner->m_dataObject.Attach(data, TRUE);
        m_owner->m_nTimerID = kOutsideBand;
        // The drag loop is the system's: nothing a handler throws may reach it.
        const DROPEFFECT allowed = *effect;
        *effect = AfxCallGuarded([&] {
            return m_owner->Effect(allowed, keyState, ClientPoint(pt), true);
        }, DROPEFFECT(DROPEFFECT_NONE));
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD keyState, POINTL pt, DWORD* effect) override
    {
        const DROPEFFECT allowed = *effect;
        *effect = AfxCallGuarded([&] {
            return m_owner->Effect(allowed, keyState, ClientPoint(pt), false);
        }, DROPEFFECT(DROPEFFECT_NONE));
        return S_OK;
    }
    STDMETHODIMP DragLeave() override
    {
        m_owner->m_nTimerID = kOutsideBand;
        AfxCallGuarded([&] { m_owner->OnDragLeave(m_owner->m_pWnd); return 0; }, 0);
        m_owner->m_dataObject.Release();
        return S_OK;
    }
    STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override
    {
        m_owner->m_nTimerID = kOutsideBand;
        COleDataObject& object = m_owner->m_dataObject;
        object.Release();
        data->AddRef();
        object.Attach(data, TRUE);
        CPoint point = ClientPoint(pt);
        // The effect the target would take for these keys, as over a drag.
        const DROPEFFECT allowed = *effect;
        *effect = AfxCallGuarded([&] {
            DROPEFFECT wanted = m_owner->OnDragOver(m_owner->m_pWnd, &object, keyState, point) & allowed;
            DROPEFFECT result = m_owner->OnDropEx(m_owner->m_pWnd, &object, wanted, allowed, point);
            if (result == static_cast<DROPEFFECT>(-1))
                result = (wanted != DROPEFFECT_NONE && m_owner->OnDrop(m_owner->m_pWnd, &object, wanted, point))
                             ? wanted : DROPEFFECT_NONE;
            return result;
        }, DROPEFFECT(DROPEFFECT_NONE));
        object.Release();
        return S_OK;
    }

private:
    CPoint ClientPoint(POINTL pt) const
    {
        POINT point = {pt.x, pt.y};
        ::ScreenToClient(m_owner->m_hWnd, &point);
        return point;
    }

    COleDropTarget* m_owner;
};

COleDropTarget::COleDropTarget()
    : m_hWnd(nullptr), m_pWnd(nullptr),
      m_nScrollInset(static_cast<int>(::GetProfileIntA("windows", "DragScrollInset", DD_DEFSCROLLINSET))),
      m_nScrollDelay(::GetProfileIntA("windows", "DragScrollDelay", DD_DEFSCROLLDELAY)),
      m_nScrollInterval(::GetProfileIntA("windows", "DragScrollInterval", DD_DEFSCROLLINTERVAL)),
      m_nTimerID(kOutsideBand), m_dwLastTick(0), m_bScrolled(FALSE), m_dropTarget(new DropTarget(this)),
      m_dataObject()
{
}

DROPEFFECT COleDropTarget::Effect(DROPEFFECT allowed, DWORD keyState, CPoint point, bool entering)
{
    // Scrolling comes first; elsewhere the target's own answer.
    const DROPEFFECT scroll = OnDragScroll(m_pWnd, keyState, point);
    if (scroll != DROPEFFECT_NONE)
        return scroll & (allowed | DROPEFFECT_SCROLL);
    if (entering)
        return allowed & OnDragEnter(m_pWnd, &m_dataObject, keyState, point);
    return allowed & OnDragOver(m_pWnd, &m_dataObject, keyState, point);
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    CView* view = DYNAMIC_DOWNCAST(CView, pWnd);
    if (!view || !view->GetSafeHwnd()) {
        m_nTimerID = kOutsideBand;
        return DROPEFFECT_NONE;
    }
    const DWORD style = view->GetStyle();
    CRect client;
    view->GetClientRect(&client);
    CRect inner = client;
    inner.InflateRect(-m_nScrollInset, -m_nScrollInset);
    int horz = -1;
    int vert = -1;
    if (client.PtInRect(point) && !inner.PtInRect(point)) {
        if ((style & WS_HSCROLL) && point.x < inner.left)
            horz = SB_LINELEFT;
        else if ((style & WS_HSCROLL) && point.x >= inner.right)
            horz = SB_LINERIGHT;
        if ((style & WS_VSCROLL) && point.y < inner.top)
            vert = SB_LINEUP;
        else if ((style & WS_VSCROLL) && point.y >= inner.bottom)
            vert = SB_LINEDOWN;
    }
    if (horz < 0 && vert < 0) {
        m_nTimerID = kOutsideBand;
        return DROPEFFECT_NONE;
    }
    const UINT directions = MAKEWORD(horz & 0xFF, vert & 0xFF);
    const DWORD now = ::GetTickCount();
    if (m_nTimerID != directions) {
        // Entering the band (or a corner of it) starts the delay.
        m_nTimerID = directions;
        m_dwLastTick = now;
        m_bScrolled = FALSE;
    } else if (now - m_dwLastTick >= (m_bScrolled ? m_nScrollInterval : m_nScrollDelay)) {
        // A view scrolls itself on its scroll messages.
        if (horz >= 0)
            view->SendMessage(WM_HSCROLL, MAKEWPARAM(horz, 0), 0);
        if (vert >= 0)
            view->SendMessage(WM_VSCROLL, MAKEWPARAM(vert, 0), 0);
        m_dwLastTick = now;
        m_bScrolled = TRUE;
    }
    // Ctrl copies, anything else moves, as over the view itself.
    return DROPEFFECT_SCROLL | ((dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE);
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
    delete m_dropTarget;
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    ASSERT(m_hWnd == nullptr);   // one window per target
    HWND hWnd = pWnd->GetSafeHwnd();
    HRESULT hr = ::RegisterDragDrop(hWnd, m_dropTarget);
    if (FAILED(hr)) {
        TRACE("RegisterDragDrop failed: 0x%08lX\n", static_cast<unsigned long>(hr));
        return FALSE;
    }
    m_hWnd = hWnd;
    m_pWnd = pWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == nullptr)
        return;
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
    m_pWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1);
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

LPDROPTARGET COleDropTarget::GetDropTarget()
{
    return m_dropTarget;
}
