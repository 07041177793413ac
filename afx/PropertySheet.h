// CPropertySheet and CPropertyPage: a tabbed dialog of the system's property
// sheet, whose pages come from dialog templates in the resources or in memory.
// The sheet and each page are bound to their objects like any window, so
// their message maps work; the sheet's notifications (activation, apply,
// reset) reach the page objects as virtual calls.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/Dialog.h"

#include <prsht.h>

class CPropertySheet;

// The ids the system gives the sheet's own controls.
#ifndef AFX_IDC_TAB_CONTROL
#define AFX_IDC_TAB_CONTROL 0x3020
#endif
#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW 0x3021
#endif

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    // A page from a template in memory; the template must outlive the page's window.
    explicit CPropertyPage(LPCDLGTEMPLATE lpTemplate, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // The tab's text; empty = the template's caption.
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption ? lpszCaption : ""; }
    const CString& GetCaption() const { return m_strCaption; }

    // TRUE to let the page become current.
    virtual BOOL OnSetActive();
    // TRUE to let another page become current (the page's data is valid).
    virtual BOOL OnKillActive();
    // OK or Apply: TRUE when the changes are taken. Calls OnOK.
    virtual BOOL OnApply();
    // Cancel: calls OnCancel.
    virtual void OnReset();
    // TRUE lets the sheet be cancelled.
    virtual BOOL OnQueryCancel();
    void OnOK() override;
    void OnCancel() override;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The sheet handles the dialog keys for all its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The record handed to the system; filled again for each sheet.
    PROPSHEETPAGEA m_psp;

protected:
    // The sheet the page is in, while its window exists.
    CPropertySheet* GetSheet() const;

private:
    friend class CPropertySheet;

// The ids the system gives the sheet's own controls.
#ifndef AFX_IDC_TAB_CONTROL
#define AFX_IDC_TAB_CONTROL 0x3020
#endif
#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW 0x3021
#endif
    friend INT_PTR CALLBACK AfxPropPageDlgProc(HWND, UINT, WPARAM, LPARAM);
    void PreparePage();

    CString m_strCaption;
    BOOL m_bFirstSetActive;
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // Pages stay the caller's; a page added to a sheet that is open shows at once.
    virtual void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    virtual void RemovePage(int nPage);

    // Modal: IDOK when the sheet was closed with OK, IDCANCEL otherwise,
    // -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Modeless; the window stays after OK or Cancel until destroyed.
    virtual BOOL Create(CWnd* pParentWnd = nullptr);

    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText);
    CWnd* GetTabControl() const;
    // Presses a button as the user would (PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW...).
    void PressButton(int nButton);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    PROPSHEETHEADERA m_psh;

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class CPropertyPage;
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    // Builds the header and page records and creates the sheet; the window
    // is bound to this object from its first message on.
    BOOL CreateSheet(HWND hWndOwner, bool bModeless);

    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    UINT m_nStartPage;
    int m_nModalResult;
};
