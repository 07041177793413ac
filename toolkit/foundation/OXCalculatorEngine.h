// The pocket calculator's registers, key rules and display text, kept apart from
// the calculator window so that every key sequence can be checked without one.
// The window forwards its key commands here and paints what GetDisplayText says.
#pragma once

#include "afx/Afx.h"
#include "afx/String.h"

// Command ids of the calculator's keys and controls (the toolkit's own resources).
enum
{
    IDD_OXCALCULATOR = 26450,
    IDC_OXCALC_CLEAR = 26451,
    IDC_OXCALC_CLEARENTRY = 26452,
    IDC_OXCALC_BACK = 26453,
    IDC_OXCALC_7 = 26454,
    IDC_OXCALC_8 = 26455,
    IDC_OXCALC_9 = 26456,
    IDC_OXCALC_4 = 26457,
    IDC_OXCALC_5 = 26458,
    IDC_OXCALC_6 = 26459,
    IDC_OXCALC_1 = 26460,
    IDC_OXCALC_2 = 26461,
    IDC_OXCALC_3 = 26462,
    IDC_OXCALC_DIVIDE = 26463,
    IDC_OXCALC_MULTIPLY = 26464,
    IDC_OXCALC_SUBTRACT = 26465,
    IDC_OXCALC_ADD = 26466,
    IDC_OXCALC_EQUALS = 26467,
    IDC_OXCALC_0 = 26468,
    IDC_OXCALC_SIGN = 26469,
    IDC_OXCALC_POINT = 26470,
    IDC_OXCALC_SQRT = 26471,
    IDC_OXCALC_MOD = 26472,
    IDC_OXCALC_RECIPROCAL = 26473,
    IDC_OXCALC_BASE = 26474,
    IDC_OXCALC_PI = 26475,
    IDC_OXCALC_COS = 26476,
    IDC_OXCALC_SIN = 26477,
    IDC_OXCALC_TAN = 26478,
    IDC_OXCALC_TANH = 26479,
    IDC_OXCALC_SCIENTIFIC = 26480,
    IDC_OXCALC_FACTORIAL = 26481,
    IDC_OXCALC_DISPLAY = 26482,
    IDC_OXCALC_POWER = 26483,
    IDC_OXCALC_LN = 26484,
    IDC_OXCALC_LOG = 26485,
    IDC_OXCALC_A = 26486,
    IDC_OXCALC_B = 26487,
    IDC_OXCALC_C = 26488,
    IDC_OXCALC_D = 26489,
    IDC_OXCALC_E = 26490,
    IDC_OXCALC_F = 26491,
};

class COXCalculatorEngine
{
public:
    // Number bases, as indexes of the base selector.
    enum { BaseDecimal = 0, BaseHex = 1, BaseOctal = 2, BaseBinary = 3 };

    // Operation codes: 1 to 6 take two operands, 7 to 15 one.
    enum
    {
        OpNone = 0, OpAdd = 1, OpSubtract = 2, OpMultiply = 3, OpDivide = 4, OpMod = 5, OpPower = 6,
        OpSin = 7, OpCos = 8, OpTan = 9, OpTanh = 10, OpFactorial = 11, OpLog10 = 12, OpLn = 13,
        OpReciprocal = 14, OpSqrt = 15
    };

    explicit COXCalculatorEngine(double dInitial = 0.0, char cDecimalSep = '.');

    void SetEntry(double dValue, BOOL bDetectFraction);
    void SetResult(double dValue);
    double GetResult() const { return m_dResult; }
    double GetEntry() const { return m_dOperand; }
    BOOL IsEntering() const { return m_bEntering; }
    // Whether an operation waits for its operand or was carried out last.
    BOOL HasOperation() const { return m_nPendingOp != OpNone || m_nLastOp != OpNone; }
    // Forgets the pending and the last operation.
    void ClearOperations() { m_nPendingOp = m_nLastOp = OpNone; }
    // Carries out the pending operation (none: the entry becomes the result).
    void CarryOutPending() { CarryOut(); }

    int GetBase() const { return m_nBase; }
    void SetBase(int nBase);
    BOOL IsScientific() const { return m_bScientific; }
    void SetScientific(BOOL bScientific);
    char GetDecimalSeparator() const { return m_cDecimalSep; }
    void SetDecimalSeparator(char cSep) { m_cDecimalSep = cSep; }

    // Keys, as the buttons and accelerators send them.
    void PressDigit(int nDigit);
    void DoOperation(int nCode);
    void DoFunction(int nCode);
    void PressEquals();
    void PressSign();
    void PressClear();
    void PressClearEntry();
    void PressPoint();
    void PressPi();
    void PressBack();

    // A key command by id: FALSE when the id is not a key, or is a key that
    // does not fit the base or mode (an accelerator may still send it).
    BOOL PressKey(UINT nID);
    BOOL IsKeyEnabled(UINT nID) const;

    // The entry while one is typed, else the result.
    CString GetDisplayText() const;

    // Shown for a value that has no digits to show (infinity, NaN, or a whole
    // number too large for the integer bases).
    static const char* const ErrorText;
    // Typed digits of a decimal entry, integer and fraction together.
    static const int MaxDecimalDigits = 13;
    // Magnitude a typed entry in the integer bases may reach: the display
    // shows 32 bits, so a longer entry would show a different number.
    static constexpr double MaxIntegerEntry = 4294967295.0;

    static int IntegerDigitCount(double dValue);
    static int FractionDigitCount(double dValue);
    static CString FormatValue(double dValue, int nDecimals, int nBase, char cDecimalSep);

private:
    int Radix() const;
    void StartEntry();
    void CarryOut();
    static double Apply(int nCode, double dResult, double dEntry);

    BOOL m_bScientific;
    int m_nBase;
    double m_dResult;
    double m_dOperand;
    BOOL m_bEntering;
    BOOL m_bPointMode;
    int m_nPendingOp;
    int m_nLastOp;
    char m_cDecimalSep;
    int m_nDecimals;
};
