#include "afx/Archive.h"
#include "afx/ArrayTypes.h"
#include "afx/List.h"
#include "afx/Map.h"
#include "Counted.h"
#include "MemoryFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
void Load(const std::string& bytes, const std::function<void(CArchive&)>& fn)
{
    MemoryFile file(bytes);
    CArchive ar(&file, CArchive::load);
    fn(ar);
}

struct Band
{
    LONG left, top;
    WORD flags;
    WORD pad;
};
}

TEST(CollectionArchive, ArraysOfPlainDataAndStrings)
{
    CStringArray strings;
    strings.Add("a");
    strings.Add("\xE1\xE2");   // Cyrillic bytes as they are
    std::string bytes = Stored([&](CArchive& ar) { strings.Serialize(ar); });
    EXPECT_EQ(Bytes({2, 0, 1, 'a', 2, 0xE1, 0xE2}), bytes);
    CStringArray back;
    back.Add("stale");
    back.Add("stale");
    back.Add("stale");
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(2, back.GetSize());
    EXPECT_EQ("\xE1\xE2", back[1]);

    CDWordArray dwords;
    dwords.Add(1);
    dwords.Add(0x01020304);
    EXPECT_EQ(Bytes({2, 0, 1, 0, 0, 0, 4, 3, 2, 1}), Stored([&](CArchive& ar) { dwords.Serialize(ar); }));
    CWordArray words;
    words.Add(0xBEEF);
    EXPECT_EQ(Bytes({1, 0, 0xEF, 0xBE}), Stored([&](CArchive& ar) { words.Serialize(ar); }));

    // Structures go bit for bit, as they lie in memory.
    CArray<Band, const Band&> bands;
    bands.Add(Band{1, -1, 7, 0});
    bytes = Stored([&](CArchive& ar) { bands.Serialize(ar); });
    EXPECT_EQ(Bytes({1, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0}), bytes);

    // A large byte array takes the long count form and survives whole.
    CByteArray blob;
    blob.SetSize(70000);
    for (INT_PTR i = 0; i < blob.GetSize(); ++i)
        blob[i] = static_cast<BYTE>(i * 7);
    bytes = Stored([&](CArchive& ar) { blob.Serialize(ar); });
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0x70, 0x11, 1, 0}), bytes.substr(0, 6));
    CByteArray blobBack;
    Load(bytes, [&](CArchive& ar) { blobBack.Serialize(ar); });
    ASSERT_EQ(70000, blobBack.GetSize());
    EXPECT_EQ(0, memcmp(blob.GetData(), blobBack.GetData(), 70000));
}

TEST(CollectionArchive, DamagedCountsFailOnTheMissingData)
{
    // Claims 0x7FFFFFFE elements, holds one.
    std::string bytes = Bytes({0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0});
    CDWordArray dwords;
    try {
        Load(bytes, [&](CArchive& ar) { dwords.Serialize(ar); });
        ADD_FAILURE() << "a short array was accepted";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
        e->Delete();
    }
    CStringList strings;
    try {
        Load(Bytes({0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'x'}),
             [&](CArchive& ar) { strings.Serialize(ar); });
        ADD_FAILURE() << "a short string was accepted";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
        e->Delete();
    }
}

TEST(CollectionArchive, ListsAndMaps)
{
    CStringList list;
    list.AddTail("one");
    list.AddTail("");
    std::string bytes = Stored([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(Bytes({2, 0, 3, 'o', 'n', 'e', 0}), bytes);
    CStringList listBack;
    Load(bytes, [&](CArchive& ar) { listBack.Serialize(ar); });
    ASSERT_EQ(2, listBack.GetCount());
    EXPECT_EQ("one", listBack.GetHead());

    // Entries go in hash-table order: keys 1 (bucket 0) before 0x20 (bucket 2).
    CMap<UINT, UINT, RECT, RECT> rects;
    rects[0x20] = RECT{1, 2, 3, 4};
    rects[1] = RECT{5, 6, 7, 8};
    bytes = Stored([&](CArchive& ar) { rects.Serialize(ar); });
    EXPECT_EQ(Bytes({2, 0, 1, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0, 7, 0, 0, 0, 8, 0, 0, 0,
                     0x20, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0}),
              bytes);

    CMapStringToString names;
    for (int i = 0; i < 100; ++i) {
        CString key;
        key.Format("k%d", i);
        names[key] = key + "v";
    }
    bytes = Stored([&](CArchive& ar) { names.Serialize(ar); });
    CMapStringToString namesBack;
    Load(bytes, [&](CArchive& ar) { namesBack.Serialize(ar); });
    ASSERT_EQ(100, namesBack.GetCount());
    CString value;
    EXPECT_TRUE(namesBack.Lookup("k42", value));
    EXPECT_EQ("k42v", value);
}

TEST(CollectionArchive, ObjectCollectionsGoAsObjectRecords)
{
    CStringArray inner;
    inner.Add("x");
    CObArray objects;
    objects.Add(&inner);
    objects.Add(nullptr);
    objects.Add(&inner);
    std::string bytes = Stored([&](CArchive& ar) { ar << &objects; });
    std::string expected = Bytes({0xFF, 0xFF, 0, 0, 8, 0}) + "CObArray" + Bytes({3, 0})
                           + Bytes({0xFF, 0xFF, 0, 0, 12, 0}) + "CStringArray" + Bytes({1, 0, 1, 'x'})
                           + Bytes({0, 0}) + Bytes({4, 0});   // null, then the string array (object #4)
    EXPECT_EQ(expected, bytes);

    Load(bytes, [&](CArchive& ar) {
        CObject* read;
        ar >> read;
        std::unique_ptr<CObject> owner(read);
        ASSERT_TRUE(read->IsKindOf(RUNTIME_CLASS(CObArray)));
        auto* back = static_cast<CObArray*>(read);
        ASSERT_EQ(3, back->GetSize());
        std::unique_ptr<CObject> innerOwner(back->GetAt(0));
        EXPECT_EQ(nullptr, back->GetAt(1));
        EXPECT_EQ(back->GetAt(0), back->GetAt(2));
        ASSERT_TRUE(back->GetAt(0)->IsKindOf(RUNTIME_CLASS(CStringArray)));
        EXPECT_EQ("x", static_cast<CStringArray*>(back->GetAt(0))->GetAt(0));
    });
}

TEST(CollectionArchive, OwningElementsWithoutAStoredFormAreRefused)
{
    Counted::live = 0;
    CArray<Counted> items;
    items.Add(Counted("a"));
    MemoryFile file;
    CArchive ar(&file, CArchive::store);
    try {
        items.Serialize(ar);
        ADD_FAILURE() << "element addresses were stored";
    } catch (CNotSupportedException* e) {
        e->Delete();
    }
}
