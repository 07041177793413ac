// The image list box: items and images kept in step, the cell grid, other
// image lists and icon files.
#include "toolkit/lists/listboxes/OXImageListBox.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstdio>

namespace {
const UINT ListId = 1601;
const COLORREF kColours[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0), RGB(0, 200, 200)};

// A solid bitmap of one colour.
void SolidBitmap(CBitmap& bitmap, int size, COLORREF colour)
{
    HDC screen = ::GetDC(nullptr);
    bitmap.Attach(::CreateCompatibleBitmap(screen, size, size));
    HDC mem = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(mem, bitmap.GetSafeHandle());
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT all = {0, 0, size, size};
    ::FillRect(mem, &all, brush);
    ::DeleteObject(brush);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
}

// The colour in the middle of one image of the list.
COLORREF ImageColour(CImageList& images, int index)
{
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP target = ::CreateCompatibleBitmap(screen, 40, 40);
    HGDIOBJ old = ::SelectObject(mem, target);
    ImageList_Draw(images.GetSafeHandle(), index, mem, 0, 0, ILD_NORMAL);
    const COLORREF colour = ::GetPixel(mem, 8, 8);
    ::SelectObject(mem, old);
    ::DeleteObject(target);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

class ImageListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 450)));
    }
    void TearDown() override { parent.DestroyWindow(); }
    void Create(COXImageListBox& list)
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_HSCROLL | LBS_NOTIFY, CRect(10, 10, 310, 210), &parent,
                                ListId));
    }
    void AddColours(COXImageListBox& list, int size)
    {
        for (COLORREF colour : kColours) {
            CBitmap bitmap;
            SolidBitmap(bitmap, size, colour);
            ASSERT_GE(list.AddImage(&bitmap, RGB(1, 2, 3)), 0);
        }
    }
    CTestFrame parent;
};
} // namespace

TEST_F(ImageListBoxTest, DeletingAnItemRenumbersDataAndImages)
{
    COXImageListBox list(32, 32);
    Create(list);
    AddColours(list, 32);
    ASSERT_EQ(5, list.GetCount());
    list.DeleteString(2);
    ASSERT_EQ(4, list.GetCount());
    ASSERT_EQ(4, list.GetImageList()->GetImageCount());
    const int expected[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(static_cast<DWORD_PTR>(i), list.GetItemData(i));
        EXPECT_EQ(kColours[expected[i]], ImageColour(*list.GetImageList(), i)) << i;
    }
    list.ResetContent();
    EXPECT_EQ(0, list.GetImageList()->GetImageCount());
    EXPECT_FALSE(list.ReplaceIcon(0, nullptr));
    EXPECT_EQ(nullptr, list.GetIcon(0));
}

TEST_F(ImageListBoxTest, BigImagesGetCellsAQuarterLargerWithTheImageInset)
{
    COXImageListBox list(32, 32);
    Create(list);
    EXPECT_EQ(40, list.GetItemHeight(0));
    AddColours(list, 32);
    CRect cell;
    list.GetItemRect(1, &cell);
    EXPECT_EQ(40, cell.Width());
    EXPECT_EQ(40, cell.Height());

    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpFor(50);
    HDC hdc = ::GetDC(list.GetSafeHwnd());
    EXPECT_EQ(kColours[1], ::GetPixel(hdc, cell.left + 4, cell.top + 4));
    EXPECT_EQ(list.GetBkColor(), ::GetPixel(hdc, cell.left + 3, cell.top + 3));
    EXPECT_EQ(list.GetBkColor(), ::GetPixel(hdc, cell.left + 36, cell.top + 36));
    ::ReleaseDC(list.GetSafeHwnd(), hdc);

    // Images of another size are refused.
    CImageList small;
    small.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
    CBitmap bitmap;
    SolidBitmap(bitmap, 16, RGB(9, 9, 9));
    small.Add(&bitmap, RGB(1, 2, 3));
    EXPECT_EQ(-1, list.AddImageList(&small));
    CImageList same;
    same.Create(32, 32, ILC_COLOR24 | ILC_MASK, 0, 1);
    CBitmap big;
    SolidBitmap(big, 32, RGB(90, 90, 90));
    same.Add(&big, RGB(1, 2, 3));
    EXPECT_EQ(5, list.AddImageList(&same));
    EXPECT_EQ(6, list.GetCount());
    EXPECT_EQ(DWORD_PTR(5), list.GetItemData(5));

    // A copied list sets the cell size from its own images.
    EXPECT_EQ(1, list.SetImageList(&small));
    EXPECT_EQ(20, list.GetItemHeight(0));
    EXPECT_EQ(0, list.SetImageList(nullptr));
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(ImageListBoxTest, IconFiles)
{
    COXImageListBox list;
    Create(list);
    AddColours(list, 16);

    char temp[MAX_PATH], file[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    ::GetTempFileNameA(temp, "oxi", 0, file);
    FILE* f = fopen(file, "w");
    ASSERT_TRUE(f);
    fputs("no icons in here", f);
    fclose(f);
    EXPECT_TRUE(list.LoadImagesFromFile(file));
    EXPECT_EQ(5, list.GetCount());
    ::DeleteFileA(file);
    EXPECT_FALSE(list.LoadImagesFromFile(file));
    EXPECT_EQ(5, list.GetCount());

    char shell[MAX_PATH];
    ::GetSystemDirectoryA(shell, MAX_PATH);
    strcat(shell, "\\shell32.dll");
    const int icons = static_cast<int>(::ExtractIconExA(shell, -1, nullptr, nullptr, 0));
    ASSERT_GT(icons, 0);
    EXPECT_TRUE(list.LoadImagesFromFile(shell, TRUE));
    EXPECT_EQ(icons, list.GetCount());
    list.SetCurSel(3);
    HICON selected = list.GetSelectedIcon();
    EXPECT_TRUE(selected);
    ::DestroyIcon(selected);
}
