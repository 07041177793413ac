#include "framework/crash/ExceptionReport.h"

#include "framework/crash/MailMsg.h"
#include "framework/crash/ProcessorInfo.h"
#include "framework/crash/SeException.h"
#include "framework/crash/VersionString.h"

#include <dbghelp.h>
#include <tlhelp32.h>

#include <algorithm>
#include <string.h>

namespace {

CString g_strDisplayName = "Lexifern";
CString g_strSupportAddress = "support@lexifern.example";
CString g_strDownloadAddress = "http://www.lexifern.example/download";

// Cleared by the first report procedure of the run, whichever thread runs it.
volatile LONG g_nFirstReport = 1;

int DefaultAsk(LPCTSTR text)
{
    return MessageBoxA(GetActiveWindow(), text, g_strDisplayName, MB_YESNO | MB_ICONWARNING);
}

void DefaultShowError(LPCTSTR text)
{
    MessageBoxA(GetActiveWindow(), text, g_strDisplayName, MB_OK | MB_ICONERROR);
}

CrashReportUi g_ui = { DefaultAsk, DefaultShowError, SendReportByMail };

// Longest symbol name the call stack shows.
const int kMaxSymbolName = 1024;
// A corrupt stack must not keep the walk going for ever.
const int kMaxStackFrames = 256;

// The debug help functions the report uses, bound at run time.
struct DebugHelp
{
    HMODULE hModule = nullptr;
    decltype(&SymCleanup) pfnSymCleanup = nullptr;
    decltype(&SymInitialize) pfnSymInitialize = nullptr;
    decltype(&SymGetOptions) pfnSymGetOptions = nullptr;
    decltype(&SymSetOptions) pfnSymSetOptions = nullptr;
    decltype(&SymGetLineFromAddr64) pfnSymGetLineFromAddr64 = nullptr;
    decltype(&SymFromAddr) pfnSymFromAddr = nullptr;
    decltype(&StackWalk64) pfnStackWalk64 = nullptr;
    decltype(&SymFunctionTableAccess64) pfnSymFunctionTableAccess64 = nullptr;
    decltype(&SymGetModuleBase64) pfnSymGetModuleBase64 = nullptr;
    // Bound with the others; the report writes no dump file.
    decltype(&MiniDumpWriteDump) pfnMiniDumpWriteDump = nullptr;

    BOOL Load()
    {
        hModule = LoadLibraryA("dbghelp.dll");
        if (!hModule)
            return FALSE;
        Bind(pfnSymCleanup, "SymCleanup");
        Bind(pfnSymInitialize, "SymInitialize");
        Bind(pfnSymGetOptions, "SymGetOptions");
        Bind(pfnSymSetOptions, "SymSetOptions");
        Bind(pfnSymGetLineFromAddr64, "SymGetLineFromAddr64");
        Bind(pfnSymFromAddr, "SymFromAddr");
        Bind(pfnStackWalk64, "StackWalk64");
        Bind(pfnSymFunctionTableAccess64, "SymFunctionTableAccess64");
        Bind(pfnSymGetModuleBase64, "SymGetModuleBase64");
        Bind(pfnMiniDumpWriteDump, "MiniDumpWriteDump");
        return TRUE;
    }

    ~DebugHelp()
    {
        if (hModule)
            FreeLibrary(hModule);
    }

    template <typename F>
    void Bind(F& pointer, LPCSTR name)
    {
        BindFrom(hModule, pointer, name);
    }

    template <typename F>
    static void BindFrom(HMODULE hFrom, F& pointer, LPCSTR name)
    {
        // Copying the bits sidesteps the warnings of a cast between function types.
        FARPROC proc = GetProcAddress(hFrom, name);
        static_assert(sizeof(F) == sizeof(proc), "function pointers differ in size");
        memcpy(&pointer, &proc, sizeof(pointer));
    }
};

// Writes the report's pieces; the first failing write is remembered and
// everything after it skipped.
class CReportFile
{
public:
    CReportFile() : m_hFile(INVALID_HANDLE_VALUE), m_dwError(0) {}
    ~CReportFile() { Close(); }

    BOOL Create(const CString& path)
    {
        m_hFile = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (m_hFile == INVALID_HANDLE_VALUE) {
            m_dwError = GetLastError();
            return FALSE;
        }
        return TRUE;
    }

    void Write(const CString& text)
    {
        if (m_dwError || m_hFile == INVALID_HANDLE_VALUE)
            return;
        DWORD written = 0;
        if (!WriteFile(m_hFile, static_cast<LPCSTR>(text), static_cast<DWORD>(text.GetLength()), &written, nullptr)
            || written != static_cast<DWORD>(text.GetLength()))
            m_dwError = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    }

    void Close()
    {
        if (m_hFile != INVALID_HANDLE_VALUE)
            CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }

    DWORD GetError() const { return m_dwError; }

private:
    HANDLE m_hFile;
    DWORD m_dwError;
};

CString Hex16(DWORD64 value)
{
    CString text;
    text.Format("%016llX", static_cast<unsigned long long>(value));
    return text;
}

void WriteCallStack(CReportFile& file, DebugHelp& help, const EXCEPTION_POINTERS* pointers)
{
    if (!help.pfnSymInitialize || !help.pfnStackWalk64 || !pointers->ContextRecord)
        return;
    HANDLE process = GetCurrentProcess();
    if (help.pfnSymGetOptions && help.pfnSymSetOptions)
        help.pfnSymSetOptions(help.pfnSymGetOptions() | SYMOPT_DEFERRED_LOADS | SYMOPT_LOAD_LINES);
    if (!help.pfnSymInitialize(process, nullptr, TRUE))
        return;

    file.Write("\r\nCall stack:\r\n-----------\r\n\r\nAddress   Frame     Function\t\t\tSourceFile\r\n");

    // The walk changes the context it is given.
    CONTEXT context = *pointers->ContextRecord;
    STACKFRAME64 frame = {};
    frame.AddrPC.Offset = context.Rip;
    frame.AddrPC.Mode = AddrModeFlat;
    frame.AddrStack.Offset = context.Rsp;
    frame.AddrStack.Mode = AddrModeFlat;
    frame.AddrFrame.Offset = context.Rbp;
    frame.AddrFrame.Mode = AddrModeFlat;

    union {
        SYMBOL_INFO info;
        char bytes[sizeof(SYMBOL_INFO) + kMaxSymbolName];
    } symbol;

    for (int n = 0; n < kMaxStackFrames; ++n) {
        if (!help.pfnStackWalk64(IMAGE_FILE_MACHINE_AMD64, process, GetCurrentThread(), &frame, &context,
                                 nullptr, help.pfnSymFunctionTableAccess64, help.pfnSymGetModuleBase64,
                                 nullptr))
            break;
        if (frame.AddrFrame.Offset == 0)
            break;
        CString line = Hex16(frame.AddrPC.Offset) + "  " + Hex16(frame.AddrFrame.Offset) + "  ";

        memset(&symbol, 0, sizeof(symbol));
        symbol.info.SizeOfStruct = sizeof(SYMBOL_INFO);
        symbol.info.MaxNameLen = kMaxSymbolName;
        DWORD64 displacement = 0;
        if (help.pfnSymFromAddr && help.pfnSymFromAddr(process, frame.AddrPC.Offset, &displacement, &symbol.info)) {
            line.AppendFormat("%s+%llX", symbol.info.Name, static_cast<unsigned long long>(displacement));
        }
        else {
            CString module;
            DWORD section = 0, offset = 0;
            GetLogicalAddress(reinterpret_cast<const void*>(frame.AddrPC.Offset), module, section, offset);
            line.AppendFormat("%04X:%08X %s", section, offset, static_cast<LPCSTR>(module));
        }

        IMAGEHLP_LINE64 source = {};
        source.SizeOfStruct = sizeof(source);
        DWORD lineDisplacement = 0;
        if (help.pfnSymGetLineFromAddr64
            && help.pfnSymGetLineFromAddr64(process, frame.AddrPC.Offset, &lineDisplacement, &source)
            && source.FileName)
            line.AppendFormat("  %s line %lu", source.FileName, source.LineNumber);
        line += "\r\n";
        file.Write(line);
    }
    if (help.pfnSymCleanup)
        help.pfnSymCleanup(process);
}

void WriteReportBody(CReportFile& file, DebugHelp& help, const EXCEPTION_POINTERS* pointers)
{
    CString version;
    GetVersionString(version, FALSE);
    file.Write("Exception report created by " + version + "\r\n" + CString('=', 51) + "\r\n\r\n");
    file.Write("System details:\r\n---------------\r\n\r\n");

    CString windows;
    if (GetWindowsVersionString(windows))
        file.Write("Operating System:      " + windows + "\r\n");
    else
        file.Write("Could not get OS version\r\n");

    CProcessorInfo processor;
    file.Write("Processor Information: " + processor.GetProcessorDescription());

    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof(memory);
    GlobalMemoryStatusEx(&memory);
    SIZE_T workingSetMin = 0, workingSetMax = 0;
    GetProcessWorkingSetSize(GetCurrentProcess(), &workingSetMin, &workingSetMax);
    file.Write("\r\nMemory Information:    " + FormatMemoryText(memory, workingSetMin, workingSetMax));

    const EXCEPTION_RECORD* record = pointers->ExceptionRecord;
    CString exception;
    exception.Format("\r\nException Details:\r\n------------------\r\n\r\nException code: %08lX %s",
                     record->ExceptionCode, static_cast<LPCSTR>(GetExceptionText(record->ExceptionCode)));
    file.Write(exception);

    CString module;
    DWORD section = 0, offset = 0;
    GetLogicalAddress(record->ExceptionAddress, module, section, offset);
    CString address;
    address.Format("\r\nFault address:  %s %02X:%08X %s\r\n",
                   static_cast<LPCSTR>(Hex16(reinterpret_cast<ULONG_PTR>(record->ExceptionAddress))), section,
                   offset, static_cast<LPCSTR>(module));
    file.Write(address);

    WriteCallStack(file, help, pointers);
}

} // namespace

void SetExceptionReportInfo(LPCTSTR displayName, LPCTSTR supportAddress, LPCTSTR downloadAddress)
{
    g_strDisplayName = displayName;
    g_strSupportAddress = supportAddress;
    g_strDownloadAddress = downloadAddress;
}

BOOL ResetCrashAppName()
{
    g_strDisplayName.Empty();
    return TRUE;
}

CString GetExceptionReportName()
{
    return g_strDisplayName;
}

void SetCrashReportUi(const CrashReportUi& ui)
{
    g_ui = ui;
}

CrashReportUi GetCrashReportUi()
{
    return g_ui;
}

int SuspendOtherThreads()
{
    typedef HANDLE(WINAPI * OpenThreadProc)(DWORD, BOOL, DWORD);
    typedef BOOL(WINAPI * ThreadWalkProc)(HANDLE, LPTHREADENTRY32);
    typedef HANDLE(WINAPI * SnapshotProc)(DWORD, DWORD);
    HMODULE hKernel = LoadLibraryA("kernel32.dll");
    if (!hKernel)
        return 0;
    OpenThreadProc pfnOpenThread = nullptr;
    ThreadWalkProc pfnThread32First = nullptr, pfnThread32Next = nullptr;
    SnapshotProc pfnCreateSnapshot = nullptr;
    DebugHelp::BindFrom(hKernel, pfnOpenThread, "OpenThread");
    DebugHelp::BindFrom(hKernel, pfnThread32First, "Thread32First");
    DebugHelp::BindFrom(hKernel, pfnThread32Next, "Thread32Next");
    DebugHelp::BindFrom(hKernel, pfnCreateSnapshot, "CreateToolhelp32Snapshot");
    int suspended = 0;
    HANDLE hSnapshot = INVALID_HANDLE_VALUE;
    if (pfnOpenThread && pfnThread32First && pfnThread32Next && pfnCreateSnapshot)
        hSnapshot = pfnCreateSnapshot(TH32CS_SNAPTHREAD, 0);
    if (hSnapshot != INVALID_HANDLE_VALUE) {
        const DWORD processId = GetCurrentProcessId(), selfId = GetCurrentThreadId();
        THREADENTRY32 entry = {};
        entry.dwSize = sizeof(entry);
        for (BOOL more = pfnThread32First(hSnapshot, &entry); more; more = pfnThread32Next(hSnapshot, &entry)) {
            if (entry.th32OwnerProcessID != processId || entry.th32ThreadID == selfId)
                continue;
            HANDLE hThread = pfnOpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
            if (!hThread)
                continue;
            if (SuspendThread(hThread) != (DWORD)-1)
                suspended++;
            CloseHandle(hThread);
        }
        CloseHandle(hSnapshot);
    }
    FreeLibrary(hKernel);
    return suspended;
}

CrashReportUi GetDefaultCrashReportUi()
{
    return CrashReportUi{ DefaultAsk, DefaultShowError, SendReportByMail };
}

void ShowCrashErrorBox(LPCTSTR text)
{
    if (g_ui.pfnShowError)
        g_ui.pfnShowError(text);
}

BOOL GetExceptionReportPath(CString& path)
{
    char folder[MAX_PATH + 1] = "";
    DWORD length = GetTempPathA(sizeof(folder), folder);
    // 0 is failure; a longer result means the buffer was too small and holds nothing.
    if (length == 0 || length >= sizeof(folder)) {
        path.Empty();
        return FALSE;
    }
    path = CString(folder) + g_strDisplayName + ".err";
    return TRUE;
}

CString FormatMemoryText(const MEMORYSTATUSEX& memory, SIZE_T workingSetMin, SIZE_T workingSetMax)
{
    CString text;
    text.Format("Memory Used %lu%%, Total Physical Memory %lluKB, Physical Memory Available %lluKB, "
                "Total Virtual Memory %lluKB, Available Virtual Memory %lluKB, "
                "Working Set Min: %lluKB Max: %lluKB .\r\n",
                memory.dwMemoryLoad, memory.ullTotalPhys / 1024, memory.ullAvailPhys / 1024,
                memory.ullTotalVirtual / 1024, memory.ullAvailVirtual / 1024,
                static_cast<unsigned long long>(workingSetMin / 1024),
                static_cast<unsigned long long>(workingSetMax / 1024));
    return text;
}

CString GetExceptionText(DWORD code)
{
    if (LPCTSTR name = GetExceptionName(code))
        return name;
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_HMODULE, GetModuleHandleA("NTDLL.DLL"), code,
                   0, text, sizeof(text), nullptr);
    return text;
}

BOOL GetLogicalAddress(const void* address, CString& modulePath, DWORD& section, DWORD& offset)
{
    modulePath.Empty();
    section = 0;
    offset = 0;
    MEMORY_BASIC_INFORMATION region = {};
    if (!VirtualQuery(address, &region, sizeof(region)) || !region.AllocationBase)
        return FALSE;
    const BYTE* base = static_cast<const BYTE*>(region.AllocationBase);
    char path[MAX_PATH + 1] = "";
    if (!GetModuleFileNameA(reinterpret_cast<HMODULE>(const_cast<BYTE*>(base)), path, sizeof(path)))
        return FALSE;
    modulePath = path;

    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return FALSE;
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE)
        return FALSE;
    ULONG_PTR rva = static_cast<const BYTE*>(address) - base;
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
        ULONG_PTR start = sections[i].VirtualAddress;
        ULONG_PTR end = start + std::max(sections[i].SizeOfRawData, sections[i].Misc.VirtualSize);
        if (rva >= start && rva <= end) {
            section = i + 1;
            offset = static_cast<DWORD>(rva - start);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL SendReportByMail(LPCTSTR reportPath)
{
    CString version;
    GetVersionString(version, FALSE);
    CString subject;
    subject.Format("Exception report created by %s\r\n\r\n", static_cast<LPCSTR>(version));
    CMailMsg mail;
    mail.AddTo(g_strSupportAddress, g_strDisplayName)
        .SetSubject(subject)
        .SetMessage("Enter your comments here, what did you do with " + g_strDisplayName + " before it crashed?")
        .AddAttachment(reportPath, g_strDisplayName + ".err");
    return mail.Send();
}

int WriteExceptionReport(const EXCEPTION_POINTERS* pointers)
{
    CString path;
    BOOL havePath = GetExceptionReportPath(path);
    // Faults on two threads at once must not both ask.
    if (InterlockedExchange(&g_nFirstReport, 0) == 0)
        return 0;
    if (!pointers || !pointers->ExceptionRecord)
        return 0;

    DebugHelp help;
    if (!help.Load())
        return 0;

    const CString& name = g_strDisplayName;
    CString question = "An unhandled exception has occurred in " + name + "\r\n\r\n" + name +
        " has to be closed.\r\nWould you like to generate an exception report?\r\n\r\n"
        "The report contains all neccessary information about the exception,\r\n"
        "including a call stack with function parameters and local variables.\r\n\r\n"
        "If you're using the latest version of " + name +
        ", please send the generated exception record to thefollowing mail address: " + g_strSupportAddress +
        "\r\nThe report will be analyzed and the reason for this exception will be fixed in the next version of " +
        name + ".\r\n\r\n"
        "Please note: It may be possible - though unlikely - that the exception report may contain personal and "
        "or confidential information. All exception reports will be processed higly confidential and solelyto "
        "analyze the crash. The reports will be deleted immediately after processing.\r\n";
    if (!g_ui.pfnAsk || g_ui.pfnAsk(question) != IDYES)
        return 0;

    DWORD error = ERROR_PATH_NOT_FOUND;
    if (havePath) {
        CReportFile file;
        if (file.Create(path))
            WriteReportBody(file, help, pointers);
        file.Close();
        error = file.GetError();
    }
    if (error == 0) {
        if (g_ui.pfnSendMail)
            g_ui.pfnSendMail(path);
        CString saved;
        saved.Format("The exception report has been saved to \"%s\".\n", static_cast<LPCSTR>(path));
        saved += "Please make sure that you are using the latest version of " + name +
            ".\nYou can download the latest version from " + g_strDownloadAddress +
            ".\nIf you do use the latest version, please send the exception report to " + g_strSupportAddress +
            " alongwith a brief explanation what you did before " + name + " crashed.";
        // The composed text is bounded as the box has always shown it.
        const int kMaxSavedText = 999;
        if (saved.GetLength() > kMaxSavedText)
            saved = saved.Left(kMaxSavedText);
        ShowCrashErrorBox(saved);
    }
    else {
        CString failed;
        failed.Format("Unable to create exception report, error code %d.", static_cast<int>(error));
        ShowCrashErrorBox(failed);
    }
    return 0;
}
