#include "afx/OleDropTarget.h"

#include "afx/Wnd.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

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
        // The drag loop is the system's: nothing a handler throws may reach it.
        *effect &= AfxCallGuarded([&] {
            return m_owner->OnDragEnter(m_owner->m_pWnd, &m_owner->m_dataObject, keyState, ClientPoint(pt));
        }, DROPEFFECT(DROPEFFECT_NONE));
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD keyState, POINTL pt, DWORD* effect) override
    {
        *effect &= AfxCallGuarded([&] {
            return m_owner->OnDragOver(m_owner->m_pWnd, &m_owner->m_dataObject, keyState, ClientPoint(pt));
        }, DROPEFFECT(DROPEFFECT_NONE));
        return S_OK;
    }
    STDMETHODIMP DragLeave() override
    {
        AfxCallGuarded([&] { m_owner->OnDragLeave(m_owner->m_pWnd); return 0; }, 0);
        m_owner->m_dataObject.Release();
        return S_OK;
    }
    STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override
    {
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
    : m_hWnd(nullptr), m_pWnd(nullptr), m_dropTarget(new DropTarget(this)), m_dataObject()
{
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
