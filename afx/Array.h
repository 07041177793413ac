// CArray: a growable array of values with the class library's interface, and
// CTypedPtrArray, the typed face of a pointer array. Elements are constructed
// and destroyed properly (CString and other owning types are safe); storage
// grows geometrically, so appending one element at a time stays linear.
#pragma once

#include "afx/CollHelpers.h"
#include "afx/Exception.h"

#include <algorithm>
#include <new>
#include <string.h>
#include <type_traits>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    CArray(const CArray& other) : CArray() { Copy(other); }
    CArray(CArray&& other) noexcept
        : m_pData(other.m_pData), m_nSize(other.m_nSize), m_nMaxSize(other.m_nMaxSize), m_nGrowBy(other.m_nGrowBy)
    {
        other.m_pData = nullptr;
        other.m_nSize = other.m_nMaxSize = 0;
    }
    ~CArray() override { RemoveAll(); }

    CArray& operator=(const CArray& other)
    {
        Copy(other);
        return *this;
    }
    CArray& operator=(CArray&& other) noexcept
    {
        if (this != &other) {
            RemoveAll();
            std::swap(m_pData, other.m_pData);
            std::swap(m_nSize, other.m_nSize);
            std::swap(m_nMaxSize, other.m_nMaxSize);
        }
        return *this;
    }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }

    // New elements are value-initialised (numbers and pointers start at 0);
    // elements cut off are destroyed. growBy -1 keeps the current step.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    // A bad index throws CInvalidArgException rather than touching memory.
    const TYPE& GetAt(INT_PTR index) const { return m_pData[CheckedIndex(index)]; }
    TYPE& GetAt(INT_PTR index) { return m_pData[CheckedIndex(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE newElement) { m_pData[CheckedIndex(index)] = newElement; }
    const TYPE& ElementAt(INT_PTR index) const { return m_pData[CheckedIndex(index)]; }
    TYPE& ElementAt(INT_PTR index) { return m_pData[CheckedIndex(index)]; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR index, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR index = m_nSize;
        SetAtGrow(index, newElement);
        return index;
    }
    // Both return the index of the first element added; self-append is allowed.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Inserting past the end grows the array to make room first.
    void InsertAt(INT_PTR index, ARG_TYPE newElement, INT_PTR count = 1);
    void InsertAt(INT_PTR startIndex, const CArray* newArray);
    void RemoveAt(INT_PTR index, INT_PTR count = 1);

    // The count (WriteCount form), then the elements by SerializeElements.
    void Serialize(CArchive& ar) override;

protected:
    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;

private:
    INT_PTR CheckedIndex(INT_PTR index) const
    {
        if (index < 0 || index >= m_nSize)
            AfxThrowInvalidArgException();
        return index;
    }
    void Reallocate(INT_PTR newMax);
    // Moves the elements [from, m_nSize - shift) by shift places (either way);
    // the places moved into must hold live elements.
    void Shift(INT_PTR from, INT_PTR to, INT_PTR count);
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR newMax)
{
    TYPE* block = newMax ? static_cast<TYPE*>(::operator new(sizeof(TYPE) * (size_t)newMax)) : nullptr;
    if constexpr (std::is_trivially_copyable<TYPE>::value) {
        if (m_nSize)
            memcpy(static_cast<void*>(block), static_cast<const void*>(m_pData), sizeof(TYPE) * (size_t)m_nSize);
    } else {
        for (INT_PTR i = 0; i < m_nSize; ++i) {
            ::new (static_cast<void*>(block + i)) TYPE(std::move(m_pData[i]));
            m_pData[i].~TYPE();
        }
    }
    ::operator delete(m_pData);
    m_pData = block;
    m_nMaxSize = newMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR newSize, INT_PTR growBy)
{
    if (newSize < 0)
        AfxThrowInvalidArgException();
    if (growBy >= 0)
        m_nGrowBy = growBy;

    if (newSize == 0) {
        for (INT_PTR i = 0; i < m_nSize; ++i)
            m_pData[i].~TYPE();
        ::operator delete(m_pData);
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (newSize > m_nMaxSize) {
        INT_PTR newMax = newSize;
        if (m_pData) {
            // At least half again the current block: Add in a loop stays linear.
            INT_PTR step = std::max<INT_PTR>(m_nGrowBy ? m_nGrowBy : 4, m_nMaxSize / 2);
            newMax = std::max(newSize, m_nMaxSize + step);
        } else {
            newMax = std::max(newSize, m_nGrowBy);
        }
        Reallocate(newMax);
    }
    for (INT_PTR i = m_nSize; i < newSize; ++i)
        ::new (static_cast<void*>(m_pData + i)) TYPE();
    for (INT_PTR i = newSize; i < m_nSize; ++i)
        m_pData[i].~TYPE();
    m_nSize = newSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR index, ARG_TYPE newElement)
{
    if (index < 0)
        AfxThrowInvalidArgException();
    if (index >= m_nMaxSize) {
        // The new element may live in the block about to be moved: copy it first.
        TYPE value;
        value = newElement;
        SetSize(index + 1, -1);
        m_pData[index] = std::move(value);
        return;
    }
    if (index >= m_nSize)
        SetSize(index + 1, -1);
    m_pData[index] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR oldSize = m_nSize;
    INT_PTR count = src.m_nSize;   // read before growing: src may be this array
    SetSize(oldSize + count, -1);
    for (INT_PTR i = 0; i < count; ++i)
        m_pData[oldSize + i] = src.m_pData[i];
    return oldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    for (INT_PTR i = 0; i < m_nSize; ++i)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Shift(INT_PTR from, INT_PTR to, INT_PTR count)
{
    if (count <= 0 || from == to)
        return;
    if constexpr (std::is_trivially_copyable<TYPE>::value) {
        memmove(static_cast<void*>(m_pData + to), static_cast<const void*>(m_pData + from), sizeof(TYPE) * (size_t)count);
    } else if (to > from) {
        for (INT_PTR i = count - 1; i >= 0; --i)
            m_pData[to + i] = std::move(m_pData[from + i]);
    } else {
        for (INT_PTR i = 0; i < count; ++i)
            m_pData[to + i] = std::move(m_pData[from + i]);
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR index, ARG_TYPE newElement, INT_PTR count)
{
    if (index < 0 || count <= 0)
        AfxThrowInvalidArgException();
    // The element may be one of ours, which the shift below moves away.
    TYPE value;
    value = newElement;
    INT_PTR oldSize = m_nSize;
    if (index >= oldSize) {
        SetSize(index + count, -1);
    } else {
        SetSize(oldSize + count, -1);
        Shift(index, index + count, oldSize - index);
    }
    for (INT_PTR i = 0; i < count; ++i)
        m_pData[index + i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR startIndex, const CArray* newArray)
{
    if (!newArray || startIndex < 0)
        AfxThrowInvalidArgException();
    if (newArray == this) {
        CArray copy(*this);
        InsertAt(startIndex, &copy);
        return;
    }
    if (newArray->m_nSize == 0)
        return;
    InsertAt(startIndex, newArray->m_pData[0], newArray->m_nSize);
    for (INT_PTR i = 1; i < newArray->m_nSize; ++i)
        m_pData[startIndex + i] = newArray->m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR index, INT_PTR count)
{
    if (index < 0 || count < 0 || index > m_nSize - count)
        AfxThrowInvalidArgException();
    Shift(index + count, index, m_nSize - index - count);
    SetSize(m_nSize - count, -1);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
        SerializeElements<TYPE>(ar, m_pData, m_nSize);
        return;
    }
    DWORD_PTR count = ar.ReadCount();
    if (count > static_cast<DWORD_PTR>(INT_MAX))
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    // A damaged count must not allocate what the archive cannot fill: the
    // array grows a slice at a time, and a short archive fails on its slice.
    const INT_PTR slice = 0x10000;
    INT_PTR done = 0;
    while (done < static_cast<INT_PTR>(count)) {
        INT_PTR n = std::min(static_cast<INT_PTR>(count) - done, slice);
        SetSize(done + n, -1);
        SerializeElements<TYPE>(ar, m_pData + done, n);
        done += n;
    }
    SetSize(done, -1);
}

// Typed access to an array of pointers (BASE_CLASS is CPtrArray or CObArray).
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR index) const { return (TYPE)BASE_CLASS::GetAt(index); }
    TYPE& ElementAt(INT_PTR index) { return (TYPE&)BASE_CLASS::ElementAt(index); }
    void SetAt(INT_PTR index, TYPE ptr) { BASE_CLASS::SetAt(index, ptr); }
    void SetAtGrow(INT_PTR index, TYPE newElement) { BASE_CLASS::SetAtGrow(index, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR index, TYPE newElement, INT_PTR count = 1) { BASE_CLASS::InsertAt(index, newElement, count); }
    void InsertAt(INT_PTR startIndex, const CTypedPtrArray* newArray) { BASE_CLASS::InsertAt(startIndex, newArray); }
    TYPE operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    TYPE* GetData() { return (TYPE*)BASE_CLASS::GetData(); }
    const TYPE* GetData() const { return (const TYPE*)BASE_CLASS::GetData(); }
};
