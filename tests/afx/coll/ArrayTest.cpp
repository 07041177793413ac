#include "afx/ArrayTypes.h"
#include "Counted.h"

#include <gtest/gtest.h>

int Counted::live = 0;

namespace {
CString Join(const CStringArray& a)
{
    CString out;
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        if (i)
            out += ",";
        out += a[i];
    }
    return out;
}

template <class F>
bool ThrowsInvalidArg(F f)
{
    try {
        f();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}
}

TEST(CArray, GrowsAndKeepsValuesAcrossReallocations)
{
    CArray<int, int> a;
    for (int i = 0; i < 1000000; ++i)
        a.Add(i);
    ASSERT_EQ(1000000, a.GetSize());
    EXPECT_EQ(999999, a.GetUpperBound());
    long long sum = 0;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        sum += a[i];
    EXPECT_EQ(999999LL * 1000000 / 2, sum);

    a.SetSize(3);
    a.SetSize(6);   // regrown elements start at zero, not at the old values
    EXPECT_EQ(2, a[2]);
    EXPECT_EQ(0, a[3]);
    EXPECT_EQ(0, a[5]);
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(nullptr, a.GetData());
}

TEST(CArray, ConstructsAndDestroysEveryElement)
{
    Counted::live = 0;
    {
        CArray<Counted> a;
        for (int i = 0; i < 100; ++i)
            a.Add(Counted("x"));
        EXPECT_EQ(100, Counted::live);
        a.SetSize(10);   // shrinking destroys the cut-off elements
        EXPECT_EQ(10, Counted::live);
        a.InsertAt(5, Counted("mid"), 3);
        EXPECT_EQ(13, Counted::live);
        EXPECT_EQ("mid", a[7].text);
        EXPECT_EQ("x", a[8].text);
        a.RemoveAt(0, 4);
        EXPECT_EQ(9, Counted::live);
        a.FreeExtra();
        EXPECT_EQ(9, Counted::live);
        CArray<Counted> b;
        b.Copy(a);
        EXPECT_EQ(18, Counted::live);
    }
    EXPECT_EQ(0, Counted::live);
}

TEST(CArray, InsertAndRemoveAtBothEndsAndTheMiddle)
{
    CStringArray a;
    a.Add("b");
    a.InsertAt(0, "a");
    a.InsertAt(2, "d");
    a.InsertAt(2, "c");
    EXPECT_EQ("a,b,c,d", Join(a));
    a.InsertAt(6, "g");   // past the end: the gap is filled with empty strings
    EXPECT_EQ("a,b,c,d,,,g", Join(a));
    a.RemoveAt(6);
    a.RemoveAt(0);
    a.RemoveAt(1, 2);
    EXPECT_EQ("b,,", Join(a));

    CStringArray more;
    more.Add("x");
    more.Add("y");
    a.InsertAt(1, &more);
    EXPECT_EQ("b,x,y,,", Join(a));
    a.InsertAt(0, &a);   // an array inserted into itself
    EXPECT_EQ("b,x,y,,,b,x,y,,", Join(a));
    EXPECT_EQ(10, a.Append(a));
    EXPECT_EQ(20, a.GetSize());
    EXPECT_EQ("b", a[10]);
    EXPECT_EQ("y", a[17]);
}

TEST(CArray, ElementOfTheSameArrayMayBeAddedOrInserted)
{
    CStringArray a;
    a.Add("first");
    for (int i = 0; i < 50; ++i)
        a.Add(a[0]);   // the source moves when the block grows
    for (int i = 0; i < 51; ++i)
        ASSERT_EQ("first", a[i]);
    a.InsertAt(0, a[50]);
    EXPECT_EQ("first", a[0]);
    a.SetAtGrow(200, a[1]);
    EXPECT_EQ("first", a[200]);
    EXPECT_EQ("", a[199]);
}

TEST(CArray, BadIndexesThrowInsteadOfCorrupting)
{
    CArray<int, int> a;
    a.Add(1);
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a[-1] = 0; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAt(5, 0); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(0, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetSize(-1); }));
    EXPECT_EQ(1, a.GetSize());
}

TEST(CArray, TypedPointerArrayAndRuntimeClasses)
{
    struct Item { int n; };
    Item one{1}, two{2};
    CTypedPtrArray<CPtrArray, Item*> items;
    items.Add(&one);
    items.InsertAt(0, &two);
    Item*& slot = items.ElementAt(1);
    EXPECT_EQ(&one, slot);
    EXPECT_EQ(2, items[0]->n);
    EXPECT_EQ(2, items.GetData()[0]->n);

    CStringArray strings;
    CUIntArray uints;
    EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(strings.IsSerializable());
    EXPECT_FALSE(uints.IsSerializable());
    EXPECT_FALSE(items.IsSerializable());
    CObject* made = RUNTIME_CLASS(CDWordArray)->CreateObject();
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CDWordArray)));
    delete made;
}
