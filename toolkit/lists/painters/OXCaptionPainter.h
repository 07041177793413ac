// COXCaptionPainter: draws the caption bar of one top-level window itself
// (gradient, small icon, text and system buttons, each state with its own
// settings), rendering each state once into a bitmap kept until the size or
// the settings change. It hooks the window's procedure and keeps the default
// procedure from drawing the standard caption over its own. It stays out of
// the way under visual styles.
#pragma once

#include "afx/GdiObject.h"
#include "afx/String.h"
#include "afx/Wnd.h"
#include "toolkit/foundation/OXHookWnd.h"
#include "toolkit/lists/painters/OXCaptionInfo.h"

// The caption painter's text check timer.
const UINT_PTR OXCAPTION_TIMER = 421;
const UINT OXCAPTION_TIMER_PERIOD = 300;

// The caption rectangle in window coordinates of a window of the given
// styles and width.
CRect OXCaptionRect(DWORD dwStyle, DWORD dwExStyle, BOOL bIconic, int nWindowWidth);

class COXCaptionPainter : public COXHookWnd
{
    DECLARE_DYNAMIC(COXCaptionPainter)
public:
    COXCaptionPainter();
    ~COXCaptionPainter() override;

    // FALSE under visual styles, for a window without the whole caption
    // style, or when the text timer is not granted.
    BOOL Attach(CWnd* pWnd);
    void Detach();

    void SetCaptionInfo(const COXCaptionInfo* pInfo, BOOL bActive);
    const COXCaptionInfo& GetCaptionInfo(BOOL bActive) const { return bActive ? m_infoActive : m_infoInactive; }
    COXCaptionInfo& GetCaptionInfo(BOOL bActive) { return bActive ? m_infoActive : m_infoInactive; }

    BOOL SaveState(LPCTSTR lpszProfileName);
    BOOL LoadState(LPCTSTR lpszProfileName, BOOL bRedraw = TRUE);

    // Drops both rendered captions.
    void ResetCaption();
    BOOL IsActive() const { return m_bActive; }
    int GetColorDepth() const { return m_nColorDepth; }
    CString GetLastText() const { return m_sLastText; }
    CSize GetCachedSize() const { return CSize(m_nCachedWidth, m_nCachedHeight); }
    // The rendered caption of a state, NULL until drawn.
    CBitmap* GetCaptionBitmap(BOOL bActive) { return (bActive ? m_bmpActive : m_bmpInactive).GetSafeHandle() ? (bActive ? &m_bmpActive : &m_bmpInactive) : nullptr; }

    // Remove (saving the old value once) or put back style bits.
    void RemoveStyle(DWORD dwStyle);
    void RestoreStyle();
    void RemoveExStyle(DWORD dwExStyle);
    void RestoreExStyle();

    virtual void RedrawCaption();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual void OnNcPaint(HRGN hRgn);
    virtual BOOL OnNcActivate(BOOL bActive);
    virtual void OnSetText(LPCTSTR lpszText);
    virtual LRESULT OnNcLButtonDown(UINT nHitTest, CPoint point);
    virtual void DrawCaptionBackground(CDC* pDC, COXCaptionInfo* pInfo, const CRect* pRect);
    virtual int DrawButtons(CDC* pDC, COXCaptionInfo* pInfo, const CSize* pSize);
    virtual int DrawCaptionIcon(CDC* pDC, COXCaptionInfo* pInfo, const CSize* pSize);
    virtual void DrawCaptionText(CDC* pDC, COXCaptionInfo* pInfo, const CSize* pSize, int nLeftMargin,
                                 int nRightMargin);

    // Minimize animation, read and switched (a test may answer for it).
    virtual BOOL GetMinAnimate();
    virtual void SetMinAnimate(BOOL bOn);

    CWnd* GetWnd() const { return CWnd::FromHandle(m_hWndHooked); }

private:
    LRESULT PassOnWithoutAnimation(UINT message, WPARAM wParam, LPARAM lParam);
    void ReadColorDepth();

    int m_nCachedWidth;
    int m_nCachedHeight;
    CBitmap m_bmpActive;
    CBitmap m_bmpInactive;
    BOOL m_bActive;
    COXCaptionInfo m_infoActive;
    COXCaptionInfo m_infoInactive;
    BOOL m_bStyleSaved;
    DWORD m_dwSavedStyle;
    BOOL m_bExStyleSaved;
    DWORD m_dwSavedExStyle;
    BOOL m_bInActivationSync;
    int m_nColorDepth;
    CString m_sLastText;
};

// The registered messages between painters.
UINT OXCaptionSetPainterMessage();
UINT OXCaptionGetPainterMessage();
