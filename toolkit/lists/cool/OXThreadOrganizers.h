// The process-wide side of a thread-wide organizer kind: the map from thread
// id to the organizer serving that thread (under a lock), the thread's WH_CBT
// and WH_GETMESSAGE hooks with the first handles any organizer of the kind
// installed, and the walk that starts at the thread's first top-level window.
// Each organizer class T has its own set.
#pragma once

#include "afx/Map.h"
#include "afx/Sync.h"

#include <functional>

template <class T>
class COXThreadOrganizers
{
public:
    // FALSE when the thread already has an organizer of the kind.
    static BOOL Register(DWORD dwThreadId, T* pOrganizer)
    {
        CSingleLock lock(&Lock(), TRUE);
        T* present = nullptr;
        if (Map().Lookup(dwThreadId, present))
            return FALSE;
        Map().SetAt(dwThreadId, pOrganizer);
        return TRUE;
    }
    static void Unregister(DWORD dwThreadId)
    {
        CSingleLock lock(&Lock(), TRUE);
        Map().RemoveKey(dwThreadId);
    }
    // The organizer serving the live window's thread, or NULL.
    static T* Find(HWND hWnd)
    {
        if (!hWnd || !::IsWindow(hWnd))
            return nullptr;
        CSingleLock lock(&Lock(), TRUE);
        T* organizer = nullptr;
        Map().Lookup(::GetWindowThreadProcessId(hWnd, nullptr), organizer);
        return organizer;
    }

    // Both thread hooks; each handle becomes the first of the kind when none is.
    static void InstallHooks(DWORD dwThreadId, HOOKPROC pfnCBT, HOOKPROC pfnGetMessage, HHOOK& hCBT,
                             HHOOK& hGetMessage)
    {
        hCBT = ::SetWindowsHookEx(WH_CBT, pfnCBT, nullptr, dwThreadId);
        hGetMessage = ::SetWindowsHookEx(WH_GETMESSAGE, pfnGetMessage, nullptr, dwThreadId);
        CSingleLock lock(&Lock(), TRUE);
        if (!FirstCBT())
            FirstCBT() = hCBT;
        if (!FirstGetMessage())
            FirstGetMessage() = hGetMessage;
    }
    // Removes both hooks; a removed hook clears the first handle of its type.
    static void RemoveHooks(HHOOK& hCBT, HHOOK& hGetMessage)
    {
        CSingleLock lock(&Lock(), TRUE);
        if (hCBT) {
            ::UnhookWindowsHookEx(hCBT);
            hCBT = nullptr;
            FirstCBT() = nullptr;
        }
        if (hGetMessage) {
            ::UnhookWindowsHookEx(hGetMessage);
            hGetMessage = nullptr;
            FirstGetMessage() = nullptr;
        }
    }
    static HHOOK& FirstCBT()
    {
        static HHOOK hook = nullptr;
        return hook;
    }
    static HHOOK& FirstGetMessage()
    {
        static HHOOK hook = nullptr;
        return hook;
    }

    // Runs walk on the first top-level window of the thread in Z order.
    static void WalkThread(DWORD dwThreadId, const std::function<void(HWND)>& walk)
    {
        struct Search
        {
            DWORD thread;
            const std::function<void(HWND)>* walk;
        } search = {dwThreadId, &walk};
        ::EnumWindows(
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lParam);
                if (::GetWindowThreadProcessId(hWnd, nullptr) != s->thread)
                    return TRUE;
                (*s->walk)(hWnd);
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
    }

private:
    static CMap<DWORD, DWORD, T*, T*>& Map()
    {
        static CMap<DWORD, DWORD, T*, T*> map;
        return map;
    }
    static CCriticalSection& Lock()
    {
        static CCriticalSection lock;
        return lock;
    }
};
