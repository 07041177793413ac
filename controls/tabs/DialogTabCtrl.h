// CDialogTabCtrl: a tab control whose tabs each own a child dialog. The page
// of the selected tab fills the display area below the tabs; the others are
// hidden. Pages change on a mouse click or through SelectTab only.
#pragma once

#include "afx/Array.h"
#include "afx/Dialog.h"
#include "afx/ImageList.h"
#include "afx/TabCtrl.h"

class CDialogTabCtrl : public CTabCtrl
{
    DECLARE_DYNAMIC(CDialogTabCtrl)
public:
    CDialogTabCtrl();
    // Deletes every page dialog.
    ~CDialogTabCtrl() override;

    // Inserts a tab at nPosition and appends pPage to the owned pages. The page
    // must already exist as a child of this control or of its parent.
    BOOL AddTab(int nPosition, LPCTSTR lpszText, int nImage, CDialog* pPage);
    // Makes page 0 current: it is shown in the display area, the others hidden.
    void InitDialogs();
    // Hides the current page, selects the tab and shows, focuses and redraws
    // its page. An index that names no page only hides and selects.
    void SelectTab(int nIndex);
    // Tab images, 16 by 16, from a 24-bit bitmap resource whose first pixel's
    // colour becomes the button face.
    BOOL SetImageListFromBitmap(UINT nBitmapId);

    int GetCurrentPage() const { return currentPage; }
    int GetPageCount() const { return static_cast<int>(pages.GetSize()); }
    CDialog* GetPage(int nIndex) const { return pages[nIndex]; }

    // The rectangle of a page, in this control's client coordinates: right of
    // tab 0's left edge, from below the tab row to the client's bottom edge.
    // Tabs at the bottom put the page at the top-left corner instead.
    static CRect PageRect(const CRect& client, const CRect& firstTab, bool tabsAtBottom);

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    CImageList imageList;
    CArray<CDialog*, CDialog*> pages;   // owned, in tab order
    int currentPage;                    // -1: none

private:
    // Moves every page to rect: the current one shown, the others hidden.
    void LayOutPages(const CRect& rect);
    void ShowCurrentPage();
};
