// cdxCSizeIconCtrl: the size grip a resizable window keeps in its lower right
// corner, a size-box scroll bar laid over the parent's client area.
#pragma once

#include "afx/Wnd.h"

class cdxCSizeIconCtrl : public CWnd
{
public:
    explicit cdxCSizeIconCtrl(bool bHideIfMaximized = true)
        : m_bCapture(false), m_bHideIfMaximized(bHideIfMaximized) {}

    BOOL Create(CWnd* pParent, UINT nID);

    // True when the grip should neither paint nor show the size cursor.
    bool IsHiddenNow() const;

    bool m_bCapture;
    bool m_bHideIfMaximized;
};
