#include "collector/SuggestionRequest.h"

#include "collector/CyrillicTranscoder.h"

namespace
{
const char kHexDigits[] = "0123456789ABCDEF";

bool IsUnreserved(BYTE ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')
        || ch == '-' || ch == '.' || ch == '_' || ch == '~';
}

void AppendEscaped(CString& out, BYTE ch)
{
    const char escaped[3] = { '%', kHexDigits[ch >> 4], kHexDigits[ch & 0x0F] };
    out.Append(escaped, 3);
}
}

BOOL SplitHostPort(LPCTSTR setting, CString& host, WORD& port)
{
    CString text(setting);
    text.Trim();
    CString name = text;
    WORD number = kSuggestionDefaultPort;
    const int colon = text.ReverseFind(':');
    if (colon >= 0)
    {
        name = text.Left(colon);
        const CString digits = text.Mid(colon + 1);
        if (digits.IsEmpty() || digits.GetLength() > 5)
            return FALSE;
        UINT value = 0;
        for (int i = 0; i < digits.GetLength(); ++i)
        {
            const char ch = digits[i];
            if (ch < '0' || ch > '9')
                return FALSE;
            value = value * 10 + static_cast<UINT>(ch - '0');
        }
        if (value == 0 || value > 65535)
            return FALSE;
        number = static_cast<WORD>(value);
    }
    name.Trim();
    if (name.IsEmpty())
        return FALSE;
    host = name;
    port = number;
    return TRUE;
}

CString PercentEscapeByte(BYTE ch)
{
    CString out;
    AppendEscaped(out, ch);
    return out;
}

CString FormatUnsigned(UINT value)
{
    CString out;
    out.Format("%u", value);
    return out;
}

CString EscapeQueryText(const CString& text)
{
    CString out;
    out.Preallocate(text.GetLength() * 3);
    for (int i = 0; i < text.GetLength(); ++i)
    {
        const BYTE ch = static_cast<BYTE>(text[i]);
        if (IsUnreserved(ch))
        {
            out.AppendChar(static_cast<char>(ch));
            continue;
        }
        BYTE utf8[3];
        const int count = Cp1251ToUtf8(ch, utf8);
        for (int k = 0; k < count; ++k)
            AppendEscaped(out, utf8[k]);
    }
    return out;
}

CString LowerKeyword(const CString& keyword)
{
    CString lowered(keyword);
    lowered.MakeLower();
    return lowered;
}

CString BuildSuggestionUrl(const CString& hostSetting, const CString& keyword)
{
    CString host(hostSetting);
    host.Trim();
    const CString lowered = LowerKeyword(keyword);
    return "http://" + host + "/complete/search?hl=en&client=suggest&js=false&q="
        + EscapeQueryText(lowered) + "&cp=" + FormatUnsigned(static_cast<UINT>(lowered.GetLength()));
}

BOOL IsSecureUrl(const CString& url)
{
    return url.Left(8).CompareNoCase("https://") == 0;
}
