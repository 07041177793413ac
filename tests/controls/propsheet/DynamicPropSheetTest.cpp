// A resizable property sheet of two resizable pages from templates in memory:
// the sheet's tab control, buttons and pages follow its size, each page's
// controls follow the page by its layout map, a page opened later lands where
// the first one is, and the sheet reopens where it was closed.
#include "controls/layout/DynamicPropSheet.h"

#include "tests/afx/propsheet/DialogTemplate.h"

#include <gtest/gtest.h>

namespace {

const char kTestKey[] = "Software\\LexifernTests\\ControlsPropSheet";
const char kSection[] = "WindowPositions\\ID=0x00005151";
enum { IDC_TEXT = 400, IDC_BUTTON = 401 };

TestDialogTemplate MakePage()
{
    TestDialogTemplate t(WS_CHILD | WS_CAPTION, 180, 100);
    t.Item(IDC_TEXT, TestDialogTemplate::Edit, WS_BORDER, 5, 5, 120, 60)
     .Item(IDC_BUTTON, TestDialogTemplate::Button, BS_PUSHBUTTON, 130, 80, 40, 14);
    return t;
}

class TestPage : public cdxCDynamicPropPage
{
public:
    TestPage(LPCDLGTEMPLATE tpl, LPCTSTR caption) : cdxCDynamicPropPage(tpl) { SetCaption(caption); }
    DECLARE_DYNAMIC_MAP()
};

BEGIN_DYNAMIC_MAP(TestPage, cdxCDynamicPropPage)
    DYNAMIC_MAP_ENTRY(IDC_TEXT, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(IDC_BUTTON, ModeMove, ModeMove)
END_DYNAMIC_MAP()

CRect ChildRect(HWND hChild)
{
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hChild), reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}

CRect ItemRect(CWnd& parent, int id)
{
    return ChildRect(::GetDlgItem(parent.m_hWnd, id));
}

class DynamicPropSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_profile.DeleteAll();
        ControlsSetProfile(&m_profile);
    }
    void TearDown() override
    {
        ControlsSetProfile(nullptr);
        m_profile.DeleteAll();
    }

    CRegistryControlsProfile m_profile{HKEY_CURRENT_USER, kTestKey};
    TestDialogTemplate m_t1 = MakePage(), m_t2 = MakePage();
};

TEST_F(DynamicPropSheetTest, SheetAndPagesFollowTheSizeAndReopenWhereTheyWere)
{
    CRect rcClosed;
    {
        TestPage first(m_t1.Get(), "First"), second(m_t2.Get(), "Second");
        cdxCDynamicPropSheet sheet("Resizable");
        sheet.ActivateAutoPos(0x5151u);
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        EXPECT_EQ(&sheet, first.GetDynamicSheet());
        ASSERT_TRUE(sheet.Create());
        EXPECT_TRUE(sheet.IsInitialized());
        EXPECT_TRUE(sheet.GetStyle() & WS_THICKFRAME);
        EXPECT_NE(nullptr, ::GetDlgItem(sheet.m_hWnd, cdxCDynamicWnd::DefaultSizeGripId));

        const CRect tab0 = ItemRect(sheet, AFX_IDC_TAB_CONTROL), ok0 = ItemRect(sheet, IDOK);
        const CRect page0 = ChildRect(first.m_hWnd);
        const CRect text0 = ItemRect(first, IDC_TEXT), button0 = ItemRect(first, IDC_BUTTON);

        CRect rcWnd;
        sheet.GetWindowRect(&rcWnd);
        sheet.SetWindowPos(nullptr, 60, 70, rcWnd.Width() + 60, rcWnd.Height() + 40, SWP_NOZORDER | SWP_NOACTIVATE);

        EXPECT_EQ(tab0.TopLeft(), ItemRect(sheet, AFX_IDC_TAB_CONTROL).TopLeft());
        EXPECT_EQ(tab0.Size() + CSize(60, 40), ItemRect(sheet, AFX_IDC_TAB_CONTROL).Size());
        EXPECT_EQ(ok0 + CPoint(60, 40), ItemRect(sheet, IDOK));
        const CRect page1 = ChildRect(first.m_hWnd);
        EXPECT_EQ(page0.TopLeft(), page1.TopLeft());
        EXPECT_EQ(page0.Size() + CSize(60, 40), page1.Size());
        EXPECT_EQ(text0.Size() + CSize(60, 40), ItemRect(first, IDC_TEXT).Size());
        EXPECT_EQ(button0 + CPoint(60, 40), ItemRect(first, IDC_BUTTON));

        // The second page is made at the system's size and joins the layout.
        ASSERT_TRUE(sheet.SetActivePage(1));
        ASSERT_NE(nullptr, second.m_hWnd);
        EXPECT_EQ(page1, ChildRect(second.m_hWnd));
        EXPECT_EQ(text0.Size() + CSize(60, 40), ItemRect(second, IDC_TEXT).Size());
        EXPECT_EQ(button0 + CPoint(60, 40), ItemRect(second, IDC_BUTTON));
        // ...and follows the sheet from then on.
        sheet.SetWindowPos(nullptr, 60, 70, rcWnd.Width() + 80, rcWnd.Height() + 50, SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(page0.Size() + CSize(80, 50), ChildRect(second.m_hWnd).Size());
        EXPECT_EQ(button0 + CPoint(80, 50), ItemRect(second, IDC_BUTTON));

        // Not smaller than it opened.
        MINMAXINFO mmi = {};
        sheet.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        EXPECT_EQ(rcWnd.Width(), mmi.ptMinTrackSize.x);
        EXPECT_EQ(rcWnd.Height(), mmi.ptMinTrackSize.y);

        sheet.GetWindowRect(&rcClosed);
        sheet.DestroyWindow();
    }
    EXPECT_EQ(1, m_profile.GetProfileInt(kSection, "(valid)", 0));
    EXPECT_EQ(60, m_profile.GetProfileInt(kSection, "Left", 0));
    EXPECT_EQ(70, m_profile.GetProfileInt(kSection, "Top", 0));
    {
        TestPage first(m_t1.Get(), "First"), second(m_t2.Get(), "Second");
        cdxCDynamicPropSheet sheet("Resizable");
        sheet.ActivateAutoPos(0x5151u);
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        ASSERT_TRUE(sheet.Create());
        CRect rc;
        sheet.GetWindowRect(&rc);
        EXPECT_EQ(rcClosed, rc);
        // The page opened at the old size follows the restored one.
        CRect rcTab = ItemRect(sheet, AFX_IDC_TAB_CONTROL), rcPage = ChildRect(first.m_hWnd);
        EXPECT_TRUE(rcTab.PtInRect(rcPage.TopLeft()));
        EXPECT_GT(rcPage.Width(), rcTab.Width() - 20);
        EXPECT_LE(rcPage.right, rcTab.right);
        sheet.NoAutoPos();
        sheet.DestroyWindow();
    }
}

TEST_F(DynamicPropSheetTest, PagesKnowTheirSheetWhileTheyBelongToIt)
{
    TestPage first(m_t1.Get(), "First"), second(m_t2.Get(), "Second");
    CPropertyPage plain(m_t2.Get());
    {
        cdxCDynamicPropSheet sheet;   // the factory's layout: resizable, grip, damped redraw, copied bits
        EXPECT_EQ(static_cast<UINT>(cdxCDynamicWnd::FreedomBoth), sheet.m_nFreedom);
        EXPECT_EQ(7u, sheet.cdxCDynamicWnd::m_nFlags);
        sheet.AddPage(&first);
        sheet.AddPage(&plain);
        sheet.AddPage(&second);
        EXPECT_EQ(&sheet, second.GetDynamicSheet());
        sheet.RemovePage(&second);
        EXPECT_EQ(nullptr, second.GetDynamicSheet());
        EXPECT_EQ(2, sheet.GetPageCount());
        sheet.RemovePage(1);
        EXPECT_EQ(1, sheet.GetPageCount());
    }
    // The sheet gone, its page does not point at it.
    EXPECT_EQ(nullptr, first.GetDynamicSheet());
}

} // namespace
