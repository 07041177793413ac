#include "afx/Map.h"

#define COLL_IMPLEMENT_SERIAL(c) \
    CObject* c::CreateObject() { return new c; } \
    IMPLEMENT_RUNTIMECLASS(c, CObject, 0, c::CreateObject)

COLL_IMPLEMENT_SERIAL(CMapStringToString)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
COLL_IMPLEMENT_SERIAL(CMapStringToOb)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
