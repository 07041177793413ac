// CMailMsg: an e-mail with recipients, subject, body and attachments, handed
// to the user's mail program through the system's simple mail interface
// ("mapi32.dll", loaded at run time). The program's compose dialog opens, so
// the user sees the message and sends it.
#pragma once

#include "afx/String.h"

#include <map>

class CMailMsg
{
public:
    CMailMsg();
    virtual ~CMailMsg();

    CMailMsg(const CMailMsg&) = delete;
    CMailMsg& operator=(const CMailMsg&) = delete;

    // Loads the library and binds its functions; TRUE when a complete set of
    // either the common messaging or the simple mail functions was found.
    BOOL Initialize();

    // Each adds (or replaces) the entry for the address; nothing is added
    // when the mail library cannot be used.
    CMailMsg& AddFrom(LPCTSTR address, LPCTSTR name);
    CMailMsg& AddTo(LPCTSTR address, LPCTSTR name);
    CMailMsg& AddCc(LPCTSTR address, LPCTSTR name);
    CMailMsg& AddBcc(LPCTSTR address, LPCTSTR name);
    CMailMsg& AddAttachment(LPCTSTR path, LPCTSTR title);
    CMailMsg& SetSubject(LPCTSTR subject);
    CMailMsg& SetMessage(LPCTSTR message);

    // TRUE exactly when the mail program accepted the message. What the
    // library says is passed on as it is: some report success for a message
    // nobody will ever send. The simple mail interface is used whenever the
    // library offers it; a library with only the common messaging calls gets
    // the message through SendCmc.
    BOOL Send();
    // The same message through the common messaging calls.
    BOOL SendCmc();

    BOOL IsReady() const { return m_bReady; }

protected:
    // The mail library; tests load a stand-in of their own.
    virtual HMODULE LoadMailLibrary();

private:
    typedef std::map<CString, CString> TextMap;   // ordered by key, byte-wise

    BOOL SendMapi();
    CMailMsg& Add(TextMap& map, LPCTSTR key, LPCTSTR value);

    TextMap m_from;
    TextMap m_to;
    TextMap m_cc;
    TextMap m_bcc;
    TextMap m_attachments;
    CString m_strSubject;
    CString m_strMessage;
    HMODULE m_hMapi;
    // The common messaging functions serve only a library without the simple ones.
    FARPROC m_pfnCmcQueryConfiguration;
    FARPROC m_pfnCmcLogon;
    FARPROC m_pfnCmcSend;
    FARPROC m_pfnCmcLogoff;
    FARPROC m_pfnMapiLogon;
    FARPROC m_pfnMapiSendMail;
    FARPROC m_pfnMapiLogoff;
    BOOL m_bReady;
};
