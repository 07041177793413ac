#include "afx/StdioFile.h"

#include <string.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {
// Size of the read-ahead block and of the write buffer before it goes out.
const size_t kBufferSize = 4096;
}

CStdioFile::CStdioFile()
    : CFile(), m_bText(TRUE), m_readBuffer(), m_readPos(0), m_readLength(0), m_writeBuffer()
{
}

CStdioFile::CStdioFile(LPCTSTR fileName, UINT openFlags)
    : CFile(), m_bText(TRUE), m_readBuffer(), m_readPos(0), m_readLength(0), m_writeBuffer()
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete) {
        // Buffered text must reach the file even when nobody called Close;
        // a failure cannot be reported from a destructor.
        try {
            WritePending();
        } catch (CException* e) {
            e->Delete();
        }
        Abort();
    }
}

BOOL CStdioFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    ASSERT((openFlags & (typeText | typeBinary)) != (typeText | typeBinary));
    m_bText = (openFlags & typeBinary) ? FALSE : TRUE;
    m_readPos = m_readLength = 0;
    m_writeBuffer.clear();
    return CFile::Open(fileName, openFlags & ~static_cast<UINT>(typeText | typeBinary), error);
}

bool CStdioFile::FillReadBuffer()
{
    WritePending();
    if (m_readBuffer.size() < kBufferSize)
        m_readBuffer.resize(kBufferSize);
    m_readPos = 0;
    m_readLength = CFile::Read(m_readBuffer.data(), static_cast<UINT>(m_readBuffer.size()));
    return m_readLength > 0;
}

int CStdioFile::PeekByte()
{
    if (m_readPos >= m_readLength && !FillReadBuffer())
        return -1;
    return static_cast<unsigned char>(m_readBuffer[m_readPos]);
}

int CStdioFile::NextByte()
{
    int ch = PeekByte();
    if (ch >= 0)
        ++m_readPos;
    return ch;
}

int CStdioFile::NextChar()
{
    int ch = NextByte();
    if (m_bText && ch == '\r' && PeekByte() == '\n')
        ch = NextByte();
    return ch;
}

void CStdioFile::WritePending()
{
    if (m_writeBuffer.empty())
        return;
    // Cleared first: after a failure the same bytes must not be written again
    // by a later flush or by the destructor.
    std::vector<char> pending;
    pending.swap(m_writeBuffer);
    CFile::Write(pending.data(), static_cast<UINT>(pending.size()));
}

void CStdioFile::DropReadAhead()
{
    if (m_readPos < m_readLength) {
        LONGLONG unread = static_cast<LONGLONG>(m_readLength - m_readPos);
        m_readPos = m_readLength = 0;
        CFile::Seek(-unread, current);
    }
    m_readPos = m_readLength = 0;
}

void CStdioFile::AppendRaw(const char* bytes, size_t count)
{
    m_writeBuffer.insert(m_writeBuffer.end(), bytes, bytes + count);
    if (m_writeBuffer.size() >= kBufferSize)
        WritePending();
}

void CStdioFile::WriteString(LPCTSTR text)
{
    ASSERT(text != nullptr);
    if (!text)
        AfxThrowInvalidArgException();
    Write(text, static_cast<UINT>(strlen(text)));
}

LPTSTR CStdioFile::ReadString(LPTSTR buffer, UINT maxChars)
{
    ASSERT(buffer != nullptr && maxChars > 0);
    if (!buffer || maxChars == 0)
        return nullptr;
    UINT count = 0;
    while (count + 1 < maxChars) {
        int ch = NextChar();
        if (ch < 0)
            break;
        buffer[count++] = static_cast<char>(ch);
        if (ch == '\n')
            break;
    }
    buffer[count] = 0;
    return (count == 0 && maxChars > 1) ? nullptr : buffer;
}

BOOL CStdioFile::ReadString(CString& line)
{
    line.Empty();
    bool any = false;
    char chunk[256];
    int used = 0;
    for (;;) {
        int ch = NextChar();
        if (ch < 0)
            break;
        any = true;
        if (ch == '\n')
            break;
        chunk[used++] = static_cast<char>(ch);
        if (used == static_cast<int>(sizeof chunk)) {
            line.Append(chunk, used);
            used = 0;
        }
    }
    if (used)
        line.Append(chunk, used);
    return any ? TRUE : FALSE;
}

ULONGLONG CStdioFile::GetPosition() const
{
    ULONGLONG position = CFile::GetPosition();
    return position - (m_readLength - m_readPos) + m_writeBuffer.size();
}

ULONGLONG CStdioFile::Seek(LONGLONG offset, UINT from)
{
    WritePending();
    DropReadAhead();
    return CFile::Seek(offset, from);
}

void CStdioFile::SetLength(ULONGLONG newLength)
{
    WritePending();
    DropReadAhead();
    CFile::SetLength(newLength);
}

ULONGLONG CStdioFile::GetLength() const
{
    ULONGLONG length = CFile::GetLength();
    if (!m_writeBuffer.empty())
        length = std::max<ULONGLONG>(length, CFile::GetPosition() + m_writeBuffer.size());
    return length;
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    ASSERT(buffer != nullptr || count == 0);
    char* out = static_cast<char*>(buffer);
    UINT done = 0;
    if (!m_bText) {
        while (done < count) {
            if (m_readPos >= m_readLength && !FillReadBuffer())
                break;
            size_t piece = std::min<size_t>(count - done, m_readLength - m_readPos);
            memcpy(out + done, m_readBuffer.data() + m_readPos, piece);
            m_readPos += piece;
            done += static_cast<UINT>(piece);
        }
        return done;
    }
    while (done < count) {
        int ch = NextChar();
        if (ch < 0)
            break;
        out[done++] = static_cast<char>(ch);
    }
    return done;
}

void CStdioFile::Write(const void* buffer, UINT count)
{
    ASSERT(buffer != nullptr || count == 0);
    if (count == 0)
        return;
    DropReadAhead();
    const char* bytes = static_cast<const char*>(buffer);
    if (!m_bText) {
        AppendRaw(bytes, count);
        return;
    }
    const char* last = bytes + count;
    while (bytes < last) {
        const char* lf = static_cast<const char*>(memchr(bytes, '\n', static_cast<size_t>(last - bytes)));
        const char* stop = lf ? lf : last;
        AppendRaw(bytes, static_cast<size_t>(stop - bytes));
        if (!lf)
            break;
        AppendRaw("\r\n", 2);
        bytes = lf + 1;
    }
}

void CStdioFile::Abort()
{
    m_writeBuffer.clear();
    m_readPos = m_readLength = 0;
    CFile::Abort();
}

void CStdioFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    WritePending();
}

void CStdioFile::Close()
{
    if (m_hFile == hFileNull)
        return;
    try {
        WritePending();
    } catch (CException*) {
        // The handle is released either way; the caller still hears of the loss.
        m_readPos = m_readLength = 0;
        CFile::Abort();
        throw;
    }
    m_readPos = m_readLength = 0;
    CFile::Close();
}

CFile* CStdioFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

void CStdioFile::LockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CStdioFile::UnlockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}
