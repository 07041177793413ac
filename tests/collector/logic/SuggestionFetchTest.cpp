#include "collector/SuggestionFetch.h"

#include "tests/support/HttpTestServer.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class SuggestionFetch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.Start());
        m_host.Format("127.0.0.1:%u", static_cast<unsigned>(m_server.Port()));
    }

    CString Fetch(const CString& keyword) { return FetchSuggestions(keyword, m_host); }

    std::string RequestLineFor(const char* keyword)
    {
        const size_t before = m_server.RequestCount();
        m_server.Enqueue(HttpTestServer::Response::Ok("[[]]"));
        EXPECT_EQ("[[]]", Fetch(keyword));
        const std::vector<HttpTestServer::Request> requests = m_server.Requests();
        EXPECT_EQ(before + 1, requests.size());
        return requests.empty() ? std::string() : requests.back().requestLine;
    }

    HttpTestServer m_server;
    CString m_host;
};

const std::string kPath = "GET /complete/search?hl=en&client=suggest&js=false&q=";
}

TEST_F(SuggestionFetch, RequestLinesCarryTheEscapedKeywordAndItsLength)
{
    EXPECT_EQ(kPath + "%D0%B0%D0%B1%D0%B2&cp=3 HTTP/1.1", RequestLineFor("\xE0\xE1\xE2"));
    EXPECT_EQ(kPath + "%D0%B0%D0%B1%D0%B2&cp=3 HTTP/1.1", RequestLineFor("\xC0\xE1\xE2"));
    EXPECT_EQ(kPath + "%D1%91%D0%BB%D0%BA%D0%B0&cp=4 HTTP/1.1", RequestLineFor("\xB8\xEB\xEA\xE0"));
    EXPECT_EQ(kPath + "abc&cp=3 HTTP/1.1", RequestLineFor("ABC"));
    EXPECT_EQ(kPath + "c%2B%2B&cp=3 HTTP/1.1", RequestLineFor("c++"));
    EXPECT_EQ(kPath + "a%26b&cp=3 HTTP/1.1", RequestLineFor("a&b"));
    EXPECT_EQ(kPath + "a%23b&cp=3 HTTP/1.1", RequestLineFor("a#b"));
    EXPECT_EQ(kPath + "ab%20cd&cp=5 HTTP/1.1", RequestLineFor("ab cd"));
}

TEST_F(SuggestionFetch, RequestHeaders)
{
    m_server.Enqueue(HttpTestServer::Response::Ok("x"));
    ASSERT_EQ("x", Fetch("a"));
    const HttpTestServer::Request request = m_server.Requests().at(0);
    EXPECT_EQ("GET", request.method);
    EXPECT_EQ("Suggest", request.HeaderValue("User-Agent"));
    EXPECT_EQ(std::string((LPCTSTR)m_host), request.HeaderValue("Host"));
    EXPECT_TRUE(request.body.empty());
}

TEST_F(SuggestionFetch, TenNotFoundAnswersGiveTheMarker)
{
    for (int i = 0; i < 12; ++i)
        m_server.Enqueue(HttpTestServer::Response::Status(404, "not here"));
    EXPECT_EQ(kNotParsed, Fetch("a"));
    EXPECT_EQ(10u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, OtherStatusesAreReadAsAnswers)
{
    m_server.Enqueue(HttpTestServer::Response::Status(500, "server trouble"));
    EXPECT_EQ("server trouble", Fetch("a"));
    EXPECT_EQ(1u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, EmptyBodiesAndSilentClosesAreRetried)
{
    m_server.Enqueue(HttpTestServer::Response::Ok(""));
    m_server.Enqueue(HttpTestServer::Response::Dropped());
    m_server.Enqueue(HttpTestServer::Response::Ok("answer"));
    EXPECT_EQ("answer", Fetch("a"));
    EXPECT_EQ(3u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, NineFailuresThenAnAnswer)
{
    for (int i = 0; i < 9; ++i)
        m_server.Enqueue(i % 3 == 0 ? HttpTestServer::Response::Dropped()
                         : i % 3 == 1 ? HttpTestServer::Response::Status(404)
                                      : HttpTestServer::Response::Ok(""));
    m_server.Enqueue(HttpTestServer::Response::Ok("tenth"));
    EXPECT_EQ("tenth", Fetch("a"));
    EXPECT_EQ(10u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, TenSilentClosesGiveTheMarker)
{
    for (int i = 0; i < 10; ++i)
        m_server.Enqueue(HttpTestServer::Response::Dropped());
    EXPECT_EQ(kNotParsed, Fetch("a"));
}

TEST_F(SuggestionFetch, HugeBodyIsCutWithinTheBuffer)
{
    std::string body(1200000, 'x');
    for (size_t i = 0; i < body.size(); i += 997)
        body[i] = static_cast<char>('a' + (i / 997) % 26);
    m_server.Enqueue(HttpTestServer::Response::Ok(body));
    const CString answer = Fetch("a");
    EXPECT_GE(answer.GetLength(), 998001);
    EXPECT_LE(answer.GetLength(), 999000);
    EXPECT_EQ(0, memcmp(body.data(), (LPCTSTR)answer, static_cast<size_t>(answer.GetLength())));
    EXPECT_EQ(1u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, EmbeddedNulEndsTheAnswer)
{
    m_server.Enqueue(HttpTestServer::Response::Ok(std::string("ab\0cd", 5)));
    EXPECT_EQ("ab", Fetch("a"));
}

TEST_F(SuggestionFetch, ServerDownGivesTheMarker)
{
    m_server.Stop();
    const DWORD start = GetTickCount();
    EXPECT_EQ(kNotParsed, Fetch("a"));
    // Refused connections fail at once; ten of them take well under a second.
    RecordProperty("elapsed_ms", static_cast<int>(GetTickCount() - start));
}

TEST_F(SuggestionFetch, UnusableHostSettingsSendNothing)
{
    m_server.SetHandler([](const HttpTestServer::Request&) { return HttpTestServer::Response::Ok("answer"); });
    const CString port = m_host.Mid(m_host.Find(':') + 1);
    for (const CString& bad : { CString(""), CString(":::"), CString("127.0.0.1:99999"), "http://" + m_host,
                                m_host + "/evil?x=", "127.0.0.1 :" + port, "127.0.0.1:" + port + "#x" })
        EXPECT_EQ(kNotParsed, FetchSuggestions("a", bad)) << (LPCTSTR)bad;
    EXPECT_EQ(0u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, RedirectsAreFollowedUpToFive)
{
    // Absolute, server-relative and path-relative locations, five in all.
    for (const char* location : { "/r1", "r2?x=1", "/deep/r3", "r4", static_cast<const char*>(nullptr) })
    {
        HttpTestServer::Response redirect = HttpTestServer::Response::Status(302, "moved");
        redirect.headers.push_back({ "Location", location ? location : m_server.Url("/last") });
        m_server.Enqueue(redirect);
    }
    m_server.Enqueue(HttpTestServer::Response::Ok("arrived"));
    EXPECT_EQ("arrived", Fetch("a"));
    const std::vector<HttpTestServer::Request> requests = m_server.Requests();
    ASSERT_EQ(6u, requests.size());
    EXPECT_EQ("/r1", requests[1].target);
    EXPECT_EQ("/r2?x=1", requests[2].target);
    EXPECT_EQ("/deep/r3", requests[3].target);
    EXPECT_EQ("/deep/r4", requests[4].target);
    EXPECT_EQ("/last", requests[5].target);
}

TEST_F(SuggestionFetch, ARedirectLoopFailsEveryAttempt)
{
    m_server.SetHandler([](const HttpTestServer::Request& request) {
        HttpTestServer::Response redirect = HttpTestServer::Response::Status(301);
        redirect.headers.push_back({ "Location", request.target });
        return redirect;
    });
    EXPECT_EQ(kNotParsed, Fetch("a"));
    // Ten attempts of the first request and five redirects each.
    EXPECT_EQ(60u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, ARedirectToAnotherSchemeFailsTheAttempt)
{
    m_server.SetHandler([](const HttpTestServer::Request&) {
        HttpTestServer::Response redirect = HttpTestServer::Response::Status(302);
        redirect.headers.push_back({ "Location", "ftp://127.0.0.1/file" });
        return redirect;
    });
    EXPECT_EQ(kNotParsed, Fetch("a"));
    EXPECT_EQ(10u, m_server.RequestCount());
}

TEST_F(SuggestionFetch, ASilentServiceTimesOutOnEveryAttempt)
{
    // Accepts, reads the request and never writes a byte.
    m_server.SetHandler([](const HttpTestServer::Request&) {
        HttpTestServer::Response silent = HttpTestServer::Response::Ok("too late");
        silent.delayMs = 600000;
        return silent;
    });
    EXPECT_EQ(kNotParsed, FetchSuggestions("a", m_host, 200));
    EXPECT_EQ(10u, m_server.RequestCount());
}
