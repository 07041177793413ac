#include "controls/accel/KeyboardEdit.h"

#include "controls/accel/AccelsOb.h"

IMPLEMENT_DYNAMIC(CKeyboardEdit, CEdit)

namespace {

// Bit 30 of a key message's lParam: the key was already down (auto-repeat).
const LPARAM kPreviousKeyState = 0x40000000;

} // namespace

CKeyboardEdit::CKeyboardEdit() : m_bKeyDefined(false), m_wVirtKey(0), m_bCtrl(false), m_bAlt(false), m_bShift(false)
{
}

void CKeyboardEdit::ResetKey()
{
    m_bKeyDefined = false;
    m_wVirtKey = 0;
    m_bCtrl = m_bAlt = m_bShift = false;
    if (::IsWindow(m_hWnd))
        SetWindowText("");
}

BOOL CKeyboardEdit::GetAccelKey(WORD& wVirtKey, bool& bCtrl, bool& bAlt, bool& bShift) const
{
    if (!m_bKeyDefined)
        return FALSE;
    wVirtKey = m_wVirtKey;
    bCtrl = m_bCtrl;
    bAlt = m_bAlt;
    bShift = m_bShift;
    return TRUE;
}

CString CKeyboardEdit::GetKeyText() const
{
    CString text;
    auto join = [&text](LPCTSTR part) {
        if (!text.IsEmpty())
            text += "+";
        text += part;
    };
    if (m_bCtrl)
        join("Ctrl");
    if (m_bAlt)
        join("Alt");
    if (m_bShift)
        join("Shift");
    if (m_wVirtKey != 0)
        if (LPCTSTR name = GetKeyName(m_wVirtKey))
            join(name);
    return text;
}

BOOL CKeyboardEdit::PreTranslateMessage(MSG* pMsg)
{
    const UINT message = pMsg->message;
    if (message != WM_KEYDOWN && message != WM_KEYUP && message != WM_SYSKEYDOWN && message != WM_SYSKEYUP)
        return CEdit::PreTranslateMessage(pMsg);
    const bool pressed = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (pressed && !(pMsg->lParam & kPreviousKeyState) && m_bKeyDefined)
        ResetKey();
    const WORD key = static_cast<WORD>(pMsg->wParam);
    if (!m_bKeyDefined) {
        switch (key) {
        case VK_SHIFT: m_bShift = pressed; break;
        case VK_CONTROL: m_bCtrl = pressed; break;
        case VK_MENU: m_bAlt = pressed; break;
        default:
            m_wVirtKey = key;
            if (pressed)
                m_bKeyDefined = true;
            break;
        }
    }
    if (::IsWindow(m_hWnd))
        SetWindowText(GetKeyText());
    return TRUE;
}
