#include "MenuTestSupport.h"

#include "afx/DC.h"
#include "resources/resource.h"

#include <string>

namespace {

const RECT kItem = {0, 0, 200, 24};
const RECT kTextArea = {30, 0, 200, 24};

class BCMenuDrawTest : public MenuSettingsTest
{
protected:
    void SetUp() override
    {
        MenuSettingsTest::SetUp();
        BCMenu::SetIconSize(16, 16);
        ASSERT_TRUE(menu.CreatePopupMenu());
        ASSERT_TRUE(menu.AppendItem("Plain", MF_OWNERDRAW, 100));
        ASSERT_TRUE(menu.AppendItem("Pick", MF_OWNERDRAW, 101));
        ASSERT_TRUE(menu.AppendItem("Settings", MF_OWNERDRAW, IDC_SETTINGS));
        ASSERT_TRUE(menu.AppendItem("", MF_OWNERDRAW, 0));
        ASSERT_TRUE(menu.CheckMenuRadioItem(101, 101, 101, MF_BYCOMMAND));
        ASSERT_TRUE(menu.LoadToolbar(IDR_TOOLBAR_EXPORTCOPY));
        ASSERT_GE(menu.GetItemRecord(2)->globalImageOffset, 0);
    }

    void Draw(Canvas& canvas, int position, UINT state)
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = menu.GetMenuItemID(position);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = state;
        dis.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
        dis.hDC = canvas.dc();
        dis.rcItem = kItem;
        dis.itemData = reinterpret_cast<ULONG_PTR>(menu.GetItemRecord(position));
        menu.DrawItem(&dis);
    }

    MEASUREITEMSTRUCT Measure(int position)
    {
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = ODT_MENU;
        mis.itemID = menu.GetMenuItemID(position);
        mis.itemData = reinterpret_cast<ULONG_PTR>(menu.GetItemRecord(position));
        menu.MeasureItem(&mis);
        return mis;
    }

    BCMenu menu;
};

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

bool IsGrey(COLORREF colour)
{
    return GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
}

LONG MenuTextWidth(const wchar_t* text)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    HFONT font = ::CreateFontIndirectA(&metrics.lfMenuFont);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, font);
    SIZE size = {};
    ::GetTextExtentPoint32W(screen, text, lstrlenW(text), &size);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(font);
    return size.cx;
}

TEST_F(BCMenuDrawTest, MeasuresItemsForTheMenuFontInBothLooks)
{
    ASSERT_TRUE(menu.SetItemText(0, L"&Open\tCtrl+O", MF_BYPOSITION));
    LONG text = MenuTextWidth(L"&Open\tCtrl+O");
    ASSERT_GT(text, 0);
    int menuHeight = ::GetSystemMetrics(SM_CYMENU);

    Use3dLook();
    MEASUREITEMSTRUCT item = Measure(0);
    EXPECT_EQ(UINT(text + 2 * 16 + 1), item.itemWidth);
    EXPECT_EQ(UINT(std::max(menuHeight, 16 + 4)), item.itemHeight);
    MEASUREITEMSTRUCT separator = Measure(3);
    EXPECT_EQ(0u, separator.itemWidth);
    EXPECT_EQ(UINT(std::max((16 + 4) / 2, menuHeight / 2)), separator.itemHeight);

    UseXpLook();
    item = Measure(0);
    EXPECT_EQ(UINT(16 + text + 7 + 8), item.itemWidth);
    EXPECT_EQ(UINT(std::max(menuHeight, 16 + 7)), item.itemHeight);
    BCMenu::xpImageSet = 0;   // narrow spacing
    EXPECT_EQ(UINT(16 + text + 4 + 8), Measure(0).itemWidth);
    BCMenu::SetIconSize(32, 32);
    EXPECT_EQ(3u, Measure(3).itemHeight);   // whatever the image size

    Use3dLook();
    item = Measure(0);
    EXPECT_EQ(UINT(text + 65), item.itemWidth);
    EXPECT_GE(item.itemHeight, 36u);
    EXPECT_EQ(18u, std::max(18u, Measure(3).itemHeight));
}

TEST_F(BCMenuDrawTest, LookFollowsTheVersionAndTheClassicTheme)
{
    UseXpLook();
    EXPECT_TRUE(BCMenu::IsXpLook());
    EXPECT_FALSE(BCMenu::SelectDisabledInForce());
    BCMenu::classicTheme = 1;   // XP with the classic style
    EXPECT_FALSE(BCMenu::IsXpLook());
    EXPECT_TRUE(BCMenu::SelectDisabledInForce());
    Use3dLook();
    EXPECT_FALSE(BCMenu::IsXpLook());
    BCMenu::xpLookElsewhere = 1;
    EXPECT_TRUE(BCMenu::IsXpLook());
}

TEST_F(BCMenuDrawTest, ThreeDLookRendersSelectedDisabledAndCheckedItems)
{
    Use3dLook();
    COLORREF back = Sys(COLOR_MENU);
    {
        Canvas canvas(200, 24);
        Draw(canvas, 0, 0);
        EXPECT_EQ(back, canvas.At(150, 3));
        EXPECT_TRUE(canvas.Has(kTextArea, Sys(COLOR_MENUTEXT)));
    }
    {
        Canvas canvas(200, 24);
        Draw(canvas, 0, ODS_SELECTED);
        EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(150, 3));
        EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(1, 3));   // no image: the whole item
        EXPECT_TRUE(canvas.Has(kTextArea, Sys(COLOR_HIGHLIGHTTEXT)));
    }
    {
        Canvas canvas(200, 24);
        Draw(canvas, 0, ODS_GRAYED);
        EXPECT_EQ(back, canvas.At(150, 3));
        EXPECT_TRUE(canvas.Has(kTextArea, Sys(COLOR_GRAYTEXT)));
        EXPECT_FALSE(canvas.Has(kTextArea, Sys(COLOR_MENUTEXT)));
    }
    {
        Canvas canvas(200, 24);
        Draw(canvas, 0, ODS_GRAYED | ODS_SELECTED);   // may be selected by default
        EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(150, 3));
        EXPECT_TRUE(canvas.Has(kTextArea, back));
        BCMenu::selectDisabled3d = 0;
        Draw(canvas, 0, ODS_GRAYED | ODS_SELECTED);
        EXPECT_EQ(back, canvas.At(150, 3));
    }
    {
        // Check cell (1, 4, 17, 20): light fill, long tick at (5, 8).
        Canvas canvas(200, 24);
        Draw(canvas, 0, ODS_CHECKED);
        EXPECT_EQ(BCMenu::LightenColor(back, 0.6), canvas.At(2, 5));
        EXPECT_EQ(Sys(COLOR_MENUTEXT), canvas.At(5, 10));
        EXPECT_EQ(Sys(COLOR_MENUTEXT), canvas.At(5, 12));
        EXPECT_EQ(Sys(COLOR_MENUTEXT), canvas.At(11, 8));
        EXPECT_NE(Sys(COLOR_MENUTEXT), canvas.At(5, 13));
    }
    {
        // With an image the highlight starts right of the image button.
        Canvas canvas(200, 24);
        Draw(canvas, 2, ODS_SELECTED);
        EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(16 + 5, 3));
        EXPECT_EQ(back, canvas.At(1, 3));
        EXPECT_NE(Sys(COLOR_HIGHLIGHT), canvas.At(20, 3));
    }
    {
        // A disabled image is drawn greyed on the menu colour.
        Canvas canvas(200, 24);
        Draw(canvas, 2, ODS_GRAYED);
        bool allGrey = true;
        bool anyInk = false;
        for (int x = 2; x < 18; ++x) {
            for (int y = 4; y < 20; ++y) {
                allGrey = allGrey && IsGrey(canvas.At(x, y));
                anyInk = anyInk || canvas.At(x, y) != back;
            }
        }
        EXPECT_TRUE(allGrey);
        EXPECT_TRUE(anyInk);
    }
    {
        Canvas canvas(200, 24);
        Draw(canvas, 3, 0);   // separator: menu colour, etched line in the middle
        EXPECT_EQ(back, canvas.At(100, 3));
        EXPECT_EQ(Sys(COLOR_3DSHADOW), canvas.At(100, 12));
    }
}

TEST_F(BCMenuDrawTest, XpLookRendersSelectedDisabledAndCheckedItems)
{
    UseXpLook();
    COLORREF menuBack = BCMenu::DarkenColor(Sys(COLOR_WINDOW), 0.02);
    COLORREF column = Sys(COLOR_3DFACE);   // themed: not lightened
    COLORREF highlight = Sys(COLOR_HIGHLIGHT);
    {
        Canvas canvas(200, 24);
        Draw(canvas, 0, 0);
        EXPECT_EQ(column, canvas.At(5, 12));
        EXPECT_EQ(menuBack, canvas.At(150, 3));
        EXPECT_TRUE(canvas.Has(kTextArea, Sys(COLOR_MENUTEXT)));
    }
    {
        Canvas canvas(200, 24);
        Draw(canvas, 0, ODS_SELECTED);
        EXPECT_EQ(highlight, canvas.At(0, 0));
        EXPECT_EQ(highlight, canvas.At(199, 23));
        EXPECT_EQ(BCMenu::LightenColor(highlight, 0.7), canvas.At(150, 3));
        EXPECT_EQ(BCMenu::LightenColor(highlight, 0.7), canvas.At(5, 12));
    }
    {
        // Disabled items are not shown selected (drawn off-screen, then copied).
        Canvas canvas(200, 24);
        Draw(canvas, 0, ODS_GRAYED | ODS_SELECTED);
        EXPECT_EQ(menuBack, canvas.At(150, 3));
        EXPECT_EQ(column, canvas.At(5, 12));
        EXPECT_TRUE(canvas.Has(kTextArea, Sys(COLOR_GRAYTEXT)));
    }
    {
        // Check cell (1, 1, 21, 23) framed in the highlight; short tick at (8, 9).
        Canvas canvas(200, 24);
        Draw(canvas, 0, ODS_CHECKED);
        EXPECT_EQ(highlight, canvas.At(1, 1));
        EXPECT_EQ(BCMenu::LightenColor(highlight, 0.85), canvas.At(3, 3));
        EXPECT_EQ(Sys(COLOR_MENUTEXT), canvas.At(8, 11));
        EXPECT_EQ(Sys(COLOR_MENUTEXT), canvas.At(14, 10));
        EXPECT_NE(Sys(COLOR_MENUTEXT), canvas.At(8, 13));
        Draw(canvas, 0, ODS_CHECKED | ODS_SELECTED);
        EXPECT_EQ(BCMenu::LightenColor(highlight, 0.55), canvas.At(3, 3));
    }
    {
        // A radio check shows a dot, not a tick.
        Canvas canvas(200, 24);
        Draw(canvas, 1, ODS_CHECKED);
        EXPECT_EQ(Sys(COLOR_MENUTEXT), canvas.At(11, 12));
        EXPECT_NE(Sys(COLOR_MENUTEXT), canvas.At(14, 9));
    }
    {
        Canvas canvas(200, 24);
        Draw(canvas, 3, 0);   // separator
        EXPECT_EQ(column, canvas.At(5, 12));
        EXPECT_EQ(menuBack, canvas.At(100, 3));
    }
}

TEST_F(BCMenuDrawTest, AnItemsOwnBitmapIsDrawnInItsButton)
{
    Use3dLook();
    CBitmap red;
    HDC screen = ::GetDC(nullptr);
    red.Attach(::CreateCompatibleBitmap(screen, 16, 16));
    ::ReleaseDC(nullptr, screen);
    {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, red.m_hObject);
        RECT all = {0, 0, 16, 16};
        HBRUSH brush = ::CreateSolidBrush(RGB(255, 0, 0));
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    ASSERT_TRUE(menu.AppendItemWithBitmap("Red", MF_OWNERDRAW, 102, &red));
    BCMenuData* record = menu.GetItemRecord(4);
    EXPECT_EQ(0, record->imageIndex);
    EXPECT_EQ(0, record->ownImageOffset);
    ASSERT_TRUE(record->ownImages);
    Canvas canvas(200, 24);
    Draw(canvas, 4, 0);
    EXPECT_EQ(RGB(255, 0, 0), canvas.At(2, 4));     // image at (2, dy + 2)
    EXPECT_EQ(RGB(255, 0, 0), canvas.At(17, 19));
    EXPECT_EQ(Sys(COLOR_MENU), canvas.At(18, 20));
}

TEST_F(BCMenuDrawTest, XpLookKeepsFourVariantsOfEachImage)
{
    UseXpLook();
    BCMenu xp;
    ASSERT_TRUE(xp.CreatePopupMenu());
    ASSERT_TRUE(xp.AppendItem("Uncheck", MF_OWNERDRAW, IDC_UNCHECK_ALL));
    ASSERT_TRUE(xp.LoadToolbar(IDR_TOOLBAR_EXPORTCOPY));
    int offset = xp.GetItemRecord(0)->globalImageOffset;
    ASSERT_GE(offset, 0);
    EXPECT_TRUE(BCMenu::HasGlobalImageSet(offset));
    const auto& commands = BCMenu::GlobalImageCommands();
    ASSERT_LT(size_t(offset + 3), commands.size());
    EXPECT_EQ(UINT_PTR(IDC_UNCHECK_ALL), commands[offset + 3]);
    EXPECT_EQ(commands.size(), size_t(BCMenu::GlobalImages().GetImageCount()));
    // Setting the image again keeps the four entries.
    ASSERT_TRUE(xp.LoadToolbar(IDR_TOOLBAR_EXPORTCOPY));
    int entries = 0;
    for (UINT_PTR id : commands)
        entries += id == IDC_UNCHECK_ALL ? 1 : 0;
    EXPECT_EQ(4, entries);
}

// Pixel operations on a 4 by 4 face-coloured bitmap with one black pixel.
class BCMenuPixelTest : public MenuSettingsTest
{
protected:
    void SetUp() override
    {
        MenuSettingsTest::SetUp();
        Use3dLook();
        HDC screen = ::GetDC(nullptr);
        bitmap.Attach(::CreateCompatibleBitmap(screen, 8, 8));
        ::ReleaseDC(nullptr, screen);
        Fill(Sys(COLOR_3DFACE));
    }
    void Fill(COLORREF colour)
    {
        WithDC([colour](HDC dc) {
            for (int x = 0; x < 8; ++x)
                for (int y = 0; y < 8; ++y)
                    ::SetPixelV(dc, x, y, colour);
        });
    }
    void Set(int x, int y, COLORREF colour)
    {
        WithDC([=](HDC dc) { ::SetPixelV(dc, x, y, colour); });
    }
    COLORREF At(int x, int y)
    {
        COLORREF colour = 0;
        WithDC([&](HDC dc) { colour = ::GetPixel(dc, x, y); });
        return colour;
    }
    template <class Fn>
    void WithDC(Fn fn)
    {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, bitmap.m_hObject);
        fn(dc);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    CBitmap bitmap;
};

TEST_F(BCMenuPixelTest, VariantsChangeInkAndKeepTheFace)
{
    COLORREF face = Sys(COLOR_3DFACE);
    Set(2, 2, RGB(0, 0, 0));
    BCMenu::MakeFaded(bitmap);
    EXPECT_EQ(RGB(76, 76, 76), At(2, 2));
    EXPECT_EQ(face, At(5, 5));

    Set(2, 2, RGB(0, 0, 0));
    BCMenu::MakeShadow(bitmap);
    EXPECT_EQ(BCMenu::LightenColor(Sys(COLOR_BTNSHADOW), 0.49), At(2, 2));
    EXPECT_EQ(face, At(5, 5));

    Set(2, 2, RGB(255, 255, 255));
    BCMenu::MakeGreyed(bitmap, RGB(1, 2, 3));
    EXPECT_EQ(BCMenu::LightenColor(Sys(COLOR_BTNSHADOW), 1.0), At(2, 2));
    EXPECT_EQ(RGB(1, 2, 3), At(5, 5));

    // A plain face-coloured image yields empty variants.
    Fill(face);
    BCMenu::MakeFaded(bitmap);
    BCMenu::MakeShadow(bitmap);
    BCMenu::MakeGreyed(bitmap, 0);
    EXPECT_EQ(face, At(0, 0));
    EXPECT_EQ(face, At(7, 7));

    Fill(RGB(192, 192, 192));
    Set(1, 1, RGB(255, 0, 0));
    BCMenu::ReplaceGreyBackground(bitmap);
    EXPECT_EQ(face, At(4, 4));
    EXPECT_EQ(RGB(255, 0, 0), At(1, 1));
}

TEST_F(BCMenuPixelTest, EmbossedImagesShowShadowAboveAndHighlightBelow)
{
    // Ink: a 2 by 2 block at (3, 3).
    for (int x = 3; x < 5; ++x)
        for (int y = 3; y < 5; ++y)
            Set(x, y, RGB(0, 0, 0));
    {
        Canvas canvas(40, 40);
        CDC* dc = CDC::FromHandle(canvas.dc());
        BCMenu::DrawEmbossedMask(dc, 10, 10, 8, 8, bitmap, 0, 0, RGB(1, 2, 3));
        EXPECT_EQ(RGB(1, 2, 3), canvas.At(10, 10));
        EXPECT_EQ(Sys(COLOR_3DSHADOW), canvas.At(13, 13));
        EXPECT_EQ(Sys(COLOR_3DSHADOW), canvas.At(14, 14));
        EXPECT_EQ(Sys(COLOR_3DHILIGHT), canvas.At(15, 15));
        EXPECT_EQ(RGB(1, 2, 3), canvas.At(16, 16));
    }
    {
        Canvas canvas(40, 40);   // black: the DIB emboss paints on what is there
        CDC* dc = CDC::FromHandle(canvas.dc());
        BCMenu::DrawEmbossedDib(dc, 10, 10, 8, 8, bitmap, 0, 0);
        EXPECT_EQ(RGB(0, 0, 0), canvas.At(10, 10));
        EXPECT_EQ(Sys(COLOR_3DSHADOW), canvas.At(13, 13));
        EXPECT_EQ(Sys(COLOR_3DHILIGHT), canvas.At(15, 15));
        EXPECT_EQ(RGB(0, 0, 0), canvas.At(16, 16));
    }
}

}
