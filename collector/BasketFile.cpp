#include "collector/BasketFile.h"

#include <algorithm>

namespace
{
// Closes a Win32 file handle when the scope ends.
class CScopedHandle
{
public:
    explicit CScopedHandle(HANDLE handle) : m_handle(handle) {}
    ~CScopedHandle() { Close(); }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    BOOL IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    BOOL Close()
    {
        if (!IsValid())
            return TRUE;
        const BOOL ok = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_handle;
};

CString SystemMessage(DWORD code)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    CString text;
    if (length != 0 && buffer != nullptr)
    {
        text.SetString(buffer, static_cast<int>(length));
        text.TrimRight("\r\n .");
    }
    if (buffer != nullptr)
        LocalFree(buffer);
    if (text.IsEmpty())
        text.Format("error %lu", static_cast<unsigned long>(code));
    return text;
}

CString SaveError(const CString& path, DWORD code)
{
    CString error;
    error.Format("Can't write \"%s\": %s", (LPCTSTR)path, (LPCTSTR)SystemMessage(code));
    return error;
}

CString FolderOf(const CString& path)
{
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return slash >= 0 ? path.Left(slash + 1) : CString(".\\");
}

BOOL WriteAll(HANDLE file, LPCSTR data, int length)
{
    while (length > 0)
    {
        DWORD written = 0;
        if (!WriteFile(file, data, static_cast<DWORD>(length), &written, nullptr) || written == 0)
            return FALSE;
        data += written;
        length -= static_cast<int>(written);
    }
    return TRUE;
}
}

CBasketFile::CBasketFile(LPCTSTR path)
    : m_strPath(path)
{
}

CString CBasketFile::PathInFolder(LPCTSTR folder)
{
    CString path(folder);
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\' && path[path.GetLength() - 1] != '/')
        path += '\\';
    return path + kBasketFileName;
}

BOOL CBasketFile::Load(CString& text) const
{
    CScopedHandle file(CreateFileA(m_strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return FALSE;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFF0)
        return FALSE;
    CString content;
    const int length = static_cast<int>(size.QuadPart);
    char* buffer = content.GetBuffer(length);
    int done = 0;
    while (done < length)
    {
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer + done, static_cast<DWORD>(length - done), &got, nullptr))
            return FALSE;
        if (got == 0)
            break;
        done += static_cast<int>(got);
    }
    content.ReleaseBuffer(done);
    text = content;
    return TRUE;
}

BOOL CBasketFile::Save(const CString& text, CString& error) const
{
    // Replacing a file by renaming would pass over its read-only mark on some
    // systems; a Basket the user has locked stays as it is.
    const DWORD attributes = GetFileAttributesA(m_strPath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    {
        error = SaveError(m_strPath, ERROR_ACCESS_DENIED);
        return FALSE;
    }
    char temp[MAX_PATH];
    if (GetTempFileNameA(FolderOf(m_strPath), "bsk", 0, temp) == 0)
    {
        error = SaveError(m_strPath, GetLastError());
        return FALSE;
    }
    bool failed = false;
    DWORD code = ERROR_SUCCESS;
    {
        CScopedHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid() || !WriteAll(file.Get(), text, text.GetLength())
            || !FlushFileBuffers(file.Get()) || !file.Close())
        {
            failed = true;
            code = GetLastError();
        }
    }
    if (!failed && !MoveFileExA(temp, m_strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        failed = true;
        code = GetLastError();
    }
    if (failed)
    {
        DeleteFileA(temp);
        error = SaveError(m_strPath, code);
        return FALSE;
    }
    return TRUE;
}
