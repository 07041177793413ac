// A stand-in for the system's mail library, loaded in its place by the mail
// tests (a DLL override picks the copy next to the test program). It sends
// nothing: it writes every message it is given, field by field, to the file
// named by LEXIFERN_MAPI_RECORD and answers with the number in
// LEXIFERN_MAPI_RESULT (0 when unset). Built a second time with only the
// common messaging names exported, for the "ready on those alone" case.
#include <windows.h>
#include <mapi.h>

#include <stdio.h>
#include <stdlib.h>

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

// Present so the library counts as usable; the program never sends through them.
__declspec(dllexport) int cmc_logon() { Record("cmc_logon\n"); return 0; }
__declspec(dllexport) int cmc_send() { Record("cmc_send\n"); return 0; }
__declspec(dllexport) int cmc_logoff() { Record("cmc_logoff\n"); return 0; }
__declspec(dllexport) int cmc_query_configuration() { return 0; }

} // extern "C"
