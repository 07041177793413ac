// The masked and address edits in a window: keys and characters as the user
// sends them, text set from outside, auto-tab and the parent's validation.
#include "toolkit/foundation/OXIPEdit.h"

#include "afx/WinApp.h"

#include <gtest/gtest.h>

namespace {
const UINT EditId = 4101;
const UINT NextId = 4102;

// Refuses validation when told to, and records the notices.
class Parent : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == OXMEN_VALIDATE) {
            ++notices;
            auto* notify = reinterpret_cast<MaskValidateNotify*>(lParam);
            if (refuse) {
                notify->bValid = FALSE;
                notify->nErrorPos = errorPos;
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int notices = 0;
    bool refuse = false;
    int errorPos = 0;
};

class QuietMaskedEdit : public COXMaskedEdit
{
public:
    explicit QuietMaskedEdit(LPCTSTR mask) : COXMaskedEdit(mask) {}
    void ValidationErrorBeep() override { ++beeps; }
    int beeps = 0;
};

class MaskedEditWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        ASSERT_TRUE(parent.CreateEx(WS_EX_CONTROLPARENT, cls, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 200, 30), &parent, EditId));
        ASSERT_TRUE(next.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 40, 200, 60), &parent, NextId));
        edit.SetFocus();
    }
    void TearDown() override
    {
        if (parent.GetSafeHwnd())
            parent.DestroyWindow();
    }
    CString Text()
    {
        CString text;
        edit.GetWindowText(text);
        return text;
    }
    int Caret()
    {
        int start = 0, end = 0;
        edit.GetSel(start, end);
        return start;
    }
    void Type(LPCTSTR text)
    {
        for (const char* p = text; *p; ++p)
            edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    }

    Parent parent;
    QuietMaskedEdit edit{ "(###) ###-####" };
    CEdit next;
};
} // namespace

TEST_F(MaskedEditWindowTest, TypingFillsDigitsAndRefusesLetters)
{
    EXPECT_STREQ("(   )    -    ", Text());
    EXPECT_EQ(1, Caret());
    Type("012");
    EXPECT_EQ(6, Caret()) << "the caret skips \") \"";
    Type("x");
    EXPECT_EQ(1, edit.beeps);
    EXPECT_EQ(6, Caret());
    Type("3456789");
    EXPECT_STREQ("(012) 345-6789", Text());
    EXPECT_STREQ("0123456789", edit.GetInputChars());
}

TEST_F(MaskedEditWindowTest, DeleteAndBackspaceCloseUp)
{
    edit.SetWindowText("0123456789");
    edit.SetSel(1, 1);
    edit.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_STREQ("(123) 456-789 ", Text());
    // Backspace just after the ") " literals deletes the digit before them.
    edit.SetSel(6, 6);
    edit.SendMessage(WM_CHAR, VK_BACK, 0);
    EXPECT_STREQ("(124) 567-89  ", Text());
    EXPECT_EQ(3, Caret());
}

TEST_F(MaskedEditWindowTest, SetTextTakesBareOrFormattedDigits)
{
    edit.SetWindowText("0123456789");
    CString bare = Text();
    edit.SetWindowText("");
    EXPECT_STREQ("(   )    -    ", Text());
    edit.SetWindowText("(012) 345-6789");
    EXPECT_STREQ(bare, Text());
}

TEST_F(MaskedEditWindowTest, OverwriteModeReplacesAtTheCaret)
{
    edit.SetWindowText("0123456789");
    edit.SendMessage(WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_FALSE(edit.GetInsertMode());
    edit.SetSel(2, 2);
    Type("9");
    EXPECT_STREQ("(092) 345-6789", Text());
}

TEST_F(MaskedEditWindowTest, AutoTabLeavesAfterTheLastPosition)
{
    edit.SetAutoTab(TRUE);
    Type("0123456789");
    EXPECT_EQ(next.GetSafeHwnd(), ::GetFocus());
}

TEST_F(MaskedEditWindowTest, RefusedValidationKeepsFocusAndSetsCaret)
{
    parent.refuse = true;
    parent.errorPos = 7;
    next.SetFocus();
    EXPECT_EQ(1, parent.notices);
    EXPECT_EQ(edit.GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(7, Caret());

    parent.refuse = false;
    next.SetFocus();
    EXPECT_EQ(next.GetSafeHwnd(), ::GetFocus());
}

TEST_F(MaskedEditWindowTest, PromptSymbolAndEmptyData)
{
    edit.SetPromptSymbol('\r');
    EXPECT_STREQ("(   )    -    ", Text());
    edit.SetPromptSymbol('_');
    EXPECT_STREQ("(___) ___-____", Text());
    edit.EmptyData(FALSE);
    EXPECT_STREQ("", Text());
    Type("ab");
    EXPECT_STREQ("ab", Text()) << "without a mask it is a plain edit";
}

TEST(IPEditWindow, ShowsRightAlignedAndReadsCompact)
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    LPCTSTR cls = AfxRegisterWndClass(0);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, cls, "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr));
    COXIPEdit ip;
    ASSERT_TRUE(ip.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &parent, EditId));
    CString text;
    ip.GetWindowText(text);
    EXPECT_STREQ("   .   .   .   ", text);
    EXPECT_STREQ("", ip.GetInputData());

    ip.SetInputData("10.0.0.1");
    ip.GetWindowText(text);
    EXPECT_STREQ(" 10.  0.  0.  1", text);
    EXPECT_STREQ("10.0.0.1", ip.GetInputData());

    for (LPCTSTR bad : { "256.1.1.1", "1.2.3" }) {
        ip.SetInputData(bad);
        ip.GetWindowText(text);
        EXPECT_STREQ("   .   .   .   ", text) << bad;
    }

    ip.SetWindowText("300  1  2  3");
    EXPECT_STREQ("<bad address>", ip.GetInputData());
    ip.SetWindowText("1 2  1  1  1");
    EXPECT_STREQ("12.1.1.1", ip.GetInputData());
    parent.DestroyWindow();
}
