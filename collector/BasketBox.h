// The Basket box: the main view's multi-line edit that shows the Basket. An
// edit control measures every line it is given, so a Basket of many thousand
// lines costs seconds whenever its whole text is set. This box keeps a copy of
// what it holds, puts in only the stretch that differs from it, and takes a
// large text at start-up in slices between the window's other messages.
// The copy stays good while nobody else changes the box; typing, pasting or a
// text set from outside drop it, and the box is read afresh.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/String.h"

class CBasketBox : public CEdit
{
    DECLARE_DYNAMIC(CBasketBox)
public:
    CBasketBox();

    // Shows the text as it stands. The first slice goes in at once, the
    // rest on timer ticks, so the window answers while a large Basket comes in.
    void LoadText(const CString& text);
    // Makes the box hold the text: only the differing stretch is replaced.
    // The caret goes to the start and the first line to the top, as when a
    // whole text is set.
    void ShowText(const CString& text);
    // The box's whole text, the part still to come in included.
    const CString& GetText();
    // Puts in at once whatever of the loaded text is still to come.
    void FinishLoading();
    BOOL IsLoading() const { return m_nLoaded < m_strLoading.GetLength(); }
    // Grows with every change of the box's text, whoever made it (slices of
    // a loading text are no change: GetText had them already).
    UINT GetChangeCount() const { return m_nChanges; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    // Replaces the characters [start, end) by the text, as the box's own change.
    void Replace(int start, int end, LPCTSTR text);
    // Appends slices of the loading text until the time budget is spent.
    void LoadSlices(DWORD budgetMs, int sliceBytes);
    void ChangedFromOutside();

    CString m_strText;     // the box's text while m_bKnown
    BOOL m_bKnown;
    CString m_strLoading;  // the text being loaded, and how much of it is in
    int m_nLoaded;
    UINT m_nChanges;
    int m_nOwnChange;      // depth of the box's own changes under way
};
