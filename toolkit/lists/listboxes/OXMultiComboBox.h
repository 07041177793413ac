// COXMultiComboBox: an owner-drawn combo box whose rows hold several text
// columns. The drop-down list shows them side by side with dotted grid
// lines and scrolls sideways; the edit part and the combo box's own item
// strings carry only the master column. Row records are kept as the item
// data and stay hidden: CB_GETITEMDATA and CB_SETITEMDATA reach the owner's
// own value.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/String.h"

#include <vector>

// The list part's horizontal scroll, forwarded to the combo box.
const UINT WM_OX_MULTICOMBO_HSCROLL = 0x80A1;
const int OXMULTICOMBO_DEFAULT_WIDTH = 60;

class COXMultiComboBox : public CComboBox
{
    DECLARE_DYNAMIC(COXMultiComboBox)
public:
    struct COXRowData {
        explicit COXRowData(int nColumns) : aColumnText(static_cast<size_t>(nColumns)), dwItemData(0) {}
        std::vector<CString> aColumnText;
        DWORD_PTR dwItemData;
    };

    // The drop-down list window, subclassed at its first showing.
    class COXComboLBox : public CListBox
    {
    public:
        COXComboLBox() : m_bVertScrollNeeded(FALSE), m_bHorzScrollShown(FALSE), m_pCombo(nullptr) {}
        BOOL m_bVertScrollNeeded;
        BOOL m_bHorzScrollShown;
        COXMultiComboBox* m_pCombo;

    protected:
        afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
        afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
        DECLARE_MESSAGE_MAP()
    };

    COXMultiComboBox();
    ~COXMultiComboBox() override;

    int AddString(const LPCTSTR* pTexts, int nCount);
    int InsertString(int nIndex, const LPCTSTR* pTexts, int nCount);
    int AddString(LPCTSTR lpszText);
    int InsertString(int nIndex, LPCTSTR lpszText);

    int GetLBTextLen(int nIndex, int nColumn) const;
    int GetLBText(int nIndex, int nColumn, LPTSTR lpszText) const;
    void GetLBText(int nIndex, int nColumn, CString& rText) const;
    void GetLBText(int nIndex, CString& rText) const;

    int FindStringExact(int nStart, int nColumn, LPCTSTR lpszText, BOOL bCaseSensitive = FALSE) const;
    int FindString(int nStart, int nColumn, LPCTSTR lpszText, BOOL bCaseSensitive = FALSE) const;
    int SelectString(int nStart, int nColumn, LPCTSTR lpszText);

    BOOL SetColumnCount(int nCount);
    int GetColumnCount() const { return m_nColumnCount; }
    BOOL SetMasterColumn(int nColumn);
    int GetMasterColumn() const { return m_nMasterColumn; }
    BOOL SetColumnWidth(int nColumn, int nWidth);
    int GetColumnWidth(int nColumn) const;
    void SetFitToSize(BOOL bFitToSize);
    BOOL GetFitToSize() const { return m_bFitToSize; }
    // The dropped width the combo box asks for now.
    int CalcDroppedWidth() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;

    COXComboLBox& GetListPart() { return m_listPart; }

protected:
    virtual void DrawRowText(CDC* pDC, CRect rect, LPCTSTR lpszText, UINT nState);
    virtual void DrawRowGrid(CDC* pDC, CRect rect, UINT nState);

    COXRowData* GetRowData(int nIndex) const;
    int TotalColumnWidth() const;
    int TotalItemHeight() const;
    void AdjustDroppedWidth();
    BOOL RebuildStrings();
    void SetUpListPart(CDC* pDC);
    void UpdateListScrollBars();
    int AddRow(int nIndex, const LPCTSTR* pTexts, int nCount, BOOL bInsert);
    void FreeRows();

    afx_msg LRESULT OnCtlColorListBox(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteItemMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDrawItemMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListHScroll(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetItemData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetItemData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnDropDown();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    int m_nColumnCount;
    int m_nMasterColumn;
    std::vector<int> m_aColumnWidth;
    CPen m_penGrid;
    BOOL m_bFitToSize;
    COXComboLBox m_listPart;
    BOOL m_bListNeedsSetUp;
    BOOL m_bResetting;
    int m_nPageWidth;
    int m_nLineStep;

    friend class COXComboLBox;
};
