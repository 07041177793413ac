#include "framework/crash/ExceptionReport.h"
#include "framework/crash/SeException.h"
#include "framework/crash/SeTranslator.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <stdlib.h>
#include <string.h>
#include <string>

// Real faults. In this process the question is always answered No, so no
// report is written here; the report itself is checked in a child process
// (the same test program, started with LEXIFERN_CRASH_CHILD set), whose
// temporary folder is a fresh one of the test's.

namespace {

int g_nAsked = 0;
int AnswerNo(LPCTSTR) { ++g_nAsked; return IDNO; }
void IgnoreError(LPCTSTR) {}
BOOL NoMail(LPCTSTR) { return TRUE; }

struct Counted
{
    explicit Counted(int& count) : m_count(count) {}
    ~Counted() { ++m_count; }
    int& m_count;
};

volatile int* volatile g_pNull = nullptr;
volatile int g_nZero = 0;
volatile int g_nQuotient = 0;   // keeps the division from being optimised away

__attribute__((noinline)) void WriteThroughNull(int& destroyed)
{
    Counted guard(destroyed);
    *g_pNull = 1;
}

__attribute__((noinline)) void DivideByZero(int& destroyed)
{
    Counted guard(destroyed);
    g_nQuotient = 100 / g_nZero;
}

// Catches a CSeException thrown by fn; returns its code, 0 when none came.
template <typename F>
UINT CatchCode(F fn)
{
    try {
        fn();
    }
    catch (CSeException* e) {
        UINT code = e->GetSeCode();
        e->Delete();
        return code;
    }
    return 0;
}

void InstallQuietTranslator()
{
    SetCrashReportUi(CrashReportUi{ AnswerNo, IgnoreError, NoMail });
    InstallSeTranslator();
}

} // namespace

TEST(HardwareFault, BecomesCSeExceptionAndRunsDestructors)
{
    InstallQuietTranslator();
    int destroyed = 0;
    EXPECT_EQ(0xC0000005u, CatchCode([&] { WriteThroughNull(destroyed); }));
    EXPECT_EQ(1, destroyed);
    EXPECT_EQ(0xC0000094u, CatchCode([&] { DivideByZero(destroyed); }));
    EXPECT_EQ(2, destroyed);

    // Again and again: the thread stays usable, and nobody is asked twice.
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(0xC0000005u, CatchCode([&] { WriteThroughNull(destroyed); }));
    EXPECT_EQ(52, destroyed);
    EXPECT_LE(g_nAsked, 1);

    try {
        WriteThroughNull(destroyed);
    }
    catch (CSeException* e) {
        CString message;
        e->FormatErrorMessage(message);
        EXPECT_EQ(0, message.Find("Exception ACCESS_VIOLATION (0xc0000005) at address 0x")) << (LPCSTR)message;
        EXPECT_NE(nullptr, e->GetExceptionAddress());
        EXPECT_EQ(0xC0000005u, e->m_pExPtrs->ExceptionRecord->ExceptionCode);
        e->Delete();
    }
}

TEST(HardwareFault, WorkerThreadThatInstalledItCatchesItsOwn)
{
    struct Result
    {
        UINT code = 0;
        int destroyed = 0;
    } result;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID p) -> DWORD {
            Result* r = static_cast<Result*>(p);
            InstallQuietTranslator();
            r->code = CatchCode([&] { DivideByZero(r->destroyed); });
            return 0;
        },
        &result, 0, nullptr);
    ASSERT_NE(nullptr, thread);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 30000));
    CloseHandle(thread);
    EXPECT_EQ(0xC0000094u, result.code);
    EXPECT_EQ(1, result.destroyed);
}

// ---- the child process ----

namespace {

CString ChildFolder()
{
    char folder[MAX_PATH + 1] = "";
    GetTempPathA(sizeof(folder), folder);
    return folder;
}

// What the child's person saw, one line per event, in the child's temporary folder.
void Note(const CString& line)
{
    CString path = ChildFolder() + "events.txt";
    HANDLE h = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    CString text = line + "\n";
    DWORD written = 0;
    WriteFile(h, (LPCSTR)text, text.GetLength(), &written, nullptr);
    CloseHandle(h);
}

int ChildAsk(LPCTSTR text)
{
    Note(CString("ask ") + CString(text).Left(47));
    char answer[8] = "";
    GetEnvironmentVariableA("LEXIFERN_CRASH_ANSWER", answer, sizeof(answer));
    return strcmp(answer, "no") == 0 ? IDNO : IDYES;
}

void ChildError(LPCTSTR text) { Note(CString("error ") + CString(text).Left(40)); }
BOOL ChildMail(LPCTSTR path) { Note(CString("mail ") + path); return TRUE; }

} // namespace

// Runs only as the child; a normal run skips it.
TEST(CrashChild, Run)
{
    char mode[32] = "";
    if (!GetEnvironmentVariableA("LEXIFERN_CRASH_CHILD", mode, sizeof(mode)))
        GTEST_SKIP();
    SetCrashReportUi(CrashReportUi{ ChildAsk, ChildError, ChildMail });
    InstallSeTranslator();
    int destroyed = 0;
    if (strcmp(mode, "caught") == 0) {
        UINT first = CatchCode([&] { WriteThroughNull(destroyed); });
        UINT second = CatchCode([&] { DivideByZero(destroyed); });
        CString line;
        line.Format("caught %08X %08X destroyed %d", first, second, destroyed);
        Note(line);
        ExitProcess(0);
    }
    if (strcmp(mode, "system") == 0) {
        // A fault inside the C runtime's DLL is not ours to unwind: the
        // unhandled-exception filter writes the report and the process ends.
        size_t (*volatile length)(const char*) = strlen;
        Note(CString("never ") + CString('x', static_cast<int>(length(nullptr))));
    }
    ExitProcess(3);
}

namespace {

class CrashChildTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.Format("%slexifern_crash_%lu_%lu\\", (LPCSTR)ChildFolder(), GetCurrentProcessId(), GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(m_folder, nullptr));
    }

    void TearDown() override
    {
        for (LPCSTR name : { "Lexifern.err", "events.txt" })
            DeleteFileA(m_folder + name);
        RemoveDirectoryA(m_folder);
    }

    // Runs this program's child test with the given mode and answer; returns its exit code.
    DWORD RunChild(LPCSTR mode, LPCSTR answer)
    {
        char exe[MAX_PATH + 1] = "";
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        CString command;
        command.Format("\"%s\" --gtest_filter=CrashChild.Run", exe);

        char oldTmp[MAX_PATH + 1] = "", oldTemp[MAX_PATH + 1] = "";
        GetEnvironmentVariableA("TMP", oldTmp, sizeof(oldTmp));
        GetEnvironmentVariableA("TEMP", oldTemp, sizeof(oldTemp));
        SetEnvironmentVariableA("TMP", m_folder);
        SetEnvironmentVariableA("TEMP", m_folder);
        SetEnvironmentVariableA("LEXIFERN_CRASH_CHILD", mode);
        SetEnvironmentVariableA("LEXIFERN_CRASH_ANSWER", answer);

        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        BOOL started = CreateProcessA(nullptr, command.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &process);
        command.ReleaseBuffer();

        SetEnvironmentVariableA("TMP", oldTmp);
        SetEnvironmentVariableA("TEMP", oldTemp);
        SetEnvironmentVariableA("LEXIFERN_CRASH_CHILD", nullptr);
        SetEnvironmentVariableA("LEXIFERN_CRASH_ANSWER", nullptr);
        if (!started)
            return 0xFFFFFFFF;
        DWORD code = 0xFFFFFFFE;
        if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        else
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }

    std::string ReadFileText(LPCSTR name) const
    {
        HANDLE h = CreateFileA(m_folder + name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return "";
        std::string text;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(h, buffer, sizeof(buffer), &read, nullptr) && read)
            text.append(buffer, read);
        CloseHandle(h);
        return text;
    }

    CString m_folder;
};

void ExpectReportSections(const std::string& report, LPCSTR code)
{
    EXPECT_EQ(0u, report.find("Exception report created by Lexifern version 3.0 beta 1\r\n"
                              "===================================================\r\n\r\n"
                              "System details:\r\n---------------\r\n\r\n"))
        << report;
    EXPECT_NE(std::string::npos, report.find("\r\nProcessor Information: Vendor: "));
    EXPECT_NE(std::string::npos, report.find("\r\nMemory Information:    Memory Used "));
    EXPECT_NE(std::string::npos, report.find(" .\r\n\r\nException Details:\r\n------------------\r\n\r\n"
                                             "Exception code: " + std::string(code)))
        << report;
    size_t fault = report.find("\r\nFault address:  ");
    ASSERT_NE(std::string::npos, fault);
    // 16 hex digits, section:offset, then the module's path.
    std::string line = report.substr(fault + 18, report.find("\r\n", fault + 2) - fault - 18);
    EXPECT_EQ(' ', line[16]) << line;
    EXPECT_EQ(':', line[19]) << line;
    EXPECT_NE(std::string::npos, line.find(".exe")) << line;

    size_t stack = report.find("\r\nCall stack:\r\n-----------\r\n\r\nAddress   Frame     Function\t\t\tSourceFile\r\n");
    ASSERT_NE(std::string::npos, stack) << report;
    std::string frames = report.substr(stack);
    // More than the faulting frame alone: the walk got up the stack.
    size_t lines = 0;
    for (size_t at = frames.find("\r\n0000"); at != std::string::npos; at = frames.find("\r\n0000", at + 2))
        ++lines;
    EXPECT_GE(lines, 3u) << frames;
}

} // namespace

TEST_F(CrashChildTest, FirstFaultAsksWritesReportAndMailsItThenBothAreCaught)
{
    EXPECT_EQ(0u, RunChild("caught", "yes"));
    std::string events = ReadFileText("events.txt");
    std::string reportPath = std::string(m_folder) + "Lexifern.err";
    EXPECT_EQ("ask An unhandled exception has occurred in Lexifern\n"
              "mail " + reportPath + "\n"
              "error The exception report has been saved to \"\n"
              "caught C0000005 C0000094 destroyed 2\n",
              events);
    ExpectReportSections(ReadFileText("Lexifern.err"), "C0000005 ACCESS_VIOLATION\r\n");
}

TEST_F(CrashChildTest, AnsweringNoWritesNothingButStillConverts)
{
    EXPECT_EQ(0u, RunChild("caught", "no"));
    EXPECT_EQ("ask An unhandled exception has occurred in Lexifern\n"
              "caught C0000005 C0000094 destroyed 2\n",
              ReadFileText("events.txt"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_folder + "Lexifern.err"));
}

TEST_F(CrashChildTest, FaultInASystemLibraryReachesTheFilter)
{
    EXPECT_EQ(0xC0000005u, RunChild("system", "yes"));
    std::string events = ReadFileText("events.txt");
    EXPECT_EQ(0u, events.find("ask An unhandled exception")) << events;
    EXPECT_EQ(std::string::npos, events.find("never")) << events;
    std::string report = ReadFileText("Lexifern.err");
    EXPECT_NE(std::string::npos, report.find("Exception code: C0000005 ACCESS_VIOLATION\r\n")) << report;
    EXPECT_NE(std::string::npos, report.find("\r\nCall stack:\r\n")) << report;
}

namespace {
volatile LONG g_nTicks = 0;
volatile LONG g_bStop = 0;
DWORD WINAPI Ticker(LPVOID)
{
    while (!g_bStop)
        InterlockedIncrement(&g_nTicks);
    return 0;
}

// Resumes every other thread of the process once, as the test's own undo.
void ResumeOtherThreads()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId() || entry.th32ThreadID == GetCurrentThreadId())
            continue;
        if (HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
            ResumeThread(thread);
            CloseHandle(thread);
        }
    }
    CloseHandle(snapshot);
}
} // namespace

TEST(SuspendOtherThreads, StopsEveryOtherThreadButTheCaller)
{
    g_bStop = 0;
    HANDLE worker = CreateThread(nullptr, 0, Ticker, nullptr, 0, nullptr);
    ASSERT_NE(nullptr, worker);
    while (g_nTicks == 0)
        Sleep(1);
    int suspended = SuspendOtherThreads();
    LONG before = g_nTicks;
    Sleep(50);
    LONG after = g_nTicks;
    ResumeOtherThreads();
    EXPECT_GE(suspended, 1);
    EXPECT_EQ(before, after);   // the worker did not run while suspended
    DWORD count = ResumeThread(worker);   // 0: running again, not suspended twice
    EXPECT_EQ(0u, count);
    Sleep(20);
    EXPECT_GT(g_nTicks, after);
    g_bStop = 1;
    WaitForSingleObject(worker, 5000);
    CloseHandle(worker);
}
