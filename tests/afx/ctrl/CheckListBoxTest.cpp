// The check list box: check states that follow their lines, toggling by a
// click in the box and by the space bar, the parent's notification, and the
// pixels of a drawn line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CtrlHost.h"
#include "afx/CheckListBox.h"

namespace {

// Counts the lines the list box asked it to draw.
class CCountingCheckList : public CCheckListBox
{
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_nDrawn++;
        CCheckListBox::DrawItem(lpDrawItemStruct);
    }
    int m_nDrawn = 0;
};

class CheckListTest : public ::testing::Test
{
protected:
    CheckListTest() : m_parent(m_log) {}
    void SetUp() override
    {
        InitTestControls();
        ASSERT_TRUE(m_parent.CreateHidden());
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                                  CRect(0, 0, 200, 150), &m_parent, IDC_TEST_CHECKLIST));
        m_list.AddString("\xF1\xEB\xEE\xE2\xEE");   // "слово"
        m_list.AddString("second");
        m_list.AddString("third");
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    // A click at the middle of line index's check box, or of its text.
    void Click(int index, bool onBox, bool doubleClick = false)
    {
        CRect rect;
        ASSERT_NE(LB_ERR, m_list.GetItemRect(index, &rect));
        const CPoint point(onBox ? rect.left + 8 : rect.left + 60, rect.CenterPoint().y);
        m_list.SendMessage(doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    void Space() { m_list.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001); }

    std::vector<std::string> m_log;
    CRecordingParent m_parent;
    CCountingCheckList m_list;
};

int Notifications(const std::vector<std::string>& log)
{
    int count = 0;
    for (const std::string& entry : log)
        count += entry == "parent:CLBN_CHKCHANGE";
    return count;
}

} // namespace

TEST_F(CheckListTest, ChecksFollowTheirLinesAndItemDataStaysTheCallers)
{
    m_list.SetCheck(1, 1);
    m_list.SetCheck(2, 2);
    EXPECT_EQ(0, m_list.GetCheck(0));
    EXPECT_EQ(1, m_list.GetCheck(1));
    EXPECT_EQ(2, m_list.GetCheck(2));
    EXPECT_EQ(0, m_list.GetCheck(3));    // no such line
    EXPECT_EQ(0, m_list.GetCheck(-1));
    m_list.SetCheck(7, 1);               // ignored, not grown
    EXPECT_EQ(0, m_list.GetCheck(7));

    // The raw item data is not taken over for the checks.
    m_list.SendMessage(LB_SETITEMDATA, 1, 0x5A5A);
    EXPECT_EQ(0x5A5Au, m_list.GetItemData(1));
    EXPECT_EQ(1, m_list.GetCheck(1));

    m_list.InsertString(0, "new");
    EXPECT_EQ(0, m_list.GetCheck(0));
    EXPECT_EQ(1, m_list.GetCheck(2));
    EXPECT_EQ(2, m_list.GetCheck(3));
    m_list.DeleteString(0);
    m_list.DeleteString(0);
    EXPECT_EQ(1, m_list.GetCheck(0));    // "second" moved up with its check
    EXPECT_EQ(2, m_list.GetCheck(1));
    m_list.ResetContent();
    m_list.AddString("again");
    EXPECT_EQ(0, m_list.GetCheck(0));
}

TEST_F(CheckListTest, ClickOnTheBoxTogglesAndNotifies)
{
    Click(1, true);
    EXPECT_EQ(1, m_list.GetCheck(1));
    EXPECT_EQ(1, m_list.GetCurSel());   // the clicked line is the current one too
    EXPECT_EQ(1, Notifications(m_log));
    Click(1, true);
    EXPECT_EQ(0, m_list.GetCheck(1));
    EXPECT_EQ(2, Notifications(m_log));

    // A click on the text selects without toggling.
    Click(2, false);
    EXPECT_EQ(0, m_list.GetCheck(2));
    EXPECT_EQ(2, m_list.GetCurSel());
    EXPECT_EQ(2, Notifications(m_log));

    // The second click of a quick pair toggles back.
    Click(0, true);
    Click(0, true, true);
    EXPECT_EQ(0, m_list.GetCheck(0));
    EXPECT_EQ(4, Notifications(m_log));

    // A disabled line ignores the click.
    m_list.Enable(0, FALSE);
    EXPECT_FALSE(m_list.IsEnabled(0));
    Click(0, true);
    EXPECT_EQ(0, m_list.GetCheck(0));
    EXPECT_EQ(4, Notifications(m_log));
}

TEST_F(CheckListTest, SpaceTogglesTheCurrentLine)
{
    m_list.SetCurSel(2);
    Space();
    EXPECT_EQ(1, m_list.GetCheck(2));
    EXPECT_EQ(0, m_list.GetCheck(1));
    EXPECT_EQ(1, Notifications(m_log));
    Space();
    EXPECT_EQ(0, m_list.GetCheck(2));

    // Three states cycle unchecked, checked, indeterminate.
    m_list.SetCheckStyle(BS_AUTO3STATE);
    Space();
    Space();
    EXPECT_EQ(2, m_list.GetCheck(2));
    Space();
    EXPECT_EQ(0, m_list.GetCheck(2));

    // A plain check box leaves the state to the parent, which still hears of it.
    m_list.SetCheckStyle(BS_CHECKBOX);
    const int before = Notifications(m_log);
    Space();
    EXPECT_EQ(0, m_list.GetCheck(2));
    EXPECT_EQ(before + 1, Notifications(m_log));
}

TEST_F(CheckListTest, LinesAreMeasuredAndDrawnThroughReflection)
{
    // Measured at creation through the parent: room for the 13-pixel box.
    EXPECT_GE(m_list.GetItemHeight(0), 15);
    m_parent.ShowWindow(SW_SHOWNA);
    m_list.Invalidate();
    m_list.UpdateWindow();
    EXPECT_GE(m_list.m_nDrawn, 3);
}

TEST_F(CheckListTest, DrawsTheCheckMarkAndTheSelection)
{
    const int width = 120, height = 18;
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);

    auto draw = [&](int index, UINT state) {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTBOX;
        item.itemID = index;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = m_list.m_hWnd;
        item.hDC = dc;
        item.rcItem = CRect(0, 0, width, height);
        m_list.DrawItem(&item);
    };
    // Dark pixels inside the box, its frame left out.
    auto markPixels = [&]() {
        const int top = (height - 13) / 2;
        int dark = 0;
        for (int y = top + 3; y < top + 10; y++)
            for (int x = 2 + 3; x < 2 + 10; x++)
                dark += GetRValue(::GetPixel(dc, x, y)) < 100;
        return dark;
    };

    m_list.SetCheck(0, 0);
    draw(0, 0);
    EXPECT_EQ(0, markPixels());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ::GetPixel(dc, width - 2, height / 2));

    m_list.SetCheck(0, 1);
    draw(0, ODS_SELECTED);
    EXPECT_GT(markPixels(), 5);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), ::GetPixel(dc, width - 2, height / 2));
    // The box keeps the window colour behind it; only the text is highlighted.
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ::GetPixel(dc, 0, 0));

    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}
