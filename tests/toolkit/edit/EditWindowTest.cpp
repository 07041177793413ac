// The edits in a window: keys and clicks keep the caret in the input, text set
// from outside becomes input, typing re-formats a number.
#include "toolkit/foundation/OXNumericEdit.h"

#include "afx/WinApp.h"

#include <gtest/gtest.h>

namespace {
const UINT EditId = 4711;

// Counts the edit's notifications the way a dialog's handlers see them: after
// the control had its chance to take them back.
class Parent : public CWnd
{
public:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const HWND control = reinterpret_cast<HWND>(lParam);
        if (control && LOWORD(wParam) == EditId && !ReflectLastMsg(control)) {
            if (HIWORD(wParam) == EN_UPDATE)
                ++updates;
            if (HIWORD(wParam) == EN_CHANGE)
                ++changes;
            return TRUE;
        }
        return CWnd::OnCommand(wParam, lParam);
    }
    int updates = 0;
    int changes = 0;
};

class EditWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        ASSERT_TRUE(parent.CreateEx(0, cls, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (parent.GetSafeHwnd())
            parent.DestroyWindow();
    }
    static CString WindowText(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }
    static int Caret(CEdit& edit)
    {
        int start = 0;
        int end = 0;
        edit.GetSel(start, end);
        return start;
    }
    static void Key(CWnd& wnd, UINT vk)
    {
        wnd.SendMessage(WM_KEYDOWN, vk, 1);
        wnd.SendMessage(WM_KEYUP, vk, 0xC0000001);
    }
    Parent parent;
};
} // namespace

TEST_F(EditWindowTest, CaretStaysInsideTheBrackets)
{
    COXEdit edit;
    ASSERT_TRUE(edit.SetMask("[#]"));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &parent, EditId));
    EXPECT_STREQ("[]", WindowText(edit));
    // Focus with everything selected starts at the first input position.
    edit.SetSel(0, -1);
    edit.SetFocus();
    EXPECT_EQ(1, Caret(edit));
    for (const char* p = "abc"; *p; ++p)
        edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    EXPECT_STREQ("[abc]", WindowText(edit));
    EXPECT_EQ(4, Caret(edit));

    Key(edit, VK_HOME);
    EXPECT_EQ(1, Caret(edit));
    Key(edit, VK_END);
    EXPECT_EQ(4, Caret(edit));
    Key(edit, VK_RIGHT);
    EXPECT_EQ(4, Caret(edit));

    // A click on the closing bracket puts the caret at the first input position.
    const LRESULT at = edit.SendMessage(EM_POSFROMCHAR, 4);
    const CPoint inSuffix(static_cast<short>(LOWORD(at)) + 2, static_cast<short>(HIWORD(at)) + 2);
    edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inSuffix.x, inSuffix.y));
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(inSuffix.x, inSuffix.y));
    EXPECT_EQ(1, Caret(edit));

    edit.SendMessage(WM_CHAR, VK_BACK, 1);  // nothing before the input
    EXPECT_STREQ("[abc]", WindowText(edit));
    Key(edit, VK_DELETE);
    EXPECT_STREQ("[bc]", WindowText(edit));

    Key(edit, VK_INSERT);
    EXPECT_FALSE(edit.GetInsertMode());
    edit.SendMessage(WM_CHAR, 'X', 1);
    EXPECT_STREQ("[Xc]", WindowText(edit));
}

TEST_F(EditWindowTest, TextFromOutsideBecomesInputAsAWhole)
{
    COXEdit edit;
    ASSERT_TRUE(edit.SetMask("[#]"));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &parent, EditId));
    parent.updates = 0;
    parent.changes = 0;
    edit.SetWindowText("[ab]");
    EXPECT_STREQ("[[ab]]", WindowText(edit));
    EXPECT_STREQ("[ab]", edit.GetInputData());
    EXPECT_EQ(1, parent.updates);
    EXPECT_EQ(0, parent.changes);

    parent.updates = 0;
    edit.SetSel(1, 1);
    edit.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_STREQ("[x[ab]]", WindowText(edit));
    EXPECT_EQ(1, parent.updates);
    EXPECT_EQ(1, parent.changes);
}

TEST_F(EditWindowTest, TypingIntoANumberReformatsIt)
{
    COXNumericEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &parent, EditId));
    // Fixed separators: the test must not depend on the machine's locale.
    ASSERT_TRUE(edit.SetGroupSeparator(' '));
    ASSERT_TRUE(edit.SetDecimalSeparator('.'));
    ASSERT_TRUE(edit.SetGroupSeparator(','));
    ASSERT_TRUE(edit.SetGroupLength(3));
    ASSERT_TRUE(edit.SetDecimalDigitCount(2));
    edit.SetSel(0, 0);
    for (const char* p = "1234-"; *p; ++p)
        edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    EXPECT_STREQ("-1,234.00", WindowText(edit));
    EXPECT_DOUBLE_EQ(-1234.0, edit.GetValue());
    EXPECT_EQ(6, Caret(edit));
    edit.SendMessage(WM_CHAR, 'q', 1);  // refused
    EXPECT_STREQ("-1,234.00", WindowText(edit));
}

// A paste hands the edit's whole text back as input; the literals around the
// input must be taken off it whether or not something was selected.
TEST_F(EditWindowTest, PasteKeepsTheLiteralsOutOfTheInput)
{
    COXEdit edit;
    ASSERT_TRUE(edit.SetMask("[#]"));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &parent, EditId));
    auto paste = [&edit](const char* text, int start, int end) {
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ::EmptyClipboard();
        const size_t size = strlen(text) + 1;
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(::GlobalLock(block), text, size);
        ::GlobalUnlock(block);
        ::SetClipboardData(CF_TEXT, block);
        ::CloseClipboard();
        edit.SetSel(start, end);
        edit.SendMessage(WM_PASTE);
    };
    paste("abc", 1, 1);  // bare caret
    EXPECT_STREQ("[abc]", WindowText(edit));
    EXPECT_STREQ("abc", edit.GetInputData());
    paste("XY", 2, 3);  // over the "b"
    EXPECT_STREQ("[aXYc]", WindowText(edit));
    EXPECT_STREQ("aXYc", edit.GetInputData());
}
