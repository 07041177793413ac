#include "afx/OleDataSource.h"

#include "afx/OleDropSource.h"

#include <shlobj.h>
#include <string.h>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace {

// A copy of a global block, for a receiver that frees what it gets.
HGLOBAL CopyGlobal(HGLOBAL source)
{
    SIZE_T size = ::GlobalSize(source);
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy == nullptr)
        return nullptr;
    void* from = ::GlobalLock(source);
    void* to = ::GlobalLock(copy);
    if (from != nullptr && to != nullptr)
        memcpy(to, from, size);
    ::GlobalUnlock(copy);
    ::GlobalUnlock(source);
    return copy;
}

// The window that owns what this process puts on the clipboard. Hidden
// windows cost nothing; the clipboard wants an owner for SetClipboardData.
HWND ClipboardOwner()
{
    thread_local HWND owner = nullptr;
    if (owner == nullptr || !::IsWindow(owner))
        owner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    return owner;
}

} // namespace

// The COM face of the data source: references go to the owner's count.
class COleDataSource::DataObject : public IDataObject
{
public:
    explicit DataObject(COleDataSource* owner) : m_owner(owner) {}
    virtual ~DataObject() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDataObject) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_owner->InternalAddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_owner->InternalRelease(); }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        HRESULT hr = QueryGetData(format);
        if (FAILED(hr))
            return hr;
        HGLOBAL copy = CopyGlobal(m_owner->Find(format->cfFormat)->data);
        if (copy == nullptr)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override
    {
        if (format == nullptr)
            return E_INVALIDARG;
        if (m_owner->Find(format->cfFormat) == nullptr)
            return DV_E_FORMATETC;
        return (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_TYMED;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (out != nullptr)
            out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override
    {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const Entry& entry : m_owner->m_entries)
            formats.push_back(FORMATETC{entry.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), enumerator);
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    COleDataSource* m_owner;
};

COleDataSource::COleDataSource() : m_refCount(1), m_entries(), m_dataObject(new DataObject(this))
{
}

COleDataSource::~COleDataSource()
{
    Empty();
    delete m_dataObject;
}

ULONG COleDataSource::InternalRelease()
{
    LONG count = InterlockedDecrement(&m_refCount);
    if (count == 0)
        delete this;
    return static_cast<ULONG>(count);
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC /*lpFormatEtc*/)
{
    ASSERT(hGlobal != nullptr);
    for (Entry& entry : m_entries)
        if (entry.format == cfFormat) {
            ::GlobalFree(entry.data);
            entry.data = hGlobal;
            return;
        }
    m_entries.push_back(Entry{cfFormat, hGlobal});
}

void COleDataSource::Empty()
{
    for (Entry& entry : m_entries)
        ::GlobalFree(entry.data);
    m_entries.clear();
}

const COleDataSource::Entry* COleDataSource::Find(CLIPFORMAT format) const
{
    for (const Entry& entry : m_entries)
        if (entry.format == format)
            return &entry;
    return nullptr;
}

void COleDataSource::SetClipboard()
{
    if (::OpenClipboard(ClipboardOwner())) {
        ::EmptyClipboard();
        for (Entry& entry : m_entries) {
            // On success the clipboard owns the block; otherwise we still do.
            if (::SetClipboardData(entry.format, entry.data) != nullptr)
                entry.data = nullptr;
            else
                TRACE("SetClipboardData(%u) failed: %lu\n", entry.format, ::GetLastError());
        }
        ::CloseClipboard();
    } else {
        TRACE("OpenClipboard failed: %lu\n", ::GetLastError());
    }
    for (Entry& entry : m_entries)
        if (entry.data != nullptr)
            ::GlobalFree(entry.data);
    m_entries.clear();
    InternalRelease();   // the creator's reference: the object is given up
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    if (pDropSource == nullptr)
        pDropSource = &defaultSource;
    if (lpRectStartDrag != nullptr)
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
    if (!pDropSource->OnBeginDrag(nullptr))
        return DROPEFFECT_NONE;
    DWORD effect = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(m_dataObject, pDropSource->GetDropSource(), dwEffects, &effect);
    return hr == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

LPDATAOBJECT COleDataSource::GetDataObject()
{
    m_dataObject->AddRef();
    return m_dataObject;
}
