#include "afx/HotKeyCtrl.h"

IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)

namespace {

// Joins the parts of a key combination's name.
const char kSeparator[] = " + ";

} // namespace

BOOL CHotKeyCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, HOTKEY_CLASS, dwStyle, rect, pParentWnd, nID);
}

void CHotKeyCtrl::GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const
{
    const DWORD value = GetHotKey();
    wVirtualKeyCode = LOBYTE(LOWORD(value));
    wModifiers = HIBYTE(LOWORD(value));
}

CString CHotKeyCtrl::GetHotKeyName() const
{
    WORD key = 0, modifiers = 0;
    GetHotKey(key, modifiers);
    return FormatHotKeyName(key, modifiers);
}

CString PASCAL CHotKeyCtrl::GetKeyName(UINT vk, BOOL fExtended)
{
    LONG scanCode = static_cast<LONG>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
    if (fExtended)
        scanCode |= 0x01000000;
    CString name;
    const int length = ::GetKeyNameTextA(scanCode, name.GetBuffer(64), 64);
    name.ReleaseBuffer(length > 0 ? length : 0);
    return name;
}

CString PASCAL CHotKeyCtrl::FormatHotKeyName(WORD wVirtualKeyCode, WORD wModifiers)
{
    CString name;
    if (wVirtualKeyCode == 0)
        return name;
    const struct { WORD flag; UINT vk; } modifiers[] = {
        {HOTKEYF_CONTROL, VK_CONTROL}, {HOTKEYF_SHIFT, VK_SHIFT}, {HOTKEYF_ALT, VK_MENU}};
    for (const auto& modifier : modifiers) {
        if (wModifiers & modifier.flag) {
            name += GetKeyName(modifier.vk, FALSE);
            name += kSeparator;
        }
    }
    name += GetKeyName(wVirtualKeyCode, (wModifiers & HOTKEYF_EXT) != 0);
    return name;
}
