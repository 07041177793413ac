// CCmdTarget and CWnd: the objects that receive messages and commands.
// (Skeleton: the window layer fills in message maps, binding and dispatch.)
#pragma once

#include "afx/Object.h"
#include "afx/String.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
};

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override = default;

    HWND GetSafeHwnd() const { return this ? m_hWnd : nullptr; }
    operator HWND() const { return GetSafeHwnd(); }

    HWND m_hWnd = nullptr;
};
