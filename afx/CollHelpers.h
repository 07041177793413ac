// What the collection templates share: the opaque POSITION that walks lists
// and maps, and the per-element helpers (equality, hashing, storing) that a
// caller can specialise for its own key and element types.
#pragma once

#include "afx/Archive.h"
#include "afx/String.h"

#include <climits>
#include <type_traits>

struct __POSITION {};
typedef __POSITION* POSITION;

// GetStartPosition's answer before the first step: any non-null value will do.
#define BEFORE_START_POSITION ((POSITION)(INT_PTR)-1)

// Equality used by CList::Find and the map look-ups.
template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* element1, const ARG_TYPE* element2)
{
    return *element1 == *element2;
}

// Hash of a map key. Integers and handles drop their low four bits, which are
// mostly alike for aligned pointers; other key types specialise this template.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return (UINT)(((DWORD_PTR)key) >> 4);
}

// Text keys hash their bytes; every string form of a key gives the same value,
// so a map keyed by CString may be searched with a plain pointer and back.
// Bytes count as signed chars, as they always have, so that walks over maps
// with Cyrillic keys (and the map records written from them) keep their order.
inline UINT AfxHashString(LPCSTR key)
{
    UINT hash = 0;
    for (; *key; ++key)
        hash = hash * 33 + (UINT)(int)*key;
    return hash;
}

template <> inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) { return AfxHashString(key); }
template <> inline UINT AFXAPI HashKey<LPSTR>(LPSTR key) { return AfxHashString(key); }
template <> inline UINT AFXAPI HashKey<const CString&>(const CString& key) { return AfxHashString(key); }
template <> inline UINT AFXAPI HashKey<CString>(CString key) { return AfxHashString(key); }

// Stores or loads count elements. Plain data goes bit for bit, as the element
// lies in memory (the stored layouts of structures rely on it); strings and
// objects have their own forms below. Other types need a specialisation:
// their bits (pointers to owned memory) cannot be stored, so the default
// refuses them instead of writing addresses that would crash the reader.
template <class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* elements, INT_PTR count)
{
    if constexpr (!std::is_trivially_copyable<TYPE>::value) {
        UNUSED_ALWAYS(ar);
        UNUSED_ALWAYS(elements);
        UNUSED_ALWAYS(count);
        AfxThrowNotSupportedException();
    } else {
        const INT_PTR slice = INT_MAX / sizeof(TYPE);
        while (count > 0) {
            UINT n = static_cast<UINT>(count < slice ? count : slice);
            if (ar.IsStoring())
                ar.Write(elements, n * static_cast<UINT>(sizeof(TYPE)));
            else
                ar.EnsureRead(elements, n * static_cast<UINT>(sizeof(TYPE)));
            elements += n;
            count -= n;
        }
    }
}

template <>
inline void AFXAPI SerializeElements<CString>(CArchive& ar, CString* elements, INT_PTR count)
{
    for (INT_PTR i = 0; i < count; ++i) {
        if (ar.IsStoring())
            ar << elements[i];
        else
            ar >> elements[i];
    }
}

// Objects go as object records: class name, version, contents.
template <>
inline void AFXAPI SerializeElements<CObject*>(CArchive& ar, CObject** elements, INT_PTR count)
{
    for (INT_PTR i = 0; i < count; ++i) {
        if (ar.IsStoring())
            ar << elements[i];
        else
            ar >> elements[i];
    }
}
