#include "controls/accel/AcceleratorManager.h"

#include "afx/ArrayTypes.h"
#include "afx/File.h"
#include "afx/FileException.h"
#include "afx/FrameWnd.h"
#include "afx/WinApp.h"

#include <vector>

namespace {

const UINT kHashSize = 17;
const DWORD kFileVersion = 1;
const DWORD kHeadMark = 0xFFFF;
const char kShortcutsFile[] = "Users_Shortcuts.shortcuts";

DWORD ReadWord(CFile& file)
{
    DWORD value = 0;
    if (file.Read(&value, sizeof value) != sizeof value)
        AfxThrowFileException(CFileException::endOfFile, -1, file.GetFilePath());
    return value;
}

} // namespace

CAcceleratorManager::CAcceleratorManager()
    : m_pWndConnected(nullptr), m_mapAccelString(10), m_mapAccelTable(10), m_mapAccelTableSaved(10),
      m_bDefaultTable(FALSE), m_hRegKey(HKEY_CURRENT_USER), m_szRegKey(), m_bAutoSave(FALSE)
{
    m_mapAccelString.InitHashTable(kHashSize);
    m_mapAccelTable.InitHashTable(kHashSize);
    m_mapAccelTableSaved.InitHashTable(kHashSize);
}

CAcceleratorManager::~CAcceleratorManager()
{
    if (m_bAutoSave && !m_szRegKey.IsEmpty() && !Write())
        AfxMessageBox("CAcceleratorManager::~CAcceleratorManager\nError in CAcceleratorManager::Write...");
    Empty();
}

void CAcceleratorManager::EmptyTable(CMapWordToCmdAccel& table)
{
    POSITION pos = table.GetStartPosition();
    while (pos) {
        WORD id = 0;
        CCmdAccelOb* command = nullptr;
        table.GetNextAssoc(pos, id, command);
        delete command;
    }
    table.RemoveAll();
}

void CAcceleratorManager::CopyTable(const CMapWordToCmdAccel& from, CMapWordToCmdAccel& to)
{
    POSITION pos = from.GetStartPosition();
    while (pos) {
        WORD id = 0;
        CCmdAccelOb* command = nullptr;
        from.GetNextAssoc(pos, id, command);
        CCmdAccelOb* copy = new CCmdAccelOb;
        *copy = *command;
        to.SetAt(id, copy);
    }
}

void CAcceleratorManager::Empty()
{
    EmptyTable(m_mapAccelTable);
    EmptyTable(m_mapAccelTableSaved);
    m_mapAccelString.RemoveAll();
}

CAcceleratorManager& CAcceleratorManager::operator=(const CAcceleratorManager& other)
{
    if (&other == this)
        return *this;
    Empty();
    CopyTable(other.m_mapAccelTable, m_mapAccelTable);
    CopyTable(other.m_mapAccelTableSaved, m_mapAccelTableSaved);
    m_mapAccelString = other.m_mapAccelString;
    m_bDefaultTable = other.m_bDefaultTable;
    return *this;
}

void CAcceleratorManager::Connect(CFrameWnd* pWnd)
{
    m_pWndConnected = pWnd;
    m_bAutoSave = FALSE;
}

void CAcceleratorManager::SetRegKey(HKEY hRoot, LPCTSTR lpszKeyName)
{
    m_hRegKey = hRoot;
    m_szRegKey = lpszKeyName ? lpszKeyName : "";
}

BOOL CAcceleratorManager::GetRegKey(HKEY& hRoot, CString& strKeyName) const
{
    hRoot = m_hRegKey;
    strKeyName = m_szRegKey;
    return !m_szRegKey.IsEmpty();
}

CCmdAccelOb* CAcceleratorManager::GetCommand(WORD wIDCommand) const
{
    CCmdAccelOb* command = nullptr;
    return m_mapAccelTable.Lookup(wIDCommand, command) ? command : nullptr;
}

BOOL CAcceleratorManager::SetAccel(BYTE fVirt, WORD wIDCommand, WORD wKey, LPCTSTR lpszCommand, bool bLocked)
{
    ASSERT(lpszCommand != nullptr);
    WORD namedId = 0;
    if (m_mapAccelString.Lookup(lpszCommand, namedId) && namedId != wIDCommand)
        return FALSE;
    CCmdAccelOb* command = GetCommand(wIDCommand);
    if (command) {
        if (command->m_szCommand != lpszCommand)
            return FALSE;
        POSITION pos = command->m_Accels.GetHeadPosition();
        while (pos) {
            const CAccelsOb* accel = command->m_Accels.GetNext(pos);
            if (accel->fVirt == fVirt && accel->m_wKey == wKey)
                return FALSE;
        }
        command->Add(fVirt, wKey, bLocked);
    } else {
        command = new CCmdAccelOb(fVirt, wIDCommand, wKey, lpszCommand, bLocked);
        m_mapAccelTable.SetAt(wIDCommand, command);
    }
    m_mapAccelString.SetAt(lpszCommand, wIDCommand);
    return TRUE;
}

BOOL CAcceleratorManager::AddCommandAccel(WORD wIDCommand, LPCTSTR lpszCommand, bool bLocked)
{
    if (!m_pWndConnected || !m_pWndConnected->m_hAccelTable)
        return FALSE;
    const int count = ::CopyAcceleratorTableA(m_pWndConnected->m_hAccelTable, nullptr, 0);
    if (count <= 0)
        return FALSE;
    ACCEL* table = static_cast<ACCEL*>(::LocalAlloc(LPTR, count * sizeof(ACCEL)));
    if (!table)
        return FALSE;
    ::CopyAcceleratorTableA(m_pWndConnected->m_hAccelTable, table, count);
    BOOL result = FALSE;
    for (int i = 0; i < count; ++i)
        if (table[i].cmd == wIDCommand)
            result = SetAccel(table[i].fVirt, wIDCommand, table[i].key, lpszCommand, bLocked);
    ::LocalFree(table);
    return result;
}

BOOL CAcceleratorManager::CreateEntry(WORD wIDCommand, LPCTSTR lpszCommand)
{
    WORD existing = 0;
    if (m_mapAccelString.Lookup(lpszCommand, existing))
        return FALSE;
    // A second command under the same id would orphan the first.
    if (GetCommand(wIDCommand))
        return FALSE;
    CCmdAccelOb* command = new CCmdAccelOb(wIDCommand, lpszCommand);
    m_mapAccelTable.SetAt(wIDCommand, command);
    m_mapAccelString.SetAt(lpszCommand, wIDCommand);
    return TRUE;
}

BOOL CAcceleratorManager::DeleteEntry(WORD wIDCommand)
{
    CCmdAccelOb* command = GetCommand(wIDCommand);
    if (!command || command->HasLockedAccel())
        return FALSE;
    m_mapAccelString.RemoveKey(command->m_szCommand);
    m_mapAccelTable.RemoveKey(wIDCommand);
    delete command;
    return TRUE;
}

BOOL CAcceleratorManager::DeleteEntry(LPCTSTR lpszCommand)
{
    WORD id = 0;
    if (!m_mapAccelString.Lookup(lpszCommand, id))
        return TRUE;
    return DeleteEntry(id);
}

BOOL CAcceleratorManager::GetCommandId(LPCTSTR lpszCommand, WORD& wIDCommand) const
{
    return m_mapAccelString.Lookup(lpszCommand, wIDCommand);
}

BOOL CAcceleratorManager::CreateDefaultTable()
{
    if (m_bDefaultTable)
        return FALSE;
    POSITION pos = m_mapAccelTable.GetStartPosition();
    while (pos) {
        WORD id = 0;
        CCmdAccelOb* command = nullptr;
        m_mapAccelTable.GetNextAssoc(pos, id, command);
        CCmdAccelOb* saved = nullptr;
        POSITION accelPos = command->m_Accels.GetHeadPosition();
        while (accelPos) {
            const CAccelsOb* accel = command->m_Accels.GetNext(accelPos);
            if (accel->m_bLocked)
                continue;
            if (!saved)
                saved = new CCmdAccelOb(id, command->m_szCommand);
            saved->Add(new CAccelsOb(*accel));
        }
        if (saved)
            m_mapAccelTableSaved.SetAt(id, saved);
    }
    m_bDefaultTable = TRUE;
    return TRUE;
}

BOOL CAcceleratorManager::ResetToDefault()
{
    // Every command drops what the user added, including commands that had
    // no user binding when the snapshot was taken.
    POSITION pos = m_mapAccelTable.GetStartPosition();
    while (pos) {
        WORD id = 0;
        CCmdAccelOb* command = nullptr;
        m_mapAccelTable.GetNextAssoc(pos, id, command);
        command->DeleteUserAccels();
    }
    if (!m_bDefaultTable)
        return TRUE;
    pos = m_mapAccelTableSaved.GetStartPosition();
    while (pos) {
        WORD id = 0;
        CCmdAccelOb* saved = nullptr;
        m_mapAccelTableSaved.GetNextAssoc(pos, id, saved);
        CCmdAccelOb* command = GetCommand(id);
        if (!command)
            continue;
        POSITION accelPos = saved->m_Accels.GetHeadPosition();
        while (accelPos)
            command->Add(new CAccelsOb(*saved->m_Accels.GetNext(accelPos)));
    }
    return TRUE;
}

BOOL CAcceleratorManager::UpdateWndTable()
{
    if (!m_pWndConnected)
        return FALSE;
    std::vector<ACCEL> records;
    POSITION pos = m_mapAccelTable.GetStartPosition();
    while (pos) {
        WORD id = 0;
        CCmdAccelOb* command = nullptr;
        m_mapAccelTable.GetNextAssoc(pos, id, command);
        POSITION accelPos = command->m_Accels.GetHeadPosition();
        while (accelPos) {
            const CAccelsOb* accel = command->m_Accels.GetNext(accelPos);
            ACCEL record = {};
            record.fVirt = accel->fVirt;
            record.key = accel->m_wKey;
            record.cmd = id;
            records.push_back(record);
        }
    }
    HACCEL table = nullptr;
    if (!records.empty()) {
        ACCEL* block = static_cast<ACCEL*>(::LocalAlloc(LPTR, records.size() * sizeof(ACCEL)));
        if (!block)
            return FALSE;
        memcpy(block, records.data(), records.size() * sizeof(ACCEL));
        table = ::CreateAcceleratorTableA(block, static_cast<int>(records.size()));
        ::LocalFree(block);
        if (!table)
            return FALSE;
    }
    // A window without a table yet has nothing to destroy.
    if (m_pWndConnected->m_hAccelTable && !::DestroyAcceleratorTable(m_pWndConnected->m_hAccelTable)) {
        if (table)
            ::DestroyAcceleratorTable(table);
        return FALSE;
    }
    m_pWndConnected->m_hAccelTable = table;
    return TRUE;
}

CString CAcceleratorManager::GetShortcutsPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString folder(path, static_cast<int>(length));
    const int slash = folder.ReverseFind('\\');
    folder = folder.Left(slash + 1);
    return folder + kShortcutsFile;
}

void CAcceleratorManager::BuildFileWords(CDWordArray& words) const
{
    words.RemoveAll();
    words.Add(0);   // the head word, filled in below
    DWORD records = 0;
    POSITION pos = m_mapAccelTable.GetStartPosition();
    while (pos) {
        WORD id = 0;
        CCmdAccelOb* command = nullptr;
        m_mapAccelTable.GetNextAssoc(pos, id, command);
        CDWordArray bindings;
        POSITION accelPos = command->m_Accels.GetHeadPosition();
        while (accelPos) {
            const CAccelsOb* accel = command->m_Accels.GetNext(accelPos);
            if (!accel->m_bLocked)
                bindings.Add(accel->GetData());
        }
        if (bindings.IsEmpty())
            continue;
        words.Add((static_cast<DWORD>(bindings.GetSize()) << 16) | id);
        words.Append(bindings);
        ++records;
    }
    words[0] = (records << 16) | kHeadMark;
}

BOOL CAcceleratorManager::Write()
{
    CDWordArray words;
    BuildFileWords(words);
    CFile file;
    if (!file.Open(GetShortcutsPath(), CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    const DWORD count = static_cast<DWORD>(words.GetSize());
    file.Write(&kFileVersion, sizeof kFileVersion);
    file.Write(&count, sizeof count);
    file.Write(words.GetData(), count * sizeof(DWORD));
    file.Close();
    return TRUE;
}

BOOL CAcceleratorManager::Load(HKEY hRoot, LPCTSTR lpszKeyName)
{
    SetRegKey(hRoot, lpszKeyName);
    const CString path = GetShortcutsPath();
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    ReadWord(file);   // the version is not examined
    const DWORD count = ReadWord(file);
    // The count comes from outside: it may not promise more than the file holds.
    if (static_cast<ULONGLONG>(count) * sizeof(DWORD) > file.GetLength() - 2 * sizeof(DWORD))
        AfxThrowFileException(CFileException::endOfFile, -1, path);
    std::vector<DWORD> words(count);
    for (DWORD& word : words)
        word = ReadWord(file);
    file.Close();

    size_t next = 0;
    if (!words.empty() && LOWORD(words[next]) == kHeadMark) {
        const DWORD records = HIWORD(words[next++]);
        for (DWORD r = 0; r < records && next < words.size(); ++r) {
            const DWORD record = words[next++];
            const WORD id = LOWORD(record);
            const DWORD bindings = HIWORD(record);
            CCmdAccelOb* command = GetCommand(id);
            if (command)
                command->DeleteUserAccels();
            for (DWORD b = 0; b < bindings && next < words.size(); ++b) {
                const DWORD data = words[next++];
                if (!command)
                    continue;
                CAccelsOb* accel = new CAccelsOb;
                accel->SetData(data);
                command->Add(accel);
            }
        }
    }
    UpdateWndTable();
    return TRUE;
}

BOOL CAcceleratorManager::Reload()
{
    if (m_szRegKey.IsEmpty())
        return FALSE;
    return Load(m_hRegKey, m_szRegKey);
}
