#include "toolkit/lists/tree/OXOptionTreeCtrl.h"

#include "afx/WinApp.h"
#include "toolkit/resources/ToolkitResource.h"

IMPLEMENT_DYNAMIC(COXOptionTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(COXOptionTreeCtrl, CTreeCtrl)
    ON_WM_CREATE()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_NOTIFY_REFLECT(TVN_KEYDOWN, &COXOptionTreeCtrl::OnKeyDownReflect)
    ON_NOTIFY_REFLECT(TVN_DELETEITEM, &COXOptionTreeCtrl::OnDeleteItemReflect)
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(TVM_SETBKCOLOR, &COXOptionTreeCtrl::OnSetBkColor)
END_MESSAGE_MAP()

namespace {
const COLORREF kMask = RGB(192, 192, 192);
} // namespace

COXOptionTreeCtrl::COXOptionTreeCtrl() : m_bDarkBackground(FALSE)
{
}

COXOptionTreeCtrl::~COXOptionTreeCtrl() = default;

BOOL COXOptionTreeCtrl::IsDarkColor(COLORREF clr)
{
    if (clr == CLR_NONE)
        clr = ::GetSysColor(COLOR_WINDOW);
    return GetRValue(clr) + GetGValue(clr) + GetBValue(clr) < 300;
}

void COXOptionTreeCtrl::UpdateBackground()
{
    const COLORREF clr = ::IsWindow(m_hWnd) ? GetBkColor() : CLR_NONE;
    m_bDarkBackground = IsDarkColor(clr);
    if (::IsWindow(m_hWnd))
        SetImageList(m_bDarkBackground ? &m_imageListDark : &m_imageList, TVSIL_NORMAL);
}

BOOL COXOptionTreeCtrl::InitImages()
{
    if (!m_imageList.GetSafeHandle() && !m_imageList.Create(IDB_OX_OPTIONTREE_LIGHT, 16, 0, kMask))
        return FALSE;
    if (!m_imageListDark.GetSafeHandle() && !m_imageListDark.Create(IDB_OX_OPTIONTREE_DARK, 16, 0, kMask))
        return FALSE;
    UpdateBackground();
    return TRUE;
}

void COXOptionTreeCtrl::PreSubclassWindow()
{
    if (AfxGetWndInit() != this)
        InitImages();
    CTreeCtrl::PreSubclassWindow();
}

int COXOptionTreeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTreeCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    return InitImages() ? 0 : -1;
}

// ---- Items ------------------------------------------------------------------------

int COXOptionTreeCtrl::ItemImage(HTREEITEM hItem) const
{
    int nImage = -1, nSelected = -1;
    if (!hItem || !GetItemImage(hItem, nImage, nSelected))
        return -1;
    return nImage;
}

HTREEITEM COXOptionTreeCtrl::AddGroup(LPCTSTR lpszText, HTREEITEM hParent, BOOL bExpanded, int nImage,
                                      int nSelectedImage, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCT insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_CHILDREN;
    insert.item.pszText = const_cast<LPSTR>(lpszText);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = bExpanded ? TVIS_EXPANDED : 0;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.cChildren = 1;
    return InsertItem(&insert);
}

HTREEITEM COXOptionTreeCtrl::AddOption(int nID, LPCTSTR lpszText, HTREEITEM hParent, int nImage,
                                       HTREEITEM hInsertAfter, BOOL bDisabled)
{
    if (nID == 0 || m_options.count(nID))
        return nullptr;
    HTREEITEM hItem = InsertItem(lpszText, nImage, nImage, hParent, hInsertAfter);
    if (!hItem)
        return nullptr;
    m_options[nID] = hItem;
    m_disabled[hItem] = bDisabled;
    return hItem;
}

HTREEITEM COXOptionTreeCtrl::AddCheckBox(int nID, LPCTSTR lpszText, HTREEITEM hParent, int nCheck,
                                         HTREEITEM hInsertAfter, BOOL bDisabled)
{
    return AddOption(nID, lpszText, hParent, nCheck == 1 ? OXOT_CHECK_CHECKED : OXOT_CHECK_CLEARED, hInsertAfter,
                     bDisabled);
}

HTREEITEM COXOptionTreeCtrl::AddRadioButton(int nID, LPCTSTR lpszText, HTREEITEM hParent, int nCheck,
                                            HTREEITEM hInsertAfter, BOOL bDisabled)
{
    return AddOption(nID, lpszText, hParent, nCheck == 1 ? OXOT_RADIO_SELECTED : OXOT_RADIO_CLEARED, hInsertAfter,
                     bDisabled);
}

int COXOptionTreeCtrl::AddImage(UINT nBitmapID, COLORREF clrMask, UINT nDarkBitmapID, COLORREF clrDarkMask)
{
    CBitmap light;
    if (!light.LoadBitmap(nBitmapID))
        return -1;
    const int nIndex = m_imageList.Add(&light, clrMask);
    CBitmap dark;
    if (nDarkBitmapID && dark.LoadBitmap(nDarkBitmapID))
        m_imageListDark.Add(&dark, clrDarkMask);
    else
        m_imageListDark.Add(&light, clrMask);
    return nIndex;
}

BOOL COXOptionTreeCtrl::DeleteAllItems()
{
    m_options.clear();
    return CTreeCtrl::DeleteAllItems();
}

HTREEITEM COXOptionTreeCtrl::GetItemFromID(int nID) const
{
    auto it = m_options.find(nID);
    return it == m_options.end() ? nullptr : it->second;
}

int COXOptionTreeCtrl::GetOptionID(HTREEITEM hItem) const
{
    for (const auto& entry : m_options)
        if (entry.second == hItem)
            return entry.first;
    return 0;
}

int COXOptionTreeCtrl::GetItemCheck(HTREEITEM hItem) const
{
    switch (ItemImage(hItem)) {
    case OXOT_CHECK_CLEARED:
    case OXOT_RADIO_CLEARED:
        return 0;
    case OXOT_CHECK_CHECKED:
    case OXOT_RADIO_SELECTED:
        return 1;
    default:
        return -1;
    }
}

BOOL COXOptionTreeCtrl::IsCheckBox(HTREEITEM hItem) const
{
    const int nImage = ItemImage(hItem);
    return nImage == OXOT_CHECK_CLEARED || nImage == OXOT_CHECK_CHECKED;
}

BOOL COXOptionTreeCtrl::IsRadioButton(HTREEITEM hItem) const
{
    const int nImage = ItemImage(hItem);
    return nImage == OXOT_RADIO_CLEARED || nImage == OXOT_RADIO_SELECTED;
}

int COXOptionTreeCtrl::IsChecked(int nID) const
{
    HTREEITEM hItem = GetItemFromID(nID);
    return hItem ? GetItemCheck(hItem) : -1;
}

LRESULT COXOptionTreeCtrl::Notify(HTREEITEM hItem, int nOld, int nNew)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return 0;
    NMOPTIONTREE nm = {};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nm.hdr.code = OTN_OPTIONCHANGED;
    nm.hItem = hItem;
    nm.nID = GetOptionID(hItem);
    nm.nOldCheck = nOld;
    nm.nNewCheck = nNew;
    return pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

LRESULT COXOptionTreeCtrl::ApplyRadio(HTREEITEM hItem, int nCheck)
{
    if (nCheck == 1) {
        for (HTREEITEM h = GetPrevSiblingItem(hItem); h && IsRadioButton(h); h = GetPrevSiblingItem(h))
            if (GetItemCheck(h) == 1)
                ApplyRadio(h, 0);
        for (HTREEITEM h = GetNextSiblingItem(hItem); h && IsRadioButton(h); h = GetNextSiblingItem(h))
            if (GetItemCheck(h) == 1)
                ApplyRadio(h, 0);
    }
    const int nOld = GetItemCheck(hItem);
    const int nImage = nCheck == 1 ? OXOT_RADIO_SELECTED : OXOT_RADIO_CLEARED;
    SetItemImage(hItem, nImage, nImage);
    return Notify(hItem, nOld, nCheck);
}

LRESULT COXOptionTreeCtrl::SetItemCheck(HTREEITEM hItem, int nCheck)
{
    const int nOld = GetItemCheck(hItem);
    if (nOld == nCheck)
        return nOld;
    if (IsCheckBox(hItem)) {
        const int nImage = nCheck == 1 ? OXOT_CHECK_CHECKED : OXOT_CHECK_CLEARED;
        SetItemImage(hItem, nImage, nImage);
        return Notify(hItem, nOld, nCheck);
    }
    if (IsRadioButton(hItem))
        return ApplyRadio(hItem, nCheck);
    return 0;
}

LRESULT COXOptionTreeCtrl::SetCheck(int nID, int nCheck)
{
    HTREEITEM hItem = GetItemFromID(nID);
    return hItem ? SetItemCheck(hItem, nCheck) : 0;
}

int COXOptionTreeCtrl::GetCheckedRadioButton(int nFirstID, int nLastID) const
{
    HTREEITEM hLast = GetItemFromID(nLastID);
    for (HTREEITEM h = GetItemFromID(nFirstID); h; h = GetNextSiblingItem(h)) {
        const int nImage = ItemImage(h);
        if (nImage != OXOT_CHECK_CLEARED && nImage != OXOT_RADIO_CLEARED)
            return GetOptionID(h);
        if (h == hLast)
            break;
    }
    return 0;
}

void COXOptionTreeCtrl::SetItemDisabled(HTREEITEM hItem, BOOL bDisabled)
{
    if (IsCheckBox(hItem) || IsRadioButton(hItem))
        m_disabled[hItem] = bDisabled;
}

void COXOptionTreeCtrl::SetOptionDisabled(int nID, BOOL bDisabled)
{
    if (HTREEITEM hItem = GetItemFromID(nID))
        SetItemDisabled(hItem, bDisabled);
}

BOOL COXOptionTreeCtrl::IsItemDisabled(HTREEITEM hItem) const
{
    auto it = m_disabled.find(hItem);
    return it != m_disabled.end() && it->second;
}

BOOL COXOptionTreeCtrl::SaveState(LPCTSTR lpszPart1, LPCTSTR lpszPart2)
{
    CWinApp* pApp = AfxGetApp();
    CString section;
    section.Format("%s_%s", lpszPart1, lpszPart2);
    for (const auto& entry : m_options) {
        CString name;
        name.Format("%d", entry.first);
        if (pApp)
            pApp->WriteProfileInt(section, name, GetItemCheck(entry.second));
    }
    return TRUE;
}

BOOL COXOptionTreeCtrl::LoadState(LPCTSTR lpszPart1, LPCTSTR lpszPart2)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return TRUE;
    CString section;
    section.Format("%s_%s", lpszPart1, lpszPart2);
    // A copy: notifications may change the options.
    const std::map<int, HTREEITEM> options = m_options;
    for (const auto& entry : options) {
        CString name;
        name.Format("%d", entry.first);
        const int nValue = static_cast<int>(pApp->GetProfileInt(section, name, -1));
        if (nValue != -1)
            SetItemCheck(entry.second, nValue);
    }
    return TRUE;
}

// ---- Mouse, keys and background ---------------------------------------------------

HTREEITEM COXOptionTreeCtrl::HitOption(CPoint point) const
{
    UINT nFlags = 0;
    HTREEITEM hItem = HitTest(point, &nFlags);
    if (!hItem || !(nFlags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)))
        return nullptr;
    if (!IsCheckBox(hItem) && !IsRadioButton(hItem))
        return nullptr;
    // An editable label starts editing instead.
    if ((GetStyle() & TVS_EDITLABELS) && (nFlags & TVHT_ONITEMLABEL))
        return nullptr;
    return hItem;
}

void COXOptionTreeCtrl::ToggleItem(HTREEITEM hItem)
{
    UpdateWindow();
    if (IsCheckBox(hItem)) {
        const int nOld = GetItemCheck(hItem);
        const int nNew = nOld != 1 ? 1 : 0;
        const int nImage = nNew == 1 ? OXOT_CHECK_CHECKED : OXOT_CHECK_CLEARED;
        SetItemImage(hItem, nImage, nImage);
        Notify(hItem, nOld, nNew);
    } else if (IsRadioButton(hItem) && GetItemCheck(hItem) == 0) {
        ApplyRadio(hItem, 1);
    }
    CRect label;
    if (GetItemRect(hItem, &label, TRUE))
        ValidateRect(&label);
}

void COXOptionTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    HTREEITEM hItem = HitOption(point);
    if (!hItem || IsItemDisabled(hItem)) {
        CTreeCtrl::OnLButtonDown(nFlags, point);
        return;
    }
    if (::GetFocus() != m_hWnd)
        SetFocus();
    ToggleItem(hItem);
    Select(hItem, TVGN_CARET);
}

void COXOptionTreeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == ' ')
        return;
    CTreeCtrl::OnChar(nChar, nRepCnt, nFlags);
}

void COXOptionTreeCtrl::OnKeyDownReflect(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTVKEYDOWN* pKey = reinterpret_cast<const NMTVKEYDOWN*>(pNMHDR);
    HTREEITEM hItem = GetSelectedItem();
    if (pKey->wVKey == VK_SPACE && hItem && !IsItemDisabled(hItem))
        ToggleItem(hItem);
}

void COXOptionTreeCtrl::OnDeleteItemReflect(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTREEVIEW* pTree = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
    HTREEITEM hItem = pTree->itemOld.hItem;
    for (auto it = m_options.begin(); it != m_options.end(); ++it)
        if (it->second == hItem) {
            m_options.erase(it);
            break;
        }
    m_disabled.erase(hItem);
    *pResult = 0;
}

void COXOptionTreeCtrl::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    UpdateBackground();
    CTreeCtrl::OnSettingChange(uFlags, lpszSection);
}

LRESULT COXOptionTreeCtrl::OnSetBkColor(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    UpdateBackground();
    return result;
}
