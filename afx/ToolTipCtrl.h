// CToolTipCtrl: the tool-tip control as an object. A tool is a window, or a
// rectangle of a window under an id, with a text. Tools are not subclassed:
// the owner relays its mouse messages (RelayEvent) so the tip knows when to show.
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/Rect.h"
#include "afx/String.h"

#include <commctrl.h>

// A tool's description with room for its text (GetToolInfo fills both).
struct CToolInfo : public TOOLINFO
{
    TCHAR szText[256];
};

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    // A popup owned by pParentWnd; TTS_ALWAYSTIP is added so tips show in
    // windows that are not active.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool with the id nIDTool over lpRectTool of pWnd; with no rectangle
    // (or id 0) the tool is the whole window pWnd. The text may be
    // LPSTR_TEXTCALLBACK: the owner then answers TTN_NEEDTEXT.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFO lpToolInfo) { AfxCtrlSend(this, TTM_SETTOOLINFO, 0, reinterpret_cast<LPARAM>(lpToolInfo)); }
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const { return static_cast<int>(AfxCtrlSend(this, TTM_GETTOOLCOUNT)); }

    void RelayEvent(LPMSG lpMsg) { AfxCtrlSend(this, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
    void Activate(BOOL bActivate) { AfxCtrlSend(this, TTM_ACTIVATE, bActivate); }
    void Pop() { AfxCtrlSend(this, TTM_POP); }
    void Update() { AfxCtrlSend(this, TTM_UPDATE); }
    int SetMaxTipWidth(int iWidth) { return static_cast<int>(AfxCtrlSend(this, TTM_SETMAXTIPWIDTH, 0, iWidth)); }
    // The initial delay in milliseconds (TTDT_INITIAL), or the delay dwDuration.
    void SetDelayTime(UINT nDelay) { AfxCtrlSend(this, TTM_SETDELAYTIME, TTDT_INITIAL, nDelay); }
    void SetDelayTime(DWORD dwDuration, int iTime) { AfxCtrlSend(this, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
    int GetDelayTime(DWORD dwDuration) const { return static_cast<int>(AfxCtrlSend(this, TTM_GETDELAYTIME, dwDuration)); }
    void SetTipBkColor(COLORREF clr) { AfxCtrlSend(this, TTM_SETTIPBKCOLOR, clr); }
    void SetTipTextColor(COLORREF clr) { AfxCtrlSend(this, TTM_SETTIPTEXTCOLOR, clr); }

private:
    // The tool record of pWnd's tool nIDTool, sized for every comctl32 version.
    static void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool);
};
