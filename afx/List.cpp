#include "afx/List.h"

#define COLL_IMPLEMENT_SERIAL(c) \
    CObject* c::CreateObject() { return new c; } \
    IMPLEMENT_RUNTIMECLASS(c, CObject, 0, c::CreateObject)

COLL_IMPLEMENT_SERIAL(CStringList)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
COLL_IMPLEMENT_SERIAL(CObList)
