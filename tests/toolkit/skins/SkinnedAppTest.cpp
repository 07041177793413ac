// The skinned application: its three looks, the current skin, the painter
// slots and what the looks' colour operations compute.
#include "toolkit/bars/skins/OXSkinnedApp.h"

#include "toolkit/bars/skins/OXFrameSkin.h"
#include "toolkit/bars/skins/OXSkin2003.h"

#include "afx/Wnd.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

TEST(SkinnedApp, StartsWithTheThreeLooksAndOfficeXpCurrent)
{
    COXSkinnedApp app;
    ASSERT_NE(app.GetSkin("Classic"), nullptr);
    ASSERT_NE(app.GetSkin("Office XP"), nullptr);
    ASSERT_NE(app.GetSkin("Office 2003"), nullptr);
    EXPECT_EQ(app.m_mapSkins.GetCount(), 3);
    ASSERT_NE(app.GetCurrentSkin(), nullptr);
    EXPECT_STREQ(app.GetCurrentSkin()->GetName(), "Office XP");
    // Windows find the skin through the application object.
    EXPECT_EQ(COXSkinnedApp::GetAppSkin(), app.GetCurrentSkin());

    EXPECT_TRUE(app.SetCurrentSkin("Office 2003"));
    EXPECT_EQ(app.GetCurrentSkin(), app.GetSkin("Office 2003"));
    EXPECT_TRUE(app.SetCurrentSkin(app.GetSkin("Classic")));
    EXPECT_STREQ(app.GetCurrentSkin()->GetName(), "Classic");
}

TEST(SkinnedApp, AnUnknownNameLeavesNoCurrentSkin)
{
    COXSkinnedApp app;
    EXPECT_FALSE(app.SetCurrentSkin("nope"));
    EXPECT_EQ(app.GetCurrentSkin(), nullptr);
    EXPECT_EQ(COXSkinnedApp::GetAppSkin(), nullptr);
    EXPECT_EQ(app.GetSkin("nope"), nullptr);
}

TEST(SkinnedApp, RemovingTheCurrentSkinLeavesNoDanglingSkin)
{
    COXSkinnedApp app;
    std::unique_ptr<COXSkin> removed(app.GetSkin("Office XP"));
    EXPECT_TRUE(app.RemoveSkin("Office XP"));
    EXPECT_EQ(app.GetCurrentSkin(), nullptr);
    EXPECT_EQ(app.GetSkin("Office XP"), nullptr);
    EXPECT_FALSE(app.RemoveSkin("Office XP"));
    // Removing another skin keeps the current one.
    EXPECT_TRUE(app.SetCurrentSkin("Classic"));
    std::unique_ptr<COXSkin> other(app.GetSkin("Office 2003"));
    EXPECT_TRUE(app.RemoveSkin("Office 2003"));
    EXPECT_EQ(app.GetCurrentSkin(), app.GetSkin("Classic"));
}

TEST(SkinnedApp, AddSkinReplacesTheSkinOfTheSameName)
{
    COXSkinnedApp app;
    std::unique_ptr<COXSkin> old(app.GetSkin("Classic"));
    auto* pNew = new COXSkinClassic;
    app.AddSkin(pNew);
    EXPECT_EQ(app.GetSkin("Classic"), pNew);
    EXPECT_EQ(app.m_mapSkins.GetCount(), 3);
}

TEST(Skin, LooksFillTheirFramePaintersAndSettersOwnTheSlot)
{
    COXSkinClassic classic;
    COXSkinXP xp;
    COXSkin2003 office2003;
    EXPECT_NE(dynamic_cast<COXFrameSkinClassic*>(classic.GetFrameSkin()), nullptr);
    EXPECT_NE(dynamic_cast<COXFrameSkinXP*>(xp.GetFrameSkin()), nullptr);
    EXPECT_EQ(dynamic_cast<COXFrameSkin2003*>(xp.GetFrameSkin()), nullptr);
    EXPECT_NE(dynamic_cast<COXFrameSkin2003*>(office2003.GetFrameSkin()), nullptr);
    EXPECT_STREQ(office2003.GetName(), "Office 2003");

    xp.SetFrameSkin(nullptr);
    EXPECT_EQ(xp.GetFrameSkin(), nullptr);
    auto* pFrame = new COXFrameSkinClassic;
    xp.SetFrameSkin(pFrame);
    EXPECT_EQ(xp.GetFrameSkin(), pFrame);

    EXPECT_STREQ(xp.GetProperty("missing"), "");
    xp.m_mapProperties.SetAt("gripper", "dots");
    EXPECT_STREQ(xp.GetProperty("gripper"), "dots");
}

TEST(SkinColors, MixAddScaleAndShiftStayWithinTheChannelRange)
{
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(COXSkinXP::MixColors(RGB(200, 100, 0), black, black, .5f, .5f, 0), RGB(100, 50, 0));
    EXPECT_EQ(COXSkinXP::MixColors(white, white, black, .9f, .9f, 0), white);
    // Truncation toward zero.
    EXPECT_EQ(COXSkinXP::MixColors(RGB(3, 3, 3), black, black, .5f, 0, 0), RGB(1, 1, 1));

    EXPECT_EQ(COXSkinXP::AddToColor(RGB(250, 10, 10), 10, 0, 0), RGB(255, 10, 10));
    EXPECT_EQ(COXSkinXP::AddToColor(RGB(5, 100, 20), -10, -100, -21), RGB(0, 0, 0));
    EXPECT_EQ(COXSkinXP::AddToColor(RGB(5, 100, 20), -1, 1, 0), RGB(4, 101, 20));
    EXPECT_EQ(COXSkinXP::ScaleColor(RGB(100, 220, 10), 1.2f, 1.2f, 1.2f), RGB(120, 255, 12));
    EXPECT_EQ(COXSkinXP::ShiftColor(RGB(250, 4, 100), 10), RGB(255, 14, 110));
    EXPECT_EQ(COXSkinXP::ShiftColor(RGB(250, 4, 100), -5), RGB(245, 0, 95));
}

TEST(SkinColors, XpBlendsTheSystemColours)
{
    COXSkinXP xp;
    EXPECT_EQ(xp.GetHotItemColor(),
              COXSkinXP::MixColors(Sys(COLOR_WINDOW), Sys(COLOR_HIGHLIGHT), 0, .7f, .3f, 0));
    EXPECT_EQ(xp.GetTabTextColor(), COXSkinXP::AddToColor(Sys(COLOR_GRAYTEXT), -8, -12, -22));
    EXPECT_EQ(xp.GetMiniFrameBackgroundColor(), xp.GetToolbarBackgroundColor());
    EXPECT_EQ(xp.GetMenuSeparatorColor(), COXSkinXP::ShiftColor(Sys(COLOR_BTNSHADOW), 38));
    EXPECT_EQ(COXSkinXP::GetDarkFaceColor(), COXSkinXP::ShiftColor(Sys(COLOR_BTNFACE), -8));
}

TEST(SkinColors, Office2003ThemedPalette)
{
    COXSkin2003 skin;
    ASSERT_TRUE(skin.IsThemed()) << "visual styles are expected on";
    COXUxTheme theme;
    HTHEME handle = theme.OpenThemeData(nullptr, "button");
    ASSERT_NE(handle, nullptr);
    COLORREF highlight = theme.GetThemeSysColor(handle, COLOR_HIGHLIGHT);
    COLORREF caption = theme.GetThemeSysColor(handle, COLOR_ACTIVECAPTION);
    theme.CloseThemeData(handle);

    EXPECT_EQ(skin.GetHotItemColor(), RGB(255, 238, 194));
    EXPECT_EQ(skin.GetCheckedItemColor(), RGB(255, 192, 111));
    EXPECT_EQ(skin.GetPressedItemColor(), RGB(254, 128, 62));
    EXPECT_EQ(skin.GetMenuBackgroundColor(), RGB(246, 246, 246));
    EXPECT_EQ(skin.GetGrayTextColor(), RGB(141, 141, 141));
    EXPECT_EQ(skin.GetMenuSeparatorColor(), RGB(141, 141, 141));
    EXPECT_EQ(skin.GetTabTextColor(), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(skin.GetHighlightBorderColor(), COXSkinXP::AddToColor(caption, 0, -84, -99));
    EXPECT_EQ(skin.GetMenuBorderColor(), COXSkinXP::MixColors(caption, 0, 0, .55f, .45f, 0));
    EXPECT_EQ(skin.GetBorderColor(), COXSkinXP::MixColors(highlight, 0, 0, .5f, .5f, 0));
    EXPECT_EQ(skin.GetMiniFrameCaptionColor(), highlight);
    EXPECT_EQ(skin.GetDockbarGradientLight(),
              COXSkinXP::MixColors(Sys(COLOR_WINDOW), highlight, 0, .7f, .3f, 0));
    EXPECT_EQ(skin.GetBackgroundColor(), skin.GetDockbarGradientLight());
    EXPECT_EQ(skin.GetMiniFrameBackgroundColor(), skin.GetBackgroundColor());
    EXPECT_EQ(skin.GetStatusbarTopColor(),
              COXSkinXP::MixColors(Sys(COLOR_WINDOW), highlight, RGB(0, 0, 0), .3f, .3f, .4f));
    EXPECT_EQ(skin.GetSeparatorHighlightColor(), skin.GetCaptionHighlightColor());
}

TEST(SkinColors, Office2003WithoutAThemeTakesTheUnthemedColumn)
{
    COXSkin2003 skin("lexifern-no-such-theme.dll");
    COXSkinXP xp;
    EXPECT_FALSE(skin.IsThemed());
    EXPECT_EQ(skin.GetHotItemColor(), xp.GetHotItemColor());
    EXPECT_EQ(skin.GetHighlightBorderColor(), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(skin.GetBorderColor(), COXSkinXP::ShiftColor(Sys(COLOR_BTNSHADOW), 38));
    EXPECT_EQ(skin.GetTabTextColor(), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(skin.GetBackgroundColor(), Sys(COLOR_BTNFACE));
    EXPECT_EQ(skin.GetGrayTextColor(), Sys(COLOR_GRAYTEXT));
    EXPECT_EQ(skin.GetMenuSeparatorColor(), xp.GetSeparatorColor());
    EXPECT_EQ(skin.GetDockbarGradientDark(), Sys(COLOR_BTNFACE));
    EXPECT_EQ(skin.GetStatusbarTopColor(), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(skin.GetStatusbarFaceColor(),
              COXSkinXP::MixColors(Sys(COLOR_WINDOW), Sys(COLOR_BTNFACE), 0, .5f, .5f, 0));
    EXPECT_EQ(skin.GetCaptionHighlightColor(), skin.GetToolbarBackgroundColor());
    EXPECT_EQ(skin.GetSeparatorHighlightColor(), COXSkinXP::ShiftColor(Sys(COLOR_BTNSHADOW), 38));
}
}

namespace {
// Counts the messages a skin change sends to a window.
class CCountingWnd : public CWnd
{
public:
    int sizes = 0;
    int frameChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SIZE)
            ++sizes;
        if (message == WM_NCCALCSIZE && wParam)
            ++frameChanges;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(SkinnedApp, ChangingTheSkinReframesTheMainWindowAndItsChildren)
{
    COXSkinnedApp app;
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    CCountingWnd main;
    ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), "skins main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              CRect(10, 10, 300, 200), nullptr, 0));
    CCountingWnd child;
    ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), "child", WS_CHILD | WS_VISIBLE, CRect(5, 5, 50, 50), &main, 7));
    app.m_pMainWnd = &main;
    main.sizes = main.frameChanges = child.sizes = child.frameChanges = 0;

    EXPECT_TRUE(app.SetCurrentSkin("Classic"));
    EXPECT_EQ(main.sizes, 1);
    EXPECT_EQ(main.frameChanges, 1);
    EXPECT_EQ(child.sizes, 1);
    EXPECT_EQ(child.frameChanges, 1);

    // An unknown name changes no window.
    EXPECT_FALSE(app.SetCurrentSkin("nope"));
    EXPECT_EQ(main.sizes, 1);
    app.m_pMainWnd = nullptr;
    child.DestroyWindow();
    main.DestroyWindow();
}
}
