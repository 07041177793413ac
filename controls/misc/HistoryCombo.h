// CHistoryCombo: a combo box whose list is a most-recent-first history of the
// texts typed into it, kept in the application profile (or an archive).
#pragma once

#include "afx/BasicCtrls.h"
#include "controls/misc/HistoryList.h"

class CArchive;

class CHistoryCombo : public CComboBox
{
    DECLARE_DYNAMIC(CHistoryCombo)
public:
    explicit CHistoryCombo(BOOL bAllowSortStyle = FALSE);

    // Adds at the top (see CHistoryStore::AddItem); returns 0.
    int AddString(LPCTSTR lpszString);
    CString LoadHistory(LPCTSTR lpszSection, LPCTSTR lpszKeyPrefix, BOOL bSaveRestoreLastCurrent = TRUE,
                        LPCTSTR lpszKeyCurItem = nullptr);
    void LoadHistoryFromText(LPCTSTR lpszHistory, LPCTSTR lpszLastSelected = nullptr, LPCTSTR lpszSeparators = nullptr);
    void SaveHistory(BOOL bAddCurrentItemToHistory = TRUE);
    void ClearHistory(BOOL bDeleteRegistryEntries = TRUE);
    void SetMaxHistoryItems(int nMaxItems);
    void StoreValue(BOOL bIgnoreIfEmpty = TRUE);
    CString GetHistoryText(CString& rText, BOOL bAddCurrentItem = FALSE, LPCTSTR lpszSeparator = nullptr);
    void Serialize(CArchive& ar) override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    const CHistoryStore& Store() const { return m_store; }

protected:
    // The combo's own items under the history rules.
    class Items : public IHistoryItems
    {
    public:
        explicit Items(CHistoryCombo& combo) : m_combo(combo) {}
        int GetCount() const override { return m_combo.GetCount(); }
        CString GetText(int nIndex) const override;
        void Insert(int nIndex, LPCTSTR lpszText) override { m_combo.InsertString(nIndex, lpszText); }
        void Append(LPCTSTR lpszText) override { m_combo.CComboBox::AddString(lpszText); }
        void Delete(int nIndex) override { m_combo.DeleteString(nIndex); }
        void Reset() override { m_combo.ResetContent(); }
        int FindExact(int nStartAfter, LPCTSTR lpszText) const override { return m_combo.FindStringExact(nStartAfter, lpszText); }
        void Select(int nIndex) override { m_combo.SetCurSel(nIndex); }

    private:
        CHistoryCombo& m_combo;
    };

    // Selects the text when listed, else shows it in the edit field of a drop-down.
    void ShowText(LPCTSTR lpszText);

    CHistoryStore m_store;
    BOOL m_bAllowSortStyle;
};
