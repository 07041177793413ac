// CAboutCtrl: the about box's animated panel. Every 40 ms it paints, through
// a back buffer, the background picture, an optional waving logo and the
// credits text scrolling upwards; a click on it closes the box, and so does
// the end of the third pass of the credits.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/DC.h"

class CAboutCtrl : public CStatic
{
    DECLARE_DYNAMIC(CAboutCtrl)
public:
    enum { AnimationTimerId = 1, AnimationPeriod = 40 };
    enum { LogoBitmapId = 114, BackgroundBitmapId = 115 };
    // The credits are rendered once into a picture of this size.
    enum { DefaultCreditsWidth = 320, DefaultCreditsHeight = 300 };
    // Where the credits stay when they do not scroll.
    enum { FixedCreditsY = 5 };

    CAboutCtrl();
    ~CAboutCtrl() override;

    void SetCredits(const CString& text) { m_strCredits = text; }
    const CString& GetCredits() const { return m_strCredits; }

    // One frame: move the logo and the credits, compose, show.
    void AnimationStep();

    int GetCreditsY() const { return m_nCreditsY; }
    int GetPassesLeft() const { return m_nPassesLeft; }
    // The composed frame, for those who check what was drawn.
    HDC GetBackBufferDC() const { return m_back.dc.GetSafeHdc(); }
    CSize GetBackBufferSize() const { return m_back.size; }

    // Degrees to radians with the factor the wave has always used.
    static double DegreesToRadians(int degrees) { return degrees * 0.0174; }

    int m_nCreditsX;
    BYTE m_bWave;
    BYTE m_bScrolling;

protected:
    void PreSubclassWindow() override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // A memory DC with its own bitmap selected; the DC's first bitmap goes
    // back before either is deleted.
    struct Surface
    {
        Surface() : dc(), bitmap(), previous(nullptr), size(0, 0) {}
        ~Surface();
        BOOL Select(HDC reference);
        CDC dc;
        CBitmap bitmap;
        HGDIOBJ previous;
        CSize size;
    };

    void RenderCredits(HDC reference);
    BOOL LoadSurface(Surface& surface, UINT bitmapId, HDC reference);

    Surface m_logo;
    Surface m_background;
    Surface m_back;
    Surface m_credits;
    int m_nPassesLeft;
    int m_nLogoWidth;
    int m_nLogoHeight;
    int m_nAngleH;
    int m_nAngleV;
    int m_nWaveStep;
    int m_nLogoX;
    int m_nLogoY;
    int m_nCreditsWidth;
    int m_nCreditsHeight;
    int m_nCreditsY;
    BOOL m_bClosePosted;
    CString m_strCredits;
};
