// The progress logic: range and position rules, the snake, text values, and
// the bar, background and text painted into a memory DC.
#include "controls/progress/Progress.h"

#include "Surface.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class CountingProgress : public CProgress
{
public:
    void OnPosChanged(int nNewPos) override { ++changes; last = nNewPos; }
    int changes = 0;
    int last = -1;
};

TEST(Progress, RangeIsOrderedAndThePositionClampedAndAnnouncedOnce)
{
    CountingProgress p;
    p.SetRange(100, 0);
    int lower = -1, upper = -1;
    p.GetRange(lower, upper);
    EXPECT_EQ(0, lower);
    EXPECT_EQ(100, upper);
    EXPECT_EQ(0, p.SetPos(150));
    EXPECT_EQ(100, p.GetPos());
    EXPECT_EQ(1, p.changes);
    EXPECT_EQ(100, p.SetPos(150));
    EXPECT_EQ(1, p.changes);
    p.SetRange(0, 50);
    EXPECT_EQ(50, p.GetPos());
    EXPECT_EQ(10, p.SetStep(5));
    EXPECT_EQ(50, p.OffsetPos(-20));
    EXPECT_EQ(30, p.StepIt());
    EXPECT_EQ(35, p.GetPos());
}

TEST(Progress, TheSnakeWrapsAtTheEndAndTurnsRound)
{
    CProgress p;
    p.ModifyStyle(0, CProgress::Snake);
    p.SetPos(100);
    EXPECT_EQ(60, p.GetTail());
    int guard = 0;
    while (!(p.GetStyle() & CProgress::Reversed) && ++guard < 20)
        p.StepIt();
    ASSERT_LT(guard, 20);
    EXPECT_EQ(10, p.GetPos());
    EXPECT_EQ(0, p.GetTail());
    EXPECT_FALSE(CProgress().SetSnakePos(10, FALSE));
}

TEST(Progress, TextValuesAndFormats)
{
    CProgress p;
    p.SetRange(0, 200);
    p.SetPos(25);
    EXPECT_STREQ("12%", p.FormatText(CProgress::TextPercent, "", p.CalcTextValue(CProgress::TextPercent, 25)));
    EXPECT_STREQ("25", p.FormatText(CProgress::TextPosition, nullptr, p.CalcTextValue(CProgress::TextPosition, 25)));
    EXPECT_STREQ("at 25", p.FormatText(CProgress::TextPosition, "at %d", 25.9));
    EXPECT_STREQ("", p.FormatText(0, nullptr, 5));
    p.SetRange(7, 7);
    EXPECT_EQ(0.0, p.CalcTextValue(CProgress::TextPercent, 7));   // no division by an empty range

    p.SetText("%d%%", CProgress::TextPercent | CProgress::Snake);
    EXPECT_EQ(static_cast<DWORD>(CProgress::TextPercent), p.GetStyle() & CProgress::TextModeMask);
    EXPECT_FALSE(p.GetStyle() & CProgress::Snake);
    p.SetText("", CProgress::TextPercent);
    EXPECT_EQ(0u, p.GetStyle() & CProgress::TextModeMask);
    EXPECT_TRUE(p.GetTextFormat().IsEmpty());
}

// A one-colour bar so every bar pixel has a known colour.
void SolidBar(CProgress& p, COLORREF colour)
{
    p.SetColors(2, colour, colour);
    p.SetBkColor(kWhite);
}

TEST(ProgressDrawing, TheBarGrowsFromItsEdgeInsideTheBorders)
{
    CProgress p;
    SolidBar(p, kRed);
    p.SetPos(50);
    p.SetBorders(CRect(2, 2, 2, 2));
    Surface s(104, 14, kBlue);
    p.Draw(s.dc(), CRect(0, 0, 104, 14));
    EXPECT_EQ(kWhite, s.At(1, 7));     // border: background
    EXPECT_EQ(kRed, s.At(2, 7));
    EXPECT_EQ(kRed, s.At(51, 7));
    EXPECT_EQ(kWhite, s.At(52, 7));
    EXPECT_EQ(kRed, s.At(20, 2));
    EXPECT_EQ(kWhite, s.At(20, 1));

    p.ModifyStyle(0, CProgress::Reversed);
    p.Draw(s.dc(), CRect(0, 0, 104, 14));
    EXPECT_EQ(kWhite, s.At(51, 7));
    EXPECT_EQ(kRed, s.At(52, 7));
    EXPECT_EQ(kRed, s.At(101, 7));

    CProgress v;
    SolidBar(v, kRed);
    v.ModifyStyle(0, CProgress::StyleVertical);
    v.SetPos(25);
    Surface t(10, 100, kBlue);
    v.Draw(t.dc(), CRect(0, 0, 10, 100));
    EXPECT_EQ(kRed, t.At(5, 99));
    EXPECT_EQ(kRed, t.At(5, 75));
    EXPECT_EQ(kWhite, t.At(5, 74));
}

TEST(ProgressDrawing, NoBackgroundKeepsTheTargetAndTheGradientSpansTheArea)
{
    CProgress p;
    p.SetColors(2, RGB(0, 0, 0), RGB(200, 200, 200));
    p.SetBkColor(0xFFFFFFFF);
    p.SetPos(50);
    Surface s(200, 10, kBlue);
    p.Draw(s.dc(), CRect(0, 0, 200, 10));
    EXPECT_EQ(kBlue, s.At(150, 5));
    EXPECT_EQ(RGB(0, 0, 0), s.At(0, 5));
    EXPECT_EQ(RGB(99, 99, 99), s.At(99, 5));   // the bar uncovers the whole-area gradient

    p.ModifyStyle(0, CProgress::GradientOnBar);
    p.Draw(s.dc(), CRect(0, 0, 200, 10));
    EXPECT_EQ(RGB(198, 198, 198), s.At(99, 5));   // squeezed into the 100-pixel bar
}

TEST(ProgressDrawing, TextOverTheBarAndTheBackgroundInTwoColours)
{
    CProgress p;
    SolidBar(p, kBlue);
    p.SetTextColor(kGreen, kRed);
    p.SetText("%d%%", CProgress::TextPercent);
    p.SetPos(50);
    Surface s(200, 30, kWhite);
    p.Draw(s.dc(), CRect(0, 0, 200, 30));
    // "50%" sits in the middle: its left half over the bar, its right half beyond.
    int green = 0, red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x) {
            green += s.At(x, y) == kGreen && x < 100;
            red += s.At(x, y) == kRed && x >= 100;
            ASSERT_FALSE(s.At(x, y) == kGreen && x >= 100);
            ASSERT_FALSE(s.At(x, y) == kRed && x < 100);
        }
    EXPECT_GT(green, 0);
    EXPECT_GT(red, 0);
}

TEST(ProgressDrawing, TextTravellingWithTheBarNeedsRoomInIt)
{
    CProgress p;
    SolidBar(p, kBlue);
    p.SetTextColor(kGreen, kRed);
    p.SetText("%d%%", CProgress::TextPercent);
    p.ModifyStyle(0, CProgress::TextOnBar);
    p.SetPos(3);
    Surface s(200, 30, kWhite);
    p.Draw(s.dc(), CRect(0, 0, 200, 30));
    EXPECT_EQ(0, s.Count(kGreen));
    EXPECT_EQ(0, s.Count(kRed));

    p.SetPos(80);
    p.Draw(s.dc(), CRect(0, 0, 200, 30));
    EXPECT_GT(s.Count(kGreen), 0);
    EXPECT_EQ(0, s.Count(kRed));
}

} // namespace
