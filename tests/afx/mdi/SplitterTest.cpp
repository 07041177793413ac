// Static splitter windows: pane sizes from the row information, the bar
// dragged with real mouse input, and a quit message arriving in the drag.
#include "afx/FrameWnd.h"
#include "afx/SplitterWnd.h"
#include "afx/View.h"
#include "tests/afx/mdi/TestApp.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

class CPaneView : public CView
{
    DECLARE_DYNCREATE(CPaneView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CPaneView, CView)

class CSplitFrame : public CFrameWnd
{
public:
    CSplitterWnd m_wndSplitter;

    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        return m_wndSplitter.CreateStatic(this, 2, 1) &&
               m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(0, 100), pContext) &&
               m_wndSplitter.CreateView(1, 0, RUNTIME_CLASS(CPaneView), CSize(0, 0), pContext);
    }
};

// One row of three columns.
class CColumnsFrame : public CFrameWnd
{
public:
    CSplitterWnd m_wndSplitter;

    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        return m_wndSplitter.CreateStatic(this, 1, 3) &&
               m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(80, 0), pContext) &&
               m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CPaneView), CSize(120, 0), pContext) &&
               m_wndSplitter.CreateView(0, 2, RUNTIME_CLASS(CPaneView), CSize(0, 0), pContext);
    }
};

namespace {

CRect PaneRect(CSplitterWnd& splitter, int row)
{
    CRect rect;
    splitter.GetPane(row, 0)->GetWindowRect(&rect);
    splitter.ScreenToClient(&rect);
    return rect;
}

void Mouse(DWORD flags, CPoint screen = CPoint(0, 0))
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    ::SendInput(1, &input, sizeof input);
}

void MoveTo(CPoint screen)
{
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
}

// Presses at start, then moves by each offset and lets go, from another
// thread: this one is inside the drag loop meanwhile.
std::thread DragFrom(CPoint start, std::vector<CPoint> offsets, DWORD releaseAfter = 150)
{
    MoveTo(start);
    return std::thread([start, offsets, releaseAfter] {
        // Each event carries its point: the display's own pointer events
        // may come late and move the cursor back.
        const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::Sleep(100);
        Mouse(at | MOUSEEVENTF_LEFTDOWN, start);
        CPoint last = start;
        for (CPoint offset : offsets) {
            ::Sleep(100);
            last = start + offset;
            MoveTo(last);
        }
        ::Sleep(releaseAfter);
        Mouse(at | MOUSEEVENTF_LEFTUP, last);
    });
}

// Pumps for a while; answers the code of a WM_QUIT met on the way, else -1.
int PumpFor(DWORD ms)
{
    int quit = -1;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = static_cast<int>(msg.wParam);
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
    return quit;
}

int g_quitCode = 0;

void CALLBACK PostQuitInDrag(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    ::PostQuitMessage(g_quitCode);
}

class SplitterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_frame = new CSplitFrame;   // frees itself with its window
        ASSERT_TRUE(m_frame->Create(nullptr, "Split", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 440)));
        m_frame->SetForegroundWindow();
        PumpPending();
    }
    void TearDown() override
    {
        if (m_frame)
            m_frame->DestroyWindow();
        PumpPending();
    }

    CSplitterWnd& Splitter() { return m_frame->m_wndSplitter; }
    int Row(int row)
    {
        int cur = 0;
        int min = 0;
        Splitter().GetRowInfo(row, cur, min);
        return cur;
    }
    // The middle of the bar below row 0, on the screen.
    CPoint BarPoint()
    {
        CPoint pt(100, Row(0) + Splitter().m_cySplitterGap / 2);
        Splitter().ClientToScreen(&pt);
        return pt;
    }

    CSplitFrame* m_frame = nullptr;
};

TEST_F(SplitterTest, FillsTheFramesPaneAndFindsItsPanes)
{
    EXPECT_TRUE(Splitter().IsKindOf(RUNTIME_CLASS(CSplitterWnd)));
    EXPECT_EQ(Splitter().m_hWnd, ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(2, Splitter().GetRowCount());
    EXPECT_EQ(1, Splitter().GetColumnCount());
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 16, Splitter().IdFromRowCol(1, 0));
    CWnd* lower = Splitter().GetPane(1, 0);
    ASSERT_NE(nullptr, lower);
    EXPECT_TRUE(lower->IsKindOf(RUNTIME_CLASS(CPaneView)));
    int row = -1;
    int col = -1;
    EXPECT_TRUE(Splitter().IsChildPane(lower, &row, &col));
    EXPECT_EQ(1, row);
    EXPECT_EQ(0, col);
    EXPECT_FALSE(Splitter().IsChildPane(m_frame, &row, &col));
    EXPECT_EQ(nullptr, Splitter().GetPane(2, 0));

    CRect client;
    m_frame->GetClientRect(&client);
    CRect splitter;
    Splitter().GetClientRect(&splitter);
    EXPECT_EQ(client.Size(), splitter.Size());
    // The first row has its ideal size; the last takes the rest.
    EXPECT_EQ(100, Row(0));
    EXPECT_EQ(splitter.Height() - 100 - Splitter().m_cySplitterGap, Row(1));
}

TEST_F(SplitterTest, RowInfoGivesThePaneHeights)
{
    Splitter().SetRowInfo(0, 60, 10);
    Splitter().RecalcLayout();
    int cur = 0;
    int min = 0;
    Splitter().GetRowInfo(0, cur, min);
    EXPECT_EQ(60, cur);
    EXPECT_EQ(10, min);
    EXPECT_EQ(CRect(0, 0, PaneRect(Splitter(), 0).right, 60), PaneRect(Splitter(), 0));
    EXPECT_EQ(60 + Splitter().m_cySplitterGap, PaneRect(Splitter(), 1).top);
    CRect splitter;
    Splitter().GetClientRect(&splitter);
    EXPECT_EQ(splitter.bottom, PaneRect(Splitter(), 1).bottom);

    // Under its minimum a row takes no room at all and its pane hides.
    Splitter().SetRowInfo(0, 5, 10);
    Splitter().RecalcLayout();
    EXPECT_EQ(0, Row(0));
    EXPECT_FALSE(Splitter().GetPane(0, 0)->IsWindowVisible());
    EXPECT_EQ(splitter.Height() - Splitter().m_cySplitterGap, Row(1));

    // More than there is: the first row takes it all, the last none.
    Splitter().SetRowInfo(0, 5000, 0);
    Splitter().RecalcLayout();
    EXPECT_EQ(splitter.Height() - Splitter().m_cySplitterGap, Row(0));
    EXPECT_EQ(0, Row(1));
}

TEST_F(SplitterTest, DraggingTheBarResizesTheRows)
{
    std::thread drag = DragFrom(BarPoint(), {CPoint(0, 20), CPoint(0, 40)});
    PumpFor(800);
    drag.join();
    EXPECT_EQ(140, Row(0));
    EXPECT_EQ(140 + Splitter().m_cySplitterGap, PaneRect(Splitter(), 1).top);
    EXPECT_EQ(nullptr, ::GetCapture());

    // Past the end of the next row the bar stops there. (A second press on
    // the same spot soon after would be a double click.)
    PumpFor(::GetDoubleClickTime() + 100);
    CRect splitter;
    Splitter().GetClientRect(&splitter);
    const CPoint start = BarPoint();
    CPoint end(100, splitter.bottom - 1);
    Splitter().ClientToScreen(&end);
    drag = DragFrom(start, {CPoint(0, end.y - start.y)});
    PumpFor(800);
    drag.join();
    EXPECT_EQ(splitter.Height() - Splitter().m_cySplitterGap, Row(0));
    EXPECT_EQ(0, Row(1));
}

TEST_F(SplitterTest, QuitPostedDuringTheDragSurvivesIt)
{
    g_quitCode = 7;
    ::SetTimer(nullptr, 0, 250, &PostQuitInDrag);
    // The button goes up only well after the quit: the drag loop meets the
    // quit first, ends the drag and leaves the quit queued for the loop outside.
    std::thread drag = DragFrom(BarPoint(), {CPoint(0, 30)}, 400);
    EXPECT_EQ(7, PumpFor(800));
    drag.join();
    PumpFor(100);
    EXPECT_EQ(100, Row(0));
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(SplitterColumns, ColumnInfoGivesThePaneWidths)
{
    CColumnsFrame* frame = new CColumnsFrame;   // frees itself with its window
    ASSERT_TRUE(frame->Create(nullptr, "Columns", WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 240)));
    CSplitterWnd& splitter = frame->m_wndSplitter;
    EXPECT_EQ(3, splitter.GetColumnCount());
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 2, splitter.IdFromRowCol(0, 2));
    CRect client;
    splitter.GetClientRect(&client);
    int cur = 0;
    int min = 0;
    splitter.GetColumnInfo(1, cur, min);
    EXPECT_EQ(120, cur);
    splitter.GetColumnInfo(2, cur, min);
    EXPECT_EQ(client.Width() - 80 - 120 - 2 * splitter.m_cxSplitterGap, cur);

    splitter.SetColumnInfo(0, 50, 20);
    splitter.RecalcLayout();
    splitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(50, cur);
    EXPECT_EQ(20, min);
    CRect middle;
    splitter.GetPane(0, 1)->GetWindowRect(&middle);
    splitter.ScreenToClient(&middle);
    EXPECT_EQ(50 + splitter.m_cxSplitterGap, middle.left);
    EXPECT_EQ(120, middle.Width());
    EXPECT_EQ(client.Height(), middle.Height());
    frame->DestroyWindow();
    PumpPending();
}

} // namespace
