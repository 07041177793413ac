// A property sheet of two pages from templates in memory, driven by the
// sheet's messages: pages switch, a page may refuse to be left, OK and Apply
// reach every page created, Cancel resets them, and the pages' own maps work.
#include "afx/PropertySheet.h"

#include "tests/afx/propsheet/DialogTemplate.h"

#include <gtest/gtest.h>

namespace {

enum { IDC_NAME = 300, IDC_PUSH = 301 };

TestDialogTemplate MakePage()
{
    TestDialogTemplate t(WS_CHILD | WS_CAPTION, 160, 90);
    t.Item(IDC_NAME, TestDialogTemplate::Edit, WS_BORDER, 5, 5, 100, 14)
     .Item(IDC_PUSH, TestDialogTemplate::Button, BS_PUSHBUTTON, 5, 25, 50, 14);
    return t;
}

class CountingPage : public CPropertyPage
{
public:
    CountingPage(LPCDLGTEMPLATE tpl, LPCTSTR caption) : CPropertyPage(tpl) { SetCaption(caption); }

    BOOL OnInitDialog() override { ++inits; return CPropertyPage::OnInitDialog(); }
    BOOL OnSetActive() override { ++activations; return CPropertyPage::OnSetActive(); }
    BOOL OnKillActive() override { ++deactivations; return refuseLeave ? FALSE : CPropertyPage::OnKillActive(); }
    BOOL OnApply() override { ++applies; return CPropertyPage::OnApply(); }
    void OnOK() override { ++oks; }
    void OnReset() override { ++resets; }

    int inits = 0, activations = 0, deactivations = 0, applies = 0, oks = 0, resets = 0, clicks = 0;
    bool refuseLeave = false;

protected:
    afx_msg void OnPush() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingPage, CPropertyPage)
    ON_BN_CLICKED(IDC_PUSH, &CountingPage::OnPush)
END_MESSAGE_MAP()

// Presses OK as soon as it is shown, so a modal sheet ends by itself.
class OkPressingPage : public CountingPage
{
public:
    using CountingPage::CountingPage;
    int button = PSBTN_OK;
    BOOL OnSetActive() override
    {
        ::PostMessageA(::GetParent(m_hWnd), PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
        return CountingPage::OnSetActive();
    }
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

TEST(PropSheet, PagesSwitchAndAreBoundToTheirObjects)
{
    TestDialogTemplate t1 = MakePage(), t2 = MakePage();
    CountingPage first(t1.Get(), "First"), second(t2.Get(), "Second");
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(&second, sheet.GetPage(1));
    EXPECT_EQ(nullptr, sheet.GetPage(2));
    EXPECT_EQ(&first, sheet.GetActivePage());   // before creation: the start page

    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(&sheet, CWnd::FromHandlePermanent(sheet.m_hWnd));
    EXPECT_EQ(&first, sheet.GetActivePage());
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ(1, first.inits);
    EXPECT_EQ(1, first.activations);
    EXPECT_EQ(0, second.inits);   // pages are made when first shown
    EXPECT_EQ(&first, CWnd::FromHandlePermanent(first.m_hWnd));
    ASSERT_NE(nullptr, sheet.GetTabControl());

    // The page's map sees its button's command.
    ::SendMessageA(first.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PUSH, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(first.m_hWnd, IDC_PUSH)));
    EXPECT_EQ(1, first.clicks);

    EXPECT_TRUE(sheet.SetActivePage(&second));
    EXPECT_EQ(&second, sheet.GetActivePage());
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ(1, first.deactivations);
    EXPECT_EQ(1, second.inits);
    EXPECT_EQ(1, second.activations);
    EXPECT_EQ(&second, CWnd::FromHandlePermanent(second.m_hWnd));
    EXPECT_FALSE(sheet.SetActivePage(5));

    // A page whose data is not valid keeps the focus.
    second.refuseLeave = true;
    sheet.SetActivePage(0);
    EXPECT_EQ(&second, sheet.GetActivePage());
    EXPECT_EQ(1, first.activations);
    second.refuseLeave = false;
    EXPECT_TRUE(sheet.SetActivePage(0));
    EXPECT_EQ(&first, sheet.GetActivePage());
    EXPECT_EQ(2, first.activations);

    sheet.DestroyWindow();
    EXPECT_EQ(nullptr, first.m_hWnd);
    EXPECT_EQ(nullptr, second.m_hWnd);
}

TEST(PropSheet, OkAppliesEveryCreatedPageAndCancelResetsThem)
{
    TestDialogTemplate t1 = MakePage(), t2 = MakePage();
    {
        CountingPage first(t1.Get(), "First"), second(t2.Get(), "Second");
        CPropertySheet sheet("Sheet");
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        ASSERT_TRUE(sheet.Create());
        sheet.SetActivePage(1);
        sheet.PressButton(PSBTN_OK);
        Pump();
        EXPECT_EQ(1, first.applies);
        EXPECT_EQ(1, first.oks);
        EXPECT_EQ(1, second.applies);
        EXPECT_EQ(1, second.oks);
        EXPECT_EQ(0, first.resets);
        // A modeless sheet has no current page once it is closed.
        EXPECT_EQ(0, sheet.SendMessage(PSM_GETCURRENTPAGEHWND));
        sheet.DestroyWindow();
    }
    {
        CountingPage first(t1.Get(), "First"), second(t2.Get(), "Second");
        CPropertySheet sheet("Sheet");
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        ASSERT_TRUE(sheet.Create());
        sheet.PressButton(PSBTN_CANCEL);
        Pump();
        EXPECT_EQ(1, first.resets);
        EXPECT_EQ(0, first.applies);
        EXPECT_EQ(0, second.resets);   // never created, nothing to reset
        sheet.DestroyWindow();
    }
}

TEST(PropSheet, DoModalAnswersOkOrCancel)
{
    TestDialogTemplate t1 = MakePage(), t2 = MakePage();
    {
        OkPressingPage first(t1.Get(), "First");
        CountingPage second(t2.Get(), "Second");
        CPropertySheet sheet("Modal", nullptr, 1);
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        // Starts on the second page; the first never opens.
        EXPECT_EQ(IDCANCEL, [&] {
            // The second page presses nothing: close it from a timer.
            UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
                HWND active = ::GetActiveWindow();
                ::PostMessageA(active, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            });
            INT_PTR r = sheet.DoModal();
            ::KillTimer(nullptr, timer);
            return r;
        }());
        EXPECT_EQ(0, first.inits);
        EXPECT_EQ(1, second.resets);
        EXPECT_EQ(nullptr, sheet.m_hWnd);
    }
    {
        OkPressingPage first(t1.Get(), "First");
        CountingPage second(t2.Get(), "Second");
        CPropertySheet sheet("Modal");
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        EXPECT_EQ(IDOK, sheet.DoModal());
        EXPECT_EQ(1, first.applies);
        EXPECT_EQ(1, first.oks);
        EXPECT_EQ(0, second.applies);
        EXPECT_EQ(nullptr, sheet.m_hWnd);
    }
}

TEST(PropSheet, PagesAddedAndRemovedWhileOpen)
{
    TestDialogTemplate t1 = MakePage(), t2 = MakePage();
    CountingPage first(t1.Get(), "First"), second(t2.Get(), "Second");
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&first);
    ASSERT_TRUE(sheet.Create());
    sheet.AddPage(&second);
    EXPECT_EQ(2, sheet.GetPageCount());
    CWnd* tab = sheet.GetTabControl();
    ASSERT_NE(nullptr, tab);
    EXPECT_EQ(2, tab->SendMessage(TCM_GETITEMCOUNT));
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(&second, sheet.GetActivePage());
    sheet.RemovePage(&first);
    EXPECT_EQ(1, sheet.GetPageCount());
    EXPECT_EQ(0, sheet.GetPageIndex(&second));
    EXPECT_EQ(1, tab->SendMessage(TCM_GETITEMCOUNT));
    sheet.DestroyWindow();
}

} // namespace

namespace {

// Its OnInitDialog fails by throwing, as a page that cannot load its data might.
class ThrowingPage : public CountingPage
{
public:
    using CountingPage::CountingPage;
    BOOL OnInitDialog() override
    {
        CountingPage::OnInitDialog();
        AfxThrowUserException();
    }
};

} // namespace

TEST(PropSheet, ExceptionFromAPagesInitDialogStopsAtTheDialogProcedure)
{
    // Were it to cross the system's sheet code, the sheet would be left
    // half made or the program ended; the page is created and works.
    TestDialogTemplate t1 = MakePage(), t2 = MakePage();
    ThrowingPage first(t1.Get(), "First");
    CountingPage second(t2.Get(), "Second");
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(1, first.inits);
    EXPECT_EQ(&first, CWnd::FromHandlePermanent(first.m_hWnd));
    EXPECT_TRUE(sheet.SetActivePage(&second));
    EXPECT_EQ(1, second.inits);
    sheet.DestroyWindow();
    Pump();
}
