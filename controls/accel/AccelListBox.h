// CAccelListBox: the owner-drawn list of one command's key bindings (item
// data: CAccelsOb*); the bindings the program defined are greyed.
#pragma once

#include "afx/BasicCtrls.h"

class CAccelListBox : public CListBox
{
    DECLARE_DYNAMIC(CAccelListBox)
public:
    CAccelListBox();
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg void OnFocusChange();
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_crHighlight;
    COLORREF m_crHighlightText;
    COLORREF m_crGrayText;
    COLORREF m_crWindow;
};
