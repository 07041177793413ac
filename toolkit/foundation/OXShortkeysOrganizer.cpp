#include "toolkit/foundation/OXShortkeysOrganizer.h"

#include "afx/Archive.h"
#include "afx/ArchiveException.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/MDIFrameWnd.h"
#include "afx/View.h"
#include "afx/WinApp.h"
#include "toolkit/foundation/OXRegistryValFile.h"

#include <vector>

IMPLEMENT_DYNAMIC(COXShortkeysOrganizer, CObject)

namespace {
const char StateValueName[] = "AcceleratorsState";
// The archive's buffer over the registry value file.
const int StateBufferSize = 4096;
// Stored sizes: a count, and one entry (flags, key, command).
const ULONGLONG StoredCountBytes = 4;
const ULONGLONG StoredEntryBytes = 5;

// Flags compared without FNOINVERT, which changes no binding.
BYTE Binding(BYTE fVirt)
{
    return static_cast<BYTE>(fVirt & ~FNOINVERT);
}

bool SameKey(const ACCEL& accel, BYTE fVirt, WORD key)
{
    return accel.key == key && Binding(accel.fVirt) == Binding(fVirt);
}

void CollectByKey(const CArray<OXACCELTABLE, OXACCELTABLE&>& tables, BYTE fVirt, WORD key,
                  CArray<ACCEL, ACCEL&>& found)
{
    for (INT_PTR t = 0; t < tables.GetSize(); ++t) {
        const CArray<ACCEL, ACCEL&>& accels = tables[t].m_accelerators;
        for (INT_PTR i = 0; i < accels.GetSize(); ++i) {
            ACCEL accel = accels[i];
            if (SameKey(accel, fVirt, key))
                found.Add(accel);
        }
    }
}
} // namespace

COXShortkeysOrganizer::COXShortkeysOrganizer()
    : m_pFrameWnd(nullptr), m_nLoadBytesLeft(0), m_bLoadAccepted(FALSE)
{
}

COXShortkeysOrganizer::~COXShortkeysOrganizer()
{
    for (INT_PTR i = 0; i < m_arrCreatedTables.GetSize(); ++i)
        ::DestroyAcceleratorTable(m_arrCreatedTables[i]);
    m_arrCreatedTables.RemoveAll();
    m_arrAccelTables.RemoveAll();
    m_arrSavedTables.RemoveAll();
}

BOOL COXShortkeysOrganizer::IsMainMDIFrame() const
{
    return m_pFrameWnd && m_pFrameWnd == AfxGetMainWnd() && m_pFrameWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
}

BOOL COXShortkeysOrganizer::CopyTable(HACCEL hAccel, CDocTemplate* pDocTemplate)
{
    int count = ::CopyAcceleratorTableA(hAccel, nullptr, 0);
    if (count <= 0)
        return FALSE;
    std::vector<ACCEL> entries(static_cast<size_t>(count));
    count = ::CopyAcceleratorTableA(hAccel, entries.data(), count);
    OXACCELTABLE table;
    table.m_pDocTemplate = pDocTemplate;
    for (int i = 0; i < count; ++i)
        table.m_accelerators.Add(entries[static_cast<size_t>(i)]);
    m_arrAccelTables.Add(table);
    return TRUE;
}

BOOL COXShortkeysOrganizer::Attach(CFrameWnd* pFrameWnd, BOOL bLoadState)
{
    if (m_pFrameWnd || !pFrameWnd)
        return FALSE;
    m_pFrameWnd = pFrameWnd;
    if (!bLoadState)
        return TRUE;
    if (m_pFrameWnd->m_hAccelTable)
        CopyTable(m_pFrameWnd->m_hAccelTable, nullptr);
    // Template tables serve the children of the application's MDI frame only.
    CWinApp* app = AfxGetApp();
    if (app && IsMainMDIFrame()) {
        POSITION pos = app->GetFirstDocTemplatePosition();
        while (pos) {
            CDocTemplate* docTemplate = app->GetNextDocTemplate(pos);
            if (docTemplate && docTemplate->m_hAccelTable)
                CopyTable(docTemplate->m_hAccelTable, docTemplate);
        }
    }
    return TRUE;
}

BOOL COXShortkeysOrganizer::Detach()
{
    m_pFrameWnd = nullptr;
    m_arrAccelTables.RemoveAll();
    m_arrSavedTables.RemoveAll();
    return TRUE;
}

OXACCELTABLE* COXShortkeysOrganizer::FindTable(CDocTemplate* pDocTemplate)
{
    for (INT_PTR t = 0; t < m_arrAccelTables.GetSize(); ++t)
        if (m_arrAccelTables[t].m_pDocTemplate == pDocTemplate)
            return &m_arrAccelTables[t];
    return nullptr;
}

const OXACCELTABLE* COXShortkeysOrganizer::FindTable(CDocTemplate* pDocTemplate) const
{
    return const_cast<COXShortkeysOrganizer*>(this)->FindTable(pDocTemplate);
}

void COXShortkeysOrganizer::FindAccelsByCommand(WORD cmd, CDocTemplate* pDocTemplate,
                                                CArray<ACCEL, ACCEL&>& found) const
{
    if (const OXACCELTABLE* table = FindTable(pDocTemplate)) {
        for (INT_PTR i = 0; i < table->m_accelerators.GetSize(); ++i) {
            ACCEL accel = table->m_accelerators[i];
            if (accel.cmd == cmd)
                found.Add(accel);
        }
    }
}

void COXShortkeysOrganizer::FindAccelsByKey(BYTE fVirt, WORD key, CArray<ACCEL, ACCEL&>& found) const
{
    CollectByKey(m_arrAccelTables, fVirt, key, found);
}

void COXShortkeysOrganizer::FindAccelsByKeyInSavedTables(BYTE fVirt, WORD key, CArray<ACCEL, ACCEL&>& found) const
{
    CollectByKey(m_arrSavedTables, fVirt, key, found);
}

WORD COXShortkeysOrganizer::FindCommandByKey(BYTE fVirt, WORD key, CDocTemplate* pDocTemplate) const
{
    if (const OXACCELTABLE* table = FindTable(pDocTemplate)) {
        for (INT_PTR i = 0; i < table->m_accelerators.GetSize(); ++i)
            if (SameKey(table->m_accelerators[i], fVirt, key))
                return table->m_accelerators[i].cmd;
    }
    return 0;
}

BOOL COXShortkeysOrganizer::AddAccelerator(BYTE fVirt, WORD key, WORD cmd, CDocTemplate* pDocTemplate,
                                           BOOL bReplace)
{
    OXACCELTABLE* table = FindTable(pDocTemplate);
    if (!table)
        return FALSE;
    if (WORD bound = FindCommandByKey(fVirt, key, pDocTemplate)) {
        if (!bReplace)
            return FALSE;
        RemoveAccelEntry(fVirt, key, bound, pDocTemplate);
    }
    ACCEL accel = { fVirt, key, cmd };
    table->m_accelerators.Add(accel);
    return TRUE;
}

BOOL COXShortkeysOrganizer::RemoveAccelEntry(BYTE fVirt, WORD key, WORD cmd, CDocTemplate* pDocTemplate)
{
    OXACCELTABLE* table = FindTable(pDocTemplate);
    if (!table)
        return FALSE;
    CArray<ACCEL, ACCEL&>& accels = table->m_accelerators;
    for (INT_PTR i = 0; i < accels.GetSize(); ++i) {
        if (accels[i].cmd != cmd || !SameKey(accels[i], fVirt, key))
            continue;
        ACCEL removed = accels[i];
        accels.RemoveAt(i);
        INT_PTR saved = 0;
        while (saved < m_arrSavedTables.GetSize() && m_arrSavedTables[saved].m_pDocTemplate != pDocTemplate)
            ++saved;
        if (saved == m_arrSavedTables.GetSize()) {
            OXACCELTABLE fresh;
            fresh.m_pDocTemplate = pDocTemplate;
            saved = m_arrSavedTables.Add(fresh);
        }
        m_arrSavedTables[saved].m_accelerators.Add(removed);
        break;
    }
    return TRUE;
}

BOOL COXShortkeysOrganizer::RemoveAccelEntry(ACCEL* pAccel, CDocTemplate* pDocTemplate)
{
    if (!pAccel)
        return FALSE;
    return RemoveAccelEntry(pAccel->fVirt, pAccel->key, pAccel->cmd, pDocTemplate);
}

BOOL COXShortkeysOrganizer::RemoveAllAccelerators(WORD cmd, CDocTemplate* pDocTemplate)
{
    if (!m_pFrameWnd)
        return FALSE;
    OXACCELTABLE* table = FindTable(pDocTemplate);
    if (!table)
        return FALSE;
    CArray<ACCEL, ACCEL&> found;
    FindAccelsByCommand(cmd, pDocTemplate, found);
    for (INT_PTR i = 0; i < found.GetSize(); ++i)
        RemoveAccelEntry(&found[i], pDocTemplate);
    return TRUE;
}

HACCEL COXShortkeysOrganizer::BuildTable(const OXACCELTABLE& table)
{
    const INT_PTR count = table.m_accelerators.GetSize();
    if (count == 0)
        return nullptr;   // no keys: no table
    std::vector<ACCEL> entries(table.m_accelerators.GetData(), table.m_accelerators.GetData() + count);
    HACCEL hAccel = ::CreateAcceleratorTableA(entries.data(), static_cast<int>(count));
    if (hAccel)
        m_arrCreatedTables.Add(hAccel);
    return hAccel;
}

BOOL COXShortkeysOrganizer::ApplyAccelTables()
{
    if (!m_pFrameWnd)
        return FALSE;
    const BOOL templates = IsMainMDIFrame();
    for (INT_PTR t = 0; t < m_arrAccelTables.GetSize(); ++t) {
        CDocTemplate* docTemplate = m_arrAccelTables[t].m_pDocTemplate;
        if (!docTemplate) {
            m_pFrameWnd->m_hAccelTable = BuildTable(m_arrAccelTables[t]);
            continue;
        }
        if (!templates)
            continue;
        HACCEL old = docTemplate->m_hAccelTable;
        HACCEL fresh = BuildTable(m_arrAccelTables[t]);
        docTemplate->m_hAccelTable = fresh;
        // The frames of open views copied the template's table when made.
        POSITION docPos = docTemplate->GetFirstDocPosition();
        while (docPos) {
            CDocument* doc = docTemplate->GetNextDoc(docPos);
            POSITION viewPos = doc ? doc->GetFirstViewPosition() : nullptr;
            while (viewPos) {
                CView* view = doc->GetNextView(viewPos);
                CFrameWnd* frame = view ? view->GetParentFrame() : nullptr;
                if (frame && frame->m_hAccelTable == old)
                    frame->m_hAccelTable = fresh;
            }
        }
    }
    m_arrSavedTables.RemoveAll();
    return TRUE;
}

void COXShortkeysOrganizer::SerializeTable(CArchive& ar, OXACCELTABLE& table)
{
    CArray<ACCEL, ACCEL&>& accels = table.m_accelerators;
    if (!ar.IsLoading()) {
        ar << static_cast<DWORD>(accels.GetSize());
        for (INT_PTR i = 0; i < accels.GetSize(); ++i)
            ar << accels[i].fVirt << accels[i].key << accels[i].cmd;
        return;
    }
    DWORD count = 0;
    ar >> count;
    m_nLoadBytesLeft -= std::min(m_nLoadBytesLeft, StoredCountBytes);
    // A count the stored bytes cannot hold is corrupt: reject it before
    // anything is allocated for it.
    if (count > m_nLoadBytesLeft / StoredEntryBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    m_nLoadBytesLeft -= count * StoredEntryBytes;
    accels.RemoveAll();
    accels.SetSize(count);
    for (DWORD i = 0; i < count; ++i)
        ar >> accels[i].fVirt >> accels[i].key >> accels[i].cmd;
}

void COXShortkeysOrganizer::Serialize(CArchive& ar)
{
    if (!ar.IsLoading()) {
        ar << static_cast<DWORD>(m_arrAccelTables.GetSize());
        for (INT_PTR t = 0; t < m_arrAccelTables.GetSize(); ++t)
            SerializeTable(ar, m_arrAccelTables[t]);
        return;
    }
    m_bLoadAccepted = FALSE;
    // The archive reads the file from where it stands now.
    CFile* file = ar.GetFile();
    m_nLoadBytesLeft = file ? file->GetLength() - file->GetPosition() : ~0ULL;
    DWORD tables = 0;
    ar >> tables;
    m_nLoadBytesLeft -= std::min(m_nLoadBytesLeft, StoredCountBytes);
    // The templates are not stored: the tables match by position only.
    if (tables != static_cast<DWORD>(m_arrAccelTables.GetSize()))
        return;
    // Read everything first, so that a failure half-way changes nothing.
    CArray<OXACCELTABLE, OXACCELTABLE&> loaded;
    loaded.SetSize(m_arrAccelTables.GetSize());
    for (INT_PTR t = 0; t < loaded.GetSize(); ++t) {
        loaded[t].m_pDocTemplate = m_arrAccelTables[t].m_pDocTemplate;
        SerializeTable(ar, loaded[t]);
    }
    m_arrAccelTables = std::move(loaded);
    m_bLoadAccepted = TRUE;
}

BOOL COXShortkeysOrganizer::ProfileKeyPath(LPCTSTR lpszProfileName, CString& path)
{
    CWinApp* app = AfxGetApp();
    if (!app || !app->m_pszRegistryKey || !app->m_pszProfileName)
        return FALSE;
    path.Format("Software\\%s\\%s", app->m_pszRegistryKey, app->m_pszProfileName);
    // An empty profile name means the application's key itself.
    if (lpszProfileName && *lpszProfileName)
        path += CString("\\") + lpszProfileName;
    return TRUE;
}

BOOL COXShortkeysOrganizer::SaveState(LPCTSTR lpszProfileName)
{
    CString path;
    if (!m_pFrameWnd || !ProfileKeyPath(lpszProfileName, path))
        return FALSE;
    try {
        COXRegistryValFile file(HKEY_CURRENT_USER, path, StateValueName);
        file.SetLength(0);
        CArchive ar(&file, CArchive::store, StateBufferSize);
        Serialize(ar);
        ar.Close();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL COXShortkeysOrganizer::LoadState(LPCTSTR lpszProfileName, BOOL bApply)
{
    CString path;
    if (!m_pFrameWnd || !ProfileKeyPath(lpszProfileName, path))
        return FALSE;
    try {
        COXRegistryValFile file(HKEY_CURRENT_USER, path, StateValueName);
        if (file.GetLength() != 0) {
            CArchive ar(&file, CArchive::load, StateBufferSize);
            Serialize(ar);
            ar.Close();
            if (!m_bLoadAccepted)
                return FALSE;
        }
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return bApply ? ApplyAccelTables() : TRUE;
}
