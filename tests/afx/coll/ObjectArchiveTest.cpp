#include "afx/Archive.h"
#include "afx/ArrayTypes.h"
#include "MemoryFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// An object that owns its child and refers to a peer it does not own.
class CThing : public CObject
{
    DECLARE_SERIAL(CThing)
public:
    static int live;
    CThing() { ++live; }
    ~CThing() override
    {
        delete child;
        --live;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << value << name << child << peer;
        } else {
            ar >> value >> name >> child;
            CObject* p;
            ar >> p;
            peer = static_cast<CThing*>(p);
        }
    }

    LONG value = 0;
    CString name;
    CThing* child = nullptr;
    CThing* peer = nullptr;
};
IMPLEMENT_SERIAL(CThing, CObject, 1)
int CThing::live = 0;

// Reads older versions of itself: version 1 had no second field.
class CVersioned : public CObject
{
    DECLARE_SERIAL(CVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << a << b;
        } else {
            schemaSeen = ar.GetObjectSchema();
            ar >> a;
            if (schemaSeen >= 2)
                ar >> b;
        }
    }
    WORD a = 0;
    WORD b = 0;
    UINT schemaSeen = 0;
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 2)

namespace {
std::string Dword(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

int ArchiveCause(const std::string& bytes, const std::function<void(CArchive&)>& fn)
{
    MemoryFile file(bytes);
    CArchive ar(&file, CArchive::load);
    try {
        fn(ar);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

const std::string kThingClass = Bytes({0xFF, 0xFF, 1, 0, 6, 0}) + "CThing";
}

TEST(CArchiveObjects, SecondObjectOfAClassUsesAClassReference)
{
    CThing::live = 0;
    {
        CThing first, second;
        first.value = 5;
        second.value = 6;
        second.peer = &first;
        std::string bytes = Stored([&](CArchive& ar) {
            ar << &first << &second << static_cast<CObject*>(nullptr) << &first;
        });
        std::string expected = kThingClass + Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0})   // value, "", null child, null peer
                               + Bytes({0x01, 0x80, 6, 0, 0, 0, 0, 0, 0, 2, 0})   // class #1; peer is object #2
                               + Bytes({0, 0, 2, 0});                             // null, then object #2 again
        EXPECT_EQ(expected, bytes);

        MemoryFile file(bytes);
        CArchive ar(&file, CArchive::load);
        CThing *a, *b, *none, *again;
        ar >> a >> b >> none >> again;
        std::unique_ptr<CThing> ownA(a), ownB(b);
        ASSERT_NE(nullptr, a);
        ASSERT_NE(nullptr, b);
        EXPECT_EQ(5, a->value);
        EXPECT_EQ(6, b->value);
        EXPECT_EQ(a, b->peer);
        EXPECT_EQ(nullptr, none);
        EXPECT_EQ(a, again);
    }
    EXPECT_EQ(0, CThing::live);
}

TEST(CArchiveObjects, SchemaChecks)
{
    // A fixed-version class refuses any other stored version.
    std::string wrongVersion = Bytes({0xFF, 0xFF, 2, 0, 6, 0}) + "CThing" + std::string(9, '\0');
    EXPECT_EQ(CArchiveException::badSchema,
              ArchiveCause(wrongVersion, [](CArchive& ar) { delete ar.ReadObject(nullptr); }));

    // A versionable one reads the old version and is told which it is.
    std::string older = Bytes({0xFF, 0xFF, 1, 0, 10, 0}) + "CVersioned" + Bytes({7, 0}) + Bytes({0x01, 0x80, 8, 0});
    MemoryFile file(older);
    CArchive ar(&file, CArchive::load);
    std::unique_ptr<CObject> one(ar.ReadObject(RUNTIME_CLASS(CVersioned)));
    std::unique_ptr<CObject> two(ar.ReadObject(RUNTIME_CLASS(CVersioned)));
    auto* v1 = static_cast<CVersioned*>(one.get());
    auto* v2 = static_cast<CVersioned*>(two.get());
    EXPECT_EQ(1u, v1->schemaSeen);
    EXPECT_EQ(7, v1->a);
    EXPECT_EQ(1u, v2->schemaSeen);   // a class reference keeps the stored version
    EXPECT_EQ(8, v2->a);

    CVersioned current;
    current.a = 1;
    current.b = 2;
    std::string bytes = Stored([&](CArchive& a) { a << &current << &current << v2; });
    EXPECT_EQ(Bytes({0xFF, 0xFF, 2, 0, 10, 0}) + "CVersioned" + Bytes({1, 0, 2, 0}), bytes.substr(0, 20));
    // Read back, the version is the plain number for every object of the class.
    MemoryFile again(bytes);
    CArchive in(&again, CArchive::load);
    std::unique_ptr<CObject> c1(in.ReadObject(nullptr));
    in.ReadObject(nullptr);
    std::unique_ptr<CObject> c2(in.ReadObject(nullptr));
    EXPECT_EQ(2u, static_cast<CVersioned*>(c1.get())->schemaSeen);
    EXPECT_EQ(2u, static_cast<CVersioned*>(c2.get())->schemaSeen);
}

TEST(CArchiveObjects, DamagedRecordsThrowInsteadOfCrashing)
{
    auto read = [](CArchive& ar) { delete ar.ReadObject(nullptr); };
    EXPECT_EQ(CArchiveException::badClass, ArchiveCause(Bytes({0xFF, 0xFF, 1, 0, 6, 0}) + "CNoSuch", read));
    EXPECT_EQ(CArchiveException::badClass,
              ArchiveCause(kThingClass + std::string(9, '\0'),
                           [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(CVersioned)); }));
    // A class without a stored form, named with the "no schema" version.
    EXPECT_EQ(CArchiveException::badClass, ArchiveCause(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 9, 0}) + "CPtrArray", read));
    EXPECT_EQ(CArchiveException::badIndex, ArchiveCause(Bytes({0x05, 0x00}), read));   // object never stored
    EXPECT_EQ(CArchiveException::badIndex, ArchiveCause(Bytes({0x09, 0x80}), read));   // class never stored
    // The first object's reference points at its class, then a class tag at an object.
    EXPECT_EQ(CArchiveException::badIndex,
              ArchiveCause(kThingClass + Bytes({1, 0, 0, 0, 0, 0, 0, 1, 0}), read));
    EXPECT_EQ(CArchiveException::badIndex,
              ArchiveCause(kThingClass + Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x80}),
                           [](CArchive& ar) { delete ar.ReadObject(nullptr); delete ar.ReadObject(nullptr); }));

    // Classes without a stored form cannot be written.
    MemoryFile file;
    CArchive ar(&file, CArchive::store);
    CPtrArray pointers;
    try {
        ar << &pointers;
        ADD_FAILURE() << "a class without a schema was stored";
    } catch (CNotSupportedException* e) {
        e->Delete();
    }
}

TEST(CArchiveObjects, EveryTruncationThrowsAndLeaksNothing)
{
    CThing::live = 0;
    std::string bytes;
    {
        CThing root;
        root.value = 1;
        root.name = CString('n', 300);
        root.child = new CThing;
        root.child->name = "child";
        root.child->child = new CThing;
        root.child->child->peer = &root;
        bytes = Stored([&](CArchive& ar) { ar << &root; });
    }
    ASSERT_EQ(0, CThing::live);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        int cause = ArchiveCause(bytes.substr(0, cut), [](CArchive& ar) { delete ar.ReadObject(nullptr); });
        ASSERT_EQ(CArchiveException::endOfFile, cause) << cut;
        ASSERT_EQ(0, CThing::live) << cut;
    }
    MemoryFile file(bytes);
    CArchive ar(&file, CArchive::load);
    std::unique_ptr<CObject> whole(ar.ReadObject(RUNTIME_CLASS(CThing)));
    auto* root = static_cast<CThing*>(whole.get());
    EXPECT_EQ(300, root->name.GetLength());
    ASSERT_NE(nullptr, root->child);
    ASSERT_NE(nullptr, root->child->child);
    EXPECT_EQ(root, root->child->child->peer);
}

TEST(CArchiveObjects, BigTagsPastTheSixteenBitIndexes)
{
    CThing::live = 0;
    const DWORD count = 0x7FFF + 10;
    std::vector<std::unique_ptr<CThing>> things;
    for (DWORD i = 0; i < count; ++i) {
        things.emplace_back(new CThing);
        things.back()->value = static_cast<LONG>(i);
    }
    CVersioned v1, v2;
    MemoryFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (auto& t : things)
            ar << t.get();
        ar << &v1 << &v2 << things.back().get();
        ar.Close();
    }
    // Class CThing is #1, the things #2..#count+1, class CVersioned #count+2.
    const DWORD versionedClass = count + 2;
    std::string tail = file.Bytes().substr(file.data.size() - 6 - 4 - 6);
    EXPECT_EQ(Bytes({0xFF, 0x7F}) + Dword(0x80000000 | versionedClass), tail.substr(0, 6));
    EXPECT_EQ(Bytes({0xFF, 0x7F}) + Dword(count + 1), tail.substr(10));   // the last thing

    things.clear();
    file.pos = 0;
    CArchive ar(&file, CArchive::load);
    for (DWORD i = 0; i < count; ++i) {
        CThing* t;
        ar >> t;
        things.emplace_back(t);
    }
    EXPECT_EQ(static_cast<LONG>(count - 1), things.back()->value);
    std::unique_ptr<CObject> r1(ar.ReadObject(nullptr)), r2(ar.ReadObject(nullptr));
    EXPECT_TRUE(r2->IsKindOf(RUNTIME_CLASS(CVersioned)));
    EXPECT_EQ(things.back().get(), ar.ReadObject(nullptr));
}
