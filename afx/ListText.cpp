#include "afx/ListText.h"

#include <cstring>
#include <vector>

namespace {

UINT LengthMessageFor(UINT textMessage)
{
    return textMessage == LB_GETTEXT ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
}

// Reads the line through send (a Unicode-width call) into text; the
// control's error answer when it has no such line.
template <class Send>
LRESULT ReadWide(Send send, UINT textMessage, WPARAM nIndex, CString& text)
{
    const LRESULT length = send(LengthMessageFor(textMessage), nIndex, 0);
    if (length < 0)
        return length;
    std::vector<WCHAR> wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = send(textMessage, nIndex, reinterpret_cast<LPARAM>(wide.data()));
    if (copied < 0)
        return copied;
    if (copied > length)
        copied = length;
    const int bytes = copied ? ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), nullptr, 0,
                                                     nullptr, nullptr)
                             : 0;
    char* out = text.GetBufferSetLength(bytes);
    if (bytes)
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), out, bytes, nullptr, nullptr);
    text.ReleaseBuffer(bytes);
    return bytes;
}

} // namespace

BOOL AFXAPI AfxIsListTextMessage(HWND hWnd, UINT message)
{
    const LONG_PTR style = ::GetWindowLongPtrA(hWnd, GWL_STYLE);
    if (message == LB_GETTEXT)
        return !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (style & LBS_HASSTRINGS);
    if (message == CB_GETLBTEXT)
        return !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) || (style & CBS_HASSTRINGS);
    return FALSE;
}

LRESULT AFXAPI AfxCallListTextProcW(WNDPROC proc, HWND hWnd, UINT textMessage, WPARAM nIndex, LPSTR buffer)
{
    CString text;
    const LRESULT result = ReadWide(
        [&](UINT message, WPARAM wParam, LPARAM lParam) { return ::CallWindowProcW(proc, hWnd, message, wParam, lParam); },
        textMessage, nIndex, text);
    if (result < 0)
        return result;
    std::memcpy(buffer, static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()) + 1);
    return result;
}

CString AFXAPI AfxGetListText(HWND hWnd, UINT textMessage, int nIndex)
{
    CString text;
    const WPARAM index = static_cast<WPARAM>(nIndex);
    if (::IsWindowUnicode(hWnd) && AfxIsListTextMessage(hWnd, textMessage)) {
        ReadWide([&](UINT message, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(hWnd, message, wParam, lParam); },
                 textMessage, index, text);
        return text;
    }
    // An ANSI procedure (a bound control among them) answers in this width.
    const LRESULT length = ::SendMessageA(hWnd, LengthMessageFor(textMessage), index, 0);
    if (length < 0)
        return text;
    char* buffer = text.GetBufferSetLength(static_cast<int>(length));
    LRESULT copied = ::SendMessageA(hWnd, textMessage, index, reinterpret_cast<LPARAM>(buffer));
    if (copied > length)
        copied = length;
    text.ReleaseBuffer(copied < 0 ? 0 : static_cast<int>(copied));
    return text;
}
