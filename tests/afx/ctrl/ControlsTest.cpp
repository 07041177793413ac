// Control wrappers on real windows: notifications reflected to the control's
// map before the parent's, and round trips through each control's messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CtrlHost.h"
#include "tests/support/AviFile.h"
#include "afx/AnimateCtrl.h"
#include "afx/BasicCtrls.h"
#include "afx/DateTimeCtrl.h"
#include "afx/HotKeyCtrl.h"
#include "afx/ListCtrl.h"
#include "afx/RangeCtrls.h"
#include "afx/TabCtrl.h"
#include "afx/ToolTipCtrl.h"
#include "afx/TreeCtrl.h"

namespace {

// Sees its own selection change; lets it go on to the parent when asked.
class CRecordingTree : public CTreeCtrl
{
public:
    CRecordingTree(std::vector<std::string>& log, BOOL passOn) : m_log(log), m_bPassOn(passOn) {}

protected:
    afx_msg BOOL OnSelChanged(NMHDR* pNMHDR, LRESULT*)
    {
        const NMTREEVIEW* tree = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
        m_log.push_back("tree:" + std::string(GetItemText(tree->itemNew.hItem)));
        return !m_bPassOn;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_log;
    BOOL m_bPassOn;
};

BEGIN_MESSAGE_MAP(CRecordingTree, CTreeCtrl)
    ON_NOTIFY_REFLECT_EX(TVN_SELCHANGED, &CRecordingTree::OnSelChanged)
END_MESSAGE_MAP()

class CRecordingTab : public CTabCtrl
{
public:
    explicit CRecordingTab(std::vector<std::string>& log) : m_log(log) {}

protected:
    afx_msg void OnSelChange(NMHDR*, LRESULT*) { m_log.push_back("tab:" + std::to_string(GetCurSel())); }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_log;
};

BEGIN_MESSAGE_MAP(CRecordingTab, CTabCtrl)
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, &CRecordingTab::OnSelChange)
END_MESSAGE_MAP()

} // namespace

TEST_F(ControlTest, CreateBindsTheControlToItsObject)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &m_parent, IDC_TEST_TREE));
    EXPECT_EQ(&tree, CWnd::FromHandlePermanent(tree.m_hWnd));
    EXPECT_EQ(&tree, m_parent.GetDlgItem(IDC_TEST_TREE));
    EXPECT_EQ(IDC_TEST_TREE, static_cast<UINT>(tree.GetDlgCtrlID()));
    EXPECT_TRUE(tree.IsKindOf(RUNTIME_CLASS(CTreeCtrl)));
    EXPECT_TRUE(tree.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(tree.IsKindOf(RUNTIME_CLASS(CTabCtrl)));
    tree.DestroyWindow();
    EXPECT_EQ(nullptr, tree.m_hWnd);
}

TEST_F(ControlTest, ReflectedNotificationReachesTheControlBeforeTheParent)
{
    CRecordingTree passOn(m_log, TRUE);
    ASSERT_TRUE(passOn.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &m_parent, IDC_TEST_TREE));
    HTREEITEM first = passOn.InsertItem("first");
    HTREEITEM second = passOn.InsertItem("second");
    m_log.clear();
    EXPECT_TRUE(passOn.SelectItem(second));
    EXPECT_EQ((std::vector<std::string>{"tree:second", "parent:TVN_SELCHANGED"}), m_log);
    passOn.DestroyWindow();

    // A reflected entry that handles the notification keeps it from the parent.
    CRecordingTree keep(m_log, FALSE);
    ASSERT_TRUE(keep.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &m_parent, IDC_TEST_TREE));
    keep.InsertItem("a");
    HTREEITEM b = keep.InsertItem("b");
    m_log.clear();
    EXPECT_TRUE(keep.SelectItem(b));
    EXPECT_EQ((std::vector<std::string>{"tree:b"}), m_log);
    (void)first;
}

TEST_F(ControlTest, ClickOnATabIsReflectedThenLeftToTheParent)
{
    // ON_NOTIFY_REFLECT (not _EX) handles the code: the parent does not see it.
    CRecordingTab tab(m_log);
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100), &m_parent, IDC_TEST_TAB));
    EXPECT_EQ(0, tab.InsertItem(0, "one"));
    EXPECT_EQ(1, tab.InsertItem(1, "two"));
    CRect second;
    ASSERT_TRUE(tab.GetItemRect(1, &second));
    const CPoint centre = second.CenterPoint();
    m_log.clear();
    tab.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    tab.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ((std::vector<std::string>{"tab:1"}), m_log);
    EXPECT_EQ(1, tab.GetCurSel());
}

TEST_F(ControlTest, TreeItemsTextsDataAndWalking)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | TVS_HASBUTTONS | TVS_CHECKBOXES, CRect(0, 0, 200, 200), &m_parent, IDC_TEST_TREE));
    HTREEITEM root = tree.InsertItem("\xCA\xEE\xF0\xE5\xED\xFC");   // "Корень"
    HTREEITEM child1 = tree.InsertItem("b", root);
    HTREEITEM child2 = tree.InsertItem("a", 1, 2, root);
    ASSERT_NE(nullptr, child2);
    EXPECT_EQ(3u, tree.GetCount());
    EXPECT_EQ(root, tree.GetRootItem());
    EXPECT_EQ(child1, tree.GetChildItem(root));
    EXPECT_EQ(child2, tree.GetNextSiblingItem(child1));
    EXPECT_EQ(nullptr, tree.GetNextSiblingItem(child2));
    EXPECT_EQ(root, tree.GetParentItem(child2));
    EXPECT_TRUE(tree.ItemHasChildren(root));
    EXPECT_FALSE(tree.ItemHasChildren(child1));
    EXPECT_STREQ("\xCA\xEE\xF0\xE5\xED\xFC", tree.GetItemText(root));

    // A text longer than the first buffer comes back whole.
    const std::string longText(700, 'w');
    EXPECT_TRUE(tree.SetItemText(child1, longText.c_str()));
    EXPECT_EQ(longText, std::string(tree.GetItemText(child1)));

    EXPECT_TRUE(tree.SetItemData(child2, static_cast<DWORD_PTR>(0x123456789ull)));
    EXPECT_EQ(0x123456789ull, tree.GetItemData(child2));
    int image = -1, selected = -1;
    EXPECT_TRUE(tree.GetItemImage(child2, image, selected));
    EXPECT_EQ(1, image);
    EXPECT_EQ(2, selected);

    EXPECT_FALSE(tree.GetCheck(child1));
    EXPECT_TRUE(tree.SetCheck(child1));
    EXPECT_TRUE(tree.GetCheck(child1));
    EXPECT_FALSE(tree.GetCheck(child2));

    EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
    EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(tree.SelectItem(child2));
    EXPECT_EQ(child2, tree.GetSelectedItem());
    CRect rect;
    EXPECT_TRUE(tree.GetItemRect(child2, &rect, TRUE));
    EXPECT_EQ(child2, tree.HitTest(rect.CenterPoint()));

    EXPECT_TRUE(tree.SortChildren(root));
    EXPECT_EQ(child2, tree.GetChildItem(root));   // "a" before "www..."
    EXPECT_TRUE(tree.DeleteItem(child2));
    EXPECT_EQ(2u, tree.GetCount());
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
}

TEST_F(ControlTest, TabItemsSelectionAndDisplayArea)
{
    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD, CRect(0, 0, 300, 200), &m_parent, IDC_TEST_TAB));
    EXPECT_EQ(0, tab.InsertItem(0, "\xCF\xE5\xF0\xE2\xE0\xFF"));   // "Первая"
    EXPECT_EQ(1, tab.InsertItem(TCIF_TEXT | TCIF_PARAM, 1, "second", 0, 77));
    EXPECT_EQ(0, tab.InsertItem(0, "zero"));
    EXPECT_EQ(3, tab.GetItemCount());
    char text[32] = "";
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(tab.GetItem(2, &item));
    EXPECT_STREQ("second", text);
    EXPECT_EQ(77, item.lParam);

    EXPECT_EQ(1, tab.GetCurSel());    // the selected tab moved with the insertion
    EXPECT_EQ(1, tab.SetCurSel(2));   // the previous selection
    EXPECT_EQ(2, tab.GetCurSel());
    EXPECT_TRUE(tab.DeleteItem(0));
    EXPECT_EQ(2, tab.GetItemCount());

    CRect area(0, 0, 300, 200);
    tab.AdjustRect(FALSE, &area);
    EXPECT_GT(area.top, 0);   // below the tabs
    EXPECT_LT(area.Width(), 300);
    tab.AdjustRect(TRUE, &area);
    EXPECT_EQ(CRect(0, 0, 300, 200), area);

    TCHITTESTINFO hit = {};
    CRect first;
    ASSERT_TRUE(tab.GetItemRect(0, &first));
    hit.pt = first.CenterPoint();
    EXPECT_EQ(0, tab.HitTest(&hit));
}

TEST_F(ControlTest, RangeControlsKeepTheirValues)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD, CRect(0, 0, 100, 20), &m_parent, IDC_TEST_OTHER));
    progress.SetRange32(0, 200000);   // beyond 16 bits
    int lower = -1, upper = -1;
    progress.GetRange(lower, upper);
    EXPECT_EQ(0, lower);
    EXPECT_EQ(200000, upper);
    EXPECT_EQ(0, progress.SetPos(50));
    EXPECT_EQ(50, progress.OffsetPos(10));
    EXPECT_EQ(60, progress.GetPos());
    progress.SetStep(5);
    EXPECT_EQ(60, progress.StepIt());
    EXPECT_EQ(65, progress.GetPos());

    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD, CRect(0, 30, 200, 60), &m_parent, IDC_TEST_OTHER + 1));
    slider.SetRange(-10, 100000);
    slider.GetRange(lower, upper);
    EXPECT_EQ(-10, lower);
    EXPECT_EQ(100000, upper);
    slider.SetPos(100001);   // clamped to the range
    EXPECT_EQ(100000, slider.GetPos());
    slider.SetPos(-500);
    EXPECT_EQ(-10, slider.GetPos());
    slider.SetPageSize(25);
    EXPECT_EQ(25, slider.GetPageSize());
    CRect channel, thumb;
    slider.GetChannelRect(&channel);
    slider.GetThumbRect(&thumb);
    EXPECT_GT(channel.Width(), 0);
    EXPECT_GT(thumb.Height(), 0);

    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_CHILD, CRect(0, 70, 80, 90), &m_parent, IDC_TEST_OTHER + 2));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, CRect(80, 70, 96, 90), &m_parent,
                            IDC_TEST_OTHER + 3));
    EXPECT_EQ(nullptr, spin.SetBuddy(&buddy));
    EXPECT_EQ(&buddy, spin.GetBuddy());   // the bound object, not a stand-in
    spin.SetRange32(-5, 70000);
    spin.GetRange(lower, upper);
    EXPECT_EQ(-5, lower);
    EXPECT_EQ(70000, upper);
    spin.SetPos(65000);
    CString text;
    buddy.GetWindowText(text);
    EXPECT_STREQ("65000", text);
    buddy.SetWindowText("123");   // typed by the user: the spin reads it back
    BOOL error = TRUE;
    EXPECT_EQ(123, spin.GetPos32(&error));
    EXPECT_FALSE(error);
    spin.SetRange(10, 0);   // reversed: up counts down
    EXPECT_EQ(MAKELONG(0, 10), static_cast<LONG>(spin.GetRange()));

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_HORZ, CRect(0, 100, 200, 116), &m_parent, IDC_TEST_OTHER + 4));
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 95;   // beyond the limit: the system pulls it back
    bar.SetScrollInfo(&info);
    EXPECT_EQ(90, bar.GetScrollLimit());
    EXPECT_EQ(90, bar.GetScrollPos());
    bar.SetScrollPos(40);
    SCROLLINFO back = {};
    ASSERT_TRUE(bar.GetScrollInfo(&back));
    EXPECT_EQ(40, back.nPos);
    EXPECT_EQ(10u, back.nPage);
}

TEST_F(ControlTest, DateTimeAndCalendarRoundTrips)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | DTS_SHOWNONE, CRect(0, 0, 200, 24), &m_parent, IDC_TEST_OTHER));
    EXPECT_TRUE(picker.SetFormat("dd.MM.yyyy HH:mm"));
    const COleDateTime leapDay(2024, 2, 29, 13, 45, 10);
    EXPECT_TRUE(picker.SetTime(leapDay));
    COleDateTime back;
    ASSERT_TRUE(picker.GetTime(back));
    EXPECT_EQ(COleDateTime::valid, back.GetStatus());
    EXPECT_EQ(2024, back.GetYear());
    EXPECT_EQ(2, back.GetMonth());
    EXPECT_EQ(29, back.GetDay());
    EXPECT_EQ(13, back.GetHour());
    EXPECT_EQ(45, back.GetMinute());

    // An empty date clears a picker that can show none, and reads back as null.
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_TRUE(picker.SetTime(none));
    ASSERT_TRUE(picker.GetTime(back));
    EXPECT_EQ(COleDateTime::null, back.GetStatus());

    CMonthCalCtrl calendar;
    ASSERT_TRUE(calendar.Create(WS_CHILD, CPoint(0, 30), &m_parent, IDC_TEST_OTHER + 1));
    CRect minimum, window;
    ASSERT_TRUE(calendar.GetMinReqRect(&minimum));
    calendar.GetWindowRect(&window);
    EXPECT_EQ(minimum.Width(), window.Width());   // sized to one month
    EXPECT_TRUE(calendar.SetCurSel(COleDateTime(2023, 12, 31, 18, 0, 0)));
    ASSERT_TRUE(calendar.GetCurSel(back));
    EXPECT_EQ(2023, back.GetYear());
    EXPECT_EQ(12, back.GetMonth());
    EXPECT_EQ(31, back.GetDay());
    EXPECT_EQ(0, back.GetHour());   // a day, not a moment
}

TEST_F(ControlTest, HotKeyValueAndItsName)
{
    CHotKeyCtrl hotKey;
    ASSERT_TRUE(hotKey.Create(WS_CHILD, CRect(0, 0, 150, 20), &m_parent, IDC_TEST_OTHER));
    hotKey.SetHotKey(VK_F5, HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    WORD key = 0, modifiers = 0;
    hotKey.GetHotKey(key, modifiers);
    EXPECT_EQ(VK_F5, key);
    EXPECT_EQ(HOTKEYF_CONTROL | HOTKEYF_SHIFT, modifiers);

    const CString control = CHotKeyCtrl::GetKeyName(VK_CONTROL, FALSE);
    const CString shift = CHotKeyCtrl::GetKeyName(VK_SHIFT, FALSE);
    const CString f5 = CHotKeyCtrl::GetKeyName(VK_F5, FALSE);
    ASSERT_FALSE(control.IsEmpty());
    ASSERT_FALSE(f5.IsEmpty());
    EXPECT_STREQ(control + " + " + shift + " + " + f5, hotKey.GetHotKeyName());
    EXPECT_STREQ(f5, CHotKeyCtrl::FormatHotKeyName(VK_F5, 0));
    EXPECT_STREQ("", CHotKeyCtrl::FormatHotKeyName(0, HOTKEYF_ALT));   // modifiers alone are no key
    // The extended flag picks the arrow key, not the number pad's.
    EXPECT_STRNE(CHotKeyCtrl::GetKeyName(VK_LEFT, TRUE), CHotKeyCtrl::GetKeyName(VK_LEFT, FALSE));
}

TEST_F(ControlTest, ToolTipToolsAndTheirTexts)
{
    CButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &m_parent, IDC_TEST_OTHER));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_parent));
    EXPECT_EQ(m_parent.m_hWnd, ::GetWindow(tip.m_hWnd, GW_OWNER));   // owned, not a child
    EXPECT_FALSE(tip.GetStyle() & WS_CHILD);
    EXPECT_EQ(&tip, CWnd::FromHandlePermanent(tip.m_hWnd));

    EXPECT_TRUE(tip.AddTool(&button, "\xCD\xE0\xE6\xEC\xE8"));   // the whole button: "Нажми"
    CRect area(0, 0, 50, 50);
    EXPECT_TRUE(tip.AddTool(&m_parent, "area", &area, 1000));
    EXPECT_EQ(2, tip.GetToolCount());

    CToolInfo info;
    ASSERT_TRUE(tip.GetToolInfo(info, &m_parent, 1000));
    EXPECT_STREQ("area", info.szText);
    EXPECT_EQ(area, CRect(info.rect));
    EXPECT_FALSE(tip.GetToolInfo(info, &m_parent, 1001));   // no such tool

    tip.UpdateTipText("changed", &m_parent, 1000);
    CString text;
    tip.GetText(text, &m_parent, 1000);
    EXPECT_STREQ("changed", text);
    tip.GetText(text, &button);
    EXPECT_STREQ("\xCD\xE0\xE6\xEC\xE8", text);

    tip.DelTool(&m_parent, 1000);
    EXPECT_EQ(1, tip.GetToolCount());
    tip.DelTool(&button);
    EXPECT_EQ(0, tip.GetToolCount());
}

TEST_F(ControlTest, ListHeaderIsFoundThroughTheHandleMap)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, IDC_TEST_OTHER));
    list.InsertColumn(0, "one", LVCFMT_LEFT, 50);
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(nullptr, header);
    EXPECT_EQ(1, header->GetItemCount());
    EXPECT_EQ(header, list.GetHeaderCtrl());   // one wrapper per handle

    // Once a header object is bound, that object is what the list hands out.
    CHeaderCtrl own;
    ASSERT_TRUE(own.SubclassWindow(header->m_hWnd));
    EXPECT_EQ(&own, list.GetHeaderCtrl());
    own.UnsubclassWindow();
}

TEST_F(ControlTest, AnimationOpensPlaysAndClosesAClipFile)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "lexifern_animate_test.avi";
    ASSERT_TRUE(WriteSolidAvi(path.c_str(), 16, 12, RGB(255, 0, 0)));

    CAnimateCtrl animate;
    ASSERT_TRUE(animate.Create(WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, CRect(0, 0, 40, 40), &m_parent, IDC_TEST_OTHER));
    EXPECT_EQ(&animate, CWnd::FromHandlePermanent(animate.m_hWnd));
    EXPECT_FALSE(animate.Open("no such clip.avi"));
    ASSERT_TRUE(animate.Open(path.c_str()));
    EXPECT_TRUE(animate.Seek(0));
    EXPECT_TRUE(animate.Play(0, 0xFFFF, 1));
    EXPECT_TRUE(animate.Stop());
    EXPECT_TRUE(animate.Close());
    // A closed control has nothing to play.
    EXPECT_FALSE(animate.Play(0, 0xFFFF, 1));
    // No "AVI" resource of that id in this program.
    EXPECT_FALSE(animate.Open(4711u));
    animate.DestroyWindow();
    ::DeleteFileA(path.c_str());
}
