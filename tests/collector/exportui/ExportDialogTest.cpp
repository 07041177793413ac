// The export progress dialog with its worker: a real export closes the dialog
// by itself with the exact bytes on disk, Cancel while the text is being
// built stops the worker and leaves no file, and a file that cannot be
// written closes the dialog and reports the file layer's text.
#include "collector/ExportAndCopy.h"

#include "afx/Afx.h"
#include "collector/ExportFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string TempPath(const char* name)
{
    char folder[MAX_PATH + 1] = "";
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Records the error box instead of showing it.
class TestExportDialog : public CExportAndCopy
{
public:
    TestExportDialog() : CExportAndCopy(0, nullptr) {}
    CString shownError;
    int errorBoxes = 0;
    CString caption;

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = CExportAndCopy::OnInitDialog();
        GetWindowText(caption);
        return result;
    }
    void ReportExportError(const CString& text) override
    {
        shownError = text;
        ++errorBoxes;
    }
};

// Presses Cancel the first time the worker moves the bar past 0: the worker
// is then blocked in its SendMessage, so the request lands mid-export.
class CancellingExportDialog : public TestExportDialog
{
public:
    int positionAtCancel = -1;

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = TestExportDialog::OnInitDialog();
        s_self = this;
        s_oldProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(m_progress.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BarProc)));
        return result;
    }

private:
    static LRESULT CALLBACK BarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == PBM_SETPOS && wParam > 0 && s_self->positionAtCancel < 0) {
            s_self->positionAtCancel = static_cast<int>(wParam);
            s_self->SendMessage(WM_COMMAND, IDCANCEL, 0);
        }
        return CallWindowProcA(s_oldProc, hWnd, message, wParam, lParam);
    }
    static CancellingExportDialog* s_self;
    static WNDPROC s_oldProc;
};
CancellingExportDialog* CancellingExportDialog::s_self = nullptr;
WNDPROC CancellingExportDialog::s_oldProc = nullptr;
}

TEST(ExportDialog, WritesTheFileAndClosesItself)
{
    std::string path = TempPath("lexifern_export_dialog.txt");
    DeleteFileA(path.c_str());
    CStringArray keywords;
    keywords.Add("alpha");
    keywords.Add("\xEA\xEE\xF2 \"q\"");   // Cyrillic bytes and quotes

    TestExportDialog dialog;
    dialog.m_nExportFormat = ExportText;
    dialog.m_strPath = path.c_str();
    dialog.m_pKeywords = &keywords;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ("Exporting ...", dialog.caption);
    EXPECT_TRUE(dialog.IsFinished());
    EXPECT_TRUE(dialog.WasWritten());
    EXPECT_EQ(0, dialog.errorBoxes);
    EXPECT_EQ(std::string("alpha\r\n\xEA\xEE\xF2 \"q\"\r\n"), ReadFileBytes(path));

    // The HTML table of an empty Basket: head and tail only.
    CStringArray empty;
    TestExportDialog second;
    second.m_nExportFormat = ExportHtmlTable;
    second.m_strPath = path.c_str();
    second.m_pKeywords = &empty;
    second.DoModal();
    EXPECT_EQ("<table border='1'>\r\n<tr>Words</tr>\r\n</table>", ReadFileBytes(path));
    DeleteFileA(path.c_str());
}

TEST(ExportDialog, CancelDuringALargeExportStopsItAndLeavesNoFile)
{
    std::string path = TempPath("lexifern_export_cancel.html");
    DeleteFileA(path.c_str());
    CStringArray keywords;
    const int count = 200000;
    keywords.SetSize(count);
    for (int i = 0; i < count; ++i)
        keywords[i] = "keyword";

    CancellingExportDialog dialog;
    dialog.m_nExportFormat = ExportHtmlTable;
    dialog.m_strPath = path.c_str();
    dialog.m_pKeywords = &keywords;
    dialog.DoModal();
    EXPECT_GT(dialog.positionAtCancel, 0);
    EXPECT_LT(dialog.positionAtCancel, count);
    EXPECT_TRUE(dialog.IsStopRequested());
    EXPECT_TRUE(dialog.IsFinished());
    EXPECT_FALSE(dialog.WasWritten());
    EXPECT_EQ(0, dialog.errorBoxes);
    EXPECT_FALSE(FileExists(path));
}

TEST(ExportDialog, CancelAfterAStopKeepsAnOlderFileUntouched)
{
    // A stop never reaches the writer, so a file chosen for overwriting
    // keeps its old bytes rather than a cut-off export.
    std::string path = TempPath("lexifern_export_keep.txt");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "old", 3, &written, nullptr);
    CloseHandle(file);

    CStringArray keywords;
    keywords.SetSize(1000);
    for (int i = 0; i < 1000; ++i)
        keywords[i] = "k";
    CancellingExportDialog dialog;
    dialog.m_nExportFormat = ExportText;
    dialog.m_strPath = path.c_str();
    dialog.m_pKeywords = &keywords;
    dialog.DoModal();
    EXPECT_FALSE(dialog.WasWritten());
    EXPECT_EQ("old", ReadFileBytes(path));
    DeleteFileA(path.c_str());
}

TEST(ExportDialog, UnwritableTargetClosesTheDialogAndShowsTheFileError)
{
    std::string path = TempPath("lexifern_no_such_folder\\sub\\k.txt");
    CStringArray keywords;
    keywords.Add("a");

    TestExportDialog dialog;
    dialog.m_nExportFormat = ExportCsv;
    dialog.m_strPath = path.c_str();
    dialog.m_pKeywords = &keywords;
    dialog.DoModal();
    EXPECT_FALSE(dialog.GetSafeHwnd());
    EXPECT_TRUE(dialog.IsFinished());
    EXPECT_FALSE(dialog.WasWritten());
    ASSERT_EQ(1, dialog.errorBoxes);
    EXPECT_EQ(CString("Can't open file ") + path.c_str(), dialog.shownError);
    EXPECT_FALSE(FileExists(path));
}
