// The host itself: scene names for a missing or unknown scene, and the state
// box's common lines.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

TEST(ToolkitHost, NoOrAnUnknownSceneListsTheScenesAndEndsWithCodeTwo)
{
    std::string output;
    EXPECT_EQ(2u, RunHostCapturingOutput("", output));
    EXPECT_NE(std::string::npos, output.find("colors\r\n"));

    output.clear();
    EXPECT_EQ(2u, RunHostCapturingOutput("no-such-scene", output));
    EXPECT_NE(std::string::npos, output.find("colors"));
}

TEST(ToolkitHost, MainWindowAndStateBoxOfAScene)
{
    CHostProcess host;
    ASSERT_TRUE(host.Start("colors"));
    char caption[64] = "";
    ::GetWindowTextA(host.MainWindow(), caption, sizeof caption);
    EXPECT_STREQ("Toolkit Host - colors", caption);
    RECT frame;
    ::GetWindowRect(host.MainWindow(), &frame);
    EXPECT_EQ(0, frame.left);
    EXPECT_EQ(0, frame.top);
    EXPECT_EQ(1000, frame.right - frame.left);
    EXPECT_EQ(740, frame.bottom - frame.top);
    EXPECT_EQ("colors", host.Value("scene"));
    // Every named control lists its screen rectangle.
    RECT go;
    ::GetWindowRect(host.Control(1001), &go);
    EXPECT_EQ(std::to_string(go.left) + "," + std::to_string(go.top) + "," + std::to_string(go.right) + "," +
                  std::to_string(go.bottom),
              host.Value("rect.1001"));
    EXPECT_EQ(0u, host.Close());
}
