#include "collector/SuggestionFetch.h"

#include "afx/Internet.h"

#include <stdlib.h>

namespace
{
const DWORD_PTR kContext = 1;
const DWORD kStatusNotFound = 404;

bool IsRedirect(DWORD status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Frees the answer buffer and closes the request and connection however an
// attempt ends.
class CAttempt
{
public:
    CAttempt() : m_buffer(nullptr), m_pConnection(nullptr), m_pFile(nullptr) {}
    ~CAttempt()
    {
        CloseAll();
        free(m_buffer);
    }
    CAttempt(const CAttempt&) = delete;
    CAttempt& operator=(const CAttempt&) = delete;

    void CloseAll()
    {
        if (m_pFile != nullptr)
        {
            Quietly([this] { m_pFile->Close(); });
            delete m_pFile;
            m_pFile = nullptr;
        }
        if (m_pConnection != nullptr)
        {
            Quietly([this] { m_pConnection->Close(); });
            delete m_pConnection;
            m_pConnection = nullptr;
        }
    }

    char* m_buffer;
    CHttpConnection* m_pConnection;
    CHttpFile* m_pFile;

private:
    template <class F>
    static void Quietly(F close)
    {
        try
        {
            close();
        }
        catch (CInternetException* e)
        {
            e->Delete();
        }
    }
};

// One attempt: the answer text, or an empty text when the attempt failed.
CString TryFetch(const CString& firstUrl, UINT timeoutMs)
{
    CInternetSession session("Suggest", kContext, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    // The session passes these on to every connection and request it opens:
    // a service that accepts and then stays silent must not hold the worker.
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, static_cast<DWORD>(timeoutMs));
    session.SetOption(INTERNET_OPTION_SEND_TIMEOUT, static_cast<DWORD>(timeoutMs));
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, static_cast<DWORD>(timeoutMs));
    CAttempt attempt;
    attempt.m_buffer = static_cast<char*>(malloc(kAnswerBufferSize));
    if (attempt.m_buffer == nullptr)
        return CString();

    // Redirects are followed here, not by WinINet, so that a loop ends.
    CString url = firstUrl;
    for (int redirects = 0;; ++redirects)
    {
        DWORD service = 0;
        CString server, object;
        INTERNET_PORT port = 0;
        // A redirect may name any scheme; only HTTP can be followed.
        if (!AfxParseURL(url, service, server, object, port)
            || (service != AFX_INET_SERVICE_HTTP && service != AFX_INET_SERVICE_HTTPS))
            return CString();

        attempt.m_pConnection = session.GetHttpConnection(server, port, nullptr, nullptr);
        DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE | INTERNET_FLAG_NO_AUTO_REDIRECT;
        if (IsSecureUrl(url))
            flags |= INTERNET_FLAG_SECURE;
        attempt.m_pFile = attempt.m_pConnection->OpenRequest(HTTP_VERB_GET, object, "", kContext, nullptr, nullptr,
                                                             flags);
        if (!attempt.m_pFile->SendRequest())
            return CString();

        DWORD status = 0;
        attempt.m_pFile->QueryInfoStatusCode(status);
        // Status 0: the server closed the connection without an answer.
        if (status == 0 || status == kStatusNotFound)
            return CString();
        CString location;
        if (!IsRedirect(status) || !attempt.m_pFile->QueryInfo(HTTP_QUERY_LOCATION, location) || location.IsEmpty())
            break;
        if (redirects == kMaxRedirects)
            return CString();
        url = ResolveRedirect(url, location);
        attempt.CloseAll();
    }

    char* const buffer = attempt.m_buffer;
    UINT got = attempt.m_pFile->Read(buffer, kAnswerReadChunk);
    int total = 0;
    while (got > 0 && total <= kAnswerReadLimit)
    {
        total += static_cast<int>(got);
        got = attempt.m_pFile->Read(buffer + total, kAnswerReadChunk);
    }
    attempt.CloseAll();
    buffer[total] = '\0';
    // An embedded NUL ends the answer, as for any text the program keeps.
    return CString(buffer);
}
}

CString FetchSuggestions(const CString& keyword, const CString& hostSetting, UINT timeoutMs)
{
    CString host;
    WORD port = 0;
    if (!SplitHostPort(hostSetting, host, port))
        return kNotParsed;
    const CString url = BuildSuggestionUrl(hostSetting, keyword);
    CString result;
    for (int attempts = 0; result.IsEmpty() && attempts < kFetchAttempts; ++attempts)
    {
        try
        {
            result = TryFetch(url, timeoutMs);
        }
        catch (CInternetException* e)
        {
            e->Delete();
        }
    }
    if (result.IsEmpty())
        result = kNotParsed;
    return result;
}
