// The extended list box: item layout, records that follow their items
// through insertions and deletions (with and without the list box's own
// delete notices), the most-recently-used section and its profile, the
// wheel and the line under the section.
#include "toolkit/lists/listboxes/OXListBoxEx.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

static CWinApp theApp("Listboxes Test");

namespace {
const UINT ListId = 1401;
const char Section[] = "ListBoxExTest";

class ListBoxExTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        AfxGetApp()->SetRegistryKey("LexifernTests");
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 450)));
    }
    void TearDown() override
    {
        COXListBoxEx::m_bWindowsNTRunning = COXListBoxEx::IsWindowsNT4OrLater();
        parent.DestroyWindow();
    }

    void Create(COXListBoxEx& list, DWORD extra = 0, int height = 300)
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_HASSTRINGS | LBS_NOTIFY | extra,
                                CRect(10, 10, 210, 10 + height), &parent, ListId));
    }
    static void Fill(COXListBoxEx& list, int count)
    {
        for (int i = 0; i < count; ++i) {
            CString text;
            text.Format("item %02d", i);
            list.AddString(text, OXLBI_TEXTCOLOR, nullptr, RGB(i, 0, 0));
        }
    }
    static CString Texts(COXListBoxEx& list)
    {
        CString all;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            all += (i ? "|" : "") + text;
        }
        return all;
    }

    CTestFrame parent;
};
} // namespace

TEST(ListBoxExLayoutTest, ImageAndTextFollowTheIndent)
{
    CRect content, image, text;
    COXListBoxEx::CalcLayout(CSize(16, 16), CSize(40, 13), 5, FALSE, content, image, text);
    EXPECT_EQ(CRect(0, 0, 67, 20), content);
    EXPECT_EQ(CRect(7, 2, 23, 18), image);
    EXPECT_EQ(CRect(25, 3, 65, 16), text);

    COXListBoxEx::CalcLayout(CSize(0, 0), CSize(40, 13), 0, TRUE, content, image, text);
    EXPECT_EQ(CRect(0, 0, 44, 21), content);
    EXPECT_TRUE(image.IsRectEmpty());
    EXPECT_EQ(CRect(2, 2, 42, 15), text);
}

TEST_F(ListBoxExTest, RecordsFollowTheirItemsThroughDeletionEitherWay)
{
    for (BOOL bNT : {TRUE, FALSE}) {
        COXListBoxEx::m_bWindowsNTRunning = bNT;
        COXListBoxEx list;
        Create(list);
        Fill(list, 5);
        list.DeleteString(1);
        ASSERT_EQ(4, list.GetCount()) << bNT;
        EXPECT_EQ(RGB(0, 0, 0), list.GetItemTextColor(0)) << bNT;
        EXPECT_EQ(RGB(2, 0, 0), list.GetItemTextColor(1)) << bNT;
        EXPECT_EQ(RGB(4, 0, 0), list.GetItemTextColor(3)) << bNT;
        EXPECT_EQ(nullptr, list.GetItemRecord(4)) << bNT;
        list.InsertString(1, "inserted", OXLBI_TEXTCOLOR, nullptr, RGB(0, 9, 0));
        EXPECT_EQ(RGB(0, 9, 0), list.GetItemTextColor(1));
        EXPECT_EQ(RGB(2, 0, 0), list.GetItemTextColor(2));
        list.ResetContent();
        EXPECT_EQ(nullptr, list.GetItemRecord(0));
        list.AddString("again");
        EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), list.GetItemTextColor(0));
        list.DestroyWindow();
    }
}

TEST_F(ListBoxExTest, SortedAddStringBeforeOthersRenumbersTheRecords)
{
    COXListBoxEx list;
    Create(list, LBS_SORT);
    list.AddString("b", OXLBI_TEXTCOLOR, nullptr, RGB(200, 0, 0));
    list.AddString("d", OXLBI_TEXTCOLOR, nullptr, RGB(0, 0, 200));
    EXPECT_EQ(0, list.AddString("a", OXLBI_TEXTCOLOR, nullptr, RGB(0, 200, 0)));
    EXPECT_EQ("a|b|d", Texts(list));
    // The new item has no record; the ones after it kept their own.
    EXPECT_EQ(nullptr, list.GetItemRecord(0));
    EXPECT_EQ(RGB(200, 0, 0), list.GetItemTextColor(1));
    EXPECT_EQ(RGB(0, 0, 200), list.GetItemTextColor(2));
    EXPECT_EQ(2, list.AddString("c", OXLBI_TEXTCOLOR, nullptr, RGB(0, 200, 0)));
    EXPECT_EQ(RGB(0, 0, 200), list.GetItemTextColor(3));
}

TEST_F(ListBoxExTest, SetItemAttributesRefusesBadIndexesAndKeepsUnmaskedFields)
{
    COXListBoxEx list;
    Create(list);
    Fill(list, 3);
    EXPECT_FALSE(list.SetItemTextColor(3, RGB(1, 2, 3)));
    EXPECT_FALSE(list.SetItemTextColor(-2, RGB(1, 2, 3)));
    EXPECT_TRUE(list.SetItemBkColor(-1, RGB(9, 9, 9)));
    EXPECT_EQ(RGB(9, 9, 9), list.GetItemBkColor(2));
    EXPECT_EQ(RGB(2, 0, 0), list.GetItemTextColor(2));
    EXPECT_TRUE(list.SetItemIndent(1, 30));
    EXPECT_EQ(30, list.GetItemIndent(1));
    EXPECT_EQ(30 + 2, list.GetItemRecord(1)->rectText.left);
}

TEST_F(ListBoxExTest, MRUSectionLimits)
{
    COXListBoxEx list;
    Create(list);
    Fill(list, 6);
    // No section at all.
    EXPECT_EQ(-1, list.MoveToMRU(3, 0, FALSE));
    EXPECT_EQ(-1, list.MoveToMRU(3, 0, TRUE));

    list.SetMaxMRUCount(3);
    EXPECT_EQ(0, list.MoveToMRU(3, 0));
    EXPECT_EQ(1, list.MoveToMRU(4, 1));
    EXPECT_EQ(2, list.MoveToMRU(2, 2));
    // An item already in place simply joins the section.
    EXPECT_EQ("item 03|item 04|item 00|item 01|item 02|item 05", Texts(list));
    EXPECT_EQ(RGB(3, 0, 0), list.GetItemTextColor(0));
    EXPECT_EQ(-1, list.MoveToMRU(5, 0, FALSE));
    EXPECT_EQ(-1, list.MoveToMRU(1, 4, FALSE));

    // With force the last one goes back among the others.
    list.SetCurSel(5);
    EXPECT_EQ(0, list.MoveToMRU(5, 0, TRUE));
    EXPECT_EQ("item 05|item 03|item 04|item 01|item 02|item 00", Texts(list));
    EXPECT_EQ(2, list.GetLastMRUIndex());
    EXPECT_EQ(0, list.GetCurSel());
    EXPECT_EQ(RGB(5, 0, 0), list.GetItemTextColor(0));
    EXPECT_EQ(RGB(2, 0, 0), list.GetItemTextColor(4));
    EXPECT_EQ(-1, list.GetItemRecord(5)->nMRUPosition);

    list.SetMaxMRUCount(-1);
    EXPECT_EQ(2, list.GetLastMRUIndex());
    list.SetMaxMRUCount(0);
    EXPECT_EQ(-1, list.GetLastMRUIndex());
    EXPECT_EQ(6, list.GetCount());
}

TEST_F(ListBoxExTest, MRUSectionInTheProfile)
{
    CWinApp* app = AfxGetApp();
    {
        COXListBoxEx list;
        Create(list);
        Fill(list, 4);
        list.SetMaxMRUCount(4);
        app->WriteProfileInt(Section, "MRU_Count", 7);
        EXPECT_TRUE(list.SaveMRUState(Section));
        EXPECT_EQ(0u, app->GetProfileInt(Section, "MRU_Count", 9));
        EXPECT_EQ(4u, app->GetProfileInt(Section, "MRU_MaxNumber", 9));
        list.DestroyWindow();
    }
    app->WriteProfileInt(Section, "MRU_Count", 4);
    app->WriteProfileString(Section, "MRU_Entry_0", "item 02");
    app->WriteProfileString(Section, "MRU_Entry_1", "gone");
    app->WriteProfileString(Section, "MRU_Entry_2", "");
    app->WriteProfileString(Section, "MRU_Entry_3", "item 03");
    COXListBoxEx list;
    Create(list);
    Fill(list, 4);
    list.MoveToMRU(1, 0);
    EXPECT_TRUE(list.LoadMRUState(Section));
    EXPECT_EQ(0, list.GetLastMRUIndex());
    EXPECT_EQ("item 02|item 00|item 01|item 03", Texts(list));

    // Saved on destruction when asked, under the list's own section.
    list.SetSaveRestoreMRUState(TRUE);
    list.DestroyWindow();
    EXPECT_EQ(1u, app->GetProfileInt("OXLISTBOXEX_MRU", "MRU_Count", 0));
    EXPECT_STREQ("item 02", app->GetProfileString("OXLISTBOXEX_MRU", "MRU_Entry_0", ""));
}

TEST_F(ListBoxExTest, WheelNotchOfAnySizeMovesOneItem)
{
    COXListBoxEx list;
    Create(list, 0, 80);
    Fill(list, 20);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
    EXPECT_EQ(1, list.GetTopIndex());
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-1)), 0);
    EXPECT_EQ(2, list.GetTopIndex());
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 480), 0);
    EXPECT_EQ(1, list.GetTopIndex());
}

TEST_F(ListBoxExTest, LastMRUItemIsTallerWithItsLine)
{
    COXListBoxEx list;
    Create(list);
    Fill(list, 4);
    list.SetMaxMRUCount(2);
    list.MoveToMRU(2, 0);
    list.MoveToMRU(3, 1);
    list.SetItemBkColor(1, RGB(0, 200, 0));
    const int normal = list.GetItemHeight(2);
    EXPECT_EQ(normal, list.GetItemHeight(0));
    EXPECT_EQ(normal + OXLBX_MRU_BAND, list.GetItemHeight(1));

    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpFor(50);
    CRect row;
    list.GetItemRect(1, &row);
    HDC hdc = ::GetDC(list.GetSafeHwnd());
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(RGB(0, 200, 0), ::GetPixel(hdc, 100, row.bottom - 4));
    EXPECT_EQ(shadow, ::GetPixel(hdc, 100, row.bottom - 3));
    EXPECT_EQ(shadow, ::GetPixel(hdc, 100, row.bottom - 2));
    EXPECT_EQ(RGB(0, 200, 0), ::GetPixel(hdc, 100, row.bottom - 1));
    ::ReleaseDC(list.GetSafeHwnd(), hdc);
}

TEST_F(ListBoxExTest, VisibleItemsWithTipsGetTools)
{
    COXListBoxEx list;
    Create(list, 0, 80);
    Fill(list, 20);
    ASSERT_TRUE(list.GetToolTipCtrl());
    // Only the client tool while no item has a tip.
    EXPECT_EQ(1, list.GetToolTipCtrl()->SendMessage(TTM_GETTOOLCOUNT));
    list.SetItemToolTipText(0, "first");
    list.SetItemToolTipText(1, "second");
    list.SetItemToolTipText(19, "last, not visible");
    EXPECT_EQ(3, list.GetToolTipCtrl()->SendMessage(TTM_GETTOOLCOUNT));
    // Scrolled to the end, the last item's tool is there and the first two are gone.
    list.SetTopIndex(19);
    MSG msg = {};
    msg.hwnd = list.GetSafeHwnd();
    msg.message = WM_MOUSEMOVE;
    list.PreTranslateMessage(&msg);
    EXPECT_EQ(2, list.GetToolTipCtrl()->SendMessage(TTM_GETTOOLCOUNT));
}
