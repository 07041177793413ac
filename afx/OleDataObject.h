// COleDataObject: the receiving side of data transfer. It reads either the
// clipboard (AttachClipboard) or the IDataObject a drop brings, in the
// clipboard formats the sender offered.
#pragma once

#include "afx/OleInit.h"

class COleDataObject
{
public:
    COleDataObject() noexcept : m_lpDataObject(nullptr), m_bAutoRelease(TRUE), m_bClipboard(FALSE) {}
    ~COleDataObject() { Release(); }
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    // Reads the clipboard from now on (each read opens and closes it).
    BOOL AttachClipboard();

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A new global block with the data, which the caller frees; null when the
    // format is not there.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // The medium for the format, released by the caller (ReleaseStgMedium).
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);

private:
    LPDATAOBJECT m_lpDataObject;
    BOOL m_bAutoRelease;
    BOOL m_bClipboard;
};
