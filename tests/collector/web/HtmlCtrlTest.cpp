// The web pane in a window: what it does with links, how it fails where no
// page can be shown (this platform's browser has no engine), and that its
// page operations then report failure without harm.
#include "collector/HtmlCtrl.h"
#include "collector/BrowserHostSite.h"
#include "collector/WebPaneLinks.h"
#include "afx/OleInit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Tests stay off the network: an address on this machine where nothing
// listens. Not one of the fixed pages, so the pane hands it to the shell
// (recorded) and no page ever arrives.
const char LocalPage[] = "http://127.0.0.1:1/start.html";

class RecordingPane : public CHtmlCtrl
{
public:
    std::vector<CString> shellOpened;
    std::vector<CString> commands;
    HRESULT createResult = S_OK;   // anything else: the browser cannot be made

protected:
    void OpenInShell(LPCTSTR url) override { shellOpened.push_back(url); }
    void OnAppCommand(LPCTSTR command) override { commands.push_back(command); }
    HRESULT CreateBrowserObject(IOleObject** object) override
    {
        if (FAILED(createResult)) {
            *object = nullptr;
            return createResult;
        }
        return CHtmlCtrl::CreateBrowserObject(object);
    }
};

void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

// Pumps until done() or the time is up; true when done.
template <class Done>
bool PumpUntil(DWORD ms, Done done)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (done())
            return true;
        Pump(20);
    }
    return done();
}

// Whether anything but the window colour is painted in the top strip.
bool HasInk(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(hwnd, &client);
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    const COLORREF background = GetPixel(memory, client.right - 2, client.bottom - 2);
    bool ink = false;
    for (int y = 0; y < 40 && y < client.bottom && !ink; ++y)
        for (int x = 0; x < client.right && !ink; ++x)
            ink = GetPixel(memory, x, y) != background;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
    return ink;
}

class WebPaneTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "web pane test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                                    nullptr, nullptr));
    }
    void TearDown() override
    {
        if (parent.GetSafeHwnd())
            parent.DestroyWindow();
    }
    BOOL CreatePane(RecordingPane& pane)
    {
        return pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 450, 90), &parent, 1319,
                           nullptr, TRUE, TRUE);
    }

    CWnd parent;
};
} // namespace

TEST_F(WebPaneTest, ApplicationLinksBecomeCommandsAndNeverReachTheShell)
{
    RecordingPane pane;
    BOOL cancel = FALSE;
    pane.OnBeforeNavigate2("APP:2", &cancel);
    EXPECT_TRUE(cancel);
    cancel = FALSE;
    pane.OnBeforeNavigate2("app:9", &cancel);
    EXPECT_TRUE(cancel);
    cancel = FALSE;
    pane.OnBeforeNavigate2("app:", &cancel);
    EXPECT_TRUE(cancel);
    ASSERT_EQ(1u, pane.commands.size());
    EXPECT_STREQ("2", pane.commands[0]);
    EXPECT_STREQ("app:", pane.GetLastAppLink());
    EXPECT_TRUE(pane.shellOpened.empty());
}

TEST_F(WebPaneTest, OtherPagesGoToTheUsersBrowserAndTheFixedOnesLoadInThePane)
{
    RecordingPane pane;
    BOOL cancel = FALSE;
    pane.OnBeforeNavigate2("http://www.example.org/elsewhere", &cancel);
    EXPECT_TRUE(cancel);
    cancel = FALSE;
    pane.OnBeforeNavigate2(GetWebPanePage(0) + "?from=pane", &cancel);
    EXPECT_TRUE(cancel);
    cancel = FALSE;
    pane.OnBeforeNavigate2(GetWebPanePage(2), &cancel);
    EXPECT_FALSE(cancel);
    ASSERT_EQ(2u, pane.shellOpened.size());
    EXPECT_STREQ("http://www.example.org/elsewhere", pane.shellOpened[0]);
    EXPECT_STREQ(GetWebPanePage(0) + "?from=pane", pane.shellOpened[1]);

    // The browser's own error page never replaces the pane's page.
    cancel = FALSE;
    pane.OnNavigateError(GetWebPanePage(1), &cancel);
    EXPECT_TRUE(cancel);
}

TEST_F(WebPaneTest, WithoutAPageEngineThePaneSaysSoWithinTheWaitAndGoesQuietly)
{
    RecordingPane pane;
    // Here the browser object is made and placed, but can never show a page.
    const BOOL created = CreatePane(pane);
    ASSERT_TRUE(IsWindow(pane.GetSafeHwnd()));
    EXPECT_EQ(1319, GetDlgCtrlID(pane.GetSafeHwnd()));
    if (created) {
        EXPECT_NE(nullptr, pane.GetBrowser());
    }
    pane.Navigate2(LocalPage);
    EXPECT_STREQ(LocalPage, pane.GetLocationURL());

    // The wait is bounded: a few seconds, never a hang.
    ASSERT_TRUE(PumpUntil(8000, [&] { return pane.IsShowingFallback() != FALSE; }));
    EXPECT_GE(pane.GetFallbackText().Find(LocalPage), 0);
    EXPECT_TRUE(IsWindowVisible(pane.GetSafeHwnd()));
    // The browser's own (blank) window no longer covers the message.
    for (HWND child = GetWindow(pane.GetSafeHwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(HasInk(pane.GetSafeHwnd()));

    // Resizing keeps the message; destroying the parent takes the pane and
    // its browser away, and the object outlives its window harmlessly.
    pane.SetWindowPos(nullptr, 0, 0, 300, 120, SWP_NOZORDER | SWP_NOMOVE);
    Pump(50);
    EXPECT_TRUE(pane.IsShowingFallback());
    parent.DestroyWindow();
    EXPECT_EQ(nullptr, pane.GetBrowser());
    EXPECT_EQ(nullptr, pane.GetHostHandlers());
}

TEST_F(WebPaneTest, APaneWhoseBrowserCannotBeMadeShowsItsMessageAtOnce)
{
    RecordingPane pane;
    pane.createResult = REGDB_E_CLASSNOTREG;
    EXPECT_FALSE(CreatePane(pane));
    ASSERT_TRUE(IsWindow(pane.GetSafeHwnd()));
    EXPECT_TRUE(pane.IsShowingFallback());
    EXPECT_EQ(nullptr, pane.GetBrowser());
    EXPECT_TRUE(HasInk(pane.GetSafeHwnd()));

    pane.Navigate2(GetWebPanePage(1));
    EXPECT_TRUE(pane.IsShowingFallback());
    EXPECT_GE(pane.GetFallbackText().Find(GetWebPanePage(1)), 0);
}

TEST_F(WebPaneTest, PageOperationsReportFailureWhenThereIsNoPage)
{
    for (HRESULT make : { S_OK, REGDB_E_CLASSNOTREG }) {
        RecordingPane pane;
        pane.createResult = make;
        CreatePane(pane);
        pane.Navigate2(LocalPage);
        CString value("kept");
        EXPECT_FALSE(pane.GetInputValue("q", value));
        EXPECT_FALSE(pane.GetTextAreaValue("q", value));
        EXPECT_STREQ("kept", value);
        EXPECT_FALSE(pane.SetInputValue("q", "x"));
        EXPECT_FALSE(pane.SetTextAreaValue("q", "x"));
        EXPECT_FALSE(pane.HasInputElement("q"));
        EXPECT_FALSE(pane.HasElement("q"));
        // The browser itself as the frame to search: no document there either.
        EXPECT_FALSE(pane.HasElement("q", pane.GetBrowser()));
        EXPECT_FALSE(pane.HasInputElementInFrames("q"));
        EXPECT_FALSE(pane.HasElementInFrames("q"));
        EXPECT_FALSE(pane.SetInputValueInFrames("q", "x"));
        EXPECT_FALSE(pane.SetTextAreaValueInFrames("q", "x"));
        CStringArray links;
        links.Add("stale");
        EXPECT_FALSE(pane.FindLinks("", links));
        EXPECT_EQ(0, links.GetSize());
        EXPECT_FALSE(pane.SetTextInputByIndex(0, "x"));
        EXPECT_FALSE(pane.SetTextAreaByIndex(0, "x"));
        EXPECT_FALSE(pane.SelectByIndex(0, 1));
        EXPECT_FALSE(pane.SelectByName("list", nullptr, 1));
        EXPECT_FALSE(pane.SelectByValue("list", nullptr, "a"));
        EXPECT_FALSE(pane.PressSubmitByIndex(0));
        EXPECT_FALSE(pane.ClickLinkByIndex(0));
        EXPECT_FALSE(pane.ClickLinkByHref("", FALSE));
        EXPECT_FALSE(pane.ClickLinkByText("", FALSE));
        EXPECT_FALSE(pane.HasLinkWithText("", FALSE));
        EXPECT_TRUE(pane.GetBodyHtml().IsEmpty());
        pane.SetBodyHtml("<p>x</p>");
        IDispatch* script = reinterpret_cast<IDispatch*>(1);
        EXPECT_FALSE(pane.GetScript(&script));
        EXPECT_EQ(nullptr, script);
        EXPECT_FALSE(pane.GetScript(nullptr));
    }
}

TEST_F(WebPaneTest, CreatedInPlaceOfAPlaceHolderThatGoes)
{
    CWnd* place = new CWnd;
    ASSERT_TRUE(place->CreateEx(0, "STATIC", "", WS_CHILD, CRect(20, 30, 220, 90), &parent, 1019));
    RecordingPane pane;
    pane.createResult = REGDB_E_CLASSNOTREG;
    RecordingPane missing;
    EXPECT_FALSE(missing.CreateFromStatic(1020, &parent));
    EXPECT_EQ(nullptr, missing.GetSafeHwnd());

    pane.CreateFromStatic(1019, &parent);
    ASSERT_TRUE(IsWindow(pane.GetSafeHwnd()));
    EXPECT_EQ(1019, GetDlgCtrlID(pane.GetSafeHwnd()));
    EXPECT_EQ(pane.GetSafeHwnd(), GetDlgItem(parent.GetSafeHwnd(), 1019));
    CRect rect;
    pane.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(CRect(20, 30, 220, 90), rect);
    delete place;
}

TEST_F(WebPaneTest, DeletingThePaneWithItsWindowAliveReleasesTheBrowser)
{
    RecordingPane* pane = new RecordingPane;
    CreatePane(*pane);
    pane->Navigate2(LocalPage);
    const HWND hwnd = pane->GetSafeHwnd();
    delete pane;
    EXPECT_FALSE(IsWindow(hwnd));
    Pump(300);   // late timer or browser messages find nothing to call
}
TEST_F(WebPaneTest, TheBrowsersOwnNavigationEventsReachTheLinkRules)
{
    RecordingPane pane;
    ASSERT_TRUE(CreatePane(pane));
    pane.Navigate2(LocalPage);
    ASSERT_TRUE(PumpUntil(3000, [&] { return !pane.shellOpened.empty(); }));
    EXPECT_STREQ(LocalPage, pane.shellOpened[0]);
    pane.Navigate2("app:1");
    ASSERT_TRUE(PumpUntil(3000, [&] { return !pane.commands.empty(); }));
    EXPECT_STREQ("1", pane.commands[0]);
    EXPECT_EQ(1u, pane.shellOpened.size());
}

TEST_F(WebPaneTest, TheBrowsersSiteComesFromTheContainerManagerWithThePanesHandlers)
{
    RecordingPane pane;
    const BOOL created = CreatePane(pane);
    ASSERT_NE(nullptr, pane.GetOccManager());
    EXPECT_EQ(pane.GetHostHandlers(), pane.GetOccManager()->GetHandlers());
    if (created) {
        // The browser was given the manager's site.
        CDocHostSite* site = pane.GetOccManager()->GetLastSite();
        ASSERT_NE(nullptr, site);
        IOleObject* object = nullptr;
        ASSERT_EQ(S_OK, pane.GetBrowser()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object)));
        IOleClientSite* given = nullptr;
        EXPECT_EQ(S_OK, object->GetClientSite(&given));
        EXPECT_EQ(static_cast<IOleClientSite*>(site), given);
        if (given)
            given->Release();
        object->Release();

        // The pane never shows the browser's status bar.
        pane.OnStatusBar(TRUE);
        VARIANT_BOOL shown = VARIANT_TRUE;
        if (SUCCEEDED(pane.GetBrowser()->get_StatusBar(&shown))) {
            EXPECT_EQ(VARIANT_FALSE, shown);
        }
    }
    // Gone with the window: the manager hands out no deleted handlers.
    pane.DestroyWindow();
    EXPECT_EQ(nullptr, pane.GetOccManager()->GetHandlers());
}

TEST(DocHostOccManager, EachSiteGetsTheHandlersAndTheLastOneIsKept)
{
    CHtml_Host_Handlers noScroll(nullptr, FALSE, TRUE);
    CDocHostOccManager manager;
    manager.SetHandlers(&noScroll);
    CDocHostSite* first = manager.CreateSite(nullptr, nullptr);
    CDocHostSite* second = manager.CreateSite(nullptr, nullptr);
    EXPECT_EQ(second, manager.GetLastSite());
    IDocHostUIHandler* handler = nullptr;
    ASSERT_EQ(S_OK, second->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&handler)));
    DOCHOSTUIINFO info = {};
    info.cbSize = sizeof info;
    EXPECT_EQ(S_OK, handler->GetHostInfo(&info));
    EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_SCROLL_NO);   // the handlers' answer
    handler->Release();
    first->Release();
    second->Release();   // the manager still holds its own reference
    EXPECT_EQ(second, manager.GetLastSite());
}

TEST_F(WebPaneTest, ThePlainPlaceHolderVariantMakesAPaneWithoutABrowser)
{
    CWnd* place = new CWnd;
    ASSERT_TRUE(place->CreateEx(0, "STATIC", "", WS_CHILD, CRect(20, 30, 220, 90), &parent, 1021));
    RecordingPane pane;
    EXPECT_FALSE(pane.CreateFromStaticPlain(1022, &parent));
    ASSERT_TRUE(pane.CreateFromStaticPlain(1021, &parent));
    EXPECT_EQ(pane.GetSafeHwnd(), GetDlgItem(parent.GetSafeHwnd(), 1021));
    EXPECT_EQ(nullptr, pane.GetBrowser());
    EXPECT_EQ(nullptr, pane.GetHostHandlers());
    CRect rect;
    pane.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(CRect(20, 30, 220, 90), rect);
    delete place;
}
