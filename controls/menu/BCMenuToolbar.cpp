#include "controls/menu/BCMenuToolbar.h"

namespace {
const WORD kToolbarResourceType = 241;
}

BOOL BCMenuToolbar::Load(UINT nToolbarId)
{
    width = height = 0;
    commands.clear();
    LPCTSTR name = MAKEINTRESOURCE(nToolbarId);
    LPCTSTR type = MAKEINTRESOURCE(kToolbarResourceType);
    HINSTANCE hInst = AfxFindResourceHandle(name, type);
    HRSRC hRes = ::FindResource(hInst, name, type);
    if (hRes == nullptr) {
        hInst = ::GetModuleHandle(nullptr);
        hRes = ::FindResource(hInst, name, type);
    }
    if (hRes == nullptr)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    const WORD* data = hData != nullptr ? static_cast<const WORD*>(::LockResource(hData)) : nullptr;
    DWORD size = ::SizeofResource(hInst, hRes);
    if (data == nullptr || size < 4 * sizeof(WORD))
        return FALSE;
    // The count comes from the file: never read past the resource's end.
    size_t count = data[3];
    if (size < (4 + count) * sizeof(WORD) || data[1] == 0 || data[2] == 0)
        return FALSE;
    width = data[1];
    height = data[2];
    commands.assign(data + 4, data + 4 + count);
    return TRUE;
}

int BCMenuToolbar::ImageOf(size_t index) const
{
    if (index >= commands.size() || commands[index] == 0)
        return -1;
    int image = 0;
    for (size_t i = 0; i < index; ++i)
        if (commands[i] != 0)
            ++image;
    return image;
}

int BCMenuToolbar::FindCommand(UINT nID) const
{
    for (size_t i = 0; i < commands.size(); ++i)
        if (commands[i] == nID && nID != 0)
            return static_cast<int>(i);
    return -1;
}
