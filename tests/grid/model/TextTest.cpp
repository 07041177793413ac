#include "TestGrid.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

class GridText : public ::testing::Test
{
protected:
    GridText() : grid(5, 4)
    {
        grid.m_bEditable = TRUE;
        for (int row = 0; row < 5; row++)
            for (int col = 0; col < 4; col++)
                grid.SetItemTextFmt(row, col, "%c%d", 'a' + col, row);
    }
    CString Copy()
    {
        CString text;
        grid.GetSelectionText(text);
        return text;
    }
    TestGrid grid;
};

TEST_F(GridText, CopyWritesTabsBetweenColumnsAndLineFeedsBetweenRows)
{
    CString none;
    EXPECT_FALSE(grid.GetSelectionText(none));  // nothing selected
    grid.SetSelectedRange(1, 1, 1, 2);
    EXPECT_EQ(CString("b1\tc1"), Copy());
    grid.SetSelectedRange(1, 1, 2, 1);
    EXPECT_EQ(CString("b1\nb2"), Copy());
}

TEST_F(GridText, CopyGivesUnselectedCellsEmptyFieldsAndLeavesHiddenOnesOut)
{
    grid.SetSelectedRange(1, 1, 1, 1);
    grid.KeepSelectionForMerge(TRUE);
    grid.SetSelectedRange(2, 2, 2, 2);
    EXPECT_EQ(CString("b1\t\n\tc2"), Copy());

    grid.SetSelectedRange(1, 1, 3, 3);
    grid.SetColumnWidth(2, 0);
    grid.SetRowHeight(2, 0);
    EXPECT_EQ(CString("b1\td1\nb3\td3"), Copy());
}

TEST_F(GridText, PasteFillsFromTheTargetAndTrimsCarriageReturns)
{
    const char text[] = "x,y\r\nz";
    ASSERT_TRUE(grid.PasteText(CCellID(1, 1), text, sizeof(text)));
    EXPECT_EQ(CString("x"), grid.GetItemText(1, 1));
    EXPECT_EQ(CString("y"), grid.GetItemText(1, 2));
    EXPECT_EQ(CString("z"), grid.GetItemText(2, 1));
    EXPECT_EQ(CString("c2"), grid.GetItemText(2, 2));
    EXPECT_EQ(CCellRange(1, 1, 2, 2), grid.GetSelectedCellRange());
    EXPECT_EQ(3, grid.Count(GVN_ENDLABELEDIT));
}

TEST_F(GridText, ATrailingLineFeedDoesNotBlankTheCellBelow)
{
    const char text[] = "p\tq\n";
    ASSERT_TRUE(grid.PasteText(CCellID(2, 1), text, sizeof(text)));
    EXPECT_EQ(CString("p"), grid.GetItemText(2, 1));
    EXPECT_EQ(CString("b3"), grid.GetItemText(3, 1));
}

TEST_F(GridText, ForeignTextWithoutATerminatorIsReadNoFurtherThanItsBlock)
{
    char block[64];
    std::memset(block, 'Z', sizeof(block));
    std::memcpy(block, "m\tn", 3);
    ASSERT_TRUE(grid.PasteText(CCellID(1, 1), block, 3));
    EXPECT_EQ(CString("m"), grid.GetItemText(1, 1));
    EXPECT_EQ(CString("n"), grid.GetItemText(1, 2));

    // A zero inside the block ends the text.
    const char zero[] = {'u', '\0', '\t', 'v'};
    ASSERT_TRUE(grid.PasteText(CCellID(3, 1), zero, sizeof(zero)));
    EXPECT_EQ(CString("u"), grid.GetItemText(3, 1));
    EXPECT_EQ(CString("c3"), grid.GetItemText(3, 2));
}

TEST_F(GridText, PasteSkipsHiddenCellsAndDropsWhatLiesBeyondTheGrid)
{
    grid.SetColumnWidth(2, 0);
    const char text[] = "1\t2\t3\t4\n5\n6\n7\n8";
    ASSERT_TRUE(grid.PasteText(CCellID(2, 1), text, sizeof(text)));
    EXPECT_EQ(CString("1"), grid.GetItemText(2, 1));
    EXPECT_EQ(CString("c2"), grid.GetItemText(2, 2));
    EXPECT_EQ(CString("2"), grid.GetItemText(2, 3));
    EXPECT_EQ(CString("6"), grid.GetItemText(4, 1));
}

TEST_F(GridText, OwnerVetoOrReadOnlyCellsKeepTheirText)
{
    grid.vetoCode = GVN_ENDLABELEDIT;
    grid.SetCellTextThroughEdit(1, 1, "new");
    EXPECT_EQ(CString("b1"), grid.GetItemText(1, 1));
    grid.vetoCode = GVN_BEGINLABELEDIT;
    grid.SetCellTextThroughEdit(1, 1, "new");
    EXPECT_EQ(CString("b1"), grid.GetItemText(1, 1));
    grid.vetoCode = 0;
    grid.SetItemState(1, 1, grid.GetItemState(1, 1) | GVIS_READONLY);
    EXPECT_FALSE(grid.PasteText(CCellID(1, 1), "x", 1));
    grid.m_bEditable = FALSE;
    EXPECT_FALSE(grid.PasteText(CCellID(2, 2), "x", 1));
}

TEST_F(GridText, CutEmptiesTheSelectedCellsOnly)
{
    grid.CutSelectedText();  // nothing selected: nothing changes
    EXPECT_EQ(CString("b1"), grid.GetItemText(1, 1));
    grid.SetSelectedRange(1, 1, 1, 2);
    grid.CutSelectedText();
    EXPECT_EQ(CString(""), grid.GetItemText(1, 1));
    EXPECT_EQ(CString(""), grid.GetItemText(1, 2));
    EXPECT_EQ(CString("d1"), grid.GetItemText(1, 3));
}

static CString TempPath(const char* name)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    CString path;
    path.Format("%sgrid-%lu-%s", folder, ::GetCurrentProcessId(), name);
    return path;
}

TEST_F(GridText, SaveAndLoadRoundTripKeepsLongLinesWhole)
{
    std::string longText(3000, 'q');
    grid.SetItemText(2, 2, longText.c_str());
    CString path = TempPath("roundtrip.txt");
    ASSERT_TRUE(grid.Save(path, ','));

    TestGrid loaded(0, 0, 0, 0);
    loaded.Load(path, ',');
    ::DeleteFileA(path);
    ASSERT_EQ(5, loaded.GetRowCount());
    ASSERT_EQ(4, loaded.GetColumnCount());
    for (int row = 0; row < 5; row++)
        for (int col = 0; col < 4; col++)
            EXPECT_EQ(grid.GetItemText(row, col), loaded.GetItemText(row, col)) << row << "," << col;
    EXPECT_EQ(0, loaded.messages);
}

TEST_F(GridText, SaveWritesOneLinePerRowAndLoadSplitsAtTheSeparator)
{
    TestGrid small(3, 2, 1, 0);
    small.SetItemText(0, 0, "h1");
    small.SetItemText(0, 1, "h2");
    small.SetItemText(1, 0, "a;b");
    CString path = TempPath("small.txt");
    ASSERT_TRUE(small.Save(path, ';'));
    HANDLE file = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    char bytes[64] = {};
    DWORD read = 0;
    ::ReadFile(file, bytes, sizeof(bytes) - 1, &read, nullptr);
    ::CloseHandle(file);
    EXPECT_STREQ("h1;h2\r\na;b;\r\n;\r\n", bytes);

    TestGrid loaded(0, 0, 0, 0);
    loaded.Load(path, ';');
    ::DeleteFileA(path);
    EXPECT_EQ(CString("a"), loaded.GetItemText(1, 0));
    EXPECT_EQ(CString("b"), loaded.GetItemText(1, 1));  // the separator in the text split it
}

TEST_F(GridText, LoadingAMissingFileReportsItAndKeepsTheGrid)
{
    grid.Load(TempPath("missing.txt"), ',');
    EXPECT_EQ(1, grid.fileErrors);
    EXPECT_EQ(5, grid.GetRowCount());
    EXPECT_EQ(CString("b1"), grid.GetItemText(1, 1));
}
