#include "framework/dialogs/AboutCtrl.h"

#include <algorithm>
#include <cmath>

namespace {
const int StartAngleH = 180;
const int StartAngleV = 60;
const int WaveStep = 6;
const int StartPasses = 2;

const COLORREF TitleColor = RGB(16, 140, 231);
const int TitleHeight = 20;
const int TextHeight = 14;
// Proof quality and a variable-pitch Swiss face, as the credits were always drawn.
const BYTE CreditsFontQuality = 2;
const BYTE CreditsPitchAndFamily = 6;

HFONT MakeCreditsFont(int height, int weight)
{
    return ::CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, CreditsFontQuality, CreditsPitchAndFamily, "Arial");
}
}

IMPLEMENT_DYNAMIC(CAboutCtrl, CStatic)

BEGIN_MESSAGE_MAP(CAboutCtrl, CStatic)
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CAboutCtrl::Surface::~Surface()
{
    if (previous && dc.GetSafeHdc())
        ::SelectObject(dc, previous);
}

BOOL CAboutCtrl::Surface::Select(HDC reference)
{
    if (!dc.GetSafeHdc() && !dc.Attach(::CreateCompatibleDC(reference)))
        return FALSE;
    previous = ::SelectObject(dc, bitmap);
    BITMAP info = {};
    if (!previous || !bitmap.GetBitmap(&info))
        return FALSE;
    size = CSize(info.bmWidth, info.bmHeight);
    return TRUE;
}

CAboutCtrl::CAboutCtrl()
    : m_nCreditsX(460),
      m_bWave(FALSE),
      m_bScrolling(TRUE),
      m_logo(),
      m_background(),
      m_back(),
      m_credits(),
      m_nPassesLeft(StartPasses),
      m_nLogoWidth(0),
      m_nLogoHeight(0),
      m_nAngleH(StartAngleH),
      m_nAngleV(StartAngleV),
      m_nWaveStep(WaveStep),
      m_nLogoX(0),
      m_nLogoY(0),
      m_nCreditsWidth(DefaultCreditsWidth),
      m_nCreditsHeight(DefaultCreditsHeight),
      m_nCreditsY(0),
      m_bClosePosted(FALSE),
      m_strCredits("\tCAboutCtrl\n\n")
{
}

CAboutCtrl::~CAboutCtrl() = default;

BOOL CAboutCtrl::LoadSurface(Surface& surface, UINT bitmapId, HDC reference)
{
    return surface.bitmap.LoadBitmap(bitmapId) && surface.Select(reference);
}

void CAboutCtrl::RenderCredits(HDC reference)
{
    if (!m_credits.bitmap.CreateCompatibleBitmap(CDC::FromHandle(reference), m_nCreditsWidth, m_nCreditsHeight)
        || !m_credits.Select(reference))
        return;
    HDC dc = m_credits.dc;
    RECT all = {0, 0, m_nCreditsWidth, m_nCreditsHeight};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

    HFONT title = MakeCreditsFont(TitleHeight, FW_BOLD);
    HFONT bold = MakeCreditsFont(TextHeight, FW_BOLD);
    HFONT regular = MakeCreditsFont(TextHeight, FW_NORMAL);
    CSelectGuard keepFont(dc, ::GetStockObject(SYSTEM_FONT));
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::GetTextColor(dc);

    int top = 0;
    int start = 0;
    const int length = m_strCredits.GetLength();
    while (start <= length && top < m_nCreditsHeight) {
        int end = m_strCredits.Find('\n', start);
        if (end < 0)
            end = length;
        CString line = m_strCredits.Mid(start, end - start);
        start = end + 1;
        // Texts with CR LF line ends: the CR ends the line, it is not drawn.
        if (!line.IsEmpty() && line[line.GetLength() - 1] == '\r')
            line = line.Left(line.GetLength() - 1);

        HFONT font = regular;
        int height = TextHeight;
        COLORREF color = RGB(0, 0, 0);
        if (!line.IsEmpty() && line[0] == '\t') {
            line.TrimLeft('\t');
            font = title;
            height = TitleHeight;
            color = TitleColor;
        } else if (!line.IsEmpty() && line[0] == '\r') {
            line.TrimLeft('\r');
            font = bold;
        }
        ::SelectObject(dc, font);
        ::SetTextColor(dc, color);
        RECT rect = {0, top, m_nCreditsWidth, m_nCreditsHeight};
        ::DrawTextA(dc, line, line.GetLength(), &rect, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
        top += height;
    }

    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, ::GetStockObject(SYSTEM_FONT));
    ::DeleteObject(title);
    ::DeleteObject(bold);
    ::DeleteObject(regular);
}

void CAboutCtrl::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    m_nAngleH = StartAngleH;
    m_nAngleV = StartAngleV;
    m_nWaveStep = WaveStep;
    m_nCreditsWidth = DefaultCreditsWidth;
    m_nCreditsHeight = DefaultCreditsHeight;

    HDC window = ::GetDC(m_hWnd);
    RenderCredits(window);
    if (LoadSurface(m_logo, LogoBitmapId, window)) {
        m_nLogoWidth = m_logo.size.cx;
        m_nLogoHeight = m_logo.size.cy;
    }
    if (LoadSurface(m_background, BackgroundBitmapId, window)
        && m_back.bitmap.CreateCompatibleBitmap(CDC::FromHandle(window), m_background.size.cx, m_background.size.cy))
        m_back.Select(window);
    ::ReleaseDC(m_hWnd, window);

    CRect client;
    GetClientRect(&client);
    m_nCreditsY = client.Height();
    AnimationStep();
    SetTimer(AnimationTimerId, AnimationPeriod, nullptr);
}

void CAboutCtrl::AnimationStep()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();

    m_nLogoX += 2;
    if (m_nLogoX > w)
        m_nLogoX = -m_nLogoWidth / 2;
    m_nLogoY += 1;
    if (m_nLogoY > h)
        m_nLogoY = -m_nLogoHeight;

    HDC back = m_back.dc.GetSafeHdc();
    if (back) {
        if (m_background.dc.GetSafeHdc())
            ::BitBlt(back, 0, 0, m_back.size.cx, m_back.size.cy, m_background.dc, 0, 0, SRCCOPY);
        if (m_bWave && m_logo.dc.GetSafeHdc()) {
            for (int i = 1; i < m_nLogoWidth; ++i) {
                const int y = static_cast<int>(std::sin(DegreesToRadians(m_nAngleV + i)) * 10.0 + 2.5 + m_nLogoY);
                const int x = static_cast<int>(std::cos(DegreesToRadians(m_nAngleH + i)) * (m_nLogoWidth / 4.25) + m_nLogoX);
                ::BitBlt(back, x, y, 1, m_nLogoHeight, m_logo.dc, i, 0, SRCAND);
            }
        }
    }

    if (!m_bScrolling)
        m_nCreditsY = FixedCreditsY;
    // Below the fixed place the visible part shrinks; above it the whole
    // picture is drawn, never more rows than the picture has.
    const int rows = std::min(m_nCreditsHeight, m_nCreditsHeight - m_nCreditsY + FixedCreditsY);
    if (back && m_credits.dc.GetSafeHdc() && rows > 0)
        ::BitBlt(back, m_nCreditsX, m_nCreditsY, m_nCreditsWidth, rows, m_credits.dc, 0, 0, SRCAND);
    m_nCreditsY -= 1;

    if (m_nCreditsY < -m_nCreditsHeight) {
        --m_nPassesLeft;
        m_nCreditsY = h;
    }

    if (back) {
        // A panel larger than the picture shows only what the buffer holds.
        HDC window = ::GetDC(m_hWnd);
        ::BitBlt(window, 0, 0, std::min<int>(w, m_back.size.cx), std::min<int>(h, m_back.size.cy), back, 0, 0, SRCCOPY);
        ::ReleaseDC(m_hWnd, window);
    }

    m_nAngleH += static_cast<int>(m_nWaveStep * 0.5);
    m_nAngleV += m_nWaveStep * 2;
    if (m_nAngleH >= 360)
        m_nAngleH = 0;
    if (m_nAngleH < -179)
        m_nWaveStep = -m_nWaveStep;
    if (m_nAngleV >= 360)
        m_nAngleV = 0;

    // Once: the box may stay a while before the close reaches it.
    if (m_nPassesLeft <= -1 && !m_bClosePosted) {
        m_bClosePosted = TRUE;
        if (CWnd* parent = GetParent())
            parent->PostMessage(WM_CLOSE);
    }
}

void CAboutCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == AnimationTimerId)
        AnimationStep();
    else
        CStatic::OnTimer(nIDEvent);
}

void CAboutCtrl::OnLButtonDown(UINT, CPoint)
{
    if (CWnd* parent = GetParent())
        parent->PostMessage(WM_CLOSE);
}

void CAboutCtrl::OnPaint()
{
    // The timer draws every frame; painting here would only flicker.
    ValidateRect(nullptr);
}
