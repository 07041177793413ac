// CBaseGridFormView: a resizable form view around one grid (control 1014),
// kept as a read-only whole-row list with a header row. A subclass names the
// columns, may give the visibility wanted on the very first run, fills the
// rows in FillGrid and enables its controls in UpdateControls; the base
// restores and saves the grid's colours, column widths, visibility and sort
// under the settings name and re-fills while keeping the selected row.
#pragma once

#include "afx/ArrayTypes.h"
#include "framework/views/BaseFormView.h"
#include "framework/views/GridHost.h"
#include "grid/GridCtrl.h"

class CBaseGridFormView : public CBaseFormView, public CGridHostData
{
    DECLARE_DYNAMIC(CBaseGridFormView)
protected:
    explicit CBaseGridFormView(UINT nIDTemplate);

public:
    ~CBaseGridFormView() override;

    // The first selected row; -1 when none, after a "Please select a <item>"
    // warning when bWarning is set.
    int GetSelectedRow(BOOL bWarning);
    // Column 0's item data of the selected row (the subclass's record index); -1 when none.
    int GetSelectedItemData(BOOL bWarning);
    // Selects a data row (1 .. row count - 1; other rows are ignored).
    void SelectRow(int nRow);

    virtual void OnGridHook();
    virtual void RefreshGrid();
    virtual void FillGrid();
    virtual void UpdateControls();

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The profile with the settings name as the section.
    int GetSettingInt(LPCTSTR key, int nDefault);
    BOOL WriteSettingInt(LPCTSTR key, int nValue);

    CUIntArray m_arrFirstRunVisible;   // visibility on the very first run; empty: all shown

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The key of the first-run marker, in the section of the same name.
    CString FirstRunKey() const { return m_strSettingsName + "_"; }

    afx_msg void OnDestroy();
    afx_msg void OnGridSelChangedNotify(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
