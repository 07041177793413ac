// cdxCDynamicHost: joins a window class (a dialog, form view, property sheet
// or page) to a dynamic layout. Every dynamic window hands the same messages
// to its layout after the window's own processing and drops the layout when
// it goes away; the hand-over lives here once instead of in each class.
#pragma once

#include <utility>

#include "afx/Rect.h"
#include "afx/Wnd.h"
#include "controls/layout/DynamicWnd.h"

template <class TWndBase, class TLayout>
class cdxCDynamicHost : public TWndBase, public TLayout
{
public:
    // The layout takes its freedom and flags; the rest goes to the window class.
    template <class... TArgs>
    cdxCDynamicHost(UINT nFreedom, UINT nFlags, TArgs&&... args)
        : TWndBase(std::forward<TArgs>(args)...), TLayout(nFreedom, nFlags)
    {
    }

    BOOL DestroyWindow() override
    {
        TLayout::DoOnDestroy();
        return TWndBase::DestroyWindow();
    }
    // The window's handle test, not the layout's: callers ask about the window.
    using TWndBase::IsWindow;

protected:
    // The layout starts from the client area the window has once its
    // children exist (after the dialog is initialised).
    void AttachLayoutToClient()
    {
        CRect rc;
        TWndBase::GetClientRect(&rc);
        TLayout::AttachLayout(this, rc.Size());
    }

    // Handlers for the derived class's message map.
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        TWndBase::OnSize(nType, cx, cy);
        TLayout::OnSize(nType, cx, cy);
    }
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect)
    {
        TWndBase::OnSizing(fwSide, pRect);
        TLayout::OnSizing(fwSide, pRect);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        TWndBase::OnTimer(nIDEvent);
        TLayout::OnTimer(nIDEvent);
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        TWndBase::OnGetMinMaxInfo(lpMMI);
        TLayout::OnGetMinMaxInfo(lpMMI);
    }
    afx_msg void OnParentNotify(UINT message, LPARAM lParam)
    {
        TWndBase::OnParentNotify(message, lParam);
        TLayout::OnParentNotify(message, lParam);
    }
    afx_msg void OnDestroy()
    {
        TLayout::DoOnDestroy();
        TWndBase::OnDestroy();
    }
};
