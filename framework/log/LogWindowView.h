// CLogWindowView: the face of the trace-log window: the trace list under a
// row of buttons (first and last line, previous and next error, the entry
// limit, a note and the disk-logging switch), and the "Tests" commands that
// post one sample event of each kind. It is the logger's target: events
// posted on this thread go straight into the list, events of other threads
// arrive through the logger's queue message.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/View.h"
#include "framework/log/Logger.h"
#include "framework/log/TraceList.h"

class CCmdUI;
class CDocTemplate;
class CMultiDocTemplate;
class CFrameWnd;

class CLogWindowView : public CFormView, public ITraceEventTarget
{
    DECLARE_DYNCREATE(CLogWindowView)
protected:
    CLogWindowView();

public:
    ~CLogWindowView() override;

    // The one log view while it exists, else nullptr.
    static CLogWindowView* GetLogView() { return s_pView; }
    // The application's defaults for disk logging and the log file, used
    // when the profile has none.
    static void SetDefaults(BOOL logToDisk, LPCTSTR logFile);

    // ITraceEventTarget: the event goes into the list (which owns it from now on).
    int AddEvent(TraceEvent* event) override;

    CTraceList& GetList() { return m_list; }
    void UpdateButtons();
    void OnInitialUpdate() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LayoutList();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnTraceChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTraceQueue(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFileSave();
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFileSaveAs(CCmdUI* pCmdUI);
    afx_msg void OnFilePrint();
    afx_msg void OnUpdateHasItems(CCmdUI* pCmdUI);
    afx_msg void OnUpdateHasSelection(CCmdUI* pCmdUI);
    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditClear();
    afx_msg void OnEditClearAll();
    afx_msg void OnEditSelectAll();
    afx_msg void OnFirst();
    afx_msg void OnPrevError();
    afx_msg void OnNextError();
    afx_msg void OnLast();
    afx_msg void OnLimit();
    afx_msg void OnSetLimit();
    afx_msg void OnNote();
    afx_msg void OnDisk();
    afx_msg void OnSelChange();
    afx_msg void OnTestComment();
    afx_msg void OnTestDataBinary();
    afx_msg void OnTestDataString();
    afx_msg void OnTestError();
    afx_msg void OnTestFormatError();
    afx_msg void OnTestFormatMessage();
    afx_msg void OnUpdateTest(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    CButton m_btnDisk;
    CButton m_btnSet;
    CButton m_btnFirst;
    CButton m_btnPrev;
    CButton m_btnNext;
    CTraceList m_list;
    CEdit m_editLimit;
    CButton m_btnLimit;
    CButton m_btnLast;
    int m_nTestCount;   // how many times the FormatError test ran

private:
    static CLogWindowView* s_pView;
    BOOL m_bRegistered;
};

// The log window's template (menu 121, its document, frame and view); the
// application keeps it apart from its own document templates.
CMultiDocTemplate* CreateLogTemplate();

// Shows the log window; the first call creates it from the template, hidden,
// and hands its frame to the logger. Returns the frame, or nullptr.
CFrameWnd* OpenLogWindow(CDocTemplate* logTemplate);
