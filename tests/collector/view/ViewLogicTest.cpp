// The main view's plain rules: where the hand layout puts the controls, the
// Back history, and the hand-over of an answer between threads.
#include "collector/CollectorMessages.h"
#include "collector/GetSuggestionThread.h"
#include "collector/KeywordHistory.h"
#include "collector/MainViewLayout.h"

#include <gtest/gtest.h>

namespace {
// The form's places at its design size (pixels, view client coordinates).
const CRect ListAtStart(18, 216, 460, 440);
const CRect BasketAtStart(471, 167, 666, 440);
const CRect ButtonAtStart(18, 450, 93, 473);
const CRect SaveAtStart(603, 138, 666, 161);
}

TEST(MainViewLayout, ListBasketAndButtonsFollowTheViewSize)
{
    struct Size
    {
        int cx, cy;
    };
    for (Size size : { Size{ 600, 400 }, Size{ 800, 600 }, Size{ 1280, 960 } }) {
        const CRect list = PlaceMainViewControl(IDC_SUGGESTIONS, ListAtStart, size.cx, size.cy);
        EXPECT_EQ(ListAtStart.TopLeft(), list.TopLeft());
        EXPECT_EQ(CSize(442, size.cy - 258), list.Size());
        const CRect basket = PlaceMainViewControl(IDC_BASKET, BasketAtStart, size.cx, size.cy);
        EXPECT_EQ(BasketAtStart.TopLeft(), basket.TopLeft());
        EXPECT_EQ(CSize(size.cx - 367, size.cy - 210), basket.Size());
        for (UINT id : { IDC_CHECK_CUSTOM, IDC_UNCHECK_ALL, IDC_CHECK_ALL, IDC_SETTINGS }) {
            const CRect button = PlaceMainViewControl(id, ButtonAtStart, size.cx, size.cy);
            EXPECT_EQ(CRect(18, size.cy - 25, 93, size.cy - 2), button) << id;
        }
        EXPECT_EQ(CPoint(size.cx - 257, size.cy - 25),
                  PlaceMainViewControl(IDC_GET_NEW_VERSION, ButtonAtStart, size.cx, size.cy).TopLeft());
        EXPECT_EQ(CPoint(size.cx - 86, size.cy - 25),
                  PlaceMainViewControl(IDC_HELP_BUTTON, ButtonAtStart, size.cx, size.cy).TopLeft());
        const CRect save = PlaceMainViewControl(IDC_SAVE_BASKET, SaveAtStart, size.cx, size.cy);
        EXPECT_EQ(CRect(size.cx - 79, 138, size.cx - 16, 161), save);
        EXPECT_EQ(CPoint(size.cx - 143, 138),
                  PlaceMainViewControl(IDC_COPY_BASKET, SaveAtStart, size.cx, size.cy).TopLeft());
        const CRect web = PlaceMainViewControl(IDC_WEB_PANE, CRect(16, 13, 666, 133), size.cx, size.cy);
        EXPECT_EQ(CRect(16, 13, 16 + size.cx - 30, 133), web);
    }
    // The 600 x 400 view of the design notes.
    EXPECT_EQ(CSize(442, 142), PlaceMainViewControl(IDC_SUGGESTIONS, ListAtStart, 600, 400).Size());
    EXPECT_EQ(CSize(233, 190), PlaceMainViewControl(IDC_BASKET, BasketAtStart, 600, 400).Size());
    EXPECT_EQ(375, PlaceMainViewControl(IDC_CHECK_ALL, ButtonAtStart, 600, 400).top);
    // Go and the keyword box keep their places.
    EXPECT_EQ(ListAtStart, PlaceMainViewControl(IDC_GO, ListAtStart, 600, 400));
    EXPECT_EQ(ListAtStart, PlaceMainViewControl(IDC_KEYWORD, ListAtStart, 600, 400));
}

TEST(MainViewLayout, GrowingControlsKeepTheirPlaceMovingOnesTheirSize)
{
    for (UINT id : { IDC_WEB_PANE, IDC_SUGGESTIONS, IDC_BASKET })
        EXPECT_EQ(static_cast<UINT>(SWP_NOMOVE), MainViewPlaceFlags(id) & (SWP_NOMOVE | SWP_NOSIZE)) << id;
    for (UINT id : { IDC_KEYWORD, IDC_CHECK_ALL, IDC_HELP_BUTTON, IDC_SAVE_BASKET, IDC_COPY_BASKET })
        EXPECT_EQ(static_cast<UINT>(SWP_NOSIZE), MainViewPlaceFlags(id) & (SWP_NOMOVE | SWP_NOSIZE)) << id;
}

TEST(KeywordHistory, BackSkipsEveryEntryEqualToTheShownKeyword)
{
    CStringArray history;
    for (const char* keyword : { "alpha", "beta", "beta", "gamma", "gamma" })
        AppendKeywordHistory(history, keyword);

    CString previous;
    ASSERT_TRUE(StepBackInHistory(history, "gamma", previous));
    EXPECT_EQ("beta", previous);
    // The shown entry stays in the history.
    EXPECT_EQ(3, history.GetSize());
    ASSERT_TRUE(StepBackInHistory(history, previous, previous));
    EXPECT_EQ("alpha", previous);
    EXPECT_EQ(1, history.GetSize());
    // Comparison is exact: a different case is another keyword.
    ASSERT_TRUE(StepBackInHistory(history, "ALPHA", previous));
    EXPECT_EQ("alpha", previous);
}

TEST(KeywordHistory, AllEntriesEqualEmptyTheHistoryAndGiveNothing)
{
    CStringArray history;
    AppendKeywordHistory(history, "same");
    AppendKeywordHistory(history, "same");
    CString previous = "untouched";
    EXPECT_FALSE(StepBackInHistory(history, "same", previous));
    EXPECT_EQ("untouched", previous);
    EXPECT_EQ(0, history.GetSize());
}

TEST(KeywordHistory, TheHundredAndFirstKeywordDropsTheOldest)
{
    CStringArray history;
    for (int i = 0; i < 101; ++i) {
        CString keyword;
        keyword.Format("k%d", i);
        AppendKeywordHistory(history, keyword);
    }
    ASSERT_EQ(100, history.GetSize());
    EXPECT_EQ("k1", history[0]);
    CString previous;
    ASSERT_TRUE(StepBackInHistory(history, "k100", previous));
    EXPECT_EQ("k99", previous);
}

TEST(SuggestionHandOver, BothBlocksArriveAndTheReceiverFreesThem)
{
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    ASSERT_TRUE(PostSuggestionResult(window, "\xE0\xE1\xE2", "[[\"x\"]]"));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, window, WM_SUGGESTION_RESULT, WM_SUGGESTION_RESULT, PM_REMOVE));
    CString keyword, answer;
    EXPECT_TRUE(TakeGlobalText(reinterpret_cast<HGLOBAL>(msg.wParam), keyword));
    EXPECT_TRUE(TakeGlobalText(reinterpret_cast<HGLOBAL>(msg.lParam), answer));
    EXPECT_EQ("\xE0\xE1\xE2", keyword);
    EXPECT_EQ("[[\"x\"]]", answer);
    DestroyWindow(window);

    // Nowhere to post: nothing is posted, the blocks are not left behind.
    EXPECT_FALSE(PostSuggestionResult(nullptr, "k", "a"));
    EXPECT_FALSE(PostSuggestionResult(window, "k", "a"));
    // A block that could not be made arrives as 0.
    CString text = "kept";
    EXPECT_FALSE(TakeGlobalText(nullptr, text));
    EXPECT_EQ("kept", text);
}
