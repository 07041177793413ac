// CMaskData and COXMaskBuffer: the positions of an edit's input mask and
// every rule that needs no window (mask parsing, which characters a position
// takes, caret stops, closing up after deletions, inserts). The masked edit
// window only turns keys and messages into calls on a COXMaskBuffer and
// shows its display text.
#pragma once

#include "afx/Object.h"
#include "afx/String.h"

#include <vector>

// One mask position: a literal that is shown and never edited, or an input
// position holding an entered character or the prompt.
class CMaskData : public CObject
{
public:
    enum Type
    {
        DecimalSeparator = 0,
        ThousandsSeparator = 1,
        TimeSeparator = 2,
        DateSeparator = 3,
        Digit = 4,
        AlphaNumeric = 5,
        Alpha = 6,
        AlphaUpper = 7,
        AlphaLower = 8,
        AnyCharacter = 9,
        EscapedLiteral = 10,
        Literal = 11
    };

    CMaskData() : m_eType(Literal), m_chValue(0) {}
    CMaskData(const CMaskData& other) : CObject(), m_eType(other.m_eType), m_chValue(other.m_chValue) {}
    CMaskData& operator=(const CMaskData& other)
    {
        m_eType = other.m_eType;
        m_chValue = other.m_chValue;
        return *this;
    }

    BOOL IsInputData() const { return m_eType >= Digit && m_eType <= AnyCharacter; }
    BOOL IsValidInput(char ch) const;
    char PreProcessChar(char ch) const;

    int m_eType;
    char m_chValue;
};

class COXMaskBuffer
{
public:
    COXMaskBuffer();

    // Separators shown by the ".", ",", ":" and "/" mask characters; they
    // take effect at the next SetMask.
    void SetSeparators(char chDecimal, char chThousands, char chTime, char chDate);

    void SetMask(LPCTSTR lpszMask);
    void Clear() { m_data.clear(); }
    BOOL HasMask() const { return !m_data.empty(); }
    int GetLength() const { return static_cast<int>(m_data.size()); }
    const CMaskData& GetAt(int pos) const { return m_data[static_cast<size_t>(pos)]; }

    char GetPromptSymbol() const { return m_chPrompt; }
    // FALSE (and nothing changed) for characters that cannot stand in a
    // single-line edit as a prompt: NUL, CR, LF and DEL.
    BOOL SetPromptSymbol(char ch);

    CString GetInputChars() const;
    CString GetDisplayText() const;
    BOOL IsInputPosition(int pos) const;
    BOOL IsEmpty() const;
    void EmptyInput();

    int WindowPosToInputIndex(int pos) const;
    int InputIndexToWindowPos(int index) const;
    int GetNextInputPosition(int pos) const;
    int GetPrevInputPosition(int pos) const;
    int GetFirstEmptyPosition(int pos) const;

    // Refills the input positions from the first nKeep entered characters
    // followed by lpszText; FALSE when a character had to be skipped.
    BOOL FillInput(LPCTSTR lpszText, int nKeep, BOOL bRaw);
    // The number of input positions in [nStart, nEnd); later characters close up.
    int DeleteRange(int nStart, int nEnd);
    // The window position where ch went, or -1 (and nothing changed).
    int InsertAt(int pos, char ch);
    // pos, or -1 when ch is refused there.
    int SetCharAt(int pos, char ch);

    // A text given to the control with the literal runs that lead up to input
    // positions cut out where it holds them, so both the display form and the
    // bare entered characters are understood.
    CString ReduceText(LPCTSTR lpszText) const;

private:
    std::vector<CMaskData> m_data;
    char m_chPrompt;
    char m_chDecimal;
    char m_chThousands;
    char m_chTime;
    char m_chDate;
};
