// Multiple documents in one main frame: children of two templates, the
// frame's menu following the active child, command routing through the
// active child, numbered windows of one document, the maximized caption and
// the save question when a document's last frame closes.
#include "afx/DocManager.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/MDIChildWnd.h"
#include "afx/MDIFrameWnd.h"
#include "afx/SplitterWnd.h"
#include "afx/View.h"
#include "tests/afx/mdi/MdiIds.h"
#include "tests/afx/mdi/TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Who took ID_TEST_WHO: "view <document title>" or "frame".
std::string g_who;
bool g_viewTakesWho = true;

} // namespace

class CMdiDoc : public CDocument
{
    DECLARE_DYNCREATE(CMdiDoc)
};
IMPLEMENT_DYNCREATE(CMdiDoc, CDocument)

class CMdiView : public CView
{
    DECLARE_DYNCREATE(CMdiView)
public:
    void OnDraw(CDC*) override {}

protected:
    afx_msg BOOL OnWho(UINT)
    {
        if (!g_viewTakesWho)
            return FALSE;
        g_who = "view " + std::string(GetDocument()->GetTitle());
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiView, CView)
BEGIN_MESSAGE_MAP(CMdiView, CView)
    ON_COMMAND_EX(ID_TEST_WHO, &CMdiView::OnWho)
END_MESSAGE_MAP()

class CMdiMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMdiMainFrame)
protected:
    afx_msg void OnWho() { g_who = "frame"; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CMdiMainFrame, CMDIFrameWnd)
    ON_COMMAND(ID_TEST_WHO, &CMdiMainFrame::OnWho)
END_MESSAGE_MAP()

// A document frame split in two rows, each a view of the document.
class CSplitChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CSplitChild)
public:
    CSplitterWnd m_wndSplitter;

    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        return m_wndSplitter.CreateStatic(this, 2, 1) &&
               m_wndSplitter.CreateView(0, 0, pContext->m_pNewViewClass, CSize(0, 50), pContext) &&
               m_wndSplitter.CreateView(1, 0, pContext->m_pNewViewClass, CSize(0, 0), pContext);
    }
};
IMPLEMENT_DYNCREATE(CSplitChild, CMDIChildWnd)

namespace {

std::string Text(HWND wnd)
{
    char text[256] = "";
    ::GetWindowTextA(wnd, text, sizeof text);
    return text;
}

std::vector<HWND> Children(HWND client)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(client, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child))
            children.push_back(child);
    return children;
}

class MdiTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_who.clear();
        g_viewTakesWho = true;
        TestApp().m_prompts.clear();
        TestApp().m_nAnswer = IDOK;
        m_frame = new CMdiMainFrame;
        ASSERT_TRUE(m_frame->LoadFrame(IDR_MAINFRAME));
        TestApp().m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOWNORMAL);
        m_text = new CMultiDocTemplate(IDR_TEXTTYPE, RUNTIME_CLASS(CMdiDoc), RUNTIME_CLASS(CMDIChildWnd),
                                       RUNTIME_CLASS(CMdiView));
        m_split = new CMultiDocTemplate(IDR_SPLITTYPE, RUNTIME_CLASS(CMdiDoc), RUNTIME_CLASS(CSplitChild),
                                        RUNTIME_CLASS(CMdiView));
        TestApp().AddDocTemplate(m_text);
        TestApp().AddDocTemplate(m_split);
        PumpPending();
    }

    void TearDown() override
    {
        if (TestApp().m_pMainWnd)
            TestApp().m_pMainWnd->DestroyWindow();
        delete TestApp().m_pDocManager;
        TestApp().m_pDocManager = nullptr;
        PumpPending();
    }

    HWND Client() const { return m_frame->m_hWndMDIClient; }

    // A new text document, then a second window on it (Window New).
    void OpenInTwoWindows(CDocument*& doc, CMDIChildWnd*& first, CMDIChildWnd*& second)
    {
        doc = m_text->OpenDocumentFile(nullptr);
        ASSERT_NE(nullptr, doc);
        PumpPending();
        first = m_frame->MDIGetActive();
        m_frame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
        PumpPending();
        second = m_frame->MDIGetActive();
        ASSERT_TRUE(first && second);
        ASSERT_NE(first, second);
    }
    HMENU FrameMenu() const { return ::GetMenu(m_frame->m_hWnd); }

    CMdiMainFrame* m_frame = nullptr;
    CMultiDocTemplate* m_text = nullptr;
    CMultiDocTemplate* m_split = nullptr;
};

TEST_F(MdiTest, TheClientIsTheFramesLeftoverPaneWithASunkenEdge)
{
    ASSERT_NE(nullptr, Client());
    EXPECT_EQ(Client(), ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_TRUE(::GetWindowLongPtrA(Client(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // Not bound: a window class of the program may take it over.
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(Client()));
    CRect client;
    CRect pane;
    m_frame->GetClientRect(&client);
    ::GetWindowRect(Client(), &pane);
    m_frame->ScreenToClient(&pane);
    EXPECT_EQ(client, pane);
    EXPECT_EQ(m_frame, m_frame->GetActiveFrame());
    EXPECT_EQ(nullptr, m_frame->MDIGetActive());
}

TEST_F(MdiTest, ActivationSwitchesTheMenuAndCommandsReachTheActiveView)
{
    const HMENU defaultMenu = m_frame->m_hMenuDefault;
    ASSERT_NE(nullptr, defaultMenu);
    ASSERT_EQ(defaultMenu, FrameMenu());

    CDocument* text = m_text->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, text);
    PumpPending();
    CMDIChildWnd* textChild = m_frame->MDIGetActive();
    ASSERT_NE(nullptr, textChild);
    EXPECT_EQ(textChild, m_frame->GetActiveFrame());
    EXPECT_TRUE(textChild->GetExStyle() & WS_EX_MDICHILD);
    EXPECT_EQ("Text1", Text(textChild->m_hWnd));
    EXPECT_EQ(m_text->m_hMenuShared, FrameMenu());

    CDocument* split = m_split->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, split);
    PumpPending();
    CMDIChildWnd* splitChild = m_frame->MDIGetActive();
    ASSERT_NE(textChild, splitChild);
    EXPECT_EQ(2u, Children(Client()).size());
    EXPECT_EQ("Split1", Text(splitChild->m_hWnd));
    EXPECT_EQ(m_split->m_hMenuShared, FrameMenu());
    // The frame's caption carries the active document.
    EXPECT_EQ("Split1 - MDI Test", Text(m_frame->m_hWnd));

    // A command given to the frame reaches the active child's view first.
    m_frame->SendMessage(WM_COMMAND, ID_TEST_WHO);
    EXPECT_EQ("view Split1", g_who);
    m_frame->MDIActivate(textChild);
    PumpPending();
    EXPECT_EQ(textChild, m_frame->MDIGetActive());
    EXPECT_EQ(m_text->m_hMenuShared, FrameMenu());
    m_frame->SendMessage(WM_COMMAND, ID_TEST_WHO);
    EXPECT_EQ("view Text1", g_who);
    g_viewTakesWho = false;
    m_frame->SendMessage(WM_COMMAND, ID_TEST_WHO);
    EXPECT_EQ("frame", g_who);

    // The last child going brings the frame's own menu back.
    textChild->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(splitChild, m_frame->MDIGetActive());
    EXPECT_EQ(m_split->m_hMenuShared, FrameMenu());
    splitChild->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(nullptr, m_frame->MDIGetActive());
    EXPECT_TRUE(Children(Client()).empty());
    EXPECT_EQ(defaultMenu, FrameMenu());
    EXPECT_EQ("MDI Test", Text(m_frame->m_hWnd));
    EXPECT_EQ(nullptr, m_text->GetFirstDocPosition());
}

TEST_F(MdiTest, ASplitChildShowsTwoViewsAndRoutesToTheFirst)
{
    CDocument* split = m_split->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, split);
    PumpPending();
    CSplitChild* child = DYNAMIC_DOWNCAST(CSplitChild, m_frame->MDIGetActive());
    ASSERT_NE(nullptr, child);
    CWnd* top = child->m_wndSplitter.GetPane(0, 0);
    CWnd* bottom = child->m_wndSplitter.GetPane(1, 0);
    ASSERT_TRUE(top && bottom);
    EXPECT_EQ(top, child->GetActiveView());
    int count = 0;
    for (POSITION pos = split->GetFirstViewPosition(); pos; split->GetNextView(pos))
        ++count;
    EXPECT_EQ(2, count);
    int cur = 0;
    int min = 0;
    child->m_wndSplitter.GetRowInfo(0, cur, min);
    EXPECT_EQ(50, cur);
    m_frame->SendMessage(WM_COMMAND, ID_TEST_WHO);
    EXPECT_EQ("view Split1", g_who);
    // Closing the frame takes both views and the document.
    child->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(nullptr, m_split->GetFirstDocPosition());
}

TEST_F(MdiTest, NewWindowNumbersTheFramesOfTheDocument)
{
    CDocument* text = nullptr;
    CMDIChildWnd* first = nullptr;
    CMDIChildWnd* second = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenInTwoWindows(text, first, second));
    EXPECT_EQ(text, second->GetActiveDocument());
    EXPECT_EQ("Text1:1", Text(first->m_hWnd));
    EXPECT_EQ("Text1:2", Text(second->m_hWnd));
    EXPECT_TRUE(TestApp().m_prompts.empty());

    // One window again: no number.
    second->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ("Text1", Text(first->m_hWnd));
    first->SendMessage(WM_CLOSE);
    PumpPending();

    // Without an active document there is nothing to open another window on.
    m_frame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    ASSERT_EQ(1u, TestApp().m_prompts.size());
    EXPECT_EQ("The command could not be carried out.", TestApp().m_prompts[0]);
}

TEST_F(MdiTest, MaximizedChildGoesIntoTheFrameCaptionAndMenuBar)
{
    ASSERT_NE(nullptr, m_text->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, m_text->OpenDocumentFile(nullptr));
    PumpPending();
    CMDIChildWnd* active = m_frame->MDIGetActive();
    ASSERT_NE(nullptr, active);
    EXPECT_EQ("Text2", Text(active->m_hWnd));
    const int items = ::GetMenuItemCount(FrameMenu());

    active->MDIMaximize();
    PumpPending();
    BOOL maximized = FALSE;
    EXPECT_EQ(active, m_frame->MDIGetActive(&maximized));
    EXPECT_TRUE(maximized);
    EXPECT_NE(std::string::npos, Text(m_frame->m_hWnd).find("[Text2]")) << Text(m_frame->m_hWnd);
    // The child's system box and caption boxes join the menu bar.
    EXPECT_GT(::GetMenuItemCount(FrameMenu()), items);
    // The client gives up its edge to the maximized child.
    EXPECT_FALSE(::GetWindowLongPtrA(Client(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    // The next child comes maximized too; hiding the active one leaves it so.
    m_frame->MDINext();
    PumpPending();
    CMDIChildWnd* other = m_frame->MDIGetActive(&maximized);
    ASSERT_NE(active, other);
    EXPECT_TRUE(maximized);
    EXPECT_NE(std::string::npos, Text(m_frame->m_hWnd).find("[Text1]")) << Text(m_frame->m_hWnd);

    other->MDIRestore();
    PumpPending();
    m_frame->MDIGetActive(&maximized);
    EXPECT_FALSE(maximized);
    EXPECT_EQ(std::string::npos, Text(m_frame->m_hWnd).find('['));
    EXPECT_TRUE(::GetWindowLongPtrA(Client(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(items, ::GetMenuItemCount(FrameMenu()));
}

TEST_F(MdiTest, ClosingTheLastFrameOfAModifiedDocumentAsksToSave)
{
    CDocument* text = nullptr;
    CMDIChildWnd* first = nullptr;
    CMDIChildWnd* second = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenInTwoWindows(text, first, second));
    text->SetModifiedFlag();

    // Another frame still shows the document: no question.
    second->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_TRUE(TestApp().m_prompts.empty());
    EXPECT_EQ(1u, Children(Client()).size());

    // Cancel keeps the frame and the document.
    TestApp().m_nAnswer = IDCANCEL;
    first->SendMessage(WM_CLOSE);
    PumpPending();
    ASSERT_EQ(1u, TestApp().m_prompts.size());
    EXPECT_NE(std::string::npos, TestApp().m_prompts[0].find("Text1"));
    EXPECT_TRUE(::IsWindow(first->m_hWnd));
    POSITION pos = m_text->GetFirstDocPosition();
    EXPECT_EQ(text, pos ? m_text->GetNextDoc(pos) : nullptr);

    // No closes it without saving.
    TestApp().m_nAnswer = IDNO;
    const HWND firstWnd = first->m_hWnd;
    first->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(2u, TestApp().m_prompts.size());
    EXPECT_FALSE(::IsWindow(firstWnd));
    EXPECT_EQ(nullptr, m_text->GetFirstDocPosition());
    EXPECT_EQ(nullptr, m_frame->MDIGetActive());
}

TEST_F(MdiTest, ClosingTheMainFrameAsksForEveryModifiedDocument)
{
    CDocument* one = m_text->OpenDocumentFile(nullptr);
    CDocument* two = m_split->OpenDocumentFile(nullptr);
    ASSERT_TRUE(one && two);
    PumpPending();
    one->SetModifiedFlag();
    two->SetModifiedFlag();
    TestApp().m_nAnswer = IDCANCEL;
    m_frame->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(1u, TestApp().m_prompts.size());
    EXPECT_TRUE(::IsWindow(m_frame->m_hWnd));
    EXPECT_EQ(2u, Children(Client()).size());

    TestApp().m_nAnswer = IDNO;
    const HWND frameWnd = m_frame->m_hWnd;
    m_frame->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(3u, TestApp().m_prompts.size());
    EXPECT_FALSE(::IsWindow(frameWnd));
    EXPECT_EQ(nullptr, TestApp().m_pMainWnd);
}

} // namespace
