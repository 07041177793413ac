#include "afx/File.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {
const LONGLONG kFileTimeEpochSeconds = 11644473600LL;   // 1601-01-01 to 1970-01-01
const LONGLONG kFileTimeUnitsPerSecond = 10000000LL;

// Throws for the last Win32 error on the named file.
[[noreturn]] void ThrowLastError(LPCTSTR fileName)
{
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), fileName);
}

CTime TimeFromFileTime(const FILETIME& fileTime)
{
    return CTime::IsValidFILETIME(fileTime) ? CTime(fileTime) : CTime();
}

FILETIME FileTimeFromTime(const CTime& time)
{
    ULARGE_INTEGER units;
    units.QuadPart = static_cast<ULONGLONG>(time.GetTime() + kFileTimeEpochSeconds) * kFileTimeUnitsPerSecond;
    FILETIME fileTime;
    fileTime.dwLowDateTime = units.LowPart;
    fileTime.dwHighDateTime = units.HighPart;
    return fileTime;
}

// Only the low attribute bits have CFile::Attribute names; "normal" is no bit.
BYTE AttributeByte(DWORD attributes)
{
    return static_cast<BYTE>(attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL) & 0xFF);
}

// The fields an open file and a file found by name report alike: both system
// records name their times, size and attributes the same way.
template <class Info>
void SetTimesSizeAndAttribute(CFileStatus& status, const Info& info)
{
    status.m_ctime = TimeFromFileTime(info.ftCreationTime);
    status.m_atime = TimeFromFileTime(info.ftLastAccessTime);
    status.m_mtime = TimeFromFileTime(info.ftLastWriteTime);
    status.m_size = (static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    status.m_attribute = AttributeByte(info.dwFileAttributes);
}

int NamePart(const CString& path)
{
    for (int i = path.GetLength() - 1; i >= 0; --i) {
        char ch = path[i];
        if (ch == '\\' || ch == '/' || ch == ':')
            return i + 1;
    }
    return 0;
}
}

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE), m_strFileName()
{
}

CFile::CFile(HANDLE file) : m_hFile(file), m_bCloseOnDelete(FALSE), m_strFileName()
{
}

CFile::CFile(LPCTSTR fileName, UINT openFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE), m_strFileName()
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    // A destructor must not throw: a failing close is dropped.
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        CFile::Abort();
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    ASSERT(fileName != nullptr);
    ASSERT(m_hFile == hFileNull);
    if (error)
        error->Init(CFileException::none, 0, fileName);

    m_bCloseOnDelete = FALSE;
    m_hFile = hFileNull;
    m_strFileName.Empty();

    if (!fileName || !*fileName) {
        if (error)
            error->Init(CFileException::badPath, ERROR_INVALID_NAME, fileName);
        return FALSE;
    }

    char fullPath[MAX_PATH];
    LPSTR namePart = nullptr;
    DWORD fullLength = GetFullPathNameA(fileName, sizeof fullPath, fullPath, &namePart);
    if (fullLength == 0 || fullLength >= sizeof fullPath) {
        if (error)
            error->Init(CFileException::badPath, fullLength ? ERROR_FILENAME_EXCED_RANGE : static_cast<LONG>(GetLastError()), fileName);
        return FALSE;
    }
    m_strFileName = fullPath;

    DWORD access = 0;
    switch (openFlags & 3) {
    case modeRead:
        access = GENERIC_READ;
        break;
    case modeWrite:
        access = GENERIC_WRITE;
        break;
    case modeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        ASSERT(FALSE);   // modeWrite | modeReadWrite makes no sense
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    }

    DWORD share = 0;
    switch (openFlags & 0x70) {
    case shareCompat:
    case shareExclusive:
        share = 0;
        break;
    case shareDenyWrite:
        share = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        share = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        ASSERT(FALSE);
        break;
    }

    SECURITY_ATTRIBUTES security;
    security.nLength = sizeof security;
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = (openFlags & modeNoInherit) ? FALSE : TRUE;

    DWORD disposition = OPEN_EXISTING;
    if (openFlags & modeCreate)
        disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (openFlags & osNoBuffer)
        attributes |= FILE_FLAG_NO_BUFFERING;
    if (openFlags & osWriteThrough)
        attributes |= FILE_FLAG_WRITE_THROUGH;
    if (openFlags & osRandomAccess)
        attributes |= FILE_FLAG_RANDOM_ACCESS;
    if (openFlags & osSequentialScan)
        attributes |= FILE_FLAG_SEQUENTIAL_SCAN;

    HANDLE file = CreateFileA(fileName, access, share, &security, disposition, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        LONG osError = static_cast<LONG>(GetLastError());
        if (error)
            error->Init(CFileException::OsErrorToException(osError), osError, fileName);
        m_strFileName.Empty();
        return FALSE;
    }
    m_hFile = file;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

ULONGLONG CFile::GetPosition() const
{
    ASSERT(m_hFile != hFileNull);
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position;
    if (!SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
        ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(position.QuadPart);
}

BOOL CFile::GetStatus(CFileStatus& status) const
{
    status = CFileStatus();
    lstrcpynA(status.m_szFullName, m_strFileName, sizeof status.m_szFullName);
    if (m_hFile == hFileNull)
        return TRUE;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    SetTimesSizeAndAttribute(status, info);
    return TRUE;
}

CString CFile::GetFileName() const
{
    return m_strFileName.Mid(NamePart(m_strFileName));
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCTSTR newName)
{
    ASSERT(newName != nullptr);
    m_strFileName = newName;
}

void AFXAPI CFile::Rename(LPCTSTR oldName, LPCTSTR newName)
{
    if (!MoveFileA(oldName, newName))
        ThrowLastError(oldName);
}

void AFXAPI CFile::Remove(LPCTSTR fileName)
{
    if (!DeleteFileA(fileName))
        ThrowLastError(fileName);
}

BOOL AFXAPI CFile::GetStatus(LPCTSTR fileName, CFileStatus& status)
{
    status = CFileStatus();
    if (!fileName || !*fileName)
        return FALSE;
    // By name, not by a search: a '*' or '?' in the name must not report
    // some other file that happens to match.
    if (strpbrk(fileName, "*?"))
        return FALSE;
    DWORD fullLength = GetFullPathNameA(fileName, sizeof status.m_szFullName, status.m_szFullName, nullptr);
    if (fullLength == 0 || fullLength >= sizeof status.m_szFullName) {
        status.m_szFullName[0] = 0;
        return FALSE;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(fileName, GetFileExInfoStandard, &data)) {
        status.m_szFullName[0] = 0;
        return FALSE;
    }
    SetTimesSizeAndAttribute(status, data);
    return TRUE;
}

void AFXAPI CFile::SetStatus(LPCTSTR fileName, const CFileStatus& status)
{
    DWORD current = GetFileAttributesA(fileName);
    if (current == INVALID_FILE_ATTRIBUTES)
        ThrowLastError(fileName);

    const bool anyTime = status.m_ctime.GetTime() != 0 || status.m_atime.GetTime() != 0
                         || status.m_mtime.GetTime() != 0;
    if (anyTime) {
        // A read-only file refuses the write access that setting times needs;
        // its attributes are set last anyway.
        if ((current & FILE_ATTRIBUTE_READONLY) && !SetFileAttributesA(fileName, current & ~FILE_ATTRIBUTE_READONLY))
            ThrowLastError(fileName);
        DWORD flags = (current & FILE_ATTRIBUTE_DIRECTORY) ? FILE_FLAG_BACKUP_SEMANTICS : 0;
        HANDLE file = CreateFileA(fileName, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, flags, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            ThrowLastError(fileName);
        FILETIME created = FileTimeFromTime(status.m_ctime);
        FILETIME accessed = FileTimeFromTime(status.m_atime);
        FILETIME written = FileTimeFromTime(status.m_mtime);
        BOOL ok = SetFileTime(file, status.m_ctime.GetTime() ? &created : nullptr,
                              status.m_atime.GetTime() ? &accessed : nullptr,
                              status.m_mtime.GetTime() ? &written : nullptr);
        DWORD lastError = GetLastError();
        CloseHandle(file);
        if (!ok)
            CFileException::ThrowOsError(static_cast<LONG>(lastError), fileName);
    }

    // Directory and volume bits describe the object; they cannot be set.
    DWORD attributes = status.m_attribute & ~static_cast<DWORD>(directory | volume);
    if (!SetFileAttributesA(fileName, attributes ? attributes : FILE_ATTRIBUTE_NORMAL))
        ThrowLastError(fileName);
}

ULONGLONG CFile::SeekToEnd()
{
    return Seek(0, end);
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

CFile* CFile::Duplicate() const
{
    ASSERT(m_hFile != hFileNull);
    HANDLE copy = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), m_hFile, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS))
        ThrowLastError(m_strFileName);
    CFile* file = new CFile(copy);
    file->m_bCloseOnDelete = TRUE;
    file->m_strFileName = m_strFileName;
    return file;
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    ASSERT(m_hFile != hFileNull);
    ASSERT(from == begin || from == current || from == end);
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(m_hFile, distance, &position, from))
        ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::SetLength(ULONGLONG newLength)
{
    ASSERT(m_hFile != hFileNull);
    Seek(static_cast<LONGLONG>(newLength), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError(m_strFileName);
}

ULONGLONG CFile::GetLength() const
{
    ASSERT(m_hFile != hFileNull);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(size.QuadPart);
}

UINT CFile::Read(void* buffer, UINT count)
{
    ASSERT(m_hFile != hFileNull);
    if (count == 0)
        return 0;
    ASSERT(buffer != nullptr);
    DWORD read = 0;
    if (!ReadFile(m_hFile, buffer, count, &read, nullptr))
        ThrowLastError(m_strFileName);
    return read;
}

void CFile::Write(const void* buffer, UINT count)
{
    ASSERT(m_hFile != hFileNull);
    if (count == 0)
        return;
    ASSERT(buffer != nullptr);
    DWORD written = 0;
    if (!WriteFile(m_hFile, buffer, count, &written, nullptr))
        ThrowLastError(m_strFileName);
    if (written != count)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::LockRange(ULONGLONG position, ULONGLONG count)
{
    ASSERT(m_hFile != hFileNull);
    if (!LockFile(m_hFile, static_cast<DWORD>(position), static_cast<DWORD>(position >> 32),
                  static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)))
        ThrowLastError(m_strFileName);
}

void CFile::UnlockRange(ULONGLONG position, ULONGLONG count)
{
    ASSERT(m_hFile != hFileNull);
    if (!UnlockFile(m_hFile, static_cast<DWORD>(position), static_cast<DWORD>(position >> 32),
                    static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)))
        ThrowLastError(m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull) {
        CloseHandle(m_hFile);
        m_hFile = hFileNull;
    }
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!FlushFileBuffers(m_hFile))
        ThrowLastError(m_strFileName);
}

void CFile::Close()
{
    BOOL failed = FALSE;
    LONG osError = 0;
    CString name = m_strFileName;
    if (m_hFile != hFileNull) {
        failed = !CloseHandle(m_hFile);
        if (failed)
            osError = static_cast<LONG>(GetLastError());
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (failed)
        CFileException::ThrowOsError(osError, name);
}

UINT CFile::GetBufferPtr(UINT command, UINT count, void** bufferStart, void** bufferMax)
{
    // A disk file has no buffer of its own to lend.
    UNUSED_ALWAYS(command);
    UNUSED_ALWAYS(count);
    UNUSED_ALWAYS(bufferStart);
    UNUSED_ALWAYS(bufferMax);
    return 0;
}
