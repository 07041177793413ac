// CMemFile: a file held in a memory block that grows in fixed steps as it is
// written. The block can be an outside buffer (Attach) and can be taken over
// by the caller (Detach). Derived classes choose where the block lives by
// overriding Alloc, Realloc and Free.
#pragma once

#include "afx/File.h"

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    // An empty file whose block grows by growBytes at a time.
    explicit CMemFile(UINT growBytes = 1024);
    // The file over an outside buffer; see Attach.
    CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    ~CMemFile() override;

    // Uses an outside buffer. With growBytes 0 the buffer is the whole file
    // (its length is bufferSize) and writing past it throws; otherwise the
    // file starts empty and, once the buffer is full, moves to a block of
    // its own. The outside buffer itself is never freed or resized.
    void Attach(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    // Gives the current block to the caller (free() releases a block the file
    // allocated) and leaves the file empty.
    BYTE* Detach();

    // The memory file's own status: its length, no times, no name.
    BOOL GetStatus(CFileStatus& status) const;
    using CFile::GetStatus;   // the static by-name form stays reachable

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    void SetLength(ULONGLONG newLength) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    void Abort() override;
    void Flush() override;
    void Close() override;
    CFile* Duplicate() const override;
    void LockRange(ULONGLONG position, ULONGLONG count) override;
    void UnlockRange(ULONGLONG position, ULONGLONG count) override;

    // Direct access for archives: bufferCheck answers bufferDirect;
    // bufferRead lends up to count readable bytes and moves past them;
    // bufferWrite makes room for count bytes at the position and lends it
    // without moving; bufferCommit moves past count bytes written there.
    UINT GetBufferPtr(UINT command, UINT count = 0, void** bufferStart = nullptr, void** bufferMax = nullptr) override;

protected:
    virtual BYTE* Alloc(SIZE_T bytes);
    virtual BYTE* Realloc(BYTE* block, SIZE_T bytes);
    virtual BYTE* Memcpy(BYTE* target, const BYTE* source, SIZE_T bytes);
    virtual void Free(BYTE* block);
    // Makes the block at least newLength bytes, in whole growth steps.
    virtual void GrowFile(SIZE_T newLength);

    SIZE_T m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    // TRUE when the file allocated the block and so frees it.
    BOOL m_bAutoDelete;
};
