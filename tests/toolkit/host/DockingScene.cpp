#include "DockingScene.h"

#include "HostResource.h"
#include "afx/DockBar.h"
#include "afx/DockContext.h"
#include "afx/FrameWnd.h"
#include "afx/StatusBar.h"
#include "afx/ToolBar.h"
#include "controls/bars/SizingControlBar.h"

#include <cstdio>

namespace {
enum ControlId : UINT
{
    IdStandard = AFX_IDW_TOOLBAR,      // 0xE800
    IdStatus = AFX_IDW_STATUS_BAR,     // 0xE801
    IdSecond = 0xE806,
    IdSizing = 0xE809,
    IdView = AFX_IDW_PANE_FIRST,       // 0xE900
};

enum CommandId : UINT
{
    CmdFloatStandard = ID_DOCKING_FIRST,   // 32980
    CmdDockStandardLeft,
    CmdDockStandardTop,
    CmdShowSecond,
    CmdSaveState,
    CmdLoadState,
    CmdFloatSizing,
    CmdToggleSecond,
};

const int StandardButtons = 6;
const int SecondButtons = 4;
const char Profile[] = "DockingScene";

// The side a bar is docked at, "float" in a floating frame.
CString Side(CControlBar& bar)
{
    switch (bar.GetDockBarID()) {
    case AFX_IDW_DOCKBAR_TOP: return "top";
    case AFX_IDW_DOCKBAR_BOTTOM: return "bottom";
    case AFX_IDW_DOCKBAR_LEFT: return "left";
    case AFX_IDW_DOCKBAR_RIGHT: return "right";
    default: return "float";
    }
}

// The row of a docked bar among the rows of its dock bar that hold a bar
// (a row of placeholders alone shows nothing); -1 floating, 0 for a bar at an
// edge outside any dock bar.
int Row(CControlBar& bar)
{
    if (bar.IsFloating())
        return -1;
    CDockBar* dock = bar.m_pDockBar;
    if (!dock)
        return 0;
    int row = 0;
    BOOL rowHasBar = FALSE;
    for (INT_PTR i = 1; i < dock->m_arrBars.GetSize(); ++i) {
        void* entry = dock->m_arrBars[i];
        if (entry == &bar)
            return row;
        if (!entry) {
            if (rowHasBar)
                ++row;
            rowHasBar = FALSE;
        } else if (!CDockBar::IsPlaceHolder(entry)) {
            rowHasBar = TRUE;
        }
    }
    return -1;
}

// The scene's buttons act on nothing but the state box, so the frame's idle
// update leaves them enabled although no handler of its own takes them.
class CSceneToolBar : public CToolBar
{
public:
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) override { CToolBar::OnUpdateCmdUI(pTarget, FALSE); }
};

CString CommandText(UINT id)
{
    char text[24];
    std::snprintf(text, sizeof text, "command %u", id);
    return text;
}

class CDockingScene : public CHostScene
{
public:
    BOOL Create(CWnd* pHost) override
    {
        m_pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pHost);
        if (!m_pFrame)
            return FALSE;
        CFrameWnd* frame = m_pFrame;
        if (!m_view.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame, IdView))
            return FALSE;
        // The status bar before the dock bars: it keeps the whole bottom edge.
        static const UINT indicators[] = { ID_SEPARATOR };
        if (!m_status.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, IdStatus) ||
            !m_status.SetIndicators(indicators, 1))
            return FALSE;
        frame->EnableDocking(CBRS_ALIGN_ANY);
        if (!MakeToolBar(m_standard, IdStandard, "Standard", ID_DOCKING_BUTTON, StandardButtons) ||
            !MakeToolBar(m_second, IdSecond, "Second", ID_DOCKING_BUTTON + StandardButtons, SecondButtons))
            return FALSE;
        if (!m_sizing.Create("Sizing", frame, CSize(160, 120), TRUE, IdSizing,
                             WS_CHILD | WS_VISIBLE | CBRS_LEFT))
            return FALSE;
        m_sizing.EnableDocking(CBRS_ALIGN_ANY);

        // Both toolbars in one row at the top: the second right of the first.
        frame->DockControlBar(&m_standard, AFX_IDW_DOCKBAR_TOP);
        frame->RecalcLayout();
        CRect place;
        m_standard.GetWindowRect(&place);
        place.OffsetRect(place.Width(), 0);
        frame->DockControlBar(&m_second, AFX_IDW_DOCKBAR_TOP, &place);
        frame->DockControlBar(&m_sizing, AFX_IDW_DOCKBAR_LEFT);
        LoadState();
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {
            { CmdFloatStandard, "&Float Standard" },
            { CmdDockStandardLeft, "Dock Standard &left" },
            { CmdDockStandardTop, "Dock Standard &top" },
            { CmdShowSecond, "&Show or hide Second" },
            { CmdSaveState, "Sa&ve bar state" },
            { CmdLoadState, "L&oad bar state" },
            { CmdFloatSizing, "Float S&izing" },
            { CmdToggleSecond, "To&ggle docking of Second" },
        };
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        *pResult = 0;
        if (message != WM_COMMAND)
            return FALSE;
        const UINT id = LOWORD(wParam);
        if (id >= ID_DOCKING_BUTTON && id < ID_DOCKING_BUTTON + StandardButtons + SecondButtons) {
            m_last = CommandText(id);
            return TRUE;
        }
        if (lParam != 0)
            return FALSE;
        CFrameWnd* frame = m_pFrame;
        switch (id) {
        case CmdFloatStandard:
            frame->FloatControlBar(&m_standard, CPoint(200, 200));
            break;
        case CmdDockStandardLeft:
            frame->DockControlBar(&m_standard, AFX_IDW_DOCKBAR_LEFT);
            break;
        case CmdDockStandardTop:
            frame->DockControlBar(&m_standard, AFX_IDW_DOCKBAR_TOP);
            break;
        case CmdShowSecond:
            frame->ShowControlBar(&m_second, !m_second.IsVisible(), TRUE);
            break;
        case CmdSaveState:
            SaveState();
            break;
        case CmdLoadState:
            LoadState();
            break;
        case CmdFloatSizing:
            frame->FloatControlBar(&m_sizing, CPoint(300, 300));
            break;
        case CmdToggleSecond:
            if (m_second.m_pDockContext)
                m_second.m_pDockContext->ToggleDocking();
            break;
        default:
            return FALSE;
        }
        m_last = CommandText(id);
        return TRUE;
    }

    void AppendState(CHostState& state) override
    {
        AddBar(state, "std", m_standard);
        AddBar(state, "second", m_second);
        AddBar(state, "sizing", m_sizing);
        AddBar(state, "status", m_status);
        state.AddInt("floatframes", FloatingFrames());
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override
    {
        return { IdStandard, IdStatus, IdSecond, IdSizing, IdView };
    }

    HWND ControlWindow(CWnd* pHost, UINT id) const override
    {
        // A docked or floating bar is no direct child of the frame.
        CControlBar* bar = m_pFrame ? m_pFrame->GetControlBar(id) : nullptr;
        return bar ? bar->GetSafeHwnd() : CHostScene::ControlWindow(pHost, id);
    }

    void OnHostClose() override { SaveState(); }

private:
    BOOL MakeToolBar(CToolBar& bar, UINT id, LPCTSTR title, UINT firstCommand, int count)
    {
        const DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_GRIPPER |
                            CBRS_SIZE_DYNAMIC;
        if (!bar.CreateEx(m_pFrame, TBSTYLE_FLAT, style, CRect(0, 0, 0, 0), id))
            return FALSE;
        std::vector<UINT> ids;
        for (int i = 0; i < count; ++i)
            ids.push_back(firstCommand + static_cast<UINT>(i));
        if (!bar.SetButtons(ids.data(), count))
            return FALSE;
        bar.SetSizes(CSize(23, 22), CSize(16, 15));
        bar.SetWindowText(title);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }

    void SaveState()
    {
        CSizingControlBar::GlobalSaveState(Profile);
        m_pFrame->SaveBarState(Profile);
    }

    void LoadState()
    {
        CSizingControlBar::GlobalLoadState(Profile);
        m_pFrame->LoadBarState(Profile);
    }

    static void AddBar(CHostState& state, const char* name, CControlBar& bar)
    {
        char key[32];
        std::snprintf(key, sizeof key, "%s.side", name);
        state.Add(key, Side(bar));
        std::snprintf(key, sizeof key, "%s.row", name);
        state.AddInt(key, Row(bar));
        std::snprintf(key, sizeof key, "%s.visible", name);
        state.AddFlag(key, bar.IsVisible());
    }

    // The floating frames the frame has made and not yet destroyed.
    int FloatingFrames() const
    {
        int count = 0;
        for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos;) {
            CControlBar* bar = static_cast<CControlBar*>(m_pFrame->m_listControlBars.GetNext(pos));
            if (bar->IsDockBar() && static_cast<CDockBar*>(bar)->m_bFloating && bar->GetSafeHwnd())
                ++count;
        }
        return count;
    }

    CFrameWnd* m_pFrame = nullptr;
    CWnd m_view;
    CSceneToolBar m_standard;
    CSceneToolBar m_second;
    CStatusBar m_status;
    CSizingControlBar m_sizing;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakeDockingScene()
{
    return std::make_unique<CDockingScene>();
}
