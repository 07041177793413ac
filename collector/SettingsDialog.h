// CSettingsDialog: the two Basket options, sorting and removing duplicates.
// The caller fills the two fields before DoModal and reads them after IDOK.
#pragma once

#include "afx/Dialog.h"

class CSettingsDialog : public CDialog
{
    DECLARE_DYNAMIC(CSettingsDialog)
public:
    explicit CSettingsDialog(CWnd* pParent = nullptr);
    ~CSettingsDialog() override;

    BOOL m_bDedupeBasket;
    BOOL m_bSortBasket;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
