#include "controls/misc/HistoryCombo.h"

#include "afx/Archive.h"

#include <mbstring.h>

IMPLEMENT_DYNAMIC(CHistoryCombo, CComboBox)

CString CHistoryCombo::Items::GetText(int nIndex) const
{
    CString s;
    m_combo.GetLBText(nIndex, s);
    return s;
}

CHistoryCombo::CHistoryCombo(BOOL bAllowSortStyle)
    : m_store(), m_bAllowSortStyle(bAllowSortStyle)
{
}

BOOL CHistoryCombo::PreCreateWindow(CREATESTRUCT& cs)
{
    // A sorted list would lose the most-recent-first order.
    if (!m_bAllowSortStyle)
        cs.style &= ~CBS_SORT;
    return CComboBox::PreCreateWindow(cs);
}

int CHistoryCombo::AddString(LPCTSTR lpszString)
{
    Items items(*this);
    return CHistoryStore::AddItem(items, lpszString, m_store.m_nMaxHistoryItems);
}

void CHistoryCombo::ShowText(LPCTSTR lpszText)
{
    int found = FindStringExact(-1, lpszText);
    if (found != CB_ERR)
        SetCurSel(found);
    else if (GetStyle() & CBS_DROPDOWN)
        SetWindowText(lpszText);
}

CString CHistoryCombo::LoadHistory(LPCTSTR lpszSection, LPCTSTR lpszKeyPrefix, BOOL bSaveRestoreLastCurrent, LPCTSTR lpszKeyCurItem)
{
    if (!lpszSection || !*lpszSection || !lpszKeyPrefix || !*lpszKeyPrefix)
        return CString();
    m_store.m_strSection = lpszSection;
    m_store.m_strKeyPrefix = lpszKeyPrefix;
    m_store.m_strCurrentKey = lpszKeyCurItem ? lpszKeyCurItem : "";
    m_store.m_bSaveRestoreLastCurrent = bSaveRestoreLastCurrent != FALSE;
    IControlsProfile* profile = ControlsGetProfile();
    Items items(*this);
    if (!profile) {
        items.Reset();
        return CString();
    }
    CString shown;
    CString last = m_store.Load(*profile, items, shown);
    if (m_store.m_bSaveRestoreLastCurrent && !shown.IsEmpty())
        ShowText(shown);
    return last;
}

void CHistoryCombo::LoadHistoryFromText(LPCTSTR lpszHistory, LPCTSTR lpszLastSelected, LPCTSTR lpszSeparators)
{
    if (!lpszHistory || !*lpszHistory)
        return;
    ResetContent();
    CString copy(lpszHistory);
    LPCTSTR separators = lpszSeparators ? lpszSeparators : "\r\n";
    LPSTR buffer = copy.GetBuffer();
    for (unsigned char* piece = _mbstok(reinterpret_cast<unsigned char*>(buffer), reinterpret_cast<const unsigned char*>(separators));
         piece; piece = _mbstok(nullptr, reinterpret_cast<const unsigned char*>(separators)))
        CComboBox::AddString(reinterpret_cast<LPCSTR>(piece));
    copy.ReleaseBuffer(0);
    if (lpszLastSelected)
        ShowText(lpszLastSelected);
}

void CHistoryCombo::SaveHistory(BOOL bAddCurrentItemToHistory)
{
    if (m_store.m_strSection.IsEmpty())
        return;
    CString text;
    GetWindowText(text);
    if (bAddCurrentItemToHistory && !text.IsEmpty())
        AddString(text);
    IControlsProfile* profile = ControlsGetProfile();
    if (!profile)
        return;
    // AddString trims and selects; the shown text is what the edit field holds now.
    GetWindowText(text);
    Items items(*this);
    m_store.Save(*profile, items, text);
}

void CHistoryCombo::ClearHistory(BOOL bDeleteRegistryEntries)
{
    ResetContent();
    IControlsProfile* profile = ControlsGetProfile();
    if (bDeleteRegistryEntries && profile)
        m_store.Clear(*profile);
}

void CHistoryCombo::SetMaxHistoryItems(int nMaxItems)
{
    m_store.m_nMaxHistoryItems = nMaxItems;
    while (nMaxItems >= 0 && GetCount() > nMaxItems)
        DeleteString(nMaxItems);
}

void CHistoryCombo::StoreValue(BOOL bIgnoreIfEmpty)
{
    CString text;
    GetWindowText(text);
    if (bIgnoreIfEmpty && text.IsEmpty())
        return;
    AddString(text);
}

CString CHistoryCombo::GetHistoryText(CString& rText, BOOL bAddCurrentItem, LPCTSTR lpszSeparator)
{
    CString shown;
    GetWindowText(shown);
    if (bAddCurrentItem && !shown.IsEmpty())
        AddString(shown);
    LPCTSTR separator = lpszSeparator ? lpszSeparator : "\r\n";
    rText.Empty();
    for (int i = 0; i < GetCount(); ++i) {
        CString item;
        GetLBText(i, item);
        if (i > 0)
            rText += separator;
        rText += item;
    }
    return shown;
}

void CHistoryCombo::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CString shown;
        GetWindowText(shown);
        if (!shown.IsEmpty())
            AddString(shown);
        int n = GetCount();
        ar << static_cast<WORD>(n);
        for (int i = 0; i < n; ++i) {
            CString item;
            GetLBText(i, item);
            ar << item;
        }
        ar << shown;
    } else {
        ResetContent();
        WORD n = 0;
        ar >> n;
        for (WORD i = 0; i < n; ++i) {
            CString item;
            ar >> item;
            CComboBox::AddString(item);
        }
        CString shown;
        ar >> shown;
        ShowText(shown);
    }
}
