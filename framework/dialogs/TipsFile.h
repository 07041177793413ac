// CTipsFile: the tips of the tip-of-the-day dialog, read one by one from a
// text file of lines. Lines that start with a blank, a tab or ";" and empty
// lines are skipped; every other line is one tip. The reader keeps its stream
// open so that the position behind the last tip can be remembered.
#pragma once

#include "afx/String.h"

#include <cstdio>

class CTipsFile
{
public:
    // Lines are read in pieces of at most LineBufferSize - 1 characters; each
    // piece of a longer line counts as a line of its own.
    enum { LineBufferSize = 1000 };

    enum ReadResult
    {
        TipFound,
        NoTipInFile,    // a whole pass found no tip line
        RewindFailed,   // the end was reached and the stream could not go back
    };

    CTipsFile();
    ~CTipsFile();
    CTipsFile(const CTipsFile&) = delete;
    CTipsFile& operator=(const CTipsFile&) = delete;

    // Opens the file for reading; FALSE when it cannot be opened. Lines end
    // in LF whether the file has CR LF or LF line ends.
    BOOL Open(LPCTSTR path);
    void Close();
    BOOL IsOpen() const { return m_pStream != nullptr; }

    // The file's last modification as ctime's text with the trailing white
    // space removed; empty when it cannot be told.
    CString GetTimeStamp() const;
    // Byte offset from the file's start; FALSE when the stream cannot go there.
    BOOL Seek(long position);
    long GetPosition() const;

    // The next tip line (its line end included), going back to the start of
    // the file once when the end is reached.
    ReadResult ReadNextTip(CString& tip);

    // TRUE for a line that is never shown.
    static BOOL IsSkippedLine(const char* line);

private:
    FILE* m_pStream;
};
