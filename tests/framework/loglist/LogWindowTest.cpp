#include "framework/log/LogWindowView.h"

#include "afx/DocTemplate.h"
#include "afx/FrameWnd.h"
#include "framework/log/LogFrame.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

CString TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return CString(folder) + "lexifern_logwindow_" + name;
}

class LogWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        logFile = TempPath("log.txt");
        DeleteFileA(logFile);
        CLogWindowView::SetDefaults(FALSE, logFile);
        logTemplate = CreateLogTemplate();
        ASSERT_NE(nullptr, logTemplate);
        frame = OpenLogWindow(logTemplate);
        ASSERT_NE(nullptr, frame);
        view = CLogWindowView::GetLogView();
        ASSERT_NE(nullptr, view);
    }
    void TearDown() override
    {
        if (frame && IsWindow(frame->m_hWnd))
            frame->DestroyWindow();
        PumpMessages();
        delete logTemplate;
        DeleteFileA(logFile);
    }

    CTraceList& List() { return view->GetList(); }
    CString TextAt(int index) { return List().GetEvent(index)->GetText(); }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }
    void Click(UINT id) { ::SendMessage(::GetDlgItem(view->m_hWnd, id), BM_CLICK, 0, 0); }

    CString logFile;
    CMultiDocTemplate* logTemplate = nullptr;
    CFrameWnd* frame = nullptr;
    CLogWindowView* view = nullptr;
};
}

TEST_F(LogWindowTest, OpensHiddenAndTakesTheLoggersEvents)
{
    EXPECT_TRUE(frame->IsKindOf(RUNTIME_CLASS(CLogFrame)));
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_EQ(frame, GetLogger().GetLogFrame());
    CString title;
    frame->GetWindowText(title);
    EXPECT_STREQ("Trace Log", title);
    EXPECT_NE(nullptr, ::GetMenu(frame->m_hWnd));

    EXPECT_EQ(0, GetLogger().PostTraceEvent(new TraceComment(-1, "on the window's thread")));
    std::thread worker([] { GetLogger().PostTraceEvent(new TraceComment(-1, "from a worker")); });
    worker.join();
    EXPECT_EQ(1, List().GetCount());
    PumpMessages();
    ASSERT_EQ(2, List().GetCount());
    EXPECT_STREQ("from a worker", TextAt(1));
}

TEST_F(LogWindowTest, CloseHidesAndOpeningShowsItAgainWithItsLines)
{
    GetLogger().PostTraceEvent(new TraceComment(-1, "kept"));
    EXPECT_EQ(frame, OpenLogWindow(logTemplate));
    EXPECT_TRUE(frame->IsWindowVisible());
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(IsWindow(frame->m_hWnd));
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_EQ(frame, OpenLogWindow(logTemplate));
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(1, List().GetCount());
}

TEST_F(LogWindowTest, TestCommandsPostOneSampleOfEachKind)
{
    Command(ID_TRACE_TEST_COMMENT);
    Command(ID_TRACE_TEST_DATA_BINARY);
    Command(ID_TRACE_TEST_DATA_STRING);
    Command(ID_TRACE_TEST_ERROR);
    Command(ID_TRACE_TEST_FORMAT_ERROR);
    Command(ID_TRACE_TEST_FORMAT_ERROR);
    Command(ID_TRACE_TEST_FORMAT_MESSAGE);
    ASSERT_EQ(9, List().GetCount());
    EXPECT_STREQ("This is a sample comment", TextAt(0));
    EXPECT_STREQ("54 68 69 73 20 69 73 20 73 6f 6d 65 20 73 61 6d 70 6c 65 20 64 61 74 61 ", TextAt(1));
    EXPECT_STREQ("This is some sample data", TextAt(2));
    EXPECT_STREQ("==============", TextAt(3));
    EXPECT_STREQ("A sample error message", TextAt(4));
    EXPECT_STREQ("This function has been tested 1 time", TextAt(5));
    EXPECT_STREQ("This function has been tested 2 times", TextAt(6));
    EXPECT_STREQ("The following line formats ERROR_ACCESS_DENIED", TextAt(7));
    EXPECT_STREQ(TraceFormatMessage(-1, ERROR_ACCESS_DENIED).GetText(), TextAt(8));
    for (int i = 3; i < 9; ++i)
        EXPECT_TRUE(List().GetEvent(i)->IsKindOf(RUNTIME_CLASS(TraceError))) << i;
}

TEST_F(LogWindowTest, ButtonsFollowTheListAndTheLimitSwitch)
{
    HWND next = ::GetDlgItem(view->m_hWnd, IDC_LOG_NEXT_ERROR);
    HWND set = ::GetDlgItem(view->m_hWnd, IDC_LOG_SET_LIMIT);
    EXPECT_FALSE(::IsWindowEnabled(next));
    EXPECT_FALSE(::IsWindowEnabled(set));

    GetLogger().PostTraceEvent(new TraceComment(-1, "c0"));
    GetLogger().PostTraceEvent(new TraceComment(-1, "c1"));
    GetLogger().PostTraceEvent(new TraceError(-1, "e2"));
    EXPECT_TRUE(::IsWindowEnabled(next));   // told by the list's change message
    Click(IDC_LOG_NEXT_ERROR);
    EXPECT_GT(List().GetSel(2), 0);
    EXPECT_FALSE(::IsWindowEnabled(next));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(view->m_hWnd, IDC_LOG_PREV_ERROR)) == FALSE);

    Click(IDC_LOG_LIMIT);
    EXPECT_TRUE(::IsWindowEnabled(set));
    EXPECT_TRUE(List().IsLimitOn());
    ::SetDlgItemTextA(view->m_hWnd, IDC_LOG_LIMIT_VALUE, "abc");
    Click(IDC_LOG_SET_LIMIT);
    EXPECT_EQ(0x7FFFFFFF, List().GetLimit());
    ::SetDlgItemTextA(view->m_hWnd, IDC_LOG_LIMIT_VALUE, "5");
    Click(IDC_LOG_SET_LIMIT);
    EXPECT_EQ(20, List().GetLimit());
    Click(IDC_LOG_LIMIT);
    EXPECT_FALSE(List().IsLimitOn());
    EXPECT_FALSE(::IsWindowEnabled(set));
}

namespace {
CString g_noteText;

// Fills the note dialog once it is up and presses OK.
void CALLBACK AnswerNote(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindWindowA(nullptr, "Trace Event Note");
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    SetDlgItemTextA(dialog, IDC_TRACE_NOTE_TEXT, g_noteText);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}
}

TEST_F(LogWindowTest, NoteAddsItsTrimmedTextAndABlankNoteAddsNothing)
{
    g_noteText = "a note  \t ";
    SetTimer(nullptr, 0, 50, AnswerNote);
    Click(IDC_LOG_NOTE);
    ASSERT_EQ(1, List().GetCount());
    EXPECT_TRUE(List().GetEvent(0)->IsKindOf(RUNTIME_CLASS(TraceNote)));
    EXPECT_STREQ("a note", TextAt(0));

    g_noteText = "   ";
    SetTimer(nullptr, 0, 50, AnswerNote);
    Click(IDC_LOG_NOTE);
    EXPECT_EQ(1, List().GetCount());
}

TEST_F(LogWindowTest, DestroyedWindowLeavesTheLoggerDiscarding)
{
    frame->DestroyWindow();
    frame = nullptr;
    EXPECT_EQ(nullptr, GetLogger().GetLogFrame());
    EXPECT_EQ(nullptr, CLogWindowView::GetLogView());
    EXPECT_EQ(-1, GetLogger().PostTraceEvent(new TraceComment(-1, "nobody listens")));
}

TEST(LogWindowStartup, RemembersDiskLoggingToTheDefaultFile)
{
    CString file = TempPath("disk.txt");
    DeleteFileA(file);
    CLogWindowView::SetDefaults(TRUE, file);
    CMultiDocTemplate* logTemplate = CreateLogTemplate();
    CFrameWnd* frame = OpenLogWindow(logTemplate);
    ASSERT_NE(nullptr, frame);
    CLogWindowView* view = CLogWindowView::GetLogView();
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(view->m_hWnd, IDC_LOG_DISK));
    GetLogger().PostTraceEvent(new TraceComment(-1, "to disk at once"));
    CString line = view->GetList().GetEvent(0)->FormatTraceLine();
    frame->DestroyWindow();
    delete logTemplate;

    HANDLE h = CreateFileA(file, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    char buffer[512] = {};
    DWORD read = 0;
    ReadFile(h, buffer, sizeof buffer - 1, &read, nullptr);
    CloseHandle(h);
    EXPECT_STREQ(line + "\r\n", CString(buffer, static_cast<int>(read)));
    DeleteFileA(file);
}
