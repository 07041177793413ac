// COXItemTipWnd: the pop-up that shows the whole text of a list cell, laid
// over the cell. Mouse messages that reach it go on to the window under the
// cursor; it hides itself once the cursor leaves it.
#pragma once

#include "afx/GdiObject.h"
#include "afx/String.h"
#include "afx/Wnd.h"

const UINT_PTR OXITEMTIP_TIMER_ID = 221;
const UINT OXITEMTIP_TIMER_PERIOD = 100;
const COLORREF OXITEMTIP_NO_COLOR = 0xFFFFFFFF;

class COXItemTipWnd : public CWnd
{
    DECLARE_DYNAMIC(COXItemTipWnd)
public:
    COXItemTipWnd();
    ~COXItemTipWnd() override;

    // Registers "ItemTipWnd" (the info background unless a brush is given)
    // and creates the hidden pop-up for the owner control.
    BOOL CreateTipWindow(CWnd* pOwner, HBRUSH hbrBackground = nullptr);
    // Shows the text over the rectangle (client coordinates of the owner),
    // widened for the text and kept inside the visible area. A colour of
    // OXITEMTIP_NO_COLOR keeps the default.
    virtual void Display(CRect rect, LPCTSTR lpszText, int nOffset, int nAlignment, CFont* pFont,
                         COLORREF clrText, COLORREF clrBackground);
    // Hides the tip; a given message is posted to the target (else the owner).
    virtual void Hide(const MSG* pMsg = nullptr, CWnd* pTarget = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    CWnd* GetOwnerControl() const { return m_pOwner; }
    CString GetTipText() const { return m_sText; }

    // The owner or one of its ancestors stays above all other windows.
    static BOOL IsTopmostChain(HWND hWnd);
    // Where a tip may show: the desktop for a topmost chain, else the work area.
    static CRect VisibleArea(HWND hWnd);

protected:
    // What the tip does with a message meant for it; TRUE when consumed.
    BOOL HandleTipMessage(const MSG& msg);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CWnd* m_pOwner;
    UINT_PTR m_nTimerId;
    CString m_sText;
    int m_nOffset;
    int m_nAlignment;
    HFONT m_hFont;
    COLORREF m_clrText;
    COLORREF m_clrBackground;
};
