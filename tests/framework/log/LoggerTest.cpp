#include "framework/log/Logger.h"

#include "afx/Wnd.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {
std::atomic<int> g_alive{ 0 };

// An event that counts its instances, so a test can see every one freed.
class CountedEvent : public TraceComment
{
public:
    CountedEvent(int id, LPCTSTR text) : TraceComment(id, text) { ++g_alive; }
    ~CountedEvent() override { --g_alive; }
};

// Stands in for the log window's list: keeps the texts, frees the events.
class RecordingTarget : public ITraceEventTarget
{
public:
    int AddEvent(TraceEvent* event) override
    {
        if (!event)
            return -1;
        texts.push_back(event->GetText());
        threads.push_back(event->m_dwThreadId);
        delete event;
        return static_cast<int>(texts.size()) - 1;
    }
    std::vector<CString> texts;
    std::vector<DWORD> threads;
};

LRESULT CALLBACK TargetProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CLogger::GetQueueMessage()) {
        GetLogger().DeliverQueued();
        return 0;
    }
    return DefWindowProcA(wnd, message, wParam, lParam);
}

// A hidden window on the test thread standing for the log window.
class LogWindowFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = TargetProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LoggerTestTarget";
        RegisterClassA(&wc);
        window = CreateWindowA("LoggerTestTarget", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(window);
        frame.m_hWnd = window;
        GetLogger().SetLogFrame(&frame);
        GetLogger().SetEventTarget(&target, window);
    }
    void TearDown() override
    {
        GetLogger().SetEventTarget(nullptr, nullptr);
        GetLogger().SetLogFrame(nullptr);
        frame.m_hWnd = nullptr;
        DestroyWindow(window);
    }
    void PumpUntil(size_t count)
    {
        DWORD start = GetTickCount();
        MSG msg;
        while (target.texts.size() < count && GetTickCount() - start < 10000) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(1);
        }
    }

    HWND window = nullptr;
    CWnd frame;
    RecordingTarget target;
};
}

TEST(Logger, WithoutALogWindowEventsAreDiscarded)
{
    int before = g_alive;
    EXPECT_EQ(-1, GetLogger().PostTraceEvent(new CountedEvent(-1, "gone")));
    EXPECT_EQ(before, g_alive.load());
    EXPECT_EQ(-1, GetLogger().PostTraceEvent(nullptr));
}

TEST_F(LogWindowFixture, EventsOnTheWindowThreadAreAddedAtOnce)
{
    EXPECT_EQ(0, GetLogger().PostTraceEvent(new TraceComment(-1, "first")));
    EXPECT_EQ(1, GetLogger().PostTraceEvent(new TraceError(-1, "second")));
    ASSERT_EQ(2u, target.texts.size());
    EXPECT_EQ("second", target.texts[1]);
}

TEST_F(LogWindowFixture, AGoneWindowIsNeverTouched)
{
    DestroyWindow(window);
    int before = g_alive;
    EXPECT_EQ(-1, GetLogger().PostTraceEvent(new CountedEvent(-1, "late")));
    EXPECT_EQ(before, g_alive.load());
    EXPECT_TRUE(target.texts.empty());
}

TEST_F(LogWindowFixture, ManyThreadsPostWithoutDeadlockAndKeepTheirOrder)
{
    const int threads = 8;
    const int perThread = 500;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < perThread; ++i) {
                CString text;
                text.Format("%d:%d", t, i);
                GetLogger().PostTraceEvent(new TraceComment(t, text));
            }
        });
    }
    // The UI thread logs too while the workers run.
    for (int i = 0; i < 100; ++i)
        GetLogger().PostTraceEvent(new TraceComment(-1, "ui"));
    for (auto& w : workers)
        w.join();
    PumpUntil(threads * perThread + 100);
    ASSERT_EQ(static_cast<size_t>(threads * perThread + 100), target.texts.size());

    std::vector<int> next(threads, 0);
    for (const CString& text : target.texts) {
        if (text == "ui")
            continue;
        int t = 0, i = 0;
        ASSERT_EQ(2, sscanf(text, "%d:%d", &t, &i));
        EXPECT_EQ(next[t], i) << "thread " << t;
        next[t] = i + 1;
    }
}

TEST_F(LogWindowFixture, QueuedEventsAreFreedWhenTheWindowGoes)
{
    int before = g_alive;
    std::thread worker([] { GetLogger().PostTraceEvent(new CountedEvent(-1, "queued")); });
    worker.join();
    EXPECT_EQ(before + 1, g_alive.load());
    GetLogger().SetEventTarget(nullptr, nullptr);
    EXPECT_EQ(before, g_alive.load());
}
