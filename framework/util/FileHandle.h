// CFileHandle: the framework's own file object. It owns one operating-system
// handle bound to one path for its whole life and lays values down in a small
// unpadded little-endian record format (bytes, 4-byte integers, tagged strings
// and dates, raw text and blocks). The Basket and the export files are written
// through it, so its bytes must not change. Every failure is thrown as a
// CString holding an English message; nothing returns an error code.
#pragma once

#include "afx/String.h"

#include <time.h>
#include <vector>

class CFileHandle
{
public:
    explicit CFileHandle(CString path);
    virtual ~CFileHandle();

    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // For a closed object: TRUE when the path can be opened for reading.
    BOOL Exists();
    const CString& GetPath() const { return m_strPath; }

    // Opening and closing.
    DWORD OpenRead();
    void OpenWrite();
    void OpenWriteAlways();
    void CreateNew();
    void OpenAppend();
    void Close();
    void Delete();

    // Writing records.
    void WriteByte(BYTE value);
    void WriteInt(int value);
    void WriteString(CString text);
    void WriteText(CString text);
    void WriteDate(__time64_t time);
    void WriteBlock(const void* buffer, DWORD count);

    // Reading records.
    BYTE ReadByte();
    int ReadInt();
    CString ReadString();
    __time64_t ReadDate();
    void ReadBlock(void* buffer, DWORD count);
    // The whole file as a zero-terminated buffer; free it with delete[].
    char* ReadAllRaw();
    CString ReadAllText();
    // The next n lines with their line ends, zero-terminated; free with delete[].
    char* ReadLines(int n);
    void LoadLines();
    CString GetLine(int index) const;
    int GetLineCount() const { return static_cast<int>(m_lines.size()); }

    // Position and size.
    void SeekTo(LONG offset);
    void Seek(LONG offset, BOOL fromEnd);
    void SeekToEnd();
    DWORD GetSize();
    BOOL IsEnd();
    int GetPercent() const;

    // The argument XORed with the key of the present counter, whatever the flag.
    int ScrambleByte(BYTE value) const;
    int ScrambleInt(int value) const;

    // Longest string record a reader accepts.
    static const int kMaxStringLength = 10000;
    // Line budget of ReadLines: bytes read per requested line.
    static const int kLineBudget = 1000;

protected:
    BOOL m_bScramble;

private:
    void Open(DWORD access, DWORD sharing, DWORD disposition, LPCSTR failure);
    void CheckWritable() const;
    void CheckReadable() const;
    void MoveTo(LONG offset, DWORD method);
    // One ReadFile; returns the bytes read. Throws only when the call fails.
    DWORD ReadRaw(void* buffer, DWORD count);

    DWORD m_dwFileSize;
    int m_nPosition;
    HANDLE m_hFile;
    CString m_strPath;
    std::vector<CString> m_lines;
};
