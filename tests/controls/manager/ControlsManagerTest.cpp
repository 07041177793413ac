// The stand-alone layout manager on a plain window: controls follow their
// positions (bytes left, right, top, bottom), invalid positions are refused,
// the size is bounded, the grip goes with the controls, and the placement
// goes to the profile and back.
#include "controls/layout/DynamicControlsManager.h"

#include "controls/misc/ControlsProfile.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace {

using Manager = cdxCDynamicControlsManager;
using Pos = Manager::ControlPosition;

TEST(ControlPosition, EdgesFollowTheirShareTruncatedTowardZero)
{
    const CRect start(10, 20, 110, 70);
    // Bytes are left, right, top, bottom.
    EXPECT_EQ(CRect(10, 20, 150, 70), Pos(0, 100, 0, 0).Apply(start, CSize(40, 30)));
    EXPECT_EQ(CRect(10, 50, 110, 100), Pos(0, 0, 100, 100).Apply(start, CSize(40, 30)));
    EXPECT_EQ(CRect(11, 20, 111, 70), Pos(50, 50, 0, 0).Apply(start, CSize(3, 0)));
    EXPECT_EQ(CRect(9, 20, 109, 70), Pos(50, 50, 0, 0).Apply(start, CSize(-3, 0)));
    // No parking: a control squeezed to nothing stays where the rule puts it.
    EXPECT_EQ(CRect(10, 20, 10, 70), Pos(0, 100, 0, 0).Apply(start, CSize(-100, 0)));

    const Pos moves = Pos::FromModes(Manager::ModeMove, Manager::ModeStretch);
    EXPECT_EQ(100, moves.pct[Pos::Left]);
    EXPECT_EQ(100, moves.pct[Pos::Right]);
    EXPECT_EQ(0, moves.pct[Pos::Top]);
    EXPECT_EQ(100, moves.pct[Pos::Bottom]);

    EXPECT_TRUE(Pos(0, 100, 50, 50).IsValid());
    EXPECT_FALSE(Pos(60, 40, 0, 0).IsValid());
    EXPECT_FALSE(Pos(0, 0, 100, 0).IsValid());
    EXPECT_FALSE(Pos(0, 101, 0, 0).IsValid());
}

TEST(ControlPosition, LayoutBelowTheMinimumKeepsTheMinimum)
{
    const Manager::ControlData data(CRect(10, 10, 60, 30), Pos(0, 100, 0, 100));
    EXPECT_EQ(CRect(10, 10, 60, 30), Manager::CalcControlRect(data, CSize(250, 150), CSize(300, 200), CSize(300, 200), CPoint()));
    EXPECT_EQ(CRect(5, 3, 70, 28), Manager::CalcControlRect(data, CSize(315, 205), CSize(300, 200), CSize(300, 200), CPoint(5, 7)));
}

class ManagerWindowTest : public ::testing::Test
{
protected:
    enum { IDC_LIST = 100, IDC_BUTTON = 101, IDC_LABEL = 102 };

    void SetUp() override
    {
        static ATOM atom = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = ::DefWindowProcA;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "LexifernManagerTest";
            return ::RegisterClassA(&wc);
        }();
        ASSERT_NE(0, atom);
        CRect rc(0, 0, 300, 200);
        ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
        m_wnd.m_hWnd = Make(WS_OVERLAPPEDWINDOW, nullptr, 40, 30, rc.Width(), rc.Height(), 0);
        m_list.m_hWnd = Make(WS_CHILD | WS_VISIBLE, m_wnd.m_hWnd, 10, 10, 200, 150, IDC_LIST);
        m_button.m_hWnd = Make(WS_CHILD | WS_VISIBLE, m_wnd.m_hWnd, 220, 170, 70, 20, IDC_BUTTON);
        m_label.m_hWnd = Make(WS_CHILD | WS_VISIBLE, m_wnd.m_hWnd, 220, 10, 60, 20, IDC_LABEL);
        m_profile.DeleteAll();
        ControlsSetProfile(&m_profile);
    }
    void TearDown() override
    {
        ControlsSetProfile(nullptr);
        m_profile.DeleteAll();
        ::DestroyWindow(m_wnd.m_hWnd);
        m_wnd.m_hWnd = m_list.m_hWnd = m_button.m_hWnd = m_label.m_hWnd = nullptr;
    }

    static HWND Make(DWORD style, HWND hParent, int x, int y, int cx, int cy, UINT id)
    {
        return ::CreateWindowExA(0, "LexifernManagerTest", "", style, x, y, cx, cy, hParent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    }
    // Resizes the client area and forwards WM_SIZE as the window class would.
    void ResizeClient(Manager& mgr, int cx, int cy)
    {
        CRect rc(0, 0, cx, cy);
        ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
        ::SetWindowPos(m_wnd.m_hWnd, nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
        mgr.DoOnSize(SIZE_RESTORED, cx, cy);
    }
    static CRect ChildRect(const CWnd& child)
    {
        CRect rc;
        ::GetWindowRect(child.m_hWnd, &rc);
        ::MapWindowPoints(nullptr, ::GetParent(child.m_hWnd), reinterpret_cast<LPPOINT>(&rc), 2);
        return rc;
    }
    CSize Client() const
    {
        CRect rc;
        ::GetClientRect(m_wnd.m_hWnd, &rc);
        return rc.Size();
    }

    CWnd m_wnd, m_list, m_button, m_label;
    CRegistryControlsProfile m_profile{HKEY_CURRENT_USER, "Software\\LexifernTests\\ControlsManager"};
};

TEST_F(ManagerWindowTest, ControlsFollowTheWindowAndTheGripGoesWithThem)
{
    Manager mgr;
    mgr.DoInitWindow(m_wnd, Manager::FreedomBoth, true);
    CWnd* grip = CWnd::FromHandlePermanent(::GetDlgItem(m_wnd.m_hWnd, Manager::DefaultSizeGripId));
    ASSERT_NE(nullptr, grip);
    EXPECT_TRUE(mgr.AddSzControl(m_list, Manager::ModeStretch, Manager::ModeStretch));
    EXPECT_TRUE(mgr.AddSzControl(m_button, Manager::ModeMove, Manager::ModeMove));
    EXPECT_TRUE(mgr.AddSzControlEx(m_label, 50, 50, 0, 0));
    EXPECT_FALSE(mgr.AddSzControlEx(m_label, 80, 20, 0, 0));   // out of order: refused, the old entry stays
    EXPECT_EQ(4, mgr.GetCtrlCount());

    ResizeClient(mgr, 341, 230);
    EXPECT_EQ(CRect(10, 10, 251, 190), ChildRect(m_list));
    EXPECT_EQ(CRect(261, 200, 331, 220), ChildRect(m_button));
    EXPECT_EQ(CRect(240, 10, 300, 30), ChildRect(m_label));
    EXPECT_EQ(CPoint(341, 230), ChildRect(*grip).BottomRight());

    mgr.HideSizeIcon();
    EXPECT_FALSE(grip->GetStyle() & WS_VISIBLE);
    mgr.ShowSizeIcon();
    EXPECT_TRUE(grip->GetStyle() & WS_VISIBLE);

    // Disabled, nothing moves; a removed control stays where it is.
    mgr.Enable(false);
    ResizeClient(mgr, 360, 240);
    EXPECT_EQ(CRect(10, 10, 251, 190), ChildRect(m_list));
    mgr.Enable(true);
    EXPECT_TRUE(mgr.RemSzControl(m_button));
    EXPECT_FALSE(mgr.RemSzControl(m_button));
    mgr.ReorganizeControls();
    EXPECT_EQ(CRect(10, 10, 270, 200), ChildRect(m_list));
    EXPECT_EQ(CRect(261, 200, 331, 220), ChildRect(m_button));

    HWND hGrip = grip->m_hWnd;
    mgr.RemoveAllControls();
    EXPECT_EQ(0, mgr.GetCtrlCount());
    EXPECT_FALSE(mgr.HasSizeIcon());
    EXPECT_FALSE(::IsWindow(hGrip));
}

TEST_F(ManagerWindowTest, SizeIsBoundedByMinimumAndMaximum)
{
    Manager mgr;
    mgr.DoInitWindow(m_wnd, Manager::FreedomHorizontal);
    CRect rcWnd;
    ::GetWindowRect(m_wnd.m_hWnd, &rcWnd);
    const CSize border = rcWnd.Size() - Client();

    MINMAXINFO mmi = {};
    mmi.ptMaxTrackSize.x = mmi.ptMaxTrackSize.y = 5000;
    mgr.DoOnGetMinMaxInfo(&mmi);
    EXPECT_EQ(300 + border.cx, mmi.ptMinTrackSize.x);
    EXPECT_EQ(5000, mmi.ptMaxTrackSize.x);                     // no maximum: left as proposed
    EXPECT_EQ(200 + border.cy, mmi.ptMaxTrackSize.y);          // not free vertically: fixed

    EXPECT_FALSE(mgr.SetMinMaxSize(CSize(320, 100), CSize(310, 0)));
    EXPECT_EQ(CSize(300, 200), mgr.GetMinSize());
    EXPECT_TRUE(mgr.SetMinMaxSize(CSize(320, 100), CSize(400, 0), true));
    EXPECT_EQ(CSize(320, 200), Client());                      // grown into the bounds at once
    mgr.DoOnGetMinMaxInfo(&mmi);
    EXPECT_EQ(400 + border.cx, mmi.ptMaxTrackSize.x);
}

TEST_F(ManagerWindowTest, PlacementGoesToTheProfileAndBack)
{
    Manager mgr;
    mgr.DoInitWindow(m_wnd);
    const char section[] = "WindowPositions\\Manager";
    EXPECT_FALSE(mgr.RestoreWindowPosition(section));          // nothing valid stored
    ::MoveWindow(m_wnd.m_hWnd, 50, 60, 400, 300, FALSE);
    EXPECT_TRUE(mgr.StoreWindowPosition(section));
    EXPECT_EQ(1, m_profile.GetProfileInt(section, "(valid)", 0));
    EXPECT_EQ(450, m_profile.GetProfileInt(section, "Right", 0));
    EXPECT_EQ(0, m_profile.GetProfileInt(section, "Visibility", -1));

    ::MoveWindow(m_wnd.m_hWnd, 0, 0, 200, 100, FALSE);
    EXPECT_TRUE(mgr.RestoreWindowPosition(section));
    CRect rc;
    ::GetWindowRect(m_wnd.m_hWnd, &rc);
    EXPECT_EQ(CRect(50, 60, 450, 360), rc);

    EXPECT_TRUE(mgr.StretchWindow(CSize(10, 5)));
    ::GetWindowRect(m_wnd.m_hWnd, &rc);
    EXPECT_EQ(CRect(45, 58, 455, 363), rc);
}

} // namespace
