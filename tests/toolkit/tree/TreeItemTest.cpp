// The tree's nodes without a window: links and display order, expanding into
// rows, sorting, sorted insertion, per-column values and copying branches.
#include "toolkit/lists/tree/OXTreeItem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The list rows as a plain vector of nodes.
class VectorRows : public COXTreeRows
{
public:
    int RowOf(const COXTreeItem* item) const override
    {
        const auto it = std::find(rows.begin(), rows.end(), item);
        return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
    }
    void InsertRow(int row, COXTreeItem* item) override { rows.insert(rows.begin() + row, item); }
    void DeleteRow(COXTreeItem* item) override { rows.erase(rows.begin() + RowOf(item)); }

    std::string Texts() const
    {
        std::string out;
        for (const COXTreeItem* item : rows)
            out += std::string(out.empty() ? "" : "|") + static_cast<LPCTSTR>(item->GetItemText());
        return out;
    }

    std::vector<COXTreeItem*> rows;
};

COXTreeItem* Add(COXTreeItem& parent, LPCTSTR text, COXTreeItem* after = nullptr)
{
    auto* item = new COXTreeItem(text);
    parent.AddChild(item, after);
    return item;
}

std::string Children(const COXTreeItem& parent)
{
    std::string out;
    for (const COXTreeItem* child = parent.pFirstChild; child != nullptr; child = child->pNextSibling)
        out += std::string(out.empty() ? "" : "|") + static_cast<LPCTSTR>(child->GetItemText());
    return out;
}

// A root that is shown and expanded, like the control's own.
class TreeItemTest : public testing::Test
{
protected:
    void SetUp() override
    {
        root.m_bExpand = TRUE;
    }
    COXTreeItem root;
    VectorRows rows;
};

TEST_F(TreeItemTest, LinksKeepTheSiblingChainAndDisplayOrder)
{
    COXTreeItem* b = Add(root, "b");
    COXTreeItem* a = Add(root, "a", reinterpret_cast<COXTreeItem*>(TVI_FIRST));
    COXTreeItem* c = Add(root, "c", reinterpret_cast<COXTreeItem*>(TVI_LAST));
    COXTreeItem* b1 = Add(*b, "b1");
    COXTreeItem* b2 = Add(*b, "b2");
    COXTreeItem* b21 = Add(*b2, "b21");
    COXTreeItem* ab = Add(root, "ab", a);
    EXPECT_EQ("a|ab|b|c", Children(root));
    EXPECT_EQ(c, root.GetLastChild());
    EXPECT_EQ(1, b->GetItemLevel());
    EXPECT_EQ(3, b21->GetItemLevel());
    EXPECT_EQ(4, root.CountChildren());

    // Next and previous in display order walk the whole tree, collapsed or not.
    std::vector<COXTreeItem*> forward;
    for (COXTreeItem* item = root.GetNextInTree(); item != nullptr; item = item->GetNextInTree())
        forward.push_back(item);
    const std::vector<COXTreeItem*> expected{a, ab, b, b1, b2, b21, c};
    EXPECT_EQ(expected, forward);
    EXPECT_EQ(b21, c->GetPrevInTree());
    EXPECT_EQ(b, b1->GetPrevInTree());
    EXPECT_EQ(&root, a->GetPrevInTree());

    b1->SetHidden(TRUE);
    EXPECT_EQ(1, b->CountChildren());
    EXPECT_EQ(2, b->CountChildren(TRUE));
    EXPECT_FALSE(b1->IsLastUnhidden());
    EXPECT_TRUE(b2->IsLastUnhidden());
    b2->SetHidden(TRUE);
    EXPECT_TRUE(b1->IsLastUnhidden());
    EXPECT_FALSE(b->ItemHasChildren());
    b->m_tvi.cChildren = 1;
    EXPECT_TRUE(b->ItemHasChildren());

    // Unlinking the first child repairs the parent's link; deleting a node takes its branch.
    a->Unlink();
    EXPECT_EQ(ab, root.pFirstChild);
    EXPECT_EQ(nullptr, ab->pPrevSibling);
    delete a;
    delete b;
    EXPECT_EQ("ab|c", Children(root));
    EXPECT_EQ(c, ab->pNextSibling);
    EXPECT_EQ(ab, c->pPrevSibling);
}

TEST_F(TreeItemTest, ExpandingInsideACollapsedBranchOpensItsAncestors)
{
    COXTreeItem* a = Add(root, "a");
    COXTreeItem* a1 = Add(*a, "a1");
    COXTreeItem* a11 = Add(*a1, "a11");
    Add(*a11, "a111");
    Add(root, "b");
    rows.InsertRow(0, a);
    rows.InsertRow(1, a->pNextSibling);
    a1->m_bExpand = TRUE; // open already, below a closed one

    EXPECT_TRUE(a11->Expand(TVE_TOGGLE, &rows));
    EXPECT_TRUE(a11->m_bExpand && a11->m_bExpandedOnce);
    EXPECT_TRUE(a1->m_bExpand) << "an open ancestor stays open";
    EXPECT_TRUE(a->m_bExpand && a->m_bExpandedOnce);
    EXPECT_TRUE(a11->pFirstChild->IsVisible());
    EXPECT_EQ("a|a1|a11|a111|b", rows.Texts());

    // Collapsing removes the rows of the whole branch, expanding brings them back in order.
    EXPECT_TRUE(a->Expand(TVE_COLLAPSE, &rows));
    EXPECT_EQ("a|b", rows.Texts());
    EXPECT_TRUE(a->Expand(TVE_TOGGLE, &rows));
    EXPECT_EQ("a|a1|a11|a111|b", rows.Texts());
    EXPECT_FALSE(a->Expand(0x10, &rows));
}

TEST_F(TreeItemTest, ExpandAddsOnlyShownChildrenAndCollapseResetEmptiesTheNode)
{
    COXTreeItem* a = Add(root, "a");
    Add(*a, "x");
    Add(*a, "hidden")->SetHidden(TRUE);
    COXTreeItem* y = Add(*a, "y");
    Add(*y, "y1");
    rows.InsertRow(0, a);

    EXPECT_TRUE(a->Expand(TVE_EXPAND, &rows));
    EXPECT_EQ("a|x|y", rows.Texts());
    EXPECT_TRUE(y->Expand(TVE_EXPAND, &rows));
    EXPECT_EQ("a|x|y|y1", rows.Texts());

    a->m_tvi.cChildren = 1;
    EXPECT_TRUE(a->Expand(TVE_COLLAPSERESET, &rows));
    EXPECT_EQ("a", rows.Texts());
    EXPECT_EQ(nullptr, a->pFirstChild);
    EXPECT_FALSE(a->m_bExpand);
    EXPECT_FALSE(a->m_bExpandedOnce);
    EXPECT_EQ(0, a->m_tvi.cChildren);
}

TEST_F(TreeItemTest, SortingIsStableAndDescendingReverses)
{
    COXTreeItem* b1 = Add(root, "b");
    Add(root, "a");
    COXTreeItem* b2 = Add(root, "b");
    Add(root, "c");
    COXTreeItem* sub = Add(*b2, "z");
    Add(*b2, "y");

    root.SortChildren(0, FALSE, TRUE, nullptr, 0);
    EXPECT_EQ("a|b|b|c", Children(root));
    EXPECT_EQ(b1, root.pFirstChild->pNextSibling) << "equal keys keep their order";
    EXPECT_EQ("y|z", Children(*b2));

    root.SortChildren(0, TRUE, FALSE, nullptr, 0);
    EXPECT_EQ("c|b|b|a", Children(root));
    EXPECT_EQ(b1, root.pFirstChild->pNextSibling);
    EXPECT_EQ("y|z", Children(*b2)) << "no recursion leaves the grandchildren alone";
    EXPECT_EQ(b2, sub->pParent);

    // Other columns compare the sub-item texts, a missing one as empty.
    for (COXTreeItem* child = root.pFirstChild; child != nullptr; child = child->pNextSibling)
        if (child->GetItemText() != "a")
            child->SetItemText(child->GetItemText() == "c" ? "1" : "2", 1);
    root.SortChildren(1, TRUE, TRUE, nullptr, 0);
    EXPECT_EQ("a|c|b|b", Children(root));
}

int CALLBACK CompareByParam(LPARAM a, LPARAM b, LPARAM user)
{
    return static_cast<int>(a - b) * static_cast<int>(user);
}

TEST_F(TreeItemTest, SortingWithACompareFunctionAndCallbackTexts)
{
    for (int i = 0; i < 4; ++i)
        Add(root, std::to_string(i).c_str())->m_tvi.lParam = (i * 3) % 4; // 0 3 2 1
    root.SortChildren(0, TRUE, TRUE, CompareByParam, 1);
    EXPECT_EQ("0|3|2|1", Children(root));
    root.SortChildren(0, TRUE, FALSE, CompareByParam, 1);
    EXPECT_EQ("1|2|3|0", Children(root));

    // A node whose text comes from the owner compares equal to every other.
    root.DeleteChildren();
    Add(root, "b");
    Add(root, LPSTR_TEXTCALLBACK);
    Add(root, "a");
    root.SortChildren(0, TRUE, TRUE, nullptr, 0);
    EXPECT_EQ("b||a", Children(root));
}

TEST_F(TreeItemTest, SortedInsertionPlacesAfterTheLastSmallerText)
{
    COXTreeItem* b = Add(root, "b");
    Add(root, "d");
    COXTreeItem* d2 = Add(root, "d");
    EXPECT_EQ(reinterpret_cast<COXTreeItem*>(TVI_FIRST), root.GetSortedInsertAfter("a"));
    EXPECT_EQ(b, root.GetSortedInsertAfter("c"));
    EXPECT_EQ(d2, root.GetSortedInsertAfter("e")) << "after the last of equal texts, so the order holds";
    EXPECT_EQ(b, root.GetSortedInsertAfter("d")) << "an equal text goes before its equals";
    EXPECT_EQ(reinterpret_cast<COXTreeItem*>(TVI_LAST), root.GetSortedInsertAfter(""));

    Add(root, "", root.GetSortedInsertAfter(""));
    Add(root, "c", root.GetSortedInsertAfter("c"));
    EXPECT_EQ("b|c|d|d|", Children(root));
    COXTreeItem empty;
    EXPECT_EQ(reinterpret_cast<COXTreeItem*>(TVI_FIRST), empty.GetSortedInsertAfter("x"));
}

TEST_F(TreeItemTest, MissingSubItemsReadAsDefaultsAndSettersCreateThem)
{
    COXTreeItem item("name");
    EXPECT_EQ(-1, item.GetItemImage(0));
    EXPECT_EQ("", item.GetItemText(3));
    EXPECT_EQ(-1, item.GetItemImage(3));
    EXPECT_EQ(static_cast<UINT>(0x8000), item.GetDrawEllipsis(3));
    EXPECT_EQ(nullptr, item.GetSubItem(3));

    item.SetItemColor(RGB(1, 2, 3), 2);
    ASSERT_NE(nullptr, item.GetSubItem(2));
    EXPECT_EQ("", item.GetItemText(2));
    EXPECT_EQ(-1, item.GetItemImage(2));
    EXPECT_EQ(static_cast<UINT>(0x8000), item.GetDrawEllipsis(2));
    EXPECT_TRUE(item.HasColor(2));
    EXPECT_FALSE(item.HasColor(0));

    item.SetSubItem(4, OX_SUBITEM_TEXT | OX_SUBITEM_IMAGE | OX_SUBITEM_BGCOLOR, "four", 7, nullptr, 0, RGB(9, 9, 9));
    EXPECT_EQ("four", item.GetItemText(4));
    EXPECT_EQ(7, item.GetItemImage(4));
    EXPECT_TRUE(item.HasBackColor(4));
    EXPECT_FALSE(item.HasColor(4));

    // Fonts are copied into the node's own; a null font clears the flag.
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    item.SetItemFont(&font, 0);
    item.SetItemFont(&font, 4);
    ASSERT_TRUE(item.HasFont(0) && item.HasFont(4));
    EXPECT_NE(font.GetSafeHandle(), item.GetItemFont(0)->GetSafeHandle());
    item.SetItemFont(nullptr, 4);
    EXPECT_FALSE(item.HasFont(4));
    EXPECT_EQ(nullptr, item.GetItemFont(4));

    // Deleting a column drops its sub-item and moves the later ones down.
    item.RemoveSubItemColumn(2);
    EXPECT_EQ(nullptr, item.GetSubItem(4));
    EXPECT_EQ("four", item.GetItemText(3));
}

TEST_F(TreeItemTest, CopyingASubtreeMakesIndependentNodes)
{
    COXTreeItem* a = Add(root, "a");
    a->SetItemText("a-kind", 1);
    CStringArray list;
    list.Add("Low");
    list.Add("High");
    a->SetEditMode(OXET_COMBO, &list, 1);
    a->m_bExpand = TRUE;
    Add(*a, "a1");
    Add(*Add(*a, "a2"), "a21");

    COXTreeItem other;
    COXTreeItem* copy = a->CopySubtree(&other, nullptr, TRUE);
    EXPECT_EQ(copy, other.pFirstChild);
    EXPECT_EQ(&other, copy->pParent);
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(copy), copy->m_tvi.hItem);
    EXPECT_NE(a->m_tvi.pszText, copy->m_tvi.pszText);
    EXPECT_EQ("a-kind", copy->GetItemText(1));
    ASSERT_NE(nullptr, copy->GetEditList(1));
    EXPECT_EQ(2, copy->GetEditList(1)->GetSize());
    EXPECT_EQ(static_cast<UINT>(OXET_COMBO), copy->GetEditMode(1));
    EXPECT_TRUE(copy->m_bExpand);
    EXPECT_EQ("a1|a2", Children(*copy));
    EXPECT_EQ("a21", Children(*copy->GetLastChild()));
    EXPECT_EQ(4, [&] { int n = 0; for (COXTreeItem* i = other.GetNextInTree(); i; i = i->GetNextInTree()) ++n; return n; }());

    // The copy lives on its own once the source branch goes.
    delete a;
    copy->SetItemText("changed", 1);
    EXPECT_EQ("changed", copy->GetItemText(1));

    COXTreeItem* single = copy->CopySubtree(&root, nullptr, FALSE);
    EXPECT_EQ(nullptr, single->pFirstChild);
}

} // namespace
