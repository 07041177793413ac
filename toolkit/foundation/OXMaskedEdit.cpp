#include "toolkit/foundation/OXMaskedEdit.h"

IMPLEMENT_DYNAMIC(COXMaskedEdit, CEdit)

namespace {
// The first character of a locale text, or the fallback when the locale has none.
char LocaleChar(LCTYPE type, char fallback)
{
    char text[8] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof(text)) > 0 && text[0])
        return text[0];
    return fallback;
}
} // namespace

COXMaskedEdit::COXMaskedEdit(LPCTSTR lpszMask)
    : m_buffer(), m_bInsertMode(TRUE), m_bAutoTab(FALSE), m_nSetTextLock(0)
{
    m_buffer.SetSeparators(LocaleChar(LOCALE_SDECIMAL, '.'), LocaleChar(LOCALE_STHOUSAND, ','),
                           LocaleChar(LOCALE_STIME, ':'), LocaleChar(LOCALE_SDATE, '/'));
    SetMask(lpszMask);
}

COXMaskedEdit::~COXMaskedEdit() = default;

BOOL COXMaskedEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CEdit::Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    if (m_buffer.HasMask())
        UpdateText(-1);
    return TRUE;
}

void COXMaskedEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    // A window being created is refreshed by Create once it is complete.
    if (!AfxGetWndInit() && m_buffer.HasMask())
        UpdateText(-1);
}

CString COXMaskedEdit::GetInputData() const
{
    CString text;
    if (IsWindow())
        GetWindowText(text);
    return text;
}

void COXMaskedEdit::SetInputData(LPCTSTR lpszText)
{
    if (IsWindow())
        SetWindowText(lpszText);
}

void COXMaskedEdit::ValidationErrorBeep()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

BOOL COXMaskedEdit::DefaultValidate()
{
    return TRUE;
}

void COXMaskedEdit::SetMask(LPCTSTR lpszMask)
{
    m_buffer.SetMask(lpszMask);
    UpdateText(0);
    if (IsWindow())
        SetModify(FALSE);
}

void COXMaskedEdit::SetPromptSymbol(char chPrompt)
{
    m_buffer.SetPromptSymbol(chPrompt);
    UpdateText(-1);
    if (IsWindow())
        SetModify(FALSE);
}

CString COXMaskedEdit::GetInputChars() const
{
    if (!m_buffer.HasMask())
        return GetInputData();
    return m_buffer.GetInputChars();
}

void COXMaskedEdit::EmptyData(BOOL bOnlyInput)
{
    if (m_buffer.HasMask() && bOnlyInput) {
        m_buffer.EmptyInput();
        UpdateText(0);
        return;
    }
    m_buffer.Clear();
    if (IsWindow())
        SetWindowText("");
}

BOOL COXMaskedEdit::IsEmpty() const
{
    if (!m_buffer.HasMask())
        return IsWindow() ? GetWindowTextLength() == 0 : TRUE;
    return m_buffer.IsEmpty();
}

void COXMaskedEdit::SetCaretToNextInput(int pos)
{
    if (!IsWindow())
        return;
    int next = GetNextInputPosition(pos);
    if (m_bAutoTab && next == m_buffer.GetLength()) {
        CWnd* pParent = GetParent();
        CWnd* pNext = pParent ? pParent->GetNextDlgTabItem(this, FALSE) : nullptr;
        if (pNext && pNext->GetSafeHwnd() != m_hWnd) {
            pNext->SetFocus();
            return;
        }
    }
    SendMessage(EM_SETSEL, next, next);
    SendMessage(EM_SCROLLCARET);
}

void COXMaskedEdit::SetCaretToPrevInput(int pos)
{
    if (!IsWindow())
        return;
    int prev = GetPrevInputPosition(pos);
    SendMessage(EM_SETSEL, prev, prev);
    SendMessage(EM_SCROLLCARET);
}

void COXMaskedEdit::UpdateText(int caretPos)
{
    if (!IsWindow())
        return;
    ++m_nSetTextLock;
    SetWindowText(m_buffer.GetDisplayText());
    --m_nSetTextLock;
    SetModify(TRUE);
    if (caretPos >= 0)
        SetCaretToNextInput(caretPos);
}

BOOL COXMaskedEdit::FillInput(LPCTSTR lpszText, int nKeep, BOOL bRaw)
{
    BOOL bAllTaken = m_buffer.FillInput(lpszText, nKeep, bRaw);
    UpdateText(0);
    return bAllTaken;
}

int COXMaskedEdit::DeleteRange(int nStart, int nEnd)
{
    int removed = m_buffer.DeleteRange(nStart, nEnd);
    UpdateText(0);
    return removed;
}

BOOL COXMaskedEdit::IsMasking() const
{
    return m_buffer.HasMask() && !(GetStyle() & ES_READONLY);
}

void COXMaskedEdit::OnMaskKeyDown(UINT nChar, WPARAM wParam, LPARAM lParam)
{
    bool shift = (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    int start = 0;
    int end = 0;
    GetSel(start, end);
    const int length = m_buffer.GetLength();
    switch (nChar) {
    case VK_DELETE:
        if (start >= length)
            return;
        if (end <= start)
            end = start + 1;
        while (m_buffer.DeleteRange(start, end) == 0 && end < length) {
            ++start;
            ++end;
        }
        UpdateText(start);
        return;
    case VK_HOME:
    case VK_RIGHT:
    case VK_DOWN:
        CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
        if (!shift) {
            GetSel(start, end);
            SetCaretToNextInput(start);
        }
        return;
    case VK_LEFT:
    case VK_UP:
        CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
        if (!shift) {
            GetSel(start, end);
            SetCaretToPrevInput(start);
        }
        return;
    case VK_INSERT:
        m_bInsertMode = !m_bInsertMode;
        return;
    default:
        CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
        return;
    }
}

void COXMaskedEdit::OnMaskChar(UINT nChar)
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (nChar == VK_BACK) {
        if (end <= start) {
            start = start - 1;
            end = start + 1;
        }
        int width = end - start;
        while (start >= 0 && m_buffer.DeleteRange(start, start + width) == 0)
            --start;
        UpdateText(std::max(start, 0));
        return;
    }
    const char ch = static_cast<char>(nChar);
    if (start == end && m_buffer.IsInputPosition(start)) {
        int result = m_bInsertMode ? m_buffer.InsertAt(start, ch) : m_buffer.SetCharAt(start, ch);
        if (result >= 0) {
            UpdateText(-1);
            SetCaretToNextInput(result + 1);
            return;
        }
    } else if (start != end && m_buffer.DeleteRange(start, end) > 0) {
        int result = m_buffer.InsertAt(start, ch);
        UpdateText(-1);
        if (result >= 0) {
            SetCaretToNextInput(result + 1);
            return;
        }
    }
    ValidationErrorBeep();
    SetCaretToNextInput(start);
}

void COXMaskedEdit::OnKillFocusValidate()
{
    MaskValidateNotify notify = {};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notify.hdr.code = OXMEN_VALIDATE;
    notify.bValid = TRUE;
    notify.bDefaultValidation = TRUE;
    notify.nErrorPos = 0;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    if (notify.bValid && (!notify.bDefaultValidation || DefaultValidate()))
        return;
    SetFocus();
    ValidationErrorBeep();
    SetCaretToNextInput(notify.nErrorPos);
}

BOOL COXMaskedEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_KILLFOCUS && m_buffer.HasMask())
        OnKillFocusValidate();
    return CEdit::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT COXMaskedEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (!IsMasking())
            break;
        OnMaskKeyDown(static_cast<UINT>(wParam), wParam, lParam);
        return 0;
    case WM_CHAR:
        // Control characters other than Backspace keep their usual meaning.
        if (!IsMasking() || (wParam != VK_BACK && static_cast<unsigned char>(wParam) < 32))
            break;
        OnMaskChar(static_cast<UINT>(wParam));
        return 0;
    case WM_CUT:
    case WM_CLEAR: {
        if (!IsMasking())
            break;
        int start = 0;
        int end = 0;
        GetSel(start, end);
        CEdit::WindowProc(message, wParam, lParam);
        m_buffer.DeleteRange(start, end);
        UpdateText(start);
        return 0;
    }
    case WM_PASTE: {
        if (!IsMasking())
            break;
        int start = 0;
        int end = 0;
        GetSel(start, end);
        CEdit::WindowProc(message, wParam, lParam);
        CString pasted;
        GetWindowText(pasted);
        m_buffer.FillInput(pasted, 0, FALSE);
        UpdateText(-1);
        SetCaretToNextInput(GetFirstEmptyPosition(start));
        return 0;
    }
    case WM_SETTEXT: {
        if (!IsMasking() || m_nSetTextLock > 0)
            break;
        CString reduced = m_buffer.ReduceText(reinterpret_cast<LPCTSTR>(lParam));
        if (reduced != m_buffer.GetInputChars())
            FillInput(reduced, 0, TRUE);
        return TRUE;
    }
    case WM_SETFOCUS: {
        LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        int start = 0;
        int end = 0;
        GetSel(start, end);
        if (m_buffer.HasMask() && start == 0 && (end == 0 || end >= GetWindowTextLength()))
            SetCaretToNextInput(0);
        return result;
    }
    case WM_LBUTTONDOWN:
        if (m_buffer.HasMask() && ::GetFocus() != m_hWnd && IsEmpty()) {
            SetFocus();
            SetCaretToNextInput(0);
            return 0;
        }
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
