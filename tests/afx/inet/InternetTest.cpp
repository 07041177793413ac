// The HTTP classes against the in-process test server: what goes out on the
// wire, status codes, long bodies, and the failures the program must survive
// (nobody listening, a silent close, a server too slow to answer).
#include <gtest/gtest.h>

#include "afx/Internet.h"
#include "afx/Socket.h"
#include "tests/support/HttpTestServer.h"

#include <memory>
#include <string>

namespace {

const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE;

struct Fetched
{
    DWORD status = 0;
    std::string body;
};

// One GET the way the program sends it, read in 1000-byte chunks.
Fetched Get(CInternetSession& session, unsigned short port, LPCTSTR object)
{
    Fetched result;
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("127.0.0.1", port));
    std::unique_ptr<CHttpFile> file(
        connection->OpenRequest(HTTP_VERB_GET, object, "", 1, nullptr, nullptr, kRequestFlags));
    file->SendRequest();
    file->QueryInfoStatusCode(result.status);
    char chunk[1000];
    while (UINT got = file->Read(chunk, sizeof chunk))
        result.body.append(chunk, got);
    file->Close();
    connection->Close();
    return result;
}

// The error of the CInternetException the call throws; 0 when it throws none.
template <class F>
DWORD InternetErrorOf(F call, CString* message = nullptr)
{
    try {
        call();
    } catch (CInternetException* e) {
        DWORD error = e->m_dwError;
        if (message) {
            char text[256];
            if (e->GetErrorMessage(text, sizeof text))
                *message = text;
        }
        e->Delete();
        return error;
    }
    return 0;
}

class Internet : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(server.Start()); }

    HttpTestServer server;
    CInternetSession session{ "Suggest", 1, INTERNET_OPEN_TYPE_PRECONFIG };
};

}  // namespace

TEST_F(Internet, RequestGoesOutExactlyAsBuilt)
{
    server.Enqueue(HttpTestServer::Response::Ok("[[\"a\",\"1 results\",\"0\"]]"));
    const char* object = "/complete/search?hl=en&client=suggest&js=false&q=%D0%B0%D0%B1+%26%2B&cp=3";
    Fetched got = Get(session, server.Port(), object);
    EXPECT_EQ(200u, got.status);
    EXPECT_EQ("[[\"a\",\"1 results\",\"0\"]]", got.body);

    ASSERT_EQ(1u, server.RequestCount());
    HttpTestServer::Request request = server.Requests()[0];
    EXPECT_EQ(std::string("GET ") + object + " HTTP/1.1", request.requestLine);
    EXPECT_EQ("Suggest", request.HeaderValue("User-Agent"));
    EXPECT_EQ("127.0.0.1:" + std::to_string(server.Port()), request.HeaderValue("Host"));
    EXPECT_FALSE(request.HasHeader("Referer"));   // the empty referer sends none
}

TEST_F(Internet, ExtraHeadersAndBodyOfAPost)
{
    server.Enqueue(HttpTestServer::Response::Ok("done"));
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("127.0.0.1", server.Port()));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest("POST", "/form", nullptr, 1, nullptr, nullptr,
                                                            kRequestFlags));
    EXPECT_TRUE(file->AddRequestHeaders("X-Probe: one\r\n"));
    CString headers = "Content-Type: application/x-www-form-urlencoded\r\n";
    char body[] = "a=1&b=%D0%B0";
    EXPECT_TRUE(file->SendRequest(headers, body, sizeof body - 1));
    DWORD status = 0;
    EXPECT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(200u, status);
    CString length;
    EXPECT_TRUE(file->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, length));
    EXPECT_STREQ("4", length);

    ASSERT_EQ(1u, server.RequestCount());
    HttpTestServer::Request request = server.Requests()[0];
    EXPECT_EQ("POST /form HTTP/1.1", request.requestLine);
    EXPECT_EQ("one", request.HeaderValue("X-Probe"));
    EXPECT_EQ("application/x-www-form-urlencoded", request.HeaderValue("Content-Type"));
    EXPECT_EQ("a=1&b=%D0%B0", request.body);
}

TEST_F(Internet, StatusCodesReachTheCallerWithTheirBodies)
{
    for (int status : { 200, 404, 500 }) {
        server.Enqueue(HttpTestServer::Response::Status(status, "body " + std::to_string(status)));
        Fetched got = Get(session, server.Port(), "/s");
        EXPECT_EQ(static_cast<DWORD>(status), got.status);
        EXPECT_EQ("body " + std::to_string(status), got.body);
    }
}

TEST_F(Internet, LongBodyArrivesWholeInSmallReads)
{
    std::string body(1200000, '\0');
    for (size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>('a' + (i * 7 + i / 1000) % 26);
    server.Enqueue(HttpTestServer::Response::Ok(body));
    Fetched got = Get(session, server.Port(), "/big");
    EXPECT_EQ(200u, got.status);
    ASSERT_EQ(body.size(), got.body.size());
    EXPECT_TRUE(body == got.body);
}

TEST_F(Internet, ServerDownThrowsCannotConnect)
{
    unsigned short port = server.Port();
    server.Stop();
    CString message;
    DWORD error = InternetErrorOf([&] { Get(session, port, "/s"); }, &message);
    EXPECT_EQ(static_cast<DWORD>(ERROR_INTERNET_CANNOT_CONNECT), error);
    EXPECT_FALSE(message.IsEmpty());   // wininet's own text for its code
}

TEST_F(Internet, SilentCloseGivesStatusZero)
{
    server.Enqueue(HttpTestServer::Response::Dropped());
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("127.0.0.1", server.Port()));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest(HTTP_VERB_GET, "/s"));
    // The send itself succeeds: only the missing status tells the caller.
    EXPECT_TRUE(file->SendRequest());
    DWORD status = 12345;
    EXPECT_FALSE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(0u, status);
    char chunk[16];
    EXPECT_EQ(0u, file->Read(chunk, sizeof chunk));
    EXPECT_EQ(1u, server.RequestCount());
}

TEST_F(Internet, ReceiveTimeoutSetOnTheSessionEndsASlowAnswer)
{
    HttpTestServer::Response slow = HttpTestServer::Response::Ok("late");
    slow.delayMs = 8000;
    server.Enqueue(slow);
    EXPECT_TRUE(session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, 500));
    DWORD error = InternetErrorOf([&] { Get(session, server.Port(), "/slow"); });
    EXPECT_TRUE(error == ERROR_INTERNET_TIMEOUT || error == ERROR_INTERNET_CONNECTION_ABORTED) << error;
    // The server is stopped by the fixture while that connection may still be open.
}

TEST_F(Internet, TruncatedAnswerEndsTheReadWithoutHanging)
{
    HttpTestServer::Response cut = HttpTestServer::Response::Ok(std::string(5000, 'x'));
    cut.cutAfter = 2000;   // the head and part of the body
    server.Enqueue(cut);
    Fetched got = Get(session, server.Port(), "/cut");
    EXPECT_EQ(200u, got.status);
    EXPECT_GT(got.body.size(), 0u);
    EXPECT_LT(got.body.size(), 5000u);
    EXPECT_EQ(std::string(got.body.size(), 'x'), got.body);
}

TEST_F(Internet, OpenUrlSendsAndReads)
{
    server.Enqueue(HttpTestServer::Response::Ok("whole"));
    std::unique_ptr<CInternetFile> file(session.OpenURL(server.Url("/u?x=%41").c_str(), 1, kRequestFlags));
    ASSERT_TRUE(file->IsKindOf(RUNTIME_CLASS(CHttpFile)));
    CHttpFile* http = static_cast<CHttpFile*>(file.get());
    DWORD status = 0;
    EXPECT_TRUE(http->QueryInfoStatusCode(status));
    EXPECT_EQ(200u, status);
    char text[16] = "";
    EXPECT_EQ(5u, file->Read(text, sizeof text));
    EXPECT_STREQ("whole", text);
    EXPECT_EQ("GET /u?x=%41 HTTP/1.1", server.Requests().at(0).requestLine);
}

TEST(HttpTestServer, StopsWhileAClientHoldsAHalfRequest)
{
    ASSERT_TRUE(AfxSocketInit());
    HttpTestServer server;
    ASSERT_TRUE(server.Start());
    SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(server.Port());
    ASSERT_EQ(0, connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address));
    const char half[] = "GET /never-finished HTTP/1.1\r\nHost: x\r\n";
    send(client, half, sizeof half - 1, 0);
    server.Stop();
    char buffer[16];
    EXPECT_LE(recv(client, buffer, sizeof buffer, 0), 0);   // cut, not answered
    closesocket(client);
    EXPECT_EQ(0u, server.RequestCount());
}

TEST(Sockets, InitStartsVersionTwoTwoOnce)
{
    WSADATA data = {};
    ASSERT_TRUE(AfxSocketInit(&data));
    EXPECT_EQ(MAKEWORD(2, 2), data.wVersion);
    EXPECT_TRUE(AfxSocketInit());
}
