// COXSplashWnd: a borderless, topmost, centred window that shows a bitmap for
// a time or until a key or click, optionally shaped by cutting away the
// pixels of a transparent colour (within a per-channel tolerance) with a
// region traced around the opaque area.
#pragma once

#include "afx/GdiObject.h"
#include "afx/Wnd.h"
#include "toolkit/foundation/OXSplashWndDIB.h"

#include <functional>
#include <vector>

class COXSplashWnd : public CWnd
{
    DECLARE_DYNAMIC(COXSplashWnd)
public:
    // Display time: -1 keeps the splash until it is closed; below 1 otherwise
    // the default time.
    static constexpr int DisplayUntilClosed = -1;
    static constexpr int DefaultDisplayTime = 750;

    COXSplashWnd();
    ~COXSplashWnd() override;

    // Transparent colour CLR_NONE: no shape; CLR_DEFAULT: the colour of the
    // pixel at the sample point (the top-left one when the point lies outside).
    virtual BOOL LoadBitmapById(UINT nID, COLORREF clrTransparent = CLR_NONE, LPPOINT pPoint = nullptr,
                                BYTE nTolerance = 0);
    virtual BOOL LoadBitmapResource(LPCTSTR lpszResourceName, COLORREF clrTransparent = CLR_NONE,
                                    LPPOINT pPoint = nullptr, BYTE nTolerance = 0);
    virtual BOOL LoadBitmapFile(LPCTSTR lpszFileName, COLORREF clrTransparent = CLR_NONE, LPPOINT pPoint = nullptr,
                                BYTE nTolerance = 0);
    virtual BOOL Show(int nMilliseconds = 0, CWnd* pParentWnd = nullptr, LPPOINT pPoint = nullptr);
    virtual BOOL SetDisplayTimer(int nMilliseconds);
    virtual BOOL BuildRegion(POINT ptStart);
    virtual BOOL IsTransparentPixel(int x, int y, BOOL bOutside);

    BOOL SetRegion(CRgn& rgn);
    // The window's shape; an empty region means a rectangle.
    const CRgn& GetRegion() const { return m_rgn; }
    // Closes a splash on screen: hides it, stops its timer and capture and
    // destroys it (with its hidden owner).
    void Hide();

    void SetUserCancel(BOOL bUserCancel) { m_bUserCancel = bUserCancel; }
    BOOL GetUserCancel() const { return m_bUserCancel; }
    int GetDisplayTime() const { return m_nDisplayTime; }
    COXSplashWndDIB& GetDIB() { return m_dib; }

    // The process-wide splash, made on the heap when none exists; it deletes
    // itself when its window is gone. NULL when the bitmap cannot be loaded.
    static COXSplashWnd* ShowSplashResource(LPCTSTR lpszResourceName, COLORREF clrTransparent = CLR_NONE,
                                            LPPOINT pPoint = nullptr, BYTE nTolerance = 0);
    static COXSplashWnd* ShowSplashFile(LPCTSTR lpszFileName, COLORREF clrTransparent = CLR_NONE,
                                        LPPOINT pPoint = nullptr, BYTE nTolerance = 0);
    static COXSplashWnd* GetProcessSplash();
    // Whether the process-wide splash may show.
    static void EnableProcessSplash(BOOL bEnable);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The polygon of the opaque area's outline (step-by-step trace), for
    // any pixel test; empty when there is no outline. Traces give up after
    // 4 x width x height steps.
    static std::vector<POINT> TraceOutline(int width, int height, const std::function<BOOL(int, int)>& opaque);

protected:
    void PostNcDestroy() override;
    // The load's second half: colour, tolerance and shape.
    BOOL TakeShape(BOOL bLoaded, COLORREF clrTransparent, LPPOINT pPoint, BYTE nTolerance);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    int m_nDisplayTime;
    BOOL m_bAutoDelete;
    COXSplashWndDIB m_dib;
    CRgn m_rgn;
    COLORREF m_crTransparent;
    BYTE m_nRed;
    BYTE m_nGreen;
    BYTE m_nBlue;
    BYTE m_nTolerance;
    CWnd m_wndOwner;
    BOOL m_bUserCancel;

private:
    static COXSplashWnd* MakeProcessSplash();
    // The process-wide splash loaded by the given call; deleted again when that fails.
    static COXSplashWnd* LoadProcessSplash(const std::function<BOOL(COXSplashWnd&)>& load);
    // Hide's work; TRUE when the object deleted itself on the way.
    BOOL CloseWindowAndDelete();
    // Set while Hide runs: the window's end then only marks the object for
    // deletion, which Hide does last (its owner's destruction is still on the stack).
    BOOL m_bHiding;
    BOOL m_bDeletePending;
};
