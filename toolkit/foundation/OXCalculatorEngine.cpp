#include "toolkit/foundation/OXCalculatorEngine.h"

#include <cmath>
#include <cstdio>
#include <cstring>

const char* const COXCalculatorEngine::ErrorText = "Error";

namespace {
// Largest whole number whose factorial a double still holds; above it the
// product is infinite anyway, and looping up to a huge n would hang the key.
const double MaxFactorialArgument = 170.0;
// Whole numbers from here on cannot be converted to a 64-bit integer.
const double TwoToThe63 = 9223372036854775808.0;
const double Pi = 3.14159265359;
}

COXCalculatorEngine::COXCalculatorEngine(double dInitial, char cDecimalSep)
    : m_bScientific(FALSE), m_nBase(BaseDecimal), m_dResult(dInitial), m_dOperand(dInitial),
      m_bEntering(TRUE), m_bPointMode(FALSE), m_nPendingOp(OpNone), m_nLastOp(OpNone),
      m_cDecimalSep(cDecimalSep), m_nDecimals(0)
{
    SetEntry(dInitial, TRUE);
}

int COXCalculatorEngine::Radix() const
{
    static const int radixes[] = {10, 16, 8, 2};
    return radixes[m_nBase];
}

int COXCalculatorEngine::IntegerDigitCount(double dValue)
{
    // An infinite value would never reach zero by division.
    if (!std::isfinite(dValue))
        return 400;
    double whole = std::trunc(std::fabs(dValue));
    int count = 0;
    while (whole != 0.0)
    {
        whole = std::trunc(whole / 10.0);
        ++count;
    }
    return count;
}

int COXCalculatorEngine::FractionDigitCount(double dValue)
{
    if (!std::isfinite(dValue))
        return 0;
    char buffer[400];
    std::snprintf(buffer, sizeof(buffer), "%.13f", std::fabs(dValue));
    const char* point = std::strchr(buffer, '.');
    if (point == nullptr)
        return 0;
    int count = (int)std::strlen(point + 1);
    while (count > 0 && point[count] == '0')
        --count;
    return count;
}

CString COXCalculatorEngine::FormatValue(double dValue, int nDecimals, int nBase, char cDecimalSep)
{
    if (!std::isfinite(dValue))
        return ErrorText;
    CString text;
    if (nBase == BaseDecimal)
    {
        // Rounded to nDecimals, the whole part always shown and followed by the
        // separator even without decimals ("5."); the digits of DBL_MAX with 13
        // decimals fit the buffer.
        char buffer[400];
        std::snprintf(buffer, sizeof(buffer), "%.*f", nDecimals, std::fabs(dValue));
        BOOL nonZero = std::strpbrk(buffer, "123456789") != nullptr;
        if (dValue < 0 && nonZero)
            text = '-';
        char* point = std::strchr(buffer, '.');
        if (point != nullptr)
        {
            *point = '\0';
            text += buffer;
            text += cDecimalSep;
            text += point + 1;
        }
        else
        {
            text += buffer;
            text += cDecimalSep;
        }
        return text;
    }

    double whole = std::trunc(dValue);
    if (std::fabs(whole) >= TwoToThe63)
        return ErrorText;
    unsigned int low = (unsigned int)(unsigned long long)(long long)whole;
    if (nBase == BaseHex)
        text.Format("%x", low);
    else if (nBase == BaseOctal)
        text.Format("%o", low);
    else
    {
        char digits[33];
        int pos = 32;
        digits[pos] = '\0';
        do
        {
            digits[--pos] = (char)('0' + (low & 1));
            low >>= 1;
        } while (low != 0);
        text = digits + pos;
    }
    return text;
}

void COXCalculatorEngine::SetEntry(double dValue, BOOL bDetectFraction)
{
    m_dOperand = dValue;
    m_bEntering = TRUE;
    if (bDetectFraction)
    {
        double whole;
        m_bPointMode = std::isfinite(dValue) && std::modf(dValue, &whole) != 0.0;
        m_nDecimals = std::min(FractionDigitCount(dValue), 12);
    }
    else
    {
        m_bPointMode = FALSE;
        m_nDecimals = 0;
    }
}

void COXCalculatorEngine::SetResult(double dValue)
{
    m_dResult = dValue;
    m_bEntering = FALSE;
    m_nDecimals = 0;
}

void COXCalculatorEngine::SetBase(int nBase)
{
    ASSERT(nBase >= BaseDecimal && nBase <= BaseBinary);
    if (nBase == m_nBase || nBase < BaseDecimal || nBase > BaseBinary)
        return;
    m_nBase = nBase;
    if (m_bEntering)
    {
        m_dResult = m_dOperand;
        m_bEntering = FALSE;
        m_nDecimals = 0;
    }
    if (m_nBase != BaseDecimal)
        m_bPointMode = FALSE;
}

void COXCalculatorEngine::SetScientific(BOOL bScientific)
{
    m_bScientific = bScientific;
    if (!bScientific && m_nBase != BaseDecimal)
        SetBase(BaseDecimal);
}

void COXCalculatorEngine::StartEntry()
{
    m_dOperand = 0.0;
    m_bPointMode = FALSE;
    m_bEntering = TRUE;
    m_nDecimals = 0;
}

void COXCalculatorEngine::PressDigit(int nDigit)
{
    const int radix = Radix();
    if (nDigit < 0 || nDigit >= radix)
        return;
    if (!m_bEntering)
        StartEntry();
    const double sign = m_dOperand >= 0 ? 1.0 : -1.0;
    if (m_nBase == BaseDecimal)
    {
        if (IntegerDigitCount(m_dOperand) + m_nDecimals >= MaxDecimalDigits)
            return;
        if (!m_bPointMode)
            m_dOperand = m_dOperand * 10.0 + sign * nDigit;
        else
        {
            ++m_nDecimals;
            m_dOperand += sign * nDigit * std::pow(10.0, -m_nDecimals);
        }
    }
    else
    {
        const double next = m_dOperand * radix + sign * nDigit;
        if (std::fabs(next) > MaxIntegerEntry)
            return;
        m_dOperand = next;
    }
}

double COXCalculatorEngine::Apply(int nCode, double dResult, double dEntry)
{
    switch (nCode)
    {
    case OpNone: return dEntry;
    case OpAdd: return dEntry + dResult;
    case OpSubtract: return dResult - dEntry;
    case OpMultiply: return dEntry * dResult;
    case OpDivide: return dResult / dEntry;
    case OpMod: return std::fmod(dResult, dEntry);
    case OpPower:
    {
        // The exponent's fraction is ignored; a whole exponent gives what
        // repeated multiplication gives, without looping n times.
        const double n = std::trunc(dEntry);
        return n == 0.0 ? 1.0 : std::pow(dResult, n);
    }
    case OpSin: return std::sin(dEntry);
    case OpCos: return std::cos(dEntry);
    case OpTan: return std::tan(dEntry);
    case OpTanh: return std::tanh(dEntry);
    case OpFactorial:
    {
        const double n = std::trunc(dEntry);
        if (std::isnan(n) || n < 0)
            return std::nan("");
        if (n > MaxFactorialArgument)
            return HUGE_VAL;
        double product = 1.0;
        for (double k = 2.0; k <= n; k += 1.0)
            product *= k;
        return product;
    }
    case OpLog10: return std::log10(dEntry);
    case OpLn: return std::log(dEntry);
    case OpReciprocal: return 1.0 / dEntry;
    case OpSqrt: return std::sqrt(dEntry);
    }
    ASSERT(FALSE);
    return dEntry;
}

void COXCalculatorEngine::CarryOut()
{
    m_dResult = Apply(m_nPendingOp, m_dResult, m_dOperand);
    m_nLastOp = m_nPendingOp;
    m_bEntering = FALSE;
}

void COXCalculatorEngine::DoOperation(int nCode)
{
    ASSERT(nCode >= OpAdd && nCode <= OpPower);
    if (m_bEntering)
        CarryOut();
    m_nPendingOp = nCode;
    if (!m_bEntering)
        m_dOperand = m_dResult;
}

void COXCalculatorEngine::DoFunction(int nCode)
{
    ASSERT(nCode >= OpSin && nCode <= OpSqrt);
    m_nPendingOp = nCode;
    if (!m_bEntering)
        m_dOperand = m_dResult;
    CarryOut();
    m_nPendingOp = OpNone;
    m_nLastOp = OpNone;
}

void COXCalculatorEngine::PressEquals()
{
    if (!m_bEntering && m_nPendingOp == OpNone)
        m_nPendingOp = m_nLastOp;
    CarryOut();
    m_nPendingOp = OpNone;
}

void COXCalculatorEngine::PressSign()
{
    if (m_bEntering)
        m_dOperand = -m_dOperand;
    else
    {
        m_dResult = -m_dResult;
        m_nDecimals = 0;
    }
}

void COXCalculatorEngine::PressClear()
{
    m_dResult = 0.0;
    m_bEntering = FALSE;
    m_nDecimals = 0;
}

void COXCalculatorEngine::PressClearEntry()
{
    if (m_bEntering)
        SetEntry(0.0, TRUE);
    else
        PressClear();
}

void COXCalculatorEngine::PressPoint()
{
    if (m_nBase != BaseDecimal)
        return;
    if (!m_bEntering)
        StartEntry();
    m_bPointMode = TRUE;
}

void COXCalculatorEngine::PressPi()
{
    if (m_nBase == BaseDecimal)
        SetEntry(Pi, TRUE);
}

void COXCalculatorEngine::PressBack()
{
    if (!m_bEntering)
        return;
    if (m_nBase == BaseDecimal && m_bPointMode)
    {
        if (m_nDecimals > 0)
        {
            // Rounded before truncating: 0.1 * 100 may come out as 9.999...,
            // which would drop a digit too many.
            const double whole = std::trunc(m_dOperand);
            const double scaled = std::round((m_dOperand - whole) * std::pow(10.0, m_nDecimals));
            const double kept = std::trunc(scaled / 10.0);
            --m_nDecimals;
            m_dOperand = whole + kept / std::pow(10.0, m_nDecimals);
        }
        if (m_nDecimals == 0)
            m_bPointMode = FALSE;
        return;
    }
    const double radix = Radix();
    m_dOperand = (m_dOperand - std::fmod(m_dOperand, radix)) / radix;
}

BOOL COXCalculatorEngine::PressKey(UINT nID)
{
    if (!IsKeyEnabled(nID))
        return FALSE;
    switch (nID)
    {
    case IDC_OXCALC_0: PressDigit(0); break;
    case IDC_OXCALC_1: PressDigit(1); break;
    case IDC_OXCALC_2: PressDigit(2); break;
    case IDC_OXCALC_3: PressDigit(3); break;
    case IDC_OXCALC_4: PressDigit(4); break;
    case IDC_OXCALC_5: PressDigit(5); break;
    case IDC_OXCALC_6: PressDigit(6); break;
    case IDC_OXCALC_7: PressDigit(7); break;
    case IDC_OXCALC_8: PressDigit(8); break;
    case IDC_OXCALC_9: PressDigit(9); break;
    case IDC_OXCALC_A: case IDC_OXCALC_B: case IDC_OXCALC_C:
    case IDC_OXCALC_D: case IDC_OXCALC_E: case IDC_OXCALC_F:
        PressDigit(10 + (int)(nID - IDC_OXCALC_A));
        break;
    case IDC_OXCALC_CLEAR: PressClear(); break;
    case IDC_OXCALC_CLEARENTRY: PressClearEntry(); break;
    case IDC_OXCALC_BACK: PressBack(); break;
    case IDC_OXCALC_DIVIDE: DoOperation(OpDivide); break;
    case IDC_OXCALC_MULTIPLY: DoOperation(OpMultiply); break;
    case IDC_OXCALC_SUBTRACT: DoOperation(OpSubtract); break;
    case IDC_OXCALC_ADD: DoOperation(OpAdd); break;
    case IDC_OXCALC_MOD: DoOperation(OpMod); break;
    case IDC_OXCALC_POWER: DoOperation(OpPower); break;
    case IDC_OXCALC_EQUALS: PressEquals(); break;
    case IDC_OXCALC_SIGN: PressSign(); break;
    case IDC_OXCALC_POINT: PressPoint(); break;
    case IDC_OXCALC_PI: PressPi(); break;
    case IDC_OXCALC_SQRT: DoFunction(OpSqrt); break;
    case IDC_OXCALC_RECIPROCAL: DoFunction(OpReciprocal); break;
    case IDC_OXCALC_COS: DoFunction(OpCos); break;
    case IDC_OXCALC_SIN: DoFunction(OpSin); break;
    case IDC_OXCALC_TAN: DoFunction(OpTan); break;
    case IDC_OXCALC_TANH: DoFunction(OpTanh); break;
    case IDC_OXCALC_FACTORIAL: DoFunction(OpFactorial); break;
    case IDC_OXCALC_LN: DoFunction(OpLn); break;
    case IDC_OXCALC_LOG: DoFunction(OpLog10); break;
    default: return FALSE;
    }
    return TRUE;
}

BOOL COXCalculatorEngine::IsKeyEnabled(UINT nID) const
{
    const BOOL decimal = m_nBase == BaseDecimal;
    const BOOL binary = m_nBase == BaseBinary;
    switch (nID)
    {
    case IDC_OXCALC_7: case IDC_OXCALC_4: case IDC_OXCALC_5: case IDC_OXCALC_6:
    case IDC_OXCALC_2: case IDC_OXCALC_3:
        return !binary;
    case IDC_OXCALC_8: case IDC_OXCALC_9:
        return decimal || m_nBase == BaseHex;
    case IDC_OXCALC_A: case IDC_OXCALC_B: case IDC_OXCALC_C:
    case IDC_OXCALC_D: case IDC_OXCALC_E: case IDC_OXCALC_F:
        return m_bScientific && m_nBase == BaseHex;
    case IDC_OXCALC_POINT: case IDC_OXCALC_PI:
        return decimal;
    case IDC_OXCALC_POWER: case IDC_OXCALC_COS: case IDC_OXCALC_SIN: case IDC_OXCALC_TAN:
    case IDC_OXCALC_TANH: case IDC_OXCALC_FACTORIAL: case IDC_OXCALC_LN: case IDC_OXCALC_LOG:
    case IDC_OXCALC_BASE:
        return m_bScientific;
    case IDC_OXCALC_DISPLAY:
        return FALSE;
    }
    return nID >= IDC_OXCALC_CLEAR && nID <= IDC_OXCALC_F;
}

CString COXCalculatorEngine::GetDisplayText() const
{
    if (m_bEntering)
        return FormatValue(m_dOperand, m_nDecimals, m_nBase, m_cDecimalSep);
    return FormatValue(m_dResult, FractionDigitCount(m_dResult), m_nBase, m_cDecimalSep);
}
