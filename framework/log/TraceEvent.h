// Trace events: small records of what happened (time, code, thread, text or
// data) that any thread hands to the one logger, which passes them to the
// trace-log window's list. Each kind has its own colour in that list.
#pragma once

#include "afx/Object.h"
#include "afx/String.h"

class CFont;

// The escaped form of one byte in a data event's text view: C escapes for the
// control characters with a letter, \" and \\, printable ASCII as itself,
// every other byte as \xNN.
CString EscapeTraceByte(char ch);

class TraceEvent : public CObject
{
    DECLARE_DYNAMIC(TraceEvent)
public:
    ~TraceEvent() override = default;

    virtual COLORREF GetColor() const = 0;
    virtual CString GetText() const;
    // "%d  " of the code; empty when the event has no code (-1).
    virtual CString GetIdText() const;
    // The whole log line: "%06d| ", the code column ("%04d  " or six blanks),
    // the thread column and the text. No line end.
    virtual CString FormatTraceLine() const;
    virtual CString GetThreadText() const;
    virtual int GetLineCount() const { return 1; }
    virtual int GetEventCode() const { return m_nId; }
    virtual CFont* GetFont() const { return nullptr; }

    __time64_t m_time;
    int m_nId;
    DWORD m_dwThreadId;
    int m_nSequence;

protected:
    explicit TraceEvent(int id);
};

class TraceComment : public TraceEvent
{
    DECLARE_DYNAMIC(TraceComment)
public:
    TraceComment(int id, LPCTSTR text);
    TraceComment(int id, UINT stringId);
    COLORREF GetColor() const override { return RGB(0, 0x80, 0); }
    CString GetText() const override { return m_strText; }
    CFont* GetFont() const override { return s_pFont; }

    CString m_strText;
    static CFont* s_pFont;   // class-wide; nothing sets it, so the list's font is used
};

class TraceNote : public TraceComment
{
    DECLARE_DYNAMIC(TraceNote)
public:
    TraceNote(int id, LPCTSTR text) : TraceComment(id, text) {}
    COLORREF GetColor() const override { return RGB(0xFF, 0, 0xFF); }
};

class TraceFormatComment : public TraceComment
{
    DECLARE_DYNAMIC(TraceFormatComment)
public:
    TraceFormatComment(int id, LPCTSTR format, ...);
    TraceFormatComment(int id, UINT formatId, ...);
};

class TraceError : public TraceEvent
{
    DECLARE_DYNAMIC(TraceError)
public:
    TraceError(int id, LPCTSTR text);
    TraceError(int id, UINT stringId);
    COLORREF GetColor() const override { return RGB(0x80, 0, 0); }
    CString GetText() const override { return m_strText; }
    CFont* GetFont() const override { return s_pFont; }

    CString m_strText;
    static CFont* s_pFont;
};

class TraceFormatError : public TraceError
{
    DECLARE_DYNAMIC(TraceFormatError)
public:
    TraceFormatError(int id, LPCTSTR format, ...);
    TraceFormatError(int id, UINT formatId, ...);
};

// The system's text for an error number, else the program's own text for it
// from the string table (those begin with 0xAE), else "Unknown error".
class TraceFormatMessage : public TraceError
{
    DECLARE_DYNAMIC(TraceFormatMessage)
public:
    TraceFormatMessage(int id, DWORD error);
};

class TraceData : public TraceEvent
{
    DECLARE_DYNAMIC(TraceData)
public:
    TraceData(int id, const void* data, UINT length);   // hexadecimal view
    TraceData(int id, const CString& text);             // text view
    TraceData(int id, LPCSTR text);                     // text view
    ~TraceData() override;
    TraceData(const TraceData&) = delete;
    TraceData& operator=(const TraceData&) = delete;

    COLORREF GetColor() const override { return RGB(0, 0, 0x80); }
    CString GetText() const override;
    CFont* GetFont() const override { return s_pFont; }

    int m_bHex;
    UINT m_nLength;
    BYTE* m_pData;
    static CFont* s_pFont;

private:
    void CopyText(LPCSTR text, UINT length);
};
