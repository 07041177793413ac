// The rules of a most-recent-first history list and its profile entries,
// apart from any window: the combo box runs them over its own items, the
// tests over a plain array.
#pragma once

#include "afx/ArrayTypes.h"
#include "controls/misc/ControlsProfile.h"

// The list the rules work on, with a combo box's semantics.
class IHistoryItems
{
public:
    virtual ~IHistoryItems() = default;
    virtual int GetCount() const = 0;
    virtual CString GetText(int nIndex) const = 0;
    virtual void Insert(int nIndex, LPCTSTR lpszText) = 0;
    virtual void Append(LPCTSTR lpszText) = 0;
    virtual void Delete(int nIndex) = 0;
    virtual void Reset() = 0;
    // Case-insensitive whole-text search starting after nStartAfter and
    // wrapping round, as CB_FINDSTRINGEXACT does; -1 when absent.
    virtual int FindExact(int nStartAfter, LPCTSTR lpszText) const = 0;
    virtual void Select(int /*nIndex*/) {}
};

// A history held in memory.
class CHistoryItemsArray : public IHistoryItems
{
public:
    int GetCount() const override { return static_cast<int>(m_items.GetSize()); }
    CString GetText(int nIndex) const override { return m_items[nIndex]; }
    void Insert(int nIndex, LPCTSTR lpszText) override { m_items.InsertAt(nIndex, CString(lpszText)); }
    void Append(LPCTSTR lpszText) override { m_items.Add(lpszText); }
    void Delete(int nIndex) override { m_items.RemoveAt(nIndex); }
    void Reset() override { m_items.RemoveAll(); }
    int FindExact(int nStartAfter, LPCTSTR lpszText) const override;
    void Select(int nIndex) override { m_nSelected = nIndex; }

    int m_nSelected = -1;

private:
    CStringArray m_items;
};

// Where and how a history is kept in the profile.
class CHistoryStore
{
public:
    enum { DefaultMaxItems = 10, LastIndexToClean = 999 };

    CHistoryStore() : m_strSection(), m_strKeyPrefix(), m_strCurrentKey(), m_bSaveRestoreLastCurrent(true), m_nMaxHistoryItems(DefaultMaxItems) {}

    // Trimmed text at the top; an older copy (any letter case) and the items
    // past the maximum go. Returns the new index, 0.
    static int AddItem(IHistoryItems& items, LPCTSTR lpszText, int nMax);

    // The entry holding the shown text: the current-item key, else the
    // prefix, else "Last".
    CString ShownTextEntry() const;
    static CString ItemEntry(LPCTSTR lpszPrefix, int nIndex);

    // Reads prefix0, prefix1, ... until the first empty one or the maximum;
    // returns the last value read, and the shown text in rShown when kept.
    CString Load(IControlsProfile& profile, IHistoryItems& items, CString& rShown);
    // Writes the items (at most maximum + 1), deletes the stale entries that
    // follow up to index 999, then the shown text.
    void Save(IControlsProfile& profile, const IHistoryItems& items, LPCTSTR lpszShownText);
    void Clear(IControlsProfile& profile);

    CString m_strSection;
    CString m_strKeyPrefix;
    CString m_strCurrentKey;
    bool m_bSaveRestoreLastCurrent;
    int m_nMaxHistoryItems;
};
