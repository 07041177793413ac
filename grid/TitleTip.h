// CTitleTip: the popup that shows the whole text of a grid cell whose text is
// cut off, laid exactly over the cell while the mouse rests on it. Clicks and
// keys on it go straight on to the window beneath.
#pragma once

#include "afx/Wnd.h"

#include <commctrl.h>

#define TITLETIP_CLASSNAME _T("ZTitleTip")

class CTitleTip : public CWnd
{
public:
    CTitleTip();
    ~CTitleTip() override;

    virtual BOOL Create(CWnd* pParentWnd);
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // rectTitle and lpHoverRect are in the parent's client coordinates.
    void Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset = 0, LPRECT lpHoverRect = nullptr,
              const LOGFONT* lpLogFont = nullptr, COLORREF crTextClr = CLR_DEFAULT,
              COLORREF crBackClr = CLR_DEFAULT);
    void Hide();

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    // Sends a button press that landed on the tip to the window beneath it.
    void ForwardButton(const MSG* pMsg, BOOL bDoubleClick);

    CWnd* m_pParentWnd;
    CRect m_rectTitle;
    CRect m_rectHover;
    DWORD m_dwLastLButtonDown;
    DWORD m_dwDblClickMsecs;
    BOOL m_bCreated;
};
