#include "framework/util/ControlFunctions.h"

#include "afx/GdiObject.h"
#include "afx/ImageList.h"
#include "afx/ListCtrl.h"
#include "afx/Menu.h"
#include "afx/Wnd.h"
#include "resources/resource.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {
const COLORREF Magenta = RGB(255, 0, 255);

// A bottom-up DIB section of the given depth; *bits points at its pixels.
HBITMAP MakeDib(int width, int height, WORD depth, void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = depth;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

int Stride24(int width)
{
    return (width * 3 + 3) & ~3;
}

void SetPixel24(BYTE* bits, int width, int x, int y, COLORREF color)
{
    BYTE* p = bits + y * Stride24(width) + x * 3;
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
}

COLORREF GetPixel24(const BYTE* bits, int width, int x, int y)
{
    const BYTE* p = bits + y * Stride24(width) + x * 3;
    return RGB(p[2], p[1], p[0]);
}
} // namespace

TEST(ReplaceBitmapColor, RecoloursEveryKeyPixelAcrossPaddedRows)
{
    // 5 pixels are 15 bytes: each row carries one byte of padding.
    const int width = 5, height = 3;
    void* raw = nullptr;
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(MakeDib(width, height, 24, &raw)));
    BYTE* bits = static_cast<BYTE*>(raw);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel24(bits, width, x, y, (x + y) % 2 ? RGB(10, 20, 30) : Magenta);
    // The padding byte after each row must survive as it is.
    for (int y = 0; y < height; ++y)
        bits[y * Stride24(width) + width * 3] = 0x5A;

    const COLORREF replacement = RGB(1, 2, 3);
    EXPECT_TRUE(ReplaceBitmapColor(&bitmap, 0xC0C0C0, replacement));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            EXPECT_EQ((x + y) % 2 ? RGB(10, 20, 30) : replacement, GetPixel24(bits, width, x, y)) << x << "," << y;
        EXPECT_EQ(0x5A, bits[y * Stride24(width) + width * 3]);
    }
}

TEST(ReplaceBitmapColor, LeavesAnythingButA24BitDibSectionAlone)
{
    void* raw = nullptr;
    CBitmap deep;
    ASSERT_TRUE(deep.Attach(MakeDib(4, 4, 32, &raw)));
    DWORD* pixels = static_cast<DWORD*>(raw);
    for (int i = 0; i < 16; ++i)
        pixels[i] = 0x00FF00FF;
    EXPECT_FALSE(ReplaceBitmapColor(&deep, 0, RGB(1, 2, 3)));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(0x00FF00FFu, pixels[i]);

    // A device bitmap has no bits of ours to walk.
    HDC screen = GetDC(nullptr);
    CBitmap device;
    ASSERT_TRUE(device.Attach(CreateCompatibleBitmap(screen, 4, 4)));
    ReleaseDC(nullptr, screen);
    EXPECT_FALSE(ReplaceBitmapColor(&device, 0, RGB(1, 2, 3)));

    CBitmap empty;
    EXPECT_FALSE(ReplaceBitmapColor(&empty, 0, RGB(1, 2, 3)));
    EXPECT_FALSE(ReplaceBitmapColor(nullptr, 0, RGB(1, 2, 3)));
}

TEST(LoadImageListReplacingColor, ImagesShowTheNewColourWhereTheKeyColourWas)
{
    // The key colour is the bitmap's first pixel in memory: the bottom-left
    // pixel of the first image of the bottom-up resource bitmap.
    HANDLE loaded = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(IDB_TOOLBAR_IMAGES), IMAGE_BITMAP, 0, 0,
                               LR_CREATEDIBSECTION);
    ASSERT_TRUE(loaded);
    DIBSECTION ds = {};
    ASSERT_EQ(static_cast<int>(sizeof ds), GetObjectA(loaded, sizeof ds, &ds));
    ASSERT_EQ(24, ds.dsBm.bmBitsPixel);
    const BYTE* first = static_cast<const BYTE*>(ds.dsBm.bmBits);
    const COLORREF key = RGB(first[2], first[1], first[0]);
    const int size = ds.dsBm.bmHeight;
    const int images = ds.dsBm.bmWidth / size;
    DeleteObject(loaded);

    const COLORREF replacement = RGB(1, 2, 3);
    CImageList list;
    ASSERT_TRUE(LoadImageListReplacingColor(IDB_TOOLBAR_IMAGES, &list, size, size, ILC_COLOR24, 24, 0xC0C0C0,
                                            replacement));
    EXPECT_EQ(images, list.GetImageCount());
    EXPECT_EQ(replacement, ImageList_GetBkColor(list.GetSafeHandle()));

    void* raw = nullptr;
    HBITMAP target = MakeDib(size, size, 24, &raw);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    ASSERT_TRUE(ImageList_Draw(list.GetSafeHandle(), 0, dc, 0, 0, ILD_NORMAL));
    GdiFlush();
    const BYTE* bits = static_cast<const BYTE*>(raw);
    // Bottom-left of the drawn image is row 0 of the bottom-up target.
    EXPECT_EQ(replacement, GetPixel24(bits, size, 0, 0));
    int keyLeft = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            keyLeft += GetPixel24(bits, size, x, y) == key;
    EXPECT_EQ(0, keyLeft);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);

    // Loading again replaces the list instead of failing on it.
    EXPECT_TRUE(LoadImageListReplacingColor(IDB_TOOLBAR_IMAGES, &list, size, size, ILC_COLOR24, 24, 0, replacement));
    EXPECT_EQ(images, list.GetImageCount());
    EXPECT_FALSE(LoadImageListReplacingColor(9999, &list, size, size, ILC_COLOR24, 24, 0, replacement));
}

namespace {
// A popup window with children made by the tests.
class HostWindow
{
public:
    HostWindow()
    {
        hwnd = CreateWindowA("STATIC", "host", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
        wnd.m_hWnd = hwnd;
    }
    ~HostWindow()
    {
        wnd.m_hWnd = nullptr;
        DestroyWindow(hwnd);
    }
    HWND Child(LPCSTR cls, DWORD style, int id)
    {
        return CreateWindowA(cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100, hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    HWND hwnd;
    CWnd wnd;
};

int SelectedRow(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
} // namespace

TEST(SelectListRow, ClampsToTheRowsThereAre)
{
    InitCommonControls();
    HostWindow host;
    HWND hList = host.Child(WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL, 10);
    ASSERT_TRUE(hList);
    CListCtrl list;
    list.m_hWnd = hList;

    SelectListRow(3, &list);   // empty: nothing happens
    EXPECT_EQ(-1, SelectedRow(hList));

    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageA(hList, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    for (int i = 0; i < 5; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<LPSTR>("row");
        SendMessageA(hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SelectListRow(-5, &list);
    EXPECT_EQ(0, SelectedRow(hList));
    EXPECT_EQ(0, static_cast<int>(SendMessageA(hList, LVM_GETSELECTIONMARK, 0, 0)));
    SelectListRow(99, &list);
    EXPECT_EQ(4, SelectedRow(hList));
    EXPECT_EQ(4, static_cast<int>(SendMessageA(hList, LVM_GETSELECTIONMARK, 0, 0)));
    EXPECT_EQ(LVIS_FOCUSED, SendMessageA(hList, LVM_GETITEMSTATE, 4, LVIS_FOCUSED));
    list.m_hWnd = nullptr;
}

TEST(SyncMenuWithDialog, ItemsFollowTheirControlsOthersStay)
{
    HostWindow host;
    HWND check = host.Child("BUTTON", BS_AUTOCHECKBOX, 100);
    HWND disabled = host.Child("BUTTON", BS_AUTOCHECKBOX, 101);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(disabled, FALSE);

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING | MF_GRAYED, 100, "checked");
    menu.AppendMenu(MF_STRING | MF_CHECKED, 101, "disabled");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_CHECKED | MF_GRAYED, 102, "no control");
    SyncMenuWithDialog(&menu, &host.wnd);

    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), menu.GetMenuState(100, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), menu.GetMenuState(101, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED | MF_GRAYED), menu.GetMenuState(102, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED));
}

TEST(CTableOfHTML, StartsZeroedAndIsKept)
{
    INT_PTR before = GetTablesOfHTML().GetSize();
    CTableOfHTML* table = CreateTableOfHTML();
    ASSERT_TRUE(table);
    EXPECT_EQ(0, table->m_nRows);
    EXPECT_EQ(0, table->m_nColumns);
    EXPECT_EQ(0, table->m_nBorder);
    EXPECT_EQ(0, table->m_nWidthPercent);
    ASSERT_EQ(before + 1, GetTablesOfHTML().GetSize());
    EXPECT_EQ(table, GetTablesOfHTML()[before]);
}


TEST(Choosers, PickColorIsSeededAndAnswersOnlyOk)
{
    COLORREF colour = RGB(128, 0, 0);
    BOOL picked = FALSE;
    ASSERT_TRUE(RunPressingDialogButton(IDOK, [&] { picked = PickColor(colour); }));
    EXPECT_TRUE(picked);
    EXPECT_EQ(RGB(128, 0, 0), colour);   // OK keeps the colour the dialog was seeded with

    colour = RGB(1, 2, 3);
    ASSERT_TRUE(RunPressingDialogButton(IDCANCEL, [&] { picked = PickColor(colour); }));
    EXPECT_FALSE(picked);
    EXPECT_EQ(RGB(1, 2, 3), colour);
}

TEST(Choosers, PickFontStartsFromTheGivenFontAndColour)
{
    LOGFONT lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_BOLD;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    COLORREF colour = RGB(128, 0, 0);
    BOOL picked = FALSE;
    ASSERT_TRUE(RunPressingDialogButton(IDOK, [&] { picked = PickFont(colour, lf); }));
    EXPECT_TRUE(picked);
    EXPECT_STREQ("Tahoma", lf.lfFaceName);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(RGB(128, 0, 0), colour);

    LOGFONT kept = lf;
    colour = RGB(0, 0, 128);
    ASSERT_TRUE(RunPressingDialogButton(IDCANCEL, [&] { picked = PickFont(colour, lf); }));
    EXPECT_FALSE(picked);
    EXPECT_EQ(0, memcmp(&kept, &lf, sizeof lf));
    EXPECT_EQ(RGB(0, 0, 128), colour);
}
