// CProgressBar: a progress control that sits inside one pane of the main
// frame's status bar, behind a text label shown in the pane. Changing the
// position shows it; clearing it hides it and gives the pane its text back.
#pragma once

#include "afx/Rect.h"
#include "afx/String.h"
#include "afx/RangeCtrls.h"

class CStatusBar;

class CProgressBar : public CProgressCtrl
{
    DECLARE_DYNAMIC(CProgressBar)
public:
    enum { ProgressCtrlId = 1 };

    CProgressBar();
    CProgressBar(LPCTSTR strMessage, int nSize = 100, int MaxValue = 100, BOOL bSmooth = FALSE, int nPane = 0);
    ~CProgressBar() override;

    BOOL Create(LPCTSTR strMessage, int nSize = 100, int MaxValue = 100, BOOL bSmooth = FALSE, int nPane = 0);

    BOOL SetRange(int nLower, int nUpper, int nStep = 1);
    int SetPos(int nPos);
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    int StepIt();
    int GetPos() const;
    BOOL SetText(LPCTSTR strMessage);
    BOOL SetSize(int nSize);
    // The previous colour, or CLR_DEFAULT without a window.
    COLORREF SetBarColour(COLORREF clrBar);
    COLORREF SetBkColour(COLORREF clrBk);
    // Hides the bar and puts the pane's text back.
    void Clear();

    // The main frame's status bar, or null.
    CStatusBar* GetStatusBar() const;
    CRect GetBarRect() const { return m_Rect; }

protected:
    BOOL Resize();
    void MakeVisible();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    int m_nSize;
    int m_nPane;
    CString m_strMessage;
    CString m_strPrevText;
    CRect m_Rect;
};
