// A hook that lets a test see (and answer) a window's messages first.
#pragma once

#include "toolkit/foundation/OXHookWnd.h"

#include <functional>

class CSpyHook : public COXHookWnd
{
public:
    // Returns true when the message is answered (with *pResult).
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT*)> onMessage;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT result = 0;
        if (onMessage && onMessage(message, wParam, lParam, &result))
            return result;
        return COXHookWnd::WindowProc(message, wParam, lParam);
    }
};
