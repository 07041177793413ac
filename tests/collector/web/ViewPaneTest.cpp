// The main view makes its web pane where the place-holder stands, opens the
// start page in it, and the pane goes with the view's window.
#include "collector/HtmlCtrl.h"
#include "collector/LexifernApp.h"
#include "collector/LexifernView.h"
#include "collector/WebPaneLinks.h"
#include "afx/FrameWnd.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {
class QuietApp : public CLexifernApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
};

class PaneView : public CLexifernView
{
public:
    CString basketPath;

protected:
    CString GetBasketPath() override { return basketPath; }
};
} // namespace

TEST(ViewPane, StandsInThePlaceHoldersRectangleShowsTheStartPageAndGoesWithTheView)
{
    INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
    InitCommonControlsEx(&icc);
    QuietApp* app = new QuietApp;
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    // A company key of its own, so no other test's profile is touched.
    app->SetRegistryKey("Tarnwick web pane test");
    const CString profileKey = CString("Software\\Tarnwick web pane test\\") + app->m_pszProfileName;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    CString basket;
    basket.Format("%slexifern-web-%lu.txt", temp, GetCurrentProcessId());

    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "web pane test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 760)));
    PaneView* view = new PaneView;
    view->basketPath = basket;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 900, 650), frame,
                             AFX_IDW_PANE_FIRST, nullptr));
    CRect place;
    view->GetDlgItem(IDC_WEB_PLACE)->GetWindowRect(&place);
    view->ScreenToClient(&place);
    view->OnInitialUpdate();

    CWnd* window = view->GetDlgItem(IDC_WEB_PANE);
    ASSERT_NE(nullptr, window);
    CHtmlCtrl* pane = DYNAMIC_DOWNCAST(CHtmlCtrl, window);
    ASSERT_NE(nullptr, pane);
    EXPECT_TRUE(pane->GetStyle() & WS_BORDER);
    EXPECT_TRUE(pane->GetStyle() & WS_VISIBLE);
    EXPECT_STREQ(GetWebPanePage(0), pane->GetLocationURL());
    CRect rect;
    pane->GetWindowRect(&rect);
    view->ScreenToClient(&rect);
    // The layout keeps the place-holder's left, top and height.
    EXPECT_EQ(place.left, rect.left);
    EXPECT_EQ(place.top, rect.top);
    EXPECT_EQ(place.Height(), rect.Height());

    const HWND paneWindow = pane->GetSafeHwnd();
    frame->DestroyWindow();
    EXPECT_FALSE(IsWindow(paneWindow));
    delete app;
    DeleteFileA(basket);
    RegDeleteTreeA(HKEY_CURRENT_USER, profileKey);
}
