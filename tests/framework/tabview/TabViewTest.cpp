#include "framework/views/BaseTabCtrlFormView.h"

#include "afx/FrameWnd.h"
#include "afx/WinApp.h"
#include "framework/dialogs/BaseDlg.h"

#include <gtest/gtest.h>

namespace {
const char TestRegistryKey[] = "TarnwickTabViewTests";
const char ProfilePath[] = "Software\\TarnwickTabViewTests";
const UINT FormTemplate = 9301;
const UINT PageTemplates[] = { 9302, 9303, 9304 };

int g_pagesDeleted = 0;

class Page : public CBaseDlg
{
public:
    explicit Page(UINT id) : CBaseDlg(id, nullptr) {}
    ~Page() override { ++g_pagesDeleted; }
};

class TestView : public CBaseTabCtrlFormView
{
public:
    explicit TestView(int pages) : CBaseTabCtrlFormView(FormTemplate)
    {
        m_strSettingsName = "TabViewTest";
        const char* titles[] = { "First", "Second", "Third" };
        for (int i = 0; i < pages; ++i)
            AddPage(titles[i], new Page(PageTemplates[i]));
    }
};

class TabViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
        app = new CWinApp("Lexifern");
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        app->SetRegistryKey(TestRegistryKey);
        g_pagesDeleted = 0;
    }
    void TearDown() override
    {
        delete app;
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
    }

    // A frame holding a newly created and first-updated view of that many pages.
    TestView* Open(int pages)
    {
        frame = new CFrameWnd;
        if (!frame->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 450)))
            return nullptr;
        TestView* view = new TestView(pages);
        if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 400), frame,
                          AFX_IDW_PANE_FIRST, nullptr))
            return nullptr;
        view->OnInitialUpdate();
        return view;
    }
    void Close()
    {
        frame->DestroyWindow();   // frame and view delete themselves
        frame = nullptr;
    }
    int Stored() { return static_cast<int>(app->GetProfileInt("TabViewTest", "CurrentTab", -100)); }
    static bool Visible(TestView* view, int page)
    {
        return (view->m_tabCtrl.GetPage(page)->GetStyle() & WS_VISIBLE) != 0;
    }

    CWinApp* app = nullptr;
    CFrameWnd* frame = nullptr;
};
} // namespace

TEST_F(TabViewTest, FirstOpeningShowsTheFirstTabAndClosingRemembersTheCurrentOne)
{
    TestView* view = Open(3);
    ASSERT_NE(nullptr, view);
    ASSERT_EQ(3, view->m_tabCtrl.GetItemCount());
    ASSERT_EQ(3, view->m_tabCtrl.GetPageCount());
    EXPECT_EQ(0, view->m_tabCtrl.GetCurSel());
    EXPECT_TRUE(Visible(view, 0));
    EXPECT_FALSE(Visible(view, 1));
    EXPECT_FALSE(Visible(view, 2));
    // Each page lives inside the tab control.
    EXPECT_EQ(view->m_tabCtrl.GetSafeHwnd(), ::GetParent(view->m_tabCtrl.GetPage(2)->GetSafeHwnd()));

    view->m_tabCtrl.SelectTab(2);
    Close();
    EXPECT_EQ(2, Stored());
    EXPECT_EQ(3, g_pagesDeleted);   // each page once, by the tab control

    view = Open(3);
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(2, view->m_tabCtrl.GetCurSel());
    EXPECT_TRUE(Visible(view, 2));
    EXPECT_FALSE(Visible(view, 0));
    Close();
}

TEST_F(TabViewTest, ARememberedTabBeyondThePagesOpensTheFirst)
{
    app->WriteProfileInt("TabViewTest", "CurrentTab", 7);
    TestView* view = Open(2);
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(0, view->m_tabCtrl.GetCurSel());
    EXPECT_TRUE(Visible(view, 0));
    EXPECT_FALSE(Visible(view, 1));
    Close();
    EXPECT_EQ(0, Stored());
}

TEST_F(TabViewTest, AViewWithoutPagesHasAnEmptyTabControl)
{
    TestView* view = Open(0);
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(0, view->m_tabCtrl.GetItemCount());
    Close();
}

TEST_F(TabViewTest, PagesOfAViewNeverShownAreDeletedWithIt)
{
    delete new TestView(3);
    EXPECT_EQ(3, g_pagesDeleted);
}
