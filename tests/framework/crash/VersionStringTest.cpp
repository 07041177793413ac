#include "framework/crash/ExceptionReport.h"
#include "framework/crash/ProcessorInfo.h"
#include "framework/crash/SeException.h"
#include "framework/crash/VersionString.h"

#include <gtest/gtest.h>

TEST(VersionString, EveryBranchOfTheVersionText)
{
    const DWORD v3_6 = MAKELONG(6, 3);
    EXPECT_EQ(CString("Lexifern version 3.6 beta 2"), FormatVersionString("Lexifern", v3_6, MAKELONG(2, 0), FALSE));
    EXPECT_EQ(CString("version 3.6.0.2 beta"), FormatVersionString("Lexifern", v3_6, MAKELONG(2, 0), TRUE));
    EXPECT_EQ(CString("Lexifern version 3.6.4 beta 2"), FormatVersionString("Lexifern", v3_6, MAKELONG(2, 4), FALSE));
    EXPECT_EQ(CString("Lexifern version 3.6a"), FormatVersionString("Lexifern", v3_6, MAKELONG(100, 0), FALSE));
    EXPECT_EQ(CString("Lexifern version 3.6.7b"), FormatVersionString("Lexifern", v3_6, MAKELONG(200, 7), FALSE));
    EXPECT_EQ(CString("Lexifern version 3.6.7"), FormatVersionString("Lexifern", v3_6, MAKELONG(0, 7), FALSE));
    EXPECT_EQ(CString("Lexifern version 3.6"), FormatVersionString("Lexifern", v3_6, 0, TRUE));
    EXPECT_EQ(CString("Lexifern Beta 9.1 beta 5"), FormatVersionString("Lexifern", MAKELONG(9, 0), MAKELONG(5, 1), FALSE));
    EXPECT_EQ(CString("Lexifern Beta 9.1"), FormatVersionString("Lexifern", MAKELONG(9, 0), MAKELONG(0, 1), FALSE));

    // The test program carries the program's own version resource (3.0.0.1).
    CString text;
    ASSERT_TRUE(GetVersionString(text, FALSE));
    EXPECT_EQ(CString("Lexifern version 3.0 beta 1"), text);
}

TEST(VersionString, WindowsVersionText)
{
    OSVERSIONINFOEXA info = {};
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
    info.dwMajorVersion = 5;
    info.dwMinorVersion = 1;
    info.dwBuildNumber = 2600;
    lstrcpyA(info.szCSDVersion, "Service Pack 3");
    info.wProductType = VER_NT_WORKSTATION;
    EXPECT_EQ(CString("Microsoft Windows XP Professional Service Pack 3 (Build 2600)"),
              FormatWindowsVersionString(info, TRUE, nullptr));
    info.wSuiteMask = VER_SUITE_PERSONAL;
    EXPECT_EQ(CString("Microsoft Windows XP Home Edition Service Pack 3 (Build 2600)"),
              FormatWindowsVersionString(info, TRUE, nullptr));

    info.dwMajorVersion = 4;
    info.dwMinorVersion = 0;
    info.dwBuildNumber = 1381;
    lstrcpyA(info.szCSDVersion, "Service Pack 6");
    EXPECT_EQ(CString("Microsoft Windows NT Server version 4.0 Service Pack 6 (Build 1381)"),
              FormatWindowsVersionString(info, FALSE, "LanmanNT"));

    info.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    info.dwMinorVersion = 10;
    info.dwBuildNumber = MAKELONG(2222, 0x040A);
    lstrcpyA(info.szCSDVersion, " A ");
    EXPECT_EQ(CString("Microsoft Windows 98 SE 4.10 build 2222"), FormatWindowsVersionString(info, FALSE, nullptr));

    CString running;
    EXPECT_TRUE(GetWindowsVersionString(running));
    EXPECT_NE(-1, running.Find("(Build "));
}

TEST(CrashReportText, ProcessorAndMemoryLines)
{
    SYSTEM_INFO info = {};
    info.dwProcessorType = 586;
    info.dwNumberOfProcessors = 4;
    info.wProcessorArchitecture = 9;   // x64: not in the old table
    info.wProcessorLevel = 6;
    info.wProcessorRevision = 0x9E0A;
    EXPECT_EQ(CString("Type: Intel Pentium compatible, Number Of Processors: 4, "
                      "Architecture: Unknown 9, Level: Unknown 6, Stepping: 404-58"),
              CProcessorInfo(info).GetProcessorDetails());
    info.wProcessorArchitecture = 0;
    info.wProcessorRevision = 1203;
    EXPECT_EQ(CString("Type: Intel Pentium compatible, Number Of Processors: 4, "
                      "Architecture: Intel, Level: Pentium II/Pro, Stepping: 12-3"),
              CProcessorInfo(info).GetProcessorDetails());
    EXPECT_EQ(0, CProcessorInfo(info).GetProcessorDescription().Find("Vendor: "));

    // Figures past 4 GB must not wrap.
    MEMORYSTATUSEX memory = {};
    memory.dwMemoryLoad = 42;
    memory.ullTotalPhys = 64ull << 30;
    memory.ullAvailPhys = 1024 * 10;
    memory.ullTotalVirtual = 128ull << 40;
    memory.ullAvailVirtual = 5ull << 40;
    EXPECT_EQ(CString("Memory Used 42%, Total Physical Memory 67108864KB, Physical Memory Available 10KB, "
                      "Total Virtual Memory 137438953472KB, Available Virtual Memory 5368709120KB, "
                      "Working Set Min: 200KB Max: 6291456KB .\r\n"),
              FormatMemoryText(memory, 200 * 1024, SIZE_T(6) << 30));
}

TEST(CrashReportText, ExceptionNamesAndMessages)
{
    EXPECT_STREQ("ACCESS_VIOLATION", GetExceptionName(0xC0000005));
    EXPECT_STREQ("INT_DIVIDE_BY_ZERO", GetExceptionName(0xC0000094));
    EXPECT_STREQ("INVALID_HANDLE", GetExceptionName(0xC0000008));
    EXPECT_EQ(nullptr, GetExceptionName(0xC0000017));

    EXCEPTION_RECORD record = {};
    record.ExceptionCode = 0xC0000005;
    record.ExceptionAddress = reinterpret_cast<void*>(0x140001234ull);
    CONTEXT context = {};
    EXCEPTION_POINTERS pointers = { &record, &context };
    CSeException e(0xC0000005, &pointers);
    CString message;
    e.FormatErrorMessage(message);
    EXPECT_EQ(CString("Exception ACCESS_VIOLATION (0xc0000005) at address 0x0000000140001234."), message);

    char buffer[100];
    UINT help = 7;
    EXPECT_TRUE(e.GetErrorMessage(buffer, sizeof(buffer), &help));
    EXPECT_EQ(0u, help);
    EXPECT_EQ(message, CString(buffer));
    // Too small a buffer gets an empty text, never a cut one.
    EXPECT_FALSE(e.GetErrorMessage(buffer, message.GetLength()));
    EXPECT_STREQ("", buffer);

    // The copy keeps its own record, not the original's.
    CSeException copy(e);
    record.ExceptionAddress = nullptr;
    EXPECT_EQ(reinterpret_cast<void*>(0x140001234ull), copy.GetExceptionAddress());
    EXPECT_EQ(copy.m_pExPtrs->ExceptionRecord->ExceptionAddress, copy.GetExceptionAddress());

    CSeException unknown(0xC0000017, &pointers);
    unknown.FormatErrorMessage(message);
    EXPECT_EQ(CString("Unknown exception."), message);
}

TEST(CrashReportText, ReportPathIsInTheTemporaryFolder)
{
    char folder[MAX_PATH + 1];
    ASSERT_NE(0u, GetTempPathA(sizeof(folder), folder));
    CString path;
    ASSERT_TRUE(GetExceptionReportPath(path));
    EXPECT_EQ(CString(folder) + GetExceptionReportName() + ".err", path);
}
