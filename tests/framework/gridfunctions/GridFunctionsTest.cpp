#include "framework/util/GridFunctions.h"

#include "afx/FrameWnd.h"
#include "afx/StatusBar.h"
#include "afx/WinApp.h"
#include "controls/bars/ProgressBar.h"
#include "grid/GridCtrl.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}


// The texts the status bar's panes are given, in order.
std::vector<std::string> g_paneTexts;
LRESULT CALLBACK RecordPaneTexts(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == SB_SETTEXTA && lParam)
        g_paneTexts.push_back(reinterpret_cast<const char*>(lParam));
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}
}  // namespace

static CWinApp theApp("Grid Functions Test");

TEST(SelectGridRow, ClampsIntoTheDataRowsAndSelectsTheWholeRow)
{
    CGridCtrl grid(5, 3, 1, 0);
    SelectGridRow(0, &grid);
    EXPECT_EQ(CCellID(1, 0), grid.GetFocusCell());
    EXPECT_EQ(CCellRange(1, 0, 1, 2), grid.GetSelectedCellRange());
    SelectGridRow(99, &grid);
    EXPECT_EQ(CCellID(4, 0), grid.GetFocusCell());
    EXPECT_EQ(CCellRange(4, 0, 4, 2), grid.GetSelectedCellRange());

    CGridCtrl headerOnly(1, 3, 1, 0);
    SelectGridRow(0, &headerOnly);
    EXPECT_FALSE(headerOnly.IsValid(headerOnly.GetFocusCell()));
}

TEST(GridReports, CsvQuotesFieldsWithSeparatorsQuotesAndLineBreaks)
{
    EXPECT_STREQ("plain", (LPCTSTR)QuoteCsvField("plain"));
    EXPECT_STREQ("\"a,b\"", (LPCTSTR)QuoteCsvField("a,b"));
    EXPECT_STREQ("\"say \"\"hi\"\"\"", (LPCTSTR)QuoteCsvField("say \"hi\""));
    EXPECT_STREQ("\"two\nlines\"", (LPCTSTR)QuoteCsvField("two\nlines"));

    CGridCtrl grid(3, 2, 1, 0);
    grid.SetItemText(0, 0, "Keyword");
    grid.SetItemText(0, 1, "Count");
    grid.SetItemText(1, 0, "red, green");
    grid.SetItemText(1, 1, "12");
    grid.SetItemText(2, 0, "\"quoted\"");
    std::string path = TempPath("grid-export.csv");
    ASSERT_TRUE(WriteGridToCsvFile(&grid, path.c_str()));
    EXPECT_EQ("Keyword,Count\r\n\r\n\"red, green\",12\r\n\"\"\"quoted\"\"\",\r\n", ReadBytes(path));

    CGridCtrl headerOnly(1, 2, 1, 0);
    headerOnly.SetItemText(0, 0, "A");
    ASSERT_TRUE(WriteGridToCsvFile(&headerOnly, path.c_str()));
    EXPECT_EQ("A,\r\n\r\nEmpty", ReadBytes(path));
    ::DeleteFileA(path.c_str());
}

TEST(GridReports, HtmlEscapesTextAndMarksEmptyCellsAndEmptyGrids)
{
    EXPECT_STREQ("a &amp; b &lt;i&gt;", (LPCTSTR)EscapeHtmlText("a & b <i>"));

    CGridCtrl grid(2, 2, 1, 0);
    grid.SetItemText(0, 0, "Word");
    grid.SetItemText(0, 1, "N");
    grid.SetItemText(1, 0, "<b>&");
    std::string path = TempPath("grid-report.html");
    ASSERT_TRUE(GenerateHtmlReport(&grid, path.c_str(), "Fish & chips", FALSE, nullptr));
    EXPECT_EQ("<center><h3>Fish &amp; chips</h3><p><p><table border=1 width=80%><tr><th colspan=10></th></tr>"
              "<tr><th>Word</th><th>N</th></tr><tr><td>&lt;b&gt;&amp;</td><td>___________</td></tr>"
              "</table></center>",
              ReadBytes(path));

    CGridCtrl headerOnly(1, 1, 1, 0);
    headerOnly.SetItemText(0, 0, "H");
    ASSERT_TRUE(GenerateHtmlReport(&headerOnly, path.c_str(), "T", FALSE, nullptr));
    std::string html = ReadBytes(path);
    EXPECT_NE(std::string::npos, html.find("<tr><th>H</th></tr></table>Empty</center>"));
    ::DeleteFileA(path.c_str());

    EXPECT_FALSE(GenerateHtmlReport(&grid, "Z:\\no\\such\\folder\\r.html", "T", FALSE, nullptr));
}

TEST(GridReports, TheHtmlReportShowsItsProgressInTheStatusBar)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Report", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300)));
    theApp.m_pMainWnd = pFrame;
    CStatusBar status;
    ASSERT_TRUE(status.Create(pFrame));
    const UINT panes[] = {ID_SEPARATOR};
    ASSERT_TRUE(status.SetIndicators(panes, 1));
    pFrame->RecalcLayout();
    {
        CProgressBar progress("", 50, 100, FALSE, 0);
        ASSERT_TRUE(progress.GetSafeHwnd());
        progress.Clear();

        CGridCtrl grid(4, 1, 1, 0);
        std::string path = TempPath("grid-progress.html");
        g_paneTexts.clear();
        ::SetWindowSubclass(status.m_hWnd, RecordPaneTexts, 1, 0);
        ASSERT_TRUE(GenerateHtmlReport(&grid, path.c_str(), "T", FALSE, &progress));
        ::RemoveWindowSubclass(status.m_hWnd, RecordPaneTexts, 1);
        // One text per row, then the end.
        const std::vector<std::string> expected = {"25% - generate html report file", "50% - generate html report file",
                                                   "75% - generate html report file", "100% - generate html report file",
                                                   "Done"};
        EXPECT_EQ(expected, g_paneTexts);
        EXPECT_EQ(CString("Done"), status.GetPaneText(0));
        EXPECT_EQ(100, progress.GetPos());
        EXPECT_TRUE(progress.GetStyle() & WS_VISIBLE);
        ::DeleteFileA(path.c_str());
    }
    theApp.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}

TEST(GridReports, CsvExportWithoutAPathAsksForOneAndCancellingWritesNothing)
{
    CGridCtrl grid(2, 1, 1, 0);
    grid.SetItemText(0, 0, "H");
    CString title;
    ASSERT_TRUE(RunPressingDialogButton(IDCANCEL, [&] { ExportGridToCsv(&grid, ""); }, &title));
    EXPECT_EQ(CString("Select target file"), title);
}
