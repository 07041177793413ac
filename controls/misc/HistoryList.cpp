#include "controls/misc/HistoryList.h"

#include <algorithm>

int CHistoryItemsArray::FindExact(int nStartAfter, LPCTSTR lpszText) const
{
    int n = GetCount();
    if (n == 0)
        return -1;
    int start = (nStartAfter < 0 || nStartAfter >= n) ? 0 : nStartAfter + 1;
    for (int k = 0; k < n; ++k) {
        int i = (start + k) % n;
        if (lstrcmpiA(m_items[i], lpszText) == 0)
            return i;
    }
    return -1;
}

int CHistoryStore::AddItem(IHistoryItems& items, LPCTSTR lpszText, int nMax)
{
    CString text(lpszText ? lpszText : "");
    text.Trim();
    items.Insert(0, text);
    int found = items.FindExact(0, text);
    if (found > 0)
        items.Delete(found);
    while (items.GetCount() > nMax && nMax >= 0)
        items.Delete(nMax);
    items.Select(0);
    return 0;
}

CString CHistoryStore::ShownTextEntry() const
{
    if (!m_strCurrentKey.IsEmpty())
        return m_strCurrentKey;
    if (!m_strKeyPrefix.IsEmpty())
        return m_strKeyPrefix;
    return "Last";
}

CString CHistoryStore::ItemEntry(LPCTSTR lpszPrefix, int nIndex)
{
    CString s;
    s.Format("%s%d", lpszPrefix ? lpszPrefix : "", nIndex);
    return s;
}

CString CHistoryStore::Load(IControlsProfile& profile, IHistoryItems& items, CString& rShown)
{
    items.Reset();
    CString last;
    for (int i = 0; i < m_nMaxHistoryItems; ++i) {
        last = profile.GetProfileString(m_strSection, ItemEntry(m_strKeyPrefix, i), "");
        if (last.IsEmpty())
            break;
        items.Append(last);
    }
    rShown.Empty();
    if (m_bSaveRestoreLastCurrent) {
        rShown = profile.GetProfileString(m_strSection, ShownTextEntry(), "");
        last = rShown;
    }
    return last;
}

void CHistoryStore::Save(IControlsProfile& profile, const IHistoryItems& items, LPCTSTR lpszShownText)
{
    if (m_strSection.IsEmpty())
        return;
    // One more than the maximum, as the stored form has always held.
    int n = std::min(items.GetCount(), m_nMaxHistoryItems + 1);
    for (int i = 0; i < n; ++i)
        profile.WriteProfileString(m_strSection, ItemEntry(m_strKeyPrefix, i), items.GetText(i));
    for (int i = n; i <= LastIndexToClean; ++i) {
        CString entry = ItemEntry(m_strKeyPrefix, i);
        if (profile.GetProfileString(m_strSection, entry, "").IsEmpty())
            break;
        profile.WriteProfileString(m_strSection, entry, nullptr);
    }
    if (m_bSaveRestoreLastCurrent)
        profile.WriteProfileString(m_strSection, ShownTextEntry(), lpszShownText ? lpszShownText : "");
}

void CHistoryStore::Clear(IControlsProfile& profile)
{
    if (m_strSection.IsEmpty())
        return;
    for (int i = 0; i <= LastIndexToClean; ++i) {
        CString entry = ItemEntry(m_strKeyPrefix, i);
        if (profile.GetProfileString(m_strSection, entry, "").IsEmpty())
            break;
        profile.WriteProfileString(m_strSection, entry, nullptr);
    }
    profile.WriteProfileString(m_strSection, ShownTextEntry(), nullptr);
}
