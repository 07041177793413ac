// The main view's plain rules: the Back history and the hand-over of an
// answer between threads.
#include "collector/CollectorMessages.h"
#include "collector/GetSuggestionThread.h"
#include "collector/KeywordHistory.h"

#include <gtest/gtest.h>

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
