#pragma once
// One node of the multi-column tree and the records of its further columns.
// The whole tree lives in these objects; the node pointer is the item handle
// the tree control hands out. They need no window: the control's rows are
// reached through COXTreeRows.

#include "afx/Array.h"
#include "afx/ArrayTypes.h"
#include "afx/GdiObject.h"
#include "afx/String.h"

#include <commctrl.h>

class COXTreeItem;

// Sub-item flags.
enum : UINT {
    OX_SUBITEM_IMAGE = 0x01,
    OX_SUBITEM_FONT = 0x02,
    OX_SUBITEM_COLOR = 0x04,
    OX_SUBITEM_TEXT = 0x08,
    OX_SUBITEM_BGCOLOR = 0x10,
};

// Node flags.
enum : UINT {
    OX_ITEM_SHOWN = 0x01,
    OX_ITEM_DISABLED = 0x02,
    OX_ITEM_COLOR = 0x04,
    OX_ITEM_FONT = 0x08,
    OX_ITEM_BGCOLOR = 0x10,
};

// Editors of a cell.
enum : UINT { OXET_EDIT = 0, OXET_COMBO = 1, OXET_CALENDAR = 2, OXET_NOEDIT = 3 };

// The rows of the list that shows the visible nodes, as the nodes see them.
class COXTreeRows
{
public:
    virtual int RowOf(const COXTreeItem* item) const = 0; // -1 when the node has no row
    virtual void InsertRow(int row, COXTreeItem* item) = 0;
    virtual void DeleteRow(COXTreeItem* item) = 0;

protected:
    ~COXTreeRows() = default;
};

class COXTreeSubItem
{
public:
    explicit COXTreeSubItem(int column = -1) : m_nColumn(column) {}
    COXTreeSubItem(const COXTreeSubItem& other);
    COXTreeSubItem& operator=(const COXTreeSubItem& other);

    void SetFont(CFont* font);

    CString m_sText;
    int m_nColumn;
    UINT m_uFlags = 0;
    int m_nImage = -1;
    UINT m_nEllipsisFormat = DT_END_ELLIPSIS;
    CStringArray m_saTextEx;
    UINT m_eEditMode = OXET_EDIT;
    CFont m_font;
    COLORREF m_clr = ::GetSysColor(COLOR_WINDOWTEXT);
    COLORREF m_clrBackground = ::GetSysColor(COLOR_WINDOW);
};

// Copies a font through its LOGFONT into target; a null or empty source
// leaves target empty. Returns whether target holds a font.
bool OXCopyFont(CFont& target, const CFont* source);

class COXTreeItem
{
public:
    COXTreeItem();
    explicit COXTreeItem(LPCTSTR text);
    COXTreeItem(const COXTreeItem&) = delete;
    virtual ~COXTreeItem();

    // Copies everything but leaves the copy's item handle pointing at itself.
    COXTreeItem& operator=(const COXTreeItem& other);

    // Navigation; all return null at the end.
    COXTreeItem* GetNextInTree() const;
    COXTreeItem* GetPrevInTree() const;
    COXTreeItem* GetLastChild() const;
    COXTreeItem* GetDeepestLast() const;
    int GetChildrenCount() const;
    int GetItemLevel() const;
    BOOL IsLastUnhidden() const;
    BOOL ItemHasChildren() const;
    BOOL IsVisible() const;
    BOOL HasCollapsedParent() const;
    int CountChildren(BOOL all = FALSE) const;

    // Links.
    void AddChild(COXTreeItem* child, COXTreeItem* after = nullptr);
    void Unlink();
    void SwapWithNext();

    // Position for a new child with the given text under TVI_SORT.
    COXTreeItem* GetSortedInsertAfter(LPCTSTR text) const;

    // Expands, collapses or toggles; FALSE for an unknown code.
    BOOL Expand(UINT code, COXTreeRows* rows);
    // Gives rows to the visible descendants, starting at row; returns the row after the last.
    int AddVisibleRows(int row, COXTreeRows& rows);
    void DeleteDescendantRows(COXTreeRows& rows);

    void SortChildren(int column, BOOL noRecursion, BOOL ascending, PFNTVCOMPARE compare, LPARAM user);
    void DeleteChildren();
    void RemoveSubItemColumn(int column);

    // Copies this node (and, when asked, its whole branch) under parent after the position.
    COXTreeItem* CopySubtree(COXTreeItem* parent, COXTreeItem* after, BOOL children) const;

    // Per-column access: column 0 is the node itself.
    COXTreeSubItem* GetSubItem(int column) const;
    COXTreeSubItem* GetOrAddSubItem(int column);
    CString GetItemText(int column = 0) const;
    void SetItemText(LPCTSTR text, int column = 0);
    BOOL IsTextCallback() const { return m_tvi.pszText == LPSTR_TEXTCALLBACK; }
    int GetItemImage(int column = 0) const;
    void SetItemImage(int image, int column = 0);
    BOOL HasImage(int column, UINT flag = 1) const;
    CFont* GetItemFont(int column = 0);
    void SetItemFont(CFont* font, int column = 0);
    BOOL HasFont(int column = 0) const;
    COLORREF GetItemColor(int column = 0) const;
    void SetItemColor(COLORREF color, int column = 0);
    BOOL HasColor(int column = 0) const;
    COLORREF GetItemBackColor(int column = 0) const;
    void SetItemBackColor(COLORREF color, int column = 0);
    BOOL HasBackColor(int column = 0) const;
    UINT GetDrawEllipsis(int column = 0) const;
    void SetDrawEllipsis(UINT format, int column = 0);
    UINT GetEditMode(int column = 0) const;
    const CStringArray* GetEditList(int column = 0) const;
    void SetEditMode(UINT mode, const CStringArray* list, int column = 0);
    void SetSubItem(int column, UINT mask, LPCTSTR text, int image, CFont* font, COLORREF color,
                    COLORREF backColor);

    BOOL IsHidden() const { return !(m_uFlags & OX_ITEM_SHOWN); }
    void SetHidden(BOOL hidden);
    BOOL IsDisabled() const { return (m_uFlags & OX_ITEM_DISABLED) != 0; }
    void SetDisabled(BOOL disabled);

    CFont m_font;
    COLORREF m_clr;
    COLORREF m_clrBackground;
    TVITEM m_tvi;
    UINT m_nEllipsisFormat = DT_END_ELLIPSIS;
    UINT m_uFlags = OX_ITEM_SHOWN;
    BOOL m_bExpand = FALSE;
    BOOL m_bExpandedOnce = FALSE;
    COXTreeItem* pParent = nullptr;
    COXTreeItem* pNextSibling = nullptr;
    COXTreeItem* pPrevSibling = nullptr;
    COXTreeItem* pFirstChild = nullptr;
    CArray<COXTreeSubItem*, COXTreeSubItem*> m_Items;
    CStringArray m_saTextEx;
    UINT m_eEditMode = OXET_EDIT;

private:
    void SetOwnText(LPCTSTR text);
    void FreeText();
    void DeleteSubItems();
    // Whether a comes after b for the sort's column and direction.
    static bool After(const COXTreeItem* a, const COXTreeItem* b, int column, int direction,
                      PFNTVCOMPARE compare, LPARAM user);
};
