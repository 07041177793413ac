// The splash window: transparent pixels and the traced shape from bitmap
// files written here, and the window's life on screen: times, moves, clicks,
// keys and the self-deleting process-wide splash.
#include "toolkit/foundation/OXSplashWnd.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"
#include "toolkit/foundation/OXDIB.h"
#include "toolkit/foundation/OXDIBBlock.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// A 24-bit BMP file of the given size in the temp folder: every pixel the
// background colour but those listed.
class CBitmapFile
{
public:
    CBitmapFile(int width, int height, COLORREF background, const std::map<std::pair<int, int>, COLORREF>& pixels)
    {
        char dir[MAX_PATH];
        ::GetTempPathA(MAX_PATH, dir);
        ::GetTempFileNameA(dir, "spl", 0, m_path);
        COXDIB dib;
        EXPECT_TRUE(dib.Create(24, width, height));
        HGLOBAL h = dib.Detach();
        {
            COXDIBBlock block(h);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    auto it = pixels.find({ x, y });
                    const COLORREF c = it == pixels.end() ? background : it->second;
                    BYTE* p = block.Bits() + (height - 1 - y) * block.layout.stride + x * 3;
                    p[0] = GetBValue(c);
                    p[1] = GetGValue(c);
                    p[2] = GetRValue(c);
                }
        }
        dib = h;
        ::GlobalFree(h);
        EXPECT_TRUE(dib.WriteToFile(m_path));
    }
    ~CBitmapFile() { ::DeleteFileA(m_path); }
    const char* Path() const { return m_path; }

private:
    char m_path[MAX_PATH];
};

const COLORREF Key = RGB(100, 100, 100);
const COLORREF Ink = RGB(0, 0, 200);

std::map<std::pair<int, int>, COLORREF> Block(int left, int top, int right, int bottom, COLORREF c)
{
    std::map<std::pair<int, int>, COLORREF> pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            pixels[{ x, y }] = c;
    return pixels;
}

// The thread's messages, the splash's PreTranslateMessage first as the
// application's loop would run it, until the condition holds.
bool PumpSplash(const std::function<COXSplashWnd*()>& splash, const std::function<bool()>& done, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > ms)
            return false;
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        COXSplashWnd* pSplash = splash();
        if (pSplash && pSplash->GetSafeHwnd() && msg.hwnd == pSplash->GetSafeHwnd() && pSplash->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

class SplashTest : public testing::Test
{
protected:
    void SetUp() override { AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); }
};
} // namespace

TEST_F(SplashTest, ToleranceCutsUpToItsDistanceInEveryChannel)
{
    std::map<std::pair<int, int>, COLORREF> pixels = Block(4, 4, 12, 12, Ink);
    pixels[{ 10, 1 }] = RGB(110, 90, 110);   // 10 away in each channel
    pixels[{ 13, 1 }] = RGB(111, 100, 100);  // 11 away in one
    CBitmapFile file(16, 16, Key, pixels);
    COXSplashWnd splash;
    ASSERT_TRUE(splash.LoadBitmapFile(file.Path(), Key, nullptr, 10));
    EXPECT_TRUE(splash.IsTransparentPixel(0, 0, FALSE));
    EXPECT_TRUE(splash.IsTransparentPixel(10, 1, FALSE));
    EXPECT_FALSE(splash.IsTransparentPixel(13, 1, TRUE));
    EXPECT_FALSE(splash.IsTransparentPixel(5, 5, TRUE));
    EXPECT_TRUE(splash.IsTransparentPixel(-1, 3, TRUE));
    EXPECT_FALSE(splash.IsTransparentPixel(16, 3, FALSE));

    // Tolerance 0 cuts only the colour itself.
    ASSERT_TRUE(splash.LoadBitmapFile(file.Path(), Key, nullptr, 0));
    EXPECT_FALSE(splash.IsTransparentPixel(10, 1, TRUE));
}

TEST_F(SplashTest, ShapeFollowsTheOpaqueArea)
{
    CBitmapFile file(20, 20, Key, Block(5, 5, 15, 15, Ink));
    COXSplashWnd splash;
    // No transparent colour: a rectangular window.
    ASSERT_TRUE(splash.LoadBitmapFile(file.Path(), CLR_NONE));
    EXPECT_EQ(nullptr, splash.GetRegion().GetSafeHandle());

    // The colour of the sample point (outside: the top-left pixel).
    POINT outside = { 50, 50 };
    ASSERT_TRUE(splash.LoadBitmapFile(file.Path(), CLR_DEFAULT, &outside));
    ASSERT_NE(nullptr, splash.GetRegion().GetSafeHandle());
    HRGN region = static_cast<HRGN>(splash.GetRegion().GetSafeHandle());
    EXPECT_TRUE(::PtInRegion(region, 10, 10));
    EXPECT_TRUE(::PtInRegion(region, 5, 5));
    EXPECT_FALSE(::PtInRegion(region, 2, 2));
    EXPECT_FALSE(::PtInRegion(region, 17, 10));

    // Nothing opaque: no shape, and the load says so.
    CBitmapFile empty(8, 8, Key, {});
    EXPECT_FALSE(splash.LoadBitmapFile(empty.Path(), Key));
    EXPECT_EQ(nullptr, splash.GetRegion().GetSafeHandle());
    EXPECT_FALSE(splash.LoadBitmapFile("no such file.bmp", Key));
}

TEST_F(SplashTest, OpaqueAreaOffTheDiagonalStillGetsARegion)
{
    // Top right only: the diagonal walk from the top-left corner never meets it.
    CBitmapFile file(40, 30, Key, Block(30, 2, 38, 9, Ink));
    COXSplashWnd splash;
    ASSERT_TRUE(splash.LoadBitmapFile(file.Path(), Key));
    HRGN region = static_cast<HRGN>(splash.GetRegion().GetSafeHandle());
    ASSERT_NE(nullptr, region);
    EXPECT_TRUE(::PtInRegion(region, 33, 5));
    EXPECT_FALSE(::PtInRegion(region, 10, 10));

    // A thin diagonal line and a lone pixel end without hanging.
    std::map<std::pair<int, int>, COLORREF> line;
    for (int i = 3; i < 25; ++i)
        line[{ i, 28 - i }] = Ink;
    CBitmapFile diagonal(30, 30, Key, line);
    splash.LoadBitmapFile(diagonal.Path(), Key);
    CBitmapFile lone(10, 10, Key, { { { 6, 3 }, Ink } });
    EXPECT_FALSE(splash.LoadBitmapFile(lone.Path(), Key));
    EXPECT_TRUE(COXSplashWnd::TraceOutline(5, 5, [](int x, int y) { return x == 2 && y == 2; }).empty());
}

TEST_F(SplashTest, UntilClosedIgnoresMovesAndClosesOnAClick)
{
    CBitmapFile file(60, 40, Key, Block(10, 10, 50, 30, Ink));
    COXSplashWnd splash;
    ASSERT_TRUE(splash.LoadBitmapFile(file.Path(), Key));
    ASSERT_TRUE(splash.Show(COXSplashWnd::DisplayUntilClosed));
    HWND hSplash = splash.GetSafeHwnd();
    ASSERT_NE(nullptr, hSplash);
    EXPECT_TRUE(::IsWindowVisible(hSplash));
    EXPECT_EQ(-1, splash.GetDisplayTime());
    // Shaped, topmost, off the taskbar through its hidden owner, holding the mouse.
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(ERROR, ::GetWindowRgn(hSplash, shape));
    EXPECT_TRUE(::PtInRegion(shape, 20, 20));
    EXPECT_FALSE(::PtInRegion(shape, 2, 2));
    ::DeleteObject(shape);
    EXPECT_NE(0, ::GetWindowLongA(hSplash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(nullptr, ::GetWindow(hSplash, GW_OWNER));
    EXPECT_EQ(hSplash, ::GetCapture());

    auto self = [&splash]() { return &splash; };
    ::PostMessageA(hSplash, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_FALSE(PumpSplash(self, [&] { return !::IsWindow(hSplash); }, 1000));
    EXPECT_TRUE(::IsWindowVisible(hSplash));

    ::PostMessageA(hSplash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(PumpSplash(self, [&] { return !::IsWindow(hSplash); }, 1000));
    EXPECT_EQ(nullptr, splash.GetSafeHwnd());
    EXPECT_NE(hSplash, ::GetCapture());

    // Shown again, a key closes it too; with user cancel off only the caller does.
    ASSERT_TRUE(splash.Show(-1));
    hSplash = splash.GetSafeHwnd();
    ::PostMessageA(hSplash, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(PumpSplash(self, [&] { return !::IsWindow(hSplash); }, 1000));
    splash.SetUserCancel(FALSE);
    ASSERT_TRUE(splash.Show(-1));
    hSplash = splash.GetSafeHwnd();
    ::PostMessageA(hSplash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_FALSE(PumpSplash(self, [&] { return !::IsWindow(hSplash); }, 300));
    EXPECT_TRUE(splash.SetDisplayTimer(0));
    EXPECT_FALSE(::IsWindow(hSplash));
}

TEST_F(SplashTest, TimeZeroTakesTheDefaultAndClosesItself)
{
    CBitmapFile file(30, 30, Key, {});
    COXSplashWnd splash;
    EXPECT_FALSE(splash.Show(0));   // nothing loaded
    ASSERT_TRUE(splash.LoadBitmapFile(file.Path()));
    ASSERT_TRUE(splash.Show(0));
    EXPECT_EQ(COXSplashWnd::DefaultDisplayTime, splash.GetDisplayTime());
    HWND hSplash = splash.GetSafeHwnd();
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(PumpSplash([&splash] { return &splash; }, [&] { return !::IsWindow(hSplash); }, 3000));
    EXPECT_GE(::GetTickCount() - start, 600u);
}

TEST_F(SplashTest, ProcessSplashDeletesItselfAfterAClick)
{
    CBitmapFile file(40, 40, Key, Block(5, 5, 35, 35, Ink));
    EXPECT_EQ(nullptr, COXSplashWnd::ShowSplashFile("no such file.bmp"));
    EXPECT_EQ(nullptr, COXSplashWnd::GetProcessSplash());
    COXSplashWnd* pSplash = COXSplashWnd::ShowSplashFile(file.Path(), Key);
    ASSERT_NE(nullptr, pSplash);
    EXPECT_EQ(pSplash, COXSplashWnd::GetProcessSplash());

    COXSplashWnd::EnableProcessSplash(FALSE);
    EXPECT_FALSE(pSplash->Show(-1));
    COXSplashWnd::EnableProcessSplash(TRUE);
    ASSERT_TRUE(pSplash->Show(-1));
    HWND hSplash = pSplash->GetSafeHwnd();
    HWND hOwner = ::GetWindow(hSplash, GW_OWNER);
    ::PostMessageA(hSplash, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(PumpSplash(&COXSplashWnd::GetProcessSplash, [] { return COXSplashWnd::GetProcessSplash() == nullptr; },
                           1000));
    EXPECT_FALSE(::IsWindow(hSplash));
    EXPECT_FALSE(::IsWindow(hOwner));

    // Closed by its own timer the same way.
    pSplash = COXSplashWnd::ShowSplashFile(file.Path(), Key);
    ASSERT_NE(nullptr, pSplash);
    ASSERT_TRUE(pSplash->Show(100));
    EXPECT_TRUE(PumpSplash(&COXSplashWnd::GetProcessSplash, [] { return COXSplashWnd::GetProcessSplash() == nullptr; },
                           2000));
}
