// The extended list box's deletions, ordering and most-recently-used section.
#include "toolkit/lists/listboxes/OXListBoxEx.h"

#include "afx/WinApp.h"

BOOL COXListBoxEx::ForgetItem(int nIndex)
{
    const BOOL bWasMRU = m_nLastMRUIndex >= 0 && nIndex <= m_nLastMRUIndex;
    const BOOL bWasWidest = nIndex == m_nWidestItem;
    m_items.erase(nIndex);
    ShiftKeys(nIndex + 1, -1);
    for (auto& entry : m_items)
        if (entry.second->nMRUPosition >= nIndex)
            --entry.second->nMRUPosition;
    if (bWasMRU)
        --m_nLastMRUIndex;
    if (bWasWidest)
        m_nWidestItem = -1;
    else if (m_nWidestItem > nIndex)
        --m_nWidestItem;
    return bWasMRU || bWasWidest;
}

void COXListBoxEx::ForgetAll()
{
    m_items.clear();
    m_nLastMRUIndex = -1;
    m_nWidestItem = -1;
    m_nLastTopIndex = -1;
}

int COXListBoxEx::DeleteString(UINT nIndex)
{
    m_bRemeasure = FALSE;
    if (!m_bWindowsNTRunning && static_cast<int>(nIndex) < GetCount())
        m_bRemeasure = ForgetItem(static_cast<int>(nIndex));
    const int nResult = CListBox::DeleteString(nIndex);
    // The rows are measured once the item is gone, so the indexes hold.
    if (m_bRemeasure)
        MeasureListItem(-1);
    m_bRemeasure = FALSE;
    UpdateToolTips();
    return nResult;
}

void COXListBoxEx::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (!m_bWindowsNTRunning || m_bResetting)
        return;
    if (ForgetItem(static_cast<int>(lpDeleteItemStruct->itemID)))
        m_bRemeasure = TRUE;
}

void COXListBoxEx::ResetContent()
{
    // The list box numbers the items it deletes for WM_DELETEITEM in its own
    // way: the records go all at once here instead.
    ForgetAll();
    UpdateToolTips();
    m_bResetting = TRUE;
    CListBox::ResetContent();
    m_bResetting = FALSE;
}

int COXListBoxEx::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    const OXLISTBOXITEM* p1 = FindRecord(static_cast<int>(lpCompareItemStruct->itemID1));
    const OXLISTBOXITEM* p2 = FindRecord(static_cast<int>(lpCompareItemStruct->itemID2));
    if (!p1 || !p2 || p1->nMRUPosition == p2->nMRUPosition)
        return 0;
    if (p1->nMRUPosition == -1)
        return 1;
    if (p2->nMRUPosition == -1)
        return -1;
    return p1->nMRUPosition < p2->nMRUPosition ? -1 : 1;
}

COXListBoxEx::SavedItem COXListBoxEx::SaveItem(int nIndex) const
{
    SavedItem saved;
    if (const OXLISTBOXITEM* pItem = FindRecord(nIndex)) {
        saved.record = *pItem;
        saved.bHasRecord = TRUE;
    }
    if (GetStyle() & LBS_HASSTRINGS)
        GetText(nIndex, saved.sText);
    saved.dwData = GetItemData(nIndex);
    if (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        saved.bSelected = GetSel(nIndex) > 0;
        saved.bCaret = GetCaretIndex() == nIndex;
    } else {
        saved.bSelected = GetCurSel() == nIndex;
    }
    return saved;
}

void COXListBoxEx::RestoreSelection(int nIndex, const SavedItem& saved)
{
    SetItemData(nIndex, saved.dwData);
    if (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        if (saved.bSelected)
            SetSel(nIndex, TRUE);
        if (saved.bCaret)
            SetCaretIndex(nIndex, TRUE);
    } else if (saved.bSelected) {
        SetCurSel(nIndex);
    }
}

int COXListBoxEx::InsertNonMRUItem(LPCTSTR lpszItem, UINT nMask, const OXLISTBOXITEM& item)
{
    return AddString(lpszItem, nMask, item);
}

int COXListBoxEx::MoveToMRU(int nIndex, int nPosition, BOOL bForce)
{
    if (nIndex < 0 || nIndex >= GetCount() || nPosition < 0 || nPosition > m_nLastMRUIndex + 1)
        return -1;
    if (m_nMaxMRUCount != -1 && nPosition > m_nMaxMRUCount)
        return -1;
    const BOOL bInSection = nIndex <= m_nLastMRUIndex;
    const BOOL bFull = m_nMaxMRUCount != -1 && m_nLastMRUIndex + 1 >= m_nMaxMRUCount;
    if (bFull && !bInSection) {
        if (!bForce)
            return -1;
        const int nBack = RemoveFromMRU(m_nLastMRUIndex);
        if (nBack == -1)
            return -1;
        // The removed item left from before ours and came back somewhere.
        --nIndex;
        if (nBack <= nIndex)
            ++nIndex;
        if (nPosition > m_nLastMRUIndex + 1)
            nPosition = m_nLastMRUIndex + 1;
    }
    if (nIndex != nPosition) {
        const SavedItem saved = SaveItem(nIndex);
        DeleteString(static_cast<UINT>(nIndex));
        if (nPosition > m_nLastMRUIndex + 1)
            nPosition = m_nLastMRUIndex + 1;
        for (auto& entry : m_items)
            if (entry.second->nMRUPosition >= nPosition)
                ++entry.second->nMRUPosition;
        ++m_nLastMRUIndex;
        const OXLISTBOXITEM record = saved.bHasRecord ? saved.record : OXLISTBOXITEM();
        const int nNew = InsertString(nPosition, saved.sText, OXLBI_ALL, record);
        if (OXLISTBOXITEM* pItem = FindRecord(nNew))
            pItem->nMRUPosition = nPosition;
        if (nNew >= 0)
            RestoreSelection(nNew, saved);
    } else if (!bInSection) {
        if (!FindRecord(nIndex))
            SetItemAttributes(nIndex, 0, OXLISTBOXITEM());
        if (OXLISTBOXITEM* pItem = FindRecord(nIndex))
            pItem->nMRUPosition = nIndex;
        ++m_nLastMRUIndex;
    }
    MeasureListItem(-1);
    UpdateToolTips();
    return nPosition;
}

int COXListBoxEx::RemoveFromMRU(int nIndex)
{
    if (nIndex < 0 || nIndex > m_nLastMRUIndex)
        return -1;
    const SavedItem saved = SaveItem(nIndex);
    DeleteString(static_cast<UINT>(nIndex));
    const OXLISTBOXITEM record = saved.bHasRecord ? saved.record : OXLISTBOXITEM();
    const int nNew = InsertNonMRUItem(saved.sText, OXLBI_ALL, record);
    if (nNew < 0)
        return -1;
    if (OXLISTBOXITEM* pItem = FindRecord(nNew))
        pItem->nMRUPosition = -1;
    RestoreSelection(nNew, saved);
    return nNew;
}

void COXListBoxEx::SetMaxMRUCount(int nMaxCount)
{
    m_nMaxMRUCount = nMaxCount;
    if (nMaxCount == -1 || m_nLastMRUIndex < nMaxCount)
        return;
    for (int i = m_nLastMRUIndex; i >= nMaxCount; --i)
        RemoveFromMRU(i);
    m_nLastMRUIndex = nMaxCount - 1;
    if (::IsWindow(m_hWnd)) {
        MeasureListItem(-1);
        UpdateToolTips();
        Redraw();
    }
}

BOOL COXListBoxEx::SaveMRUState(LPCTSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    pApp->WriteProfileInt(lpszSection, "MRU_MaxNumber", m_nMaxMRUCount);
    pApp->WriteProfileInt(lpszSection, "MRU_Count", m_nLastMRUIndex + 1);
    for (int i = 0; i <= m_nLastMRUIndex; ++i) {
        CString entry, text;
        entry.Format("MRU_Entry_%d", i);
        GetText(i, text);
        pApp->WriteProfileString(lpszSection, entry, text);
    }
    return TRUE;
}

BOOL COXListBoxEx::LoadMRUState(LPCTSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    const int nMax = static_cast<int>(pApp->GetProfileInt(lpszSection, "MRU_MaxNumber", m_nMaxMRUCount));
    SetMaxMRUCount(nMax);
    const int nCount = static_cast<int>(pApp->GetProfileInt(lpszSection, "MRU_Count", nMax));
    for (int i = m_nLastMRUIndex; i >= 0; --i)
        RemoveFromMRU(i);
    for (int i = 0; i < nCount; ++i) {
        CString entry;
        entry.Format("MRU_Entry_%d", i);
        const CString text = pApp->GetProfileString(lpszSection, entry, "");
        if (text.IsEmpty())
            break;
        const int nFound = FindStringExact(-1, text);
        if (nFound != LB_ERR)
            MoveToMRU(nFound, m_nLastMRUIndex + 1, FALSE);
    }
    return TRUE;
}
