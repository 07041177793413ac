#include "framework/crash/SeTranslator.h"

#include "framework/crash/ExceptionReport.h"
#include "framework/crash/SeException.h"

// How a fault becomes a C++ exception. This compiler has no hook that turns a
// structured exception into a C++ one, and its unwinder never catches a
// hardware exception. So a vectored handler, which runs first on the faulting
// thread, saves the fault and changes the faulting context to look as if the
// faulting instruction had called FaultTrampoline; execution resumes there,
// and the trampoline throws. Everything is compiled with -fnon-call-exceptions,
// so the faulting instruction lies inside its function's unwind ranges and the
// destructors of the faulting frame run.

namespace {

struct PendingFault
{
    EXCEPTION_RECORD record;
    CONTEXT context;
};

// The fault being converted on this thread. The handler reaches it only
// through the TLS slot: touching a thread_local inside the handler could
// allocate, and the fault may have struck inside the allocator.
thread_local PendingFault t_fault;
DWORD g_dwTlsSlot = TLS_OUT_OF_INDEXES;
INIT_ONCE g_initOnce = INIT_ONCE_STATIC_INIT;

BOOL IsInProgram(const void* address)
{
    HMODULE module = nullptr;
    return GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCSTR>(address), &module)
           && module == GetModuleHandleA(nullptr);
}

BOOL IsConvertible(DWORD code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_STACK_CHECK:
        return TRUE;
    default:
        // C++ throws, breakpoints, guard pages, stack overflow (no stack left to throw on).
        return FALSE;
    }
}

} // namespace

extern "C" [[noreturn]] __attribute__((noinline, used)) void LexifernThrowPendingFault()
{
    PendingFault& fault = t_fault;
    EXCEPTION_POINTERS pointers = { &fault.record, &fault.context };
    SeTranslator(fault.record.ExceptionCode, &pointers);
}

// To the unwinder this is a function called from the fault site. It keeps a
// frame pointer, so it may start with the stack at any alignment.
asm(".text\n"
    ".globl LexifernFaultTrampoline\n"
    ".def LexifernFaultTrampoline; .scl 2; .type 32; .endef\n"
    ".seh_proc LexifernFaultTrampoline\n"
    "LexifernFaultTrampoline:\n"
    "  pushq %rbp\n"
    "  .seh_pushreg %rbp\n"
    "  movq %rsp, %rbp\n"
    "  .seh_setframe %rbp, 0\n"
    "  .seh_endprologue\n"
    "  andq $-16, %rsp\n"
    "  subq $32, %rsp\n"
    "  call LexifernThrowPendingFault\n"
    "  int3\n"
    ".seh_endproc\n");
extern "C" void LexifernFaultTrampoline();

namespace {

LONG CALLBACK FaultHandler(EXCEPTION_POINTERS* pointers)
{
    EXCEPTION_RECORD* record = pointers->ExceptionRecord;
    if (!IsConvertible(record->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    PendingFault* fault = static_cast<PendingFault*>(TlsGetValue(g_dwTlsSlot));
    if (!fault)
        return EXCEPTION_CONTINUE_SEARCH;   // this thread did not ask for conversion
    // A fault in a system library cannot be unwound from here; its own
    // handlers or the unhandled-exception filter deal with it.
    if (!IsInProgram(record->ExceptionAddress))
        return EXCEPTION_CONTINUE_SEARCH;

    fault->record = *record;
    fault->context = *pointers->ContextRecord;

    CONTEXT* context = pointers->ContextRecord;
    context->Rsp -= sizeof(DWORD64);
    // The personality routine looks up (return address - 1); +1 keeps that
    // inside the faulting instruction's range.
    *reinterpret_cast<DWORD64*>(context->Rsp) = context->Rip + 1;
    context->Rip = reinterpret_cast<DWORD64>(&LexifernFaultTrampoline);
    return EXCEPTION_CONTINUE_EXECUTION;
}

LONG WINAPI UnhandledFilter(EXCEPTION_POINTERS* pointers)
{
    WriteExceptionReport(pointers);
    return EXCEPTION_EXECUTE_HANDLER;
}

BOOL CALLBACK InstallOnce(PINIT_ONCE, PVOID, PVOID*)
{
    g_dwTlsSlot = TlsAlloc();
    if (g_dwTlsSlot == TLS_OUT_OF_INDEXES)
        return FALSE;
    AddVectoredExceptionHandler(1, FaultHandler);
    SetUnhandledExceptionFilter(UnhandledFilter);
    return TRUE;
}

} // namespace

void InstallSeTranslator()
{
    if (!InitOnceExecuteOnce(&g_initOnce, InstallOnce, nullptr, nullptr)) {
        TRACE("InstallSeTranslator: no TLS slot (%lu)\n", GetLastError());
        return;
    }
    TlsSetValue(g_dwTlsSlot, &t_fault);
}

void SeTranslator(UINT code, EXCEPTION_POINTERS* pointers)
{
    WriteExceptionReport(pointers);
    throw new CSeException(code, pointers);
}
