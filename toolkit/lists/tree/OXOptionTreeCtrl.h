// COXOptionTreeCtrl: a tree of options drawn as check boxes and radio
// buttons under ordinary group items. Each option has a caller's id; the
// tree toggles options by mouse and space bar, keeps a run of radio
// buttons exclusive, tells its parent of every change, can disable single
// options and keeps all states in the application profile.
#pragma once

#include "afx/ImageList.h"
#include "afx/TreeCtrl.h"

#include <map>

const UINT OTN_OPTIONCHANGED = static_cast<UINT>(-489);

// Item images: the option kinds and states.
enum {
    OXOT_CHECK_CLEARED = 0,
    OXOT_CHECK_CHECKED = 1,
    OXOT_RADIO_CLEARED = 2,
    OXOT_RADIO_SELECTED = 3,
};

struct NMOPTIONTREE {
    NMHDR hdr;
    HTREEITEM hItem;
    int nID;
    int nOldCheck;
    int nNewCheck;
};

class COXOptionTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(COXOptionTreeCtrl)
public:
    COXOptionTreeCtrl();
    ~COXOptionTreeCtrl() override;

    // Without images of its own a group shows none (a callback image would read
    // as a cleared check box).
    HTREEITEM AddGroup(LPCTSTR lpszText, HTREEITEM hParent = TVI_ROOT, BOOL bExpanded = TRUE,
                       int nImage = I_IMAGENONE, int nSelectedImage = I_IMAGENONE,
                       HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM AddCheckBox(int nID, LPCTSTR lpszText, HTREEITEM hParent = TVI_ROOT, int nCheck = 0,
                          HTREEITEM hInsertAfter = TVI_LAST, BOOL bDisabled = FALSE);
    HTREEITEM AddRadioButton(int nID, LPCTSTR lpszText, HTREEITEM hParent = TVI_ROOT, int nCheck = 0,
                             HTREEITEM hInsertAfter = TVI_LAST, BOOL bDisabled = FALSE);
    int AddImage(UINT nBitmapID, COLORREF clrMask, UINT nDarkBitmapID = 0, COLORREF clrDarkMask = 0);
    BOOL DeleteAllItems();

    HTREEITEM GetItemFromID(int nID) const;
    int GetOptionID(HTREEITEM hItem) const;
    int GetItemCheck(HTREEITEM hItem) const;
    BOOL IsCheckBox(HTREEITEM hItem) const;
    BOOL IsRadioButton(HTREEITEM hItem) const;
    int IsChecked(int nID) const;
    LRESULT SetItemCheck(HTREEITEM hItem, int nCheck);
    LRESULT SetCheck(int nID, int nCheck);
    LRESULT CheckOption(int nID) { return SetCheck(nID, 1); }
    int GetCheckedRadioButton(int nFirstID, int nLastID) const;
    void SetItemDisabled(HTREEITEM hItem, BOOL bDisabled);
    void SetOptionDisabled(int nID, BOOL bDisabled);
    BOOL IsItemDisabled(HTREEITEM hItem) const;
    BOOL SaveState(LPCTSTR lpszPart1, LPCTSTR lpszPart2);
    BOOL LoadState(LPCTSTR lpszPart1, LPCTSTR lpszPart2);
    BOOL IsDarkBackground() const { return m_bDarkBackground; }

    virtual BOOL InitImages();

    // Dark when the colour's components sum below 300 (CLR_NONE: the window colour).
    static BOOL IsDarkColor(COLORREF clr);

protected:
    void PreSubclassWindow() override;
    int ItemImage(HTREEITEM hItem) const;
    HTREEITEM AddOption(int nID, LPCTSTR lpszText, HTREEITEM hParent, int nImage, HTREEITEM hInsertAfter,
                        BOOL bDisabled);
    LRESULT Notify(HTREEITEM hItem, int nOld, int nNew);
    LRESULT ApplyRadio(HTREEITEM hItem, int nCheck);
    void ToggleItem(HTREEITEM hItem);
    HTREEITEM HitOption(CPoint point) const;
    void UpdateBackground();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDownReflect(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteItemReflect(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CImageList m_imageList;
    CImageList m_imageListDark;
    BOOL m_bDarkBackground;
    std::map<int, HTREEITEM> m_options;
    std::map<HTREEITEM, BOOL> m_disabled;
};
