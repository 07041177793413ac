#include "framework/views/AutoRichEditCtrl.h"

#include "afx/CmdUI.h"
#include "afx/ColorDialog.h"
#include "afx/Menu.h"
#include "controls/menu/BCMenu.h"
#include "framework/frame/MenuRouting.h"
#include "framework/util/ClipboardFunctions.h"
#include "resources/resource.h"

#include <string.h>

namespace {

// The edit menu's icons are 16 x 16, whatever size the frame's menus use.
const int EditMenuIconSize = 16;
// Room of CHARFORMAT's face name, its terminating zero included.
const int FaceNameRoom = LF_FACESIZE;
const int TwipsPerPoint = 20;
// The indent a new bullet gets when its paragraph has none.
const LONG BulletOffset = 4;

// EM_STREAMIN hands out the text in pieces, each taken off its front.
DWORD CALLBACK StreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    CString* rest = reinterpret_cast<CString*>(cookie);
    const LONG piece = std::min<LONG>(count, rest->GetLength());
    memcpy(buffer, static_cast<LPCSTR>(*rest), static_cast<size_t>(piece));
    *rest = rest->Mid(piece);
    *done = piece;
    return 0;
}

DWORD CALLBACK StreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    CString* result = reinterpret_cast<CString*>(cookie);
    *result += CString(reinterpret_cast<LPCSTR>(buffer), count);
    *done = count;
    return 0;
}

} // namespace

IMPLEMENT_DYNAMIC(CAutoRichEditCtrl, CRichEditCtrl)

BEGIN_MESSAGE_MAP(CAutoRichEditCtrl, CRichEditCtrl)
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
    ON_COMMAND(ID_RICHEDIT_UNDO, &CAutoRichEditCtrl::OnUndo)
    ON_UPDATE_COMMAND_UI(ID_RICHEDIT_UNDO, &CAutoRichEditCtrl::OnUpdateUndo)
    ON_COMMAND(ID_RICHEDIT_CUT, &CAutoRichEditCtrl::OnCut)
    ON_UPDATE_COMMAND_UI(ID_RICHEDIT_CUT, &CAutoRichEditCtrl::OnUpdateCut)
    ON_COMMAND(ID_RICHEDIT_COPY, &CAutoRichEditCtrl::OnCopy)
    ON_UPDATE_COMMAND_UI(ID_RICHEDIT_COPY, &CAutoRichEditCtrl::OnUpdateCopy)
    ON_COMMAND(ID_RICHEDIT_PASTE, &CAutoRichEditCtrl::OnPaste)
    ON_UPDATE_COMMAND_UI(ID_RICHEDIT_PASTE, &CAutoRichEditCtrl::OnUpdatePaste)
    ON_COMMAND(ID_RICHEDIT_DELETE, &CAutoRichEditCtrl::OnDelete)
    ON_UPDATE_COMMAND_UI(ID_RICHEDIT_DELETE, &CAutoRichEditCtrl::OnUpdateDelete)
    ON_COMMAND(ID_RICHEDIT_SELECT_ALL, &CAutoRichEditCtrl::OnSelectAll)
    ON_UPDATE_COMMAND_UI(ID_RICHEDIT_SELECT_ALL, &CAutoRichEditCtrl::OnUpdateSelectAll)
END_MESSAGE_MAP()

CAutoRichEditCtrl::CAutoRichEditCtrl() : m_saFontList()
{
}

CAutoRichEditCtrl::~CAutoRichEditCtrl() = default;

int CALLBACK CAutoRichEditCtrl::EnumFontFamProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType,
                                                LPARAM lParam)
{
    if (fontType == TRUETYPE_FONTTYPE)
        reinterpret_cast<CAutoRichEditCtrl*>(lParam)->m_saFontList.Add(font->lfFaceName);
    return 1;
}

// ---- RTF

CString CAutoRichEditCtrl::GetRTF()
{
    CString rtf;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
    stream.pfnCallback = StreamOutCallback;
    StreamOut(SF_RTF, stream);
    return rtf;
}

void CAutoRichEditCtrl::SetRTF(CString rtf)
{
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
    stream.pfnCallback = StreamInCallback;
    StreamIn(SF_RTF, stream);
}

// ---- Character formatting

CHARFORMAT CAutoRichEditCtrl::GetCharFormat(DWORD mask)
{
    CHARFORMAT format = {};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    GetSelectionCharFormat(format);
    return format;
}

void CAutoRichEditCtrl::ToggleEffect(DWORD mask, DWORD effect)
{
    CHARFORMAT format = GetCharFormat();
    // Uniform over the selection: invert; mixed: make it all set.
    if (format.dwMask & mask)
        format.dwEffects ^= effect;
    else
        format.dwEffects |= effect;
    format.dwMask = mask;
    SetSelectionCharFormat(format);
}

void CAutoRichEditCtrl::SetSelectionBold()
{
    ToggleEffect(CFM_BOLD, CFE_BOLD);
}

void CAutoRichEditCtrl::SetSelectionItalic()
{
    ToggleEffect(CFM_ITALIC, CFE_ITALIC);
}

void CAutoRichEditCtrl::SetSelectionUnderlined()
{
    ToggleEffect(CFM_UNDERLINE, CFE_UNDERLINE);
}

BOOL CAutoRichEditCtrl::SelectionIsBold()
{
    return (GetCharFormat().dwEffects & CFE_BOLD) != 0;
}

BOOL CAutoRichEditCtrl::SelectionIsItalic()
{
    return (GetCharFormat().dwEffects & CFE_ITALIC) != 0;
}

BOOL CAutoRichEditCtrl::SelectionIsUnderlined()
{
    return (GetCharFormat().dwEffects & CFE_UNDERLINE) != 0;
}

void CAutoRichEditCtrl::SetColour(COLORREF colour)
{
    CHARFORMAT format = GetCharFormat();
    format.dwEffects &= ~static_cast<DWORD>(CFE_AUTOCOLOR);
    format.crTextColor = colour;
    format.dwMask = CFM_COLOR;
    SetSelectionCharFormat(format);
}

void CAutoRichEditCtrl::SelectColor()
{
    CColorDialog dialog(0, 0, nullptr);
    const COLORREF colour = dialog.DoModal() == IDOK ? dialog.GetColor() : GetCharFormat().crTextColor;
    SetColour(colour);
}

void CAutoRichEditCtrl::SetFontName(CString name)
{
    CHARFORMAT format = GetCharFormat();
    lstrcpynA(format.szFaceName, name, FaceNameRoom);
    format.dwMask = CFM_FACE;
    SetSelectionCharFormat(format);
}

CString CAutoRichEditCtrl::GetFontName()
{
    return GetCharFormat().szFaceName;
}

void CAutoRichEditCtrl::SetFontSize(int points)
{
    CHARFORMAT format = GetCharFormat();
    format.yHeight = points * TwipsPerPoint;
    format.dwMask = CFM_SIZE;
    SetSelectionCharFormat(format);
}

// ---- Paragraph formatting

PARAFORMAT CAutoRichEditCtrl::GetParagraphFormat()
{
    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
}

void CAutoRichEditCtrl::SetParagraphAlignment(WORD alignment)
{
    PARAFORMAT format = GetParagraphFormat();
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = alignment;
    SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

void CAutoRichEditCtrl::SetParagraphLeft()
{
    SetParagraphAlignment(PFA_LEFT);
}

void CAutoRichEditCtrl::SetParagraphCenter()
{
    SetParagraphAlignment(PFA_CENTER);
}

void CAutoRichEditCtrl::SetParagraphRight()
{
    SetParagraphAlignment(PFA_RIGHT);
}

BOOL CAutoRichEditCtrl::ParagraphIsLeft()
{
    return GetParagraphFormat().wAlignment == PFA_LEFT;
}

BOOL CAutoRichEditCtrl::ParagraphIsCentered()
{
    return GetParagraphFormat().wAlignment == PFA_CENTER;
}

BOOL CAutoRichEditCtrl::ParagraphIsRight()
{
    return GetParagraphFormat().wAlignment == PFA_RIGHT;
}

void CAutoRichEditCtrl::SetParagraphBulleted()
{
    PARAFORMAT format = GetParagraphFormat();
    const DWORD indentMask = PFM_NUMBERING | PFM_STARTINDENT | PFM_OFFSET;
    if ((format.dwMask & PFM_NUMBERING) && format.wNumbering == PFN_BULLET) {
        format.wNumbering = 0;
        format.dxStartIndent = 0;
        format.dxOffset = 0;
        format.dwMask = indentMask;
    } else {
        format.wNumbering = PFN_BULLET;
        if (format.dxOffset == 0) {
            format.dxOffset = BulletOffset;
            format.dwMask = indentMask;
        } else {
            format.dwMask = PFM_NUMBERING;
        }
    }
    SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

BOOL CAutoRichEditCtrl::ParagraphIsBulleted()
{
    return GetParagraphFormat().wNumbering == PFN_BULLET;
}

// ---- The edit menu

void CAutoRichEditCtrl::OnContextMenu(CWnd*, CPoint point)
{
    BCMenu::SetIconSize(EditMenuIconSize, EditMenuIconSize);
    BCMenu menu;
    if (!menu.LoadMenu(IDR_MENU_RICHEDIT))
        return;
    menu.LoadToolbar(IDR_TOOLBAR_MENU_IMAGES);
    if (CMenu* popup = menu.GetSubMenu(0)) {
        ::SetCursor(nullptr);
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
    }
    menu.DestroyMenu();
}

void CAutoRichEditCtrl::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CRichEditCtrl::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu)
        return;
    // The control is the menu's command target: its own update handlers
    // decide which items are enabled.
    AfxUpdateMenuPopup(this, pPopupMenu->GetSafeHmenu(), FALSE);
    if (BCMenu::IsMenu(pPopupMenu))
        BCMenu::UpdateMenu(pPopupMenu);
}

void CAutoRichEditCtrl::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
{
    if (!MeasureOwnerDrawnMenuItem(lpMIS))
        CRichEditCtrl::OnMeasureItem(nIDCtl, lpMIS);
}

void CAutoRichEditCtrl::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (!DrawOwnerDrawnMenuItem(lpDIS))
        CRichEditCtrl::OnDrawItem(nIDCtl, lpDIS);
}

LRESULT CAutoRichEditCtrl::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (BCMenu::IsMenu(pMenu))
        return BCMenu::OnMenuChar(nChar, nFlags, pMenu);
    return CRichEditCtrl::OnMenuChar(nChar, nFlags, pMenu);
}

BOOL CAutoRichEditCtrl::HasSelection() const
{
    long start = 0, end = 0;
    GetSel(start, end);
    return start != end;
}

void CAutoRichEditCtrl::OnUndo()
{
    SendMessage(EM_UNDO);
}

void CAutoRichEditCtrl::OnUpdateUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(SendMessage(EM_CANUNDO) != 0);
}

void CAutoRichEditCtrl::OnCut()
{
    SendMessage(WM_CUT);
}

void CAutoRichEditCtrl::OnUpdateCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void CAutoRichEditCtrl::OnCopy()
{
    SendMessage(WM_COPY);
}

void CAutoRichEditCtrl::OnUpdateCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void CAutoRichEditCtrl::OnPaste()
{
    // The clipboard's text takes the place of the whole content. With no
    // text on the clipboard the content stays: an empty paste must not wipe
    // what the user wrote.
    CString text;
    if (!GetClipboardText(text))
        return;
    SetWindowText(text);
}

void CAutoRichEditCtrl::OnUpdatePaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CAutoRichEditCtrl::OnDelete()
{
    SendMessage(WM_CLEAR);
}

void CAutoRichEditCtrl::OnUpdateDelete(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetWindowTextLength() > 0);
}

void CAutoRichEditCtrl::OnSelectAll()
{
    // Everything, the last character included.
    SetSel(0, -1);
}

void CAutoRichEditCtrl::OnUpdateSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetWindowTextLength() > 0);
}
