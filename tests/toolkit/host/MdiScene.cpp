#include "MdiScene.h"

#include "HostLook.h"
#include "HostResource.h"
#include "afx/ControlBar.h"
#include "afx/DC.h"
#include "afx/Dialog.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/MDIChildWnd.h"
#include "afx/MDIFrameWnd.h"
#include "afx/SplitterWnd.h"
#include "afx/View.h"
#include "afx/WinApp.h"

namespace {

enum CommandId : UINT
{
    CmdNewText = ID_MDI_FIRST,   // 33000
    CmdNewSplit,                 // 33001
    CmdMaximize,                 // 33002
    CmdRestore,                  // 33003
    CmdClose,                    // 33004
    CmdKickIdleDialog,           // 33005
    CmdSplitRow60,               // 33006
    CmdWhoHandles,               // 33007
};

const int StateBarWidth = 300;
const UINT_PTR StateTimerId = 1;
const UINT StateTimerPeriod = 250;

// What the scene's windows report to the state box.
struct MdiSceneState
{
    int kickIdle = 0;
    CString handled = "none";
};
MdiSceneState g_state;

CString MenuTexts(HMENU menu)
{
    CString texts;
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (!*text)
            continue;   // a maximized child's boxes
        if (!texts.IsEmpty())
            texts += ",";
        texts += text;
    }
    return texts;
}

} // namespace

class CMdiSceneDoc : public CDocument
{
    DECLARE_DYNCREATE(CMdiSceneDoc)
};
IMPLEMENT_DYNCREATE(CMdiSceneDoc, CDocument)

class CMdiSceneView : public CView
{
    DECLARE_DYNCREATE(CMdiSceneView)
public:
    void OnDraw(CDC* pDC) override
    {
        CRect client;
        GetClientRect(&client);
        ::FillRect(pDC->m_hDC, &client, ::GetSysColorBrush(COLOR_WINDOW));
        ::TextOutA(pDC->m_hDC, 4, 4, GetDocument()->GetTitle(), GetDocument()->GetTitle().GetLength());
    }

protected:
    afx_msg void OnWho() { g_state.handled = "view"; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiSceneView, CView)
BEGIN_MESSAGE_MAP(CMdiSceneView, CView)
    ON_COMMAND(CmdWhoHandles, &CMdiSceneView::OnWho)
END_MESSAGE_MAP()

class CMdiSplitChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CMdiSplitChild)
public:
    CSplitterWnd m_wndSplitter;

    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        return m_wndSplitter.CreateStatic(this, 2, 1) &&
               m_wndSplitter.CreateView(0, 0, pContext->m_pNewViewClass, CSize(0, 100), pContext) &&
               m_wndSplitter.CreateView(1, 0, pContext->m_pNewViewClass, CSize(0, 0), pContext);
    }
};
IMPLEMENT_DYNCREATE(CMdiSplitChild, CMDIChildWnd)

// The state box as a bar of fixed width at the frame's right.
class CMdiStateBar : public CControlBar
{
public:
    BOOL Create(CFrameWnd* pFrame)
    {
        m_dwStyle = CBRS_ALIGN_RIGHT;
        if (!CreateEx(WS_EX_CLIENTEDGE, "EDIT", "",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                      CRect(0, 0, StateBarWidth, 100), pFrame, IDC_HOST_STATE))
            return FALSE;
        AttachToFrame(pFrame);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL, BOOL) override { return CSize(StateBarWidth, 32767); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    void PostNcDestroy() override {}   // a member of its frame
};

// Counts its idle time; Escape closes it.
class CKickIdleDialog : public CDialog
{
public:
    CKickIdleDialog()
    {
        DLGTEMPLATE* dlg = reinterpret_cast<DLGTEMPLATE*>(m_words);
        dlg->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        dlg->cx = 120;
        dlg->cy = 40;
        WORD* p = reinterpret_cast<WORD*>(dlg + 1);
        *p++ = 0;   // no menu
        *p++ = 0;   // the dialog class
        for (const char* t = "Idle"; ; ++t) {
            *p++ = static_cast<WORD>(*t);
            if (!*t)
                break;
        }
        InitModalIndirect(dlg);
    }

protected:
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++g_state.kickIdle;
        return FALSE;   // once for each idle time
    }
    DECLARE_MESSAGE_MAP()

private:
    alignas(4) WORD m_words[32] = {};
};
BEGIN_MESSAGE_MAP(CKickIdleDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, &CKickIdleDialog::OnKickIdle)
END_MESSAGE_MAP()

class CMdiSceneFrame : public CMDIFrameWnd
{
public:
    // The frame; a failure frees it (its window's end deletes it).
    static CMdiSceneFrame* Make(const CString& name)
    {
        // Host, Scene and Window popups; the Text template adds its own.
        HMENU menu = BuildMenu(FALSE);
        CMdiSceneFrame* frame = new CMdiSceneFrame;
        if (!frame->Create(nullptr, "Toolkit Host - " + name, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CRect(0, 0, 1000, 740), nullptr, nullptr)) {
            ::DestroyMenu(menu);
            return nullptr;
        }
        ::SetMenu(frame->m_hWnd, menu);
        frame->m_hMenuDefault = menu;
        frame->OnUpdateFrameMenu(nullptr);
        if (!frame->Populate()) {
            frame->DestroyWindow();
            return nullptr;
        }
        return frame;
    }

    BOOL Populate()
    {
        if (!m_stateBar.Create(this))
            return FALSE;
        m_text = new CMultiDocTemplate(IDR_MDI_TEXT, RUNTIME_CLASS(CMdiSceneDoc), RUNTIME_CLASS(CMDIChildWnd),
                                       RUNTIME_CLASS(CMdiSceneView));
        m_text->m_hMenuShared = BuildMenu(TRUE);
        m_split = new CMultiDocTemplate(IDR_MDI_SPLIT, RUNTIME_CLASS(CMdiSceneDoc), RUNTIME_CLASS(CMdiSplitChild),
                                        RUNTIME_CLASS(CMdiSceneView));
        m_split->m_hMenuShared = BuildMenu(FALSE);
        AfxGetApp()->AddDocTemplate(m_text);
        AfxGetApp()->AddDocTemplate(m_split);
        RecalcLayout();
        SetTimer(StateTimerId, StateTimerPeriod, nullptr);
        ShowWindow(SW_SHOW);
        UpdateWindow();
        RefreshState();
        return TRUE;
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == CN_COMMAND && DoLookCommand(nID)) {
            RefreshState();
            return TRUE;
        }
        const BOOL handled = CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        if (nCode == CN_COMMAND && handled)
            RefreshState();
        return handled;
    }

protected:
    // The host's popups, the "Text" popup when asked, and the window list.
    static HMENU BuildMenu(BOOL withText)
    {
        HMENU menu = ::CreateMenu();
        AppendHostMenus(menu);
        HMENU scene = ::CreatePopupMenu();
        const std::pair<UINT, const char*> commands[] = {
            { CmdNewText, "New &Text document" },
            { CmdNewSplit, "New &Split document" },
            { CmdMaximize, "&Maximize the active child" },
            { CmdRestore, "&Restore the active child" },
            { CmdClose, "&Close the active child" },
            { CmdKickIdleDialog, "Modal &dialog counting idle time" },
            { CmdSplitRow60, "Split row 0 to &60 pixels" },
            { CmdWhoHandles, "&Who handles" },
        };
        for (const auto& command : commands)
            ::AppendMenuA(scene, MF_STRING, command.first, command.second);
        ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(scene), "&Scene");
        if (withText) {
            HMENU text = ::CreatePopupMenu();
            ::AppendMenuA(text, MF_STRING, CmdWhoHandles, "&Who handles");
            ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(text), "&Text");
        }
        HMENU window = ::CreatePopupMenu();
        ::AppendMenuA(window, MF_STRING, ID_WINDOW_NEW, "&New Window");
        ::AppendMenuA(window, MF_STRING, ID_WINDOW_CASCADE, "&Cascade");
        ::AppendMenuA(window, MF_STRING, ID_WINDOW_TILE_HORZ, "&Tile");
        ::AppendMenuA(window, MF_STRING, ID_WINDOW_ARRANGE, "&Arrange Icons");
        ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(window), "&Window");
        return menu;
    }

    int ChildCount() const
    {
        int count = 0;
        for (HWND child = ::GetWindow(m_hWndMDIClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(child)))
                ++count;
        return count;
    }

    void RefreshState()
    {
        if (!m_stateBar.m_hWnd)
            return;
        CHostState state;
        state.Add("scene", "mdi");
        state.AddInt("children", ChildCount());
        BOOL maximized = FALSE;
        CMDIChildWnd* active = MDIGetActive(&maximized);
        CString title;
        if (active)
            active->GetWindowText(title);
        state.Add("active", title);
        state.AddFlag("maximized", maximized);
        CString caption;
        GetWindowText(caption);
        state.Add("caption", caption);
        state.Add("menu", MenuTexts(::GetMenu(m_hWnd)));
        state.Add("look", CurrentLookName());
        CString rows = "none";
        if (CMdiSplitChild* split = DYNAMIC_DOWNCAST(CMdiSplitChild, active)) {
            int h0 = 0;
            int h1 = 0;
            int min = 0;
            split->m_wndSplitter.GetRowInfo(0, h0, min);
            split->m_wndSplitter.GetRowInfo(1, h1, min);
            rows.Format("%d,%d", h0, h1);
        }
        state.Add("split.rows", rows);
        state.AddInt("kickidle", g_state.kickIdle);
        state.Add("handled", g_state.handled);
        CString text = state.Text();
        CString current;
        m_stateBar.GetWindowText(current);
        if (text != current)
            m_stateBar.SetWindowText(text);
    }

    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == StateTimerId)
            RefreshState();
    }
    afx_msg void OnRefresh() { RefreshState(); }
    afx_msg void OnExit() { SendMessage(WM_CLOSE); }
    afx_msg void OnNewText() { m_text->OpenDocumentFile(nullptr); }
    afx_msg void OnNewSplit() { m_split->OpenDocumentFile(nullptr); }
    afx_msg void OnMaximize()
    {
        if (CMDIChildWnd* active = MDIGetActive())
            MDIMaximize(active);
    }
    afx_msg void OnRestore()
    {
        if (CMDIChildWnd* active = MDIGetActive())
            MDIRestore(active);
    }
    afx_msg void OnCloseChild()
    {
        if (CMDIChildWnd* active = MDIGetActive())
            active->PostMessage(WM_CLOSE);
    }
    afx_msg void OnKickIdleDialog()
    {
        CKickIdleDialog dialog;
        dialog.DoModal();
    }
    afx_msg void OnSplitRow60()
    {
        if (CMdiSplitChild* split = DYNAMIC_DOWNCAST(CMdiSplitChild, MDIGetActive())) {
            split->m_wndSplitter.SetRowInfo(0, 60, 0);
            split->m_wndSplitter.RecalcLayout();
        }
    }
    afx_msg void OnWho() { g_state.handled = "frame"; }
    afx_msg void OnDestroy()
    {
        KillTimer(StateTimerId);
        CMDIFrameWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()

    CMdiStateBar m_stateBar;
    CMultiDocTemplate* m_text = nullptr;
    CMultiDocTemplate* m_split = nullptr;
};

BEGIN_MESSAGE_MAP(CMdiSceneFrame, CMDIFrameWnd)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_COMMAND(ID_HOST_REFRESH, &CMdiSceneFrame::OnRefresh)
    ON_COMMAND(ID_HOST_EXIT, &CMdiSceneFrame::OnExit)
    ON_COMMAND(CmdNewText, &CMdiSceneFrame::OnNewText)
    ON_COMMAND(CmdNewSplit, &CMdiSceneFrame::OnNewSplit)
    ON_COMMAND(CmdMaximize, &CMdiSceneFrame::OnMaximize)
    ON_COMMAND(CmdRestore, &CMdiSceneFrame::OnRestore)
    ON_COMMAND(CmdClose, &CMdiSceneFrame::OnCloseChild)
    ON_COMMAND(CmdKickIdleDialog, &CMdiSceneFrame::OnKickIdleDialog)
    ON_COMMAND(CmdSplitRow60, &CMdiSceneFrame::OnSplitRow60)
    ON_COMMAND(CmdWhoHandles, &CMdiSceneFrame::OnWho)
END_MESSAGE_MAP()

CWnd* MakeMdiSceneMainWindow(const CString& name)
{
    return CMdiSceneFrame::Make(name);
}
