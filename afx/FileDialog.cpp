#include "afx/FileDialog.h"

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace {

// Where the name part of a path starts.
int NameStart(const CString& path)
{
    for (int i = path.GetLength() - 1; i >= 0; i--) {
        const char c = path[i];
        if (c == '\\' || c == '/' || c == ':')
            return i + 1;
    }
    return 0;
}

bool IsAbsolute(LPCTSTR name)
{
    return (name[0] == '\\' && name[1] == '\\') || (name[0] != '\0' && name[1] == ':');
}

} // namespace

std::vector<char> AFXAPI AfxConvertFileFilter(LPCTSTR lpszFilter)
{
    std::vector<char> out;
    if (!lpszFilter || !*lpszFilter)
        return out;
    for (LPCTSTR p = lpszFilter; *p; p++)
        out.push_back(*p == '|' ? '\0' : *p);
    // Exactly two NULs end the list, however many "|" the text ended with.
    while (!out.empty() && out.back() == '\0')
        out.pop_back();
    out.push_back('\0');
    out.push_back('\0');
    return out;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_strFilter(lpszFilter),
      m_filter(AfxConvertFileFilter(lpszFilter)), m_fileBuffer(_MAX_PATH, '\0'), m_szFileTitle(),
      m_strDefExt(lpszDefExt)
{
    m_ofn.lStructSize = dwSize ? dwSize : sizeof(OPENFILENAME);
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpfnHook = &AfxCommDlgProc;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.data();
    m_ofn.lpstrDefExt = lpszDefExt ? static_cast<LPCTSTR>(m_strDefExt) : nullptr;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    if (lpszFileName)
        lstrcpynA(m_fileBuffer.data(), lpszFileName, static_cast<int>(m_fileBuffer.size()));
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
}

INT_PTR CFileDialog::DoModal()
{
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.lpstrFile == m_fileBuffer.data()
        && m_fileBuffer.size() < kMultiSelectBuffer) {
        m_fileBuffer.resize(kMultiSelectBuffer, '\0');
        m_ofn.lpstrFile = m_fileBuffer.data();
        m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
    }
    m_ofn.hwndOwner = PreModal();
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    PostModal();
    if (!chosen) {
        const DWORD error = ::CommDlgExtendedError();
        if (error != 0)
            TRACE("the file dialog failed: %#lx\n", error);
    }
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // The answer counts the closing NUL; a longer path than the buffer
        // is not copied, only measured, so ask again with its size.
        CString path;
        int size = _MAX_PATH;
        for (int attempt = 0; attempt < 2; attempt++) {
            const LRESULT length = ::SendMessageA(m_hWnd, CDM_GETFILEPATH, size,
                                                  reinterpret_cast<LPARAM>(path.GetBuffer(size)));
            if (length <= size) {
                path.ReleaseBuffer(length > 0 ? static_cast<int>(length) - 1 : 0);
                return path;
            }
            path.ReleaseBuffer(0);
            size = static_cast<int>(length);
        }
        return CString();
    }
    return m_ofn.lpstrFile ? CString(m_ofn.lpstrFile) : CString();
}

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    return path.Mid(NameStart(path));
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

POSITION CFileDialog::GetStartPosition() const
{
    if (!m_ofn.lpstrFile || m_ofn.lpstrFile[0] == '\0')
        return nullptr;
    return reinterpret_cast<POSITION>(m_ofn.lpstrFile);
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    ASSERT(pos != nullptr);
    LPCTSTR buffer = m_ofn.lpstrFile;
    LPCTSTR name = reinterpret_cast<LPCTSTR>(pos);
    const bool multiple = (m_ofn.Flags & OFN_ALLOWMULTISELECT) != 0;
    // One file: the buffer holds its full path and nothing after it.
    if (!multiple || buffer[lstrlenA(buffer) + 1] == '\0') {
        pos = nullptr;
        return CString(buffer);
    }
    // Several: the folder, then each name, then an empty string.
    if (name == buffer)
        name += lstrlenA(buffer) + 1;
    LPCTSTR next = name + lstrlenA(name) + 1;
    pos = *next == '\0' ? nullptr : reinterpret_cast<POSITION>(const_cast<LPTSTR>(next));
    if (IsAbsolute(name))
        return CString(name);
    CString path(buffer);
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\')
        path += '\\';
    path += name;
    return path;
}

void CFileDialog::OnInitDone()
{
}

void CFileDialog::OnFileNameChange()
{
}

void CFileDialog::OnFolderChange()
{
}

void CFileDialog::OnTypeChange()
{
}

BOOL CFileDialog::OnFileNameOK()
{
    return FALSE;
}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
    case CDN_INITDONE:
        OnInitDone();
        return TRUE;
    case CDN_SELCHANGE:
        OnFileNameChange();
        return TRUE;
    case CDN_FOLDERCHANGE:
        OnFolderChange();
        return TRUE;
    case CDN_TYPECHANGE:
        OnTypeChange();
        return TRUE;
    case CDN_FILEOK:
        *pResult = OnFileNameOK();
        return TRUE;
    default:
        return CCommonDialog::OnNotify(wParam, lParam, pResult);
    }
}
