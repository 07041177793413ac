// CStdioFile: a buffered file with line-oriented text access. In text mode
// (the default, or typeText) a line end is written as CR LF and CR LF reads
// back as LF; in binary mode (typeBinary) bytes pass unchanged. Reading
// accepts lines ended by CR LF or by LF alone.
#pragma once

#include "afx/File.h"

#include <vector>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Opens the file or throws CFileException.
    CStdioFile(LPCTSTR fileName, UINT openFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr) override;

    // Writes the text; in text mode each LF goes out as CR LF.
    virtual void WriteString(LPCTSTR text);
    // Reads up to maxChars - 1 characters, stopping after the first LF, which
    // is kept. nullptr at the end of the file with nothing read.
    virtual LPTSTR ReadString(LPTSTR buffer, UINT maxChars);
    // Reads a whole line of any length without its LF. FALSE at the end of
    // the file with nothing read; an empty line gives TRUE and "".
    virtual BOOL ReadString(CString& line);

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    void SetLength(ULONGLONG newLength) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    void Abort() override;
    // Hands buffered bytes to the system (as the C runtime's fflush would).
    void Flush() override;
    void Close() override;

    // A buffered file cannot share its handle or lock ranges.
    CFile* Duplicate() const override;
    void LockRange(ULONGLONG position, ULONGLONG count) override;
    void UnlockRange(ULONGLONG position, ULONGLONG count) override;

private:
    // One raw byte; -1 at the end of the file.
    int NextByte();
    int PeekByte();
    // Text-mode translation of the next character: CR LF becomes LF.
    int NextChar();
    bool FillReadBuffer();
    void WritePending();
    // Puts the handle back where the reader is, dropping read-ahead.
    void DropReadAhead();
    void AppendRaw(const char* bytes, size_t count);

    BOOL m_bText;
    std::vector<char> m_readBuffer;
    size_t m_readPos;
    size_t m_readLength;
    std::vector<char> m_writeBuffer;   // raw bytes not yet written
};
