// GDI wrappers: ownership (one delete, moves leave the source empty), the
// handle maps behind FromHandle, and drawing into a memory DC checked by pixels.
#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "afx/DC.h"

static_assert(!std::is_copy_constructible<CPen>::value, "an owning pen must not be copied");
static_assert(!std::is_copy_assignable<CFont>::value, "an owning font must not be copied");
static_assert(std::is_nothrow_move_constructible<CBitmap>::value, "bitmaps move");
static_assert(!std::is_copy_constructible<CDC>::value, "an owning DC must not be copied");

TEST(GdiObject, DestructionDeletesTheHandleOnce)
{
    HGDIOBJ handle;
    {
        CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
        handle = pen.m_hObject;
        EXPECT_EQ(static_cast<UINT>(OBJ_PEN), pen.GetObjectType());
    }
    EXPECT_EQ(0u, static_cast<UINT>(::GetObjectType(handle)));

    CBrush kept;
    ASSERT_TRUE(kept.CreateSolidBrush(RGB(9, 9, 9)));
    HGDIOBJ raw = kept.Detach();    // a detached handle is the caller's to delete
    EXPECT_EQ(nullptr, kept.m_hObject);
    EXPECT_FALSE(kept.DeleteObject());
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(raw));
    ::DeleteObject(raw);
}

TEST(GdiObject, MoveLeavesTheSourceEmptyAndTheTargetOwning)
{
    CFont source;
    ASSERT_TRUE(source.CreatePointFont(100, "Arial"));
    HGDIOBJ handle = source.m_hObject;
    CFont target(std::move(source));
    EXPECT_EQ(nullptr, source.m_hObject);
    EXPECT_EQ(handle, target.m_hObject);
    EXPECT_EQ(&target, CFont::FromHandle(static_cast<HFONT>(handle)));   // the map follows the move

    CFont other;
    ASSERT_TRUE(other.CreatePointFont(120, "Arial"));
    HGDIOBJ replaced = other.m_hObject;
    other = std::move(target);        // the target's old font is deleted, not leaked
    EXPECT_EQ(0u, static_cast<UINT>(::GetObjectType(replaced)));
    EXPECT_EQ(handle, other.m_hObject);
    EXPECT_EQ(nullptr, target.m_hObject);
    source = std::move(source);       // self-move keeps nothing broken
    LOGFONT logFont = {};
    ASSERT_NE(0, other.GetLogFont(&logFont));
    EXPECT_LT(logFont.lfHeight, 0);   // a character height, from tenths of a point
}

TEST(GdiObject, FromHandleGivesThePermanentObjectOrANonOwningTemporary)
{
    CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
    EXPECT_EQ(&pen, CPen::FromHandle(pen));
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));

    HBRUSH unwrapped = ::CreateSolidBrush(RGB(5, 5, 5));
    CBrush* temp = CBrush::FromHandle(unwrapped);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(temp, CBrush::FromHandle(unwrapped));   // one temporary per handle
    EXPECT_TRUE(temp->IsKindOf(RUNTIME_CLASS(CBrush)));
    AfxDeleteTempGdiObjects();
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(unwrapped));   // not deleted with the wrapper
    ::DeleteObject(unwrapped);
    EXPECT_EQ(nullptr, CBrush::FromHandle(nullptr));
}

TEST(GdiObject, RegionsCombineAndHitTest)
{
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 20, 20));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&a, &b, RGN_OR));
    EXPECT_TRUE(both.PtInRegion(15, 15));
    EXPECT_FALSE(both.PtInRegion(15, 2));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(CRect(0, 0, 20, 20), box);
    both.SetRectRgn(CRect(1, 1, 2, 2));
    EXPECT_FALSE(both.PtInRegion(5, 5));
}

namespace {

// A 32x32 memory DC with its own bitmap, white to start with.
struct MemoryCanvas
{
    CDC dc;
    CBitmap bitmap;
    HGDIOBJ original = nullptr;
    MemoryCanvas()
    {
        dc.CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 32;
        info.bmiHeader.biHeight = -32;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap.Attach(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        original = ::SelectObject(dc, bitmap);
        dc.FillSolidRect(0, 0, 32, 32, RGB(255, 255, 255));
    }
    ~MemoryCanvas() { ::SelectObject(dc, original); }
};

} // namespace

TEST(DC, FillSolidRectAndDraw3dRectHitTheirPixels)
{
    MemoryCanvas canvas;
    CDC& dc = canvas.dc;
    dc.FillSolidRect(CRect(2, 2, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(2, 2));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(9, 9));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(10, 10));   // right and bottom are outside
    EXPECT_EQ(RGB(255, 0, 0), dc.GetBkColor());            // left as set, as callers expect

    dc.Draw3dRect(CRect(12, 12, 20, 20), RGB(0, 255, 0), RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(12, 12));        // top-left corner
    EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(18, 12));        // top edge
    EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(12, 18));        // left edge
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(19, 12));        // top-right corner is the dark side
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(19, 19));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(12, 19));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(15, 15));    // the inside untouched
}

TEST(DC, TextColourReachesThePixels)
{
    MemoryCanvas canvas;
    CDC& dc = canvas.dc;
    CFont font;
    ASSERT_TRUE(font.CreateFont(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                NONANTIALIASED_QUALITY, 0, "Arial"));
    CSelectGuard selected(dc, font);
    dc.SetTextColor(RGB(0, 0, 255));
    dc.SetBkMode(TRANSPARENT);
    CRect rect(0, 0, 32, 32);
    dc.DrawText(CString("\xCF"), &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);   // "П"
    int blue = 0, other = 0;
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            COLORREF c = dc.GetPixel(x, y);
            if (c == RGB(0, 0, 255))
                blue++;
            else if (c != RGB(255, 255, 255))
                other++;
        }
    EXPECT_GT(blue, 20);
    EXPECT_EQ(0, other);
    CSize extent = dc.GetTextExtent(CString("\xCF\xCF"));
    EXPECT_GT(extent.cx, extent.cy / 2);
}

TEST(DC, SelectGuardAndSelectObjectPutThePreviousObjectBack)
{
    MemoryCanvas canvas;
    CDC& dc = canvas.dc;
    HGDIOBJ penBefore = ::GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ fontBefore = ::GetCurrentObject(dc, OBJ_FONT);
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial", &dc));
    {
        CSelectGuard penGuard(dc, pen);
        CSelectGuard fontGuard(dc, font);
        EXPECT_TRUE(penGuard);
        EXPECT_EQ(pen.m_hObject, ::GetCurrentObject(dc, OBJ_PEN));
        EXPECT_EQ(font.m_hObject, ::GetCurrentObject(dc, OBJ_FONT));
        dc.MoveTo(0, 5);
        dc.LineTo(32, 5);
        EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(16, 5));
    }
    EXPECT_EQ(penBefore, ::GetCurrentObject(dc, OBJ_PEN));
    EXPECT_EQ(fontBefore, ::GetCurrentObject(dc, OBJ_FONT));

    CPen* previous = dc.SelectObject(&pen);
    ASSERT_NE(nullptr, previous);
    EXPECT_EQ(penBefore, previous->m_hObject);
    EXPECT_EQ(&pen, dc.SelectObject(previous));   // the wrapped pen comes back as itself
    AfxDeleteTempGdiObjects();
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), ::GetObjectType(penBefore));   // a stock pen survives
}

TEST(DC, DrawDragRectInvertsOnlyTheFrameAndErasesTheLastOne)
{
    MemoryCanvas canvas;
    CDC& dc = canvas.dc;
    CBrush inverter(RGB(255, 255, 255));   // XOR with white turns white to black
    CRect first(4, 4, 20, 20), second(8, 8, 24, 24);
    dc.DrawDragRect(first, CSize(2, 2), nullptr, CSize(0, 0), &inverter, &inverter);
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(4, 4));
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(5, 10));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(6, 10));   // inside the frame
    dc.DrawDragRect(second, CSize(2, 2), first, CSize(2, 2), &inverter, &inverter);
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(4, 4));    // old frame erased
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(8, 8));
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(23, 23));
    dc.DrawDragRect(CRect(), CSize(0, 0), second, CSize(2, 2), &inverter, &inverter);
    for (int i = 0; i < 32; i++)
        EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(i, i)) << i;
}
