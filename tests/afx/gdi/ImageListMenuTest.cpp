// Image lists (masked colour, drawing, ownership) and menus (building,
// querying, and the map owner-drawn menus find their objects in).
#include <gtest/gtest.h>

#include <utility>

#include "afx/Archive.h"
#include "afx/ArchiveException.h"
#include "afx/DC.h"
#include "afx/ImageList.h"
#include "afx/MemFile.h"
#include "afx/Menu.h"

namespace {

// A 16x8 bitmap of two 8x8 images: red with a magenta (mask colour) centre,
// then solid green.
HBITMAP MakeStrip(CDC& dc)
{
    HBITMAP strip = ::CreateCompatibleBitmap(::GetDC(nullptr), 16, 8);
    CSelectGuard selected(dc, strip);
    dc.FillSolidRect(0, 0, 8, 8, RGB(255, 0, 0));
    dc.FillSolidRect(2, 2, 4, 4, RGB(255, 0, 255));
    dc.FillSolidRect(8, 0, 8, 8, RGB(0, 255, 0));
    return strip;
}

// The two images of MakeStrip's list drawn on blue, side by side.
void ExpectStripDrawn(CImageList& images, CDC& dc)
{
    CBitmap canvas;
    ASSERT_TRUE(canvas.Attach(::CreateCompatibleBitmap(::GetDC(nullptr), 20, 10)));
    CSelectGuard selected(dc, canvas);
    dc.FillSolidRect(0, 0, 20, 10, RGB(0, 0, 255));
    ASSERT_TRUE(images.Draw(&dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    ASSERT_TRUE(images.Draw(&dc, 1, CPoint(10, 0), ILD_NORMAL));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(4, 4));     // the masked centre shows the background
    EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(14, 4));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(19, 9));    // nothing drawn past the image
}

} // namespace

TEST(ImageList, MaskColourBecomesTransparentWhenDrawn)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap strip;
    ASSERT_TRUE(strip.Attach(MakeStrip(dc)));

    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 2, 2));
    EXPECT_EQ(0, images.Add(&strip, RGB(255, 0, 255)));
    EXPECT_EQ(2, images.GetImageCount());
    IMAGEINFO info = {};
    ASSERT_TRUE(images.GetImageInfo(1, &info));
    EXPECT_EQ(CRect(8, 0, 16, 8), CRect(info.rcImage));

    ExpectStripDrawn(images, dc);

    EXPECT_TRUE(images.Remove(0));
    EXPECT_EQ(1, images.GetImageCount());
    HICON icon = images.ExtractIcon(0);
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(1, images.Add(icon));
    ::DestroyIcon(icon);
}

TEST(ImageList, SurvivesAnArchiveRoundTripAmongOtherData)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap strip;
    ASSERT_TRUE(strip.Attach(MakeStrip(dc)));
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 2, 2));
    ASSERT_EQ(0, images.Add(&strip, RGB(255, 0, 255)));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << 1234;
        ASSERT_TRUE(images.Write(&ar));
        ar << 5678;   // what follows the list must still be found
        ar.Close();
    }
    file.SeekToBegin();
    CImageList copy;
    int before = 0;
    int after = 0;
    {
        CArchive ar(&file, CArchive::load);
        ar >> before;
        ASSERT_TRUE(copy.Read(&ar));
        ar >> after;
    }
    EXPECT_EQ(1234, before);
    EXPECT_EQ(5678, after);
    ASSERT_NE(nullptr, copy.m_hImageList);
    EXPECT_EQ(&copy, CImageList::FromHandlePermanent(copy.m_hImageList));
    EXPECT_EQ(2, copy.GetImageCount());
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(copy.GetIconSize(&cx, &cy));
    EXPECT_EQ(8, cx);
    EXPECT_EQ(8, cy);

    ExpectStripDrawn(copy, dc);   // the mask came along
}

TEST(ImageList, ReadingSomethingElseFailsAndKeepsTheList)
{
    CImageList images;
    ASSERT_TRUE(images.Create(4, 4, ILC_COLOR24, 1, 1));
    const HIMAGELIST held = images.m_hImageList;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << 1 << 2 << 3 << 4;
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    EXPECT_FALSE(images.Read(&ar));
    EXPECT_EQ(held, images.m_hImageList);
}

TEST(ImageList, MovesOwnershipAndForgetsTheHandleWhenDestroyed)
{
    HIMAGELIST handle;
    {
        CImageList first;
        ASSERT_TRUE(first.Create(16, 16, ILC_COLOR32, 1, 1));
        handle = first.m_hImageList;
        EXPECT_EQ(&first, CImageList::FromHandlePermanent(handle));
        CImageList second(std::move(first));
        EXPECT_EQ(nullptr, first.m_hImageList);
        EXPECT_EQ(&second, CImageList::FromHandle(handle));
    }
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(handle));

    HIMAGELIST foreign = ImageList_Create(4, 4, ILC_COLOR24, 1, 1);
    CImageList* temp = CImageList::FromHandle(foreign);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(foreign));
    AfxDeleteTempGdiObjects();
    EXPECT_EQ(0, ImageList_GetImageCount(foreign));  // still alive: the temporary did not own it
    EXPECT_TRUE(ImageList_Destroy(foreign));
}

TEST(Menu, BuildsAndAnswersQueries)
{
    CMenu bar, popup;
    ASSERT_TRUE(bar.CreateMenu());
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(popup.AppendMenu(MF_STRING, 101, "&\xCE\xF2\xEA\xF0\xFB\xF2\xFC\tCtrl+O"));   // "&Открыть"
    ASSERT_TRUE(popup.AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(popup.AppendMenu(MF_STRING | MF_GRAYED, 102, "Save"));
    ASSERT_TRUE(popup.InsertMenu(0, MF_BYPOSITION | MF_STRING, 100, "New"));
    HMENU popupHandle = popup.Detach();   // the bar owns it from here on
    ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popupHandle), "File"));

    EXPECT_EQ(1u, bar.GetMenuItemCount());
    CMenu* sub = bar.GetSubMenu(0);
    ASSERT_NE(nullptr, sub);
    EXPECT_EQ(popupHandle, sub->m_hMenu);
    EXPECT_EQ(4u, sub->GetMenuItemCount());
    EXPECT_EQ(100u, sub->GetMenuItemID(0));
    EXPECT_EQ(0u, sub->GetMenuItemID(2));   // the separator
    CString text;
    EXPECT_EQ(15, sub->GetMenuString(101, text, MF_BYCOMMAND));
    EXPECT_STREQ("&\xCE\xF2\xEA\xF0\xFB\xF2\xFC\tCtrl+O", text);
    EXPECT_TRUE(sub->GetMenuState(102, MF_BYCOMMAND) & MF_GRAYED);

    sub->CheckMenuItem(100, MF_CHECKED | MF_BYCOMMAND);
    EXPECT_TRUE(sub->GetMenuState(100, MF_BYCOMMAND) & MF_CHECKED);
    sub->EnableMenuItem(102, MF_ENABLED | MF_BYCOMMAND);
    EXPECT_FALSE(sub->GetMenuState(102, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(sub->ModifyMenu(102, MF_BYCOMMAND | MF_STRING, 103, "Save as"));
    EXPECT_EQ(7, sub->GetMenuString(103, text, MF_BYCOMMAND));
    EXPECT_TRUE(sub->DeleteMenu(1, MF_BYPOSITION));
    EXPECT_EQ(3u, sub->GetMenuItemCount());
    EXPECT_TRUE(sub->SetDefaultItem(100));
    EXPECT_EQ(100u, sub->GetDefaultItem(0));
    AfxDeleteTempGdiObjects();
    EXPECT_TRUE(::IsMenu(popupHandle));   // the temporary wrapper did not destroy it
}

namespace {

class CCountingMenu : public CMenu
{
public:
    int measured = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        measured++;
        item->itemWidth = 50;
        item->itemHeight = 20;
    }
};

} // namespace

TEST(Menu, PermanentMapFindsTheOwnerDrawnObjectUntilItLetsGo)
{
    CCountingMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 1, reinterpret_cast<LPCTSTR>(0x1234)));
    HMENU handle = menu.m_hMenu;

    // What a window does with WM_MEASUREITEM for a menu: find the object, call it.
    CMenu* found = CMenu::FromHandlePermanent(handle);
    ASSERT_EQ(&menu, found);
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    found->MeasureItem(&measure);
    EXPECT_EQ(1, menu.measured);
    EXPECT_EQ(50u, measure.itemWidth);
    EXPECT_EQ(&menu, CMenu::FromHandle(handle));

    CMenu moved(std::move(menu));   // a plain CMenu from here on: the map follows
    EXPECT_EQ(&moved, CMenu::FromHandlePermanent(handle));
    HMENU detached = moved.Detach();
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(handle));
    ASSERT_TRUE(moved.Attach(detached));
    EXPECT_TRUE(moved.DestroyMenu());
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(handle));
    EXPECT_FALSE(::IsMenu(handle));
    EXPECT_FALSE(moved.DestroyMenu());   // nothing left to destroy twice
}
