#include "framework/util/FileHandle.h"
#include "framework/util/DateConversion.h"

#include <string.h>

namespace {
// Scrambling multipliers. Nothing in the program turns scrambling on, so no
// stored file depends on these values; they only have to stay fixed.
const int kByteMultiplier = 7919;
const int kIntMultiplier = 977;

const BYTE kStringTag = 0x73;   // 's'
const BYTE kDateTag = 0x74;     // 't'

int Multiply(int a, int b)
{
    // 32-bit wrap-around, without the undefined behaviour of signed overflow.
    return static_cast<int>(static_cast<unsigned>(a) * static_cast<unsigned>(b));
}

int ByteKey(int position)
{
    int q = Multiply(position, kByteMultiplier);
    return static_cast<BYTE>(static_cast<unsigned>(q) + static_cast<unsigned>(q >> 8));
}

int IntKey(int position)
{
    return Multiply(position, kIntMultiplier);
}

[[noreturn]] void Fail(LPCSTR text)
{
    throw CString(text);
}

[[noreturn]] void Fail(LPCSTR text, const CString& path)
{
    throw CString(text) + path;
}
}

CFileHandle::CFileHandle(CString path)
    : m_bScramble(FALSE), m_dwFileSize(0), m_nPosition(0), m_hFile(INVALID_HANDLE_VALUE),
      m_strPath(std::move(path)), m_lines()
{
    if (m_strPath.IsEmpty())
        Fail("Empty file path");
}

CFileHandle::~CFileHandle()
{
    if (IsOpen())
        ::CloseHandle(m_hFile);
}

BOOL CFileHandle::Exists()
{
    ASSERT(!IsOpen());
    HANDLE h = ::CreateFileA(m_strPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    ::CloseHandle(h);
    return TRUE;
}

void CFileHandle::Open(DWORD access, DWORD sharing, DWORD disposition, LPCSTR failure)
{
    if (IsOpen())
        Fail("Attempt to open busy file ", m_strPath);
    HANDLE h = ::CreateFileA(m_strPath, access, sharing, nullptr, disposition,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Fail(failure, m_strPath);
    m_hFile = h;
}

DWORD CFileHandle::OpenRead()
{
    Open(GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, "Can't open file ");
    m_dwFileSize = ::GetFileSize(m_hFile, nullptr);
    return m_dwFileSize;
}

void CFileHandle::OpenWrite()
{
    Open(GENERIC_WRITE, 0, CREATE_ALWAYS, "Can't open file ");
}

void CFileHandle::OpenWriteAlways()
{
    Open(GENERIC_WRITE, 0, OPEN_ALWAYS, "Can't open file ");
}

void CFileHandle::CreateNew()
{
    Open(GENERIC_WRITE, 0, CREATE_NEW, "Can't create file ");
}

void CFileHandle::OpenAppend()
{
    Open(GENERIC_WRITE, 0, OPEN_ALWAYS, "Can't open file ");
    SeekToEnd();
}

void CFileHandle::Close()
{
    if (!IsOpen())
        Fail("Attempt to close closed file");
    ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

void CFileHandle::Delete()
{
    if (!::DeleteFileA(m_strPath))
        Fail("Can't delete file: ", m_strPath);
}

void CFileHandle::CheckWritable() const
{
    if (!IsOpen())
        Fail("Attemt to write closed file");
}

void CFileHandle::CheckReadable() const
{
    if (!IsOpen())
        Fail("Attemt to read closed file");
}

void CFileHandle::WriteByte(BYTE value)
{
    // The counter moves before the open test: a refused write still counts,
    // which keeps the keys of the following records where readers expect them.
    m_nPosition += 1;
    CheckWritable();
    if (m_bScramble)
        value = static_cast<BYTE>(value ^ ByteKey(m_nPosition));
    DWORD written = 0;
    if (!::WriteFile(m_hFile, &value, 1, &written, nullptr) || written < 1)
        Fail("Error writing to file");
}

void CFileHandle::WriteInt(int value)
{
    m_nPosition += 4;
    CheckWritable();
    if (m_bScramble)
        value ^= IntKey(m_nPosition);
    const unsigned u = static_cast<unsigned>(value);
    const BYTE bytes[4] = { static_cast<BYTE>(u), static_cast<BYTE>(u >> 8),
                            static_cast<BYTE>(u >> 16), static_cast<BYTE>(u >> 24) };
    DWORD written = 0;
    if (!::WriteFile(m_hFile, bytes, 4, &written, nullptr) || written < 4)
        Fail("Error writing to file");
}

void CFileHandle::WriteString(CString text)
{
    CheckWritable();
    WriteByte(kStringTag);
    const int length = text.GetLength();
    WriteInt(length);
    for (int i = 0; i < length; ++i)
        WriteByte(static_cast<BYTE>(text[i]));
}

void CFileHandle::WriteText(CString text)
{
    const int length = text.GetLength();
    for (int i = 0; i < length; ++i)
        WriteByte(static_cast<BYTE>(text[i]));
}

void CFileHandle::WriteDate(__time64_t time)
{
    WriteByte(kDateTag);
    struct tm local = {};
    int value = 0;
    if (_localtime64_s(&local, &time) == 0)
        value = (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
    WriteInt(value);
}

void CFileHandle::WriteBlock(const void* buffer, DWORD count)
{
    if (!IsOpen())
        Fail("Attempt to write closed file");
    DWORD written = 0;
    // A short write (a full disk) loses data as surely as a failed one.
    if (!::WriteFile(m_hFile, buffer, count, &written, nullptr) || written != count)
        Fail("Error writing to file");
}

DWORD CFileHandle::ReadRaw(void* buffer, DWORD count)
{
    DWORD read = 0;
    if (!::ReadFile(m_hFile, buffer, count, &read, nullptr))
        Fail("Error reading from file");
    return read;
}

BYTE CFileHandle::ReadByte()
{
    CheckReadable();
    BYTE value = 0;
    if (ReadRaw(&value, 1) < 1)
        Fail("Error reading from file");
    m_nPosition += 1;
    if (m_bScramble)
        value = static_cast<BYTE>(value ^ ByteKey(m_nPosition));
    return value;
}

int CFileHandle::ReadInt()
{
    CheckReadable();
    BYTE bytes[4] = {};
    if (ReadRaw(bytes, 4) < 4)
        Fail("Error reading from file");
    m_nPosition += 4;
    int value = static_cast<int>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                 (static_cast<unsigned>(bytes[3]) << 24));
    if (m_bScramble)
        value ^= IntKey(m_nPosition);
    return value;
}

CString CFileHandle::ReadString()
{
    CheckReadable();
    if (ReadByte() != kStringTag)
        Fail("File corrupted or unsupported format");
    const int length = ReadInt();
    if (length > kMaxStringLength)
        Fail("File corrupted or unsupported format");
    CString result;
    if (length > 0)
    {
        char* buffer = result.GetBuffer(length);
        for (int i = 0; i < length; ++i)
            buffer[i] = static_cast<char>(ReadByte());
        buffer[length] = '\0';
        // A zero byte among the characters ends the string there.
        result.ReleaseBuffer(-1);
    }
    return result;
}

__time64_t CFileHandle::ReadDate()
{
    if (ReadByte() != kDateTag)
        Fail("Invalid file format: ", m_strPath);
    const int value = ReadInt();
    return LocalTimeFromParts(value / 10000, (value / 100) % 100, value % 100, 0, 0, 0);
}

void CFileHandle::ReadBlock(void* buffer, DWORD count)
{
    CheckReadable();
    if (m_bScramble)
    {
        BYTE* bytes = static_cast<BYTE*>(buffer);
        for (DWORD i = 0; i < count; ++i)
            bytes[i] = ReadByte();
        return;
    }
    // A short read at the end of the file is accepted.
    ReadRaw(buffer, count);
}

char* CFileHandle::ReadAllRaw()
{
    SeekTo(0);
    const DWORD size = ::GetFileSize(m_hFile, nullptr);
    char* buffer = new char[size + 1];
    DWORD read = 0;
    if (!::ReadFile(m_hFile, buffer, size, &read, nullptr) ||
        read != ::GetFileSize(m_hFile, nullptr))
    {
        delete[] buffer;
        Fail("Error reading from file");
    }
    m_nPosition = static_cast<int>(size);
    buffer[size] = '\0';
    return buffer;
}

CString CFileHandle::ReadAllText()
{
    char* buffer = ReadAllRaw();
    CString text(buffer);
    delete[] buffer;
    return text;
}

char* CFileHandle::ReadLines(int n)
{
    ASSERT(n >= 1);
    if (n < 1)
        n = 1;
    if (!IsOpen())
        Fail("Attempt to seek closed file ", m_strPath);
    const LONG start = static_cast<LONG>(::SetFilePointer(m_hFile, 0, nullptr, FILE_CURRENT));
    const DWORD budget = static_cast<DWORD>(n) * kLineBudget;
    // One byte more than the budget for the terminator, and only the bytes
    // really read are walked: the tail of the buffer holds nothing of the file.
    char* buffer = new char[budget + 1];
    DWORD read = budget;
    try
    {
        if (m_bScramble)
            ReadBlock(buffer, budget);
        else
            read = ReadRaw(buffer, budget);
    }
    catch (...)
    {
        delete[] buffer;
        throw;
    }
    int ends = 0;
    DWORD taken = 0;
    while (taken < read && ends < n && buffer[taken] != '\0')
    {
        if (buffer[taken] == '\r' || buffer[taken] == '\n')
            ++ends;
        ++taken;
    }
    buffer[taken] = '\0';
    try
    {
        SeekTo(start + static_cast<LONG>(taken));
    }
    catch (...)
    {
        delete[] buffer;
        throw;
    }
    return buffer;
}

void CFileHandle::LoadLines()
{
    m_lines.clear();
    CString text = ReadAllText();
    text.Replace("\r\n", "\n");
    const int length = text.GetLength();
    int begin = 0;
    for (int i = 0; i < length; ++i)
    {
        if (text[i] == '\n')
        {
            m_lines.push_back(text.Mid(begin, i - begin));
            begin = i + 1;
        }
    }
    // A last line without a line end is still a line of the file.
    if (begin < length)
        m_lines.push_back(text.Mid(begin));
}

CString CFileHandle::GetLine(int index) const
{
    if (index < 0 || index >= GetLineCount())
        return CString();
    return m_lines[static_cast<size_t>(index)];
}

void CFileHandle::MoveTo(LONG offset, DWORD method)
{
    if (!IsOpen())
        Fail("Attempt to seek closed file ", m_strPath);
    ::SetLastError(NO_ERROR);
    DWORD result = ::SetFilePointer(m_hFile, offset, nullptr, method);
    if (result == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        Fail("Error seeking file ", m_strPath);
    m_nPosition = static_cast<int>(::SetFilePointer(m_hFile, 0, nullptr, FILE_CURRENT));
}

void CFileHandle::SeekTo(LONG offset)
{
    MoveTo(offset, FILE_BEGIN);
}

void CFileHandle::Seek(LONG offset, BOOL fromEnd)
{
    MoveTo(offset, fromEnd ? FILE_END : FILE_BEGIN);
}

void CFileHandle::SeekToEnd()
{
    MoveTo(0, FILE_END);
}

DWORD CFileHandle::GetSize()
{
    if (!IsOpen())
        Fail("Attempt to get size of closed file");
    return ::GetFileSize(m_hFile, nullptr);
}

BOOL CFileHandle::IsEnd()
{
    if (!IsOpen())
        return TRUE;
    return ::SetFilePointer(m_hFile, 0, nullptr, FILE_CURRENT) == ::GetFileSize(m_hFile, nullptr);
}

int CFileHandle::GetPercent() const
{
    // Without a recorded size there is nothing to measure against.
    if (m_dwFileSize == 0)
        return 0;
    return Multiply(m_nPosition, 100) / static_cast<int>(m_dwFileSize);
}

int CFileHandle::ScrambleByte(BYTE value) const
{
    return value ^ ByteKey(m_nPosition);
}

int CFileHandle::ScrambleInt(int value) const
{
    return value ^ IntKey(m_nPosition);
}
