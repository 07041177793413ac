// The start-up splash driven tick by tick, and left to its own timer with a
// shortened time.
#include "framework/dialogs/SplashDialog.h"

#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {
const UINT_PTR TickTimer = 1014;

struct Observed
{
    CString caption;
    CString title;
    CString status;
    int position = -1;
};

Observed Observe(CDialog& d)
{
    Observed seen;
    d.GetWindowText(seen.caption);
    d.GetDlgItemText(1341, seen.title);
    d.GetDlgItemText(1018, seen.status);
    seen.position = static_cast<int>(d.GetDlgItem(1002)->SendMessage(PBM_GETPOS));
    return seen;
}

class QuickSplash : public CSplashDialog
{
public:
    QuickSplash() : CSplashDialog("Quick", nullptr) {}

protected:
    int GetTotalTime() const override { return 200; }
};
}

TEST(SplashDialog, FirstTickShowsTwoPercentAndTheFortiethShowsAHundredAndCloses)
{
    CSplashDialog splash("Quillmoss v 3.0", nullptr);
    Observed first, last;
    bool closePending = false;
    ModalRun run = RunModal(splash, [&](CDialog& d) {
        // Its own timer must not add ticks while this runs.
        d.KillTimer(TickTimer);
        d.SendMessage(WM_TIMER, TickTimer);
        first = Observe(d);
        for (int i = 1; i < 40; ++i)
            d.SendMessage(WM_TIMER, TickTimer);
        last = Observe(d);
        MSG msg;
        closePending = PeekMessageA(&msg, d.m_hWnd, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) != FALSE;
    });
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(IDCANCEL, run.result);
    EXPECT_EQ("Quillmoss v 3.0", first.caption);
    EXPECT_EQ("Quillmoss v 3.0", first.title);
    EXPECT_EQ("Loading (2%)...", first.status);
    EXPECT_EQ(2, first.position);
    EXPECT_EQ("Loading (100%)...", last.status);
    EXPECT_EQ(100, last.position);
    EXPECT_TRUE(closePending);
    EXPECT_EQ(2000, splash.GetElapsedTime());
}

TEST(SplashDialog, OtherTimersDoNotAdvanceIt)
{
    CSplashDialog splash("t", nullptr);
    CString status;
    RunModal(splash, [&](CDialog& d) {
        d.KillTimer(TickTimer);
        d.SendMessage(WM_TIMER, 7);
        d.GetDlgItemText(1018, status);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(0, splash.GetElapsedTime());
    EXPECT_EQ("Loading...", status);
}

TEST(SplashDialog, ItsOwnTimerClosesIt)
{
    QuickSplash splash;
    ModalRun run = RunModal(splash, nullptr);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(IDCANCEL, run.result);
    EXPECT_EQ(200, splash.GetElapsedTime());
}

TEST(SplashDialog, EscapeEndsItEarly)
{
    CSplashDialog splash("t", nullptr);
    ModalRun run = RunModal(splash, [](CDialog& d) { d.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(IDCANCEL, run.result);
    EXPECT_LT(splash.GetElapsedTime(), 2000);
}
