// The whole keyword road in the running program: a typed keyword goes to a
// local suggestion service, the list fills with its suggestions and counts,
// and checking rows keeps the Basket box, "Basket.txt" in the program folder
// and the view's keyword array in agreement byte for byte.
#include "collector/LexifernApp.h"
#include "collector/LexifernView.h"
#include "collector/MainFrame.h"
#include "resources/resource.h"
#include "tests/support/HttpTestServer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
const char ProfileKey[] = "Software\\Tarnwick\\Lexifern";

class TestApp : public CLexifernApp
{
public:
    int DoMessageBox(LPCTSTR text, UINT, UINT) override
    {
        messages.push_back(text);
        return IDOK;
    }
    std::vector<CString> messages;

protected:
    // The real splash stays two seconds.
    void ShowSplash() override {}
    BOOL RunTipOfTheDay(BOOL) override { return TRUE; }
};

std::string ReadFile(const CString& path)
{
    std::ifstream in(static_cast<LPCTSTR>(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the UI thread's messages until the condition holds or the time is up.
template <typename Condition>
bool PumpUntil(Condition done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    return true;
}

class KeywordRoadTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start());
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Tarnwick\\Lexifern\\Settings", &key));
        CString host;
        host.Format("127.0.0.1:%u", static_cast<unsigned>(server.Port()));
        RegSetValueExA(key, "Suggestion Host", 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<LPCTSTR>(host)),
                       static_cast<DWORD>(host.GetLength() + 1));
        RegCloseKey(key);

        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        basketPath = app->GetAppFolder() + "Basket.txt";
        DeleteFileA(basketPath);
    }

    void TearDown() override
    {
        if (app->m_pMainWnd && app->m_pMainWnd->GetSafeHwnd())
            app->m_pMainWnd->DestroyWindow();
        app->ExitInstance();
        delete app;
        DeleteFileA(basketPath);
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        server.Stop();
    }

    // Starts the program; its main view, or nullptr.
    CLexifernView* StartProgram() { return app->InitInstance() ? GetMainView() : nullptr; }

    // The Basket as the box, the file and the keyword array hold it.
    void ExpectBasket(const std::string& text, const std::string& keywords)
    {
        CLexifernView* view = GetMainView();
        CString box;
        view->m_wndBasket.GetWindowText(box);
        EXPECT_EQ(text, static_cast<LPCTSTR>(box));
        EXPECT_EQ(text, ReadFile(basketPath));
        std::string joined;
        for (int i = 0; i < view->m_arrKeywords.GetSize(); ++i)
            joined += std::string(i ? "|" : "") + static_cast<LPCTSTR>(view->m_arrKeywords[i]);
        EXPECT_EQ(keywords, joined);
    }

    HttpTestServer server;
    TestApp* app = nullptr;
    CString basketPath;
};
}

TEST_F(KeywordRoadTest, TypedKeywordFillsTheListAndCheckedRowsReachTheBasketFile)
{
    // The service's shape: the keyword, then [suggestion, count, rank] triples.
    server.Enqueue(HttpTestServer::Response::Ok(
        "[\"\xD0\xBC\xD0\xB0\",[[\"\xD0\xBC\xD0\xB0\xD0\xBC\xD0\xB0\",\"1&nbsp;234 results\",\"0\"],"
        "[\"\xD0\xBC\xD0\xB0\xD0\xBA\",\"12 results\",\"1\"]]]"));
    ASSERT_TRUE(app->InitInstance());
    CLexifernView* view = GetMainView();
    ASSERT_TRUE(view);

    // Typing "МА" (1251 bytes): the box reports the edit, the request follows.
    view->m_wndKeyword.SetWindowText("\xCC\xC0");
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KEYWORD, CBN_EDITCHANGE),
                      reinterpret_cast<LPARAM>(view->m_wndKeyword.GetSafeHwnd()));
    ASSERT_TRUE(PumpUntil([&] { return view->m_wndList.GetItemCount() == 2 && view->GetBusyRequests() == 0; },
                          15000));
    ASSERT_EQ(1u, server.RequestCount());
    EXPECT_EQ("/complete/search?hl=en&client=suggest&js=false&q=%D0%BC%D0%B0&cp=2", server.Requests()[0].target);
    EXPECT_EQ("Suggest", server.Requests()[0].HeaderValue("User-Agent"));

    // The service's а comes back as the Latin a the Baskets were written with.
    EXPECT_EQ("\xEC" "a\xEC" "a", view->m_wndList.GetItemText(0, 0));
    EXPECT_EQ("1234", view->m_wndList.GetItemText(0, 1));
    EXPECT_EQ("\xEC" "a\xEA", view->m_wndList.GetItemText(1, 0));
    EXPECT_EQ("12", view->m_wndList.GetItemText(1, 1));
    EXPECT_EQ(100, view->m_wndProgress.GetPos());

    view->m_wndList.SetCheck(0, TRUE);
    ExpectBasket("\xEC" "a\xEC" "a", "\xEC" "a\xEC" "a");
    view->m_wndList.SetCheck(1, TRUE);
    ExpectBasket("\xEC" "a\xEA\r\n\xEC" "a\xEC" "a", "\xEC" "a\xEA|\xEC" "a\xEC" "a");
    view->m_wndList.SetCheck(0, FALSE);
    ExpectBasket("\xEC" "a\xEA", "\xEC" "a\xEA");
    view->m_wndList.SetCheck(1, FALSE);
    ExpectBasket("", "");
}

namespace {
// A keyword of length characters: Latin b, or Cyrillic б (1251 byte 0xE1).
CString LongKeyword(int length, bool cyrillic)
{
    return CString(cyrillic ? '\xE1' : 'b', length);
}

CString KeywordBoxText(CLexifernView* view)
{
    CString text;
    view->m_wndKeyword.GetWindowText(text);
    return text;
}

CString HistoryItem(CLexifernView* view, int index)
{
    CString text;
    view->m_wndKeyword.GetLBText(index, text);
    return text;
}
} // namespace

// Long keywords once overran a fixed buffer when the history read its lines
// back (the crash came at about 550 characters), through Go, Enter and the
// list; they must all go through whole and survive a restart.
TEST_F(KeywordRoadTest, LongKeywordsGoThroughGoEnterTheHistoryAndARestart)
{
    server.SetHandler([](const HttpTestServer::Request&) { return HttpTestServer::Response::Ok("[[]]"); });
    CLexifernView* view = StartProgram();
    ASSERT_TRUE(view);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(view->m_wndKeyword.GetSafeHwnd(), &info));

    CString last;
    int pressed = 0;
    for (int length : { 519, 520, 550, 1000, 10000, 100000 }) {
        for (bool cyrillic : { false, true }) {
            const CString keyword = LongKeyword(length, cyrillic);
            view->m_wndKeyword.SetWindowText(keyword);
            ASSERT_EQ(keyword, KeywordBoxText(view)) << length;
            // Go and Enter take turns.
            if (pressed++ % 2 == 0) {
                view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GO, BN_CLICKED), 0);
            } else {
                MSG enter = {};
                enter.hwnd = info.hwndItem;
                enter.message = WM_KEYDOWN;
                enter.wParam = VK_RETURN;
                EXPECT_TRUE(view->PreTranslateMessage(&enter));
            }
            ASSERT_TRUE(PumpUntil([&] { return view->GetBusyRequests() == 0; }, 60000)) << length;
            EXPECT_EQ(keyword, HistoryItem(view, 0)) << length << " " << cyrillic;
            EXPECT_EQ(keyword, KeywordBoxText(view)) << length;
            last = keyword;
        }
    }
    // The request carries the whole keyword (the longest are left to the
    // service's own limits on a request line).
    std::string escaped;
    for (int i = 0; i < 1000; ++i)
        escaped += "%D0%B1";
    bool sawLongCyrillic = false;
    for (const HttpTestServer::Request& request : server.Requests())
        if (request.target.find("q=" + escaped + "&cp=1000") != std::string::npos)
            sawLongCyrillic = true;
    EXPECT_TRUE(sawLongCyrillic);

    // A restart shows the last keyword and keeps the history.
    app->m_pMainWnd->DestroyWindow();
    app->ExitInstance();
    delete app;
    app = new TestApp;
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    ASSERT_TRUE(app->InitInstance());
    view = GetMainView();
    ASSERT_TRUE(view);
    EXPECT_EQ(last, KeywordBoxText(view));
    ASSERT_GT(view->m_wndKeyword.GetCount(), 0);
    EXPECT_EQ(last, HistoryItem(view, 0));
    EXPECT_EQ(LongKeyword(10000, true), HistoryItem(view, 2));
}

// A suggestion of the longest length the answer keeps (999 bytes) goes into
// the keyword box when its row is chosen and starts a request when the row is
// double-clicked.
TEST_F(KeywordRoadTest, LongestSuggestionChosenThenDoubleClicked)
{
    const std::string longest(999, 'b');
    server.Enqueue(HttpTestServer::Response::Ok("[\"b\",[[\"" + longest + "\",\"5 results\",\"0\"]]]"));
    server.SetHandler([](const HttpTestServer::Request&) { return HttpTestServer::Response::Ok("[[]]"); });
    CLexifernView* view = StartProgram();
    ASSERT_TRUE(view);
    view->m_wndKeyword.SetWindowText("b");
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GO, BN_CLICKED), 0);
    ASSERT_TRUE(PumpUntil([&] { return view->m_wndList.GetItemCount() == 1 && view->GetBusyRequests() == 0; },
                          15000));
    view->m_wndList.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(longest.c_str(), KeywordBoxText(view));

    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = view->m_wndList.GetSafeHwnd();
    click.hdr.idFrom = IDC_SUGGESTIONS;
    click.hdr.code = NM_DBLCLK;
    click.iItem = 0;
    view->SendMessage(WM_NOTIFY, IDC_SUGGESTIONS, reinterpret_cast<LPARAM>(&click));
    ASSERT_TRUE(PumpUntil([&] { return server.RequestCount() == 2 && view->GetBusyRequests() == 0; }, 15000));
    EXPECT_NE(std::string::npos, server.Requests()[1].target.find("q=" + longest + "&cp=999"));
    EXPECT_EQ(longest.c_str(), HistoryItem(view, 0));
}

namespace {
void WriteSetting(const char* name, const CString& value)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Tarnwick\\Lexifern\\Settings", &key));
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<LPCTSTR>(value)),
                   static_cast<DWORD>(value.GetLength() + 1));
    RegCloseKey(key);
}

void WriteSetting(const char* name, DWORD value)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Tarnwick\\Lexifern\\Settings", &key));
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// Presses Go with the keyword and waits until the busy state has ended.
bool Search(CLexifernView* view, const char* keyword, DWORD timeoutMs)
{
    view->m_wndKeyword.SetWindowText(keyword);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GO, BN_CLICKED), 0);
    return PumpUntil([&] { return !view->IsRequestArmed() && view->GetBusyRequests() == 0; }, timeoutMs);
}

CString StatusText()
{
    CString text;
    if (CWnd* bar = AfxGetMainWnd()->GetDlgItem(AFX_IDW_STATUS_BAR))
        bar->GetWindowText(text);
    return text;
}
} // namespace

// A setting that names no service sends nothing, says which setting holds
// what, and ends the busy state.
TEST_F(KeywordRoadTest, BadHostSettingSendsNoRequestAndNamesTheSetting)
{
    server.SetHandler([](const HttpTestServer::Request&) { return HttpTestServer::Response::Ok("[[]]"); });
    CLexifernView* view = StartProgram();
    ASSERT_TRUE(view);
    CString port;
    port.Format("%u", static_cast<unsigned>(server.Port()));
    for (const CString& bad : { CString(""), CString(":::"), CString("127.0.0.1:99999"), "http://127.0.0.1:" + port,
                                "127.0.0.1:" + port + "/evil?x=" }) {
        app->messages.clear();
        WriteSetting("Suggestion Host", bad);
        ASSERT_TRUE(Search(view, "alpha", 5000)) << (LPCTSTR)bad;
        ASSERT_EQ(1u, app->messages.size()) << (LPCTSTR)bad;
        EXPECT_NE(-1, app->messages[0].Find("\"Suggestion Host\"")) << (LPCTSTR)app->messages[0];
        EXPECT_NE(-1, app->messages[0].Find("\"" + bad + "\"")) << (LPCTSTR)app->messages[0];
    }
    EXPECT_EQ(0u, server.RequestCount());
}

// A service that accepts and never answers ends, after the ten attempts, in
// the usual message, and the busy state ends with it.
TEST_F(KeywordRoadTest, SilentServiceEndsInTheConnectionMessage)
{
    server.SetHandler([](const HttpTestServer::Request&) {
        HttpTestServer::Response silent = HttpTestServer::Response::Ok("[[]]");
        silent.delayMs = 600000;
        return silent;
    });
    WriteSetting("Suggestion Timeout", 150);
    CLexifernView* view = StartProgram();
    ASSERT_TRUE(view);
    ASSERT_TRUE(Search(view, "alpha", 30000));
    EXPECT_EQ(10u, server.RequestCount());
    ASSERT_EQ(1u, app->messages.size());
    EXPECT_EQ("Connection with Brellum notn stable !", app->messages[0]);
    EXPECT_EQ(100, view->m_wndProgress.GetPos());
}

// Answers the parser can make nothing of leave the list empty and say so in
// the status bar; the next good answer takes the word back.
TEST_F(KeywordRoadTest, UnreadableAnswersSayTheyHeldNoSuggestions)
{
    std::string cut = "[\"a\",[[\"" + std::string(998990, 'x');
    HttpTestServer::Response unterminated = HttpTestServer::Response::Ok("[\"a\",[[\"abc\",\"1 result\",\"0\"]");
    for (const HttpTestServer::Response& answer :
         { HttpTestServer::Response::Ok("\x01\x02garbage\xFF"),
           HttpTestServer::Response::Status(503, "<html><body><h1>Service Unavailable</h1></body></html>"),
           HttpTestServer::Response::Ok(cut + "\",\"1\",\"0\"]]]"), unterminated })
        server.Enqueue(answer);
    server.Enqueue(HttpTestServer::Response::Ok("[\"a\",[[\"abc\",\"1 result\",\"0\"]]]"));
    CLexifernView* view = StartProgram();
    ASSERT_TRUE(view);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(Search(view, "alpha", 15000)) << i;
        EXPECT_EQ(0, view->m_wndList.GetItemCount()) << i;
        EXPECT_EQ("The suggestion service's answer held no suggestions.", StatusText()) << i;
    }
    ASSERT_TRUE(Search(view, "alpha", 15000));
    EXPECT_EQ(1, view->m_wndList.GetItemCount());
    EXPECT_EQ("Ready", StatusText());
    EXPECT_TRUE(app->messages.empty());
}
