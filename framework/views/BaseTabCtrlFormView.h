// CBaseTabCtrlFormView: a form view whose body is a tab control with one
// dialog page per tab. A derived view adds its pages in its constructor; the
// pages are created when the view is first updated, and the tab that was open
// when the view was last closed opens again.
#pragma once

#include "afx/Array.h"
#include "afx/ArrayTypes.h"
#include "controls/tabs/DialogTabCtrl.h"
#include "framework/views/BaseFormView.h"

class CBaseDlg;
class CDataExchange;

class CBaseTabCtrlFormView : public CBaseFormView
{
    DECLARE_DYNAMIC(CBaseTabCtrlFormView)
protected:
    explicit CBaseTabCtrlFormView(UINT nIDTemplate);

public:
    ~CBaseTabCtrlFormView() override;

    // The page (not yet created) becomes the next tab, with the title.
    void AddPage(CString title, CBaseDlg* page);

    void OnInitialUpdate() override;
    // Creates the pages inside the tab control and opens the remembered tab.
    virtual void CreatePages();

    CStringArray m_arrTitles;                  // one per page, in tab order
    CArray<CBaseDlg*, CBaseDlg*> m_arrPages;   // the tab control deletes those handed to it
    CDialogTabCtrl m_tabCtrl;                  // control 1023 of the form

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Pages up to here belong to the tab control.
    int m_nPagesHandedOver;
};
