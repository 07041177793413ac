// COXConvertedFile: a file whose bytes pass through a conversion (encoding,
// scrambling) in fixed-size blocks. Reads load a block, convert it to plain
// bytes and serve from it; writes change plain bytes of the current block,
// which is converted and written back whole when it is left, flushed or
// closed. It uses its own handle (Open) or another CFile (Attach). Derived
// classes supply ConvertRead and ConvertWrite.
//
// COXWatchBuffer: the current block's plain bytes with one modified flag per
// byte, so that only changed blocks are written and a partly changed block is
// merged with what is stored.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/File.h"

class COXWatchBuffer : public CObject
{
    DECLARE_DYNAMIC(COXWatchBuffer)
public:
    COXWatchBuffer() : m_nSize(0) {}
    explicit COXWatchBuffer(UINT nSize) : m_nSize(0) { Create(nSize); }

    // Both arrays nSize bytes, zeroed.
    void Create(UINT nSize);
    void Destroy();
    UINT GetSize() const { return m_nSize; }

    // Copies bytes in and marks them modified (clipped to the buffer).
    void Set(UINT nOffset, const void* pSource, UINT nCount);
    BOOL GetFlag(UINT nOffset) const;
    void SetFlag(UINT nOffset, BOOL bModified);
    void SetAllFlags(BOOL bModified);
    // Zeroes data and flags from nOffset; nCount -1 means to the end.
    void Clear(UINT nOffset = 0, int nCount = -1);
    BOOL IsModified() const { return FirstModified() >= 0; }
    int FirstModified() const;
    int FirstUnmodified() const;
    BYTE* GetData(UINT nOffset = 0);
    const BYTE* GetData(UINT nOffset = 0) const;

protected:
    CByteArray m_data;
    CByteArray m_flags;
    UINT m_nSize;
};

class COXConvertedFile : public CFile
{
    DECLARE_DYNAMIC(COXConvertedFile)
public:
    explicit COXConvertedFile(UINT nBlockSize = 1024, BOOL bConversion = TRUE);
    ~COXConvertedFile() override;

    // The flags take effect only when the file opens: a failed open leaves
    // the object closed.
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    // Works on top of pFile, which stays the caller's (Close does not close it).
    void Attach(CFile* pFile, UINT nOpenFlags);

    ULONGLONG GetPosition() const override;
    void SetFilePath(LPCTSTR lpszNewName) override;
    CFile* Duplicate() const override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Abort() override;
    void Flush() override;
    void Close() override;

    virtual BOOL IsOpen() const { return m_bOpen; }

protected:
    // Raw (stored) block to plain block, and back; nSize is the block size.
    virtual void ConvertRead(const BYTE* pRaw, BYTE* pPlain, UINT nSize) = 0;
    virtual void ConvertWrite(const BYTE* pPlain, BYTE* pRaw, UINT nSize) = 0;

public:
    // Text: every "\n" is written as "\r\n". The wide forms convert with
    // wcstombs first and throw CFileException when the text cannot be.
    virtual void WriteString(const wchar_t* lpsz, int nLength);
    // One line, at most nMax - 1 bytes, ending in a single "\n" (a "\r"
    // before it is dropped), at the end of the file, or before a Ctrl-Z,
    // which stays unread. NULL when nothing was read (or nMax below 2).
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    virtual void WriteString(const wchar_t* lpsz);
    virtual void WriteString(LPCTSTR lpsz);
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    // The length is raised to whole blocks.
    void SetLength(ULONGLONG dwNewLen) override;
    // The range is widened to whole blocks.
    void LockRange(ULONGLONG dwPos, ULONGLONG dwCount) override;
    void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount) override;

    // Turns the conversion on or off; only at a block boundary (FALSE
    // elsewhere), after the current block is written.
    BOOL SetConversion(BOOL bConversion);
    BOOL GetConversion() const { return m_bConversion; }
    UINT GetBlockSize() const { return m_nBlockSize; }

protected:
    [[noreturn]] void ThrowAccessDenied() const;
    // The file underneath: the attached one, or this object's own handle
    // (reached as CFile::, never through the virtuals, which mean blocks here).
    UINT RawRead(void* lpBuf, UINT nCount);
    void RawSeek(ULONGLONG nPos);

    // Loads the block at the block start (the next one when the current is
    // used up); FALSE when no byte was read.
    BOOL LoadBlock();
    // Writes the current block when a byte of it is modified.
    void WriteBlock();
    // Writes the current block and moves to the start of the next.
    void NextBlock();
    void ResetState();
    // Locks or unlocks the range widened to whole blocks.
    void LockBlocks(ULONGLONG dwPos, ULONGLONG dwCount, BOOL bLock);

    BOOL m_bConversion;
    UINT m_nBlockSize;
    CByteArray m_rawBuffer;
    COXWatchBuffer m_watchBuffer;
    UINT m_nOffset;
    ULONGLONG m_nBlockStart;
    BOOL m_bLoaded;
    BOOL m_bOpen;
    BOOL m_bWritable;
    CFile* m_pEmbeddedFile;
    // Bytes of the current block that exist: read from the file or written.
    UINT m_nValid;
};
