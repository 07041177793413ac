#include "afx/Object.h"

#include <string.h>

CRuntimeClass CObject::classCObject = { "CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr };

namespace {
// Head of the list of registered classes. Built during static initialisation
// only, then read: no lock needed.
CRuntimeClass*& FirstClass()
{
    static CRuntimeClass* first = nullptr;
    return first;
}
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* newClass)
{
    newClass->m_pNextClass = FirstClass();
    FirstClass() = newClass;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base)
            return TRUE;
    return FALSE;
}

CRuntimeClass* AFXAPI CRuntimeClass::FromName(LPCSTR className)
{
    if (!className)
        return nullptr;
    if (strcmp(className, CObject::classCObject.m_lpszClassName) == 0)
        return &CObject::classCObject;
    for (CRuntimeClass* c = FirstClass(); c; c = c->m_pNextClass)
        if (strcmp(c->m_lpszClassName, className) == 0)
            return c;
    return nullptr;
}

CObject* AFXAPI CRuntimeClass::CreateObject(LPCSTR className)
{
    CRuntimeClass* c = FromName(className);
    return c ? c->CreateObject() : nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* runtimeClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject && pClass && pObject->IsKindOf(pClass) ? pObject : nullptr;
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Serialize(CArchive&)
{
}
