#include "collector/SettingPageGeneral.h"

#include "afx/DataExchange.h"
#include "afx/WinApp.h"
#include "collector/MainFrame.h"
#include "framework/app/BasedApp.h"
#include "framework/util/TextFunctions.h"
#include "resources/resource.h"

#include <stdlib.h>

namespace {
const int DefaultSaveMinutes = 10;
}

IMPLEMENT_DYNAMIC(CSettingPageGeneral, CBaseDlg)

BEGIN_MESSAGE_MAP(CSettingPageGeneral, CBaseDlg)
    ON_BN_CLICKED(IDC_AUTO_SAVE, &CSettingPageGeneral::OnAutoSave)
END_MESSAGE_MAP()

CSettingPageGeneral::CSettingPageGeneral(CWnd* pParent)
    : CBaseDlg(IDD_SETTING_PAGE_GENERAL, pParent), m_bShowTips(TRUE), m_bKeepLog(TRUE), m_bAutoSave(FALSE)
{
    m_strSettingsName = "CSettingPageGeneral";
    if (CWinApp* app = AfxGetApp()) {
        // The tip's own key says "don't show" when nonzero.
        m_bShowTips = app->GetProfileInt("Tip", "StartUp", 0) == 0;
        m_bKeepLog = app->GetProfileInt("CBasedApp", "m_bEnableLog", 1) != 0;
        m_bAutoSave = app->GetProfileInt("Settings", "m_bAutoSaveEnable", 0) != 0;
    }
}

CSettingPageGeneral::~CSettingPageGeneral() = default;

void CSettingPageGeneral::DoDataExchange(CDataExchange* pDX)
{
    CBaseDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SHOW_TIPS, m_bShowTips);
    DDX_Check(pDX, IDC_KEEP_LOG, m_bKeepLog);
    DDX_Check(pDX, IDC_AUTO_SAVE, m_bAutoSave);
    DDX_Control(pDX, IDC_SAVE_MINUTES, m_editMinutes);
    DDX_Control(pDX, IDC_SAVE_MINUTES_SPIN, m_spinMinutes);
}

BOOL CSettingPageGeneral::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    int minutes = DefaultSaveMinutes;
    if (CWinApp* app = AfxGetApp())
        minutes = static_cast<int>(app->GetProfileInt("Settings", "m_iSaveTime", DefaultSaveMinutes));
    m_spinMinutes.SetRange(0, static_cast<short>(AutoSaveMaxMinutes));
    m_editMinutes.SetWindowText(FormatInt(minutes, FALSE));
    m_editMinutes.EnableWindow(m_bAutoSave);
    UpdateData(FALSE);
    return TRUE;
}

void CSettingPageGeneral::OnAutoSave()
{
    UpdateData(TRUE);
    m_editMinutes.EnableWindow(m_bAutoSave);
}

BOOL CSettingPageGeneral::SaveSettings()
{
    if (!UpdateData(TRUE))
        return FALSE;
    CWinApp* app = AfxGetApp();
    if (!app)
        return FALSE;
    app->WriteProfileInt("Tip", "StartUp", m_bShowTips ? 0 : 1);

    app->WriteProfileInt("CBasedApp", "m_bEnableLog", m_bKeepLog ? 1 : 0);
    m_bEnableLog = m_bKeepLog ? TRUE : FALSE;

    // Text that is no number, 0, or more than the timer can hold would arm
    // a timer that fires continuously or overflows; the clamped value is the
    // one armed, so it is the one stored.
    CString text;
    m_editMinutes.GetWindowText(text);
    int minutes = ClampAutoSaveMinutes(atoi(text));
    app->WriteProfileInt("Settings", "m_iSaveTime", minutes);

    app->WriteProfileInt("Settings", "m_bAutoSaveEnable", m_bAutoSave ? 1 : 0);
    if (CBasedApp* based = GetBasedApp())
        based->m_bAutoSaveEnable = m_bAutoSave ? 1 : 0;

    // Switched off, the timer is left alone: the frame's next tick sees the
    // switch and stops it.
    if (m_bAutoSave)
        if (CMainFrame* frame = GetMainFrame())
            frame->ArmAutoSaveTimer(minutes);
    return TRUE;
}
