#include "afx/HandleMap.h"

#include <map>
#include <utility>
#include <vector>

CHandleMap::CHandleMap()
{
    InitializeCriticalSection(&m_lock);
}

CHandleMap::~CHandleMap()
{
    DeleteCriticalSection(&m_lock);
}

void CHandleMap::SetPermanent(void* handle, CObject* object)
{
    if (handle == nullptr)
        return;
    EnterCriticalSection(&m_lock);
    m_permanent[handle] = object;
    LeaveCriticalSection(&m_lock);
}

void CHandleMap::RemovePermanent(void* handle, CObject* object)
{
    if (handle == nullptr)
        return;
    EnterCriticalSection(&m_lock);
    auto it = m_permanent.find(handle);
    if (it != m_permanent.end() && it->second == object)
        m_permanent.erase(it);
    LeaveCriticalSection(&m_lock);
}

CObject* CHandleMap::LookupPermanent(void* handle) const
{
    EnterCriticalSection(&m_lock);
    auto it = m_permanent.find(handle);
    CObject* object = it == m_permanent.end() ? nullptr : it->second;
    LeaveCriticalSection(&m_lock);
    return object;
}

namespace {

struct TempEntry
{
    CObject* object;
    void (*release)(CObject*);
};

using TempKey = std::pair<const CRuntimeClass*, void*>;

// Never destroyed: wrappers may be looked up during static destruction, and the
// map of a thread that ends without an idle pass is small.
std::map<TempKey, TempEntry>& TempMap()
{
    thread_local std::map<TempKey, TempEntry>* map = new std::map<TempKey, TempEntry>;
    return *map;
}

} // namespace

CObject* AFXAPI AfxLookupTempHandle(const CRuntimeClass* kind, void* handle)
{
    auto& map = TempMap();
    auto it = map.find(TempKey(kind, handle));
    return it == map.end() ? nullptr : it->second.object;
}

void AFXAPI AfxAddTempHandle(const CRuntimeClass* kind, void* handle, CObject* object,
                             void (*release)(CObject*))
{
    TempMap()[TempKey(kind, handle)] = TempEntry{object, release};
}

void AFXAPI AfxDeleteTempGdiObjects()
{
    // Swap first: a release function must not see a half-cleared map.
    std::map<TempKey, TempEntry> doomed;
    doomed.swap(TempMap());
    for (auto& entry : doomed)
        entry.second.release(entry.second.object);
}
