// Items inserted with an image, images set from a bitmap or as a colour
// swatch, and an item's own image found by its text.
#include "MenuTestSupport.h"

#include "afx/DC.h"
#include "afx/ImageList.h"
#include "resources/resource.h"

namespace {

class BCMenuImageItemsTest : public MenuSettingsTest
{
protected:
    void SetUp() override
    {
        MenuSettingsTest::SetUp();
        Use3dLook();
        BCMenu::xpImageSet = 0;
        BCMenu::SetIconSize(16, 16);
        ASSERT_TRUE(menu.CreatePopupMenu());
        ASSERT_TRUE(menu.AppendItem(L"First", MF_OWNERDRAW, 0x9101));
        ASSERT_TRUE(menu.AppendItem(L"Last", MF_OWNERDRAW, 0x9102));
    }

    // A solid bitmap of the image size.
    static void Solid(CBitmap& bitmap, COLORREF colour)
    {
        CClientDC screen(nullptr);
        bitmap.CreateCompatibleBitmap(&screen, 16, 16);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CSelectGuard guard(dc, bitmap);
        CBrush brush;
        brush.CreateSolidBrush(colour);
        CRect all(0, 0, 16, 16);
        dc.FillRect(&all, &brush);
    }

    // The colour at (x, y) of an image of the global list.
    static COLORREF GlobalPixel(int image, int x, int y)
    {
        CClientDC screen(nullptr);
        CBitmap target;
        target.CreateCompatibleBitmap(&screen, 16, 16);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CSelectGuard guard(dc, target);
        CBrush white;
        white.CreateSolidBrush(RGB(255, 255, 255));
        CRect all(0, 0, 16, 16);
        dc.FillRect(&all, &white);
        ImageList_Draw(BCMenu::GlobalImages().m_hImageList, image, dc.m_hDC, 0, 0, ILD_NORMAL);
        return dc.GetPixel(x, y);
    }

    BCMenu menu;
};

TEST_F(BCMenuImageItemsTest, InsertedItemsTakeTheirImageFromTheGlobalList)
{
    CBitmap red;
    Solid(red, RGB(200, 0, 0));
    ASSERT_TRUE(menu.InsertItemWithBitmap(1, L"Middle", MF_BYPOSITION, 0x9103, &red));
    ASSERT_EQ(3u, menu.GetMenuItemCount());
    BCMenuData* middle = menu.GetItemRecord(1);
    EXPECT_EQ(L"Middle", middle->text);
    ASSERT_GE(middle->globalImageOffset, 0);
    EXPECT_EQ(UINT_PTR(0x9103), BCMenu::GlobalImageCommands()[middle->globalImageOffset]);
    EXPECT_EQ(RGB(200, 0, 0), GlobalPixel(middle->globalImageOffset, 8, 8));

    // By command: inserted before the item holding it, with the ANSI text.
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 1));
    CBitmap blue;
    Solid(blue, RGB(0, 0, 200));
    list.Add(&blue, RGB(255, 0, 255));
    ASSERT_TRUE(menu.InsertItemWithImageList(0x9102, "Before last", MF_BYCOMMAND, 0x9104, &list, 0));
    EXPECT_EQ(L"Before last", menu.GetItemRecord(2)->text);
    ASSERT_GE(menu.GetItemRecord(2)->globalImageOffset, 0);
    EXPECT_EQ(RGB(0, 0, 200), GlobalPixel(menu.GetItemRecord(2)->globalImageOffset, 8, 8));
    EXPECT_FALSE(menu.InsertItemWithImageList(0x9FFF, "Nowhere", MF_BYCOMMAND, 0x9105, &list, 0));

    // The wide-text InsertMenu keeps the CMenu argument order.
    ASSERT_TRUE(menu.InsertMenu(0, MF_BYPOSITION, 0x9106, L"\x0422\x0435\x0441\x0442"));
    EXPECT_EQ(L"\x0422\x0435\x0441\x0442", menu.GetItemRecord(0)->text);
}

TEST_F(BCMenuImageItemsTest, BitmapsAndSwatchesBecomeTheCommandsImage)
{
    CBitmap green;
    Solid(green, RGB(0, 150, 0));
    ASSERT_TRUE(menu.SetItemBitmap(L"First!", 0x9101, &green));
    EXPECT_EQ(L"First!", menu.GetItemRecord(0)->text);
    ASSERT_GE(menu.GetItemRecord(0)->globalImageOffset, 0);
    EXPECT_EQ(RGB(0, 150, 0), GlobalPixel(menu.GetItemRecord(0)->globalImageOffset, 8, 8));
    EXPECT_FALSE(menu.SetItemBitmap(L"x", 0x9101, nullptr));

    // A 10 x 10 swatch centred in the 16 x 16 image on the menu colour, its
    // border one pixel wide.
    ASSERT_TRUE(menu.SetItemColourSwatch(static_cast<const wchar_t*>(nullptr), 0x9102, RGB(10, 20, 240),
                                         RGB(250, 250, 0), -1, CSize(10, 10)));
    EXPECT_EQ(L"Last", menu.GetItemRecord(1)->text);   // null keeps the text
    int image = menu.GetItemRecord(1)->globalImageOffset;
    ASSERT_GE(image, 0);
    EXPECT_EQ(RGB(10, 20, 240), GlobalPixel(image, 8, 8));
    EXPECT_EQ(RGB(250, 250, 0), GlobalPixel(image, 3, 8));
    EXPECT_EQ(::GetSysColor(COLOR_MENU), GlobalPixel(image, 1, 1));

    // Straight into a bitmap: a hatched swatch shows the fill and its gaps.
    CClientDC screen(nullptr);
    CBitmap hatched;
    BCMenu::MakeColourSwatch(&screen, hatched, 16, 16, 16, 16, RGB(0, 0, 0), RGB(0, 0, 0), HS_CROSS);
    ASSERT_TRUE(hatched.m_hObject);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CSelectGuard guard(dc, hatched);
    int black = 0;
    for (int x = 1; x < 15; ++x)
        black += dc.GetPixel(x, 8) == RGB(0, 0, 0) ? 1 : 0;
    EXPECT_GT(black, 0);
    EXPECT_LT(black, 14);
}

TEST_F(BCMenuImageItemsTest, TheItemFoundByItsTextGetsAnImageOfItsOwn)
{
    ASSERT_TRUE(menu.AppendItem(L"Settings", MF_OWNERDRAW, IDC_SETTINGS));
    ASSERT_TRUE(menu.SetItemImageByText(L"Settings", L"Options", IDR_TOOLBAR_EXPORTCOPY));
    BCMenuData* record = menu.GetItemRecord(2);
    EXPECT_EQ(L"Options", record->text);
    EXPECT_EQ(0, record->ownImageOffset);
    ASSERT_NE(nullptr, record->ownImages.get());
    EXPECT_GE(record->ownImages->GetImageCount(), 1);

    ASSERT_TRUE(menu.SetItemImageByText("First", "First", IDB_SETTINGS));   // a plain bitmap
    EXPECT_NE(nullptr, menu.GetItemRecord(0)->ownImages.get());
    EXPECT_FALSE(menu.SetItemImageByText(L"Missing", L"x", IDB_SETTINGS));
    EXPECT_FALSE(menu.SetItemImageByText(L"Last", L"x", 0xFFF0));   // no such resource
}

} // namespace
