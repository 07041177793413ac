#include "PaintersScene.h"

#include "HostResource.h"
#include "afx/ControlBar.h"
#include "afx/MDIChildWnd.h"
#include "afx/MDIFrameWnd.h"
#include "afx/TabCtrl.h"
#include "afx/ToolBar.h"
#include "toolkit/lists/painters/OXBackgroundPainterOrganizer.h"
#include "toolkit/lists/painters/OXCaptionPainterOrganizer.h"

#include <cstring>

namespace {
enum ControlId : UINT
{
    IdDockBar = IDC_PAINTERS_FIRST + 1,   // 1502 in the MDI frame
    IdToolBar,                            // 1503 inside the dock bar
    IdTab,                                // 1504 a tab control of the MDI frame
};

enum CommandId : UINT
{
    CmdCaptionAttach = ID_PAINTERS_FIRST,   // 32900
    CmdCaptionDetach,
    CmdCaptionRed,
    CmdCaptionAlign,
    CmdCaptionAlgorithm,
    CmdCaptionShades,
    CmdCaptionSave,
    CmdCaptionLoad,
    CmdOpenMdi = ID_PAINTERS_FIRST + 9,     // 32909
    CmdBackgroundAttach,
    CmdBackgroundType,
    CmdBackgroundColor,
    CmdBackgroundDetach,
    CmdBackgroundSave,
    CmdBackgroundLoad,
};

const char CaptionProfile[] = "HostCaption";
const char BackgroundSection[] = "HostBackground";

CString HostFile(const char* name)
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (char* slash = std::strrchr(path, '\\'))
        slash[1] = '\0';
    return CString(path) + "data\\" + name;
}

// A control bar that says it is a dock bar, holding a toolbar.
class CHostDockBar : public CControlBar
{
public:
    BOOL IsDockBar() const override { return TRUE; }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    void PostNcDestroy() override {}   // a member of the scene
};

class CPaintersScene : public CHostScene
{
public:
    BOOL Create(CWnd* pHost) override
    {
        m_pHost = pHost;
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {{CmdCaptionAttach, "Attach caption organizer"}, {CmdCaptionDetach, "Detach caption organizer"},
                {CmdCaptionRed, "Active caption red"},          {CmdCaptionAlign, "Next alignment"},
                {CmdCaptionAlgorithm, "Next algorithm"},         {CmdCaptionShades, "Shades 1/64"},
                {CmdCaptionSave, "Save caption state"},          {CmdCaptionLoad, "Load caption state"},
                {CmdOpenMdi, "Open MDI frame"},                  {CmdBackgroundAttach, "Attach background"},
                {CmdBackgroundType, "Next paint type"},          {CmdBackgroundColor, "Background red/default"},
                {CmdBackgroundDetach, "Detach background"},      {CmdBackgroundSave, "Save background"},
                {CmdBackgroundLoad, "Load background"}};
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult) override
    {
        if (message != WM_COMMAND || HIWORD(wParam) != 0)
            return FALSE;
        const UINT id = LOWORD(wParam);
        if (id >= CmdCaptionRed && id <= CmdCaptionShades)
            return ChangeCaption(id, pResult);
        switch (id) {
        case CmdCaptionAttach:
            m_last.Format("caption attach %d", m_caption.AttachOrganizer(::GetCurrentThreadId()) ? 1 : 0);
            break;
        case CmdCaptionDetach:
            m_last.Format("caption detach %d", m_caption.DetachOrganizer(TRUE) ? 1 : 0);
            break;
        case CmdCaptionSave: {
            COXCaptionPainter* painter = m_caption.GetPainter(m_pHost);
            m_last.Format("caption save %d", painter && painter->SaveState(CaptionProfile) ? 1 : 0);
            break;
        }
        case CmdCaptionLoad: {
            COXCaptionPainter* painter = m_caption.GetPainter(m_pHost);
            m_last.Format("caption load %d", painter && painter->LoadState(CaptionProfile, TRUE) ? 1 : 0);
            if (painter)
                m_caption.SetCaptionInfo(nullptr, &painter->GetCaptionInfo(TRUE), TRUE, TRUE);
            break;
        }
        case CmdOpenMdi:
            m_last.Format("mdi %d", OpenMdi() ? 1 : 0);
            break;
        case CmdBackgroundAttach:
            m_last.Format("bg attach %d", m_pMdi && m_background.AttachFrame(m_pMdi, HostFile("host-tile.bmp"), Tile)
                                              ? 1
                                              : 0);
            break;
        case CmdBackgroundType:
            m_nPaintType = (m_nPaintType + 1) % (BottomRight + 1);
            m_background.SetPaintType(nullptr, m_nPaintType, TRUE);
            m_last.Format("bg type %d", m_nPaintType);
            break;
        case CmdBackgroundColor:
            m_clrBackground = m_clrBackground == OXBACKGROUND_DEFAULT_COLOR ? RGB(255, 0, 0) : OXBACKGROUND_DEFAULT_COLOR;
            m_background.SetBkColor(nullptr, m_clrBackground, TRUE);
            m_last = "bg color";
            break;
        case CmdBackgroundDetach:
            m_last.Format("bg detach %d", m_background.DetachOrganizer(TRUE) ? 1 : 0);
            break;
        case CmdBackgroundSave: {
            COXBackgroundPainter* painter = ClientPainter();
            m_last.Format("bg save %d", painter && painter->SaveState(BackgroundSection) ? 1 : 0);
            break;
        }
        case CmdBackgroundLoad:
            m_last.Format("bg load %d",
                          m_pMdi && m_background.LoadState(nullptr, BackgroundSection, TRUE) ? 1 : 0);
            break;
        default:
            return FALSE;
        }
        *pResult = 0;
        return TRUE;
    }

    void AppendState(CHostState& state) override
    {
        COXCaptionPainter* painter = m_caption.GetPainter(m_pHost);
        state.AddFlag("caption.attached", m_caption.IsAttachedOrganizer());
        state.AddFlag("caption.themed", IsThemedApp());
        state.AddFlag("caption.active", painter && painter->IsActive());
        state.Add("caption.text", painter ? painter->GetLastText() : CString());
        const COXCaptionInfo info = painter ? painter->GetCaptionInfo(TRUE) : COXCaptionInfo();
        state.AddInt("caption.align", info.m_nGradientAlignment);
        state.AddInt("caption.algorithm", info.m_nGradientAlgorithm);
        state.AddInt("caption.shades", info.m_nNumberShade);
        state.AddColor("caption.color", info.m_clrBackground);
        state.AddInt("caption.depth", painter ? painter->GetColorDepth() : 0);
        CRect window;
        m_pHost->GetWindowRect(&window);
        CRect caption = OXCaptionRect(m_pHost->GetStyle(), m_pHost->GetExStyle(), m_pHost->IsIconic(), window.Width());
        caption.OffsetRect(window.TopLeft());
        state.AddRect("caption.rect", caption);

        state.AddFlag("bg.attached", m_background.IsAttached());
        state.AddInt("bg.windows", m_background.GetPainterCount());
        COXBackgroundPainter* client = ClientPainter();
        state.AddInt("bg.type", client ? client->GetPaintType() : -1);
        CString image = "none";
        if (client && !client->GetWallpaper().IsEmpty())
            image.Format("%dx%d", client->GetWallpaper().GetSize().cx, client->GetWallpaper().GetSize().cy);
        state.Add("bg.image", image);
        state.AddColor("bg.color", client ? client->GetBkColor() : OXBACKGROUND_DEFAULT_COLOR);
        state.AddFlag("bg.mdiclient", m_pMdi && m_background.IsAttached(CWnd::FromHandle(m_pMdi->m_hWndMDIClient)));
        state.AddFlag("bg.dockbar", m_pMdi && m_background.IsAttached(&m_dockBar));
        state.AddFlag("bg.toolbar", m_pMdi && m_background.IsAttached(&m_toolBar));
        state.AddFlag("bg.tab", m_pMdi && m_background.IsAttached(&m_tab));
        CRect mdi(0, 0, 0, 0);
        if (m_pMdi)
            m_pMdi->GetWindowRect(&mdi);
        state.AddRect("mdi.rect", mdi);
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override { return {IdDockBar, IdToolBar, IdTab}; }

    HWND ControlWindow(CWnd*, UINT id) const override
    {
        if (!m_pMdi)
            return nullptr;
        CWnd* control = m_pMdi->GetDescendantWindow(static_cast<int>(id));
        return control ? control->m_hWnd : nullptr;
    }

    void OnHostClose() override
    {
        m_background.DetachOrganizer(FALSE);
        m_caption.DetachOrganizer(FALSE);
        if (m_pMdi && ::IsWindow(m_pMdi->m_hWnd))
            m_pMdi->DestroyWindow();
        m_pMdi = nullptr;
    }

private:
    COXBackgroundPainter* ClientPainter() const
    {
        return m_pMdi ? m_background.GetPainter(CWnd::FromHandle(m_pMdi->m_hWndMDIClient)) : nullptr;
    }

    BOOL ChangeCaption(UINT id, LRESULT* pResult)
    {
        *pResult = 0;
        COXCaptionPainter* painter = m_caption.GetPainter(m_pHost);
        if (!painter) {
            m_last = "caption none";
            return TRUE;
        }
        COXCaptionInfo info = painter->GetCaptionInfo(TRUE);
        switch (id) {
        case CmdCaptionRed:
            info.m_clrBackground = RGB(255, 0, 0);
            info.m_bGradient = TRUE;
            info.m_nGradientAlignment = GradientFromLeft;
            m_last = "caption red";
            break;
        case CmdCaptionAlign:
            info.m_nGradientAlignment = (info.m_nGradientAlignment + 1) % 3;
            m_last.Format("caption align %d", info.m_nGradientAlignment);
            break;
        case CmdCaptionAlgorithm:
            info.m_nGradientAlgorithm = (info.m_nGradientAlgorithm + 1) % 2;
            m_last.Format("caption algorithm %d", info.m_nGradientAlgorithm);
            break;
        default:
            info.m_nNumberShade = info.m_nNumberShade == 1 ? 64 : 1;
            m_last.Format("caption shades %d", info.m_nNumberShade);
            break;
        }
        m_caption.SetCaptionInfo(nullptr, &info, TRUE, TRUE);
        return TRUE;
    }

    BOOL OpenMdi()
    {
        if (m_pMdi)
            return FALSE;
        auto* frame = new CMDIFrameWnd;
        if (!frame->Create(nullptr, "Toolkit Host MDI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(420, 60, 900, 460))) {
            delete frame;
            return FALSE;
        }
        m_pMdi = frame;
        // The program binds the MDI client, as a frame that paints it does.
        if (!m_wndClient.SubclassWindow(frame->m_hWndMDIClient))
            return FALSE;
        for (const char* title : {"Child 1", "Child 2"}) {
            auto* child = new CMDIChildWnd;
            if (!child->Create(nullptr, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150),
                               frame))
                return FALSE;
        }
        return m_dockBar.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 460, 32), frame,
                                  IdDockBar)
               && m_toolBar.Create(&m_dockBar, WS_CHILD | WS_VISIBLE | CBRS_TOP, IdToolBar)
               && m_tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 330, 300, 354), frame, IdTab);
    }

    CWnd* m_pHost = nullptr;
    CMDIFrameWnd* m_pMdi = nullptr;
    CWnd m_wndClient;
    CHostDockBar m_dockBar;
    CToolBar m_toolBar;
    CTabCtrl m_tab;
    COXCaptionPainterOrganizer m_caption;
    COXBackgroundPainterOrganizer m_background;
    int m_nPaintType = Tile;
    COLORREF m_clrBackground = OXBACKGROUND_DEFAULT_COLOR;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakePaintersScene()
{
    return std::make_unique<CPaintersScene>();
}
