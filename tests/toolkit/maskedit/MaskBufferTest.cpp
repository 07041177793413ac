// The mask rules without a window: parsing, acceptance, caret stops,
// closing up across literals and the text reduction of WM_SETTEXT.
#include "toolkit/foundation/OXMaskBuffer.h"
#include "toolkit/foundation/OXIPEdit.h"

#include <gtest/gtest.h>

namespace {
COXMaskBuffer Make(LPCTSTR mask)
{
    COXMaskBuffer buffer;
    buffer.SetMask(mask);
    return buffer;
}

// Types each character at the caret in insert mode, as the control does.
void Type(COXMaskBuffer& buffer, int& caret, LPCTSTR text)
{
    for (const char* p = text; *p; ++p) {
        int at = buffer.InsertAt(caret, *p);
        if (at >= 0)
            caret = buffer.GetNextInputPosition(at + 1);
    }
}
} // namespace

TEST(MaskBuffer, TelephoneMaskShowsLiteralsAndFillsWithDigits)
{
    COXMaskBuffer phone = Make("(###) ###-####");
    EXPECT_STREQ("(   )    -    ", phone.GetDisplayText());
    EXPECT_TRUE(phone.IsEmpty());
    int caret = phone.GetNextInputPosition(0);
    EXPECT_EQ(1, caret);
    Type(phone, caret, "0123456789");
    EXPECT_STREQ("(012) 345-6789", phone.GetDisplayText());
    EXPECT_STREQ("0123456789", phone.GetInputChars());
    EXPECT_EQ(14, caret);

    COXMaskBuffer fresh = Make("(###) ###-####");
    EXPECT_EQ(-1, fresh.InsertAt(1, 'x'));
    EXPECT_STREQ("(   )    -    ", fresh.GetDisplayText());
}

TEST(MaskBuffer, CaseConversionAndCharacterClasses)
{
    COXMaskBuffer cases = Make("><");
    EXPECT_EQ(0, cases.InsertAt(0, 'a'));
    EXPECT_EQ(1, cases.InsertAt(1, 'B'));
    EXPECT_STREQ("Ab", cases.GetDisplayText());
    EXPECT_EQ(-1, cases.SetCharAt(0, '1'));
    EXPECT_EQ(-1, cases.SetCharAt(1, '1'));

    CMaskData any;
    any.m_eType = CMaskData::AnyCharacter;
    EXPECT_TRUE(any.IsValidInput('~'));
    EXPECT_FALSE(any.IsValidInput('\t'));
    CMaskData letter;
    letter.m_eType = CMaskData::Alpha;
    EXPECT_TRUE(letter.IsValidInput('\xE6')); // Cyrillic letter in the ANSI code page
    EXPECT_FALSE(letter.IsValidInput('5'));
    CMaskData literal;
    EXPECT_FALSE(literal.IsValidInput('a'));
}

TEST(MaskBuffer, EscapesSeparatorsAndTrailingBackslash)
{
    COXMaskBuffer buffer;
    buffer.SetSeparators(',', ' ', '-', '.');
    buffer.SetMask("#.#:#/#\\#\\");
    // The trailing backslash ends the mask; "\#" is a literal hash.
    EXPECT_EQ(8, buffer.GetLength());
    EXPECT_STREQ(" , - . #", buffer.GetDisplayText());
    EXPECT_FALSE(buffer.IsInputPosition(7));
    EXPECT_EQ(CMaskData::EscapedLiteral, buffer.GetAt(7).m_eType);
}

TEST(MaskBuffer, PositionMapping)
{
    COXMaskBuffer buffer = Make("(##)-#");
    EXPECT_EQ(-1, buffer.WindowPosToInputIndex(0));
    EXPECT_EQ(1, buffer.WindowPosToInputIndex(2));
    EXPECT_EQ(2, buffer.WindowPosToInputIndex(5));
    EXPECT_EQ(-1, buffer.WindowPosToInputIndex(6));
    EXPECT_EQ(5, buffer.InputIndexToWindowPos(2));
    EXPECT_EQ(-1, buffer.InputIndexToWindowPos(3));

    EXPECT_EQ(1, buffer.GetNextInputPosition(-4));
    EXPECT_EQ(5, buffer.GetNextInputPosition(3));
    EXPECT_EQ(6, buffer.GetNextInputPosition(6));
    EXPECT_EQ(2, buffer.GetPrevInputPosition(2));
    EXPECT_EQ(3, buffer.GetPrevInputPosition(4)); // just past the "##"
    EXPECT_EQ(1, buffer.GetPrevInputPosition(0)); // nothing to the left
    EXPECT_EQ(1, buffer.GetFirstEmptyPosition(0));
    EXPECT_TRUE(buffer.FillInput("12", 0, TRUE));
    EXPECT_EQ(5, buffer.GetFirstEmptyPosition(0));

    COXMaskBuffer none;
    EXPECT_TRUE(none.IsInputPosition(7));
}

TEST(MaskBuffer, DeletionClosesUpAcrossLiterals)
{
    COXMaskBuffer buffer = Make("##-##");
    buffer.FillInput("1234", 0, TRUE);
    EXPECT_EQ(1, buffer.DeleteRange(0, 1));
    EXPECT_STREQ("23-4 ", buffer.GetDisplayText());
    // Only literals in the range: nothing removed, nothing moved.
    EXPECT_EQ(0, buffer.DeleteRange(2, 3));
    EXPECT_STREQ("23-4 ", buffer.GetDisplayText());
}

TEST(MaskBuffer, InsertShiftsAndDropsTheLastWhenFull)
{
    COXMaskBuffer buffer = Make("##-##");
    buffer.FillInput("1234", 0, TRUE);
    EXPECT_EQ(0, buffer.InsertAt(0, '9'));
    EXPECT_STREQ("91-23", buffer.GetDisplayText());
    // Insert before a literal goes to the next input position.
    EXPECT_EQ(3, buffer.InsertAt(2, '7'));
    EXPECT_STREQ("91-72", buffer.GetDisplayText());

    // A hole takes up the shift: the digit beyond it stays.
    COXMaskBuffer holes = Make("###");
    holes.FillInput("1 3", 0, TRUE);
    EXPECT_EQ(0, holes.InsertAt(0, '9'));
    EXPECT_STREQ("913", holes.GetDisplayText());

    // A shifted character that does not fit its new place puts everything back.
    COXMaskBuffer mixed = Make("#?");
    mixed.FillInput("1a", 0, TRUE);
    EXPECT_EQ(-1, mixed.InsertAt(0, '2'));
    EXPECT_STREQ("1a", mixed.GetDisplayText());
    EXPECT_EQ(-1, mixed.InsertAt(2, '2'));
}

TEST(MaskBuffer, FillInputSkipsWhatDoesNotFitAndKeepsPrefix)
{
    COXMaskBuffer buffer = Make("###");
    EXPECT_FALSE(buffer.FillInput("1x2", 0, FALSE));
    EXPECT_STREQ("12 ", buffer.GetDisplayText());
    EXPECT_TRUE(buffer.FillInput("9", 1, TRUE));
    EXPECT_STREQ("19 ", buffer.GetDisplayText());
    // Raw text keeps prompts as holes; cooked text drops them.
    EXPECT_TRUE(buffer.FillInput(" 5", 0, TRUE));
    EXPECT_STREQ(" 5 ", buffer.GetDisplayText());
    EXPECT_TRUE(buffer.FillInput(" 5", 0, FALSE));
    EXPECT_STREQ("5  ", buffer.GetDisplayText());
}

TEST(MaskBuffer, ReduceTextAcceptsBareAndFormatted)
{
    COXMaskBuffer buffer = Make("(###) ###-####");
    EXPECT_STREQ("0123456789", buffer.ReduceText("(012) 345-6789"));
    EXPECT_STREQ("0123456789", buffer.ReduceText("0123456789"));
    EXPECT_STREQ("", buffer.ReduceText(""));
}

TEST(MaskBuffer, PromptSymbolRefusesLineBreaksAndReplacesOldPrompt)
{
    COXMaskBuffer buffer = Make("#-#");
    buffer.FillInput("5", 0, TRUE);
    EXPECT_FALSE(buffer.SetPromptSymbol('\r'));
    EXPECT_FALSE(buffer.SetPromptSymbol('\x7F'));
    EXPECT_EQ(' ', buffer.GetPromptSymbol());
    EXPECT_TRUE(buffer.SetPromptSymbol('_'));
    EXPECT_STREQ("5-_", buffer.GetDisplayText());
    EXPECT_FALSE(buffer.IsEmpty());
    buffer.EmptyInput();
    EXPECT_STREQ("_-_", buffer.GetDisplayText());
    EXPECT_TRUE(buffer.IsEmpty());
}

TEST(IPAddress, ParseFormatAndBlank)
{
    BYTE b[4] = { 7, 7, 7, 7 };
    EXPECT_TRUE(COXIPEdit::ParseAddress(" 10.  0.  0.  1", b[0], b[1], b[2], b[3]));
    EXPECT_STREQ("10.0.0.1", COXIPEdit::FormatAddress(b[0], b[1], b[2], b[3]));
    EXPECT_TRUE(COXIPEdit::ParseAddress("1 9 2.168.1.20", b[0], b[1], b[2], b[3]));
    EXPECT_EQ(192, b[0]);

    b[0] = 7;
    for (LPCTSTR bad : { "256.1.1.1", "1.2.3", "1..2.3", "1.2.3.", "1.2.3.4.5", "a.1.1.1", "99999999999.1.1.1" })
        EXPECT_FALSE(COXIPEdit::ParseAddress(bad, b[0], b[1], b[2], b[3])) << bad;
    EXPECT_EQ(7, b[0]) << "bytes untouched on failure";

    EXPECT_TRUE(COXIPEdit::IsBlankAddress(""));
    EXPECT_TRUE(COXIPEdit::IsBlankAddress("   .   .   .   "));
    EXPECT_FALSE(COXIPEdit::IsBlankAddress("   .   .   .  1"));
}
