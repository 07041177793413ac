#include "afx/Internet.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CInternetException, CException)
IMPLEMENT_DYNAMIC(CInternetHandle, CObject)
IMPLEMENT_DYNAMIC(CInternetSession, CInternetHandle)
IMPLEMENT_DYNAMIC(CInternetConnection, CInternetHandle)
IMPLEMENT_DYNAMIC(CHttpConnection, CInternetConnection)
IMPLEMENT_DYNAMIC(CInternetFile, CInternetHandle)
IMPLEMENT_DYNAMIC(CHttpFile, CInternetFile)

namespace {

// WinINet takes (DWORD)-1 as "the text is NUL-terminated, measure it".
const DWORD kMeasureText = static_cast<DWORD>(-1);

// The executable's file name without folder and extension.
CString ModuleBaseName()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    path[sizeof path - 1] = 0;
    const char* name = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/')
            name = p + 1;
    }
    CString result(name);
    int dot = result.ReverseFind('.');
    if (dot > 0)
        result.Truncate(dot);
    return result;
}

}  // namespace

// ---------------------------------------------------------------------------
// CInternetException

CInternetException::CInternetException(DWORD error)
    : m_dwContext(0), m_dwError(error)
{
}

BOOL CInternetException::GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    *error = 0;
    // WinINet's codes (12000 and up) live in its own message table, not the system's.
    DWORD length = 0;
    if (HMODULE wininet = GetModuleHandleA("wininet.dll")) {
        length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, wininet, m_dwError, 0,
                                error, maxError, nullptr);
    }
    if (length == 0) {
        length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, m_dwError, 0,
                                error, maxError, nullptr);
    }
    if (length == 0) {
        *error = 0;
        return FALSE;
    }
    while (length > 0 && (error[length - 1] == '\r' || error[length - 1] == '\n' || error[length - 1] == ' '))
        error[--length] = 0;
    return TRUE;
}

void AFXAPI AfxThrowInternetException(DWORD_PTR context, DWORD error)
{
    if (error == 0)
        error = GetLastError();
    CInternetException* e = new CInternetException(error);
    e->m_dwContext = context;
    throw e;
}

// ---------------------------------------------------------------------------
// AfxParseURL

namespace {

struct Scheme
{
    const char* name;
    DWORD service;
    INTERNET_PORT port;
};

const Scheme kSchemes[] = {
    { "http", AFX_INET_SERVICE_HTTP, INTERNET_DEFAULT_HTTP_PORT },
    { "https", AFX_INET_SERVICE_HTTPS, INTERNET_DEFAULT_HTTPS_PORT },
    { "ftp", AFX_INET_SERVICE_FTP, INTERNET_DEFAULT_FTP_PORT },
    { "gopher", AFX_INET_SERVICE_GOPHER, INTERNET_DEFAULT_GOPHER_PORT },
    { "file", AFX_INET_SERVICE_FILE, 0 },
    { "news", AFX_INET_SERVICE_NEWS, 0 },
    { "nntp", AFX_INET_SERVICE_NNTP, 119 },
    { "telnet", AFX_INET_SERVICE_TELNET, 23 },
    { "wais", AFX_INET_SERVICE_WAIS, 0 },
    { "prospero", AFX_INET_SERVICE_PROSPERO, 0 },
    { "afs", AFX_INET_SERVICE_AFS, 0 },
};

const Scheme* FindScheme(LPCSTR name, size_t length)
{
    for (const Scheme& scheme : kSchemes) {
        if (strlen(scheme.name) == length && _strnicmp(scheme.name, name, length) == 0)
            return &scheme;
    }
    return nullptr;
}

}  // namespace

BOOL AFXAPI AfxParseURL(LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port)
{
    serviceType = AFX_INET_SERVICE_UNK;
    server.Empty();
    object.Empty();
    port = INTERNET_INVALID_PORT_NUMBER;
    if (!url)
        return FALSE;

    const char* separator = strstr(url, "://");
    if (!separator)
        return FALSE;
    const Scheme* scheme = FindScheme(url, static_cast<size_t>(separator - url));
    if (!scheme)
        return FALSE;

    // The authority runs to the first '/', '?' or '#'; the rest is the object,
    // kept byte for byte: a decoded or re-encoded path would ask the server
    // for something else than the caller built.
    const char* authority = separator + 3;
    const char* authorityEnd = authority + strcspn(authority, "/?#");
    if (*authorityEnd == '/')
        object = authorityEnd;
    else
        object = CString("/") + authorityEnd;

    // user:password@ is not part of the server name.
    const char* host = authority;
    for (const char* p = authority; p < authorityEnd; ++p) {
        if (*p == '@')
            host = p + 1;
    }
    const char* colon = static_cast<const char*>(memchr(host, ':', static_cast<size_t>(authorityEnd - host)));
    const char* hostEnd = colon ? colon : authorityEnd;
    if (hostEnd == host) {
        object.Empty();
        return FALSE;
    }

    DWORD number = scheme->port;
    if (colon && colon + 1 < authorityEnd) {
        number = 0;
        for (const char* p = colon + 1; p < authorityEnd; ++p) {
            if (*p < '0' || *p > '9' || number > 0xFFFF) {
                object.Empty();
                return FALSE;
            }
            number = number * 10 + static_cast<DWORD>(*p - '0');
        }
        if (number > 0xFFFF) {
            object.Empty();
            return FALSE;
        }
    }

    server.SetString(host, static_cast<int>(hostEnd - host));
    port = static_cast<INTERNET_PORT>(number);
    serviceType = scheme->service;
    return TRUE;
}

// ---------------------------------------------------------------------------
// CInternetHandle

BOOL CInternetHandle::SetOption(DWORD option, LPVOID buffer, DWORD length, DWORD flags)
{
    ASSERT(flags == 0 || flags == ISO_VALID_FLAGS);
    UNUSED_ALWAYS(flags);
    return InternetSetOptionA(Handle(), option, buffer, length);
}

BOOL CInternetHandle::SetOption(DWORD option, DWORD value, DWORD flags)
{
    return SetOption(option, &value, sizeof value, flags);
}

BOOL CInternetHandle::QueryOption(DWORD option, LPVOID buffer, LPDWORD length) const
{
    return InternetQueryOptionA(Handle(), option, buffer, length);
}

BOOL CInternetHandle::QueryOption(DWORD option, DWORD& value) const
{
    DWORD length = sizeof value;
    return InternetQueryOptionA(Handle(), option, &value, &length);
}

BOOL CInternetHandle::QueryOption(DWORD option, CString& value) const
{
    value.Empty();
    DWORD length = 0;
    InternetQueryOptionA(Handle(), option, nullptr, &length);
    if (length == 0)
        return FALSE;
    BOOL ok = InternetQueryOptionA(Handle(), option, value.GetBuffer(static_cast<int>(length) + 1), &length);
    value.ReleaseBuffer(ok ? -1 : 0);
    return ok;
}

// ---------------------------------------------------------------------------
// CInternetSession

CInternetSession::CInternetSession(LPCTSTR agent, DWORD_PTR context, DWORD accessType, LPCTSTR proxyName,
                                   LPCTSTR proxyBypass, DWORD flags)
    : m_hSession(nullptr), m_dwContext(context), m_connectTimeout(0), m_sendTimeout(0), m_receiveTimeout(0)
{
    CString defaultAgent;
    if (!agent) {
        defaultAgent = ModuleBaseName();
        agent = defaultAgent;
    }
    m_hSession = InternetOpenA(agent, accessType, proxyName, proxyBypass, flags);
    if (!m_hSession)
        AfxThrowInternetException(context);
}

CInternetSession::~CInternetSession()
{
    Close();
}

void CInternetSession::Close()
{
    if (m_hSession) {
        InternetCloseHandle(m_hSession);
        m_hSession = nullptr;
    }
}

BOOL CInternetSession::SetOption(DWORD option, LPVOID buffer, DWORD length, DWORD flags)
{
    if (buffer && length >= sizeof(DWORD)) {
        DWORD value = *static_cast<const DWORD*>(buffer);
        if (option == INTERNET_OPTION_CONNECT_TIMEOUT)
            m_connectTimeout = value;
        else if (option == INTERNET_OPTION_SEND_TIMEOUT)
            m_sendTimeout = value;
        else if (option == INTERNET_OPTION_RECEIVE_TIMEOUT)
            m_receiveTimeout = value;
    }
    return CInternetHandle::SetOption(option, buffer, length, flags);
}

void CInternetSession::ApplyTimeouts(HINTERNET handle) const
{
    if (m_connectTimeout)
        InternetSetOptionA(handle, INTERNET_OPTION_CONNECT_TIMEOUT, const_cast<DWORD*>(&m_connectTimeout), sizeof(DWORD));
    if (m_sendTimeout)
        InternetSetOptionA(handle, INTERNET_OPTION_SEND_TIMEOUT, const_cast<DWORD*>(&m_sendTimeout), sizeof(DWORD));
    if (m_receiveTimeout)
        InternetSetOptionA(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, const_cast<DWORD*>(&m_receiveTimeout), sizeof(DWORD));
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR server, INTERNET_PORT port, LPCTSTR userName,
                                                     LPCTSTR password)
{
    return new CHttpConnection(this, server, port, userName, password, m_dwContext);
}

CInternetFile* CInternetSession::OpenURL(LPCTSTR url, DWORD_PTR context, DWORD flags, LPCTSTR headers,
                                         DWORD headersLength)
{
    ASSERT(url != nullptr);
    DWORD service = AFX_INET_SERVICE_UNK;
    CString server, object;
    INTERNET_PORT port = 0;
    AfxParseURL(url, service, server, object, port);

    if (headers && headersLength == 0)
        headersLength = kMeasureText;
    HINTERNET file = InternetOpenUrlA(m_hSession, url, headers, headersLength, flags, context);
    if (!file)
        AfxThrowInternetException(context);
    if (service == AFX_INET_SERVICE_HTTP || service == AFX_INET_SERVICE_HTTPS)
        return new CHttpFile(file, "GET", object, nullptr, context);
    return new CInternetFile(file, object, nullptr, context);
}

// ---------------------------------------------------------------------------
// CInternetConnection, CHttpConnection

CInternetConnection::CInternetConnection(CInternetSession* session, LPCTSTR server, INTERNET_PORT port,
                                         DWORD_PTR context)
    : m_hConnection(nullptr), m_pSession(session), m_strServerName(server), m_nPort(port), m_dwContext(context)
{
    ASSERT(session != nullptr);
}

CInternetConnection::~CInternetConnection()
{
    Close();
}

void CInternetConnection::Close()
{
    if (m_hConnection) {
        InternetCloseHandle(m_hConnection);
        m_hConnection = nullptr;
    }
}

CHttpConnection::CHttpConnection(CInternetSession* session, LPCTSTR server, INTERNET_PORT port, LPCTSTR userName,
                                 LPCTSTR password, DWORD_PTR context)
    : CInternetConnection(session, server, port, context)
{
    m_hConnection = InternetConnectA(*session, server, port, userName, password, INTERNET_SERVICE_HTTP, 0, context);
    if (!m_hConnection)
        AfxThrowInternetException(context);
    session->ApplyTimeouts(m_hConnection);
}

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR verb, LPCTSTR object, LPCTSTR referer, DWORD_PTR context,
                                        LPCTSTR* acceptTypes, LPCTSTR version, DWORD flags)
{
    ASSERT(verb != nullptr);
    // An empty referer would go out as an empty "Referer:" header.
    if (referer && !*referer)
        referer = nullptr;
    HINTERNET file = HttpOpenRequestA(m_hConnection, verb, object, version, referer, acceptTypes, flags, context);
    if (!file)
        AfxThrowInternetException(context);
    m_pSession->ApplyTimeouts(file);
    return new CHttpFile(file, verb, object, this, context);
}

CHttpFile* CHttpConnection::OpenRequest(int verb, LPCTSTR object, LPCTSTR referer, DWORD_PTR context,
                                        LPCTSTR* acceptTypes, LPCTSTR version, DWORD flags)
{
    static const char* const kVerbs[] = { "POST", "GET", "HEAD", "PUT", "LINK", "DELETE", "UNLINK" };
    ASSERT(verb >= HTTP_VERB_MIN && verb <= HTTP_VERB_MAX);
    if (verb < HTTP_VERB_MIN || verb > HTTP_VERB_MAX)
        AfxThrowInvalidArgException();
    return OpenRequest(kVerbs[verb], object, referer, context, acceptTypes, version, flags);
}

// ---------------------------------------------------------------------------
// CInternetFile, CHttpFile

CInternetFile::CInternetFile(HINTERNET file, LPCTSTR object, CInternetConnection* connection, DWORD_PTR context)
    : m_hFile(file), m_strFileName(object), m_pConnection(connection), m_dwContext(context)
{
}

CInternetFile::~CInternetFile()
{
    Close();
}

UINT CInternetFile::Read(void* buffer, UINT count)
{
    ASSERT(m_hFile != nullptr);
    DWORD read = 0;
    if (!InternetReadFile(m_hFile, buffer, count, &read))
        AfxThrowInternetException(m_dwContext);
    return read;
}

void CInternetFile::Close()
{
    if (m_hFile) {
        InternetCloseHandle(m_hFile);
        m_hFile = nullptr;
    }
}

CHttpFile::CHttpFile(HINTERNET file, LPCTSTR verb, LPCTSTR object, CHttpConnection* connection, DWORD_PTR context)
    : CInternetFile(file, object, connection, context), m_strVerb(verb)
{
}

BOOL CHttpFile::AddRequestHeaders(LPCTSTR headers, DWORD flags, int length)
{
    ASSERT(headers != nullptr);
    return HttpAddRequestHeadersA(m_hFile, headers, length < 0 ? kMeasureText : static_cast<DWORD>(length), flags);
}

BOOL CHttpFile::AddRequestHeaders(CString& headers, DWORD flags)
{
    return AddRequestHeaders(headers, flags, headers.GetLength());
}

BOOL CHttpFile::SendRequest(LPCTSTR headers, DWORD headersLength, LPVOID optional, DWORD optionalLength)
{
    ASSERT(m_hFile != nullptr);
    if (headers && headersLength == 0)
        headersLength = kMeasureText;
    if (!HttpSendRequestA(m_hFile, headers, headers ? headersLength : 0, optional, optionalLength))
        AfxThrowInternetException(m_dwContext);
    return TRUE;
}

BOOL CHttpFile::SendRequest(CString& headers, LPVOID optional, DWORD optionalLength)
{
    return SendRequest(headers.IsEmpty() ? nullptr : static_cast<LPCTSTR>(headers),
                       static_cast<DWORD>(headers.GetLength()), optional, optionalLength);
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const
{
    statusCode = 0;
    DWORD length = sizeof statusCode;
    if (!HttpQueryInfoA(m_hFile, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &statusCode, &length, nullptr)) {
        statusCode = 0;
        return FALSE;
    }
    return statusCode != 0;
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, LPVOID buffer, LPDWORD length, LPDWORD index) const
{
    return HttpQueryInfoA(m_hFile, infoLevel, buffer, length, index);
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, CString& value, LPDWORD index) const
{
    value.Empty();
    DWORD length = 0;
    DWORD probeIndex = index ? *index : 0;
    if (HttpQueryInfoA(m_hFile, infoLevel, nullptr, &length, &probeIndex) || length == 0)
        return FALSE;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return FALSE;
    BOOL ok = HttpQueryInfoA(m_hFile, infoLevel, value.GetBuffer(static_cast<int>(length) + 1), &length, index);
    value.ReleaseBuffer(ok ? static_cast<int>(length) : 0);
    return ok;
}
