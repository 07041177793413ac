// Image lists in an archive: the system reads and writes them on a stream,
// which here passes the bytes straight to and from the archive.
#include "afx/ImageList.h"

#include "afx/Archive.h"
#include "afx/Exception.h"

#include <objidl.h>

namespace {

// A forward-only IStream over a CArchive, living on the caller's stack.
class CArchiveStream : public IStream
{
public:
    explicit CArchiveStream(CArchive* archive) : m_archive(archive) {}
    virtual ~CArchiveStream() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IStream || riid == IID_ISequentialStream) {
            *object = static_cast<IStream*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP Read(void* pv, ULONG cb, ULONG* pcbRead) override
    {
        ULONG got = 0;
        HRESULT hr = S_OK;
        try {
            got = m_archive->Read(pv, cb);
        } catch (CException* e) {
            e->Delete();
            hr = STG_E_READFAULT;
        }
        m_position += got;
        if (pcbRead)
            *pcbRead = got;
        return FAILED(hr) ? hr : (got < cb ? S_FALSE : S_OK);
    }
    STDMETHODIMP Write(const void* pv, ULONG cb, ULONG* pcbWritten) override
    {
        try {
            m_archive->Write(pv, cb);
        } catch (CException* e) {
            e->Delete();
            if (pcbWritten)
                *pcbWritten = 0;
            return STG_E_WRITEFAULT;
        }
        m_position += cb;
        if (pcbWritten)
            *pcbWritten = cb;
        return S_OK;
    }
    // Only asking where the stream stands (a move of 0 from the current
    // position) is possible: an archive goes one way.
    STDMETHODIMP Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override
    {
        if (origin != STREAM_SEEK_CUR || move.QuadPart != 0)
            return STG_E_INVALIDFUNCTION;
        if (newPosition)
            newPosition->QuadPart = m_position;
        return S_OK;
    }
    STDMETHODIMP SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    STDMETHODIMP CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHODIMP Commit(DWORD) override { return S_OK; }
    STDMETHODIMP Revert() override { return E_NOTIMPL; }
    STDMETHODIMP LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP Stat(STATSTG* stat, DWORD) override
    {
        if (!stat)
            return STG_E_INVALIDPOINTER;
        *stat = STATSTG();
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = m_position;
        return S_OK;
    }
    STDMETHODIMP Clone(IStream**) override { return E_NOTIMPL; }

private:
    CArchive* m_archive;
    ULONGLONG m_position = 0;
};

} // namespace

BOOL CImageList::Read(CArchive* pArchive)
{
    ASSERT(pArchive && !pArchive->IsStoring());
    CArchiveStream stream(pArchive);
    HIMAGELIST list = ImageList_Read(&stream);
    if (!list)
        return FALSE;
    DeleteImageList();
    return Attach(list);
}

BOOL CImageList::Write(CArchive* pArchive)
{
    ASSERT(pArchive && pArchive->IsStoring());
    if (!m_hImageList)
        return FALSE;
    CArchiveStream stream(pArchive);
    return ImageList_Write(m_hImageList, &stream);
}
