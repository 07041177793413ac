#include "framework/util/ClipboardFunctions.h"
#include "framework/util/FileFunctions.h"

#include <string.h>

BOOL SetClipboardText(LPCSTR text)
{
    if (!text || !*text)
        return FALSE;
    HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    if (!::OpenClipboard(GetThreadMainWindow()))
    {
        ::SetCursor(previous);
        return FALSE;
    }
    ::EmptyClipboard();
    BOOL ok = FALSE;
    const size_t size = strlen(text) + 1;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (memory)
    {
        void* bytes = ::GlobalLock(memory);
        if (bytes)
        {
            memcpy(bytes, text, size);
            ::GlobalUnlock(memory);
            ok = ::SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        // Once handed over the block is the clipboard's; otherwise it is ours.
        if (!ok)
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
    ::SetCursor(previous);
    return ok;
}

BOOL GetClipboardText(CString& text)
{
    if (!::OpenClipboard(GetThreadMainWindow()))
        return FALSE;
    BOOL ok = FALSE;
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (data)
    {
        LPCSTR bytes = static_cast<LPCSTR>(::GlobalLock(data));
        if (bytes)
        {
            // The block comes from another program: its terminator is not
            // taken on trust, the block's size bounds the text.
            const size_t size = ::GlobalSize(data);
            text = CString(bytes, static_cast<int>(strnlen(bytes, size)));
            ::GlobalUnlock(data);
            ok = TRUE;
        }
    }
    ::CloseClipboard();
    return ok;
}
