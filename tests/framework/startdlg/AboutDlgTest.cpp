// The about box: the version in its credits, the credits moved by the timer,
// the three passes, the logo only when it waves, the ways it closes, and the
// modeless box with its message filter.
#include "framework/dialogs/AboutDlg.h"

#include "framework/crash/VersionString.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

namespace {
const char Credits[] = "\tProduct\n***\n\rMaker\nRelease version.\nPress Esc to close this dialog";

CString Version()
{
    CString version;
    GetVersionString(version, FALSE);
    return version;
}

// A box that does not scroll, kept by the test rather than deleting itself.
class KeptAboutDlg : public CAboutDlg
{
public:
    KeptAboutDlg() : CAboutDlg(Credits, 10, FALSE, FALSE) {}

protected:
    void PostNcDestroy() override { CDialog::PostNcDestroy(); }
};

// Pixels where the composed frame differs from the plain background.
int CountChangedPixels(CAboutCtrl& panel)
{
    CBitmap background;
    EXPECT_TRUE(background.LoadBitmap(CAboutCtrl::BackgroundBitmapId));
    HDC plain = CreateCompatibleDC(panel.GetBackBufferDC());
    HGDIOBJ previous = SelectObject(plain, background);
    const CSize size = panel.GetBackBufferSize();
    int changed = 0;
    for (int y = 0; y < size.cy; y += 2)
        for (int x = 0; x < size.cx; x += 2)
            if (GetPixel(plain, x, y) != GetPixel(panel.GetBackBufferDC(), x, y))
                ++changed;
    SelectObject(plain, previous);
    DeleteDC(plain);
    return changed;
}
}

TEST(AboutDlg, TheVersionTakesThePlaceOfTheStars)
{
    EXPECT_EQ("a\nv1\nb v1", CAboutDlg::FormatCredits("a\n***\nb ***", "v1"));
    EXPECT_EQ("no placeholder", CAboutDlg::FormatCredits("no placeholder", "v1"));

    CAboutDlg box(Credits, 130, FALSE, TRUE);
    const CString expected = CString("\tProduct\n") + Version() + "\n\rMaker\nRelease version.\nPress Esc to close this dialog";
    EXPECT_EQ(expected, box.m_ctrl.GetCredits());
    EXPECT_EQ(expected, CAboutDlg::GetCreditsText());
    EXPECT_EQ(-1, box.m_ctrl.GetCredits().Find("***"));
    EXPECT_EQ(130, box.m_ctrl.m_nCreditsX);
    EXPECT_FALSE(box.m_ctrl.m_bWave);
}

TEST(AboutDlg, TheTimerScrollsTheCreditsUpwards)
{
    CAboutDlg box(Credits, 130, FALSE, TRUE);
    int start = 0, afterStep = 0, afterWait = 0, height = 0;
    ModalRun run = RunModal(box, [&](CDialog& d) {
        auto& self = static_cast<CAboutDlg&>(d);
        CRect client;
        self.m_ctrl.GetClientRect(&client);
        height = client.Height();
        start = self.m_ctrl.GetCreditsY();
        self.m_ctrl.SendMessage(WM_TIMER, CAboutCtrl::AnimationTimerId);
        afterStep = self.m_ctrl.GetCreditsY();
        // Let its own 40 ms timer run a few frames.
        const DWORD until = GetTickCount() + 300;
        MSG msg;
        while (GetTickCount() < until) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(5);
        }
        afterWait = self.m_ctrl.GetCreditsY();
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_FALSE(run.timedOut);
    // The first frame was drawn at set-up, one line above the panel's bottom.
    EXPECT_EQ(height - 1, start);
    EXPECT_EQ(start - 1, afterStep);
    EXPECT_LT(afterWait, afterStep);
}

TEST(AboutDlg, ThreePassesOfTheCreditsCloseTheBox)
{
    CAboutDlg box(Credits, 130, FALSE, TRUE);
    std::vector<int> passes;
    bool closedBeforeThird = true;
    ModalRun run = RunModal(box, [&](CDialog& d) {
        auto& panel = static_cast<CAboutDlg&>(d).m_ctrl;
        panel.KillTimer(CAboutCtrl::AnimationTimerId);
        passes.push_back(panel.GetPassesLeft());
        MSG msg;
        for (int step = 0; step < 3000 && panel.GetPassesLeft() > -1; ++step) {
            const int before = panel.GetPassesLeft();
            panel.AnimationStep();
            if (panel.GetPassesLeft() != before)
                passes.push_back(panel.GetPassesLeft());
            if (panel.GetPassesLeft() >= 0 && PeekMessageA(&msg, d.m_hWnd, WM_CLOSE, WM_CLOSE, PM_NOREMOVE))
                closedBeforeThird = false;
        }
    });
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(IDCANCEL, run.result);
    EXPECT_EQ((std::vector<int>{2, 1, 0, -1}), passes);
    EXPECT_TRUE(closedBeforeThird);
}

TEST(AboutDlg, OnlyAWavingLogoIsDrawnOverTheBackground)
{
    // Credits placed beyond the panel's right edge leave the background alone.
    for (BOOL wave : {FALSE, TRUE}) {
        CAboutDlg box(Credits, 2000, wave, TRUE);
        int changed = -1;
        RunModal(box, [&](CDialog& d) {
            auto& panel = static_cast<CAboutDlg&>(d).m_ctrl;
            panel.KillTimer(CAboutCtrl::AnimationTimerId);
            for (int i = 0; i < 30; ++i)
                panel.AnimationStep();
            changed = CountChangedPixels(panel);
            d.SendMessage(WM_COMMAND, IDCANCEL);
        });
        if (wave)
            EXPECT_GT(changed, 0);
        else
            EXPECT_EQ(0, changed);
    }
}

TEST(AboutDlg, CreditsAreDrawnIntoTheFrame)
{
    // Not scrolling: the credits stay at the top.
    KeptAboutDlg box;
    int changed = 0;
    int y = 0;
    RunModal(box, [&](CDialog& d) {
        auto& panel = static_cast<CAboutDlg&>(d).m_ctrl;
        panel.KillTimer(CAboutCtrl::AnimationTimerId);
        panel.AnimationStep();
        panel.AnimationStep();
        y = panel.GetCreditsY();
        changed = CountChangedPixels(panel);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_GT(changed, 0);
    EXPECT_EQ(CAboutCtrl::FixedCreditsY - 1, y);
}

TEST(AboutDlg, EscapeAndAClickOnThePanelCloseIt)
{
    CAboutDlg byKey(Credits, 130, FALSE, TRUE);
    ModalRun run = RunModal(byKey, [](CDialog& d) { d.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(IDCANCEL, run.result);

    CAboutDlg byClick(Credits, 130, FALSE, TRUE);
    run = RunModal(byClick, [](CDialog& d) {
        static_cast<CAboutDlg&>(d).m_ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    });
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(IDCANCEL, run.result);
}

TEST(AboutDlg, TheModelessBoxComesOnlyWhenAllowedAndGoesWithTheFirstPress)
{
    CAboutDlg::EnableModelessSplash(0);
    EXPECT_FALSE(CAboutDlg::ShowModelessSplash(Credits));
    EXPECT_EQ(nullptr, CAboutDlg::GetModelessSplash());

    CAboutDlg::EnableModelessSplash(1);
    ASSERT_TRUE(CAboutDlg::ShowModelessSplash(Credits));
    CAboutDlg* box = CAboutDlg::GetModelessSplash();
    ASSERT_NE(nullptr, box);
    HWND window = box->GetSafeHwnd();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(box->m_ctrl.m_bWave);
    EXPECT_EQ(0, box->m_ctrl.m_nCreditsX);
    EXPECT_FALSE(CAboutDlg::ShowModelessSplash(Credits));   // one at a time

    {
        // Another about box coming and going leaves the modeless one in place.
        CAboutDlg other(Credits, 130, FALSE, TRUE);
    }
    EXPECT_EQ(box, CAboutDlg::GetModelessSplash());

    MSG move = {window, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    EXPECT_FALSE(CAboutDlg::PreTranslateAppMessage(&move));
    EXPECT_TRUE(IsWindow(window));
    MSG key = {nullptr, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_TRUE(CAboutDlg::PreTranslateAppMessage(&key));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, CAboutDlg::GetModelessSplash());
    EXPECT_FALSE(CAboutDlg::PreTranslateAppMessage(&key));
    CAboutDlg::EnableModelessSplash(0);
}

TEST(AboutDlg, AModelessBoxWhoseProgressBarHasAWindowSetsItUp)
{
    HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 50, nullptr, nullptr, nullptr, nullptr);
    CAboutDlg box(Credits, 0, FALSE, TRUE);
    ASSERT_TRUE(box.m_progress.Create(WS_CHILD, CRect(0, 0, 150, 20), CWnd::FromHandle(holder), 77));
    box.m_progress.SetRange(5, 50);
    box.m_progress.SetPos(20);
    ASSERT_TRUE(box.Create(nullptr));
    int lower = -1, upper = -1;
    box.m_progress.GetRange(lower, upper);
    EXPECT_EQ(0, lower);
    EXPECT_EQ(100, upper);
    EXPECT_EQ(0, box.m_progress.GetPos());
    ASSERT_EQ(2, box.m_progress.GetColorCount());
    EXPECT_EQ(RGB(0, 0, 158), box.m_progress.GetColor(0));
    EXPECT_EQ(RGB(255, 255, 255), box.m_progress.GetColor(1));
    EXPECT_TRUE(box.m_progress.GetStyle() & WS_VISIBLE);
    box.DestroyWindow();
    box.m_progress.DestroyWindow();
    DestroyWindow(holder);
}
