// Which addresses the web pane loads, which go to the user's browser and
// which are commands for the program.
#include "collector/WebPaneLinks.h"

#include <gtest/gtest.h>

TEST(WebPaneLinks, ApplicationLinksCarryDigitsZeroToThreeWhateverTheCaseOfTheScheme)
{
    CString command("stale");
    EXPECT_EQ(WebPaneAppCommand, ClassifyWebPaneLink("APP:2", command));
    EXPECT_STREQ("2", command);
    EXPECT_EQ(WebPaneAppCommand, ClassifyWebPaneLink("app:0", command));
    EXPECT_STREQ("0", command);
    EXPECT_EQ(WebPaneAppCommand, ClassifyWebPaneLink("App:3/more", command));
    EXPECT_STREQ("3", command);
}

TEST(WebPaneLinks, ApplicationLinksWithoutAKnownDigitAreStoppedWithNoCommand)
{
    CString command("stale");
    EXPECT_EQ(WebPaneAppIgnored, ClassifyWebPaneLink("app:9", command));
    EXPECT_TRUE(command.IsEmpty());
    EXPECT_EQ(WebPaneAppIgnored, ClassifyWebPaneLink("app:", command));
    EXPECT_EQ(WebPaneAppIgnored, ClassifyWebPaneLink("APP:x1", command));
    EXPECT_TRUE(command.IsEmpty());
}

TEST(WebPaneLinks, OnlyTheFixedPagesSpelledExactlyStayInThePane)
{
    CString command;
    for (int i = 0; i < WebPanePageCount; ++i)
        EXPECT_EQ(WebPaneLoadInPane, ClassifyWebPaneLink(GetWebPanePage(i), command)) << i;
    EXPECT_NE(GetWebPanePage(0), GetWebPanePage(1));
    EXPECT_NE(GetWebPanePage(1), GetWebPanePage(2));

    CString upper = GetWebPanePage(0);
    upper.MakeUpper();
    EXPECT_EQ(WebPaneOpenInShell, ClassifyWebPaneLink(upper, command));
    EXPECT_EQ(WebPaneOpenInShell, ClassifyWebPaneLink(GetWebPanePage(0) + "?q=1", command));
    EXPECT_EQ(WebPaneOpenInShell, ClassifyWebPaneLink(GetWebPanePage(0).Left(GetWebPanePage(0).GetLength() - 1),
                                                      command));
    EXPECT_EQ(WebPaneOpenInShell, ClassifyWebPaneLink("http://www.example.org/", command));
    // A scheme that merely starts like the command scheme is an ordinary address.
    EXPECT_EQ(WebPaneOpenInShell, ClassifyWebPaneLink("apps://1", command));
    EXPECT_TRUE(command.IsEmpty());
}
