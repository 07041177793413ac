#include "framework/app/BasedApp.h"

#include "afx/CmdUI.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/Menu.h"
#include "afx/RecentFileList.h"
#include "framework/app/HtmlResource.h"
#include "framework/util/FileFunctions.h"
#include "resources/resource.h"
#include "tests/support/HttpTestServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const char ProfileKey[] = "Software\\Tarnwick\\Lexifern";

// Closes the thread's message box with the given caption and counts how
// many were shown; the boxes are modal, so a thread timer does the closing.
class BoxCloser
{
public:
    explicit BoxCloser(LPCSTR caption) : m_timer(0)
    {
        s_caption = caption;
        s_closed = 0;
        m_timer = ::SetTimer(nullptr, 0, 30, &BoxCloser::Tick);
    }
    ~BoxCloser() { ::KillTimer(nullptr, m_timer); }
    int Closed() const { return s_closed; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), &BoxCloser::CloseIfBox, 0);
    }
    static BOOL CALLBACK CloseIfBox(HWND window, LPARAM)
    {
        char title[256] = "";
        ::GetWindowTextA(window, title, sizeof title);
        if (s_caption == title && ::IsWindowVisible(window)) {
            ++s_closed;
            ::EndDialog(window, IDOK);
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    UINT_PTR m_timer;
    static std::string s_caption;
    static int s_closed;
};
std::string BoxCloser::s_caption;
int BoxCloser::s_closed = 0;

class TestApp : public CBasedApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
    BOOL ChooseBackupFolder(CString& folder) override
    {
        offeredFolder = folder;
        ++folderChoices;
        if (chosenFolder.IsEmpty())
            return FALSE;
        folder = chosenFolder;
        return TRUE;
    }
    void ClearRecentFiles() { OnCmdMsg(ID_CLEAR_RECENT_FILES, CN_COMMAND, nullptr, nullptr); }
    void BackupDocument() { OnCmdMsg(ID_BACKUP_DOCUMENT, CN_COMMAND, nullptr, nullptr); }

    CString chosenFolder;
    CString offeredFolder;
    int folderChoices = 0;
};

class TestDocument : public CDocument
{
public:
    BOOL SaveModified() override
    {
        ++saveQuestions;
        return TRUE;
    }
    int saveQuestions = 0;
};

class TestFrame : public CFrameWnd
{
public:
    CDocument* GetActiveDocument() override { return document; }
    CDocument* document = nullptr;
};

CString TempFolder(LPCSTR name)
{
    char base[MAX_PATH] = "";
    ::GetTempPathA(sizeof base, base);
    CString folder = CString(base) + name + "\\";
    DeleteFolderOrFile(folder.Left(folder.GetLength() - 1));
    ::CreateDirectoryA(folder, nullptr);
    return folder;
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::string ReadBytes(const CString& path)
{
    std::string bytes;
    HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got)
        bytes.append(buffer, got);
    ::CloseHandle(file);
    return bytes;
}

std::vector<std::string> MenuTexts(HMENU menu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[256] = "";
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const bool grayed = (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0;
        texts.push_back(std::string(text) + (grayed ? " (grayed)" : ""));
    }
    return texts;
}

class ServicesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        app->SetRegistryKey("Tarnwick");
    }
    void TearDown() override
    {
        app->m_pMainWnd = nullptr;
        delete app;
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
    }
    TestApp* app = nullptr;
};
} // namespace

TEST_F(ServicesTest, RecentFilesMenuListsEscapedNamesAndClearingLeavesTheFirstTextDisabled)
{
    app->LoadStdProfileSettings(4);
    ASSERT_NE(nullptr, app->m_pRecentFileList);
    app->AddToRecentFileList("C:\\work\\one.lxf");
    app->AddToRecentFileList("C:\\work\\Salt & Pepper.lxf");

    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    ::AppendMenuA(menu, MF_STRING, ID_CLEAR_RECENT_FILES, "Clear recent files");
    AfxUpdateMenuPopup(app, menu, TRUE);
    // The display name may be the full path (the current folder is not C:\work).
    std::vector<std::string> texts = MenuTexts(menu);
    ASSERT_EQ(3u, texts.size());
    EXPECT_NE(std::string::npos, texts[0].find("Salt && Pepper.lxf"));
    EXPECT_EQ("&1 ", texts[0].substr(0, 3));
    EXPECT_EQ("&2 ", texts[1].substr(0, 3));
    EXPECT_EQ("Clear recent files", texts[2]);   // its empty update handler keeps it enabled

    // The list survives in the profile and comes back in order.
    app->m_pRecentFileList->WriteList();
    CRecentFileList reread(0, "Recent File List", "File%d", 4);
    reread.ReadList();
    EXPECT_STREQ("C:\\work\\Salt & Pepper.lxf", reread[0]);
    EXPECT_STREQ("C:\\work\\one.lxf", reread[1]);
    EXPECT_TRUE(reread[2].IsEmpty());

    app->ClearRecentFiles();
    for (int i = 0; i < app->m_pRecentFileList->GetSize(); ++i)
        EXPECT_TRUE((*app->m_pRecentFileList)[i].IsEmpty()) << i;
    AfxUpdateMenuPopup(app, menu, TRUE);
    texts = MenuTexts(menu);
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("Recent File (grayed)", texts[0]);
    EXPECT_EQ("Clear recent files", texts[1]);

    // Cleared in the profile too once the list is written.
    app->m_pRecentFileList->WriteList();
    EXPECT_TRUE(app->GetProfileString("Recent File List", "File1", "").IsEmpty());
    ::DestroyMenu(menu);
}

TEST_F(ServicesTest, RecentFilesMenuWithoutAListIsDisabled)
{
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    AfxUpdateMenuPopup(app, menu, FALSE);
    EXPECT_EQ(std::vector<std::string>{ "Recent File (grayed)" }, MenuTexts(menu));
    app->ClearRecentFiles();   // nothing to clear, nothing breaks
    ::DestroyMenu(menu);
}

TEST_F(ServicesTest, BackupCopiesTheSavedDocumentAndOverwritesAnOlderCopy)
{
    const CString source = TempFolder("lexifern_backup_src");
    const CString target = TempFolder("lexifern_backup_dst");
    WriteBytes(source + "basket.lxf", "first");

    TestDocument document;
    document.SetPathName(source + "basket.lxf", FALSE);
    TestFrame frame;
    frame.document = &document;
    app->m_pMainWnd = &frame;
    app->chosenFolder = target.Left(target.GetLength() - 1);   // as the chooser gives it

    app->BackupDocument();
    EXPECT_EQ(app->GetAppFolder(), app->offeredFolder);   // the default: the program folder
    EXPECT_EQ(1, document.saveQuestions);
    EXPECT_EQ("first", ReadBytes(target + "basket.lxf"));
    EXPECT_EQ(app->chosenFolder, app->GetProfileString("CommonSettings", "BackupFolder", ""));

    WriteBytes(source + "basket.lxf", "second, longer");
    app->BackupDocument();
    EXPECT_EQ(app->chosenFolder, app->offeredFolder);   // the folder chosen last time
    EXPECT_EQ("second, longer", ReadBytes(target + "basket.lxf"));

    // A cancelled choice changes nothing.
    app->chosenFolder.Empty();
    WriteBytes(source + "basket.lxf", "third");
    app->BackupDocument();
    EXPECT_EQ(2, document.saveQuestions);
    EXPECT_EQ("second, longer", ReadBytes(target + "basket.lxf"));

    DeleteFolderOrFile(source.Left(source.GetLength() - 1));
    DeleteFolderOrFile(target.Left(target.GetLength() - 1));
}

TEST_F(ServicesTest, BackupOfAnUnsavedDocumentOnlyWarns)
{
    TestDocument document;
    TestFrame frame;
    frame.document = &document;
    app->m_pMainWnd = &frame;
    app->chosenFolder = "C:\\";
    BoxCloser closer("Warning");
    app->BackupDocument();
    EXPECT_EQ(1, closer.Closed());
    EXPECT_EQ(0, app->folderChoices);
    EXPECT_EQ(0, document.saveQuestions);

    // Without any document nothing happens at all.
    frame.document = nullptr;
    app->BackupDocument();
    EXPECT_EQ(1, closer.Closed());
    EXPECT_EQ(0, app->folderChoices);
}

TEST_F(ServicesTest, DownloadSendsOneGetAndReturnsTheBody)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Start());
    server.Enqueue(HttpTestServer::Response::Ok("line one\r\n\xcf\xf0\xe8\xe2\xe5\xf2"));
    const CString url = server.Url("/files/list.txt?x=1").c_str();
    EXPECT_EQ(CString("line one\r\n\xcf\xf0\xe8\xe2\xe5\xf2"), app->DownloadUrl(url, ""));

    ASSERT_EQ(1u, server.RequestCount());
    const HttpTestServer::Request request = server.Requests()[0];
    EXPECT_EQ("GET /files/list.txt?x=1 HTTP/1.1", request.requestLine);
    EXPECT_EQ(std::string(app->GetProgramPath()), request.HeaderValue("User-Agent"));
    EXPECT_EQ(std::string(app->GetWebSite()), request.HeaderValue("Referer"));
}

TEST_F(ServicesTest, DownloadThroughAFileGivesTheSameTextAndRemovesTheFile)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Start());
    server.Enqueue(HttpTestServer::Response::Ok("a\r\nb\nc"));
    const CString file = TempFolder("lexifern_download") + "answer.txt";
    EXPECT_EQ(CString("a\r\nb\nc"), app->DownloadUrl(server.Url("/a").c_str(), file));
    EXPECT_FALSE(IsFileExisting(file));
}

TEST_F(ServicesTest, DownloadFailuresAreThrownAsText)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Start());
    const CString url = server.Url("/missing").c_str();
    auto failure = [&]() -> CString {
        try {
            app->DownloadUrl(url, "");
        } catch (CString& text) {
            return text;
        }
        return "<no failure>";
    };

    server.Enqueue(HttpTestServer::Response::Status(404, "gone"));
    EXPECT_EQ("Error 404 on " + url, failure());
    // Any error page is a failure, not the resource's text.
    server.Enqueue(HttpTestServer::Response::Status(500, "broken"));
    EXPECT_EQ("Error 500 on " + url, failure());
    // A server that hangs up without answering loaded nothing.
    server.Enqueue(HttpTestServer::Response::Dropped());
    EXPECT_EQ("Can't load " + url, failure());
    server.Stop();
    EXPECT_EQ("Can't load " + url, failure());
}

TEST_F(ServicesTest, DownloadIsBoundedToTheBuffer)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Start());
    server.Enqueue(HttpTestServer::Response::Ok(std::string(10500000, 'x')));
    const CString text = app->DownloadUrl(server.Url("/big").c_str(), "");
    EXPECT_GE(text.GetLength(), 9998001);
    EXPECT_LE(text.GetLength(), 9999000);
}

TEST_F(ServicesTest, TextFilesInBothModes)
{
    const CString folder = TempFolder("lexifern_textfiles");
    const CString text = "\xcf\xf0\xe8\xe2\xe5\xf2\nline two";

    ASSERT_TRUE(app->WriteTextFile(folder + "raw.txt", text, TRUE));
    EXPECT_EQ(std::string(text), ReadBytes(folder + "raw.txt"));
    EXPECT_EQ(text, app->LoadTextFile(folder + "raw.txt", TRUE));

    ASSERT_TRUE(app->WriteTextFile(folder + "text.txt", text, FALSE));
    EXPECT_EQ("\xcf\xf0\xe8\xe2\xe5\xf2\r\nline two", ReadBytes(folder + "text.txt"));
    EXPECT_EQ(CString("\xcf\xf0\xe8\xe2\xe5\xf2\r\nline two\r\n"), app->LoadTextFile(folder + "text.txt", FALSE));

    // Rewriting truncates.
    ASSERT_TRUE(app->WriteTextFile(folder + "raw.txt", "x", TRUE));
    EXPECT_EQ("x", ReadBytes(folder + "raw.txt"));

    for (BOOL handle : { TRUE, FALSE }) {
        EXPECT_FALSE(app->WriteTextFile(folder + "no\\such\\folder.txt", text, handle)) << handle;
        EXPECT_TRUE(app->LoadTextFile(folder + "missing.txt", handle).IsEmpty()) << handle;
    }
    DeleteFolderOrFile(folder.Left(folder.GetLength() - 1));
}

TEST_F(ServicesTest, NextFolderNumberFollowsTheHighestNumberedFolder)
{
    const CString folder = TempFolder("lexifern_numbered");
    CString next;
    ASSERT_TRUE(app->GetNextFolderNumber(folder, next));
    EXPECT_EQ("00000", next);

    // Made out of order, and with a file whose name is a larger number.
    ::CreateDirectoryA(folder + "00002", nullptr);
    ::CreateDirectoryA(folder + "00001", nullptr);
    WriteBytes(folder + "00009", "not a folder");
    ASSERT_TRUE(app->GetNextFolderNumber(folder, next));
    EXPECT_EQ("00003", next);

    // The trailing backslash is optional; numbers grow past five digits.
    ::CreateDirectoryA(folder + "123456", nullptr);
    ASSERT_TRUE(app->GetNextFolderNumber(folder.Left(folder.GetLength() - 1), next));
    EXPECT_EQ("123457", next);

    next = "unchanged";
    EXPECT_FALSE(app->GetNextFolderNumber(folder + "00009", next));
    EXPECT_FALSE(app->GetNextFolderNumber(folder + "absent\\", next));
    EXPECT_EQ("unchanged", next);
    DeleteFolderOrFile(folder.Left(folder.GetLength() - 1));
}

namespace {
struct CopyDataSeen
{
    HWND from = nullptr;
    ULONG_PTR kind = 0;
    std::string bytes;
    int count = 0;
};
CopyDataSeen g_seen;
LRESULT g_answer = 0;

LRESULT CALLBACK FamilyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        g_seen.from = reinterpret_cast<HWND>(wParam);
        g_seen.kind = data->dwData;
        g_seen.bytes.assign(static_cast<const char*>(data->lpData), data->cbData);
        ++g_seen.count;
        return g_answer;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateFamilyWindow(LPCSTR title, bool visible)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FamilyWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "LexifernFamilyTestWindow";
    ::RegisterClassA(&wc);
    return ::CreateWindowA(wc.lpszClassName, title, WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 50, 50, nullptr,
                           nullptr, wc.hInstance, nullptr);
}
} // namespace

TEST_F(ServicesTest, TextGoesToTheFamilyWindowThatTakesIt)
{
    g_seen = CopyDataSeen();
    g_answer = 5;
    HWND hidden = CreateFamilyWindow("Pellucine hidden", false);
    HWND shown = CreateFamilyWindow("My Pellucine 2", true);
    ASSERT_NE(nullptr, shown);

    BoxCloser closer("Launch Pellucine, please");
    app->SendToPellucine("\xea\xeb\xfe\xf7 words");
    EXPECT_EQ(0, closer.Closed());
    ASSERT_EQ(1, g_seen.count);   // the hidden one is passed over
    EXPECT_EQ(1u, g_seen.kind);
    EXPECT_EQ(std::string("\xea\xeb\xfe\xf7 words", 11), g_seen.bytes);   // with its terminating zero

    // A window that does not answer 5 did not take it: the user is told once.
    g_answer = 0;
    app->SendToPellucine("again");
    EXPECT_EQ(2, g_seen.count);
    EXPECT_EQ(1, closer.Closed());
    ::DestroyWindow(shown);
    ::DestroyWindow(hidden);
}

TEST_F(ServicesTest, LogLinesAreAppendedWithTheTime)
{
    const CString name = "lexifern_services_test.log";
    const CString path = app->GetAppFolder() + name;
    ::DeleteFileA(path);
    app->WriteLogLine("first", name);
    app->WriteLogLine("\xe2\xf2\xee\xf0\xe0\xff", name);
    const std::string text = ReadBytes(path);
    const size_t firstEnd = text.find("> first\r\n");
    ASSERT_NE(std::string::npos, firstEnd);
    EXPECT_GT(firstEnd, 0u);   // the date and time come first
    EXPECT_EQ(text.size() - 10, text.find("> \xe2\xf2\xee\xf0\xe0\xff\r\n"));
    ::DeleteFileA(path);

    // A file that cannot be opened is thrown as text.
    EXPECT_THROW(app->WriteLogLine("x", "no\\such\\folder.log"), CString);
}

TEST(HtmlResource, PagesComeBackAsTextAndMissingOnesEmpty)
{
    EXPECT_EQ(CString("<html><b>page</b></html>"), LoadHtmlResource(9201));
    EXPECT_TRUE(LoadHtmlResource(9299).IsEmpty());
}
