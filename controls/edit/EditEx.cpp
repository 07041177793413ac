#include "controls/edit/EditEx.h"

#include "afx/DC.h"
#include "afx/Menu.h"

#include <string.h>

IMPLEMENT_DYNCREATE(CEditEx, CEdit)

BEGIN_MESSAGE_MAP(CEditEx, CEdit)
    ON_WM_CHAR()
    ON_WM_CONTEXTMENU()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CEditEx::CEditEx()
    : backgroundBrush(), backgroundColour(::GetSysColor(COLOR_WINDOW)), textColour(::GetSysColor(COLOR_WINDOWTEXT)),
      characterFilter(nullptr), font(nullptr), contextMenuId(0)
{
    backgroundBrush.CreateSolidBrush(backgroundColour);
}

CEditEx::~CEditEx()
{
    delete font;
    delete characterFilter;
}

void CEditEx::CreateBackgroundBrush()
{
    backgroundBrush.CreateSolidBrush(backgroundColour);
}

COLORREF CEditEx::SetBackgroundColour(COLORREF colour)
{
    const COLORREF previous = backgroundColour;
    backgroundColour = colour;
    backgroundBrush.DeleteObject();
    CreateBackgroundBrush();
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
    return previous;
}

COLORREF CEditEx::SetTextColour(COLORREF colour)
{
    const COLORREF previous = textColour;
    textColour = colour;
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
    return previous;
}

void CEditEx::ReplaceFont(const LOGFONT& logFont)
{
    CFont* created = new CFont;
    if (!created->CreateFontIndirect(&logFont)) {
        delete created;
        return;
    }
    // The window uses the old font until WM_SETFONT names the new one.
    CFont* old = font;
    font = created;
    if (::IsWindow(m_hWnd))
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
    delete old;
}

void CEditEx::SetFontIndirect(const LOGFONT* pLogFont)
{
    if (pLogFont)
        ReplaceFont(*pLogFont);
}

void CEditEx::SetFontByName(int nHeight, BYTE nPitchAndFamily, LPCTSTR lpszFaceName)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfPitchAndFamily = nPitchAndFamily;
    if (lpszFaceName)
        lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    ReplaceFont(lf);
}

CEditEx& CEditEx::operator=(const CEditEx& other)
{
    if (&other == this)
        return *this;
    SetBackgroundColour(other.backgroundColour);
    SetTextColour(other.textColour);
    if (other.font && other.font->GetSafeHandle()) {
        LOGFONT lf = {};
        lf.lfHeight = -8;
        lf.lfWeight = FW_NORMAL;
        lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
        other.font->GetObject(sizeof lf, &lf);
        SetFontIndirect(&lf);
    }
    return *this;
}

HBRUSH CEditEx::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(textColour);
    pDC->SetBkColor(backgroundColour);
    return static_cast<HBRUSH>(backgroundBrush.GetSafeHandle());
}

void CEditEx::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (characterFilter && !characterFilter->Accept(nChar)) {
        ::MessageBeep(0);
        return;
    }
    Default();
}

void CEditEx::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (contextMenuId == 0) {
        Default();
        return;
    }
    CMenu menu;
    CMenu* popup = nullptr;
    if (menu.LoadMenu(contextMenuId))
        popup = menu.GetSubMenu(0);
    if (!popup) {
        Default();
        return;
    }
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}
