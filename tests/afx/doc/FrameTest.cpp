// Frames, views, documents and bars on real windows: a single-document
// template with a form view, layout of the bars, command routing, idle
// updates of buttons and panes, prompts, and a multi-document template.
#include "afx/CommandLineInfo.h"
#include "afx/DialogBar.h"
#include "afx/DocManager.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/ReBar.h"
#include "afx/StatusBar.h"
#include "afx/ToolBar.h"
#include "afx/View.h"
#include "afx/WinApp.h"
#include "tests/afx/doc/TestIds.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Who saw ID_TEST_ONE, in order, and who is to take it.
std::string g_trace;
std::string g_handler = "app";
BOOL g_twoEnabled = TRUE;
int g_twoChecked = 0;
BOOL g_mayClose = TRUE;
int g_exitCalls = 0;

BOOL Record(const char* level)
{
    g_trace += level;
    g_trace += ' ';
    return g_handler == level;
}

} // namespace

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    BOOL SaveModified() override { return g_mayClose; }

protected:
    afx_msg BOOL OnOne(UINT) { return Record("doc"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND_EX(ID_TEST_ONE, &CTestDoc::OnOne)
END_MESSAGE_MAP()

class CTestView : public CFormView
{
    DECLARE_DYNCREATE(CTestView)
public:
    CTestView() : CFormView(IDD_TEST_FORM) {}

protected:
    afx_msg BOOL OnOne(UINT) { return Record("view"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CFormView)
BEGIN_MESSAGE_MAP(CTestView, CFormView)
    ON_COMMAND_EX(ID_TEST_ONE, &CTestView::OnOne)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        static const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL };
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS) ||
            !m_wndToolBar.LoadToolBar(IDR_TEST_TOOLBAR))
            return -1;
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4))
            return -1;
        return 0;
    }
    afx_msg BOOL OnOne(UINT) { return Record("frame"); }
    afx_msg void OnTwo() { g_trace += "two "; }
    afx_msg void OnUpdateTwo(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(g_twoEnabled);
        pCmdUI->SetCheck(g_twoChecked);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_EX(ID_TEST_ONE, &CTestFrame::OnOne)
    ON_COMMAND(ID_TEST_TWO, &CTestFrame::OnTwo)
    ON_UPDATE_COMMAND_UI(ID_TEST_TWO, &CTestFrame::OnUpdateTwo)
END_MESSAGE_MAP()

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("Doc Test") {}
    // The code of the loop's end comes back from Run through here.
    int ExitInstance() override
    {
        ++g_exitCalls;
        return CWinApp::ExitInstance() + 40;
    }

protected:
    afx_msg BOOL OnOne(UINT) { return Record("app"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND_EX(ID_TEST_ONE, &CTestApp::OnOne)
END_MESSAGE_MAP()

static CTestApp theApp;

namespace {

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CRect ChildRect(CWnd* parent, HWND child)
{
    CRect rect;
    ::GetWindowRect(child, &rect);
    parent->ScreenToClient(&rect);
    return rect;
}

void SetLockKey(int key, bool on)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[key] = on ? 1 : 0;
    ::SetKeyboardState(keys);
}

class FrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""), SW_SHOWNORMAL);
        g_trace.clear();
        g_handler = "app";
        g_twoEnabled = TRUE;
        g_twoChecked = 0;
        g_mayClose = TRUE;
    }

    void TearDown() override
    {
        g_mayClose = TRUE;
        if (CWnd* main = theApp.m_pMainWnd)
            main->DestroyWindow();
        for (HWND frame : m_extraFrames)
            if (::IsWindow(frame))
                ::DestroyWindow(frame);
        delete theApp.m_pDocManager;
        theApp.m_pDocManager = nullptr;
        PumpMessages();
    }

    // The program's start-up: a single-document template and an empty command line.
    CTestFrame* StartSingle()
    {
        m_single = new CSingleDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                          RUNTIME_CLASS(CTestView));
        theApp.AddDocTemplate(m_single);
        CCommandLineInfo info;
        EXPECT_EQ(CCommandLineInfo::FileNew, info.m_nShellCommand);
        EXPECT_TRUE(theApp.ProcessShellCommand(info));
        PumpMessages();
        return DYNAMIC_DOWNCAST(CTestFrame, theApp.m_pMainWnd);
    }

    void Idle()
    {
        theApp.OnIdle(0);
    }

    // A multi-document template of the test's classes, not yet registered.
    static CMultiDocTemplate* NewMultiTemplate()
    {
        return new CMultiDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                     RUNTIME_CLASS(CTestView));
    }

    static CFrameWnd* FrameOf(CDocument* doc)
    {
        POSITION pos = doc->GetFirstViewPosition();
        return doc->GetNextView(pos)->GetParentFrame();
    }

    CSingleDocTemplate* m_single = nullptr;
    std::vector<HWND> m_extraFrames;
};

TEST_F(FrameTest, FileNewMakesDocumentFrameAndFormView)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    EXPECT_TRUE(frame->IsWindowVisible());

    CView* view = frame->GetActiveView();
    ASSERT_NE(nullptr, view);
    EXPECT_TRUE(view->IsKindOf(RUNTIME_CLASS(CTestView)));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, view->GetDlgCtrlID());
    EXPECT_EQ(frame->m_hWnd, ::GetParent(view->m_hWnd));
    // The form's controls come from its dialog template, as children of the view.
    HWND edit = ::GetDlgItem(view->m_hWnd, IDC_TEST_EDIT);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(view, CWnd::FromHandlePermanent(view->m_hWnd));

    CDocument* doc = frame->GetActiveDocument();
    ASSERT_NE(nullptr, doc);
    EXPECT_TRUE(doc->IsKindOf(RUNTIME_CLASS(CTestDoc)));
    EXPECT_EQ(doc, view->GetDocument());
    EXPECT_EQ(m_single, doc->GetDocTemplate());
    EXPECT_STREQ("TestDoc", doc->GetTitle());

    // The caption: the document's title before the program's (first field of the string).
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_STREQ("TestDoc - Test Program", caption);

    CString field;
    EXPECT_TRUE(m_single->GetDocString(field, CDocTemplate::filterName));
    EXPECT_STREQ("Test Files (*.tst)", field);
    EXPECT_TRUE(m_single->GetDocString(field, CDocTemplate::regFileTypeId));
    EXPECT_STREQ("LexifernTest.Document", field);

    // A second File New reuses the one document and frame.
    theApp.OnFileNew();
    EXPECT_EQ(frame, theApp.m_pMainWnd);
    EXPECT_EQ(doc, frame->GetActiveDocument());
}

TEST_F(FrameTest, LayoutPutsBarsAtTheirEdgesAndTheViewInTheRest)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    frame->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect client;
    frame->GetClientRect(&client);

    const int toolHeight = frame->m_wndToolBar.CalcFixedLayout(TRUE, TRUE).cy;
    const int statusHeight = frame->m_wndStatusBar.CalcFixedLayout(TRUE, TRUE).cy;
    ASSERT_GT(toolHeight, 16);   // at least the images
    ASSERT_GT(statusHeight, 8);

    EXPECT_EQ(CRect(0, 0, client.right, toolHeight), ChildRect(frame, frame->m_wndToolBar.m_hWnd));
    EXPECT_EQ(CRect(0, client.bottom - statusHeight, client.right, client.bottom),
              ChildRect(frame, frame->m_wndStatusBar.m_hWnd));
    EXPECT_EQ(CRect(0, toolHeight, client.right, client.bottom - statusHeight),
              ChildRect(frame, frame->GetActiveView()->m_hWnd));

    // View / Status Bar hides the bar; the view takes its strip.
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(frame->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(CRect(0, toolHeight, client.right, client.bottom), ChildRect(frame, frame->GetActiveView()->m_hWnd));

    // A fixed bar height (SetHeight) is what the layout uses.
    frame->m_wndToolBar.SetHeight(40);
    frame->RecalcLayout();
    EXPECT_EQ(CRect(0, 40, client.right, client.bottom), ChildRect(frame, frame->GetActiveView()->m_hWnd));
}

TEST_F(FrameTest, DockingMovesABarToTheEdgeAskedFor)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    CToolBar& bar = frame->m_wndToolBar;
    frame->EnableDocking(CBRS_ALIGN_ANY);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), bar.GetBarStyle() & CBRS_ALIGN_ANY);

    // The bar lives in the left dock bar now. The status bar was made before
    // the dock bars: it keeps the whole bottom edge, the left side takes the
    // height above it, and the view the rest.
    CControlBar* left = frame->GetControlBar(AFX_IDW_DOCKBAR_LEFT);
    ASSERT_NE(nullptr, left);
    EXPECT_EQ(left->m_hWnd, ::GetParent(bar.m_hWnd));
    EXPECT_FALSE(bar.IsFloating());
    CRect client;
    frame->GetClientRect(&client);
    const int statusHeight = frame->m_wndStatusBar.CalcFixedLayout(TRUE, TRUE).cy;
    const CRect side = ChildRect(frame, left->m_hWnd);
    const CRect inSide = ChildRect(frame, bar.m_hWnd);
    EXPECT_EQ(CRect(0, 0, side.right, client.bottom - statusHeight), side);
    EXPECT_GT(side.right, 16);
    EXPECT_EQ(0, inSide.left);
    EXPECT_EQ(0, inSide.top);
    EXPECT_EQ(CRect(0, client.bottom - statusHeight, client.right, client.bottom),
              ChildRect(frame, frame->m_wndStatusBar.m_hWnd));
    EXPECT_EQ(CRect(side.right, 0, client.right, client.bottom - statusHeight),
              ChildRect(frame, frame->GetActiveView()->m_hWnd));

    // Without an edge asked for, the first edge both allow.
    bar.EnableDocking(CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT);
    frame->DockControlBar(&bar);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_BOTTOM), bar.GetBarStyle() & CBRS_ALIGN_ANY);
}

TEST_F(FrameTest, CommandsGoViewThenDocumentThenFrameThenApplication)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);

    frame->SendMessage(WM_COMMAND, ID_TEST_ONE);
    EXPECT_EQ("view doc frame app ", g_trace);

    g_trace.clear();
    g_handler = "doc";
    frame->SendMessage(WM_COMMAND, ID_TEST_ONE);
    EXPECT_EQ("view doc ", g_trace);

    g_trace.clear();
    g_handler = "frame";
    frame->SendMessage(WM_COMMAND, ID_TEST_ONE);
    EXPECT_EQ("view doc frame ", g_trace);

    // A disabled command is not carried out, even from an accelerator.
    g_trace.clear();
    g_twoEnabled = FALSE;
    frame->SendMessage(WM_COMMAND, ID_TEST_TWO);
    EXPECT_EQ("", g_trace);
}

TEST_F(FrameTest, AcceleratorsWorkWhileAFormControlHasTheFocus)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    CView* view = frame->GetActiveView();
    HWND edit = ::GetDlgItem(view->m_hWnd, IDC_TEST_EDIT);
    ASSERT_NE(nullptr, edit);

    BYTE keys[256];
    ::GetKeyboardState(keys);
    BYTE held[256];
    memcpy(held, keys, sizeof held);
    held[VK_CONTROL] = 0x80;
    ::SetKeyboardState(held);
    MSG msg = { edit, WM_KEYDOWN, 'Q', 0x00100001, 0, { 0, 0 } };
    g_handler = "view";
    const BOOL eaten = theApp.PreTranslateMessage(&msg);
    ::SetKeyboardState(keys);

    EXPECT_TRUE(eaten);
    EXPECT_EQ("view ", g_trace);
}

TEST_F(FrameTest, IdleUpdatesToolbarButtonsThroughTheRoute)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    CToolBar& bar = frame->m_wndToolBar;
    ASSERT_EQ(4, bar.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_TEST_ONE), bar.GetItemID(0));
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), bar.GetItemID(1));
    EXPECT_EQ(2, bar.CommandToIndex(ID_TEST_TWO));
    CToolBarCtrl& ctrl = bar.GetToolBarCtrl();

    g_twoEnabled = FALSE;
    g_twoChecked = 1;
    Idle();
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_ONE));    // handled by the view
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_TEST_TWO));   // its update handler says so
    EXPECT_TRUE(ctrl.IsButtonChecked(ID_TEST_TWO));
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_TEST_THREE)); // nobody handles it
    EXPECT_EQ(static_cast<UINT>(TBBS_DISABLED | TBBS_CHECKED | TBBS_CHECKBOX), bar.GetButtonStyle(2));

    g_twoEnabled = TRUE;
    g_twoChecked = 0;
    Idle();
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_TWO));
    EXPECT_FALSE(ctrl.IsButtonChecked(ID_TEST_TWO));

    // Styles as the program sets them: a plain style value leaves the button enabled.
    bar.SetButtonStyle(3, TBSTYLE_DROPDOWN | BTNS_SHOWTEXT);
    EXPECT_EQ(static_cast<UINT>(TBSTYLE_DROPDOWN | BTNS_SHOWTEXT), bar.GetButtonStyle(3) & 0xFF);
    EXPECT_FALSE(bar.GetButtonStyle(3) & TBBS_DISABLED);
    EXPECT_TRUE(bar.SetButtonText(3, "Third"));
    EXPECT_STREQ("Third", bar.GetButtonText(3));

    CRect first, second;
    bar.GetItemRect(0, &first);
    bar.GetItemRect(2, &second);
    EXPECT_FALSE(first.IsRectEmpty());
    EXPECT_GT(second.left, first.right);   // the separator lies between them
}

TEST_F(FrameTest, ToolTipsComeFromThePromptAfterTheNewline)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    HWND bar = frame->m_wndToolBar.m_hWnd;

    auto tipOf = [bar](UINT id) {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = bar;
        info.hdr.idFrom = id;
        info.hdr.code = TTN_GETDISPINFOA;
        ::SendMessageA(bar, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
        return std::string(info.lpszText ? info.lpszText : "");
    };
    EXPECT_EQ("First", tipOf(ID_TEST_ONE));
    EXPECT_EQ("Third only", tipOf(ID_TEST_THREE));
    EXPECT_EQ("", tipOf(ID_TEST_TWO));   // a prompt without a tip part
}

TEST_F(FrameTest, StatusBarPanesPromptsAndLockIndicators)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    CStatusBar& status = frame->m_wndStatusBar;
    CStatusBarCtrl& ctrl = status.GetStatusBarCtrl();
    ASSERT_EQ(4, status.GetCount());
    EXPECT_STREQ("CAP", status.GetPaneText(1));
    EXPECT_STREQ("NUM", status.GetPaneText(2));
    EXPECT_STREQ("SCRL", status.GetPaneText(3));
    EXPECT_EQ(1, status.CommandToIndex(ID_INDICATOR_CAPS));

    // The message pane stretches; the indicators sit at the right edge.
    CRect client, message, scroll;
    status.GetClientRect(&client);
    status.GetItemRect(0, &message);
    status.GetItemRect(3, &scroll);
    EXPECT_EQ(0, message.left);
    EXPECT_GE(scroll.right, client.right - 4);
    EXPECT_GT(message.Width(), client.Width() / 2);

    // "Ready" once the frame is up.
    EXPECT_STREQ("Ready", ctrl.GetText(0));

    // A menu item's prompt while it is selected; "Ready" when the menu closes.
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_ONE, MF_STRING), 0);
    EXPECT_STREQ("Do the first thing", ctrl.GetText(0));
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_STREQ("Ready", ctrl.GetText(0));
    frame->SetMessageText("Working");
    EXPECT_STREQ("Working", ctrl.GetText(0));

    // Lock keys: the indicator shows its text only while the lock is on.
    SetLockKey(VK_CAPITAL, true);
    SetLockKey(VK_NUMLOCK, false);
    Idle();
    EXPECT_STREQ("CAP", ctrl.GetText(1));
    EXPECT_STREQ("", ctrl.GetText(2));
    SetLockKey(VK_CAPITAL, false);
    Idle();
    EXPECT_STREQ("", ctrl.GetText(1));
    EXPECT_STREQ("CAP", status.GetPaneText(1));   // the text is kept for later

    status.SetPaneText(0, "Done");
    EXPECT_STREQ("Done", ctrl.GetText(0));
    UINT id = 0, style = 0;
    int width = 0;
    status.SetPaneInfo(2, ID_INDICATOR_NUM, SBPS_NORMAL, 80);
    status.GetPaneInfo(2, id, style, width);
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_NUM), id);
    EXPECT_EQ(80, width);
}

TEST_F(FrameTest, ClosingAsksTheDocument)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    HWND hWnd = frame->m_hWnd;

    g_mayClose = FALSE;
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(frame, theApp.m_pMainWnd);

    g_mayClose = TRUE;
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    EXPECT_EQ(nullptr, m_single->GetFirstDocPosition());
}

TEST_F(FrameTest, ReBarHoldsTheToolBarAndTakesTheTopStrip)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    CReBar rebar;
    ASSERT_TRUE(rebar.Create(frame));
    ASSERT_TRUE(rebar.AddBar(&frame->m_wndToolBar, "Tools"));
    EXPECT_EQ(rebar.m_hWnd, ::GetParent(frame->m_wndToolBar.m_hWnd));
    EXPECT_EQ(1u, rebar.GetReBarCtrl().GetBandCount());

    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    const int height = static_cast<int>(rebar.GetReBarCtrl().GetBarHeight());
    EXPECT_GT(height, 16);
    EXPECT_EQ(CRect(0, 0, client.right, height), ChildRect(frame, rebar.m_hWnd));
    EXPECT_EQ(height, ChildRect(frame, frame->GetActiveView()->m_hWnd).top);

    // Hiding the toolbar hides its band.
    frame->ShowControlBar(&frame->m_wndToolBar, FALSE, FALSE);
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE;
    rebar.GetReBarCtrl().GetBandInfo(0, &band);
    EXPECT_TRUE(band.fStyle & RBBS_HIDDEN);
    rebar.DestroyWindow();
}

TEST_F(FrameTest, DialogBarRoutesItsButtonsToTheFrame)
{
    CTestFrame* frame = StartSingle();
    ASSERT_NE(nullptr, frame);
    CDialogBar bar;
    ASSERT_TRUE(bar.Create(frame, IDD_TEST_DIALOGBAR, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_DIALOGBAR));
    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    const CRect statusRect = ChildRect(frame, frame->m_wndStatusBar.m_hWnd);
    // Bars take their edges in the order they were made: the status bar is outermost.
    EXPECT_EQ(CRect(0, statusRect.top - bar.m_sizeDefault.cy, client.right, statusRect.top),
              ChildRect(frame, bar.m_hWnd));

    HWND button = ::GetDlgItem(bar.m_hWnd, ID_TEST_TWO);
    ASSERT_NE(nullptr, button);
    ::SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ("two ", g_trace);

    g_twoEnabled = FALSE;
    Idle();
    EXPECT_FALSE(::IsWindowEnabled(button));
    bar.DestroyWindow();
}

TEST_F(FrameTest, MultiDocumentTemplateOpensSeparateTopLevelFrames)
{
    CTestFrame* main = StartSingle();
    ASSERT_NE(nullptr, main);
    CMultiDocTemplate* multi = NewMultiTemplate();
    theApp.AddDocTemplate(multi);

    CDocument* first = multi->OpenDocumentFile(nullptr);
    CDocument* second = multi->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_STREQ("TestDoc1", first->GetTitle());
    EXPECT_STREQ("TestDoc2", second->GetTitle());

    CFrameWnd* frame1 = FrameOf(first);
    CFrameWnd* frame2 = FrameOf(second);
    m_extraFrames = { frame1->m_hWnd, frame2->m_hWnd };
    EXPECT_NE(frame1, frame2);
    EXPECT_NE(static_cast<CWnd*>(frame1), theApp.m_pMainWnd);
    // Top-level windows of their own, not children of the main frame.
    EXPECT_FALSE(frame1->GetStyle() & WS_CHILD);
    EXPECT_EQ(nullptr, ::GetParent(frame2->m_hWnd));
    EXPECT_TRUE(frame2->IsWindowVisible());
    // Each frame routes to its own document.
    EXPECT_EQ(second, frame2->GetActiveDocument());

    // Closing one frame closes its document only.
    frame1->SendMessage(WM_CLOSE);
    int count = 0;
    for (POSITION p = multi->GetFirstDocPosition(); p; multi->GetNextDoc(p))
        ++count;
    EXPECT_EQ(1, count);
    EXPECT_TRUE(::IsWindow(frame2->m_hWnd));
}

// A broken loop would wait for ever: after the limit a quit of its own
// (code 99) ends it, and the test fails instead of hanging.
class LoopGuard
{
public:
    explicit LoopGuard(UINT limitMs)
        : m_timer(::SetTimer(nullptr, 0, limitMs, [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(99); }))
    {
    }
    ~LoopGuard() { ::KillTimer(nullptr, m_timer); }

private:
    UINT_PTR m_timer;
};

TEST_F(FrameTest, ClosingTheMainFrameEndsTheLoopThoughOtherFramesRemain)
{
    CTestFrame* main = StartSingle();
    ASSERT_NE(nullptr, main);
    HWND mainWnd = main->m_hWnd;
    // Another frame, hidden and of a template the application does not
    // know, like the program's log window: it stays behind.
    std::unique_ptr<CMultiDocTemplate> hidden(NewMultiTemplate());
    CDocument* other = hidden->OpenDocumentFile(nullptr, FALSE);
    ASSERT_NE(nullptr, other);
    HWND otherWnd = FrameOf(other)->m_hWnd;

    // The caption's close box: the system command arrives as WM_CLOSE.
    ::PostMessageA(mainWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    g_exitCalls = 0;
    int code = 0;
    {
        LoopGuard guard(5000);
        code = theApp.Run();
    }
    EXPECT_EQ(40, code);   // the quit's 0, through ExitInstance
    EXPECT_EQ(1, g_exitCalls);
    EXPECT_FALSE(::IsWindow(mainWnd));
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    EXPECT_TRUE(::IsWindow(otherWnd));
    hidden->CloseAllDocuments(TRUE);
}

TEST_F(FrameTest, OnlyTheMainFrameEndsTheLoop)
{
    CTestFrame* main = StartSingle();
    ASSERT_NE(nullptr, main);
    CMultiDocTemplate* multi = NewMultiTemplate();
    theApp.AddDocTemplate(multi);
    CDocument* other = multi->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, other);
    FrameOf(other)->SendMessage(WM_CLOSE);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(main, theApp.m_pMainWnd);

    main->SendMessage(WM_CLOSE);
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
}

} // namespace
