// The host itself: scene names for a missing or unknown scene, and the state
// box's common lines.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ToolkitHost, NoOrAnUnknownSceneListsTheScenesAndEndsWithCodeTwo)
{
    std::string output;
    EXPECT_EQ(2u, RunHostCapturingOutput("", output));
    EXPECT_NE(std::string::npos, output.find("colors\r\n"));

    output.clear();
    EXPECT_EQ(2u, RunHostCapturingOutput("no-such-scene", output));
    EXPECT_NE(std::string::npos, output.find("colors"));
}

TEST(ToolkitHost, EveryScenesMainWindowHasTheHostsPlaceSizeAndCaption)
{
    std::string output;
    ASSERT_EQ(2u, RunHostCapturingOutput("", output));
    std::istringstream names(output);
    std::string scene;
    int scenes = 0;
    while (std::getline(names, scene)) {
        if (!scene.empty() && scene.back() == '\r')
            scene.pop_back();
        if (scene.empty())
            continue;
        ++scenes;
        CHostProcess host;
        ASSERT_TRUE(host.Start(scene.c_str())) << scene;
        char caption[64] = "";
        ::GetWindowTextA(host.MainWindow(), caption, sizeof caption);
        EXPECT_EQ("Toolkit Host - " + scene, caption);
        RECT frame;
        ::GetWindowRect(host.MainWindow(), &frame);
        EXPECT_EQ(0, frame.left) << scene;
        EXPECT_EQ(0, frame.top) << scene;
        EXPECT_EQ(1000, frame.right - frame.left) << scene;
        EXPECT_EQ(740, frame.bottom - frame.top) << scene;
        EXPECT_EQ(scene, host.Value("scene"));
        EXPECT_EQ(0u, host.Close()) << scene;
    }
    EXPECT_GE(scenes, 2);
}

TEST(ToolkitHost, StateBoxListsTheScreenRectangleOfANamedControl)
{
    CHostProcess host;
    ASSERT_TRUE(host.Start("colors"));
    RECT go;
    ::GetWindowRect(host.Control(1001), &go);
    EXPECT_EQ(std::to_string(go.left) + "," + std::to_string(go.top) + "," + std::to_string(go.right) + "," +
                  std::to_string(go.bottom),
              host.Value("rect.1001"));
    EXPECT_EQ(0u, host.Close());
}
