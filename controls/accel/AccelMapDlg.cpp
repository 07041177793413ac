#include "controls/accel/AccelMapDlg.h"

#include "controls/accel/AcceleratorManager.h"

#include "afx/DataExchange.h"
#include "resources/resource.h"

IMPLEMENT_DYNAMIC(CAccelMapDlg, cdxCDynamicDialog)

BEGIN_MESSAGE_MAP(CAccelMapDlg, cdxCDynamicDialog)
    ON_LBN_SELCHANGE(IDC_ACCEL_COMMANDS, &CAccelMapDlg::OnSelChangeCommands)
    ON_BN_CLICKED(IDC_ACCEL_ASSIGN, &CAccelMapDlg::OnAssign)
    ON_BN_CLICKED(IDC_ACCEL_RESET, &CAccelMapDlg::OnReset)
    ON_BN_CLICKED(IDC_ACCEL_REFRESH, &CAccelMapDlg::OnRefresh)
END_MESSAGE_MAP()

namespace {

const DWORD kFrameStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU;

} // namespace

CAccelMapDlg::CAccelMapDlg(CAcceleratorManager* pManager, CWnd* pParent)
    : cdxCDynamicDialog(0, pParent), m_staticHolder(), m_editKey(), m_listBindings(), m_listCommands(), m_helper(),
      m_pManager(pManager)
{
    // The layout keeps no placement of its own (id 0); the template is ours.
    m_lpszTemplateName = MAKEINTRESOURCE(IDD_ACCEL_MAP);
    m_nIDHelp = IDD_ACCEL_MAP;
}

void CAccelMapDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ACCEL_HOLDER, m_staticHolder);
    DDX_Control(pDX, IDC_ACCEL_KEY, m_editKey);
    DDX_Control(pDX, IDC_ACCEL_BINDINGS, m_listBindings);
    DDX_Control(pDX, IDC_ACCEL_COMMANDS, m_listCommands);
}

BOOL CAccelMapDlg::OnInitDialog()
{
    cdxCDynamicDialog::OnInitDialog();
    if (!m_pManager) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    ModifyStyle(0, kFrameStyles);
    m_helper.SetManager(m_pManager);
    m_helper.SetControls(&m_editKey, &m_listBindings, &m_listCommands, &m_staticHolder);
    if (!m_pManager->GetNameMap().IsEmpty())
        m_helper.FillCommandList();
    else
        m_editKey.EnableWindow(FALSE);
    return TRUE;
}

void CAccelMapDlg::OnSelChangeCommands()
{
    m_helper.FillAccelList();
    UpdateData(FALSE);
}

void CAccelMapDlg::OnAssign()
{
    UpdateData(TRUE);
    m_helper.Assign();
    UpdateData(FALSE);
}

void CAccelMapDlg::OnReset()
{
    m_helper.ResetAll();
}

void CAccelMapDlg::OnRefresh()
{
    m_helper.FillCommandList();
}
