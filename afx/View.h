// CView: a child window of a frame that shows (part of) a document. The frame
// creates it from a CCreateContext, tells it when it becomes active, and
// routes commands to it first. CFormView is a view whose face is a dialog
// template: its controls are created from the template and exchange their
// values through DoDataExchange. CScrollView scrolls a document larger than
// the view; CFormView is one.
#pragma once

#include "afx/AfxRes.h"
#include "afx/Wnd.h"

// Sent by a frame to its views (and their children) once the document is ready.
#define WM_INITIALUPDATE 0x0364

class CBrush;
class CDC;
class CDocTemplate;
struct CPrintInfo;
class CDocument;
class CFrameWnd;
class CView;

// What a frame needs to build its view: handed through creation (lpCreateParams).
struct CCreateContext
{
    CCreateContext()
        : m_pNewViewClass(nullptr), m_pCurrentDoc(nullptr), m_pNewDocTemplate(nullptr),
          m_pLastView(nullptr), m_pCurrentFrame(nullptr)
    {
    }

    CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
    CDocTemplate* m_pNewDocTemplate;
    CView* m_pLastView;
    CFrameWnd* m_pCurrentFrame;
};

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
protected:
    CView();

public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Called once by the frame after the document is ready; calls OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed; the default repaints the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC);
    // Readies the DC OnDraw gets (a scroll view sets its mapping and origin).
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The view first, then its document (and the document's template).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Views live on the heap and go with their windows.
    void PostNcDestroy() override;

    CDocument* m_pDocument;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    friend class CDocument;
    DECLARE_MESSAGE_MAP()
};

// A view over a document of a fixed size (in logical units of a mapping mode):
// scroll bars appear when the view is smaller than the document, and the
// position moves by lines and pages, the thumb and the wheel. Positions are
// kept in device units, as the scroll bars hold them.
class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
protected:
    CScrollView();

public:
    // For SetScrollSizes: a page of a tenth of the total, a line of a tenth of the page.
    static const SIZE sizeDefault;

    // The document's size, and the page and line steps, in logical units of nMapMode.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    // The top-left point shown, in logical units, and the same in device units.
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    // Scrolls so that pt (logical) is at the top left, as far as the size allows.
    void ScrollToPosition(POINT pt);
    // Paints the part of the client area outside the document (device units).
    void FillOutsideRect(CDC* pDC, CBrush* pBrush);
    // Sizes the parent frame so the view shows the whole document; with
    // bShrinkOnly a frame that is smaller in a direction keeps that size.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

    // nScrollCode: the horizontal SB_ code in the low byte, the vertical one in
    // the high byte (0xFF: none). With bDoScroll FALSE nothing moves: the answer
    // says whether it would.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    // Scrolls by a device distance, clamped to the document; FALSE when nothing
    // would move. With bDoScroll FALSE only reports.
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    // Shows, hides and sets the bars for the client size; keeps the position
    // inside the document.
    void UpdateBars();

    int m_nMapMode;
    CSize m_totalLog;    // the document, logical units
    CSize m_totalDev;    // the same and the steps in device units
    CSize m_pageDev;
    CSize m_lineDev;

    DECLARE_MESSAGE_MAP()

private:
    // Showing or hiding a bar resizes the client area and sends WM_SIZE back
    // into UpdateBars, which already counts the bars' room.
    BOOL m_bInUpdateBars;
    CSize LogicalToDevice(CSize size) const;
    // Moves the window's pixels and children by a device distance.
    void ScrollContents(int dx, int dy);
    int BarLimit(int nBar) const;
};

class CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
protected:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(LPCTSTR lpszTemplateName);

public:
    // Builds the view's window from the dialog template, as a child of pParentWnd.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;

    // Fills the controls from the members (UpdateData(FALSE)).
    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnDraw(CDC* pDC) override;

    // GetTotalSize is the template's size in pixels, as created: the smallest
    // size that shows every control. Scroll bars appear when the view is smaller.

    LPCTSTR m_lpszTemplateName;

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    HWND m_hWndFocus;   // the control that had the focus when the view lost it

    DECLARE_MESSAGE_MAP()
};
