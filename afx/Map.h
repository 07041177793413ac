// CMap: a hash map with the class library's interface, walked with
// GetStartPosition/GetNextAssoc in hash-table order, and the ready-made maps
// of strings, pointers and words with their typed face CTypedPtrMap.
// The table starts at 17 buckets and grows as the map fills, so large maps
// keep constant-time look-ups. Removing the entry just returned by
// GetNextAssoc during a walk is safe; adding entries during a walk is not.
#pragma once

#include "afx/CollHelpers.h"
#include "afx/Exception.h"

#include <utility>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    // Nodes are allocated one by one; the block size is kept for the interface.
    explicit CMap(INT_PTR blockSize = 10)
        : m_pHashTable(nullptr), m_nHashTableSize(17), m_nCount(0), m_nBlockSize(blockSize) {}
    CMap(const CMap& other) : CMap(other.m_nBlockSize) { CopyFrom(other); }
    CMap& operator=(const CMap& other)
    {
        if (this != &other) {
            RemoveAll();
            CopyFrom(other);
        }
        return *this;
    }
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    // Sets the bucket count (a prime a little above the expected size works
    // best). The table is built now, or on the first insertion.
    void InitHashTable(UINT hashSize, BOOL allocNow = TRUE);

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT hash;
        const CAssoc* assoc = GetAssocAt(key, hash);
        if (!assoc)
            return FALSE;
        rValue = assoc->value;
        return TRUE;
    }
    // The value for the key, added (value-initialised) when missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    // The count (WriteCount form), then key and value of each entry in
    // hash-table order; loading adds to what the map holds.
    void Serialize(CArchive& ar) override;

protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;   // the full hash: growing the table needs no rehashing of keys
        KEY key;
        VALUE value;
    };

    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    INT_PTR m_nBlockSize;

private:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& hash) const
    {
        hash = HashKey<ARG_KEY>(key);
        if (!m_pHashTable)
            return nullptr;
        for (CAssoc* assoc = m_pHashTable[hash % m_nHashTableSize]; assoc; assoc = assoc->pNext)
            if (assoc->nHashValue == hash && CompareElements(&assoc->key, &key))
                return assoc;
        return nullptr;
    }
    // The first entry of the first non-empty bucket from this one on.
    CAssoc* FirstFrom(UINT bucket) const
    {
        if (m_pHashTable)
            for (; bucket < m_nHashTableSize; ++bucket)
                if (m_pHashTable[bucket])
                    return m_pHashTable[bucket];
        return nullptr;
    }
    void Rehash(UINT newSize);
    void CopyFrom(const CMap& other);
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL allocNow)
{
    if (hashSize == 0)
        AfxThrowInvalidArgException();
    if (m_nCount) {
        Rehash(hashSize);
        return;
    }
    delete[] m_pHashTable;
    m_pHashTable = nullptr;
    m_nHashTableSize = hashSize;
    if (allocNow)
        m_pHashTable = new CAssoc*[hashSize]();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Rehash(UINT newSize)
{
    CAssoc** table = new CAssoc*[newSize]();
    if (m_pHashTable) {
        for (UINT i = 0; i < m_nHashTableSize; ++i) {
            for (CAssoc* assoc = m_pHashTable[i]; assoc;) {
                CAssoc* next = assoc->pNext;
                CAssoc*& bucket = table[assoc->nHashValue % newSize];
                assoc->pNext = bucket;
                bucket = assoc;
                assoc = next;
            }
        }
        delete[] m_pHashTable;
    }
    m_pHashTable = table;
    m_nHashTableSize = newSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT hash;
    if (CAssoc* assoc = GetAssocAt(key, hash))
        return assoc->value;
    if (!m_pHashTable)
        m_pHashTable = new CAssoc*[m_nHashTableSize]();
    else if ((UINT_PTR)m_nCount >= (UINT_PTR)m_nHashTableSize * 2)
        Rehash(m_nHashTableSize * 2 + 1);   // chains stay two long on average
    CAssoc*& bucket = m_pHashTable[hash % m_nHashTableSize];
    CAssoc* assoc = new CAssoc{bucket, hash, KEY(), VALUE()};
    assoc->key = key;
    bucket = assoc;
    ++m_nCount;
    return assoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (!m_pHashTable)
        return FALSE;
    UINT hash = HashKey<ARG_KEY>(key);
    for (CAssoc** link = &m_pHashTable[hash % m_nHashTableSize]; *link; link = &(*link)->pNext) {
        CAssoc* assoc = *link;
        if (assoc->nHashValue == hash && CompareElements(&assoc->key, &key)) {
            *link = assoc->pNext;
            delete assoc;
            --m_nCount;
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable) {
        for (UINT i = 0; i < m_nHashTableSize; ++i) {
            for (CAssoc* assoc = m_pHashTable[i]; assoc;) {
                CAssoc* next = assoc->pNext;
                delete assoc;
                assoc = next;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
    }
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    if (!rNextPosition)
        AfxThrowInvalidArgException();
    CAssoc* current = rNextPosition == BEFORE_START_POSITION ? FirstFrom(0) : reinterpret_cast<CAssoc*>(rNextPosition);
    if (!current)
        AfxThrowInvalidArgException();
    rKey = current->key;
    rValue = current->value;
    CAssoc* next = current->pNext ? current->pNext : FirstFrom(current->nHashValue % m_nHashTableSize + 1);
    rNextPosition = reinterpret_cast<POSITION>(next);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        if (m_pHashTable) {
            for (UINT i = 0; i < m_nHashTableSize; ++i) {
                for (CAssoc* assoc = m_pHashTable[i]; assoc; assoc = assoc->pNext) {
                    SerializeElements<KEY>(ar, &assoc->key, 1);
                    SerializeElements<VALUE>(ar, &assoc->value, 1);
                }
            }
        }
        return;
    }
    for (DWORD_PTR count = ar.ReadCount(); count; --count) {
        KEY key{};
        VALUE value{};
        SerializeElements<KEY>(ar, &key, 1);
        SerializeElements<VALUE>(ar, &value, 1);
        (*this)[key] = value;
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CopyFrom(const CMap& other)
{
    InitHashTable(other.m_nHashTableSize, FALSE);
    POSITION position = other.GetStartPosition();
    while (position) {
        KEY key;
        VALUE value;
        other.GetNextAssoc(position, key, value);
        (*this)[key] = value;
    }
}

// Typed access to a map of pointers (BASE_CLASS is one of the maps below).
template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(INT_PTR blockSize = 10) : BASE_CLASS(blockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        return BASE_CLASS::Lookup(key, (typename BASE_CLASS::BASE_VALUE&)rValue);
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        BASE_CLASS::GetNextAssoc(rPosition, (typename BASE_CLASS::BASE_KEY&)rKey,
                                 (typename BASE_CLASS::BASE_VALUE&)rValue);
    }
};

class CMapStringToString : public CMap<CString, LPCSTR, CString, LPCSTR>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR blockSize = 10) : CMap(blockSize) {}
};

class CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR blockSize = 10) : CMap(blockSize) {}
};

// Holds the objects without owning them: deleting them stays the caller's job.
class CMapStringToOb : public CMap<CString, LPCSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR blockSize = 10) : CMap(blockSize) {}
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(INT_PTR blockSize = 10) : CMap(blockSize) {}
};

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(INT_PTR blockSize = 10) : CMap(blockSize) {}
};

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(INT_PTR blockSize = 10) : CMap(blockSize) {}
};
