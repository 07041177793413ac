// Helpers of the owner-drawn menu tests: the process-wide menu settings put
// back after each test, and a memory DC to draw items into.
#pragma once

#include "controls/menu/BCMenu.h"

#include <gtest/gtest.h>

// Saves the look switches and the image size; each test picks its look.
class MenuSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved_ = {BCMenu::iconWidth, BCMenu::iconHeight, BCMenu::windowsClass, BCMenu::classicTheme,
                  BCMenu::xpLookOnThemedXp, BCMenu::xpLookElsewhere, BCMenu::selectDisabledXp,
                  BCMenu::selectDisabled3d, BCMenu::xpImageSet};
    }
    void TearDown() override
    {
        BCMenu::iconWidth = saved_[0];
        BCMenu::iconHeight = saved_[1];
        BCMenu::windowsClass = saved_[2];
        BCMenu::classicTheme = saved_[3];
        BCMenu::xpLookOnThemedXp = saved_[4];
        BCMenu::xpLookElsewhere = saved_[5];
        BCMenu::selectDisabledXp = saved_[6];
        BCMenu::selectDisabled3d = saved_[7];
        BCMenu::xpImageSet = saved_[8];
    }
    // Windows XP with its visual style: the XP look with default switches.
    static void UseXpLook()
    {
        BCMenu::windowsClass = 7;
        BCMenu::classicTheme = 0;
    }
    // Any later Windows (class 1): the 3D look with default switches.
    static void Use3dLook()
    {
        BCMenu::windowsClass = 1;
        BCMenu::classicTheme = 0;
    }

private:
    std::vector<int> saved_;
};

// A screen-compatible bitmap in a memory DC, with the menu font selected as
// the system selects it before WM_DRAWITEM.
class Canvas
{
public:
    Canvas(int width, int height) : dc_(::CreateCompatibleDC(nullptr)), bitmap_(nullptr), font_(nullptr)
    {
        HDC screen = ::GetDC(nullptr);
        bitmap_ = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        oldBitmap_ = ::SelectObject(dc_, bitmap_);
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof(metrics);
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
        font_ = ::CreateFontIndirectA(&metrics.lfMenuFont);
        oldFont_ = ::SelectObject(dc_, font_);
        RECT all = {0, 0, width, height};
        HBRUSH black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
        ::FillRect(dc_, &all, black);
    }
    ~Canvas()
    {
        ::SelectObject(dc_, oldFont_);
        ::SelectObject(dc_, oldBitmap_);
        ::DeleteObject(font_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }
    // True when some pixel of the rectangle has the colour.
    bool Has(const RECT& rect, COLORREF colour) const
    {
        for (int x = rect.left; x < rect.right; ++x)
            for (int y = rect.top; y < rect.bottom; ++y)
                if (At(x, y) == colour)
                    return true;
        return false;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    HFONT font_;
    HGDIOBJ oldFont_ = nullptr;
};
