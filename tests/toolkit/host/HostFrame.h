// The toolkit host's main window: the scene's components as its direct
// children, and at its right the state box (a read-only edit, id 100) that
// tests read with WM_GETTEXT. Messages a scene may care for go to it first.
#pragma once

#include "HostScene.h"

class CHostFrame : public CWnd
{
public:
    CHostFrame(const CString& sceneName, std::unique_ptr<CHostScene> scene);
    BOOL CreateHost();
    // Rewrites the state box when its text changed.
    void RefreshState();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    CString StateText();
    static BOOL IsSceneMessage(UINT message);

    CString m_sceneName;
    std::unique_ptr<CHostScene> m_scene;
    HWND m_hStateBox;
};
