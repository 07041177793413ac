#include "afx/DataExchange.h"

#include "afx/Exception.h"
#include "afx/ListText.h"
#include "afx/WinApp.h"

#include <errno.h>
#include <float.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

// ---- CWnd's side -----------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
        return TRUE;
    } catch (CUserException* e) {
        // The user has been told and the control focused already.
        e->Delete();
    } catch (CException* e) {
        if (bSaveAndValidate)
            e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
    }
    return FALSE;
}

// ---- CDataExchange ---------------------------------------------------------

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE)
{
    ASSERT(pDlgWnd != nullptr);
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    // A missing control is a mistake in the dialog or its exchange code.
    if (!control) {
        TRACE("Data exchange: no control with id %d\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate) {
        // Loading never fails on the user's account: nothing to focus.
        AfxThrowUserException();
    }
    if (m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace {

CString WindowText(HWND hWnd)
{
    CString text;
    const int length = ::GetWindowTextLengthA(hWnd);
    char* buffer = text.GetBufferSetLength(length);
    const int copied = length ? ::GetWindowTextA(hWnd, buffer, length + 1) : 0;
    text.ReleaseBuffer(copied);
    return text;
}

void SetWindowTextIfChanged(HWND hWnd, LPCSTR text)
{
    // Setting the same text again would move the caret and send EN_CHANGE.
    if (WindowText(hWnd) != text)
        ::SetWindowTextA(hWnd, text);
}

void FailWith(CDataExchange* pDX, LPCSTR message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    pDX->Fail();
}

// A range check runs only when saving; a value outside [minVal, maxVal], NaN
// included, is reported with the message made of format and shown.
template <class T, class... Shown>
void CheckRange(CDataExchange* pDX, const T& value, T minVal, T maxVal, LPCSTR format, Shown... shown)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    message.Format(format, shown...);
    FailWith(pDX, message);
}

const char* SkipSpace(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// A whole text as a signed 64-bit number: optional blanks around, an optional
// sign, digits and nothing else.
bool ParseSigned(const char* text, long long& value)
{
    const char* p = SkipSpace(text);
    if (!*p)
        return false;
    char* end = nullptr;
    errno = 0;
    value = strtoll(p, &end, 10);
    if (end == p || errno == ERANGE)
        return false;
    return *SkipSpace(end) == 0;
}

// Unsigned: a minus sign is refused rather than wrapped round to a huge value.
bool ParseUnsigned(const char* text, unsigned long long& value)
{
    const char* p = SkipSpace(text);
    if (!*p || *p == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    value = strtoull(p, &end, 10);
    if (end == p || errno == ERANGE)
        return false;
    return *SkipSpace(end) == 0;
}

bool ParseDouble(const char* text, double& value)
{
    const char* p = SkipSpace(text);
    if (!*p)
        return false;
    char* end = nullptr;
    errno = 0;
    value = strtod(p, &end);
    if (end == p || errno == ERANGE)
        return false;
    return *SkipSpace(end) == 0;
}

template <class T>
void TextSigned(CDataExchange* pDX, int nIDC, T& value, long long minValue, long long maxValue)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long parsed = 0;
        if (!ParseSigned(WindowText(control), parsed) || parsed < minValue || parsed > maxValue)
            FailWith(pDX, "Please enter an integer.");
        value = static_cast<T>(parsed);
    } else {
        char text[32];
        _snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
        SetWindowTextIfChanged(control, text);
    }
}

template <class T>
void TextUnsigned(CDataExchange* pDX, int nIDC, T& value, unsigned long long maxValue)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        unsigned long long parsed = 0;
        if (!ParseUnsigned(WindowText(control), parsed) || parsed > maxValue)
            FailWith(pDX, "Please enter a positive integer.");
        value = static_cast<T>(parsed);
    } else {
        char text[32];
        _snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value));
        SetWindowTextIfChanged(control, text);
    }
}

template <class T>
void TextFloating(CDataExchange* pDX, int nIDC, T& value, int digits, double limit)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double parsed = 0;
        if (!ParseDouble(WindowText(control), parsed) || parsed > limit || parsed < -limit)
            FailWith(pDX, "Please enter a number.");
        value = static_cast<T>(parsed);
    } else {
        char text[64];
        _snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        SetWindowTextIfChanged(control, text);
    }
}

bool IsRadioButton(HWND hWnd)
{
    return (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

} // namespace

// ---- DDX -------------------------------------------------------------------

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control)) {
        TRACE("Data exchange: control %d could not be subclassed\n", nIDC);
        AfxThrowNotSupportedException();
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(control);
    else
        SetWindowTextIfChanged(control, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    ASSERT(nMaxLen > 0);
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        ::GetWindowTextA(control, value, nMaxLen);
    } else {
        SetWindowTextIfChanged(control, value);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) { TextSigned(pDX, nIDC, value, INT_MIN, INT_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) { TextSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value) { TextSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { TextUnsigned(pDX, nIDC, value, UINT_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { TextUnsigned(pDX, nIDC, value, ULONG_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { TextUnsigned(pDX, nIDC, value, UCHAR_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) { TextFloating(pDX, nIDC, value, DBL_DIG, DBL_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value) { TextFloating(pDX, nIDC, value, FLT_DIG, FLT_MAX); }

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        // Only the three button states exist; anything else shows as unchecked.
        const int state = value >= 0 && value <= 2 ? value : 0;
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND first = pDX->PrepareCtrl(nIDC);
    ASSERT(::GetWindowLongPtrA(first, GWL_STYLE) & WS_GROUP);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    HWND button = first;
    do {
        if (IsRadioButton(button)) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        button = ::GetWindow(button, GW_HWNDNEXT);
    } while (button && !(::GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP));
}

namespace {

bool ComboHasEdit(HWND combo)
{
    return (::GetWindowLongPtrA(combo, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST;
}


void ComboString(CDataExchange* pDX, int nIDC, CString& value, bool exact)
{
    HWND combo = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (ComboHasEdit(combo)) {
            value = WindowText(combo);
        } else {
            const LRESULT selection = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
            value = selection == CB_ERR ? CString() : AfxGetListText(combo, CB_GETLBTEXT, static_cast<int>(selection));
        }
        return;
    }
    LRESULT found;
    if (exact) {
        found = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>((LPCSTR)value));
        if (found != CB_ERR)
            ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    } else {
        found = ::SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>((LPCSTR)value));
    }
    // A text that is not in the list can still stand in the edit part.
    if (found == CB_ERR && ComboHasEdit(combo))
        SetWindowTextIfChanged(combo, value);
}

void ListString(CDataExchange* pDX, int nIDC, CString& value, bool exact)
{
    HWND list = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        const LRESULT selection = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
        value = selection == LB_ERR ? CString() : AfxGetListText(list, LB_GETTEXT, static_cast<int>(selection));
        return;
    }
    LRESULT found = ::SendMessageA(list, exact ? LB_FINDSTRINGEXACT : LB_FINDSTRING, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>((LPCSTR)value));
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

} // namespace

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) { ComboString(pDX, nIDC, value, false); }
void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) { ComboString(pDX, nIDC, value, true); }
void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) { ListString(pDX, nIDC, value, false); }
void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) { ListString(pDX, nIDC, value, true); }

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND combo = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND list = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// ---- DDV -------------------------------------------------------------------
// Checks run only when saving, right after the DDX_ of the same control.

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %d and %d.", minVal, maxVal);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %ld and %ld.", minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %u and %u.", minVal, maxVal);
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %lu and %lu.", minVal, maxVal);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Please enter a number between %.*g and %.*g.", DBL_DIG, minVal, DBL_DIG,
               maxVal);
}

void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Please enter a number between %.*g and %.*g.", FLT_DIG,
               static_cast<double>(minVal), FLT_DIG, static_cast<double>(maxVal));
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        // Loading: let the edit itself refuse longer input.
        if (pDX->m_hWndLastControl && pDX->m_bEditLastControl)
            ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() <= nChars)
        return;
    CString message;
    message.Format("Please enter no more than %d characters.", nChars);
    FailWith(pDX, message);
}
