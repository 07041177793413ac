#include "framework/app/HtmlResource.h"

#include <vector>

CString LoadHtmlResource(UINT id)
{
    HINSTANCE module = AfxGetResourceHandle();
    // A missing page must not reach the size and load calls as a null handle.
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(23));
    if (!found)
        return CString();
    const DWORD size = ::SizeofResource(module, found);
    if (size == 0)
        return CString();
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes)
        return CString();
    std::vector<char> text(static_cast<const char*>(bytes), static_cast<const char*>(bytes) + size);
    text.push_back('\0');
    return CString(text.data());
}
