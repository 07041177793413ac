// The grid dialog and the grid form view: their settings in the profile, the
// sort by a header click with the numeric compare, the re-fill that keeps the
// selected row, and the column set-up dialog opened from the header row.
#include "GridHostFixture.h"

#include "afx/FrameWnd.h"
#include "framework/dialogs/BasedGridDlg.h"
#include "framework/dialogs/SetupBasesGridDlg.h"
#include "framework/views/BaseGridFormView.h"
#include "framework/views/GridHost.h"

#include <string>
#include <vector>

using namespace gridhosts;

namespace {
// Any template with a grid in control 1014 serves.
const UINT GridTemplate = 207;
const char Section[] = "TestGridDlg";

class TestGridDlg : public CBasedGridDlg
{
public:
    TestGridDlg() : CBasedGridDlg(GridTemplate, nullptr)
    {
        m_strSettingsName = Section;
        m_arrColumnNames.Add("Name");
        m_arrColumnNames.Add("Size");
    }
    void FillGrid() override
    {
        m_Grid.SetRowCount(static_cast<int>(rows.size()) + 1);
        for (size_t i = 0; i < rows.size(); ++i) {
            m_Grid.SetItemText(static_cast<int>(i) + 1, 0, ("n" + rows[i]).c_str());
            m_Grid.SetItemText(static_cast<int>(i) + 1, 1, rows[i].c_str());
            m_Grid.SetItemData(static_cast<int>(i) + 1, 0, static_cast<LPARAM>(i));
        }
    }
    void UpdateControls() override { ++updates; }
    std::vector<std::string> rows;
    int updates = 0;
};

class TestGridView : public CBaseGridFormView
{
public:
    TestGridView() : CBaseGridFormView(GridTemplate)
    {
        m_strSettingsName = "TestGridView";
        m_arrColumnNames.Add("First");
        m_arrColumnNames.Add("Second");
    }
};

std::vector<CString> ColumnTexts(CGridCtrl& grid, int col)
{
    std::vector<CString> texts;
    for (int row = 1; row < grid.GetRowCount(); ++row)
        texts.push_back(grid.GetItemText(row, col));
    return texts;
}

void ClickHeader(CGridCtrl& grid, int col)
{
    CRect cell;
    grid.GetCellRect(0, col, &cell);
    CPoint p = cell.CenterPoint();
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

// A right click on the grid as the message loop would hand it to the dialog.
BOOL RightClick(CBasedGridDlg& dlg, CPoint p)
{
    MSG msg = {};
    msg.hwnd = dlg.m_Grid.GetSafeHwnd();
    msg.message = WM_RBUTTONDOWN;
    msg.wParam = MK_RBUTTON;
    msg.lParam = MAKELPARAM(p.x, p.y);
    return dlg.PreTranslateMessage(&msg);
}

CPoint HeaderPoint(CGridCtrl& grid)
{
    return CPoint(5, grid.GetRowHeight(0) / 2);
}
} // namespace

TEST(GridHostRules, WidthsAndReselectedRows)
{
    EXPECT_EQ(0, GridColumnWidthToShow(120, FALSE, 400, 17, 4));
    EXPECT_EQ(120, GridColumnWidthToShow(120, TRUE, 400, 17, 4));
    EXPECT_EQ((400 - 17 - 1) / 4, GridColumnWidthToShow(-1, TRUE, 400, 17, 4));
    EXPECT_EQ(3, GridRowToReselect(7, 4));    // clamped to the last row
    EXPECT_EQ(2, GridRowToReselect(2, 4));
    EXPECT_EQ(-1, GridRowToReselect(3, 1));   // only the header is left
    EXPECT_EQ(-1, GridRowToReselect(-1, 5));
}

TEST(GridHostRules, FloatCompareSortsNumbersAndFallsBackToText)
{
    CGridModel grid(5, 1, 1, 0);
    const char* values[] = { "10", "9", "100", "9.0" };
    for (int i = 0; i < 4; ++i)
        grid.SetItemText(i + 1, 0, values[i]);
    grid.SetCompareFunction(CompareCellFloat);
    ASSERT_TRUE(grid.SortItems(0, TRUE));
    // 9 and 9.0 are equal as numbers: their texts decide.
    EXPECT_EQ("9", grid.GetItemText(1, 0));
    EXPECT_EQ("9.0", grid.GetItemText(2, 0));
    EXPECT_EQ("10", grid.GetItemText(3, 0));
    EXPECT_EQ("100", grid.GetItemText(4, 0));
}

using GridDlgTest = GridHostTest;

TEST_F(GridDlgTest, FirstStartDefaultsAndTheSettingsRoundTrip)
{
    TestGridDlg dlg;
    dlg.rows = { "3", "1", "2" };
    ASSERT_TRUE(dlg.Create(GridTemplate, nullptr));
    CGridCtrl& grid = dlg.m_Grid;
    EXPECT_EQ(4, grid.GetRowCount());
    EXPECT_EQ(1, grid.GetFixedRowCount());
    EXPECT_EQ("Size", grid.GetItemText(0, 1));
    EXPECT_EQ(1, static_cast<int>(grid.GetItemData(0, 1)));
    EXPECT_EQ(70, grid.GetColumnWidth(0));
    EXPECT_EQ(70, grid.GetColumnWidth(1));
    EXPECT_EQ(-1, grid.GetSortColumn());
    EXPECT_FALSE(grid.IsEditable());
    EXPECT_TRUE(grid.GetListMode());
    EXPECT_EQ(RGB(0, 0, 128), grid.GetDefaultCell(TRUE, FALSE)->GetTextClr());
    EXPECT_EQ(grid.m_crGridBkColour, dlg.m_clrBackground);
    EXPECT_EQ(RGB(192, 192, 192), dlg.m_clrGridLines);
    EXPECT_EQ(1u, dlg.m_arrColumnVisible[1]);

    grid.SetColumnWidth(0, 111);
    grid.SetColumnWidth(1, 0);
    grid.SortItems(1, FALSE);
    dlg.m_clrTextForeground = RGB(1, 2, 3);
    dlg.DestroyWindow();
    EXPECT_EQ(111, Setting(Section, "Name"));
    EXPECT_EQ(0, Setting(Section, "Size"));
    EXPECT_EQ(1, Setting(Section, "Name_Visible"));
    EXPECT_EQ(0, Setting(Section, "Size_Visible"));
    EXPECT_EQ(1, Setting(Section, "SetSortColumn"));
    EXPECT_EQ(0, Setting(Section, "SetSortAscending"));
    EXPECT_EQ(static_cast<int>(RGB(1, 2, 3)), Setting(Section, "m_clrTextForeground"));

    TestGridDlg again;
    again.rows = { "3", "1", "2" };
    ASSERT_TRUE(again.Create(GridTemplate, nullptr));
    EXPECT_EQ(111, again.m_Grid.GetColumnWidth(0));
    EXPECT_EQ(0, again.m_Grid.GetColumnWidth(1));
    EXPECT_EQ(0u, again.m_arrColumnVisible[1]);
    EXPECT_EQ(1, again.m_Grid.GetSortColumn());
    EXPECT_EQ((std::vector<CString>{ "3", "2", "1" }), ColumnTexts(again.m_Grid, 1));
    EXPECT_EQ(RGB(1, 2, 3), again.m_Grid.GetDefaultCell(FALSE, FALSE)->GetTextClr());
    again.DestroyWindow();
}

TEST_F(GridDlgTest, StoredEvenShareDividesTheClientWidth)
{
    app->WriteProfileInt(Section, "Name", -1);
    TestGridDlg dlg;
    ASSERT_TRUE(dlg.Create(GridTemplate, nullptr));
    CRect client;
    dlg.m_Grid.GetClientRect(&client);
    EXPECT_EQ((client.Width() - GetSystemMetrics(SM_CXVSCROLL) - 1) / 2, dlg.m_Grid.GetColumnWidth(0));
    EXPECT_EQ(70, dlg.m_Grid.GetColumnWidth(1));
    dlg.DestroyWindow();
}

TEST_F(GridDlgTest, HeaderClickSortsNumericallyAndTheSortSurvivesARefill)
{
    TestGridDlg dlg;
    dlg.rows = { "10", "9", "100" };
    ASSERT_TRUE(dlg.Create(GridTemplate, nullptr));
    // A first click on a column sorts it descending, the next one ascending;
    // as numbers, not as texts ("9" after "100").
    ClickHeader(dlg.m_Grid, 1);
    EXPECT_EQ(1, dlg.m_Grid.GetSortColumn());
    EXPECT_EQ((std::vector<CString>{ "100", "10", "9" }), ColumnTexts(dlg.m_Grid, 1));
    ClickHeader(dlg.m_Grid, 1);
    EXPECT_EQ((std::vector<CString>{ "9", "10", "100" }), ColumnTexts(dlg.m_Grid, 1));

    dlg.rows = { "5", "50", "7" };
    dlg.RefreshGrid();
    EXPECT_EQ((std::vector<CString>{ "5", "7", "50" }), ColumnTexts(dlg.m_Grid, 1));
    EXPECT_EQ(1, Setting(Section, "SetSortColumn"));
    EXPECT_EQ(1, Setting(Section, "SetSortAscending"));
    dlg.DestroyWindow();
}

TEST_F(GridDlgTest, RefillKeepsTheSelectedRowWithinTheNewRows)
{
    TestGridDlg dlg;
    dlg.rows = { "a", "b", "c", "d" };
    ASSERT_TRUE(dlg.Create(GridTemplate, nullptr));
    EXPECT_EQ(-1, dlg.GetSelectedRow(FALSE));
    EXPECT_EQ(-1, dlg.GetSelectedItemData(FALSE));
    dlg.SelectRow(0);   // the header cannot be selected
    EXPECT_EQ(-1, dlg.GetSelectedRow(FALSE));
    dlg.SelectRow(3);
    EXPECT_EQ(3, dlg.GetSelectedRow(FALSE));
    EXPECT_EQ(2, dlg.GetSelectedItemData(FALSE));

    dlg.RefreshGrid();
    EXPECT_EQ(3, dlg.GetSelectedRow(FALSE));
    dlg.SelectRow(4);
    dlg.rows = { "a", "b" };
    dlg.RefreshGrid();
    EXPECT_EQ(2, dlg.GetSelectedRow(FALSE));
    dlg.rows.clear();
    dlg.RefreshGrid();
    EXPECT_EQ(-1, dlg.GetSelectedRow(FALSE));

    dlg.rows = { "x", "y" };
    dlg.RefreshGrid();
    dlg.RemoveAllRows();
    EXPECT_EQ(1, dlg.m_Grid.GetRowCount());
    dlg.DestroyWindow();
}

TEST_F(GridDlgTest, SelectionNoticeUpdatesTheControls)
{
    TestGridDlg dlg;
    dlg.rows = { "a", "b" };
    ASSERT_TRUE(dlg.Create(GridTemplate, nullptr));
    int before = dlg.updates;
    CRect cell;
    dlg.m_Grid.GetCellRect(2, 0, &cell);
    CPoint p = cell.CenterPoint();
    dlg.m_Grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    dlg.m_Grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(2, dlg.GetSelectedRow(FALSE));
    EXPECT_GT(dlg.updates, before);
    dlg.DestroyWindow();
}

TEST_F(GridDlgTest, HeaderRightClickRunsTheSetupAndOkAppliesIt)
{
    TestGridDlg dlg;
    dlg.rows = { "a" };
    ASSERT_TRUE(dlg.Create(GridTemplate, nullptr));
    dlg.m_Grid.SetColumnWidth(0, 90);

    // A data row is not the header: nothing opens and the message goes on to the grid.
    CRect cell;
    dlg.m_Grid.GetCellRect(1, 0, &cell);
    {
        ModalDriver driver("Setup Grid", [](CWnd& setup) { Press(setup, IDCANCEL); });
        RightClick(dlg, cell.CenterPoint());
        EXPECT_FALSE(driver.Ran());
    }

    std::vector<CString> lines;
    std::vector<int> checks;
    COLORREF shownBackground = 0;
    {
        ModalDriver driver("Setup Grid", [&](CWnd& wnd) {
            auto& setup = dynamic_cast<CSetupBasesGridDlg&>(wnd);
            for (int i = 0; i < setup.m_lstColumns.GetCount(); ++i) {
                CString text;
                setup.m_lstColumns.GetText(i, text);
                lines.push_back(text);
                checks.push_back(setup.m_lstColumns.GetCheck(i));
            }
            shownBackground = setup.m_btnBackground.GetColor();
            Press(setup, 4);   // hide all
            setup.m_btnGridLines.SetColor(RGB(9, 8, 7));
            Press(setup, IDOK);
        });
        EXPECT_TRUE(RightClick(dlg, HeaderPoint(dlg.m_Grid)));
        EXPECT_TRUE(driver.Ran());
    }
    EXPECT_EQ((std::vector<CString>{ "Name", "Size" }), lines);
    EXPECT_EQ((std::vector<int>{ 1, 1 }), checks);
    EXPECT_EQ(dlg.m_clrBackground, shownBackground);
    EXPECT_EQ(0, dlg.m_Grid.GetColumnWidth(0));
    EXPECT_EQ(0, dlg.m_Grid.GetColumnWidth(1));
    EXPECT_EQ(RGB(9, 8, 7), dlg.m_clrGridLines);
    EXPECT_EQ(RGB(9, 8, 7), dlg.m_Grid.m_crGridLineColour);

    // Shown again, a column whose width is 0 gets the default width.
    {
        ModalDriver driver("Setup Grid", [&](CWnd& setup) {
            Press(setup, 1171);   // show all
            Press(setup, IDOK);
        });
        EXPECT_TRUE(RightClick(dlg, HeaderPoint(dlg.m_Grid)));
    }
    EXPECT_EQ(70, dlg.m_Grid.GetColumnWidth(0));
    EXPECT_EQ(70, dlg.m_Grid.GetColumnWidth(1));
    dlg.DestroyWindow();
}

TEST_F(GridDlgTest, SetupDefaultsFillTheControlsAndCancelLeavesTheHost)
{
    TestGridDlg dlg;
    ASSERT_TRUE(dlg.Create(GridTemplate, nullptr));
    dlg.m_Grid.SetColumnWidth(1, 0);
    dlg.m_arrColumnVisible[1] = 0;
    const COLORREF background = dlg.m_clrBackground;
    const COLORREF lines = dlg.m_clrGridLines;
    COLORREF defaults[4] = {};
    int secondCheck = -1;
    {
        ModalDriver driver("Setup Grid", [&](CWnd& wnd) {
            auto& setup = dynamic_cast<CSetupBasesGridDlg&>(wnd);
            EXPECT_EQ(0, setup.m_lstColumns.GetCheck(1));
            Press(setup, 5);
            secondCheck = setup.m_lstColumns.GetCheck(1);
            defaults[0] = setup.m_btnBackground.GetColor();
            defaults[1] = setup.m_btnTextBackground.GetColor();
            defaults[2] = setup.m_btnTextForeground.GetColor();
            defaults[3] = setup.m_btnGridLines.GetColor();
            Press(setup, IDCANCEL);
        });
        EXPECT_TRUE(RightClick(dlg, HeaderPoint(dlg.m_Grid)));
    }
    EXPECT_EQ(1, secondCheck);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), defaults[0]);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), defaults[1]);
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), defaults[2]);
    EXPECT_EQ(RGB(192, 192, 192), defaults[3]);
    EXPECT_EQ(background, dlg.m_clrBackground);
    EXPECT_EQ(lines, dlg.m_clrGridLines);
    EXPECT_EQ(0u, dlg.m_arrColumnVisible[1]);
    EXPECT_EQ(0, dlg.m_Grid.GetColumnWidth(1));
    dlg.DestroyWindow();
}

using GridFormViewTest = GridHostTest;

TEST_F(GridFormViewTest, FirstRunVisibilityThenTheProfile)
{
    auto open = [](CFrameWnd*& frame, TestGridView*& view, bool hideSecond) {
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 500)));
        view = new TestGridView;
        if (hideSecond) {
            view->m_arrFirstRunVisible.Add(1);
            view->m_arrFirstRunVisible.Add(0);
        }
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), frame,
                                 AFX_IDW_PANE_FIRST, nullptr));
        view->OnInitialUpdate();
    };
    CFrameWnd* frame = nullptr;
    TestGridView* view = nullptr;
    open(frame, view, true);
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(70, view->m_Grid.GetColumnWidth(0));
    EXPECT_EQ(0, view->m_Grid.GetColumnWidth(1));
    EXPECT_FALSE(view->m_Grid.GetSortAscending());
    EXPECT_EQ(0, Setting("TestGridView", "TestGridView_"));
    view->m_Grid.SetColumnWidth(1, 55);
    frame->DestroyWindow();
    EXPECT_EQ(55, Setting("TestGridView", "Second"));
    EXPECT_EQ(1, Setting("TestGridView", "Second_Visible"));

    // Past the first run the first-run array no longer applies.
    open(frame, view, true);
    EXPECT_EQ(55, view->m_Grid.GetColumnWidth(1));
    frame->DestroyWindow();
}
