// The tree's nodes: links, navigation, expanding into rows, sorting and the
// per-column properties.
#include "toolkit/lists/tree/OXTreeItem.h"

#include <cstring>

bool OXCopyFont(CFont& target, const CFont* source)
{
    target.DeleteObject();
    if (source == nullptr || source->GetSafeHandle() == nullptr)
        return false;
    LOGFONT lf{};
    if (source->GetLogFont(&lf) == 0)
        return false;
    return target.CreateFontIndirect(&lf) != FALSE;
}

COXTreeSubItem::COXTreeSubItem(const COXTreeSubItem& other)
{
    *this = other;
}

COXTreeSubItem& COXTreeSubItem::operator=(const COXTreeSubItem& other)
{
    if (this == &other)
        return *this;
    m_sText = other.m_sText;
    m_nColumn = other.m_nColumn;
    m_uFlags = other.m_uFlags;
    m_nImage = other.m_nImage;
    m_nEllipsisFormat = other.m_nEllipsisFormat;
    m_saTextEx.Copy(other.m_saTextEx);
    m_eEditMode = other.m_eEditMode;
    if (!OXCopyFont(m_font, (other.m_uFlags & OX_SUBITEM_FONT) ? &other.m_font : nullptr))
        m_uFlags &= ~OX_SUBITEM_FONT;
    m_clr = other.m_clr;
    m_clrBackground = other.m_clrBackground;
    return *this;
}

void COXTreeSubItem::SetFont(CFont* font)
{
    if (OXCopyFont(m_font, font))
        m_uFlags |= OX_SUBITEM_FONT;
    else
        m_uFlags &= ~OX_SUBITEM_FONT;
}

COXTreeItem::COXTreeItem()
    : m_clr(::GetSysColor(COLOR_WINDOWTEXT)), m_clrBackground(::GetSysColor(COLOR_WINDOW)), m_tvi{}
{
    m_tvi.mask = TVIF_HANDLE;
    m_tvi.hItem = reinterpret_cast<HTREEITEM>(this);
}

COXTreeItem::COXTreeItem(LPCTSTR text) : COXTreeItem()
{
    m_tvi.mask |= TVIF_TEXT;
    m_tvi.iImage = -1;
    m_tvi.iSelectedImage = -1;
    SetOwnText(text);
}

COXTreeItem::~COXTreeItem()
{
    Unlink();
    DeleteChildren();
    DeleteSubItems();
    FreeText();
}

void COXTreeItem::FreeText()
{
    if (m_tvi.pszText != nullptr && m_tvi.pszText != LPSTR_TEXTCALLBACK)
        delete[] m_tvi.pszText;
    m_tvi.pszText = nullptr;
    m_tvi.cchTextMax = 0;
}

void COXTreeItem::SetOwnText(LPCTSTR text)
{
    FreeText();
    if (text == LPSTR_TEXTCALLBACK) {
        m_tvi.pszText = LPSTR_TEXTCALLBACK;
        return;
    }
    const size_t length = text != nullptr ? std::strlen(text) : 0;
    m_tvi.pszText = new char[length + 1];
    if (length != 0)
        std::memcpy(m_tvi.pszText, text, length);
    m_tvi.pszText[length] = '\0';
    m_tvi.cchTextMax = static_cast<int>(length + 1);
}

void COXTreeItem::DeleteSubItems()
{
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
        delete m_Items[i];
    m_Items.RemoveAll();
}

COXTreeItem& COXTreeItem::operator=(const COXTreeItem& other)
{
    if (this == &other)
        return *this;
    if (!OXCopyFont(m_font, (other.m_uFlags & OX_ITEM_FONT) ? &other.m_font : nullptr)) {
        m_font.DeleteObject();
    }
    LPSTR text = other.m_tvi.pszText;
    FreeText();
    m_tvi = other.m_tvi;
    m_tvi.pszText = nullptr;
    m_tvi.hItem = reinterpret_cast<HTREEITEM>(this);
    if (text != nullptr)
        SetOwnText(text);
    m_clr = other.m_clr;
    m_clrBackground = other.m_clrBackground;
    m_nEllipsisFormat = other.m_nEllipsisFormat;
    m_uFlags = other.m_uFlags;
    if (m_font.GetSafeHandle() == nullptr)
        m_uFlags &= ~OX_ITEM_FONT;
    m_bExpand = other.m_bExpand;
    m_bExpandedOnce = other.m_bExpandedOnce;
    pParent = other.pParent;
    pNextSibling = other.pNextSibling;
    pPrevSibling = other.pPrevSibling;
    pFirstChild = other.pFirstChild;
    m_saTextEx.Copy(other.m_saTextEx);
    m_eEditMode = other.m_eEditMode;
    DeleteSubItems();
    for (INT_PTR i = 0; i < other.m_Items.GetSize(); ++i)
        m_Items.Add(new COXTreeSubItem(*other.m_Items[i]));
    return *this;
}

// ---- navigation ----

COXTreeItem* COXTreeItem::GetNextInTree() const
{
    if (pFirstChild != nullptr)
        return pFirstChild;
    for (const COXTreeItem* item = this; item != nullptr; item = item->pParent)
        if (item->pNextSibling != nullptr)
            return item->pNextSibling;
    return nullptr;
}

COXTreeItem* COXTreeItem::GetDeepestLast() const
{
    const COXTreeItem* item = this;
    while (item->pFirstChild != nullptr)
        item = item->GetLastChild();
    return const_cast<COXTreeItem*>(item);
}

COXTreeItem* COXTreeItem::GetPrevInTree() const
{
    if (pPrevSibling != nullptr)
        return pPrevSibling->GetDeepestLast();
    return pParent;
}

COXTreeItem* COXTreeItem::GetLastChild() const
{
    COXTreeItem* child = pFirstChild;
    while (child != nullptr && child->pNextSibling != nullptr)
        child = child->pNextSibling;
    return child;
}

int COXTreeItem::GetChildrenCount() const
{
    return CountChildren(TRUE);
}

int COXTreeItem::GetItemLevel() const
{
    int level = 0;
    for (const COXTreeItem* item = pParent; item != nullptr; item = item->pParent)
        ++level;
    return level;
}

BOOL COXTreeItem::IsLastUnhidden() const
{
    for (const COXTreeItem* item = pNextSibling; item != nullptr; item = item->pNextSibling)
        if (!item->IsHidden())
            return FALSE;
    return TRUE;
}

BOOL COXTreeItem::ItemHasChildren() const
{
    return m_tvi.cChildren > 0 || CountChildren(FALSE) > 0;
}

BOOL COXTreeItem::IsVisible() const
{
    if (IsHidden())
        return FALSE;
    for (const COXTreeItem* item = pParent; item != nullptr; item = item->pParent)
        if (item->IsHidden() || !item->m_bExpand)
            return FALSE;
    return TRUE;
}

BOOL COXTreeItem::HasCollapsedParent() const
{
    for (const COXTreeItem* item = pParent; item != nullptr; item = item->pParent)
        if (!item->m_bExpand)
            return TRUE;
    return FALSE;
}

int COXTreeItem::CountChildren(BOOL all) const
{
    int count = 0;
    for (const COXTreeItem* child = pFirstChild; child != nullptr; child = child->pNextSibling)
        if (all || !child->IsHidden())
            ++count;
    return count;
}

// ---- links ----

void COXTreeItem::AddChild(COXTreeItem* child, COXTreeItem* after)
{
    child->pParent = this;
    if (pFirstChild == nullptr) {
        child->pPrevSibling = child->pNextSibling = nullptr;
        pFirstChild = child;
        return;
    }
    if (after == reinterpret_cast<COXTreeItem*>(TVI_FIRST)) {
        child->pPrevSibling = nullptr;
        child->pNextSibling = pFirstChild;
        pFirstChild->pPrevSibling = child;
        pFirstChild = child;
        return;
    }
    if (after == nullptr || after == reinterpret_cast<COXTreeItem*>(TVI_LAST) ||
        after == reinterpret_cast<COXTreeItem*>(TVI_SORT) || after->pParent != this)
        after = GetLastChild();
    child->pPrevSibling = after;
    child->pNextSibling = after->pNextSibling;
    if (after->pNextSibling != nullptr)
        after->pNextSibling->pPrevSibling = child;
    after->pNextSibling = child;
}

void COXTreeItem::Unlink()
{
    if (pParent != nullptr && pParent->pFirstChild == this)
        pParent->pFirstChild = pNextSibling;
    if (pPrevSibling != nullptr)
        pPrevSibling->pNextSibling = pNextSibling;
    if (pNextSibling != nullptr)
        pNextSibling->pPrevSibling = pPrevSibling;
    pParent = pPrevSibling = pNextSibling = nullptr;
}

void COXTreeItem::SwapWithNext()
{
    COXTreeItem* next = pNextSibling;
    if (next == nullptr)
        return;
    COXTreeItem* before = pPrevSibling;
    COXTreeItem* after = next->pNextSibling;
    if (before != nullptr)
        before->pNextSibling = next;
    else if (pParent != nullptr)
        pParent->pFirstChild = next;
    if (after != nullptr)
        after->pPrevSibling = this;
    next->pPrevSibling = before;
    next->pNextSibling = this;
    pPrevSibling = next;
    pNextSibling = after;
}

COXTreeItem* COXTreeItem::GetSortedInsertAfter(LPCTSTR text) const
{
    if (text == nullptr || text == LPSTR_TEXTCALLBACK || *text == '\0')
        return reinterpret_cast<COXTreeItem*>(TVI_LAST);
    // Children whose text comes from the owner take no part in the order.
    COXTreeItem* best = nullptr;
    for (COXTreeItem* child = pFirstChild; child != nullptr; child = child->pNextSibling) {
        if (child->IsTextCallback() || child->m_tvi.pszText == nullptr || *child->m_tvi.pszText == '\0')
            continue;
        const CString childText(child->m_tvi.pszText);
        if (childText.Collate(text) >= 0)
            continue;
        if (best == nullptr || childText.Collate(best->m_tvi.pszText) >= 0)
            best = child;
    }
    return best != nullptr ? best : reinterpret_cast<COXTreeItem*>(TVI_FIRST);
}

// ---- expanding ----

void COXTreeItem::DeleteDescendantRows(COXTreeRows& rows)
{
    for (COXTreeItem* child = pFirstChild; child != nullptr; child = child->pNextSibling) {
        child->DeleteDescendantRows(rows);
        if (rows.RowOf(child) >= 0)
            rows.DeleteRow(child);
    }
}

int COXTreeItem::AddVisibleRows(int row, COXTreeRows& rows)
{
    for (COXTreeItem* child = pFirstChild; child != nullptr; child = child->pNextSibling) {
        if (child->IsHidden())
            continue;
        const int own = rows.RowOf(child);
        if (own < 0)
            rows.InsertRow(row, child);
        row = (own < 0 ? row : own) + 1;
        if (child->m_bExpand)
            row = child->AddVisibleRows(row, rows);
    }
    return row;
}

BOOL COXTreeItem::Expand(UINT code, COXTreeRows* rows)
{
    const BOOL wasVisible = IsVisible();
    if (code == TVE_COLLAPSERESET || code == (TVE_COLLAPSERESET | TVE_COLLAPSE)) {
        if (rows != nullptr)
            DeleteDescendantRows(*rows);
        DeleteChildren();
        m_bExpand = FALSE;
        m_bExpandedOnce = FALSE;
        m_tvi.cChildren = 0;
        return TRUE;
    }
    switch (code) {
    case TVE_TOGGLE:
        m_bExpand = !m_bExpand;
        break;
    case TVE_COLLAPSE:
        if (!m_bExpand)
            return TRUE;
        m_bExpand = FALSE;
        break;
    case TVE_EXPAND:
        if (m_bExpand)
            return TRUE;
        m_bExpand = TRUE;
        break;
    default:
        return FALSE;
    }
    if (m_bExpand)
        m_bExpandedOnce = TRUE;
    if (!wasVisible) {
        // Opening a node inside a collapsed branch opens the branch up to it;
        // an ancestor that is open already stays open.
        if (m_bExpand)
            for (COXTreeItem* ancestor = pParent; ancestor != nullptr; ancestor = ancestor->pParent)
                if (!ancestor->m_bExpand)
                    return ancestor->Expand(TVE_EXPAND, rows);
        return TRUE;
    }
    if (rows == nullptr)
        return TRUE;
    if (!m_bExpand)
        DeleteDescendantRows(*rows);
    else
        AddVisibleRows(rows->RowOf(this) + 1, *rows);
    return TRUE;
}

// ---- sorting and deleting ----

bool COXTreeItem::After(const COXTreeItem* a, const COXTreeItem* b, int column, int direction,
                        PFNTVCOMPARE compare, LPARAM user)
{
    if (compare != nullptr)
        return compare(a->m_tvi.lParam, b->m_tvi.lParam, user) * direction > 0;
    if (a->IsTextCallback() || b->IsTextCallback())
        return false;
    return a->GetItemText(column).Collate(b->GetItemText(column)) * direction > 0;
}

void COXTreeItem::SortChildren(int column, BOOL noRecursion, BOOL ascending, PFNTVCOMPARE compare, LPARAM user)
{
    const int direction = ascending ? 1 : -1;
    bool swapped = true;
    while (swapped) {
        swapped = false;
        COXTreeItem* item = pFirstChild;
        while (item != nullptr && item->pNextSibling != nullptr) {
            if (After(item, item->pNextSibling, column, direction, compare, user)) {
                item->SwapWithNext();
                swapped = true;
            } else {
                item = item->pNextSibling;
            }
        }
    }
    if (noRecursion)
        return;
    for (COXTreeItem* child = pFirstChild; child != nullptr; child = child->pNextSibling)
        if (child->pFirstChild != nullptr)
            child->SortChildren(column, FALSE, ascending, compare, user);
}

void COXTreeItem::DeleteChildren()
{
    while (pFirstChild != nullptr) {
        COXTreeItem* child = pFirstChild;
        child->Unlink();
        delete child;
    }
}

void COXTreeItem::RemoveSubItemColumn(int column)
{
    for (INT_PTR i = m_Items.GetSize() - 1; i >= 0; --i) {
        COXTreeSubItem* sub = m_Items[i];
        if (sub->m_nColumn == column) {
            delete sub;
            m_Items.RemoveAt(i);
        } else if (sub->m_nColumn > column) {
            --sub->m_nColumn;
        }
    }
}

COXTreeItem* COXTreeItem::CopySubtree(COXTreeItem* parent, COXTreeItem* after, BOOL children) const
{
    auto* copy = new COXTreeItem;
    *copy = *this;
    copy->pParent = copy->pNextSibling = copy->pPrevSibling = copy->pFirstChild = nullptr;
    parent->AddChild(copy, after);
    if (children) {
        COXTreeItem* last = nullptr;
        for (const COXTreeItem* child = pFirstChild; child != nullptr; child = child->pNextSibling)
            last = child->CopySubtree(copy, last, TRUE);
    }
    return copy;
}

// ---- per-column properties ----

COXTreeSubItem* COXTreeItem::GetSubItem(int column) const
{
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
        if (m_Items[i]->m_nColumn == column)
            return m_Items[i];
    return nullptr;
}

COXTreeSubItem* COXTreeItem::GetOrAddSubItem(int column)
{
    COXTreeSubItem* sub = GetSubItem(column);
    if (sub == nullptr) {
        sub = new COXTreeSubItem(column);
        m_Items.Add(sub);
    }
    return sub;
}

CString COXTreeItem::GetItemText(int column) const
{
    if (column == 0)
        return IsTextCallback() || m_tvi.pszText == nullptr ? CString() : CString(m_tvi.pszText);
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr ? sub->m_sText : CString();
}

void COXTreeItem::SetItemText(LPCTSTR text, int column)
{
    if (column == 0) {
        SetOwnText(text);
        m_tvi.mask |= TVIF_TEXT;
        return;
    }
    COXTreeSubItem* sub = GetOrAddSubItem(column);
    sub->m_sText = text != nullptr ? text : "";
    sub->m_uFlags |= OX_SUBITEM_TEXT;
}

int COXTreeItem::GetItemImage(int column) const
{
    if (column == 0)
        return m_tvi.iImage;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr && (sub->m_uFlags & OX_SUBITEM_IMAGE) ? sub->m_nImage : -1;
}

void COXTreeItem::SetItemImage(int image, int column)
{
    if (column == 0) {
        m_tvi.iImage = image;
        m_tvi.mask |= TVIF_IMAGE;
        return;
    }
    COXTreeSubItem* sub = GetOrAddSubItem(column);
    sub->m_nImage = image;
    sub->m_uFlags |= OX_SUBITEM_IMAGE;
}

BOOL COXTreeItem::HasImage(int column, UINT flag) const
{
    if (column == 0)
        return (flag == 0 ? m_tvi.iSelectedImage : m_tvi.iImage) >= 0;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr && (sub->m_uFlags & OX_SUBITEM_IMAGE);
}

CFont* COXTreeItem::GetItemFont(int column)
{
    if (column == 0)
        return (m_uFlags & OX_ITEM_FONT) ? &m_font : nullptr;
    COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr && (sub->m_uFlags & OX_SUBITEM_FONT) ? &sub->m_font : nullptr;
}

void COXTreeItem::SetItemFont(CFont* font, int column)
{
    if (column != 0) {
        GetOrAddSubItem(column)->SetFont(font);
        return;
    }
    if (OXCopyFont(m_font, font))
        m_uFlags |= OX_ITEM_FONT;
    else
        m_uFlags &= ~OX_ITEM_FONT;
}

BOOL COXTreeItem::HasFont(int column) const
{
    if (column == 0)
        return (m_uFlags & OX_ITEM_FONT) != 0;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr && (sub->m_uFlags & OX_SUBITEM_FONT);
}

COLORREF COXTreeItem::GetItemColor(int column) const
{
    if (column == 0)
        return m_clr;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr ? sub->m_clr : ::GetSysColor(COLOR_WINDOWTEXT);
}

void COXTreeItem::SetItemColor(COLORREF color, int column)
{
    if (column == 0) {
        m_clr = color;
        m_uFlags |= OX_ITEM_COLOR;
        return;
    }
    COXTreeSubItem* sub = GetOrAddSubItem(column);
    sub->m_clr = color;
    sub->m_uFlags |= OX_SUBITEM_COLOR;
}

BOOL COXTreeItem::HasColor(int column) const
{
    if (column == 0)
        return (m_uFlags & OX_ITEM_COLOR) != 0;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr && (sub->m_uFlags & OX_SUBITEM_COLOR);
}

COLORREF COXTreeItem::GetItemBackColor(int column) const
{
    if (column == 0)
        return m_clrBackground;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr ? sub->m_clrBackground : ::GetSysColor(COLOR_WINDOW);
}

void COXTreeItem::SetItemBackColor(COLORREF color, int column)
{
    if (column == 0) {
        m_clrBackground = color;
        m_uFlags |= OX_ITEM_BGCOLOR;
        return;
    }
    COXTreeSubItem* sub = GetOrAddSubItem(column);
    sub->m_clrBackground = color;
    sub->m_uFlags |= OX_SUBITEM_BGCOLOR;
}

BOOL COXTreeItem::HasBackColor(int column) const
{
    if (column == 0)
        return (m_uFlags & OX_ITEM_BGCOLOR) != 0;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr && (sub->m_uFlags & OX_SUBITEM_BGCOLOR);
}

UINT COXTreeItem::GetDrawEllipsis(int column) const
{
    if (column == 0)
        return m_nEllipsisFormat;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr ? sub->m_nEllipsisFormat : DT_END_ELLIPSIS;
}

void COXTreeItem::SetDrawEllipsis(UINT format, int column)
{
    if (column == 0)
        m_nEllipsisFormat = format;
    else
        GetOrAddSubItem(column)->m_nEllipsisFormat = format;
}

UINT COXTreeItem::GetEditMode(int column) const
{
    if (column == 0)
        return m_eEditMode;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr ? sub->m_eEditMode : OXET_EDIT;
}

const CStringArray* COXTreeItem::GetEditList(int column) const
{
    if (column == 0)
        return &m_saTextEx;
    const COXTreeSubItem* sub = GetSubItem(column);
    return sub != nullptr ? &sub->m_saTextEx : nullptr;
}

void COXTreeItem::SetEditMode(UINT mode, const CStringArray* list, int column)
{
    CStringArray* target = &m_saTextEx;
    if (column == 0) {
        m_eEditMode = mode;
    } else {
        COXTreeSubItem* sub = GetOrAddSubItem(column);
        sub->m_eEditMode = mode;
        target = &sub->m_saTextEx;
    }
    if (list != nullptr)
        target->Copy(*list);
    else
        target->RemoveAll();
}

void COXTreeItem::SetSubItem(int column, UINT mask, LPCTSTR text, int image, CFont* font, COLORREF color,
                             COLORREF backColor)
{
    COXTreeSubItem* sub = GetOrAddSubItem(column);
    if (mask & OX_SUBITEM_TEXT) {
        sub->m_sText = text != nullptr ? text : "";
        sub->m_uFlags |= OX_SUBITEM_TEXT;
    }
    if (mask & OX_SUBITEM_IMAGE) {
        sub->m_nImage = image;
        sub->m_uFlags |= OX_SUBITEM_IMAGE;
    }
    if (mask & OX_SUBITEM_FONT)
        sub->SetFont(font);
    if (mask & OX_SUBITEM_COLOR) {
        sub->m_clr = color;
        sub->m_uFlags |= OX_SUBITEM_COLOR;
    }
    if (mask & OX_SUBITEM_BGCOLOR) {
        sub->m_clrBackground = backColor;
        sub->m_uFlags |= OX_SUBITEM_BGCOLOR;
    }
}

void COXTreeItem::SetHidden(BOOL hidden)
{
    if (hidden)
        m_uFlags &= ~OX_ITEM_SHOWN;
    else
        m_uFlags |= OX_ITEM_SHOWN;
}

void COXTreeItem::SetDisabled(BOOL disabled)
{
    if (disabled)
        m_uFlags |= OX_ITEM_DISABLED;
    else
        m_uFlags &= ~OX_ITEM_DISABLED;
}
