// CAcceleratorManager: the commands and key bindings of one frame window. It
// builds the frame's accelerator table from them, keeps a snapshot of the
// user-changeable bindings for a reset to the defaults, and keeps the user's
// own bindings in "Users_Shortcuts.shortcuts" in the program folder.
#pragma once

#include "controls/accel/AccelsOb.h"

#include "afx/ArrayTypes.h"
#include "afx/Map.h"

class CFrameWnd;

typedef CMap<CString, LPCSTR, WORD, WORD&> CMapStringToWord;
typedef CMap<WORD, WORD&, CCmdAccelOb*, CCmdAccelOb*&> CMapWordToCmdAccel;

class CAcceleratorManager : public CObject
{
public:
    CAcceleratorManager();
    // Saves first when auto-save is on and a key name is set.
    ~CAcceleratorManager() override;
    CAcceleratorManager(const CAcceleratorManager&) = delete;
    CAcceleratorManager& operator=(const CAcceleratorManager& other);

    void Connect(CFrameWnd* pWnd);
    void SetRegKey(HKEY hRoot, LPCTSTR lpszKeyName);
    BOOL GetRegKey(HKEY& hRoot, CString& strKeyName) const;
    void SetAutoSave(BOOL bAutoSave) { m_bAutoSave = bAutoSave; }

    BOOL SetAccel(BYTE fVirt, WORD wIDCommand, WORD wKey, LPCTSTR lpszCommand, bool bLocked = true);
    // Takes the connected window's present bindings of the command.
    BOOL AddCommandAccel(WORD wIDCommand, LPCTSTR lpszCommand, bool bLocked = true);
    BOOL CreateEntry(WORD wIDCommand, LPCTSTR lpszCommand);
    BOOL DeleteEntry(WORD wIDCommand);
    BOOL DeleteEntry(LPCTSTR lpszCommand);
    BOOL GetCommandId(LPCTSTR lpszCommand, WORD& wIDCommand) const;
    CCmdAccelOb* GetCommand(WORD wIDCommand) const;

    BOOL CreateDefaultTable();
    BOOL ResetToDefault();
    BOOL UpdateWndTable();

    BOOL Load(HKEY hRoot, LPCTSTR lpszKeyName);
    BOOL Reload();
    BOOL Write();
    // The shortcuts file in the program folder.
    static CString GetShortcutsPath();

    const CMapStringToWord& GetNameMap() const { return m_mapAccelString; }
    const CMapWordToCmdAccel& GetTable() const { return m_mapAccelTable; }
    BOOL IsDefaultTableValid() const { return m_bDefaultTable; }

    // The packed words of the file after its version and count: the head
    // word, then per command its record word and its user bindings.
    void BuildFileWords(CDWordArray& words) const;

private:
    void Empty();
    static void EmptyTable(CMapWordToCmdAccel& table);
    static void CopyTable(const CMapWordToCmdAccel& from, CMapWordToCmdAccel& to);

    CFrameWnd* m_pWndConnected;
    CMapStringToWord m_mapAccelString;
    CMapWordToCmdAccel m_mapAccelTable;     // owns its commands
    CMapWordToCmdAccel m_mapAccelTableSaved;   // the snapshot; owns its commands
    BOOL m_bDefaultTable;
    HKEY m_hRegKey;
    CString m_szRegKey;
    BOOL m_bAutoSave;
};
