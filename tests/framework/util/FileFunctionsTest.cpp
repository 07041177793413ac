#include "framework/util/FileFunctions.h"
#include "controls/menu/BCMenu.h"
#include "framework/crash/ExceptionReport.h"
#include "framework/util/ClipboardFunctions.h"
#include "framework/util/Path.h"
#include "TestFiles.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <algorithm>
#include <cstring>

namespace {
std::vector<std::string> ToVector(const CStringArray& array)
{
    std::vector<std::string> result;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        result.push_back(std::string(array[i]));
    return result;
}

// root\a.txt (3 bytes), root\sub\b.txt (5), root\sub\deeper\c.txt (7)
void MakeTree(const CString& root)
{
    ::CreateDirectoryA(root + "sub", nullptr);
    ::CreateDirectoryA(root + "sub\\deeper", nullptr);
    WriteBytes(root + "a.txt", "aaa");
    WriteBytes(root + "sub\\b.txt", "bbbbb");
    WriteBytes(root + "sub\\deeper\\c.txt", "ccccccc");
}
}

TEST(FileFunctions, ReadTextFileEndsEveryLineWithCrLf)
{
    CScratchFolder folder;
    EXPECT_EQ("No file", ReadTextFile(folder.File("missing.txt")));
    EXPECT_EQ("", ReadTextFile(WriteBytes(folder.File("empty.txt"), "")));
    EXPECT_EQ("a\r\nb\r\n", ReadTextFile(WriteBytes(folder.File("lf.txt"), "a\nb")));
    EXPECT_EQ("a\r\n\r\n", ReadTextFile(WriteBytes(folder.File("crlf.txt"), "a\r\n\r\n")));
}

TEST(FileFunctions, GlobalMemoryAndExistence)
{
    CScratchFolder folder;
    // Longer than the 128 characters the old file API could take.
    const CString path = folder.File("") + CString('l', 150) + ".bin";
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    memcpy(::GlobalLock(memory), "\1\2\3\4", 4);
    ::GlobalUnlock(memory);
    EXPECT_FALSE(IsFileExisting(path));
    EXPECT_TRUE(SaveGlobalMemoryToFile(memory, path));
    ::GlobalFree(memory);
    EXPECT_TRUE(IsFileExisting(path));
    EXPECT_EQ(std::string("\1\2\3\4", 4), ReadBytes(path));
    EXPECT_FALSE(IsFileExisting(""));
    EXPECT_FALSE(SaveGlobalMemoryToFile(nullptr, path));
}

TEST(FileFunctions, SizesOfFilesAndFolders)
{
    CScratchFolder folder;
    MakeTree(folder.Path());
    EXPECT_EQ(15, GetSizeFolderOrFile(folder.Path()));
    EXPECT_EQ(15, GetSizeFolderOrFile(RemoveTrailingSlash(folder.Path())));
    EXPECT_EQ(5, GetSizeFolderOrFile(folder.File("sub\\b.txt")));
    EXPECT_EQ("1023 bytes", FormatFileSize(WriteBytes(folder.File("k"), std::string(1023, 'k')),
                                          TRUE));
    EXPECT_EQ("2.000 Kb (2048 bytes)",
              FormatFileSize(WriteBytes(folder.File("k2"), std::string(2048, 'k')), FALSE));
    EXPECT_EQ("1.500 Kb",
              FormatFileSize(WriteBytes(folder.File("k3"), std::string(1536, 'k')), TRUE));
    EXPECT_EQ("0 bytes", FormatFileSize(folder.File("missing"), TRUE));
    EXPECT_EQ("1.500 Mb",
              FormatFileSize(WriteBytes(folder.File("m"), std::string(1572864, 'm')), TRUE));
}

TEST(FileFunctions, ListingAndSortingFolders)
{
    CScratchFolder folder;
    const CString root = folder.Path();
    MakeTree(root);
    CStringArray files;
    EXPECT_TRUE(GetAllFilesSorted(root, files, TRUE, FALSE));
    EXPECT_EQ((std::vector<std::string>{ std::string(root + "a.txt"), std::string(root + "sub"),
                                         std::string(root + "sub\\b.txt"),
                                         std::string(root + "sub\\deeper"),
                                         std::string(root + "sub\\deeper\\c.txt") }),
              ToVector(files));

    // Unsorted, a folder follows its own contents.
    files.RemoveAll();
    GetAllFilesInThisFolder(root + "sub", files, TRUE, TRUE);
    EXPECT_EQ((std::vector<std::string>{ std::string(root + "sub\\deeper") }), ToVector(files));
    files.RemoveAll();
    GetAllFilesInThisFolder(root + "sub", files, TRUE, FALSE);
    std::vector<std::string> listed = ToVector(files);
    const auto deeper = std::find(listed.begin(), listed.end(), std::string(root + "sub\\deeper"));
    const auto inside =
        std::find(listed.begin(), listed.end(), std::string(root + "sub\\deeper\\c.txt"));
    ASSERT_NE(listed.end(), deeper);
    EXPECT_LT(inside, deeper);

    files.RemoveAll();
    GetAllFilesInThisFolder(root + "a.txt", files, FALSE, FALSE);
    EXPECT_EQ(1, files.GetSize());
}

TEST(FileFunctions, DeleteFolderOrFileRemovesTheTree)
{
    CScratchFolder folder;
    const CString root = folder.File("tree\\");
    ::CreateDirectoryA(root, nullptr);
    MakeTree(root);
    DeleteFolderOrFile(root + "a.txt");
    EXPECT_FALSE(IsFileExisting(root + "a.txt"));
    DeleteFolderOrFile(root);
    EXPECT_FALSE(IsFileExisting(root));
    // A missing path is no folder: nothing to walk, nothing reported.
    DeleteFolderOrFile(folder.File("never\\there"));
    EXPECT_TRUE(IsFileExisting(folder.Path()));
}

TEST(FileFunctions, DeleteFolderOrFileLeavesALinkedFolderAlone)
{
    CScratchFolder folder;
    const CString target = folder.File("target");
    ::CreateDirectoryA(target, nullptr);
    WriteBytes(target + "\\keep.txt", "keep");
    const CString link = folder.File("link");
    if (!::CreateSymbolicLinkA(link, target, SYMBOLIC_LINK_FLAG_DIRECTORY))
        GTEST_SKIP() << "no folder links here";
    ASSERT_TRUE(::GetFileAttributesA(link) & FILE_ATTRIBUTE_REPARSE_POINT);
    DeleteFolderOrFile(link);
    EXPECT_FALSE(IsFileExisting(link));
    EXPECT_TRUE(IsFileExisting(target + "\\keep.txt"));
}

TEST(FileFunctions, PathTexts)
{
    EXPECT_TRUE(IsDriveRoot("C:\\"));
    EXPECT_TRUE(IsDriveRoot("Y:\\\\"));
    EXPECT_FALSE(IsDriveRoot("c:\\"));
    EXPECT_FALSE(IsDriveRoot("Z:\\"));
    EXPECT_FALSE(IsDriveRoot("C:"));
    EXPECT_EQ("f.txt", GetFileNameFromPath("C:\\a\\f.txt"));
    EXPECT_EQ("", GetFileNameFromPath("f.txt"));
    EXPECT_EQ("gz", GetFileExt("a.tar.gz"));
    EXPECT_EQ("", GetFileExt("README"));

    const CString program = GetProgramFolder();
    EXPECT_EQ('\\', program[program.GetLength() - 1]);
    EXPECT_TRUE(IsFileExisting(program));
    EXPECT_TRUE(IsFileExisting(GetTempFolder()));
    EXPECT_FALSE(GetSpecialFolderPath(CSIDL_APPDATA).IsEmpty());
    EXPECT_FALSE(GetComputerNameText().IsEmpty());
    const int code = GetWinVersionCode();
    EXPECT_GE(code, 0);
    EXPECT_LE(code, 7);
}

TEST(Clipboard, TextRoundTrip)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();

    CString text = "unchanged";
    EXPECT_FALSE(GetClipboardText(text));
    EXPECT_FALSE(SetClipboardText(""));
    EXPECT_FALSE(SetClipboardText(nullptr));
    EXPECT_FALSE(GetClipboardText(text));

    const char* keywords = "\xEA\xEB\xFE\xF7 one\r\nkeyword two";
    EXPECT_TRUE(SetClipboardText(keywords));
    EXPECT_TRUE(GetClipboardText(text));
    EXPECT_EQ(keywords, text);

    // An empty text is refused without touching what is there.
    EXPECT_FALSE(SetClipboardText(""));
    EXPECT_TRUE(GetClipboardText(text));
    EXPECT_EQ(keywords, text);

    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
}


TEST(ShellFunctions, TheIconChooserGetsAndGivesBackThePathInEitherTextWidth)
{
    // The chooser is cancelled when it shows (this system's shell may not be
    // able to show it at all); either way the path must come back as it went,
    // Cyrillic letters included, through the conversion to the other width.
    char path[MAX_PATH] = "C:\\\xEF\xE0\xEF\xEA\xE0\\icons.dll";
    const std::string before = path;
    int index = 3;
    RunPressingDialogButton(IDCANCEL, [&] { PickIconDialogA(nullptr, path, MAX_PATH, &index); });
    EXPECT_EQ(before, path);
    EXPECT_EQ(3, index);

    wchar_t widePath[MAX_PATH] = L"C:\\\x0430\x0431\\icons.dll";
    const std::wstring wideBefore = widePath;
    RunPressingDialogButton(IDCANCEL, [&] { PickIconDialogW(nullptr, widePath, MAX_PATH, &index); });
    EXPECT_EQ(wideBefore, widePath);
}

TEST(ShellFunctions, CancellingTheFolderChooserKeepsTheFolder)
{
    CString folder = GetTempFolder();
    const CString before = folder;
    BOOL chosen = TRUE;
    ASSERT_TRUE(RunPressingDialogButton(IDCANCEL, [&] { chosen = BrowseForFolder(folder, "Pick"); }));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(before, folder);
}

TEST(ShellFunctions, TheVersionCodeIsWhereTheMenusReadIt)
{
    // Stored during static initialisation, before any test runs.
    EXPECT_EQ(GetWinVersionCode(), BCMenu::windowsClass);
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ::GetVersionExA(&info);
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion == 5 && info.dwMinorVersion == 1) {
        EXPECT_EQ(7, GetWinVersionCode());
    } else if (info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 6) {
        EXPECT_EQ(1, GetWinVersionCode());
    }
}

TEST(ShellFunctions, ResetCrashAppNameEmptiesTheReportsName)
{
    const CString name = GetExceptionReportName();
    SetExceptionReportInfo("Lexifern", "a@example.invalid", "http://example.invalid/");
    EXPECT_TRUE(ResetCrashAppName());
    EXPECT_TRUE(GetExceptionReportName().IsEmpty());
    SetExceptionReportInfo(name, "a@example.invalid", "http://example.invalid/");
}
