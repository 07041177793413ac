// The answers the web pane's host gives the browser: its interfaces, host
// flags, option key, message boxes, ambient download options and context
// menus, and its neutral answers once the pane has let it go.
#include "collector/BrowserHostSite.h"
#include "collector/HtmlCtrl.h"

#include <gtest/gtest.h>

#include <mshtml.h>
#include <mshtmdid.h>

#include <atomic>
#include <cwchar>
#include <thread>

namespace {
// A site over a handlers object with no window behind it.
struct SiteFixture
{
    explicit SiteFixture(BOOL scrollBars = TRUE, BOOL border = TRUE, CHtmlCtrl* ctrl = nullptr, HWND hwnd = nullptr)
        : handlers(ctrl, scrollBars, border), site(new CDocHostSite(hwnd, ctrl, &handlers))
    {
    }
    ~SiteFixture() { site->Release(); }

    template <class T>
    T* Query()
    {
        T* p = nullptr;
        return SUCCEEDED(site->QueryInterface(__uuidof(T), reinterpret_cast<void**>(&p))) ? p : nullptr;
    }

    CHtml_Host_Handlers handlers;
    CDocHostSite* site;
};

DWORD HostFlags(BOOL scrollBars, BOOL border)
{
    SiteFixture fixture(scrollBars, border);
    IDocHostUIHandler* handler = fixture.Query<IDocHostUIHandler>();
    DOCHOSTUIINFO info = {};
    info.cbSize = sizeof info;
    info.dwDoubleClick = 99;
    EXPECT_EQ(S_OK, handler->GetHostInfo(&info));
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIDBLCLK_DEFAULT), info.dwDoubleClick);
    handler->Release();
    return info.dwFlags;
}
} // namespace

TEST(HostSite, AnswersForEveryHostInterfaceWithOneIdentity)
{
    SiteFixture fixture;
    IUnknown* identity = fixture.Query<IUnknown>();
    ASSERT_NE(nullptr, identity);
    const IID wanted[] = { IID_IOleClientSite, IID_IOleInPlaceSite,  IID_IOleWindow,
                           IID_IOleInPlaceFrame, IID_IOleInPlaceUIWindow, IID_IDispatch,
                           __uuidof(IDocHostUIHandler), __uuidof(IDocHostShowUI) };
    for (const IID& iid : wanted) {
        IUnknown* face = nullptr;
        ASSERT_EQ(S_OK, fixture.site->QueryInterface(iid, reinterpret_cast<void**>(&face)));
        // Each face leads back to the same object, as COM requires.
        IUnknown* back = nullptr;
        ASSERT_EQ(S_OK, face->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back)));
        EXPECT_EQ(identity, back);
        back->Release();
        face->Release();
    }
    IUnknown* none = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(E_NOINTERFACE, fixture.site->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(&none)));
    EXPECT_EQ(nullptr, none);
    identity->Release();
}

TEST(HostSite, HostFlagsFollowTheScrollBarAndBorderChoices)
{
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_THEME), HostFlags(TRUE, TRUE));
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_THEME | DOCHOSTUIFLAG_SCROLL_NO), HostFlags(FALSE, TRUE));
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_THEME | DOCHOSTUIFLAG_NO3DBORDER), HostFlags(TRUE, FALSE));
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_THEME | DOCHOSTUIFLAG_SCROLL_NO | DOCHOSTUIFLAG_NO3DBORDER),
              HostFlags(FALSE, FALSE));
}

TEST(HostSite, OptionKeyIsATaskAllocatedCopyOfTheProgramsKey)
{
    SiteFixture fixture;
    IDocHostUIHandler* handler = fixture.Query<IDocHostUIHandler>();
    EXPECT_EQ(E_INVALIDARG, handler->GetOptionKeyPath(nullptr, 0));
    LPOLESTR key = nullptr;
    ASSERT_EQ(S_OK, handler->GetOptionKeyPath(&key, 0));
    ASSERT_NE(nullptr, key);
    EXPECT_STREQ(L"Software\\CHtmlDialog", key);
    CoTaskMemFree(key);
    handler->Release();
}

TEST(HostSite, LeavesTheBrowserToItsOwnWaysExceptWhereTheHostDecides)
{
    SiteFixture fixture;
    IDocHostUIHandler* handler = fixture.Query<IDocHostUIHandler>();
    EXPECT_EQ(E_NOTIMPL, handler->OnDocWindowActivate(TRUE));
    EXPECT_EQ(E_NOTIMPL, handler->OnFrameWindowActivate(TRUE));
    EXPECT_EQ(E_NOTIMPL, handler->EnableModeless(TRUE));
    EXPECT_EQ(E_NOTIMPL, handler->ShowUI(0, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(S_OK, handler->HideUI());
    EXPECT_EQ(S_OK, handler->UpdateUI());
    EXPECT_EQ(S_FALSE, handler->TranslateAccelerator(nullptr, nullptr, 0));
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(E_NOTIMPL, handler->GetExternal(&external));
    EXPECT_EQ(nullptr, external);
    IDataObject* filtered = reinterpret_cast<IDataObject*>(1);
    EXPECT_EQ(E_NOTIMPL, handler->FilterDataObject(nullptr, &filtered));
    EXPECT_EQ(nullptr, filtered);
    OLECHAR* translated = reinterpret_cast<OLECHAR*>(1);
    EXPECT_EQ(E_NOTIMPL, handler->TranslateUrl(0, const_cast<OLECHAR*>(L"http://x/"), &translated));
    EXPECT_EQ(nullptr, translated);
    handler->Release();

    IDocHostShowUI* showUI = fixture.Query<IDocHostShowUI>();
    EXPECT_EQ(E_NOTIMPL, showUI->ShowHelp(nullptr, nullptr, 0, 0, POINT(), nullptr));
    showUI->Release();
}

TEST(HostSite, ScriptMessagesAppearInABoxCaptionedByTheProgramAndReturnTheChoice)
{
    SiteFixture fixture;
    IDocHostShowUI* showUI = fixture.Query<IDocHostShowUI>();
    std::atomic<bool> found(false);
    std::atomic<bool> done(false);
    // Stands in for the user: answers the box with Cancel once it shows.
    std::thread user([&] {
        for (int i = 0; i < 400 && !done; ++i) {
            if (HWND box = FindWindowA("#32770", "Caption")) {
                found = true;
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                return;
            }
            Sleep(25);
        }
    });
    LRESULT result = 0;
    EXPECT_EQ(S_OK, showUI->ShowMessage(nullptr, const_cast<LPOLESTR>(L"Hello from the page"),
                                        const_cast<LPOLESTR>(L"Page caption"), MB_OKCANCEL, nullptr, 0, &result));
    done = true;
    user.join();
    EXPECT_TRUE(found);
    EXPECT_EQ(IDCANCEL, result);
    showUI->Release();
}

TEST(HostSite, PlacesTheBrowserInThePaneWindowWithItsTopLevelWindowAsFrame)
{
    HWND top = CreateWindowA("STATIC", "top", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    HWND pane = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100, top, nullptr, nullptr, nullptr);
    {
        SiteFixture fixture(TRUE, TRUE, nullptr, pane);
        IOleInPlaceSite* site = fixture.Query<IOleInPlaceSite>();
        HWND window = nullptr;
        EXPECT_EQ(S_OK, site->GetWindow(&window));
        EXPECT_EQ(pane, window);
        EXPECT_EQ(S_OK, site->CanInPlaceActivate());
        IOleInPlaceFrame* frame = nullptr;
        IOleInPlaceUIWindow* doc = reinterpret_cast<IOleInPlaceUIWindow*>(1);
        RECT pos = {}, clip = {};
        OLEINPLACEFRAMEINFO info = {};
        ASSERT_EQ(S_OK, site->GetWindowContext(&frame, &doc, &pos, &clip, &info));
        ASSERT_NE(nullptr, frame);
        EXPECT_EQ(nullptr, doc);
        EXPECT_EQ(200, pos.right - pos.left);
        EXPECT_EQ(100, pos.bottom - pos.top);
        EXPECT_EQ(top, info.hwndFrame);
        EXPECT_FALSE(info.fMDIApp);
        frame->Release();

        // Let go of: no window, no answers of the pane's own.
        fixture.site->Detach();
        EXPECT_NE(S_OK, site->GetWindow(&window));
        EXPECT_EQ(S_FALSE, site->CanInPlaceActivate());
        IDocHostUIHandler* handler = fixture.Query<IDocHostUIHandler>();
        DOCHOSTUIINFO hostInfo = {};
        EXPECT_EQ(E_NOTIMPL, handler->GetHostInfo(&hostInfo));
        LPOLESTR key = reinterpret_cast<LPOLESTR>(1);
        EXPECT_NE(S_OK, handler->GetOptionKeyPath(&key, 0));
        EXPECT_EQ(nullptr, key);
        EXPECT_EQ(S_FALSE, handler->ShowContextMenu(CONTEXT_MENU_TEXTSELECT, nullptr, nullptr, nullptr));
        handler->Release();
        site->Release();
    }
    DestroyWindow(top);
}

TEST(HostSite, AmbientDownloadOptionsComeFromThePane)
{
    CHtmlCtrl ctrl;
    SiteFixture fixture(TRUE, TRUE, &ctrl);
    IDispatch* ambient = fixture.Query<IDispatch>();
    DISPPARAMS none = {};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, ambient->Invoke(DISPID_AMBIENT_DLCONTROL, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result,
                                    nullptr, nullptr));
    EXPECT_EQ(VT_I4, result.vt);
    EXPECT_EQ(0x40004410, result.lVal);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_PROPERTYGET,
                                                     &none, &result, nullptr, nullptr));
    ambient->Release();
}

TEST(HostSite, ContextMenusAreSuppressedOffLinksUnlessTheBrowsersOwnAreWanted)
{
    CHtmlCtrl ctrl;
    SiteFixture fixture(TRUE, TRUE, &ctrl);
    IDocHostUIHandler* handler = fixture.Query<IDocHostUIHandler>();
    POINT pt = { 5, 5 };
    // Text selection, anchor, unknown: no element that is a link -> no menu.
    for (DWORD id : { 4ul, 5ul, 6ul, 7ul })
        EXPECT_EQ(S_OK, handler->ShowContextMenu(id, &pt, nullptr, nullptr)) << id;
    // Something that is no anchor at all under the pointer.
    IDispatch* notALink = fixture.Query<IDispatch>();
    EXPECT_EQ(S_OK, handler->ShowContextMenu(CONTEXT_MENU_ANCHOR, &pt, nullptr, notALink));
    notALink->Release();
    for (DWORD id : { 0ul, 1ul, 2ul, 3ul, 8ul })
        EXPECT_EQ(S_FALSE, handler->ShowContextMenu(id, &pt, nullptr, nullptr)) << id;
    ctrl.SetDefaultContextMenu(TRUE);
    EXPECT_EQ(S_FALSE, handler->ShowContextMenu(CONTEXT_MENU_TEXTSELECT, &pt, nullptr, nullptr));
    handler->Release();
}
