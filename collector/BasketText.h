// The Basket's rules on its text: one keyword per line, lines joined by CR LF
// with nothing after the last. Every change starts from the Basket box's
// current text (so hand edits are taken up), normalises it, optionally sorts
// and de-duplicates it and gives the new text and its lines.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/String.h"

class CBasketText
{
public:
    CBasketText(BOOL bSort, BOOL bDedupe);

    // keyword, CR LF, the current text: then normalised and arranged.
    // lines receives the new Basket lines (the keyword array's contents).
    CString AddToBasket(LPCTSTR currentText, LPCTSTR keyword, CStringArray& lines) const;
    // The current text normalised, without every line equal to the keyword.
    CString RemoveFromBasket(LPCTSTR currentText, LPCTSTR keyword, CStringArray& lines) const;

    // Whether the lines, joined, are a text the rules leave as it stands:
    // every line as splitting leaves it, in order when sorting, each once when
    // de-duplicating. For such lines AddToArranged and RemoveFromArranged
    // give the lines AddToBasket and RemoveFromBasket give for their joined
    // text, without splitting, sorting and de-duplicating every line again.
    BOOL IsArranged(const CStringArray& lines) const;
    void AddToArranged(CStringArray& lines, LPCTSTR keyword) const;
    void RemoveFromArranged(CStringArray& lines, LPCTSTR keyword) const;

    // Appends the non-empty lines of the normalised text: CR and LF both end a
    // line, a tab counts as a blank, a run of blanks shrinks to one blank for
    // every 32 (and so to one for up to 32). A line of one blank is a line.
    static void SplitBasketText(LPCTSTR text, CStringArray& lines);
    // Byte-wise unsigned order, capitals before small letters, Latin before
    // Cyrillic.
    static void SortLines(CStringArray& lines);
    // Keeps the first of every set of byte-identical lines, in place.
    static void DedupeLines(CStringArray& lines);
    // The lines joined by CR LF, nothing after the last; no lines, no text.
    static CString JoinLines(const CStringArray& lines);
    // Appends the non-empty CR LF-separated pieces of a text as it stands
    // (no normalisation): how the keyword array is read from a loaded file.
    static void SplitKeywords(LPCTSTR text, CStringArray& keywords);
    // Takes every NUL byte out of the text (they are not text, and would end
    // it early); TRUE when there was one.
    static BOOL DropNulBytes(CString& text);

private:
    CString Arrange(CStringArray& lines) const;

    BOOL m_bSort;
    BOOL m_bDedupe;
};

// Empties the array, then appends the text's lines cut at LF without their
// CR and LF, leaving out empty ones. An LF right after the start of a line
// does not cut (the next cut is looked for from the line's second byte), so
// an empty line joins the one after it; the last line also loses every blank.
void SplitTextLines(LPCTSTR text, CStringArray& lines);

// The Basket's lines as a set, for asking of every suggestion whether it is
// already in the Basket. Exact, case-sensitive, byte-wise equality.
class CBasketIndex
{
public:
    explicit CBasketIndex(LPCTSTR basketText);
    // The lines as they stand, for lines that splitting would leave as they
    // are (see CBasketText::IsArranged).
    explicit CBasketIndex(const CStringArray& lines);

    BOOL IsInBasket(LPCTSTR keyword) const;

private:
    CStringArray m_sorted;   // the lines in byte order, for binary search
};
