// The GDI object wrappers: CGdiObject and its pens, brushes, fonts, bitmaps,
// palettes and regions. Each owns its handle and deletes it once; they are
// move-only, so a handle is never deleted twice. FromHandle gives the wrapper
// of an existing handle (temporary when the program did not wrap it).
#pragma once

#include "afx/Object.h"
#include "afx/Rect.h"
#include "afx/HandleMap.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() noexcept : m_hObject(nullptr) {}
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept;
    CGdiObject& operator=(CGdiObject&& other) noexcept;

    operator HGDIOBJ() const { return m_hObject; }
    // Callable through a null pointer (an optional brush or pen): the volatile
    // copy keeps the compiler from assuming `this` is never null.
    HGDIOBJ GetSafeHandle() const
    {
        const CGdiObject* volatile self = this;
        return self == nullptr ? nullptr : self->m_hObject;
    }

    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the handle now; FALSE when there was none or the system refused.
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();
    BOOL operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }

    HGDIOBJ m_hObject;

protected:
    static CHandleMap& PermanentMap();
    static void AttachTemporary(CObject* object, void* handle);
    static void ReleaseTemporary(CObject* object);
    template <class T>
    static T* WrapperFromHandle(CRuntimeClass* kind, HGDIOBJ handle)
    {
        return AfxWrapperFromHandle<T>(kind, PermanentMap(), handle, &ReleaseTemporary, &AttachTemporary);
    }
};

class CPen : public CGdiObject
{
    DECLARE_DYNCREATE(CPen)
public:
    CPen() noexcept = default;
    // Throws CResourceException when the pen cannot be made.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);
    CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
         const DWORD* lpStyle = nullptr);
    CPen(CPen&&) noexcept = default;
    CPen& operator=(CPen&&) noexcept = default;

    static CPen* PASCAL FromHandle(HPEN hPen) { return WrapperFromHandle<CPen>(RUNTIME_CLASS(CPen), hPen); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
                   const DWORD* lpStyle = nullptr);
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen);
    int GetLogPen(LOGPEN* pLogPen) const { return GetObject(sizeof(LOGPEN), pLogPen); }
    int GetExtLogPen(EXTLOGPEN* pLogPen) const { return GetObject(sizeof(EXTLOGPEN), pLogPen); }
};

class CBrush : public CGdiObject
{
    DECLARE_DYNCREATE(CBrush)
public:
    CBrush() noexcept = default;
    // Throw CResourceException when the brush cannot be made.
    explicit CBrush(COLORREF crColor);
    CBrush(int nIndex, COLORREF crColor);
    explicit CBrush(class CBitmap* pBitmap);
    CBrush(CBrush&&) noexcept = default;
    CBrush& operator=(CBrush&&) noexcept = default;

    static CBrush* PASCAL FromHandle(HBRUSH hBrush) { return WrapperFromHandle<CBrush>(RUNTIME_CLASS(CBrush), hBrush); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
    BOOL CreatePatternBrush(class CBitmap* pBitmap);
    BOOL CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage);
    BOOL CreateSysColorBrush(int nIndex);
    int GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }
};

class CFont : public CGdiObject
{
    DECLARE_DYNCREATE(CFont)
public:
    CFont() noexcept = default;
    CFont(CFont&&) noexcept = default;
    CFont& operator=(CFont&&) noexcept = default;

    static CFont* PASCAL FromHandle(HFONT hFont) { return WrapperFromHandle<CFont>(RUNTIME_CLASS(CFont), hFont); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }

    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                    BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    // Sizes in tenths of a point, converted through the given DC (the screen
    // when none) so that the font has that size on it.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, class CDC* pDC = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, class CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const { return GetObject(sizeof(LOGFONT), pLogFont); }
};

class CBitmap : public CGdiObject
{
    DECLARE_DYNCREATE(CBitmap)
public:
    CBitmap() noexcept = default;
    CBitmap(CBitmap&&) noexcept = default;
    CBitmap& operator=(CBitmap&&) noexcept = default;

    static CBitmap* PASCAL FromHandle(HBITMAP hBitmap) { return WrapperFromHandle<CBitmap>(RUNTIME_CLASS(CBitmap), hBitmap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // From the resource module that holds the bitmap.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap);
    BOOL CreateCompatibleBitmap(class CDC* pDC, int nWidth, int nHeight);
    BOOL CreateDiscardableBitmap(class CDC* pDC, int nWidth, int nHeight);

    int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits);
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
    CSize SetBitmapDimension(int nWidth, int nHeight);
    CSize GetBitmapDimension() const;
};

class CPalette : public CGdiObject
{
    DECLARE_DYNCREATE(CPalette)
public:
    CPalette() noexcept = default;
    CPalette(CPalette&&) noexcept = default;
    CPalette& operator=(CPalette&&) noexcept = default;

    static CPalette* PASCAL FromHandle(HPALETTE hPalette) { return WrapperFromHandle<CPalette>(RUNTIME_CLASS(CPalette), hPalette); }
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    BOOL CreateHalftonePalette(class CDC* pDC);
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    void AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
    BOOL ResizePalette(UINT nNumEntries);
};

class CRgn : public CGdiObject
{
    DECLARE_DYNCREATE(CRgn)
public:
    CRgn() noexcept = default;
    CRgn(CRgn&&) noexcept = default;
    CRgn& operator=(CRgn&&) noexcept = default;

    static CRgn* PASCAL FromHandle(HRGN hRgn) { return WrapperFromHandle<CRgn>(RUNTIME_CLASS(CRgn), hRgn); }
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect);
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    BOOL CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nPolyFillMode);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData);

    // Region operations keep this object's handle; the region must exist.
    void SetRectRgn(int x1, int y1, int x2, int y2);
    void SetRectRgn(LPCRECT lpRect);
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
    int CopyRgn(const CRgn* pRgnSrc);
    BOOL EqualRgn(const CRgn* pRgn) const;
    int OffsetRgn(int x, int y);
    int OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
    int GetRgnBox(LPRECT lpRect) const;
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT lpRect) const;
    int GetRegionData(LPRGNDATA lpRgnData, int nCount) const;
};
