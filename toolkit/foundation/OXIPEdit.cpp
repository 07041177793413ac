#include "toolkit/foundation/OXIPEdit.h"

IMPLEMENT_DYNCREATE(COXIPEdit, COXMaskedEdit)

namespace {
// Escaped points, so the separators never follow the locale.
const char AddressMask[] = "###\\.###\\.###\\.###";
const char BlankAddress[] = "   .   .   .   ";
} // namespace

COXIPEdit::COXIPEdit()
    : COXMaskedEdit(nullptr)
{
    SetMask(AddressMask);
}

BOOL COXIPEdit::ParseAddress(LPCTSTR lpszText, BYTE& b1, BYTE& b2, BYTE& b3, BYTE& b4)
{
    if (!lpszText)
        return FALSE;
    unsigned values[4] = {};
    int group = 0;
    int digits = 0;
    for (const char* p = lpszText; *p; ++p) {
        if (*p == ' ')
            continue;
        if (*p == '.') {
            // Every group needs a number: "1..2.3" has three points but only three numbers.
            if (digits == 0 || group == 3)
                return FALSE;
            ++group;
            digits = 0;
        } else if (*p >= '0' && *p <= '9') {
            values[group] = values[group] * 10 + static_cast<unsigned>(*p - '0');
            // Bounded before it can overflow, however many digits follow.
            if (values[group] > 255)
                return FALSE;
            ++digits;
        } else {
            return FALSE;
        }
    }
    if (group != 3 || digits == 0)
        return FALSE;
    b1 = static_cast<BYTE>(values[0]);
    b2 = static_cast<BYTE>(values[1]);
    b3 = static_cast<BYTE>(values[2]);
    b4 = static_cast<BYTE>(values[3]);
    return TRUE;
}

BOOL COXIPEdit::IsBlankAddress(LPCTSTR lpszText)
{
    return !lpszText || !*lpszText || ::lstrcmpA(lpszText, BlankAddress) == 0;
}

CString COXIPEdit::FormatAddress(BYTE b1, BYTE b2, BYTE b3, BYTE b4)
{
    CString text;
    text.Format("%u.%u.%u.%u", static_cast<unsigned>(b1), static_cast<unsigned>(b2), static_cast<unsigned>(b3),
                static_cast<unsigned>(b4));
    return text;
}

BOOL COXIPEdit::IsValidAddress(LPCTSTR lpszText)
{
    BYTE b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    return IsBlankAddress(lpszText) || ParseAddress(lpszText, b1, b2, b3, b4);
}

CString COXIPEdit::GetBadAddressText()
{
    return "<bad address>";
}

CString COXIPEdit::GetInputData() const
{
    CString text = COXMaskedEdit::GetInputData();
    if (IsBlankAddress(text))
        return CString();
    // The virtual checks are not const; they only read the text given to them.
    COXIPEdit* self = const_cast<COXIPEdit*>(this);
    if (!self->IsValidAddress(text))
        return self->GetBadAddressText();
    text.Remove(' ');
    return text;
}

void COXIPEdit::SetInputData(LPCTSTR lpszText)
{
    BYTE b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    if (!IsBlankAddress(lpszText) && IsValidAddress(lpszText) && ParseAddress(lpszText, b1, b2, b3, b4)) {
        CString text;
        text.Format("%3u.%3u.%3u.%3u", static_cast<unsigned>(b1), static_cast<unsigned>(b2),
                    static_cast<unsigned>(b3), static_cast<unsigned>(b4));
        COXMaskedEdit::SetInputData(text);
    } else {
        COXMaskedEdit::SetInputData("");
    }
}
