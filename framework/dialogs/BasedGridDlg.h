// CBasedGridDlg: a resizable dialog around one grid (control 1014) that it
// keeps as a read-only whole-row list with a header row. A subclass names the
// columns in its constructor, fills the rows in FillGrid and enables its
// buttons in UpdateControls; the base restores and saves the grid's colours,
// column widths, visibility and sort under the settings name, re-fills while
// keeping the selected row, and opens the column set-up on a right click on
// the header row.
#pragma once

#include "afx/ArrayTypes.h"
#include "framework/dialogs/BaseDlg.h"
#include "framework/views/GridHost.h"
#include "grid/GridCtrl.h"

class CBasedGridDlg : public CBaseDlg, public CGridHostData
{
    DECLARE_DYNAMIC(CBasedGridDlg)
public:
    CBasedGridDlg(UINT nIDTemplate, CWnd* pParentWnd);
    ~CBasedGridDlg() override;

    // The first selected row; -1 when none, after "Please select a <item>"
    // when bWarning is set.
    int GetSelectedRow(BOOL bWarning);
    // Column 0's item data of the selected row (the subclass's record index); -1 when none.
    int GetSelectedItemData(BOOL bWarning);
    // Selects a data row (1 .. row count - 1; other rows are ignored).
    void SelectRow(int nRow);

    virtual void OnGridSelChanged();
    virtual void RefreshGrid();
    virtual void FillGrid();
    virtual void UpdateControls();

    BOOL OnInitDialog() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;


protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The column set-up dialog for this host; on OK its choice is applied.
    void RunColumnSetup();

    afx_msg void OnDestroy();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnGridSelChangedNotify(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
