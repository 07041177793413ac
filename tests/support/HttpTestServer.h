// A tiny HTTP/1.1 server for tests: it listens on 127.0.0.1 in the test
// process, records every request exactly as it arrived, and answers from a
// script the test sets up (status, headers, body, a delay, a dropped or cut
// connection). It stands in for the remote services the program talks to.
//
//   HttpTestServer server;
//   ASSERT_TRUE(server.Start());                       // a free port
//   server.Enqueue(HttpTestServer::Response::Status(404, "gone"));
//   ... a client asks server.Url("/complete/search?q=x") ...
//   EXPECT_EQ("GET /complete/search?q=x HTTP/1.1", server.Requests()[0].requestLine);
//
// Each connection carries one request and is closed after the answer.
// Stop (or the destructor) ends everything, also while clients are connected.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class HttpTestServer
{
public:
    struct Header
    {
        std::string name;
        std::string value;
    };

    struct Request
    {
        std::string requestLine;         // e.g. "GET /a%20b?q=1 HTTP/1.1", without CR LF
        std::string method;
        std::string target;              // the path and query, byte for byte
        std::string version;
        std::vector<Header> headers;     // in arrival order, names and values as sent
        std::string body;

        // The first header of that name (case-insensitive); "" when absent.
        std::string HeaderValue(const std::string& name) const;
        bool HasHeader(const std::string& name) const;
    };

    struct Response
    {
        int status = 200;
        std::string reason;              // "" gives the usual phrase for the status
        std::vector<Header> headers;     // Content-Length and Connection are added unless given
        std::string body;
        unsigned delayMs = 0;            // wait this long before answering
        bool drop = false;               // close the connection without any answer
        std::size_t cutAfter = npos;     // send only this many bytes of the whole answer, then close

        static constexpr std::size_t npos = static_cast<std::size_t>(-1);

        static Response Status(int status, std::string body = std::string());
        static Response Ok(std::string body) { return Status(200, std::move(body)); }
        static Response Dropped();
    };

    // Makes the answer for a request when no scripted answer is queued.
    using Handler = std::function<Response(const Request&)>;

    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    // Listens on 127.0.0.1:port (0: a free port chosen by the system).
    // false when the port cannot be bound.
    bool Start(unsigned short port = 0);
    // Stops listening, cuts every open connection and waits for the server's threads.
    void Stop();

    unsigned short Port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by pathAndQuery.
    std::string Url(const std::string& pathAndQuery) const;

    // Answers are used in the order queued, one per request. With the queue
    // empty the handler answers; without a handler, 404.
    void Enqueue(Response response);
    void SetHandler(Handler handler);

    // Every complete request received so far, in order of arrival.
    std::vector<Request> Requests() const;
    std::size_t RequestCount() const;
    // Waits until at least count requests have arrived; false after timeoutMs.
    bool WaitForRequests(std::size_t count, unsigned timeoutMs) const;

private:
    struct Connection
    {
        std::thread thread;
        std::uintptr_t socket = 0;
        std::atomic<bool> finished{ false };
    };

    void AcceptLoop();
    void Serve(Connection* connection);
    bool ReadRequest(std::uintptr_t socket, Request& request);
    bool ReceiveSome(std::uintptr_t socket, std::string& into);
    void SendAll(std::uintptr_t socket, const std::string& data);
    Response NextResponse(const Request& request);
    void ReapFinished();

    std::uintptr_t m_listener;
    unsigned short m_port;
    bool m_socketsStarted;
    std::atomic<bool> m_stopping;
    std::thread m_acceptThread;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<Request> m_requests;
    std::deque<Response> m_queue;
    Handler m_handler;
    std::list<std::unique_ptr<Connection>> m_connections;
};
