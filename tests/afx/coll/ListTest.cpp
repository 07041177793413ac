#include "afx/List.h"
#include "Counted.h"

#include <gtest/gtest.h>

namespace {
CString Join(const CStringList& list)
{
    CString out;
    for (POSITION p = list.GetHeadPosition(); p;) {
        out += list.GetNext(p);
        if (p)
            out += ",";
    }
    return out;
}

CString JoinBackwards(const CStringList& list)
{
    CString out;
    for (POSITION p = list.GetTailPosition(); p;) {
        out += list.GetPrev(p);
        if (p)
            out += ",";
    }
    return out;
}
}

TEST(CList, AddInsertRemoveKeepBothDirectionsLinked)
{
    CStringList list;
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    POSITION b = list.AddTail("b");
    list.AddHead("a");
    POSITION d = list.AddTail("d");
    list.InsertBefore(d, "c");
    list.InsertAfter(d, "e");
    list.InsertBefore(nullptr, "0");   // null: at the head
    list.InsertAfter(nullptr, "f");    // null: at the tail
    EXPECT_EQ("0,a,b,c,d,e,f", Join(list));
    EXPECT_EQ("f,e,d,c,b,a,0", JoinBackwards(list));
    EXPECT_EQ(7, list.GetCount());

    list.RemoveAt(b);
    EXPECT_EQ("0", list.RemoveHead());
    EXPECT_EQ("f", list.RemoveTail());
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ("c,d", Join(list));
    EXPECT_EQ("d,c", JoinBackwards(list));
    EXPECT_EQ("c", list.GetHead());
    EXPECT_EQ("d", list.GetTail());
    list.SetAt(list.GetHeadPosition(), "C");
    EXPECT_EQ("C", list.GetAt(list.GetHeadPosition()));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetTailPosition());
    try {
        list.RemoveHead();
        ADD_FAILURE() << "RemoveHead on an empty list must throw";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
}

TEST(CList, FindAndFindIndex)
{
    CStringList list;
    for (LPCSTR s : {"x", "y", "x", "z"})
        list.AddTail(s);
    POSITION first = list.Find("x");
    ASSERT_NE(nullptr, first);
    POSITION second = list.Find("x", first);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(list.FindIndex(2), second);
    EXPECT_EQ(nullptr, list.Find("x", second));
    EXPECT_EQ(nullptr, list.Find("w"));
    EXPECT_EQ(list.GetTailPosition(), list.FindIndex(3));
    EXPECT_EQ(nullptr, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
}

TEST(CList, AddsWholeListsIncludingItself)
{
    CStringList list, other;
    list.AddTail("m");
    other.AddTail("1");
    other.AddTail("2");
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ("1,2,m,1,2", Join(list));
    list.AddTail(&list);
    EXPECT_EQ(10, list.GetCount());
    list.AddHead(&list);
    EXPECT_EQ("1,2,m,1,2,1,2,m,1,2,1,2,m,1,2,1,2,m,1,2", Join(list));
}

TEST(CList, DestroysEveryElement)
{
    Counted::live = 0;
    {
        CList<Counted> list;
        for (int i = 0; i < 20; ++i)
            list.AddTail(Counted("n"));
        list.RemoveHead();
        list.RemoveAt(list.FindIndex(5));
        EXPECT_EQ(18, Counted::live);
        CList<Counted> copy(list);
        EXPECT_EQ(36, Counted::live);
        EXPECT_NE(nullptr, copy.Find(Counted("n")));
    }
    EXPECT_EQ(0, Counted::live);
}

TEST(CList, TypedPointerList)
{
    struct Item : CObject { int n = 0; };
    Item a, b;
    a.n = 1;
    b.n = 2;
    CTypedPtrList<CObList, Item*> list;
    list.AddTail(&a);
    list.AddHead(&b);
    POSITION p = list.GetHeadPosition();
    EXPECT_EQ(2, list.GetNext(p)->n);
    EXPECT_EQ(1, list.GetNext(p)->n);
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(&a, list.GetTail());
    EXPECT_EQ(&b, list.RemoveHead());
    EXPECT_EQ(1, list.GetCount());
}

TEST(CList, ElementsPassedByReference)
{
    struct Accel { int key; };
    Accel a{1}, b{2};
    Accel* pa = &a;
    Accel* pb = &b;
    CList<Accel*, Accel*&> list;
    list.AddTail(pa);
    list.AddTail(pb);
    CList<Accel*, Accel*&> copy(list);
    copy.AddHead(&list);
    ASSERT_EQ(4, copy.GetCount());
    EXPECT_EQ(&a, copy.GetHead());
    EXPECT_EQ(copy.FindIndex(3), copy.Find(pb, copy.FindIndex(1)));
}
