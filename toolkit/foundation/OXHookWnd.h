// COXHookWnd: an object that sees every message of a window it does not own,
// by subclassing the window's procedure. Several hooks may sit on one window:
// the last hooked sees a message first and passes it on to the next, the last
// of the chain to the window's own procedure. COXHookWndMap is the
// process-wide table from window to the first hook of its chain; it is shared
// by the threads of the process under a lock, each window's hooks living on
// the window's own thread.
//
// With the mouse timer on, the hooked window is posted
// WM_OX_HOOK_MOUSEENTER when the cursor comes over it and
// WM_OX_HOOK_MOUSELEAVE when it leaves, moved or not.
#pragma once

#include "afx/Map.h"
#include "afx/Object.h"
#include "afx/Sync.h"

class CWnd;

const UINT WM_OX_HOOK_MOUSEENTER = 0x808A;
const UINT WM_OX_HOOK_MOUSELEAVE = 0x808B;

class COXHookWnd : public CObject
{
    DECLARE_DYNAMIC(COXHookWnd)
public:
    COXHookWnd();
    // Leaves the chain when still hooked.
    ~COXHookWnd() override;
    COXHookWnd(const COXHookWnd&) = delete;
    COXHookWnd& operator=(const COXHookWnd&) = delete;

    // A message of the hooked window; derived hooks call this for what they pass on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Puts this hook in front of the window's chain (leaving any window hooked before).
    virtual void HookWindow(CWnd* pWnd);
    void HookWindow(HWND hWnd);
    // Leaves the chain; the window's own procedure comes back with the last hook. Returns 0.
    virtual BOOL UnhookWindow();
    // Timer 1 every 100 ms on the hooked window checks where the cursor is.
    virtual BOOL SetMouseTimer();
    virtual void KillMouseTimer();

    // The thread's current message, possibly changed by the caller, passed on.
    LRESULT Default();

    BOOL IsHooked() const { return m_hWndHooked != nullptr; }
    HWND GetHookedWnd() const { return m_hWndHooked; }
    BOOL IsMouseInside() const { return m_bMouseInside; }

protected:
    void CheckMouse();

    HWND m_hWndHooked;
    WNDPROC m_pOldWndProc;
    COXHookWnd* m_pNext;
    UINT_PTR m_nMouseTimer;
    BOOL m_bMouseInside;

    friend class COXHookWndMap;
};

class COXHookWndMap : public CMapPtrToPtr
{
public:
    // The one map of the process, made on first use.
    static COXHookWndMap& GetHookMap();

    void Add(HWND hWnd, COXHookWnd* pHook);
    void Remove(COXHookWnd* pHook);
    // Unhooks every hook of the window.
    void RemoveAll(HWND hWnd);
    // The first hook of the window's chain, or null.
    COXHookWnd* Lookup(HWND hWnd);

    // The procedure every hooked window is subclassed with.
    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    COXHookWndMap() : CMapPtrToPtr(10) {}
    CCriticalSection m_lock;
};
