// CEditEx: an edit box with its own text and background colours and font, an
// optional filter that refuses typed characters, and an optional context menu
// taken from a menu resource.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"

// Decides whether a typed character may enter a CEditEx; the edit owns it.
class CEditExFilter
{
public:
    virtual bool Accept(UINT nChar) = 0;
    virtual ~CEditExFilter() = default;
};

class CEditEx : public CEdit
{
    DECLARE_DYNCREATE(CEditEx)
public:
    CEditEx();
    ~CEditEx() override;

    // Each returns the colour it replaced and repaints the control.
    COLORREF SetBackgroundColour(COLORREF colour);
    COLORREF SetTextColour(COLORREF colour);
    COLORREF GetBackgroundColour() const { return backgroundColour; }
    COLORREF GetTextColour() const { return textColour; }

    // A null pointer changes nothing.
    void SetFontIndirect(const LOGFONT* pLogFont);
    void SetFontByName(int nHeight, BYTE nPitchAndFamily, LPCTSTR lpszFaceName);
    CFont* GetOwnFont() const { return font; }

    // Takes the other control's colours and font; assigning to itself does nothing.
    CEditEx& operator=(const CEditEx& other);
    CEditEx(const CEditEx&) = delete;

    virtual void CreateBackgroundBrush();

    CBrush backgroundBrush;
    COLORREF backgroundColour;
    COLORREF textColour;
    CEditExFilter* characterFilter;   // owned; null accepts everything
    CFont* font;                      // owned; null keeps the window's font
    UINT contextMenuId;               // 0: the edit's own context menu

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void ReplaceFont(const LOGFONT& logFont);
};
