// The cool-control organizer on this thread: which windows it converts and
// skips, windows made after it attached, destruction and detaching.
#include "toolkit/lists/cool/OXCoolControlOrganizer.h"

#include "afx/BasicCtrls.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"
#include "toolkit/lists/cool/OXCoolComboBox.h"
#include "toolkit/lists/cool/OXCoolPainters.h"

#include <gtest/gtest.h>

namespace {
class CoolOrganizerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 350)));
    }
    void TearDown() override
    {
        organizer.DetachOrganizer();
        parent.DestroyWindow();
    }

    // A control made with the plain window API: no framework object.
    HWND Plain(LPCTSTR cls, DWORD style, const CRect& rect, UINT id)
    {
        return ::CreateWindowEx(0, cls, "x", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top, rect.Width(),
                                rect.Height(), parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                ::GetModuleHandle(nullptr), nullptr);
    }

    CTestFrame parent;
    COXCoolControlOrganizer organizer;
};
} // namespace

TEST_F(CoolOrganizerTest, ConvertsPlainControlsSkipsFrameworkOnesAndComboEdits)
{
    const HWND edit = Plain("Edit", WS_BORDER, CRect(10, 10, 110, 30), 1401);
    const HWND combo = Plain("ComboBox", CBS_DROPDOWN, CRect(10, 40, 110, 140), 1403);
    const HWND button = Plain("Button", BS_PUSHBUTTON, CRect(10, 150, 110, 175), 1408);
    const HWND custom = Plain("Static", 0, CRect(120, 10, 200, 30), 1415);
    CEdit framework;
    ASSERT_TRUE(framework.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(120, 40, 220, 60), &parent, 1413));

    ASSERT_TRUE(organizer.AttachOrganizer(::GetCurrentThreadId()));
    EXPECT_TRUE(organizer.IsAttached());
    EXPECT_TRUE(organizer.IsAttached(edit));
    EXPECT_TRUE(dynamic_cast<COXCoolCtrl<CEdit>*>(CWnd::FromHandlePermanent(edit)) != nullptr);
    EXPECT_TRUE(dynamic_cast<COXCoolComboBox*>(CWnd::FromHandlePermanent(combo)) != nullptr);
    EXPECT_TRUE(dynamic_cast<COXCoolButton*>(CWnd::FromHandlePermanent(button)) != nullptr);
    EXPECT_EQ(OXCOOL_SKIP_NOT_QUALIFIED, organizer.GetSkipCode(custom));
    EXPECT_EQ(OXCOOL_SKIP_HAS_OBJECT, organizer.GetSkipCode(framework.m_hWnd));
    EXPECT_EQ(OXCOOL_SKIP_HAS_OBJECT, organizer.GetSkipCode(parent.m_hWnd));

    // The combo's edit belongs to the cool combo, never to the organizer.
    const HWND comboEdit = ::GetWindow(combo, GW_CHILD);
    ASSERT_TRUE(comboEdit != nullptr);
    EXPECT_FALSE(organizer.IsAttached(comboEdit));
    COXCoolControlOrganizer other;
    EXPECT_FALSE(other.IsQualified(comboEdit, "Edit"));
    EXPECT_TRUE(other.IsQualified(edit, "edit"));
    EXPECT_FALSE(other.IsQualified(custom, "Static"));

    // One organizer per thread, and no second attach of this one.
    EXPECT_FALSE(other.AttachOrganizer(::GetCurrentThreadId()));
    EXPECT_FALSE(organizer.AttachOrganizer(::GetCurrentThreadId() + 1));
    EXPECT_FALSE(other.IsAttached());
}

TEST_F(CoolOrganizerTest, LaterWindowConvertsAtItsFirstQueuedMessage)
{
    ASSERT_TRUE(organizer.AttachOrganizer(::GetCurrentThreadId()));
    const HWND button = Plain("Button", BS_PUSHBUTTON, CRect(10, 150, 110, 175), 1414);
    EXPECT_FALSE(organizer.IsAttached(button));
    EXPECT_TRUE(PumpUntil([&] { return organizer.IsAttached(button) != FALSE; }));
}

TEST_F(CoolOrganizerTest, DestroyedWindowIsDetachedFirstAndANewOneConvertsAfresh)
{
    const HWND button = Plain("Button", BS_PUSHBUTTON, CRect(10, 150, 110, 175), 1408);
    ASSERT_TRUE(organizer.AttachOrganizer(::GetCurrentThreadId()));
    ASSERT_TRUE(organizer.IsAttached(button));
    ::DestroyWindow(button);
    EXPECT_FALSE(organizer.IsAttached(button));
    EXPECT_FALSE(organizer.IsSkipped(button));

    const HWND again = Plain("Button", BS_PUSHBUTTON, CRect(10, 150, 110, 175), 1408);
    EXPECT_TRUE(PumpUntil([&] { return organizer.IsAttached(again) != FALSE; }));
}

TEST_F(CoolOrganizerTest, DetachGivesBackTheProceduresAndASecondDetachFails)
{
    const HWND edit = Plain("Edit", WS_BORDER, CRect(10, 10, 110, 30), 1401);
    const HWND slider = Plain(TRACKBAR_CLASSA, 0, CRect(10, 40, 210, 70), 1409);
    const LONG_PTR editProc = ::GetWindowLongPtr(edit, GWLP_WNDPROC);
    const LONG_PTR sliderProc = ::GetWindowLongPtr(slider, GWLP_WNDPROC);
    ASSERT_TRUE(organizer.AttachOrganizer(::GetCurrentThreadId()));
    EXPECT_NE(editProc, ::GetWindowLongPtr(edit, GWLP_WNDPROC));
    EXPECT_TRUE(organizer.GetFirstGetMessageHook() != nullptr);

    EXPECT_TRUE(organizer.DetachOrganizer());
    EXPECT_EQ(editProc, ::GetWindowLongPtr(edit, GWLP_WNDPROC));
    EXPECT_EQ(sliderProc, ::GetWindowLongPtr(slider, GWLP_WNDPROC));
    EXPECT_TRUE(CWnd::FromHandlePermanent(edit) == nullptr);
    EXPECT_FALSE(organizer.IsAttached(edit));
    EXPECT_FALSE(organizer.DetachOrganizer());

    // Detached, the thread is free for another organizer.
    COXCoolControlOrganizer next;
    EXPECT_TRUE(next.AttachOrganizer(::GetCurrentThreadId()));
    EXPECT_TRUE(next.IsAttached(edit));
}
