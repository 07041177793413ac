// COleDataSource: data offered to others, on the clipboard or by drag and
// drop. The program caches global-memory blocks under clipboard formats, then
// hands the object to the clipboard (SetClipboard) or starts a drag (DoDragDrop).
#pragma once

#include "afx/OleInit.h"
#include "afx/Rect.h"
#include "afx/Wnd.h"

#include <vector>

class COleDropSource;

class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    ~COleDataSource() override;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Takes ownership of hGlobal; a later block for the same format replaces it.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();

    // Puts every cached block on the clipboard, replacing what was there, and
    // gives the object up: it must have been made with new, and is deleted here.
    // The data is rendered at once, so it outlives the object and the program.
    void SetClipboard();
    // The source whose data is on the clipboard still unrendered: never any,
    // since SetClipboard renders everything (FlushClipboard has nothing to do).
    static COleDataSource* PASCAL GetClipboardOwner() { return nullptr; }
    static void PASCAL FlushClipboard() {}

    // A modal OLE drag of the cached data; the effect the target chose
    // (DROPEFFECT_NONE when cancelled). pDropSource null: default behaviour.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);

    // The object as an IDataObject (a reference the caller releases).
    LPDATAOBJECT GetDataObject();

    // Reference count: the creator holds one reference; the last Release deletes.
    ULONG InternalAddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_refCount)); }
    ULONG InternalRelease();

private:
    struct Entry
    {
        CLIPFORMAT format;
        HGLOBAL data;
    };
    class DataObject;
    friend class DataObject;

    const Entry* Find(CLIPFORMAT format) const;

    LONG m_refCount;
    std::vector<Entry> m_entries;
    DataObject* m_dataObject;
};
