// COXCaptionPainterOrganizer: a caption painter for every captioned window
// of one user-interface thread, present and future (through a WH_CBT and a
// WH_GETMESSAGE hook). A newly attached window takes over the settings of a
// painter already present.
#pragma once

#include "afx/Array.h"
#include "afx/Map.h"
#include "toolkit/lists/painters/OXPainterMap.h"
#include "toolkit/lists/painters/OXCaptionPainter.h"

class COXCaptionPainterOrganizer
{
public:
    COXCaptionPainterOrganizer();
    virtual ~COXCaptionPainterOrganizer();

    COXCaptionPainterOrganizer(const COXCaptionPainterOrganizer&) = delete;
    COXCaptionPainterOrganizer& operator=(const COXCaptionPainterOrganizer&) = delete;

    BOOL AttachOrganizer(DWORD dwThreadId);
    BOOL DetachOrganizer(BOOL bRedraw = TRUE);
    BOOL IsAttachedOrganizer() const { return m_dwThreadId != 0; }

    // The window's painter (the present one when already attached), or NULL.
    COXCaptionPainter* Attach(CWnd* pWnd);
    // A NULL window means every attached window.
    BOOL Detach(CWnd* pWnd, BOOL bRedraw = TRUE);
    BOOL SetCaptionInfo(CWnd* pWnd, const COXCaptionInfo* pInfo, BOOL bActive, BOOL bRedraw = TRUE);
    BOOL UpdateCaption(CWnd* pWnd, BOOL bRedraw = TRUE);
    BOOL LoadState(CWnd* pWnd, LPCTSTR lpszProfileName, BOOL bRedraw = TRUE);

    COXCaptionPainter* GetPainter(CWnd* pWnd) const;
    BOOL IsAttached(CWnd* pWnd) const { return GetPainter(pWnd) != nullptr; }
    COXCaptionPainter* GetFirstPainter(POSITION& pos) const;
    int GetPainterCount() const { return static_cast<int>(m_mapPainters.GetCount()); }

    static HHOOK GetFirstCBTHook();
    static HHOOK GetFirstGetMessageHook();

protected:
    static LRESULT CALLBACK CBTHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    CMap<HWND, HWND, COXCaptionPainter*, COXCaptionPainter*> m_mapPainters;
    CArray<COXCaptionPainter*, COXCaptionPainter*> m_arrPool;
    DWORD m_dwThreadId;
    HHOOK m_hCBTHook;
    HHOOK m_hGetMessageHook;

private:
    void AttachAllWindows(HWND hWnd);
    // A permanent window without a painter gets one with the settings of
    // the first live painter.
    void AttachNew(HWND hWnd);
    template <class Op>
    BOOL ForPainters(CWnd* pWnd, Op op);
};
