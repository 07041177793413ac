#include "afx/OleDataObject.h"

#include <string.h>

namespace {

FORMATETC MakeFormat(CLIPFORMAT format, LPFORMATETC given)
{
    if (given != nullptr)
        return *given;
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

} // namespace

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT object = m_lpDataObject;
    m_lpDataObject = nullptr;
    m_bClipboard = FALSE;
    return object;
}

void COleDataObject::Release()
{
    if (m_lpDataObject != nullptr && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = nullptr;
    m_bClipboard = FALSE;
}

BOOL COleDataObject::AttachClipboard()
{
    Release();
    m_bClipboard = TRUE;
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_bClipboard)
        return ::IsClipboardFormatAvailable(cfFormat);
    if (m_lpDataObject == nullptr)
        return FALSE;
    FORMATETC format = MakeFormat(cfFormat, lpFormatEtc);
    return m_lpDataObject->QueryGetData(&format) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_bClipboard) {
        if (!::OpenClipboard(nullptr))
            return nullptr;
        // The clipboard keeps its block: hand out a copy the caller may free.
        HGLOBAL copy = nullptr;
        HANDLE data = ::GetClipboardData(cfFormat);
        if (data != nullptr) {
            SIZE_T size = ::GlobalSize(data);
            const void* from = ::GlobalLock(data);
            if (from != nullptr) {
                copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
                if (copy != nullptr) {
                    memcpy(::GlobalLock(copy), from, size);
                    ::GlobalUnlock(copy);
                }
                ::GlobalUnlock(data);
            }
        }
        ::CloseClipboard();
        return copy;
    }
    STGMEDIUM medium = {};
    if (!GetData(cfFormat, &medium, lpFormatEtc))
        return nullptr;
    if (medium.tymed == TYMED_HGLOBAL && medium.pUnkForRelease == nullptr)
        return medium.hGlobal;   // already ours
    HGLOBAL copy = nullptr;
    if (medium.tymed == TYMED_HGLOBAL) {
        SIZE_T size = ::GlobalSize(medium.hGlobal);
        copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
        if (copy != nullptr) {
            memcpy(::GlobalLock(copy), ::GlobalLock(medium.hGlobal), size);
            ::GlobalUnlock(medium.hGlobal);
            ::GlobalUnlock(copy);
        }
    }
    ::ReleaseStgMedium(&medium);
    return copy;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_bClipboard) {
        HGLOBAL data = GetGlobalData(cfFormat, lpFormatEtc);
        if (data == nullptr)
            return FALSE;
        lpStgMedium->tymed = TYMED_HGLOBAL;
        lpStgMedium->hGlobal = data;
        lpStgMedium->pUnkForRelease = nullptr;
        return TRUE;
    }
    if (m_lpDataObject == nullptr)
        return FALSE;
    FORMATETC format = MakeFormat(cfFormat, lpFormatEtc);
    return SUCCEEDED(m_lpDataObject->GetData(&format, lpStgMedium));
}
