// Units of the physical edit: conversion, the unit after the number, the unit
// menu's commands and the units a table does not have.
#include "toolkit/foundation/OXPhysicalEdit.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
const LPCTSTR LengthNames[] = { "m", "cm", "mm" };
const double LengthRows[][3] = { { 0, 1, 0 }, { 0, 0.01, 0 }, { 0, 0.001, 0 } };
const COXPhysicalUnitTable Length = { 3, 0, LengthNames, LengthRows, 0 };

const LPCTSTR TemperatureNames[] = { "C", "F" };
const double TemperatureRows[][3] = { { 0, 1, 0 }, { -32, 5.0 / 9.0, 0 } };
const COXPhysicalUnitTable Temperature = { 2, 0, TemperatureNames, TemperatureRows, 0 };

class PhysicalEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(frame.CreateFrame(CRect(100, 100, 500, 300)));
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd())
            frame.DestroyWindow();
    }
    void Create(COXPhysicalEdit& edit)
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 250, 34), &frame, 100));
        edit.SetGroupSeparator(' ');
        edit.SetDecimalDigitCount(2);
    }
    static CString Text(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }
    static CString Decimal()
    {
        char sep[8] = {};
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, sizeof(sep));
        return sep;
    }
    CTestFrame frame;
};
} // namespace

TEST_F(PhysicalEditTest, MenuCommandConvertsIntoTheChosenUnit)
{
    COXPhysicalEdit edit(&Length, 0, TRUE);
    Create(edit);
    ASSERT_EQ(3, edit.GetUnitMenu().GetMenuItemCount());
    EXPECT_EQ(COXPhysicalEdit::FirstUnitCommand + 2, static_cast<int>(edit.GetUnitMenu().GetMenuItemID(2)));
    EXPECT_EQ(&edit.GetUnitMenu(), edit.GetDropMenu());
    edit.SetValue(1.5);
    EXPECT_STREQ("1" + Decimal() + "50 m", Text(edit));
    edit.SendMessage(WM_COMMAND, COXPhysicalEdit::FirstUnitCommand + 1, 0);
    EXPECT_EQ(1, edit.GetUnit());
    EXPECT_STREQ("150" + Decimal() + "00 cm", Text(edit));
    EXPECT_DOUBLE_EQ(150.0, edit.GetValue());
    EXPECT_DOUBLE_EQ(1500.0, edit.GetValueInUnit(2));
    EXPECT_DOUBLE_EQ(1.5, edit.GetValueInUnit(-1));
    // Ids past the table are ignored.
    edit.SendMessage(WM_COMMAND, COXPhysicalEdit::FirstUnitCommand + 3, 0);
    EXPECT_EQ(1, edit.GetUnit());
}

TEST_F(PhysicalEditTest, AffineRowsConvertTemperatures)
{
    COXPhysicalEdit edit(&Temperature, -1, FALSE);
    EXPECT_NEAR(212.0, edit.ConvertValue(100.0, 0, 1), 1e-9);
    EXPECT_NEAR(-40.0, edit.ConvertValue(-40.0, 1, 0), 1e-9);
    EXPECT_NEAR(37.0, edit.ConvertValue(98.6, 1, 0), 1e-9);
}

TEST_F(PhysicalEditTest, UnitsOutsideTheTableAreRefused)
{
    COXPhysicalEdit edit(&Length, 7, TRUE);  // an unknown unit starts at the default
    EXPECT_EQ(0, edit.GetUnit());
    Create(edit);
    edit.SetValue(2.0);
    EXPECT_FALSE(edit.SetValueInUnit(5.0, 3));
    EXPECT_FALSE(edit.SetValueInUnit(5.0, -2));
    EXPECT_DOUBLE_EQ(2.0, edit.GetValue());
    EXPECT_EQ(0, edit.GetUnit());
    EXPECT_DOUBLE_EQ(2.0, edit.GetValueInUnit(9));
    EXPECT_TRUE(edit.SetValueInUnit(5.0, 2));
    EXPECT_STREQ("5" + Decimal() + "00 mm", Text(edit));

    // Without a table (dynamic creation): no menu, no unit, nothing to read.
    COXPhysicalEdit bare;
    Create(bare);
    bare.SetValue(3.0);
    EXPECT_EQ(-1, bare.GetUnit());
    EXPECT_EQ(nullptr, bare.GetDropMenu());
    EXPECT_FALSE(bare.IsUnitShown());
    EXPECT_STREQ("3" + Decimal() + "00", Text(bare));
    EXPECT_FALSE(bare.SetValueInUnit(1.0, 0));
    EXPECT_FALSE(bare.SetValueInUnit(1.0, -1));
}

TEST_F(PhysicalEditTest, FormatChangesKeepTheUnitAfterTheNumber)
{
    COXPhysicalEdit edit(&Length, 1, TRUE);
    Create(edit);
    ASSERT_TRUE(edit.SetMask("<#>"));
    edit.SetValue(-4.0);
    ASSERT_TRUE(edit.SetNegativeFormat("(1.1)"));
    EXPECT_STREQ("<(4" + Decimal() + "00) cm>", Text(edit));
    ASSERT_TRUE(edit.SetDecimalDigitCount(1));
    EXPECT_STREQ("<(4" + Decimal() + "0) cm>", Text(edit));
    edit.ShowUnit(FALSE);
    EXPECT_STREQ("<(4" + Decimal() + "0)>", Text(edit));
    edit.ShowUnit(TRUE);
    EXPECT_STREQ("<(4" + Decimal() + "0) cm>", Text(edit));
}
