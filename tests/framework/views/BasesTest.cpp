#include "framework/dialogs/BaseDlg.h"
#include "framework/views/BaseFormView.h"
#include "framework/views/BasedDocument.h"

#include "afx/FrameWnd.h"
#include "afx/WinApp.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const char TestRegistryKey[] = "TarnwickViewsTests";
const char ProfilePath[] = "Software\\TarnwickViewsTests";
// The only item of menu 141 is the status-bar command.
const UINT MenuCommand = ID_VIEW_STATUS_BAR;

class ProfileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
        app = new CWinApp("Lexifern");
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        app->SetRegistryKey(TestRegistryKey);
    }
    void TearDown() override
    {
        delete app;
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
    }
    int Setting(LPCSTR key) { return static_cast<int>(app->GetProfileInt("Settings", key, -1)); }
    CWinApp* app = nullptr;
};

// Notes the state of the menu command each time a popup of the right-click
// menu opens, and closes the menu at once.
template <class Base>
class MenuWatcher : public Base
{
public:
    using Base::Base;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_INITMENUPOPUP) {
            LRESULT result = Base::WindowProc(message, wParam, lParam);
            states.push_back(GetMenuState(reinterpret_cast<HMENU>(wParam), MenuCommand, MF_BYCOMMAND));
            EndMenu();
            return result;
        }
        return Base::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> states;
};

class TestDlg : public MenuWatcher<CBaseDlg>
{
public:
    TestDlg() : MenuWatcher<CBaseDlg>(IDD_TRACE_NOTE, nullptr) {}
};

class TestView : public MenuWatcher<CBaseFormView>
{
public:
    TestView() : MenuWatcher<CBaseFormView>(IDD_LEXIFERN_FORM) {}
};

HWND AddButton(CWnd* parent, UINT id)
{
    return CreateWindowA("BUTTON", "b", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, parent->GetSafeHwnd(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void RightClick(CWnd* wnd)
{
    wnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd->GetSafeHwnd()), MAKELPARAM(60, 60));
}
} // namespace

TEST(CBasedDocument, KeepsTheFlagAsGivenAndAnswersNewAsBoolean)
{
    CBasedDocument doc;
    doc.SetModifiedFlag(5);
    EXPECT_EQ(5, doc.IsModified());
    doc.SetModifiedFlag(FALSE);
    EXPECT_EQ(0, doc.IsModified());
    EXPECT_EQ(1, doc.OnNewDocument());
}

using CBaseDlgTest = ProfileTest;

TEST_F(CBaseDlgTest, ResizingKeepsTheSizeUnderTheSettingsName)
{
    TestDlg dlg;
    dlg.m_strSettingsName = "Note Dlg";
    ASSERT_TRUE(dlg.Create(IDD_TRACE_NOTE, nullptr));
    dlg.MoveWindow(10, 20, 400, 200);
    EXPECT_EQ(400, Setting("Note Dlg Width"));
    EXPECT_EQ(200, Setting("Note Dlg Height"));
    // The position is read but never written.
    EXPECT_EQ(-1, Setting("Note Dlg X"));
    dlg.DestroyWindow();

    // The stored values take the creation values' place; missing ones keep theirs.
    app->WriteProfileInt("Settings", "Note Dlg X", 7);
    CREATESTRUCT cs = {};
    cs.x = 1;
    cs.y = 2;
    cs.cx = 3;
    cs.cy = 4;
    TestDlg again;
    again.m_strSettingsName = "Note Dlg";
    EXPECT_TRUE(again.PreCreateWindow(cs));
    EXPECT_EQ(7, cs.x);
    EXPECT_EQ(2, cs.y);
    EXPECT_EQ(400, cs.cx);
    EXPECT_EQ(200, cs.cy);
    EXPECT_TRUE(again.SaveSettings());
}

TEST_F(CBaseDlgTest, StoredPlacesOffScreenOrTooSmallAreMended)
{
    app->WriteProfileInt("Settings", "Far Dlg X", 50000);
    app->WriteProfileInt("Settings", "Far Dlg Y", -50000);
    app->WriteProfileInt("Settings", "Far Dlg Width", -5);
    app->WriteProfileInt("Settings", "Far Dlg Height", 200);
    CREATESTRUCT cs = {};
    cs.cx = 300;
    cs.cy = 150;
    TestDlg dlg;
    dlg.m_strSettingsName = "Far Dlg";
    EXPECT_TRUE(dlg.PreCreateWindow(cs));
    // The creation size stands in for the unusable width.
    EXPECT_EQ(300, cs.cx);
    EXPECT_EQ(200, cs.cy);
    CRect work, common;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const CRect place(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    EXPECT_TRUE(common.IntersectRect(&place, &work));
}

TEST_F(CBaseDlgTest, DialogsWithoutANameShareTheKeysAndSettingsUseTheNameAsSection)
{
    TestDlg first, second;
    ASSERT_TRUE(first.Create(IDD_TRACE_NOTE, nullptr));
    first.MoveWindow(0, 0, 300, 150);
    EXPECT_EQ(300, Setting(" Width"));
    ASSERT_TRUE(second.Create(IDD_TRACE_NOTE, nullptr));
    second.MoveWindow(0, 0, 350, 160);
    EXPECT_EQ(350, Setting(" Width"));
    EXPECT_EQ(160, Setting(" Height"));
    first.DestroyWindow();
    second.DestroyWindow();

    first.m_strSettingsName = "Columns";
    EXPECT_TRUE(first.WriteSettingInt("Count", 12));
    EXPECT_TRUE(first.WriteSettingString("Order", "2,1"));
    EXPECT_EQ(12, static_cast<int>(app->GetProfileInt("Columns", "Count", 0)));
    EXPECT_EQ(12, first.GetSettingInt("Count", 0));
    EXPECT_EQ(CString("2,1"), first.GetSettingString("Order", ""));
    EXPECT_EQ(CString("none"), first.GetSettingString("Missing", "none"));
}

TEST_F(CBaseDlgTest, RightClickMenuFollowsTheControls)
{
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TRACE_NOTE, nullptr));
    dlg.ShowWindow(SW_SHOW);
    dlg.SetForegroundWindow();
    RightClick(&dlg);
    EXPECT_TRUE(dlg.states.empty());   // no menu named: none shown

    dlg.m_nContextMenuId = IDR_MENU_FRAME_CONTEXT;
    HWND button = AddButton(&dlg, MenuCommand);
    EnableWindow(button, FALSE);
    RightClick(&dlg);
    EnableWindow(button, TRUE);
    RightClick(&dlg);
    ASSERT_EQ(2u, dlg.states.size());
    EXPECT_TRUE(dlg.states[0] & MF_GRAYED);
    EXPECT_FALSE(dlg.states[1] & MF_GRAYED);
    dlg.DestroyWindow();
}

using CBaseFormViewTest = ProfileTest;

TEST_F(CBaseFormViewTest, RightClickMenuFollowsTheControls)
{
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 500)));
    TestView* view = new TestView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), frame,
                             AFX_IDW_PANE_FIRST, nullptr));
    EXPECT_EQ(-1, view->m_nContextMenuId);
    EXPECT_TRUE(view->m_strSettingsName.IsEmpty());
    frame->ShowWindow(SW_SHOW);
    frame->SetForegroundWindow();
    RightClick(view);
    EXPECT_TRUE(view->states.empty());

    view->m_nContextMenuId = IDR_MENU_FRAME_CONTEXT;
    HWND button = AddButton(view, MenuCommand);
    EnableWindow(button, FALSE);
    RightClick(view);
    EnableWindow(button, TRUE);
    RightClick(view);
    ASSERT_EQ(2u, view->states.size());
    EXPECT_TRUE(view->states[0] & MF_GRAYED);
    EXPECT_FALSE(view->states[1] & MF_GRAYED);
    frame->DestroyWindow();   // frame and view delete themselves
}
