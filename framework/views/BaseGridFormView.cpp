#include "framework/views/BaseGridFormView.h"

#include "afx/DataExchange.h"
#include "afx/WinApp.h"
#include "framework/views/GridHost.h"

namespace {
const int GridControlId = 1014;
} // namespace

IMPLEMENT_DYNAMIC(CBaseGridFormView, CBaseFormView)

BEGIN_MESSAGE_MAP(CBaseGridFormView, CBaseFormView)
    ON_WM_DESTROY()
    ON_NOTIFY(GVN_SELCHANGED, GridControlId, &CBaseGridFormView::OnGridSelChangedNotify)
END_MESSAGE_MAP()

CBaseGridFormView::CBaseGridFormView(UINT nIDTemplate)
    : CBaseFormView(nIDTemplate),
      CGridHostData(),
      m_arrFirstRunVisible()
{
}

CBaseGridFormView::~CBaseGridFormView() = default;

void CBaseGridFormView::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, GridControlId, m_Grid);
}

int CBaseGridFormView::GetSettingInt(LPCTSTR key, int nDefault)
{
    CWinApp* app = AfxGetApp();
    return app ? static_cast<int>(app->GetProfileInt(m_strSettingsName, key, nDefault)) : nDefault;
}

BOOL CBaseGridFormView::WriteSettingInt(LPCTSTR key, int nValue)
{
    CWinApp* app = AfxGetApp();
    return app ? app->WriteProfileInt(m_strSettingsName, key, nValue) : FALSE;
}

void CBaseGridFormView::OnInitialUpdate()
{
    cdxCDynamicFormView::OnInitialUpdate();
    if (m_arrFirstRunVisible.GetSize() == 0) {
        m_arrFirstRunVisible.SetSize(m_arrColumnNames.GetSize());
        for (INT_PTR i = 0; i < m_arrFirstRunVisible.GetSize(); ++i)
            m_arrFirstRunVisible[i] = 1;
    }
    BOOL firstRun = GetSettingInt(FirstRunKey(), 1) != 0;
    SetUpHostGrid(*this, GridHostKind::FormView, firstRun, &m_arrFirstRunVisible);
    WriteSettingInt(FirstRunKey(), 0);
    if (!m_bSkipInitialFill)
        RefreshGrid();
}

BOOL CBaseGridFormView::PreTranslateMessage(MSG* pMsg)
{
    return CFormView::PreTranslateMessage(pMsg);
}

int CBaseGridFormView::GetSelectedRow(BOOL bWarning)
{
    int row = GetGridSelectedRow(m_Grid);
    if (row == -1 && bWarning)
        MessageBox("Please select a " + m_strItemName, "Warning", MB_ICONEXCLAMATION);
    return row;
}

int CBaseGridFormView::GetSelectedItemData(BOOL bWarning)
{
    return RowItemData(GetSelectedRow(bWarning));
}

void CBaseGridFormView::SelectRow(int nRow)
{
    SelectHostRow(*this, nRow);
}

void CBaseGridFormView::OnGridHook()
{
}

void CBaseGridFormView::RefreshGrid()
{
    RefreshHostGrid(*this, GridHostKind::FormView);
}

void CBaseGridFormView::FillGrid()
{
    UpdateControls();
}

void CBaseGridFormView::UpdateControls()
{
}

void CBaseGridFormView::OnDestroy()
{
    if (m_Grid.GetSafeHwnd())
        SaveHostGrid(*this);
    cdxCDynamicFormView::OnDestroy();
}

void CBaseGridFormView::OnGridSelChangedNotify(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    UpdateControls();
    *pResult = 0;
}
