#include "TempFolder.h"

#include <string.h>

namespace {
void RemoveTree(const CString& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path + "\\*", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!strcmp(found.cFileName, ".") || !strcmp(found.cFileName, ".."))
                continue;
            CString child = path + "\\" + found.cFileName;
            SetFileAttributesA(child, FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path);
}
}

TempFolder::TempFolder() : m_path()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    static LONG counter = 0;
    for (;;) {
        CString candidate;
        candidate.Format("%slxf-files-%lu-%ld", temp, GetCurrentProcessId(), InterlockedIncrement(&counter));
        if (CreateDirectoryA(candidate, nullptr)) {
            m_path = candidate;
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    RemoveTree(m_path);
}

CString TempFolder::operator/(LPCSTR name) const
{
    return m_path + "\\" + name;
}

void TempFolder::WriteFile(LPCSTR name, const void* bytes, size_t count) const
{
    HANDLE file = CreateFileA(*this / name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr);
    CloseHandle(file);
}

void TempFolder::WriteFile(LPCSTR name, LPCSTR text) const
{
    WriteFile(name, text, strlen(text));
}

CString TempFolder::ReadFile(LPCSTR name) const
{
    CString content;
    HANDLE file = CreateFileA(*this / name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read)
        content.Append(buffer, static_cast<int>(read));
    CloseHandle(file);
    return content;
}
