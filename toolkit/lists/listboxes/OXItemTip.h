// Item tips: a hook on a list control, list box or combo box that shows the
// whole text of the cell under the mouse in a COXItemTipWnd when the cell
// cuts it off. COXBaseItemTip gathers the record, lets the callback (or the
// control) and the parent change it, and shows it; the derived tips supply
// the cell routine that finds the cell and decides whether a tip is needed.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/ListCtrl.h"
#include "toolkit/foundation/OXHookWnd.h"
#include "toolkit/lists/listboxes/OXItemTipWnd.h"

const int OXITEMTIP_TEXT_SIZE = 300;
const int OXITEMTIP_DEFAULT_OFFSET = 6;
// Sent to the control (lParam = ItemTipInfo*) when no callback is set.
const UINT WM_OX_ITEMTIP_QUERY = 0x80CA;
// WM_NOTIFY code to the control's parent: OXITEMTIPNOTIFY, taken back after.
const UINT OXITN_ITEMTIP = 0x80CB;

// Results of the cell routine.
enum {
    OXITEMTIP_SHOW = 1,
    OXITEMTIP_UNSUPPORTED = 2,
    OXITEMTIP_NO_CELL = 3,
    OXITEMTIP_NOT_OVER_TEXT = 4,
    OXITEMTIP_FITS = 5,
    OXITEMTIP_NO_SUBITEM = 6,
};

struct ItemTipInfo {
    POINT point;            // client coordinates of the control
    int nRow;
    int nColumn;
    RECT rect;              // where the tip goes, client coordinates
    char szText[OXITEMTIP_TEXT_SIZE];
    int nCapacity;          // bytes of szText that may be used, NUL included
    int nOffset;            // horizontal text margin
    CFont* pFont;
    COLORREF clrText;       // OXITEMTIP_NO_COLOR = not set
    COLORREF clrBackground; // OXITEMTIP_NO_COLOR = not set
    int nAlignment;         // DT_LEFT, DT_CENTER or DT_RIGHT
    int nResult;
};

struct OXITEMTIPNOTIFY {
    NMHDR hdr;
    ItemTipInfo info;
};

// Called with the tip object and the record after the cell routine.
typedef void (*OXITEMTIPCALLBACK)(void* pItemTip, ItemTipInfo* pInfo);

// Copies a cell text into the record: at most capacity - 1 bytes, terminated.
void OXCopyItemTipText(ItemTipInfo* pInfo, LPCTSTR lpszText);

template <class TControl>
class COXBaseItemTip : public COXHookWnd
{
public:
    COXBaseItemTip();
    ~COXBaseItemTip() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The cell routine; this one supports nothing.
    virtual ItemTipInfo* GetItemInfo(ItemTipInfo* pInfo);
    virtual void ShowItemTip();
    virtual BOOL Attach(TControl* pControl, OXITEMTIPCALLBACK pfnCallback = nullptr);
    // Also starts the hook's mouse timer; FALSE (and detached) when it cannot.
    BOOL Attach(TControl* pControl, OXITEMTIPCALLBACK pfnCallback, BOOL bMouseTimer);
    virtual BOOL Detach();

    void SetTipFont(CFont* pFont) { m_pFont = pFont; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    void SetBackColor(COLORREF clr) { m_clrBackground = clr; }
    void SetOffset(int nOffset) { m_nOffset = nOffset; }
    void Reset();

    TControl* GetControl() const { return m_pControl; }
    COXItemTipWnd& GetTipWnd() { return m_tipWnd; }
    // The record of the last query, as the owners left it.
    const ItemTipInfo& GetLastInfo() const { return m_lastInfo; }

protected:
    TControl* m_pControl;
    COXItemTipWnd m_tipWnd;
    OXITEMTIPCALLBACK m_pfnCallback;
    CFont* m_pFont;
    COLORREF m_clrText;
    COLORREF m_clrBackground;
    int m_nOffset;
    ItemTipInfo m_lastInfo;
};

extern template class COXBaseItemTip<CListCtrl>;
extern template class COXBaseItemTip<CListBox>;
extern template class COXBaseItemTip<CComboBox>;

// Report-view list controls.
class COXItemTip : public COXBaseItemTip<CListCtrl>
{
public:
    ItemTipInfo* GetItemInfo(ItemTipInfo* pInfo) override;
};

// List boxes: the item under the mouse.
class COXListBoxTip : public COXBaseItemTip<CListBox>
{
public:
    ItemTipInfo* GetItemInfo(ItemTipInfo* pInfo) override;
};

// Drop-down-list combo boxes: the selection shown in the edit area.
class COXComboBoxTip : public COXBaseItemTip<CComboBox>
{
public:
    ItemTipInfo* GetItemInfo(ItemTipInfo* pInfo) override;
};
