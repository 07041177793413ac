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
    UINT_PTR serial;
};

thread_local UINT_PTR t_tempSerial = 0;

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
    TempMap()[TempKey(kind, handle)] = TempEntry{object, release, AfxNextTempSerial()};
}

UINT_PTR AFXAPI AfxNextTempSerial()
{
    return ++t_tempSerial;
}

UINT_PTR AFXAPI AfxTempMapsMark()
{
    return t_tempSerial;
}

void AFXAPI AfxDeleteTempGdiObjects(UINT_PTR since)
{
    // Take them out first: a release function must not see a half-cleared map.
    std::vector<TempEntry> doomed;
    auto& map = TempMap();
    for (auto it = map.begin(); it != map.end();) {
        if (it->second.serial > since) {
            doomed.push_back(it->second);
            it = map.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& entry : doomed)
        entry.release(entry.object);
}
