#include "toolkit/bars/skins/OXUxTheme.h"

#include <vector>

namespace {
// The text in the system ANSI code page as a wide string; null stays null.
struct WideText
{
    explicit WideText(LPCSTR lpszText, int nCharCount = -1)
    {
        if (lpszText == nullptr)
            return;
        int n = ::MultiByteToWideChar(CP_ACP, 0, lpszText, nCharCount, nullptr, 0);
        buffer.assign(static_cast<size_t>(n) + 1, L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, lpszText, nCharCount, buffer.data(), n);
        length = nCharCount < 0 ? -1 : n;
    }
    LPCWSTR Get() const { return buffer.empty() ? nullptr : buffer.data(); }
    std::vector<WCHAR> buffer;
    int length = -1;
};

template <typename Fn>
Fn As(FARPROC proc)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}
}

COXUxTheme::COXUxTheme(LPCTSTR lpszLibrary) : m_hUxTheme(::LoadLibrary(lpszLibrary))
{
}

COXUxTheme::~COXUxTheme()
{
    if (m_hUxTheme != nullptr)
        ::FreeLibrary(m_hUxTheme);
}

FARPROC COXUxTheme::Entry(LPCSTR lpszName) const
{
    return m_hUxTheme != nullptr ? ::GetProcAddress(m_hUxTheme, lpszName) : nullptr;
}

HTHEME COXUxTheme::GetWindowTheme(HWND hWnd)
{
    using Fn = HTHEME(WINAPI*)(HWND);
    FARPROC proc = Entry("GetWindowTheme");
    return proc != nullptr ? As<Fn>(proc)(hWnd) : nullptr;
}

HTHEME COXUxTheme::OpenThemeData(HWND hWnd, LPCSTR lpszClassList)
{
    using Fn = HTHEME(WINAPI*)(HWND, LPCWSTR);
    FARPROC proc = Entry("OpenThemeData");
    if (proc == nullptr)
        return nullptr;
    WideText classList(lpszClassList);
    return As<Fn>(proc)(hWnd, classList.Get());
}

BOOL COXUxTheme::CloseThemeData(HTHEME hTheme)
{
    using Fn = HRESULT(WINAPI*)(HTHEME);
    FARPROC proc = Entry("CloseThemeData");
    return proc != nullptr && hTheme != nullptr && As<Fn>(proc)(hTheme) == S_OK;
}

BOOL COXUxTheme::DrawThemeBackground(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                     const RECT* pClipRect)
{
    using Fn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    FARPROC proc = Entry("DrawThemeBackground");
    return proc != nullptr && As<Fn>(proc)(hTheme, hDC, iPartId, iStateId, pRect, pClipRect) == S_OK;
}

BOOL COXUxTheme::DrawThemeText(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCSTR lpszText,
                               int nCharCount, DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect)
{
    using Fn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
    FARPROC proc = Entry("DrawThemeText");
    if (proc == nullptr)
        return FALSE;
    WideText text(lpszText, nCharCount);
    return As<Fn>(proc)(hTheme, hDC, iPartId, iStateId, text.Get(), text.length, dwTextFlags, dwTextFlags2,
                        pRect) == S_OK;
}

COLORREF COXUxTheme::GetThemeSysColor(HTHEME hTheme, int iColorId)
{
    using Fn = COLORREF(WINAPI*)(HTHEME, int);
    FARPROC proc = Entry("GetThemeSysColor");
    return proc != nullptr ? As<Fn>(proc)(hTheme, iColorId) : ::GetSysColor(iColorId);
}
