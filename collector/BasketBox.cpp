#include "collector/BasketBox.h"

#include <limits.h>
#include <string.h>

namespace
{
// The timer of the slices of a large text; the edit control's own timer
// (mouse selection) has the id 0.
const UINT_PTR LoadTimer = 0x4241;
const UINT LoadTickMs = 10;
// The first slice shows a screenful and more at once. The later ones are
// short enough for the window to answer between them: an edit control takes
// in some 20,000 to 40,000 appended lines a second, so one slice of 32 KB
// (about 1,400 Basket lines) costs some 40 to 80 ms.
const int FirstSliceBytes = 4 * 1024;
const int SliceBytes = 32 * 1024;
const DWORD TickBudgetMs = 25;
// Far enough to the left for any line: the box stops at the line's start.
const int ScrollHomeChars = -1000000;

// Where a slice of at most limit bytes from from ends: after the last line
// end within it, else after the next line end (one long line comes whole),
// else at the end of the text.
int SliceEnd(const CString& text, int from, int limit)
{
    const int length = text.GetLength();
    if (length - from <= limit)
        return length;
    const char* base = text.GetString();
    for (int i = from + limit; i > from; --i)
        if (base[i - 1] == '\n')
            return i;
    const void* next = memchr(base + from + limit, '\n', static_cast<size_t>(length - from - limit));
    return next ? static_cast<int>(static_cast<const char*>(next) - base) + 1 : length;
}
}

IMPLEMENT_DYNAMIC(CBasketBox, CEdit)

CBasketBox::CBasketBox()
    : m_strText(), m_bKnown(FALSE), m_strLoading(), m_nLoaded(0), m_nChanges(0), m_nOwnChange(0)
{
}

void CBasketBox::LoadText(const CString& text)
{
    KillTimer(LoadTimer);
    m_strLoading = text;
    m_nLoaded = SliceEnd(text, 0, FirstSliceBytes);
    ++m_nOwnChange;
    SetWindowText(m_nLoaded == text.GetLength() ? text : text.Left(m_nLoaded));
    --m_nOwnChange;
    ++m_nChanges;
    m_strText = text;
    m_bKnown = TRUE;
    if (IsLoading())
        SetTimer(LoadTimer, LoadTickMs, nullptr);
    else
        m_strLoading.Empty();
}

void CBasketBox::LoadSlices(DWORD budgetMs, int sliceBytes)
{
    // The user may already be reading or typing in the top of the Basket:
    // the selection and the scroll place stay as they are.
    int selStart = 0, selEnd = 0;
    GetSel(selStart, selEnd);
    const int firstLine = static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE));
    const BOOL atLeft = GetScrollPos(SB_HORZ) == 0;
    SetRedraw(FALSE);
    const DWORD start = GetTickCount();
    do {
        const int end = SliceEnd(m_strLoading, m_nLoaded, sliceBytes);
        Replace(INT_MAX, INT_MAX, m_strLoading.Mid(m_nLoaded, end - m_nLoaded));
        m_nLoaded = end;
    } while (IsLoading() && GetTickCount() - start < budgetMs);
    SetSel(selStart, selEnd, TRUE);
    LineScroll(firstLine - static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)), atLeft ? ScrollHomeChars : 0);
    SetRedraw(TRUE);
    Invalidate();
    if (!IsLoading()) {
        KillTimer(LoadTimer);
        m_strLoading.Empty();
        m_nLoaded = 0;
    }
}

void CBasketBox::FinishLoading()
{
    if (IsLoading())
        LoadSlices(INFINITE, INT_MAX);
}

const CString& CBasketBox::GetText()
{
    if (!m_bKnown) {
        FinishLoading();
        GetWindowText(m_strText);
        m_bKnown = TRUE;
    }
    return m_strText;
}

void CBasketBox::ShowText(const CString& text)
{
    FinishLoading();
    const CString& old = GetText();
    const int oldLength = old.GetLength();
    const int newLength = text.GetLength();
    const char* a = old.GetString();
    const char* b = text.GetString();
    int prefix = 0;
    while (prefix < oldLength && prefix < newLength && a[prefix] == b[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < oldLength - prefix && suffix < newLength - prefix
           && a[oldLength - 1 - suffix] == b[newLength - 1 - suffix])
        ++suffix;
    if (prefix != oldLength || prefix != newLength) {
        Replace(prefix, oldLength - suffix, text.Mid(prefix, newLength - suffix - prefix));
        ++m_nChanges;
    }
    // As after a whole text: caret at the start, first line at the top,
    // nothing to undo, not modified.
    SetSel(0, 0, FALSE);
    EmptyUndoBuffer();
    SetModify(FALSE);
    if (GetWindowTextLength() != newLength) {
        // The box refused part of the change (memory): give it the whole text.
        ++m_nOwnChange;
        SetWindowText(text);
        --m_nOwnChange;
    }
    m_strText = text;
    m_bKnown = TRUE;
}

void CBasketBox::Replace(int start, int end, LPCTSTR text)
{
    ++m_nOwnChange;
    SetSel(start, end, TRUE);
    ReplaceSel(text, FALSE);
    --m_nOwnChange;
}

void CBasketBox::ChangedFromOutside()
{
    ++m_nChanges;
    m_bKnown = FALSE;
}

LRESULT CBasketBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == LoadTimer) {
        if (IsLoading())
            LoadSlices(TickBudgetMs, SliceBytes);
        else
            KillTimer(LoadTimer);
        return 0;
    }
    if ((message == WM_SETTEXT || message == EM_SETHANDLE) && m_nOwnChange == 0) {
        // A whole new text from outside: what was still to load is not part of it.
        KillTimer(LoadTimer);
        m_strLoading.Empty();
        m_nLoaded = 0;
        ChangedFromOutside();
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

BOOL CBasketBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // A multi-line edit tells of every change but a whole text set with
    // EN_CHANGE: typing, pasting, cutting, undoing, a replaced selection.
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_nOwnChange == 0)
        ChangedFromOutside();
    return CEdit::OnChildNotify(message, wParam, lParam, pResult);
}
