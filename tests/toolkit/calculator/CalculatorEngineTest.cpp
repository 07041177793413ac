// The calculator's key rules, driven key by key as the buttons would drive them,
// and checked through the display text the user would read.
#include "toolkit/foundation/OXCalculatorEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {
using Engine = COXCalculatorEngine;

// Presses keys written as a string: digits, "+-*/%^=" , '.', 'n' (sign),
// 'c' (clear), 'e' (clear entry), 'b' (back), 'r' (sqrt), '!' (factorial).
void Press(Engine& calc, const char* keys)
{
    for (const char* k = keys; *k; ++k)
    {
        switch (*k)
        {
        case '+': calc.DoOperation(Engine::OpAdd); break;
        case '-': calc.DoOperation(Engine::OpSubtract); break;
        case '*': calc.DoOperation(Engine::OpMultiply); break;
        case '/': calc.DoOperation(Engine::OpDivide); break;
        case '%': calc.DoOperation(Engine::OpMod); break;
        case '^': calc.DoOperation(Engine::OpPower); break;
        case '=': calc.PressEquals(); break;
        case '.': calc.PressPoint(); break;
        case 'n': calc.PressSign(); break;
        case 'c': calc.PressClear(); break;
        case 'e': calc.PressClearEntry(); break;
        case 'b': calc.PressBack(); break;
        case 'r': calc.DoFunction(Engine::OpSqrt); break;
        case '!': calc.DoFunction(Engine::OpFactorial); break;
        default:
            if (*k >= '0' && *k <= '9')
                calc.PressDigit(*k - '0');
            else if (*k >= 'A' && *k <= 'F')
                calc.PressDigit(10 + *k - 'A');
            else
                ADD_FAILURE() << "unknown key " << *k;
        }
    }
}

std::string Shown(const Engine& calc)
{
    return (LPCTSTR)calc.GetDisplayText();
}

std::string After(const char* keys)
{
    Engine calc;
    Press(calc, keys);
    return Shown(calc);
}
} // namespace

TEST(CalculatorEngine, ArithmeticChainsAndRepeatedEquals)
{
    Engine calc;
    EXPECT_EQ("0.", Shown(calc));
    Press(calc, "2+3=");
    EXPECT_EQ("5.", Shown(calc));
    Press(calc, "=");
    EXPECT_EQ("8.", Shown(calc)); // the last addition repeated with the same entry

    EXPECT_EQ("20.", After("2+3*4=")); // left to right, no precedence
    EXPECT_EQ("6.", After("9-3="));
    EXPECT_EQ("2.5", After("5/2="));
    EXPECT_EQ("1.", After("7%3="));
    EXPECT_EQ("4.", After("2+=")); // "=" right after an operator uses the result twice
    EXPECT_EQ("-3.", After("3n"));
    EXPECT_EQ("-5.", After("2n-3="));
}

TEST(CalculatorEngine, OneOperandKeys)
{
    EXPECT_EQ("3.", After("9r"));
    EXPECT_EQ("3.", After("2+9r")); // the pending addition is replaced
    EXPECT_EQ("24.", After("4!"));
    EXPECT_EQ("1.", After("0!"));
    EXPECT_EQ("120.", After("5.7!")); // the fraction is ignored

    Engine calc;
    Press(calc, "4");
    calc.DoFunction(Engine::OpReciprocal);
    EXPECT_EQ("0.25", Shown(calc));
    Press(calc, "+1="); // one-operand keys leave nothing pending behind
    EXPECT_EQ("1.25", Shown(calc));
}

TEST(CalculatorEngine, PowerUsesTheWholePartOfTheExponent)
{
    EXPECT_EQ("1.", After("2^.5="));
    EXPECT_EQ("8.", After("2^3.9="));
    EXPECT_EQ("0.25", After("2^2n="));
    // A huge exponent must answer at once rather than multiply 1e12 times.
    EXPECT_EQ("1.", After("1^999999999999="));
}

TEST(CalculatorEngine, FailuresShowAnErrorUntilCleared)
{
    EXPECT_EQ(Engine::ErrorText, After("1/0="));
    EXPECT_EQ(Engine::ErrorText, After("1n*r"));
    EXPECT_EQ(Engine::ErrorText, After("3n!"));
    // Factorials too large for a double are infinite at once, not after a long loop.
    EXPECT_EQ(Engine::ErrorText, After("999999999999!"));

    Engine calc;
    Press(calc, "1/0=");
    Press(calc, "c");
    EXPECT_EQ("0.", Shown(calc));
    Press(calc, "1/0=2+3=");
    EXPECT_EQ("5.", Shown(calc)); // a new entry recovers after an error
}

TEST(CalculatorEngine, EntryHoldsThirteenDigits)
{
    EXPECT_EQ("1234567890123.", After("12345678901234"));
    EXPECT_EQ("1.234567890123", After("1.2345678901234"));
    EXPECT_EQ("0.1234567890123", After(".12345678901234")); // the leading 0 does not count
}

TEST(CalculatorEngine, TypedDecimalsStayVisibleUntilCarriedOut)
{
    Engine calc;
    Press(calc, "1.50");
    EXPECT_EQ("1.50", Shown(calc));
    Press(calc, "=");
    EXPECT_EQ("1.5", Shown(calc));
    EXPECT_EQ("0.00", After(".00"));
    EXPECT_EQ("-0.05", After(".05n"));
}

TEST(CalculatorEngine, BackRemovesTheLastTypedDigit)
{
    EXPECT_EQ("12.", After("123b"));
    EXPECT_EQ("1.2", After("1.23b"));
    EXPECT_EQ("1.", After("1.2b"));
    EXPECT_EQ("1.", After("1.b"));
    // The fraction of 1.2 scaled by 100 is 19.999...: the 2 must survive.
    EXPECT_EQ("1.2", After("1.20b"));
    EXPECT_EQ("2.01", After("2.010b"));
    EXPECT_EQ("0.2", After(".29b"));
    EXPECT_EQ("12.", After("123b1b")); // Back after a later digit removes that one
    EXPECT_EQ("5.", After("2+3=b")); // only while entering
}

TEST(CalculatorEngine, ClearAndClearEntry)
{
    EXPECT_EQ("0.", After("12e"));
    EXPECT_EQ("9.", After("2+5e7=")); // CE keeps the pending addition
    EXPECT_EQ("0.", After("2+3=e"));
}

TEST(CalculatorEngine, IntegerBases)
{
    Engine calc;
    calc.SetScientific(TRUE);
    calc.SetBase(Engine::BaseHex);
    Press(calc, "1n");
    EXPECT_EQ("ffffffff", Shown(calc));
    Press(calc, "cFF+1=");
    EXPECT_EQ("100", Shown(calc));

    Engine dec;
    dec.SetScientific(TRUE);
    Press(dec, "2.5");
    dec.SetBase(Engine::BaseHex);
    EXPECT_EQ("2", Shown(dec));
    EXPECT_DOUBLE_EQ(2.5, dec.GetResult()); // the entry was committed, not cut

    Engine bin;
    bin.SetScientific(TRUE);
    bin.SetBase(Engine::BaseBinary);
    Press(bin, "1012");
    EXPECT_EQ("101", Shown(bin)); // 2 is no binary digit
    Press(bin, "b");
    EXPECT_EQ("10", Shown(bin));
    bin.SetBase(Engine::BaseOctal);
    Press(bin, "17");
    EXPECT_EQ("17", Shown(bin));
    bin.SetScientific(FALSE);
    EXPECT_EQ(Engine::BaseDecimal, bin.GetBase());
    EXPECT_EQ("15.", Shown(bin));
}

TEST(CalculatorEngine, IntegerBasesShowOnlyNumbersTheyHold)
{
    Engine calc;
    calc.SetScientific(TRUE);
    calc.SetBase(Engine::BaseHex);
    Press(calc, "123456789"); // a ninth digit would leave 32 bits
    EXPECT_EQ("12345678", Shown(calc));

    calc.SetBase(Engine::BaseDecimal);
    calc.SetResult(1e300);
    calc.SetBase(Engine::BaseHex);
    EXPECT_EQ(Engine::ErrorText, Shown(calc));
    calc.SetResult(std::nan(""));
    EXPECT_EQ(Engine::ErrorText, Shown(calc));
}

TEST(CalculatorEngine, FormattingAndSeparator)
{
    EXPECT_EQ("3,25", std::string(Engine::FormatValue(3.25, 2, Engine::BaseDecimal, ',')));
    // Zero takes the locale's separator like every other number.
    EXPECT_EQ("0,", std::string(Engine::FormatValue(0.0, 0, Engine::BaseDecimal, ',')));
    EXPECT_EQ("0,", std::string(Engine::FormatValue(0.3, 0, Engine::BaseDecimal, ',')));
    EXPECT_EQ("0,0", std::string(Engine::FormatValue(0.04, 1, Engine::BaseDecimal, ',')));
    EXPECT_EQ("-2.", std::string(Engine::FormatValue(-2.0, 0, Engine::BaseDecimal, '.')));
    // The largest double with the most decimals fits the text entire.
    CString huge = Engine::FormatValue(1.7e308, 13, Engine::BaseDecimal, '.');
    EXPECT_EQ(309 + 1 + 13, huge.GetLength());
    EXPECT_EQ("1010", std::string(Engine::FormatValue(10.0, 0, Engine::BaseBinary, '.')));
    EXPECT_EQ("0", std::string(Engine::FormatValue(0.0, 0, Engine::BaseBinary, '.')));
    EXPECT_EQ("12", std::string(Engine::FormatValue(10.0, 0, Engine::BaseOctal, '.')));

    EXPECT_EQ(0, Engine::FractionDigitCount(5.0));
    EXPECT_EQ(2, Engine::FractionDigitCount(-1.25));
    EXPECT_EQ(0, Engine::IntegerDigitCount(0.9));
    EXPECT_EQ(3, Engine::IntegerDigitCount(-123.4));

    Engine pi(0.0, ',');
    pi.PressPi();
    EXPECT_EQ("3,14159265359", Shown(pi));
    Engine initial(2.5);
    EXPECT_EQ("2.5", Shown(initial));
    Press(initial, "7");
    EXPECT_EQ("2.57", Shown(initial)); // the initial value's fraction continues
}

TEST(CalculatorEngine, KeysFollowBaseAndMode)
{
    Engine calc;
    EXPECT_TRUE(calc.IsKeyEnabled(IDC_OXCALC_9));
    EXPECT_TRUE(calc.IsKeyEnabled(IDC_OXCALC_POINT));
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_SIN));
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_A));
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_BASE));
    EXPECT_FALSE(calc.PressKey(IDC_OXCALC_SIN)); // an accelerator for a disabled key is ignored

    calc.SetScientific(TRUE);
    calc.SetBase(Engine::BaseHex);
    EXPECT_TRUE(calc.IsKeyEnabled(IDC_OXCALC_F));
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_POINT));
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_PI));
    calc.SetBase(Engine::BaseOctal);
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_8));
    EXPECT_TRUE(calc.IsKeyEnabled(IDC_OXCALC_7));
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_F));
    calc.SetBase(Engine::BaseBinary);
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_7));
    EXPECT_FALSE(calc.IsKeyEnabled(IDC_OXCALC_2));
    EXPECT_TRUE(calc.IsKeyEnabled(IDC_OXCALC_1));
    EXPECT_TRUE(calc.IsKeyEnabled(IDC_OXCALC_0));
    EXPECT_TRUE(calc.IsKeyEnabled(IDC_OXCALC_DIVIDE));

    Engine keys;
    for (UINT id : {IDC_OXCALC_1, IDC_OXCALC_2, IDC_OXCALC_ADD, IDC_OXCALC_3, IDC_OXCALC_EQUALS})
        EXPECT_TRUE(keys.PressKey(id));
    EXPECT_EQ("15.", Shown(keys));
    EXPECT_FALSE(keys.PressKey(IDC_OXCALC_DISPLAY));
}
