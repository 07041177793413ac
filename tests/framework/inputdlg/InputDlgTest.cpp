// The two input dialogs driven through their modal loops: OK hands back what
// the control holds, Cancel leaves the results as they were.
#include "framework/dialogs/BaseInputDateDlg.h"
#include "framework/dialogs/BaseInputStringDlg.h"

#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const UINT StringTemplate = 133;


void Press(CDialog& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}
}

TEST(InputStringDlg, OkReturnsTheEditedTextAndCancelLeavesTheResultEmpty)
{
    CBaseInputStringDlg dialog("initial", "Name please", StringTemplate);
    CString caption, shown;
    EXPECT_EQ(IDOK, RunModal(dialog, [&](CDialog& d) {
                  d.GetWindowText(caption);
                  d.GetDlgItemText(1208, shown);
                  d.SetDlgItemText(1208, "typed text");
                  Press(d, IDOK);
              }));
    EXPECT_EQ("Name please", caption);
    EXPECT_EQ("initial", shown);
    EXPECT_EQ("typed text", dialog.m_strResult);

    CBaseInputStringDlg cancelled("initial", "Name please", StringTemplate);
    EXPECT_EQ(IDCANCEL, RunModal(cancelled, [](CDialog& d) {
                  d.SetDlgItemText(1208, "never taken");
                  Press(d, IDCANCEL);
              }));
    EXPECT_TRUE(cancelled.m_strResult.IsEmpty());
}

TEST(InputStringDlg, ButtonsCarryTheirToolTips)
{
    CBaseInputStringDlg dialog("", "c", StringTemplate);
    HWND okTip = nullptr;
    HWND cancelTip = nullptr;
    RunModal(dialog, [&](CDialog& d) {
        auto& self = static_cast<CBaseInputStringDlg&>(d);
        okTip = self.m_btnOK.GetTooltipWnd();
        cancelTip = self.m_btnCancel.GetTooltipWnd();
        Press(d, IDCANCEL);
    });
    EXPECT_NE(nullptr, okTip);
    EXPECT_NE(nullptr, cancelTip);
}

TEST(InputDateDlg, OkReturnsThePickedMomentAndCancelLeavesItZero)
{
    COleDateTime initial(2021, 3, 15, 13, 45, 30);   // a Monday
    CBaseInputDateDlg dialog(initial, "When?");
    CString caption;
    EXPECT_EQ(IDOK, RunModal(dialog, [&](CDialog& d) {
                  d.GetWindowText(caption);
                  Press(d, IDOK);
              }));
    EXPECT_EQ("When?", caption);
    EXPECT_EQ(2021, dialog.m_dtChosen.GetYear());
    EXPECT_EQ(3, dialog.m_dtChosen.GetMonth());
    EXPECT_EQ(15, dialog.m_dtChosen.GetDay());
    EXPECT_EQ(13, dialog.m_dtChosen.GetHour());
    EXPECT_EQ(45, dialog.m_dtChosen.GetMinute());
    EXPECT_EQ(30, dialog.m_dtChosen.GetSecond());
    EXPECT_EQ(2021, dialog.m_timeChosen.GetYear());
    EXPECT_EQ(13, dialog.m_timeChosen.GetHour());

    CBaseInputDateDlg cancelled(initial, "When?");
    EXPECT_EQ(IDCANCEL, RunModal(cancelled, [](CDialog& d) { Press(d, IDCANCEL); }));
    EXPECT_EQ(0.0, static_cast<DATE>(cancelled.m_dtChosen));
    EXPECT_EQ(0, cancelled.m_timeChosen.GetTime());
}
