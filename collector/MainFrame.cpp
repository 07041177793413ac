#include "collector/MainFrame.h"

#include "afx/Menu.h"
#include "resources/resource.h"

namespace {
CMainFrame* g_frame = nullptr;

// WS_OVERLAPPEDWINDOW: caption, system menu, thick frame, minimise and
// maximise boxes; no document name in the caption.
const DWORD FrameStyle = 0x00CF0000;
const char FrameTitle[] = "Quillmoss";
}

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
END_MESSAGE_MAP()

CMainFrame* GetMainFrame()
{
    return g_frame;
}

CMainFrame::CMainFrame()
{
    g_frame = this;
}

CMainFrame::~CMainFrame()
{
    if (g_frame == this)
        g_frame = nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = FrameStyle;
    cs.lpszName = FrameTitle;
    return TRUE;
}

void CMainFrame::InstallMainMenu()
{
    // The frame's menu comes with the document template's resources.
    DrawMenuBar();
}
