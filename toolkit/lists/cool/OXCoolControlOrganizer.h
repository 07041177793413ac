// COXCoolControlOrganizer: the cool look for every standard control of one
// user-interface thread. Attached to a thread, it converts the thread's
// existing windows and, through a WH_GETMESSAGE hook, each later window at
// its first queued message: a window of a known control class that has no
// framework object yet is subclassed with a cool-control object that the
// organizer creates and owns. A WH_CBT hook removes the conversion before a
// window is destroyed. One organizer serves one thread.
#pragma once

#include "afx/Map.h"
#include "afx/Wnd.h"

// Why a window the organizer examined was not converted.
const DWORD OXCOOL_SKIP_HAS_OBJECT = 1;
const DWORD OXCOOL_SKIP_NOT_QUALIFIED = 2;
const DWORD OXCOOL_SKIP_CONVERT_FAILED = 3;

class COXCoolControlOrganizer
{
public:
    COXCoolControlOrganizer();
    virtual ~COXCoolControlOrganizer();

    COXCoolControlOrganizer(const COXCoolControlOrganizer&) = delete;
    COXCoolControlOrganizer& operator=(const COXCoolControlOrganizer&) = delete;

    BOOL AttachOrganizer(DWORD dwThreadID);
    BOOL DetachOrganizer();
    BOOL IsAttached() const { return m_dwThreadID != 0; }

    BOOL Attach(HWND hWnd);
    void AttachAllWindows(HWND hWnd);
    // NULL detaches every converted window.
    BOOL Detach(HWND hWnd);
    BOOL IsAttached(HWND hWnd) const;
    BOOL IsSkipped(HWND hWnd) const;
    // The skip code of a skipped window, 0 for any other.
    DWORD GetSkipCode(HWND hWnd) const;

    static HHOOK GetFirstCBTHook();
    static HHOOK GetFirstGetMessageHook();

    // The class test; a derived organizer may narrow or widen it.
    virtual BOOL IsQualified(HWND hWnd, LPCTSTR lpszClassName);
    // The cool-control object for the class, subclassing the window; NULL on failure.
    virtual CWnd* ConvertWindow(HWND hWnd, LPCTSTR lpszClassName);

protected:
    static LRESULT CALLBACK CBTHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    CMap<HWND, HWND, void*, void*> m_mapConvertedWindows;
    CMap<HWND, HWND, DWORD, DWORD> m_mapSkippedWindows;
    DWORD m_dwThreadID;
    HHOOK m_hCBTHook;
    HHOOK m_hGetMessageHook;

private:
    BOOL IsKnown(HWND hWnd) const { return IsAttached(hWnd) || IsSkipped(hWnd); }
};

// TRUE when the window's class is "ComboBox" (case-insensitive).
BOOL IsComboBoxWindowClass(HWND hWnd);
