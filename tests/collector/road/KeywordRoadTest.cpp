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

namespace {
const char ProfileKey[] = "Software\\Tarnwick\\Lexifern";

class TestApp : public CLexifernApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }

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
