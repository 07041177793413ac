// Caption settings: the stored record, the gradient's bands (with the guards
// for odd widths and shade counts) and the visual-styles rule.
#include "toolkit/lists/painters/OXCaptionInfo.h"

#include "afx/Archive.h"
#include "afx/MemFile.h"

#include <gtest/gtest.h>

namespace {
std::vector<int> Reds(const std::vector<COXCaptionBand>& bands)
{
    std::vector<int> reds;
    for (const COXCaptionBand& band : bands)
        reds.push_back(GetRValue(band.clr));
    return reds;
}

std::vector<int> Lefts(const std::vector<COXCaptionBand>& bands)
{
    std::vector<int> lefts;
    for (const COXCaptionBand& band : bands)
        lefts.push_back(band.nLeft);
    return lefts;
}
} // namespace

TEST(CaptionInfoTest, SerializeRoundTripKeepsEveryField)
{
    COXCaptionInfo info;
    info.m_clrBackground = RGB(10, 20, 30);
    info.m_bGradient = FALSE;
    info.m_nGradientAlignment = GradientFromRight;
    info.m_nGradientAlgorithm = GradientLinear;
    info.m_nNumberShade = 7;
    info.m_clrText = RGB(1, 2, 3);
    info.m_nTextFormat = DT_SINGLELINE | DT_CENTER;
    LOGFONT lf = {};
    lf.lfHeight = -17;
    lf.lfWeight = FW_BOLD;
    lstrcpy(lf.lfFaceName, "Arial");
    ASSERT_TRUE(info.SetCaptionLogFont(&lf));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        info.Serialize(ar);
    }
    // 7 values, a font record and an empty one.
    EXPECT_EQ(7u * 4 + 4 + 5 * 4 + 8 + 1 + 5 + 4, file.GetLength());
    file.SeekToBegin();
    COXCaptionInfo loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(RGB(10, 20, 30), loaded.m_clrBackground);
    EXPECT_FALSE(loaded.m_bGradient);
    EXPECT_EQ(GradientFromRight, loaded.m_nGradientAlignment);
    EXPECT_EQ(GradientLinear, loaded.m_nGradientAlgorithm);
    EXPECT_EQ(7, loaded.m_nNumberShade);
    EXPECT_EQ(RGB(1, 2, 3), loaded.m_clrText);
    EXPECT_EQ(static_cast<UINT>(DT_SINGLELINE | DT_CENTER), loaded.m_nTextFormat);
    LOGFONT back = {};
    ASSERT_TRUE(loaded.GetCaptionLogFont(&back));
    EXPECT_EQ(-17, back.lfHeight);
    EXPECT_EQ(FW_BOLD, back.lfWeight);
    EXPECT_STREQ("Arial", back.lfFaceName);
    EXPECT_TRUE(loaded.m_fontSm.GetSafeHandle() == nullptr);
}

TEST(CaptionInfoTest, LongFaceNameLoadsCutTo31Characters)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (int i = 0; i < 7; ++i)
            ar << static_cast<DWORD>(1);
        ar << static_cast<DWORD>(1);
        for (int i = 0; i < 5; ++i)
            ar << static_cast<LONG>(0);
        for (int i = 0; i < 8; ++i)
            ar << static_cast<BYTE>(0);
        ar << CString('F', 40);
        ar << static_cast<DWORD>(0);
    }
    file.SeekToBegin();
    COXCaptionInfo loaded;
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    LOGFONT lf = {};
    ASSERT_TRUE(loaded.GetCaptionLogFont(&lf));
    EXPECT_EQ(CString('F', 31), CString(lf.lfFaceName));
}

TEST(CaptionInfoTest, DefaultsAndAssignmentCopyTheSystemFonts)
{
    COXCaptionInfo info;
    EXPECT_EQ(::GetSysColor(COLOR_ACTIVECAPTION), info.GetBackgroundColor(TRUE));
    EXPECT_EQ(::GetSysColor(COLOR_INACTIVECAPTIONTEXT), info.GetTextColor(FALSE));
    EXPECT_EQ(64, info.m_nNumberShade);
    EXPECT_EQ(0x8024u, info.m_nTextFormat);
    COXCaptionInfo copy;
    copy = info;
    EXPECT_TRUE(copy.m_font.GetSafeHandle() != nullptr);   // explicit copies of the system fonts
    copy = copy;
    EXPECT_TRUE(copy.m_font.GetSafeHandle() != nullptr);
}

TEST(CaptionBandsTest, EachAlignmentAndAlgorithmAtASmallWidth)
{
    const COLORREF red = RGB(200, 0, 0);
    auto leftLinear = OXCaptionBands(8, red, TRUE, GradientFromLeft, GradientLinear, 4);
    EXPECT_EQ((std::vector<int>{200, 150, 100, 50, 0}), Reds(leftLinear));
    EXPECT_EQ((std::vector<int>{8, 6, 4, 2, 0}), Lefts(leftLinear));
    EXPECT_EQ(2, leftLinear.back().nWidth);
    EXPECT_EQ((std::vector<int>{200, 188, 150, 88, 0}),
              Reds(OXCaptionBands(8, red, TRUE, GradientFromLeft, GradientSquare, 4)));

    auto rightLinear = OXCaptionBands(8, red, TRUE, GradientFromRight, GradientLinear, 4);
    EXPECT_EQ((std::vector<int>{200, 150, 100, 50, 0}), Reds(rightLinear));
    EXPECT_EQ(6, rightLinear.back().nLeft);
    EXPECT_EQ(1, rightLinear.back().nWidth);   // only the last column keeps its colour
    EXPECT_EQ((std::vector<int>{200, 188, 150, 88, 0}),
              Reds(OXCaptionBands(8, red, TRUE, GradientFromRight, GradientSquare, 4)));

    auto center = OXCaptionBands(8, red, TRUE, GradientFromCenter, GradientLinear, 2);
    EXPECT_EQ((std::vector<int>{200, 150, 100, 50, 0, 200, 150, 100, 50, 0, 0}), Reds(center));
    EXPECT_EQ((std::vector<int>{8, 7, 6, 5, 4, 0, 1, 2, 3, 4, 4}), Lefts(center));
    auto centerSquare = OXCaptionBands(8, red, TRUE, GradientFromCenter, GradientSquare, 2);
    EXPECT_EQ(200, Reds(centerSquare)[0]);
    EXPECT_EQ(200 - 4 * 200 / 16, Reds(centerSquare)[2]);

    // No gradient: one band; an unknown algorithm: only the closing band.
    EXPECT_EQ(1u, OXCaptionBands(8, red, FALSE, GradientFromLeft, GradientLinear, 4).size());
    EXPECT_EQ(1u, OXCaptionBands(8, red, TRUE, GradientFromLeft, 5, 4).size());
    EXPECT_TRUE(OXCaptionBands(8, red, TRUE, 3, GradientLinear, 4).empty());
}

TEST(CaptionBandsTest, ZeroShadesAndNarrowCentresAreGuarded)
{
    const COLORREF red = RGB(200, 0, 0);
    EXPECT_EQ(OXCaptionBands(8, red, TRUE, GradientFromLeft, GradientLinear, 1).size(),
              OXCaptionBands(8, red, TRUE, GradientFromLeft, GradientLinear, 0).size());
    EXPECT_FALSE(OXCaptionBands(8, red, TRUE, GradientFromRight, GradientSquare, -3).empty());
    auto one = OXCaptionBands(1, red, TRUE, GradientFromCenter, GradientSquare, 64);
    ASSERT_EQ(1u, one.size());
    EXPECT_EQ(red, one[0].clr);
    EXPECT_FALSE(OXCaptionBands(1, red, TRUE, GradientFromLeft, GradientSquare, 64).empty());
}

TEST(CaptionBandsTest, WideCaptionKeepsAMonotonicGradient)
{
    const auto bands = OXCaptionBands(4000, RGB(255, 255, 255), TRUE, GradientFromLeft, GradientSquare, 64);
    ASSERT_GT(bands.size(), 60u);
    // Drawn from the right: each band no brighter than the one before.
    for (size_t i = 1; i < bands.size(); ++i)
        EXPECT_LE(GetRValue(bands[i].clr), GetRValue(bands[i - 1].clr)) << i;
    EXPECT_EQ(255, GetRValue(bands.front().clr));
    EXPECT_LT(GetRValue(bands[bands.size() - 2].clr), 40);
}

TEST(ThemeRuleTest, VersionPairsStylesAndCommonControls)
{
    EXPECT_FALSE(OXIsThemed(5, 0, TRUE, 0x60000));
    EXPECT_TRUE(OXIsThemed(5, 1, TRUE, 0x60000));
    EXPECT_TRUE(OXIsThemed(6, 0, TRUE, 0x60000));
    EXPECT_TRUE(OXIsThemed(10, 0, TRUE, 0x6000A));
    EXPECT_FALSE(OXIsThemed(6, 1, FALSE, 0x60000));
    EXPECT_FALSE(OXIsThemed(6, 1, TRUE, 0x50051));
    // Here the common controls answer 5.81: not themed.
    EXPECT_LT(GetDllVersion("comctl32.dll"), 0x60000u);
    EXPECT_EQ(0u, GetDllVersion("no-such-library.dll"));
    EXPECT_FALSE(IsThemedApp());
}
