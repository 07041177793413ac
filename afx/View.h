// CView: a child window of a frame that shows (part of) a document. The frame
// creates it from a CCreateContext, tells it when it becomes active, and
// routes commands to it first. CFormView is a view whose face is a dialog
// template: its controls are created from the template and exchange their
// values through DoDataExchange.
#pragma once

#include "afx/AfxRes.h"
#include "afx/Wnd.h"

// Sent by a frame to its views (and their children) once the document is ready.
#define WM_INITIALUPDATE 0x0364

class CDC;
class CDocTemplate;
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

class CFormView : public CView
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

    // The template's size in pixels, as created; the smallest size that shows
    // every control. Scroll bars appear when the view is smaller.
    CSize GetTotalSize() const { return m_totalSize; }

    LPCTSTR m_lpszTemplateName;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    void UpdateScrollBars();
    void ScrollToPosition(int x, int y);

    CSize m_totalSize;
    CPoint m_scrollPos;
    HWND m_hWndFocus;   // the control that had the focus when the view lost it

    DECLARE_MESSAGE_MAP()
};
