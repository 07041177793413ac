// The layout on real windows: children move by their map entries, the grip
// sits in the corner, and the placement goes to "WindowPositions" and back.
#include "controls/layout/DynamicWndEx.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace {

CSize ClientSize(const CWnd& wnd)
{
    CRect rc;
    ::GetClientRect(wnd.m_hWnd, &rc);
    return rc.Size();
}

const char kTestKey[] = "Software\\LexifernTests\\ControlsLayout";

HWND MakeWindow(DWORD style, HWND hParent, int x, int y, int cx, int cy, UINT id = 0)
{
    static ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "LexifernLayoutTest";
        wc.style = CS_HREDRAW | CS_VREDRAW;
        return ::RegisterClassA(&wc);
    }();
    EXPECT_NE(0, atom);
    return ::CreateWindowExA(0, "LexifernLayoutTest", "", style, x, y, cx, cy, hParent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
}

CRect ChildRect(HWND hChild)
{
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hChild), reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}

class TestLayout : public cdxCDynamicWndEx
{
public:
    TestLayout(UINT flags) : cdxCDynamicWndEx(FreedomBoth, flags) {}
    DECLARE_DYNAMIC_MAP()
};

enum { IDC_LIST = 100, IDC_BUTTON = 101, IDC_LABEL = 102, IDC_MISSING = 103 };

BEGIN_DYNAMIC_MAP(TestLayout, cdxCDynamicWndEx)
    DYNAMIC_MAP_ENTRY(IDC_MISSING, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDC_LIST, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(IDC_BUTTON, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDC_LABEL, ModeHalf, ModeFixed)
END_DYNAMIC_MAP()

class LayoutWindowTest : public ::testing::Test
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

    // A top-level window with a client area of exactly 300 x 200 and three children.
    HWND MakeDialog(CWnd& wnd)
    {
        CRect rc(0, 0, 300, 200);
        ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
        wnd.m_hWnd = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr, 40, 30, rc.Width(), rc.Height());
        MakeWindow(WS_CHILD | WS_VISIBLE, wnd.m_hWnd, 10, 10, 200, 150, IDC_LIST);
        MakeWindow(WS_CHILD | WS_VISIBLE, wnd.m_hWnd, 220, 170, 70, 20, IDC_BUTTON);
        MakeWindow(WS_CHILD | WS_VISIBLE, wnd.m_hWnd, 220, 10, 60, 20, IDC_LABEL);
        return wnd.m_hWnd;
    }

    static void ResizeClient(HWND hWnd, int cx, int cy)
    {
        CRect rc(0, 0, cx, cy);
        ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
        ::SetWindowPos(hWnd, nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
    }

    CRegistryControlsProfile m_profile{HKEY_CURRENT_USER, kTestKey};
};

TEST_F(LayoutWindowTest, ChildrenFollowTheirModesAndTheGripTheCorner)
{
    CWnd wnd;
    HWND hWnd = MakeDialog(wnd);
    TestLayout layout(cdxCDynamicWnd::FlagSizeGrip);
    layout.AttachLayout(&wnd, ClientSize(wnd));
    EXPECT_EQ(4, layout.GetCtrlCount());   // three children and the grip

    HWND hGrip = ::GetDlgItem(hWnd, cdxCDynamicWnd::DefaultSizeGripId);
    ASSERT_NE(nullptr, hGrip);
    EXPECT_TRUE(::GetWindowLongA(hGrip, GWL_STYLE) & WS_VISIBLE);
    CRect rcGrip = ChildRect(hGrip);
    EXPECT_EQ(300, rcGrip.right);
    EXPECT_EQ(200, rcGrip.bottom);

    ResizeClient(hWnd, 340, 230);
    layout.OnSize(SIZE_RESTORED, 340, 230);
    EXPECT_EQ(CRect(10, 10, 250, 190), ChildRect(::GetDlgItem(hWnd, IDC_LIST)));
    EXPECT_EQ(CRect(260, 200, 330, 220), ChildRect(::GetDlgItem(hWnd, IDC_BUTTON)));
    EXPECT_EQ(CRect(240, 10, 300, 30), ChildRect(::GetDlgItem(hWnd, IDC_LABEL)));
    EXPECT_EQ(340, ChildRect(hGrip).right);
    EXPECT_EQ(230, ChildRect(hGrip).bottom);

    // The minimum tracking size is the starting size.
    MINMAXINFO mmi = {};
    layout.OnGetMinMaxInfo(&mmi);
    CRect rcWnd(0, 0, 300, 200);
    ::AdjustWindowRectEx(&rcWnd, WS_OVERLAPPEDWINDOW, FALSE, 0);
    EXPECT_EQ(rcWnd.Width(), mmi.ptMinTrackSize.x);
    EXPECT_EQ(rcWnd.Height(), mmi.ptMinTrackSize.y);

    // A destroyed child leaves the map.
    HWND hLabel = ::GetDlgItem(hWnd, IDC_LABEL);
    ::DestroyWindow(hLabel);
    layout.OnParentNotify(WM_DESTROY, reinterpret_cast<LPARAM>(hLabel));
    EXPECT_FALSE(layout.HasControl(hLabel));

    layout.DoOnDestroy();
    EXPECT_FALSE(::IsWindow(hGrip));
    EXPECT_EQ(0, layout.GetCtrlCount());
    ::DestroyWindow(hWnd);
}

TEST_F(LayoutWindowTest, PlacementIsStoredAndRestored)
{
    const CString section = "WindowPositions\\ID=0x00000abc";
    {
        CWnd wnd;
        HWND hWnd = MakeDialog(wnd);
        TestLayout layout(0);
        layout.ActivateAutoPos(0xABCu);
        layout.AttachLayout(&wnd, ClientSize(wnd));
        ::MoveWindow(hWnd, 111, 122, 420, 310, FALSE);
        layout.DoOnDestroy();
        ::DestroyWindow(hWnd);
    }
    EXPECT_EQ(1, m_profile.GetProfileInt(section, "(valid)", -5));
    EXPECT_EQ(111, m_profile.GetProfileInt(section, "Left", -5));
    EXPECT_EQ(531, m_profile.GetProfileInt(section, "Right", -5));
    EXPECT_EQ(122, m_profile.GetProfileInt(section, "Top", -5));
    EXPECT_EQ(432, m_profile.GetProfileInt(section, "Bottom", -5));
    EXPECT_EQ(0, m_profile.GetProfileInt(section, "Visibility", -5));
    EXPECT_EQ(-1, m_profile.GetProfileInt(section, "State", -5));

    // Reopening puts the window back, and its children follow the new size.
    CWnd wnd;
    HWND hWnd = MakeDialog(wnd);
    TestLayout layout(0);
    layout.ActivateAutoPos(0xABCu);
    layout.AttachLayout(&wnd, ClientSize(wnd));
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    EXPECT_EQ(CRect(111, 122, 531, 432), rc);
    CRect rcClient;
    ::GetClientRect(hWnd, &rcClient);
    EXPECT_EQ(CRect(220 + rcClient.Width() - 300, 170 + rcClient.Height() - 200, 290 + rcClient.Width() - 300, 190 + rcClient.Height() - 200),
              ChildRect(::GetDlgItem(hWnd, IDC_BUTTON)));
    layout.NoAutoPos();
    layout.DoOnDestroy();
    ::DestroyWindow(hWnd);
}

TEST_F(LayoutWindowTest, ReversedSidesAreSwappedAndInvalidEntryCentres)
{
    const CString section = "WindowPositions\\ID=0x00000abd";
    m_profile.WriteProfileInt(section, "(valid)", 1);
    m_profile.WriteProfileInt(section, "Left", 500);
    m_profile.WriteProfileInt(section, "Right", 100);
    m_profile.WriteProfileInt(section, "Top", 300);
    m_profile.WriteProfileInt(section, "Bottom", 50);
    {
        CWnd wnd;
        HWND hWnd = MakeDialog(wnd);
        TestLayout layout(0);
        layout.ActivateAutoPos(0xABDu);
        layout.AttachLayout(&wnd, ClientSize(wnd));
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        EXPECT_EQ(CRect(100, 50, 500, 300), rc);
        layout.NoAutoPos();
        layout.DoOnDestroy();
        ::DestroyWindow(hWnd);
    }

    // A half-written entry is not used: the window is centred at its design size.
    m_profile.WriteProfileInt(section, "(valid)", 0);
    CWnd wnd;
    HWND hWnd = MakeDialog(wnd);
    CRect rcBefore;
    ::GetWindowRect(hWnd, &rcBefore);
    TestLayout layout(0);
    layout.ActivateAutoPos(0xABDu);
    layout.AttachLayout(&wnd, ClientSize(wnd));
    CRect rc, rcWork;
    ::GetWindowRect(hWnd, &rc);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_EQ(rcBefore.Size(), rc.Size());
    EXPECT_EQ(rcWork.left + (rcWork.Width() - rc.Width()) / 2, rc.left);
    EXPECT_EQ(rcWork.top + (rcWork.Height() - rc.Height()) / 2, rc.top);
    layout.NoAutoPos();
    layout.DoOnDestroy();
    ::DestroyWindow(hWnd);
}

// A stored place off every screen comes back into the nearest work area; a
// stored size below the layout's minimum gives the design size.
TEST_F(LayoutWindowTest, StoredPlacesOffScreenOrTooSmallAreMended)
{
    const CString section = "WindowPositions\\ID=0x00000abe";
    CRect work;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    struct Stored
    {
        int left, top, right, bottom;
    };
    for (const Stored& stored : { Stored{ 50000, 50000, 50420, 50310 }, Stored{ -50000, -50000, -49580, -49690 },
                                  Stored{ 100, 60, 120, 70 }, Stored{ 50000, -50000, 50010, -49990 } }) {
        m_profile.WriteProfileInt(section, "(valid)", 1);
        m_profile.WriteProfileInt(section, "Left", stored.left);
        m_profile.WriteProfileInt(section, "Top", stored.top);
        m_profile.WriteProfileInt(section, "Right", stored.right);
        m_profile.WriteProfileInt(section, "Bottom", stored.bottom);
        CWnd wnd;
        HWND hWnd = MakeDialog(wnd);
        CRect design;
        ::GetWindowRect(hWnd, &design);
        TestLayout layout(0);
        layout.ActivateAutoPos(0xABEu);
        layout.AttachLayout(&wnd, ClientSize(wnd));
        CRect rc, common;
        ::GetWindowRect(hWnd, &rc);
        const bool usableSize = stored.right - stored.left >= design.Width();
        EXPECT_EQ(usableSize ? CSize(420, 310) : design.Size(), rc.Size()) << stored.left << "," << stored.top;
        EXPECT_TRUE(common.IntersectRect(&rc, &work)) << stored.left << "," << stored.top;
        if (stored.left == 100) {
            EXPECT_EQ(CPoint(100, 60), rc.TopLeft());
        }
        layout.NoAutoPos();
        layout.DoOnDestroy();
        ::DestroyWindow(hWnd);
    }
}

TEST_F(LayoutWindowTest, NothingIsStoredWithoutEntryNameOrRegistryKey)
{
    EXPECT_EQ("", cdxCDynamicWndEx::MakeSection("WindowPositions", "") .Right(0));
    EXPECT_EQ("WindowPositions\\ID=0x00000001", cdxCDynamicWndEx::MakeSection("WindowPositions\\", "ID=0x00000001"));
    EXPECT_EQ("ID=0x0000ea20", cdxCDynamicWndEx::MakeEntryName(0xEA20));

    CRegistryControlsProfile noKey(HKEY_CURRENT_USER, "");
    ControlsSetProfile(&noKey);
    CWnd wnd;
    HWND hWnd = MakeDialog(wnd);
    TestLayout layout(0);
    layout.ActivateAutoPos(0xABEu);
    layout.AttachLayout(&wnd, ClientSize(wnd));
    EXPECT_FALSE(layout.SavePlacement(layout.GetAutoPosSection()));
    layout.DoOnDestroy();
    ::DestroyWindow(hWnd);
    ControlsSetProfile(&m_profile);
    EXPECT_EQ(-5, m_profile.GetProfileInt("WindowPositions\\ID=0x00000abe", "(valid)", -5));
}

} // namespace
