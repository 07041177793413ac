// The tray icon's animation: frames cycle, the duration ends it, and
// stopping puts back the icon shown before.
#include "controls/misc/SystemTray.h"

#include <gtest/gtest.h>

namespace {

HICON Icon(int i)
{
    static const LPCSTR names[] = {IDI_APPLICATION, IDI_WARNING, IDI_ERROR, IDI_INFORMATION};
    return ::LoadIconA(nullptr, names[i]);
}

TEST(TrayAnimation, CyclesFramesAndEndsAfterItsDuration)
{
    CTrayAnimation anim;
    HICON list[] = {Icon(0), Icon(1), Icon(2)};
    anim.SetIconList(list, 2);
    EXPECT_EQ(2, anim.GetIconCount());   // exactly the count given

    anim.Start(1000, 3, Icon(3));
    EXPECT_EQ(Icon(1), anim.Step());
    EXPECT_EQ(Icon(0), anim.Step());
    EXPECT_EQ(Icon(1), anim.Step());
    EXPECT_FALSE(anim.IsOver(1003));   // 3 seconds have not been exceeded
    EXPECT_TRUE(anim.IsOver(1004));
    EXPECT_EQ(Icon(3), anim.Stop());
    EXPECT_EQ(nullptr, anim.Stop());   // put back once only

    anim.Start(1000, -1, nullptr);
    EXPECT_EQ(0, anim.GetCurrentFrame());   // every start begins at frame 0
    EXPECT_FALSE(anim.IsOver(1000 + 86400));

    CTrayAnimation empty;
    EXPECT_EQ(nullptr, empty.Step());
}

TEST(SystemTray, AnimatesOnItsTimerAndRestoresTheIcon)
{
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(nullptr, WM_APP + 1, "Lexifern tray test with a tip that is far longer than the sixty-three bytes of the field", Icon(2), 142));
    EXPECT_EQ(63, tray.GetTooltipText().GetLength());
    HICON frames[] = {Icon(0), Icon(1)};
    ASSERT_TRUE(tray.SetIconList(frames, 2));
    ASSERT_TRUE(tray.Animate(400, -1));

    // Drive the animation timer by hand rather than wait for it.
    tray.SendMessage(WM_TIMER, CSystemTray::AnimationTimerId);
    EXPECT_EQ(Icon(1), tray.GetIcon());
    tray.SendMessage(WM_TIMER, CSystemTray::AnimationTimerId);
    EXPECT_EQ(Icon(0), tray.GetIcon());
    tray.SendMessage(WM_TIMER, CSystemTray::AnimationTimerId);
    EXPECT_EQ(Icon(1), tray.GetIcon());
    // Another timer of the window does not step the animation.
    tray.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(Icon(1), tray.GetIcon());

    EXPECT_TRUE(tray.StopAnimation());
    EXPECT_EQ(Icon(2), tray.GetIcon());
    EXPECT_FALSE(tray.Animation().IsRunning());

    // Hiding twice removes the icon once; showing brings it back.
    tray.HideIcon();
    tray.HideIcon();
    EXPECT_TRUE(tray.IsHidden());
    tray.ShowIcon();
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_TRUE(tray.IsEnabled());

    // Another icon's id, or no menu resource for it: nothing is shown.
    EXPECT_EQ(0, tray.SendMessage(WM_APP + 1, 999, WM_RBUTTONUP));

    tray.RemoveIcon();
    EXPECT_FALSE(tray.IsEnabled());
    EXPECT_EQ(nullptr, tray.GetIcon());
    EXPECT_FALSE(tray.SetIcon(Icon(0)));
}

} // namespace
