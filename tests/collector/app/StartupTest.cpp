// The program's start-up with a fresh profile and with each stored frame state.
#include "collector/LexifernApp.h"
#include "collector/LexifernDoc.h"
#include "collector/LexifernView.h"
#include "collector/MainFrame.h"
#include "controls/menu/BCMenu.h"

#include <gtest/gtest.h>

namespace {
const char ProfileKey[] = "Software\\Tarnwick\\Lexifern";

class TestApp : public CLexifernApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
    int tipRuns = 0;

protected:
    // The real splash stays two seconds.
    void ShowSplash() override {}
    BOOL RunTipOfTheDay(BOOL) override
    {
        ++tipRuns;
        return TRUE;
    }
};

class StartupTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    }
    void TearDown() override
    {
        if (app->m_pMainWnd && app->m_pMainWnd->GetSafeHwnd())
            app->m_pMainWnd->DestroyWindow();
        app->ExitInstance();
        delete app;
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
    }
    void StoreFrameState(int state)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Tarnwick\\Lexifern\\Settings", &key));
        DWORD value = static_cast<DWORD>(state);
        RegSetValueExA(key, "Main Frame State", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    TestApp* app = nullptr;
};
}

TEST_F(StartupTest, FreshProfileStartsMaximisedWithBothBasketOptions)
{
    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(app->m_bDedupeBasket);
    EXPECT_TRUE(app->m_bSortBasket);
    ASSERT_TRUE(GetMainFrame());
    EXPECT_EQ(app->m_pMainWnd, GetMainFrame());
    EXPECT_TRUE(GetMainFrame()->IsWindowVisible());
    EXPECT_TRUE(GetMainFrame()->IsZoomed());
    ASSERT_TRUE(GetMainView());
    ASSERT_TRUE(GetLexifernDoc());
    // The document is the framework's: it keeps its modified flag as told.
    EXPECT_TRUE(GetLexifernDoc()->IsKindOf(RUNTIME_CLASS(CBasedDocument)));
    GetLexifernDoc()->SetModifiedFlag(2);
    EXPECT_EQ(2, GetLexifernDoc()->IsModified());
    GetLexifernDoc()->SetModifiedFlag(FALSE);
    // The view is the template's form, with its controls.
    EXPECT_TRUE(GetMainView()->GetDlgItem(1000));
    EXPECT_TRUE(GetMainView()->GetDlgItem(1001));
    // The caption is fixed, whatever the document.
    CString caption;
    GetMainFrame()->GetWindowText(caption);
    EXPECT_EQ("Quillmoss", caption);
    EXPECT_EQ(0x00CF0000u, GetMainFrame()->GetStyle() & 0x00FF0000u);
    EXPECT_EQ(1, app->tipRuns);
    // The menu bar carries the owner-drawn menu built from menu 128.
    HMENU bar = ::GetMenu(GetMainFrame()->GetSafeHwnd());
    ASSERT_TRUE(bar);
    EXPECT_EQ(4, ::GetMenuItemCount(bar));
    EXPECT_TRUE(BCMenu::IsMenuHandle(::GetSubMenu(bar, 1)));
}

TEST_F(StartupTest, StoredStateOneHidesTheProgram)
{
    StoreFrameState(1);
    ASSERT_TRUE(app->InitInstance());
    ASSERT_TRUE(GetMainFrame());
    EXPECT_FALSE(GetMainFrame()->IsWindowVisible());
}

TEST_F(StartupTest, OtherStoredStatesShowItNormally)
{
    for (int state : { 0, 3 }) {
        StoreFrameState(state);
        ASSERT_TRUE(app->InitInstance());
        ASSERT_TRUE(GetMainFrame());
        EXPECT_TRUE(GetMainFrame()->IsWindowVisible()) << state;
        EXPECT_FALSE(GetMainFrame()->IsZoomed()) << state;
        GetMainFrame()->DestroyWindow();
        app->m_pMainWnd = nullptr;
        app->ExitInstance();
        delete app;
        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    }
}

TEST_F(StartupTest, BasketOptionsComeFromTheProfile)
{
    app->InitInstance();
    app->m_bDedupeBasket = FALSE;
    app->m_bSortBasket = TRUE;
    app->SaveBasketSettings();
    EXPECT_EQ(0u, app->GetProfileInt("Settings", "bDedupeBasket", 5));
    EXPECT_EQ(1u, app->GetProfileInt("Settings", "bSortBasket", 5));
    app->m_bDedupeBasket = TRUE;
    app->WriteProfileInt("Settings", "bSortBasket", 0);
    app->LoadBasketSettings();
    EXPECT_FALSE(app->m_bDedupeBasket);
    EXPECT_FALSE(app->m_bSortBasket);
}
