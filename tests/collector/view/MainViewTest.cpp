// The main view in a window: layout, the request triggers and their busy
// state, Back and selection, answers, and the Basket kept in agreement with
// its file. Workers and message boxes are replaced by recorders.
#include "collector/BasketText.h"
#include "collector/CollectorMessages.h"
#include "collector/GetSuggestionThread.h"
#include "collector/LexifernApp.h"
#include "collector/LexifernView.h"
#include "afx/FrameWnd.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
class TestApp : public CLexifernApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
    int WaitCursors() const { return m_nWaitCursorCount; }
};

class TestView : public CLexifernView
{
public:
    std::vector<CString> started;
    BOOL startSucceeds = TRUE;
    int connectionFailures = 0;
    std::vector<CString> warnings;
    std::vector<CString> readWarnings;
    CString basketPath;
    CString customTerms;

    // Makes the protected handlers reachable as the message map reaches them.
    using CLexifernView::FillSuggestionList;
    using CLexifernView::GetKeywordText;

protected:
    BOOL StartSuggestionThread(const CString& keyword) override
    {
        started.push_back(keyword);
        return startSucceeds;
    }
    CString GetBasketPath() override { return basketPath; }
    BOOL AskCustomTerms(LPCTSTR, CString& text) override
    {
        text = customTerms;
        return TRUE;
    }
    void ShowConnectionFailure() override { ++connectionFailures; }
    void ShowBasketWriteWarning(const CString& reason) override { warnings.push_back(reason); }
    void ShowBasketReadWarning(const CString& path) override { readWarnings.push_back(path); }
};

// A keyword box that reports every text change to its parent, the view's own
// changes included, as some systems' combo boxes do.
WNDPROC g_comboProc = nullptr;
LRESULT CALLBACK NoisyComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(g_comboProc, hwnd, message, wParam, lParam);
    if (message == WM_SETTEXT) {
        HWND parent = GetParent(hwnd);
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(IDC_KEYWORD, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(hwnd));
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(IDC_KEYWORD, EN_CHANGE), reinterpret_cast<LPARAM>(hwnd));
    }
    return result;
}

std::string ReadFile(const CString& path)
{
    std::ifstream in(static_cast<LPCTSTR>(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the thread's messages for a while (timers included).
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

class MainViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
        InitCommonControlsEx(&icc);
        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        app->SetRegistryKey("Tarnwick");
        profileKey = CString("Software\\Tarnwick\\") + app->m_pszProfileName;
        RegDeleteTreeA(HKEY_CURRENT_USER, profileKey);

        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder.Format("%slexifern-view-%lu\\", temp, GetCurrentProcessId());
        CreateDirectoryA(folder, nullptr);
        DeleteFileA(folder + "Basket.txt");

        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "view test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 760)));
        view = new TestView;
        view->basketPath = folder + "Basket.txt";
    }

    // Creates the view's window at a client size and runs its initial update.
    void CreateView(int cx = 900, int cy = 650)
    {
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy), frame,
                                 AFX_IDW_PANE_FIRST, nullptr));
        view->OnInitialUpdate();
    }

    void TearDown() override
    {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
        while (app->WaitCursors() > 0)
            app->DoWaitCursor(-1);
        delete app;
        DeleteFileA(folder + "Basket.txt");
        RemoveDirectoryA(folder);
        RegDeleteTreeA(HKEY_CURRENT_USER, profileKey);
    }

    CRect ControlRect(int id)
    {
        CRect rect;
        view->GetDlgItem(id)->GetWindowRect(&rect);
        view->ScreenToClient(&rect);
        return rect;
    }

    void TypeKeyword(const char* text)
    {
        view->m_wndKeyword.SetWindowText(text);
        view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KEYWORD, CBN_EDITCHANGE),
                          reinterpret_cast<LPARAM>(view->m_wndKeyword.GetSafeHwnd()));
    }

    void ClickGo()
    {
        view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GO, BN_CLICKED),
                          reinterpret_cast<LPARAM>(view->GetDlgItem(IDC_GO)->GetSafeHwnd()));
    }

    void Fill(std::initializer_list<const char*> keywords)
    {
        CStringArray suggestions, counts;
        for (const char* keyword : keywords) {
            suggestions.Add(keyword);
            counts.Add("7");
        }
        view->FillSuggestionList(suggestions, counts);
    }

    CString BasketBox()
    {
        CString text;
        view->m_wndBasket.GetWindowText(text);
        return text;
    }

    std::string Keywords()
    {
        std::string joined;
        for (int i = 0; i < view->m_arrKeywords.GetSize(); ++i)
            joined += std::string(i ? "|" : "") + static_cast<LPCTSTR>(view->m_arrKeywords[i]);
        return joined;
    }

    void WriteBasketFile(const std::string& bytes)
    {
        std::ofstream out(static_cast<LPCTSTR>(folder + "Basket.txt"), std::ios::binary);
        out << bytes;
    }

    MSG KeyDown(HWND target)
    {
        MSG msg = {};
        msg.hwnd = target;
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_RETURN;
        return msg;
    }

    TestApp* app = nullptr;
    CString profileKey;
    CString folder;
    CFrameWnd* frame = nullptr;
    TestView* view = nullptr;
};
}

namespace {
struct Child
{
    HWND hwnd;
    int id;
    CRect rect;
};

// The view's visible children, in view client coordinates.
std::vector<Child> VisibleChildren(CWnd* view)
{
    std::vector<Child> children;
    for (HWND child = GetWindow(view->GetSafeHwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // The test's frame is never shown: the children's own style counts.
        if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        CRect rect;
        GetWindowRect(child, &rect);
        view->ScreenToClient(&rect);
        children.push_back({ child, GetDlgCtrlID(child), rect });
    }
    return children;
}

// Whether the window's caption, in its own font, fits on one line in the
// given width.
bool FitsOnOneLine(HWND hwnd, int width)
{
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    RECT one = { 0, 0, 0, 0 };
    DrawTextA(dc, text, -1, &one, DT_SINGLELINE | DT_CALCRECT);
    RECT wrapped = { 0, 0, width, 0 };
    DrawTextA(dc, text, -1, &wrapped, DT_WORDBREAK | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return one.right - one.left <= width && wrapped.bottom - wrapped.top == one.bottom - one.top;
}

int ListColumnsWidth(CListCtrl& list)
{
    return list.GetColumnWidth(0) + list.GetColumnWidth(1);
}
} // namespace

TEST_F(MainViewTest, EveryControlLiesInsideTheViewWithoutOverlapAtEverySize)
{
    CreateView(900, 650);
    struct Size
    {
        int cx, cy;
    };
    for (Size size : { Size{ 600, 400 }, Size{ 784, 470 }, Size{ 1024, 700 }, Size{ 1920, 1000 }, Size{ 900, 650 } }) {
        view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
        const std::vector<Child> children = VisibleChildren(view);
        EXPECT_GE(children.size(), 18u);
        const CRect client(0, 0, size.cx, size.cy);
        for (size_t i = 0; i < children.size(); ++i) {
            CRect inside;
            inside.IntersectRect(&children[i].rect, &client);
            EXPECT_EQ(children[i].rect, inside) << "control " << children[i].id << " at " << size.cx << "x" << size.cy;
            for (size_t j = i + 1; j < children.size(); ++j) {
                CRect both;
                EXPECT_FALSE(both.IntersectRect(&children[i].rect, &children[j].rect))
                    << children[i].id << " and " << children[j].id << " at " << size.cx << "x" << size.cy;
            }
        }
        // The columns fill the list after each layout.
        CRect listClient;
        view->m_wndList.GetClientRect(&listClient);
        EXPECT_EQ(listClient.Width(), ListColumnsWidth(view->m_wndList)) << size.cx << "x" << size.cy;
    }
    // Where the form's rules fit they hold: the list's width, the heights,
    // the bottom row and the right-hand buttons.
    view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(1024, 700));
    EXPECT_EQ(CSize(442, 700 - 258), ControlRect(IDC_SUGGESTIONS).Size());
    EXPECT_EQ(700 - 210, ControlRect(IDC_BASKET).Height());
    EXPECT_EQ(ControlRect(IDC_SAVE_BASKET).right, ControlRect(IDC_BASKET).right);
    for (int id : { IDC_CHECK_CUSTOM, IDC_UNCHECK_ALL, IDC_CHECK_ALL, IDC_SETTINGS, IDC_HELP_BUTTON })
        EXPECT_EQ(675, ControlRect(id).top) << id;
    EXPECT_EQ(1024 - 86, ControlRect(IDC_HELP_BUTTON).left);
    EXPECT_EQ(1024 - 79, ControlRect(IDC_SAVE_BASKET).left);
}

TEST_F(MainViewTest, EveryCaptionShowsWholeOnOneLine)
{
    CreateView(784, 470);
    for (const Child& child : VisibleChildren(view)) {
        char className[32] = {};
        GetClassNameA(child.hwnd, className, sizeof className);
        const CString kind(className);
        if (kind.CompareNoCase("Button") == 0) {
            // An image button draws its caption centred right of the image.
            const bool plain = child.id == IDC_GO;
            const int room = child.rect.Width() - (plain ? 4 : 3 + 16 + 4);
            EXPECT_TRUE(FitsOnOneLine(child.hwnd, room)) << "button " << child.id;
        } else if (kind.CompareNoCase("Static") == 0) {
            EXPECT_TRUE(FitsOnOneLine(child.hwnd, child.rect.Width())) << "label " << child.id;
        }
    }
    CString text;
    view->GetDlgItem(IDC_UNCHECK_ALL)->GetWindowText(text);
    EXPECT_EQ("Unckeck All", text);
    view->GetDlgItem(IDC_LIST_LABEL)->GetWindowText(text);
    EXPECT_EQ("Check keywords to add to Basket", text);
}

TEST_F(MainViewTest, ListColumnsFillTheListAlsoWhenRowsBringAScrollBar)
{
    CreateView(784, 470);
    CStringArray suggestions, counts;
    for (int i = 0; i < 200; ++i) {
        CString keyword;
        keyword.Format("keyword %d", i);
        suggestions.Add(keyword);
        counts.Add("123,456,789");
    }
    view->FillSuggestionList(suggestions, counts);
    view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 480));
    ASSERT_TRUE(view->m_wndList.GetStyle() & WS_VSCROLL);
    CRect listClient;
    view->m_wndList.GetClientRect(&listClient);
    EXPECT_EQ(listClient.Width(), ListColumnsWidth(view->m_wndList));
    EXPECT_EQ(100, view->m_wndList.GetColumnWidth(1));
}

TEST_F(MainViewTest, ListHasTwoColumnsAndCheckBoxes)
{
    CreateView();
    EXPECT_TRUE(view->m_wndList.GetExtendedStyle() & LVS_EX_CHECKBOXES);
    EXPECT_EQ(static_cast<DWORD>(LVS_REPORT), view->m_wndList.GetStyle() & LVS_TYPEMASK);
    EXPECT_TRUE(view->m_wndList.GetStyle() & LVS_SINGLESEL);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    ASSERT_TRUE(ListView_GetColumn(view->m_wndList.GetSafeHwnd(), 1, &column));
    EXPECT_EQ(100, column.cx);
    EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);
    ASSERT_TRUE(ListView_GetColumn(view->m_wndList.GetSafeHwnd(), 0, &column));
    EXPECT_GT(column.cx, 100);
    EXPECT_EQ(LVCFMT_LEFT, column.fmt & LVCFMT_JUSTIFYMASK);
}

TEST_F(MainViewTest, EnterRunsGoOutsideTheBasketAndWithoutModifiers)
{
    CreateView();
    view->m_wndKeyword.SetWindowText("seed");
    HWND keywordEdit = ::GetWindow(view->m_wndKeyword.GetSafeHwnd(), GW_CHILD);
    ASSERT_TRUE(keywordEdit);

    // Enter in the Basket box is a line break for the box.
    MSG inBasket = KeyDown(view->m_wndBasket.GetSafeHwnd());
    if (!view->PreTranslateMessage(&inBasket)) {
        TranslateMessage(&inBasket);
        DispatchMessageA(&inBasket);
    }
    Pump(20);
    EXPECT_EQ("\r\n", BasketBox());
    EXPECT_FALSE(view->IsRequestArmed());

    // Shift+Enter in the keyword box starts nothing.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    MSG shifted = KeyDown(keywordEdit);
    view->PreTranslateMessage(&shifted);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(view->IsRequestArmed());

    // Plain Enter in the keyword box is Go: swallowed, a request armed, the
    // keyword remembered in the drop-down history and the profile.
    MSG plain = KeyDown(keywordEdit);
    EXPECT_TRUE(view->PreTranslateMessage(&plain));
    EXPECT_TRUE(view->IsRequestArmed());
    EXPECT_EQ(1, view->m_wndKeyword.GetCount());
    EXPECT_EQ("seed", AfxGetApp()->GetProfileString("CLexifernView", "m_wndKeyword", ""));
}

TEST_F(MainViewTest, TriggersWithin100MsStartOneRequestAndEveryBusyStateEnds)
{
    CreateView();
    for (const char* typed : { "c", "ca", "car", "cars", "carsh" })
        TypeKeyword(typed);
    EXPECT_EQ(1, view->GetBusyRequests());
    EXPECT_EQ(1, app->WaitCursors());
    EXPECT_EQ(30, view->m_wndProgress.GetPos());
    Pump(300);
    ASSERT_EQ(1u, view->started.size());
    EXPECT_EQ("carsh", view->started[0]);
    EXPECT_FALSE(view->IsRequestArmed());

    // Two Go presses 200 ms apart start two requests.
    ClickGo();
    Pump(200);
    ClickGo();
    Pump(200);
    EXPECT_EQ(3u, view->started.size());
    EXPECT_EQ(3, view->GetBusyRequests());
    EXPECT_EQ(3, app->WaitCursors());
    EXPECT_EQ(3, view->m_arrHistory.GetSize());

    // Each answer ends one busy state.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(PostSuggestionResult(view->GetSafeHwnd(), "carsh", "[[\"carshop\",\"5 results\",\"0\"]]"));
    Pump(50);
    EXPECT_EQ(0, view->GetBusyRequests());
    EXPECT_EQ(0, app->WaitCursors());
    EXPECT_EQ(100, view->m_wndProgress.GetPos());
    ASSERT_EQ(1, view->m_wndList.GetItemCount());
    EXPECT_EQ("carshop", view->m_wndList.GetItemText(0, 0));
    EXPECT_EQ("5", view->m_wndList.GetItemText(0, 1));
}

TEST_F(MainViewTest, AWorkerThatCannotStartUndoesTheBusyState)
{
    CreateView();
    view->startSucceeds = FALSE;
    TypeKeyword("x");
    Pump(250);
    EXPECT_EQ(1u, view->started.size());
    EXPECT_EQ(0, view->GetBusyRequests());
    EXPECT_EQ(0, app->WaitCursors());
    // An empty keyword box arms nothing at all.
    TypeKeyword("");
    ClickGo();
    EXPECT_FALSE(view->IsRequestArmed());
}

TEST_F(MainViewTest, BackAndSelectionChangeTheKeywordWithoutARequest)
{
    CreateView();
    view->m_wndKeyword.SetWindowText("second");
    HWND combo = view->m_wndKeyword.GetSafeHwnd();
    g_comboProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NoisyComboProc)));
    view->m_arrHistory.Add("first");
    view->m_arrHistory.Add("second");
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BACK, BN_CLICKED),
                      reinterpret_cast<LPARAM>(view->GetDlgItem(IDC_BACK)->GetSafeHwnd()));
    EXPECT_EQ("first", view->GetKeywordText());
    EXPECT_FALSE(view->IsRequestArmed());

    Fill({ "row one", "row two" });
    view->m_wndList.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ("row two", view->GetKeywordText());
    EXPECT_FALSE(view->IsRequestArmed());
    EXPECT_EQ("", BasketBox());

    // A double click on the row asks for it.
    NMHDR click = { view->m_wndList.GetSafeHwnd(), IDC_SUGGESTIONS, static_cast<UINT>(NM_DBLCLK) };
    view->SendMessage(WM_NOTIFY, IDC_SUGGESTIONS, reinterpret_cast<LPARAM>(&click));
    EXPECT_TRUE(view->IsRequestArmed());
    SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_comboProc));
}

TEST_F(MainViewTest, CheckingARowKeepsBoxFileAndKeywordsTogether)
{
    CreateView();
    Fill({ "beta", "alpha" });
    view->m_wndList.SetCheck(0, TRUE);
    view->m_wndList.SetCheck(1, TRUE);
    EXPECT_EQ("alpha\r\nbeta", BasketBox());
    EXPECT_EQ("alpha\r\nbeta", ReadFile(view->basketPath));
    EXPECT_EQ("alpha|beta", Keywords());

    view->m_wndList.SetCheck(0, FALSE);
    EXPECT_EQ("alpha", BasketBox());
    EXPECT_EQ("alpha", ReadFile(view->basketPath));
    EXPECT_EQ("alpha", Keywords());

    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_UNCHECK_ALL, BN_CLICKED), 0);
    EXPECT_EQ("", BasketBox());
    EXPECT_EQ("", ReadFile(view->basketPath));
    EXPECT_EQ("", Keywords());
}

TEST_F(MainViewTest, RefillMirrorsTheBasketWithoutAddingToIt)
{
    app->m_bSortBasket = FALSE;
    app->m_bDedupeBasket = FALSE;
    CreateView();
    view->m_wndBasket.SetWindowText("b\r\na");
    Fill({ "a", "b", "c" });
    EXPECT_TRUE(view->m_wndList.GetCheck(0));
    EXPECT_TRUE(view->m_wndList.GetCheck(1));
    EXPECT_FALSE(view->m_wndList.GetCheck(2));
    // Neither duplicated nor reordered, and nothing written.
    EXPECT_EQ("b\r\na", BasketBox());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(view->basketPath));
    // Case matters.
    Fill({ "A" });
    EXPECT_FALSE(view->m_wndList.GetCheck(0));
}

TEST_F(MainViewTest, AnUnwritableBasketFileWarnsOnceAndTheBoxKeepsTheText)
{
    view->basketPath = folder + "missing\\Basket.txt";
    CreateView();
    Fill({ "one", "two" });
    view->m_wndList.SetCheck(0, TRUE);
    view->m_wndList.SetCheck(1, TRUE);
    EXPECT_EQ("one\r\ntwo", BasketBox());
    EXPECT_EQ("one|two", Keywords());
    ASSERT_EQ(1u, view->warnings.size());
    EXPECT_NE(-1, view->warnings[0].Find("Basket.txt"));
}

TEST_F(MainViewTest, StartUpLoadsTheBasketFileAsItStands)
{
    {
        std::ofstream out(static_cast<LPCTSTR>(folder + "Basket.txt"), std::ios::binary);
        out << "z  z\r\n\r\na";
    }
    CreateView();
    EXPECT_EQ("z  z\r\n\r\na", BasketBox());
    EXPECT_EQ("z  z|a", Keywords());
}

TEST_F(MainViewTest, AnswersThatFailOrGoMissingKeepTheList)
{
    CreateView();
    Fill({ "kept" });
    TypeKeyword("k");
    Pump(250);
    ASSERT_TRUE(PostSuggestionResult(view->GetSafeHwnd(), "k", "<Not Parsed>"));
    Pump(50);
    EXPECT_EQ(1, view->connectionFailures);
    EXPECT_EQ(1, view->m_wndList.GetItemCount());

    TypeKeyword("k2");
    Pump(250);
    view->SendMessage(WM_SUGGESTION_RESULT, 0, 0);
    EXPECT_EQ(1, view->m_wndList.GetItemCount());
    EXPECT_EQ(0, view->GetBusyRequests());
    EXPECT_EQ(0, app->WaitCursors());

    // An empty answer empties and disables the list.
    view->SendMessage(WM_SUGGESTION_RESULT, 0, reinterpret_cast<LPARAM>(CopyToGlobalBlock("")));
    EXPECT_EQ(0, view->m_wndList.GetItemCount());
    EXPECT_FALSE(view->m_wndList.IsWindowEnabled());
}

TEST_F(MainViewTest, CheckCustomChecksRowsHoldingAnyTerm)
{
    CreateView();
    Fill({ "red car", "shop", "cart", "bike", "Car" });
    view->customTerms = "car\r\nshop";
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHECK_CUSTOM, BN_CLICKED), 0);
    EXPECT_TRUE(view->m_wndList.GetCheck(0));
    EXPECT_TRUE(view->m_wndList.GetCheck(1));
    EXPECT_TRUE(view->m_wndList.GetCheck(2));
    EXPECT_FALSE(view->m_wndList.GetCheck(3));
    EXPECT_FALSE(view->m_wndList.GetCheck(4));
    EXPECT_EQ("cart\r\nred car\r\nshop", BasketBox());

    view->customTerms = "";
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_UNCHECK_ALL, BN_CLICKED), 0);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHECK_CUSTOM, BN_CLICKED), 0);
    EXPECT_EQ("", BasketBox());
}

TEST_F(MainViewTest, CopyPutsTheBasketTextOnTheClipboard)
{
    OleInitialize(nullptr);
    CreateView();
    view->m_wndBasket.SetWindowText("one\r\n\xE0\xE1");
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_BASKET, BN_CLICKED), 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_TRUE(data);
    EXPECT_STREQ("one\r\n\xE0\xE1", static_cast<const char*>(GlobalLock(data)));
    GlobalUnlock(data);
    EmptyClipboard();
    CloseClipboard();
    OleUninitialize();
}

TEST_F(MainViewTest, ABasketFileWithNulBytesLosesNoLine)
{
    WriteBasketFile(std::string("alpha\r\nbeta\0\0gamma\r\ndelta\r\nomega", 32));
    CreateView();
    // Told once, naming the file; the box shows every line.
    ASSERT_EQ(1u, view->readWarnings.size());
    EXPECT_EQ(view->basketPath, view->readWarnings[0]);
    EXPECT_EQ("alpha\r\nbetagamma\r\ndelta\r\nomega", BasketBox());
    EXPECT_EQ("alpha|betagamma|delta|omega", Keywords());

    Fill({ "zeta", "delta" });
    EXPECT_TRUE(view->m_wndList.GetCheck(1));
    view->m_wndList.SetCheck(0, TRUE);
    EXPECT_EQ("alpha\r\nbetagamma\r\ndelta\r\nomega\r\nzeta", ReadFile(view->basketPath));
    view->m_wndList.SetCheck(0, FALSE);
    EXPECT_EQ("alpha\r\nbetagamma\r\ndelta\r\nomega", ReadFile(view->basketPath));
    EXPECT_EQ("alpha\r\nbetagamma\r\ndelta\r\nomega", BasketBox());
    EXPECT_EQ("alpha|betagamma|delta|omega", Keywords());
    EXPECT_EQ(1u, view->readWarnings.size());
}

TEST_F(MainViewTest, ALargeBasketIsWholeInBoxFileAndKeywordsAtEveryChange)
{
    // More lines than the box takes in at once: a check right at start-up
    // and a row far down the Basket still see the whole of it.
    CStringArray lines;
    for (int i = 0; i < 30000; ++i) {
        CString line;
        line.Format(i % 2 ? "keyword %06d" : "\xEA\xEB\xFE\xF7 %06d", i);
        lines.Add(line);
    }
    CBasketText::SortLines(lines);
    const CString basket = CBasketText::JoinLines(lines);
    WriteBasketFile(static_cast<LPCTSTR>(basket));
    CreateView();
    EXPECT_EQ(30000, view->m_arrKeywords.GetSize());

    Fill({ "keyword 029999", "a new one", "keyword 030000" });
    EXPECT_TRUE(view->m_wndList.GetCheck(0));
    EXPECT_FALSE(view->m_wndList.GetCheck(1));
    view->m_wndList.SetCheck(1, TRUE);
    EXPECT_EQ("a new one\r\n" + basket, BasketBox());
    EXPECT_EQ("a new one\r\n" + std::string(static_cast<LPCTSTR>(basket)), ReadFile(view->basketPath));
    EXPECT_EQ(30001, view->m_arrKeywords.GetSize());

    // Unchecking a row in the Basket takes its line out of the middle.
    view->m_wndList.SetCheck(0, FALSE);
    view->m_wndList.SetCheck(1, FALSE);
    CString without = basket;
    without.Replace("\r\nkeyword 029999", "");
    EXPECT_EQ(without, BasketBox());
    EXPECT_EQ(std::string(static_cast<LPCTSTR>(without)), ReadFile(view->basketPath));
    EXPECT_EQ(29999, view->m_arrKeywords.GetSize());
}

TEST_F(MainViewTest, HandEditsCountForTheCheckMarksAndTheNextChange)
{
    CreateView();
    Fill({ "alpha", "typed" });
    view->m_wndList.SetCheck(0, TRUE);
    EXPECT_EQ("alpha", BasketBox());

    // The user types a line into the box: the next answer marks it...
    view->m_wndBasket.SetSel(5, 5);
    view->m_wndBasket.ReplaceSel("\r\ntyped", TRUE);
    Fill({ "alpha", "typed", "other" });
    EXPECT_TRUE(view->m_wndList.GetCheck(0));
    EXPECT_TRUE(view->m_wndList.GetCheck(1));
    EXPECT_FALSE(view->m_wndList.GetCheck(2));

    // ...and the next change takes it into the file.
    view->m_wndList.SetCheck(2, TRUE);
    EXPECT_EQ("alpha\r\nother\r\ntyped", BasketBox());
    EXPECT_EQ("alpha\r\nother\r\ntyped", ReadFile(view->basketPath));
    EXPECT_EQ("alpha|other|typed", Keywords());

    // Text set into the box from outside counts the same way.
    view->m_wndBasket.SetWindowText("other");
    Fill({ "alpha", "other" });
    EXPECT_FALSE(view->m_wndList.GetCheck(0));
    EXPECT_TRUE(view->m_wndList.GetCheck(1));
}

TEST_F(MainViewTest, SavingAndCopyingTakeTheWholeOfALoadingBasket)
{
    OleInitialize(nullptr);
    CString basket;
    for (int i = 0; i < 20000; ++i)
        basket.AppendFormat(i ? "\r\nline %06d" : "line %06d", i);
    WriteBasketFile(static_cast<LPCTSTR>(basket));
    CreateView();
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_BASKET, BN_CLICKED), 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_TRUE(data);
    EXPECT_STREQ(static_cast<LPCTSTR>(basket), static_cast<const char*>(GlobalLock(data)));
    GlobalUnlock(data);
    EmptyClipboard();
    CloseClipboard();
    OleUninitialize();
    while (view->m_wndBasket.IsLoading())
        Pump(20);
    EXPECT_EQ(basket, BasketBox());
}
