#include "framework/util/FileFunctions.h"

#include "controls/dialogs/FileDialogST.h"
#include "controls/menu/BCMenu.h"
#include "framework/util/Path.h"
#include "afx/Exception.h"
#include "afx/StdioFile.h"
#include "afx/Thread.h"
#include "afx/Wnd.h"

#include <shlobj.h>
#include <shellapi.h>
#include <vector>

namespace {
// Buffers of the system queries, in characters.
const int kTempPathLength = 255;
const int kComputerNameLength = 255;
// The shell's icon chooser, exported by ordinal only.
const WORD kPickIconOrdinal = 62;
// The folder chooser's flags: file-system folders only, an edit box, the
// resizable dialog.
const UINT kBrowseFlags = 0x49;

bool IsFolder(DWORD attributes)
{
    // INVALID_FILE_ATTRIBUTES has every bit set, the folder bit included.
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct FolderEntry
{
    CString name;
    DWORD attributes;
};

// The entries of a folder other than "." and "..", listed whole before the
// caller walks them, so that the walk may change the folder.
std::vector<FolderEntry> ListFolder(const CString& folder)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(AddTrailingSlash(folder) + "*.*", &data);
    if (find == INVALID_HANDLE_VALUE)
        return entries;
    do
    {
        if (strcmp(data.cFileName, ".") != 0 && strcmp(data.cFileName, "..") != 0)
            entries.push_back(FolderEntry{ data.cFileName, data.dwFileAttributes });
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return entries;
}

void ReportCaught(LPCSTR text)
{
    ::MessageBoxA(GetThreadMainWindow(), text, "catch", MB_OK | MB_ICONERROR);
}

int SizeOf(const CString& path)
{
    if (!IsFolder(::GetFileAttributesA(path)))
    {
        CPath file(path, FALSE, FALSE);
        unsigned long long size = 0;
        file.GetFileSize(size);
        return static_cast<int>(size);
    }
    int total = 0;
    for (const FolderEntry& entry : ListFolder(path))
        total += SizeOf(RemoveTrailingSlash(path) + "\\" + entry.name);
    return total;
}

void DeleteTree(const CString& path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    if (!IsFolder(attributes))
    {
        ::DeleteFileA(path);
        return;
    }
    // A junction or symbolic link to a folder: following it would delete
    // what it points to, which is not ours to delete.
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    {
        for (const FolderEntry& entry : ListFolder(path))
            DeleteTree(RemoveTrailingSlash(path) + "\\" + entry.name);
    }
    ::RemoveDirectoryA(path);
}

void ListFiles(const CString& path, CStringArray& files, BOOL recurse, BOOL foldersOnly)
{
    if (!IsFolder(::GetFileAttributesA(path)))
    {
        if (!foldersOnly)
            files.Add(path);
        return;
    }
    const CString folder = AddTrailingSlash(path);
    for (const FolderEntry& entry : ListFolder(folder))
    {
        const CString full = folder + entry.name;
        if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            if (recurse)
                ListFiles(full, files, recurse, foldersOnly);
            files.Add(full);
        }
        else if (!foldersOnly)
        {
            files.Add(full);
        }
    }
}

bool IsNtPlatform()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ::GetVersionExA(&info);
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

typedef int(WINAPI* PickIconProc)(HWND, LPVOID, UINT, int*);

// Calls the chooser, or returns 0 when the shell lacks it.
template <class F>
int WithPickIcon(F call)
{
    HMODULE shell = ::LoadLibraryA("shell32.dll");
    if (!shell)
        return 0;
    int result = 0;
    FARPROC proc = ::GetProcAddress(shell, MAKEINTRESOURCEA(kPickIconOrdinal));
    if (proc)
        result = call(reinterpret_cast<PickIconProc>(reinterpret_cast<void (*)()>(proc)));
    ::FreeLibrary(shell);
    return result;
}
}

HWND GetThreadMainWindow()
{
    CWinThread* thread = AfxGetThread();
    CWnd* main = thread ? thread->GetMainWnd() : nullptr;
    return main ? main->m_hWnd : nullptr;
}

// Whole files ----------------------------------------------------------------

CString ReadTextFile(const CString& path)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText))
        return "No file";
    CString text;
    CString line;
    try
    {
        while (file.ReadString(line))
            text += line + "\r\n";
    }
    catch (CException* e)
    {
        e->Delete();
    }
    file.Close();
    return text;
}

BOOL SaveGlobalMemoryToFile(HGLOBAL memory, const CString& path)
{
    if (!memory)
        return FALSE;
    HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        ::MessageBoxA(nullptr, "Unable to create file", nullptr, MB_OK);
        return FALSE;
    }
    const DWORD size = static_cast<DWORD>(::GlobalSize(memory));
    const void* bytes = ::GlobalLock(memory);
    DWORD written = 0;
    const BOOL ok = bytes && ::WriteFile(file, bytes, size, &written, nullptr) && written == size;
    if (bytes)
        ::GlobalUnlock(memory);
    ::CloseHandle(file);
    if (!ok)
    {
        ::MessageBoxA(nullptr, "Unable to read file", nullptr, MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL IsFileExisting(const CString& path)
{
    if (path.IsEmpty())
        return FALSE;
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// Folders --------------------------------------------------------------------

int GetSizeFolderOrFile(const CString& path)
{
    try
    {
        return SizeOf(path);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    ReportCaught("Error in GetSizeFolderOrFile");
    return 0;
}

CString FormatFileSize(const CString& path, BOOL shortForm)
{
    const int size = GetSizeFolderOrFile(path);
    CString text;
    if (size < 1024)
    {
        text.Format("%d bytes", size);
        return text;
    }
    const float kilo = static_cast<float>(size) / 1024.0f;
    const float mega = kilo / 1024.0f;
    const bool inKilo = size < 1048576;
    if (shortForm)
        text.Format(inKilo ? "%.3f Kb" : "%.3f Mb", static_cast<double>(inKilo ? kilo : mega));
    else
        text.Format(inKilo ? "%.3f Kb (%d bytes)" : "%.3f Mb (%d bytes)",
                    static_cast<double>(inKilo ? kilo : mega), size);
    return text;
}

void DeleteFolderOrFile(const CString& path)
{
    try
    {
        DeleteTree(path);
        return;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    ReportCaught("Error in DeleteFolderOrFile");
}

BOOL GetAllFilesInThisFolder(const CString& path, CStringArray& files, BOOL recurse,
                             BOOL foldersOnly)
{
    try
    {
        ListFiles(path, files, recurse, foldersOnly);
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    ReportCaught("Error in GetAllFilesInThisFolder");
    return TRUE;
}

BOOL GetAllFilesSorted(const CString& path, CStringArray& files, BOOL recurse, BOOL foldersOnly)
{
    GetAllFilesInThisFolder(path, files, recurse, foldersOnly);
    const INT_PTR count = files.GetSize();
    for (INT_PTR i = 0; i < count; ++i)
    {
        INT_PTR smallest = i;
        for (INT_PTR j = i + 1; j < count; ++j)
        {
            if (files[j].Compare(files[smallest]) < 0)
                smallest = j;
        }
        if (smallest != i)
            std::swap(files[i], files[smallest]);
    }
    return TRUE;
}

BOOL IsDriveRoot(const CString& path)
{
    for (char letter = 'A'; letter <= 'Y'; ++letter)
    {
        CString single;
        single.Format("%c:\\", letter);
        if (path == single || path == single + "\\")
            return TRUE;
    }
    return FALSE;
}

CString GetFileNameFromPath(const CString& path)
{
    const int slash = path.ReverseFind('\\');
    return slash < 0 ? CString() : path.Mid(slash + 1);
}

CString GetFileExt(const CString& path)
{
    const int dot = path.ReverseFind('.');
    return dot < 0 ? CString() : path.Mid(dot + 1);
}

CString GetProgramFolder()
{
    // The help file lives beside the program, so the module's own folder is it.
    char module[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    CString folder(module);
    return folder.Left(folder.ReverseFind('\\') + 1);
}

CString GetTempFolder()
{
    char buffer[kTempPathLength + 1] = {};
    ::GetTempPathA(kTempPathLength, buffer);
    return buffer;
}

CString GetSpecialFolderPath(int folderId)
{
    char buffer[MAX_PATH + 1] = {};
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, folderId, &items)) && items)
    {
        ::SHGetPathFromIDListA(items, buffer);
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(::SHGetMalloc(&allocator)) && allocator)
        {
            allocator->Free(items);
            allocator->Release();
        }
    }
    return buffer;
}

// System and shell -----------------------------------------------------------

CString GetComputerNameText()
{
    char buffer[kComputerNameLength + 1] = {};
    DWORD length = kComputerNameLength;
    if (!::GetComputerNameA(buffer, &length))
        return "Unknown";
    return buffer;
}

int GetWinVersionCode()
{
    // Codes: 0 old 9x; 1 NT, other; 2 9x 4+, other; 3 9x 4.10; 4 9x 4.90;
    // 5 NT 4; 6 NT 5.0; 7 NT 5.1.
    const DWORD version = ::GetVersion();
    const bool nt = (version & 0x80000000) == 0;
    if (!nt && LOBYTE(LOWORD(version)) < 4)
        return 0;
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ::GetVersionExA(&info);   // a failure reads as version 0.0
    return BCMenu::ClassifyWindows(version, info.dwMajorVersion, info.dwMinorVersion);
}

namespace {
// Computed once, before the application's own initialisation, where the
// owner-drawn menus read it.
const int g_nWinVersionCode = (BCMenu::windowsClass = GetWinVersionCode());
} // namespace

int PickIconDialogA(HWND owner, LPSTR path, UINT pathLength, int* iconIndex)
{
    return WithPickIcon([&](PickIconProc pick) {
        if (!IsNtPlatform())
            return pick(owner, path, pathLength, iconIndex);
        std::vector<WCHAR> wide(pathLength + 1);
        ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), static_cast<int>(pathLength));
        const int result = pick(owner, wide.data(), pathLength, iconIndex);
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, path, static_cast<int>(pathLength),
                              nullptr, nullptr);
        return result;
    });
}

int PickIconDialogW(HWND owner, LPWSTR path, UINT pathLength, int* iconIndex)
{
    return WithPickIcon([&](PickIconProc pick) {
        if (IsNtPlatform())
            return pick(owner, path, pathLength, iconIndex);
        std::vector<char> narrow(pathLength + 1);
        ::WideCharToMultiByte(CP_ACP, 0, path, -1, narrow.data(), static_cast<int>(pathLength),
                              nullptr, nullptr);
        const int result = pick(owner, narrow.data(), pathLength, iconIndex);
        ::MultiByteToWideChar(CP_ACP, 0, narrow.data(), -1, path, static_cast<int>(pathLength));
        return result;
    });
}

BOOL ShowFileProperties(const CString& path)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = GetThreadMainWindow();
    info.lpVerb = "properties";
    info.lpFile = path;
    info.nShow = SW_SHOW;
    ::ShellExecuteExA(&info);
    return TRUE;
}

BOOL BrowseForFolder(CString& folder, LPCSTR title)
{
    CFileDialogST chooser(TRUE);
    const CString start = folder;
    if (chooser.SelectFolder(title, start, kBrowseFlags, CWnd::FromHandle(GetThreadMainWindow())) != IDOK)
        return FALSE;
    folder = chooser.GetSelectedFolder();
    return TRUE;
}
