// CLexifernView: the program's one view, a form on dialog template 101 that
// fills the main frame: keyword box with its history, Go and Back, the
// suggestion list with check boxes, the Basket box and its buttons, a
// progress bar and the web pane along the top. It starts the suggestion
// requests, shows their answers and keeps the Basket.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/BasicCtrls.h"
#include "afx/ImageList.h"
#include "afx/ListCtrl.h"
#include "afx/RangeCtrls.h"
#include "collector/MainViewLayout.h"
#include "collector/BasketBox.h"
#include "collector/BasketText.h"
#include "controls/buttons/ButtonST.h"
#include "controls/misc/HistoryCombo.h"
#include "framework/views/BaseFormView.h"

#include <memory>

class CSystemTray;

class CLexifernView : public CBaseFormView
{
    DECLARE_DYNCREATE(CLexifernView)
public:
    CLexifernView();
    ~CLexifernView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;
    // The Exit button's operation: it does nothing.
    virtual void OnQuit();

    // The request triggers: Go (button, Enter, double click) and typing.
    void OnGo();
    void OnKeywordEditChange();
    // Back: the keyword before the one shown.
    void OnBack();

    // The Basket: the keyword joins it (or leaves it), then the box, the file
    // and m_arrKeywords agree again.
    void AddToBasket(const CString& keyword);
    void RemoveFromBasket(const CString& keyword);
    void LoadBasket();
    // The rows of one answer, checked where the keyword is in the Basket.
    void FillSuggestionList(const CStringArray& suggestions, const CStringArray& counts);
    BOOL IsInBasket(const CString& keyword);

    // Whether a request is armed (timer 1021 pending) and how many requests
    // have begun their busy state without ending it.
    BOOL IsRequestArmed() const { return m_bRequestArmed; }
    int GetBusyRequests() const { return m_nBusyRequests; }

    CListCtrl m_wndList;
    CImageList m_imageList;
    CButtonST m_btnSettings;
    CButtonST m_btnGetNewVersion;
    CButtonST m_btnCheckAll;
    CButtonST m_btnExit;
    CButtonST m_btnCopy;
    CButtonST m_btnHelp;
    CButtonST m_btnBack;
    CButtonST m_btnSave;
    CButtonST m_btnSpare;
    CHistoryCombo m_wndKeyword;
    CBasketBox m_wndBasket;
    CButtonST m_btnCheckCustom;
    CButtonST m_btnUncheckAll;
    CEdit m_wndWebPlace;
    CString m_strCustomText;
    CStringArray m_arrHistory;
    BOOL m_bFilling;
    CStringArray m_arrKeywords;
    CProgressCtrl m_wndProgress;

protected:
    // Seams: what the tests replace and the later windows fill in.
    // Starts the worker for one request; FALSE when it could not start.
    virtual BOOL StartSuggestionThread(const CString& keyword);
    // The web pane in the place-holder's rectangle; none yet.
    virtual CWnd* CreateWebPane(const CRect& rect);
    // The frame's tray icon, which animates while requests are pending.
    virtual CSystemTray* GetTrayIcon();
    // "Basket.txt" in the program folder.
    virtual CString GetBasketPath();
    // The terms for Check Custom; FALSE when the user cancels.
    virtual BOOL AskCustomTerms(LPCTSTR prompt, CString& text);
    // The Basket options; FALSE when the user cancels.
    virtual BOOL AskBasketSettings(BOOL& bDedupe, BOOL& bSort);
    // The file to save the Basket to; FALSE when the user cancels.
    virtual BOOL AskSavePath(CString& path);
    // The view's message boxes.
    virtual void ShowConnectionFailure();
    virtual void ShowBasketWriteWarning(const CString& reason);
    // The Basket file held bytes the box cannot show (NUL bytes).
    virtual void ShowBasketReadWarning(const CString& path);
    virtual void ShowSaveFailure(const CString& reason);

    // Sets the keyword box's text without turning the change into a request.
    void SetKeywordText(const CString& text);
    CString GetKeywordText() const;
    void ArmRequest(const CString& keyword);
    void EndBusyState();
    void SetProgress(int pos);
    void WriteBasket();
    void ChangeBasket(const CString& keyword, BOOL add);
    void ShowBasket(const CString& text, CStringArray& lines);
    // The Basket's lines as a set, made again only when the box has changed.
    const CBasketIndex& GetBasketIndex();
    // m_arrKeywords holds the lines of the box's text as it stands and the
    // rules would leave them so: a change needs no new split of the text.
    BOOL KeywordsMatchBox(const CBasketText& rules) const;
    // The layout's inputs: the form's places (once, before anything moves)
    // and the widths the captions need in the controls' fonts.
    void TakeDesignPlaces();
    void MeasureCaptions();
    // The Keyword column takes what the Queries column leaves of the list's
    // client width, so both together fill it.
    void FitListColumns();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnSuggestionResult(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeywordEnChange();
    afx_msg void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBasketSettings();
    afx_msg void OnCheckAll();
    afx_msg void OnUncheckAll();
    afx_msg void OnCheckCustom();
    afx_msg void OnCopyBasket();
    afx_msg void OnSaveBasket();
    afx_msg void OnGetNewVersion();
    afx_msg void OnHelpButton();
    afx_msg void OnQuitButton();
    DECLARE_MESSAGE_MAP()

    CWnd* m_pWebPane;
    BOOL m_bSettingKeyword;    // the view itself is changing the keyword box
    BOOL m_bRequestArmed;      // timer 1021 is pending
    int m_nBusyRequests;       // requests whose busy state has not ended
    BOOL m_bBasketWarned;      // the user was told once that the file can't be written
    CMainViewLayout m_layout;
    BOOL m_bDesignTaken;       // the layout knows the form's places
    std::unique_ptr<CBasketIndex> m_pBasketIndex;
    UINT m_nIndexedChange;     // the box's change count the index was made at
    BOOL m_bKeywordsMatchBox;  // m_arrKeywords joined is the box's text...
    UINT m_nKeywordsChange;    // ...at this change count of the box
};

// The one main view while it exists, else nullptr. Worker threads and the
// frame's copy commands reach the view and its Basket through it.
CLexifernView* GetMainView();


// Lets the application handle every message waiting in this thread's queue;
// FALSE (with WM_QUIT posted again for the main loop) when one was WM_QUIT.
BOOL PumpWaitingMessages();
