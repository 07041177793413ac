#include "afx/PropertySheet.h"

#include "afx/HandleMap.h"
#include "afx/Thread.h"
#include "afx/WinApp.h"

#include <string.h>
#include <vector>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// The procedure of every page. The system creates the page and passes its
// record with WM_INITDIALOG; the page is bound there, and from then on its
// messages go through the page's map before the default dialog processing.
INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    const PROPSHEETPAGEA* record = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    CPropertyPage* page = record ? reinterpret_cast<CPropertyPage*>(record->lParam) : nullptr;
    if (!page || page->m_hWnd)
        return TRUE;
    if (!page->SubclassWindow(hWnd))
        return TRUE;
    page->m_bFirstSetActive = TRUE;
    // What OnInitDialog throws must not cross the system's sheet code.
    return AfxCallGuarded([page] { return static_cast<INT_PTR>(page->OnInitDialog()); }, INT_PTR(TRUE));
}

// ---- Page ------------------------------------------------------------------

CPropertyPage::CPropertyPage() : CDialog(), m_psp(), m_strCaption(), m_bFirstSetActive(TRUE)
{
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(), m_psp(), m_strCaption(), m_bFirstSetActive(TRUE)
{
    Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
    : CDialog(), m_psp(), m_strCaption(), m_bFirstSetActive(TRUE)
{
    Construct(lpszTemplateName, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCDLGTEMPLATE lpTemplate, UINT nIDCaption)
    : CDialog(), m_psp(), m_strCaption(), m_bFirstSetActive(TRUE)
{
    Construct(static_cast<LPCTSTR>(nullptr), nIDCaption);
    m_lpDialogTemplate = lpTemplate;
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    Construct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
    m_nIDHelp = nIDTemplate;
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    m_lpszTemplateName = lpszTemplateName;
    m_lpDialogTemplate = nullptr;
    m_strCaption.Empty();
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
}

void CPropertyPage::PreparePage()
{
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags &= ~static_cast<DWORD>(PSP_DLGINDIRECT | PSP_USETITLE);
    if (m_lpDialogTemplate) {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.hInstance = AfxGetResourceHandle();
        m_psp.pResource = m_lpDialogTemplate;
    } else {
        m_psp.hInstance = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        m_psp.pszTemplate = m_lpszTemplateName;
    }
    if (!m_strCaption.IsEmpty()) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
    m_psp.pfnDlgProc = &AfxPropPageDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

CPropertySheet* CPropertyPage::GetSheet() const
{
    if (!m_hWnd)
        return nullptr;
    return DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

BOOL CPropertyPage::OnSetActive()
{
    // The first activation follows OnInitDialog, which loaded the controls already.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::OnOK()
{
    // The sheet closes itself; a page must not end a dialog.
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    LRESULT ignored = 0;
    LRESULT& result = pResult ? *pResult : ignored;
    switch (header->code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        return TRUE;
    case PSN_APPLY: {
        const BOOL taken = OnApply();
        result = taken ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        // The notification's lParam tells OK from Apply.
        if (taken && reinterpret_cast<const PSHNOTIFY*>(header)->lParam)
            if (CPropertySheet* sheet = GetSheet())
                sheet->m_nModalResult = IDOK;
        return TRUE;
    }
    case PSN_RESET:
        OnReset();
        result = 0;
        return TRUE;
    case PSN_QUERYCANCEL:
        result = OnQueryCancel() ? FALSE : TRUE;
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // Not the dialog's own key handling: the sheet tabs through all its controls.
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- Sheet -----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CPropertySheet::HandleInitDialog)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet()
    : m_psh(), m_pages(), m_strCaption(), m_pParentWnd(nullptr), m_nStartPage(0), m_nModalResult(IDCANCEL)
{
    CommonConstruct(nullptr, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_pages(), m_strCaption(), m_pParentWnd(nullptr), m_nStartPage(0), m_nModalResult(IDCANCEL)
{
    CommonConstruct(pParentWnd, iSelectPage);
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_pages(), m_strCaption(pszCaption ? pszCaption : ""), m_pParentWnd(nullptr), m_nStartPage(0),
      m_nModalResult(IDCANCEL)
{
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_pParentWnd = pParentWnd;
    m_nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    ASSERT(pPage);
    if (!pPage)
        return;
    m_pages.Add(pPage);
    if (m_hWnd) {
        pPage->PreparePage();
        HPROPSHEETPAGE handle = ::CreatePropertySheetPageA(&pPage->m_psp);
        if (!handle || !SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
            if (handle)
                ::DestroyPropertySheetPage(handle);
            m_pages.RemoveAt(m_pages.GetSize() - 1);
        }
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    const int index = GetPageIndex(pPage);
    if (index >= 0)
        RemovePage(index);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd)
        SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(m_pages.GetSize());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return nullptr;
    return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages.GetAt(i) == pPage)
            return i;
    return -1;
}

CWnd* CPropertySheet::GetTabControl() const
{
    if (!m_hWnd)
        return nullptr;
    return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL)));
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return static_cast<int>(m_nStartPage);
    HWND tab = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
    return tab ? static_cast<int>(::SendMessageA(tab, TCM_GETCURSEL, 0, 0)) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (!m_hWnd)
        return GetPage(static_cast<int>(m_nStartPage));
    HWND current = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (int i = 0; current && i < GetPageCount(); ++i)
        if (GetPage(i)->m_hWnd == current)
            return GetPage(i);
    return nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (!m_hWnd) {
        m_nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0) != 0;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText)
{
    m_strCaption = lpszText ? lpszText : "";
    if (m_hWnd)
        SendMessage(PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(m_strCaption)));
}

void CPropertySheet::PressButton(int nButton)
{
    if (m_hWnd)
        SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
}

BOOL CPropertySheet::CreateSheet(HWND hWndOwner, bool bModeless)
{
    ASSERT(m_hWnd == nullptr);
    ASSERT(GetPageCount() > 0);
    if (m_hWnd || GetPageCount() == 0)
        return FALSE;
    // The system copies the records while it creates the sheet.
    std::vector<PROPSHEETPAGEA> records;
    records.reserve(static_cast<size_t>(GetPageCount()));
    for (int i = 0; i < GetPageCount(); ++i) {
        GetPage(i)->PreparePage();
        records.push_back(GetPage(i)->m_psp);
    }
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = (m_psh.dwFlags & ~static_cast<DWORD>(PSH_MODELESS)) | PSH_PROPSHEETPAGE;
    if (bModeless)
        m_psh.dwFlags |= PSH_MODELESS;
    m_psh.hwndParent = hWndOwner;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = static_cast<UINT>(records.size());
    m_psh.nStartPage = m_nStartPage < m_psh.nPages ? m_nStartPage : 0;
    m_psh.ppsp = records.data();

    m_nModalResult = IDCANCEL;
    // The sheet is the first window the call creates: it binds to this object.
    AfxHookWindowCreate(this);
    const INT_PTR created = ::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    m_psh.ppsp = nullptr;
    if (created == 0 || created == -1 || !m_hWnd) {
        if (m_hWnd && ::IsWindow(m_hWnd))
            DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd)
{
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    return CreateSheet(m_pParentWnd->GetSafeHwnd(), true);
}

INT_PTR CPropertySheet::DoModal()
{
    // The owner stays disabled while the sheet runs.
    HWND owner = AfxGetModalOwner(m_pParentWnd);
    const bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);

    // Run modeless under a loop of our own, so PreTranslateMessage keeps
    // working; OK and Cancel leave the sheet without a current page.
    INT_PTR result = -1;
    const UINT_PTR tempMark = AfxTempMapsMark();
    if (CreateSheet(owner, true)) {
        if (!(GetStyle() & WS_VISIBLE))
            ShowWindow(SW_SHOWNORMAL);
        bool quit = false;
        while (::IsWindow(m_hWnd) && SendMessage(PSM_GETCURRENTPAGEHWND) != 0) {
            // WM_QUIT ends the sheet and goes on to the application's loop.
            if (!AfxPumpModalMessage(m_hWnd, tempMark)) {
                quit = true;
                break;
            }
        }
        result = quit ? -1 : m_nModalResult;
    }
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        if (owner && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(owner);
        DestroyWindow();
    }
    return result;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CPropertySheet::OnInitDialog()
{
    // The system lays out the tab control and buttons and shows the first page.
    return static_cast<BOOL>(Default());
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (!::IsWindow(m_hWnd) || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return FALSE;
    return SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)) != 0;
}
