// The pocket calculator as a child dialog: owner-drawn keys, a display, a
// number-base selector and a switch for the scientific keys. The registers
// and key rules live in COXCalculatorEngine; this window shows them, enables
// the keys that fit, and turns buttons and accelerators into key presses.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/Dialog.h"
#include "afx/GdiObject.h"
#include "toolkit/foundation/OXBitmapButton.h"
#include "toolkit/foundation/OXCalculatorEngine.h"
#include "toolkit/foundation/OXStatic.h"

// A calculator key: a bitmap button with the calculator's narrow margins.
class COXCalculatorKey : public COXBitmapButton
{
public:
    COXCalculatorKey();
};

class COXCalculatorCtrl : public CDialog
{
public:
    explicit COXCalculatorCtrl(CWnd* pParent = nullptr, double dInitialValue = 0.0);
    ~COXCalculatorCtrl() override;

    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr) override;
    virtual BOOL Create(CWnd* pParentWnd);

    void SetEntry(double dValue, BOOL bDetectFraction);
    void SetResult(double dValue);
    double GetResult() const { return m_engine.GetResult(); }
    int GetBase() const { return m_engine.GetBase(); }
    void SetBase(int nBase);
    char GetDecimalSeparator() const { return m_engine.GetDecimalSeparator(); }
    void SetDecimalSeparator(char cSep);
    void DoOperation(int nCode);
    void DoFunction(int nCode);

    // The registers and rules, for the popup that hosts the calculator.
    COXCalculatorEngine& GetEngine() { return m_engine; }
    CString GetDisplayText() const { return m_engine.GetDisplayText(); }
    HACCEL GetAccelerators() const { return m_hAccel; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Shows the registers and enables the keys that fit the base and mode.
    void Redisplay();

    enum { KeyCount = 38 };
    static const UINT KeyIds[KeyCount];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CComboBox m_comboBase;
    COXStatic m_display;
    COXCalculatorKey m_keys[KeyCount];
    BOOL m_bScientific;
    int m_nBase;
    CString m_sDisplay;
    COXCalculatorEngine m_engine;
    HACCEL m_hAccel;
};
