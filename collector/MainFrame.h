// CMainFrame: the program's single top-level window: fixed caption, the main
// menu, and the main view filling it.
#pragma once

#include "afx/FrameWnd.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Puts the program's main menu on the menu bar (start-up).
    void InstallMainMenu();
    // Switches to full screen when the profile says the frame was left so.
    void EnterSavedFullScreen() {}

    DECLARE_MESSAGE_MAP()
};

// The one main frame while it exists, else nullptr.
CMainFrame* GetMainFrame();
