// The calculator in a borderless popup with OK and Cancel below it, placed
// beside a reference rectangle; Pick runs the popup's own loop until the user
// accepts, cancels or moves the focus away. The calculator edit is a numeric
// drop edit whose button opens it.
#pragma once

#include "toolkit/foundation/OXCalculatorCtrl.h"
#include "toolkit/foundation/OXDropEdit.h"

class COXCalculatorPopup : public CWnd
{
public:
    COXCalculatorPopup();
    ~COXCalculatorPopup() override;

    enum { Running = 0, Accepted = 1, Cancelled = 2 };

    BOOL Create(CWnd* pOwnerWnd, HBRUSH hbrBackground = nullptr);
    // Shows the calculator with the value next to the reference (empty: the
    // owner's window); TRUE when the user accepted, FALSE when cancelled or
    // when the popup fits nowhere in the work area.
    BOOL Pick(double dValue, int nPlacement, CRect rectReference, int dx, int dy);
    double GetResult() const { return m_calculator.GetResult(); }
    COXCalculatorCtrl& GetCalculator() { return m_calculator; }
    int GetPickResult() const { return m_nResult; }

    // Where a popup of the size goes beside the reference in a work area of
    // the given width and height (placements 0 to 7); FALSE when it does not fit.
    static BOOL CalcPosition(CSize size, int nPlacement, const CRect& reference, int dx, int dy, CSize work,
                             CPoint& position);

protected:
    void Layout();
    // Whether the window is the popup or lies below it by parents and owners.
    BOOL IsOwnWindow(HWND hWnd) const;

    afx_msg void OnOK();
    afx_msg void OnCancel();
    DECLARE_MESSAGE_MAP()

    COXCalculatorCtrl m_calculator;
    COXBitmapButton m_btnOK;
    COXBitmapButton m_btnCancel;
    CWnd* m_pOwnerWnd;
    int m_nResult;
    CRect m_rectPopup;
    CRect m_rectCalculator;
    CRect m_rectOK;
    CRect m_rectCancel;
};

class COXCalculatorEdit : public COXDropEdit<COXNumericEdit>
{
    DECLARE_DYNCREATE(COXCalculatorEdit)

public:
    COXCalculatorEdit();
    ~COXCalculatorEdit() override;

    COXCalculatorPopup& GetCalculatorPopup() { return m_calculatorPopup; }

    BOOL InitializeDropEdit() override;
    void OnDropButton() override;

    // Placements for the button at the right and at the left end.
    enum { PlaceBelowRight = 7, PlaceBelowLeft = 3 };

protected:
    COXCalculatorPopup m_calculatorPopup;
};
