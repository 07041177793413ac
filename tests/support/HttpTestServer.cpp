#include "tests/support/HttpTestServer.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <stdlib.h>
#include <string.h>

namespace {

// How often blocked socket waits look at the stop flag.
const long kPollMicroseconds = 50 * 1000;
// A request head larger than this is not one a test sends: the connection is dropped.
const std::size_t kMaxRequestSize = 1024 * 1024;

enum class Ready { Yes, No, Failed };

Ready WaitReady(std::uintptr_t socket, bool forWriting)
{
    fd_set set;
    FD_ZERO(&set);
    FD_SET(static_cast<SOCKET>(socket), &set);
    timeval wait = { 0, kPollMicroseconds };
    int result = select(0, forWriting ? nullptr : &set, forWriting ? &set : nullptr, nullptr, &wait);
    if (result < 0)
        return Ready::Failed;
    return result > 0 ? Ready::Yes : Ready::No;
}

const char* ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && _strnicmp(a.c_str(), b.c_str(), a.size()) == 0;
}

bool HasHeaderNamed(const std::vector<HttpTestServer::Header>& headers, const std::string& name)
{
    for (const HttpTestServer::Header& header : headers) {
        if (SameName(header.name, name))
            return true;
    }
    return false;
}

std::string BuildAnswer(const HttpTestServer::Response& response)
{
    std::string text = "HTTP/1.1 " + std::to_string(response.status) + " " +
                       (response.reason.empty() ? ReasonPhrase(response.status) : response.reason) + "\r\n";
    for (const HttpTestServer::Header& header : response.headers)
        text += header.name + ": " + header.value + "\r\n";
    if (!HasHeaderNamed(response.headers, "Content-Length"))
        text += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    if (!HasHeaderNamed(response.headers, "Connection"))
        text += "Connection: close\r\n";
    text += "\r\n";
    text += response.body;
    return text;
}

}  // namespace

// ---------------------------------------------------------------------------

std::string HttpTestServer::Request::HeaderValue(const std::string& name) const
{
    for (const Header& header : headers) {
        if (SameName(header.name, name))
            return header.value;
    }
    return std::string();
}

bool HttpTestServer::Request::HasHeader(const std::string& name) const
{
    return HasHeaderNamed(headers, name);
}

HttpTestServer::Response HttpTestServer::Response::Status(int status, std::string body)
{
    Response response;
    response.status = status;
    response.body = std::move(body);
    return response;
}

HttpTestServer::Response HttpTestServer::Response::Dropped()
{
    Response response;
    response.drop = true;
    return response;
}

// ---------------------------------------------------------------------------

HttpTestServer::HttpTestServer()
    : m_listener(INVALID_SOCKET), m_port(0), m_socketsStarted(false), m_stopping(false)
{
}

HttpTestServer::~HttpTestServer()
{
    Stop();
}

bool HttpTestServer::Start(unsigned short port)
{
    if (m_listener != INVALID_SOCKET)
        return false;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return false;
    m_socketsStarted = true;

    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET) {
        Stop();
        return false;
    }
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    int length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, SOMAXCONN) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(listener);
        Stop();
        return false;
    }
    m_listener = listener;
    m_port = ntohs(address.sin_port);
    m_stopping = false;
    m_acceptThread = std::thread(&HttpTestServer::AcceptLoop, this);
    return true;
}

void HttpTestServer::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        // Wakes connections blocked in recv or send; each closes its own socket.
        for (const std::unique_ptr<Connection>& connection : m_connections) {
            if (connection->socket != INVALID_SOCKET)
                shutdown(static_cast<SOCKET>(connection->socket), SD_BOTH);
        }
    }
    m_changed.notify_all();
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    // The accept thread is gone: nobody else touches the list now.
    for (const std::unique_ptr<Connection>& connection : m_connections) {
        if (connection->thread.joinable())
            connection->thread.join();
    }
    m_connections.clear();
    if (m_listener != INVALID_SOCKET) {
        closesocket(static_cast<SOCKET>(m_listener));
        m_listener = INVALID_SOCKET;
    }
    if (m_socketsStarted) {
        WSACleanup();
        m_socketsStarted = false;
    }
}

std::string HttpTestServer::Url(const std::string& pathAndQuery) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + pathAndQuery;
}

void HttpTestServer::Enqueue(Response response)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.push_back(std::move(response));
}

void HttpTestServer::SetHandler(Handler handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handler = std::move(handler);
}

std::vector<HttpTestServer::Request> HttpTestServer::Requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

std::size_t HttpTestServer::RequestCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests.size();
}

bool HttpTestServer::WaitForRequests(std::size_t count, unsigned timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_requests.size() >= count; });
}

void HttpTestServer::AcceptLoop()
{
    while (!m_stopping) {
        ReapFinished();
        Ready ready = WaitReady(m_listener, false);
        if (ready == Ready::Failed)
            break;
        if (ready == Ready::No)
            continue;
        SOCKET client = accept(static_cast<SOCKET>(m_listener), nullptr, nullptr);
        if (client == INVALID_SOCKET)
            continue;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping) {
            closesocket(client);
            break;
        }
        m_connections.push_back(std::make_unique<Connection>());
        Connection* connection = m_connections.back().get();
        connection->socket = client;
        connection->thread = std::thread(&HttpTestServer::Serve, this, connection);
    }
}

void HttpTestServer::ReapFinished()
{
    std::list<std::unique_ptr<Connection>> finished;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_connections.begin(); it != m_connections.end();) {
            auto next = std::next(it);
            if ((*it)->finished)
                finished.splice(finished.end(), m_connections, it);
            it = next;
        }
    }
    for (const std::unique_ptr<Connection>& connection : finished)
        connection->thread.join();
}

void HttpTestServer::Serve(Connection* connection)
{
    std::uintptr_t socket = connection->socket;
    Request request;
    if (ReadRequest(socket, request)) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requests.push_back(request);
        }
        m_changed.notify_all();

        Response response = NextResponse(request);
        if (response.delayMs) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait_for(lock, std::chrono::milliseconds(response.delayMs), [&] { return m_stopping.load(); });
        }
        if (!response.drop && !m_stopping) {
            std::string answer = BuildAnswer(response);
            if (response.cutAfter < answer.size())
                answer.resize(response.cutAfter);
            SendAll(socket, answer);
        }
        shutdown(static_cast<SOCKET>(socket), SD_SEND);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    closesocket(static_cast<SOCKET>(socket));
    connection->socket = INVALID_SOCKET;
    connection->finished = true;
}

bool HttpTestServer::ReceiveSome(std::uintptr_t socket, std::string& into)
{
    for (;;) {
        if (m_stopping)
            return false;
        Ready ready = WaitReady(socket, false);
        if (ready == Ready::Failed)
            return false;
        if (ready == Ready::No)
            continue;
        char buffer[4096];
        int got = recv(static_cast<SOCKET>(socket), buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        into.append(buffer, static_cast<std::size_t>(got));
        return true;
    }
}

bool HttpTestServer::ReadRequest(std::uintptr_t socket, Request& request)
{
    std::string data;
    std::size_t headEnd;
    while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
        if (data.size() > kMaxRequestSize || !ReceiveSome(socket, data))
            return false;
    }

    std::size_t lineEnd = data.find("\r\n");
    request.requestLine = data.substr(0, lineEnd);
    std::size_t space1 = request.requestLine.find(' ');
    std::size_t space2 = request.requestLine.rfind(' ');
    if (space1 == std::string::npos || space2 == space1)
        return false;
    request.method = request.requestLine.substr(0, space1);
    request.target = request.requestLine.substr(space1 + 1, space2 - space1 - 1);
    request.version = request.requestLine.substr(space2 + 1);

    std::size_t at = lineEnd + 2;
    while (at < headEnd) {
        std::size_t end = data.find("\r\n", at);
        std::string line = data.substr(at, end - at);
        at = end + 2;
        std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::size_t valueStart = line.find_first_not_of(" \t", colon + 1);
        request.headers.push_back(
            { line.substr(0, colon), valueStart == std::string::npos ? std::string() : line.substr(valueStart) });
    }

    std::size_t bodyLength = 0;
    std::string length = request.HeaderValue("Content-Length");
    if (!length.empty())
        bodyLength = static_cast<std::size_t>(strtoul(length.c_str(), nullptr, 10));
    if (bodyLength > kMaxRequestSize)
        return false;
    request.body = data.substr(headEnd + 4);
    while (request.body.size() < bodyLength) {
        if (!ReceiveSome(socket, request.body))
            return false;
    }
    request.body.resize(bodyLength);
    return true;
}

void HttpTestServer::SendAll(std::uintptr_t socket, const std::string& data)
{
    std::size_t sent = 0;
    while (sent < data.size() && !m_stopping) {
        Ready ready = WaitReady(socket, true);
        if (ready == Ready::Failed)
            return;
        if (ready == Ready::No)
            continue;
        int chunk = static_cast<int>(std::min<std::size_t>(data.size() - sent, 64 * 1024));
        int put = send(static_cast<SOCKET>(socket), data.data() + sent, chunk, 0);
        if (put <= 0)
            return;
        sent += static_cast<std::size_t>(put);
    }
}

HttpTestServer::Response HttpTestServer::NextResponse(const Request& request)
{
    Handler handler;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_queue.empty()) {
            Response response = std::move(m_queue.front());
            m_queue.pop_front();
            return response;
        }
        handler = m_handler;
    }
    if (handler)
        return handler(request);
    return Response::Status(404, "No answer scripted for " + request.target);
}
