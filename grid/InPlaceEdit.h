// CInPlaceEdit: the edit box a grid cell opens over itself to change its text.
// It ends on Enter, Tab, Escape, the navigation keys or the loss of focus,
// reports the text and the ending key to its owner in a GVN_ENDLABELEDIT
// record, and deletes itself when its window goes.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/Rect.h"
#include "afx/String.h"

class CInPlaceEdit : public CEdit
{
public:
    CInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn, CString sInitText,
                 UINT nFirstChar);
    ~CInPlaceEdit() override;
    CInPlaceEdit(const CInPlaceEdit&) = delete;
    CInPlaceEdit& operator=(const CInPlaceEdit&) = delete;

    // Sends the end record and closes the window (which deletes the object).
    void EndEdit();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT GetLastChar() const { return m_nLastChar; }

protected:
    void PostNcDestroy() override;

    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar;
    BOOL m_bExitOnArrows;
    CRect m_Rect;
};
