// The docking tests' frame: a plain frame with a pane and docking at every
// side, three toolbars of six buttons, and an application object whose
// profile the saved-state tests use.
#pragma once

#include "afx/DockBar.h"
#include "afx/DockContext.h"
#include "afx/FrameWnd.h"
#include "afx/MiniFrameWnd.h"
#include "afx/ToolBar.h"
#include "afx/WinApp.h"
#include "tests/afx/dock/DockIds.h"

#include <gtest/gtest.h>

#include <string>

// The frame of the tests: commands ID_DOCK_FIRST + 1 is disabled while
// g_disableSecond is set.
class CDockTestFrame : public CFrameWnd
{
public:
    static BOOL s_disableSecond;
    UINT m_nLastPrompt = 0;   // the last prompt id the frame was asked to show

protected:
    afx_msg void OnCommandRange(UINT) {}
    afx_msg LRESULT OnPrompt(WPARAM wParam, LPARAM lParam)
    {
        m_nLastPrompt = static_cast<UINT>(wParam);
        return OnSetMessageString(wParam, lParam);
    }
    afx_msg void OnUpdateCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(!(s_disableSecond && pCmdUI->m_nID == ID_DOCK_FIRST + 1)); }
    DECLARE_MESSAGE_MAP()
};

class DockTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static std::string Number(UINT id);
    // The non-client edges a docked bar adds (borders, gripper).
    static CSize Edges(CControlBar& bar, BOOL bHorz);
    // A toolbar of six buttons made in the frame (not docked yet; SetUp
    // makes m_one, tests that need more make them).
    void MakeBar(CToolBar& bar, UINT id, UINT firstCommand);
    // The rows of a dock bar: bars by their number (1, 2, 3), "|" for a
    // row end, "(n)" for a placeholder of bar n.
    std::string Rows(UINT dockBarId);
    std::string Rows(CDockBar* dock);
    CDockBar* Dock(UINT id) { return static_cast<CDockBar*>(m_frame->GetControlBar(id)); }
    CRect InFrame(CWnd& wnd);
    void Idle();
    // Dispatches what is queued (a destroyed window's last messages).
    static void Pump();
    // Sets the frame's client area to this size.
    void SetClientSize(int cx, int cy);

    CDockTestFrame* m_frame = nullptr;
    CWnd m_view;
    CToolBar m_one, m_two, m_three;
};
