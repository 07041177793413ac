// COXShortkeysOrganizer: makes the keyboard shortcuts of a frame window (and,
// for the application's MDI main frame, of every document template) editable
// at run time. It copies the accelerator tables into arrays, finds and changes
// bindings, turns them into display text and back, installs rebuilt tables
// and keeps the whole state in the registry value "AcceleratorsState".
#pragma once

#include "afx/Array.h"
#include "afx/Object.h"
#include "afx/String.h"

#include <windows.h>

class CArchive;
class CDocTemplate;
class CFrameWnd;

// One editable table: its entries and the document template it belongs to
// (nullptr for the frame's own table).
typedef struct _tagOXACCELTABLE
{
    CArray<ACCEL, ACCEL&> m_accelerators;
    CDocTemplate* m_pDocTemplate = nullptr;
} OXACCELTABLE;

class COXShortkeysOrganizer : public CObject
{
    DECLARE_DYNAMIC(COXShortkeysOrganizer)
public:
    COXShortkeysOrganizer();
    // Destroys every accelerator table this organizer created.
    ~COXShortkeysOrganizer() override;

    // Stored form: the number of tables, then per table its number of entries
    // and the entries (flags byte, 16-bit key, 16-bit command). Loading takes
    // the tables only when their number equals that of the live tables; a
    // short or corrupt stream throws and leaves the live tables as they were.
    void Serialize(CArchive& ar) override;
    // FALSE when already attached (or no frame). With bLoadState the tables
    // are copied: the frame's own first (when it has one), then, when the
    // frame is the thread's main window and an MDI frame, one per document
    // template that has keys.
    virtual BOOL Attach(CFrameWnd* pFrameWnd, BOOL bLoadState = TRUE);
    // Forgets the frame, the tables and the removed entries.
    virtual BOOL Detach();
    // One table's entry count and entries, in either direction.
    virtual void SerializeTable(CArchive& ar, OXACCELTABLE& table);

    BOOL IsAttached() const { return m_pFrameWnd != nullptr; }
    CFrameWnd* GetFrameWnd() const { return m_pFrameWnd; }
    // The live tables in order; a table's index is its place here.
    const CArray<OXACCELTABLE, OXACCELTABLE&>& GetAccelTables() const { return m_arrAccelTables; }

    // The value "AcceleratorsState" in the profile's key lpszProfileName.
    // Both need an attached frame and an application with a registry key and
    // profile name. Loading an empty value changes nothing; a value that does
    // not fit the live tables or cannot be read leaves them unchanged and
    // answers FALSE. bApply installs the loaded tables.
    BOOL SaveState(LPCTSTR lpszProfileName);
    BOOL LoadState(LPCTSTR lpszProfileName, BOOL bApply = TRUE);

    // Builds accelerator handles from the tables and installs them in the
    // frame, the templates and the frames of their open views that still
    // hold a template's old table; empties the removed entries.
    BOOL ApplyAccelTables();

    // FALSE without a table for the template, or when the key is bound there
    // and bReplace is not set (with it, the old binding goes first).
    BOOL AddAccelerator(BYTE fVirt, WORD key, WORD cmd, CDocTemplate* pDocTemplate = nullptr, BOOL bReplace = FALSE);
    // Removes the matching entry (FNOINVERT not compared) and keeps it among
    // the removed entries of that template; TRUE when the table exists.
    BOOL RemoveAccelEntry(BYTE fVirt, WORD key, WORD cmd, CDocTemplate* pDocTemplate = nullptr);
    BOOL RemoveAccelEntry(ACCEL* pAccel, CDocTemplate* pDocTemplate = nullptr);
    // Every binding of the command in the template's table; FALSE without
    // frame or table.
    BOOL RemoveAllAccelerators(WORD cmd, CDocTemplate* pDocTemplate = nullptr);

    void FindAccelsByCommand(WORD cmd, CDocTemplate* pDocTemplate, CArray<ACCEL, ACCEL&>& found) const;
    // Over every live table, or over the removed entries; FNOINVERT ignored.
    void FindAccelsByKey(BYTE fVirt, WORD key, CArray<ACCEL, ACCEL&>& found) const;
    void FindAccelsByKeyInSavedTables(BYTE fVirt, WORD key, CArray<ACCEL, ACCEL&>& found) const;
    // The command bound to the key in the template's table; 0 when none.
    WORD FindCommandByKey(BYTE fVirt, WORD key, CDocTemplate* pDocTemplate = nullptr) const;

    // "Shift+", "Ctrl+", "Alt+", then the key's name ("Ctrl+Num 5").
    static CString GetAccelKeyText(const ACCEL& accel);
    // The reverse: FALSE for an empty text, an unknown name or a character
    // no key of the keyboard types.
    static BOOL ParseAccelKeyText(LPCTSTR lpszText, ACCEL& accel);

protected:
    OXACCELTABLE* FindTable(CDocTemplate* pDocTemplate);
    const OXACCELTABLE* FindTable(CDocTemplate* pDocTemplate) const;
    // The application's MDI main frame this organizer is attached to, if so.
    BOOL IsMainMDIFrame() const;
    BOOL CopyTable(HACCEL hAccel, CDocTemplate* pDocTemplate);
    // A new handle for the entries (nullptr for none), kept for destruction.
    HACCEL BuildTable(const OXACCELTABLE& table);
    // The profile's key path below HKEY_CURRENT_USER; FALSE without one.
    static BOOL ProfileKeyPath(LPCTSTR lpszProfileName, CString& path);

    CFrameWnd* m_pFrameWnd;
    CArray<OXACCELTABLE, OXACCELTABLE&> m_arrAccelTables;
    CArray<HACCEL, HACCEL> m_arrCreatedTables;
    CArray<OXACCELTABLE, OXACCELTABLE&> m_arrSavedTables;
    // While loading: the stored bytes that may still follow, which bounds
    // every count read from them.
    ULONGLONG m_nLoadBytesLeft;
    // While loading: whether the stored tables fit the live ones.
    BOOL m_bLoadAccepted;
};
