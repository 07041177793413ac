// The image side of BCMenu: bitmap resources into image lists, the global
// list shared by all menus (keyed by command), the faded, shadow and greyed
// variants of the XP look and the two ways of drawing a disabled image.
#include "controls/menu/BCMenu.h"

#include "afx/DC.h"

#include <algorithm>

namespace {
// Raster operation: paint the brush where the monochrome source is black and
// keep the destination where it is white.
const DWORD kRopBrushThroughMask = 0x00B8074A;
const COLORREF kToolbarGrey = RGB(192, 192, 192);

// A DC whose drawing lands in the bitmap for the length of a scope.
class CBitmapDC
{
public:
    explicit CBitmapDC(CBitmap& bitmap) : m_dc(), m_guard(nullptr)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_guard.reset(new CSelectGuard(m_dc, bitmap));
    }
    ~CBitmapDC() { m_guard.reset(); }
    CDC& dc() { return m_dc; }

private:
    CDC m_dc;
    std::unique_ptr<CSelectGuard> m_guard;
};

CSize BitmapSize(CBitmap& bitmap)
{
    BITMAP info = {};
    ::GetObject(bitmap.m_hObject, sizeof(info), &info);
    return CSize(info.bmWidth, info.bmHeight);
}

// A colour as the display renders it: filled into a small bitmap, read back.
COLORREF RenderedColour(COLORREF colour)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 4, 4);
    ::ReleaseDC(nullptr, screen);
    COLORREF rendered = colour;
    {
        CSelectGuard guard(dc, bitmap);
        CBrush brush;
        brush.CreateSolidBrush(colour);
        CRect rect(0, 0, 4, 4);
        dc.FillRect(&rect, &brush);
        rendered = dc.GetPixel(1, 1);
    }
    ::DeleteObject(bitmap);
    return rendered;
}

COLORREF FaceReference()
{
    return RenderedColour(::GetSysColor(COLOR_3DFACE));
}

// Calls fn(colour) -> new colour (or CLR_INVALID to keep) for every pixel,
// columns outer and rows inner.
template <class Fn>
void ForEachPixel(CBitmap& bitmap, Fn fn)
{
    CSize size = BitmapSize(bitmap);
    CBitmapDC bitmapDC(bitmap);
    CDC& dc = bitmapDC.dc();
    for (int x = 0; x < size.cx; ++x) {
        for (int y = 0; y < size.cy; ++y) {
            COLORREF replaced = fn(dc.GetPixel(x, y));
            if (replaced != CLR_INVALID)
                dc.SetPixelV(x, y, replaced);
        }
    }
}

// The standard greys of a 16-colour bitmap become the user's system colours.
HBITMAP LoadMappedBitmap(HINSTANCE hInst, HRSRC hRes)
{
    HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
    const BITMAPINFOHEADER* header = hGlobal != nullptr ? static_cast<const BITMAPINFOHEADER*>(::LockResource(hGlobal))
                                                        : nullptr;
    DWORD size = ::SizeofResource(hInst, hRes);
    if (header == nullptr || size < sizeof(BITMAPINFOHEADER) || header->biSize < sizeof(BITMAPINFOHEADER))
        return nullptr;
    int colours = header->biClrUsed != 0 ? static_cast<int>(header->biClrUsed) : 16;
    size_t tableEnd = header->biSize + colours * sizeof(RGBQUAD);
    if (colours > 16 || size < tableEnd)
        return nullptr;
    std::vector<BYTE> copy(reinterpret_cast<const BYTE*>(header), reinterpret_cast<const BYTE*>(header) + size);
    RGBQUAD* table = reinterpret_cast<RGBQUAD*>(copy.data() + header->biSize);
    const struct {
        COLORREF from;
        int sysColour;
    } mapping[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                   {RGB(128, 128, 128), COLOR_BTNSHADOW},
                   {RGB(192, 192, 192), COLOR_BTNFACE},
                   {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (int i = 0; i < colours; ++i) {
        COLORREF entry = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
        for (const auto& map : mapping) {
            if (entry == map.from) {
                COLORREF to = ::GetSysColor(map.sysColour);
                table[i].rgbRed = GetRValue(to);
                table[i].rgbGreen = GetGValue(to);
                table[i].rgbBlue = GetBValue(to);
                break;
            }
        }
    }
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBitmap(screen, reinterpret_cast<BITMAPINFOHEADER*>(copy.data()), CBM_INIT,
                                      copy.data() + tableEnd, reinterpret_cast<BITMAPINFO*>(copy.data()),
                                      DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

// When the resource's cells differ from the list's image size, the strip is
// stretched so each cell becomes one image of the list's size.
void FitCells(CBitmap& bitmap, int cellWidth, int cellHeight, int width, int height)
{
    if (cellWidth <= 0 || cellHeight <= 0 || (cellWidth == width && cellHeight == height))
        return;
    CSize size = BitmapSize(bitmap);
    int cells = std::max(1, static_cast<int>(size.cx / cellWidth));
    HDC screen = ::GetDC(nullptr);
    HBITMAP fitted = ::CreateCompatibleBitmap(screen, cells * width, height);
    ::ReleaseDC(nullptr, screen);
    {
        CBitmapDC source(bitmap);
        CDC target;
        target.CreateCompatibleDC(nullptr);
        CSelectGuard guard(target, fitted);
        target.SetStretchBltMode(COLORONCOLOR);
        target.StretchBlt(0, 0, cells * width, height, &source.dc(), 0, 0, cells * cellWidth, cellHeight, SRCCOPY);
    }
    bitmap.DeleteObject();
    bitmap.Attach(fitted);
}

void AddVariants(CImageList* list, int index)
{
    CBitmap faded, shadow, greyed;
    HWND owner = BCMenu::OwnerWindow();
    HDC screen = ::GetDC(owner);
    CDC* dc = CDC::FromHandle(screen);
    bool made = BCMenu::ImageToBitmap(dc, list, index, faded) && BCMenu::ImageToBitmap(dc, list, index, shadow)
                && BCMenu::ImageToBitmap(dc, list, index, greyed);
    ::ReleaseDC(owner, screen);
    if (!made)
        return;
    BCMenu::MakeFaded(faded);
    BCMenu::MakeShadow(shadow);
    BCMenu::MakeGreyed(greyed, 0);
    COLORREF mask = ::GetSysColor(COLOR_3DFACE);
    list->Add(&faded, mask);
    list->Add(&shadow, mask);
    list->Add(&greyed, mask);
}
}

bool BCMenu::XpImageSetInForce()
{
    return xpImageSet != 0 && IsXpLook();
}

COLORREF BCMenu::MaskColour() const
{
    return useBitmapBackground ? bitmapBackground : ::GetSysColor(COLOR_3DFACE);
}

HBITMAP BCMenu::LoadSysColorBitmap(UINT nResourceID)
{
    LPCTSTR name = MAKEINTRESOURCE(nResourceID);
    HINSTANCE hInst = AfxFindResourceHandle(name, RT_BITMAP);
    HRSRC hRes = ::FindResource(hInst, name, RT_BITMAP);
    if (hRes == nullptr) {
        hInst = ::GetModuleHandle(nullptr);
        hRes = ::FindResource(hInst, name, RT_BITMAP);
    }
    if (hRes == nullptr)
        return nullptr;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
    const BITMAPINFOHEADER* header = hGlobal != nullptr ? static_cast<const BITMAPINFOHEADER*>(::LockResource(hGlobal))
                                                        : nullptr;
    if (header == nullptr || ::SizeofResource(hInst, hRes) < sizeof(BITMAPINFOHEADER))
        return nullptr;
    DWORD colours = header->biClrUsed;
    if (colours == 0) {
        switch (header->biBitCount) {
        case 1: colours = 2; break;
        case 4: colours = 16; break;
        case 8: colours = 256; break;
        default: colours = 0; break;
        }
    }
    if (colours != 16)
        return nullptr;
    return LoadMappedBitmap(hInst, hRes);
}

BOOL BCMenu::AddBitmapToImageList(CImageList* list, UINT nResourceID)
{
    return AddBitmapToImageList(list, nResourceID, 0, 0);
}

BOOL BCMenu::AddBitmapToImageList(CImageList* list, UINT nResourceID, int cellWidth, int cellHeight)
{
    if (list == nullptr || list->m_hImageList == nullptr)
        return FALSE;
    int width = 0, height = 0;
    list->GetIconSize(&width, &height);
    CBitmap bitmap;
    if (HBITMAP mapped = LoadSysColorBitmap(nResourceID)) {
        bitmap.Attach(mapped);
    } else {
        if (!bitmap.LoadBitmap(nResourceID))
            return FALSE;
        plainBitmapAdded = 1;
        ReplaceGreyBackground(bitmap);
    }
    FitCells(bitmap, cellWidth, cellHeight, width, height);
    if (list->Add(&bitmap, MaskColour()) < 0)
        return FALSE;
    if (XpImageSetInForce())
        AddVariants(list, 0);
    return TRUE;
}

BOOL BCMenu::CopyImageFromList(CImageList* source, int index, CImageList* destination)
{
    if (source == nullptr || destination == nullptr || index < 0)
        return FALSE;
    HICON icon = ImageList_GetIcon(source->m_hImageList, index, ILD_NORMAL);
    if (icon == nullptr)
        return FALSE;
    int width = 0, height = 0;
    source->GetIconSize(&width, &height);
    destination->DeleteImageList();
    destination->Create(width, height, ILC_COLORDDB | ILC_MASK, 1, 1);
    destination->Add(icon);
    ::DestroyIcon(icon);
    if (XpImageSetInForce())
        AddVariants(destination, 0);
    return TRUE;
}

int BCMenu::GlobalImageOffset(UINT_PTR nID)
{
    auto it = std::find(globalImageCommands.begin(), globalImageCommands.end(), nID);
    return it == globalImageCommands.end() ? -1 : static_cast<int>(it - globalImageCommands.begin());
}

bool BCMenu::HasGlobalImageSet(int position)
{
    size_t p = static_cast<size_t>(position);
    return position >= 0 && p + 2 < globalImageCommands.size() && globalImageCommands[p + 1] == globalImageCommands[p]
           && globalImageCommands[p + 2] == globalImageCommands[p];
}

int BCMenu::AddToGlobalImages(CImageList* list, int index, UINT_PTR nID)
{
    if (list == nullptr || list->m_hImageList == nullptr || index < 0)
        return -1;
    if (globalImages.m_hImageList == nullptr
        && !globalImages.Create(iconWidth, iconHeight, ILC_COLORDDB | ILC_MASK, 1, 1))
        return -1;
    HICON icon = ImageList_GetIcon(list->m_hImageList, index, ILD_NORMAL);
    if (icon == nullptr)
        return -1;
    bool variants = XpImageSetInForce();
    CImageList work;   // the variants are made from the extracted icon
    if (variants) {
        int width = 0, height = 0;
        list->GetIconSize(&width, &height);
        work.Create(width, height, ILC_COLORDDB | ILC_MASK, 4, 1);
        work.Add(icon);
    }
    int position = GlobalImageOffset(nID);
    if (position >= 0) {
        globalImages.Replace(position, icon);
        if (variants && HasGlobalImageSet(position) && static_cast<size_t>(position) + 3 < globalImageCommands.size()) {
            AddVariants(&work, 0);
            for (int i = 1; i <= 3; ++i) {
                HICON variant = ImageList_GetIcon(work.m_hImageList, i, ILD_NORMAL);
                if (variant != nullptr) {
                    globalImages.Replace(position + i, variant);
                    ::DestroyIcon(variant);
                }
            }
        }
        ::DestroyIcon(icon);
        return position;
    }
    position = globalImages.Add(icon);
    ::DestroyIcon(icon);
    if (position < 0)
        return -1;
    // Keep the command list in step with the image list, whatever index the
    // list answered.
    globalImageCommands.resize(static_cast<size_t>(position), 0);
    globalImageCommands.push_back(nID);
    if (variants) {
        AddVariants(&work, 0);
        for (int i = 1; i <= 3 && i < work.GetImageCount(); ++i) {
            HICON variant = ImageList_GetIcon(work.m_hImageList, i, ILD_NORMAL);
            if (variant == nullptr)
                break;
            if (globalImages.Add(variant) >= 0)
                globalImageCommands.push_back(nID);
            ::DestroyIcon(variant);
        }
    }
    return position;
}

bool BCMenu::ImageToBitmap(CDC* pDC, CImageList* list, int index, CBitmap& bitmap)
{
    if (pDC == nullptr || list == nullptr || list->m_hImageList == nullptr)
        return false;
    int width = 0, height = 0;
    list->GetIconSize(&width, &height);
    HICON icon = ImageList_GetIcon(list->m_hImageList, index, ILD_NORMAL);
    if (icon == nullptr)
        return false;
    bitmap.DeleteObject();
    bool made = bitmap.CreateCompatibleBitmap(pDC, width, height) != FALSE;
    if (made) {
        CBitmapDC bitmapDC(bitmap);
        CBrush face;
        face.CreateSolidBrush(::GetSysColor(COLOR_3DFACE));
        CRect rect(0, 0, width, height);
        bitmapDC.dc().FillRect(&rect, &face);
        ::DrawIconEx(bitmapDC.dc().m_hDC, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    }
    ::DestroyIcon(icon);
    return made;
}

void BCMenu::MakeFaded(CBitmap& bitmap)
{
    COLORREF reference = FaceReference();
    ForEachPixel(bitmap, [reference](COLORREF pixel) {
        return pixel == reference ? CLR_INVALID : LightenColor(pixel, 0.3);
    });
}

void BCMenu::MakeShadow(CBitmap& bitmap)
{
    COLORREF reference = FaceReference();
    COLORREF shadow = IsThemedXp() ? ::GetSysColor(COLOR_BTNSHADOW) : LightenColor(::GetSysColor(COLOR_BTNSHADOW), 0.49);
    ForEachPixel(bitmap, [reference, shadow](COLORREF pixel) { return pixel == reference ? CLR_INVALID : shadow; });
}

void BCMenu::MakeGreyed(CBitmap& bitmap, COLORREF background)
{
    COLORREF reference = FaceReference();
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    ForEachPixel(bitmap, [reference, shadow, background](COLORREF pixel) {
        if (pixel == reference)
            return background != 0 ? background : CLR_INVALID;
        int grey = (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3;
        return LightenColor(shadow, grey / 255.0);
    });
}

void BCMenu::ReplaceGreyBackground(CBitmap& bitmap)
{
    COLORREF reference = RenderedColour(kToolbarGrey);
    COLORREF face = ::GetSysColor(COLOR_3DFACE);
    ForEachPixel(bitmap, [reference, face](COLORREF pixel) { return pixel == reference ? face : CLR_INVALID; });
}

void BCMenu::DrawEmbossedMask(CDC* pDC, int x, int y, int width, int height, CBitmap& bitmap, int sourceX,
                              int sourceY, COLORREF background)
{
    if (pDC == nullptr || width <= 0 || height <= 0)
        return;
    // Ink is every pixel that is neither the face colour nor the highlight.
    CBitmap mask;
    mask.CreateBitmap(width, height, 1, 1, nullptr);
    {
        CBitmapDC source(bitmap);
        CBitmapDC monochrome(mask);
        source.dc().SetBkColor(::GetSysColor(COLOR_3DFACE));
        monochrome.dc().BitBlt(0, 0, width, height, &source.dc(), sourceX, sourceY, SRCCOPY);
        source.dc().SetBkColor(::GetSysColor(COLOR_3DHILIGHT));
        monochrome.dc().BitBlt(0, 0, width, height, &source.dc(), sourceX, sourceY, SRCPAINT);
    }
    // The work cell is one pixel larger, so the highlight copy at (1, 1)
    // shows below and right of the shadow copy: that is the embossed look.
    CBitmap work;
    work.CreateCompatibleBitmap(pDC, width + 1, height + 1);
    CBitmapDC workDC(work);
    CBitmapDC maskDC(mask);
    CDC& dc = workDC.dc();
    dc.FillSolidRect(0, 0, width + 1, height + 1, background);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    CBrush highlight, shadow;
    highlight.CreateSolidBrush(::GetSysColor(COLOR_3DHILIGHT));
    shadow.CreateSolidBrush(::GetSysColor(COLOR_3DSHADOW));
    {
        CSelectGuard guard(dc, highlight);
        dc.BitBlt(1, 1, width, height, &maskDC.dc(), 0, 0, kRopBrushThroughMask);
    }
    {
        CSelectGuard guard(dc, shadow);
        dc.BitBlt(0, 0, width, height, &maskDC.dc(), 0, 0, kRopBrushThroughMask);
    }
    pDC->BitBlt(x, y, width + 1, height + 1, &dc, 0, 0, SRCCOPY);
}

void BCMenu::DrawEmbossedDib(CDC* pDC, int x, int y, int width, int height, CBitmap& bitmap, int sourceX, int sourceY)
{
    if (pDC == nullptr || width <= 0 || height <= 0)
        return;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = {255, 255, 255, 0};
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib == nullptr)
        return;
    CBitmap mask;
    mask.Attach(dib);
    CBitmapDC maskDC(mask);
    {
        CBitmapDC source(bitmap);
        maskDC.dc().BitBlt(0, 0, width, height, &source.dc(), sourceX, sourceY, SRCCOPY);
    }
    COLORREF oldBk = pDC->SetBkColor(RGB(255, 255, 255));
    COLORREF oldText = pDC->SetTextColor(RGB(0, 0, 0));
    CBrush highlight, shadow;
    highlight.CreateSolidBrush(::GetSysColor(COLOR_3DHILIGHT));
    shadow.CreateSolidBrush(::GetSysColor(COLOR_3DSHADOW));
    {
        CSelectGuard guard(*pDC, highlight);
        pDC->BitBlt(x + 1, y + 1, width, height, &maskDC.dc(), 0, 0, kRopBrushThroughMask);
    }
    {
        CSelectGuard guard(*pDC, shadow);
        pDC->BitBlt(x, y, width, height, &maskDC.dc(), 0, 0, kRopBrushThroughMask);
    }
    pDC->SetBkColor(oldBk);
    pDC->SetTextColor(oldText);
}

void BCMenu::DrawGreyed(CDC* pDC, int x, int y, int width, int height, CBitmap& bitmap, COLORREF background)
{
    if (pDC == nullptr)
        return;
    MakeGreyed(bitmap, background);
    CBitmapDC source(bitmap);
    pDC->BitBlt(x, y, width, height, &source.dc(), 0, 0, SRCCOPY);
}

void BCMenu::MakeColourSwatch(CDC* pDC, CBitmap& bitmap, int swatchWidth, int swatchHeight, int bitmapWidth,
                              int bitmapHeight, COLORREF fill, COLORREF border, int hatch)
{
    bitmap.DeleteObject();
    if (pDC == nullptr || !bitmap.CreateCompatibleBitmap(pDC, bitmapWidth, bitmapHeight))
        return;
    CDC dc;
    dc.CreateCompatibleDC(pDC);
    CSelectGuard selectBitmap(dc, bitmap);
    int x = 0, y = 0;
    if (swatchWidth != bitmapWidth || swatchHeight != bitmapHeight) {
        CBrush background;
        background.CreateSolidBrush(::GetSysColor(IsThemedXp() ? COLOR_3DFACE : COLOR_MENU));
        CRect all(0, 0, bitmapWidth, bitmapHeight);
        dc.FillRect(&all, &background);
        x = (bitmapWidth - swatchWidth) / 2;
        y = (bitmapHeight - swatchHeight) / 2;
    }
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, border);
    CBrush brush;
    if (hatch == -1)
        brush.CreateSolidBrush(fill);
    else
        brush.CreateHatchBrush(hatch, fill);
    CSelectGuard selectPen(dc, pen);
    CSelectGuard selectBrush(dc, brush);
    dc.Rectangle(x, y, x + swatchWidth, y + swatchHeight);
}
