#include "toolkit/foundation/OXConvertedFile.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include <string>

IMPLEMENT_DYNAMIC(COXWatchBuffer, CObject)
IMPLEMENT_DYNAMIC(COXConvertedFile, CFile)

namespace {
const BYTE CtrlZ = 0x1A;
// The open flags that allow writing (modeWrite, modeReadWrite).
const UINT WriteModes = 0x3;
}

// ---- COXWatchBuffer ----------------------------------------------------------

void COXWatchBuffer::Create(UINT nSize)
{
    m_data.SetSize(nSize);
    m_flags.SetSize(nSize);
    m_nSize = nSize;
    Clear();
}

void COXWatchBuffer::Destroy()
{
    m_data.RemoveAll();
    m_flags.RemoveAll();
    m_nSize = 0;
}

void COXWatchBuffer::Set(UINT nOffset, const void* pSource, UINT nCount)
{
    ASSERT(nOffset <= m_nSize && nCount <= m_nSize - nOffset);
    if (nOffset >= m_nSize)
        return;
    if (nCount > m_nSize - nOffset)
        nCount = m_nSize - nOffset;
    memcpy(m_data.GetData() + nOffset, pSource, nCount);
    memset(m_flags.GetData() + nOffset, 1, nCount);
}

BOOL COXWatchBuffer::GetFlag(UINT nOffset) const
{
    return nOffset < m_nSize && m_flags[nOffset] != 0;
}

void COXWatchBuffer::SetFlag(UINT nOffset, BOOL bModified)
{
    if (nOffset < m_nSize)
        m_flags[nOffset] = bModified ? 1 : 0;
}

void COXWatchBuffer::SetAllFlags(BOOL bModified)
{
    if (m_nSize)
        memset(m_flags.GetData(), bModified ? 1 : 0, m_nSize);
}

void COXWatchBuffer::Clear(UINT nOffset, int nCount)
{
    if (nOffset >= m_nSize)
        return;
    UINT count = m_nSize - nOffset;
    if (nCount >= 0 && static_cast<UINT>(nCount) < count)
        count = static_cast<UINT>(nCount);
    memset(m_data.GetData() + nOffset, 0, count);
    memset(m_flags.GetData() + nOffset, 0, count);
}

int COXWatchBuffer::FirstModified() const
{
    for (UINT i = 0; i < m_nSize; ++i)
        if (m_flags[i])
            return static_cast<int>(i);
    return -1;
}

int COXWatchBuffer::FirstUnmodified() const
{
    for (UINT i = 0; i < m_nSize; ++i)
        if (!m_flags[i])
            return static_cast<int>(i);
    return -1;
}

BYTE* COXWatchBuffer::GetData(UINT nOffset)
{
    ASSERT(nOffset <= m_nSize);
    return m_data.GetData() + nOffset;
}

const BYTE* COXWatchBuffer::GetData(UINT nOffset) const
{
    ASSERT(nOffset <= m_nSize);
    return m_data.GetData() + nOffset;
}

// ---- COXConvertedFile --------------------------------------------------------

COXConvertedFile::COXConvertedFile(UINT nBlockSize, BOOL bConversion)
    : CFile(), m_bConversion(bConversion), m_nBlockSize(nBlockSize ? nBlockSize : 1), m_watchBuffer(m_nBlockSize),
      m_nOffset(0), m_nBlockStart(0), m_bLoaded(FALSE), m_bOpen(FALSE), m_bWritable(FALSE),
      m_pEmbeddedFile(nullptr), m_nValid(0)
{
    m_rawBuffer.SetSize(m_nBlockSize);
}

COXConvertedFile::~COXConvertedFile()
{
    if (!m_bOpen)
        return;
    // A derived class's conversion is gone by now: only an unconverted file
    // can still write its last block here. Derived classes close first.
    if (!m_bConversion) {
        try {
            Close();
            return;
        } catch (CException* e) {
            e->Delete();
        }
    }
    Abort();
}

void COXConvertedFile::ResetState()
{
    m_bOpen = FALSE;
    m_bWritable = FALSE;
    m_nOffset = 0;
    m_nBlockStart = 0;
    m_bLoaded = FALSE;
    m_nValid = 0;
    m_pEmbeddedFile = nullptr;
    m_watchBuffer.Clear();
}

BOOL COXConvertedFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_bOpen)
        Close();
    // A partly written block is merged with the stored one, which must be
    // readable: a write-only file gets read access as well.
    UINT flags = nOpenFlags;
    if ((flags & WriteModes) == modeWrite)
        flags = (flags & ~WriteModes) | modeReadWrite;
    if (!CFile::Open(lpszFileName, flags, pError))
        return FALSE;
    ResetState();
    m_bWritable = (nOpenFlags & WriteModes) != 0;
    m_bOpen = TRUE;
    return TRUE;
}

void COXConvertedFile::Attach(CFile* pFile, UINT nOpenFlags)
{
    ASSERT(pFile != nullptr);
    if (m_bOpen)
        Close();
    ResetState();
    m_pEmbeddedFile = pFile;
    m_bWritable = (nOpenFlags & WriteModes) != 0;
    m_bOpen = TRUE;
}

void COXConvertedFile::ThrowAccessDenied() const
{
    AfxThrowFileException(CFileException::accessDenied, -1, m_strFileName);
}

UINT COXConvertedFile::RawRead(void* lpBuf, UINT nCount)
{
    return m_pEmbeddedFile ? m_pEmbeddedFile->Read(lpBuf, nCount) : CFile::Read(lpBuf, nCount);
}

void COXConvertedFile::RawSeek(ULONGLONG nPos)
{
    if (m_pEmbeddedFile)
        m_pEmbeddedFile->Seek(static_cast<LONGLONG>(nPos), begin);
    else
        CFile::Seek(static_cast<LONGLONG>(nPos), begin);
}

BOOL COXConvertedFile::LoadBlock()
{
    if (m_nOffset >= m_nBlockSize)
        NextBlock();
    else
        WriteBlock();

    RawSeek(m_nBlockStart);
    BYTE* raw = m_rawBuffer.GetData();
    memset(raw, 0, m_nBlockSize);
    UINT read = RawRead(raw, m_nBlockSize);
    if (m_bConversion)
        ConvertRead(raw, m_watchBuffer.GetData(), m_nBlockSize);
    else
        memcpy(m_watchBuffer.GetData(), raw, m_nBlockSize);
    m_watchBuffer.SetAllFlags(FALSE);
    m_bLoaded = TRUE;
    m_nValid = read;
    return read > 0;
}

void COXConvertedFile::WriteBlock()
{
    if (!m_watchBuffer.IsModified())
        return;
    BYTE* raw = m_rawBuffer.GetData();
    BYTE* plain = m_watchBuffer.GetData();
    if (!m_bLoaded && m_watchBuffer.FirstUnmodified() >= 0) {
        // Keep the stored bytes of the block that were not written.
        RawSeek(m_nBlockStart);
        memset(raw, 0, m_nBlockSize);
        UINT read = RawRead(raw, m_nBlockSize);
        if (read) {
            CByteArray stored;
            stored.SetSize(m_nBlockSize);
            if (m_bConversion)
                ConvertRead(raw, stored.GetData(), m_nBlockSize);
            else
                memcpy(stored.GetData(), raw, m_nBlockSize);
            for (UINT i = 0; i < read; ++i)
                if (!m_watchBuffer.GetFlag(i))
                    plain[i] = stored[i];
        }
        m_watchBuffer.SetAllFlags(TRUE);
    }
    if (m_bConversion)
        ConvertWrite(plain, raw, m_nBlockSize);
    else
        memcpy(raw, plain, m_nBlockSize);
    RawSeek(m_nBlockStart);
    if (m_pEmbeddedFile)
        m_pEmbeddedFile->Write(raw, m_nBlockSize);
    else
        CFile::Write(raw, m_nBlockSize);
    m_watchBuffer.SetAllFlags(FALSE);
    m_bLoaded = TRUE;
    m_nValid = m_nBlockSize;
}

void COXConvertedFile::NextBlock()
{
    WriteBlock();
    m_nBlockStart += m_nBlockSize;
    m_nOffset = 0;
    m_watchBuffer.Clear();
    m_bLoaded = FALSE;
    m_nValid = 0;
}

ULONGLONG COXConvertedFile::GetPosition() const
{
    return m_nBlockStart + m_nOffset;
}

void COXConvertedFile::SetFilePath(LPCTSTR lpszNewName)
{
    CFile::SetFilePath(lpszNewName);
}

CFile* COXConvertedFile::Duplicate() const
{
    return m_pEmbeddedFile ? m_pEmbeddedFile->Duplicate() : CFile::Duplicate();
}

ULONGLONG COXConvertedFile::GetLength() const
{
    return m_pEmbeddedFile ? m_pEmbeddedFile->GetLength() : CFile::GetLength();
}

UINT COXConvertedFile::Read(void* lpBuf, UINT nCount)
{
    if (!m_bOpen)
        ThrowAccessDenied();
    BYTE* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        if (!m_bLoaded || m_nOffset >= m_nBlockSize) {
            if (!LoadBlock())
                break;
        }
        if (m_nOffset >= m_nValid)
            break;   // the file ends inside this block
        UINT count = m_nValid - m_nOffset;
        if (count > nCount - done)
            count = nCount - done;
        memcpy(out + done, m_watchBuffer.GetData(m_nOffset), count);
        m_nOffset += count;
        done += count;
    }
    return done;
}

void COXConvertedFile::Write(const void* lpBuf, UINT nCount)
{
    if (!m_bOpen || !m_bWritable)
        ThrowAccessDenied();
    const BYTE* in = static_cast<const BYTE*>(lpBuf);
    while (nCount) {
        if (m_nOffset >= m_nBlockSize)
            NextBlock();
        UINT count = m_nBlockSize - m_nOffset;
        if (count > nCount)
            count = nCount;
        m_watchBuffer.Set(m_nOffset, in, count);
        m_nOffset += count;
        if (m_nOffset > m_nValid)
            m_nValid = m_nOffset;
        in += count;
        nCount -= count;
        if (m_nOffset == m_nBlockSize)
            NextBlock();
    }
}

ULONGLONG COXConvertedFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (!m_bOpen)
        ThrowAccessDenied();
    LONGLONG base = 0;
    switch (nFrom) {
    case begin:
        break;
    case current:
        base = static_cast<LONGLONG>(GetPosition());
        break;
    case end:
        base = static_cast<LONGLONG>(GetLength());
        break;
    default:
        AfxThrowInvalidArgException();
    }
    LONGLONG target = base + lOff;
    if (target < 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    ULONGLONG position = static_cast<ULONGLONG>(target);
    ULONGLONG blockStart = position - position % m_nBlockSize;
    if (blockStart != m_nBlockStart) {
        WriteBlock();
        m_nBlockStart = blockStart;
        m_watchBuffer.Clear();
        m_bLoaded = FALSE;
        m_nValid = 0;
    }
    m_nOffset = static_cast<UINT>(position - blockStart);
    RawSeek(m_nBlockStart);
    return position;
}

void COXConvertedFile::Flush()
{
    if (!m_bOpen)
        return;
    if (m_bWritable) {
        WriteBlock();
        if (m_pEmbeddedFile)
            m_pEmbeddedFile->Flush();
        else
            CFile::Flush();
    }
    m_bLoaded = FALSE;
}

void COXConvertedFile::Close()
{
    if (!m_bOpen) {
        if (m_hFile != hFileNull)
            CFile::Close();
        return;
    }
    Flush();
    if (!m_pEmbeddedFile)
        CFile::Close();
    ResetState();
}

void COXConvertedFile::Abort()
{
    if (m_pEmbeddedFile)
        m_pEmbeddedFile->Abort();
    else
        CFile::Abort();
    ResetState();
}

void COXConvertedFile::SetLength(ULONGLONG dwNewLen)
{
    ULONGLONG length = (dwNewLen + m_nBlockSize - 1) / m_nBlockSize * m_nBlockSize;
    if (m_pEmbeddedFile) {
        m_pEmbeddedFile->SetLength(length);
        return;
    }
    // Not CFile::SetLength: it positions through the virtual Seek, which
    // here means block positions.
    CFile::Seek(static_cast<LONGLONG>(length), begin);
    if (!::SetEndOfFile(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void COXConvertedFile::LockBlocks(ULONGLONG dwPos, ULONGLONG dwCount, BOOL bLock)
{
    ULONGLONG start = dwPos - dwPos % m_nBlockSize;
    ULONGLONG stop = (dwPos + dwCount + m_nBlockSize - 1) / m_nBlockSize * m_nBlockSize;
    CFile* file = m_pEmbeddedFile;
    if (file && bLock)
        file->LockRange(start, stop - start);
    else if (file)
        file->UnlockRange(start, stop - start);
    else if (bLock)
        CFile::LockRange(start, stop - start);
    else
        CFile::UnlockRange(start, stop - start);
}

void COXConvertedFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    LockBlocks(dwPos, dwCount, TRUE);
}

void COXConvertedFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    LockBlocks(dwPos, dwCount, FALSE);
}

BOOL COXConvertedFile::SetConversion(BOOL bConversion)
{
    if (m_nOffset != 0 && m_nOffset != m_nBlockSize)
        return FALSE;
    Flush();
    m_bConversion = bConversion;
    return TRUE;
}

void COXConvertedFile::WriteString(LPCTSTR lpsz)
{
    CString text;
    for (LPCTSTR p = lpsz; *p; ++p) {
        if (*p == '\n')
            text += '\r';
        text += *p;
    }
    Write(static_cast<LPCTSTR>(text), static_cast<UINT>(text.GetLength()));
}

void COXConvertedFile::WriteString(const wchar_t* lpsz, int nLength)
{
    std::wstring wide = nLength < 0 ? std::wstring(lpsz) : std::wstring(lpsz, static_cast<size_t>(nLength));
    // Converted into a buffer large enough for any result: only a converting
    // call reports a character without a multi-byte form.
    std::string narrow(wide.size() * MB_CUR_MAX + 1, '\0');
    size_t size = wcstombs(&narrow[0], wide.c_str(), narrow.size());
    // Such a character: write nothing rather than part of the text.
    if (size == static_cast<size_t>(-1))
        CFileException::ThrowErrno(EILSEQ, m_strFileName);
    narrow.resize(size);
    WriteString(narrow.c_str());
}

void COXConvertedFile::WriteString(const wchar_t* lpsz)
{
    WriteString(lpsz, -1);
}

LPTSTR COXConvertedFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (!lpsz || nMax < 2)
        return nullptr;
    UINT count = 0;
    while (count < nMax - 1) {
        char ch = 0;
        if (Read(&ch, 1) == 0)
            break;
        if (static_cast<BYTE>(ch) == CtrlZ) {
            Seek(-1, current);
            break;
        }
        if (ch == '\n') {
            if (count && lpsz[count - 1] == '\r')
                --count;
            lpsz[count++] = '\n';
            break;
        }
        lpsz[count++] = ch;
    }
    lpsz[count] = '\0';
    return count ? lpsz : nullptr;
}
