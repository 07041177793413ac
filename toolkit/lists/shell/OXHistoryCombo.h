// COXHistoryCombo: an editable combo box that remembers the texts entered in
// it (newest first, at most m_nMaxHistoryCount), with a mini toolbar beside
// it (add the text, delete the selected entry, browse for a file, spare
// buttons). The list may be kept between runs as one "|"-joined REG_SZ value
// under the key HKCU "Software\<company>\<application>\HistoryCombo".
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/String.h"

class CMFCToolBar;

// Where the mini toolbar goes beside a combo of the given rectangle (both in
// the parent's coordinates): 1-3 above it at the left, centre, right; 4-6
// below it; 7-9 left of it at the top, centre, bottom; 10-12 right of it. A
// gap of two pixels is left unless bFlush. Other alignments put it at 12.
CRect HistoryComboToolbarRect(int nAlignment, BOOL bFlush, const CRect& rectCombo, CSize sizeToolbar);

class COXHistoryCombo : public CComboBox
{
    DECLARE_DYNAMIC(COXHistoryCombo)
public:
    enum { BUTTON_SLOTS = 10 };

    COXHistoryCombo(int nAlignment = 12, int nLayout = 0, UINT nToolbarResource = 28022);
    ~COXHistoryCombo() override;

    BOOL EnableRegistryPersistence(LPCTSTR lpszValueName, LPCTSTR lpszCompany = nullptr,
                                   LPCTSTR lpszApplication = nullptr);
    void DisableRegistryPersistence() { m_bPersistent = FALSE; }

    // Null or empty company and application parts are the application's
    // registry key and profile name.
    BOOL SaveContents(LPCTSTR lpszValueName, LPCTSTR lpszCompany = nullptr, LPCTSTR lpszApplication = nullptr,
                      HKEY hRoot = HKEY_CURRENT_USER, BOOL bAddCurrentText = TRUE);
    BOOL RestoreContents(LPCTSTR lpszValueName, LPCTSTR lpszCompany = nullptr, LPCTSTR lpszApplication = nullptr,
                         HKEY hRoot = HKEY_CURRENT_USER, BOOL bSelectFirst = TRUE);

    // Button slots 0-9; the toolbar is rebuilt by InitCombo.
    void ShowButton(int nIndex, BOOL bShow);
    BOOL IsButtonShown(int nIndex) const;
    // Loads the toolbar, keeps the visible buttons only and places it.
    void InitCombo();
    // Enables the toolbar's buttons by their commands.
    void OnIdle();
    CMFCToolBar* GetToolbar() const { return m_pToolbar; }

    void SetFileDialogParams(BOOL bOpenFileDialog = TRUE, LPCTSTR lpszDefExt = nullptr,
                             LPCTSTR lpszFileName = nullptr, DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                             LPCTSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr,
                             LPCTSTR lpszInitialDir = nullptr);
    void SetToolbarResource(UINT nToolbarResource) { m_nToolbarResource = nToolbarResource; }
    int GetToolbarAlignment() const { return m_nAlignment; }

    virtual void SetupToolbar(CWnd* pParentWnd);
    // An empty text means the edit's text; TRUE when it was not listed yet.
    virtual BOOL AddTextToHistory(LPCTSTR lpszText = nullptr);
    // -1 means the selected entry.
    virtual BOOL DeleteItem(int nIndex = -1);
    virtual void BrowseForFile();
    virtual BOOL HasText();
    virtual BOOL HasSelection();
    virtual BOOL CanBrowse();

    int m_nMaxHistoryCount;

protected:
    void PreSubclassWindow() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void PositionToolbar();
    BOOL IsCommandEnabled(UINT nID);

    int m_nAlignment;
    int m_nLayout;
    CMFCToolBar* m_pToolbar;
    BOOL m_abShown[BUTTON_SLOTS];
    BOOL m_bOpenFileDialog;
    CString m_sDefExt;
    CString m_sFileName;
    DWORD m_dwFlags;
    CString m_sFilter;
    CWnd* m_pFileDialogParent;
    CString m_sInitialDir;
    UINT m_nToolbarResource;
    BOOL m_bPersistent;
    CString m_sCompany;
    CString m_sApplication;
    CString m_sValueName;

    DECLARE_MESSAGE_MAP()
};
