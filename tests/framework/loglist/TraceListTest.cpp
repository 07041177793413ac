#include "framework/log/TraceList.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "framework/log/Logger.h"
#include "framework/log/Printer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
int g_alive = 0;

// A comment that counts its instances, so a test sees every event freed.
class CountedEvent : public TraceComment
{
public:
    explicit CountedEvent(LPCTSTR text) : TraceComment(-1, text) { ++g_alive; }
    ~CountedEvent() override { --g_alive; }
};

class ParentWnd : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == UWM_TRACE_CHANGE) {
            ++changes;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int changes = 0;
};

// Answers the file dialog and the failure box instead of the user.
class TestTraceList : public CTraceList
{
public:
    BOOL AskFileName(BOOL bSave, CString& path) override
    {
        asked.push_back(bSave);
        if (answer.IsEmpty())
            return FALSE;
        path = answer;
        return TRUE;
    }
    void ShowSaveError() override { ++errorBoxes; }
    int DeletedCount() const { return m_nDeleted; }

    CString answer;
    std::vector<BOOL> asked;
    int errorBoxes = 0;
};

std::string ReadBytes(const CString& path)
{
    std::ifstream in((LPCTSTR)path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CString TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return CString(folder) + "lexifern_tracelist_" + name;
}

class TraceListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_alive = 0;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400,
                                    nullptr, nullptr));
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 300), &parent, 1000));
    }
    void TearDown() override
    {
        if (parent.m_hWnd)
            parent.DestroyWindow();
    }

    // Adds `count` comments "entry 0", "entry 1", ...
    void AddEntries(int count, int first = 0)
    {
        for (int i = first; i < first + count; ++i) {
            CString text;
            text.Format("entry %d", i);
            ASSERT_GE(list.AddEvent(new CountedEvent(text)), 0);
        }
    }
    CString TextAt(int index) const { return list.GetEvent(index)->GetText(); }

    ParentWnd parent;
    TestTraceList list;
};
}

TEST_F(TraceListTest, AddsEventsAndTellsTheParent)
{
    EXPECT_EQ(0, list.AddEvent(new CountedEvent("first")));
    EXPECT_EQ(1, list.AddEvent(new CountedEvent("second")));
    EXPECT_EQ(2, list.GetCount());
    EXPECT_STREQ("second", TextAt(1));
    EXPECT_TRUE(list.IsModified());
    EXPECT_EQ(2, parent.changes);
    // Each item is one line of the list's font, tmHeight + tmInternalLeading high.
    CClientDC dc(&list);
    HGDIOBJ old = list.GetFont() ? SelectObject(dc, list.GetFont()) : nullptr;
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    if (old)
        SelectObject(dc, old);
    EXPECT_EQ(tm.tmHeight + tm.tmInternalLeading, list.GetItemHeight(1));
    // Created with the owner-drawn, multiple-selection style whatever was asked.
    DWORD style = list.GetStyle();
    EXPECT_TRUE(style & LBS_OWNERDRAWVARIABLE);
    EXPECT_TRUE(style & LBS_MULTIPLESEL);
    EXPECT_FALSE(style & LBS_HASSTRINGS);
}

TEST_F(TraceListTest, NullEventIsRefusedInEveryState)
{
    EXPECT_EQ(-1, list.AddEvent(nullptr));
    list.SetFileName(TempPath("null.log"));
    list.SetDiskModeDirect(TRUE);
    EXPECT_EQ(-1, list.AddEvent(nullptr));
    EXPECT_EQ(0, list.GetCount());

    CTraceList windowless;
    EXPECT_EQ(-1, windowless.AddEvent(nullptr));
    // Without a window the event is freed at once.
    EXPECT_EQ(-1, windowless.AddEvent(new CountedEvent("lost")));
    EXPECT_EQ(0, g_alive);
    DeleteFileA(TempPath("null.log"));
}

TEST_F(TraceListTest, LimitTrimsBelowTheFirstEntryAndCountsWhatWentInAMarker)
{
    list.SetLimit(20);
    AddEntries(20);
    ASSERT_EQ(20, list.GetCount());

    AddEntries(1, 20);
    ASSERT_EQ(20, list.GetCount());
    EXPECT_STREQ("entry 0", TextAt(0));
    EXPECT_STREQ("Entries have been deleted from log (2)", TextAt(1));
    EXPECT_TRUE(list.GetEvent(1)->IsKindOf(RUNTIME_CLASS(TraceFormatComment)));
    EXPECT_STREQ("entry 3", TextAt(2));
    EXPECT_STREQ("entry 20", TextAt(19));

    // The next add drops the old marker and one more entry.
    AddEntries(1, 21);
    ASSERT_EQ(20, list.GetCount());
    EXPECT_STREQ("Entries have been deleted from log (3)", TextAt(1));
    EXPECT_STREQ("entry 4", TextAt(2));
    EXPECT_STREQ("entry 21", TextAt(19));
    // Every dropped event was freed: 19 entries left plus the marker, which is not counted.
    EXPECT_EQ(19, g_alive);
}

TEST_F(TraceListTest, SetLimitKeepsAtLeastTwentyAndNegativeTurnsItOff)
{
    list.SetLimit(5);
    EXPECT_TRUE(list.IsLimitOn());
    EXPECT_EQ(20, list.GetLimit());
    list.SetLimit(150);
    EXPECT_EQ(150, list.GetLimit());
    list.SetLimit(-1);
    EXPECT_FALSE(list.IsLimitOn());
    AddEntries(200);
    EXPECT_EQ(200, list.GetCount());
}

TEST_F(TraceListTest, ApplyingTheLimitDeletesFromTheTopWithoutAMarker)
{
    AddEntries(100);
    list.SetLimit(20);
    list.ApplyLimit(FALSE);
    EXPECT_EQ(100, list.GetCount());
    int before = parent.changes;
    list.ApplyLimit(TRUE);
    EXPECT_EQ(19, list.GetCount());
    EXPECT_STREQ("entry 81", TextAt(0));
    EXPECT_STREQ("entry 99", TextAt(18));
    EXPECT_EQ(19, g_alive);
    EXPECT_EQ(before + 1, parent.changes);
}

TEST_F(TraceListTest, SeparatorKeepsTheHeadAboveIt)
{
    AddEntries(3);
    list.AddSeparator();
    list.SetLimit(20);
    AddEntries(30, 3);
    ASSERT_EQ(20, list.GetCount());
    EXPECT_STREQ("entry 0", TextAt(0));
    EXPECT_STREQ("entry 2", TextAt(2));
    EXPECT_STREQ(CString('=', 64), TextAt(3));
    EXPECT_TRUE(TextAt(4).Find("Entries have been deleted from log") == 0);
    EXPECT_STREQ("entry 32", TextAt(19));
    // A limit too small for the head below the separator is raised.
    list.SetLimit(21);
    EXPECT_EQ(21, list.GetLimit());
}

TEST_F(TraceListTest, ErrorNavigationVisitsErrorsInOrder)
{
    list.AddEvent(new TraceComment(-1, "c0"));          // 0
    list.AddEvent(new TraceError(-1, "e1"));            // 1
    list.AddEvent(new TraceNote(-1, "n2"));             // 2
    list.AddEvent(new TraceData(-1, "d3"));             // 3
    list.AddEvent(new TraceFormatError(-1, "fe%d", 4)); // 4
    list.AddEvent(new TraceComment(-1, "c5"));          // 5
    list.AddEvent(new TraceFormatMessage(-1, 5));       // 6
    list.AddEvent(new TraceComment(-1, "c7"));          // 7

    EXPECT_EQ(1, list.FindNextError(0));
    EXPECT_EQ(-1, list.FindNextError(6));
    EXPECT_EQ(4, list.FindPrevError(6));
    EXPECT_EQ(-1, list.FindPrevError(1));
    EXPECT_EQ(-1, list.FindPrevError(0));

    list.GoFirst();
    std::vector<int> forward;
    while (list.GoNextError()) {
        forward.push_back(list.GetCaretIndex());
        ASSERT_EQ(1, list.GetSelCount());
        ASSERT_GT(list.GetSel(list.GetCaretIndex()), 0);
    }
    EXPECT_EQ((std::vector<int>{ 1, 4, 6 }), forward);
    EXPECT_FALSE(list.CanNextError());
    EXPECT_TRUE(list.CanPrevError());

    std::vector<int> backward;
    while (list.GoPrevError())
        backward.push_back(list.GetCaretIndex());
    EXPECT_EQ((std::vector<int>{ 4, 1 }), backward);
    EXPECT_FALSE(list.CanPrevError());
}

TEST_F(TraceListTest, SaveWritesEveryLineWithOneLineEnd)
{
    CString path = TempPath("save.log");
    list.AddEvent(new TraceComment(5, "Log window created"));
    list.AddEvent(new TraceError(-1, "broken"));
    list.AddEvent(new TraceData(-1, "a\"b\r\n"));
    list.SetFileName(path);
    ASSERT_TRUE(list.Save(TRUE));
    EXPECT_TRUE(list.asked.empty());   // the known file is written without asking
    EXPECT_FALSE(list.IsModified());
    EXPECT_FALSE(list.CanSave());

    std::string expected;
    for (int i = 0; i < 3; ++i)
        expected += std::string((LPCTSTR)list.GetEvent(i)->FormatTraceLine()) + "\r\n";
    EXPECT_EQ(expected, ReadBytes(path));
    EXPECT_NE(std::string::npos, expected.find("| 0005  "));
    EXPECT_NE(std::string::npos, expected.find("a\\\"b\\r\\n\r\n"));

    // Save As asks, even with a known file.
    list.answer = TempPath("save_as.log");
    ASSERT_TRUE(list.Save(FALSE));
    EXPECT_EQ((std::vector<BOOL>{ FALSE }), list.asked);
    EXPECT_EQ(expected, ReadBytes(list.answer));
    EXPECT_STREQ(list.answer, list.GetFileName());
    DeleteFileA(path);
    DeleteFileA(list.answer);
}

TEST_F(TraceListTest, FailedSaveKeepsTheListAndLogsTheSystemError)
{
    AddEntries(2);
    list.SetFileName(TempPath("no_such_folder\\x.log"));
    EXPECT_FALSE(list.Save(TRUE));
    EXPECT_EQ(1, list.errorBoxes);
    EXPECT_TRUE(list.IsModified());
    ASSERT_EQ(3, list.GetCount());
    TraceEvent* added = list.GetEvent(2);
    EXPECT_TRUE(added->IsKindOf(RUNTIME_CLASS(TraceFormatMessage)));
    EXPECT_STREQ(TraceFormatMessage(-1, ERROR_PATH_NOT_FOUND).GetText(), added->GetText());
}

TEST_F(TraceListTest, DiskModeStaysOffWhenTheFileChoiceIsCancelled)
{
    AddEntries(1);
    EXPECT_FALSE(list.SetDiskMode(FALSE));
    EXPECT_TRUE(list.asked.empty());
    EXPECT_FALSE(list.SetDiskMode(TRUE));
    EXPECT_EQ((std::vector<BOOL>{ FALSE }), list.asked);
    EXPECT_FALSE(list.IsDiskMode());
}

TEST_F(TraceListTest, DiskModeWritesTheListThenAppendsEachEventWithOneLineEnd)
{
    CString path = TempPath("disk.log");
    DeleteFileA(path);
    AddEntries(2);
    list.answer = path;
    ASSERT_TRUE(list.SetDiskMode(TRUE));
    EXPECT_TRUE(list.IsDiskMode());
    list.AddEvent(new TraceComment(-1, "appended"));
    list.AddEvent(new TraceData(-1, "two\nlines"));

    std::string expected;
    for (int i = 0; i < list.GetCount(); ++i)
        expected += std::string((LPCTSTR)list.GetEvent(i)->FormatTraceLine()) + "\r\n";
    EXPECT_EQ(expected, ReadBytes(path));
    EXPECT_EQ(std::string::npos, ReadBytes(path).find("\r\r"));

    // Switching off needs no file; switching on again keeps the file.
    EXPECT_TRUE(list.SetDiskMode(FALSE));
    EXPECT_FALSE(list.IsDiskMode());
    DeleteFileA(path);
}

TEST_F(TraceListTest, SelectedLinesAreCopiedInOrderEachEndedByCrLf)
{
    AddEntries(5);
    list.SetSel(3);
    list.SetSel(0);
    list.SetSel(4);
    CString text = list.FormatLines(TRUE);
    CString expected = list.GetEvent(0)->FormatTraceLine() + "\r\n" + list.GetEvent(3)->FormatTraceLine() +
                       "\r\n" + list.GetEvent(4)->FormatTraceLine() + "\r\n";
    EXPECT_STREQ(expected, text);

    EXPECT_TRUE(list.DeleteSelection());
    EXPECT_EQ(2, list.GetCount());
    EXPECT_STREQ("entry 1", TextAt(0));
    EXPECT_STREQ("entry 2", TextAt(1));
    EXPECT_FALSE(list.DeleteSelection());
    EXPECT_EQ(2, g_alive);
}

TEST_F(TraceListTest, ClearingAndDestroyingFreeTheEvents)
{
    AddEntries(10);
    list.ClearAll();
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(0, g_alive);
    EXPECT_FALSE(list.HasItems());

    AddEntries(4);
    EXPECT_EQ(3, list.DeleteString(1));
    EXPECT_EQ(3, g_alive);
    parent.DestroyWindow();
    EXPECT_EQ(0, g_alive);
}

TEST_F(TraceListTest, GoLastAndGoFirstSelectTheEnds)
{
    EXPECT_FALSE(list.CanGoFirst());
    EXPECT_FALSE(list.CanGoLast());
    AddEntries(60);
    list.GoLast();
    EXPECT_EQ(1, list.GetSelCount());
    EXPECT_GT(list.GetSel(59), 0);
    EXPECT_TRUE(list.CanGoFirst());
    list.GoFirst();
    EXPECT_EQ(0, list.GetTopIndex());
    EXPECT_GT(list.GetSel(0), 0);
    EXPECT_FALSE(list.CanGoFirst());
    EXPECT_TRUE(list.CanGoLast());
}

namespace {
// A printer whose pages are only counted, on a memory DC.
class MemoryPrinter : public CPrinter
{
public:
    explicit MemoryPrinter(CDC* dc) : CPrinter(dc) {}
    ~MemoryPrinter() override
    {
        if (m_bDocOpen)
            EndPrinting();
    }

protected:
    int DeviceStartDoc(LPDOCINFO) override { return 1; }
    int DeviceStartPage() override { return 1; }
    int DeviceEndPage() override { return 1; }
    int DeviceEndDoc() override { return 1; }
};

class LineRecordingDC : public CDC
{
public:
    BOOL TextOut(int x, int y, LPCTSTR text, int count) override
    {
        lines.emplace_back(CString(text, count), GetTextColor());
        return CDC::TextOut(x, y, text, count);
    }
    std::vector<std::pair<CString, COLORREF>> lines;
};
}

TEST_F(TraceListTest, PrintingTheSelectionPrintsExactlyTheSelectedLinesInTheirColours)
{
    list.AddEvent(new TraceComment(-1, "c0"));
    list.AddEvent(new TraceError(-1, "e1"));
    list.AddEvent(new TraceData(-1, "d2"));
    list.SetSel(1);
    list.SetSel(2);

    LineRecordingDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    MemoryPrinter printer(&dc);
    ASSERT_TRUE(printer.StartPrinting());
    dc.lines.clear();
    list.PrintLines(printer, TRUE);
    printer.EndPrinting();

    // Each page begins with the header's two texts.
    ASSERT_EQ(4u, dc.lines.size());
    EXPECT_STREQ(list.GetEvent(1)->FormatTraceLine(), dc.lines[2].first);
    EXPECT_EQ(RGB(0x80, 0, 0), dc.lines[2].second);
    EXPECT_STREQ(list.GetEvent(2)->FormatTraceLine(), dc.lines[3].first);
    EXPECT_EQ(RGB(0, 0, 0x80), dc.lines[3].second);
}
