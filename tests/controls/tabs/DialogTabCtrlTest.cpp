// The dialog tab control on real windows: pages laid out in the display area,
// switched by SelectTab and by mouse clicks, not by the keyboard.
#include "controls/tabs/DialogTabCtrl.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A child dialog template with no items.
class PageTemplate
{
public:
    PageTemplate()
    {
        DLGTEMPLATE dt = {};
        dt.style = WS_CHILD | DS_CONTROL;
        dt.cx = 40;
        dt.cy = 20;
        const BYTE* b = reinterpret_cast<const BYTE*>(&dt);
        m_bytes.assign(b, b + sizeof(dt));
        m_bytes.resize(m_bytes.size() + 6, 0);   // no menu, default class, empty title
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_bytes.data()); }

private:
    std::vector<BYTE> m_bytes;
};

// Counts its destructions so the test sees the control delete its pages.
class CountedPage : public CDialog
{
public:
    explicit CountedPage(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CountedPage() override { ++*m_pDeleted; }

private:
    int* m_pDeleted;
};

class DialogTabs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                      nullptr, nullptr);
        m_tabs = new CDialogTabCtrl;
        ASSERT_TRUE(m_tabs->Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(10, 10, 310, 210),
                                   CWnd::FromHandle(m_hParent), 500));
    }
    void TearDown() override
    {
        delete m_tabs;
        ::DestroyWindow(m_hParent);
    }
    CDialog* AddPage(int index, LPCTSTR text, CWnd* pParent)
    {
        CountedPage* page = new CountedPage(&m_deleted);
        EXPECT_TRUE(page->CreateIndirect(m_template.Get(), pParent));
        EXPECT_TRUE(m_tabs->AddTab(index, text, -1, page));
        return page;
    }
    static bool Visible(CDialog* page) { return ::IsWindowVisible(page->m_hWnd) != FALSE; }
    // The page's rectangle in the tab control's client coordinates.
    CRect PlacedIn(CDialog* page)
    {
        CRect rc;
        page->GetWindowRect(&rc);
        m_tabs->ScreenToClient(&rc);
        return rc;
    }
    CRect Expected()
    {
        CRect client, tab;
        m_tabs->GetClientRect(&client);
        m_tabs->GetItemRect(0, &tab);
        return CRect(tab.left, tab.bottom + 1, client.right - 1, client.bottom - 1);
    }
    void Click(int index)
    {
        CRect tab;
        m_tabs->GetItemRect(index, &tab);
        m_tabs->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
        m_tabs->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
    }

    HWND m_hParent = nullptr;
    CDialogTabCtrl* m_tabs = nullptr;
    PageTemplate m_template;
    int m_deleted = 0;
};

TEST_F(DialogTabs, InitDialogsShowsTheFirstPageInTheDisplayAreaAndHidesTheRest)
{
    CDialog* first = AddPage(0, "One", m_tabs);
    CDialog* second = AddPage(1, "Two", m_tabs);
    EXPECT_EQ(2, m_tabs->GetItemCount());
    m_tabs->InitDialogs();
    EXPECT_EQ(0, m_tabs->GetCurrentPage());
    EXPECT_TRUE(Visible(first));
    EXPECT_FALSE(Visible(second));
    const CRect expected = Expected();
    EXPECT_GT(expected.top, 5);
    EXPECT_EQ(expected, PlacedIn(first));
    EXPECT_EQ(expected, PlacedIn(second));
}

TEST_F(DialogTabs, PagesMadeOnTheParentLandInTheSameDisplayArea)
{
    CDialog* page = AddPage(0, "One", CWnd::FromHandle(m_hParent));
    m_tabs->InitDialogs();
    EXPECT_EQ(Expected(), PlacedIn(page));
}

TEST_F(DialogTabs, SelectTabSwitchesPagesAndAnIndexWithoutAPageOnlyHides)
{
    CDialog* first = AddPage(0, "One", m_tabs);
    CDialog* second = AddPage(1, "Two", m_tabs);
    m_tabs->InitDialogs();
    m_tabs->SelectTab(1);
    EXPECT_EQ(1, m_tabs->GetCurSel());
    EXPECT_EQ(1, m_tabs->GetCurrentPage());
    EXPECT_FALSE(Visible(first));
    EXPECT_TRUE(Visible(second));

    m_tabs->SelectTab(5);
    EXPECT_EQ(5, m_tabs->GetCurrentPage());
    EXPECT_FALSE(Visible(first));
    EXPECT_FALSE(Visible(second));
    m_tabs->SelectTab(0);   // from an index without a page: nothing to hide, no throw
    EXPECT_TRUE(Visible(first));
}

TEST_F(DialogTabs, WithNoPagesSelectTabDoesNothing)
{
    m_tabs->InsertItem(0, "Alone");
    m_tabs->InsertItem(1, "Other");
    m_tabs->SelectTab(1);
    EXPECT_EQ(0, m_tabs->GetCurSel());
    EXPECT_EQ(-1, m_tabs->GetCurrentPage());
}

TEST_F(DialogTabs, AClickChangesThePageTheKeyboardDoesNot)
{
    CDialog* first = AddPage(0, "One", m_tabs);
    CDialog* second = AddPage(1, "Two", m_tabs);
    m_tabs->InitDialogs();
    Click(1);
    EXPECT_EQ(1, m_tabs->GetCurSel());
    EXPECT_EQ(1, m_tabs->GetCurrentPage());
    EXPECT_TRUE(Visible(second));
    EXPECT_FALSE(Visible(first));

    m_tabs->SetFocus();
    m_tabs->SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    m_tabs->SendMessage(WM_KEYUP, VK_LEFT, 0xC0000000);
    EXPECT_EQ(0, m_tabs->GetCurSel());
    EXPECT_EQ(1, m_tabs->GetCurrentPage());
    EXPECT_TRUE(Visible(second));
}

TEST_F(DialogTabs, ResizingFollowsWithTheCurrentPageAndDestructionDeletesPages)
{
    CDialog* first = AddPage(0, "One", m_tabs);
    CDialog* second = AddPage(1, "Two", m_tabs);
    m_tabs->InitDialogs();
    m_tabs->SelectTab(1);
    m_tabs->SetWindowPos(nullptr, 0, 0, 360, 260, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Expected(), PlacedIn(second));
    EXPECT_TRUE(Visible(second));
    EXPECT_FALSE(Visible(first));

    delete m_tabs;
    m_tabs = nullptr;
    EXPECT_EQ(2, m_deleted);
}

} // namespace
