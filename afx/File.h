// CFile: unbuffered binary access to a file through a Win32 handle. Failures
// throw CFileException (Open instead returns FALSE and fills the exception it
// is given). CFileStatus carries a file's times, size, attributes and full path.
#pragma once

#include "afx/FileException.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/Time.h"

struct CFileStatus
{
    CTime m_ctime;            // creation
    CTime m_mtime;            // last write
    CTime m_atime;            // last access
    ULONGLONG m_size;
    BYTE m_attribute;         // CFile::Attribute bits
    BYTE m_padding;
    TCHAR m_szFullName[MAX_PATH];
};

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000
    };

    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    // For memory-backed files: how the archive may reach their bytes directly.
    enum BufferCommand { bufferRead, bufferWrite, bufferCommit, bufferCheck };
    enum BufferFlags { bufferDirect = 0x01, bufferBlocking = 0x02 };

    static const HANDLE hFileNull;

    CFile();
    // Wraps a handle opened elsewhere; the handle is not closed by the destructor.
    explicit CFile(HANDLE file);
    // Opens the file or throws CFileException.
    CFile(LPCTSTR fileName, UINT openFlags);
    ~CFile() override;

    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    operator HANDLE() const { return m_hFile; }

    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);

    virtual ULONGLONG GetPosition() const;
    BOOL GetStatus(CFileStatus& status) const;
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual CString GetFilePath() const;
    virtual void SetFilePath(LPCTSTR newName);

    static void AFXAPI Rename(LPCTSTR oldName, LPCTSTR newName);
    static void AFXAPI Remove(LPCTSTR fileName);
    // FALSE when the file does not exist or cannot be queried.
    static BOOL AFXAPI GetStatus(LPCTSTR fileName, CFileStatus& status);
    // Sets times (a zero CTime leaves that time alone) and attributes.
    static void AFXAPI SetStatus(LPCTSTR fileName, const CFileStatus& status);

    ULONGLONG SeekToEnd();
    void SeekToBegin();

    virtual CFile* Duplicate() const;
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    virtual void SetLength(ULONGLONG newLength);
    virtual ULONGLONG GetLength() const;
    // Returns the count read: less than asked for only at the end of the file.
    virtual UINT Read(void* buffer, UINT count);
    // Writes everything or throws (a short write is diskFull).
    virtual void Write(const void* buffer, UINT count);
    virtual void LockRange(ULONGLONG position, ULONGLONG count);
    virtual void UnlockRange(ULONGLONG position, ULONGLONG count);
    // Closes without throwing, whatever the state.
    virtual void Abort();
    virtual void Flush();
    virtual void Close();
    virtual UINT GetBufferPtr(UINT command, UINT count = 0, void** bufferStart = nullptr, void** bufferMax = nullptr);

    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
