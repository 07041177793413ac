// cdxCDynamicPropSheet and cdxCDynamicPropPage: a resizable property sheet
// whose tab control, buttons and current page follow its size, and pages
// whose controls follow the page by their layout maps. The sheet keeps its
// placement in the profile like a resizable dialog once it is given an
// entry name (ActivateAutoPos).
#pragma once

#include "afx/PropertySheet.h"
#include "controls/layout/DynamicHost.h"
#include "controls/layout/DynamicWndEx.h"

class cdxCDynamicPropPage;

class cdxCDynamicPropSheet : public cdxCDynamicHost<CPropertySheet, cdxCDynamicWndEx>
{
    DECLARE_DYNCREATE(cdxCDynamicPropSheet)
public:
    enum : UINT { DefaultFlags = FlagSizeGrip | FlagSizingRedraw | FlagCopyBits };

    cdxCDynamicPropSheet();
    explicit cdxCDynamicPropSheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                                  UINT nFreedom = FreedomBoth, UINT nFlags = DefaultFlags);
    explicit cdxCDynamicPropSheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                                  UINT nFreedom = FreedomBoth, UINT nFlags = DefaultFlags);
    ~cdxCDynamicPropSheet() override;

    // A dynamic page learns its sheet here and forgets it on removal.
    void AddPage(CPropertyPage* pPage) override;
    using CPropertySheet::RemovePage;
    void RemovePage(int nPage) override;

    BOOL OnInitDialog() override;
    // The sheet also stops taking in pages once its window is going.
    BOOL DestroyWindow() override;

    bool IsInitialized() const { return m_bInitialized; }
    // The layout every page gets: the first page's place, following the sheet.
    const Position& GetPagePosition() const { return m_PagePos; }

    // Told by the pages.
    virtual void OnPageFirstActivation(cdxCDynamicPropPage* pPage);
    virtual void OnPageSetActive(cdxCDynamicPropPage* pPage, BOOL bResult);
    virtual void OnPageKillActive(cdxCDynamicPropPage* pPage, BOOL bResult);

protected:
    // The tab control stretches, the buttons keep to the lower right corner.
    DECLARE_DYNAMIC_MAP()

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    Position m_PagePos;
    bool m_bInitialized;

private:
    void RegisterPage(CPropertyPage* pPage);
};

class cdxCDynamicPropPage : public cdxCDynamicHost<CPropertyPage, cdxCDynamicWnd>
{
    DECLARE_DYNAMIC(cdxCDynamicPropPage)
public:
    cdxCDynamicPropPage();
    explicit cdxCDynamicPropPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit cdxCDynamicPropPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    explicit cdxCDynamicPropPage(LPCDLGTEMPLATE lpTemplate, UINT nIDCaption = 0);
    ~cdxCDynamicPropPage() override;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    cdxCDynamicPropSheet* GetDynamicSheet() const { return m_pSheet; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend class cdxCDynamicPropSheet;
    cdxCDynamicPropSheet* m_pSheet;
    bool m_bFirstActivationDone;
};
