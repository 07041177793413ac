// COXCoolComboBox: a combo box with the cool look. Cold (mouse away, no
// focus) it is drawn flat; hot it gets a sunken frame and a raised drop
// button. Its edit field and its list are subclassed too, so that both keep
// the combo hot and carry its tool tip.
#pragma once

#include "toolkit/lists/cool/OXCoolCtrl.h"

class COXCoolComboBox;

// The combo's edit field: the focus entering it makes the combo hot, the
// focus leaving it cold.
class COXCoolComboEdit : public COXCoolCtrl<CEdit>
{
public:
    COXCoolComboEdit() = default;
    ~COXCoolComboEdit() override;

    void SetCombo(COXCoolComboBox* pCombo) { m_pCombo = pCombo; }
    void OnFocusChange(CWnd* pWndGainFocus, CWnd* pWndLoseFocus) override;

private:
    COXCoolComboBox* m_pCombo = nullptr;
};

class COXCoolComboBox : public COXCoolCtrl<CComboBox>
{
public:
    COXCoolComboBox();
    ~COXCoolComboBox() override;

    BOOL InitializeControl() override;
    void SetHot(BOOL bHot) override;
    // The text of the edit field's and the list's tools; TRUE only when
    // every child there is took it.
    BOOL SetTooltipText(const CString& sText);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

    const COXCoolComboEdit& GetEdit() const { return m_edit; }
    const COXCoolCtrl<CListBox>& GetList() const { return m_wndList; }
    int GetSelFieldHeight() const { return m_nSelFieldHeight; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg void OnCloseUp();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateSizes();
    void AttachEdit(HWND hEdit);
    void AttachList(HWND hList);
    BOOL IsOwnerDraw() const;
    void DrawDropButton(CDC& dc, const CRect& button, BOOL bDropped);

    COXCoolComboEdit m_edit;
    COXCoolCtrl<CListBox> m_wndList;
    int m_nSelFieldHeight;
    int m_nItemHeight;
    CString m_sTooltip;
};
