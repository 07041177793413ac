// Scene "painters" of the toolkit host: the caption organizer on the host's
// main window with its settings and stored state, and the background
// organizer on the second MDI frame's client, dock bar, toolbar and tab.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {
enum : UINT
{
    CaptionAttach = 32900,
    CaptionDetach = 32901,
    CaptionRed = 32902,
    CaptionAlign = 32903,
    CaptionAlgorithm = 32904,
    CaptionShades = 32905,
    CaptionSave = 32906,
    CaptionLoad = 32907,
    OpenMdi = 32909,
    BackgroundAttach = 32910,
    BackgroundType = 32911,
    BackgroundColor = 32912,
    BackgroundDetach = 32913,
    BackgroundSave = 32914,
    BackgroundLoad = 32915,
};

class PaintersSceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("painters")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    CHostProcess host;
};
} // namespace

TEST_F(PaintersSceneTest, CaptionSettingsChangeAndComeBackFromTheStoredState)
{
    EXPECT_EQ("0", host.Value("caption.attached"));
    host.Command(CaptionAttach);
    ASSERT_TRUE(host.WaitFor("last", "caption attach 1"));
    auto state = host.State();
    EXPECT_EQ("0", state["caption.themed"]);
    EXPECT_EQ("1", state["caption.attached"]);
    EXPECT_EQ("1", state["caption.algorithm"]);
    EXPECT_EQ("64", state["caption.shades"]);

    host.Command(CaptionRed);
    ASSERT_TRUE(host.WaitFor("last", "caption red"));
    EXPECT_EQ("FF0000", host.Value("caption.color"));
    host.Command(CaptionShades);
    ASSERT_TRUE(host.WaitFor("caption.shades", "1"));
    host.Command(CaptionSave);
    ASSERT_TRUE(host.WaitFor("last", "caption save 1"));

    host.Command(CaptionAlign);
    ASSERT_TRUE(host.WaitFor("caption.align", "1"));
    host.Command(CaptionAlgorithm);
    ASSERT_TRUE(host.WaitFor("caption.algorithm", "0"));
    host.Command(CaptionLoad);
    ASSERT_TRUE(host.WaitFor("last", "caption load 1"));
    state = host.State();
    EXPECT_EQ("0", state["caption.align"]);
    EXPECT_EQ("1", state["caption.algorithm"]);
    EXPECT_EQ("1", state["caption.shades"]);
    EXPECT_NE(std::string::npos, state["caption.text"].find("Toolkit Host"));

    host.Command(CaptionDetach);
    ASSERT_TRUE(host.WaitFor("last", "caption detach 1"));
    EXPECT_EQ("0", host.Value("caption.attached"));
}

TEST_F(PaintersSceneTest, BackgroundServesTheFourKindsAndKeepsItsProfile)
{
    host.Command(OpenMdi);
    ASSERT_TRUE(host.WaitFor("last", "mdi 1"));
    host.Command(BackgroundAttach);
    ASSERT_TRUE(host.WaitFor("last", "bg attach 1"));
    auto state = host.State();
    EXPECT_EQ("1", state["bg.attached"]);
    EXPECT_EQ("1", state["bg.mdiclient"]);
    EXPECT_EQ("1", state["bg.dockbar"]);
    EXPECT_EQ("1", state["bg.toolbar"]);
    EXPECT_EQ("1", state["bg.tab"]);
    EXPECT_EQ("4", state["bg.windows"]);
    EXPECT_EQ("16x16", state["bg.image"]);
    EXPECT_EQ("0", state["bg.type"]);

    host.Command(BackgroundType);
    ASSERT_TRUE(host.WaitFor("bg.type", "1"));
    host.Command(BackgroundColor);
    ASSERT_TRUE(host.WaitFor("bg.color", "FF0000"));
    host.Command(BackgroundSave);
    ASSERT_TRUE(host.WaitFor("last", "bg save 1"));
    host.Command(BackgroundColor);
    ASSERT_TRUE(host.WaitFor("bg.color", "default"));
    host.Command(BackgroundLoad);
    ASSERT_TRUE(host.WaitFor("last", "bg load 1"));
    EXPECT_EQ("FF0000", host.Value("bg.color"));

    host.Command(BackgroundDetach);
    ASSERT_TRUE(host.WaitFor("last", "bg detach 1"));
    EXPECT_EQ("0", host.Value("bg.attached"));
    EXPECT_EQ("0", host.Value("bg.mdiclient"));
}
