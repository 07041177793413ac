#include "afx/RecentFileList.h"

#include "afx/CmdUI.h"
#include "afx/WinApp.h"

#include <string.h>

namespace {

CString FullPath(LPCTSTR path)
{
    char full[MAX_PATH * 2];
    LPSTR filePart = nullptr;
    const DWORD length = ::GetFullPathNameA(path, sizeof full, full, &filePart);
    if (length == 0 || length >= sizeof full)
        return CString(path);
    return CString(full);
}

bool SamePath(const CString& a, const CString& b)
{
    return lstrcmpiA(a, b) == 0;
}

// The path shortened to at most maxLength characters by putting "..." for
// folders between the first part and the file name; the name itself stays
// whole unless even "name" alone is too long and atLeastName is set.
CString Abbreviate(const CString& path, int maxLength, BOOL atLeastName)
{
    if (path.GetLength() <= maxLength)
        return path;
    const int nameStart = path.ReverseFind('\\') + 1;
    CString name = path.Mid(nameStart);
    if (name.GetLength() + 4 > maxLength || nameStart == 0)
        return atLeastName ? name : CString();
    // Keep the root ("C:\" or "\\server\share\") and as little else as fits.
    int rootEnd = path.Find('\\');
    if (path.Left(2) == "\\\\") {
        rootEnd = path.Find('\\', 2);
        if (rootEnd >= 0)
            rootEnd = path.Find('\\', rootEnd + 1);
    }
    if (rootEnd < 0)
        return name;
    CString head = path.Left(rootEnd + 1);
    CString result = head + "...\\" + name;
    if (result.GetLength() > maxLength)
        return "...\\" + name;
    return result;
}

} // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nSize(nSize), m_arrNames(), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen), m_strOriginal()
{
    ASSERT(nSize > 0);
    m_arrNames.SetSize(nSize);
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    ASSERT(lpszPathName != nullptr);
    const CString path = FullPath(lpszPathName);
    int found = m_nSize - 1;
    for (int i = 0; i < m_nSize; ++i) {
        if (SamePath(m_arrNames[i], path)) {
            found = i;
            break;
        }
    }
    // Everything above the old place (or the whole list) moves down one.
    for (int i = found; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = path;
}

void CRecentFileList::Remove(int nIndex)
{
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; ++i)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    const CString& path = m_arrNames[nIndex];
    if (path.IsEmpty())
        return FALSE;
    // A file in the current folder shows by its bare name.
    if (lpszCurDir && nCurDir > 0 && path.GetLength() > nCurDir
        && _strnicmp(path, lpszCurDir, static_cast<size_t>(nCurDir)) == 0
        && strchr(static_cast<LPCSTR>(path) + nCurDir, '\\') == nullptr) {
        strName = path.Mid(nCurDir);
        return TRUE;
    }
    strName = Abbreviate(path, m_nMaxDisplayLength, bAtLeastName);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    if (!pCmdUI->m_hMenu) {
        if (m_arrNames[0].IsEmpty())
            pCmdUI->Enable(FALSE);
        return;
    }
    HMENU menu = pCmdUI->m_hMenu;
    if (m_strOriginal.IsEmpty()) {
        char text[256] = "";
        ::GetMenuStringA(menu, pCmdUI->m_nID, text, sizeof text, MF_BYCOMMAND);
        m_strOriginal = text;
    }
    if (m_arrNames[0].IsEmpty()) {
        // Files listed before the list was emptied must not stay in the menu.
        for (int i = 1; i < m_nSize; ++i)
            ::DeleteMenu(menu, pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        pCmdUI->m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(menu));
        return;
    }

    for (int i = 0; i < m_nSize; ++i)
        ::DeleteMenu(menu, pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);

    char currentDir[MAX_PATH + 1];
    const DWORD dirLength = ::GetCurrentDirectoryA(sizeof currentDir, currentDir);
    if (dirLength == 0 || dirLength >= MAX_PATH)
        return;
    lstrcatA(currentDir, "\\");
    const int curDir = lstrlenA(currentDir);

    CString name;
    for (int i = 0; i < m_nSize; ++i) {
        if (!GetDisplayName(name, i, currentDir, curDir))
            break;
        // A lone "&" would underline the next letter: double each one.
        CString escaped;
        for (LPCSTR p = name; *p;) {
            if (::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) {
                escaped += p[0];
                escaped += p[1];
                p += 2;
                continue;
            }
            if (*p == '&')
                escaped += '&';
            escaped += *p++;
        }
        const int number = static_cast<int>((m_nStart + static_cast<UINT>(i) + 1) % 16);
        CString text;
        if (number < 10)
            text.Format("&%d %s", number, (LPCSTR)escaped);
        else if (number == 10)
            text.Format("1&0 %s", (LPCSTR)escaped);
        else
            text.Format("%d %s", number, (LPCSTR)escaped);
        ::InsertMenuA(menu, pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++, text);
    }
    // The update goes on after the last item made here.
    pCmdUI->m_nIndex--;
    pCmdUI->m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(menu));
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    CString entry;
    for (int i = 0; i < m_nSize; ++i) {
        entry.Format(m_strEntryFormat, i + 1);
        m_arrNames[i] = app->GetProfileString(m_strSectionName, entry);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    // Entries of a longer earlier list must not come back: the section is
    // written afresh.
    app->WriteProfileString(m_strSectionName, nullptr, nullptr);
    CString entry;
    for (int i = 0; i < m_nSize; ++i) {
        if (m_arrNames[i].IsEmpty())
            continue;
        entry.Format(m_strEntryFormat, i + 1);
        app->WriteProfileString(m_strSectionName, entry, m_arrNames[i]);
    }
}
