// COXCaptionInfo: the caption settings of one state (active or inactive):
// background colour and gradient, fonts, text colour and text format. It
// serializes to the record the caption painter keeps in the registry.
// OXCaptionBands computes the gradient's solid bands.
#pragma once

#include "afx/GdiObject.h"
#include "afx/Object.h"

#include <vector>

enum GradientAlignment
{
    GradientFromLeft = 0,
    GradientFromCenter = 1,
    GradientFromRight = 2
};

enum GradientAlgorithm
{
    GradientLinear = 0,
    GradientSquare = 1
};

// Stands for the system colour of the state.
const COLORREF OXCAPTION_SYSTEM_COLOR = 0xFFFFFFFF;

class COXCaptionInfo : public CObject
{
    DECLARE_SERIAL(COXCaptionInfo)
public:
    COXCaptionInfo();
    COXCaptionInfo(const COXCaptionInfo& other);
    ~COXCaptionInfo() override;
    COXCaptionInfo& operator=(const COXCaptionInfo& other);

    void Reset();
    void Serialize(CArchive& ar) override;

    COLORREF GetBackgroundColor(BOOL bActive) const;
    COLORREF GetTextColor(BOOL bActive) const;
    BOOL GetCaptionLogFont(LOGFONT* pLogFont) const;
    BOOL GetSmCaptionLogFont(LOGFONT* pLogFont) const;
    // NULL returns to the system font.
    BOOL SetCaptionLogFont(const LOGFONT* pLogFont);
    BOOL SetSmCaptionLogFont(const LOGFONT* pLogFont);

    COLORREF m_clrBackground;
    BOOL m_bGradient;
    int m_nGradientAlignment;
    int m_nGradientAlgorithm;
    int m_nNumberShade;
    CFont m_font;
    CFont m_fontSm;
    COLORREF m_clrText;
    UINT m_nTextFormat;
};

// One solid band of a caption background.
struct COXCaptionBand
{
    int nLeft;
    int nWidth;
    COLORREF clr;
};

// The bands, in drawing order, that paint a caption of width nWidth with the
// colour clr: one band without gradient, else the gradient's bands and its
// closing black band.
std::vector<COXCaptionBand> OXCaptionBands(int nWidth, COLORREF clr, BOOL bGradient, int nAlignment,
                                           int nAlgorithm, int nShades);

// (major << 16) | minor of the library's "DllGetVersion", 0 when the library
// or the function is missing or fails.
DWORD GetDllVersion(LPCTSTR lpszDll);
// Whether the application runs under visual styles.
BOOL IsThemedApp();
// The rule, for the answers of the system: its version, "IsAppThemed" and
// the common controls' version.
BOOL OXIsThemed(DWORD dwMajor, DWORD dwMinor, BOOL bAppThemed, DWORD dwComCtlVersion);
