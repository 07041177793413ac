// The edits' text model driven without a window: templates, input positions,
// deletion, number formatting and the keys a number edit accepts.
#include "toolkit/foundation/OXCurrencyEdit.h"

#include <gtest/gtest.h>

namespace {
// Types the way the control's character handler does: the caret follows the
// returned position, a refused key leaves it.
template <typename Edit>
int Type(Edit& edit, int caret, const char* keys)
{
    for (const char* p = keys; *p; ++p) {
        const int result = edit.GetInsertMode() ? edit.InsertChar(caret, *p) : edit.ReplaceChar(caret, *p);
        if (result >= 0)
            caret = edit.IsInputPositionOrEnd(result + 1) ? result + 1 : edit.GetNextInputPosition(result + 1);
    }
    return caret;
}

CString Text(const COXEdit& edit)
{
    return edit.GetFullText();
}
} // namespace

TEST(OXEditModel, TemplateSplitsIntoLiteralsAroundTheInput)
{
    COXEdit edit;
    ASSERT_TRUE(edit.SetMask("[#]"));
    edit.SetInputData("abc");
    EXPECT_STREQ("[abc]", Text(edit));
    EXPECT_FALSE(edit.IsInputPosition(0));
    EXPECT_TRUE(edit.IsInputPosition(1));
    EXPECT_FALSE(edit.IsInputPosition(4));
    EXPECT_TRUE(edit.IsInputPositionOrEnd(4));
    EXPECT_EQ(1, edit.GetNextInputPosition(0));
    EXPECT_EQ(4, edit.GetNextInputPosition(5));
    EXPECT_EQ(3, edit.GetPrevInputPosition(5));
    EXPECT_EQ(1, edit.GetPrevInputPosition(0));
    EXPECT_EQ(0, edit.WindowPosToInputIndex(1));
    EXPECT_EQ(-1, edit.WindowPosToInputIndex(5));
    EXPECT_EQ(4, edit.InputIndexToWindowPos(3));
    EXPECT_EQ(-1, edit.InputIndexToWindowPos(4));

    ASSERT_TRUE(edit.SetMask("a#b#c"));
    EXPECT_STREQ("a", edit.GetLiteralPrefix());
    EXPECT_STREQ("bc", edit.GetLiteralSuffix());
    ASSERT_TRUE(edit.SetMask("x##y#z##"));
    EXPECT_STREQ("x#y", edit.GetLiteralPrefix());
    EXPECT_STREQ("z#", edit.GetLiteralSuffix());
}

TEST(OXEditModel, RefusedTemplateKeepsTemplateAndInput)
{
    COXEdit edit;
    ASSERT_TRUE(edit.SetMask("<#>"));
    edit.SetInputData("42");
    EXPECT_FALSE(edit.SetMask("##"));
    EXPECT_FALSE(edit.SetMask("plain"));
    EXPECT_FALSE(edit.SetMask(""));
    EXPECT_STREQ("<#>", edit.GetMask());
    EXPECT_STREQ("<42>", Text(edit));
}

TEST(OXEditModel, InputGrowsByInsertOrOverwrite)
{
    COXEdit edit;
    edit.SetInputData("abcd");
    EXPECT_FALSE(edit.SetInputData("x", 5));
    EXPECT_FALSE(edit.SetInputData("x", -1));
    edit.SetInputData("XY", 1);
    EXPECT_STREQ("aXYbcd", Text(edit));
    edit.SetInsertMode(FALSE);
    edit.SetInputData("123", 4);
    EXPECT_STREQ("aXYb123", Text(edit));
    // Overwriting needs a character to overwrite.
    EXPECT_EQ(-1, edit.ReplaceChar(7, 'z'));
    EXPECT_EQ(0, edit.ReplaceChar(0, 'A'));
    EXPECT_STREQ("AXYb123", Text(edit));
}

TEST(OXEditModel, DeletionSkipsLiteralsAndNeverSplitsALineBreak)
{
    COXEdit edit;
    edit.SetMask("(#)");
    edit.SetInputData("ab\r\ncd");
    int start = 0;
    int end = 3;  // the bracket and "ab"
    EXPECT_EQ(2, edit.DeleteRange(start, end));
    EXPECT_STREQ("(\r\ncd)", Text(edit));

    start = 1;
    end = 2;  // the CR alone takes its LF along
    EXPECT_EQ(2, edit.DeleteRange(start, end));
    EXPECT_STREQ("(cd)", Text(edit));

    edit.SetInputData("x\r\ny", 0);
    start = 3;
    end = 4;  // the LF alone takes its CR along and moves the start back
    EXPECT_EQ(2, edit.DeleteRange(start, end));
    EXPECT_EQ(2, start);
    EXPECT_STREQ("(xycd)", Text(edit));

    start = 7;
    end = 8;
    EXPECT_EQ(0, edit.DeleteRange(start, end));
}

TEST(OXNumericEditModel, EmptyEditShowsZeroWithDecimals)
{
    COXNumericEdit edit;
    EXPECT_STREQ("0.00", Text(edit));
    EXPECT_EQ(0.0, edit.GetValue());
    EXPECT_FALSE(edit.IsInputPosition(1));  // the separator is no input position
}

TEST(OXNumericEditModel, TypingGroupsDigitsAndMinusTogglesTheSign)
{
    COXNumericEdit edit;
    int caret = Type(edit, edit.GetNextInputPosition(0), "1234");
    EXPECT_STREQ("1,234.00", Text(edit));
    EXPECT_EQ(5, caret);
    EXPECT_DOUBLE_EQ(1234.0, edit.GetValue());

    caret = Type(edit, caret, "-");
    EXPECT_STREQ("-1,234.00", Text(edit));
    EXPECT_EQ(6, caret);  // still behind the same digit
    EXPECT_DOUBLE_EQ(-1234.0, edit.GetValue());
    Type(edit, caret, "-");
    EXPECT_STREQ("1,234.00", Text(edit));
    EXPECT_DOUBLE_EQ(1234.0, edit.GetValue());

    // The separator key jumps behind the existing separator; the fraction is
    // then overwritten digit by digit and refuses more.
    caret = Type(edit, 1, ".");
    EXPECT_EQ(6, caret);
    caret = Type(edit, caret, "579");
    EXPECT_STREQ("1,234.57", Text(edit));
    EXPECT_DOUBLE_EQ(1234.57, edit.GetValue());
    EXPECT_EQ(-1, edit.InsertChar(1, 'x'));
}

TEST(OXNumericEditModel, FormattingSettings)
{
    COXNumericEdit edit;
    ASSERT_TRUE(edit.SetLeadingZero(FALSE));
    edit.SetValue(0.5);
    EXPECT_STREQ(".50", Text(edit));
    EXPECT_DOUBLE_EQ(0.5, edit.GetValue());

    ASSERT_TRUE(edit.SetLeadingZero(TRUE));
    ASSERT_TRUE(edit.SetDecimalDigitCount(0));
    EXPECT_EQ(-1, edit.InsertChar(0, '.'));
    edit.SetValue(-1234567.0);
    EXPECT_STREQ("-1,234,567", Text(edit));
    EXPECT_DOUBLE_EQ(-1234567.0, edit.GetValue());

    ASSERT_TRUE(edit.SetMaxIntegerDigits(4));
    EXPECT_STREQ("-4,567", Text(edit));
    EXPECT_FALSE(edit.SetMaxIntegerDigits(-2));
    EXPECT_FALSE(edit.SetGroupLength(-1));
    EXPECT_FALSE(edit.SetDecimalDigitCount(-1));
}

TEST(OXNumericEditModel, SeparatorsAreCheckedAndReformatTheText)
{
    COXNumericEdit edit;
    edit.SetValue(1234.5);
    EXPECT_FALSE(edit.SetGroupSeparator('.'));  // the decimal separator
    EXPECT_FALSE(edit.SetGroupSeparator('7'));
    EXPECT_FALSE(edit.SetDecimalSeparator(','));
    EXPECT_FALSE(edit.SetDecimalSeparator('-'));
    ASSERT_TRUE(edit.SetGroupSeparator(' '));
    ASSERT_TRUE(edit.SetDecimalSeparator(','));
    EXPECT_STREQ("1 234,50", Text(edit));
    EXPECT_DOUBLE_EQ(1234.5, edit.GetValue());

    ASSERT_TRUE(edit.SetGroupLength(0));
    edit.EmptyData(TRUE);
    edit.SetInputData("1,5");
    EXPECT_STREQ("1,50", Text(edit));
    EXPECT_DOUBLE_EQ(1.5, edit.GetValue());
}

TEST(OXNumericEditModel, FormatsWrapTheDigitsAndNeedTheMarker)
{
    COXNumericEdit edit;
    edit.SetMask("[#]");
    EXPECT_FALSE(edit.SetNegativeFormat("(x)"));
    EXPECT_STREQ("-1.1", edit.GetNegativeFormat());
    ASSERT_TRUE(edit.SetNegativeFormat("(1.1)"));
    edit.SetValue(-3.25);
    EXPECT_STREQ("[(3.25)]", Text(edit));
    EXPECT_STREQ("[(", edit.GetLiteralPrefix());
    EXPECT_DOUBLE_EQ(-3.25, edit.GetValue());
    // Text from outside: a leading minus makes it negative.
    edit.EmptyData(TRUE);
    edit.SetInputData("-12");
    EXPECT_STREQ("[(12.00)]", Text(edit));
    EXPECT_DOUBLE_EQ(-12.0, edit.GetValue());
}

TEST(OXNumericEditModel, DeletingAcrossTheSeparatorKeepsIt)
{
    COXNumericEdit edit;
    edit.SetValue(-1234.56);
    // Everything from the sign's prefix to the suffix: the value goes positive.
    int start = 0;
    int end = 10;
    EXPECT_GT(edit.DeleteRange(start, end), 0);
    EXPECT_STREQ("0.00", Text(edit));
    EXPECT_FALSE(edit.IsNegative());

    edit.SetValue(1234.56);
    start = 3;  // "1,2|34.5|6"
    end = 7;
    EXPECT_GT(edit.DeleteRange(start, end), 0);
    EXPECT_STREQ("12.60", Text(edit));
    EXPECT_DOUBLE_EQ(12.6, edit.GetValue());
}

TEST(OXNumericEditModel, ProgramSettingsSurviveALocaleChange)
{
    char digits[8] = {};
    ASSERT_GT(::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDIGITS, digits, sizeof(digits)), 0);
    COXNumericEdit follows;
    follows.InitFromLocale();
    EXPECT_EQ(atoi(digits), follows.GetDecimalDigitCount());

    COXNumericEdit fixed;
    fixed.InitFromLocale();
    ASSERT_TRUE(fixed.SetDecimalDigitCount(atoi(digits) + 1));
    fixed.InitFromLocale();
    EXPECT_EQ(atoi(digits) + 1, fixed.GetDecimalDigitCount());
}

TEST(OXCurrencyEditModel, SymbolReplacesThePlaceholder)
{
    COXCurrencyEdit edit;
    edit.SetValue(12.0);
    EXPECT_STREQ("$12.00", Text(edit));
    ASSERT_TRUE(edit.SetCurrencySymbol("EUR"));
    edit.SetValue(-5.0);
    EXPECT_STREQ("(EUR5.00)", Text(edit));
    EXPECT_DOUBLE_EQ(-5.0, edit.GetValue());

    EXPECT_FALSE(edit.SetCurrencySymbol(""));
    EXPECT_FALSE(edit.SetCurrencySymbol(nullptr));
    EXPECT_FALSE(edit.SetNegativeFormat("1.1"));
    EXPECT_FALSE(edit.SetPositiveFormat("$"));
    EXPECT_STREQ("($1.1)", edit.GetNegativeFormat());

    ASSERT_TRUE(edit.SetNegativeFormat("-1.1 $"));
    EXPECT_STREQ("-5.00 EUR", Text(edit));
    edit.SetMask("<#>");
    ASSERT_TRUE(edit.SetPositiveFormat("$ 1.1"));
    edit.SetValue(7.0);
    EXPECT_STREQ("<EUR 7.00>", Text(edit));
}
