#include "toolkit/foundation/OXEdit.h"

#include "afx/DC.h"

#include <cctype>

IMPLEMENT_DYNCREATE(COXEdit, CEdit)

COXEdit::COXEdit()
    : m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrBack(::GetSysColor(COLOR_WINDOW)),
      m_bInsertMode(TRUE), m_nSetTextLock(0), m_bNotifyChange(TRUE), m_bKeepCaretOnFocus(FALSE),
      m_bFontLock(FALSE), m_bInitialized(FALSE), m_clrReadOnlyBack(::GetSysColor(COLOR_BTNFACE)),
      m_clrReadOnlyText(::GetSysColor(COLOR_GRAYTEXT)), m_hBackBrush(nullptr), m_nNotifyLock(0)
{
    SetMask("#");
}

COXEdit::~COXEdit()
{
    if (m_hBackBrush)
        ::DeleteObject(m_hBackBrush);
}

BOOL COXEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CEdit::Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    return InitializeControl();
}

bool COXEdit::SplitMask(const char* mask, std::string& prefix, std::string& suffix)
{
    prefix.clear();
    suffix.clear();
    bool found = false;
    for (const char* p = mask; *p; ++p) {
        if (*p == '#') {
            if (p[1] == '#') {
                (found ? suffix : prefix) += '#';
                ++p;
            } else {
                found = true;  // later single "#" are dropped
            }
            continue;
        }
        (found ? suffix : prefix) += *p;
    }
    return found;
}

BOOL COXEdit::SetMask(LPCTSTR lpszMask)
{
    if (!lpszMask || !*lpszMask || !strchr(lpszMask, '#'))
        return FALSE;
    // A refused template must not cost the user the input already entered.
    std::string prefix;
    std::string suffix;
    if (!SplitMask(lpszMask, prefix, suffix))
        return FALSE;
    ResetTemplate();
    m_arrPrefix = prefix;
    m_arrSuffix = suffix;
    m_sMask = lpszMask;
    ValidateInput();
    UpdateText(0);
    return TRUE;
}

void COXEdit::SetTextColor(COLORREF clr, BOOL bRedraw)
{
    const bool changed = clr != m_clrText;
    m_clrText = clr;
    if (changed && bRedraw && ::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void COXEdit::SetBkColor(COLORREF clr, BOOL bRedraw)
{
    const bool changed = clr != m_clrBack;
    m_clrBack = clr;
    if (changed && bRedraw && ::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

BOOL COXEdit::SetToolTipText(LPCTSTR lpszText)
{
    if (!::IsWindow(m_toolTip.GetSafeHwnd()))
        return FALSE;
    m_sToolTipText = lpszText ? lpszText : "";
    m_toolTip.UpdateTipText(m_sToolTipText, this, 1);
    return TRUE;
}

CString COXEdit::GetFullText() const
{
    return CString((m_arrPrefix + m_arrInput + m_arrSuffix).c_str());
}

int COXEdit::WindowPosToInputIndex(int nPos) const
{
    return nPos >= PrefixLength() && nPos <= InputEnd() ? nPos - PrefixLength() : -1;
}

int COXEdit::InputIndexToWindowPos(int nIndex) const
{
    return nIndex >= 0 && nIndex <= static_cast<int>(m_arrInput.size()) ? PrefixLength() + nIndex : -1;
}

void COXEdit::UpdateText(int nCaretPos)
{
    if (!::IsWindow(m_hWnd))
        return;
    // One keystroke refreshes the text more than once; only a real change is
    // announced to the parent.
    const CString text = GetFullText();
    CString shown;
    GetWindowText(shown);
    if (shown != text) {
        ++m_nSetTextLock;
        SetWindowText(text);
        --m_nSetTextLock;
        SendMessage(EM_SETMODIFY, TRUE);
    }
    if (nCaretPos < 0)
        return;
    // A caret between two input characters stays even when the character
    // behind it is not an input position (a number's separators).
    if (IsInputPositionOrEnd(nCaretPos)) {
        SendMessage(EM_SETSEL, nCaretPos, nCaretPos);
        SendMessage(EM_SCROLLCARET);
    } else {
        SetCaretToNextInput(nCaretPos);
    }
}

void COXEdit::SetCaretToNextInput(int nPos)
{
    if (!::IsWindow(m_hWnd))
        return;
    const int pos = GetNextInputPosition(nPos);
    SendMessage(EM_SETSEL, pos, pos);
    SendMessage(EM_SCROLLCARET);
}

void COXEdit::SetCaretToPrevInput(int nPos)
{
    if (!::IsWindow(m_hWnd))
        return;
    const int pos = GetPrevInputPosition(nPos);
    SendMessage(EM_SETSEL, pos, pos);
    SendMessage(EM_SCROLLCARET);
}

BOOL COXEdit::NotifyParent(WORD wCode)
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    const HWND parent = ::GetParent(m_hWnd);
    if (!parent)
        return FALSE;
    ++m_nNotifyLock;
    ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), wCode), reinterpret_cast<LPARAM>(m_hWnd));
    --m_nNotifyLock;
    return TRUE;
}

CString COXEdit::GetInputData() const
{
    return CString(m_arrInput.c_str());
}

BOOL COXEdit::SetInputData(LPCTSTR lpszText, int nStart)
{
    if (nStart < 0 || nStart > static_cast<int>(m_arrInput.size()))
        return FALSE;
    size_t at = static_cast<size_t>(nStart);
    for (const char* p = lpszText ? lpszText : ""; *p; ++p, ++at) {
        if (m_bInsertMode)
            m_arrInput.insert(at, 1, *p);
        else if (at < m_arrInput.size())
            m_arrInput[at] = *p;
        else
            m_arrInput.push_back(*p);
    }
    ValidateInput();
    UpdateText(-1);
    return TRUE;
}

void COXEdit::EmptyData(BOOL bOnlyInput)
{
    if (bOnlyInput)
        m_arrInput.clear();
    else
        ResetTemplate();
    UpdateText(0);
}

void COXEdit::ValidationErrorBeep()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

BOOL COXEdit::InitFromLocale()
{
    return TRUE;
}

BOOL COXEdit::InitializeControl()
{
    InitFromLocale();
    if (m_toolTip.Create(this)) {
        CRect rect;
        GetClientRect(&rect);
        m_toolTip.AddTool(this, m_sToolTipText, &rect, 1);
    }
    CopyFont();
    CString text;
    GetWindowText(text);
    // Only the input goes: the literals of a template set before the window
    // existed must survive.
    EmptyData(TRUE);
    SetInputData(text, 0);
    m_bInitialized = TRUE;
    return TRUE;
}

int COXEdit::ParseText()
{
    return 0;
}

void COXEdit::ResetTemplate()
{
    m_arrPrefix.clear();
    m_arrSuffix.clear();
    m_arrInput.clear();
}

BOOL COXEdit::IsInputPosition(int nPos) const
{
    return nPos >= PrefixLength() && nPos < InputEnd();
}

BOOL COXEdit::IsInputPositionOrEnd(int nPos) const
{
    return nPos >= PrefixLength() && nPos <= InputEnd();
}

int COXEdit::DeleteRange(int& nStart, int& nEnd)
{
    const int prefix = PrefixLength();
    int count = 0;
    int lowest = -1;
    int highest = -1;
    char lowestChar = 0;
    char highestChar = 0;
    for (int pos = nEnd - 1; pos >= nStart; --pos) {
        if (!IsInputPosition(pos))
            continue;
        const int index = pos - prefix;
        if (highest < 0) {
            highest = index;
            highestChar = m_arrInput[index];
        }
        lowest = index;
        lowestChar = m_arrInput[index];
        m_arrInput.erase(static_cast<size_t>(index), 1);
        ++count;
    }
    if (count == 0)
        return 0;
    // A line break is one unit: never leave half of a CR/LF pair behind.
    const int afterHighest = highest + 1 - count;
    if (highestChar == '\r' && afterHighest < static_cast<int>(m_arrInput.size()) &&
        m_arrInput[afterHighest] == '\n') {
        m_arrInput.erase(static_cast<size_t>(afterHighest), 1);
        ++count;
    }
    if (lowestChar == '\n' && lowest > 0 && m_arrInput[lowest - 1] == '\r') {
        m_arrInput.erase(static_cast<size_t>(lowest - 1), 1);
        ++count;
        --nStart;
    }
    UpdateText(-1);
    return count;
}

int COXEdit::InsertChar(int nPos, char ch)
{
    const int pos = IsInputPositionOrEnd(nPos) ? nPos : GetNextInputPosition(nPos);
    if (!IsInputPositionOrEnd(pos))
        return -1;
    m_arrInput.insert(static_cast<size_t>(pos - PrefixLength()), 1, ch);
    const int result = pos + ValidateInput();
    UpdateText(-1);
    return result;
}

int COXEdit::ReplaceChar(int nPos, char ch)
{
    const int pos = IsInputPosition(nPos) ? nPos : GetNextInputPosition(nPos);
    if (!IsInputPosition(pos))
        return -1;
    m_arrInput[static_cast<size_t>(pos - PrefixLength())] = ch;
    const int result = pos + ValidateInput();
    UpdateText(-1);
    return result;
}

int COXEdit::GetNextInputPosition(int nPos) const
{
    for (int pos = std::max(nPos, PrefixLength()); pos < InputEnd(); ++pos)
        if (IsInputPosition(pos))
            return pos;
    return InputEnd();
}

int COXEdit::GetPrevInputPosition(int nPos) const
{
    for (int pos = std::min(nPos, InputEnd() - 1); pos >= PrefixLength(); --pos)
        if (IsInputPosition(pos))
            return pos;
    return PrefixLength();
}

void COXEdit::OnFormatApplied()
{
}

int COXEdit::ValidateInput()
{
    const int result = ParseText();
    if (::IsWindow(m_hWnd) && m_arrInput.size() > GetLimitText())
        m_arrInput = m_sLastValidInput;
    m_sLastValidInput = m_arrInput;
    return result;
}

void COXEdit::CopyFont()
{
    const HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    m_font.DeleteObject();
    LOGFONT lf;
    if (font && ::GetObject(font, sizeof(lf), &lf))
        m_font.CreateFontIndirect(&lf);
}

void COXEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    // A window being created is initialised by Create once it is complete.
    if (!AfxGetWndInit() && !m_bInitialized)
        InitializeControl();
}

BOOL COXEdit::PreTranslateMessage(MSG* pMsg)
{
    if (::IsWindow(m_toolTip.GetSafeHwnd())) {
        m_toolTip.Activate(TRUE);
        m_toolTip.RelayEvent(pMsg);
    }
    return CEdit::PreTranslateMessage(pMsg);
}

BOOL COXEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
        CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        const HBRUSH brush = CtlColor(dc, message == WM_CTLCOLOREDIT ? CTLCOLOR_EDIT : CTLCOLOR_STATIC);
        if (pResult)
            *pResult = reinterpret_cast<LRESULT>(brush);
        return TRUE;
    }
    // The native control announces every text it is given; the parent must hear
    // only this control's own account of the change.
    if (message == WM_COMMAND && m_nNotifyLock == 0 &&
        (HIWORD(wParam) == EN_CHANGE || HIWORD(wParam) == EN_UPDATE))
        return TRUE;
    return CEdit::OnChildNotify(message, wParam, lParam, pResult);
}

HBRUSH COXEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    COLORREF text = m_clrText;
    COLORREF back = m_clrBack;
    const DWORD style = GetStyle();
    if (!IsWindowEnabled()) {
        text = ::GetSysColor(COLOR_GRAYTEXT);
        back = ::GetSysColor(COLOR_BTNFACE);
    } else if (style & ES_READONLY) {
        text = m_clrReadOnlyText;
        back = m_clrReadOnlyBack;
    }
    ::SetTextColor(pDC->GetSafeHdc(), text);
    ::SetBkColor(pDC->GetSafeHdc(), back);
    if (m_font.GetSafeHandle())
        ::SelectObject(pDC->GetSafeHdc(), m_font.GetSafeHandle());
    // Each control keeps its own brush so that two controls painted in one
    // pass cannot hand the system a brush the other has already deleted.
    if (m_hBackBrush)
        ::DeleteObject(m_hBackBrush);
    m_hBackBrush = ::CreateSolidBrush(back);
    return m_hBackBrush;
}

LRESULT COXEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        if (m_nSetTextLock > 0) {
            const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
            NotifyParent(EN_UPDATE);
            if (m_bNotifyChange)
                NotifyParent(EN_CHANGE);
            return result;
        }
        m_arrInput.clear();
        m_bNotifyChange = FALSE;
        SetInputData(reinterpret_cast<LPCTSTR>(lParam), 0);
        m_bNotifyChange = TRUE;
        return TRUE;
    case WM_SIZE: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        if (::IsWindow(m_toolTip.GetSafeHwnd())) {
            CRect rect;
            GetClientRect(&rect);
            TOOLINFO ti = {};
            ti.cbSize = TTTOOLINFOA_V2_SIZE;
            ti.hwnd = m_hWnd;
            ti.uId = 1;
            ti.rect = rect;
            ti.lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(m_sToolTipText));
            m_toolTip.SetToolInfo(&ti);
        }
        return result;
    }
    case WM_DESTROY:
        if (::IsWindow(m_toolTip.GetSafeHwnd())) {
            m_toolTip.DelTool(this, 1);
            m_toolTip.DestroyWindow();
        }
        return CEdit::WindowProc(message, wParam, lParam);
    case WM_SETFOCUS: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        if (!m_bKeepCaretOnFocus) {
            int start = 0;
            int end = 0;
            GetSel(start, end);
            if (start == 0 && end == GetWindowTextLength())
                SetCaretToNextInput(0);
        }
        m_bFontLock = TRUE;
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
        m_bFontLock = FALSE;
        return result;
    }
    case WM_LBUTTONDOWN: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        int start = 0;
        int end = 0;
        GetSel(start, end);
        if (start == end && !IsInputPositionOrEnd(start))
            SetCaretToNextInput(0);
        return result;
    }
    case WM_KEYDOWN:
        if (GetStyle() & ES_READONLY)
            break;
        return OnKeyDown(wParam, lParam);
    case WM_CHAR:
        if (GetStyle() & ES_READONLY)
            break;
        return OnChar(wParam, lParam);
    case WM_CUT:
    case WM_CLEAR: {
        int start = 0;
        int end = 0;
        GetSel(start, end);
        CEdit::WindowProc(message, wParam, lParam);
        DeleteRange(start, end);
        UpdateText(start);
        return 0;
    }
    case WM_COPY:
        CEdit::WindowProc(message, wParam, lParam);
        return 0;
    case WM_PASTE:
        return OnPaste(wParam, lParam);
    default:
        break;
    }
    const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
    if (message == WM_SETTINGCHANGE) {
        const CString input = GetInputData();
        InitFromLocale();
        EmptyData(TRUE);
        SetInputData(input, 0);
    } else if (message == WM_SETFONT && !m_bFontLock) {
        CopyFont();
    }
    return result;
}

LRESULT COXEdit::OnKeyDown(WPARAM wParam, LPARAM lParam)
{
    const bool shift = (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool ctrl = (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    int start = 0;
    int end = 0;
    switch (wParam) {
    case VK_DELETE: {
        if (shift)
            break;
        GetSel(start, end);
        if (end == start)
            ++end;
        const int width = end - start;
        while (DeleteRange(start, end) == 0) {
            ++start;
            end = start + width;
            if (start > InputEnd()) {
                start = std::min(start - 1, InputEnd());
                break;
            }
        }
        UpdateText(start);
        return 0;
    }
    case VK_HOME:
    case VK_RIGHT:
    case VK_DOWN: {
        const LRESULT result = CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
        if (!shift) {
            GetSel(start, end);
            if (wParam != VK_HOME || !IsInputPositionOrEnd(start))
                SetCaretToNextInput(start);
        }
        return result;
    }
    case VK_END:
    case VK_LEFT:
    case VK_UP: {
        const LRESULT result = CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
        if (!shift) {
            GetSel(start, end);
            if (wParam == VK_END) {
                // End belongs behind the last input character, not on it.
                if (!IsInputPositionOrEnd(start)) {
                    const int pos = start > InputEnd() ? InputEnd() : GetPrevInputPosition(start);
                    SendMessage(EM_SETSEL, pos, pos);
                    SendMessage(EM_SCROLLCARET);
                }
            } else {
                SetCaretToPrevInput(start);
            }
        }
        return result;
    }
    case VK_INSERT:
        if (!shift && !ctrl) {
            m_bInsertMode = !m_bInsertMode;
            return 0;
        }
        break;
    default:
        break;
    }
    return CEdit::WindowProc(WM_KEYDOWN, wParam, lParam);
}

int COXEdit::EnterChar(int nPos, char ch, BOOL bInsert)
{
    return bInsert ? InsertChar(nPos, ch) : ReplaceChar(nPos, ch);
}

LRESULT COXEdit::OnChar(WPARAM wParam, LPARAM lParam)
{
    const DWORD style = GetStyle();
    const bool multiLine = (style & ES_MULTILINE) != 0;
    const bool wantReturn = multiLine && (style & ES_WANTRETURN);
    char ch = static_cast<char>(wParam);
    if (ch == '\n' && multiLine)
        ch = '\r';
    else if (ch == '\n')
        return CEdit::WindowProc(WM_CHAR, wParam, lParam);
    if (ch == '\r' && !wantReturn)
        return CEdit::WindowProc(WM_CHAR, wParam, lParam);
    const bool control = static_cast<unsigned char>(ch) < 32;
    if (control && ch != '\b' && ch != '\r')
        return CEdit::WindowProc(WM_CHAR, wParam, lParam);

    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (ch == '\b') {
        const int width = start == end ? 1 : end - start;
        int s = start == end ? start - 1 : start;
        int e = s + width;
        while (s >= 0) {
            int ds = s;
            int de = e;
            if (DeleteRange(ds, de) > 0) {
                s = ds;
                break;
            }
            if (s < 1)
                break;
            --s;
            --e;
        }
        UpdateText(std::max(s, 0));
        return 0;
    }
    if ((style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(ch)))
        return CEdit::WindowProc(WM_CHAR, wParam, lParam);

    BOOL insert = m_bInsertMode;
    if (start != end) {
        if (DeleteRange(start, end) == 0) {
            ValidationErrorBeep();
            SetCaretToNextInput(start);
            return 0;
        }
        insert = TRUE;
    } else if (!IsInputPositionOrEnd(start)) {
        ValidationErrorBeep();
        SetCaretToNextInput(start);
        return 0;
    }
    int result = EnterChar(start, ch, insert);
    if (result >= 0 && ch == '\r')
        result = EnterChar(result + 1, '\n', insert);
    if (result >= 0) {
        UpdateText(result + 1);
    } else {
        ValidationErrorBeep();
        UpdateText(start);
    }
    return 0;
}

LRESULT COXEdit::OnPaste(WPARAM wParam, LPARAM lParam)
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    CEdit::WindowProc(WM_PASTE, wParam, lParam);
    CString text;
    GetWindowText(text);
    // The window text still carries the literals around the input, however
    // the paste was made; they must not become input themselves.
    std::string pasted = static_cast<LPCTSTR>(text);
    if (!m_arrPrefix.empty() && pasted.compare(0, m_arrPrefix.size(), m_arrPrefix) == 0)
        pasted.erase(0, m_arrPrefix.size());
    if (!m_arrSuffix.empty() && pasted.size() >= m_arrSuffix.size() &&
        pasted.compare(pasted.size() - m_arrSuffix.size(), m_arrSuffix.size(), m_arrSuffix) == 0)
        pasted.erase(pasted.size() - m_arrSuffix.size());
    EmptyData(TRUE);
    SetInputData(pasted.c_str(), 0);
    const int pos = GetNextInputPosition(start);
    SendMessage(EM_SETSEL, pos, pos);
    SendMessage(EM_SCROLLCARET);
    return 0;
}
