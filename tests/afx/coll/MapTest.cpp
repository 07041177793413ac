#include "afx/Array.h"
#include "afx/Map.h"
#include "afx/Rect.h"
#include "Counted.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CMap, ManyKeysEachVisitedOnceAfterGrowth)
{
    CMap<int, int, int, int> map;
    const int count = 20000;
    for (int i = 0; i < count; ++i)
        map[i * 7] = i;
    EXPECT_EQ(count, map.GetCount());
    EXPECT_GT(map.GetHashTableSize(), 17u);   // grew with the entries

    std::vector<int> seen(count, 0);
    POSITION p = map.GetStartPosition();
    int visits = 0;
    while (p) {
        int key, value;
        map.GetNextAssoc(p, key, value);
        ASSERT_EQ(key, value * 7);
        ++seen[value];
        ++visits;
    }
    EXPECT_EQ(count, visits);
    for (int n : seen)
        ASSERT_EQ(1, n);

    int value = -1;
    EXPECT_TRUE(map.Lookup(7 * 123, value));
    EXPECT_EQ(123, value);
    EXPECT_FALSE(map.Lookup(5, value));
    map.SetAt(5, 55);
    EXPECT_TRUE(map.Lookup(5, value));
    EXPECT_EQ(55, value);
}

TEST(CMap, RemovingKeysWhileWalkingACopy)
{
    CMapStringToString map;
    for (int i = 0; i < 200; ++i) {
        CString key;
        key.Format("key%d", i);
        map[key] = key + "!";
    }
    CMapStringToString copy;
    copy = map;
    POSITION p = copy.GetStartPosition();
    int walked = 0;
    while (p) {
        CString key, value;
        copy.GetNextAssoc(p, key, value);
        EXPECT_EQ(key + "!", value);
        EXPECT_TRUE(map.RemoveKey(key));
        ++walked;
    }
    EXPECT_EQ(200, walked);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(200, copy.GetCount());
    EXPECT_FALSE(map.RemoveKey("key1"));
}

TEST(CMap, RemovingTheEntryJustReturnedKeepsTheWalkGoing)
{
    CMapPtrToPtr map;
    for (INT_PTR i = 1; i <= 100; ++i)
        map.SetAt((void*)(i * 16), (void*)i);
    int walked = 0;
    for (POSITION p = map.GetStartPosition(); p;) {
        void* key;
        void* value;
        map.GetNextAssoc(p, key, value);
        map.RemoveKey(key);
        ++walked;
    }
    EXPECT_EQ(100, walked);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(CMap, StringKeysMatchByContentAndCyrillicBytes)
{
    CMap<CString, LPCSTR, int, int> map;
    map.InitHashTable(17);
    CString key("\xEA\xEB\xFE\xF7");   // "ключ" in 1251
    map[key] = 1;
    map["\xCA\xCB\xDE\xD7"] = 2;       // the upper-case word is another key
    int value = 0;
    EXPECT_TRUE(map.Lookup("\xEA\xEB\xFE\xF7", value));
    EXPECT_EQ(1, value);
    EXPECT_EQ(2, map.GetCount());
    EXPECT_EQ(HashKey<LPCSTR>("abc"), HashKey<const CString&>(CString("abc")));
}

TEST(CMap, DestroysKeysAndValues)
{
    Counted::live = 0;
    {
        CMap<CString, LPCSTR, Counted, const Counted&> map;
        for (int i = 0; i < 50; ++i) {
            CString key;
            key.Format("%d", i);
            map.SetAt(key, Counted("v"));
        }
        EXPECT_EQ(50, Counted::live);
        map.RemoveKey("7");
        EXPECT_EQ(49, Counted::live);
        map.SetAt("8", Counted("w"));   // replaces, adds nothing
        EXPECT_EQ(49, Counted::live);
    }
    EXPECT_EQ(0, Counted::live);
}

TEST(CMap, TypedPointerMap)
{
    struct Item { int n; };
    Item a{1};
    CTypedPtrMap<CMapStringToPtr, CString, Item*> map;
    map.SetAt("a", &a);
    Item* found = nullptr;
    EXPECT_TRUE(map.Lookup("a", found));
    EXPECT_EQ(&a, found);
    EXPECT_EQ(&a, map["a"]);
    POSITION p = map.GetStartPosition();
    CString key;
    map.GetNextAssoc(p, key, found);
    EXPECT_EQ("a", key);
    EXPECT_EQ(nullptr, p);
    EXPECT_TRUE(map.RemoveKey("a"));

    CMapWordToPtr words;
    words[WORD(0xFFFF)] = &a;
    void* v = nullptr;
    EXPECT_TRUE(words.Lookup(0xFFFF, v));
}

TEST(CMap, KeyAndValueFormsTheLayersUse)
{
    // Keys passed by reference, handles, characters, text by pointer; values
    // that are themselves arrays.
    CMap<WORD, WORD&, int*, int*&> byRef;
    WORD id = 100;
    int target = 0;
    int* ptr = &target;
    byRef.SetAt(id, ptr);
    int* found = nullptr;
    EXPECT_TRUE(byRef.Lookup(id, found));
    EXPECT_EQ(&target, found);

    CMap<HWND, HWND, CPoint, CPoint> points;
    points[HWND_DESKTOP] = CPoint(3, 4);
    EXPECT_EQ(4, points[HWND_DESKTOP].y);

    CMap<char, char, int, int> mnemonics;
    mnemonics['\xE0'] = 1;   // Cyrillic "а": a negative char
    EXPECT_EQ(1, mnemonics['\xE0']);

    typedef CArray<int, int> Items;
    CMap<CString, LPCTSTR, Items, Items&> saved;
    saved["menu"].Add(7);
    CMap<CString, LPCTSTR, Items, Items&> copy(saved);
    saved["menu"].Add(8);
    EXPECT_EQ(1, copy["menu"].GetSize());
    EXPECT_EQ(2, saved["menu"].GetSize());
}
