// COXMaskedEdit: an edit driven by an input mask. Each mask character is one
// display position, either a literal (shown, never edited) or an input
// position that takes one class of characters and shows the prompt while
// empty. The caret skips literals and deletions close up the entered
// characters across them; the rules live in COXMaskBuffer.
//
// Mask characters: "#" digit, "A" letter or digit, "?" letter, ">" letter in
// upper case, "<" letter in lower case, "&" any character 32..126; ".", ",",
// ":" and "/" show the locale's separators; a backslash makes the next
// character a literal; anything else is a literal.
#pragma once

#include "afx/BasicCtrls.h"
#include "toolkit/foundation/OXMaskBuffer.h"

// WM_NOTIFY code sent to the parent when the control loses the focus.
const UINT OXMEN_VALIDATE = 0x808C;

// The parent may clear bValid (and set nErrorPos) to keep the focus in the
// control, or clear bDefaultValidation to skip the control's own check.
struct MaskValidateNotify
{
    NMHDR hdr;
    BOOL bValid;
    BOOL bDefaultValidation;
    int nErrorPos;
};

class COXMaskedEdit : public CEdit
{
    DECLARE_DYNAMIC(COXMaskedEdit)
public:
    explicit COXMaskedEdit(LPCTSTR lpszMask = nullptr);
    ~COXMaskedEdit() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The window text as shown (literals and prompts included); "" before
    // the window exists.
    virtual CString GetInputData() const;
    virtual void SetInputData(LPCTSTR lpszText);
    virtual void ValidationErrorBeep();
    virtual BOOL DefaultValidate();

    void SetMask(LPCTSTR lpszMask);
    char GetPromptSymbol() const { return m_buffer.GetPromptSymbol(); }
    void SetPromptSymbol(char chPrompt);
    BOOL GetInsertMode() const { return m_bInsertMode; }
    void SetInsertMode(BOOL bInsertMode) { m_bInsertMode = bInsertMode; }
    BOOL GetAutoTab() const { return m_bAutoTab; }
    void SetAutoTab(BOOL bAutoTab) { m_bAutoTab = bAutoTab; }

    CString GetInputChars() const;
    CString GetDisplayText() const { return m_buffer.GetDisplayText(); }
    BOOL IsInputPosition(int pos) const { return m_buffer.IsInputPosition(pos); }
    void EmptyData(BOOL bOnlyInput = FALSE);
    BOOL IsEmpty() const;
    int WindowPosToInputIndex(int pos) const { return m_buffer.WindowPosToInputIndex(pos); }
    int InputIndexToWindowPos(int index) const { return m_buffer.InputIndexToWindowPos(index); }

    int GetNextInputPosition(int pos) const { return m_buffer.GetNextInputPosition(pos); }
    int GetPrevInputPosition(int pos) const { return m_buffer.GetPrevInputPosition(pos); }
    int GetFirstEmptyPosition(int pos) const { return m_buffer.GetFirstEmptyPosition(pos); }
    void SetCaretToNextInput(int pos);
    void SetCaretToPrevInput(int pos);

    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    void UpdateText(int caretPos);
    BOOL FillInput(LPCTSTR lpszText, int nKeep, BOOL bRaw);
    int DeleteRange(int nStart, int nEnd);
    // TRUE when the mask rules handle the control's editing.
    BOOL IsMasking() const;

    void OnMaskKeyDown(UINT nChar, WPARAM wParam, LPARAM lParam);
    void OnMaskChar(UINT nChar);
    void OnKillFocusValidate();

    COXMaskBuffer m_buffer;
    BOOL m_bInsertMode;
    BOOL m_bAutoTab;
    // Nesting count of the control's own text updates, which WM_SETTEXT
    // must pass through unchanged.
    int m_nSetTextLock;
};
