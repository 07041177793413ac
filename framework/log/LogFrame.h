// CLogFrame: the top-level frame of the trace-log window. Closing it only
// hides it, so events keep arriving in its list for the whole run.
#pragma once

#include "afx/FrameWnd.h"

class CLogFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CLogFrame)
public:
    CLogFrame() = default;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
