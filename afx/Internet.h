// HTTP client classes over WinINet: a session (CInternetSession) opens
// connections to a server (CHttpConnection), a connection opens requests
// (CHttpFile) that are sent and then read like a file. Failing operations throw
// CInternetException with the WinINet error code. AfxParseURL splits a URL.
#pragma once

#include "afx/Exception.h"
#include "afx/String.h"

#include <wininet.h>

// Services a URL can name (AfxParseURL).
#define AFX_INET_SERVICE_FTP INTERNET_SERVICE_FTP
#define AFX_INET_SERVICE_HTTP INTERNET_SERVICE_HTTP
#define AFX_INET_SERVICE_GOPHER INTERNET_SERVICE_GOPHER
#define AFX_INET_SERVICE_UNK 0x1000
#define AFX_INET_SERVICE_FILE (AFX_INET_SERVICE_UNK + 1)
#define AFX_INET_SERVICE_MAILTO (AFX_INET_SERVICE_UNK + 2)
#define AFX_INET_SERVICE_MID (AFX_INET_SERVICE_UNK + 3)
#define AFX_INET_SERVICE_CID (AFX_INET_SERVICE_UNK + 4)
#define AFX_INET_SERVICE_NEWS (AFX_INET_SERVICE_UNK + 5)
#define AFX_INET_SERVICE_NNTP (AFX_INET_SERVICE_UNK + 6)
#define AFX_INET_SERVICE_PROSPERO (AFX_INET_SERVICE_UNK + 7)
#define AFX_INET_SERVICE_TELNET (AFX_INET_SERVICE_UNK + 8)
#define AFX_INET_SERVICE_WAIS (AFX_INET_SERVICE_UNK + 9)
#define AFX_INET_SERVICE_AFS (AFX_INET_SERVICE_UNK + 10)
#define AFX_INET_SERVICE_HTTPS (AFX_INET_SERVICE_UNK + 11)

// Access type of a session that takes the system's (and the environment's) proxy settings.
#define PRE_CONFIG_INTERNET_ACCESS INTERNET_OPEN_TYPE_PRECONFIG

// Verbs of CHttpConnection::OpenRequest given as numbers.
#define HTTP_VERB_MIN 0
#define HTTP_VERB_POST 0
#define HTTP_VERB_GET 1
#define HTTP_VERB_HEAD 2
#define HTTP_VERB_PUT 3
#define HTTP_VERB_LINK 4
#define HTTP_VERB_DELETE 5
#define HTTP_VERB_UNLINK 6
#define HTTP_VERB_MAX 6

class CInternetException : public CException
{
    DECLARE_DYNAMIC(CInternetException)
public:
    explicit CInternetException(DWORD error);

    // The WinINet message for the code (from wininet's message table), else the system's.
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const override;

    DWORD_PTR m_dwContext;
    DWORD m_dwError;
};

// Throws a CInternetException; error 0 takes GetLastError().
[[noreturn]] void AFXAPI AfxThrowInternetException(DWORD_PTR context, DWORD error = 0);

// Splits url into its service, server, object and port. The object is
// everything after the server and port (path, query, fragment) exactly as
// written: escapes stay escaped. A URL without a port gets the service's
// default port. FALSE (service AFX_INET_SERVICE_UNK) when it is not a URL with
// a known scheme and a server.
BOOL AFXAPI AfxParseURL(LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port);

class CHttpConnection;
class CInternetFile;

// Options set or read on any WinINet handle of the family.
class CInternetHandle : public CObject
{
    DECLARE_DYNAMIC(CInternetHandle)
public:
    virtual BOOL SetOption(DWORD option, LPVOID buffer, DWORD length, DWORD flags = 0);
    BOOL SetOption(DWORD option, DWORD value, DWORD flags = 0);
    BOOL QueryOption(DWORD option, LPVOID buffer, LPDWORD length) const;
    BOOL QueryOption(DWORD option, DWORD& value) const;
    BOOL QueryOption(DWORD option, CString& value) const;

protected:
    CInternetHandle() = default;
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;
    virtual HINTERNET Handle() const = 0;
};

class CInternetSession : public CInternetHandle
{
    DECLARE_DYNAMIC(CInternetSession)
public:
    // agent nullptr: the executable's name. Throws CInternetException when
    // WinINet refuses the session.
    explicit CInternetSession(LPCTSTR agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = PRE_CONFIG_INTERNET_ACCESS, LPCTSTR proxyName = nullptr,
                              LPCTSTR proxyBypass = nullptr, DWORD flags = 0);
    ~CInternetSession() override;

    // A new connection object owned by the caller; throws on failure.
    CHttpConnection* GetHttpConnection(LPCTSTR server, INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR userName = nullptr, LPCTSTR password = nullptr);
    // Opens and sends a request for the whole URL in one step. The file is owned
    // by the caller (a CHttpFile for http and https URLs); throws on failure.
    CInternetFile* OpenURL(LPCTSTR url, DWORD_PTR context = 1, DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                           LPCTSTR headers = nullptr, DWORD headersLength = 0);

    virtual void Close();

    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hSession; }

    // The connect, send and receive timeouts set on the session are also given
    // to every connection and request it opens afterwards: WinINet does not
    // pass them down from the session handle on every system (Wine's requests
    // take only their own).
    using CInternetHandle::SetOption;
    BOOL SetOption(DWORD option, LPVOID buffer, DWORD length, DWORD flags = 0) override;

protected:
    HINTERNET Handle() const override { return m_hSession; }

private:
    friend class CHttpConnection;
    // Applies the timeouts set so far to a handle opened under the session.
    void ApplyTimeouts(HINTERNET handle) const;

    HINTERNET m_hSession;
    DWORD_PTR m_dwContext;
    DWORD m_connectTimeout;   // 0: not set by the caller
    DWORD m_sendTimeout;
    DWORD m_receiveTimeout;
};

class CInternetConnection : public CInternetHandle
{
    DECLARE_DYNAMIC(CInternetConnection)
public:
    ~CInternetConnection() override;

    virtual void Close();

    CInternetSession* GetSession() const { return m_pSession; }
    CString GetServerName() const { return m_strServerName; }
    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hConnection; }

protected:
    CInternetConnection(CInternetSession* session, LPCTSTR server, INTERNET_PORT port, DWORD_PTR context);
    HINTERNET Handle() const override { return m_hConnection; }

    HINTERNET m_hConnection;
    CInternetSession* m_pSession;
    CString m_strServerName;
    INTERNET_PORT m_nPort;
    DWORD_PTR m_dwContext;
};

class CHttpFile;

class CHttpConnection : public CInternetConnection
{
    DECLARE_DYNAMIC(CHttpConnection)
public:
    // Throws CInternetException when WinINet refuses the connection handle
    // (no network traffic happens before a request is sent).
    CHttpConnection(CInternetSession* session, LPCTSTR server, INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
                    LPCTSTR userName = nullptr, LPCTSTR password = nullptr, DWORD_PTR context = 1);

    // A new request owned by the caller, not yet sent; throws on failure.
    // An empty referer counts as none.
    CHttpFile* OpenRequest(LPCTSTR verb, LPCTSTR object, LPCTSTR referer = nullptr, DWORD_PTR context = 1,
                           LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr,
                           DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    CHttpFile* OpenRequest(int verb, LPCTSTR object, LPCTSTR referer = nullptr, DWORD_PTR context = 1,
                           LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr,
                           DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
};

// The answer of a request, read in order from its start.
class CInternetFile : public CInternetHandle
{
    DECLARE_DYNAMIC(CInternetFile)
public:
    CInternetFile(HINTERNET file, LPCTSTR object, CInternetConnection* connection, DWORD_PTR context);
    ~CInternetFile() override;

    // Bytes read into buffer (0 at the end of the answer); throws on failure.
    virtual UINT Read(void* buffer, UINT count);
    virtual void Close();

    CString GetFileName() const { return m_strFileName; }
    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hFile; }

protected:
    HINTERNET Handle() const override { return m_hFile; }

    HINTERNET m_hFile;
    CString m_strFileName;
    CInternetConnection* m_pConnection;
    DWORD_PTR m_dwContext;
};

class CHttpFile : public CInternetFile
{
    DECLARE_DYNAMIC(CHttpFile)
public:
    CHttpFile(HINTERNET file, LPCTSTR verb, LPCTSTR object, CHttpConnection* connection, DWORD_PTR context);

    BOOL AddRequestHeaders(LPCTSTR headers, DWORD flags = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int length = -1);
    BOOL AddRequestHeaders(CString& headers, DWORD flags = HTTP_ADDREQ_FLAG_ADD_IF_NEW);

    // TRUE once the request went out and an answer (or the server's silent
    // close) came back; throws CInternetException when it could not be sent
    // (server unreachable, timeout). A server that closes without answering
    // leaves the status code 0: callers must check it.
    BOOL SendRequest(LPCTSTR headers = nullptr, DWORD headersLength = 0, LPVOID optional = nullptr,
                     DWORD optionalLength = 0);
    BOOL SendRequest(CString& headers, LPVOID optional = nullptr, DWORD optionalLength = 0);

    // The numeric status of the answer; 0 (and FALSE) when there is none.
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;
    BOOL QueryInfo(DWORD infoLevel, LPVOID buffer, LPDWORD length, LPDWORD index = nullptr) const;
    BOOL QueryInfo(DWORD infoLevel, CString& value, LPDWORD index = nullptr) const;

    CString GetVerb() const { return m_strVerb; }

protected:
    CString m_strVerb;
};
