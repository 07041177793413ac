// The common dialogs: the file dialog's filter and multiple-selection
// parsing without a window, and each dialog run modally and ended by a
// message its derived class posts once the hook has bound it.
#include <gtest/gtest.h>

#include <string>

#include "afx/ColorDialog.h"
#include "afx/FileDialog.h"
#include "afx/FontDialog.h"
#include "afx/PrintDialog.h"

#include <cderr.h>

namespace {

std::string Bytes(const std::vector<char>& v)
{
    return std::string(v.begin(), v.end());
}

// Puts an explorer-style result ("folder\0name\0name\0\0") into the dialog.
void SetResult(CFileDialog& dialog, const std::string& buffer)
{
    ASSERT_LE(buffer.size(), dialog.m_ofn.nMaxFile);
    memcpy(dialog.m_ofn.lpstrFile, buffer.data(), buffer.size());
}

std::vector<std::string> AllPaths(const CFileDialog& dialog)
{
    std::vector<std::string> paths;
    POSITION pos = dialog.GetStartPosition();
    while (pos != nullptr && paths.size() < 10)
        paths.push_back(std::string(dialog.GetNextPathName(pos)));
    return paths;
}

// Ends any dialog still open on this thread, so a dialog the object never
// bound fails the test instead of waiting for a person.
int g_forcedCancels = 0;

BOOL CALLBACK CancelDialogWindow(HWND hWnd, LPARAM)
{
    char className[16] = "";
    ::GetClassNameA(hWnd, className, sizeof className);
    if (::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) && strcmp(className, "#32770") == 0) {
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        g_forcedCancels++;
    }
    return TRUE;
}

void CALLBACK CancelOpenDialogs(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), &CancelDialogWindow, 0);
}

class Watchdog
{
public:
    Watchdog() : m_id(::SetTimer(nullptr, 0, 1500, &CancelOpenDialogs)) { g_forcedCancels = 0; }
    ~Watchdog() { ::KillTimer(nullptr, m_id); }

private:
    UINT_PTR m_id;
};

// A dialog that ends itself with nCommand as soon as it is open.
template <class Base>
class CSelfClosing : public Base
{
public:
    template <class... Args>
    explicit CSelfClosing(UINT nCommand, Args... args) : Base(args...), m_nCommand(nCommand) {}
    BOOL OnInitDialog() override
    {
        m_bInitialised = TRUE;
        m_bBoundAtInit = CWnd::FromHandlePermanent(this->m_hWnd) == this;
        this->PostMessage(WM_COMMAND, m_nCommand, 0);
        return Base::OnInitDialog();
    }
    UINT m_nCommand;
    BOOL m_bInitialised = FALSE;
    BOOL m_bBoundAtInit = FALSE;
};

class CClosingFileDialog : public CSelfClosing<CFileDialog>
{
public:
    CClosingFileDialog() : CSelfClosing<CFileDialog>(IDCANCEL, TRUE, "txt", "start.txt") {}
    void OnInitDone() override
    {
        m_bInitDone = TRUE;
        m_strPathWhileOpen = GetPathName();   // asked of the open dialog
    }
    BOOL m_bInitDone = FALSE;
    CString m_strPathWhileOpen;
};

} // namespace

TEST(FileDialogFilter, BarsBecomeNulsEndedByTwo)
{
    using namespace std::string_literals;
    EXPECT_EQ("Text (*.txt)\0*.txt\0All (*.*)\0*.*\0\0"s,
              Bytes(AfxConvertFileFilter("Text (*.txt)|*.txt|All (*.*)|*.*||")));
    // Without the closing bars the list still ends properly.
    EXPECT_EQ("A\0*.a\0\0"s, Bytes(AfxConvertFileFilter("A|*.a")));
    EXPECT_EQ("A\0*.a\0\0"s, Bytes(AfxConvertFileFilter("A|*.a|")));
    EXPECT_TRUE(AfxConvertFileFilter("").empty());
    EXPECT_TRUE(AfxConvertFileFilter(nullptr).empty());

    CFileDialog dialog(TRUE, "txt", "\xF4\xE0\xE9\xEB.txt", OFN_HIDEREADONLY, "Text|*.txt||");   // "файл.txt"
    EXPECT_EQ(sizeof(OPENFILENAME), dialog.m_ofn.lStructSize);
    EXPECT_EQ(0, memcmp("Text\0*.txt\0\0", dialog.m_ofn.lpstrFilter, 12));
    EXPECT_STREQ("txt", dialog.m_ofn.lpstrDefExt);
    EXPECT_STREQ("\xF4\xE0\xE9\xEB.txt", dialog.m_ofn.lpstrFile);
    EXPECT_EQ(static_cast<DWORD>(OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLEHOOK),
              dialog.m_ofn.Flags & (OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLEHOOK));
    EXPECT_EQ(nullptr, CFileDialog(FALSE).m_ofn.lpstrFilter);
}

TEST(FileDialogResult, MultipleSelectionIsWalkedAsFullPaths)
{
    using namespace std::string_literals;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT);
    EXPECT_EQ(nullptr, dialog.GetStartPosition());   // nothing chosen

    SetResult(dialog, "C:\\\xCF\xE0\xEF\xEA\xE0\0a.txt\0b c.csv\0\0"s);   // "Папка"
    EXPECT_EQ((std::vector<std::string>{"C:\\\xCF\xE0\xEF\xEA\xE0\\a.txt", "C:\\\xCF\xE0\xEF\xEA\xE0\\b c.csv"}),
              AllPaths(dialog));

    // The root folder already ends with its backslash.
    SetResult(dialog, "C:\\\0one\0two\0three\0\0"s);
    EXPECT_EQ((std::vector<std::string>{"C:\\one", "C:\\two", "C:\\three"}), AllPaths(dialog));

    // A single choice comes as one full path.
    SetResult(dialog, "D:\\data\\only.qdfile\0\0"s);
    EXPECT_EQ((std::vector<std::string>{"D:\\data\\only.qdfile"}), AllPaths(dialog));

    // Without multiple selection the buffer is one path, whatever follows it.
    CFileDialog single(TRUE);
    SetResult(single, "E:\\x.txt\0junk\0\0"s);
    EXPECT_EQ((std::vector<std::string>{"E:\\x.txt"}), AllPaths(single));
}

TEST(FileDialogResult, NameExtensionAndTitleOfThePath)
{
    using namespace std::string_literals;
    CFileDialog dialog(FALSE);
    SetResult(dialog, "C:\\dir.d\\name.tar.gz\0"s);
    EXPECT_STREQ("C:\\dir.d\\name.tar.gz", dialog.GetPathName());
    EXPECT_STREQ("name.tar.gz", dialog.GetFileName());
    EXPECT_STREQ("gz", dialog.GetFileExt());
    EXPECT_STREQ("name.tar", dialog.GetFileTitle());

    SetResult(dialog, "C:\\dir.d\\noext\0"s);   // the folder's dot is not the file's
    EXPECT_STREQ("", dialog.GetFileExt());
    EXPECT_STREQ("noext", dialog.GetFileTitle());

    SetResult(dialog, "plain.csv\0"s);
    EXPECT_STREQ("plain.csv", dialog.GetFileName());
    EXPECT_STREQ("csv", dialog.GetFileExt());
}

TEST(CommonDialogModal, FileDialogIsBoundAndEndsByAPostedCancel)
{
    Watchdog watchdog;
    CClosingFileDialog dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(dialog.m_bInitialised);
    EXPECT_TRUE(dialog.m_bBoundAtInit);
    EXPECT_TRUE(dialog.m_bInitDone);   // the hook passes the dialog's notifications on
    const std::string whileOpen(dialog.m_strPathWhileOpen);
    ASSERT_GT(whileOpen.size(), 10u);
    EXPECT_EQ("\\start.txt", whileOpen.substr(whileOpen.size() - 10));   // a full path to the name
    EXPECT_EQ(0, g_forcedCancels);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_STREQ("start.txt", dialog.GetPathName());   // a cancel leaves the name as it was
}

TEST(CommonDialogModal, ColorDialogOkKeepsTheInitialColour)
{
    Watchdog watchdog;
    CSelfClosing<CColorDialog> ok(IDOK, RGB(12, 34, 56));
    EXPECT_TRUE(ok.m_cc.Flags & CC_RGBINIT);
    EXPECT_EQ(IDOK, ok.DoModal());
    EXPECT_TRUE(ok.m_bBoundAtInit);
    EXPECT_EQ(RGB(12, 34, 56), ok.GetColor());
    EXPECT_EQ(0, g_forcedCancels);

    CSelfClosing<CColorDialog> cancel(IDCANCEL);
    EXPECT_FALSE(cancel.m_cc.Flags & CC_RGBINIT);
    EXPECT_EQ(IDCANCEL, cancel.DoModal());
    EXPECT_TRUE(cancel.m_bInitialised);
    EXPECT_EQ(CColorDialog::GetSavedCustomColors(), cancel.m_cc.lpCustColors);   // shared by all
}

TEST(CommonDialogModal, FontDialogEndsByAPostedCancel)
{
    Watchdog watchdog;
    LOGFONT initial = {};
    initial.lfHeight = -13;
    initial.lfWeight = FW_BOLD;
    lstrcpyA(initial.lfFaceName, "Tahoma");
    CSelfClosing<CFontDialog> dialog(IDCANCEL, &initial);
    EXPECT_TRUE(dialog.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
    EXPECT_EQ(&dialog.m_lf, dialog.m_cf.lpLogFont);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(dialog.m_bBoundAtInit);
    EXPECT_EQ(0, g_forcedCancels);
    LOGFONT current = {};
    dialog.GetCurrentFont(&current);
    EXPECT_STREQ("Tahoma", current.lfFaceName);
    EXPECT_TRUE(dialog.IsBold());
}

TEST(CommonDialogModal, PrintDialogWithoutAPrinterFailsCleanly)
{
    DWORD needed = 0, count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed != 0)
        GTEST_SKIP() << "a printer is installed here";

    CPrintDialog setup(FALSE);
    EXPECT_FALSE(setup.GetDefaults());
    EXPECT_EQ(nullptr, setup.GetPrinterDC());
    EXPECT_EQ(nullptr, setup.CreatePrinterDC());
    EXPECT_TRUE(setup.m_pd.Flags & PD_ENABLEPRINTHOOK);   // the hook survives GetDefaults

    // The system tells the user there is no printer (the watchdog closes
    // its message), then the call fails: no dialog of ours, no DC.
    Watchdog watchdog;
    CSelfClosing<CPrintDialog> dialog(IDCANCEL, FALSE);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(dialog.m_bInitialised);
    EXPECT_EQ(static_cast<DWORD>(PDERR_NODEFAULTPRN), ::CommDlgExtendedError());
    EXPECT_EQ(nullptr, dialog.GetPrinterDC());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}
