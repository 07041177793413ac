#include "framework/dialogs/BasedGridDlg.h"

#include "afx/DataExchange.h"
#include "framework/app/BasedApp.h"
#include "framework/dialogs/SetupBasesGridDlg.h"
#include "framework/frame/MenuRouting.h"
#include "framework/views/GridHost.h"

namespace {
const int GridControlId = 1014;
const int ContextMenuIconSize = 16;
} // namespace

IMPLEMENT_DYNAMIC(CBasedGridDlg, CBaseDlg)

BEGIN_MESSAGE_MAP(CBasedGridDlg, CBaseDlg)
    ON_WM_DESTROY()
    ON_WM_CONTEXTMENU()
    ON_NOTIFY(GVN_SELCHANGED, GridControlId, &CBasedGridDlg::OnGridSelChangedNotify)
END_MESSAGE_MAP()

CBasedGridDlg::CBasedGridDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CBaseDlg(nIDTemplate, pParentWnd),
      CGridHostData()
{
}

CBasedGridDlg::~CBasedGridDlg() = default;

void CBasedGridDlg::DoDataExchange(CDataExchange* pDX)
{
    CBaseDlg::DoDataExchange(pDX);
    DDX_Control(pDX, GridControlId, m_Grid);
}

BOOL CBasedGridDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    SetUpHostGrid(*this, GridHostKind::Dialog, FALSE, nullptr);
    if (!m_bSkipInitialFill)
        RefreshGrid();
    return TRUE;
}

void CBasedGridDlg::OnCancel()
{
    CDialog::OnCancel();
}

int CBasedGridDlg::GetSelectedRow(BOOL bWarning)
{
    int row = GetGridSelectedRow(m_Grid);
    if (row == -1 && bWarning) {
        CString text = "Please select a " + m_strItemName;
        if (CBasedApp* app = GetBasedApp())
            app->InfoMessage(text, this);
        else
            ::MessageBoxA(GetSafeHwnd(), text, "Information", MB_ICONINFORMATION | MB_OK);
    }
    return row;
}

int CBasedGridDlg::GetSelectedItemData(BOOL bWarning)
{
    return RowItemData(GetSelectedRow(bWarning));
}

void CBasedGridDlg::SelectRow(int nRow)
{
    SelectHostRow(*this, nRow);
}

void CBasedGridDlg::OnGridSelChanged()
{
}

void CBasedGridDlg::RefreshGrid()
{
    RefreshHostGrid(*this, GridHostKind::Dialog);
}

void CBasedGridDlg::FillGrid()
{
    UpdateControls();
}

void CBasedGridDlg::UpdateControls()
{
}

BOOL CBasedGridDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_RBUTTONDOWN && m_Grid.GetSafeHwnd() && pMsg->hwnd == m_Grid.GetSafeHwnd()) {
        // The message carries the point in the grid's client coordinates.
        CPoint point(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        CRect client;
        m_Grid.GetClientRect(&client);
        if (client.PtInRect(point) && m_Grid.GetRowCount() >= 1 && point.y < m_Grid.GetRowHeight(0)) {
            RunColumnSetup();
            return TRUE;
        }
    }
    return CBaseDlg::PreTranslateMessage(pMsg);
}

void CBasedGridDlg::RunColumnSetup()
{
    const int columns = static_cast<int>(m_arrColumnNames.GetSize());
    m_arrColumnWidths.SetSize(columns);
    m_arrColumnVisible.SetSize(columns);
    for (int i = 0; i < columns; ++i)
        m_arrColumnWidths[i] = static_cast<UINT>(m_Grid.GetColumnWidth(i));
    CSetupBasesGridDlg setup(this, this);
    if (setup.DoModal() == IDOK)
        ApplyHostColumnSetup(*this);
}

void CBasedGridDlg::OnDestroy()
{
    if (m_Grid.GetSafeHwnd())
        SaveHostGrid(*this);
    CBaseDlg::OnDestroy();
}

void CBasedGridDlg::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (m_nContextMenuId == -1)
        return;
    TrackOwnerDrawnMenu(this, static_cast<UINT>(m_nContextMenuId), ContextMenuIconSize, point, TRUE);
}

void CBasedGridDlg::OnGridSelChangedNotify(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    UpdateControls();
    OnGridSelChanged();
    *pResult = 0;
}
