#include "afx/OleDropSource.h"

#include "afx/Wnd.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

// The COM face of the drop source. Its life is the owner's, so the count is
// only kept for the protocol.
class COleDropSource::DropSource : public IDropSource
{
public:
    explicit DropSource(COleDropSource* owner) : m_owner(owner) {}
    virtual ~DropSource() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) override
    {
        // What a handler throws ends the drag instead of crossing the system's loop.
        return AfxCallGuarded([&] { return m_owner->QueryContinueDrag(escapePressed, keyState); },
                              SCODE(DRAGDROP_S_CANCEL));
    }
    STDMETHODIMP GiveFeedback(DWORD effect) override
    {
        return AfxCallGuarded([&] { return m_owner->GiveFeedback(effect); }, SCODE(DRAGDROP_S_USEDEFAULTCURSORS));
    }

private:
    COleDropSource* m_owner;
};

COleDropSource::COleDropSource()
    : m_rectStartDrag(), m_dwButtonDrop(MK_LBUTTON), m_dropSource(new DropSource(this))
{
}

COleDropSource::~COleDropSource()
{
    delete m_dropSource;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT /*dropEffect*/)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

BOOL COleDropSource::OnBeginDrag(CWnd* /*pWnd*/)
{
    // The drop follows the button that is down now.
    m_dwButtonDrop = (::GetKeyState(VK_RBUTTON) < 0 && ::GetKeyState(VK_LBUTTON) >= 0) ? MK_RBUTTON : MK_LBUTTON;
    return TRUE;
}

LPDROPSOURCE COleDropSource::GetDropSource()
{
    return m_dropSource;
}
