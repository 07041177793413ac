// Handle-to-object maps for the wrappers of GDI objects, device contexts,
// menus and image lists. A permanent map knows the objects the program made or
// attached; a per-thread temporary map holds the non-owning wrappers FromHandle
// builds for handles nobody wrapped, until the idle loop frees them.
#pragma once

#include "afx/Object.h"

#include <unordered_map>

class CHandleMap
{
public:
    CHandleMap();
    ~CHandleMap();
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    void SetPermanent(void* handle, CObject* object);
    // Forgets the handle only while it still names this object, so a moved-from
    // or replaced wrapper cannot unregister its successor.
    void RemovePermanent(void* handle, CObject* object);
    CObject* LookupPermanent(void* handle) const;

private:
    mutable CRITICAL_SECTION m_lock;
    std::unordered_map<void*, CObject*> m_permanent;
};

// The temporary wrappers of the calling thread. `release` makes the object let
// go of its handle without destroying it and then deletes the object.
CObject* AFXAPI AfxLookupTempHandle(const CRuntimeClass* kind, void* handle);
void AFXAPI AfxAddTempHandle(const CRuntimeClass* kind, void* handle, CObject* object,
                             void (*release)(CObject*));

// Frees the calling thread's temporary wrappers (GDI objects, DCs, menus, image
// lists) made after the mark `since` (0: all). The message loop calls it when
// idle; a pointer FromHandle returned is not valid past that point.
void AFXAPI AfxDeleteTempGdiObjects(UINT_PTR since = 0);
// Temporary wrappers of the thread are numbered in the order they are made:
// the number for a new one, and the last number given (the mark a modal loop
// keeps to free only what its session made).
UINT_PTR AFXAPI AfxNextTempSerial();
UINT_PTR AFXAPI AfxTempMapsMark();

// FromHandle for a wrapper family: the permanent object when it is of class T,
// else a temporary T that does not own the handle.
template <class T>
T* AfxWrapperFromHandle(CRuntimeClass* kind, CHandleMap& map, void* handle,
                        void (*release)(CObject*), void (*attach)(CObject*, void*))
{
    if (handle == nullptr)
        return nullptr;
    CObject* found = map.LookupPermanent(handle);
    if (found != nullptr && found->IsKindOf(kind))
        return static_cast<T*>(found);
    found = AfxLookupTempHandle(kind, handle);
    if (found != nullptr)
        return static_cast<T*>(found);
    T* temp = new T;
    attach(temp, handle);
    AfxAddTempHandle(kind, handle, temp, release);
    return temp;
}
