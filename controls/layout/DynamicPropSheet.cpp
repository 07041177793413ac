#include "controls/layout/DynamicPropSheet.h"

IMPLEMENT_DYNCREATE(cdxCDynamicPropSheet, CPropertySheet)
IMPLEMENT_DYNAMIC(cdxCDynamicPropPage, CPropertyPage)

namespace {
const signed char kFollowSheet[4] = {0, 0, 100, 100};
}

BEGIN_DYNAMIC_MAP(cdxCDynamicPropSheet, CPropertySheet)
    DYNAMIC_MAP_ENTRY(AFX_IDC_TAB_CONTROL, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(IDOK, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDCANCEL, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(ID_APPLY_NOW, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDHELP, ModeMove, ModeMove)
END_DYNAMIC_MAP()

BEGIN_MESSAGE_MAP(cdxCDynamicPropSheet, CPropertySheet)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

cdxCDynamicPropSheet::cdxCDynamicPropSheet()
    : cdxCDynamicHost(FreedomBoth, DefaultFlags), m_PagePos(), m_bInitialized(false)
{
}

cdxCDynamicPropSheet::cdxCDynamicPropSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, UINT nFreedom, UINT nFlags)
    : cdxCDynamicHost(nFreedom, nFlags, nIDCaption, pParentWnd, iSelectPage), m_PagePos(),
      m_bInitialized(false)
{
}

cdxCDynamicPropSheet::cdxCDynamicPropSheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, UINT nFreedom, UINT nFlags)
    : cdxCDynamicHost(nFreedom, nFlags, pszCaption, pParentWnd, iSelectPage), m_PagePos(),
      m_bInitialized(false)
{
}

cdxCDynamicPropSheet::~cdxCDynamicPropSheet()
{
    if (cdxCDynamicWnd::IsWindow())
        DoOnDestroy();
    for (int i = 0; i < GetPageCount(); ++i)
        if (auto* page = DYNAMIC_DOWNCAST(cdxCDynamicPropPage, GetPage(i)); page && page->m_pSheet == this)
            page->m_pSheet = nullptr;
}

void cdxCDynamicPropSheet::AddPage(CPropertyPage* pPage)
{
    CPropertySheet::AddPage(pPage);
    if (auto* page = DYNAMIC_DOWNCAST(cdxCDynamicPropPage, pPage))
        page->m_pSheet = this;
}

void cdxCDynamicPropSheet::RemovePage(int nPage)
{
    CPropertyPage* pPage = GetPage(nPage);
    if (!pPage)
        return;
    if (pPage->m_hWnd)
        RemoveControl(pPage->m_hWnd);
    if (auto* page = DYNAMIC_DOWNCAST(cdxCDynamicPropPage, pPage))
        page->m_pSheet = nullptr;
    CPropertySheet::RemovePage(nPage);
}

int cdxCDynamicPropSheet::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    const int result = CPropertySheet::OnCreate(lpCreateStruct);
    // The system's sheet has a fixed frame; this one is sized by the user,
    // and is painted in one pass so the resized page does not flicker.
    ModifyStyle(0, WS_THICKFRAME | WS_SYSMENU);
    ModifyStyleEx(0, WS_EX_COMPOSITED);
    return result;
}

BOOL cdxCDynamicPropSheet::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    AttachLayoutToClient();
    // Every page goes where the first one is, following the sheet's size.
    if (CPropertyPage* page = GetActivePage(); page && page->m_hWnd) {
        page->ModifyStyle(0, WS_CLIPSIBLINGS);
        AddControlByPercent(page->m_hWnd, kFollowSheet, CSize(), true);
        Position pos;
        if (m_Map.Lookup(page->m_hWnd, pos))
            m_PagePos = pos;
    }
    m_bInitialized = true;
    return result;
}

void cdxCDynamicPropSheet::RegisterPage(CPropertyPage* pPage)
{
    if (!m_bInitialized || !pPage || !pPage->m_hWnd || HasControl(pPage->m_hWnd))
        return;
    pPage->ModifyStyle(0, WS_CLIPSIBLINGS);
    AddControl(pPage->m_hWnd, m_PagePos, true);
}

void cdxCDynamicPropSheet::OnPageFirstActivation(cdxCDynamicPropPage* pPage)
{
    RegisterPage(pPage);
}

void cdxCDynamicPropSheet::OnPageSetActive(cdxCDynamicPropPage* pPage, BOOL bResult)
{
    // A page that was shown before the sheet was ready is taken in now.
    if (bResult)
        RegisterPage(pPage);
}

void cdxCDynamicPropSheet::OnPageKillActive(cdxCDynamicPropPage*, BOOL)
{
}

BOOL cdxCDynamicPropSheet::DestroyWindow()
{
    DoOnDestroy();
    m_bInitialized = false;
    return CPropertySheet::DestroyWindow();
}

void cdxCDynamicPropSheet::OnDestroy()
{
    DoOnDestroy();
    m_bInitialized = false;
    CPropertySheet::OnDestroy();
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(cdxCDynamicPropPage, CPropertyPage)
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_WM_PARENTNOTIFY()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

cdxCDynamicPropPage::cdxCDynamicPropPage()
    : cdxCDynamicHost(FreedomBoth, FlagSizingRedraw), m_pSheet(nullptr), m_bFirstActivationDone(false)
{
}

cdxCDynamicPropPage::cdxCDynamicPropPage(UINT nIDTemplate, UINT nIDCaption)
    : cdxCDynamicHost(FreedomBoth, FlagSizingRedraw, nIDTemplate, nIDCaption), m_pSheet(nullptr),
      m_bFirstActivationDone(false)
{
}

cdxCDynamicPropPage::cdxCDynamicPropPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
    : cdxCDynamicHost(FreedomBoth, FlagSizingRedraw, lpszTemplateName, nIDCaption), m_pSheet(nullptr),
      m_bFirstActivationDone(false)
{
}

cdxCDynamicPropPage::cdxCDynamicPropPage(LPCDLGTEMPLATE lpTemplate, UINT nIDCaption)
    : cdxCDynamicHost(FreedomBoth, FlagSizingRedraw, lpTemplate, nIDCaption), m_pSheet(nullptr),
      m_bFirstActivationDone(false)
{
}

cdxCDynamicPropPage::~cdxCDynamicPropPage()
{
    if (cdxCDynamicWnd::IsWindow())
        DoOnDestroy();
}

BOOL cdxCDynamicPropPage::OnInitDialog()
{
    const BOOL result = CPropertyPage::OnInitDialog();
    // A new window: its first activation in this sheet is still to come.
    m_bFirstActivationDone = false;
    AttachLayoutToClient();
    return result;
}

BOOL cdxCDynamicPropPage::OnSetActive()
{
    const BOOL result = CPropertyPage::OnSetActive();
    if (result && !m_bFirstActivationDone) {
        m_bFirstActivationDone = true;
        if (m_pSheet)
            m_pSheet->OnPageFirstActivation(this);
    }
    if (m_pSheet)
        m_pSheet->OnPageSetActive(this, result);
    return result;
}

BOOL cdxCDynamicPropPage::OnKillActive()
{
    const BOOL result = CPropertyPage::OnKillActive();
    if (m_pSheet)
        m_pSheet->OnPageKillActive(this, result);
    return result;
}
