#include "collector/SuggestionRequest.h"

#include "collector/CyrillicTranscoder.h"

namespace
{
const char kHexDigits[] = "0123456789ABCDEF";

bool IsHostNameChar(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '.'
        || ch == '-' || ch == '_';
}

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
    if (name.IsEmpty())
        return FALSE;
    for (int i = 0; i < name.GetLength(); ++i)
        if (!IsHostNameChar(name[i]))
            return FALSE;
    host = name;
    port = number;
    return TRUE;
}

CString BadHostSettingMessage(LPCTSTR setting)
{
    CString message;
    message.Format("The setting \"%s\" holds \"%s\", which is not a host name or host:port "
                   "(port 1 to 65535). No request was sent.",
                   kSuggestionHostKey, setting ? setting : "");
    return message;
}

CString ResolveRedirect(const CString& url, const CString& location)
{
    const int locationScheme = location.Find("://");
    if (locationScheme > 0 && location.Left(locationScheme).SpanIncluding(
                                  "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ").GetLength() == locationScheme)
        return location;
    const int schemeEnd = url.Find("://");
    if (schemeEnd < 0)
        return location;
    if (location.Left(2) == "//")
        return url.Left(schemeEnd + 1) + location;
    const int pathStart = url.Find('/', schemeEnd + 3);
    const CString origin = pathStart < 0 ? url : url.Left(pathStart);
    if (location.Left(1) == "/")
        return origin + location;
    // Relative to the folder of url's path, its query left out.
    CString path = pathStart < 0 ? CString("/") : url.Mid(pathStart);
    const int query = path.FindOneOf("?#");
    if (query >= 0)
        path = path.Left(query);
    return origin + path.Left(path.ReverseFind('/') + 1) + location;
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
