// The background painter and its organizer: image layout, the erase
// handling of a moved window, wallpaper files and the profile, which windows
// the organizer serves, and its hooks on this thread.
#include "toolkit/lists/painters/OXBackgroundPainterOrganizer.h"

#include "afx/ControlBar.h"
#include "afx/DC.h"
#include "afx/MDIFrameWnd.h"
#include "afx/TabCtrl.h"
#include "afx/ToolBar.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
CWinApp theApp;

const char Section[] = "BackgroundPainterTest";

// A control bar that says it is a dock bar, as the docking layer's are.
class CTestDockBar : public CControlBar
{
public:
    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rect, pParent, nID);
    }
    BOOL IsDockBar() const override { return TRUE; }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

class CPlainBar : public CControlBar
{
public:
    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rect, pParent, nID);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

class BackgroundPainterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        theApp.SetRegistryKey("LexifernTests");
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 350)));
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        if (HKEY key = theApp.GetAppRegistryKey()) {
            ::RegDeleteKeyA(key, Section);
            ::RegCloseKey(key);
        }
    }

    static CString TempBitmap(const char* name, int cx, int cy)
    {
        char dir[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, dir);
        CString path = CString(dir) + name;
        COXDIB dib;
        EXPECT_TRUE(dib.Create(24, cx, cy));
        EXPECT_TRUE(dib.WriteToFile(path));
        return path;
    }

    // The painter's erase into a white 32-bit memory DC: whether it painted.
    static COLORREF Erase(CWnd& wnd)
    {
        CClientDC client(&wnd);
        CDC dc;
        dc.CreateCompatibleDC(&client);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&client, 4, 4);
        CBitmap* old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 4, 4, RGB(255, 255, 255));
        EXPECT_EQ(1, wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())));
        const COLORREF pixel = dc.GetPixel(1, 1);
        dc.SelectObject(old);
        return pixel;
    }

    CTestFrame parent;
};
} // namespace

TEST(BackgroundLayoutTest, TilesStartAtTheOffsetRemainderAndCoverTheArea)
{
    const std::vector<CRect> tiles = OXBackgroundLayout(Tile, CPoint(-25, -7), CSize(25, 20), CSize(10, 10),
                                                        CSize(100, 100));
    ASSERT_EQ(9u, tiles.size());
    EXPECT_EQ(CRect(-5, -7, 5, 3), tiles[0]);
    EXPECT_EQ(CRect(-5, 3, 5, 13), tiles[1]);   // rows inside columns
    EXPECT_EQ(CRect(15, 13, 25, 23), tiles[8]);
    // A positive offset stays as it is.
    EXPECT_EQ(CPoint(3, 4), OXBackgroundLayout(Tile, CPoint(3, 4), CSize(25, 20), CSize(10, 10), CSize()).front()
                                .TopLeft());
}

TEST(BackgroundLayoutTest, SingleImagesSitInTheOriginArea)
{
    const CPoint off(5, 6);
    const CSize area(200, 100), image(20, 10), origin(100, 50);
    EXPECT_EQ(CRect(5, 6, 105, 56), OXBackgroundLayout(Stretch, off, area, image, origin).front());
    EXPECT_EQ(CRect(5, 6, 25, 16), OXBackgroundLayout(TopLeft, off, area, image, origin).front());
    EXPECT_EQ(CRect(45, 6, 65, 16), OXBackgroundLayout(TopCenter, off, area, image, origin).front());
    EXPECT_EQ(CRect(85, 26, 105, 36), OXBackgroundLayout(CenterRight, off, area, image, origin).front());
    EXPECT_EQ(CRect(45, 26, 65, 36), OXBackgroundLayout(Center, off, area, image, origin).front());
    EXPECT_EQ(CRect(85, 46, 105, 56), OXBackgroundLayout(BottomRight, off, area, image, origin).front());
    EXPECT_TRUE(OXBackgroundLayout(11, off, area, image, origin).empty());
    EXPECT_TRUE(OXBackgroundLayout(-1, off, area, image, origin).empty());
}

TEST(BackgroundLayoutTest, ImageWithoutWidthOrHeightDrawsNoTiles)
{
    EXPECT_TRUE(OXBackgroundLayout(Tile, CPoint(-3, -3), CSize(100, 100), CSize(0, 10), CSize()).empty());
    EXPECT_TRUE(OXBackgroundLayout(Tile, CPoint(0, 0), CSize(100, 100), CSize(10, 0), CSize()).empty());
    EXPECT_TRUE(OXBackgroundLayout(Center, CPoint(0, 0), CSize(100, 100), CSize(-1, 5), CSize(50, 50)).empty());
}

TEST_F(BackgroundPainterTest, MovedWindowRedrawsWholeInsteadOfPainting)
{
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110),
                               &parent, 1));
    COXBackgroundPainter painter;
    ASSERT_TRUE(painter.Attach(&child, nullptr, Tile, RGB(200, 0, 0)));
    PumpFor(50);
    EXPECT_EQ(RGB(200, 0, 0), Erase(child));

    child.MoveWindow(20, 20, 100, 100);
    EXPECT_EQ(RGB(255, 255, 255), Erase(child));   // only the full redraw
    EXPECT_EQ(RGB(200, 0, 0), Erase(child));
    painter.Detach(FALSE);
    child.DestroyWindow();
}

TEST_F(BackgroundPainterTest, BadFileKeepsImageAndNameEmptyNameClears)
{
    const CString good = TempBitmap("lexifern-bg-good.bmp", 8, 6);
    COXBackgroundPainter painter;
    ASSERT_TRUE(painter.Attach(&parent, nullptr));
    ASSERT_TRUE(painter.SetWallpaperFile(good, FALSE));
    EXPECT_EQ(CSize(8, 6), painter.GetWallpaper().GetSize());

    EXPECT_FALSE(painter.SetWallpaperFile("Z:\\no\\such\\file.bmp", FALSE));
    EXPECT_EQ(good, painter.GetWallpaperFileName());
    EXPECT_EQ(CSize(8, 6), painter.GetWallpaper().GetSize());

    EXPECT_TRUE(painter.SetWallpaperFile("", FALSE));
    EXPECT_TRUE(painter.GetWallpaper().IsEmpty());
    EXPECT_EQ("", painter.GetWallpaperFileName());
    painter.Detach(FALSE);
    ::DeleteFileA(good);
}

TEST_F(BackgroundPainterTest, ProfileRoundTripAndAnEmptySectionChangesNothing)
{
    COXBackgroundPainter painter;
    EXPECT_FALSE(painter.SaveState(Section));   // not hooked
    ASSERT_TRUE(painter.Attach(&parent, nullptr, Center, RGB(1, 2, 3)));
    EXPECT_TRUE(painter.LoadState(Section, FALSE));
    EXPECT_EQ(Center, painter.GetPaintType());
    EXPECT_EQ(RGB(1, 2, 3), painter.GetBkColor());

    painter.SetBkColor(OXBACKGROUND_DEFAULT_COLOR, FALSE);
    painter.SetPaintType(BottomLeft, FALSE);
    ASSERT_TRUE(painter.SaveState(Section));
    EXPECT_EQ(static_cast<UINT>(0xFF000000), theApp.GetProfileInt(Section, "BackgroundColor", 0));
    painter.SetPaintType(Tile, FALSE);
    painter.SetBkColor(RGB(9, 9, 9), FALSE);
    EXPECT_TRUE(painter.LoadState(Section, FALSE));
    EXPECT_EQ(BottomLeft, painter.GetPaintType());
    EXPECT_EQ(OXBACKGROUND_DEFAULT_COLOR, painter.GetBkColor());
    painter.Detach(FALSE);
    EXPECT_FALSE(painter.LoadState(Section, FALSE));
}

TEST_F(BackgroundPainterTest, DefaultRuleAcceptsDockBarsTheirToolbarsAndAnMdiFramesClientAndTabs)
{
    CTestDockBar dockBar;
    ASSERT_TRUE(dockBar.Create(&parent, CRect(0, 0, 300, 30), 1502));
    CToolBar docked;
    ASSERT_TRUE(docked.Create(&dockBar, WS_CHILD | WS_VISIBLE | CBRS_TOP, 1503));
    CToolBar loose;
    ASSERT_TRUE(loose.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_TOP, 1505));
    CPlainBar plainBar;
    ASSERT_TRUE(plainBar.Create(&parent, CRect(0, 40, 300, 60), 1506));

    auto* mdi = new CMDIFrameWnd;
    ASSERT_TRUE(mdi->Create(nullptr, "Toolkit Host MDI", WS_OVERLAPPEDWINDOW, CRect(500, 50, 900, 400)));
    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), mdi, 1504));
    CTabCtrl otherTab;
    ASSERT_TRUE(otherTab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 100, 100, 120), &parent, 1507));

    COXBackgroundPainterOrganizer organizer;
    ASSERT_TRUE(organizer.AttachFrame(mdi, static_cast<const COXDIB*>(nullptr)));
    EXPECT_TRUE(organizer.IsQualified(&dockBar));
    EXPECT_TRUE(organizer.IsQualified(&docked));
    EXPECT_TRUE(organizer.IsQualified(CWnd::FromHandle(mdi->m_hWndMDIClient)));
    EXPECT_TRUE(organizer.IsQualified(&tab));
    EXPECT_FALSE(organizer.IsQualified(&loose));
    EXPECT_FALSE(organizer.IsQualified(&plainBar));
    EXPECT_FALSE(organizer.IsQualified(&otherTab));
    EXPECT_FALSE(organizer.IsQualified(mdi));
    EXPECT_FALSE(organizer.IsQualified(&parent));

    // Attached at once: every qualifying window with a framework object.
    EXPECT_TRUE(organizer.IsAttached(&dockBar));
    EXPECT_TRUE(organizer.IsAttached(&docked));
    EXPECT_TRUE(organizer.IsAttached(&tab));
    EXPECT_FALSE(organizer.IsAttached(&loose));
    organizer.DetachOrganizer(FALSE);
    mdi->DestroyWindow();
}

TEST_F(BackgroundPainterTest, OneOrganizerPerThreadAndHooksFollowWindows)
{
    CTestDockBar first;
    ASSERT_TRUE(first.Create(&parent, CRect(0, 0, 300, 30), 1502));
    COXBackgroundPainterOrganizer organizer;
    ASSERT_TRUE(organizer.AttachFrame(&parent, static_cast<const COXDIB*>(nullptr), Center, RGB(0, 0, 255)));
    EXPECT_FALSE(organizer.AttachFrame(&parent, static_cast<const COXDIB*>(nullptr)));
    COXBackgroundPainterOrganizer second;
    EXPECT_FALSE(second.AttachFrame(&parent, static_cast<const COXDIB*>(nullptr)));
    EXPECT_FALSE(second.IsAttached());
    ASSERT_TRUE(organizer.IsAttached(&first));
    EXPECT_EQ(RGB(0, 0, 255), organizer.GetPainter(&first)->GetBkColor());

    // A destroyed window is detached by the CBT hook; a new one takes the
    // first live painter's settings.
    CTestDockBar later;
    ASSERT_TRUE(later.Create(&parent, CRect(0, 40, 300, 70), 1508));
    organizer.SetBkColor(&first, RGB(0, 128, 0), FALSE);
    first.DestroyWindow();
    EXPECT_EQ(nullptr, organizer.GetPainter(&first));
    CTestDockBar newer;
    ASSERT_TRUE(newer.Create(&parent, CRect(0, 80, 300, 110), 1509));
    EXPECT_TRUE(PumpUntil([&] { return organizer.IsAttached(&newer) != FALSE; }));
    POSITION pos = nullptr;
    COXBackgroundPainter* live = organizer.GetFirstPainter(pos);
    ASSERT_NE(nullptr, live);
    EXPECT_EQ(live->GetBkColor(), organizer.GetPainter(&newer)->GetBkColor());
    EXPECT_EQ(Center, organizer.GetPainter(&newer)->GetPaintType());

    EXPECT_TRUE(organizer.DetachOrganizer(FALSE));
    EXPECT_FALSE(organizer.DetachOrganizer(FALSE));
    EXPECT_TRUE(second.AttachFrame(&parent, static_cast<const COXDIB*>(nullptr)));
}
