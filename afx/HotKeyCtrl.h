// CHotKeyCtrl: the hot-key control as an object, and the display name of a
// key combination ("Ctrl + Shift + F5") in the keyboard's own key names.
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/String.h"

#include <commctrl.h>

class CHotKeyCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHotKeyCtrl)
public:
    CHotKeyCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // wModifiers are HOTKEYF_* flags.
    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers) { AfxCtrlSend(this, HKM_SETHOTKEY, MAKEWORD(wVirtualKeyCode, wModifiers)); }
    DWORD GetHotKey() const { return static_cast<DWORD>(AfxCtrlSend(this, HKM_GETHOTKEY)); }
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const;
    void SetRules(WORD wInvalidComb, WORD wModifiers) { AfxCtrlSend(this, HKM_SETRULES, wInvalidComb, MAKELPARAM(wModifiers, 0)); }
    CString GetHotKeyName() const;

    // The keyboard's name of a key; fExtended picks the extended key of a
    // pair (the arrows and Insert/Delete rather than the number pad's).
    static CString PASCAL GetKeyName(UINT vk, BOOL fExtended);
    // "Ctrl + Shift + Alt + key" for HOTKEYF_* modifiers; "" for no key.
    static CString PASCAL FormatHotKeyName(WORD wVirtualKeyCode, WORD wModifiers);
};
