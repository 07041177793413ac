// The suggestion service's request: where the service lives (a profile
// setting), how a keyword becomes the query URL, and which URLs need TLS.
// The fetch itself is in SuggestionFetch.h.
#pragma once

#include "afx/String.h"

// Profile place and default of the service's address ("host" or "host:port").
inline constexpr char kSuggestionHostSection[] = "Settings";
inline constexpr char kSuggestionHostKey[] = "Suggestion Host";
inline constexpr char kSuggestionHostDefault[] = "127.0.0.1:8765";

// Port used when the setting names none.
inline constexpr WORD kSuggestionDefaultPort = 80;

// Profile place of the time one request may wait to connect, to send and to
// receive (milliseconds; each wait has this limit), and its default.
inline constexpr char kSuggestionTimeoutKey[] = "Suggestion Timeout";
inline constexpr UINT kSuggestionTimeoutDefaultMs = 10000;

// Splits a "host" or "host:port" setting (blanks around it ignored). FALSE,
// with host and port untouched, when the host is empty or holds anything but
// letters, digits, ".", "-" and "_" (a scheme, a path, a query or a blank
// would reshape the request), or the port is not a decimal number from 1 to
// 65535.
BOOL SplitHostPort(LPCTSTR setting, CString& host, WORD& port);

// What the user is told when the setting cannot name a service.
CString BadHostSettingMessage(LPCTSTR setting);

// Where a redirect from url to location leads: an absolute location as it
// stands, one that begins with "//" under url's scheme, one that begins with
// "/" on url's server, any other beside the last "/" of url's path.
CString ResolveRedirect(const CString& url, const CString& location);

// "%" and the two upper-case hexadecimal digits of the byte.
CString PercentEscapeByte(BYTE ch);

// The value "%u" gives.
CString FormatUnsigned(UINT value);

// The query value for an already lower-cased keyword: unreserved URL
// characters (letters, digits, "-", ".", "_", "~") stay; a byte of 0x80 and
// above becomes the percent-escaped UTF-8 of its Windows-1251 character
// (so a..ya and yo give %D0%B0.. as the service expects); every other byte,
// the blank included, is percent-escaped as itself. A raw "&", "+" or "#"
// would cut or reshape the query, and raw high bytes do not survive the trip.
CString EscapeQueryText(const CString& text);

// The keyword lower-cased by the ANSI code page (Cyrillic capitals included).
CString LowerKeyword(const CString& keyword);

// "http://" + hostSetting + "/complete/search?hl=en&client=suggest&js=false&q="
// + escaped lower-cased keyword + "&cp=" + its byte length before escaping.
CString BuildSuggestionUrl(const CString& hostSetting, const CString& keyword);

// TRUE when the URL's scheme is "https" (only the scheme counts: the text
// "https://" inside a keyword must not change how the request is sent).
BOOL IsSecureUrl(const CString& url);
