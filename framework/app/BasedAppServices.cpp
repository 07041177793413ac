// The application's services beside start-up and the message boxes: the
// recent-file menu, the document backup, downloads, text files, numbered
// folders, the hand-over to the family application and the appending log.
#include "framework/app/BasedApp.h"

#include "afx/CmdUI.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/Internet.h"
#include "afx/RecentFileList.h"
#include "afx/StdioFile.h"
#include "afx/Time.h"
#include "framework/util/FileFunctions.h"
#include "framework/util/FileHandle.h"
#include "framework/util/Path.h"

#include <memory>
#include <new>
#include <stdlib.h>

namespace {

// The download's text is bounded: reading stops once this many bytes have
// arrived, and one more block can never overrun the buffer.
const int DownloadBufferSize = 10000000;
const int DownloadReadLimit = 9998001;
const UINT DownloadBlock = 1000;

// Reload and no-cache: a download always goes to the server.
const DWORD DownloadFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE;

// Windows of the family application carry this in their title.
const char FamilyTitle[] = "Pellucine";
// The data kind of the hand-over and the answer that means "taken".
const ULONG_PTR FamilyDataKind = 1;
const LRESULT FamilyAccepted = 5;
const int FamilyTitleLength = 4999;

const int FolderNumberDigits = 5;

HWND MainWindowHandle()
{
    CWnd* main = AfxGetMainWnd();
    return main ? main->GetSafeHwnd() : nullptr;
}

// Objects of the internet layer are closed and freed on every way out.
template <class T>
struct InternetCloser
{
    void operator()(T* object) const
    {
        object->Close();
        delete object;
    }
};
template <class T>
using InternetPtr = std::unique_ptr<T, InternetCloser<T>>;

} // namespace

void CBasedApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (!m_pRecentFileList) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CBasedApp::OnClearRecentFiles()
{
    if (!m_pRecentFileList)
        return;
    for (int i = 0; i < m_pRecentFileList->GetSize(); ++i)
        (*m_pRecentFileList)[i].Empty();
}

void CBasedApp::OnUpdateClearRecentFiles(CCmdUI*)
{
    // Always available: clearing an empty list does no harm.
}

BOOL CBasedApp::ChooseBackupFolder(CString& folder)
{
    return BrowseForFolder(folder, "Select backup folder");
}

void CBasedApp::OnBackupDocument()
{
    CWnd* main = AfxGetMainWnd();
    CFrameWnd* frame = main && main->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(main) : nullptr;
    CDocument* document = frame ? frame->GetActiveDocument() : nullptr;
    if (!document)
        return;
    if (document->GetPathName().IsEmpty()) {
        WarningMessage("Now document not saved to disk.", "Warning");
        return;
    }
    CString folder = GetProfileString("CommonSettings", "BackupFolder", GetAppFolder());
    if (!ChooseBackupFolder(folder))
        return;
    WriteProfileString("CommonSettings", "BackupFolder", folder);
    if (!document->SaveModified())
        return;

    const CString source = document->GetPathName();
    CPath path(source, FALSE, FALSE);
    CString target = folder;
    // A drive root comes back from the chooser with its backslash already.
    if (target.IsEmpty() || target[target.GetLength() - 1] != '\\')
        target += '\\';
    target += path.GetFileName();
    // A failed copy is not reported: the backup is a convenience.
    ::CopyFileA(source, target, FALSE);
}

CString CBasedApp::DownloadUrl(CString url, CString filePath)
{
    CInternetSession session(GetProgramPath(), 1, PRE_CONFIG_INTERNET_ACCESS);

    std::unique_ptr<char[]> buffer(new (std::nothrow) char[DownloadBufferSize]);
    if (!buffer)
        throw CString("Not enough memory");

    DWORD service = 0;
    CString server, object;
    INTERNET_PORT port = 0;
    if (!AfxParseURL(url, service, server, object, port))
        throw CString("Can't load ") + url;

    DWORD flags = DownloadFlags;
    if (url.Find("https://") >= 0)
        flags |= INTERNET_FLAG_SECURE;

    int total = 0;
    try {
        InternetPtr<CHttpConnection> connection(session.GetHttpConnection(server, port));
        InternetPtr<CHttpFile> request(connection->OpenRequest(HTTP_VERB_GET, object,
                                                               GetWebSite(), 1, nullptr, nullptr, flags));
        if (!request->SendRequest())
            throw CString("Can't load ") + url;
        DWORD status = 0;
        request->QueryInfoStatusCode(status);
        // A server that hangs up without answering leaves status 0: nothing
        // was loaded, whatever the send call said.
        if (status == 0)
            throw CString("Can't load ") + url;
        // An error page is not the resource asked for.
        if (status >= 400) {
            CString message;
            message.Format("Error %lu on %s", status, (LPCTSTR)url);
            throw message;
        }
        while (total < DownloadReadLimit) {
            const UINT got = request->Read(buffer.get() + total, DownloadBlock);
            if (got == 0)
                break;
            total += static_cast<int>(got);
        }
    } catch (CInternetException* e) {
        e->Delete();
        throw CString("Can't load ") + url;
    }
    buffer[total] = '\0';
    CString result(buffer.get());
    buffer.reset();

    if (!filePath.IsEmpty()) {
        // The text goes through the file; when the file cannot be written the
        // downloaded text stays the answer rather than an empty one.
        if (WriteTextFile(filePath, result, TRUE))
            result = LoadTextFile(filePath, TRUE);
        DeleteFolderOrFile(filePath);
    }
    session.Close();
    return result;
}

BOOL CBasedApp::WriteTextFile(CString path, CString text, BOOL useFileHandle)
{
    if (useFileHandle) {
        try {
            CFileHandle file(path);
            file.OpenWrite();
            file.WriteText(text);
            file.Close();
        } catch (CString&) {
            return FALSE;
        }
        return TRUE;
    }
    CStdioFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText))
        return FALSE;
    try {
        file.WriteString(text);
        file.Close();
    } catch (CString&) {
        return FALSE;
    } catch (CFileException* e) {
        // A disk that fills up must not pass for a written file.
        e->Delete();
        file.Abort();
        return FALSE;
    }
    return TRUE;
}

CString CBasedApp::LoadTextFile(CString path, BOOL useFileHandle)
{
    if (useFileHandle) {
        try {
            CFileHandle file(path);
            file.OpenRead();
            CString text = file.ReadAllText();
            file.Close();
            return text;
        } catch (CString&) {
            return CString();
        }
    }
    CString text;
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText))
        return text;
    try {
        CString line;
        while (file.ReadString(line))
            text += line + "\r\n";
        file.Close();
    } catch (CString&) {
    }
    return text;
}

BOOL CBasedApp::GetNextFolderNumber(CString folder, CString& result)
{
    const DWORD attributes = ::GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return FALSE;
    if (folder[folder.GetLength() - 1] != '\\')
        folder += '\\';
    try {
        // The listing order depends on the file system (not sorted on every
        // one), so the highest number is looked for rather than the last
        // name listed: the next folder must never reuse an existing number.
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA(folder + "*.*", &found);
        bool any = false;
        long highest = 0;
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    continue;
                if (lstrcmpA(found.cFileName, ".") == 0 || lstrcmpA(found.cFileName, "..") == 0)
                    continue;
                const long value = atol(found.cFileName);
                if (!any || value > highest)
                    highest = value;
                any = true;
            } while (::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        const long next = any ? highest + 1 : 0;
        result.Format("%0*ld", FolderNumberDigits, next);
    } catch (CException* e) {
        e->Delete();
        ::MessageBoxA(MainWindowHandle(), "Error in GetSizeFolderOrFile", "catch", MB_ICONSTOP | MB_OK);
        return FALSE;
    }
    return TRUE;
}

void CBasedApp::SendToPellucine(CString text)
{
    const HWND from = MainWindowHandle();
    HWND window = from ? ::GetWindow(from, GW_HWNDFIRST) : ::GetTopWindow(nullptr);
    for (; window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER))
            continue;
        char title[FamilyTitleLength + 1] = "";
        ::GetWindowTextA(window, title, sizeof title);
        if (!strstr(title, FamilyTitle))
            continue;
        COPYDATASTRUCT data = {};
        data.dwData = FamilyDataKind;
        data.cbData = static_cast<DWORD>(text.GetLength() + 1);
        data.lpData = const_cast<LPSTR>(static_cast<LPCSTR>(text));
        if (::SendMessageA(window, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data))
            == FamilyAccepted)
            return;
    }
    ::MessageBoxA(from,
                  "Launch Pellucine first, please.\r\nYou should have Pellucine up and running in order to use "
                  "this feature.",
                  "Launch Pellucine, please", MB_OK);
}

void CBasedApp::WriteLogLine(CString text, CString fileName)
{
    const CString line = CTime::GetCurrentTime().Format("%c") + "> " + text + "\r\n";
    CFileHandle file(GetAppFolder() + fileName);
    file.OpenAppend();
    file.WriteText(line);
    file.Close();
}
