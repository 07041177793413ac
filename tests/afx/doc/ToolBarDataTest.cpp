// Toolbar resources: the parser against hand-made bytes and the real resource.
#include "afx/ToolBarData.h"
#include "tests/afx/doc/TestIds.h"

#include <gtest/gtest.h>

TEST(ToolBarData, ParsesSizesAndIdsWithSeparators)
{
    const WORD bytes[] = {1, 16, 15, 4, 1013, 0, 1003, 35015};
    CToolBarData data;
    ASSERT_TRUE(data.Parse(bytes, sizeof bytes));
    EXPECT_EQ(16, data.wWidth);
    EXPECT_EQ(15, data.wHeight);
    ASSERT_EQ(4, data.ids.GetSize());
    EXPECT_EQ(1013u, data.ids[0]);
    EXPECT_EQ(0u, data.ids[1]);
    EXPECT_EQ(35015u, data.ids[3]);
}

TEST(ToolBarData, RejectsTruncatedOrForeignData)
{
    const WORD shortIds[] = {1, 16, 16, 5, 1, 2};
    const WORD version2[] = {2, 16, 16, 1, 7};
    const WORD noWidth[] = {1, 0, 16, 1, 7};
    CToolBarData data;
    EXPECT_FALSE(data.Parse(shortIds, sizeof shortIds));
    EXPECT_FALSE(data.Parse(version2, sizeof version2));
    EXPECT_FALSE(data.Parse(noWidth, sizeof noWidth));
    EXPECT_FALSE(data.Parse(shortIds, 6));
    EXPECT_FALSE(data.Parse(nullptr, 0));
    EXPECT_EQ(0, data.ids.GetSize());
}

TEST(ToolBarData, LoadsTheTestResource)
{
    CToolBarData data;
    ASSERT_TRUE(data.Load(MAKEINTRESOURCE(IDR_TEST_TOOLBAR)));
    EXPECT_EQ(16, data.wWidth);
    ASSERT_EQ(4, data.ids.GetSize());
    EXPECT_EQ(0u, data.ids[1]);
    EXPECT_FALSE(data.Load(MAKEINTRESOURCE(299)));
}
