#include "framework/views/BaseTabCtrlFormView.h"

#include "afx/DataExchange.h"
#include "afx/WinApp.h"
#include "framework/dialogs/BaseDlg.h"

namespace {
// The tab control's id in the form templates of the derived views.
const int TabControlId = 1023;
const char CurrentTabKey[] = "CurrentTab";
} // namespace

IMPLEMENT_DYNAMIC(CBaseTabCtrlFormView, CBaseFormView)

BEGIN_MESSAGE_MAP(CBaseTabCtrlFormView, CBaseFormView)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CBaseTabCtrlFormView::CBaseTabCtrlFormView(UINT nIDTemplate)
    : CBaseFormView(nIDTemplate), m_arrTitles(), m_arrPages(), m_tabCtrl(), m_nPagesHandedOver(0)
{
}

CBaseTabCtrlFormView::~CBaseTabCtrlFormView()
{
    // Pages never handed to the tab control (the view was not shown, or a
    // page could not be created) are still the view's.
    for (INT_PTR i = m_nPagesHandedOver; i < m_arrPages.GetSize(); ++i)
        delete m_arrPages[i];
}

void CBaseTabCtrlFormView::AddPage(CString title, CBaseDlg* page)
{
    m_arrTitles.Add(title);
    m_arrPages.Add(page);
}

void CBaseTabCtrlFormView::DoDataExchange(CDataExchange* pDX)
{
    CBaseFormView::DoDataExchange(pDX);
    DDX_Control(pDX, TabControlId, m_tabCtrl);
}

void CBaseTabCtrlFormView::OnInitialUpdate()
{
    CBaseFormView::OnInitialUpdate();
    CreatePages();
}

void CBaseTabCtrlFormView::CreatePages()
{
    // Pages are handed over in order, so the tab control owns exactly the
    // first m_nPagesHandedOver of them; a page that cannot be created stops
    // the row rather than leave a tab without its page.
    for (INT_PTR i = m_nPagesHandedOver; i < m_arrPages.GetSize(); ++i) {
        CBaseDlg* page = m_arrPages[i];
        if (!page->Create(static_cast<UINT>(page->m_nTemplateId), &m_tabCtrl))
            break;
        const int index = static_cast<int>(i);
        m_tabCtrl.AddTab(index, m_arrTitles[i], index, page);
        m_nPagesHandedOver = index + 1;
        page->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    m_tabCtrl.InitDialogs();

    CWinApp* app = AfxGetApp();
    const int stored = app ? static_cast<int>(app->GetProfileInt(m_strSettingsName, CurrentTabKey, 0)) : 0;
    m_tabCtrl.SelectTab(stored);

    const int count = m_tabCtrl.GetPageCount();
    if (count > 0) {
        m_tabCtrl.GetPage(0)->ShowWindow(SW_HIDE);
        int current = m_tabCtrl.GetCurSel();
        // A remembered tab that no longer exists (fewer pages than before)
        // opens the first one instead of showing nothing.
        if (current < 0 || current >= count) {
            m_tabCtrl.SelectTab(0);
            current = 0;
        }
        CDialog* page = m_tabCtrl.GetPage(current);
        page->ShowWindow(SW_SHOW);
        page->SetFocus();
    }
    m_tabCtrl.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CBaseTabCtrlFormView::OnDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app && m_tabCtrl.GetSafeHwnd())
        app->WriteProfileInt(m_strSettingsName, CurrentTabKey, m_tabCtrl.GetCurSel());
    CBaseFormView::OnDestroy();
}
