#include "collector/SettingsDialog.h"

#include "afx/DataExchange.h"
#include "resources/resource.h"

IMPLEMENT_DYNAMIC(CSettingsDialog, CDialog)

CSettingsDialog::CSettingsDialog(CWnd* pParent)
    : CDialog(IDD_SETTINGS, pParent), m_bDedupeBasket(FALSE), m_bSortBasket(FALSE)
{
}

CSettingsDialog::~CSettingsDialog() = default;

void CSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_DEDUPE_BASKET, m_bDedupeBasket);
    DDX_Check(pDX, IDC_SORT_BASKET, m_bSortBasket);
}
