#include "afx/View.h"

#include "afx/ChildDialog.h"
#include "afx/DC.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, &CView::OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(nullptr)
{
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return CWnd::PreCreateWindow(cs);
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    // The frame passes its creation context through lpCreateParams.
    CCreateContext* context = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (context && context->m_pCurrentDoc && !m_pDocument)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    if (CFrameWnd* frame = GetParentFrame())
        if (frame->GetActiveView() == this)
            frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    // Unlinking may close the document (its last view): done after the window is gone.
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    delete this;
}

void CView::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    CDC* dc = CDC::FromHandle(hdc);
    OnPrepareDC(dc);
    OnDraw(dc);
    ::EndPaint(m_hWnd, &ps);
}

void CView::OnDraw(CDC*)
{
}

void CView::OnPrepareDC(CDC*, CPrintInfo*)
{
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    (void)pSender;
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    // The activated view takes the focus unless it, or a child, has it already.
    if (bActivate && pActivateView == this)
    {
        HWND focus = ::GetFocus();
        if (focus != m_hWnd && !::IsChild(m_hWnd, focus))
            ::SetFocus(m_hWnd);
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*)
{
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    const int result = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    // A click in a view makes it the frame's active view.
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() != this)
        frame->SetActiveView(this);
    return result;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- CFormView -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFormView::CFormView(UINT nIDTemplate)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_hWndFocus(nullptr)
{
}

CFormView::CFormView(LPCTSTR lpszTemplateName)
    : m_lpszTemplateName(lpszTemplateName), m_hWndFocus(nullptr)
{
}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext)
{
    HWND hWnd = AfxCreateChildDialog(this, m_lpszTemplateName, pParentWnd, nID);
    if (!hWnd)
        return FALSE;

    RECT created;
    ::GetWindowRect(hWnd, &created);
    // The template's size is the document; scrolled in pixels.
    SetScrollSizes(MM_TEXT, CSize(created.right - created.left, created.bottom - created.top));
    ::SetWindowLongPtrA(hWnd, GWL_STYLE,
                        (::GetWindowLongPtrA(hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_VISIBLE)) |
                            static_cast<LONG_PTR>(dwStyle & ~WS_VISIBLE) | WS_CHILD);
    if (pContext && pContext->m_pCurrentDoc && !m_pDocument)
        pContext->m_pCurrentDoc->AddView(this);
    ::SetWindowPos(hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (dwStyle & WS_VISIBLE)
        ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    UpdateBars();
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*)
{
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !pMsg->hwnd ||
        (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return FALSE;
    // IsDialogMessage eats every key, the frames' accelerators included: the
    // frames get their turn first.
    for (CFrameWnd* frame = GetParentFrame(); frame; frame = frame->GetParentFrame())
        if (frame->PreTranslateMessage(pMsg))
            return TRUE;
    // Tab, arrows and mnemonics among the controls, as in a dialog.
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    // Focus goes on to the remembered control, else the first tab stop.
    HWND target = (m_hWndFocus && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus))
                      ? m_hWndFocus
                      : ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (target)
        ::SetFocus(target);
    else
        CScrollView::OnSetFocus(pOldWnd);
}
