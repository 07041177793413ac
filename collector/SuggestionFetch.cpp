#include "collector/SuggestionFetch.h"

#include "afx/Internet.h"
#include "collector/SuggestionRequest.h"

#include <stdlib.h>

namespace
{
const DWORD_PTR kContext = 1;
const DWORD kStatusNotFound = 404;

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
CString TryFetch(const CString& url)
{
    CInternetSession session("Suggest", kContext, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    CAttempt attempt;
    attempt.m_buffer = static_cast<char*>(malloc(kAnswerBufferSize));
    if (attempt.m_buffer == nullptr)
        return CString();

    DWORD service = 0;
    CString server, object;
    INTERNET_PORT port = 0;
    if (!AfxParseURL(url, service, server, object, port))
        return CString();

    attempt.m_pConnection = session.GetHttpConnection(server, port, nullptr, nullptr);
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE;
    if (IsSecureUrl(url))
        flags |= INTERNET_FLAG_SECURE;
    attempt.m_pFile = attempt.m_pConnection->OpenRequest(HTTP_VERB_GET, object, "", kContext, nullptr, nullptr, flags);
    if (!attempt.m_pFile->SendRequest())
        return CString();

    DWORD status = 0;
    attempt.m_pFile->QueryInfoStatusCode(status);
    // Status 0: the server closed the connection without an answer.
    if (status == 0 || status == kStatusNotFound)
        return CString();

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

CString FetchSuggestions(const CString& keyword, const CString& hostSetting)
{
    const CString url = BuildSuggestionUrl(hostSetting, keyword);
    CString result;
    for (int attempts = 0; result.IsEmpty() && attempts < kFetchAttempts; ++attempts)
    {
        try
        {
            result = TryFetch(url);
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
