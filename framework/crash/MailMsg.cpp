#include "framework/crash/MailMsg.h"

#include <mapi.h>
#include <xcmc.h>

#include <string.h>
#include <vector>

namespace {

// A bound entry point as its real type; copying the bits sidesteps the
// warnings a cast between unrelated function types gives.
template <typename F>
F ProcAs(FARPROC proc)
{
    static_assert(sizeof(F) == sizeof(FARPROC), "function pointers differ in size");
    F function;
    memcpy(&function, &proc, sizeof(function));
    return function;
}

} // namespace

CMailMsg::CMailMsg()
    : m_hMapi(nullptr), m_pfnCmcQueryConfiguration(nullptr), m_pfnCmcLogon(nullptr), m_pfnCmcSend(nullptr),
      m_pfnCmcLogoff(nullptr), m_pfnMapiLogon(nullptr), m_pfnMapiSendMail(nullptr), m_pfnMapiLogoff(nullptr),
      m_bReady(FALSE)
{
}

CMailMsg::~CMailMsg()
{
    if (m_hMapi)
        FreeLibrary(m_hMapi);
}

HMODULE CMailMsg::LoadMailLibrary()
{
    return LoadLibraryA("mapi32.dll");
}

BOOL CMailMsg::Initialize()
{
    if (!m_hMapi)
        m_hMapi = LoadMailLibrary();
    if (!m_hMapi)
        return FALSE;
    m_pfnCmcQueryConfiguration = GetProcAddress(m_hMapi, "cmc_query_configuration");
    m_pfnCmcLogon = GetProcAddress(m_hMapi, "cmc_logon");
    m_pfnCmcSend = GetProcAddress(m_hMapi, "cmc_send");
    m_pfnCmcLogoff = GetProcAddress(m_hMapi, "cmc_logoff");
    m_pfnMapiLogon = GetProcAddress(m_hMapi, "MAPILogon");
    m_pfnMapiSendMail = GetProcAddress(m_hMapi, "MAPISendMail");
    m_pfnMapiLogoff = GetProcAddress(m_hMapi, "MAPILogoff");
    m_bReady = (m_pfnCmcLogon && m_pfnCmcSend && m_pfnCmcLogoff)
               || (m_pfnMapiLogon && m_pfnMapiSendMail && m_pfnMapiLogoff);
    return m_bReady;
}

CMailMsg& CMailMsg::Add(TextMap& map, LPCTSTR key, LPCTSTR value)
{
    if (m_bReady || Initialize())
        map[CString(key)] = value;
    return *this;
}

CMailMsg& CMailMsg::AddFrom(LPCTSTR address, LPCTSTR name) { return Add(m_from, address, name); }
CMailMsg& CMailMsg::AddTo(LPCTSTR address, LPCTSTR name) { return Add(m_to, address, name); }
CMailMsg& CMailMsg::AddCc(LPCTSTR address, LPCTSTR name) { return Add(m_cc, address, name); }
CMailMsg& CMailMsg::AddBcc(LPCTSTR address, LPCTSTR name) { return Add(m_bcc, address, name); }
CMailMsg& CMailMsg::AddAttachment(LPCTSTR path, LPCTSTR title) { return Add(m_attachments, path, title); }

CMailMsg& CMailMsg::SetSubject(LPCTSTR subject)
{
    m_strSubject = subject;
    return *this;
}

CMailMsg& CMailMsg::SetMessage(LPCTSTR message)
{
    m_strMessage = message;
    return *this;
}

BOOL CMailMsg::Send()
{
    if (!m_bReady && !Initialize())
        return FALSE;
    if (!m_pfnMapiLogon || !m_pfnMapiSendMail || !m_pfnMapiLogoff)
        return SendCmc();
    return SendMapi();
}

BOOL CMailMsg::SendCmc()
{
    if (!m_bReady && !Initialize())
        return FALSE;
    if (!m_pfnCmcLogon || !m_pfnCmcSend || !m_pfnCmcLogoff)
        return FALSE;
    typedef CMC_return_code(WINAPI * CmcQueryConfiguration)(CMC_session_id, CMC_enum, CMC_buffer, CMC_extension*);
    typedef CMC_return_code(WINAPI * CmcLogon)(CMC_string, CMC_string, CMC_string, CMC_object_identifier, CMC_ui_id,
                                               CMC_uint16, CMC_flags, CMC_session_id*, CMC_extension*);
    typedef CMC_return_code(WINAPI * CmcSend)(CMC_session_id, CMC_message*, CMC_flags, CMC_ui_id, CMC_extension*);
    typedef CMC_return_code(WINAPI * CmcLogoff)(CMC_session_id, CMC_ui_id, CMC_flags, CMC_extension*);

    // The library names the character set its texts are in; logging on in it
    // keeps the texts as they are.
    char charset[256] = "";
    BOOL bHaveCharset = FALSE;
    if (m_pfnCmcQueryConfiguration)
        bHaveCharset = ProcAs<CmcQueryConfiguration>(m_pfnCmcQueryConfiguration)(0, CMC_CONFIG_CHARACTER_SET, charset,
                                                                                 nullptr) == CMC_SUCCESS;
    charset[sizeof(charset) - 1] = 0;

    auto text = [](const CString& s) { return const_cast<CMC_string>(static_cast<LPCSTR>(s)); };
    std::vector<CMC_recipient> recipients;
    auto add = [&](CMC_enum role, const CString& address, const CString& name) {
        CMC_recipient recipient = {};
        recipient.name = text(name);
        recipient.name_type = CMC_TYPE_INDIVIDUAL;
        recipient.address = text(address);
        recipient.role = role;
        recipients.push_back(recipient);
    };
    if (!m_from.empty())
        add(CMC_ROLE_ORIGINATOR, m_from.begin()->first, m_from.begin()->second);
    for (const auto& entry : m_to)
        add(CMC_ROLE_TO, entry.first, entry.second);
    for (const auto& entry : m_cc)
        add(CMC_ROLE_CC, entry.first, entry.second);
    for (const auto& entry : m_bcc)
        add(CMC_ROLE_BCC, entry.first, entry.second);
    if (!recipients.empty())
        recipients.back().recip_flags |= CMC_RECIP_LAST_ELEMENT;

    std::vector<CMC_attachment> attachments;
    for (const auto& entry : m_attachments) {
        CMC_attachment attachment = {};
        attachment.attach_title = text(entry.second);
        attachment.attach_filename = text(entry.first);
        attachments.push_back(attachment);
    }
    if (!attachments.empty())
        attachments.back().attach_flags |= CMC_ATT_LAST_ELEMENT;

    CMC_message message = {};
    message.subject = text(m_strSubject);
    message.text_note = text(m_strMessage);
    message.time_sent.tmzone = CMC_NO_TIMEZONE;
    message.recipients = recipients.empty() ? nullptr : recipients.data();
    message.attachments = attachments.empty() ? nullptr : attachments.data();
    message.message_flags = CMC_MSG_LAST_ELEMENT;

    CMC_session_id session = 0;
    if (ProcAs<CmcLogon>(m_pfnCmcLogon)(nullptr, nullptr, nullptr, bHaveCharset ? charset : nullptr, 0, CMC_VERSION,
                                        CMC_LOGON_UI_ALLOWED | CMC_ERROR_UI_ALLOWED, &session,
                                        nullptr) != CMC_SUCCESS)
        return FALSE;
    // As with the simple interface, the mail program's compose dialog opens.
    CMC_return_code result = ProcAs<CmcSend>(m_pfnCmcSend)(session, &message, CMC_SEND_UI_REQUESTED, 0, nullptr);
    ProcAs<CmcLogoff>(m_pfnCmcLogoff)(session, 0, CMC_LOGOFF_UI_ALLOWED, nullptr);
    return result == CMC_SUCCESS;
}

BOOL CMailMsg::SendMapi()
{
    if (!m_bReady && !Initialize())
        return FALSE;
    // Ready may rest on the common messaging set alone; the simple calls are
    // made only when all three of them are there.
    if (!m_pfnMapiLogon || !m_pfnMapiSendMail || !m_pfnMapiLogoff)
        return FALSE;
    LPMAPILOGON logon = ProcAs<LPMAPILOGON>(m_pfnMapiLogon);
    LPMAPISENDMAIL sendMail = ProcAs<LPMAPISENDMAIL>(m_pfnMapiSendMail);
    LPMAPILOGOFF logoff = ProcAs<LPMAPILOGOFF>(m_pfnMapiLogoff);

    // The records point into the maps' own strings, which outlive the call.
    auto recipient = [](ULONG recipClass, const CString& address, const CString& name) {
        MapiRecipDesc desc = {};
        desc.ulRecipClass = recipClass;
        desc.lpszName = const_cast<LPSTR>(static_cast<LPCSTR>(name));
        desc.lpszAddress = const_cast<LPSTR>(static_cast<LPCSTR>(address));
        return desc;
    };
    MapiRecipDesc originator = {};
    if (!m_from.empty())
        originator = recipient(MAPI_ORIG, m_from.begin()->first, m_from.begin()->second);
    std::vector<MapiRecipDesc> recipients;
    for (const auto& entry : m_to)
        recipients.push_back(recipient(MAPI_TO, entry.first, entry.second));
    for (const auto& entry : m_cc)
        recipients.push_back(recipient(MAPI_CC, entry.first, entry.second));
    for (const auto& entry : m_bcc)
        recipients.push_back(recipient(MAPI_BCC, entry.first, entry.second));

    std::vector<MapiFileDesc> files;
    for (const auto& entry : m_attachments) {
        MapiFileDesc file = {};
        file.nPosition = static_cast<ULONG>(-1);   // the mail program places it
        file.lpszPathName = const_cast<LPSTR>(static_cast<LPCSTR>(entry.first));
        file.lpszFileName = const_cast<LPSTR>(static_cast<LPCSTR>(entry.second));
        files.push_back(file);
    }

    MapiMessage message = {};
    message.lpszSubject = const_cast<LPSTR>(static_cast<LPCSTR>(m_strSubject));
    message.lpszNoteText = const_cast<LPSTR>(static_cast<LPCSTR>(m_strMessage));
    message.lpOriginator = m_from.empty() ? nullptr : &originator;
    message.nRecipCount = static_cast<ULONG>(recipients.size());
    message.lpRecips = recipients.empty() ? nullptr : recipients.data();
    message.nFileCount = static_cast<ULONG>(files.size());
    message.lpFiles = files.empty() ? nullptr : files.data();

    LHANDLE session = 0;
    ULONG logonResult = logon(0, nullptr, nullptr, 0, 0, &session);
    ULONG result = sendMail(logonResult == SUCCESS_SUCCESS ? session : 0, 0, &message, MAPI_DIALOG, 0);
    if (logonResult == SUCCESS_SUCCESS)
        logoff(session, 0, 0, 0);
    return result == SUCCESS_SUCCESS;
}
