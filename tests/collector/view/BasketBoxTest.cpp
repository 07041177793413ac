// The Basket box in a real window: it holds exactly the text it is given
// while only changed stretches go in, it notices every change made by others,
// and a large text loaded in slices comes in whole without disturbing a user
// who is already at work in it.
#include "collector/BasketBox.h"
#include "afx/FrameWnd.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {
const UINT BoxId = 1002;

CString BoxText(const CBasketBox& box)
{
    CString text;
    box.GetWindowText(text);
    return text;
}

void PumpUntilLoaded(CBasketBox& box)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (box.IsLoading() && GetTickCount() - start < 60000) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    }
}

// Lines of about 20 bytes, so that a few thousand make several slices.
CString ManyLines(int count, const char* word)
{
    CString text;
    for (int i = 0; i < count; ++i)
        text.AppendFormat(i ? "\r\n%s %06d \xE0\xE1\xE2" : "%s %06d \xE0\xE1\xE2", word, i);
    return text;
}

class BasketBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "box test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 400)));
        ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL
                                   | WS_VSCROLL | WS_HSCROLL,
                               CRect(10, 10, 300, 300), frame, BoxId));
        box.SetLimitText(0);
    }

    void TearDown() override
    {
        box.DestroyWindow();
        frame->DestroyWindow();
    }

    CFrameWnd* frame = nullptr;
    CBasketBox box;
};
}

TEST_F(BasketBoxTest, HoldsExactlyEveryTextItIsShown)
{
    // Changes at the front, in the middle, at the end, growing and shrinking,
    // to and from nothing: the box always holds the last text as a whole.
    std::mt19937 random(5);
    const char* words[] = { "a", "b", "car", "car shop", "\xE0\xE1", " ", "z z" };
    box.ShowText("start");
    for (int round = 0; round < 60; ++round) {
        CString text;
        const int lines = round % 10 == 0 ? 0 : static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i) {
            if (i)
                text += "\r\n";
            text += words[random() % (sizeof words / sizeof words[0])];
        }
        box.ShowText(text);
        ASSERT_EQ(text, BoxText(box)) << round;
        EXPECT_EQ(text, box.GetText());
    }
    // As after a whole text: caret at the start, nothing to undo, unmodified.
    box.ShowText("one\r\ntwo\r\nthree");
    box.ShowText("one\r\nthree");
    int start = -1, end = -1;
    box.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(0, end);
    EXPECT_FALSE(box.CanUndo());
    EXPECT_FALSE(box.GetModify());
}

TEST_F(BasketBoxTest, ShowingAChangeScrollsBackToTheTop)
{
    const CString text = ManyLines(300, "line");
    box.ShowText(text);
    box.LineScroll(200);
    ASSERT_LT(0, static_cast<int>(box.SendMessage(EM_GETFIRSTVISIBLELINE)));
    box.ShowText(text + "\r\nlast");
    EXPECT_EQ(0, static_cast<int>(box.SendMessage(EM_GETFIRSTVISIBLELINE)));
}

TEST_F(BasketBoxTest, ChangesByOthersAreReadAfresh)
{
    box.ShowText("a\r\nb");
    UINT changes = box.GetChangeCount();

    // Typing at the end (the box tells its parent with EN_CHANGE).
    box.SetSel(4, 4);
    box.SendMessage(WM_CHAR, 'c');
    EXPECT_LT(changes, box.GetChangeCount());
    EXPECT_EQ("a\r\nbc", box.GetText());

    // A whole text set from outside, which no multi-line edit announces.
    changes = box.GetChangeCount();
    box.SetWindowText("x\r\ny");
    EXPECT_LT(changes, box.GetChangeCount());
    EXPECT_EQ("x\r\ny", box.GetText());

    // A replaced selection.
    box.SetSel(0, 1);
    box.ReplaceSel("w");
    EXPECT_EQ("w\r\ny", box.GetText());

    // The next change starts from what the box holds.
    box.ShowText("w\r\ny\r\nz");
    EXPECT_EQ("w\r\ny\r\nz", BoxText(box));
}

TEST_F(BasketBoxTest, ALargeTextComesInWholeInSlices)
{
    const CString text = ManyLines(20000, "keyword");
    box.LoadText(text);
    // The top is there at once, the rest follows between other messages.
    ASSERT_TRUE(box.IsLoading());
    EXPECT_LT(box.GetWindowTextLength(), text.GetLength());
    EXPECT_EQ(text.Left(box.GetWindowTextLength()), BoxText(box));
    // What the box will hold is known before it holds it.
    EXPECT_EQ(text, box.GetText());

    // A user already in the box keeps the selection and the place.
    box.SetSel(3, 5, TRUE);
    PumpUntilLoaded(box);
    ASSERT_FALSE(box.IsLoading());
    EXPECT_EQ(text, BoxText(box));
    int start = -1, end = -1;
    box.GetSel(start, end);
    EXPECT_EQ(3, start);
    EXPECT_EQ(5, end);
    EXPECT_EQ(0, static_cast<int>(box.SendMessage(EM_GETFIRSTVISIBLELINE)));
    EXPECT_FALSE(box.CanUndo());
}

TEST_F(BasketBoxTest, TypingWhileLoadingIsKeptAndTheRestStillComes)
{
    const CString text = ManyLines(20000, "keyword");
    box.LoadText(text);
    ASSERT_TRUE(box.IsLoading());
    box.SetSel(0, 0);
    box.SendMessage(WM_CHAR, 'Q');
    // Reading the box now takes in the rest first.
    EXPECT_EQ("Q" + text, box.GetText());
    EXPECT_FALSE(box.IsLoading());
    EXPECT_EQ("Q" + text, BoxText(box));
}

TEST_F(BasketBoxTest, AChangeWhileLoadingStartsFromTheWholeText)
{
    const CString text = ManyLines(20000, "keyword");
    box.LoadText(text);
    ASSERT_TRUE(box.IsLoading());
    const CString changed = "first\r\n" + text.Left(text.GetLength() - 5);
    box.ShowText(changed);
    EXPECT_FALSE(box.IsLoading());
    EXPECT_EQ(changed, BoxText(box));
    PumpUntilLoaded(box);
    EXPECT_EQ(changed, BoxText(box));

    // A text set from outside while loading ends the load: nothing of the
    // old text is appended to it later.
    box.LoadText(text);
    ASSERT_TRUE(box.IsLoading());
    box.SetWindowText("mine");
    PumpUntilLoaded(box);
    Sleep(50);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ("mine", BoxText(box));
    EXPECT_EQ("mine", box.GetText());
}

TEST_F(BasketBoxTest, OneVeryLongLineComesWhole)
{
    CString text = ManyLines(100, "short");
    text += "\r\n" + CString('w', 100000) + "\r\n" + ManyLines(3000, "after");
    box.LoadText(text);
    PumpUntilLoaded(box);
    EXPECT_EQ(text, BoxText(box));
    box.ShowText("\xE0\r\n" + text);
    EXPECT_EQ("\xE0\r\n" + text, BoxText(box));
}
