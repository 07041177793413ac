#include "TestFiles.h"

#include <shellapi.h>
#include <stdio.h>

namespace {
void RemoveTree(const CString& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(folder + "*", &data);
    if (find != INVALID_HANDLE_VALUE)
    {
        do
        {
            const CString name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const CString full = folder + name;
            ::SetFileAttributesA(full, FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full + "\\");
            else
                ::DeleteFileA(full);
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(folder);
}
}

CScratchFolder::CScratchFolder() : m_path()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    static int s_counter = 0;
    m_path.Format("%slexifern-util-%lu-%d\\", temp, ::GetCurrentProcessId(), ++s_counter);
    RemoveTree(m_path);
    ::CreateDirectoryA(m_path, nullptr);
}

CScratchFolder::~CScratchFolder()
{
    RemoveTree(m_path);
}

CString WriteBytes(const CString& path, const std::string& bytes)
{
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    DWORD written = 0;
    if (h != INVALID_HANDLE_VALUE)
    {
        ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(h);
    }
    return path;
}

std::string ReadBytes(const CString& path)
{
    std::string bytes;
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(h);
    return bytes;
}
