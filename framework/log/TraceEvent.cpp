#include "framework/log/TraceEvent.h"

#include <stdio.h>
#include <string.h>
#include <time.h>

IMPLEMENT_DYNAMIC(TraceEvent, CObject)
IMPLEMENT_DYNAMIC(TraceComment, TraceEvent)
IMPLEMENT_DYNAMIC(TraceNote, TraceComment)
IMPLEMENT_DYNAMIC(TraceFormatComment, TraceComment)
IMPLEMENT_DYNAMIC(TraceError, TraceEvent)
IMPLEMENT_DYNAMIC(TraceFormatError, TraceError)
IMPLEMENT_DYNAMIC(TraceFormatMessage, TraceError)
IMPLEMENT_DYNAMIC(TraceData, TraceEvent)

CFont* TraceComment::s_pFont = nullptr;
CFont* TraceError::s_pFont = nullptr;
CFont* TraceData::s_pFont = nullptr;

namespace {
// Process-wide sequence of events; any thread may construct one.
volatile LONG g_nextSequence = 0;

// Formatted kinds format into a buffer of 2048 bytes: longer texts are cut.
const int FormatBufferSize = 2048;

CString FormatBounded(LPCTSTR format, va_list args)
{
    char buffer[FormatBufferSize];
    int n = vsnprintf(buffer, sizeof buffer, format ? format : "", args);
    if (n < 0)
        buffer[0] = 0;
    buffer[sizeof buffer - 1] = 0;
    return CString(buffer);
}

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
}

CString EscapeTraceByte(char ch)
{
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
    case 7: return "\\a";
    case 8: return "\\b";
    case 9: return "\\t";
    case 10: return "\\n";
    case 11: return "\\v";
    case 12: return "\\f";
    case 13: return "\\r";
    case '"': return "\\\"";
    case '\\': return "\\\\";
    default:
        break;
    }
    if (c >= 32 && c <= 126)
        return CString(ch);
    CString hex;
    hex.Format("\\x%02x", c);
    return hex;
}

TraceEvent::TraceEvent(int id)
    : m_time(_time64(nullptr)),
      m_nId(id),
      m_dwThreadId(GetCurrentThreadId()),
      m_nSequence(InterlockedIncrement(&g_nextSequence) - 1)
{
}

CString TraceEvent::GetText() const
{
    return CString();
}

CString TraceEvent::GetIdText() const
{
    CString text;
    if (m_nId != -1)
        text.Format("%d  ", m_nId);
    return text;
}

CString TraceEvent::GetThreadText() const
{
    CString text;
    text.Format("%08x ", static_cast<unsigned>(m_dwThreadId));
    return text;
}

CString TraceEvent::FormatTraceLine() const
{
    CString line;
    line.Format("%06d| ", m_nSequence);
    if (m_nId == -1)
        line += "      ";
    else
        line.AppendFormat("%04d  ", m_nId);
    line += GetThreadText();
    line += GetText();
    return line;
}

TraceComment::TraceComment(int id, LPCTSTR text) : TraceEvent(id), m_strText(text)
{
}

TraceComment::TraceComment(int id, UINT stringId) : TraceEvent(id), m_strText(LoadText(stringId))
{
}

// The formatted kinds: the format is a text or a string resource.
#define FORMAT_INTO_TEXT(format)                 \
    va_list args;                                \
    va_start(args, format);                      \
    m_strText = FormatBounded(FormatText(format), args); \
    va_end(args)

namespace {
LPCTSTR FormatText(LPCTSTR format)
{
    return format;
}

CString FormatText(UINT formatId)
{
    return LoadText(formatId);
}
}

TraceFormatComment::TraceFormatComment(int id, LPCTSTR format, ...) : TraceComment(id, "")
{
    FORMAT_INTO_TEXT(format);
}

TraceFormatComment::TraceFormatComment(int id, UINT formatId, ...) : TraceComment(id, "")
{
    FORMAT_INTO_TEXT(formatId);
}

TraceError::TraceError(int id, LPCTSTR text) : TraceEvent(id), m_strText(text)
{
}

TraceError::TraceError(int id, UINT stringId) : TraceEvent(id), m_strText(LoadText(stringId))
{
}

TraceFormatError::TraceFormatError(int id, LPCTSTR format, ...) : TraceError(id, "")
{
    FORMAT_INTO_TEXT(format);
}

TraceFormatError::TraceFormatError(int id, UINT formatId, ...) : TraceError(id, "")
{
    FORMAT_INTO_TEXT(formatId);
}

TraceFormatMessage::TraceFormatMessage(int id, DWORD error) : TraceError(id, "")
{
    LPSTR system = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                             reinterpret_cast<LPSTR>(&system), 0, nullptr);
    if (n && system) {
        m_strText = system;
        LocalFree(system);
        int cr = m_strText.Find('\r');
        if (cr >= 0)
            m_strText = m_strText.Left(cr);
        return;
    }
    if (system)
        LocalFree(system);
    // String ids are 16 bits: a larger number would alias an unrelated string.
    if (error <= 0xFFFF) {
        CString own = LoadText(static_cast<UINT>(error));
        if (!own.IsEmpty() && static_cast<unsigned char>(own[0]) == 0xAE) {
            m_strText = own.Mid(1);
            return;
        }
    }
    CString format = LoadText(5000);
    if (format.IsEmpty())
        format = "Unknown error %d (0x%08x)";
    m_strText.Format(format, static_cast<int>(error), static_cast<unsigned>(error));
}

TraceData::TraceData(int id, const void* data, UINT length)
    : TraceEvent(id), m_bHex(1), m_nLength(data ? length : 0), m_pData(nullptr)
{
    if (m_nLength) {
        m_pData = new BYTE[m_nLength];
        memcpy(m_pData, data, m_nLength);
    }
}

TraceData::TraceData(int id, const CString& text) : TraceEvent(id), m_bHex(0), m_nLength(0), m_pData(nullptr)
{
    CopyText(text, static_cast<UINT>(text.GetLength()));
}

TraceData::TraceData(int id, LPCSTR text) : TraceEvent(id), m_bHex(0), m_nLength(0), m_pData(nullptr)
{
    CopyText(text, text ? static_cast<UINT>(strlen(text)) : 0);
}

void TraceData::CopyText(LPCSTR text, UINT length)
{
    m_nLength = length;
    m_pData = new BYTE[length + 1];
    if (length)
        memcpy(m_pData, text, length);
    m_pData[length] = 0;
}

TraceData::~TraceData()
{
    delete[] m_pData;
}

CString TraceData::GetText() const
{
    CString text;
    if (!m_pData)
        return text;
    if (m_bHex) {
        text.Preallocate(static_cast<int>(m_nLength) * 3);
        for (UINT i = 0; i < m_nLength; ++i)
            text.AppendFormat("%02x ", m_pData[i]);
        return text;
    }
    // The text view stops at the first zero, as the stored text would.
    for (UINT i = 0; i < m_nLength && m_pData[i]; ++i)
        text += EscapeTraceByte(static_cast<char>(m_pData[i]));
    return text;
}
