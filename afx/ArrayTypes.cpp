#include "afx/ArrayTypes.h"

#define COLL_IMPLEMENT_SERIAL(c) \
    CObject* c::CreateObject() { return new c; } \
    IMPLEMENT_RUNTIMECLASS(c, CObject, 0, c::CreateObject)

COLL_IMPLEMENT_SERIAL(CStringArray)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
COLL_IMPLEMENT_SERIAL(CObArray)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
COLL_IMPLEMENT_SERIAL(CDWordArray)
COLL_IMPLEMENT_SERIAL(CWordArray)
COLL_IMPLEMENT_SERIAL(CByteArray)
