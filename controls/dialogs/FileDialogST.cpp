#include "controls/dialogs/FileDialogST.h"

#include "afx/Wnd.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>

namespace {

// "Выберете путь": the folder chooser's title when the caller gives none.
const char kDefaultFolderTitle[] = "\xC2\xFB\xE1\xE5\xF0\xE5\xF2\xE5 \xEF\xF3\xF2\xFC";

int CALLBACK BrowseCallback(HWND hwnd, UINT uMsg, LPARAM, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED && lpData)
        ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, lpData);
    return 0;
}

} // namespace

void CFileDialogST::CopyBounded(char* pDest, size_t size, LPCTSTR lpszSource)
{
    if (size == 0)
        return;
    size_t n = 0;
    if (lpszSource)
        while (n + 1 < size && lpszSource[n])
        {
            pDest[n] = lpszSource[n];
            ++n;
        }
    pDest[n] = '\0';
}

CFileDialogST::CFileDialogST(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                             LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_sTitle(kDefaultFolderTitle), m_bOpenFileDialog(bOpenFileDialog), m_szFile(), m_szFileTitle(),
      m_szSelectedFolder()
{
    // The record's size is that of the structure this build passes, so the
    // dialog reads no field past its end on either word size.
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = PathBufferSize;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = PathBufferSize;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFilter = lpszFilter;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    m_ofn.hInstance = AfxGetInstanceHandle();
    // A longer name is cut to the buffer and still ends in a terminator.
    CopyBounded(m_szFile, sizeof(m_szFile), lpszFileName);
}

INT_PTR CFileDialogST::DoModal()
{
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialogST::GetPathName() const
{
    // A multiple selection in explorer mode holds the folder first; the
    // first name follows it.
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.nFileOffset > 0 &&
        m_szFile[m_ofn.nFileOffset - 1] == '\0')
    {
        POSITION pos = GetStartPosition();
        return GetNextPathName(pos);
    }
    return CString(m_szFile);
}

CString CFileDialogST::GetFileName() const
{
    return CString(m_szFileTitle);
}

CString CFileDialogST::GetFileTitle() const
{
    char name[_MAX_FNAME] = {};
    _splitpath(GetPathName(), nullptr, nullptr, name, nullptr);
    return CString(name);
}

CString CFileDialogST::GetFileExt() const
{
    char ext[_MAX_EXT] = {};
    _splitpath(GetPathName(), nullptr, nullptr, nullptr, ext);
    return CString(ext);
}

CString CFileDialogST::GetFileDir() const
{
    char drive[_MAX_DRIVE] = {};
    char dir[_MAX_DIR] = {};
    _splitpath(GetPathName(), drive, dir, nullptr, nullptr);
    CString result(drive);
    result += dir;
    return result;
}

CString CFileDialogST::GetFileDrive() const
{
    char drive[_MAX_DRIVE] = {};
    _splitpath(GetPathName(), drive, nullptr, nullptr, nullptr);
    return CString(drive);
}

POSITION CFileDialogST::GetStartPosition() const
{
    return m_szFile[0] ? reinterpret_cast<POSITION>(const_cast<char*>(m_szFile)) : nullptr;
}

namespace {

// The end of the entry at p: its separator or the text's terminator.
const char* EntryEnd(const char* p, const char* end, char separator)
{
    while (p < end && *p && *p != separator)
        ++p;
    return p;
}

} // namespace

CString CFileDialogST::GetNextPathName(POSITION& pos) const
{
    // Explorer mode separates the entries by terminators and ends the list
    // with an empty one; the old style separates them by blanks.
    const char separator = (m_ofn.Flags & OFN_EXPLORER) ? '\0' : ' ';
    const char* end = m_szFile + sizeof(m_szFile);
    const char* cur = reinterpret_cast<const char*>(pos);
    pos = nullptr;
    if (!cur || cur < m_szFile || cur >= end)
        return CString();

    // The first entry is the folder; alone, it is the whole path.
    const char* firstEnd = EntryEnd(m_szFile, end, separator);
    if (firstEnd + 1 >= end || *firstEnd != separator || firstEnd[1] == '\0')
        return CString(m_szFile);
    if (cur == m_szFile)
        cur = firstEnd + 1;

    const char* nameEnd = EntryEnd(cur, end, separator);
    CString name(cur, static_cast<int>(nameEnd - cur));
    if (nameEnd + 1 < end && *nameEnd == separator && nameEnd[1] != '\0')
        pos = reinterpret_cast<POSITION>(const_cast<char*>(nameEnd + 1));

    CString path(m_szFile, static_cast<int>(firstEnd - m_szFile));
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\')
        path += '\\';
    return path + name;
}

int CFileDialogST::SelectFolder(LPCTSTR lpszTitle, LPCTSTR lpszStartPath, UINT ulFlags, CWnd* pParentWnd)
{
    if (lpszTitle)
        m_sTitle = lpszTitle;
    BROWSEINFOA bi = {};
    bi.hwndOwner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    bi.lpszTitle = m_sTitle;
    bi.ulFlags = ulFlags;
    bi.lpfn = BrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(lpszStartPath);
    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&bi);
    if (!pidl)
        return IDCANCEL;
    char path[MAX_PATH] = {};
    const BOOL ok = ::SHGetPathFromIDListA(pidl, path);
    ::CoTaskMemFree(pidl);
    if (!ok)
        return IDCANCEL;
    CopyBounded(m_szSelectedFolder, sizeof(m_szSelectedFolder), path);
    return IDOK;
}
