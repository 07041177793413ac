#include "framework/app/MessageBoxEx.h"

#include <gtest/gtest.h>

namespace {
const MessageBoxExMetrics Metrics = { { 100, 13 }, { 32, 32 }, 8, 16 };

void ExpectControl(const CDialogTemplate1::Control& c, WORD id, short x, short y, short cx, short cy)
{
    EXPECT_EQ(id, c.id);
    EXPECT_EQ(x, c.x) << "id " << id;
    EXPECT_EQ(y, c.y) << "id " << id;
    EXPECT_EQ(cx, c.cx) << "id " << id;
    EXPECT_EQ(cy, c.cy) << "id " << id;
}
}

TEST(MessageBoxExLayout, QuestionWithIconAndDontAskAgain)
{
    MessageBoxExLayout l = LayoutMessageBoxEx("Delete?", MB_YESNO | MB_ICONQUESTION | MB_DONT_ASK_AGAIN, Metrics);
    EXPECT_TRUE(l.askMode);
    EXPECT_FALSE(l.hasCancel);
    EXPECT_EQ(IDYES, l.focusId);
    EXPECT_EQ(MB_ICONQUESTION, l.iconNibble);
    RECT text = { 56, 16, 168, 34 };
    EXPECT_TRUE(EqualRect(&text, &l.textPixels));
    RECT dlg = { 0, 0, 188, 109 };
    EXPECT_TRUE(EqualRect(&dlg, &l.dialogPixels));

    ASSERT_EQ(5, l.dialog.GetCount());
    ExpectControl(l.dialog.GetControl(0), IDC_MSGBOX_ICON, 4, 4, 17, 17);
    ExpectControl(l.dialog.GetControl(1), IDC_MSGBOX_TEXT, 28, 8, 56, 9);
    ExpectControl(l.dialog.GetControl(2), IDYES, 8, 25, 37, 11);
    ExpectControl(l.dialog.GetControl(3), IDNO, 48, 25, 37, 11);
    ExpectControl(l.dialog.GetControl(4), IDC_MSGBOX_DONT_AGAIN, 8, 42, 60, 8);
    EXPECT_EQ(0x50010001u, l.dialog.GetControl(2).style);   // the default button
    EXPECT_EQ(0x50010000u, l.dialog.GetControl(3).style);
    EXPECT_EQ("Don't ask me again", l.dialog.GetControl(4).text);
}

TEST(MessageBoxExLayout, ButtonSetsDefaultsAndHelp)
{
    MessageBoxExLayout three = LayoutMessageBoxEx("x", MB_YESNOCANCEL | MB_DEFBUTTON3, Metrics);
    EXPECT_TRUE(three.hasCancel);
    EXPECT_EQ(IDCANCEL, three.focusId);
    EXPECT_EQ(0, three.iconNibble);
    ASSERT_EQ(4, three.dialog.GetCount());   // text + three buttons
    EXPECT_EQ("&Yes", three.dialog.GetControl(1).text);
    EXPECT_EQ("Cancel", three.dialog.GetControl(3).text);

    // A default beyond the buttons falls back to the first; Help is one more button.
    MessageBoxExLayout help = LayoutMessageBoxEx("x", MB_OK | MB_HELP | MB_DEFBUTTON4, Metrics);
    ASSERT_EQ(3, help.dialog.GetCount());
    EXPECT_EQ(IDOK, help.focusId);
    EXPECT_EQ(IDC_MSGBOX_HELP, help.dialog.GetControl(2).id);
    EXPECT_EQ("&Help", help.dialog.GetControl(2).text);

    // Types 6 and 7 show a single OK, laid out like type 0.
    MessageBoxExLayout odd = LayoutMessageBoxEx("x", 6, Metrics);
    MessageBoxExLayout ok = LayoutMessageBoxEx("x", MB_OK, Metrics);
    ASSERT_EQ(2, odd.dialog.GetCount());
    EXPECT_EQ(IDOK, odd.dialog.GetControl(1).id);
    EXPECT_EQ(ok.dialog.GetControl(1).x, odd.dialog.GetControl(1).x);

    // Tell mode is ignored when ask mode is asked for too.
    MessageBoxExLayout both = LayoutMessageBoxEx("x", MB_OK | MB_DONT_ASK_AGAIN | MB_DONT_TELL_AGAIN, Metrics);
    EXPECT_TRUE(both.askMode);
    EXPECT_FALSE(both.tellMode);
}

TEST(MessageBoxExLayout, SmallTextStillGivesAMinimumHeight)
{
    MessageBoxExMetrics tiny = { { 1, 1 }, { 32, 32 }, 8, 16 };
    MessageBoxExLayout l = LayoutMessageBoxEx("", MB_OK, tiny);
    EXPECT_GE(l.dialogPixels.right, 75 + 32);
}

TEST(DialogTemplate1, BytesFollowTheSystemLayout)
{
    CDialogTemplate1 t(0x90C80880, 100, 50);
    ASSERT_TRUE(t.AddControl(CDialogTemplate1::KindCheckBox, 0x50010003, 1, 2, 3, 4, 5555, "OK"));
    std::vector<BYTE> b = t.Build("Hi");
    ASSERT_EQ(58u, b.size());
    auto word = [&](size_t at) { return static_cast<WORD>(b[at] | (b[at + 1] << 8)); };
    EXPECT_EQ(0x0880, word(0));
    EXPECT_EQ(0x90C8, word(2));
    EXPECT_EQ(1, word(8));                 // control count
    EXPECT_EQ(100, word(14));
    EXPECT_EQ(50, word(16));
    EXPECT_EQ(0, word(18));                // no menu
    EXPECT_EQ(0, word(20));                // default class
    EXPECT_EQ('H', word(22));
    EXPECT_EQ(0, word(26));                // caption terminator
    EXPECT_EQ(0x0003, word(28));           // control style, DWORD-aligned
    EXPECT_EQ(5555, word(44));             // id
    EXPECT_EQ(0xFFFF, word(46));
    EXPECT_EQ(0x0080, word(48));           // a check box is written with the button atom
    EXPECT_EQ('O', word(50));
    EXPECT_EQ(0, word(56));                // no creation data
}

TEST(DialogTemplate1, HoldsAtMostTwentyControlsAndCutsLongTexts)
{
    CDialogTemplate1 t(0, 1, 1);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(t.AddControl(CDialogTemplate1::KindStatic, 0, 0, 0, 1, 1, static_cast<WORD>(i), "s"));
    EXPECT_FALSE(t.AddControl(CDialogTemplate1::KindStatic, 0, 0, 0, 1, 1, 99, "s"));
    CDialogTemplate1 longText(0, 1, 1);
    longText.AddControl(CDialogTemplate1::KindStatic, 0, 0, 0, 1, 1, 1, CString('z', 5000));
    EXPECT_EQ(1023, longText.GetControl(0).text.GetLength());
}

namespace {
// Answers the box that is open on this thread: ticks the check box if asked,
// tries Esc first when asked, then presses the given button.
struct Answer
{
    UINT button;
    bool tick;
    bool tryEscape;
    bool escapeIgnored;
    bool closeGrayed;
};
Answer g_answer;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowA("#32770", "Test box");
    if (!box)
        return;
    KillTimer(nullptr, timer);
    if (g_answer.tick)
        SendDlgItemMessageA(box, IDC_MSGBOX_DONT_AGAIN, BM_CLICK, 0, 0);
    if (g_answer.tryEscape) {
        SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
        g_answer.escapeIgnored = IsWindow(box) && IsWindowVisible(box);
        UINT state = GetMenuState(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND);
        g_answer.closeGrayed = (state & MF_GRAYED) != 0;
        if (!g_answer.escapeIgnored)
            return;
    }
    SendMessageA(box, WM_COMMAND, g_answer.button, 0);
}

int RunBox(UINT style, Answer answer)
{
    g_answer = answer;
    SetTimer(nullptr, 0, 20, AnswerBox);
    return MessageBoxEx(nullptr, "A question for the test", "Test box", style, 0);
}
}

TEST(MessageBoxExWindow, TickedBoxAddsTheAskFlag)
{
    EXPECT_EQ(IDYES | MB_DONT_ASK_AGAIN, RunBox(MB_YESNO | MB_ICONQUESTION | MB_DONT_ASK_AGAIN, { IDYES, true, false, false, false }));
    EXPECT_EQ(IDNO, RunBox(MB_YESNO | MB_DONT_ASK_AGAIN, { IDNO, false, false, false, false }));
    EXPECT_EQ(IDOK | MB_DONT_TELL_AGAIN, RunBox(MB_OK | MB_DONT_TELL_AGAIN, { IDOK, true, false, false, false }));
}

TEST(MessageBoxExWindow, BoxWithoutCancelIgnoresEscapeAndGraysClose)
{
    Answer answer = { IDYES, false, true, false, false };
    EXPECT_EQ(IDYES, RunBox(MB_YESNO, answer));
    EXPECT_TRUE(g_answer.escapeIgnored);
    EXPECT_TRUE(g_answer.closeGrayed);

    Answer cancel = { IDOK, false, true, false, false };
    EXPECT_EQ(IDCANCEL, RunBox(MB_OKCANCEL, cancel));   // Esc ends a box that has Cancel
}
