// An edit control whose text is a fixed literal prefix, the characters the user
// edits and a fixed literal suffix; the caret and every edit stay inside the
// editable part. The text model works without a window so that the derived
// number edits can be driven and checked directly.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/ToolTipCtrl.h"

#include <string>

class COXEdit : public CEdit
{
    DECLARE_DYNCREATE(COXEdit)
public:
    COXEdit();
    ~COXEdit() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL SetMask(LPCTSTR lpszMask);
    CString GetMask() const { return m_sMask; }

    void SetTextColor(COLORREF clr, BOOL bRedraw = TRUE);
    COLORREF GetTextColor() const { return m_clrText; }
    void SetBkColor(COLORREF clr, BOOL bRedraw = TRUE);
    COLORREF GetBkColor() const { return m_clrBack; }
    BOOL SetToolTipText(LPCTSTR lpszText);
    CString GetToolTipText() const { return m_sToolTipText; }

    CString GetLiteralPrefix() const { return CString(m_arrPrefix.c_str()); }
    CString GetLiteralSuffix() const { return CString(m_arrSuffix.c_str()); }
    CString GetFullText() const;
    BOOL GetInsertMode() const { return m_bInsertMode; }
    void SetInsertMode(BOOL bInsert) { m_bInsertMode = bInsert; }

    int WindowPosToInputIndex(int nPos) const;
    int InputIndexToWindowPos(int nIndex) const;
    void UpdateText(int nCaretPos);
    void SetCaretToNextInput(int nPos);
    void SetCaretToPrevInput(int nPos);
    BOOL NotifyParent(WORD wCode);

    virtual CString GetInputData() const;
    virtual BOOL SetInputData(LPCTSTR lpszText, int nStart = 0);
    virtual void EmptyData(BOOL bOnlyInput = FALSE);
    virtual void ValidationErrorBeep();
    virtual BOOL InitFromLocale();
    virtual BOOL InitializeControl();
    virtual int ParseText();
    virtual void ResetTemplate();
    virtual BOOL IsInputPosition(int nPos) const;
    virtual BOOL IsInputPositionOrEnd(int nPos) const;
    virtual int DeleteRange(int& nStart, int& nEnd);
    virtual int InsertChar(int nPos, char ch);
    virtual int ReplaceChar(int nPos, char ch);
    virtual int GetNextInputPosition(int nPos) const;
    virtual int GetPrevInputPosition(int nPos) const;
    virtual void OnFormatApplied();

    // Splits a template at its single "#" ("##" is a literal "#"); false when
    // the template has no single "#".
    static bool SplitMask(const char* mask, std::string& prefix, std::string& suffix);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    int ValidateInput();
    int PrefixLength() const { return static_cast<int>(m_arrPrefix.size()); }
    int InputEnd() const { return PrefixLength() + static_cast<int>(m_arrInput.size()); }

    COLORREF m_clrText;
    COLORREF m_clrBack;
    CFont m_font;
    CString m_sMask;
    std::string m_arrPrefix;
    std::string m_arrSuffix;
    std::string m_arrInput;
    BOOL m_bInsertMode;
    CString m_sToolTipText;
    CToolTipCtrl m_toolTip;
    int m_nSetTextLock;
    BOOL m_bNotifyChange;
    BOOL m_bKeepCaretOnFocus;
    BOOL m_bFontLock;
    BOOL m_bInitialized;
    COLORREF m_clrReadOnlyBack;
    COLORREF m_clrReadOnlyText;

private:
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    int EnterChar(int nPos, char ch, BOOL bInsert);
    void CopyFont();

    // The input as it was after the last change that fitted the edit's limit.
    std::string m_sLastValidInput;
    HBRUSH m_hBackBrush;
    int m_nNotifyLock;  // inside NotifyParent
};
