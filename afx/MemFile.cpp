#include "afx/MemFile.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT growBytes)
    : CFile(), m_nGrowBytes(growBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes)
    : CFile(), m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(FALSE)
{
    Attach(buffer, bufferSize, growBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer)
        Close();
}

void CMemFile::Attach(BYTE* buffer, UINT bufferSize, UINT growBytes)
{
    ASSERT(m_lpBuffer == nullptr);
    ASSERT(buffer != nullptr || bufferSize == 0);
    m_nGrowBytes = growBytes;
    m_nPosition = 0;
    m_nBufferSize = bufferSize;
    m_nFileSize = growBytes == 0 ? bufferSize : 0;
    m_lpBuffer = buffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* block = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return block;
}

BOOL CMemFile::GetStatus(CFileStatus& status) const
{
    status = CFileStatus();
    status.m_size = m_nFileSize;
    return TRUE;
}

BYTE* CMemFile::Alloc(SIZE_T bytes)
{
    return static_cast<BYTE*>(malloc(bytes));
}

BYTE* CMemFile::Realloc(BYTE* block, SIZE_T bytes)
{
    if (bytes == 0) {
        Free(block);
        return nullptr;
    }
    return static_cast<BYTE*>(realloc(block, bytes));
}

BYTE* CMemFile::Memcpy(BYTE* target, const BYTE* source, SIZE_T bytes)
{
    return static_cast<BYTE*>(memcpy(target, source, bytes));
}

void CMemFile::Free(BYTE* block)
{
    free(block);
}

void CMemFile::GrowFile(SIZE_T newLength)
{
    if (newLength <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();   // a fixed outside buffer is full

    SIZE_T steps = (newLength + m_nGrowBytes - 1) / m_nGrowBytes;
    SIZE_T newSize = steps * m_nGrowBytes;
    if (newSize < newLength)
        AfxThrowMemoryException();

    BYTE* block = nullptr;
    if (m_lpBuffer == nullptr) {
        block = Alloc(newSize);
    } else if (!m_bAutoDelete) {
        // The outside buffer may live on the stack or in another heap: move
        // to a block of our own instead of resizing it.
        block = Alloc(newSize);
        if (block)
            Memcpy(block, m_lpBuffer, m_nFileSize);
    } else {
        block = Realloc(m_lpBuffer, newSize);
    }
    if (!block)
        AfxThrowMemoryException();
    m_lpBuffer = block;
    m_nBufferSize = newSize;
    m_bAutoDelete = TRUE;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from)
{
    LONGLONG base = 0;
    switch (from) {
    case begin:
        base = 0;
        break;
    case current:
        base = static_cast<LONGLONG>(m_nPosition);
        break;
    case end:
        base = static_cast<LONGLONG>(m_nFileSize);
        break;
    default:
        AfxThrowInvalidArgException();
    }
    LONGLONG target = base + offset;
    if (target < 0 || (offset > 0 && target < base))
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = static_cast<SIZE_T>(target);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG newLength)
{
    if (newLength > static_cast<SIZE_T>(-1) / 2)
        AfxThrowMemoryException();
    SIZE_T length = static_cast<SIZE_T>(newLength);
    if (length > m_nBufferSize)
        GrowFile(length);
    // Bytes that appear by lengthening read as zeros, not as old memory.
    if (length > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, length - m_nFileSize);
    if (length < m_nPosition)
        m_nPosition = length;
    m_nFileSize = length;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

UINT CMemFile::Read(void* buffer, UINT count)
{
    if (count == 0 || m_nPosition >= m_nFileSize)
        return 0;
    ASSERT(buffer != nullptr);
    SIZE_T available = m_nFileSize - m_nPosition;
    UINT read = count < available ? count : static_cast<UINT>(available);
    Memcpy(static_cast<BYTE*>(buffer), m_lpBuffer + m_nPosition, read);
    m_nPosition += read;
    return read;
}

void CMemFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    ASSERT(buffer != nullptr);
    SIZE_T stopAt = m_nPosition + count;
    if (stopAt < m_nPosition)
        AfxThrowMemoryException();
    if (stopAt > m_nBufferSize)
        GrowFile(stopAt);
    // A write after a seek past the end leaves a gap: fill it with zeros.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, static_cast<const BYTE*>(buffer), count);
    m_nPosition = stopAt;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_bAutoDelete = TRUE;
}

CFile* CMemFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

void CMemFile::LockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CMemFile::UnlockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

UINT CMemFile::GetBufferPtr(UINT command, UINT count, void** bufferStart, void** bufferMax)
{
    switch (command) {
    case bufferCheck:
        return bufferDirect;
    case bufferCommit: {
        SIZE_T stopAt = m_nPosition + count;
        ASSERT(stopAt <= m_nBufferSize);
        m_nPosition = stopAt;
        if (m_nPosition > m_nFileSize)
            m_nFileSize = m_nPosition;
        return 0;
    }
    case bufferRead: {
        SIZE_T available = m_nPosition < m_nFileSize ? m_nFileSize - m_nPosition : 0;
        UINT lent = count < available ? count : static_cast<UINT>(available);
        if (bufferStart)
            *bufferStart = m_lpBuffer + m_nPosition;
        if (bufferMax)
            *bufferMax = m_lpBuffer + m_nPosition + lent;
        m_nPosition += lent;
        return lent;
    }
    case bufferWrite: {
        SIZE_T stopAt = m_nPosition + count;
        if (stopAt > m_nBufferSize)
            GrowFile(stopAt);
        if (m_nPosition > m_nFileSize)
            memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
        if (bufferStart)
            *bufferStart = m_lpBuffer + m_nPosition;
        if (bufferMax)
            *bufferMax = m_lpBuffer + stopAt;
        return count;
    }
    default:
        ASSERT(FALSE);
        return 0;
    }
}
