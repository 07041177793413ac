// The toolkit host's main window: a frame with the scene's components as its
// direct children, and at its right the state box (a read-only edit, id 100)
// that tests read with WM_GETTEXT. The state box sits in a fixed bar at the
// right edge, so that a scene that docks bars in the frame lays them out
// beside it. Messages a scene may care for go to it first.
#pragma once

#include "HostScene.h"

#include "afx/FrameWnd.h"

// The bar at the frame's right edge that holds the state box: always docked
// there, never dragged, as wide as the box.
class CHostStateBar : public CControlBar
{
public:
    BOOL Create(CFrameWnd* pFrame, int width);
    HWND StateBox() const { return m_hStateBox; }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int m_width = 0;
    HWND m_hStateBox = nullptr;
};

class CHostFrame : public CFrameWnd
{
public:
    CHostFrame(const CString& sceneName, std::unique_ptr<CHostScene> scene);
    BOOL CreateHost();
    // Rewrites the state box when its text changed.
    void RefreshState();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    CString StateText();
    static BOOL IsSceneMessage(UINT message);

    CString m_sceneName;
    std::unique_ptr<CHostScene> m_scene;
    CHostStateBar m_stateBar;
    HWND m_hStateBox;
};
