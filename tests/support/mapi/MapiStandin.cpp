// A stand-in for the system's mail library, loaded in its place by the mail
// tests (a DLL override picks the copy next to the test program). It sends
// nothing: it writes every message it is given, field by field, to the file
// named by LEXIFERN_MAPI_RECORD and answers with the number in
// LEXIFERN_MAPI_RESULT (0 when unset). Built a second time with only the
// common messaging names exported, for a library without the simple calls.
#include <windows.h>
#include <mapi.h>
#include <xcmc.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

[[maybe_unused]] void Record(const char* text)
{
    char path[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("LEXIFERN_MAPI_RECORD", path, sizeof(path)))
        return;
    HANDLE h = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(h, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(h);
}

[[maybe_unused]] void RecordLine(const char* format, const char* a, const char* b = "", const char* c = "")
{
    char line[2048];
    snprintf(line, sizeof(line), format, a, b, c);
    Record(line);
}

[[maybe_unused]] const char* Text(const char* text)
{
    return text ? text : "(null)";
}

[[maybe_unused]] ULONG Result()
{
    char value[32] = "";
    if (!GetEnvironmentVariableA("LEXIFERN_MAPI_RESULT", value, sizeof(value)))
        return SUCCESS_SUCCESS;
    return strtoul(value, nullptr, 10);
}

} // namespace

extern "C" {

#ifndef LEXIFERN_CMC_ONLY

__declspec(dllexport) ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR, LPSTR, FLAGS flags, ULONG, LPLHANDLE session)
{
    char number[32];
    snprintf(number, sizeof(number), "%lu", flags);
    RecordLine("logon flags=%s\n", number);
    *session = 0x5E55;
    return SUCCESS_SUCCESS;
}

__declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR, lpMapiMessage message, FLAGS flags,
                                                 ULONG)
{
    char number[64];
    snprintf(number, sizeof(number), "%llx flags=%lu", static_cast<unsigned long long>(session), flags);
    RecordLine("send session=%s\n", number);
    RecordLine("subject=%s\nnote=%s\n", Text(message->lpszSubject), Text(message->lpszNoteText));
    if (message->lpOriginator) {
        snprintf(number, sizeof(number), "%lu", message->lpOriginator->ulRecipClass);
        RecordLine("orig=%s|%s|%s\n", number, Text(message->lpOriginator->lpszName),
                   Text(message->lpOriginator->lpszAddress));
    }
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        snprintf(number, sizeof(number), "%lu", message->lpRecips[i].ulRecipClass);
        RecordLine("recip=%s|%s|%s\n", number, Text(message->lpRecips[i].lpszName),
                   Text(message->lpRecips[i].lpszAddress));
    }
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        snprintf(number, sizeof(number), "%ld", static_cast<long>(message->lpFiles[i].nPosition));
        RecordLine("file=%s|%s|%s\n", number, Text(message->lpFiles[i].lpszPathName),
                   Text(message->lpFiles[i].lpszFileName));
    }
    return Result();
}

__declspec(dllexport) ULONG WINAPI MAPILogoff(LHANDLE session, ULONG_PTR, FLAGS, ULONG)
{
    char number[32];
    snprintf(number, sizeof(number), "%llx", static_cast<unsigned long long>(session));
    RecordLine("logoff session=%s\n", number);
    return SUCCESS_SUCCESS;
}

#endif

// The common messaging calls record what they are given in the same way.
__declspec(dllexport) CMC_return_code WINAPI cmc_query_configuration(CMC_session_id, CMC_enum item, CMC_buffer reference,
                                                                     CMC_extension*)
{
    if (item != CMC_CONFIG_CHARACTER_SET || !reference)
        return CMC_E_NOT_SUPPORTED;
    strcpy(static_cast<char*>(reference), "1251");
    return CMC_SUCCESS;
}

__declspec(dllexport) CMC_return_code WINAPI cmc_logon(CMC_string, CMC_string, CMC_string, CMC_object_identifier charset,
                                                       CMC_ui_id, CMC_uint16 version, CMC_flags flags,
                                                       CMC_session_id* session, CMC_extension*)
{
    char number[64];
    snprintf(number, sizeof(number), "%u flags=%lx", version, static_cast<unsigned long>(flags));
    RecordLine("cmc_logon charset=%s version=%s\n", Text(charset), number);
    *session = 0xC3C;
    return CMC_SUCCESS;
}

__declspec(dllexport) CMC_return_code WINAPI cmc_send(CMC_session_id session, CMC_message* message, CMC_flags flags,
                                                      CMC_ui_id, CMC_extension*)
{
    char number[64];
    snprintf(number, sizeof(number), "%lx flags=%lu", static_cast<unsigned long>(session),
             static_cast<unsigned long>(flags));
    RecordLine("cmc_send session=%s\n", number);
    RecordLine("subject=%s\nnote=%s\n", Text(message->subject), Text(message->text_note));
    for (CMC_recipient* recipient = message->recipients; recipient; ++recipient) {
        snprintf(number, sizeof(number), "%ld", static_cast<long>(recipient->role));
        RecordLine("recip=%s|%s|%s\n", number, Text(recipient->name), Text(recipient->address));
        if (recipient->recip_flags & CMC_RECIP_LAST_ELEMENT)
            break;
    }
    for (CMC_attachment* attachment = message->attachments; attachment; ++attachment) {
        RecordLine("file=%s|%s\n", Text(attachment->attach_filename), Text(attachment->attach_title));
        if (attachment->attach_flags & CMC_ATT_LAST_ELEMENT)
            break;
    }
    return Result();
}

__declspec(dllexport) CMC_return_code WINAPI cmc_logoff(CMC_session_id session, CMC_ui_id, CMC_flags, CMC_extension*)
{
    char number[32];
    snprintf(number, sizeof(number), "%lx", static_cast<unsigned long>(session));
    RecordLine("cmc_logoff session=%s\n", number);
    return CMC_SUCCESS;
}

} // extern "C"
