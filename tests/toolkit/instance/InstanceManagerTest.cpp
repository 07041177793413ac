// The instance manager across real processes: this program starts copies of
// itself (InstanceChild.Run with LEXIFERN_INSTANCE_CHILD set) that register
// under the same name, show a window and keep their observations in its
// title, where this process reads them.
#include "toolkit/foundation/OXInstanceManager.h"

#include "afx/WinApp.h"
#include "afx/Wnd.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <functional>
#include <string>
#include <vector>

namespace {
const char ChildVariable[] = "LEXIFERN_INSTANCE_CHILD";
// Starting a copy under Wine takes a while.
const DWORD ChildTimeout = 30000;

// A main window that keeps what the manager sends it: "+pid" and "-pid" per
// notification, with the count; a child shows the record in its title and
// ends on WM_CLOSE, the test's own window only counts the closes.
class InstanceWindow : public CWnd
{
public:
    BOOL Make(LPCSTR title)
    {
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        return CreateEx(0, cls, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 80, nullptr, nullptr);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_OX_INSTANCE_ADDED || message == WM_OX_INSTANCE_REMOVED) {
            ++events;
            last.Format("%c%lu", message == WM_OX_INSTANCE_ADDED ? '+' : '-', static_cast<DWORD>(lParam));
            history += last + ";";
            if (isChild)
                SetWindowText(Record());
            return 0;
        }
        if (message == WM_CLOSE) {
            ++closes;
            if (isChild) {
                DestroyWindow();
                ::PostQuitMessage(0);
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    CString Record() const
    {
        CString text;
        text.Format("%s events=%d last=%s", (LPCSTR)start, events, (LPCSTR)last);
        return text;
    }
    bool isChild = false;
    CString start;
    int events = 0;
    CString last;
    CString history;
    int closes = 0;
};

// Runs only as a started copy: registers, reports what it saw, waits.
TEST(InstanceChild, Run)
{
    const char* name = getenv(ChildVariable);
    if (!name)
        return;
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    COXInstanceManager manager(name);
    InstanceWindow window;
    window.isChild = true;
    window.start.Format("n%u m%u c%d", manager.GetInstanceCount(), manager.GetMaxInstances(),
                        manager.CheckMaxAllowedInstances(FALSE));
    ASSERT_TRUE(window.Make(window.Record()));
    MSG msg;
    DWORD stop = GetTickCount() + 120000;
    while (GetTickCount() < stop) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

struct Child
{
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
};

class InstanceManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        name.Format("LexifernTest_%lu_%s", GetCurrentProcessId(),
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(window.Make("instance test"));
    }
    void TearDown() override
    {
        for (Child& child : children) {
            if (WaitForSingleObject(child.process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(child.process.hProcess, 1);
            CloseHandle(child.process.hThread);
            CloseHandle(child.process.hProcess);
        }
        if (window.GetSafeHwnd())
            window.DestroyWindow();
    }
    // Starts a copy registering under the test's name.
    size_t Start()
    {
        char exe[MAX_PATH + 1] = "";
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        CString command;
        command.Format("\"%s\" --gtest_filter=InstanceChild.Run", exe);
        SetEnvironmentVariableA(ChildVariable, name);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        Child child;
        BOOL started = CreateProcessA(nullptr, command.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &child.process);
        command.ReleaseBuffer();
        SetEnvironmentVariableA(ChildVariable, nullptr);
        EXPECT_TRUE(started);
        children.push_back(child);
        return children.size() - 1;
    }
    // Waits for the copy's window.
    bool Shown(size_t index)
    {
        Child& child = children[index];
        return PumpUntil([&] {
            child.window = COXInstanceManager::FindInstanceMainWindow(child.process.dwProcessId);
            return child.window != nullptr;
        }, ChildTimeout);
    }
    size_t StartShown()
    {
        size_t index = Start();
        EXPECT_TRUE(Shown(index));
        return index;
    }
    bool Ended(size_t index)
    {
        HANDLE process = children[index].process.hProcess;
        return PumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, ChildTimeout);
    }
    bool Running(size_t index) { return WaitForSingleObject(children[index].process.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD Pid(size_t index) const { return children[index].process.dwProcessId; }
    static CString Title(HWND hWnd)
    {
        char text[512] = "";
        GetWindowTextA(hWnd, text, sizeof(text));
        return text;
    }
    CString Event(char sign, DWORD pid)
    {
        CString text;
        text.Format("%c%lu;", sign, pid);
        return text;
    }
    // The list registered now, as the manager reports it.
    static std::vector<DWORD> List(const COXInstanceManager& manager)
    {
        CDWordArray ids;
        EXPECT_TRUE(manager.GetInstanceList(ids));
        return std::vector<DWORD>(ids.GetData(), ids.GetData() + ids.GetSize());
    }

    CString name;
    InstanceWindow window;
    std::vector<Child> children;
};

TEST_F(InstanceManagerTest, InstancesCountEachOtherAndHearOfStartsAndEnds)
{
    COXInstanceManager manager(name);
    EXPECT_EQ(1u, manager.GetInstanceCount());
    EXPECT_EQ(1u, manager.GetMaxInstances());
    EXPECT_FALSE(manager.IsAnotherInstanceRunning());
    EXPECT_FALSE(manager.CheckMaxAllowedInstances(FALSE));

    size_t a = StartShown();
    EXPECT_EQ(0, Title(children[a].window).Find("n2 m1 c1 "));
    EXPECT_EQ(2u, manager.GetInstanceCount());
    EXPECT_TRUE(manager.IsAnotherInstanceRunning());
    EXPECT_TRUE(manager.CheckMaxAllowedInstances(FALSE));
    EXPECT_EQ(std::vector<DWORD>({ GetCurrentProcessId(), Pid(a) }), List(manager));
    ASSERT_TRUE(PumpUntil([&] { return window.events == 1; }, ChildTimeout));
    EXPECT_EQ(Event('+', Pid(a)), window.history);

    // The second copy is announced to both earlier instances.
    size_t b = StartShown();
    EXPECT_EQ(0, Title(children[b].window).Find("n3 m1 c1 "));
    CString heard;
    heard.Format("events=1 last=+%lu", Pid(b));
    ASSERT_TRUE(PumpUntil([&] { return Title(children[a].window).Find(heard) >= 0; }, ChildTimeout));

    EXPECT_TRUE(COXInstanceManager::CloseInstance(Pid(a)));
    ASSERT_TRUE(Ended(a));
    ASSERT_TRUE(PumpUntil([&] { return window.events == 3; }, ChildTimeout));
    EXPECT_EQ(Event('+', Pid(a)) + Event('+', Pid(b)) + Event('-', Pid(a)), window.history);
    EXPECT_EQ(std::vector<DWORD>({ GetCurrentProcessId(), Pid(b) }), List(manager));
    EXPECT_EQ(0, window.closes);
}

TEST_F(InstanceManagerTest, EnforcingAMaximumClosesTheNewestOthersFirst)
{
    COXInstanceManager manager(name);
    size_t a = StartShown();
    size_t b = StartShown();
    size_t c = StartShown();
    ASSERT_EQ(4u, manager.GetInstanceCount());

    EXPECT_TRUE(manager.SetMaxInstances(2, TRUE));
    EXPECT_EQ(2u, manager.GetMaxInstances());
    ASSERT_TRUE(Ended(c));
    ASSERT_TRUE(Ended(b));
    EXPECT_TRUE(Running(a));
    ASSERT_TRUE(PumpUntil([&] { return manager.GetInstanceCount() == 2; }, ChildTimeout));

    // One among two: the other goes, this one stays.
    EXPECT_TRUE(manager.SetMaxInstances(1, TRUE));
    ASSERT_TRUE(Ended(a));
    ASSERT_TRUE(PumpUntil([&] { return manager.GetInstanceCount() == 1; }, ChildTimeout));
    EXPECT_EQ(0, window.closes);

    // Without enforcing, only the number changes.
    size_t d = StartShown();
    EXPECT_TRUE(manager.SetMaxInstances(1, FALSE));
    PumpFor(300);
    EXPECT_TRUE(Running(d));
}

TEST_F(InstanceManagerTest, EnforcingSkipsADisabledWindowAndClosesItselfLast)
{
    COXInstanceManager manager(name);
    size_t a = StartShown();
    size_t b = StartShown();
    // A modal dialog in the newest copy: it cannot be closed.
    ::EnableWindow(children[b].window, FALSE);

    EXPECT_TRUE(manager.SetMaxInstances(2, TRUE));
    ASSERT_TRUE(Ended(a));
    EXPECT_TRUE(Running(b));

    // Too few to close: this instance is asked to close itself.
    EXPECT_TRUE(manager.SetMaxInstances(1, TRUE));
    ASSERT_TRUE(PumpUntil([&] { return window.closes == 1; }, ChildTimeout));
    EXPECT_TRUE(Running(b));
    EXPECT_FALSE(COXInstanceManager::CloseInstance(Pid(b)));
    ::EnableWindow(children[b].window, TRUE);
    EXPECT_TRUE(COXInstanceManager::CloseInstance(Pid(b)));
    EXPECT_TRUE(Ended(b));
}

TEST_F(InstanceManagerTest, AFullListRefusesWithoutTellingAnybody)
{
    COXInstanceManager manager(name);
    size_t a = StartShown();
    // The shared list filled up behind the manager, through its named
    // objects and layout: maximum, count, then 1000 ids. The ids added
    // belong to no process, so nobody's window answers to them.
    const DWORD fake = 0x7FF00000;
    {
        HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "COXInstanceManager_InstanceList_Mutex_" + name);
        HANDLE map = OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, "COXInstanceManager_FileMap_" + name);
        ASSERT_NE(nullptr, mutex);
        ASSERT_NE(nullptr, map);
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(mutex, 10000));
        DWORD* list = static_cast<DWORD*>(MapViewOfFile(map, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 4008));
        ASSERT_NE(nullptr, list);
        EXPECT_EQ(1u, list[0]);
        EXPECT_EQ(2u, list[1]);
        EXPECT_EQ(GetCurrentProcessId(), list[2]);
        EXPECT_EQ(Pid(a), list[3]);
        EXPECT_EQ(0u, list[4]);
        for (DWORD i = 2; i < COXInstanceManager::MaxListedInstances; ++i)
            list[2 + i] = fake + i * 4;
        list[1] = COXInstanceManager::MaxListedInstances;
        UnmapViewOfFile(list);
        ReleaseMutex(mutex);
        CloseHandle(map);
        CloseHandle(mutex);
    }
    ASSERT_EQ(COXInstanceManager::MaxListedInstances, manager.GetInstanceCount());

    EXPECT_FALSE(manager.AddInstance(fake + 4000 * 4));
    EXPECT_EQ(COXInstanceManager::MaxListedInstances, manager.GetInstanceCount());
    // A removal follows the refused add: the copy hears of it as the very next event.
    EXPECT_TRUE(manager.RemoveInstance(fake + 8));
    CString expected;
    expected.Format("events=1 last=-%lu", fake + 8);
    ASSERT_TRUE(PumpUntil([&] { return Title(children[a].window).Find(expected) >= 0; }, ChildTimeout));

    EXPECT_FALSE(manager.RemoveInstance(fake + 8));
    for (DWORD i = 3; i < COXInstanceManager::MaxListedInstances; ++i)
        EXPECT_TRUE(manager.RemoveInstance(fake + i * 4));
    EXPECT_EQ(std::vector<DWORD>({ GetCurrentProcessId(), Pid(a) }), List(manager));
}

TEST_F(InstanceManagerTest, CopiesStartedTogetherAreAllRegistered)
{
    // No instance exists before: the two copies race to create the list.
    size_t a = Start();
    size_t b = Start();
    ASSERT_TRUE(Shown(a));
    ASSERT_TRUE(Shown(b));
    COXInstanceManager manager(name);
    std::vector<DWORD> ids = List(manager);
    ASSERT_EQ(3u, ids.size());
    EXPECT_EQ(GetCurrentProcessId(), ids[2]);
    EXPECT_TRUE((ids[0] == Pid(a) && ids[1] == Pid(b)) || (ids[0] == Pid(b) && ids[1] == Pid(a)));
    EXPECT_EQ(1u, manager.GetMaxInstances());
}

TEST_F(InstanceManagerTest, AdditionalDataIsSharedAndSizedInWholeGranules)
{
    COXInstanceManager first(name, 100);
    COXInstanceManager second(name, 100);
    EXPECT_EQ(65536u, first.GetAdditionalDataSize());
    char* mine = static_cast<char*>(first.MapAdditionalData());
    char* theirs = static_cast<char*>(second.MapAdditionalData());
    ASSERT_NE(nullptr, mine);
    ASSERT_NE(nullptr, theirs);
    {
        CSingleLock lock(first.GetAdditionalDataMutex(), TRUE);
        strcpy(mine, "shared");
    }
    EXPECT_STREQ("shared", theirs);
    // The list is untouched by the data.
    EXPECT_EQ(2u, first.GetInstanceCount());
    first.UnmapAdditionalData();

    COXInstanceManager none(name + "_none");
    EXPECT_EQ(nullptr, none.MapAdditionalData());
}
} // namespace
