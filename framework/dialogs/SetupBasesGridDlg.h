// CSetupBasesGridDlg: the "Setup Grid" dialog with which the user picks, for
// one grid host, the visible columns (a check list in column order) and the
// four grid colours. It writes into the host's visibility array and colour
// members only on OK; the host then applies them to its grid.
#pragma once

#include "afx/CheckListBox.h"
#include "controls/buttons/ButtonST.h"
#include "framework/dialogs/BaseDlg.h"
#include "toolkit/foundation/OXColorPickerButton.h"

struct CGridHostData;

class CSetupBasesGridDlg : public CBaseDlg
{
    DECLARE_DYNAMIC(CSetupBasesGridDlg)
public:
    // Either grid host, the grid dialog or the grid form view, passes itself.
    CSetupBasesGridDlg(CGridHostData* pHost, CWnd* pParent);
    ~CSetupBasesGridDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    CGridHostData* m_pHost;
    COLORREF m_clrBackground;
    COLORREF m_clrTextBackground;
    COLORREF m_clrTextForeground;
    COLORREF m_clrGridLines;
    CButtonST m_btnCancel;
    CButtonST m_btnOK;
    CCheckListBox m_lstColumns;
    COXColorPickerButton m_btnBackground;
    COXColorPickerButton m_btnTextBackground;
    COXColorPickerButton m_btnTextForeground;
    COXColorPickerButton m_btnGridLines;
    CButtonST m_btnShowAll;
    CButtonST m_btnHideAll;
    CButtonST m_btnDefault;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void CheckAll(int nCheck);

    afx_msg void OnShowAll();
    afx_msg void OnHideAll();
    afx_msg void OnDefault();
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
};
