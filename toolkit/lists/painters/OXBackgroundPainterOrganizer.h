// COXBackgroundPainterOrganizer: the background painter for a whole
// user-interface thread. Attached to the thread's main frame, it hooks every
// qualifying window of the thread that has a framework object, present and
// future, with a painter of its own, and keeps one set of defaults for them.
// Later windows are caught by a WH_CBT and a WH_GETMESSAGE hook.
#pragma once

#include "afx/Array.h"
#include "afx/Map.h"
#include "toolkit/lists/painters/OXPainterMap.h"
#include "toolkit/lists/painters/OXBackgroundPainter.h"

class COXBackgroundPainterOrganizer
{
public:
    COXBackgroundPainterOrganizer();
    virtual ~COXBackgroundPainterOrganizer();

    COXBackgroundPainterOrganizer(const COXBackgroundPainterOrganizer&) = delete;
    COXBackgroundPainterOrganizer& operator=(const COXBackgroundPainterOrganizer&) = delete;

    BOOL AttachFrame(CWnd* pFrameWnd, const COXDIB* pDIB, int nPaintType = Tile,
                     COLORREF clrBk = OXBACKGROUND_DEFAULT_COLOR);
    // The profile's image file name in place of a DIB; FALSE, nothing
    // attached, when the file cannot be read.
    BOOL AttachFrame(CWnd* pFrameWnd, LPCTSTR lpszFileName, int nPaintType = Tile,
                     COLORREF clrBk = OXBACKGROUND_DEFAULT_COLOR);
    BOOL DetachOrganizer(BOOL bRedraw = TRUE);
    BOOL IsAttached() const { return m_pFrameWnd != nullptr; }

    BOOL Attach(CWnd* pWnd, const COXDIB* pDIB, int nPaintType = Tile, COLORREF clrBk = OXBACKGROUND_DEFAULT_COLOR,
                CWnd* pOriginWnd = nullptr);
    BOOL Detach(CWnd* pWnd, BOOL bRedraw = TRUE);
    BOOL IsAttached(CWnd* pWnd) const;
    COXBackgroundPainter* GetPainter(CWnd* pWnd) const;
    COXBackgroundPainter* GetFirstPainter(POSITION& pos) const;
    int GetPainterCount() const { return static_cast<int>(m_mapPainters.GetCount()); }

    BOOL SetWallpaper(CWnd* pWnd, const COXDIB* pDIB, BOOL bRedraw = TRUE);
    BOOL SetWallpaperFile(CWnd* pWnd, const CString& sFileName, BOOL bRedraw = TRUE);
    BOOL SetPaintType(CWnd* pWnd, int nPaintType, BOOL bRedraw = TRUE);
    BOOL SetBkColor(CWnd* pWnd, COLORREF clrBk, BOOL bRedraw = TRUE);
    BOOL SetOriginWnd(CWnd* pWnd, CWnd* pOriginWnd, BOOL bRedraw = TRUE);
    BOOL LoadState(CWnd* pWnd, LPCTSTR lpszSection, BOOL bRedraw = TRUE);

    virtual BOOL IsQualified(CWnd* pWnd);

    static HHOOK GetFirstCBTHook();
    static HHOOK GetFirstGetMessageHook();

protected:
    static LRESULT CALLBACK CBTHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    COXDIB m_dibDefault;
    int m_nPaintTypeDefault;
    COLORREF m_clrBkDefault;
    CWnd* m_pOriginWndDefault;
    CMap<HWND, HWND, COXBackgroundPainter*, COXBackgroundPainter*> m_mapPainters;
    CArray<COXBackgroundPainter*, COXBackgroundPainter*> m_arrPool;
    CWnd* m_pFrameWnd;
    DWORD m_dwThreadID;
    HHOOK m_hCBTHook;
    HHOOK m_hGetMessageHook;

private:
    void AttachAllWindows(HWND hWnd);
    // A permanent, unattached, qualifying window gets a painter with the
    // first live painter's settings, or the defaults.
    void AttachNew(HWND hWnd);
    // Runs the operation on the window's painter, or on every hooked one.
    template <class Op>
    BOOL ForPainters(CWnd* pWnd, Op op);
};
