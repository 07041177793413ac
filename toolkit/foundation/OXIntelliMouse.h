// Middle-button auto-scroll. COXIntelliMouse hooks one window: the start
// event (with the wanted modifier keys) marks the origin at the cursor,
// captures the mouse and, while the cursor is away from the origin, scrolls
// the window every 100 ms by a number of lines that grows with the distance;
// any key or click ends it. COXIntelliMouseOrganizer gives every framework
// window of a thread such a hook, including windows created later.
#pragma once

#include "afx/Map.h"
#include "afx/Rect.h"
#include "toolkit/foundation/OXHookWnd.h"
#include "toolkit/foundation/OXSplashWnd.h"

#include <vector>

// Modifier keys that must be down for the start event.
const DWORD OXIM_KEY_CTRL = 1;
const DWORD OXIM_KEY_SHIFT = 2;
const DWORD OXIM_KEY_ALT = 4;

// Direction bits and codes: the codes are sums of the bits; 5, 10 and 15 are
// the neutral codes of the origin area (horizontal only, vertical only, both).
const DWORD OXIM_LEFT = 1;
const DWORD OXIM_UP = 2;
const DWORD OXIM_RIGHT = 4;
const DWORD OXIM_DOWN = 8;
const int OXIM_NEUTRAL_HORZ = 5;
const int OXIM_NEUTRAL_VERT = 10;
const int OXIM_NEUTRAL_ALL = 15;

// The origin area spans this many pixels on each side of the start point;
// beyond it a line is scrolled per 25 pixels across and per 10 pixels down.
const int OXIM_NEUTRAL_HALF = 12;
const int OXIM_PIXELS_PER_COLUMN = 25;
const int OXIM_PIXELS_PER_ROW = 10;
const UINT_PTR OXIM_TIMER_ID = 200;
const UINT OXIM_TIMER_PERIOD = 100;

// The cursor resource of each direction code (cursors 28017 and 28018, the
// vertical arrows with a stop mark, are carried but no code uses them).
struct OXIM_CURSOR_ENTRY
{
    int nDirection;
    UINT nCursorID;
};
const OXIM_CURSOR_ENTRY OXIM_CURSORS[] = {
    { OXIM_NEUTRAL_ALL, 28006 }, { OXIM_NEUTRAL_VERT, 28007 }, { OXIM_NEUTRAL_HORZ, 28008 },
    { 2, 28009 }, { 8, 28010 }, { 1, 28011 }, { 4, 28012 },
    { 3, 28013 }, { 6, 28014 }, { 9, 28015 }, { 12, 28016 },
};

class COXIntelliMouse : public COXHookWnd
{
    DECLARE_DYNAMIC(COXIntelliMouse)
public:
    COXIntelliMouse();
    ~COXIntelliMouse() override;

    BOOL Attach(HWND hWnd, UINT nStartEvent = WM_MBUTTONDOWN, DWORD dwKeyState = 0);
    BOOL Attach(CWnd* pWnd, UINT nStartEvent = WM_MBUTTONDOWN, DWORD dwKeyState = 0);
    void Detach();
    // Back to the state of a new object (unhooked objects go to the organizer's pool).
    void Reset();

    UINT GetStartEvent() const { return m_nStartEvent; }
    DWORD GetKeyState() const { return m_dwKeyState; }
    void SetStartEvent(UINT nStartEvent, DWORD dwKeyState);

    // Reads the window's scroll bars into the scroll flags; steps toward a
    // side the window cannot scroll to become 0.
    virtual BOOL CanScroll();
    BOOL StartScrolling();
    void StopScrolling();
    void SetDirectionCursor(int nDirection);

    BOOL IsActive() const { return m_bActive; }
    DWORD GetScrollFlags() const { return m_dwScrollFlags; }
    int GetDirection() const { return m_nDirection; }
    int GetHorzSteps() const { return m_nHorzSteps; }
    int GetVertSteps() const { return m_nVertSteps; }
    CPoint GetStartPoint() const { return m_ptStart; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL UnhookWindow() override;

protected:
    // The direction under the cursor (screen point) and its step counts.
    void TrackCursor(CPoint screen);
    void ScrollOnce();
    // A click while scrolling: in the client or non-client form the hit test
    // at the cursor asks for; FALSE when it is not for the hooked window.
    BOOL ConvertClick(UINT& message, WPARAM& wParam, LPARAM& lParam) const;

    COXSplashWnd m_wndOrigin;
    UINT m_nStartEvent;
    DWORD m_dwKeyState;
    BOOL m_bActive;
    DWORD m_dwScrollFlags;
    UINT_PTR m_nTimerID;
    int m_nDirection;
    int m_nHorzSteps;
    int m_nVertSteps;
    CPoint m_ptStart;
    CMap<int, int, HCURSOR, HCURSOR> m_mapCursors;
    CMap<int, int, CRect, const CRect&> m_mapRects;

private:
    BOOL m_bOriginLoaded;
};

class COXIntelliMouseOrganizer
{
public:
    COXIntelliMouseOrganizer();
    virtual ~COXIntelliMouseOrganizer();
    COXIntelliMouseOrganizer(const COXIntelliMouseOrganizer&) = delete;
    COXIntelliMouseOrganizer& operator=(const COXIntelliMouseOrganizer&) = delete;

    // Asked for every window before it gets an object; the base takes all.
    virtual BOOL IsQualified(HWND hWnd, LPCTSTR lpszClassName);

    // FALSE when this organizer is attached or the thread has one already.
    BOOL AttachToThread(DWORD dwThreadID = ::GetCurrentThreadId(), UINT nStartEvent = WM_MBUTTONDOWN,
                        DWORD dwKeyState = 0);
    BOOL DetachFromThread();
    BOOL IsAttached() const { return m_dwThreadID != 0; }
    DWORD GetAttachedThread() const { return m_dwThreadID; }

    COXIntelliMouse* AttachWindow(HWND hWnd, UINT nStartEvent, DWORD dwKeyState);
    // One window's object, or every object for no window, back to the pool.
    BOOL Detach(HWND hWnd = nullptr);
    COXIntelliMouse* GetAttachedObject(HWND hWnd) const;
    BOOL IsAttached(HWND hWnd) const;
    UINT GetStartEvent(HWND hWnd) const;
    DWORD GetKeyState(HWND hWnd) const;
    BOOL SetStartEvent(HWND hWnd, UINT nStartEvent, DWORD dwKeyState);

protected:
    static LRESULT CALLBACK CbtHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static COXIntelliMouseOrganizer* ForThread(DWORD dwThreadID);
    // Gives a framework window of the thread its object unless it has one or was refused.
    void AttachIfWanted(HWND hWnd);
    void AttachTree(HWND hWnd);

    DWORD m_dwThreadID;
    UINT m_nStartEvent;
    DWORD m_dwKeyState;
    HHOOK m_hCbtHook;
    HHOOK m_hGetMessageHook;
    CMap<HWND, HWND, COXIntelliMouse*, COXIntelliMouse*> m_mapObjects;
    CMap<HWND, HWND, BOOL, BOOL> m_mapRefused;
    std::vector<COXIntelliMouse*> m_pool;
};
