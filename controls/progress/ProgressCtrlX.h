// CProgressCtrlX: a progress-bar window that answers the progress control's
// messages itself and paints itself with CProgress: a multi-colour gradient
// bar, snake mode, percent or value text, and a tooltip with the value under
// the mouse. Its window style bits are the CProgress style bits.
#pragma once

#include "controls/progress/Progress.h"

#include "afx/RangeCtrls.h"
#include "afx/ToolTipCtrl.h"

class CProgressCtrlX : public CProgressCtrl, public CProgress
{
    DECLARE_DYNAMIC(CProgressCtrlX)
public:
    // Timers the control serves: one steps the bar, one moves the gradient.
    enum { StepTimerId = 11, AnimationTimerId = 12 };

    CProgressCtrlX();
    ~CProgressCtrlX() override;

    // The bar's own range, position and colours, not the common control's.
    using CProgress::GetPos;
    using CProgress::GetRange;
    using CProgress::OffsetPos;
    using CProgress::SetBkColor;
    using CProgress::SetPos;
    using CProgress::SetRange;
    using CProgress::SetStep;
    using CProgress::SetText;
    using CWnd::GetFont;
    using CWnd::SetFont;   // reaches the bar through WM_SETFONT
    int StepIt();

    // A non-empty format with a text mode (TextPercent or TextPosition)
    // shows the value under the mouse; anything else silences the tooltip.
    void SetTooltipFormat(LPCTSTR lpszFormat, DWORD dwTextMode);
    CString GetTooltipFormat() const { return m_strTooltipFormat; }
    void UpdateTooltipText(int nPos);
    CToolTipCtrl& GetTooltip() { return m_tooltip; }

    // Run the bar on the step timer, or the gradient on the animation timer
    // (nStep position units a tick).
    void RunStepping(UINT nElapse);
    void RunAnimation(UINT nElapse, int nStep);
    void Stop();

    // Without a window the style is kept by the bar itself.
    DWORD GetStyle() const override;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd) override;
    void OnPosChanged(int nNewPos) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnSetRange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeltaPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetStep(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStepIt(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetRange32(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetRange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBarColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFontMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFontMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Changed();
    LRESULT PackedRange(int nLower, int nUpper) const { return MAKELONG(nLower, nUpper); }

    CToolTipCtrl m_tooltip;
    CString m_strTooltipFormat;
    DWORD m_dwTooltipTextMode;
    int m_nAnimStep;
    CFont m_fontRef;   // wraps the font WM_SETFONT named; never deletes it
};
