#include "afx/Dialog.h"

#include "afx/HandleMap.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    // WM_INITDIALOG is handled in the map (HandleInitDialog), where an
    // exception of OnInitDialog is caught before it could cross the system's
    // dialog code. Everything else takes the default dialog processing.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_hDialogTemplate(nullptr), m_lpDialogTemplate(nullptr),
      m_lpDialogInit(nullptr), m_pParentWnd(nullptr), m_nIDHelp(0), m_nModalResult(-1), m_bContinueModal(FALSE)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_hDialogTemplate(nullptr), m_lpDialogTemplate(nullptr),
      m_lpDialogInit(nullptr), m_pParentWnd(pParentWnd), m_nIDHelp(0), m_nModalResult(-1),
      m_bContinueModal(FALSE)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_hDialogTemplate(nullptr), m_lpDialogTemplate(nullptr),
      m_lpDialogInit(nullptr), m_pParentWnd(pParentWnd), m_nIDHelp(nIDTemplate), m_nModalResult(-1),
      m_bContinueModal(FALSE)
{
}

CDialog::~CDialog()
{
    if (m_hWnd && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

LPCDLGTEMPLATE CDialog::LockTemplate(HINSTANCE* instance) const
{
    *instance = AfxGetResourceHandle();
    if (m_lpszTemplateName) {
        *instance = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC resource = ::FindResourceA(*instance, m_lpszTemplateName, RT_DIALOG);
        HGLOBAL loaded = resource ? ::LoadResource(*instance, resource) : nullptr;
        return loaded ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
    }
    if (m_hDialogTemplate)
        return static_cast<LPCDLGTEMPLATE>(::LockResource(m_hDialogTemplate));
    return m_lpDialogTemplate;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE dialogTemplate, HINSTANCE instance, HWND owner)
{
    if (!dialogTemplate)
        return FALSE;
    // The dialog is the first window the call creates: it binds to this object.
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(instance, dialogTemplate, owner, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd != nullptr;
}

// ---- Modeless ----------------------------------------------------------------

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    m_pParentWnd = pParentWnd;
    HINSTANCE instance = nullptr;
    LPCDLGTEMPLATE dialogTemplate = LockTemplate(&instance);
    return CreateFromTemplate(dialogTemplate, instance, pParentWnd->GetSafeHwnd());
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, AfxGetResourceHandle(), pParentWnd->GetSafeHwnd());
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE dialogTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hDialogTemplate));
    return CreateIndirect(dialogTemplate, pParentWnd, nullptr);
}

// ---- Modal -------------------------------------------------------------------

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_hDialogTemplate = nullptr;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return lpDialogTemplate != nullptr;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_lpDialogTemplate = nullptr;
    m_pParentWnd = pParentWnd;
    return hDialogTemplate != nullptr;
}

HWND AFXAPI AfxGetModalOwner(CWnd* pParentWnd)
{
    HWND owner = nullptr;
    if (pParentWnd && pParentWnd->m_hWnd) {
        owner = pParentWnd->m_hWnd;
        while ((::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD) && ::GetParent(owner))
            owner = ::GetParent(owner);
    } else if (CWnd* mainWnd = AfxGetMainWnd()) {
        if (mainWnd->m_hWnd && ::IsWindow(mainWnd->m_hWnd))
            owner = ::GetLastActivePopup(mainWnd->m_hWnd);
    }
    return owner;
}

BOOL AFXAPI AfxPumpModalMessage(HWND hWndModal, UINT_PTR tempMark)
{
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxDeleteTempMaps(tempMark);
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
        if (got == 0)
            AfxPostQuitMessage(static_cast<int>(msg.wParam));
        return FALSE;
    }
    CWinThread* thread = AfxGetThread();
    const BOOL translated = thread ? thread->PreTranslateMessage(&msg)
                                   : CWnd::WalkPreTranslateTree(hWndModal, &msg);
    if (!translated) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

HWND CDialog::GetModalOwner() const
{
    return AfxGetModalOwner(m_pParentWnd);
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE instance = nullptr;
    LPCDLGTEMPLATE dialogTemplate = LockTemplate(&instance);
    if (!dialogTemplate)
        return -1;

    // The owner stays disabled while the dialog runs.
    HWND owner = GetModalOwner();
    const bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);

    m_nModalResult = -1;
    m_bContinueModal = TRUE;
    // What the dialog's creation and handlers make is the session's to free.
    const UINT_PTR tempMark = AfxTempMapsMark();
    if (CreateFromTemplate(dialogTemplate, instance, owner) && m_bContinueModal)
        RunModalLoop(tempMark);
    m_bContinueModal = FALSE;

    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    // The owner is enabled and activated before the dialog goes, so the
    // activation does not wander to another application's window.
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (owner && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop(UINT_PTR tempMark)
{
    bool shown = (GetStyle() & WS_VISIBLE) != 0;
    MSG msg;
    while (m_bContinueModal) {
        // Show the dialog once its creation messages are through, as the
        // system's own modal dialogs do.
        if (!shown && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            ::UpdateWindow(m_hWnd);
            shown = true;
        }
        // WM_QUIT ends the dialog and goes on to the application's loop.
        if (!AfxPumpModalMessage(m_hWnd, tempMark)) {
            m_nModalResult = -1;
            break;
        }
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        // Wake the modal loop, which may be waiting in GetMessage.
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    // Loading the controls cannot fail on the user's account; a failure here
    // is a mistake in the exchange code and the dialog still opens.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), 1);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    const bool key = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    if (!key && !mouse)
        return FALSE;
    // A multi-line edit keeps Esc to itself; the dialog should still cancel.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL)
        && (::GetWindowLongPtrA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE)) {
        char className[16] = "";
        ::GetClassNameA(pMsg->hwnd, className, sizeof className);
        if (lstrcmpiA(className, "Edit") == 0) {
            HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (!cancel || ::IsWindowEnabled(cancel)) {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Only plain commands travel on; control notifications stay with the dialog.
    if ((nCode != CN_COMMAND && static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI) || nID == 0 || nID >= 0xF000)
        return FALSE;
    CWnd* owner = GetParent();
    if (owner && owner != this && owner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
