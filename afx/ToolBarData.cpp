#include "afx/ToolBarData.h"

#include <string.h>

BOOL CToolBarData::Parse(const void* data, DWORD size)
{
    ids.RemoveAll();
    WORD header[4];
    if (!data || size < sizeof header)
        return FALSE;
    memcpy(header, data, sizeof header);
    if (header[0] != 1 || header[1] == 0 || header[2] == 0)
        return FALSE;
    const DWORD count = header[3];
    if (size < sizeof header + count * sizeof(WORD))
        return FALSE;
    wVersion = header[0];
    wWidth = header[1];
    wHeight = header[2];
    const BYTE* items = static_cast<const BYTE*>(data) + sizeof header;
    ids.SetSize(static_cast<INT_PTR>(count));
    for (DWORD i = 0; i < count; ++i)
    {
        WORD id;
        memcpy(&id, items + i * sizeof id, sizeof id);
        ids[static_cast<INT_PTR>(i)] = id;
    }
    return TRUE;
}

BOOL CToolBarData::Load(LPCTSTR resourceName)
{
    HINSTANCE module = AfxFindResourceHandle(resourceName, RT_TOOLBAR);
    HRSRC found = FindResourceA(module, resourceName, RT_TOOLBAR);
    if (!found)
        return FALSE;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return data && Parse(data, SizeofResource(module, found));
}
