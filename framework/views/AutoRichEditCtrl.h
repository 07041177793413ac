// CAutoRichEditCtrl: the framework's rich edit control. It brings its own
// right-click edit menu with the usual enable rules, character and paragraph
// formatting of the selection, text colour through the colour dialog, and the
// whole content in and out as RTF.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/RichEditCtrl.h"

class CCmdUI;
class CMenu;

class CAutoRichEditCtrl : public CRichEditCtrl
{
    DECLARE_DYNAMIC(CAutoRichEditCtrl)
public:
    CAutoRichEditCtrl();
    ~CAutoRichEditCtrl() override;

    // The whole content as RTF.
    CString GetRTF();
    void SetRTF(CString rtf);

    // Character formatting of the selection. A toggle sets the attribute when
    // the selection is mixed and inverts it when it is uniform.
    void SetSelectionBold();
    void SetSelectionItalic();
    void SetSelectionUnderlined();
    BOOL SelectionIsBold();
    BOOL SelectionIsItalic();
    BOOL SelectionIsUnderlined();
    void SetColour(COLORREF colour);
    // Asks for the colour; a cancelled dialog keeps the selection's colour.
    void SelectColor();
    // At most 31 characters of the name are kept.
    void SetFontName(CString name);
    CString GetFontName();
    void SetFontSize(int points);

    // Paragraph formatting of the selection.
    void SetParagraphLeft();
    void SetParagraphCenter();
    void SetParagraphRight();
    BOOL ParagraphIsLeft();
    BOOL ParagraphIsCentered();
    BOOL ParagraphIsRight();
    void SetParagraphBulleted();
    BOOL ParagraphIsBulleted();

    // The TrueType face names (font type 4) found by the enumeration callback.
    CStringArray m_saFontList;
    // Font-enumeration callback; lParam is the control whose list it fills.
    static int CALLBACK EnumFontFamProc(const LOGFONTA* font, const TEXTMETRICA* metric, DWORD fontType,
                                        LPARAM lParam);

protected:
    CHARFORMAT GetCharFormat(DWORD mask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_COLOR | CFM_SIZE);
    void ToggleEffect(DWORD mask, DWORD effect);
    PARAFORMAT GetParagraphFormat();
    void SetParagraphAlignment(WORD alignment);
    BOOL HasSelection() const;

    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);

    afx_msg void OnUndo();
    afx_msg void OnUpdateUndo(CCmdUI* pCmdUI);
    afx_msg void OnCut();
    afx_msg void OnUpdateCut(CCmdUI* pCmdUI);
    afx_msg void OnCopy();
    afx_msg void OnUpdateCopy(CCmdUI* pCmdUI);
    afx_msg void OnPaste();
    afx_msg void OnUpdatePaste(CCmdUI* pCmdUI);
    afx_msg void OnDelete();
    afx_msg void OnUpdateDelete(CCmdUI* pCmdUI);
    afx_msg void OnSelectAll();
    afx_msg void OnUpdateSelectAll(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
