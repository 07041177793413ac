#include "toolkit/lists/painters/OXCaptionInfo.h"

#include "afx/Archive.h"
#include "afx/ArchiveException.h"

#include <shlwapi.h>

#include <algorithm>
#include <functional>

IMPLEMENT_SERIAL(COXCaptionInfo, CObject, 1)

namespace {
const UINT DefaultTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;   // 0x8024
const int MaxFaceName = LF_FACESIZE - 1;

BOOL SystemLogFont(LOGFONT* pLogFont, BOOL bSmall)
{
    NONCLIENTMETRICS metrics = {};
    // The size without the padded-border field, understood everywhere.
    metrics.cbSize = 340;
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return FALSE;
    CFont font;
    if (!font.CreateFontIndirect(bSmall ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont))
        return FALSE;
    return font.GetLogFont(pLogFont) != 0;
}

BOOL LogFontOf(const CFont& font, LOGFONT* pLogFont, BOOL bSmall)
{
    if (font.GetSafeHandle())
        return const_cast<CFont&>(font).GetLogFont(pLogFont) != 0;
    return SystemLogFont(pLogFont, bSmall);
}

BOOL SetFont(CFont& font, const LOGFONT* pLogFont)
{
    font.DeleteObject();
    return pLogFont ? font.CreateFontIndirect(pLogFont) : TRUE;
}

void StoreFont(CArchive& ar, CFont& font)
{
    if (!font.GetSafeHandle()) {
        ar << static_cast<DWORD>(0);
        return;
    }
    LOGFONT lf = {};
    if (!font.GetLogFont(&lf))
        AfxThrowArchiveException(CArchiveException::genericException);
    ar << static_cast<DWORD>(1);
    ar << lf.lfHeight << lf.lfWidth << lf.lfEscapement << lf.lfOrientation << lf.lfWeight;
    ar << lf.lfItalic << lf.lfUnderline << lf.lfStrikeOut << lf.lfCharSet << lf.lfOutPrecision
       << lf.lfClipPrecision << lf.lfQuality << lf.lfPitchAndFamily;
    ar << CString(lf.lfFaceName);
}

void LoadFont(CArchive& ar, CFont& font)
{
    font.DeleteObject();
    DWORD present = 0;
    ar >> present;
    if (!present)
        return;
    LOGFONT lf = {};
    ar >> lf.lfHeight >> lf.lfWidth >> lf.lfEscapement >> lf.lfOrientation >> lf.lfWeight;
    ar >> lf.lfItalic >> lf.lfUnderline >> lf.lfStrikeOut >> lf.lfCharSet >> lf.lfOutPrecision
       >> lf.lfClipPrecision >> lf.lfQuality >> lf.lfPitchAndFamily;
    CString face;
    ar >> face;
    lstrcpyn(lf.lfFaceName, face.Left(MaxFaceName), LF_FACESIZE);
    if (!font.CreateFontIndirect(&lf))
        AfxThrowArchiveException(CArchiveException::genericException);
}

// The component scaled by the gradient, kept to its low 8 bits.
COLORREF Scale(COLORREF clr, const std::function<LONGLONG(LONGLONG)>& f)
{
    const LONGLONG r = f(GetRValue(clr)) & 0xFF;
    const LONGLONG g = f(GetGValue(clr)) & 0xFF;
    const LONGLONG b = f(GetBValue(clr)) & 0xFF;
    return RGB(r, g, b);
}
} // namespace

COXCaptionInfo::COXCaptionInfo()
{
    Reset();
}

COXCaptionInfo::COXCaptionInfo(const COXCaptionInfo& other) : COXCaptionInfo()
{
    *this = other;
}

COXCaptionInfo::~COXCaptionInfo() = default;

void COXCaptionInfo::Reset()
{
    m_clrBackground = OXCAPTION_SYSTEM_COLOR;
    m_bGradient = TRUE;
    m_nGradientAlignment = GradientFromLeft;
    m_nGradientAlgorithm = GradientSquare;
    m_nNumberShade = 64;
    m_font.DeleteObject();
    m_fontSm.DeleteObject();
    m_clrText = OXCAPTION_SYSTEM_COLOR;
    m_nTextFormat = DefaultTextFormat;
}

COXCaptionInfo& COXCaptionInfo::operator=(const COXCaptionInfo& other)
{
    if (this == &other)
        return *this;
    m_clrBackground = other.m_clrBackground;
    m_bGradient = other.m_bGradient;
    m_nGradientAlignment = other.m_nGradientAlignment;
    m_nGradientAlgorithm = other.m_nGradientAlgorithm;
    m_nNumberShade = other.m_nNumberShade;
    m_clrText = other.m_clrText;
    m_nTextFormat = other.m_nTextFormat;
    LOGFONT lf = {};
    SetCaptionLogFont(other.GetCaptionLogFont(&lf) ? &lf : nullptr);
    SetSmCaptionLogFont(other.GetSmCaptionLogFont(&lf) ? &lf : nullptr);
    return *this;
}

COLORREF COXCaptionInfo::GetBackgroundColor(BOOL bActive) const
{
    if (m_clrBackground != OXCAPTION_SYSTEM_COLOR)
        return m_clrBackground;
    return ::GetSysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
}

COLORREF COXCaptionInfo::GetTextColor(BOOL bActive) const
{
    if (m_clrText != OXCAPTION_SYSTEM_COLOR)
        return m_clrText;
    return ::GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
}

BOOL COXCaptionInfo::GetCaptionLogFont(LOGFONT* pLogFont) const
{
    return LogFontOf(m_font, pLogFont, FALSE);
}

BOOL COXCaptionInfo::GetSmCaptionLogFont(LOGFONT* pLogFont) const
{
    return LogFontOf(m_fontSm, pLogFont, TRUE);
}

BOOL COXCaptionInfo::SetCaptionLogFont(const LOGFONT* pLogFont)
{
    return SetFont(m_font, pLogFont);
}

BOOL COXCaptionInfo::SetSmCaptionLogFont(const LOGFONT* pLogFont)
{
    return SetFont(m_fontSm, pLogFont);
}

void COXCaptionInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_clrBackground) << static_cast<DWORD>(m_bGradient)
           << static_cast<DWORD>(m_nGradientAlignment) << static_cast<DWORD>(m_nGradientAlgorithm)
           << static_cast<DWORD>(m_nTextFormat) << static_cast<DWORD>(m_clrText)
           << static_cast<DWORD>(m_nNumberShade);
        StoreFont(ar, m_font);
        StoreFont(ar, m_fontSm);
        return;
    }
    DWORD values[7] = {};
    for (DWORD& value : values)
        ar >> value;
    m_clrBackground = values[0];
    m_bGradient = static_cast<BOOL>(values[1]);
    m_nGradientAlignment = static_cast<int>(values[2]);
    m_nGradientAlgorithm = static_cast<int>(values[3]);
    m_nTextFormat = values[4];
    m_clrText = values[5];
    m_nNumberShade = static_cast<int>(values[6]);
    LoadFont(ar, m_font);
    LoadFont(ar, m_fontSm);
}

std::vector<COXCaptionBand> OXCaptionBands(int nWidth, COLORREF clr, BOOL bGradient, int nAlignment,
                                           int nAlgorithm, int nShades)
{
    std::vector<COXCaptionBand> bands;
    if (!bGradient) {
        bands.push_back({0, nWidth, clr});
        return bands;
    }
    // A number of shades below 1 (a stored value) counts as 1.
    const LONGLONG n = nShades < 1 ? 1 : nShades;
    // Products are taken in 64 bits: i²·C passes 2³¹ on wide captions.
    const LONGLONG W = nWidth;
    const LONGLONG W2 = W * W;
    const bool linear = nAlgorithm == GradientLinear;
    const bool square = nAlgorithm == GradientSquare;
    auto band = [&](LONGLONG left, LONGLONG width, const std::function<LONGLONG(LONGLONG)>& f) {
        bands.push_back({static_cast<int>(left), static_cast<int>(width), Scale(clr, f)});
    };
    auto black = [&](LONGLONG left, LONGLONG width) {
        bands.push_back({static_cast<int>(left), static_cast<int>(width), RGB(0, 0, 0)});
    };
    switch (nAlignment) {
    case GradientFromLeft: {
        const LONGLONG b = std::max<LONGLONG>(W / n, 1);
        LONGLONG x = W;
        for (; x > 0; x -= b) {
            const LONGLONG i = W - x;
            if (linear)
                band(x, b, [&](LONGLONG c) { return c * x / W; });
            else if (square)
                band(x, b, [&](LONGLONG c) { return c - (i * i * c) / W2; });
        }
        black(0, b + x);
        break;
    }
    case GradientFromCenter: {
        const LONGLONG h = W / 2;
        const LONGLONG b = std::max<LONGLONG>(h / (2 * n), 1);
        const LONGLONG quarter = W2 / 4;
        if (h == 0 || quarter == 0) {
            // Too narrow for two halves: a plain fill.
            bands.push_back({0, nWidth, clr});
            break;
        }
        LONGLONG x = 2 * h;
        for (; x > h; x -= b) {
            const LONGLONG i = 2 * h - x;
            if (linear)
                band(x, b, [&](LONGLONG c) { return c * (x - h) / h; });
            else if (square)
                band(x, b, [&](LONGLONG c) { return c - (i * i * c) / quarter; });
        }
        black(h, b - (h - x));
        for (x = 0; x <= h; x += b) {
            if (linear)
                band(x, b, [&](LONGLONG c) { return c - c * x / h; });
            else if (square)
                band(x, b, [&](LONGLONG c) { return c - (x * x * c) / quarter; });
        }
        black(x - b, h - (x - b));
        break;
    }
    case GradientFromRight: {
        const LONGLONG b = std::max<LONGLONG>(W / n, 1);
        LONGLONG x = 0;
        for (; x < W; x += b) {
            if (linear)
                band(x, b, [&](LONGLONG c) { return c - c * x / W; });
            else if (square)
                band(x, b, [&](LONGLONG c) { return c - (x * x * c) / W2; });
        }
        black(x - b, W - 1 - (x - b));
        break;
    }
    default:
        break;
    }
    return bands;
}

DWORD GetDllVersion(LPCTSTR lpszDll)
{
    HMODULE module = ::LoadLibrary(lpszDll);
    if (!module)
        return 0;
    DWORD version = 0;
    auto proc = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void (*)()>(::GetProcAddress(module, "DllGetVersion")));
    if (proc) {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof info;
        if (SUCCEEDED(proc(&info)))
            version = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
    }
    ::FreeLibrary(module);
    return version;
}

BOOL OXIsThemed(DWORD dwMajor, DWORD dwMinor, BOOL bAppThemed, DWORD dwComCtlVersion)
{
    // Visual styles came with 5.1: the pair is compared, so 6.0 and 10.0 count.
    const BOOL styledSystem = dwMajor > 5 || (dwMajor == 5 && dwMinor >= 1);
    return styledSystem && bAppThemed && dwComCtlVersion >= 0x60000;
}

BOOL IsThemedApp()
{
    OSVERSIONINFO os = {};
    os.dwOSVersionInfoSize = sizeof os;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionEx(&os))
        return FALSE;
#pragma GCC diagnostic pop
    BOOL appThemed = FALSE;
    if (HMODULE theme = ::LoadLibrary("Uxtheme.dll")) {
        using IsAppThemedProc = BOOL(WINAPI*)();
        if (auto proc = reinterpret_cast<IsAppThemedProc>(reinterpret_cast<void (*)()>(::GetProcAddress(theme, "IsAppThemed"))))
            appThemed = proc();
        ::FreeLibrary(theme);
    }
    return OXIsThemed(os.dwMajorVersion, os.dwMinorVersion, appThemed, GetDllVersion("comctl32.dll"));
}
