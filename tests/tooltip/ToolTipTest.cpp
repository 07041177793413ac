// The tooltip window driven by relayed messages and its own timers: showing
// after the initial delay, fading, hiding, the tool lookup, link clicks and
// the hover repaint, and the window-information tip.
#include "tooltip/PPToolTip.h"

#include "afx/AfxRes.h"
#include "afx/ToolBar.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Runs the message loop until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000)
{
    const DWORD start = GetTickCount();
    for (;;)
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// What the owner's window received.
std::vector<std::string> g_links;
std::vector<UINT> g_notifyCodes;

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 1)
        g_links.push_back(reinterpret_cast<LPCTSTR>(wParam));
    if (message == WM_NOTIFY)
    {
        auto* notify = reinterpret_cast<ToolTipDisplayNotify*>(lParam);
        g_notifyCodes.push_back(notify->hdr.code);
        if (notify->ti->text == "replace me")
            notify->ti->text = "<b>replaced</b>";
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

// The tooltip with the mouse where the test says.
class TestTip : public CPPToolTip
{
public:
    CPoint cursor = CPoint(0, 0);

protected:
    CPoint GetCursorPoint() const override { return cursor; }
    // Other test programs on the same display take the activation at any
    // time, and losing it pops the tip; these tests drive the tip alone.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ACTIVATEAPP)
            return 0;
        return CPPToolTip::WindowProc(message, wParam, lParam);
    }
};

class ToolTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_links.clear();
        g_notifyCodes.clear();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TipTestOwner";
        RegisterClassA(&wc);
        m_hOwner = CreateWindowExA(0, "TipTestOwner", "Owner window", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(m_hOwner);
        m_hChild = CreateWindowExA(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, m_hOwner,
                                   reinterpret_cast<HMENU>(1234), wc.hInstance, nullptr);
        m_owner.Attach(m_hOwner);
        m_child.Attach(m_hChild);
        ASSERT_TRUE(m_tip.Create(&m_owner, TRUE));
        m_tip.SetDelayTime(PPTOOLTIP_TIME_INITIAL, 30);
        m_tip.SetDelayTime(PPTOOLTIP_TIME_AUTOPOP, 0);
        PumpUntil([] { return false; }, 20);
    }
    void TearDown() override
    {
        m_tip.DestroyWindow();
        m_child.Detach();
        m_owner.Detach();
        DestroyWindow(m_hOwner);
    }

    // A mouse move the owner pre-translates, with the cursor really there.
    void MoveTo(int x, int y)
    {
        m_tip.cursor = CPoint(x, y);
        MSG msg = {};
        msg.hwnd = m_hOwner;
        msg.message = WM_MOUSEMOVE;
        msg.pt = POINT{x, y};
        m_tip.RelayEvent(&msg);
    }
    bool Visible() { return IsWindowVisible(m_tip.GetSafeHwnd()) != FALSE; }

    HWND m_hOwner = nullptr;
    HWND m_hChild = nullptr;
    CWnd m_owner;
    CWnd m_child;
    TestTip m_tip;
};

TEST_F(ToolTipTest, ShowsAfterTheInitialDelayWhenTheCursorRests)
{
    m_tip.AddTool(&m_owner, "<b>Owner</b> tip");
    MoveTo(300, 300);
    EXPECT_EQ(CPPToolTip::STATE_HIDDEN, m_tip.GetState());   // waits for the show timer
    EXPECT_FALSE(Visible());
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetState() == CPPToolTip::STATE_SHOWN; }));
    EXPECT_TRUE(Visible());
    EXPECT_EQ(m_hOwner, m_tip.GetCurrentToolWindow());
    EXPECT_STREQ("<b>Owner</b> tip", (LPCTSTR)m_tip.GetCurrentTool().text);

    // The tip hangs above the cursor with its anchor's point on it.
    RECT rect;
    GetWindowRect(m_tip.GetSafeHwnd(), &rect);
    const POINT anchor = m_tip.GetAnchorPoint();
    EXPECT_EQ(300, rect.left + anchor.x);
    EXPECT_EQ(300, rect.top + anchor.y);
    EXPECT_EQ(static_cast<DWORD>(PPTOOLTIP_ANCHOR_BOTTOM), m_tip.GetUsedDirection());

    // Leaving every tool hides it at once (no fade-out time).
    MoveTo(50, 50);
    m_tip.RemoveAllTools();
    MoveTo(51, 50);
    EXPECT_EQ(CPPToolTip::STATE_HIDDEN, m_tip.GetState());
    EXPECT_FALSE(Visible());
}

TEST_F(ToolTipTest, AMoveBeforeTheShowTimerRestartsTheWait)
{
    m_tip.SetDelayTime(PPTOOLTIP_TIME_INITIAL, 150);
    m_tip.AddTool(&m_owner, "tip");
    MoveTo(300, 300);
    PumpUntil([] { return false; }, 100);
    MoveTo(301, 300);
    PumpUntil([] { return false; }, 100);
    // 200 ms after the first move, but only 100 since the last one.
    EXPECT_EQ(CPPToolTip::STATE_HIDDEN, m_tip.GetState());
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetState() == CPPToolTip::STATE_SHOWN; }));
}

TEST_F(ToolTipTest, FadesInAndOutByItsTimersAndAutoPops)
{
    m_tip.SetDelayTime(PPTOOLTIP_TIME_FADEIN, 10);
    m_tip.SetDelayTime(PPTOOLTIP_TIME_FADEOUT, 10);
    m_tip.SetDelayTime(PPTOOLTIP_TIME_AUTOPOP, 100);
    m_tip.AddTool(&m_owner, "fading");
    MoveTo(300, 300);
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetState() == CPPToolTip::STATE_FADING_IN; }));
    EXPECT_TRUE(Visible());
    std::vector<int> seen;
    ASSERT_TRUE(PumpUntil([&] {
        seen.push_back(m_tip.GetCurrentTransparency());
        return m_tip.GetState() == CPPToolTip::STATE_SHOWN;
    }));
    EXPECT_EQ(0, m_tip.GetCurrentTransparency());
    // Transparency only falls while fading in.
    for (size_t i = 1; i < seen.size(); ++i)
        EXPECT_LE(seen[i], seen[i - 1]);
    EXPECT_EQ(100, seen.front());

    // The auto-pop timer starts the fade-out, which ends hidden.
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetState() == CPPToolTip::STATE_HIDING; }));
    EXPECT_TRUE(Visible());
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetState() == CPPToolTip::STATE_HIDDEN; }));
    EXPECT_FALSE(Visible());
    EXPECT_EQ(100, m_tip.GetCurrentTransparency());
}

TEST_F(ToolTipTest, HidingMessagesPopTheTip)
{
    m_tip.AddTool(&m_owner, "tip");
    MoveTo(300, 300);
    ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
    MSG msg = {};
    msg.hwnd = m_hOwner;
    msg.message = WM_KEYDOWN;
    m_tip.RelayEvent(&msg);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(CPPToolTip::STATE_HIDDEN, m_tip.GetState());
}

TEST_F(ToolTipTest, ToolsAreFoundByWindowAndRectangle)
{
    const RECT right = {200, 0, 400, 300};
    m_tip.AddTool(&m_child, "child tip");
    m_tip.AddTool(&m_owner, "right half", &right);
    m_tip.AddTool(&m_owner, "right half again", &right);   // replaces the first

    MoveTo(100 + 20, 100 + 20);   // over the child
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetState() == CPPToolTip::STATE_SHOWN; }));
    EXPECT_EQ(m_hChild, m_tip.GetCurrentToolWindow());

    MoveTo(100 + 250, 100 + 150);
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetCurrentToolWindow() == m_hOwner && Visible(); }));
    EXPECT_STREQ("right half again", (LPCTSTR)m_tip.GetCurrentTool().text);

    // A disabled child is never the tool: its parent's tools are searched.
    EnableWindow(m_hChild, FALSE);
    const RECT left = {0, 0, 200, 300};
    m_tip.AddTool(&m_owner, "left half", &left);
    MoveTo(100 + 21, 100 + 20);
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetCurrentToolWindow() == m_hOwner && Visible() &&
                                       m_tip.GetCurrentTool().text == "left half"; }));

    // Without a tool under the cursor nothing shows.
    m_tip.RemoveTool(&m_owner, &left);
    MoveTo(100 + 22, 100 + 20);
    PumpUntil([] { return false; }, 100);
    EXPECT_FALSE(Visible());
}

TEST_F(ToolTipTest, NotifyWindowMayChangeTheTool)
{
    m_tip.SetNotify(m_hOwner);
    m_tip.AddTool(&m_owner, "replace me");
    MoveTo(300, 300);
    ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
    ASSERT_EQ(1u, g_notifyCodes.size());
    EXPECT_EQ(UDM_TOOLTIP_DISPLAY, g_notifyCodes[0]);
    EXPECT_STREQ("<b>replaced</b>", (LPCTSTR)m_tip.GetCurrentTool().text);
}

TEST_F(ToolTipTest, ClickOnAMessageLinkReachesTheOwnerAndHoverRepaints)
{
    m_tip.SetCallbackHyperlink(m_hOwner, WM_APP + 1);
    ToolInfo ti = {};
    ti.text = "Go <a msg=\"open-basket\">to the Basket</a> now";
    m_tip.ShowAtPoint(CPoint(300, 300), ti);
    ASSERT_TRUE(PumpUntil([&] { return Visible() && !m_tip.GetHtmlDrawer()->GetHotAreas().empty(); }));
    // Mouse moves do not disturb a tip shown at a point.
    MoveTo(10, 10);
    EXPECT_TRUE(Visible());

    const RECT link = m_tip.GetHtmlDrawer()->GetHotAreas()[0].rect;
    POINT pt = {(link.left + link.right) / 2, (link.top + link.bottom) / 2};
    ClientToScreen(m_tip.GetSafeHwnd(), &pt);

    // Hovering the link makes it the hot one; the drawer's repaint notice
    // comes back to the tip.
    m_tip.cursor = pt;
    m_tip.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_tip.GetSafeHwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(m_tip.GetHtmlDrawer()->GetHotAreas()[0].nID, m_tip.GetHtmlDrawer()->GetHotLink());

    MSG msg = {};
    msg.hwnd = m_tip.GetSafeHwnd();
    msg.message = WM_LBUTTONDOWN;
    msg.pt = pt;
    m_tip.RelayEvent(&msg);
    ASSERT_EQ(1u, g_links.size());
    EXPECT_EQ("open-basket", g_links[0]);
    EXPECT_FALSE(Visible());
}

TEST_F(ToolTipTest, WindowInformationOfAKnownWindow)
{
    SetWindowTextA(m_hOwner, "Owner-window-title-of-30-chars");
    const CString info = m_tip.BuildWindowInfo(CPoint(20, 20));
    const std::string text = (LPCTSTR)info;
    char handle[64];
    sprintf(handle, "Handle</td><td bgcolor=white>0x%08X</td>",
            static_cast<unsigned>(reinterpret_cast<UINT_PTR>(m_hChild)));
    EXPECT_NE(std::string::npos, text.find("<td bgcolor=buttonface>Class Name</td><td bgcolor=window>Static</td>"));
    EXPECT_NE(std::string::npos, text.find("Title</td><td bgcolor=white>child</td>"));
    EXPECT_NE(std::string::npos, text.find(handle));
    EXPECT_NE(std::string::npos, text.find("Control ID</td><td bgcolor=white>1234</td>"));
    EXPECT_NE(std::string::npos, text.find("RECT</td><td bgcolor=white>(110, 110)-(210, 160)</td>"));
    EXPECT_NE(std::string::npos, text.find("Width</td><td bgcolor=white>100</td>"));
    EXPECT_NE(std::string::npos, text.find("Height</td><td bgcolor=white>50</td>"));
    EXPECT_NE(std::string::npos, text.find("Has Tooltip</td><td bgcolor=white>No</td>"));
    EXPECT_NE(std::string::npos, text.find("Window Owner</font><table border=1><tr><td bgcolor=buttonface>Class "
                                           "Name</td><td bgcolor=white>TipTestOwner</td>"));
    EXPECT_NE(std::string::npos, text.find("Title</td><td bgcolor=white>Owner-window-title-of ...</td>"));
    EXPECT_NE(std::string::npos, text.find("X</td><td bgcolor=white>20</td></tr><tr><td bgcolor=buttonface>Y"
                                           "</td><td bgcolor=white>20</td></tr></table></td></tr></table>"));

    // The owner itself, outside the child: a window without a parent.
    m_tip.AddTool(&m_owner, "tip");
    const std::string top = (LPCTSTR)m_tip.BuildWindowInfo(CPoint(300, 200));
    EXPECT_NE(std::string::npos, top.find("Has Tooltip</td><td bgcolor=white>Yes</td>"));
    EXPECT_NE(std::string::npos, top.find("Class Name</td><td bgcolor=white>N/A</td>"));
    EXPECT_NE(std::string::npos, top.find("Title</td><td bgcolor=white>N/A</td>"));
    EXPECT_NE(std::string::npos, top.find("Handle</td><td bgcolor=white>0x00000000</td>"));

    // A disabled window is still described.
    EnableWindow(m_hChild, FALSE);
    EXPECT_NE(std::string::npos, std::string((LPCTSTR)m_tip.BuildWindowInfo(CPoint(20, 20))).find("1234"));
}

TEST_F(ToolTipTest, DebugModeShowsTheWindowInformation)
{
    m_tip.SetDebugMode(TRUE);
    MoveTo(100 + 20, 100 + 20);
    ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
    EXPECT_NE(-1, m_tip.GetCurrentTool().text.Find("Control ID</td><td bgcolor=white>1234"));
}

TEST(ToolTipText, InfoTextIsMadeSafeAndShort)
{
    EXPECT_STREQ("a?b?", (LPCTSTR)CPPToolTip::MakeInfoText("a<b<"));
    EXPECT_STREQ("0123456789012345678901234", (LPCTSTR)CPPToolTip::MakeInfoText("0123456789012345678901234"));
    EXPECT_STREQ("012345678901234567890 ...", (LPCTSTR)CPPToolTip::MakeInfoText("01234567890123456789012345"));
}

// Sizes of a balloon tip.
const int kBalloon[PPTTSZ_MAX_SIZES] = {16, 16, 12, 12, 12, 16, 16, 0, 0};
const RECT kScreen = {0, 0, 1000, 800};

DWORD Place(DWORD direction, POINT pt, int width, int height, RECT* window = nullptr, POINT* anchor = nullptr)
{
    RECT body = {0, 0, width, height};
    RECT text = {12, 12, width - 12, height - 12};
    RECT w;
    POINT a;
    const DWORD used = CPPToolTip::CalcTipPlacement(direction, pt, kScreen, kBalloon, body, text, w, a);
    if (window)
        *window = w;
    if (anchor)
        *anchor = a;
    return used;
}

TEST(ToolTipPlacement, FlipsAtTheScreenEdgesWithStrictTests)
{
    // 100 px left of the right edge: 150 - 16 = 134 does not fit, 116 - 16 = 100 does.
    EXPECT_EQ(17u, Place(16, POINT{900, 400}, 150, 50));
    EXPECT_EQ(16u, Place(16, POINT{900, 400}, 116, 50));
    // Above the point unless the tip would leave the top.
    EXPECT_EQ(0u, Place(16, POINT{500, 30}, 100, 50));
    EXPECT_EQ(16u, Place(0, POINT{500, 790}, 100, 50));
    // Side anchors change side, and move along the edge near the bottom.
    EXPECT_EQ(48u, Place(32, POINT{950, 400}, 100, 50));
    EXPECT_EQ(33u, Place(32, POINT{500, 780}, 100, 50));
    EXPECT_EQ(34u, Place(34, POINT{500, 795}, 100, 50));

    RECT window;
    POINT anchor;
    Place(16, POINT{500, 400}, 100, 50, &window, &anchor);
    EXPECT_EQ(0, window.left);
    EXPECT_EQ(100, window.right);
    EXPECT_EQ(66, window.bottom);   // the body and the anchor below it
    EXPECT_EQ(16, anchor.x);
    EXPECT_EQ(66, anchor.y);

    // Near the left edge the window's left lands on the screen's left.
    Place(16, POINT{5, 400}, 100, 50, &window, &anchor);
    EXPECT_EQ(5, anchor.x);
}

TEST(ToolTipPlacement, TopAndLeftAnchorsMoveTheBodyPastTheStrip)
{
    RECT body = {0, 0, 100, 50};
    RECT text = {12, 12, 88, 38};
    RECT window;
    POINT anchor;
    EXPECT_EQ(2u, CPPToolTip::CalcTipPlacement(2, POINT{500, 100}, kScreen, kBalloon, body, text, window, anchor));
    EXPECT_EQ(16, body.top);
    EXPECT_EQ(28, text.top);
    EXPECT_EQ(50, anchor.x);
    EXPECT_EQ(0, anchor.y);

    body = RECT{0, 0, 100, 50};
    text = RECT{12, 12, 88, 38};
    EXPECT_EQ(34u, CPPToolTip::CalcTipPlacement(34, POINT{100, 400}, kScreen, kBalloon, body, text, window, anchor));
    EXPECT_EQ(16, body.left);
    EXPECT_EQ(116, window.right);
    EXPECT_EQ(0, anchor.x);
    EXPECT_EQ(25, anchor.y);
}

}  // namespace

namespace {
CString IconHandleTable(HICON icon, const char* text)
{
    CString expected;
    expected.Format("<table><tr><td><icon handle=0x%X></td><td>%s</td></tr></table>",
                    static_cast<unsigned>(reinterpret_cast<UINT_PTR>(icon)), text);
    return expected;
}
} // namespace

TEST_F(ToolTipTest, ToolTextsFromIconsAndStringResources)
{
    // Four tools side by side in the owner (owner client = screen - (100, 100)).
    const RECT first = {0, 0, 100, 300}, second = {100, 0, 200, 300}, third = {200, 0, 300, 300},
               fourth = {300, 0, 400, 300};
    HICON icon = LoadIconA(nullptr, IDI_INFORMATION);
    m_tip.AddTool(&m_owner, "with icon", icon, &first);
    m_tip.AddTool(&m_owner, IDS_LOG_SAVE, &second);
    m_tip.AddTool(&m_owner, "with resource icon", IDI_OK, CSize(16, 16), &third);
    m_tip.AddTool(&m_owner, IDS_LOG_TITLE, icon, &fourth);

    auto textAt = [&](int x) {
        MoveTo(100 + x, 100 + 150);
        PumpUntil([&] { return Visible() && m_tip.GetCurrentToolWindow() == m_hOwner &&
                               m_tip.GetCurrentTool().rectBounds.left <= x && x < m_tip.GetCurrentTool().rectBounds.right; });
        return m_tip.GetCurrentTool().text;
    };
    EXPECT_EQ(IconHandleTable(icon, "with icon"), textAt(50));
    EXPECT_EQ("Save Trace Log", textAt(150));
    EXPECT_EQ("<table><tr><td><icon idres=161 width=16 height=16></td><td>with resource icon</td></tr></table>",
              textAt(250));
    EXPECT_EQ(IconHandleTable(icon, "Trace Log"), textAt(350));

    // A null icon still makes the table; a string id without a string shows nothing.
    m_tip.AddTool(&m_owner, "no icon", static_cast<HICON>(nullptr), &first);
    EXPECT_EQ(IconHandleTable(nullptr, "no icon"), textAt(51));
    m_tip.RemoveAllTools();
    m_tip.AddTool(&m_owner, 0xFFF0u, &second);
    MoveTo(100 + 160, 100 + 150);
    PumpUntil([] { return false; }, 150);
    EXPECT_FALSE(Visible());
}

TEST_F(ToolTipTest, AHelpTipShowsAtItsPointAndStaysThroughMouseMoves)
{
    m_tip.ShowHelpTooltip(CPoint(150, 150), "plain help");
    ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
    EXPECT_EQ("plain help", m_tip.GetCurrentTool().text);
    MoveTo(300, 320);
    PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(Visible());

    HICON icon = LoadIconA(nullptr, IDI_WARNING);
    m_tip.ShowHelpTooltip(CPoint(150, 150), IDS_LOG_TITLE, icon);
    ASSERT_TRUE(PumpUntil([&] { return m_tip.GetCurrentTool().text == IconHandleTable(icon, "Trace Log"); }));
    m_tip.ShowHelpTooltip(CPoint(150, 150), "iconic", IDI_OK, CSize(32, 32));
    ASSERT_TRUE(PumpUntil([&] {
        return m_tip.GetCurrentTool().text ==
               "<table><tr><td><icon idres=161 width=32 height=32></td><td>iconic</td></tr></table>";
    }));
    m_tip.ShowHelpTooltip(CPoint(150, 150), IDS_LOG_SAVE, IDI_OK, CSize(16, 16));
    ASSERT_TRUE(PumpUntil([&] {
        return m_tip.GetCurrentTool().text ==
               "<table><tr><td><icon idres=161 width=16 height=16></td><td>Save Trace Log</td></tr></table>";
    }));
    m_tip.HideTip();
    ASSERT_TRUE(PumpUntil([&] { return !Visible(); }));
}

TEST_F(ToolTipTest, ToolbarButtonsAreToolsWithTheSecondLineOfTheirString)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_owner, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS));
    const UINT buttons[] = {ID_APP_ABOUT, ID_APP_EXIT};
    ASSERT_TRUE(bar.SetButtons(buttons, 2));
    bar.SetWindowPos(nullptr, 0, 150, 300, 30, SWP_NOZORDER);
    m_tip.AddToolBar(&bar);
    m_tip.AddToolBar(&bar);   // once only
    EXPECT_FALSE(bar.GetBarStyle() & CBRS_TOOLTIPS);   // the bar's own tips go off

    CRect exitButton;
    bar.GetItemRect(1, &exitButton);
    bar.ClientToScreen(&exitButton);
    MoveTo(exitButton.CenterPoint().x, exitButton.CenterPoint().y);
    ASSERT_TRUE(PumpUntil([&] { return Visible() && m_tip.GetCurrentToolWindow() == bar.GetSafeHwnd(); }));
    EXPECT_EQ("Exit", m_tip.GetCurrentTool().text);
    EXPECT_EQ(UINT(ID_APP_EXIT), m_tip.GetCurrentTool().toolId);
    m_tip.RemoveAllTools();
    bar.DestroyWindow();
}

namespace {
// Asks for the menu tip while the popup menu is open, then closes the menu.
CPPToolTip* g_menuTip = nullptr;
HMENU g_menu = nullptr;
bool g_menuWasShown = false;
CString g_menuTipText;
void CALLBACK AskMenuTip(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_menuTip->ShowMenuTip(ID_APP_ABOUT, MF_STRING, g_menu);
    for (int i = 0; i < 100 && g_menuTip->GetState() != CPPToolTip::STATE_SHOWN; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
    g_menuWasShown = g_menuTip->GetState() == CPPToolTip::STATE_SHOWN;
    g_menuTipText = g_menuTip->GetCurrentTool().text;
    EndMenu();
}
} // namespace

TEST_F(ToolTipTest, AMenuItemsTipIsTheFirstLineOfItsString)
{
    // No menu window open: the tip pops; a popup or the menu's close pops too.
    m_tip.ShowMenuTip(ID_APP_ABOUT, MF_STRING, GetSubMenu(GetMenu(m_hOwner), 0));
    m_tip.ShowMenuTip(ID_APP_ABOUT, 0xFFFF, nullptr);
    EXPECT_FALSE(Visible());

    g_menu = CreatePopupMenu();
    AppendMenuA(g_menu, MF_STRING, ID_APP_EXIT, "Exit");
    AppendMenuA(g_menu, MF_STRING, ID_APP_ABOUT, "About");
    g_menuTip = &m_tip;
    g_menuWasShown = false;
    SetTimer(nullptr, 0, 100, AskMenuTip);
    SetForegroundWindow(m_hOwner);
    TrackPopupMenu(g_menu, TPM_LEFTALIGN, 150, 150, 0, m_hOwner, nullptr);
    DestroyMenu(g_menu);
    EXPECT_TRUE(g_menuWasShown);
    EXPECT_EQ("Display program information", g_menuTipText);
}
