// Item tips over a real report list: which cells get a tip, the cut and
// terminated text, the column order, where the tip goes, the click that goes
// through it and the owners that change or veto the record.
#include "toolkit/lists/listboxes/OXItemTip.h"

#include "afx/WinApp.h"
#include "tests/toolkit/listboxes/SpyHook.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
const UINT ListId = 1301;

class ItemTipTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(100, 100, 500, 400)));
        parent.SetForegroundWindow();
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 380, 200), &parent, ListId));
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 60);
        list.InsertColumn(1, "Text", LVCFMT_LEFT, 60);
        list.InsertColumn(2, "Short", LVCFMT_RIGHT, 120);
        list.InsertItem(0, "A fairly long first label");
        list.SetItemText(0, 1, "Another cell text that is cut off");
        list.SetItemText(0, 2, "ok");
        list.InsertItem(1, "B");
        list.SetItemText(1, 1, std::string(400, 'w').c_str());
        ASSERT_TRUE(tip.Attach(&list));
    }
    void TearDown() override
    {
        tip.Detach();
        list.DestroyWindow();
        parent.DestroyWindow();
    }

    // The middle of a cell in list client coordinates, walking the display order.
    CPoint CellCentre(int row, int displayIndex)
    {
        CRect bounds;
        list.GetItemRect(row, &bounds, LVIR_BOUNDS);
        int order[3] = {0, 1, 2};
        list.SendMessage(LVM_GETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order));
        int left = bounds.left;
        for (int i = 0; i < displayIndex; ++i)
            left += list.GetColumnWidth(order[i]);
        return CPoint(left + list.GetColumnWidth(order[displayIndex]) / 2, bounds.CenterPoint().y);
    }

    // Puts the cursor over the point and lets a mouse move arrive through
    // the queue; the record of that query.
    const ItemTipInfo& HoverAt(CPoint client)
    {
        tip.GetTipWnd().Hide();
        CPoint screen = client;
        list.ClientToScreen(&screen);
        SetCursorAt(screen);
        // A tip shown on the way (a wide one may lie over the target) goes,
        // so the query is made afresh at the target.
        tip.GetTipWnd().Hide();
        list.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
        PumpFor(60);
        return tip.GetLastInfo();
    }

    CTestFrame parent;
    CListCtrl list;
    COXItemTip tip;
};
} // namespace

TEST(ItemTipTextTest, LongTextIsCutAndTerminated)
{
    ItemTipInfo info = {};
    memset(info.szText, 'x', sizeof info.szText);
    info.nCapacity = OXITEMTIP_TEXT_SIZE;
    const std::string text(400, 'a');
    OXCopyItemTipText(&info, text.c_str());
    EXPECT_EQ(OXITEMTIP_TEXT_SIZE - 1, static_cast<int>(strlen(info.szText)));
    info.nCapacity = 5;
    OXCopyItemTipText(&info, "abcdefgh");
    EXPECT_STREQ("abcd", info.szText);
    OXCopyItemTipText(&info, "ab");
    EXPECT_STREQ("ab", info.szText);
}

TEST_F(ItemTipTest, CutCellsShowATipAndFittingCellsDoNot)
{
    const ItemTipInfo& cut = HoverAt(CellCentre(0, 1));
    EXPECT_EQ(OXITEMTIP_SHOW, cut.nResult);
    EXPECT_EQ(0, cut.nRow);
    EXPECT_EQ(1, cut.nColumn);
    EXPECT_STREQ("Another cell text that is cut off", cut.szText);
    EXPECT_TRUE(tip.GetTipWnd().IsWindowVisible());
    EXPECT_STREQ("Another cell text that is cut off", tip.GetTipWnd().GetTipText());
    // The tip lies over the cell and is as wide as the text needs.
    CRect shown;
    tip.GetTipWnd().GetWindowRect(&shown);
    CPoint cellLeft(60, 0);
    list.ClientToScreen(&cellLeft);
    EXPECT_EQ(cellLeft.x, shown.left);
    EXPECT_GT(shown.Width(), 60);

    EXPECT_EQ(OXITEMTIP_FITS, HoverAt(CellCentre(0, 2)).nResult);
    EXPECT_FALSE(tip.GetTipWnd().IsWindowVisible());

    const ItemTipInfo& longest = HoverAt(CellCentre(1, 1));
    EXPECT_EQ(OXITEMTIP_SHOW, longest.nResult);
    EXPECT_EQ(OXITEMTIP_TEXT_SIZE - 1, static_cast<int>(strlen(longest.szText)));

    // Below the last row there is no cell.
    EXPECT_EQ(OXITEMTIP_NO_CELL, HoverAt(CPoint(30, 190)).nResult);
}

TEST_F(ItemTipTest, OnlyReportListsAreSupported)
{
    list.ModifyStyle(LVS_TYPEMASK, LVS_LIST);
    EXPECT_EQ(OXITEMTIP_UNSUPPORTED, HoverAt(CPoint(20, 8)).nResult);
}

TEST_F(ItemTipTest, DraggedColumnOrderFindsTheRightColumn)
{
    int order[3] = {2, 0, 1};
    list.SendMessage(LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order));
    const ItemTipInfo& first = HoverAt(CellCentre(0, 0));
    EXPECT_EQ(2, first.nColumn);
    EXPECT_EQ(OXITEMTIP_FITS, first.nResult);
    const ItemTipInfo& last = HoverAt(CellCentre(0, 2));
    EXPECT_EQ(1, last.nColumn);
    EXPECT_EQ(OXITEMTIP_SHOW, last.nResult);
}

TEST_F(ItemTipTest, ClickOnTheTipReachesTheListAtTheSameScreenPoint)
{
    ASSERT_EQ(OXITEMTIP_SHOW, HoverAt(CellCentre(0, 1)).nResult);
    ASSERT_TRUE(tip.GetTipWnd().IsWindowVisible());
    CSpyHook spy;
    CPoint received(-1, -1);
    spy.onMessage = [&](UINT message, WPARAM, LPARAM lParam, LRESULT*) {
        if (message != WM_LBUTTONDOWN)
            return false;
        received = CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return true;
    };
    spy.HookWindow(&list);

    CRect shown;
    tip.GetTipWnd().GetWindowRect(&shown);
    CPoint screen(shown.left + 10, shown.top + 5);
    CPoint tipClient = screen;
    tip.GetTipWnd().ScreenToClient(&tipClient);
    tip.GetTipWnd().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tipClient.x, tipClient.y));
    PumpUntil([&] { return received.x >= 0; }, 1000);
    spy.UnhookWindow();

    CPoint expected = screen;
    list.ScreenToClient(&expected);
    EXPECT_EQ(expected, received);
}

TEST_F(ItemTipTest, TipNearTheRightEdgeIsShiftedLeft)
{
    CRect area;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    CPoint origin(0, 0);
    list.ClientToScreen(&origin);
    // A rectangle that starts 20 pixels before the work area's right edge.
    CRect rect(area.right - 20 - origin.x, 10, area.right + 100 - origin.x, 30);
    tip.GetTipWnd().Display(rect, "edge", 6, DT_LEFT, nullptr, OXITEMTIP_NO_COLOR,
                            OXITEMTIP_NO_COLOR);
    ASSERT_TRUE(tip.GetTipWnd().IsWindowVisible());
    CRect shown;
    tip.GetTipWnd().GetWindowRect(&shown);
    EXPECT_EQ(area.right, shown.right);
    EXPECT_EQ(120, shown.Width());
}

TEST_F(ItemTipTest, CallbackQueryAndParentCanChangeOrVetoTheRecord)
{
    // Without a callback the list is asked with the private message.
    CSpyHook listSpy;
    listSpy.onMessage = [](UINT message, WPARAM, LPARAM lParam, LRESULT*) {
        if (message == WM_OX_ITEMTIP_QUERY)
            OXCopyItemTipText(reinterpret_cast<ItemTipInfo*>(lParam), "from the list");
        return false;
    };
    listSpy.HookWindow(&list);
    HoverAt(CellCentre(0, 1));
    EXPECT_STREQ("from the list", tip.GetTipWnd().GetTipText());
    listSpy.UnhookWindow();

    // The parent gets a copy behind an NMHDR and may veto.
    CSpyHook parentSpy;
    UINT_PTR notifiedId = 0;
    parentSpy.onMessage = [&](UINT message, WPARAM, LPARAM lParam, LRESULT*) {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == OXITN_ITEMTIP) {
            OXITEMTIPNOTIFY* notify = reinterpret_cast<OXITEMTIPNOTIFY*>(lParam);
            notifiedId = notify->hdr.idFrom;
            notify->info.nResult = OXITEMTIP_FITS;
            return true;
        }
        return false;
    };
    parentSpy.HookWindow(&parent);
    EXPECT_EQ(OXITEMTIP_FITS, HoverAt(CellCentre(0, 1)).nResult);
    EXPECT_EQ(ListId, notifiedId);
    EXPECT_FALSE(tip.GetTipWnd().IsWindowVisible());
    parentSpy.UnhookWindow();

    // A callback takes the private message's place and can show a fitting cell.
    tip.Detach();
    ASSERT_TRUE(tip.Attach(&list, [](void*, ItemTipInfo* info) {
        if (info->nResult == OXITEMTIP_FITS) {
            info->nResult = OXITEMTIP_SHOW;
            info->rect = CRect(info->point.x - 20, info->point.y - 8, info->point.x + 20, info->point.y + 8);
            OXCopyItemTipText(info, "forced");
        }
    }));
    EXPECT_EQ(OXITEMTIP_SHOW, HoverAt(CellCentre(0, 2)).nResult);
    EXPECT_TRUE(tip.GetTipWnd().IsWindowVisible());
    EXPECT_STREQ("forced", tip.GetTipWnd().GetTipText());
}

TEST_F(ItemTipTest, ListBoxVariantTipsCutItems)
{
    CListBox box;
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 210, 80, 290), &parent, ListId + 1));
    box.AddString("short");
    box.AddString("a list box item much wider than the box");
    COXListBoxTip boxTip;
    ASSERT_TRUE(boxTip.Attach(&box));
    auto hover = [&](CPoint client) {
        CPoint screen = client;
        box.ClientToScreen(&screen);
        boxTip.GetTipWnd().Hide();
        SetCursorAt(screen);
        boxTip.GetTipWnd().Hide();
        box.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
        PumpFor(60);
        return boxTip.GetLastInfo();
    };
    CRect second;
    box.GetItemRect(1, &second);
    EXPECT_EQ(OXITEMTIP_SHOW, hover(second.CenterPoint()).nResult);
    EXPECT_EQ(1, boxTip.GetLastInfo().nRow);
    CRect first;
    box.GetItemRect(0, &first);
    EXPECT_EQ(OXITEMTIP_FITS, hover(first.CenterPoint()).nResult);
    EXPECT_EQ(OXITEMTIP_NO_CELL, hover(CPoint(10, 70)).nResult);
    boxTip.Detach();
}

TEST_F(ItemTipTest, ComboBoxVariantTipsOnlyACutSelectionOfADropDownList)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(100, 210, 180, 300), &parent,
                             ListId + 2));
    combo.AddString("a selection far wider than the combo box");
    combo.AddString("ok");
    COXComboBoxTip comboTip;
    ASSERT_TRUE(comboTip.Attach(&combo));
    auto hover = [&](CPoint client) {
        CPoint screen = client;
        combo.ClientToScreen(&screen);
        SetCursorAt(screen);
        comboTip.GetTipWnd().Hide();
        combo.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
        PumpFor(60);
        return comboTip.GetLastInfo();
    };
    combo.SetCurSel(0);
    EXPECT_EQ(OXITEMTIP_SHOW, hover(CPoint(10, 8)).nResult);
    EXPECT_STREQ("a selection far wider than the combo box", comboTip.GetLastInfo().szText);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), comboTip.GetLastInfo().clrText);
    // Over the drop button there is no cell.
    CRect client;
    combo.GetClientRect(&client);
    EXPECT_EQ(OXITEMTIP_NO_CELL, hover(CPoint(client.right - 3, 8)).nResult);
    combo.SetCurSel(1);
    EXPECT_EQ(OXITEMTIP_FITS, hover(CPoint(10, 8)).nResult);
    comboTip.Detach();

    CComboBox editable;
    ASSERT_TRUE(editable.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(200, 210, 280, 300), &parent,
                                ListId + 3));
    COXComboBoxTip editTip;
    ASSERT_TRUE(editTip.Attach(&editable));
    CPoint screen(5, 5);
    editable.ClientToScreen(&screen);
    SetCursorAt(screen);
    editable.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PumpFor(60);
    EXPECT_EQ(OXITEMTIP_UNSUPPORTED, editTip.GetLastInfo().nResult);
    editTip.Detach();
}
