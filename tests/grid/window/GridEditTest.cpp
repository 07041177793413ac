// In-place editing, title tips, clipboard keys, autosizing and printing of a
// grid window hosted by a window that records the grid's notifications.
#include "GridHost.h"

#include "afx/DC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<int> g_notifications;
std::vector<std::string> g_textsAtEnd;
CGridCtrl* g_pGrid = nullptr;
LRESULT g_endEditAnswer = 0;

LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NM_GRIDVIEW* pNM = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        int code = (int)pNM->hdr.code;
        if (code == GVN_BEGINLABELEDIT || code == GVN_ENDLABELEDIT) {
            g_notifications.push_back(code);
            if (code == GVN_ENDLABELEDIT) {
                g_textsAtEnd.push_back((LPCTSTR)g_pGrid->GetItemText(pNM->iRow, pNM->iColumn));
                return g_endEditAnswer;
            }
        }
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void SetCtrl(BOOL bDown)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(nullptr))
        return "<no clipboard>";
    HANDLE h = ::GetClipboardData(CF_TEXT);
    if (const char* p = h ? static_cast<const char*>(::GlobalLock(h)) : nullptr) {
        text = p;
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return text;
}

// The texts an enhanced metafile draws, in order.
int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    auto* pTexts = reinterpret_cast<std::vector<std::string>*>(lParam);
    if (pRecord->iType == EMR_EXTTEXTOUTW) {
        const EMREXTTEXTOUTW* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
        const WCHAR* pChars = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(pRecord) +
                                                             pText->emrtext.offString);
        char buffer[512] = "";
        ::WideCharToMultiByte(CP_ACP, 0, pChars, (int)pText->emrtext.nChars, buffer, sizeof(buffer) - 1, nullptr,
                              nullptr);
        pTexts->push_back(buffer);
    } else if (pRecord->iType == EMR_EXTTEXTOUTA) {
        const EMREXTTEXTOUTA* pText = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord);
        const char* pChars = reinterpret_cast<const char*>(pRecord) + pText->emrtext.offString;
        pTexts->push_back(std::string(pChars, pText->emrtext.nChars));
    }
    return 1;
}

BOOL Contains(const std::vector<std::string>& texts, const std::string& text)
{
    for (const std::string& t : texts)
        if (t.find(text) != std::string::npos)
            return TRUE;
    return FALSE;
}
}  // namespace

// A 20 x 6 grid (50 x 20 pixel cells, one fixed row and column) inside a
// titled host window.
class GridEdit : public ::testing::Test
{
protected:
    GridEdit() : grid(20, 6, 1, 1)
    {
        host = CreateGridHost("GridEditHost", HostProc, WS_OVERLAPPEDWINDOW);
        CreateTestGrid(grid, host);
        grid.m_MouseMode = MOUSE_NOTHING;
        g_pGrid = &grid;
        g_notifications.clear();
        g_textsAtEnd.clear();
        g_endEditAnswer = 0;
        ::SetForegroundWindow(host);
        grid.SetFocus();
        Pump();
    }
    ~GridEdit() override
    {
        SetCtrl(FALSE);
        grid.DestroyWindow();
        ::DestroyWindow(host);
        g_pGrid = nullptr;
    }
    HWND Editor() const { return ::GetDlgItem(grid.m_hWnd, IDC_INPLACE_CONTROL); }
    std::string EditorText() const
    {
        char text[256] = "";
        ::GetWindowTextA(Editor(), text, sizeof(text));
        return text;
    }

    HWND host;
    CGridCtrl grid;
};

TEST_F(GridEdit, TypingOpensTheEditorAndEnterCommitsWithBothNotifications)
{
    grid.SetEditable(TRUE);
    grid.SetItemText(2, 2, "old");
    grid.SetFocusCell(2, 2);
    grid.SendMessage(WM_CHAR, 'x', 0);
    ASSERT_TRUE(::IsWindow(Editor()));
    Pump();  // the first key arrives posted and replaces the selected text
    EXPECT_EQ("x", EditorText());
    EXPECT_TRUE(grid.IsItemEditing(2, 2));

    ::SendMessageA(Editor(), WM_CHAR, 'y', 0);
    ::SendMessageA(Editor(), WM_CHAR, VK_RETURN, 0);
    Pump();
    EXPECT_FALSE(::IsWindow(Editor()));
    EXPECT_EQ("xy", std::string((LPCTSTR)grid.GetItemText(2, 2)));
    EXPECT_FALSE(grid.IsItemEditing(2, 2));
    ASSERT_EQ(2u, g_notifications.size());
    EXPECT_EQ(GVN_BEGINLABELEDIT, g_notifications[0]);
    EXPECT_EQ(GVN_ENDLABELEDIT, g_notifications[1]);
    EXPECT_EQ("xy", g_textsAtEnd[0]);  // the parent sees the new text when asked
    EXPECT_EQ(CCellID(2, 2), grid.GetFocusCell());
}

TEST_F(GridEdit, EscapeRestoresTheTextAndStillEndsTheEdit)
{
    grid.SetEditable(TRUE);
    grid.SetItemText(2, 2, "old");
    grid.SetFocusCell(2, 2);
    grid.SendMessage(WM_KEYDOWN, VK_F2, 0);
    ASSERT_TRUE(::IsWindow(Editor()));
    EXPECT_EQ("old", EditorText());
    ::SendMessageA(Editor(), WM_CHAR, 'z', 0);
    ::SendMessageA(Editor(), WM_CHAR, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(::IsWindow(Editor()));
    EXPECT_EQ("old", std::string((LPCTSTR)grid.GetItemText(2, 2)));
    ASSERT_EQ(2u, g_notifications.size());
    EXPECT_EQ(GVN_ENDLABELEDIT, g_notifications[1]);
}

TEST_F(GridEdit, AParentVetoOnTheEndPutsTheOldTextBack)
{
    grid.SetEditable(TRUE);
    grid.SetItemText(2, 2, "old");
    grid.SetFocusCell(2, 2);
    g_endEditAnswer = -1;
    grid.SendMessage(WM_CHAR, 'q', 0);
    Pump();
    ::SendMessageA(Editor(), WM_CHAR, VK_RETURN, 0);
    Pump();
    EXPECT_EQ("old", std::string((LPCTSTR)grid.GetItemText(2, 2)));
}

TEST_F(GridEdit, TabCommitsAndEditsTheNextCell)
{
    grid.SetEditable(TRUE);
    grid.SetFocusCell(2, 2);
    grid.SendMessage(WM_CHAR, 'a', 0);
    Pump();
    ::SendMessageA(Editor(), WM_CHAR, VK_TAB, 0);
    Pump();
    EXPECT_EQ("a", std::string((LPCTSTR)grid.GetItemText(2, 2)));
    EXPECT_EQ(CCellID(2, 3), grid.GetFocusCell());
    EXPECT_TRUE(::IsWindow(Editor()));
    EXPECT_TRUE(grid.IsItemEditing(2, 3));
    ::SendMessageA(Editor(), WM_CHAR, VK_ESCAPE, 0);
    Pump();
}

TEST_F(GridEdit, NothingOpensAnEditorWhileEditingIsOff)
{
    grid.SetFocusCell(2, 2);
    grid.SendMessage(WM_CHAR, 'x', 0);
    grid.SendMessage(WM_KEYDOWN, VK_F2, 0);
    EXPECT_FALSE(::IsWindow(Editor()));
    EXPECT_TRUE(g_notifications.empty());
}

TEST_F(GridEdit, TheTitleTipShowsOnlyForACellWhoseTextIsCutOff)
{
    grid.SetItemText(2, 2, "a text far too long for fifty pixels");
    grid.SetItemText(3, 2, "ab");
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(3, 2, cell));
    grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cell.left + 10, cell.top + 5));
    EXPECT_FALSE(::IsWindowVisible(grid.GetTitleTip().GetSafeHwnd()));

    ASSERT_TRUE(grid.GetCellRect(2, 2, cell));
    // The tip shows only while the thread has a focus window; another test's
    // window on the shared display may have taken it meanwhile.
    grid.SetFocus();
    grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cell.left + 10, cell.top + 5));
    ASSERT_TRUE(::IsWindowVisible(grid.GetTitleTip().GetSafeHwnd()));
    CRect tip;
    ::GetWindowRect(grid.GetTitleTip().GetSafeHwnd(), &tip);
    EXPECT_GT(tip.Width(), cell.Width());
    grid.GetTitleTip().Hide();
    EXPECT_FALSE(::IsWindowVisible(grid.GetTitleTip().GetSafeHwnd()));
}

TEST_F(GridEdit, CtrlCCopiesTabSeparatedTextAndCtrlVPastesIt)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    grid.SetEditable(TRUE);
    grid.SetItemText(1, 1, "a");
    grid.SetItemText(1, 2, "b");
    grid.SetItemText(2, 1, "c");
    grid.SetItemText(2, 2, "d");
    grid.SetFocusCell(1, 1);
    grid.SetSelectedRange(1, 1, 2, 2);
    SetCtrl(TRUE);
    grid.SendMessage(WM_KEYDOWN, 'C', 0);
    SetCtrl(FALSE);
    EXPECT_EQ("a\tb\nc\td", ClipboardText());

    grid.SetFocusCell(5, 3);
    grid.SetSelectedRange(5, 3, 5, 3);
    SetCtrl(TRUE);
    grid.SendMessage(WM_KEYDOWN, 'V', 0);
    SetCtrl(FALSE);
    EXPECT_EQ("a", std::string((LPCTSTR)grid.GetItemText(5, 3)));
    EXPECT_EQ("b", std::string((LPCTSTR)grid.GetItemText(5, 4)));
    EXPECT_EQ("c", std::string((LPCTSTR)grid.GetItemText(6, 3)));
    EXPECT_EQ("d", std::string((LPCTSTR)grid.GetItemText(6, 4)));
    EXPECT_EQ("", std::string((LPCTSTR)grid.GetItemText(7, 3)));
    EXPECT_EQ(CCellRange(5, 3, 6, 4), grid.GetSelectedCellRange());
}

TEST_F(GridEdit, CutEmptiesTheSelectedCellsOnlyWhenEditable)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    grid.SetItemText(1, 1, "keep");
    grid.SetFocusCell(1, 1);
    grid.SetSelectedRange(1, 1, 1, 1);
    SetCtrl(TRUE);
    grid.SendMessage(WM_KEYDOWN, 'X', 0);
    EXPECT_EQ("keep", std::string((LPCTSTR)grid.GetItemText(1, 1)));
    EXPECT_EQ("", ClipboardText());
    grid.SetEditable(TRUE);
    grid.SendMessage(WM_KEYDOWN, 'X', 0);
    SetCtrl(FALSE);
    EXPECT_EQ("", std::string((LPCTSTR)grid.GetItemText(1, 1)));
    EXPECT_EQ("keep", ClipboardText());
}

TEST_F(GridEdit, AutoSizeFitsAColumnToItsWidestText)
{
    grid.SetItemText(3, 2, "short");
    grid.SetItemText(4, 2, "a considerably wider text than the rest");
    CClientDC dc(&grid);
    int widest = grid.GetCell(4, 2)->GetCellExtent(&dc).cx;
    int narrow = grid.GetCell(3, 2)->GetCellExtent(&dc).cx;
    ASSERT_GT(widest, narrow);
    EXPECT_TRUE(grid.AutoSizeColumn(2));
    EXPECT_EQ(widest, grid.GetColumnWidth(2));

    // A double click on the header divider right of column 3 sizes column 3.
    grid.SetColumnWidth(2, 50);
    grid.SetItemText(5, 3, "another rather long text");
    int wanted = grid.GetCell(5, 3)->GetCellExtent(&dc).cx;
    CPoint origin;
    ASSERT_TRUE(grid.GetCellOrigin(0, 3, &origin));
    CPoint divider(origin.x + grid.GetColumnWidth(3) - 1, 10);
    grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(divider.x, divider.y));
    ASSERT_EQ(MOUSE_OVER_COL_DIVIDE, grid.m_MouseMode);
    grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(divider.x, divider.y));
    EXPECT_EQ(wanted, grid.GetColumnWidth(3));

    grid.SetColumnWidth(5, 0);
    EXPECT_FALSE(grid.AutoSizeColumn(5));  // a hidden column stays hidden
    EXPECT_EQ(0, grid.GetColumnWidth(5));
}

TEST_F(GridEdit, PrintsPagesWithHeaderFooterAndTheirOwnRows)
{
    grid.SetRowCount(80);
    for (int row = 1; row < 80; row++) {
        grid.SetRowHeight(row, 20);
        grid.SetItemTextFmt(row, 1, "row%d", row);
    }
    HDC hRef = ::GetDC(nullptr);
    HDC hMeta1 = ::CreateEnhMetaFileA(hRef, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hMeta1 != nullptr);
    CDC dc;
    dc.Attach(hMeta1);
    CPrintInfo info;
    grid.OnBeginPrinting(&dc, &info);
    int pages = (int)info.GetMaxPage();
    ASSERT_GE(pages, 2);
    int firstRow2, firstCol2;
    grid.GetPrintPageStart(2, firstRow2, firstCol2);
    ASSERT_GT(firstRow2, 1);

    info.m_nCurPage = 1;
    grid.OnPrint(&dc, &info);
    dc.Detach();
    HENHMETAFILE hPage1 = ::CloseEnhMetaFile(hMeta1);

    HDC hMeta2 = ::CreateEnhMetaFileA(hRef, nullptr, nullptr, nullptr);
    dc.Attach(hMeta2);
    info.m_nCurPage = 2;
    grid.OnPrint(&dc, &info);
    grid.OnEndPrinting(&dc, &info);
    dc.Detach();
    HENHMETAFILE hPage2 = ::CloseEnhMetaFile(hMeta2);
    ::ReleaseDC(nullptr, hRef);

    std::vector<std::string> texts1, texts2;
    ::EnumEnhMetaFile(nullptr, hPage1, CollectText, &texts1, nullptr);
    ::EnumEnhMetaFile(nullptr, hPage2, CollectText, &texts2, nullptr);
    ::DeleteEnhMetaFile(hPage1);
    ::DeleteEnhMetaFile(hPage2);

    std::string of = " of " + std::to_string(pages);
    EXPECT_TRUE(Contains(texts1, "grid host"));  // the host's title heads each page
    EXPECT_TRUE(Contains(texts2, "grid host"));
    EXPECT_TRUE(Contains(texts1, "Page 1" + of));
    EXPECT_TRUE(Contains(texts2, "Page 2" + of));
    std::string firstOfPage2 = "row" + std::to_string(firstRow2);
    EXPECT_TRUE(Contains(texts1, "row1"));
    EXPECT_FALSE(Contains(texts1, firstOfPage2));
    EXPECT_TRUE(Contains(texts2, firstOfPage2));
    EXPECT_FALSE(Contains(texts2, "row" + std::to_string(firstRow2 - 1)));
}
