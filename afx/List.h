// CList: a doubly linked list walked with POSITION values, and the class
// library's ready-made lists of strings, pointers and objects with their typed
// face CTypedPtrList. A POSITION stays valid until its own element is removed.
#pragma once

#include "afx/CollHelpers.h"
#include "afx/Exception.h"

#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    // Nodes are allocated one by one; the block size is kept for the interface.
    explicit CList(INT_PTR blockSize = 10)
        : m_pNodeHead(nullptr), m_pNodeTail(nullptr), m_nCount(0), m_nBlockSize(blockSize) {}
    CList(const CList& other) : CList(other.m_nBlockSize) { AddTail(&other); }
    CList& operator=(const CList& other)
    {
        if (this != &other) {
            RemoveAll();
            AddTail(&other);
        }
        return *this;
    }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // On an empty list these throw CInvalidArgException.
    TYPE& GetHead() { return NonNull(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonNull(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonNull(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonNull(m_pNodeTail)->data; }
    TYPE RemoveHead();
    TYPE RemoveTail();

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(nullptr, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(nullptr, newElement); }
    // The other list's elements in their order; a list may add itself.
    void AddHead(const CList* newList);
    void AddTail(const CList* newList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }
    // Return the element at position and move position on (nullptr past the end).
    TYPE& GetNext(POSITION& position) { return Step(position, true)->data; }
    const TYPE& GetNext(POSITION& position) const { return Step(position, true)->data; }
    TYPE& GetPrev(POSITION& position) { return Step(position, false)->data; }
    const TYPE& GetPrev(POSITION& position) const { return Step(position, false)->data; }

    TYPE& GetAt(POSITION position) { return NonNull(ToNode(position))->data; }
    const TYPE& GetAt(POSITION position) const { return NonNull(ToNode(position))->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { NonNull(ToNode(position))->data = newElement; }
    void RemoveAt(POSITION position);
    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // The first match after startAfter (from the head when null); nullptr when none.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    // The position of the index-th element, nullptr when out of range.
    POSITION FindIndex(INT_PTR index) const;

    // The count (WriteCount form), then the elements head first; loading
    // appends to what the list holds.
    void Serialize(CArchive& ar) override;

protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    INT_PTR m_nBlockSize;

private:
    static CNode* ToNode(POSITION position) { return reinterpret_cast<CNode*>(position); }
    static POSITION ToPosition(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* NonNull(CNode* node)
    {
        if (!node)
            AfxThrowInvalidArgException();
        return node;
    }
    // A new node between prev and next (either null at an end), counted.
    CNode* LinkNew(CNode* prev, CNode* next);
    CNode* Step(POSITION& position, bool forward) const
    {
        CNode* node = NonNull(ToNode(position));
        position = ToPosition(forward ? node->pNext : node->pPrev);
        return node;
    }
};

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    CNode* node = NonNull(m_pNodeHead);
    TYPE value = std::move(node->data);
    RemoveAt(ToPosition(node));
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    CNode* node = NonNull(m_pNodeTail);
    TYPE value = std::move(node->data);
    RemoveAt(ToPosition(node));
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(const CList* newList)
{
    if (!newList)
        AfxThrowInvalidArgException();
    // Count first: when the list adds itself it grows while we walk it.
    INT_PTR count = newList->m_nCount;
    CNode* from = newList->m_pNodeTail;
    for (INT_PTR i = 0; i < count; ++i, from = from->pPrev)
        LinkNew(nullptr, m_pNodeHead)->data = from->data;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(const CList* newList)
{
    if (!newList)
        AfxThrowInvalidArgException();
    INT_PTR count = newList->m_nCount;
    CNode* from = newList->m_pNodeHead;
    for (INT_PTR i = 0; i < count; ++i, from = from->pNext)
        LinkNew(m_pNodeTail, nullptr)->data = from->data;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* node = m_pNodeHead; node;) {
        CNode* next = node->pNext;
        delete node;
        node = next;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* node = NonNull(ToNode(position));
    (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
    (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
    delete node;
    --m_nCount;
}

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::LinkNew(CNode* prev, CNode* next)
{
    CNode* node = new CNode{next, prev, TYPE()};
    (prev ? prev->pNext : m_pNodeHead) = node;
    (next ? next->pPrev : m_pNodeTail) = node;
    ++m_nCount;
    return node;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* next = position ? ToNode(position) : m_pNodeHead;
    CNode* node = LinkNew(next ? next->pPrev : nullptr, next);
    node->data = newElement;
    return ToPosition(node);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* prev = position ? ToNode(position) : m_pNodeTail;
    CNode* node = LinkNew(prev, prev ? prev->pNext : nullptr);
    node->data = newElement;
    return ToPosition(node);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* node = startAfter ? ToNode(startAfter)->pNext : m_pNodeHead;
    for (; node; node = node->pNext)
        if (CompareElements(&node->data, &searchValue))
            return ToPosition(node);
    return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR index) const
{
    if (index < 0 || index >= m_nCount)
        return nullptr;
    CNode* node = m_pNodeHead;
    while (index--)
        node = node->pNext;
    return ToPosition(node);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (CNode* node = m_pNodeHead; node; node = node->pNext)
            SerializeElements<TYPE>(ar, &node->data, 1);
        return;
    }
    for (DWORD_PTR count = ar.ReadCount(); count; --count) {
        TYPE element[1] = {};
        SerializeElements<TYPE>(ar, element, 1);
        AddTail(element[0]);
    }
}

// Typed access to a list of pointers (BASE_CLASS is CPtrList or CObList).
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(INT_PTR blockSize = 10) : BASE_CLASS(blockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(const CTypedPtrList* newList) { BASE_CLASS::AddHead(newList); }
    void AddTail(const CTypedPtrList* newList) { BASE_CLASS::AddTail(newList); }
    TYPE& GetNext(POSITION& position) { return (TYPE&)BASE_CLASS::GetNext(position); }
    TYPE GetNext(POSITION& position) const { return (TYPE)BASE_CLASS::GetNext(position); }
    TYPE& GetPrev(POSITION& position) { return (TYPE&)BASE_CLASS::GetPrev(position); }
    TYPE GetPrev(POSITION& position) const { return (TYPE)BASE_CLASS::GetPrev(position); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION position, TYPE newElement) { BASE_CLASS::SetAt(position, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement) { return BASE_CLASS::InsertBefore(position, newElement); }
    POSITION InsertAfter(POSITION position, TYPE newElement) { return BASE_CLASS::InsertAfter(position, newElement); }
};

class CStringList : public CList<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR blockSize = 10) : CList(blockSize) {}
};

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR blockSize = 10) : CList(blockSize) {}
};

// Holds the objects without owning them: deleting them stays the caller's job.
class CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR blockSize = 10) : CList(blockSize) {}
};
