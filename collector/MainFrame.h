// CMainFrame: the program's single top-level window: fixed caption, status
// bar, the Export/Copy bar with its two drop-down buttons, the export and
// copy commands over the Basket, the settings and error-report commands, and
// the periodic auto-save of the document.
#pragma once

#include "framework/frame/BasedMainFrame.h"
#include "collector/ToolBar24.h"

class BCMenu;
class CMenu;
struct ExportCommandInfo;

// The auto-save timer and the bounds of its period in minutes. The upper
// bound is what the settings page's spin offers; it also keeps minutes x
// 60000 inside the timer's range, and the lower one keeps a 0 from firing
// the timer continuously.
const UINT_PTR AutoSaveTimerId = 45;
const int AutoSaveMinMinutes = 1;
const int AutoSaveMaxMinutes = 32762;
int ClampAutoSaveMinutes(int minutes);

// The Export/Copy bar: its control id and the indexes of its two drop-down
// buttons.
const UINT ExportCopyBarId = 135;
const int ExportButtonIndex = 9;
const int CopyButtonIndex = 10;

class CMainFrame : public CBasedMainFrame
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Puts the program's main menu on the menu bar (start-up).
    void InstallMainMenu();
    // Switches to full screen when the profile says the frame was left so.
    void EnterSavedFullScreen();

    // (Re)starts the auto-save timer; returns the minutes actually armed.
    int ArmAutoSaveTimer(int minutes);
    // The armed period in milliseconds; 0 once the timer has been killed.
    UINT GetAutoSavePeriod() const { return m_nAutoSavePeriod; }

    // Loads the drop-down menu of the bar button with that command (the
    // Export or Copy button) and returns the pop-up to show, or nullptr.
    static CMenu* LoadDropDownMenu(UINT buttonCommand, BCMenu& menu);

    CToolBar24& GetExportCopyBar() { return m_wndExportCopyBar; }
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }

protected:
    BOOL CreateExportCopyToolBar();

    // The save dialog of an export; TRUE with the chosen path on OK.
    virtual BOOL AskExportPath(const ExportCommandInfo& info, const CString& lastPath, CString& path);
    // Runs the progress dialog that writes the file.
    virtual void RunExport(int format, const CString& path);

    // One routine for all export and copy commands.
    void ExportBasket(UINT commandId);
    void CopyBasket(UINT commandId);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnProgramSettings();
    afx_msg void OnClose();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnErrorReport();
    afx_msg void OnExportButton();
    afx_msg void OnUpdateExportButton(CCmdUI* pCmdUI);
    afx_msg void OnCopyButton();
    afx_msg void OnUpdateCopyButton(CCmdUI* pCmdUI);
    afx_msg void OnToolbarDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    // A menu that opens (the menu bar's, a drop-down's) hides every tooltip
    // shown at the time: one left on top would cover the menu's items.
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExportTohtmlfile();
    afx_msg void OnExportTotextfile();
    afx_msg void OnExportTocsvfile();
    afx_msg void OnExportToexcel();
    afx_msg void OnExportTometatag();
    afx_msg void OnExportToAdwordsBroadMatch();
    afx_msg void OnExportToAdwordsExactMatch();
    afx_msg void OnExportTotAdwordsPhraseMatch();
    afx_msg void OnCopyAsText();
    afx_msg void OnCopyAsHtmlTable();
    afx_msg void OnCopyAsCsvList();
    afx_msg void OnCopyAsMetaTag();
    afx_msg void OnCopyAsExactMatch();
    afx_msg void OnCopyAsPhraseMatch();

    DECLARE_MESSAGE_MAP()

    CToolBar24 m_wndExportCopyBar;
    UINT m_nAutoSavePeriod;
    BOOL m_bExporting;           // an export's progress dialog is running
    BOOL m_bCloseAfterExport;    // a close came meanwhile: it follows the export
};

// The one main frame while it exists, else nullptr.
CMainFrame* GetMainFrame();
