#include "framework/dialogs/AboutDlg.h"

#include "afx/WinApp.h"
#include "framework/crash/VersionString.h"

namespace {
const char VersionPlaceholder[] = "***";

CString g_strCredits;
int g_nModelessEnabled = 0;
CAboutDlg* g_pModelessSplash = nullptr;
}

IMPLEMENT_DYNAMIC(CAboutDlg, CDialog)

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CString CAboutDlg::FormatCredits(const CString& credits, const CString& version)
{
    CString text(credits);
    text.Replace(VersionPlaceholder, version);
    return text;
}

CAboutDlg::CAboutDlg(CString credits, int creditsX, BOOL wave, BOOL scroll, CWnd* parent)
    : CDialog(IDD, parent), m_nCreditsX(creditsX), m_bScroll(scroll ? 1 : 0), m_ctrl(), m_progress()
{
    CString version;
    GetVersionString(version, FALSE);
    g_strCredits = FormatCredits(credits, version);
    m_ctrl.SetCredits(g_strCredits);
    m_ctrl.m_bScrolling = m_bScroll;
    m_ctrl.m_nCreditsX = creditsX;
    m_ctrl.m_bWave = wave ? 1 : 0;
}

CAboutDlg::~CAboutDlg()
{
    // Only the modeless box itself gives up the application-wide place: a
    // modal box closing meanwhile must not orphan it.
    if (g_pModelessSplash == this)
        g_pModelessSplash = nullptr;
}

BOOL CAboutDlg::Create(CWnd* parent)
{
    if (!CDialog::Create(IDD, parent))
        return FALSE;
    if (m_progress.GetSafeHwnd()) {
        m_progress.SetRange(0, 100);
        m_progress.SetPos(0);
        m_progress.SetColors(2, RGB(0, 0, 158), RGB(255, 255, 255));
        m_progress.SetTextColor(RGB(255, 255, 255), RGB(255, 255, 255));
        m_progress.ShowWindow(SW_SHOW);
    }
    return TRUE;
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (!m_ctrl.GetSafeHwnd() && GetDlgItem(PanelId))
        m_ctrl.SubclassDlgItem(PanelId, this);
}

int CAboutDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    const int result = CDialog::OnCreate(lpCreateStruct);
    CenterWindow(GetParent());
    ShowWindow(SW_SHOW);
    if (!m_bScroll)
        SetTimer(IdleTimerId, IdlePeriod, nullptr);
    return result;
}

void CAboutDlg::OnTimer(UINT_PTR)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    m_ctrl.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return TRUE;
}

void CAboutDlg::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    if (!m_bScroll)
        delete this;
}

void CAboutDlg::SetCreditsText(const CString& text)
{
    g_strCredits = text;
}

const CString& CAboutDlg::GetCreditsText()
{
    return g_strCredits;
}

void CAboutDlg::EnableModelessSplash(int enable)
{
    g_nModelessEnabled = enable;
}

CAboutDlg* CAboutDlg::GetModelessSplash()
{
    return g_pModelessSplash;
}

BOOL CAboutDlg::ShowModelessSplash(const CString& credits)
{
    if (!g_nModelessEnabled || g_pModelessSplash)
        return FALSE;
    CAboutDlg* box = new CAboutDlg(credits, 0, TRUE, TRUE, nullptr);
    g_pModelessSplash = box;
    if (!box->Create(nullptr)) {
        delete box;
        return FALSE;
    }
    return TRUE;
}

BOOL CAboutDlg::PreTranslateAppMessage(MSG* pMsg)
{
    if (!g_pModelessSplash)
        return FALSE;
    switch (pMsg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: {
        // This module made the box, so it also frees it: nobody else holds it.
        CAboutDlg* box = g_pModelessSplash;
        box->DestroyWindow();
        delete box;
        if (CWnd* main = AfxGetMainWnd())
            main->UpdateWindow();
        return TRUE;
    }
    default:
        return FALSE;
    }
}
