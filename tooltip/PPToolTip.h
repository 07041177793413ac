// CPPToolTip: the popup that shows a rich tip, written in the HTML drawer's
// markup, next to the mouse while it rests over an owner's registered area
// (a tool), a toolbar button or a menu item. It waits before showing, can
// fade in and out, hides itself after a time, and can take a balloon shape
// with an anchor pointing at the cursor, a border and a drop shadow. Clicks
// on the tip's links go to the drawer. The owner feeds it every message it
// pre-translates (RelayEvent) and its WM_ENTERIDLE (OnEnterIdle).
#pragma once

#include "afx/Rect.h"
#include "afx/String.h"
#include "afx/Wnd.h"
#include "tooltip/PPHtmlDrawer.h"

#include <map>
#include <vector>

class CDC;
class CToolBar;

// One tool: an area of a window with its tip and the look it asks for.
struct ToolInfo
{
    UINT toolId;            // command id of a toolbar button or menu item
    RECT rectBounds;        // owner's client coordinates; empty means the whole window
    CString text;           // the tip, in the drawer's markup
    UINT mask;              // PPTOOLTIP_MASK_* fields below that replace the tooltip's defaults
    UINT style;
    UINT direction;         // PPTOOLTIP_ANCHOR_* side plus PPTOOLTIP_ALONG_* place
    UINT effect;            // background fill effect of the draw manager
    UINT behaviour;         // PPTOOLTIP_* behaviour flags
    BYTE granularity;
    BYTE transparency;      // 0 opaque .. 100 invisible
    COLORREF colorBegin;
    COLORREF colorMid;
    COLORREF colorEnd;
};

// Bits of ToolInfo::mask.
enum : UINT
{
    PPTOOLTIP_MASK_STYLE = 0x01,
    PPTOOLTIP_MASK_EFFECT = 0x02,        // effect and granularity
    PPTOOLTIP_MASK_COLORS = 0x04,
    PPTOOLTIP_MASK_DIRECTION = 0x08,
    PPTOOLTIP_MASK_BEHAVIOUR = 0x10,
    PPTOOLTIP_MASK_TRANSPARENCY = 0x20
};

// Behaviour flags.
enum : UINT
{
    PPTOOLTIP_SHOW_AGAIN = 0x01,         // show again while the cursor moves inside the tool
    PPTOOLTIP_FOLLOW_MOUSE = 0x02,       // move with the cursor inside the tool
    PPTOOLTIP_KEEP_IN_TOOL = 0x04,       // moves inside the tool restart the auto-pop time
    PPTOOLTIP_KEEP_OVER_TIP = 0x08,      // the cursor over the tip restarts the auto-pop time
    PPTOOLTIP_NO_AUTOPOP = 0x10          // stays until something hides it
};

// Direction codes: the side that carries the anchor plus its place along it.
enum : UINT
{
    PPTOOLTIP_ANCHOR_TOP = 0x00,         // tip below the point
    PPTOOLTIP_ANCHOR_BOTTOM = 0x10,      // tip above the point
    PPTOOLTIP_ANCHOR_LEFT = 0x20,        // tip right of the point
    PPTOOLTIP_ANCHOR_RIGHT = 0x30,       // tip left of the point
    PPTOOLTIP_ANCHOR_SIDE_MASK = 0x30,
    PPTOOLTIP_ALONG_START = 0,
    PPTOOLTIP_ALONG_END = 1,
    PPTOOLTIP_ALONG_CENTER = 2
};

// Indexes of SetSize / GetSize.
enum
{
    PPTTSZ_ROUNDED_CX = 0,
    PPTTSZ_ROUNDED_CY,
    PPTTSZ_MARGIN_CX,
    PPTTSZ_MARGIN_CY,
    PPTTSZ_ANCHOR_WIDTH,
    PPTTSZ_ANCHOR_HEIGHT,
    PPTTSZ_ANCHOR_MARGIN,
    PPTTSZ_OFFSET_ANCHOR_CX,
    PPTTSZ_OFFSET_ANCHOR_CY,
    PPTTSZ_MAX_SIZES
};

// Indexes of SetDelayTime / GetDelayTime (the first two as the common controls number them).
enum
{
    PPTOOLTIP_TIME_AUTOPOP = 2,
    PPTOOLTIP_TIME_INITIAL = 3,
    PPTOOLTIP_TIME_FADEIN = 4,
    PPTOOLTIP_TIME_FADEOUT = 5
};

// Sent by the drawer when the link under the mouse changes (wParam the link id);
// the tooltip registers itself for it and redraws the hover style.
const UINT UDM_TOOLTIP_REPAINT = WM_USER + 101;
// WM_NOTIFY code sent to the notify window just before a tip is prepared.
const UINT UDM_TOOLTIP_DISPLAY = WM_USER + 100;

// The WM_NOTIFY of UDM_TOOLTIP_DISPLAY; the receiver may change the point
// (screen coordinates) and the tool.
struct ToolTipDisplayNotify
{
    NMHDR hdr;
    HWND hwndTool;
    LPPOINT pt;
    ToolInfo* ti;
};

class CPPToolTip : public CWnd
{
public:
    // Kinds of the current and next tool.
    enum
    {
        KIND_WINDOW = 0,   // a window's area or a toolbar button
        KIND_POINT = 1,    // shown at an explicit point
        KIND_MENU = 2      // a menu item
    };
    // States of the tip.
    enum
    {
        STATE_HIDDEN = 0,
        STATE_FADING_IN = 1,
        STATE_SHOWN = 2,
        STATE_HIDING = 3
    };
    // Timer ids.
    static constexpr UINT_PTR kTimerShow = 256;
    static constexpr UINT_PTR kTimerHide = 257;
    static constexpr UINT_PTR kTimerFadeIn = 258;
    static constexpr UINT_PTR kTimerFadeOut = 259;
    // Transparency step of one fade timer tick: a fade takes five ticks.
    static constexpr int kFadeStep = 20;

    CPPToolTip();
    ~CPPToolTip() override;

    // Life cycle and the owner's feed.
    BOOL Create(CWnd* pParentWnd, BOOL bBalloon = TRUE);
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void RelayEvent(MSG* pMsg);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);

    // Tools.
    void AddTool(CWnd* pWnd, const ToolInfo& ti);
    void AddTool(CWnd* pWnd, LPCTSTR text, LPCRECT lpRectBounds = nullptr, UINT nIDTool = 0);
    void AddTool(CWnd* pWnd, UINT nIdText, LPCRECT lpRectBounds = nullptr, UINT nIDTool = 0);
    void AddTool(CWnd* pWnd, LPCTSTR text, HICON hIcon, LPCRECT lpRectBounds = nullptr, UINT nIDTool = 0);
    void AddTool(CWnd* pWnd, UINT nIdText, HICON hIcon, LPCRECT lpRectBounds = nullptr, UINT nIDTool = 0);
    void AddTool(CWnd* pWnd, LPCTSTR text, UINT nIdIcon, CSize szIcon, LPCRECT lpRectBounds = nullptr,
                 UINT nIDTool = 0);
    void RemoveTool(CWnd* pWnd, LPCRECT lpRectBounds = nullptr);
    void RemoveAllTools();
    void AddToolBar(CToolBar* pBar);

    // Look and behaviour.
    void SetSize(int index, int value);
    int GetSize(int index) const;
    void SetDefaultSizes(BOOL bBalloon = TRUE);
    void SetDelayTime(DWORD index, UINT nTime);
    UINT GetDelayTime(DWORD index) const;
    void SetColorBk(COLORREF color);
    void SetColorBk(COLORREF color, COLORREF clrEnd);
    void SetColorBk(COLORREF clrBegin, COLORREF clrMid, COLORREF clrEnd);
    void SetEffectBk(DWORD effect, BYTE granularity = 2);
    void SetBehaviour(DWORD behaviour = 0) { m_nBehaviour = behaviour; }
    DWORD GetBehaviour() const { return m_nBehaviour; }
    void SetDirection(DWORD direction) { m_nDirection = direction; }
    DWORD GetDirection() const { return m_nDirection; }
    void SetTransparency(BYTE transparency);
    BYTE GetTransparency() const { return m_nTransparencyDefault; }
    // Takes ownership of the brush.
    void SetBorder(HBRUSH hbr, int nWidth = 1, int nHeight = 1);
    void SetBorder(COLORREF color, int nWidth = 1, int nHeight = 1);
    void HideBorder();
    void SetTooltipShadow(int nOffsetX, int nOffsetY, BYTE nDarkness = 50, BOOL bGradient = TRUE,
                          int nDepthX = 7, int nDepthY = 7);
    void SetNotify(BOOL bParentNotify = TRUE);
    void SetNotify(HWND hWnd);
    BOOL IsNotify() const { return m_hNotifyWnd != nullptr; }
    void SetCssStyles(LPCTSTR lpszCssStyles = nullptr) { m_drawer.SetCssStyles(lpszCssStyles); }
    CString GetCssStyles() const { return m_drawer.GetCssStyles(); }
    void SetImageList(HBITMAP hBitmap, int cx, int cy, int nCount, COLORREF clrMask = RGB(255, 0, 255));
    void SetImageList(UINT nIdBitmap, int cx, int cy, int nCount, COLORREF clrMask = RGB(255, 0, 255));
    void SetImageShadow(int nOffsetX, int nOffsetY, BYTE nDarkness = 50, BOOL bGradient = TRUE,
                        int nDepthX = 7, int nDepthY = 7);
    void SetKeepControlChars(BOOL bKeep) { m_drawer.SetKeepControlChars(bKeep); }
    void SetCallbackHyperlink(HWND hWnd, UINT nMessage, LPARAM lParam = 0);
    void SetRedrawOnHyperlink(BOOL bRedraw = TRUE) { m_bHyperlinkRedraw = bRedraw; }
    void SetDebugMode(BOOL bDebug = TRUE) { m_bDebugMode = bDebug; }
    void SetMenuTipPosition(DWORD flags) { m_nMenuTipPosition = flags; }
    CPPHtmlDrawer* GetHtmlDrawer() { return &m_drawer; }

    // Showing and hiding.
    void ShowAtPoint(CPoint pt, const ToolInfo& ti);
    void ShowHelpTooltip(CPoint pt, LPCTSTR text, HICON hIcon = nullptr);
    void ShowHelpTooltip(CPoint pt, UINT nIdText, HICON hIcon = nullptr);
    void ShowHelpTooltip(CPoint pt, LPCTSTR text, UINT nIdIcon, CSize szIcon);
    void ShowHelpTooltip(CPoint pt, UINT nIdText, UINT nIdIcon, CSize szIcon);
    void ShowMenuTip(UINT nItemID, UINT nFlags, HMENU hMenu);
    void HideTip();
    void Pop();

    // The window-information table of the window under a point (parent's client coordinates).
    CString BuildWindowInfo(CPoint pt);
    // Class names and titles as the window-information table shows them.
    static CString MakeInfoText(LPCTSTR text);

    // Where a tip goes: the direction used, the window rectangle and the
    // anchor point in it (window coordinates). body and text come in at the
    // origin and leave moved past the anchor strip.
    static DWORD CalcTipPlacement(DWORD direction, POINT pt, const RECT& screen, const int sizes[PPTTSZ_MAX_SIZES],
                                  RECT& body, RECT& text, RECT& window, POINT& anchor);

    // State, for the owner and the tests.
    int GetState() const { return m_nState; }
    int GetCurrentTransparency() const { return m_nTransparency; }
    const ToolInfo& GetCurrentTool() const { return m_tiCurrent; }
    HWND GetCurrentToolWindow() const { return m_hCurrentWnd; }
    RECT GetTipWindowRect() const { return m_rcTipWindow; }
    RECT GetTextRect() const { return m_rcTipText; }
    POINT GetAnchorPoint() const { return m_ptAnchor; }
    DWORD GetUsedDirection() const { return m_nUsedDirection; }

protected:
    // Frames the tip's region; owners may draw another border.
    virtual void OnDrawBorder(CDC* pDC, HRGN hRgn);
    // Where the mouse is (screen); tests put a point of their own here, as
    // a display server moves a warped pointer back and forth on its own time.
    virtual CPoint GetCursorPoint() const;

    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    LRESULT OnRepaintWindow(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    typedef std::vector<ToolInfo> ToolList;

    static ToolInfo MakeTool(LPCTSTR text, LPCRECT lpRectBounds, UINT nIDTool);
    static CString LoadTextLine(UINT nId, int line);
    static CString IconTable(HICON hIcon, LPCTSTR text);
    static CString IconTable(UINT nIdIcon, CSize szIcon, LPCTSTR text);

    void SetNextTool(HWND hWnd, const ToolInfo& ti, BOOL bDelayed, int kind);
    void StartShow(BOOL bDelayed);
    void ShowStep();
    void HideStep();
    void FadeInStep();
    void FadeOutStep();
    void StartAutoPop(const ToolInfo& ti);
    void RestartAutoPop();
    void DisplayTip(CPoint pt);
    void DrawTip(HDC hDC, int transparency);
    void MoveTip(CPoint pt);
    void FreeResources();
    void KillAllTimers();
    void HideWindowNow();

    BOOL IsCursorOverTip(CPoint ptScreen) const;
    HWND FindChildWindow(CPoint ptParentClient, BOOL bIncludeDisabled) const;
    BOOL FindTool(CPoint ptParentClient, CPoint ptScreen, HWND& hWnd, ToolInfo& ti) const;
    BOOL FindToolBarTool(CPoint ptScreen, HWND& hWnd, ToolInfo& ti) const;
    BOOL FindWindowTool(HWND hWnd, CPoint ptParentClient, ToolInfo& ti) const;

    CPPHtmlDrawer m_drawer;

    HWND m_hParentWnd;
    HWND m_hNotifyWnd;
    BOOL m_bHyperlinkRedraw;
    BOOL m_bDebugMode;

    CPoint m_ptLast;   // last cursor point (screen)

    HWND m_hCurrentWnd;
    int m_nCurrentKind;
    ToolInfo m_tiCurrent;
    HWND m_hNextWnd;
    int m_nNextKind;
    ToolInfo m_tiNext;
    BOOL m_bNextPending;
    BOOL m_bNextNeedsDelay;

    DWORD m_nUsedDirection;
    int m_nTransparency;   // used when drawing
    int m_nState;

    COLORREF m_clrBegin;
    COLORREF m_clrMid;
    COLORREF m_clrEnd;
    HBITMAP m_hBitmapBk;        // the tip's background, window size
    HBITMAP m_hBitmapScreen;    // the screen under the tip, taken as it shows
    HBRUSH m_hbrBorder;
    int m_nBorderWidth;
    int m_nBorderHeight;

    BOOL m_bShadowBlur;
    int m_nShadowOffsetX;
    int m_nShadowOffsetY;
    int m_nShadowDepthX;
    int m_nShadowDepthY;
    int m_nShadowDarkness;

    HRGN m_hrgnTip;    // the tip's shape without its shadow; the window gets its own region

    UINT m_nTimeAutoPop;
    UINT m_nTimeInitial;
    UINT m_nTimeFadeIn;
    UINT m_nTimeFadeOut;

    DWORD m_nBehaviour;
    DWORD m_nEffect;
    DWORD m_nDirection;
    DWORD m_nStyles;
    BYTE m_nGranularity;
    BYTE m_nTransparencyDefault;

    BOOL m_bFadeInEnabled;
    BOOL m_bFadeOutEnabled;

    int m_nSizes[PPTTSZ_MAX_SIZES];
    DWORD m_nMenuTipPosition;

    RECT m_rcTipText;     // window coordinates
    RECT m_rcTipBody;
    RECT m_rcTipWindow;
    POINT m_ptAnchor;

    std::map<HWND, ToolList> m_mapTools;
    std::vector<HWND> m_arrToolBars;
};
