// COXListBoxEx: an owner-drawn, variable-height list box whose items carry
// their own font, colours, image, indent and tooltip, and whose first items
// can form a most-recently-used section kept in front of the others, drawn
// with a line under it and saved to the application profile.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/ImageList.h"
#include "afx/String.h"
#include "afx/ToolTipCtrl.h"

#include <map>
#include <memory>

// Attribute mask bits.
const UINT OXLBI_FONT = 0x01;
const UINT OXLBI_TEXTCOLOR = 0x02;
const UINT OXLBI_BKCOLOR = 0x04;
const UINT OXLBI_TOOLTIP = 0x08;
const UINT OXLBI_IMAGE = 0x10;
const UINT OXLBI_INDENT = 0x20;
const UINT OXLBI_HIGHLIGHTTEXTCOLOR = 0x40;
const UINT OXLBI_HIGHLIGHTBKCOLOR = 0x80;
const UINT OXLBI_ALL = 0xFF;

// The band under the last most-recently-used item.
const int OXLBX_MRU_BAND = 4;
const UINT_PTR OXLBX_CLIENT_TOOL = 0xFFF0;

struct _tagOXLISTBOXITEM {
    _tagOXLISTBOXITEM();
    CFont* pFont;                // not owned; null = the list's font
    COLORREF clrText;
    COLORREF clrHighlightText;
    COLORREF clrBackground;
    COLORREF clrHighlightBackground;
    CString sTipText;
    int nImageIndex;             // -1 = none
    int nIndent;
    CRect rectContent;           // item-relative
    CRect rectImage;
    CRect rectText;
    int nMRUPosition;            // -1 = not in the section
};
typedef _tagOXLISTBOXITEM OXLISTBOXITEM;

class COXListBoxEx : public CListBox
{
    DECLARE_DYNAMIC(COXListBoxEx)
public:
    COXListBoxEx();
    ~COXListBoxEx() override;

    // Whether the list box sends WM_DELETEITEM for the items it removes (so
    // the records are kept in DeleteItem); set once at start.
    static BOOL IsWindowsNT4OrLater();
    static BOOL m_bWindowsNTRunning;

    int AddString(LPCTSTR lpszItem, UINT nMask = 0, CFont* pFont = nullptr, COLORREF clrText = CLR_DEFAULT,
                  COLORREF clrBackground = CLR_DEFAULT, LPCTSTR lpszTipText = nullptr, int nImageIndex = -1,
                  int nIndent = 0, COLORREF clrHighlightText = CLR_DEFAULT, COLORREF clrHighlightBackground = CLR_DEFAULT);
    int AddString(LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item);
    int InsertString(int nIndex, LPCTSTR lpszItem, UINT nMask = 0, CFont* pFont = nullptr,
                     COLORREF clrText = CLR_DEFAULT, COLORREF clrBackground = CLR_DEFAULT, LPCTSTR lpszTipText = nullptr,
                     int nImageIndex = -1, int nIndent = 0, COLORREF clrHighlightText = CLR_DEFAULT,
                     COLORREF clrHighlightBackground = CLR_DEFAULT);
    int InsertString(int nIndex, LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item);
    int DeleteString(UINT nIndex);
    void ResetContent();

    // CLR_DEFAULT colours take the system's.
    virtual BOOL SetItemAttributes(int nIndex, UINT nMask, CFont* pFont, COLORREF clrText, COLORREF clrBackground,
                                   LPCTSTR lpszTipText, int nImageIndex, int nIndent, COLORREF clrHighlightText,
                                   COLORREF clrHighlightBackground);
    BOOL SetItemAttributes(int nIndex, UINT nMask, const OXLISTBOXITEM& item);
    BOOL SetItemFont(int nIndex, CFont* pFont);
    BOOL SetItemTextColor(int nIndex, COLORREF clr);
    BOOL SetItemBkColor(int nIndex, COLORREF clr);
    BOOL SetItemToolTipText(int nIndex, LPCTSTR lpszText);
    BOOL SetItemImageIndex(int nIndex, int nImageIndex);
    BOOL SetItemIndent(int nIndex, int nIndent);
    BOOL SetItemHighlightTextColor(int nIndex, COLORREF clr);
    BOOL SetItemHighlightBkColor(int nIndex, COLORREF clr);
    CFont* GetItemFont(int nIndex) const;
    COLORREF GetItemTextColor(int nIndex) const;
    COLORREF GetItemHighlightTextColor(int nIndex) const;
    COLORREF GetItemBkColor(int nIndex) const;
    COLORREF GetItemHighlightBkColor(int nIndex) const;
    int GetItemImageIndex(int nIndex) const;
    int GetItemIndent(int nIndex) const;
    CString GetItemToolTipText(int nIndex) const;
    // The item's record, or null.
    const OXLISTBOXITEM* GetItemRecord(int nIndex) const;

    void SetImageList(CImageList* pImageList);
    virtual CImageList* GetImageList() const { return m_pImageList; }
    virtual CToolTipCtrl* GetToolTipCtrl() { return m_toolTip.GetSafeHwnd() ? &m_toolTip : nullptr; }
    virtual CString GetToolTipText() const { return m_sTipText; }
    virtual COLORREF GetBackgroundColor() const { return m_clrBackground; }
    virtual BOOL IsHighlightOnlyText() const { return m_bHighlightOnlyText; }
    void SetToolTipText(LPCTSTR lpszText) { m_sTipText = lpszText; }
    void SetBackgroundColor(COLORREF clr) { m_clrBackground = clr; }
    void SetHighlightOnlyText(BOOL bOnlyText) { m_bHighlightOnlyText = bOnlyText; }
    void SetSaveRestoreMRUState(BOOL bSave) { m_bSaveMRU = bSave; }
    BOOL GetSaveRestoreMRUState() const { return m_bSaveMRU; }

    // The most-recently-used section: items 0 to GetLastMRUIndex().
    void SetMaxMRUCount(int nMaxCount);
    int GetMaxMRUCount() const { return m_nMaxMRUCount; }
    int GetLastMRUIndex() const { return m_nLastMRUIndex; }
    virtual int MoveToMRU(int nIndex, int nPosition = 0, BOOL bForce = FALSE);
    virtual int RemoveFromMRU(int nIndex);
    virtual BOOL SaveMRUState(LPCTSTR lpszSection);
    virtual BOOL LoadMRUState(LPCTSTR lpszSection);
    void RefreshLayout();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The item-relative layout of one item: content, image and text
    // rectangles for an item of the given sizes.
    static void CalcLayout(CSize image, CSize text, int nIndent, BOOL bLastMRU, CRect& content, CRect& rectImage,
                           CRect& rectText);

protected:
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL Initialize();
    virtual void CalcItemLayout(int nIndex, CRect& rectContent, CRect& rectRow, CRect& rectImage, CRect& rectText);
    virtual CRect GetItemImageRect(int nIndex);
    virtual CSize GetItemTextSize(int nIndex);
    virtual int InsertNonMRUItem(LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item);
    virtual void FillItemBackground(CDC* pDC, LPCRECT lpRect, COLORREF clr);
    virtual void DrawItemImage(CDC* pDC, int nImageIndex, CPoint pt, UINT nStyle);
    virtual void DrawItemText(CDC* pDC, LPCTSTR lpszText, LPRECT lpRect, COLORREF clr, CFont* pFont);

    // Re-measures one item (-1: all) and raises the horizontal extent.
    void MeasureListItem(int nIndex);
    void UpdateToolTips();
    OXLISTBOXITEM* FindRecord(int nIndex) const;
    // One field of the item's record, or the empty value without one.
    template <class T>
    T RecordField(int nIndex, T OXLISTBOXITEM::*pField, T empty) const
    {
        const OXLISTBOXITEM* pItem = FindRecord(nIndex);
        return pItem ? pItem->*pField : empty;
    }
    // Moves the record keys at or after nFrom by nDelta.
    void ShiftKeys(int nFrom, int nDelta);
    // The bookkeeping when an item goes: its record, later keys, the section.
    // TRUE when the rows must be measured again (the item was in the
    // section or the widest).
    BOOL ForgetItem(int nIndex);
    void ForgetAll();
    void Redraw();

    // What moving an item keeps: record, text, data and selection.
    struct SavedItem {
        OXLISTBOXITEM record;
        BOOL bHasRecord = FALSE;
        CString sText;
        DWORD_PTR dwData = 0;
        BOOL bSelected = FALSE;
        BOOL bCaret = FALSE;
    };
    SavedItem SaveItem(int nIndex) const;
    void RestoreSelection(int nIndex, const SavedItem& saved);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    std::map<int, std::unique_ptr<OXLISTBOXITEM>> m_items;
    CToolTipCtrl m_toolTip;
    CImageList* m_pImageList;
    int m_nMaxMRUCount;
    int m_nLastMRUIndex;
    int m_nWidestItem;
    int m_nLastTopIndex;
    COLORREF m_clrBackground;
    BOOL m_bHighlightOnlyText;
    CString m_sTipText;
    BOOL m_bSaveMRU;
    // Set while the list box empties itself for ResetContent.
    BOOL m_bResetting;
    // Set by DeleteItem when the rows must be measured after the deletion.
    BOOL m_bRemeasure;
};
