// The drawer's loaders: images and strings from the program's resources, from
// a resource module given by path, and from files.
#include "tooltip/PPHtmlDrawer.h"
#include "tooltip/PPToolTip.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::string ProgramPath()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string TempFile(const char* name)
{
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

template <class T>
void Append(std::vector<BYTE>& bytes, const T& value)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof(T));
}

// A 16 x 16, 32-bit image header as bitmap files and icons both hold it.
BITMAPINFOHEADER Header(int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = 16;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}
} // namespace

TEST(DrawerResources, StringsFromTheProgramAndFromAModuleByPath)
{
    CPPHtmlDrawer drawer;
    const CString whole = drawer.GetStringFromResource(IDR_MAINFRAME);
    EXPECT_EQ(0, whole.Find("Lexifern\n"));
    EXPECT_EQ("Lexifern Files (*.qdfile)", drawer.GetResourceSubString(IDR_MAINFRAME, 3));
    EXPECT_EQ("KOVR Document", drawer.GetResourceSubString(IDR_MAINFRAME, 6));   // the last runs to the end
    EXPECT_EQ("", drawer.GetResourceSubString(IDR_MAINFRAME, 7));
    EXPECT_EQ("", drawer.GetResourceSubString(0xFFF0, 0));
    EXPECT_EQ("", drawer.GetStringFromResource(0));

    // No resource module yet: nothing; by path, or once set, the same string.
    EXPECT_EQ("", drawer.GetStringFromDll(IDR_MAINFRAME));
    EXPECT_EQ(whole, drawer.GetStringFromDll(IDR_MAINFRAME, ProgramPath().c_str()));
    ASSERT_TRUE(drawer.SetResourceDll(ProgramPath().c_str(), LOAD_LIBRARY_AS_DATAFILE));
    EXPECT_EQ(whole, drawer.GetStringFromDll(IDR_MAINFRAME));
}

TEST(DrawerResources, ImagesFromTheProgramAndFromAModuleByPath)
{
    CPPHtmlDrawer drawer;
    HICON icon = drawer.LoadIconFromResource(IDI_OK, 16, 16);
    ASSERT_NE(nullptr, icon);
    ::DestroyIcon(icon);
    EXPECT_EQ(nullptr, drawer.LoadIconFromResource(0, 16, 16));

    HBITMAP bitmap = drawer.LoadBitmapFromResource(IDB_SETTINGS);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_GT(BitmapSize(bitmap).cx, 0);
    ::DeleteObject(bitmap);

    EXPECT_EQ(nullptr, drawer.LoadIconFromDll(IDI_OK, 16, 16));   // no module
    icon = drawer.LoadIconFromDll(IDI_OK, 16, 16, ProgramPath().c_str());
    ASSERT_NE(nullptr, icon);
    ::DestroyIcon(icon);
    bitmap = drawer.LoadBitmapFromDll(IDB_SETTINGS, ProgramPath().c_str());
    ASSERT_NE(nullptr, bitmap);
    ::DeleteObject(bitmap);
}

TEST(DrawerResources, ImagesFromFiles)
{
    // A 16 x 16 bitmap file.
    std::vector<BYTE> bmp;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + 16 * 16 * 4;
    Append(bmp, file);
    Append(bmp, Header(16));
    bmp.resize(file.bfSize, 0x80);
    const std::string bmpPath = TempFile("drawer-test.bmp");
    WriteBytes(bmpPath, bmp);

    // A one-image icon file of the same size: colour pixels and an AND mask.
    std::vector<BYTE> ico;
    const WORD dir[3] = {0, 1, 1};
    Append(ico, dir);
    const DWORD imageBytes = sizeof(BITMAPINFOHEADER) + 16 * 16 * 4 + 16 * 4;
    const BYTE entry[8] = {16, 16, 0, 0, 1, 0, 32, 0};
    ico.insert(ico.end(), entry, entry + 8);
    Append(ico, imageBytes);
    Append(ico, static_cast<DWORD>(6 + 16));
    Append(ico, Header(32));
    ico.resize(ico.size() + 16 * 16 * 4, 0xC0);
    ico.resize(ico.size() + 16 * 4, 0);
    const std::string icoPath = TempFile("drawer-test.ico");
    WriteBytes(icoPath, ico);

    CPPHtmlDrawer drawer;
    HBITMAP bitmap = drawer.LoadBitmapFromFile(bmpPath.c_str());
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(16, BitmapSize(bitmap).cx);
    ::DeleteObject(bitmap);
    EXPECT_EQ(nullptr, drawer.LoadBitmapFromFile(TempFile("no-such-drawer-test.bmp").c_str()));

    HICON icon = drawer.LoadIconFromFile(icoPath.c_str(), 16, 16);
    ASSERT_NE(nullptr, icon);
    ::DestroyIcon(icon);
    EXPECT_EQ(nullptr, drawer.LoadIconFromFile(TempFile("no-such-drawer-test.ico").c_str(), 16, 16));

    ::DeleteFileA(bmpPath.c_str());
    ::DeleteFileA(icoPath.c_str());
}

TEST(DrawerResources, TheStyleSheetAsTextGivesTheSameSheetBack)
{
    CPPHtmlDrawer drawer;
    EXPECT_TRUE(drawer.GetStoredText().IsEmpty());
    drawer.SetCssStyles("td {color:red}\r\n.Note {font-weight:bold}");
    EXPECT_EQ(".note {font-weight:bold}\r\ntd {color:red}\r\n", drawer.GetCssStyles());

    CPPHtmlDrawer builtIn, copy;
    const CString sheet = builtIn.GetCssStyles();
    EXPECT_GE(sheet.Find("h1 {"), 0);
    copy.SetCssStyles(sheet);
    EXPECT_EQ(sheet, copy.GetCssStyles());
    EXPECT_STREQ(builtIn.GetStyleText("pre"), copy.GetStyleText("pre"));

    drawer.SetCssStyles("");
    EXPECT_EQ("", drawer.GetCssStyles());
}

TEST(DrawerResources, TheTooltipHandsOutItsDrawersStyleSheet)
{
    CPPToolTip tip;
    tip.SetCssStyles("b {color:blue}");
    EXPECT_EQ("b {color:blue}\r\n", tip.GetCssStyles());
}
