// Tearing a colour picker off its button: the strip arms the tear-off, a
// drag places the floating bar, Esc, the right button or WM_QUIT cancel; the
// floating bar reports swatch clicks to the button, hides on close, turns
// back into a popup at the next pick and closes on new colours.
#include "toolkit/foundation/OXColorPickerButton.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"
#include "toolkit/resources/ToolkitResource.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {
const UINT ButtonId = 1005;
const CSize DragBy(50, 30);

class CPickParent : public CTestFrame
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_POPUPBAR_PICKED) {
            ++picked;
            pickedFrom = reinterpret_cast<HWND>(lParam);
            return 0;
        }
        return CTestFrame::WindowProc(message, wParam, lParam);
    }
    int picked = 0;
    HWND pickedFrom = nullptr;
};

// Steps run from a thread timer, each once its condition holds; the timer
// fires inside the picker's and the drag's own loops.
struct Script
{
    std::vector<std::pair<std::function<bool()>, std::function<void()>>> steps;
    size_t next = 0;
};
Script* g_script = nullptr;

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_script || g_script->next >= g_script->steps.size())
        return;
    auto& step = g_script->steps[g_script->next];
    if (step.first()) {
        ++g_script->next;
        step.second();
    }
}

class TearOffTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ReleaseModifierKeys();
        ASSERT_TRUE(parent.CreateFrame(CRect(100, 100, 500, 400)));
        ASSERT_TRUE(button.Create("Colour", WS_CHILD | WS_VISIBLE, CRect(20, 20, 120, 50), &parent, ButtonId));
        // The application's pickers have no strip; this one is made again with one.
        picker = button.GetColorPickerCtrl();
        picker->DestroyWindow();
        ASSERT_TRUE(picker->Create(&button, 0));
        ASSERT_TRUE(picker->IsTearOffShown());
    }
    void TearDown() override
    {
        g_script = nullptr;
        parent.DestroyWindow();
    }
    // Clicks the button; the script runs while the picker's loops run.
    void ClickWith(Script& script)
    {
        g_script = &script;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &RunScript);
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ::KillTimer(nullptr, timer);
        g_script = nullptr;
    }
    // Presses on the strip with the real cursor over it and leaves the strip.
    void AddArmAndLeave(Script& script)
    {
        script.steps.push_back({ [this] { return picker->IsWindowVisible() != FALSE; }, [this] {
                                    strip = picker->GetLayout().tearOffRect.CenterPoint();
                                    MoveCursorTo(*picker, strip);
                                    picker->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(strip.x, strip.y));
                                    CPoint out = picker->GetLayout().buttonRects[15].CenterPoint();
                                    picker->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(out.x, out.y));
                                } });
    }
    bool Dragging() const { return picker->IsDraggingTearOff() != FALSE; }
    // Tears the picker off, dragged by DragBy; the bar's rectangle before.
    CRect TearOffByDrag()
    {
        CRect before;
        Script script;
        AddArmAndLeave(script);
        script.steps.push_back({ [this] { return Dragging(); }, [this, &before] {
                                    picker->GetWindowRect(&before);
                                    CPoint to = strip + DragBy;
                                    picker->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
                                    picker->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
                                } });
        ClickWith(script);
        return before;
    }

    CPickParent parent;
    COXColorPickerButton button{ 40, 4, 0xFFFFFFFF, 18, 18, IDS_OX_COLORPICKER_DEFAULT, IDS_OX_COLORPICKER_CUSTOM };
    COXColorPickerCtrl* picker = nullptr;
    CPoint strip;
};
} // namespace

TEST_F(TearOffTest, LeavingAnArmedStripEndsThePickAndADragPlacesTheFloatingBar)
{
    CRect before = TearOffByDrag();
    ASSERT_TRUE(picker->IsTornOff());
    EXPECT_TRUE(picker->IsWindowVisible());
    EXPECT_NE(0u, picker->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_NE(0u, picker->GetStyle() & WS_CAPTION);
    CString caption;
    picker->GetWindowText(caption);
    CString expected;
    expected.LoadString(IDS_OX_POPUPBAR_CAPTION);
    EXPECT_FALSE(expected.IsEmpty());
    EXPECT_STREQ(expected, caption);
    CRect after;
    picker->GetWindowRect(&after);
    EXPECT_EQ(before.TopLeft() + DragBy, after.TopLeft());
    // The floating bar has no strip and its grid lies under the caption.
    EXPECT_TRUE(picker->GetLayout().tearOffRect.IsRectEmpty());
    EXPECT_EQ(0u, button.GetStateFlags());
}

TEST_F(TearOffTest, EscapeOrTheRightButtonCancelTheDrag)
{
    for (UINT cancel : { static_cast<UINT>(WM_KEYDOWN), static_cast<UINT>(WM_RBUTTONDOWN) }) {
        Script script;
        AddArmAndLeave(script);
        script.steps.push_back({ [this] { return Dragging(); }, [this, cancel] {
                                    picker->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(strip.x + 20, strip.y + 20));
                                    picker->PostMessage(cancel, cancel == WM_KEYDOWN ? VK_ESCAPE : MK_RBUTTON, 0);
                                } });
        ClickWith(script);
        EXPECT_FALSE(picker->IsTornOff());
        EXPECT_FALSE(picker->IsWindowVisible());
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST_F(TearOffTest, QuitDuringTheDragIsPostedAgain)
{
    Script script;
    AddArmAndLeave(script);
    script.steps.push_back({ [this] { return Dragging(); }, [] { ::PostQuitMessage(7); } });
    ClickWith(script);
    EXPECT_FALSE(picker->IsTornOff());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(TearOffTest, FloatingBarReportsSwatchesHidesOnCloseAndBecomesAPopupAgain)
{
    TearOffByDrag();
    ASSERT_TRUE(picker->IsTornOff());
    // A swatch click: the bar stays, the button takes the colour and tells its parent.
    CPoint swatch = picker->GetLayout().buttonRects[13].CenterPoint();
    picker->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(swatch.x, swatch.y));
    picker->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(swatch.x, swatch.y));
    picker->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(swatch.x, swatch.y));
    ASSERT_TRUE(PumpUntil([this] { return parent.picked == 1; }));
    EXPECT_EQ(COXColorPickerCtrl::DefaultColor(13), button.GetColor());
    EXPECT_EQ(button.GetSafeHwnd(), parent.pickedFrom);
    EXPECT_TRUE(picker->IsWindowVisible());
    // A press outside the grid does not close a floating bar.
    picker->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-20, -20));
    picker->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    EXPECT_TRUE(picker->IsWindowVisible());

    picker->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(picker->GetSafeHwnd()));
    EXPECT_FALSE(picker->IsWindowVisible());

    // The next pick shows a popup again.
    bool wasPopup = false;
    Script script;
    script.steps.push_back({ [this] { return picker->IsWindowVisible() != FALSE; }, [this, &wasPopup] {
                                wasPopup = !picker->IsTornOff() && (picker->GetExStyle() & WS_EX_TOOLWINDOW) == 0;
                                picker->PostMessage(WM_KEYUP, VK_ESCAPE, 0);
                            } });
    ClickWith(script);
    EXPECT_TRUE(wasPopup);
}

TEST_F(TearOffTest, NewColoursCloseAFloatingBar)
{
    TearOffByDrag();
    ASSERT_TRUE(picker->IsTornOff());
    const DWORD colours[] = { RGB(1, 2, 3), RGB(4, 5, 6) };
    picker->SetButtonData(colours, 2);
    EXPECT_FALSE(picker->IsWindowVisible());
    EXPECT_EQ(2, picker->GetButtonData().GetSize());
}

TEST_F(TearOffTest, AStripThatIsNotLeftDoesNotTearOff)
{
    // A press and release on the strip chooses nothing: the pick is cancelled.
    Script script;
    script.steps.push_back({ [this] { return picker->IsWindowVisible() != FALSE; }, [this] {
                                CPoint at = picker->GetLayout().tearOffRect.CenterPoint();
                                picker->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
                                picker->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
                                picker->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
                            } });
    button.SetColor(RGB(255, 0, 0));
    ClickWith(script);
    EXPECT_FALSE(picker->IsTornOff());
    EXPECT_FALSE(picker->IsWindowVisible());
    EXPECT_EQ(RGB(255, 0, 0), button.GetColor());
}

TEST_F(TearOffTest, FloatingBarFollowsItsOwnersFloatStatus)
{
    // A popup takes no part in its owner's floating status.
    EXPECT_EQ(0, picker->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));
    TearOffByDrag();
    ASSERT_TRUE(picker->IsTornOff());
    EXPECT_NE(0u, picker->GetStyle() & MFS_SYNCACTIVE);
    EXPECT_NE(0, picker->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));
    picker->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_FALSE(picker->IsWindowVisible());
    picker->SendMessage(WM_FLOATSTATUS, FS_SHOW);
    EXPECT_TRUE(picker->IsWindowVisible());
    picker->SendMessage(WM_FLOATSTATUS, FS_DISABLE);
    EXPECT_FALSE(picker->IsWindowEnabled());
    picker->SendMessage(WM_FLOATSTATUS, FS_ENABLE);
    EXPECT_TRUE(picker->IsWindowEnabled());
    // Activation goes through with the bit off for the call, and the bit stays.
    picker->SendMessage(WM_FLOATSTATUS, FS_ACTIVATE);
    EXPECT_NE(0u, picker->GetStyle() & MFS_SYNCACTIVE);
    // On its own the caption keeps its look, unless the bar is told to keep it active.
    EXPECT_EQ(TRUE, picker->SendMessage(WM_NCACTIVATE, FALSE));
    picker->m_nFlags |= WF_KEEPMINIACTIVE;
    EXPECT_EQ(FALSE, picker->SendMessage(WM_NCACTIVATE, FALSE));
    picker->m_nFlags &= ~WF_KEEPMINIACTIVE;
}

TEST_F(TearOffTest, TooltipTextsFromPairsOrAMapAndAFontCopy)
{
    const DWORD values[] = { RGB(1, 1, 1), RGB(2, 2, 2) };
    const LPCTSTR texts[] = { "one", "two" };
    picker->SetToolTipTexts(values, texts, 2);
    EXPECT_EQ(2, picker->GetToolTipCount());
    EXPECT_STREQ("two", picker->GetToolTipText(RGB(2, 2, 2)));

    CMap<DWORD, DWORD, CString, LPCTSTR> map;
    map.SetAt(RGB(3, 3, 3), "three");
    picker->SetToolTipTexts(map);
    EXPECT_EQ(1, picker->GetToolTipCount());
    EXPECT_STREQ("three", picker->GetToolTipText(RGB(3, 3, 3)));
    EXPECT_STREQ("", picker->GetToolTipText(RGB(1, 1, 1)));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
    picker->SetTextFont(&font);
    LOGFONTA copy = {};
    ASSERT_TRUE(picker->GetTextFont()->GetLogFont(&copy));
    EXPECT_STREQ("Tahoma", copy.lfFaceName);
    EXPECT_NE(font.GetSafeHandle(), picker->GetTextFont()->GetSafeHandle());

    CDWordArray data;
    data.Add(RGB(9, 9, 9));
    picker->SetButtonData(data);
    EXPECT_EQ(1, picker->GetButtonData().GetSize());
}
