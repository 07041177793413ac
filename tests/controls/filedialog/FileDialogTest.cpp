// The file dialog's record as set up for the system dialog (never shown), the
// bounded copy of the initial name, and the walk over a multiple selection.
#include "controls/dialogs/FileDialogST.h"

#include "afx/Wnd.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class Probe : public CFileDialogST
{
public:
    using CFileDialogST::CFileDialogST;
    char* File() { return m_szFile; }
    const CString& Title() const { return m_sTitle; }
};

TEST(FileDialogST, RecordIsSetUpForThisBuild)
{
    const char filter[] = "Text\0*.txt\0All\0*.*\0";
    Probe dlg(FALSE, "txt", "out.txt", OFN_OVERWRITEPROMPT, filter);
    EXPECT_EQ(sizeof(OPENFILENAMEA), dlg.m_ofn.lStructSize);
    EXPECT_EQ(static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_EXPLORER), dlg.m_ofn.Flags);
    EXPECT_EQ(filter, dlg.m_ofn.lpstrFilter);   // the pairs are taken as they are
    EXPECT_STREQ("txt", dlg.m_ofn.lpstrDefExt);
    EXPECT_STREQ("out.txt", dlg.m_ofn.lpstrFile);
    EXPECT_EQ(260u, dlg.m_ofn.nMaxFile);
    EXPECT_EQ(260u, dlg.m_ofn.nMaxFileTitle);
    EXPECT_EQ(nullptr, dlg.m_ofn.hwndOwner);
    EXPECT_STREQ("\xC2\xFB\xE1\xE5\xF0\xE5\xF2\xE5 \xEF\xF3\xF2\xFC", dlg.Title());
}

TEST(FileDialogST, OwnerIsTheParentsWindow)
{
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* parent = CWnd::FromHandle(hwnd);
    CFileDialogST dlg(TRUE, nullptr, nullptr, 0, nullptr, parent);
    EXPECT_EQ(hwnd, dlg.m_ofn.hwndOwner);
    EXPECT_EQ(static_cast<DWORD>(OFN_EXPLORER), dlg.m_ofn.Flags);
    EXPECT_STREQ("", dlg.m_ofn.lpstrFile);
    ::DestroyWindow(hwnd);
}

TEST(FileDialogST, LongNameIsCutToTheBufferAndTerminated)
{
    const std::string name(400, 'n');
    Probe dlg(TRUE, nullptr, name.c_str());
    EXPECT_EQ(259u, std::strlen(dlg.m_ofn.lpstrFile));
    const std::string exact(259, 'e');
    Probe fits(TRUE, nullptr, exact.c_str());
    EXPECT_EQ(exact, fits.m_ofn.lpstrFile);
}

TEST(FileDialogST, PathPartsAndMultipleSelection)
{
    Probe dlg(TRUE, nullptr, "C:\\data\\words.csv");
    EXPECT_EQ(CString("C:\\data\\words.csv"), dlg.GetPathName());
    EXPECT_EQ(CString("words"), dlg.GetFileTitle());
    EXPECT_EQ(CString(".csv"), dlg.GetFileExt());
    EXPECT_EQ(CString("C:\\data\\"), dlg.GetFileDir());
    EXPECT_EQ(CString("C:"), dlg.GetFileDrive());
    POSITION pos = dlg.GetStartPosition();
    EXPECT_EQ(CString("C:\\data\\words.csv"), dlg.GetNextPathName(pos));
    EXPECT_EQ(nullptr, pos);

    // Explorer mode: folder, then the names, each ended by a terminator.
    const char multi[] = "C:\\in\0a.txt\0b.txt\0";
    std::memcpy(dlg.File(), multi, sizeof(multi));
    pos = dlg.GetStartPosition();
    EXPECT_EQ(CString("C:\\in\\a.txt"), dlg.GetNextPathName(pos));
    ASSERT_NE(nullptr, pos);
    EXPECT_EQ(CString("C:\\in\\b.txt"), dlg.GetNextPathName(pos));
    EXPECT_EQ(nullptr, pos);

    // The old style separates by blanks.
    dlg.m_ofn.Flags &= ~static_cast<DWORD>(OFN_EXPLORER);
    std::strcpy(dlg.File(), "C:\\in a.txt b.txt");
    pos = dlg.GetStartPosition();
    EXPECT_EQ(CString("C:\\in\\a.txt"), dlg.GetNextPathName(pos));
    EXPECT_EQ(CString("C:\\in\\b.txt"), dlg.GetNextPathName(pos));
    EXPECT_EQ(nullptr, pos);
}

} // namespace
